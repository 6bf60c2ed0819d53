#include "framework/stdctrls/ImgList.h"

#include <algorithm>
#include <cstring>

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() = default;

void TImageList::SetWidth(int value) {
  value = std::clamp(value, 1, kMaxPictureSide);
  if (value == width_) return;
  width_ = value;
  Clear();
}

void TImageList::SetHeight(int value) {
  value = std::clamp(value, 1, kMaxPictureSide);
  if (value == height_) return;
  height_ = value;
  Clear();
}

int TImageList::Add(const TBitmap& image) { return AddImages(image, clNone); }

int TImageList::AddMasked(const TBitmap& image, TColor maskColor) {
  return AddImages(image, maskColor == clNone ? clNone : ColorToRGB(maskColor));
}

int TImageList::AddImages(const TBitmap& strip, TColor mask) {
  if (strip.Height() != height_ || strip.Width() < width_ || strip.Width() % width_ != 0) return -1;
  const int first = Count();
  const size_t rowBytes = static_cast<size_t>(width_) * 3;
  for (int x = 0; x < strip.Width(); x += width_) {
    auto picture = std::make_unique<TBitmap>(width_, height_);
    for (int y = 0; y < height_; ++y)
      std::memcpy(picture->ScanLine(y), strip.ScanLine(y) + static_cast<size_t>(x) * 3, rowBytes);
    picture->Touch();
    images_.push_back({std::move(picture), mask});
  }
  return first;
}

void TImageList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  images_.erase(images_.begin() + index);
}

void TImageList::Clear() { images_.clear(); }

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) const {
  if (index < 0 || index >= Count()) return;
  HDC dc = canvas.Handle();
  if (!dc) return;
  const Image& image = images_[static_cast<size_t>(index)];
  TCanvas source(image.Picture.get());
  if (image.Mask == clNone) {
    BitBlt(dc, x, y, width_, height_, source.Handle(), 0, 0, SRCCOPY);
    return;
  }
  if (bkColor_ != clNone) FillRect(dc, Bounds(x, y, width_, height_), bkColor_);
  TransparentBlt(dc, x, y, width_, height_, source.Handle(), 0, 0, width_, height_, image.Mask);
}
