#include "framework/graphics/FontEngine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <list>
#include <unordered_map>

#include "framework/base/Exceptions.h"

namespace font_engine {

namespace {

// Cache bounds. Glyph images are the only thing that grows with use; the
// rest is bounded by how many fonts a program names.
constexpr size_t kResolveCacheEntries = 256;
constexpr size_t kFallbackCacheEntries = 4096;
constexpr size_t kWideCharEntries = 4096;
constexpr size_t kMaxSlots = 16;
// The em size used for a height of 0 ("whatever the default is").
constexpr int kDefaultEmPixels = 12;
// Slant of synthesised italics: x += 0.2126 * y, in 16.16.
constexpr FT_Fixed kItalicShear = 0x0366A;

// Ends a search pattern in a scalable sans face of the wanted weight and
// slant, with the configuration's substitutions applied.
void CompleteSansPattern(FcPattern* pattern, bool bold, bool italic) {
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
}

// Set while the engine exists; an instance that outlives it (held past
// program exit) must not touch FreeType objects the engine already freed.
bool g_engineAlive = false;

std::string AsciiLower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// Family names of the classic desktop that no Linux system carries. They are
// all plain sans faces; Liberation Sans is metric-compatible with Arial and
// the closest we ship, so it stands in before fontconfig's own substitution.
std::string MapFamily(const std::string& family) {
  static const char* const kSansAliases[] = {"ms sans serif", "ms shell dlg", "ms shell dlg 2", "arial",
                                             "helvetica",     "tahoma",       "verdana"};
  const std::string lower = AsciiLower(family);
  for (const char* alias : kSansAliases)
    if (lower == alias) return "Liberation Sans";
  return family;
}

bool IsControl(char32_t cp) { return cp < 0x20 || (cp >= 0x7F && cp < 0xA0); }

struct TFcPattern {
  FcPattern* p = FcPatternCreate();
  ~TFcPattern() {
    if (p) FcPatternDestroy(p);
  }
};
struct TFcFontSet {
  FcFontSet* s = nullptr;
  ~TFcFontSet() {
    if (s) FcFontSetDestroy(s);
  }
};
struct TFcCharSet {
  FcCharSet* c = FcCharSetCreate();
  ~TFcCharSet() {
    if (c) FcCharSetDestroy(c);
  }
};

}  // namespace

// ---------------------------------------------------------------------------
// The engine: library handles, faces and the caches.

struct TFaceChoice {
  int FaceId = -1;
  bool SyntheticBold = false;
  bool SyntheticItalic = false;
};

struct TGlyphKey {
  int FaceId = 0;
  int Em26_6 = 0;
  int Synthetic = 0;
  uint32_t GlyphIndex = 0;
  bool operator==(const TGlyphKey&) const = default;
};

struct TGlyphKeyHash {
  size_t operator()(const TGlyphKey& k) const {
    uint64_t h = static_cast<uint64_t>(k.FaceId) * 0x9E3779B97F4A7C15ull;
    h ^= (static_cast<uint64_t>(static_cast<uint32_t>(k.Em26_6)) << 2 | static_cast<uint64_t>(k.Synthetic)) +
         0x7F4A7C15ull + (h << 6) + (h >> 2);
    h ^= static_cast<uint64_t>(k.GlyphIndex) + 0x9E3779B9ull + (h << 6) + (h >> 2);
    return static_cast<size_t>(h);
  }
};

class TFontEngine {
 public:
  static TFontEngine& Get() {
    // Constructed on first use, so no other static's initialisation order
    // matters; a failed start throws and the next call tries again.
    static TFontEngine engine;
    return engine;
  }
  ~TFontEngine();
  TFontEngine(const TFontEngine&) = delete;
  TFontEngine& operator=(const TFontEngine&) = delete;

  TFaceChoice Resolve(const std::string& family, bool bold, bool italic);
  TFaceChoice FallbackFor(char32_t cp, bool bold, bool italic);
  FT_Face Face(int id) const { return faces_[static_cast<size_t>(id)].Face; }
  const std::string& FaceFamily(int id) const { return faces_[static_cast<size_t>(id)].Family; }
  const std::string& FaceFile(int id) const { return faces_[static_cast<size_t>(id)].File; }
  std::shared_ptr<TFontInstance> Instance(const TLogFont& logFont);
  TCacheStats Stats() const { return {glyphBytes_, glyphs_.size(), instances_.size()}; }

