// Gradient parsing and painting. Built with -O3: a section background of a
// full-screen window is painted through here.
#include "skin/pixels/sGradient.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "framework/base/SysUtils.h"
#include "framework/graphics/Gdi.h"

namespace {

constexpr size_t kWordsPerSegment = 5;

// Band ends far outside the bitmap are held here: every band end that can
// reach a pixel is much closer, and sums and differences of held values stay
// exact in doubles and cannot overflow.
constexpr int64_t kFarAway = int64_t{1} << 52;

// A band's colour, stepped in real arithmetic from its start colour to its
// end colour and rounded per pixel (halves to even).
class TColorRamp {
 public:
  TColorRamp(int32_t from, int32_t to, int64_t steps) {
    const TsColorBytes a = SplitColor(from), b = SplitColor(to);
    v_[0] = a.B;
    v_[1] = a.G;
    v_[2] = a.R;
    const double n = static_cast<double>(steps);
    d_[0] = (b.B - a.B) / n;
    d_[1] = (b.G - a.G) / n;
    d_[2] = (b.R - a.R) / n;
  }

  // Moves `count` steps ahead. Short distances add the step one at a time,
  // exactly as painting them would; a start far outside the rectangle (only
  // possible with extreme offsets or negative shares) jumps there directly.
  void Skip(int64_t count) {
    if (count <= 0) return;
    if (count <= kExactSkip) {
      for (int64_t i = 0; i < count; ++i) Step();
      return;
    }
    const double n = static_cast<double>(count);
    for (int k = 0; k < 3; ++k) v_[k] += d_[k] * n;
  }

  void Store(uint8_t* p) const {
    for (int k = 0; k < 3; ++k) p[k] = ToByte(v_[k]);
  }
  void Step() {
    for (int k = 0; k < 3; ++k) v_[k] += d_[k];
  }

 private:
  static constexpr int64_t kExactSkip = 1 << 16;
  static uint8_t ToByte(double v) { return static_cast<uint8_t>(std::clamp<long long>(Round(v), 0, 255)); }

  double v_[3];  // blue, green, red
  double d_[3];
};

// One colour as a 48-byte block: sixteen pixels, a whole number of 16-byte
// words, so a row is written as copies of the block (three vector stores
// each) and a shorter tail. Neighbouring rows often share a colour; the
// block is rebuilt only when the colour changes.
class TPixelBlock {
 public:
  void SetColor(const uint8_t* pixel) {
    if (valid_ && std::memcmp(pixel, block_, 3) == 0) return;
    for (size_t i = 0; i < sizeof block_; i += 3) std::memcpy(block_ + i, pixel, 3);
    valid_ = true;
  }
  void Fill(uint8_t* __restrict p, size_t count) const {
    const size_t total = count * 3;
    size_t done = 0;
    for (; done + sizeof block_ <= total; done += sizeof block_) std::memcpy(p + done, block_, sizeof block_);
    std::memcpy(p + done, block_, total - done);
  }

