// The font engine behind TFont, the DC text functions and text measuring:
// fontconfig picks faces, FreeType scales and renders them. Internal to the
// graphics layer; everything else goes through Gdi.h.
//
// A TFontInstance is one face at one size with one style, ready to measure
// and render. Instances, faces and rendered glyphs are cached and the caches
// are bounded, so a program that cycles through many sizes or characters
// does not grow without limit. Nothing here is thread-safe: text is drawn on
// the UI thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/graphics/Font.h"
#include "framework/graphics/Gdi.h"

namespace font_engine {

// Sizes beyond this many pixels are drawn at this size: a glyph bitmap grows
// with the square of the size and nothing on screen needs more.
inline constexpr int kMaxPixelHeight = 1024;

// A rendered glyph: 8-bit coverage, Width bytes per row.
struct TGlyphImage {
  int Left = 0;    // from the pen position to the first column
  int Top = 0;     // rows above the baseline of the first row
  int Width = 0;
  int Height = 0;
  const uint8_t* Coverage = nullptr;
};

// Where the underline and strike-out lines go, in pixels relative to the baseline
// (positive = below it).
struct TDecorations {
  int UnderlineOffset = 1;
  int UnderlineThickness = 1;
  int StrikeOutOffset = -3;
  int StrikeOutThickness = 1;
};

class TFontInstance;
class TFontEngine;
struct TFaceChoice;

// What the face resolution found for a family and style.
struct TResolvedFace {
  std::string Family;     // as fontconfig names the face
  std::string File;
  bool SyntheticBold = false;
  bool SyntheticItalic = false;
};

// The instance for a font description; cached. Throws EOutOfResources when
// no usable font exists at all.
std::shared_ptr<TFontInstance> Instance(const TLogFont& logFont);

// The face a family name and style resolve to (for diagnostics and tests).
TResolvedFace ResolveFace(const std::string& family, bool bold, bool italic);

// How much the caches hold now, and the most they may hold.
struct TCacheStats {
  size_t GlyphBytes = 0;
  size_t Glyphs = 0;
  size_t Instances = 0;
};
TCacheStats CacheStats();
inline constexpr size_t kGlyphCacheBytes = size_t{8} * 1024 * 1024;
inline constexpr size_t kGlyphCacheEntries = 8192;
inline constexpr size_t kInstanceCacheEntries = 32;

// The em size in pixels and the metrics for a height by the sign rule, given
// the face's design values in font units. Exposed for tests of the rule.
struct TDesignMetrics {
  int UnitsPerEm = 2048;
  int CellAscent = 0;   // OS/2 winAscent (or hhea ascender)
  int CellDescent = 0;  // OS/2 winDescent (or -hhea descender)
  int LineGap = 0;      // extra leading the face asks for
};
struct TScaledMetrics {
  double EmPixels = 0;  // the size handed to the rasteriser
  int Ascent = 0;
  int Descent = 0;
  int InternalLeading = 0;
  int ExternalLeading = 0;
};
TScaledMetrics ScaleForHeight(const TDesignMetrics& design, int height);

class TFontInstance {
 public:
  ~TFontInstance();
  TFontInstance(const TFontInstance&) = delete;
  TFontInstance& operator=(const TFontInstance&) = delete;

  const TTextMetric& Metrics() const { return metrics_; }
  const TDecorations& Decorations() const { return decorations_; }
  bool Underline() const { return underline_; }
  bool StrikeOut() const { return strikeOut_; }
  double EmPixels() const { return emPixels_; }

  // The advance of a character in whole pixels; control characters have none.
  int Advance(char32_t cp);
  int TextWidth(std::u32string_view text);
  // The rendered glyph of a character, or nullptr when it draws nothing.
  // The image stays valid until the next call of Glyph on any instance.
  const TGlyphImage* Glyph(char32_t cp);

 private:
  friend class TFontEngine;
  TFontInstance() = default;

  struct TSlot;   // a face at this instance's size
  struct TChar {  // what a character maps to
    uint16_t Slot = 0;
    uint32_t GlyphIndex = 0;
    int Advance = 0;
  };
  TChar Lookup(char32_t cp);
  // Finds the face that has the character: this font's own, else a
  // fallback face that fontconfig says covers it.
  TChar Locate(char32_t cp);
  int AddSlot(const TFaceChoice& choice);

  TFontEngine* engine_ = nullptr;
  TLogFont logFont_;
  double emPixels_ = 0;
  int em26_6_ = 0;
  TTextMetric metrics_;
  TDecorations decorations_;
  bool underline_ = false;
  bool strikeOut_ = false;
  std::vector<std::unique_ptr<TSlot>> slots_;
  struct TCharMap;
  std::unique_ptr<TCharMap> chars_;
};

}  // namespace font_engine
