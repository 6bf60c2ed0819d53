#include "skin/pixels/sGraphUtils.h"
#include "skin/pixels/sBlendRows.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include <algorithm>
#include <cmath>

namespace blend_rows {

// The mixing rule on a row of bytes. Blue, green and red get the same
// formula, so a row is one flat byte array and the loop vectorises; the sums
// stay below 65536 (255 * 255 + 127), so 16-bit lanes are enough.
void Plain(uint8_t* __restrict d, const uint8_t* __restrict s, int n, unsigned weight) {
  const uint16_t w = static_cast<uint16_t>(weight);
  const uint16_t iw = static_cast<uint16_t>(255 - weight);
  for (int i = 0; i < n; ++i)
    d[i] = static_cast<uint8_t>(static_cast<uint16_t>(d[i] * w + s[i] * iw + 127) >> 8);
}

#if defined(__x86_64__)
// The same rule 32 bytes at a time with AVX2. Written out because the
// compiler's own version widens through extra extracts and a permute that
// cost more than the arithmetic: here each byte lane pair is widened within
// its 128-bit half and packed back in the same order.
__attribute__((target("avx2"))) void Vector(uint8_t* __restrict d, const uint8_t* __restrict s, int n,
                                                 unsigned weight) {
  const __m256i w = _mm256_set1_epi16(static_cast<int16_t>(weight));
  const __m256i iw = _mm256_set1_epi16(static_cast<int16_t>(255 - weight));
  const __m256i round = _mm256_set1_epi16(127);
  const __m256i zero = _mm256_setzero_si256();
  int i = 0;
  for (; i + 32 <= n; i += 32) {
    const __m256i dv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d + i));
    const __m256i sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
    const __m256i lo = _mm256_srli_epi16(
        _mm256_add_epi16(_mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(dv, zero), w),
                                          _mm256_mullo_epi16(_mm256_unpacklo_epi8(sv, zero), iw)),
                         round),
        8);
    const __m256i hi = _mm256_srli_epi16(
        _mm256_add_epi16(_mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(dv, zero), w),
                                          _mm256_mullo_epi16(_mm256_unpackhi_epi8(sv, zero), iw)),
                         round),
        8);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), _mm256_packus_epi16(lo, hi));
  }
  Plain(d + i, s + i, n - i, weight);
}
#else
void Vector(uint8_t* __restrict d, const uint8_t* __restrict s, int n, unsigned weight) { Plain(d, s, n, weight); }
#endif

bool VectorAvailable() {
#if defined(__x86_64__)
  static const bool avx2 = __builtin_cpu_supports("avx2");
  return avx2;
#else
  return false;
#endif
}

void Blend(uint8_t* __restrict d, const uint8_t* __restrict s, int n, unsigned weight) {
  if (VectorAvailable())
    Vector(d, s, n, weight);
  else
    Plain(d, s, n, weight);
}

}  // namespace blend_rows

namespace {

// n / d rounded to the nearest integer, halves to the even neighbour (d > 0).
// The same as Round(n / d) in real arithmetic, without a float in the way.
constexpr long long DivRoundHalfEven(long long n, long long d) {
  long long q = n / d;
  long long r = n % d;
  if (r < 0) {  // make it a floor division
    --q;
    r += d;
  }
  if (2 * r > d || (2 * r == d && (q & 1) != 0)) ++q;
  return q;
}

// Round for values already held to 0..255 (same rule as Round in SysUtils:
// halves go to the even neighbour), inlined for the per-pixel loops.
inline int RoundByte(double v) {
  const double f = std::floor(v);
  const double diff = v - f;
  int i = static_cast<int>(f);
  if (diff > 0.5 || (diff == 0.5 && (i & 1) != 0)) ++i;
  return i;
}

// The pixel at p (blue, green, red) as 0x00BBGGRR.
inline uint32_t PixelAt(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2];
}

// The key to compare pixels with; nothing when every pixel counts.
struct TKey {
  bool Active = false;
  uint32_t Value = 0;
};

TKey ResolveKey(TColor key) {
  if (static_cast<uint32_t>(key) >= 0xFF000000u) return {};
  // Values above 0xFFFFFF (clNone, clDefault) match no pixel, which is what
  // a caller passing them means.
  return {true, static_cast<uint32_t>(ColorToRGB(key))};
}

