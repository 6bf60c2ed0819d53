#include "framework/streaming/ClassRegistry.h"
#include "skin/sSkinManager.h"

void RegisterSkinClasses() {
  TClassRegistry& r = TClassRegistry::Instance();
  r.RegisterClass("TsSkinManager", "TComponent", [](TComponent* owner) { return new TsSkinManager(owner); });
  r.RegisterDynamicProperties("TsSkinManager",
                              [](TPersistent* object, const std::string& path, const TPropValue& value, TReader&) {
                                static_cast<TsSkinManager*>(object)->Stored().Set(path, value);
                              });
}
