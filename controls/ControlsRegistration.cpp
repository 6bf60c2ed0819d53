#include "controls/ControlsRegistration.h"

#include "controls/sBitBtn.h"
#include "controls/sGroupBox.h"
#include "controls/sPanel.h"
#include "controls/sRadioButton.h"
#include "controls/sSkinProvider.h"
#include "framework/streaming/PropertyHelpers.h"
#include "framework/streaming/Reader.h"
#include "skin/pixels/sGraphUtils.h"

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

// "SkinData.SkinSection = …" continues into the control's TsCommonData.
template <class T>
void RegisterSkinData(const char* className) {
  RegisterSubObjectProperty(className, "SkinData", static_cast<TsCommonData* (T::*)()>(&T::SkinData));
}

// Sets stored as bits: element i of `names` is bit i.
template <class T, class V>
void RegisterBitsProperty(const char* className, const char* property, void (T::*setter)(V),
                          std::vector<std::string> names) {
  TClassRegistry::Instance().RegisterProperty(
      className, property, [setter, names = std::move(names)](TPersistent* o, const TPropValue& v, TReader& r) {
        (PropertyTarget<T>(o, v, r).*setter)(static_cast<V>(SetBits(v, names, r)));
      });
}

const std::vector<std::string> kAnimatEvents{"aeMouseEnter", "aeMouseLeave", "aeMouseDown", "aeMouseUp",
                                             "aeGlobalDef",  "aeSetFocus",   "aeKillFocus", "aeCheck"};
// kDisabledMix is bit 0, kDisabledGray bit 1.
const std::vector<std::string> kDisabledKinds{"dkBlended", "dkGrayed"};

void RegisterPanel() {
  RegisterComponentClass<TsPanel>("TsPanel", "TCustomPanel");
  RegisterSkinData<TsPanel>("TsPanel");
  RegisterEventProperty("TsPanel", "OnMouseEnter", &TsPanel::OnMouseEnter);
  RegisterEventProperty("TsPanel", "OnMouseLeave", &TsPanel::OnMouseLeave);
}

void RegisterGroupBoxes() {
  RegisterComponentClass<TsGroupBox>("TsGroupBox", "TCustomGroupBox");
  RegisterSkinData<TsGroupBox>("TsGroupBox");
  RegisterEnumProperty("TsGroupBox", "CaptionLayout", &TsGroupBox::SetCaptionLayout,
                       {"clTopLeft", "clTopCenter", "clTopRight"});
  RegisterIntProperty("TsGroupBox", "CaptionYOffset", &TsGroupBox::SetCaptionYOffset);
  RegisterStringProperty("TsGroupBox", "CaptionSkin", &TsGroupBox::SetCaptionSkin);

  RegisterComponentClass<TsRadioGroup>("TsRadioGroup", "TsGroupBox");
  RegisterSubObjectProperty("TsRadioGroup", "Items", &TsRadioGroup::Items);
  RegisterIntProperty("TsRadioGroup", "ItemIndex", &TsRadioGroup::SetItemIndex);
  RegisterIntProperty("TsRadioGroup", "Columns", &TsRadioGroup::SetColumns);
  RegisterBitsProperty("TsRadioGroup", "AnimatEvents", &TsRadioGroup::SetAnimatEvents, kAnimatEvents);
}

void RegisterRadioButton() {
  RegisterComponentClass<TsRadioButton>("TsRadioButton", "TRadioButton");
  RegisterSkinData<TsRadioButton>("TsRadioButton");
  RegisterBoolProperty("TsRadioButton", "ReadOnly", &TsRadioButton::SetReadOnly);
  RegisterIntProperty("TsRadioButton", "Margin", &TsRadioButton::SetMargin);
  RegisterIntProperty("TsRadioButton", "TextIndent", &TsRadioButton::SetTextIndent);
  RegisterBoolProperty("TsRadioButton", "ShowFocus", &TsRadioButton::SetShowFocus);
  RegisterBitsProperty("TsRadioButton", "DisabledKind", &TsRadioButton::SetDisabledKind, kDisabledKinds);
  RegisterBitsProperty("TsRadioButton", "AnimatEvents", &TsRadioButton::SetAnimatEvents, kAnimatEvents);
}

}  // namespace

void RegisterSkinnedControlClasses() {
  TClassRegistry& r = TClassRegistry::Instance();
  RegisterPanel();
  r.RegisterClass("TsBitBtn", "TBitBtn", [](TComponent* owner) { return new TsBitBtn(owner); });
  RegisterGroupBoxes();
  RegisterRadioButton();
  r.RegisterClass("TsSkinProvider", "TComponent", [](TComponent* owner) { return new TsSkinProvider(owner); });
  KeepSkinData<TsBitBtn>(r, "TsBitBtn");
  r.RegisterDynamicProperties("TsSkinProvider",
                              [](TPersistent* object, const std::string& path, const TPropValue& value, TReader&) {
                                static_cast<TsSkinProvider*>(object)->Stored().Set(path, value);
                              });
}