  const TGlyphImage* CachedGlyph(const TGlyphKey& key);
  const TGlyphImage* StoreGlyph(const TGlyphKey& key, TGlyphImage image, std::vector<uint8_t> pixels);

 private:
  TFontEngine();
  struct TFace {
    FT_Face Face = nullptr;
    std::string Family;
    std::string File;
  };
  struct TGlyphEntry {
    TGlyphKey Key;
    TGlyphImage Image;
    std::vector<uint8_t> Pixels;
  };
  // The face of a fontconfig match, loaded once; -1 when FreeType cannot use it.
  int LoadFace(FcPattern* font);
  std::shared_ptr<TFontInstance> Create(const TLogFont& logFont);
  // Whether any installed scalable font claims the character: a cheap test
  // that spares a full font sort for characters nobody can draw.
  bool AnyFontHas(char32_t cp);

  FT_Library library_ = nullptr;
  FcCharSet* coverage_ = nullptr;  // union of every installed font's characters
  std::vector<TFace> faces_;
  std::unordered_map<std::string, int> faceIds_;  // "file\nindex" -> face id or -1
  std::unordered_map<std::string, TFaceChoice> resolved_;
  std::unordered_map<uint64_t, TFaceChoice> fallbacks_;
  std::list<std::shared_ptr<TFontInstance>> instances_;  // most recently used first
  std::list<TGlyphEntry> glyphs_;  // most recently used first
  std::unordered_map<TGlyphKey, std::list<TGlyphEntry>::iterator, TGlyphKeyHash> glyphIndex_;
  size_t glyphBytes_ = 0;
};

TFontEngine::TFontEngine() {
  if (!FcInit()) throw EOutOfResources("Fonts are not available: fontconfig could not be initialised");
  if (FT_Init_FreeType(&library_) != 0)
    throw EOutOfResources("Fonts are not available: FreeType could not be initialised");
  g_engineAlive = true;
}

TFontEngine::~TFontEngine() {
  // Instances free their sizes while the faces still exist.
  instances_.clear();
  glyphIndex_.clear();
  glyphs_.clear();
  g_engineAlive = false;
  for (TFace& f : faces_)
    if (f.Face) FT_Done_Face(f.Face);
  faces_.clear();
  FT_Done_FreeType(library_);
  if (coverage_) FcCharSetDestroy(coverage_);
  // Hands fontconfig's caches back so leak checkers see a clean exit.
  FcFini();
}

int TFontEngine::LoadFace(FcPattern* font) {
  FcChar8* file = nullptr;
  if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || !file) return -1;
  int index = 0;
  FcPatternGetInteger(font, FC_INDEX, 0, &index);
  const std::string path = reinterpret_cast<const char*>(file);
  const std::string key = path + '\n' + std::to_string(index);
  if (auto it = faceIds_.find(key); it != faceIds_.end()) return it->second;

  int id = -1;
  FT_Face face = nullptr;
  if (FT_New_Face(library_, path.c_str(), index, &face) == 0) {
    // Only outline faces scale to every height the sign rule can ask for.
    if (FT_IS_SCALABLE(face) && face->units_per_EM > 0) {
      if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0 && face->num_charmaps > 0)
        FT_Set_Charmap(face, face->charmaps[0]);
      FcChar8* family = nullptr;
      TFace f;
      f.Face = face;
      f.File = path;
      if (FcPatternGetString(font, FC_FAMILY, 0, &family) == FcResultMatch && family)
        f.Family = reinterpret_cast<const char*>(family);
      else if (face->family_name)
        f.Family = face->family_name;
      faces_.push_back(std::move(f));
      id = static_cast<int>(faces_.size()) - 1;
    } else {
      FT_Done_Face(face);
    }
  }
  faceIds_.emplace(key, id);
  return id;
}

