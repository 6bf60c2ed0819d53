// Pixel work on the skin's 24-bit bitmaps: mixing, transparent copies,
// recolouring. Everything goes row by row over the bitmap's memory; nothing
// here calls the drawing services per pixel.
//
// Weights are bytes: 0..255 is the share of the pixel already in the
// destination. Colour arguments are 0x00BBGGRR; system colours are resolved
// first. 0xFF00FF is the skin's transparent key.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "framework/base/Colors.h"
#include "framework/base/Types.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Gdi.h"
#include "skin/pixels/sCacheInfo.h"

inline constexpr TColor kKeyColor = 0xFF00FF;
// Any key at or above 0xFF000000 (as unsigned) means "no key": every pixel counts.
inline constexpr TColor kNoKey = static_cast<TColor>(0xFFFFFFFFu);

// Flags of DisabledLook; they may be combined.
inline constexpr int kDisabledMix = 1;   // mix with the background under the control
inline constexpr int kDisabledGray = 2;  // turn grey first

// Quick access to one bitmap's pixels. Attach refuses bitmaps smaller than
// 2 x 2, because the row distance is measured between rows 0 and 1.
class FastPixels24 {
 public:
  bool Attach(TBitmap& bmp);
  void Detach();

  // Pixel (x, y) as 0x00BBGGRR; clNone outside the bitmap.
  TColor Pixel(int x, int y) const {
    if (!Inside(x, y)) return clNone;
    const uint8_t* p = Address(x, y);
    return RGB(p[2], p[1], p[0]);
  }
  // Writing outside the bitmap does nothing.
  void SetPixel(int x, int y, TColor color) {
    if (!Inside(x, y)) return;
    const TColor c = ColorToRGB(color);
    uint8_t* p = Address(x, y);
    p[0] = GetBValue(c);
    p[1] = GetGValue(c);
    p[2] = GetRValue(c);
  }
  uint8_t* Row(int y) const { return Row0 + static_cast<ptrdiff_t>(y) * RowDelta; }

  TBitmap* Bmp = nullptr;
  int Width = 0;
  int Height = 0;
  uint8_t* Row0 = nullptr;
  ptrdiff_t RowDelta = 0;

 private:
  bool Inside(int x, int y) const { return Bmp && x >= 0 && y >= 0 && x < Width && y < Height; }
  uint8_t* Address(int x, int y) const { return Row(y) + static_cast<ptrdiff_t>(x) * 3; }
};

// Quick access to a source and a destination bitmap for the mixing loops.
// Place() fits a source rectangle and a destination point to both bitmaps
// and fills in the start and end fields (ends exclusive).
class FastMix24 {
 public:
  bool Attach(TBitmap& dst, TBitmap& src);
  void Detach();
  // False when nothing of the rectangle lands on the destination.
  bool Place(TPoint dstPoint, TRect srcRect);

  uint8_t* DstRow(int y) const { return DstRow0 + static_cast<ptrdiff_t>(y) * DstDelta; }
  uint8_t* SrcRow(int y) const { return SrcRow0 + static_cast<ptrdiff_t>(y) * SrcDelta; }
  bool SameBitmap() const { return Dst == Src; }

  TBitmap* Dst = nullptr;
  TBitmap* Src = nullptr;
  uint8_t* DstRow0 = nullptr;
  uint8_t* SrcRow0 = nullptr;
  ptrdiff_t DstDelta = 0;
  ptrdiff_t SrcDelta = 0;
  uint8_t Weight = 0;
  TPoint DstStart;
  TPoint DstEnd;
  TPoint SrcStart;
  TPoint SrcEnd;
};

// Any integer brought into 0..255.
constexpr uint8_t ClampByte(long long value) {
  return static_cast<uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}
// A percentage 0..100 as a weight byte: (p * 255) div 100, clamped.
constexpr uint8_t PercentToWeight(int percent) {
  return ClampByte(static_cast<long long>(percent) * 255 / 100);
}

