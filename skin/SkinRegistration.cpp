#include "framework/streaming/ClassRegistry.h"
#include "framework/streaming/PropertyHelpers.h"
#include "skin/sSkinManager.h"

void RegisterSkinClasses() {
  RegisterStoredSkinClasses();
  TClassRegistry& r = TClassRegistry::Instance();
  r.RegisterClass("TsSkinManager", "TComponent", [](TComponent* owner) { return new TsSkinManager(owner); });
  RegisterCollectionProperty("TsSkinManager", "InternalSkins",
                             static_cast<TsStoredSkins* (TsSkinManager::*)()>(&TsSkinManager::InternalSkins));
  r.RegisterDynamicProperties("TsSkinManager",
                              [](TPersistent* object, const std::string& path, const TPropValue& value, TReader&) {
                                static_cast<TsSkinManager*>(object)->Stored().Set(path, value);
                              });
}
