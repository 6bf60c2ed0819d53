// Windows BMP files: the reader accepts 1, 4, 8, 16, 24 and 32 bits per
// pixel, RLE4/RLE8 and BI_BITFIELDS, bottom-up and top-down rows, OS/2 core
// headers, and always produces 24-bit pixels. Every size and offset is
// checked before use; bad data throws EInvalidGraphic.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/graphics/Bitmap.h"

struct TBmpInfo {
  int Width = 0;
  int Height = 0;
  int BitCount = 0;
  uint32_t Compression = 0;
  bool TopDown = false;
  int PaletteSize = 0;  // entries actually stored
};

// Decodes a BMP file image into `target` (resized to fit). Throws
// EInvalidGraphic on any malformed input.
TBmpInfo ReadBmp(const uint8_t* data, size_t size, TBitmap& target);
TBmpInfo ReadBmp(TStream& stream, TBitmap& target);

// 24-bit bottom-up BMP with a BITMAPINFOHEADER.
std::vector<uint8_t> WriteBmp24(const TBitmap& source);
// 8-bit BMP with a 256-entry palette; every pixel colour must be in the
// palette (throws EInvalidGraphic otherwise). Used for the skin's art files.
std::vector<uint8_t> WriteBmp8(const TBitmap& source, const std::vector<TColor>& palette);
// Writes at 1, 4, 8 (palette from the pixels, at most 2^bits colours), 16
// (5-5-5), 24 or 32 bits; for tests of every depth.
std::vector<uint8_t> WriteBmp(const TBitmap& source, int bitCount, bool topDown = false);
