#include "SkinDump.h"

#include "Json.h"
#include "ScriptRunner.h"
#include "framework/base/SysUtils.h"
#include "skin/sMaskData.h"
#include "skin/sSkinManager.h"

namespace {

std::string Number(int64_t v) { return std::to_string(v); }

std::string FontColors(const TsFontColors& colors) {
  std::vector<std::string> items;
  for (int32_t c : colors) items.push_back(Number(c));
  return TJson::Array(items);
}

std::string Gradient(const TsGradArray& segments) {
  std::vector<std::string> items;
  for (const TsGradPie& s : segments)
    items.push_back(TJson::Array({Number(s.Color1), Number(s.Color2), Number(s.Percent), Number(s.Mode)}));
  return TJson::Array(items);
}

std::string SectionRecord(const TsSkinGeneral& stored) {
  TsGeneralData record;
  std::string gradientError;
  try {
    FillGeneralData(record, stored);
  } catch (const Exception& e) {
    gradientError = e.Message();
  }
  std::vector<std::pair<std::string, std::string>> members = {
      {"sectionName", TJson::Quote(record.SectionName)},
      {"parentClass", TJson::Quote(record.ParentClass)},
      {"color", TJson::Color(record.Color)},
      {"transparency", Number(record.Transparency)},
      {"gradientPercent", Number(record.GradientPercent)},
      {"gradientData", TJson::Quote(record.GradientData)},
      {"gradient", Gradient(record.GradientArray)},
      {"fontColor", FontColors(record.FontColor)},
      {"hotColor", TJson::Color(record.HotColor)},
      {"hotTransparency", Number(record.HotTransparency)},
      {"hotGradientPercent", Number(record.HotGradientPercent)},
      {"hotGradientData", TJson::Quote(record.HotGradientData)},
      {"hotGradient", Gradient(record.HotGradientArray)},
      {"hotFontColor", FontColors(record.HotFontColor)},
      {"fadingEnabled", TJson::Bool(record.FadingEnabled)},
      {"fadingIterations", Number(record.FadingIterations)},
      {"showFocus", TJson::Bool(record.ShowFocus)},
  };
  if (!gradientError.empty()) members.push_back({"error", TJson::Quote(gradientError)});
  return TJson::Object(members);
}

std::string ImageRecord(const TsSkinImage& image) {
  static const char* kTypes[] = {"itisaBorder", "itisaTexture", "itisaGlyph"};
  const auto type = static_cast<size_t>(image.ImgType);
  return TJson::Object({
      {"propertyName", TJson::Quote(image.PropertyName)},
      {"name", TJson::Quote(image.Name)},
      {"rect", TJson::Array({Number(image.Left), Number(image.Top), Number(image.Right), Number(image.Bottom)})},
      {"size", TJson::Array({Number(image.Image.Width()), Number(image.Image.Height())})},
      {"imageCount", Number(image.ImageCount)},
      {"maskType", Number(image.MaskType)},
      {"borderWidth", Number(image.BorderWidth)},
      {"stretchMode", Number(image.StretchMode)},
      {"imgType", TJson::Quote(type < 3 ? kTypes[type] : "?")},
      {"widths", TJson::Array({Number(image.WL), Number(image.WT), Number(image.WR), Number(image.WB)})},
  });
}

}  // namespace

std::string DumpStoredSkin(const TsSkinManager& manager, const std::string& section) {
  const TsStoredSkins& skins = *manager.InternalSkins();
  const std::string wanted = manager.Stored().String("SkinName");
  std::vector<std::string> names;
  for (int i = 0; i < skins.Count(); ++i) names.push_back(TJson::Quote(skins[i]->Name));
  std::vector<std::pair<std::string, std::string>> members = {
      {"skin", TJson::Quote("stored")},
      {"skinName", TJson::Quote(wanted)},
      {"skinInfo", TJson::Quote(manager.Stored().String("SkinInfo"))},
      {"storedSkins", TJson::Array(names)},
  };
  // The skin that a manager would use: the one of that name, else the first.
  int index = skins.FindStoredSkin(wanted);
  if (index < 0 && skins.Count() > 0) index = 0;
  if (index < 0) {
    if (!section.empty()) throw TScriptError("there is no stored skin, so no section " + section);
    return TJson::Object(members);
  }
  const TsStoredSkin& skin = *skins[index];
  members.push_back({"name", TJson::Quote(skin.Name)});
  members.push_back({"version", FloatToStr(skin.Version)});
  members.push_back({"sections", Number(skin.GeneralData.Count())});
  members.push_back({"images", Number(skin.Images.Count())});
  members.push_back({"patterns", Number(skin.Patterns.Count())});
  members.push_back(
      {"masterBitmap", TJson::Array({Number(skin.MasterBitmap.Width()), Number(skin.MasterBitmap.Height())})});
  if (section.empty()) return TJson::Object(members);

  const TsSkinGeneral* found = nullptr;
  for (int i = 0; i < skin.GeneralData.Count() && !found; ++i)
    if (skin.GeneralData[i]->SectionName == section) found = skin.GeneralData[i];
  if (!found) throw TScriptError("no section " + section + " in skin " + skin.Name);
  std::vector<std::string> images;
  for (int i = 0; i < skin.Images.Count(); ++i)
    if (SameText(skin.Images[i]->SectionName, section)) images.push_back(ImageRecord(*skin.Images[i]));
  members.push_back({"section", SectionRecord(*found)});
  members.push_back({"sectionImages", TJson::Array(images)});
  return TJson::Object(members);
}