// The same where the source overlaps the destination within one row. The
// direction makes sure each source byte is read before it is overwritten.
void BlendRowOverlapping(uint8_t* d, const uint8_t* s, int n, unsigned weight) {
  const unsigned iw = 255 - weight;
  if (d > s) {
    for (int i = n - 1; i >= 0; --i) d[i] = static_cast<uint8_t>((d[i] * weight + s[i] * iw + 127) >> 8);
  } else {
    for (int i = 0; i < n; ++i) d[i] = static_cast<uint8_t>((d[i] * weight + s[i] * iw + 127) >> 8);
  }
}

// The order in which to visit the rows and columns of a placed mix so that,
// when source and destination are one bitmap, no source pixel is overwritten
// before it is read (a two-dimensional memmove).
struct TOrder {
  bool RowsUp = false;     // from the last row to the first
  bool ColumnsBack = false;  // from the last column to the first
};

TOrder SafeOrder(const FastMix24& m) {
  TOrder order;
  if (!m.SameBitmap()) return order;
  const int dy = m.DstStart.Y - m.SrcStart.Y;
  order.RowsUp = dy > 0;
  order.ColumnsBack = dy == 0 && m.DstStart.X > m.SrcStart.X;
  return order;
}

// Calls fn(dstPixel, srcPixel, column, row) for every pixel of the placed
// area, column and row counted from its first pixel, in a safe order.
template <typename Fn>
void ForEachPlacedPixel(const FastMix24& m, Fn&& fn) {
  const int width = m.SrcEnd.X - m.SrcStart.X;
  const int height = m.SrcEnd.Y - m.SrcStart.Y;
  const TOrder order = SafeOrder(m);
  for (int k = 0; k < height; ++k) {
    const int row = order.RowsUp ? height - 1 - k : k;
    uint8_t* d = m.DstRow(m.DstStart.Y + row) + static_cast<ptrdiff_t>(m.DstStart.X) * 3;
    const uint8_t* s = m.SrcRow(m.SrcStart.Y + row) + static_cast<ptrdiff_t>(m.SrcStart.X) * 3;
    for (int j = 0; j < width; ++j) {
      const int col = order.ColumnsBack ? width - 1 - j : j;
      fn(d + col * 3, s + col * 3, col, row);
    }
  }
}

// Runs fn(pixel) over every pixel of an attached bitmap.
template <typename Fn>
void ForEachPixel(const FastPixels24& px, Fn&& fn) {
  for (int y = 0; y < px.Height; ++y) {
    uint8_t* p = px.Row(y);
    for (int x = 0; x < px.Width; ++x, p += 3) fn(p);
  }
}

// Hue rotation in exact integers.
//
// With V the largest channel, m the smallest and C = V - m, the hue in
// degrees is 60 * (sector + t / C) where t is how far the middle channel has
// moved from m within the sector. Multiplying by C keeps it whole: the hue is
// H = 60 * (sector * C + t) in units of 1/C degree, 0 <= H < 360 * C. The
// usual formulas give it directly: 60 * (G - B) when red is largest,
// 60 * (2C + B - R) for green, 60 * (4C + R - G) for blue.
//
// Turning by d degrees adds d * C. Going back, the sector is H div 60C and
// the middle channel is m + r / 60 in rising sectors (0, 2, 4) and
// m + C - r / 60 in falling ones, r = H mod 60C, rounded half to even.
// V, m and C do not change, so value and saturation are kept; d = 0 gives
// r = 60 t and returns every channel exactly, and multiples of 60 only swap
// channels.
void RotateHue(uint8_t& red, uint8_t& green, uint8_t& blue, int degrees) {
  const int r = red;
  const int g = green;
  const int b = blue;
  const int v = std::max({r, g, b});
  const int m = std::min({r, g, b});
  const long long c = v - m;
  if (c == 0) return;  // grey has no hue
  long long h;
  if (v == r)
    h = 60 * (g - b);
  else if (v == g)
    h = 60 * (2 * c + b - r);
  else
    h = 60 * (4 * c + r - g);
  const long long full = 360 * c;
  const long long turn = degrees % 360;
  h = ((h + turn * c) % full + full) % full;
  const long long sector = h / (60 * c);
  const long long rest = h % (60 * c);
  const int mid = static_cast<int>((sector & 1) == 0 ? DivRoundHalfEven(60 * m + rest, 60)
                                                       : DivRoundHalfEven(60 * (m + c) - rest, 60));
  int nr = m, ng = m, nb = m;
  switch (sector) {
    case 0: nr = v; ng = mid; break;
    case 1: nr = mid; ng = v; break;
    case 2: ng = v; nb = mid; break;
    case 3: ng = mid; nb = v; break;
    case 4: nr = mid; nb = v; break;
    default: nr = v; nb = mid; break;
  }
  red = static_cast<uint8_t>(nr);
  green = static_cast<uint8_t>(ng);
  blue = static_cast<uint8_t>(nb);
}

