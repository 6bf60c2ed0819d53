// Block transfers: BitBlt, StretchBlt, TransparentBlt and DrawBitmap all end
// in StretchBitmap, which maps destination pixels back to source pixels once
// per row and column and then works row by row.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

#include "framework/graphics/Gdi.h"
#include "framework/graphics/GdiPixels.h"

using namespace gdi_pixels;

namespace {

enum class TRopKind { Copy, Or, And, Xor, NotCopy, DstInvert, Pattern, Black, White, Unknown };

TRopKind KindOf(uint32_t rop) {
  switch (rop) {
    case SRCCOPY: return TRopKind::Copy;
    case SRCPAINT: return TRopKind::Or;
    case SRCAND: return TRopKind::And;
    case SRCINVERT: return TRopKind::Xor;
    case NOTSRCCOPY: return TRopKind::NotCopy;
    case DSTINVERT: return TRopKind::DstInvert;
    case PATCOPY: return TRopKind::Pattern;
    case BLACKNESS: return TRopKind::Black;
    case WHITENESS: return TRopKind::White;
    default: return TRopKind::Unknown;
  }
}

bool ReadsSource(TRopKind k) {
  return k == TRopKind::Copy || k == TRopKind::Or || k == TRopKind::And || k == TRopKind::Xor ||
         k == TRopKind::NotCopy;
}

// Keeps corner arithmetic on absurd sizes from overflowing later sums.
int ClampToInt(int64_t v) {
  constexpr int64_t limit = std::numeric_limits<int>::max() / 2;
  return static_cast<int>(std::clamp<int64_t>(v, -limit, limit));
}

int ClampSource(int v) {
  constexpr int limit = 1 << 29;
  return std::clamp(v, -limit, limit);
}

// Byte-wise raster operations on a contiguous run of pixels.
void RopRun(TRopKind kind, uint8_t* __restrict d, const uint8_t* __restrict s, size_t bytes) {
  switch (kind) {
    case TRopKind::Copy: std::memcpy(d, s, bytes); break;
    case TRopKind::Or:
      for (size_t i = 0; i < bytes; ++i) d[i] = static_cast<uint8_t>(d[i] | s[i]);
      break;
    case TRopKind::And:
      for (size_t i = 0; i < bytes; ++i) d[i] = static_cast<uint8_t>(d[i] & s[i]);
      break;
    case TRopKind::Xor:
      for (size_t i = 0; i < bytes; ++i) d[i] = static_cast<uint8_t>(d[i] ^ s[i]);
      break;
    case TRopKind::NotCopy:
      for (size_t i = 0; i < bytes; ++i) d[i] = static_cast<uint8_t>(~s[i]);
      break;
    default: break;
  }
}

// One source pixel onto one destination pixel.
inline void RopPixel(TRopKind kind, uint8_t* d, const uint8_t* s) {
  switch (kind) {
    case TRopKind::Copy: d[0] = s[0], d[1] = s[1], d[2] = s[2]; break;
    case TRopKind::Or: d[0] |= s[0], d[1] |= s[1], d[2] |= s[2]; break;
    case TRopKind::And: d[0] &= s[0], d[1] &= s[1], d[2] &= s[2]; break;
    case TRopKind::Xor: d[0] ^= s[0], d[1] ^= s[1], d[2] ^= s[2]; break;
    case TRopKind::NotCopy:
      d[0] = static_cast<uint8_t>(~s[0]), d[1] = static_cast<uint8_t>(~s[1]), d[2] = static_cast<uint8_t>(~s[2]);
      break;
    default: break;
  }
}

// Where source pixels are read from: the bitmap itself, or a private copy of
// its needed part when source and destination are the same bitmap (so a
// transfer that overlaps itself reads the pixels as they were).
struct TSourceView {
  const uint8_t* Base = nullptr;
  size_t Stride = 0;
  int OriginX = 0;
  int OriginY = 0;
  std::vector<uint8_t> Copy;
  const uint8_t* At(int x, int y) const {
    return Base + static_cast<size_t>(y - OriginY) * Stride + static_cast<size_t>(x - OriginX) * 3;
  }
};

// Maps destination offsets [first, first + count) of an axis of length
// `destLen` onto source coordinates; -1 where the source pixel is outside
// [0, srcLimit).
void BuildMap(std::vector<int>& map, int first, int count, int destLen, int srcStart, int srcLen, bool mirror,
              int srcLimit) {
  map.resize(static_cast<size_t>(count));
  for (int k = 0; k < count; ++k) {
    const int64_t i = first + k;
    // The sample at the centre of the destination pixel.
    int64_t j = ((2 * i + 1) * srcLen) / (2 * int64_t{destLen});
    if (mirror) j = srcLen - 1 - j;
    const int64_t s = srcStart + j;
    map[static_cast<size_t>(k)] = (s >= 0 && s < srcLimit) ? static_cast<int>(s) : -1;
  }
}

}  // namespace

