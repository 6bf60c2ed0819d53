#include "skin/sSkinFileWriter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"
#include "framework/graphics/BmpCodec.h"
#include "skin/sSkinManager.h"

namespace {

std::string Fixed(int value, int width) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*d", width, value);
  return buf;
}

bool Fits(int value, int digits) { return value >= 0 && value < (digits == 1 ? 10 : digits == 2 ? 100 : 10000); }

std::string Rect(const TRect& r) {
  return Fixed(r.Left, 4) + "," + Fixed(r.Top, 4) + "," + Fixed(r.Right, 4) + "," + Fixed(r.Bottom, 4);
}

// The widths a line without any would be given.
bool DerivedWidths(const TsMaskData& m) {
  return m.WL == m.ThirdOfFrameWidth() && m.WR == m.WL && m.WT == m.ThirdOfFrameHeight() && m.WB == m.WT;
}

std::string ImageLine(const TsMaskData& m, const std::string& ownName) {
  if (m.Bmp) {
    return "!" + ownName + "!" + std::to_string(m.ImageCount) + "!" + std::to_string(m.MaskType) + "!" +
           std::to_string(static_cast<int>(m.ImgType)) + "!" + std::to_string(m.WL) + "!" + std::to_string(m.WT) +
           "!" + std::to_string(m.WR) + "!" + std::to_string(m.WB) + "!" + std::to_string(m.StretchMode);
  }
  const TRect& r = m.R;
  const bool rectFits = Fits(r.Left, 4) && Fits(r.Top, 4) && Fits(r.Right, 4) && Fits(r.Bottom, 4);
  if (!rectFits) throw EConvertError("the image " + m.SectionName + "." + m.PropertyName + " lies outside 0..9999");
  if (m.ImgType == TsImgType::itisaGlyph && m.StretchMode == 0 && m.BorderWidth == 0 && DerivedWidths(m) &&
      Fits(m.ImageCount, 1) && Fits(m.MaskType, 1))
    return "@" + Rect(r) + "," + std::to_string(m.ImageCount) + "," + std::to_string(m.MaskType);
  if (m.ImgType == TsImgType::itisaTexture && m.ImageCount == 1 && m.BorderWidth == 0 && DerivedWidths(m) &&
      Fits(m.StretchMode, 2) && Fits(m.MaskType, 1))
    return "~" + Rect(r) + "," + Fixed(m.StretchMode, 2) + "," + std::to_string(m.MaskType);
  if (m.ImgType == TsImgType::itisaBorder && Fits(m.WL, 4) && Fits(m.WT, 4) && Fits(m.WR, 4) && Fits(m.WB, 4) &&
      Fits(m.ImageCount, 1) && Fits(m.MaskType, 1) && Fits(m.StretchMode, 1) && Fits(m.BorderWidth, 1))
    return "^" + Rect(r) + "," + Fixed(m.WL, 4) + "," + Fixed(m.WT, 4) + "," + Fixed(m.WR, 4) + "," +
           Fixed(m.WB, 4) + "," + std::to_string(m.ImageCount) + "," + std::to_string(m.MaskType) + "," +
           std::to_string(m.StretchMode) + "," + std::to_string(m.BorderWidth);
  throw EConvertError("the image " + m.SectionName + "." + m.PropertyName + " has no exact line form");
}

std::string Gradient(const std::string& text) { return text == " " ? "" : text; }

void SectionLines(std::string& out, const TsGeneralData& s) {
  auto line = [&](const char* key, const std::string& value) { out += std::string(key) + "=" + value + "\n"; };
  auto num = [&](const char* key, long long value) { line(key, std::to_string(value)); };
  auto hex = [&](const char* key, int32_t value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%06X", static_cast<unsigned>(value));
    line(key, value < 0 ? std::to_string(value) : buf);
  };
  auto flag = [&](const char* key, bool value) { line(key, value ? "TRUE" : "FALSE"); };
  if (!s.ParentClass.empty()) line("PARENTCLASS", s.ParentClass);
  hex("COLOR", s.Color);
  num("BEVEL", static_cast<int>(s.Bevel));
  num("SHADOWBLUR", s.ShadowBlur);
  num("SHADOWOFFSET", s.ShadowOffset);
  hex("SHADOWCOLOR", s.ShadowColor);
  num("SHADOWTRANSPARENCY", s.ShadowTransparency);
  flag("SHADOWENABLED", s.ShadowEnabled);
  flag("RESERVEDBOOLEAN", s.ReservedBoolean);
  const char* fontKeys[] = {"FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"};
  const char* hotFontKeys[] = {"HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM"};
  for (size_t i = 0; i < 5; ++i) hex(fontKeys[i], s.FontColor[i]);
  for (size_t i = 0; i < 5; ++i) hex(hotFontKeys[i], s.HotFontColor[i]);
  num("TRANSPARENCY", s.Transparency);
  num("GRADIENTPERCENT", s.GradientPercent);
  num("IMAGEPERCENT", s.ImagePercent);
  line("GRADIENTDATA", Gradient(s.GradientData));
  flag("SHOWFOCUS", s.ShowFocus);
  flag("FADINGENABLED", s.FadingEnabled);
  num("FADINGINTERVALIN", s.FadingIntervalIn);
  num("FADINGINTERVALOUT", s.FadingIntervalOut);
  num("FADINGITERATIONS", s.FadingIterations);
  hex("HOTCOLOR", s.HotColor);
  num("HOTTRANSPARENCY", s.HotTransparency);
  num("HOTBEVEL", static_cast<int>(s.HotBevel));
  num("HOTGRADIENTPERCENT", s.HotGradientPercent);
  num("HOTIMAGEPERCENT", s.HotImagePercent);
  line("HOTGRADIENTDATA", Gradient(s.HotGradientData));
  hex("BORDERCOLOR1", s.BorderColor1);
  hex("BORDERCOLOR2", s.BorderColor2);
}

void WriteFileBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw EWriteError("Cannot write " + file.string());
}

}  // namespace

std::string SkinFileText(const TsSkinManager& manager, const std::vector<std::string>& ownNames) {
  const TsSkinData& d = manager.CommonSkinData;
  std::string out = "; Skin \"" + manager.SkinName() + "\", written by sortarium-skin-art.\n";
  out += "; Colours are 0x00BBGGRR (blue, green, red) or decimal; magenta 0xFF00FF is transparent in pictures.\n";
  // Images go with their section; a section the table does not have gets a
  // header of its own after the others.
  std::vector<std::string> names;
  for (const TsGeneralData& s : manager.Sections()) names.push_back(s.SectionName);
  for (const TsMaskData& m : manager.Masks()) {
    bool known = false;
    for (const std::string& n : names) known = known || UpperCase(n) == m.SectionName;
    if (!known) names.push_back(m.SectionName);
  }
  for (size_t i = 0; i < names.size(); ++i) {
    out += "\n[" + names[i] + "]\n";
    if (SameText(names[i], "GLOBALINFO")) {
      out += "VERSION=" + FloatToStr(d.Version) + "\n";
      out += "AUTHOR=" + d.Author + "\n";
      out += "DESCRIPTION=" + d.Description + "\n";
      out += "SHADOW1COLOR=" + std::to_string(d.Shadow1Color) + "\n";
      out += "SHADOW1OFFSET=" + std::to_string(d.Shadow1Offset) + "\n";
      out += "SHADOW1BLUR=" + std::to_string(d.Shadow1Blur) + "\n";
      out += "SHADOW1TRANSPARENCY=" + std::to_string(d.Shadow1Transparency) + "\n";
      // Only a skin that changes the captions' size says so: an exported
      // built-in skin stays the file it always was.
      if (d.FontScale != 100) out += "FONTSCALE=" + std::to_string(d.FontScale) + "\n";
      out += "MASTERBITMAP=Master.bmp\n";
    }
    if (i < manager.Sections().size()) SectionLines(out, manager.Sections()[i]);
    for (size_t k = 0; k < manager.Masks().size(); ++k) {
      const TsMaskData& m = manager.Masks()[k];
      if (m.SectionName != UpperCase(names[i])) continue;
      out += m.PropertyName + "=" + ImageLine(m, k < ownNames.size() ? ownNames[k] : "") + "\n";
    }
  }
  return out;
}

void WriteSkinFolder(const TsSkinManager& manager, const std::string& dir) {
  namespace fs = std::filesystem;
  if (!manager.MasterBitmap()) throw EConvertError("no skin is loaded");
  std::error_code error;
  fs::create_directories(dir, error);
  std::vector<std::string> ownNames(manager.Masks().size());
  for (size_t k = 0; k < manager.Masks().size(); ++k) {
    const TsMaskData& m = manager.Masks()[k];
    if (!m.Bmp) continue;
    ownNames[k] = m.SectionName + "_" + m.PropertyName + ".BMP";
    WriteFileBytes(fs::path(dir) / ownNames[k], WriteBmp24(*m.Bmp));
  }
  WriteFileBytes(fs::path(dir) / "Master.bmp", WriteBmp24(*manager.MasterBitmap()));
  const std::string text = SkinFileText(manager, ownNames);
  WriteFileBytes(fs::path(dir) / "Options.dat", std::vector<uint8_t>(text.begin(), text.end()));
}
