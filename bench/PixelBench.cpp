// Pixel work on a full-HD 24-bit bitmap against memcpy of the same bytes:
// blending two bitmaps and painting vertical and horizontal gradients.
#include <cstring>
#include <memory>
#include <random>

#include "Ratios.h"
#include "skin/pixels/sGradient.h"
#include "skin/pixels/sGraphUtils.h"
#include "skin/pixels/sMaskDraw.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

std::unique_ptr<TBitmap> NoiseBitmap(unsigned seed) {
  auto bmp = CreateBmp24(kWidth, kHeight);
  std::mt19937 random(seed);
  for (int y = 0; y < kHeight; ++y) {
    uint8_t* row = bmp->ScanLine(y);
    for (int i = 0; i < kWidth * 3; ++i) row[i] = static_cast<uint8_t>(random());
  }
  return bmp;
}

size_t BitmapBytes(const TBitmap& bmp) { return static_cast<size_t>(bmp.RowBytes()) * bmp.Height(); }

void Memcpy(benchmark::State& state) {
  auto a = NoiseBitmap(1);
  auto b = NoiseBitmap(2);
  const size_t bytes = BitmapBytes(*a);
  for (auto _ : state) {
    std::memcpy(a->Bits(), b->Bits(), bytes);
    benchmark::DoNotOptimize(a->Bits());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(Memcpy)->Name("memcpy/1920x1080");

void BlendSameSizeBench(benchmark::State& state) {
  auto dst = NoiseBitmap(1);
  auto src = NoiseBitmap(2);
  for (auto _ : state) {
    BlendSameSize(*dst, *src, 128);
    benchmark::DoNotOptimize(dst->Bits());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * BitmapBytes(*dst)));
}
BENCHMARK(BlendSameSizeBench)->Name("BlendSameSize/1920x1080");

// The skin's button and title gradients: several segments, as painted.
void GradientBench(benchmark::State& state, const char* text) {
  auto bmp = CreateBmp24(kWidth, kHeight);
  const TsGradArray gradient = ParseGradient(text);
  const TRect all{0, 0, kWidth, kHeight};
  for (auto _ : state) {
    PaintGradient(*bmp, all, gradient);
    benchmark::DoNotOptimize(bmp->Bits());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * BitmapBytes(*bmp)));
}
BENCHMARK_CAPTURE(GradientBench, vertical,
                  "15985380;15322048;23;0;0;15322048;11107158;63;0;0;11107158;12550976;13;0;0;"
                  "12550976;12550976;0;0;0")
    ->Name("PaintGradient/vertical/1920x1080");
BENCHMARK_CAPTURE(GradientBench, horizontal, "16777215;15260353;99;1;0;15260353;15260353;0;1;0")
    ->Name("PaintGradient/horizontal/1920x1080");

// A button-like border with a mask half (3 frames of 27 x 27, 9-pixel
// borders) drawn over the whole bitmap with its middle filled: the masked
// mix on every pixel, most of it through repeated 9 x 9 pieces.
void PaintBorderBench(benchmark::State& state) {
  auto target = NoiseBitmap(1);
  auto art = CreateBmp24(81, 54);
  std::mt19937 random(3);
  for (int y = 0; y < art->Height(); ++y) {
    uint8_t* row = art->ScanLine(y);
    for (int i = 0; i < art->Width() * 3; ++i) row[i] = static_cast<uint8_t>(random());
  }
  TsMaskData entry;
  entry.Bmp = std::move(art);
  entry.R = {0, 0, 81, 54};
  entry.ImageCount = 3;
  entry.MaskType = 1;
  entry.WL = entry.WT = entry.WR = entry.WB = 9;
  for (auto _ : state) {
    PaintBorder(*target, {0, 0, kWidth, kHeight}, TBorderCentre::Fill, TKeyPixels::Keep, TPaintState::Normal, entry,
                nullptr, {});
    benchmark::DoNotOptimize(target->Bits());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * BitmapBytes(*target)));
}
BENCHMARK(PaintBorderBench)->Name("PaintBorder/masked/1920x1080");

}  // namespace

int main(int argc, char** argv) {
  return RunWithRatios(argc, argv,
                       {{"BlendSameSize/1920x1080", "memcpy/1920x1080", 2.0},
                        {"PaintGradient/vertical/1920x1080", "memcpy/1920x1080", 1.0},
                        {"PaintGradient/horizontal/1920x1080", "memcpy/1920x1080", 1.5},
                        {"PaintBorder/masked/1920x1080", "memcpy/1920x1080", 6.0}});
}