namespace gdi_pixels {

bool StretchBitmap(HDC dc, const TRect& dest, const TBitmap* src, const TRect& srcRect, uint32_t rop,
                   const TColor* transparent) {
  const TRopKind kind = KindOf(rop);
  if (kind == TRopKind::Unknown || !dc) return false;
  const bool reads = ReadsSource(kind);
  if (reads && !src) return false;
  if (!Drawable(dc)) return true;
  TBitmap& target = *dc->Target();

  const TPoint a = dc->ToTarget(dest.TopLeft());
  const TPoint b = dc->ToTarget(dest.BottomRight());
  const int dw = b.X - a.X, dh = b.Y - a.Y;
  if (dw == 0 || dh == 0) return true;
  const TRect destBox{std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
  const TRegion& clip = dc->EffectiveClip();
  const TRect visible = destBox.Intersect(clip.Bounds());
  if (visible.IsEmpty()) return true;

  if (!reads) {
    const TRgb fill = kind == TRopKind::White ? TRgb{255, 255, 255}
                      : kind == TRopKind::Pattern ? ToRgb(dc->Current().BrushColor)
                                                  : TRgb{0, 0, 0};
    if (kind == TRopKind::Pattern && dc->Current().BrushStyle == TBrushStyle::bsClear) return true;
    ForEachClipRect(clip, visible, [&](const TRect& part) {
      for (int y = part.Top; y < part.Bottom; ++y) {
        if (kind == TRopKind::DstInvert)
          InvertSpan(Row(target, y), part.Left, part.Right);
        else
          FillSpan(Row(target, y), part.Left, part.Right, fill);
      }
    });
    target.Touch();
    return true;
  }

  // Source corners far outside any bitmap are pulled in so that sizes and
  // offsets stay representable; only pixels inside the bitmap are read anyway.
  const TRect source{ClampSource(srcRect.Left), ClampSource(srcRect.Top), ClampSource(srcRect.Right),
                     ClampSource(srcRect.Bottom)};
  const int sw = source.Width(), sh = source.Height();
  if (sw == 0 || sh == 0 || src->Width() == 0 || src->Height() == 0) return true;
  const bool mirrorX = (dw < 0) != (sw < 0);
  const bool mirrorY = (dh < 0) != (sh < 0);
  const int srcLeft = std::min(source.Left, source.Right);
  const int srcTop = std::min(source.Top, source.Bottom);
  const int absW = std::abs(dw), absH = std::abs(dh), absSw = std::abs(sw), absSh = std::abs(sh);

  const bool keyed = transparent != nullptr;
  // Same size without mirroring: source columns advance with destination
  // columns, so whole runs go through at once and need no column map.
  const bool oneToOne = absW == absSw && !mirrorX && !keyed;

  // Same height without mirroring: source rows advance with destination
  // rows and need no row map either.
  const bool rowsOneToOne = absH == absSh && !mirrorY;

  // Source coordinates for every visible destination column and row.
  std::vector<int> cols, rows;
  if (!oneToOne)
    BuildMap(cols, visible.Left - destBox.Left, visible.Width(), absW, srcLeft, absSw, mirrorX, src->Width());
  if (!rowsOneToOne)
    BuildMap(rows, visible.Top - destBox.Top, visible.Height(), absH, srcTop, absSh, mirrorY, src->Height());
  const int rowOffset = srcTop - destBox.Top;

  TSourceView view;
  view.Base = src->Bits();
  view.Stride = static_cast<size_t>(src->RowBytes());
  if (src == &target) {
    // Only the part of the source that can be read is copied.
    const TRect need = TRect{srcLeft, srcTop, srcLeft + absSw, srcTop + absSh}.Intersect(
        TRect{0, 0, src->Width(), src->Height()});
    if (need.IsEmpty()) return true;
    view.Stride = static_cast<size_t>(need.Width()) * 3;
    view.Copy.resize(view.Stride * static_cast<size_t>(need.Height()));
    for (int y = need.Top; y < need.Bottom; ++y)
      std::memcpy(&view.Copy[static_cast<size_t>(y - need.Top) * view.Stride], Row(*src, y) + need.Left * 3,
                  view.Stride);
    view.Base = view.Copy.data();
    view.OriginX = need.Left;
    view.OriginY = need.Top;
  }

  const TRgb key = keyed ? ToRgb(*transparent) : TRgb{};

  ForEachClipRect(clip, visible, [&](const TRect& part) {
    if (oneToOne && rowsOneToOne && kind == TRopKind::Copy) {
      // A plain copy (every cache and picture shown on screen): the source
      // rectangle is found once, then rows go through one memcpy each.
      const int offset = srcLeft - destBox.Left;
      const int x0 = std::max(part.Left, -offset), x1 = std::min(part.Right, src->Width() - offset);
      const int y0 = std::max(part.Top, -rowOffset), y1 = std::min(part.Bottom, src->Height() - rowOffset);
      if (x0 >= x1 || y0 >= y1) return;
      const size_t bytes = static_cast<size_t>(x1 - x0) * 3;
      const size_t targetStride = static_cast<size_t>(target.RowBytes());
      uint8_t* d = Row(target, y0) + static_cast<size_t>(x0) * 3;
      const uint8_t* s = view.At(x0 + offset, y0 + rowOffset);
      for (int y = y0; y < y1; ++y, d += targetStride, s += view.Stride) std::memcpy(d, s, bytes);
      return;
    }
    for (int y = part.Top; y < part.Bottom; ++y) {
      int sy;
      if (rowsOneToOne) {
        sy = y + rowOffset;
        if (sy < 0 || sy >= src->Height()) continue;
      } else {
        sy = rows[static_cast<size_t>(y - visible.Top)];
        if (sy < 0) continue;
      }
      uint8_t* drow = Row(target, y);
      if (oneToOne) {
        // Source x of destination x is x + offset; clamp the run to the source.
        const int offset = srcLeft - destBox.Left;
        int x0 = part.Left, x1 = part.Right;
        x0 = std::max(x0, -offset);
        x1 = std::min(x1, src->Width() - offset);
        if (x0 >= x1) continue;
        RopRun(kind, drow + static_cast<size_t>(x0) * 3, view.At(x0 + offset, sy), static_cast<size_t>(x1 - x0) * 3);
        continue;
      }
      for (int x = part.Left; x < part.Right; ++x) {
        const int sx = cols[static_cast<size_t>(x - visible.Left)];
        if (sx < 0) continue;
        const uint8_t* s = view.At(sx, sy);
        if (keyed && s[0] == key.B && s[1] == key.G && s[2] == key.R) continue;
        RopPixel(kind, drow + static_cast<size_t>(x) * 3, s);
      }
    }
  });
  target.Touch();
  return true;
}

}  // namespace gdi_pixels

bool BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, uint32_t rop) {
  return StretchBlt(dest, x, y, width, height, src, srcX, srcY, width, height, rop);
}