 private:
  uint8_t block_[48];
  bool valid_ = false;
};

struct TTarget {
  uint8_t* Base;      // row 0
  ptrdiff_t Stride;   // row distance, as the bitmap has it
  uint8_t* Row(int64_t y) const { return Base + static_cast<ptrdiff_t>(y) * Stride; }
};

// Kind 0: bands from top to bottom, every row one colour. Band ends are
// computed from the top and may run outside the rectangle with an offset;
// only rows inside it are written.
void PaintVertical(const TTarget& t, const TRect& r, const TsGradArray& data, int offset) {
  const int64_t lastRow = r.Bottom - 1;
  const int64_t span = int64_t{offset} + r.Height();
  const size_t count = static_cast<size_t>(r.Width());
  int64_t e = int64_t{offset} + r.Top;
  for (size_t i = 0; i < data.size(); ++i) {
    const int64_t s = e;
    if (i + 1 == data.size()) {
      e = lastRow;
    } else {
      // The share is read as an unsigned byte, as the stored format has it.
      const int64_t share = static_cast<uint8_t>(data[i].Percent);
      e = std::max(std::min(share * span / 100 + s, lastRow), -kFarAway);
    }
    if (e - s <= 0) continue;
    TColorRamp ramp(data[i].Color1, data[i].Color2, e - s);
    const int64_t first = std::max<int64_t>(s, r.Top);
    ramp.Skip(first - s);
    uint8_t pixel[3];
    TPixelBlock block;
    for (int64_t y = first; y <= e; ++y) {
      ramp.Store(pixel);
      block.SetColor(pixel);
      block.Fill(t.Row(y) + static_cast<size_t>(r.Left) * 3, count);
      ramp.Step();
    }
  }
}

// Kind 1: bands from left to right, every column one colour. The band ends
// are the same on every row, so the first row is painted and copied. The
// bands cover either the whole row or nothing: the last band ends at the
// right edge, so from a start left of a column the ends must pass it with a
// rightward step, which paints it. Only a one-column rectangle can end up
// with no band at all.
void PaintHorizontal(const TTarget& t, const TRect& r, const TsGradArray& data) {
  const int64_t lastColumn = r.Right - 1;
  const double width = r.Width() / 100.0;
  uint8_t* first = t.Row(r.Top);
  int64_t l = r.Left;
  bool painted = false;
  for (size_t i = 0; i < data.size(); ++i) {
    const int64_t j = l;
    if (i + 1 == data.size()) {
      l = lastColumn;
    } else {
      const double end = data[i].Percent * width + static_cast<double>(j);
      l = std::max(std::min<int64_t>(Round(end), lastColumn), -kFarAway);
    }
    const int64_t n = l - j;
    if (n <= 0) continue;
    TColorRamp ramp(data[i].Color1, data[i].Color2, n);
    const int64_t from = std::max<int64_t>(j, r.Left);
    ramp.Skip(from - j);
    painted = painted || from <= l;
    uint8_t* p = first + static_cast<size_t>(from) * 3;
    for (int64_t x = from; x <= l; ++x, p += 3) {
      ramp.Store(p);
      ramp.Step();
    }
  }
  if (!painted) return;
  const size_t bytes = static_cast<size_t>(r.Width()) * 3;
  const uint8_t* src = first + static_cast<size_t>(r.Left) * 3;
  for (int y = r.Top + 1; y < r.Bottom; ++y) std::memcpy(t.Row(y) + static_cast<size_t>(r.Left) * 3, src, bytes);
}

// Kind 2: four triangles from the corners to the centre. A DC of its own on
// the bitmap keeps the bitmap's coordinates: the bitmap canvas's DC may carry
// origins or a clip left by other painting.
void PaintTriangles(TBitmap& bmp, const TRect& r, const TsGradArray& data) {
  TRIVERTEX v[5];
  const TPoint corners[5] = {{r.Left, r.Top},
                             {r.Left + r.Width() / 2, r.Top + r.Height() / 2},
                             {r.Right, r.Top},
                             {r.Right, r.Bottom},
                             {r.Left, r.Bottom}};
  TsColorBytes color{};
  for (size_t k = 0; k < 5; ++k) {
    // A missing segment repeats the previous vertex's colour.
    if (k < data.size()) color = SplitColor(data[k].Color1);
    v[k].x = corners[k].X;
    v[k].y = corners[k].Y;
    v[k].Red = static_cast<uint16_t>(color.R << 8);
    v[k].Green = static_cast<uint16_t>(color.G << 8);
    v[k].Blue = static_cast<uint16_t>(color.B << 8);
    v[k].Alpha = 0;
  }
  const GRADIENT_TRIANGLE mesh[4] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
  TDeviceContext dc(&bmp);
  GradientFill(&dc, v, 5, mesh, 4, GRADIENT_FILL_TRIANGLE);
}

}  // namespace

TsColorBytes SplitColor(int32_t color) {
  const auto c = static_cast<uint32_t>(color);
  return {static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
          static_cast<uint8_t>((c >> 16) & 0xFF)};
}

namespace {

// Calls `f` with each word: a maximal run of characters other than ';'.
template <class F>
void ForEachWord(std::string_view text, F&& f) {
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t end = std::min(text.find(';', pos), text.size());
    if (end > pos && !f(text.substr(pos, end - pos))) return;
    pos = end + 1;
  }
}

}  // namespace

TsGradArray ParseGradient(const std::string& text) {
  size_t words = 0;
  ForEachWord(text, [&](std::string_view) { return ++words, true; });
  // Words past the last whole group are never converted, so a broken tail
  // of an incomplete group is not an error.
  TsGradArray result(words / kWordsPerSegment);
  const size_t used = result.size() * kWordsPerSegment;
  size_t index = 0;
  ForEachWord(text, [&](std::string_view word) {
    if (index >= used) return false;
    TsGradPie& pie = result[index / kWordsPerSegment];
    switch (index++ % kWordsPerSegment) {
      case 0: pie.Color1 = StrToInt(std::string(word)); break;
      case 1: pie.Color2 = StrToInt(std::string(word)); break;
      case 2: pie.Percent = std::min(100, StrToInt(std::string(word))); break;
      case 3: pie.Mode = StrToInt(std::string(word)); break;
      default: break;  // a placeholder, never read
    }
    return true;
  });
  return result;
}

void PaintGradient(TBitmap& bmp, TRect rect, const TsGradArray& data, int offset) {
  rect.Right = std::min(rect.Right, bmp.Width());
  rect.Bottom = std::min(rect.Bottom, bmp.Height());
  rect.Left = std::max(rect.Left, 0);
  rect.Top = std::max(rect.Top, 0);
  if (data.empty() || rect.IsEmpty()) return;

  TTarget target{bmp.ScanLine(0), bmp.Height() > 1 ? bmp.ScanLine(1) - bmp.ScanLine(0) : 0};
  switch (data[0].Mode) {
    case 0: PaintVertical(target, rect, data, offset); break;
    case 1: PaintHorizontal(target, rect, data); break;
    case 2: PaintTriangles(bmp, rect, data); return;  // GradientFill marks the bitmap changed
    default: return;
  }
  bmp.Touch();
}
