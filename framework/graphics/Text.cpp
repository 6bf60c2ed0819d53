// Text output on device contexts: TextOut, ExtTextOut, DrawText and the
// measuring calls. Glyphs come from the font engine as 8-bit coverage and
// are blended in the text colour straight into the target's rows, clipped
// by the DC's clip rectangles.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "framework/base/SysUtils.h"
#include "framework/graphics/FontEngine.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/GdiPixels.h"
#include "framework/graphics/TextLayout.h"

using namespace gdi_pixels;
using font_engine::TFontInstance;
using font_engine::TGlyphImage;
using text_layout::TLine;

namespace {

// dst + (color - dst) * coverage / 255, rounded to nearest.
inline uint8_t BlendChannel(uint8_t dst, uint8_t color, unsigned coverage) {
  const int v = (int{color} - int{dst}) * static_cast<int>(coverage);
  return static_cast<uint8_t>(int{dst} + (v >= 0 ? (v + 127) / 255 : -((127 - v) / 255)));
}

// Draws lines of text into one DC: the font, the colour and the clip
// rectangles that can be touched are worked out once per call.
class TTextPainter {
 public:
  TTextPainter(HDC dc, TFontInstance& font, const TRect* extraClip)
      : dc_(dc), bitmap_(*dc->Target()), font_(font), color_(ToRgb(dc->Current().TextColor)) {
    const TRect everything{0, 0, bitmap_.Width(), bitmap_.Height()};
    area_ = extraClip ? extraClip->Intersect(everything) : everything;
    ForEachClipRect(dc->EffectiveClip(), area_, [&](const TRect& part) { clips_.push_back(part); });
  }

  bool Visible() const { return !clips_.empty(); }

  // Fills a target rectangle (background, underline) through the clip.
  void Fill(const TRect& target, TRgb color) {
    const TRect r = target.Intersect(area_);
    if (!r.IsEmpty()) FillTargetRect(dc_, r, color);
  }

  // One line with its cell's top-left at the target point `at`. `positions`
  // holds each character's offset from the line start and, last, the width.
  void DrawLine(TPoint at, const TLine& line, const std::vector<int>& positions) {
    const TTextMetric& tm = font_.Metrics();
    const int baseline = at.Y + tm.Ascent;
    // Glyphs may reach a little outside their cell (accents, synthetic
    // slant); a band of one cell above and below is plenty.
    lineClips_.clear();
    for (const TRect& c : clips_)
      if (c.Bottom > at.Y - tm.Height && c.Top < at.Y + 2 * tm.Height) lineClips_.push_back(c);
    if (lineClips_.empty()) return;

    for (size_t i = 0; i < line.Text.size(); ++i) {
      const TGlyphImage* g = font_.Glyph(line.Text[i]);
      if (g && g->Coverage) DrawGlyph(*g, at.X + positions[i] + g->Left, baseline - g->Top);
    }
    const font_engine::TDecorations& d = font_.Decorations();
    const int width = positions.back();
    if (font_.Underline())
      Fill(TRect{at.X, baseline + d.UnderlineOffset, at.X + width, baseline + d.UnderlineOffset + d.UnderlineThickness},
           color_);
    if (font_.StrikeOut())
      Fill(TRect{at.X, baseline + d.StrikeOutOffset, at.X + width, baseline + d.StrikeOutOffset + d.StrikeOutThickness},
           color_);
    for (size_t i : line.Accelerators)
      Fill(TRect{at.X + positions[i], baseline + d.UnderlineOffset, at.X + positions[i + 1],
                 baseline + d.UnderlineOffset + d.UnderlineThickness},
           color_);
  }

 private:
  void DrawGlyph(const TGlyphImage& g, int x, int y) {
    const TRect box{x, y, x + g.Width, y + g.Height};
    for (const TRect& c : lineClips_) {
      const TRect part = box.Intersect(c);
      if (part.IsEmpty()) continue;
      const int w = part.Width();
      for (int row = part.Top; row < part.Bottom; ++row) {
        const uint8_t* __restrict src =
            g.Coverage + static_cast<size_t>(row - y) * static_cast<size_t>(g.Width) + (part.Left - x);
        uint8_t* __restrict dst = Row(bitmap_, row) + static_cast<size_t>(part.Left) * 3;
        for (int i = 0; i < w; ++i, dst += 3) {
          const unsigned a = src[i];
          if (a == 0) continue;
          dst[0] = BlendChannel(dst[0], color_.B, a);
          dst[1] = BlendChannel(dst[1], color_.G, a);
          dst[2] = BlendChannel(dst[2], color_.R, a);
        }
      }
    }
  }

  HDC dc_;
  TBitmap& bitmap_;
  TFontInstance& font_;
  TRgb color_;
  TRect area_;
  std::vector<TRect> clips_;
  std::vector<TRect> lineClips_;
};

TRect Normalized(const TRect& r) {
  return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
          std::max(r.Top, r.Bottom)};
}

