// Finding sections, images and patterns of the active skin by name, the
// border widths of an image, the skin-wide colours, and the indexes the
// engine keeps resolved. Lookups never throw: whatever is missing answers
// -1 (or a fall-back colour). Names compare exactly, case included.
#include <algorithm>
#include <vector>

#include "skin/sSkinManager.h"

namespace {

constexpr const char* kGlobalInfo = "GLOBALINFO";

template <class Record>
bool NamesMatch(const Record& r, const std::string& section, const std::string& property) {
  return r.SectionName == section && r.PropertyName == property;
}

// A width stated for the side wins, then the image's border width, then a
// third of the frame.
int SideWidth(const TsMaskData& m, int stated, int thirdOfFrame) {
  if (stated > 0) return stated;
  if (m.BorderWidth > 0) return m.BorderWidth;
  return thirdOfFrame;
}

}  // namespace

int TsSkinManager::FindSection(const std::string& name) const {
  for (size_t i = 0; i < gd_.size(); ++i)
    if (gd_[i].SectionName == name) return static_cast<int>(i);
  return -1;
}

// The skin index only serves the step to the parent: a direct match is found
// by the names alone, but a negative index answers -1 all the same. A chain
// of parents that comes back to a section already visited ends the search,
// so a skin whose sections name each other cannot hang the program.
template <class Table, class Accept>
int TsSkinManager::FindInherited(const Table& table, int skinIndex, std::string section,
                                 const std::string& property, Accept accept) const {
  if (skinIndex < 0 || section.empty()) return -1;
  std::vector<int> visited{skinIndex};
  for (;;) {
    for (size_t i = 0; i < table.size(); ++i)
      if (NamesMatch(table[i], section, property) && accept(table[i])) return static_cast<int>(i);
    if (skinIndex >= static_cast<int>(gd_.size())) return -1;
    const std::string parent = gd_[static_cast<size_t>(skinIndex)].ParentClass;
    if (parent.empty() || parent == section) return -1;
    const int parentIndex = FindSection(parent);
    if (parentIndex < 0) return -1;
    if (std::find(visited.begin(), visited.end(), parentIndex) != visited.end()) return -1;
    visited.push_back(parentIndex);
    skinIndex = parentIndex;
    section = parent;
  }
}

int TsSkinManager::FindMask(int skinIndex, const std::string& section, const std::string& property) const {
  return FindInherited(ma_, skinIndex, section, property, [](const TsMaskData&) { return true; });
}

int TsSkinManager::FindMaskByNames(const std::string& section, const std::string& property) const {
  if (section.empty()) return -1;
  for (size_t i = 0; i < ma_.size(); ++i)
    if (NamesMatch(ma_[i], section, property)) return static_cast<int>(i);
  return -1;
}

int TsSkinManager::FindTextureMask(int skinIndex, const std::string& section, const std::string& property) const {
  if (ma_.empty()) return -1;
  return FindInherited(ma_, skinIndex, section, property,
                       [](const TsMaskData& m) { return m.ImgType == TsImgType::itisaTexture; });
}

int TsSkinManager::FindPattern(int skinIndex, const std::string& section, const std::string& property) const {
  if (pa_.empty()) return -1;
  return FindInherited(pa_, skinIndex, section, property, [](const TsPatternData&) { return true; });
}

bool TsSkinManager::SectionIndexValid(int index) const {
  return index >= 0 && index < static_cast<int>(gd_.size());
}

bool TsSkinManager::MaskIndexValid(int index) const { return index >= 0 && index < static_cast<int>(ma_.size()); }

int TsSkinManager::MaskBorderLeft(int maskIndex) {
  if (!MaskIndexValid(maskIndex)) return 0;
  TsMaskData& m = ma_[static_cast<size_t>(maskIndex)];
  if (m.WL <= 0 && m.BorderWidth <= 0 && m.ImageCount == 0) m.ImageCount = 1;
  return SideWidth(m, m.WL, m.ThirdOfFrameWidth());
}

int TsSkinManager::MaskBorderRight(int maskIndex) const {
  if (!MaskIndexValid(maskIndex)) return 0;
  const TsMaskData& m = ma_[static_cast<size_t>(maskIndex)];
  return SideWidth(m, m.WR, m.ThirdOfFrameWidth());
}

