// Gradients of skin sections: the stored text form, its parsed segments and
// the painter that puts them into a 24-bit bitmap.
//
// A gradient text is a list of words separated by ';', five words per
// segment: start colour, end colour, share in percent, kind, and a fifth
// word that is not used. Only the first segment's kind counts:
//   0  vertical bands (every row one colour), segments from top to bottom;
//   1  horizontal bands (every column one colour), from left to right;
//   2  four triangles meeting in the centre, one colour per corner and one
//      for the centre, taken from the segments' start colours.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/base/Types.h"
#include "framework/graphics/Bitmap.h"

struct TsGradPie {
  int32_t Color1 = 0;  // 0x00BBGGRR
  int32_t Color2 = 0;
  int32_t Percent = 0;  // share of the rectangle, at most 100 (negative values are kept)
  int32_t Mode = 0;     // gradient kind; read from the first segment only
  int32_t Reserved = 0;
};

using TsGradArray = std::vector<TsGradPie>;

// The red, green and blue bytes of a colour 0x00BBGGRR (system colours are
// not resolved; gradient colours are plain RGB).
struct TsColorBytes {
  uint8_t R = 0;
  uint8_t G = 0;
  uint8_t B = 0;
};
TsColorBytes SplitColor(int32_t color);

// Parses a gradient text. Throws EConvertError when a word that is read is
// not an integer; words past the last whole group of five are ignored.
TsGradArray ParseGradient(const std::string& text);

// Paints `data` into `rect` of a bitmap (24-bit, bitmap coordinates). The
// rectangle is clipped to the bitmap first; nothing outside it is touched.
// `offset` shifts where vertical bands start; every caller passes 0.
void PaintGradient(TBitmap& bmp, TRect rect, const TsGradArray& data, int offset = 0);
