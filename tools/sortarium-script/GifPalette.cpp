#include "GifPalette.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

#include "framework/graphics/Bitmap.h"

namespace {

constexpr int kRedLevels = 5, kGreenLevels = 6, kBlueLevels = 5;
constexpr size_t kCubeEntries = kRedLevels * kGreenLevels * kBlueLevels;

uint8_t LevelValue(int level, int levels) { return static_cast<uint8_t>((level * 255 + (levels - 1) / 2) / (levels - 1)); }

uint32_t PixelAt(const uint8_t* p) { return uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0]; }

void Append(std::vector<uint8_t>& rgb, uint32_t c) {
  rgb.insert(rgb.end(), {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c)});
}

void PadToPowerOfTwo(std::vector<uint8_t>& rgb) {
  size_t entries = 2;
  while (entries * 3 < rgb.size()) entries *= 2;
  rgb.resize(entries * 3, 0);
}

// Every distinct colour of the rectangle with how often it occurs.
std::unordered_map<uint32_t, uint32_t> CountColours(const TBitmap& frame, int x0, int y0, int width, int height) {
  std::unordered_map<uint32_t, uint32_t> counts;
  for (int y = y0; y < y0 + height; ++y) {
    const uint8_t* row = frame.ScanLine(y) + static_cast<size_t>(x0) * 3;
    uint32_t last = 0xFFFFFFFF;
    uint32_t* count = nullptr;
    for (int x = 0; x < width; ++x) {
      const uint32_t c = PixelAt(row + x * 3);
      if (c != last || !count) count = &counts[c], last = c;
      ++*count;
    }
  }
  return counts;
}

// The entry closest in the worst channel (that bounds the error), ties
// broken by the distance over all three.
uint8_t Nearest(const std::vector<uint8_t>& rgb, size_t entries, uint32_t c) {
  const int r = static_cast<int>(c >> 16), g = static_cast<int>((c >> 8) & 0xFF), b = static_cast<int>(c & 0xFF);
  size_t best = 0;
  int bestWorst = 1 << 30, bestSum = 1 << 30;
  for (size_t e = 0; e < entries; ++e) {
    const int dr = std::abs(r - rgb[e * 3]), dg = std::abs(g - rgb[e * 3 + 1]), db = std::abs(b - rgb[e * 3 + 2]);
    const int worst = std::max({dr, dg, db}), sum = dr * dr + dg * dg + db * db;
    if (worst < bestWorst || (worst == bestWorst && sum < bestSum)) best = e, bestWorst = worst, bestSum = sum;
  }
  return static_cast<uint8_t>(best);
}

}  // namespace

TGifPalette QuantizeForGif(const TBitmap& frame, int x0, int y0, int width, int height) {
  TGifPalette p;
  p.Indexes.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  const auto counts = CountColours(frame, x0, y0, width, height);
  std::unordered_map<uint32_t, uint8_t> index;
  if (counts.size() <= 256) {
    p.Exact = true;
    for (const auto& [c, n] : counts) {
      index.emplace(c, static_cast<uint8_t>(index.size()));
      Append(p.Rgb, c);
    }
  } else {
    std::vector<std::pair<uint32_t, uint32_t>> byCount(counts.begin(), counts.end());
    const size_t popular = 256 - kCubeEntries;
    std::partial_sort(byCount.begin(), byCount.begin() + popular, byCount.end(), [](const auto& a, const auto& b) {
      return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    for (size_t i = 0; i < popular; ++i) {
      index.emplace(byCount[i].first, static_cast<uint8_t>(i));
      Append(p.Rgb, byCount[i].first);
    }
    for (int r = 0; r < kRedLevels; ++r)
      for (int g = 0; g < kGreenLevels; ++g)
        for (int b = 0; b < kBlueLevels; ++b)
          p.Rgb.insert(p.Rgb.end(),
                       {LevelValue(r, kRedLevels), LevelValue(g, kGreenLevels), LevelValue(b, kBlueLevels)});
    for (size_t i = popular; i < byCount.size(); ++i) index.emplace(byCount[i].first, Nearest(p.Rgb, 256, byCount[i].first));
  }
  size_t i = 0;
  for (int y = y0; y < y0 + height; ++y) {
    const uint8_t* row = frame.ScanLine(y) + static_cast<size_t>(x0) * 3;
    for (int x = 0; x < width; ++x) p.Indexes[i++] = index.at(PixelAt(row + x * 3));
  }
  PadToPowerOfTwo(p.Rgb);
  return p;
}
