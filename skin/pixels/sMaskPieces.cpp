#include "skin/pixels/sMaskPieces.h"

#include <climits>
#include <cstring>
#include <type_traits>
#include <vector>

#include "framework/graphics/Gdi.h"
#include "framework/graphics/Region.h"

namespace mask_pieces {

namespace {

// Coordinates handed to the drawing services: values this far out cannot
// reach any pixel, and pulling them in keeps the services' own sums small.
int Far(i64 v) {
  constexpr i64 limit = i64{1} << 29;
  return static_cast<int>(std::clamp(v, -limit, limit));
}

// How much memory the repeated rows of a masked tile may take at once.
constexpr size_t kRepeatedRowsBytes = 256 * 1024;

// n mod d in 0..d-1 (d > 0), also for negative n.
i64 FloorMod(i64 n, i64 d) {
  const i64 r = n % d;
  return r < 0 ? r + d : r;
}

// The key as bytes in pixel order; a key at or above 0xFF000000 means none.
struct TKeyBytes {
  bool Active = false;
  uint8_t B = 0, G = 0, R = 0;
  bool Matches(const uint8_t* p) const { return Active && p[0] == B && p[1] == G && p[2] == R; }
};

TKeyBytes KeyBytesOf(TColor key) {
  if (static_cast<uint32_t>(key) >= 0xFF000000u) return {};
  const TColor rgb = ColorToRGB(key);
  // clNone and its kind resolve above 24 bits and match no pixel.
  if ((static_cast<uint32_t>(rgb) & 0xFF000000u) != 0) return {};
  return {true, GetBValue(rgb), GetGValue(rgb), GetRValue(rgb)};
}

bool RowHasKey(const uint8_t* s, int pixels, TKeyBytes key) {
  if (!key.Active) return false;
  for (int x = 0; x < pixels; ++x, s += 3)
    if (key.Matches(s)) return true;
  return false;
}

// The mask value a mode mixes with: as it is, or lifted by 100 (at most 255).
template <bool Lighter>
inline unsigned MaskWeight(uint8_t m) {
  if constexpr (Lighter) return std::min(m + 100u, 255u);
  return m;
}

// Calls fn with the mode as a compile-time flag, so the loops carry no
// branch on it.
template <class Fn>
void WithMode(TMaskMode mode, Fn&& fn) {
  if (mode == TMaskMode::AsIs)
    fn(std::false_type{});
  else
    fn(std::true_type{});
}

// ((D - S) * M' + 256 * S) >> 8 written as (D * M' + S * (256 - M')) >> 8:
// the same integers, never above 255 * 256, so 16-bit lanes hold them and a
// row of bytes vectorises. Only for rows without key pixels.
template <bool Lighter>
inline void MixRowPlain(uint8_t* __restrict d, const uint8_t* __restrict s, const uint8_t* __restrict m,
                        int bytes) {
  for (int i = 0; i < bytes; ++i) {
    const uint16_t w = static_cast<uint16_t>(MaskWeight<Lighter>(m[i]));
    const uint16_t sum = static_cast<uint16_t>(static_cast<uint16_t>(d[i] * w) +
                                               static_cast<uint16_t>(s[i] * static_cast<uint16_t>(256 - w)));
    d[i] = static_cast<uint8_t>(sum >> 8);
  }
}

// Built once for the machine at hand with AVX2 and once without; the
// loader picks the one the processor runs. Same bytes either way.
#if defined(__x86_64__) && !defined(__clang__)
#define SORTARIUM_WIDE_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define SORTARIUM_WIDE_CLONES
#endif

SORTARIUM_WIDE_CLONES void MixRowAsIs(uint8_t* __restrict d, const uint8_t* __restrict s,
                                      const uint8_t* __restrict m, int bytes) {
  MixRowPlain<false>(d, s, m, bytes);
}
SORTARIUM_WIDE_CLONES void MixRowLighter(uint8_t* __restrict d, const uint8_t* __restrict s,
                                         const uint8_t* __restrict m, int bytes) {
  MixRowPlain<true>(d, s, m, bytes);
}

template <bool Lighter>
void MixRow(uint8_t* __restrict d, const uint8_t* __restrict s, const uint8_t* __restrict m, int bytes) {
  if constexpr (Lighter)
    MixRowLighter(d, s, m, bytes);
  else
    MixRowAsIs(d, s, m, bytes);
}

// The same pixel by pixel for rows with key pixels: those are skipped, or
// take the background row `f` at column fx0 + x when it lies inside it.
template <bool Lighter>
void MixPixels(uint8_t* d, const uint8_t* s, const uint8_t* m, int w, TKeyBytes key, const uint8_t* f, i64 fx0,
               int fillWidth) {
  for (int x = 0; x < w; ++x, d += 3, s += 3, m += 3) {
    if (key.Matches(s)) {
      const i64 fx = fx0 + x;
      if (f && fx >= 0 && fx < fillWidth) {
        const uint8_t* from = f + fx * 3;
        d[0] = from[0];
        d[1] = from[1];
        d[2] = from[2];
      }
      continue;
    }
    for (int c = 0; c < 3; ++c) {
      // Never negative: with M' <= 255 the sum is at least S * (256 - M').
      const int v = ((d[c] - s[c]) * static_cast<int>(MaskWeight<Lighter>(m[c])) + 256 * s[c]) >> 8;
      d[c] = ClampByte(v);
    }
  }
}

// A piece already cut to every bitmap it touches. The mask pixel of source
// (x, y) is (x + maskDx, y + maskDy) of `mask`.
template <bool Lighter>
void MaskedRows(TBitmap& target, const TBitmap& src, const TPiece& p, const TBitmap& mask, i64 maskDx, i64 maskDy,
                TKeyBytes key, const TCacheInfo* keyFill) {
  const TBitmap* fill = keyFill && keyFill->Ready && keyFill->Bmp ? keyFill->Bmp : nullptr;
  const int w = static_cast<int>(p.W);
  // The whole-row loop may only run over bitmaps that do not overlap.
  const bool separate = &target != &src && &target != &mask;
  for (i64 row = 0; row < p.H; ++row) {
    uint8_t* d = target.ScanLine(static_cast<int>(p.DstY + row)) + p.DstX * 3;
    const uint8_t* s = src.ScanLine(static_cast<int>(p.SrcY + row)) + p.SrcX * 3;
    const uint8_t* m = mask.ScanLine(static_cast<int>(p.SrcY + maskDy + row)) + (p.SrcX + maskDx) * 3;
    if (separate && !RowHasKey(s, w, key)) {
      MixRow<Lighter>(d, s, m, w * 3);
      continue;
    }
    const uint8_t* f = nullptr;
    if (fill) {
      const i64 fy = keyFill->Y + p.DstY + row;
      if (fy >= 0 && fy < fill->Height()) f = fill->ScanLine(static_cast<int>(fy));
    }
    MixPixels<Lighter>(d, s, m, w, key, f, f ? keyFill->X + p.DstX : 0, f ? fill->Width() : 0);
  }
  target.Touch();
}

void MixThroughMask(TBitmap& target, const TBitmap& src, const TPiece& p, const TBitmap& mask, i64 maskDx,
                    i64 maskDy, TMaskMode mode, TColor key, const TCacheInfo* keyFill) {
  const TKeyBytes k = KeyBytesOf(key);
  WithMode(mode, [&](auto lighter) {
    MaskedRows<decltype(lighter)::value>(target, src, p, mask, maskDx, maskDy, k, keyFill);
  });
}

// Lays tiles of tileW x tileH over `area`, the grid anchored at `originX`,
// `originY`, and calls fn(piece) for the part of each tile inside the area,
// its source offset counted from the tile's top-left. Tiles wholly outside
// `visible` are skipped, so the work follows the visible size, not the area.
template <class Fn>
void ForEachTile(const TBox& area, i64 originX, i64 originY, i64 tileW, i64 tileH, const TBox& visible, Fn&& fn) {
  if (tileW <= 0 || tileH <= 0) return;
  const TBox seen = area.Cut(visible);
  if (seen.Empty()) return;
  const i64 firstX = seen.L - FloorMod(seen.L - originX, tileW);
  const i64 firstY = seen.T - FloorMod(seen.T - originY, tileH);
  for (i64 y = firstY; y < seen.B; y += tileH) {
    const i64 top = std::max(y, area.T);
    const i64 bottom = std::min(y + tileH, area.B);
    for (i64 x = firstX; x < seen.R; x += tileW) {
      const i64 left = std::max(x, area.L);
      const i64 right = std::min(x + tileW, area.R);
      fn(TPiece{left, top, left - x, top - y, right - left, bottom - top});
    }
  }
}

// `pixels` pixels of a row of `period` pixels repeated, starting `phase`
// pixels into it: one period is laid down, then the filled part is doubled.
void RepeatRow(uint8_t* out, const uint8_t* row, int period, int phase, int pixels) {
  const int head = std::min(period - phase, pixels);
  std::memcpy(out, row + static_cast<ptrdiff_t>(phase) * 3, static_cast<size_t>(head) * 3);
  const int tail = std::min(phase, pixels - head);
  std::memcpy(out + static_cast<ptrdiff_t>(head) * 3, row, static_cast<size_t>(tail) * 3);
  for (int filled = head + tail; filled < pixels;) {
    const int n = std::min(filled, pixels - filled);
    std::memcpy(out + static_cast<ptrdiff_t>(filled) * 3, out, static_cast<size_t>(n) * 3);
    filled += n;
  }
}

// Nearest-neighbour stretch of `srcBox` of `src` over `dst`, drawn into
// `into` through a device context whose origin is `origin` and whose clip
// is `clip` (both in `into`'s pixels).
void StretchInto(TBitmap& into, TPoint origin, const TBox& clip, TBitmap& src, const TBox& dst, const TBox& srcBox) {
  TDeviceContext dstDc(&into, origin, TRegion(RectOf(clip)));
  TDeviceContext srcDc(&src);
  // Corners are pulled in one by one, so a rectangle wider than any bitmap
  // still spans the target.
  const int x = Far(dst.L), y = Far(dst.T), sx = Far(srcBox.L), sy = Far(srcBox.T);
  StretchBlt(&dstDc, x, y, Far(dst.R) - x, Far(dst.B) - y, &srcDc, sx, sy, Far(srcBox.R) - sx, Far(srcBox.B) - sy,
             SRCCOPY);
}

}  // namespace

bool CutPiece(TPiece& p, const TBitmap& target, const TBitmap& src, i64 below) {
  if (p.W <= 0 || p.H <= 0 || below < 0) return false;
  const i64 skipX = std::max<i64>({0, -p.DstX, -p.SrcX});
  const i64 skipY = std::max<i64>({0, -p.DstY, -p.SrcY});
  p.DstX += skipX;
  p.SrcX += skipX;
  p.W -= skipX;
  p.DstY += skipY;
  p.SrcY += skipY;
  p.H -= skipY;
  p.W = std::min<i64>({p.W, target.Width() - p.DstX, src.Width() - p.SrcX});
  p.H = std::min<i64>({p.H, target.Height() - p.DstY, src.Height() - below - p.SrcY});
  return p.W > 0 && p.H > 0;
}

bool MaskedPiece(TBitmap& target, const TBitmap& src, TPiece p, i64 maskDy, TMaskMode mode, TColor key,
                 const TCacheInfo* keyFill) {
  if (!CutPiece(p, target, src, maskDy)) return false;
  MixThroughMask(target, src, p, src, 0, maskDy, mode, key, keyFill);
  return true;
}

bool CopyPiece(TBitmap& target, const TBitmap& src, TPiece p) {
  if (!CutPiece(p, target, src, 0)) return false;
  const size_t bytes = static_cast<size_t>(p.W) * 3;
  // Within one bitmap, copy from the far end when the piece moves down.
  const bool upwards = &target == &src && p.DstY > p.SrcY;
  for (i64 k = 0; k < p.H; ++k) {
    const i64 row = upwards ? p.H - 1 - k : k;
    std::memmove(target.ScanLine(static_cast<int>(p.DstY + row)) + p.DstX * 3,
                 src.ScanLine(static_cast<int>(p.SrcY + row)) + p.SrcX * 3, bytes);
  }
  target.Touch();
  return true;
}

namespace {
TRect SourceRectOf(const TPiece& p) { return RectOf({p.SrcX, p.SrcY, p.SrcX + p.W, p.SrcY + p.H}); }
}  // namespace

bool KeyedPiece(TBitmap& target, TBitmap& src, TPiece p, TKeyPixels keys, const TCacheInfo& cache) {
  if (!CutPiece(p, target, src, 0)) return false;
  // The copy counts cache positions from its first pixel; moving the cache
  // origin by where that pixel lands turns them into target positions.
  TCacheInfo shifted = cache;
  const i64 cx = cache.X + p.DstX;
  const i64 cy = cache.Y + p.DstY;
  if (cx > INT_MAX || cy > INT_MAX) {
    shifted.Ready = false;  // nothing of the cache lies that far out
  } else {
    shifted.X = static_cast<int>(cx);
    shifted.Y = static_cast<int>(cy);
  }
  CopyTransparent(target, src, static_cast<int>(p.DstX), static_cast<int>(p.DstY), kKeyColor, SourceRectOf(p),
                  keys, shifted);
  return true;
}

bool HalfBlendPiece(TBitmap& target, TBitmap& src, TPiece p) {
  if (!CutPiece(p, target, src, 0)) return false;
  BlendTransparent(target, static_cast<int>(p.DstX), static_cast<int>(p.DstY), kKeyColor, 0.5, SourceRectOf(p),
                   src);
  return true;
}

bool Repeat(TBitmap& target, const TTile& tile, const TBox& area, i64 originX, i64 originY) {
  if (!tile.Src || tile.Box.Empty() || (tile.Masked && tile.MaskDy < 0)) return false;
  const TBitmap& src = *tile.Src;
  const TBox need{tile.Box.L, tile.Box.T, tile.Box.R, tile.Box.B + (tile.Masked ? tile.MaskDy : 0)};
  if (&target == &src || !BoundsOf(src).Contains(need)) {
    // Tiles partly off their bitmap, or drawn onto it: piece by piece, each
    // cut on its own.
    bool drew = false;
    ForEachTile(area, originX, originY, tile.Box.W(), tile.Box.H(), BoundsOf(target), [&](TPiece p) {
      p.SrcX += tile.Box.L;
      p.SrcY += tile.Box.T;
      drew |= tile.Masked ? MaskedPiece(target, src, p, tile.MaskDy, tile.Mode, kKeyColor, nullptr)
                          : CopyPiece(target, src, p);
    });
    return drew;
  }

  // Whole target rows at a time: the tile's row repeated across the visible
  // width, then copied or mixed in one go.
  const TBox seen = area.Cut(BoundsOf(target));
  if (seen.Empty()) return false;
  const int tw = static_cast<int>(tile.Box.W()), th = static_cast<int>(tile.Box.H());
  const int w = static_cast<int>(seen.W());
  const int phase = static_cast<int>(FloorMod(seen.L - originX, tw));
  const auto sourceRow = [&](i64 y) { return src.ScanLine(static_cast<int>(y)) + tile.Box.L * 3; };
  if (!tile.Masked) {
    for (i64 y = seen.T; y < seen.B; ++y)
      RepeatRow(target.ScanLine(static_cast<int>(y)) + seen.L * 3,
                sourceRow(tile.Box.T + FloorMod(y - originY, th)), tw, phase, w);
    target.Touch();
    return true;
  }
  const TKeyBytes key = KeyBytesOf(kKeyColor);
  std::vector<bool> keyed(static_cast<size_t>(th));
  for (int ty = 0; ty < th; ++ty) keyed[ty] = RowHasKey(sourceRow(tile.Box.T + ty), tw, key);
  // The repeated picture and mask rows, all of them built once when they
  // are few enough, else one at a time.
  const size_t rowBytes = static_cast<size_t>(w) * 3;
  const bool allRows = static_cast<size_t>(th) * rowBytes <= kRepeatedRowsBytes;
  const size_t slots = allRows ? static_cast<size_t>(th) : 1;
  std::vector<uint8_t> pic(slots * rowBytes), mask(slots * rowBytes);
  const auto build = [&](i64 ty, size_t slot) {
    RepeatRow(&pic[slot * rowBytes], sourceRow(tile.Box.T + ty), tw, phase, w);
    RepeatRow(&mask[slot * rowBytes], sourceRow(tile.Box.T + tile.MaskDy + ty), tw, phase, w);
  };
  if (allRows)
    for (int ty = 0; ty < th; ++ty) build(ty, static_cast<size_t>(ty));
  WithMode(tile.Mode, [&](auto lighter) {
    constexpr bool kLighter = decltype(lighter)::value;
    for (i64 y = seen.T; y < seen.B; ++y) {
      const i64 ty = FloorMod(y - originY, th);
      const size_t slot = allRows ? static_cast<size_t>(ty) : 0;
      if (!allRows) build(ty, 0);
      const uint8_t* p = &pic[slot * rowBytes];
      const uint8_t* m = &mask[slot * rowBytes];
      uint8_t* d = target.ScanLine(static_cast<int>(y)) + seen.L * 3;
      if (keyed[ty])
        MixPixels<kLighter>(d, p, m, w, key, nullptr, 0, 0);
      else
        MixRow<kLighter>(d, p, m, w * 3);
    }
  });
  target.Touch();
  return true;
}

bool Stretch(TBitmap& target, TBitmap& src, const TBox& dst, const TBox& srcBox, const TBox& clip) {
  const TBox seen = dst.Cut(clip).Cut(BoundsOf(target));
  if (seen.Empty() || srcBox.Empty() || srcBox.Cut(BoundsOf(src)).Empty()) return false;
  StretchInto(target, TPoint{}, seen, src, dst, srcBox);
  return true;
}

bool StretchMasked(TBitmap& target, TBitmap& src, const TBox& dst, const TBox& picture, i64 maskDy,
                   const TBox& clip) {
  const TBox seen = dst.Cut(clip).Cut(BoundsOf(target));
  if (seen.Empty() || picture.Empty() || picture.Cut(BoundsOf(src)).Empty()) return false;
  // Both halves are stretched into bitmaps the size of what shows. Pixels
  // the source does not reach stay key-coloured (picture) or fully
  // transparent (mask).
  const auto pic = CreateBmp24(static_cast<int>(seen.W()), static_cast<int>(seen.H()));
  const auto mask = CreateBmp24(static_cast<int>(seen.W()), static_cast<int>(seen.H()));
  pic->Fill(kKeyColor);
  mask->Fill(clWhite);
  const TPoint origin{static_cast<int>(-seen.L), static_cast<int>(-seen.T)};
  const TBox whole = BoundsOf(*pic);
  StretchInto(*pic, origin, whole, src, dst, picture);
  StretchInto(*mask, origin, whole, src, dst, {picture.L, picture.T + maskDy, picture.R, picture.B + maskDy});
  MixThroughMask(target, *pic, TPiece{seen.L, seen.T, 0, 0, seen.W(), seen.H()}, *mask, 0, 0, TMaskMode::AsIs, kKeyColor,
                 nullptr);
  return true;
}

}  // namespace mask_pieces
