#include "controls/ControlsRegistration.h"

#include "controls/sBitBtn.h"
#include "controls/sGroupBox.h"
#include "controls/sPanel.h"
#include "controls/sSkinProvider.h"
#include "framework/streaming/Reader.h"
#include "controls/sSkinProviderRegistration.h"

namespace {

// Skinned controls keep every "SkinData.…" property; any other unknown
// property is still an error of the description.
template <class T>
void KeepSkinData(TClassRegistry& r, const char* className) {
  r.RegisterDynamicProperties(className,
                              [](TPersistent* object, const std::string& path, const TPropValue& value, TReader& reader) {
                                if (path.rfind("SkinData.", 0) != 0)
                                  reader.Error(value.line, "Property " + path + " does not exist");
                                static_cast<T*>(object)->StoredSkinData().Set(path, value);
                              });
}

}  // namespace

void RegisterSkinnedControlClasses() {
  TClassRegistry& r = TClassRegistry::Instance();
  r.RegisterClass("TsPanel", "TCustomPanel", [](TComponent* owner) { return new TsPanel(owner); });
  r.RegisterClass("TsBitBtn", "TBitBtn", [](TComponent* owner) { return new TsBitBtn(owner); });
  r.RegisterClass("TsRadioGroup", "TRadioGroup", [](TComponent* owner) { return new TsRadioGroup(owner); });
  KeepSkinData<TsPanel>(r, "TsPanel");
  KeepSkinData<TsBitBtn>(r, "TsBitBtn");
  KeepSkinData<TsRadioGroup>(r, "TsRadioGroup");
  RegisterSkinProviderClasses();
}