TFaceChoice TFontEngine::Resolve(const std::string& family, bool bold, bool italic) {
  const std::string key = AsciiLower(family) + '\n' + (bold ? 'b' : '-') + (italic ? 'i' : '-');
  if (auto it = resolved_.find(key); it != resolved_.end()) return it->second;

  TFcPattern pattern;
  if (!pattern.p) throw EOutOfResources("Out of memory while choosing a font");
  const std::string mapped = MapFamily(family);
  if (!mapped.empty()) FcPatternAddString(pattern.p, FC_FAMILY, reinterpret_cast<const FcChar8*>(mapped.c_str()));
  // Unknown names end in a plain sans face rather than in whatever the
  // configuration's last resort happens to be.
  CompleteSansPattern(pattern.p, bold, italic);

  // The sorted list, not just the best match: the best may be a file
  // FreeType cannot open or a bitmap face, and then the next one serves.
  FcResult result = FcResultNoMatch;
  TFcFontSet sorted;
  sorted.s = FcFontSort(nullptr, pattern.p, FcFalse, nullptr, &result);
  TFaceChoice choice;
  if (sorted.s) {
    for (int i = 0; i < sorted.s->nfont && choice.FaceId < 0; ++i) {
      FcPattern* font = sorted.s->fonts[i];
      const int id = LoadFace(font);
      if (id < 0) continue;
      int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
      FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
      FcPatternGetInteger(font, FC_SLANT, 0, &slant);
      choice.FaceId = id;
      // Synthesise only what the chosen face lacks.
      choice.SyntheticBold = bold && weight < FC_WEIGHT_DEMIBOLD;
      choice.SyntheticItalic = italic && slant == FC_SLANT_ROMAN;
    }
  }
  if (choice.FaceId < 0)
    throw EOutOfResources("No usable font is installed (looked for \"" + family + "\" and any sans-serif face)");
  if (resolved_.size() >= kResolveCacheEntries) resolved_.clear();
  resolved_.emplace(key, choice);
  return choice;
}

bool TFontEngine::AnyFontHas(char32_t cp) {
  if (!coverage_) {
    coverage_ = FcCharSetCreate();
    TFcPattern pattern;
    FcObjectSet* objects = FcObjectSetBuild(FC_CHARSET, nullptr);
    if (pattern.p && objects && coverage_) {
      FcPatternAddBool(pattern.p, FC_SCALABLE, FcTrue);
      TFcFontSet all;
      all.s = FcFontList(nullptr, pattern.p, objects);
      for (int i = 0; all.s && i < all.s->nfont; ++i) {
        FcCharSet* chars = nullptr;
        if (FcPatternGetCharSet(all.s->fonts[i], FC_CHARSET, 0, &chars) == FcResultMatch)
          FcCharSetMerge(coverage_, chars, nullptr);
      }
    }
    if (objects) FcObjectSetDestroy(objects);
  }
  // Without the union (out of memory) every character is worth a search.
  return !coverage_ || FcCharSetHasChar(coverage_, cp);
}

TFaceChoice TFontEngine::FallbackFor(char32_t cp, bool bold, bool italic) {
  const uint64_t key = (static_cast<uint64_t>(cp) << 2) | (bold ? 2u : 0u) | (italic ? 1u : 0u);
  if (auto it = fallbacks_.find(key); it != fallbacks_.end()) return it->second;

  TFaceChoice choice;
  if (!AnyFontHas(cp)) return choice;
  TFcPattern pattern;
  TFcCharSet wanted;
  if (pattern.p && wanted.c && FcCharSetAddChar(wanted.c, cp)) {
    FcPatternAddCharSet(pattern.p, FC_CHARSET, wanted.c);
    CompleteSansPattern(pattern.p, bold, italic);
    FcResult result = FcResultNoMatch;
    TFcFontSet sorted;
    sorted.s = FcFontSort(nullptr, pattern.p, FcFalse, nullptr, &result);
    for (int i = 0; sorted.s && i < sorted.s->nfont && choice.FaceId < 0; ++i) {
      FcPattern* font = sorted.s->fonts[i];
      FcCharSet* has = nullptr;
      if (FcPatternGetCharSet(font, FC_CHARSET, 0, &has) != FcResultMatch || !FcCharSetHasChar(has, cp))
        continue;
      const int id = LoadFace(font);
      if (id < 0 || FT_Get_Char_Index(Face(id), cp) == 0) continue;
      int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
      FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
      FcPatternGetInteger(font, FC_SLANT, 0, &slant);
      choice.FaceId = id;
      choice.SyntheticBold = bold && weight < FC_WEIGHT_DEMIBOLD;
      choice.SyntheticItalic = italic && slant == FC_SLANT_ROMAN;
    }
  }
  if (fallbacks_.size() >= kFallbackCacheEntries) fallbacks_.clear();
  fallbacks_.emplace(key, choice);
  return choice;
}