// TextOut and ExtTextOut: one line, no prefixes, no tab stops.
bool OutputLine(HDC dc, int x, int y, const TRect* clip, bool opaque, std::string_view text) {
  if (!dc) return false;
  if (!Drawable(dc)) return true;
  auto font = font_engine::Instance(dc->Current().Font);
  TLine line;
  line.Text = Utf8ToUtf32(text);
  const std::vector<int> positions = text_layout::Positions(*font, line.Text, 0);

  std::optional<TRect> targetClip;
  if (clip) targetClip = Normalized(dc->ToTarget(*clip));
  TTextPainter painter(dc, *font, targetClip ? &*targetClip : nullptr);
  if (!painter.Visible()) return true;
  const TPoint at = dc->ToTarget(TPoint{x, y});
  if (opaque && targetClip) painter.Fill(*targetClip, ToRgb(dc->Current().BkColor));
  if (dc->Current().BkMode == OPAQUE)
    painter.Fill(TRect{at.X, at.Y, at.X + positions.back(), at.Y + font->Metrics().Height},
                 ToRgb(dc->Current().BkColor));
  painter.DrawLine(at, line, positions);
  dc->Target()->Touch();
  return true;
}

}  // namespace

void SelectFont(HDC dc, const TLogFont& font) {
  if (dc) dc->Current().Font = font;
}

TColor SetTextColor(HDC dc, TColor color) {
  if (!dc) return clNone;
  return std::exchange(dc->Current().TextColor, color);
}

TColor SetBkColor(HDC dc, TColor color) {
  if (!dc) return clNone;
  return std::exchange(dc->Current().BkColor, color);
}

int SetBkMode(HDC dc, int mode) {
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  return std::exchange(dc->Current().BkMode, mode);
}

bool GetTextMetrics(HDC dc, TTextMetric* tm) {
  if (!dc || !tm) return false;
  *tm = FontMetrics(dc->Current().Font);
  return true;
}

TSize GetTextExtent(HDC dc, std::string_view text) {
  if (!dc) return {};
  return TextExtent(dc->Current().Font, text);
}

bool TextOut(HDC dc, int x, int y, std::string_view text) { return OutputLine(dc, x, y, nullptr, false, text); }

bool ExtTextOut(HDC dc, int x, int y, const TRect* clip, bool opaque, std::string_view text) {
  return OutputLine(dc, x, y, clip, opaque, text);
}

int DrawText(HDC dc, std::string_view text, TRect& rect, unsigned format) {
  if (!dc) return 0;
  auto font = font_engine::Instance(dc->Current().Font);
  const TTextMetric& tm = font->Metrics();
  text_layout::TLayoutOptions options;
  options.Format = format;
  options.MaxWidth = rect.Width();
  if (format & DT_TABSTOP) {
    // The tab length in characters rides in the second byte of the format.
    const unsigned chars = (format >> 8) & 0xFF;
    options.Format &= ~0xFF00u;
    options.TabWidth = static_cast<int>(chars == 0 ? 8 : chars) * std::max(1, tm.AveCharWidth);
  } else {
    options.TabWidth = 8 * std::max(1, tm.AveCharWidth);
  }
  format = options.Format;
  if (!(format & DT_EXPANDTABS)) options.TabWidth = 0;

  const std::vector<TLine> lines = text_layout::Layout(*font, Utf8ToUtf32(text), options);
  const int lineHeight = tm.Height + ((format & DT_EXTERNALLEADING) ? tm.ExternalLeading : 0);
  const int64_t total64 = int64_t{lineHeight} * static_cast<int64_t>(lines.size());
  const int total = static_cast<int>(std::min<int64_t>(total64, 1 << 28));

  std::vector<std::vector<int>> positions;
  positions.reserve(lines.size());
  int widest = 0;
  for (const TLine& line : lines) {
    positions.push_back(text_layout::Positions(*font, line.Text, options.TabWidth));
    widest = std::max(widest, positions.back().back());
  }
  if (format & DT_CALCRECT) {
    rect.Right = rect.Left + widest;
    rect.Bottom = rect.Top + total;
    return total;
  }
  if (!Drawable(dc) || lines.empty()) return total;

  int top = rect.Top;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER)
      top = (rect.Top + rect.Bottom - total) / 2;
    else if (format & DT_BOTTOM)
      top = rect.Bottom - total;
  }
  std::optional<TRect> clip;
  if (!(format & DT_NOCLIP)) clip = Normalized(dc->ToTarget(rect));
  TTextPainter painter(dc, *font, clip ? &*clip : nullptr);
  if (!painter.Visible()) return total;
  const bool opaque = dc->Current().BkMode == OPAQUE;
  const TRgb background = ToRgb(dc->Current().BkColor);
  for (size_t i = 0; i < lines.size(); ++i, top += lineHeight) {
    const int width = positions[i].back();
    int left = rect.Left;
    if (format & DT_CENTER)
      left = (rect.Left + rect.Right - width) / 2;
    else if (format & DT_RIGHT)
      left = rect.Right - width;
    const TPoint at = dc->ToTarget(TPoint{left, top});
    if (opaque) painter.Fill(TRect{at.X, at.Y, at.X + width, at.Y + lineHeight}, background);
    painter.DrawLine(at, lines[i], positions[i]);
  }
  dc->Target()->Touch();
  return total;
}

TTextMetric FontMetrics(const TLogFont& font) { return font_engine::Instance(font)->Metrics(); }

TSize TextExtent(const TLogFont& font, std::string_view text) {
  auto instance = font_engine::Instance(font);
  return {instance->TextWidth(Utf8ToUtf32(text)), instance->Metrics().Height};
}
