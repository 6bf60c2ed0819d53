#include "controls/ControlsRegistration.h"

#include "controls/sBitBtn.h"
#include "controls/sGroupBox.h"
#include "controls/sPanel.h"
#include "controls/sRadioButton.h"
#include "controls/sSkinProvider.h"
#include "framework/streaming/PropertyHelpers.h"
#include "framework/streaming/Reader.h"
#include "skin/sCommonData.h"
#include "skin/pixels/sGraphUtils.h"
#include "controls/sSkinProviderRegistration.h"

namespace {

// "SkinData.SkinSection = …" continues into the control's TsCommonData.
template <class T>
void RegisterSkinData(const char* className) {
  TClassRegistry::Instance().RegisterSubObject(className, "SkinData", [](TPersistent* o) -> TPersistent* {
    auto* control = dynamic_cast<T*>(o);
    return control ? control->SkinData() : nullptr;
  });
}

void RegisterBitBtn(TClassRegistry& r) {
  const char* c = "TsBitBtn";
  RegisterComponentClass<TsBitBtn>(c, "TBitBtn");
  RegisterSkinData<TsBitBtn>(c);
  const std::vector<std::string> alignments{"taLeftJustify", "taRightJustify", "taCenter"};
  RegisterEnumProperty(c, "Alignment", &TsBitBtn::SetAlignment, alignments);
  RegisterEnumProperty(c, "TextAlignment", &TsBitBtn::SetTextAlignment, alignments);
  RegisterBoolProperty(c, "WordWrap", &TsBitBtn::SetWordWrap);
  RegisterBoolProperty(c, "ShowCaption", &TsBitBtn::SetShowCaption);
  RegisterBoolProperty(c, "ShowFocus", &TsBitBtn::SetShowFocus);
  RegisterIntProperty(c, "FocusMargin", &TsBitBtn::SetFocusMargin);
  RegisterIntProperty(c, "TextOffset", &TsBitBtn::SetTextOffset);
  RegisterBoolProperty(c, "DrawOverBorder", &TsBitBtn::SetDrawOverBorder);
  RegisterSetProperty(c, "DisabledKind", &TsBitBtn::SetDisabledKind, {"dkBlended", "dkGrayed"});
  RegisterSetProperty(c, "DisabledGlyphKind", &TsBitBtn::SetDisabledGlyphKind, {"dgBlended", "dgGrayed"});
  RegisterBoolProperty(c, "Grayed", &TsBitBtn::SetGrayed);
  RegisterIntProperty(c, "Blend", &TsBitBtn::SetBlend);
  r.RegisterProperty(c, "Images", [](TPersistent* o, const TPropValue& v, TReader& reader) {
    PropertyTarget<TsBitBtn>(o, v, reader).ReferImages(v.AsIdent());
  });
  RegisterIntProperty(c, "ImageIndex", &TsBitBtn::SetImageIndex);
  RegisterBoolProperty(c, "Down", &TsBitBtn::SetDown);
  RegisterSetProperty(c, "AnimatEvents", &TsBitBtn::SetAnimatEvents,
                      {"aeMouseEnter", "aeMouseLeave", "aeMouseDown", "aeMouseUp", "aeGlobalDef"});
  RegisterEventProperty(c, "OnMouseEnter", &TsBitBtn::OnMouseEnter);
  RegisterEventProperty(c, "OnMouseLeave", &TsBitBtn::OnMouseLeave);
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
  RegisterBitBtn(r);
  RegisterGroupBoxes();
  RegisterRadioButton();
  RegisterSkinProviderClasses();
}