int TsSkinManager::MaskBorderTop(int maskIndex) const {
  if (!MaskIndexValid(maskIndex)) return 0;
  const TsMaskData& m = ma_[static_cast<size_t>(maskIndex)];
  return SideWidth(m, m.WT, m.ThirdOfFrameHeight());
}

int TsSkinManager::MaskBorderBottom(int maskIndex) const {
  if (!MaskIndexValid(maskIndex)) return 0;
  const TsMaskData& m = ma_[static_cast<size_t>(maskIndex)];
  return SideWidth(m, m.WB, m.ThirdOfFrameHeight());
}

bool TsSkinManager::GlobalInfoValid() const { return SectionIndexValid(cachedIndexes_.GlobalInfo); }

TColor TsSkinManager::GlobalColor() const {
  if (!GlobalInfoValid()) return ColorToRGB(clBtnFace);
  return ColorToRGB(gd_[static_cast<size_t>(cachedIndexes_.GlobalInfo)].Color);
}

TColor TsSkinManager::GlobalFontColor() const {
  if (!GlobalInfoValid()) return 0xFF00FF;
  return ColorToRGB(gd_[static_cast<size_t>(cachedIndexes_.GlobalInfo)].FontColor[TCMAIN]);
}

TColor TsSkinManager::GlobalHotColor() const {
  if (!GlobalInfoValid()) return ColorToRGB(clWindow);
  return ColorToRGB(gd_[static_cast<size_t>(cachedIndexes_.GlobalInfo)].HotColor);
}

void TsSkinManager::ResolveCachedIndexes() {
  TsCachedIndexes& c = cachedIndexes_;
  c.GlobalInfo = FindSection(kGlobalInfo);

  static const char* const kTabs[4] = {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"};
  for (int side = 0; side < 4; ++side) {
    c.TabSection[side] = FindSection(kTabs[side]);
    c.TabBorder[side] = FindMask(c.TabSection[side], kTabs[side], "BORDERSMASK");
  }

  // A part's glyph is kept from the skin before when the part's section is
  // missing; everything else of it is looked up again.
  auto resolve = [this](TsScrollPart& part, const char* section, bool withGlyph) {
    part.Section = FindSection(section);
    part.Border = FindMask(part.Section, section, "BORDERSMASK");
    part.Pattern = FindMask(part.Section, section, "PATTERN");
    part.HotPattern = FindMask(part.Section, section, "HOTPATTERN");
    if (withGlyph && part.Section >= 0) part.Glyph = FindMask(part.Section, section, "GLYPHMASK");
  };
  static const char* const kScrollButtons[4] = {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT",
                                                "SCROLLBTNRIGHT"};
  for (int side = 0; side < 4; ++side) resolve(c.ScrollBtn[side], kScrollButtons[side], true);
  resolve(c.SliderV, "SCROLLSLIDERV", true);
  resolve(c.SliderH, "SCROLLSLIDERH", true);
  resolve(c.Bar1H, "SCROLLBAR1H", false);
  resolve(c.Bar1V, "SCROLLBAR1V", false);
  resolve(c.Bar2H, "SCROLLBAR2H", false);
  resolve(c.Bar2V, "SCROLLBAR2V", false);

  auto glyph = [&](const char* name) { return FindMask(c.GlobalInfo, kGlobalInfo, name); };
  c.BoxChecked = glyph("BOXCHECKED");
  c.BoxUnchecked = glyph("BOXUNCHECKED");
  c.BoxGrayed = glyph("BOXGRAYED");
  c.RadioChecked = glyph("RADIOCHECKED");
  c.RadioUnchecked = glyph("RADIOUNCHECKED");
  c.RadioGrayed = glyph("RADIOGRAYED");
  c.SmallChecked = glyph("SMALLCHECKED");
  c.SmallUnchecked = glyph("SMALLUNCHECKED");
  c.SmallGrayed = glyph("SMALLGRAYED");

  c.ComboBtn.Section = FindSection("COMBOBTN");
  c.ComboBtn.Border = FindMaskByNames("COMBOBTN", "BORDERSMASK");
  c.ComboBtn.Pattern = FindTextureMask(c.ComboBtn.Section, "COMBOBTN", "PATTERN");
  c.ComboBtn.HotPattern = FindTextureMask(c.ComboBtn.Section, "COMBOBTN", "HOTPATTERN");
  c.ComboGlyph = FindMaskByNames("COMBOBOX", "GLYPHMASK");
}
