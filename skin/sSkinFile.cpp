#include "skin/sSkinFile.h"

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "framework/base/Colors.h"
#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"
#include "framework/graphics/BmpCodec.h"
#include "skin/sSkinFolder.h"
#include "skin/sSkinImageLine.h"
#include "skin/sSkinValues.h"

namespace {

using TSetter = std::function<void(TsGeneralData&, const std::string&, const std::string&)>;

TSetter Int(int32_t TsGeneralData::*field) {
  return [field](TsGeneralData& r, const std::string& v, const std::string& where) {
    r.*field = SkinInteger(v, where);
  };
}
TSetter Bool(bool TsGeneralData::*field) {
  return [field](TsGeneralData& r, const std::string& v, const std::string&) { r.*field = SkinBoolean(v); };
}
TSetter Bevel(TsControlBevel TsGeneralData::*field) {
  return [field](TsGeneralData& r, const std::string& v, const std::string& where) {
    r.*field = static_cast<TsControlBevel>(SkinEnumValue(v, 0, 4, "bevel", where));
  };
}
TSetter FontColor(TsFontColors TsGeneralData::*field, int part) {
  return [field, part](TsGeneralData& r, const std::string& v, const std::string& where) {
    (r.*field)[static_cast<size_t>(part)] = SkinInteger(v, where);
  };
}
TSetter Gradient(std::string TsGeneralData::*text, TsGradArray TsGeneralData::*parsed) {
  return [text, parsed](TsGeneralData& r, const std::string& v, const std::string& where) {
    r.*text = v;
    try {
      r.*parsed = v.empty() || v == " " ? TsGradArray{} : ParseGradient(v);
    } catch (const Exception& e) {
      throw EConvertError(e.Message() + where);
    }
  };
}

const std::vector<std::pair<std::string, TSetter>>& SectionKeys() {
  using G = TsGeneralData;
  static const std::vector<std::pair<std::string, TSetter>> keys = {
      {"PARENTCLASS", nullptr},
      {"COLOR",
       [](G& r, const std::string& v, const std::string& where) { r.Color = ColorToRGB(SkinInteger(v, where)); }},
      {"BEVEL", Bevel(&G::Bevel)},
      {"SHADOWBLUR", Int(&G::ShadowBlur)},
      {"SHADOWOFFSET", Int(&G::ShadowOffset)},
      {"SHADOWCOLOR", Int(&G::ShadowColor)},
      {"SHADOWTRANSPARENCY", Int(&G::ShadowTransparency)},
      {"SHADOWENABLED", Bool(&G::ShadowEnabled)},
      {"RESERVEDBOOLEAN", Bool(&G::ReservedBoolean)},
      {"FONTCOLOR", FontColor(&G::FontColor, TCMAIN)},
      {"TCLEFT", FontColor(&G::FontColor, TCLEFT)},
      {"TCTOP", FontColor(&G::FontColor, TCTOP)},
      {"TCRIGHT", FontColor(&G::FontColor, TCRIGHT)},
      {"TCBOTTOM", FontColor(&G::FontColor, TCBOTTOM)},
      {"HOTFONTCOLOR", FontColor(&G::HotFontColor, TCMAIN)},
      {"HOTTCLEFT", FontColor(&G::HotFontColor, TCLEFT)},
      {"HOTTCTOP", FontColor(&G::HotFontColor, TCTOP)},
      {"HOTTCRIGHT", FontColor(&G::HotFontColor, TCRIGHT)},
      {"HOTTCBOTTOM", FontColor(&G::HotFontColor, TCBOTTOM)},
      {"TRANSPARENCY", Int(&G::Transparency)},
      {"GRADIENTPERCENT", Int(&G::GradientPercent)},
      {"IMAGEPERCENT", Int(&G::ImagePercent)},
      {"GRADIENTDATA", Gradient(&G::GradientData, &G::GradientArray)},
      {"SHOWFOCUS", Bool(&G::ShowFocus)},
      {"FADINGENABLED", Bool(&G::FadingEnabled)},
      {"FADINGINTERVALIN", Int(&G::FadingIntervalIn)},
      {"FADINGINTERVALOUT", Int(&G::FadingIntervalOut)},
      {"FADINGITERATIONS", Int(&G::FadingIterations)},
      {"HOTCOLOR", Int(&G::HotColor)},
      {"HOTTRANSPARENCY", Int(&G::HotTransparency)},
      {"HOTBEVEL", Bevel(&G::HotBevel)},
      {"HOTGRADIENTPERCENT", Int(&G::HotGradientPercent)},
      {"HOTGRADIENTDATA", Gradient(&G::HotGradientData, &G::HotGradientArray)},
      {"HOTIMAGEPERCENT", Int(&G::HotImagePercent)},
      {"BORDERCOLOR1", Int(&G::BorderColor1)},
      {"BORDERCOLOR2", Int(&G::BorderColor2)},
  };
  return keys;
}

const std::set<std::string>& HeaderKeys() {
  static const std::set<std::string> keys = {"VERSION",     "AUTHOR",         "DESCRIPTION",   "SHADOW1COLOR",
                                             "SHADOW1OFFSET", "SHADOW1BLUR", "SHADOW1TRANSPARENCY", "MASTERBITMAP",
                                             "FONTSCALE"};
  return keys;
}

// The entry for `key` in `section` or, when it has none, in its parent, and
// so on up the chain; the chain ends at a section that names itself or none.
// A chain that comes back to a section it passed is a loop in the skin.
const TsSkinTextEntry* Inherited(const TsSkinText& text, const TsSkinTextSection& section, const std::string& key) {
  const TsSkinTextSection* current = &section;
  std::set<const TsSkinTextSection*> seen;
  while (current) {
    if (const TsSkinTextEntry* entry = current->Find(key)) return entry;
    seen.insert(current);
    const TsSkinTextEntry* parent = current->Find("PARENTCLASS");
    if (!parent || parent->Value.empty() || SameText(parent->Value, current->Name)) return nullptr;
    const TsSkinTextSection* next = text.FindSection(parent->Value);
    if (next && seen.count(next))
      throw EConvertError("PARENTCLASS of [" + current->Name + "] leads back to [" + next->Name + "]" +
                          text.Where(parent->Line));
    current = next;
  }
  return nullptr;
}

TsGeneralData ReadSection(const TsSkinText& text, const TsSkinTextSection& section) {
  TsGeneralData record = DefaultSectionRecord();
  record.SectionName = section.Name;
  if (const TsSkinTextEntry* parent = section.Find("PARENTCLASS")) record.ParentClass = parent->Value;
  for (const auto& [key, set] : SectionKeys()) {
    if (!set) continue;
    // The shadow colour is the section's own: a parent's never carries over.
    const TsSkinTextEntry* entry = key == "SHADOWCOLOR" ? section.Find(key) : Inherited(text, section, key);
    if (entry) set(record, entry->Value, text.Where(entry->Line));
  }
  HoldSectionToMeaning(record);
  return record;
}

void ReadHeader(const TsSkinText& text, const TsSkinFolder& folder, TsLoadedSkin& skin) {
  const TsSkinTextSection* info = text.FindSection("GLOBALINFO");
  if (!info) return;
  auto integer = [&](const char* key, int32_t fallback) {
    const TsSkinTextEntry* e = info->Find(key);
    return e ? SkinInteger(e->Value, text.Where(e->Line)) : fallback;
  };
  if (const TsSkinTextEntry* e = info->Find("VERSION")) {
    try {
      skin.Header.Version = StrToFloat(e->Value);
    } catch (const Exception&) {
      throw EConvertError(Format(SInvalidFloat, {e->Value}) + text.Where(e->Line));
    }
  }
  if (const TsSkinTextEntry* e = info->Find("AUTHOR")) skin.Header.Author = e->Value;
  if (const TsSkinTextEntry* e = info->Find("DESCRIPTION")) skin.Header.Description = e->Value;
  skin.Header.Shadow1Color = integer("SHADOW1COLOR", 0);
  skin.Header.Shadow1Offset = std::clamp(integer("SHADOW1OFFSET", 0), -100, 100);
  skin.Header.Shadow1Blur = std::clamp(integer("SHADOW1BLUR", -1), -1, 100);
  skin.Header.Shadow1Transparency = std::clamp(integer("SHADOW1TRANSPARENCY", 0), 0, 100);
  skin.Header.FontScale = std::clamp(integer("FONTSCALE", kDefaultFontScale), kMinFontScale, kMaxFontScale);
  const TsSkinTextEntry* master = info->Find("MASTERBITMAP");
  if (!master || master->Value.empty()) return;
  const std::optional<std::vector<uint8_t>> bytes = folder.Read(master->Value);
  if (!bytes) return;
  TBitmap bitmap;
  try {
    ReadBmp(bytes->data(), bytes->size(), bitmap);
  } catch (const Exception&) {
    return;  // an unreadable master is a missing one: the rectangles show nothing
  }
  skin.Master = PrepareMasterBitmap(bitmap);
}

}  // namespace

