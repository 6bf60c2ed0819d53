// Turns the float drawings into the pixels the engine reads: per frame the
// picture, and for masked images the mask below it (grey = transparency of
// the picture pixel, 0 opaque, 255 clear). Mask greys are rounded to steps of
// eight so that a few palette entries hold them all exactly; fully clear
// picture pixels become magenta, which the engine skips outright.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "SkinArt.h"

namespace {

int ToByte(float v) { return static_cast<int>(std::lround(std::clamp(v, 0.0f, 255.0f))); }

int Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

// The transparency of a pixel of coverage `alpha`, on the grid 0, 8 ... 248, 255.
int MaskGrey(float alpha) {
  const float clear = 255.0f * (1.0f - std::clamp(alpha, 0.0f, 1.0f));
  const int step = static_cast<int>(std::lround(clear / 8.0f)) * 8;
  return std::min(step, 255);
}

void Set(TComposed& target, int x, int y, int color, bool exact) {
  if (x < 0 || y < 0 || x >= target.Width || y >= target.Height)
    throw std::logic_error("An image rectangle leaves its bitmap");
  const size_t i = static_cast<size_t>(y) * static_cast<size_t>(target.Width) + static_cast<size_t>(x);
  target.Colors[i] = color;
  target.Exact[i] = exact;
}

}  // namespace

void ComposeImage(TComposed& target, const TArtPiece& piece, int left, int top, int frameWidth, int frameHeight,
                  int imageCount, int maskType) {
  const TArtRgb backdrop = ArtRgb(piece.Backdrop);
  for (int state = 0; state < imageCount; ++state) {
    TArtCanvas frame(frameWidth, frameHeight);
    piece.Draw(frame, state);
    const int x0 = left + state * frameWidth;
    for (int y = 0; y < frameHeight; ++y)
      for (int x = 0; x < frameWidth; ++x) {
        const float a = frame.Alpha(x, y);
        const TArtRgb c = frame.Color(x, y);
        if (maskType == 1) {
          const int grey = MaskGrey(a);
          if (grey == 255)
            Set(target, x0 + x, top + y, skin_colors::Magenta, true);
          else
            Set(target, x0 + x, top + y, Rgb(ToByte(c.R), ToByte(c.G), ToByte(c.B)), false);
          Set(target, x0 + x, top + frameHeight + y, Rgb(grey, grey, grey), true);
        } else if (a < 0.35f) {
          Set(target, x0 + x, top + y, skin_colors::Magenta, true);
        } else {
          const TArtRgb over = Mix(backdrop, c, a);
          Set(target, x0 + x, top + y, Rgb(ToByte(over.R), ToByte(over.G), ToByte(over.B)), false);
        }
      }
  }
}

TComposed ComposeMaster() {
  TComposed master(kMasterWidth, kMasterHeight);
  std::vector<const TImageItem*> drawn;
  for (const TImageItem& item : ImageTable()) {
    if (!item.Name.empty()) continue;
    const bool done = std::any_of(drawn.begin(), drawn.end(), [&](const TImageItem* d) {
      return d->Left == item.Left && d->Top == item.Top && d->Right == item.Right && d->Bottom == item.Bottom;
    });
    if (done) continue;
    const TArtPiece* piece = FindArtPiece(item.Art);
    if (!piece) throw std::logic_error("No drawing named '" + item.Art + "'");
    ComposeImage(master, *piece, item.Left, item.Top, item.FrameWidth(), item.FrameHeight(), item.ImageCount,
                 item.MaskType);
    drawn.push_back(&item);
  }
  return master;
}

TComposed ComposeHugeButton() {
  TComposed huge(kHugeWidth, kHugeHeight);
  const TArtPiece piece{"huge", DrawHugeButtonFrame};
  ComposeImage(huge, piece, 0, 0, kHugeWidth / 3, kHugeHeight / 2, 3, 1);
  return huge;
}
