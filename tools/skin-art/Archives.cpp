#include "Archives.h"

#include <cstdlib>
#include <stdexcept>

namespace {

constexpr const char* kEol = "\r\n";

void Line(std::string& text, const std::string& key, const std::string& value) {
  text += key + "=" + value + kEol;
}

std::string SectionText(const TsSkinGeneral& g) {
  std::string text = "[" + g.SectionName + "]" + kEol;
  if (!g.ParentClass.empty()) Line(text, "ParentClass", g.ParentClass);
  Line(text, "Color", std::to_string(g.Color));
  Line(text, "HotColor", std::to_string(g.HotColor));
  Line(text, "Transparency", std::to_string(g.Transparency));
  Line(text, "HotTransparency", std::to_string(g.HotTransparency));
  Line(text, "GradientPercent", std::to_string(g.GradientPercent));
  if (g.GradientData != " ") Line(text, "GradientData", g.GradientData);
  Line(text, "FontColor", g.FontColor);
  Line(text, "HotFontColor", g.HotFontColor);
  Line(text, "FadingEnabled", g.FadingEnabled ? "1" : "0");
  Line(text, "FadingIterations", std::to_string(g.FadingIterations));
  return text + kEol;
}

// Letters from a fixed sequence: text that deflate cannot shorten much, to
// bring the compressed size of the file where it has to be.
std::string Noise(size_t length) {
  std::string s;
  uint32_t state = 20261208;
  while (s.size() < length) {
    state = state * 1664525u + 1013904223u;
    s += static_cast<char>('a' + (state >> 24) % 26);
  }
  return s;
}

std::string SkinFileWithNoise(const std::string& base, size_t noise) {
  std::string text = base + "; " + Noise(noise) + kEol;
  // The rest is rules of dashes, which deflate to almost nothing; the last
  // one is as long as the room left.
  const std::string rule = std::string("; ") + std::string(60, '-') + kEol;
  while (text.size() + 2 * rule.size() <= kInternalSkinFileSize) text += rule;
  const size_t left = kInternalSkinFileSize - text.size();
  text += "; " + std::string(left - 4, '-') + kEol;
  return text;
}

}  // namespace

std::string InternalSkinFile(const TsStoredSkin& skin) {
  std::string base = std::string("; ") + skin.Name + kEol + "; " + skin.Description + kEol + kEol;
  // As many sections as leave room for the tuning below; the skin-wide
  // values open GLOBALINFO.
  for (int i = 0; i < skin.GeneralData.Count(); ++i) {
    std::string section = SectionText(*skin.GeneralData[i]);
    if (skin.GeneralData[i]->SectionName == "GLOBALINFO") {
      std::string wide;
      Line(wide, "Name", skin.Name);
      Line(wide, "Author", skin.Author);
      Line(wide, "Version", std::to_string(static_cast<int>(skin.Version)));
      section.insert(section.find(kEol) + 2, wide);
    }
    if (base.size() + section.size() > kInternalSkinFileSize / 2) break;
    base += section;
  }
  std::string best;
  long bestMiss = -1;
  for (size_t noise = 0; base.size() + noise + 4 < kInternalSkinFileSize; noise += 1) {
    const std::string text = SkinFileWithNoise(base, noise);
    const size_t packed = RawDeflate(std::vector<uint8_t>(text.begin(), text.end())).size();
    const long miss = std::labs(static_cast<long>(packed) - static_cast<long>(kInternalSkinDeflatedSize));
    if (bestMiss < 0 || miss < bestMiss) best = text, bestMiss = miss;
    if (miss == 0 || packed > kInternalSkinDeflatedSize + 64) break;
  }
  return best;
}

std::vector<uint8_t> BuildInternalZip(const TsStoredSkin& skin) {
  const std::string text = InternalSkinFile(skin);
  const std::vector<uint8_t> zip =
      BuildZip({{"skin.ini", std::vector<uint8_t>(text.begin(), text.end()), true}}, kInternalZipSize, " ");
  if (zip.size() != kInternalZipSize)
    throw std::runtime_error("INTERNAL_ZIP comes out at " + std::to_string(zip.size()) + " bytes, not " +
                             std::to_string(kInternalZipSize));
  return zip;
}

std::vector<uint8_t> BuildGeneralZip() {
  const std::vector<TArchiveFile> files = {
      {"dropdown_disabled.png", EncodeIndexedPng(DrawDropdownArrow(false)), true},
      {"dropdown.png", EncodeIndexedPng(DrawDropdownArrow(true)), true},
      {"stdicon16.png", EncodeIndexedPng(DrawProgramIcon(16)), false},
      {"stdicon32.png", EncodeIndexedPng(DrawProgramIcon(32)), false},
      {"stdicon48.png", EncodeIndexedPng(DrawProgramIcon(48)), false},
  };
  const std::vector<uint8_t> zip = BuildZip(files, kGeneralZipSize, "Sortarium: pictures of the program. ");
  if (zip.size() != kGeneralZipSize)
    throw std::runtime_error("GENERAL_ZIP comes out at " + std::to_string(zip.size()) + " bytes, not " +
                             std::to_string(kGeneralZipSize) + ": the pictures take too much room");
  return zip;
}
