#include "controls/ControlsRegistration.h"

#include "controls/sBitBtn.h"
#include "controls/sGroupBox.h"
#include "controls/sPanel.h"
#include "controls/sSkinProvider.h"
#include "framework/streaming/PropertyHelpers.h"
#include "framework/streaming/Reader.h"
#include "skin/sCommonData.h"

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

void RegisterBitBtn(TClassRegistry& r) {
  const char* c = "TsBitBtn";
  RegisterComponentClass<TsBitBtn>(c, "TBitBtn");
  r.RegisterSubObject(c, "SkinData", [](TPersistent* o) -> TPersistent* {
    auto* button = dynamic_cast<TsBitBtn*>(o);
    return button ? button->SkinData() : nullptr;
  });
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

}  // namespace

void RegisterSkinnedControlClasses() {
  TClassRegistry& r = TClassRegistry::Instance();
  r.RegisterClass("TsPanel", "TCustomPanel", [](TComponent* owner) { return new TsPanel(owner); });
  r.RegisterClass("TsRadioGroup", "TRadioGroup", [](TComponent* owner) { return new TsRadioGroup(owner); });
  r.RegisterClass("TsSkinProvider", "TComponent", [](TComponent* owner) { return new TsSkinProvider(owner); });
  RegisterBitBtn(r);
  KeepSkinData<TsPanel>(r, "TsPanel");
  KeepSkinData<TsRadioGroup>(r, "TsRadioGroup");
  r.RegisterDynamicProperties("TsSkinProvider",
                              [](TPersistent* object, const std::string& path, const TPropValue& value, TReader&) {
                                static_cast<TsSkinProvider*>(object)->Stored().Set(path, value);
                              });
}