// A new 24-bit bitmap; sizes the framework refuses throw EOutOfResources.
std::unique_ptr<TBitmap> CreateBmp24(int width, int height);

// Mixes `color` into the pixels of `rect`: each channel becomes
// round(p/100 * pixel + (1 - p/100) * colour), halves to even. Here Right
// and Bottom are inclusive; the rectangle is clipped to the bitmap. The
// percentage is held to 0..100.
void BlendColorRect(TBitmap& bmp, TRect rect, int percent, TColor color);

// Mixes the source rectangle (Right and Bottom exclusive) into `dst` at
// `dstPoint`: each channel becomes (d * w + s * (255 - w) + 127) >> 8.
// Whatever falls outside either bitmap is cut off; the source and the
// destination may be the same bitmap, overlapping or not.
void BlendBitmaps(TBitmap& dst, TBitmap& src, uint8_t weight, TPoint dstPoint, TRect srcRect);
// BlendBitmaps over whole bitmaps; does nothing unless they have one size.
void BlendSameSize(TBitmap& dst, TBitmap& src, uint8_t weight);

// For each source pixel other than `key`, each channel becomes
// round(S - factor * (S - D)) with S the source and D the destination
// channel (clamped to 0..255). Placement as in BlendBitmaps. A key at or
// above 0xFF000000 (kNoKey) mixes every pixel.
void BlendTransparent(TBitmap& dst, int dstX, int dstY, TColor key, double factor, TRect srcRect,
                      TBitmap& src);

// What CopyTransparent puts where the source has the key colour.
enum class TKeyPixels {
  Keep,       // the destination keeps its pixel
  FromCache,  // the pixel under it from a ready cache (when there is one)
};

// Copies the source pixels other than `key` to `dst` at (dstX, dstY).
// Placement as in BlendBitmaps. With TKeyPixels::FromCache and a ready
// cache, a key pixel at column c and row r of the copied area (counted from
// its first pixel) takes the cache's pixel (cache.X + c, cache.Y + r) when
// that lies inside the cache bitmap.
void CopyTransparent(TBitmap& dst, TBitmap& src, int dstX, int dstY, TColor key, TRect srcRect,
                     TKeyPixels keyPixels, const TCacheInfo& cache);

// Each pixel's channels become (B + G + R) div 3. Pixels of `keep` (a
// transparent colour; kNoKey for none) stay as they are, so they stay
// transparent.
void Grayscale(TBitmap& bmp, TColor keep = kNoKey);

// A solid fill through the device context (nothing without one).
void FillDC(HDC dc, const TRect& rect, TColor color);

// Makes a control's picture look disabled. kDisabledGray turns it grey;
// kDisabledMix then mixes it with what lies under it: 60 % of the parent's
// ready cache (seen from cache.X + offset.X, cache.Y + offset.Y) and 40 % of
// the picture, or without a ready cache half and half with the parent's
// colour when it is known, else with `controlColor`.
void DisabledLook(TBitmap& bmp, int flags, TColor controlColor, TPoint offset, const TParentBackground& parent);

// Turns the hue by `degrees` (any integer, taken mod 360); 0 returns the
// colour unchanged, greys stay grey.
TColor RotateHueColor(TColor color, int degrees);
// Moves each channel C towards the mean m = (R + G + B) / 3 by `amount`
// percent: C + amount * (m - C) / 100, halves to even, clamped. 100 gives
// grey, negative amounts move away from grey; 0 returns the colour unchanged.
TColor ChangeSaturationColor(TColor color, int amount);
// The same on every pixel that is neither the key colour nor grey. A pixel
// that would come out as the key colour is nudged off it (green 1) so it
// does not turn transparent.
void RotateHueBitmap(TBitmap& bmp, int degrees);
void ChangeSaturationBitmap(TBitmap& bmp, int amount);
