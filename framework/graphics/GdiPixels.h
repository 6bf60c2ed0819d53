// Pixel helpers shared by the drawing services in Gdi*.cpp. Not part of the
// public drawing interface: everything here works in target coordinates on
// rows of the target bitmap, with the DC's effective clip already applied by
// the caller or by the helper named "Clipped".
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "framework/graphics/Gdi.h"

namespace gdi_pixels {

struct TRgb {
  uint8_t B = 0;
  uint8_t G = 0;
  uint8_t R = 0;
};

inline TRgb ToRgb(TColor color) {
  const TColor c = ColorToRGB(color);
  return {GetBValue(c), GetGValue(c), GetRValue(c)};
}

inline uint8_t* Row(TBitmap& bitmap, int y) { return bitmap.Bits() + static_cast<size_t>(y) * bitmap.RowBytes(); }
inline const uint8_t* Row(const TBitmap& bitmap, int y) {
  return bitmap.Bits() + static_cast<size_t>(y) * bitmap.RowBytes();
}

// Writes pixels [x0, x1) of a row with one colour.
inline void FillSpan(uint8_t* __restrict row, int x0, int x1, TRgb c) {
  uint8_t* p = row + static_cast<size_t>(x0) * 3;
  for (int x = x0; x < x1; ++x, p += 3) {
    p[0] = c.B;
    p[1] = c.G;
    p[2] = c.R;
  }
}

inline void InvertSpan(uint8_t* __restrict row, int x0, int x1) {
  uint8_t* p = row + static_cast<size_t>(x0) * 3;
  const size_t n = static_cast<size_t>(x1 - x0) * 3;
  for (size_t i = 0; i < n; ++i) p[i] = static_cast<uint8_t>(~p[i]);
}

// The clip rectangles that meet `area`, each cut down to it, in band order.
template <class F>
void ForEachClipRect(const TRegion& clip, const TRect& area, F&& f) {
  if (area.IsEmpty()) return;
  const auto& rects = clip.Rects();
  auto it = std::partition_point(rects.begin(), rects.end(), [&](const TRect& r) { return r.Bottom <= area.Top; });
  for (; it != rects.end() && it->Top < area.Bottom; ++it) {
    const TRect part = it->Intersect(area);
    if (!part.IsEmpty()) f(part);
  }
}

// The visible pieces [a, b) of the span [x0, x1) on row y.
template <class F>
void ForEachClipSpan(const TRegion& clip, int y, int x0, int x1, F&& f) {
  if (x0 >= x1) return;
  const auto& rects = clip.Rects();
  auto it = std::partition_point(rects.begin(), rects.end(), [&](const TRect& r) { return r.Bottom <= y; });
  if (it == rects.end() || it->Top > y) return;
  const int top = it->Top;
  for (; it != rects.end() && it->Top == top && it->Left < x1; ++it) {
    const int a = std::max(x0, it->Left);
    const int b = std::min(x1, it->Right);
    if (a < b) f(a, b);
  }
}

// Fills a target-coordinate rectangle through the DC's clip.
void FillTargetRect(HDC dc, const TRect& target, TRgb c);
// Fills the span [x0, x1) of target row y through the DC's clip.
void FillTargetSpan(HDC dc, int y, int x0, int x1, TRgb c);
// Copies (stretching with nearest neighbours) `srcRect` of `src`, in bitmap
// coordinates, onto the logical rectangle `dest`. Either rectangle may have a
// negative width or height (Right < Left ...): the corners are taken as
// given, and opposite signs mirror. Pixels whose source lies outside `src`
// are left alone; with `transparent`, so are pixels of that colour. `src` may
// be null for operations that do not read a source. False for an unknown
// operation or a missing source.
bool StretchBitmap(HDC dc, const TRect& dest, const TBitmap* src, const TRect& srcRect, uint32_t rop,
                   const TColor* transparent);
// The pixels [x0, x1) of row `row` (both relative to the box) that lie in the
// ellipse filling a w x h box; false when the row has none.
bool EllipseSpan(int w, int h, int row, int& x0, int& x1);
// The part [i0, i1) of that row's span [x0, x1) that is not on the ellipse's
// one-pixel boundary; empty (i0 >= i1) on rows that are all boundary.
void EllipseInterior(int w, int h, int row, int x0, int x1, int& i0, int& i1);
// Whether the DC can draw at all (has a target with pixels).
inline bool Drawable(HDC dc) { return dc && dc->Target() && dc->Target()->Width() > 0 && dc->Target()->Height() > 0; }

}  // namespace gdi_pixels
