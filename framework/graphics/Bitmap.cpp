#include "framework/graphics/Bitmap.h"

#include <atomic>
#include <cstring>

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"
#include "framework/graphics/Canvas.h"

namespace {

int RowBytesFor(int width) { return ((width * 3) + 3) & ~3; }

void CheckSize(int w, int h) {
  if (w < 0 || h < 0 || w > kMaxPictureSide || h > kMaxPictureSide ||
      int64_t{w} * h > kMaxPicturePixels)
    throw EOutOfResources(Format("Bitmap size %d x %d is not supported", {IntToStr(w), IntToStr(h)}));
}

// Stamps are unique in the process; drawing happens on one thread, but a
// stamp taken anywhere must never repeat.
uint64_t NextStamp() {
  static std::atomic<uint64_t> last{0};
  return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

}  // namespace

TBitmap::TBitmap() : generation_(NextStamp()) {}

TBitmap::TBitmap(int width, int height) : generation_(NextStamp()) { SetSize(width, height); }

uint64_t TBitmap::Generation() const {
  if (writable_) {
    generation_ = NextStamp();
    writable_ = false;
  }
  return generation_;
}

void TBitmap::Touch() { generation_ = NextStamp(); }

TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  width_ = source.width_;
  height_ = source.height_;
  stride_ = source.stride_;
  pixels_ = source.pixels_;
  pixelFormat_ = source.pixelFormat_;
  palette_ = source.palette_;
  transparentMode_ = source.transparentMode_;
  transparentColor_ = source.transparentColor_;
  SetTransparent(source.Transparent());
  if (canvas_) canvas_->BitmapResized();
  Touch();
}

void TBitmap::SetSize(int w, int h) {
  CheckSize(w, h);
  if (w == width_ && h == height_) return;
  const int newStride = RowBytesFor(w);
  std::vector<uint8_t> fresh(static_cast<size_t>(newStride) * static_cast<size_t>(h), 0);
  const int keepRows = std::min(h, height_);
  const int keepBytes = std::min(w, width_) * 3;
  for (int y = 0; y < keepRows; ++y)
    std::memcpy(&fresh[static_cast<size_t>(y) * newStride], &pixels_[static_cast<size_t>(y) * stride_],
                static_cast<size_t>(keepBytes));
  pixels_.swap(fresh);
  width_ = w;
  height_ = h;
  stride_ = newStride;
  if (canvas_) canvas_->BitmapResized();
  Touch();
}

uint8_t* TBitmap::ScanLine(int y) {
  if (y < 0 || y >= height_) throw EInvalidGraphic(Format(SListIndexError, {IntToStr(y)}));
  writable_ = true;
  return pixels_.data() + static_cast<size_t>(y) * stride_;
}

const uint8_t* TBitmap::ScanLine(int y) const {
  if (y < 0 || y >= height_) throw EInvalidGraphic(Format(SListIndexError, {IntToStr(y)}));
  return pixels_.data() + static_cast<size_t>(y) * stride_;
}

TColor TBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return clNone;
  const uint8_t* p = pixels_.data() + static_cast<size_t>(y) * stride_ + static_cast<size_t>(x) * 3;
  return RGB(p[2], p[1], p[0]);
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  const TColor c = ColorToRGB(color);
  uint8_t* p = pixels_.data() + static_cast<size_t>(y) * stride_ + static_cast<size_t>(x) * 3;
  p[0] = GetBValue(c);
  p[1] = GetGValue(c);
  p[2] = GetRValue(c);
  Touch();
}

void TBitmap::Fill(TColor color) {
  const TColor c = ColorToRGB(color);
  const uint8_t b = GetBValue(c), g = GetGValue(c), r = GetRValue(c);
  for (int y = 0; y < height_; ++y) {
    uint8_t* p = pixels_.data() + static_cast<size_t>(y) * stride_;
    for (int x = 0; x < width_; ++x, p += 3) {
      p[0] = b;
      p[1] = g;
      p[2] = r;
    }
  }
  Touch();
}

TColor TBitmap::TransparentColor() const {
  if (transparentMode_ == TTransparentMode::tmFixed && transparentColor_ != clDefault) return transparentColor_;
  if (width_ == 0 || height_ == 0) return clDefault;
  return Pixel(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor c) {
  transparentColor_ = c;
  transparentMode_ = c == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(*this);
  return copy;
}