bool IsSectionKey(const std::string& key) {
  for (const auto& entry : SectionKeys())
    if (entry.first == key) return true;
  return false;
}

bool IsHeaderKey(const std::string& key) { return HeaderKeys().count(key) != 0; }

TsGeneralData DefaultSectionRecord() {
  TsGeneralData r;
  r.Color = 0xFFFFFF;
  r.ShadowBlur = 6;
  r.ShadowOffset = 3;
  r.ShadowTransparency = 50;
  r.GradientData = " ";
  r.FadingIntervalIn = r.FadingIntervalOut = r.FadingIterations = 5;
  r.HotColor = 0xFFFFFF;
  return r;
}

bool ApplySectionKey(TsGeneralData& record, const std::string& key, const std::string& value,
                     const std::string& where) {
  for (const auto& [name, set] : SectionKeys())
    if (name == key) {
      if (set) set(record, value, where);
      return true;
    }
  return false;
}

std::unique_ptr<TBitmap> PrepareMasterBitmap(const TBitmap& source) {
  auto master = std::make_unique<TBitmap>();
  master->Assign(source);
  master->SetPixelFormat(TPixelFormat::pf24bit);
  master->SetPalette({});
  master->SetTransparentColor(0xFF00FF);
  master->SetTransparent(true);
  return master;
}

TsLoadedSkin ReadSkinFile(const TsSkinText& text, const TsSkinFolder& folder, TsSkinManager* manager) {
  TsLoadedSkin skin;
  ReadHeader(text, folder, skin);
  TsImageLineContext context;
  context.Folder = &folder;
  context.Rules = TsImageLineRules::SkinFile;
  context.MasterLoaded = skin.Master != nullptr;
  context.Manager = manager;
  for (const TsSkinTextSection& section : text.Sections()) {
    skin.Sections.push_back(ReadSection(text, section));
    const bool globalInfo = SameText(section.Name, "GLOBALINFO");
    for (const TsSkinTextEntry& entry : section.Entries) {
      if (IsSectionKey(entry.Key) || (globalInfo && IsHeaderKey(entry.Key))) continue;
      context.Where = text.Where(entry.Line);
      TsImageLineResult line = ReadImageLine(section.Name, entry.Key, entry.Value, context);
      if (line.HasMask) skin.Masks.push_back(std::move(line.Mask));
      if (line.HasPattern) skin.Patterns.push_back(std::move(line.Pattern));
    }
  }
  return skin;
}
