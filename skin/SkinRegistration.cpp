// The skin engine's classes as the window-description reader knows them.
#include "framework/streaming/ClassRegistry.h"
#include "framework/streaming/PropertyHelpers.h"
#include "skin/sCommonData.h"
#include "skin/sSkinManager.h"

namespace {

void RegisterAnimEffects() {
  TClassRegistry& r = TClassRegistry::Instance();
  r.RegisterClass("TsEffect", "");
  RegisterBoolProperty("TsEffect", "Active", &TsEffect::SetActive);
  RegisterIntProperty("TsEffect", "Time", &TsEffect::SetTime);
  r.RegisterClass("TsBtnEffects", "");
  RegisterSetProperty("TsBtnEffects", "Events", &TsBtnEffects::SetEvents,
                      {"beMouseEnter", "beMouseLeave", "beMouseDown", "beMouseUp"});
  r.RegisterClass("TsAnimEffects", "");
  RegisterSubObjectProperty("TsAnimEffects", "Buttons", &TsAnimEffects::Buttons);
  RegisterSubObjectProperty("TsAnimEffects", "DialogShow", &TsAnimEffects::DialogShow);
  RegisterSubObjectProperty("TsAnimEffects", "FormShow", &TsAnimEffects::FormShow);
  RegisterSubObjectProperty("TsAnimEffects", "PageChange", &TsAnimEffects::PageChange);
  RegisterSubObjectProperty("TsAnimEffects", "SkinChanging", &TsAnimEffects::SkinChanging);
}

void RegisterMenuSupport() {
  TClassRegistry::Instance().RegisterClass("TsMenuSupport", "");
  RegisterStringProperty("TsMenuSupport", "IcoLineSkin", &TsMenuSupport::SetIcoLineSkin);
  RegisterBoolProperty("TsMenuSupport", "UseExtraLine", &TsMenuSupport::SetUseExtraLine);
  RegisterIntProperty("TsMenuSupport", "ExtraLineWidth", &TsMenuSupport::SetExtraLineWidth);
  RegisterSubObjectProperty("TsMenuSupport", "ExtraLineFont", &TsMenuSupport::ExtraLineFont);
}

// The part of a skinned control's SkinData that a description stores.
void RegisterCommonData() {
  TClassRegistry::Instance().RegisterClass("TsCommonData", "");
  RegisterStringProperty("TsCommonData", "SkinSection", &TsCommonData::SetSkinSection);
  RegisterBoolProperty("TsCommonData", "CustomColor", &TsCommonData::SetCustomColor);
  RegisterBoolProperty("TsCommonData", "CustomFont", &TsCommonData::SetCustomFont);
}

}  // namespace

void RegisterSkinClasses() {
  RegisterStoredSkinClasses();
  RegisterAnimEffects();
  RegisterMenuSupport();
  RegisterCommonData();
  const char* m = "TsSkinManager";
  RegisterComponentClass<TsSkinManager>(m, "TComponent");
  RegisterSubObjectProperty(m, "AnimEffects", &TsSkinManager::AnimEffects);
  RegisterBoolProperty(m, "IsDefault", &TsSkinManager::SetIsDefault);
  RegisterBoolProperty(m, "Active", &TsSkinManager::SetActive);
  // Read straight into the list, before the skin is chosen.
  RegisterSubObjectProperty(m, "CommonSections", &TsSkinManager::CommonSections);
  RegisterIntProperty(m, "Saturation", &TsSkinManager::SetSaturation);
  RegisterIntProperty(m, "HueOffset", &TsSkinManager::SetHueOffset);
  RegisterCollectionProperty(m, "InternalSkins",
                             static_cast<TsStoredSkins* (TsSkinManager::*)()>(&TsSkinManager::InternalSkins));
  RegisterSubObjectProperty(m, "MenuSupport", &TsSkinManager::MenuSupport);
  RegisterStringProperty(m, "SkinDirectory", &TsSkinManager::SetSkinDirectory);
  RegisterStringProperty(m, "SkinName", &TsSkinManager::SetSkinName);
  RegisterStringProperty(m, "SkinInfo", &TsSkinManager::SetSkinInfo);
  RegisterBoolProperty(m, "SkinnedPopups", &TsSkinManager::SetSkinnedPopups);
  RegisterEventProperty(m, "OnBeforeChange", &TsSkinManager::OnBeforeChange);
  RegisterEventProperty(m, "OnAfterChange", &TsSkinManager::OnAfterChange);
}