// C + A * (m - C) / 100 with m = (R + G + B) / 3, i.e.
// (300 C + A * (R + G + B - 3 C)) / 300, exact until the final rounding.
uint8_t Saturate(int channel, long long sum, long long amount) {
  return ClampByte(DivRoundHalfEven(300LL * channel + amount * (sum - 3LL * channel), 300));
}

void ChangeSaturation(uint8_t& red, uint8_t& green, uint8_t& blue, int amount) {
  const long long sum = red + green + blue;
  const uint8_t r = Saturate(red, sum, amount);
  const uint8_t g = Saturate(green, sum, amount);
  const uint8_t b = Saturate(blue, sum, amount);
  red = r;
  green = g;
  blue = b;
}

// A colour value with bits above 24 (clNone, clDefault) names no colour.
bool IsPlainColor(TColor rgb) { return (static_cast<uint32_t>(rgb) & 0xFF000000u) == 0; }

template <typename Change>
TColor RecolourColor(TColor color, Change&& change) {
  const TColor rgb = ColorToRGB(color);
  if (!IsPlainColor(rgb)) return color;
  uint8_t r = GetRValue(rgb), g = GetGValue(rgb), b = GetBValue(rgb);
  change(r, g, b);
  return RGB(r, g, b);
}

// Recolours every pixel that is neither the key nor grey. A recoloured pixel
// must not land on the key colour, or it would turn into a hole. Rows are
// walked directly: a skin image may be a single row or column of pixels.
template <typename Change>
void RecolourBitmap(TBitmap& bmp, Change&& change) {
  for (int y = 0; y < bmp.Height(); ++y) {
    uint8_t* p = bmp.ScanLine(y);
    for (int x = 0; x < bmp.Width(); ++x, p += 3) {
      uint8_t b = p[0], g = p[1], r = p[2];
      if ((r == g && r == b) || PixelAt(p) == static_cast<uint32_t>(kKeyColor)) continue;
      change(r, g, b);
      if (r == 0xFF && g == 0 && b == 0xFF) g = 1;
      p[0] = b;
      p[1] = g;
      p[2] = r;
    }
  }
  bmp.Touch();
}

}  // namespace

bool FastPixels24::Attach(TBitmap& bmp) {
  Detach();
  if (bmp.Width() < 2 || bmp.Height() < 2) return false;
  Bmp = &bmp;
  Width = bmp.Width();
  Height = bmp.Height();
  Row0 = bmp.ScanLine(0);
  RowDelta = bmp.ScanLine(1) - Row0;
  return true;
}

void FastPixels24::Detach() {
  Bmp = nullptr;
  Width = Height = 0;
  Row0 = nullptr;
  RowDelta = 0;
}

bool FastMix24::Attach(TBitmap& dst, TBitmap& src) {
  Detach();
  if (dst.Width() < 2 || dst.Height() < 2 || src.Width() < 2 || src.Height() < 2) return false;
  Dst = &dst;
  Src = &src;
  DstRow0 = dst.ScanLine(0);
  DstDelta = dst.ScanLine(1) - DstRow0;
  SrcRow0 = src.ScanLine(0);
  SrcDelta = src.ScanLine(1) - SrcRow0;
  return true;
}

void FastMix24::Detach() {
  Dst = Src = nullptr;
  DstRow0 = SrcRow0 = nullptr;
  DstDelta = SrcDelta = 0;
  Weight = 0;
  DstStart = DstEnd = SrcStart = SrcEnd = TPoint{};
}

bool FastMix24::Place(TPoint dstPoint, TRect srcRect) {
  if (!Dst || !Src) return false;
  // Wide integers: callers may pass any coordinates, and sums of two ints
  // must not overflow on the way to the cut.
  long long dx = dstPoint.X, dy = dstPoint.Y;
  long long left = srcRect.Left, top = srcRect.Top, right = srcRect.Right, bottom = srcRect.Bottom;
  // A destination point left of or above the bitmap skips that much source.
  if (dx < 0) {
    left -= dx;
    dx = 0;
  }
  if (dy < 0) {
    top -= dy;
    dy = 0;
  }
  // Source that starts before its bitmap moves the destination along instead.
  if (left < 0) {
    dx -= left;
    left = 0;
  }
  if (top < 0) {
    dy -= top;
    top = 0;
  }
  right = std::min<long long>(right, Src->Width());
  bottom = std::min<long long>(bottom, Src->Height());
  right = std::min<long long>(right, left + Dst->Width() - dx);
  bottom = std::min<long long>(bottom, top + Dst->Height() - dy);
  if (right <= left || bottom <= top) return false;
  // Every value is now inside one of the bitmaps, so it fits an int.
  SrcStart = {static_cast<int>(left), static_cast<int>(top)};
  SrcEnd = {static_cast<int>(right), static_cast<int>(bottom)};
  DstStart = {static_cast<int>(dx), static_cast<int>(dy)};
  DstEnd = {static_cast<int>(dx + right - left), static_cast<int>(dy + bottom - top)};
  return true;
}