const TGlyphImage* TFontEngine::CachedGlyph(const TGlyphKey& key) {
  auto it = glyphIndex_.find(key);
  if (it == glyphIndex_.end()) return nullptr;
  glyphs_.splice(glyphs_.begin(), glyphs_, it->second);
  return &it->second->Image;
}

const TGlyphImage* TFontEngine::StoreGlyph(const TGlyphKey& key, TGlyphImage image, std::vector<uint8_t> pixels) {
  const size_t bytes = pixels.size() + sizeof(TGlyphEntry);
  while (!glyphs_.empty() && (glyphBytes_ + bytes > kGlyphCacheBytes || glyphs_.size() >= kGlyphCacheEntries)) {
    const TGlyphEntry& old = glyphs_.back();
    glyphBytes_ -= old.Pixels.size() + sizeof(TGlyphEntry);
    glyphIndex_.erase(old.Key);
    glyphs_.pop_back();
  }
  glyphs_.push_front(TGlyphEntry{key, image, std::move(pixels)});
  TGlyphEntry& entry = glyphs_.front();
  entry.Image.Coverage = entry.Pixels.empty() ? nullptr : entry.Pixels.data();
  glyphIndex_[key] = glyphs_.begin();
  glyphBytes_ += bytes;
  return &entry.Image;
}

std::shared_ptr<TFontInstance> TFontEngine::Instance(const TLogFont& logFont) {
  // The character set does not change the face or the size, so it is not
  // part of what makes an instance different.
  for (auto it = instances_.begin(); it != instances_.end(); ++it) {
    const TLogFont& s = (*it)->logFont_;
    if (s.Height != logFont.Height || !(s.Style == logFont.Style) || s.Name != logFont.Name) continue;
    if (it != instances_.begin()) instances_.splice(instances_.begin(), instances_, it);
    return instances_.front();
  }
  std::shared_ptr<TFontInstance> inst = Create(logFont);
  if (instances_.size() >= kInstanceCacheEntries) instances_.pop_back();
  instances_.push_front(inst);
  return inst;
}

// ---------------------------------------------------------------------------
// Scaling by the sign rule.

TScaledMetrics ScaleForHeight(const TDesignMetrics& design, int height) {
  const double upem = design.UnitsPerEm > 0 ? design.UnitsPerEm : 2048;
  double cellAscent = design.CellAscent, cellDescent = design.CellDescent;
  if (cellAscent + cellDescent <= 0) {
    // A face without usable vertical metrics: assume the usual proportions.
    cellAscent = upem * 0.9;
    cellDescent = upem * 0.2;
  }
  const double cell = cellAscent + cellDescent;
  if (height == 0) height = -kDefaultEmPixels;
  height = std::clamp(height, -kMaxPixelHeight, kMaxPixelHeight);

  TScaledMetrics m;
  if (height < 0) {
    // The em square is what was asked for; the cell grows around it.
    m.EmPixels = -height;
    m.Ascent = static_cast<int>(std::lround(cellAscent * m.EmPixels / upem));
    m.Descent = static_cast<int>(std::lround(cellDescent * m.EmPixels / upem));
    m.InternalLeading = m.Ascent + m.Descent - -height;
  } else {
    // The cell is what was asked for; the descent takes the rounding so that
    // ascent + descent is exactly the height.
    m.EmPixels = height * upem / cell;
    m.Ascent = static_cast<int>(std::lround(cellAscent * height / cell));
    m.Descent = height - m.Ascent;
    m.InternalLeading = height - static_cast<int>(std::lround(m.EmPixels));
  }
  m.ExternalLeading = std::max(0, static_cast<int>(std::lround(design.LineGap * m.EmPixels / upem)));
  return m;
}

// ---------------------------------------------------------------------------
// Instances.

struct TFontInstance::TSlot {
  int FaceId = -1;
  FT_Face Face = nullptr;
  FT_Size Size = nullptr;
  bool SyntheticBold = false;
  bool SyntheticItalic = false;
  int BoldStrength26_6 = 0;  // outline growth of synthesised bold
  int BoldExtra = 0;         // whole pixels it adds to every advance
  ~TSlot() {
    if (Size && g_engineAlive) FT_Done_Size(Size);
  }
};

