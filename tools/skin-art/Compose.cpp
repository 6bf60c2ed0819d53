// Turns the float drawings into the pixels the engine reads: per frame the
// picture, and for masked images the mask below it (grey = transparency of
// the picture pixel, 0 opaque, 255 clear). Mask greys are rounded to steps of
// eight so that a few palette entries hold them all exactly; fully clear
// picture pixels become magenta, which the engine skips outright.
//
// The corner squares of a masked border are the exception. The engine mixes
// corners through their mask as it is but the repeated edges and the middle
// through a lighter reading of it (every grey lifted by 100), so a corner
// drawn with the same greys as its edges would stand out as a darker square.
// Inside the control's outline a corner pixel therefore stores its grey
// already lifted, which is what the same pixel of an edge shows; on the
// rounding, where the outline covers only part of a pixel, that lighter
// opacity is scaled by the part covered, so the corner keeps its shape.
// A corner pixel less than half inside the outline is magenta: the engine
// fills those with the parent's picture, where a mixed pixel would put a
// speck of the control's own background outside its outline. A pixel inside
// that ends up fully clear must not be magenta for the same reason (it
// would show the parent in the middle of the control); it is white with
// grey 255, which leaves any background exactly as it was:
// ((D - 255) * 255 + 256 * 255) >> 8 = D.
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

// How the engine lightens the edges and the middle of a masked border.
constexpr int kEdgeLift = 100;

void Set(TComposed& target, int x, int y, int color, bool exact) {
  if (x < 0 || y < 0 || x >= target.Width || y >= target.Height)
    throw std::logic_error("An image rectangle leaves its bitmap");
  const size_t i = static_cast<size_t>(y) * static_cast<size_t>(target.Width) + static_cast<size_t>(x);
  target.Colors[i] = color;
  target.Exact[i] = exact;
}

}  // namespace

std::function<TSdf(float, float, int)> RoundedOutline(float radius) {
  return [radius](float w, float h, int) { return RoundRect(0, 0, w, h, radius); };
}

namespace {

// The grey and the kind of picture pixel of a corner pixel whose drawing has
// coverage `alpha` and whose outline covers `inside` of it.
struct TCornerPixel {
  int Grey;
  enum { Art, Clear, Outside } Kind;
};

TCornerPixel CornerPixel(float alpha, float inside) {
  if (inside < 0.5f) return {255, TCornerPixel::Outside};
  // The drawing as it would be without the outline cutting it.
  const float unclipped = std::min(alpha / inside, 1.0f);
  const int lifted = std::min(MaskGrey(unclipped) + kEdgeLift, 255);
  const int grey = inside >= 1 ? lifted : MaskGrey(inside * static_cast<float>(255 - lifted) / 255.0f);
  if (grey < 255) return {grey, TCornerPixel::Art};
  return {255, TCornerPixel::Clear};
}

bool InCorner(int x, int y, int w, int h, const TCornerSquares& c) {
  return (x < c.WL || x >= w - c.WR) && (y < c.WT || y >= h - c.WB);
}

}  // namespace

void ComposeImage(TComposed& target, const TArtPiece& piece, int left, int top, int frameWidth, int frameHeight,
                  int imageCount, int maskType, TCornerSquares corners) {
  const TArtRgb backdrop = ArtRgb(piece.Backdrop);
  for (int state = 0; state < imageCount; ++state) {
    TArtCanvas frame(frameWidth, frameHeight);
    piece.Draw(frame, state);
    const float w = static_cast<float>(frameWidth), h = static_cast<float>(frameHeight);
    const TSdf shape = piece.Outline ? piece.Outline(w, h, state) : TSdf{};
    TArtCanvas outline(frameWidth, frameHeight);
    outline.Fill(shape ? shape : RoundRect(0, 0, w, h, 0), kWhite);
    const int x0 = left + state * frameWidth;
    for (int y = 0; y < frameHeight; ++y)
      for (int x = 0; x < frameWidth; ++x) {
        const float a = frame.Alpha(x, y);
        const TArtRgb c = frame.Color(x, y);
        const int art = Rgb(ToByte(c.R), ToByte(c.G), ToByte(c.B));
        if (maskType == 1 && InCorner(x, y, frameWidth, frameHeight, corners)) {
          const TCornerPixel p = CornerPixel(a, outline.Alpha(x, y));
          if (p.Kind == TCornerPixel::Art)
            Set(target, x0 + x, top + y, art, false);
          else
            Set(target, x0 + x, top + y, p.Kind == TCornerPixel::Clear ? skin_colors::White : skin_colors::Magenta,
                true);
          Set(target, x0 + x, top + frameHeight + y, Rgb(p.Grey, p.Grey, p.Grey), true);
        } else if (maskType == 1) {
          const int grey = MaskGrey(a);
          if (grey == 255)
            Set(target, x0 + x, top + y, skin_colors::Magenta, true);
          else
            Set(target, x0 + x, top + y, art, false);
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

namespace {

TCornerSquares CornersOf(const TImageItem& item) {
  if (item.ImgType != TsImgType::itisaBorder || item.MaskType != 1) return {};
  return {item.WL, item.WT, item.WR, item.WB};
}

}  // namespace

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
                 item.MaskType, CornersOf(item));
    drawn.push_back(&item);
  }
  return master;
}

TComposed ComposeHugeButton() {
  TComposed huge(kHugeWidth, kHugeHeight);
  const TImageItem* item = nullptr;
  for (const TImageItem& i : ImageTable())
    if (i.Name == "BUTTONHUGE.BMP") item = &i;
  if (!item) throw std::logic_error("No image item for BUTTONHUGE.BMP");
  const TArtPiece piece{"huge", DrawHugeButtonFrame, skin_colors::Ground, RoundedOutline(kHugeButtonRadius)};
  ComposeImage(huge, piece, 0, 0, kHugeWidth / 3, kHugeHeight / 2, 3, 1, CornersOf(*item));
  return huge;
}
