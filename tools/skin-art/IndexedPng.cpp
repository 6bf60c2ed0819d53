#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

#include "Archives.h"

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void Chunk(std::vector<uint8_t>& png, const char* type, const std::vector<uint8_t>& data) {
  Put32(png, static_cast<uint32_t>(data.size()));
  const size_t start = png.size();
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), data.begin(), data.end());
  const uLong crc = crc32(0L, png.data() + start, static_cast<uInt>(png.size() - start));
  Put32(png, static_cast<uint32_t>(crc));
}

// A pixel as RGBA bytes, the colour quantised by `step` and fully
// transparent pixels all made one entry.
uint32_t Key(const TArtCanvas& c, int x, int y, int step) {
  const float a = c.Alpha(x, y);
  const int alpha = static_cast<int>(std::lround(a * 255.0f));
  if (alpha < 8) return 0;
  const TArtRgb rgb = c.Color(x, y);
  auto q = [step](float v) {
    const int level = static_cast<int>(std::lround(v / static_cast<float>(step))) * step;
    return static_cast<uint32_t>(std::clamp(level, 0, 255));
  };
  const uint32_t qa = std::min<uint32_t>(255, static_cast<uint32_t>(std::lround(alpha / 32.0)) * 32);
  return q(rgb.R) << 24 | q(rgb.G) << 16 | q(rgb.B) << 8 | (alpha >= 248 ? 255u : std::max<uint32_t>(qa, 32));
}

}  // namespace

std::vector<uint8_t> EncodeIndexedPng(const TArtCanvas& canvas) {
  const int w = canvas.Width(), h = canvas.Height();
  // The finest colour steps that still fit a palette of 256.
  std::map<uint32_t, int> palette;
  for (int step = 4;; step *= 2) {
    palette.clear();
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) palette.emplace(Key(canvas, x, y, step), 0);
    if (palette.size() <= 256) {
      int index = 0;
      for (auto& [key, i] : palette) i = index++;
      std::vector<uint8_t> plte, trns, rows;
      for (const auto& [key, i] : palette) {
        plte.push_back(static_cast<uint8_t>(key >> 24));
        plte.push_back(static_cast<uint8_t>(key >> 16));
        plte.push_back(static_cast<uint8_t>(key >> 8));
        trns.push_back(static_cast<uint8_t>(key));
      }
      // Opaque entries at the end of the transparency table may be left out.
      while (!trns.empty() && trns.back() == 255) trns.pop_back();
      for (int y = 0; y < h; ++y) {
        rows.push_back(0);  // no filter: palette indexes do not predict
        for (int x = 0; x < w; ++x) rows.push_back(static_cast<uint8_t>(palette.at(Key(canvas, x, y, step))));
      }
      std::vector<uint8_t> idat(compressBound(static_cast<uLong>(rows.size())));
      uLongf size = static_cast<uLongf>(idat.size());
      if (compress2(idat.data(), &size, rows.data(), static_cast<uLong>(rows.size()), 9) != Z_OK)
        throw std::runtime_error("cannot compress an icon");
      idat.resize(size);

      std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
      std::vector<uint8_t> ihdr;
      Put32(ihdr, static_cast<uint32_t>(w));
      Put32(ihdr, static_cast<uint32_t>(h));
      ihdr.insert(ihdr.end(), {8, 3, 0, 0, 0});  // 8-bit palette indexes
      Chunk(png, "IHDR", ihdr);
      Chunk(png, "PLTE", plte);
      if (!trns.empty()) Chunk(png, "tRNS", trns);
      Chunk(png, "IDAT", idat);
      Chunk(png, "IEND", {});
      return png;
    }
  }
}