struct TFontInstance::TCharMap {
  // Latin, Greek and Cyrillic in a flat table; everything else in a small map.
  static constexpr char32_t kFlat = 0x530;
  std::vector<TChar> flat = std::vector<TChar>(kFlat);
  std::vector<bool> known = std::vector<bool>(kFlat, false);
  std::unordered_map<char32_t, TChar> wide;
};

TFontInstance::~TFontInstance() = default;

namespace {

constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP;

TDesignMetrics DesignOf(FT_Face face) {
  TDesignMetrics d;
  d.UnitsPerEm = face->units_per_EM;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
  const int hheaAscent = hhea ? hhea->Ascender : face->ascender;
  const int hheaDescent = hhea ? -hhea->Descender : -face->descender;
  const int hheaGap = hhea ? hhea->Line_Gap : std::max(0, face->height - (hheaAscent + hheaDescent));
  if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    d.CellAscent = os2->usWinAscent;
    d.CellDescent = os2->usWinDescent;
  } else {
    d.CellAscent = hheaAscent;
    d.CellDescent = hheaDescent;
  }
  // The line gap counts only as far as the cell does not already hold it.
  const int cellExtra = std::max(0, (d.CellAscent + d.CellDescent) - (hheaAscent + hheaDescent));
  d.LineGap = std::max(0, hheaGap - cellExtra);
  return d;
}

int Scale(double units, double em, double upem) { return static_cast<int>(std::lround(units * em / upem)); }

TDecorations DecorationsOf(FT_Face face, double em, const TTextMetric& tm) {
  TDecorations d;
  const double upem = face->units_per_EM;
  if (face->underline_thickness > 0) {
    d.UnderlineThickness = std::max(1, Scale(face->underline_thickness, em, upem));
    // underline_position is the centre of the stroke, negative below the baseline.
    d.UnderlineOffset = static_cast<int>(
        std::lround(-face->underline_position * em / upem - d.UnderlineThickness / 2.0));
  } else {
    d.UnderlineThickness = std::max(1, static_cast<int>(std::lround(em / 14.0)));
    d.UnderlineOffset = std::max(1, tm.Descent / 2);
  }
  // Keep the line inside the cell and off the glyphs' feet.
  d.UnderlineOffset = std::max(0, std::min(d.UnderlineOffset, tm.Descent - d.UnderlineThickness));

  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
    d.StrikeOutThickness = std::max(1, Scale(os2->yStrikeoutSize, em, upem));
    // yStrikeoutPosition is the top of the stroke above the baseline.
    d.StrikeOutOffset = -Scale(os2->yStrikeoutPosition, em, upem);
  } else {
    d.StrikeOutThickness = d.UnderlineThickness;
    d.StrikeOutOffset = -std::max(1, static_cast<int>(std::lround(em * 0.3)));
  }
  d.StrikeOutOffset = std::clamp(d.StrikeOutOffset, -tm.Ascent, -1);
  return d;
}

