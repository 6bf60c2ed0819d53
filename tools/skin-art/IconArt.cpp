#include "Archives.h"

#include <algorithm>
#include <cmath>

namespace {

// The trainer's cell colours: the bars that stand sorted are its
// "finished" cyan, the bar under comparison its yellow.
const TArtRgb kTileTop = ArtRgb(0xE0A040);
const TArtRgb kTileBottom = ArtRgb(0x9A5A1C);
const TArtRgb kBar = ArtRgb(0xFFFFFF);
const TArtRgb kFinished = ArtRgb(0xFFFF00);  // aqua, 0x00BBGGRR
const TArtRgb kCompared = ArtRgb(0x00FFFF);  // yellow
const TArtRgb kOutline = ArtRgb(0x60421E);

}  // namespace

TArtCanvas DrawProgramIcon(int size) {
  TArtCanvas icon(size, size);
  const float s = static_cast<float>(size);
  const float inset = std::max(0.5f, s / 32.0f);
  const TSdf tile = RoundRect(inset, inset, s - inset, s - inset, s * 0.2f);
  icon.Fill(tile, VGradient(0, kTileTop, s, kTileBottom));
  icon.Fill(Stroke(tile, std::max(1.0f, s / 24.0f)), kOutline, 0.8f);
  // Few bars where pixels are scarce, and every bar and gap a whole number
  // of pixels, so even the smallest icon shows separate bars.
  const int bars = size < 24 ? 4 : 5;
  const int pitch = std::max(3, static_cast<int>(s * 0.64f) / bars);
  const int gap = std::max(1, static_cast<int>(std::lround(pitch * 0.28f)));
  const int left = (size - (bars * pitch - gap)) / 2;
  const float bottom = std::round(s * 0.8f), top = std::round(s * 0.24f);
  for (int i = 0; i < bars; ++i) {
    const float x0 = static_cast<float>(left + i * pitch);
    const float x1 = x0 + static_cast<float>(pitch - gap);
    const float h = (bottom - top) * (0.3f + 0.7f * static_cast<float>(i + 1) / static_cast<float>(bars));
    const float y0 = std::round(bottom - h);
    const TArtRgb color = i >= bars - 2 ? kFinished : i == 0 ? kCompared : kBar;
    icon.Fill(RoundRect(x0, y0, x1, bottom, std::min(1.0f, s / 48.0f)), color);
  }
  return icon;
}

TArtCanvas DrawDropdownArrow(bool enabled) {
  TArtCanvas arrow(16, 16);
  // A small triangle pointing down, drawn as rows of pixels: crisp at 16.
  const std::vector<const char*> triangle = {"XXXXXXX", ".XXXXX.", "..XXX..", "...X..."};
  if (enabled) {
    arrow.Fill(PixelShape(triangle, 4, 6), kOutline);
  } else {
    // Engraved, as disabled text is: a white copy a pixel lower right.
    arrow.Fill(PixelShape(triangle, 5, 7), ArtRgb(0xFFFFFF));
    arrow.Fill(PixelShape(triangle, 4, 6), ArtRgb(0x808080));
  }
  return arrow;
}
