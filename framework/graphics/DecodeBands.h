// Decoding a picture a band of rows at a time, for the codecs whose library
// writes rows into memory we hand it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

// Reads `height` rows of `rowBytes` bytes into `pixels` by calling
// `readRows(rows, n)` for bands of at most 64 rows. `pixels` grows with the
// rows actually decoded, so a small file that only claims a big picture
// fails before the memory for all of it is taken. Answers false as soon as
// a band fails.
template <class ReadRows>
bool DecodeInBands(size_t height, size_t rowBytes, std::vector<uint8_t>& pixels, ReadRows readRows) {
  constexpr size_t kBandRows = 64;
  std::vector<uint8_t*> rows;
  for (size_t y = 0; y < height; y += kBandRows) {
    const size_t n = std::min(kBandRows, height - y);
    pixels.resize(rowBytes * (y + n));
    rows.resize(n);
    for (size_t i = 0; i < n; ++i) rows[i] = pixels.data() + rowBytes * (y + i);
    if (!readRows(rows.data(), n)) return false;
  }
  return true;
}
