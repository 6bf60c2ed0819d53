#include "controls/sSkinProviderRegistration.h"

#include "controls/sSkinProvider.h"
#include "framework/streaming/PropertyHelpers.h"

namespace {

template <class T>
void RegisterGlyph(const std::string& className) {
  TClassRegistry::Instance().RegisterProperty(className, "Glyph.Data",
                                              [](TPersistent* o, const TPropValue& v, TReader& r) {
                                                ReadBitmapData(*PropertyTarget<T>(o, v, r).Glyph(), v, r);
                                              });
}

}  // namespace

void RegisterSkinProviderClasses() {
  TClassRegistry& r = TClassRegistry::Instance();
  r.RegisterClass("TsTitleIcon", "");
  RegisterGlyph<TsTitleIcon>("TsTitleIcon");
  RegisterIntProperty("TsTitleIcon", "Width", &TsTitleIcon::SetWidth);
  RegisterIntProperty("TsTitleIcon", "Height", &TsTitleIcon::SetHeight);

  r.RegisterClass("TsTitleButton", "");
  RegisterBoolProperty("TsTitleButton", "Enabled", &TsTitleButton::SetEnabled);
  RegisterBoolProperty("TsTitleButton", "UseSkinData", &TsTitleButton::SetUseSkinData);
  RegisterGlyph<TsTitleButton>("TsTitleButton");

  const char* p = "TsSkinProvider";
  RegisterComponentClass<TsSkinProvider>(p, "TComponent");
  RegisterSubObjectProperty(p, "SkinData", static_cast<TsCommonData* (TsSkinProvider::*)()>(&TsSkinProvider::SkinData));
  RegisterEnumProperty(p, "CaptionAlignment", &TsSkinProvider::SetCaptionAlignment,
                       {"taLeftJustify", "taRightJustify", "taCenter"});
  RegisterEnumProperty(p, "GripMode", &TsSkinProvider::SetGripMode, {"gmNone", "gmRightBottom"});
  RegisterBoolProperty(p, "MakeSkinMenu", &TsSkinProvider::SetMakeSkinMenu);
  RegisterStringProperty(p, "MenuLineSkin", &TsSkinProvider::SetMenuLineSkin);
  RegisterEnumProperty(p, "ResizeMode", &TsSkinProvider::SetResizeMode, {"rmStandard", "rmBorder"});
  RegisterBoolProperty(p, "ScreenSnap", &TsSkinProvider::SetScreenSnap);
  RegisterIntProperty(p, "SnapBuffer", &TsSkinProvider::SetSnapBuffer);
  RegisterBoolProperty(p, "ShowAppIcon", &TsSkinProvider::SetShowAppIcon);
  RegisterCollectionProperty(p, "TitleButtons",
                             static_cast<TsTitleButtons* (TsSkinProvider::*)()>(&TsSkinProvider::TitleButtons));
  RegisterSubObjectProperty(p, "TitleIcon", &TsSkinProvider::TitleIcon);
  RegisterStringProperty(p, "TitleSkin", &TsSkinProvider::SetTitleSkin);
  RegisterBoolProperty(p, "UseGlobalColor", &TsSkinProvider::SetUseGlobalColor);
}