namespace {

// The source rectangle of a transfer in the source bitmap's coordinates.
TRect SourceRect(HDC src, int srcX, int srcY, int srcWidth, int srcHeight) {
  const TPoint p = src->ToTarget(TPoint{srcX, srcY});
  return {p.X, p.Y, ClampToInt(int64_t{p.X} + srcWidth), ClampToInt(int64_t{p.Y} + srcHeight)};
}

TRect DestRect(int x, int y, int width, int height) {
  return {x, y, ClampToInt(int64_t{x} + width), ClampToInt(int64_t{y} + height)};
}

}  // namespace

bool StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, uint32_t rop) {
  const TRopKind kind = KindOf(rop);
  if (!dest || kind == TRopKind::Unknown) return false;
  if (!ReadsSource(kind)) return StretchBitmap(dest, DestRect(x, y, width, height), nullptr, {}, rop, nullptr);
  if (!src || !src->Target()) return false;
  return StretchBitmap(dest, DestRect(x, y, width, height), src->Target(),
                       SourceRect(src, srcX, srcY, srcWidth, srcHeight), rop, nullptr);
}

bool TransparentBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                    int srcHeight, TColor transparent) {
  if (!dest || !src || !src->Target()) return false;
  return StretchBitmap(dest, DestRect(x, y, width, height), src->Target(),
                       SourceRect(src, srcX, srcY, srcWidth, srcHeight), SRCCOPY, &transparent);
}

void DrawBitmap(HDC dest, int x, int y, const TBitmap& src, const TRect& srcRect) {
  const int64_t w = int64_t{srcRect.Right} - srcRect.Left, h = int64_t{srcRect.Bottom} - srcRect.Top;
  StretchBitmap(dest, DestRect(x, y, ClampToInt(w), ClampToInt(h)), &src, srcRect, SRCCOPY, nullptr);
}
