#include "SkinDump.h"

#include "Json.h"
#include "ScriptRunner.h"
#include "framework/base/SysUtils.h"
#include "skin/pixels/sMaskData.h"
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

std::string SectionRecord(const TsGeneralData& record) {
  return TJson::Object({
      {"sectionName", TJson::Quote(record.SectionName)},
      {"parentClass", TJson::Quote(record.ParentClass)},
      {"color", TJson::Color(record.Color)},
      {"transparency", Number(record.Transparency)},
      {"gradientPercent", Number(record.GradientPercent)},
      {"gradientData", TJson::Quote(record.GradientData)},
      {"gradient", Gradient(record.GradientArray)},
      {"imagePercent", Number(record.ImagePercent)},
      {"fontColor", FontColors(record.FontColor)},
      {"hotColor", TJson::Color(record.HotColor)},
      {"hotTransparency", Number(record.HotTransparency)},
      {"hotGradientPercent", Number(record.HotGradientPercent)},
      {"hotGradientData", TJson::Quote(record.HotGradientData)},
      {"hotGradient", Gradient(record.HotGradientArray)},
      {"hotImagePercent", Number(record.HotImagePercent)},
      {"hotFontColor", FontColors(record.HotFontColor)},
      {"fadingEnabled", TJson::Bool(record.FadingEnabled)},
      {"fadingIterations", Number(record.FadingIterations)},
      {"showFocus", TJson::Bool(record.ShowFocus)},
  });
}

std::string MaskRecord(TsSkinManager& manager, int index) {
  static const char* kTypes[] = {"itisaBorder", "itisaTexture", "itisaGlyph"};
  const TsMaskData& mask = manager.Masks()[static_cast<size_t>(index)];
  const auto type = static_cast<size_t>(mask.ImgType);
  const TRect& r = mask.R;
  return TJson::Object({
      {"index", Number(index)},
      {"propertyName", TJson::Quote(mask.PropertyName)},
      {"ownBitmap", TJson::Bool(mask.Bmp != nullptr)},
      {"rect", TJson::Array({Number(r.Left), Number(r.Top), Number(r.Right), Number(r.Bottom)})},
      {"imageCount", Number(mask.ImageCount)},
      {"maskType", Number(mask.MaskType)},
      {"borderWidth", Number(mask.BorderWidth)},
      {"stretchMode", Number(mask.StretchMode)},
      {"imgType", TJson::Quote(type < 3 ? kTypes[type] : "?")},
      // As painting sees them: left, top, right, bottom.
      {"widths", TJson::Array({Number(manager.MaskBorderLeft(index)), Number(manager.MaskBorderTop(index)),
                               Number(manager.MaskBorderRight(index)), Number(manager.MaskBorderBottom(index))})},
  });
}

std::string Part(const TsScrollPart& p) {
  return TJson::Object({{"section", Number(p.Section)},
                        {"border", Number(p.Border)},
                        {"pattern", Number(p.Pattern)},
                        {"hotPattern", Number(p.HotPattern)},
                        {"glyph", Number(p.Glyph)}});
}

std::string Numbers(const int* values, int count) {
  std::vector<std::string> items;
  for (int i = 0; i < count; ++i) items.push_back(Number(values[i]));
  return TJson::Array(items);
}

std::string CachedIndexes(const TsCachedIndexes& c) {
  std::vector<std::string> buttons;
  for (const TsScrollPart& p : c.ScrollBtn) buttons.push_back(Part(p));
  const int checks[] = {c.BoxChecked,   c.BoxUnchecked,   c.BoxGrayed,   c.RadioChecked, c.RadioUnchecked,
                        c.RadioGrayed,  c.SmallChecked,   c.SmallUnchecked, c.SmallGrayed};
  return TJson::Object({
      {"globalInfo", Number(c.GlobalInfo)},
      {"tabSections", Numbers(c.TabSection, 4)},
      {"tabBorders", Numbers(c.TabBorder, 4)},
      {"scrollButtons", TJson::Array(buttons)},
      {"sliderV", Part(c.SliderV)},
      {"sliderH", Part(c.SliderH)},
      {"bar1H", Part(c.Bar1H)},
      {"bar1V", Part(c.Bar1V)},
      {"bar2H", Part(c.Bar2H)},
      {"bar2V", Part(c.Bar2V)},
      {"checkGlyphs", Numbers(checks, 9)},
      {"comboButton", Part(c.ComboBtn)},
      {"comboGlyph", Number(c.ComboGlyph)},
  });
}

}  // namespace

std::string DumpSkin(TsSkinManager& manager, const std::string& section) {
  const TsStoredSkins& skins = *manager.InternalSkins();
  std::vector<std::string> names;
  for (int i = 0; i < skins.Count(); ++i) names.push_back(TJson::Quote(skins[i]->Name));
  const TBitmap* master = manager.MasterBitmap();
  std::vector<std::pair<std::string, std::string>> members = {
      {"skinName", TJson::Quote(manager.SkinName())},
      {"skinInfo", TJson::Quote(manager.SkinInfo())},
      {"active", TJson::Bool(manager.Active())},
      {"skinActive", TJson::Bool(manager.CommonSkinData.Active)},
      {"isDefault", TJson::Bool(manager.IsDefault())},
      {"skinDirectory", TJson::Quote(manager.ResolvedSkinDirectory())},
      // Where the loaded skin came from: its folder, or the window's stored skins.
      {"skinPath", TJson::Quote(manager.CommonSkinData.SkinPath)},
      {"source", TJson::Quote(!manager.CommonSkinData.Active          ? "none"
                              : manager.CommonSkinData.SkinPath.empty() ? "stored"
                                                                        : "folder")},
      {"requestedSkinName", TJson::Quote(manager.RequestedSkinName())},
      {"fontScale", Number(manager.CommonSkinData.FontScale)},
      {"storedSkins", TJson::Array(names)},
      {"sections", Number(static_cast<int64_t>(manager.Sections().size()))},
      {"masks", Number(static_cast<int64_t>(manager.Masks().size()))},
      {"patterns", Number(static_cast<int64_t>(manager.Patterns().size()))},
      {"masterBitmap", master ? TJson::Array({Number(master->Width()), Number(master->Height())}) : "null"},
      {"hueOffset", Number(manager.HueOffset())},
      {"saturation", Number(manager.Saturation())},
      {"cachedIndexes", CachedIndexes(manager.CachedIndexes())},
  };
  if (section.empty()) return TJson::Object(members);

  const int index = manager.FindSection(section);
  if (index < 0) throw TScriptError("no section " + section + " in skin " + manager.SkinName());
  std::vector<std::string> images;
  for (size_t i = 0; i < manager.Masks().size(); ++i)
    if (manager.Masks()[i].SectionName == section) images.push_back(MaskRecord(manager, static_cast<int>(i)));
  members.push_back({"skinIndex", Number(index)});
  members.push_back({"section", SectionRecord(manager.Sections()[static_cast<size_t>(index)])});
  members.push_back({"sectionImages", TJson::Array(images)});
  return TJson::Object(members);
}
