// Gradient texts under libFuzzer: parsing either succeeds or fails with
// EConvertError, and whatever parses paints into a small bitmap, as every
// kind, without touching anything outside the rectangle.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/base/Exceptions.h"
#include "skin/pixels/sGradient.h"

namespace {

bool Untouched(const TBitmap& bm, const TRect& r, TColor background) {
  for (int y = 0; y < bm.Height(); ++y)
    for (int x = 0; x < bm.Width(); ++x)
      if (!r.Contains(TPoint{x, y}) && bm.Pixel(x, y) != background) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TsGradArray gradient;
  try {
    gradient = ParseGradient(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const EConvertError&) {
    return 0;
  }
  if (gradient.empty()) return 0;
  // The first bytes choose a rectangle that may reach past the bitmap.
  const int b0 = data[0] % 24 - 4, b1 = (size > 1 ? data[1] : 0) % 20 - 4;
  const TRect rect{b0, b1, b0 + (size > 2 ? data[2] : 0) % 30 - 3, b1 + (size > 3 ? data[3] : 0) % 26 - 3};
  const TRect inside = rect.Intersect(TRect{0, 0, 17, 13});
  const int32_t stored = gradient[0].Mode;
  for (int32_t kind : {stored, 0, 1, 2}) {
    gradient[0].Mode = kind;
    TBitmap bm(17, 13);
    bm.Fill(0x123456);
    PaintGradient(bm, rect, gradient);
    if (!Untouched(bm, inside, 0x123456)) std::abort();
  }
  return 0;
}