std::unique_ptr<TBitmap> CreateBmp24(int width, int height) {
  auto bmp = std::make_unique<TBitmap>(width, height);
  bmp->SetPixelFormat(TPixelFormat::pf24bit);
  return bmp;
}

void BlendColorRect(TBitmap& bmp, TRect rect, int percent, TColor color) {
  FastPixels24 pixels;
  if (!pixels.Attach(bmp)) return;
  const int left = std::max(rect.Left, 0);
  const int top = std::max(rect.Top, 0);
  const int right = std::min(rect.Right, pixels.Width - 1);
  const int bottom = std::min(rect.Bottom, pixels.Height - 1);
  if (right < left || bottom < top) return;
  const int p = std::clamp(percent, 0, 100);
  const TColor rgb = ColorToRGB(color);
  // The colour's share, per channel in pixel byte order, times 100; the
  // result is (p * pixel + share) / 100 rounded, exact in integers.
  const int share[3] = {(100 - p) * GetBValue(rgb), (100 - p) * GetGValue(rgb), (100 - p) * GetRValue(rgb)};
  for (int y = top; y <= bottom; ++y) {
    uint8_t* px = pixels.Row(y) + static_cast<ptrdiff_t>(left) * 3;
    for (int x = left; x <= right; ++x, px += 3)
      for (int ch = 0; ch < 3; ++ch) px[ch] = static_cast<uint8_t>(DivRoundHalfEven(p * px[ch] + share[ch], 100));
  }
  bmp.Touch();
}

void BlendBitmaps(TBitmap& dst, TBitmap& src, uint8_t weight, TPoint dstPoint, TRect srcRect) {
  FastMix24 mixer;
  if (!mixer.Attach(dst, src)) return;
  if (!mixer.Place(dstPoint, srcRect)) return;
  mixer.Weight = weight;
  const int bytes = (mixer.SrcEnd.X - mixer.SrcStart.X) * 3;
  const int rows = mixer.SrcEnd.Y - mixer.SrcStart.Y;
  const TOrder order = SafeOrder(mixer);
  // Within one bitmap, rows that differ never share bytes, so only a
  // horizontal move inside the same row needs the careful loop.
  const bool sameRows = mixer.SameBitmap() && mixer.DstStart.Y == mixer.SrcStart.Y;
  for (int k = 0; k < rows; ++k) {
    const int row = order.RowsUp ? rows - 1 - k : k;
    uint8_t* d = mixer.DstRow(mixer.DstStart.Y + row) + static_cast<ptrdiff_t>(mixer.DstStart.X) * 3;
    const uint8_t* s = mixer.SrcRow(mixer.SrcStart.Y + row) + static_cast<ptrdiff_t>(mixer.SrcStart.X) * 3;
    if (sameRows)
      BlendRowOverlapping(d, s, bytes, mixer.Weight);
    else
      blend_rows::Blend(d, s, bytes, mixer.Weight);
  }
  dst.Touch();
}

void BlendSameSize(TBitmap& dst, TBitmap& src, uint8_t weight) {
  if (dst.Width() != src.Width() || dst.Height() != src.Height()) return;
  BlendBitmaps(dst, src, weight, TPoint{0, 0}, TRect{0, 0, src.Width(), src.Height()});
}

void BlendTransparent(TBitmap& dst, int dstX, int dstY, TColor key, double factor, TRect srcRect,
                      TBitmap& src) {
  if (!std::isfinite(factor)) return;
  FastMix24 mixer;
  if (!mixer.Attach(dst, src)) return;
  if (!mixer.Place(TPoint{dstX, dstY}, srcRect)) return;
  const TKey k = ResolveKey(key);
  ForEachPlacedPixel(mixer, [&](uint8_t* d, const uint8_t* s, int, int) {
    if (k.Active && PixelAt(s) == k.Value) return;
    for (int ch = 0; ch < 3; ++ch) {
      const double sv = s[ch];
      const double v = sv - factor * (sv - d[ch]);
      // Held to 0..255 before rounding, which is the same as clamping the
      // rounded value, and keeps the conversion to int defined.
      d[ch] = static_cast<uint8_t>(RoundByte(std::clamp(v, 0.0, 255.0)));
    }
  });
  dst.Touch();
}