// Copies FreeType's bitmap into rows of 8-bit coverage.
bool CopyCoverage(const FT_Bitmap& bm, std::vector<uint8_t>& out) {
  const size_t width = bm.width, rows = bm.rows;
  if (width == 0 || rows == 0) return true;
  if (width > 16384 || rows > 16384) return false;
  out.assign(width * rows, 0);
  const int pitch = bm.pitch;
  for (size_t y = 0; y < rows; ++y) {
    // A negative pitch means the rows are stored bottom-up.
    const size_t srcRow = pitch >= 0 ? y : rows - 1 - y;
    const uint8_t* src = bm.buffer + srcRow * static_cast<size_t>(pitch >= 0 ? pitch : -pitch);
    uint8_t* dst = out.data() + y * width;
    if (bm.pixel_mode == FT_PIXEL_MODE_GRAY) {
      const unsigned levels = bm.num_grays > 1 ? bm.num_grays - 1 : 255;
      for (size_t x = 0; x < width; ++x)
        dst[x] = levels == 255 ? src[x] : static_cast<uint8_t>(std::min(255u, src[x] * 255u / levels));
    } else if (bm.pixel_mode == FT_PIXEL_MODE_MONO) {
      for (size_t x = 0; x < width; ++x) dst[x] = (src[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

int TFontInstance::AddSlot(const TFaceChoice& choice) {
  if (slots_.size() >= kMaxSlots || choice.FaceId < 0) return -1;
  auto slot = std::make_unique<TSlot>();
  slot->FaceId = choice.FaceId;
  slot->Face = engine_->Face(choice.FaceId);
  if (FT_New_Size(slot->Face, &slot->Size) != 0) {
    slot->Size = nullptr;
    return -1;
  }
  FT_Activate_Size(slot->Size);
  // At 72 dpi a point is a pixel, so the 26.6 em goes in unchanged and may be fractional.
  if (FT_Set_Char_Size(slot->Face, 0, em26_6_, 72, 72) != 0) return -1;
  slot->SyntheticBold = choice.SyntheticBold;
  slot->SyntheticItalic = choice.SyntheticItalic;
  if (slot->SyntheticBold) {
    slot->BoldStrength26_6 = std::max(64, em26_6_ / 24);
    slot->BoldExtra = std::max(1, (slot->BoldStrength26_6 + 32) / 64);
  }
  slots_.push_back(std::move(slot));
  return static_cast<int>(slots_.size()) - 1;
}

TFontInstance::TChar TFontInstance::Locate(char32_t cp) {
  TChar c;
  if (const FT_UInt gi = FT_Get_Char_Index(slots_[0]->Face, cp); gi != 0) {
    c.GlyphIndex = gi;
    return c;
  }
  for (size_t i = 1; i < slots_.size(); ++i) {
    if (const FT_UInt gi = FT_Get_Char_Index(slots_[i]->Face, cp); gi != 0) {
      c.Slot = static_cast<uint16_t>(i);
      c.GlyphIndex = gi;
      return c;
    }
  }
  const TFaceChoice choice =
      engine_->FallbackFor(cp, logFont_.Style.Contains(fsBold), logFont_.Style.Contains(fsItalic));
  if (choice.FaceId >= 0) {
    const int slot = AddSlot(choice);
    if (slot > 0) {
      c.Slot = static_cast<uint16_t>(slot);
      c.GlyphIndex = FT_Get_Char_Index(slots_[static_cast<size_t>(slot)]->Face, cp);
      return c;
    }
  }
  return c;  // nobody has it: the primary face's missing-glyph box
}

TFontInstance::TChar TFontInstance::Lookup(char32_t cp) {
  TCharMap& map = *chars_;
  if (cp < TCharMap::kFlat && map.known[cp]) return map.flat[cp];
  if (cp >= TCharMap::kFlat)
    if (auto it = map.wide.find(cp); it != map.wide.end()) return it->second;

  TChar c;
  if (!IsControl(cp)) {
    c = Locate(cp);
    TSlot& slot = *slots_[c.Slot];
    FT_Activate_Size(slot.Size);
    if (FT_Load_Glyph(slot.Face, c.GlyphIndex, kLoadFlags) == 0)
      c.Advance = static_cast<int>((slot.Face->glyph->advance.x + 32) >> 6) + slot.BoldExtra;
  }
  if (cp < TCharMap::kFlat) {
    map.flat[cp] = c;
    map.known[cp] = true;
  } else {
    if (map.wide.size() >= kWideCharEntries) map.wide.clear();
    map.wide.emplace(cp, c);
  }
  return c;
}

int TFontInstance::Advance(char32_t cp) { return Lookup(cp).Advance; }

int TFontInstance::TextWidth(std::u32string_view text) {
  int64_t width = 0;
  for (char32_t cp : text) width += Advance(cp);
  return static_cast<int>(std::min<int64_t>(width, INT32_MAX));
}

const TGlyphImage* TFontInstance::Glyph(char32_t cp) {
  if (IsControl(cp)) return nullptr;
  const TChar c = Lookup(cp);
  TSlot& slot = *slots_[c.Slot];
  const TGlyphKey key{slot.FaceId, em26_6_, (slot.SyntheticBold ? 2 : 0) | (slot.SyntheticItalic ? 1 : 0),
                      c.GlyphIndex};
  if (const TGlyphImage* cached = engine_->CachedGlyph(key)) return cached;

  TGlyphImage image;
  std::vector<uint8_t> pixels;
  FT_Activate_Size(slot.Size);
  FT_GlyphSlot g = slot.Face->glyph;
  if (FT_Load_Glyph(slot.Face, c.GlyphIndex, kLoadFlags) == 0) {
    if (g->format == FT_GLYPH_FORMAT_OUTLINE) {
      if (slot.SyntheticBold) {
        // Grow the strokes, then move the glyph back so it grows to the right
        // (into the extra advance) instead of both ways.
        FT_Outline_Embolden(&g->outline, slot.BoldStrength26_6);
        FT_Outline_Translate(&g->outline, slot.BoldStrength26_6 / 2, 0);
      }
      if (slot.SyntheticItalic) {
        FT_Matrix shear{0x10000, kItalicShear, 0, 0x10000};
        FT_Outline_Transform(&g->outline, &shear);
      }
    }
    if (FT_Render_Glyph(g, FT_RENDER_MODE_LIGHT) == 0 && CopyCoverage(g->bitmap, pixels) && !pixels.empty()) {
      image.Left = g->bitmap_left;
      image.Top = g->bitmap_top;
      image.Width = static_cast<int>(g->bitmap.width);
      image.Height = static_cast<int>(g->bitmap.rows);
    } else {
      pixels.clear();
    }
  }
  return engine_->StoreGlyph(key, image, std::move(pixels));
}

std::shared_ptr<TFontInstance> TFontEngine::Create(const TLogFont& logFont) {
  const bool bold = logFont.Style.Contains(fsBold), italic = logFont.Style.Contains(fsItalic);
  const TFaceChoice choice = Resolve(logFont.Name, bold, italic);
  FT_Face face = Face(choice.FaceId);
  const TDesignMetrics design = DesignOf(face);
  const TScaledMetrics scaled = ScaleForHeight(design, logFont.Height);

  std::shared_ptr<TFontInstance> inst(new TFontInstance());
  inst->engine_ = this;
  inst->logFont_ = logFont;
  inst->underline_ = logFont.Style.Contains(fsUnderline);
  inst->strikeOut_ = logFont.Style.Contains(fsStrikeOut);
  inst->emPixels_ = scaled.EmPixels;
  inst->em26_6_ = std::max(64, static_cast<int>(std::lround(scaled.EmPixels * 64)));
  inst->chars_ = std::make_unique<TFontInstance::TCharMap>();
  if (inst->AddSlot(choice) != 0)
    throw EOutOfResources("Cannot scale the font \"" + FaceFamily(choice.FaceId) + "\" to height " +
                          std::to_string(logFont.Height));

  TTextMetric& tm = inst->metrics_;
  tm.Ascent = scaled.Ascent;
  tm.Descent = scaled.Descent;
  tm.Height = scaled.Ascent + scaled.Descent;
  tm.InternalLeading = scaled.InternalLeading;
  tm.ExternalLeading = scaled.ExternalLeading;
  const int boldExtra = inst->slots_[0]->BoldExtra;
  const double upem = face->units_per_EM;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const TFontInstance::TChar x = inst->Lookup(U'x');
  if (x.Slot == 0 && x.GlyphIndex != 0)
    tm.AveCharWidth = x.Advance;
  else if (os2 && os2->version != 0xFFFF && os2->xAvgCharWidth > 0)
    tm.AveCharWidth = Scale(os2->xAvgCharWidth, scaled.EmPixels, upem) + boldExtra;
  else
    tm.AveCharWidth = std::max(1, static_cast<int>(std::lround(scaled.EmPixels / 2)));
  tm.MaxCharWidth = std::max(tm.AveCharWidth, Scale(face->max_advance_width, scaled.EmPixels, upem) + boldExtra);
  inst->decorations_ = DecorationsOf(face, scaled.EmPixels, tm);
  return inst;
}

std::shared_ptr<TFontInstance> Instance(const TLogFont& logFont) { return TFontEngine::Get().Instance(logFont); }

TCacheStats CacheStats() { return TFontEngine::Get().Stats(); }

TResolvedFace ResolveFace(const std::string& family, bool bold, bool italic) {
  TFontEngine& engine = TFontEngine::Get();
  const TFaceChoice choice = engine.Resolve(family, bold, italic);
  TResolvedFace r;
  r.Family = engine.FaceFamily(choice.FaceId);
  r.File = engine.FaceFile(choice.FaceId);
  r.SyntheticBold = choice.SyntheticBold;
  r.SyntheticItalic = choice.SyntheticItalic;
  return r;
}

}  // namespace font_engine
