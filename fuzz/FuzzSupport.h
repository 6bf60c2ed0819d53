// Helpers shared by the fuzz targets.
#pragma once

#include <cstring>

#include "framework/graphics/Bitmap.h"

// Whether two bitmaps hold the same size and pixels.
inline bool SamePixels(const TBitmap& a, const TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    if (std::memcmp(a.ScanLine(y), b.ScanLine(y), static_cast<size_t>(a.Width()) * 3) != 0) return false;
  return true;
}