void CopyTransparent(TBitmap& dst, TBitmap& src, int dstX, int dstY, TColor key, TRect srcRect,
                     TKeyPixels keyPixels, const TCacheInfo& cache) {
  FastMix24 mixer;
  if (!mixer.Attach(dst, src)) return;
  if (!mixer.Place(TPoint{dstX, dstY}, srcRect)) return;
  FastPixels24 cachePixels;
  const bool fromCache = keyPixels == TKeyPixels::FromCache && cache.Ready && cache.Bmp &&
                         cachePixels.Attach(*cache.Bmp);
  const TKey k = ResolveKey(key);
  ForEachPlacedPixel(mixer, [&](uint8_t* d, const uint8_t* s, int col, int row) {
    const uint8_t* from = s;
    if (k.Active && PixelAt(s) == k.Value) {
      if (!fromCache) return;
      const long long cx = static_cast<long long>(cache.X) + col;
      const long long cy = static_cast<long long>(cache.Y) + row;
      if (cx < 0 || cy < 0 || cx >= cachePixels.Width || cy >= cachePixels.Height) return;
      from = cachePixels.Row(static_cast<int>(cy)) + cx * 3;
    }
    d[0] = from[0];
    d[1] = from[1];
    d[2] = from[2];
  });
  dst.Touch();
}

void Grayscale(TBitmap& bmp, TColor keep) {
  FastPixels24 pixels;
  if (!pixels.Attach(bmp)) return;
  const TKey k = ResolveKey(keep);
  ForEachPixel(pixels, [&](uint8_t* p) {
    if (k.Active && PixelAt(p) == k.Value) return;
    const uint8_t v = static_cast<uint8_t>((p[0] + p[1] + p[2]) / 3);
    p[0] = p[1] = p[2] = v;
  });
  bmp.Touch();
}

void FillDC(HDC dc, const TRect& rect, TColor color) {
  if (dc) FillRect(dc, rect, color);
}

void DisabledLook(TBitmap& bmp, int flags, TColor controlColor, TPoint offset, const TParentBackground& parent) {
  const TCacheInfo& cache = parent.Cache;
  if ((flags & kDisabledGray) != 0) Grayscale(bmp);
  if ((flags & kDisabledMix) == 0) return;
  if (cache.Ready && cache.Bmp) {
    // Where the picture sits in the parent's cache. Offsets so far out that
    // they do not fit a rectangle cannot overlap the cache anyway.
    const long long x = static_cast<long long>(cache.X) + offset.X;
    const long long y = static_cast<long long>(cache.Y) + offset.Y;
    constexpr long long kFar = 4LL * kMaxPictureSide;
    if (x < -kFar || x > kFar || y < -kFar || y > kFar) return;
    const TRect under = TRect{0, 0, bmp.Width(), bmp.Height()}.Offset(static_cast<int>(x), static_cast<int>(y));
    // S - 0.4 (S - D): 60 % of the parent under the control, 40 % of its own picture.
    BlendTransparent(bmp, 0, 0, kNoKey, 0.4, under, *cache.Bmp);
    return;
  }
  const TColor mixWith = parent.HasColor() ? parent.Color : controlColor;
  BlendColorRect(bmp, TRect{0, 0, bmp.Width() - 1, bmp.Height() - 1}, 50, mixWith);
}

TColor RotateHueColor(TColor color, int degrees) {
  if (degrees == 0) return color;
  return RecolourColor(color, [&](uint8_t& r, uint8_t& g, uint8_t& b) { RotateHue(r, g, b, degrees); });
}

TColor ChangeSaturationColor(TColor color, int amount) {
  if (amount == 0) return color;
  return RecolourColor(color, [&](uint8_t& r, uint8_t& g, uint8_t& b) { ChangeSaturation(r, g, b, amount); });
}

void RotateHueBitmap(TBitmap& bmp, int degrees) {
  if (degrees % 360 == 0) return;
  RecolourBitmap(bmp, [&](uint8_t& r, uint8_t& g, uint8_t& b) { RotateHue(r, g, b, degrees); });
}

void ChangeSaturationBitmap(TBitmap& bmp, int amount) {
  if (amount == 0) return;
  RecolourBitmap(bmp, [&](uint8_t& r, uint8_t& g, uint8_t& b) { ChangeSaturation(r, g, b, amount); });
}
