// A palette of at most 256 colours for one GIF frame. A frame of up to 256
// colours keeps them all exactly. A frame with more (antialiased text, a
// shrunk window) gets its 106 most frequent colours, which stay exact (the
// window's flat areas), and a cube of 5 x 6 x 5 levels; every other colour
// takes the entry nearest to it in its worst channel, so none is more than
// kGifMaxError levels off (the cube's own bound). No dithering: a still
// window stays still from frame to frame.
#pragma once

#include <cstdint>
#include <vector>

class TBitmap;

struct TGifPalette {
  std::vector<uint8_t> Rgb;      // 3 bytes per entry, a power of two entries (at least 2)
  std::vector<uint8_t> Indexes;  // one per pixel of the rectangle, row after row
  bool Exact = false;            // every colour kept as it is
};

// The largest difference of one channel between a pixel and its palette colour.
inline constexpr int kGifMaxError = 32;

// Quantises the rectangle (x, y, width, height) of a 24-bit bitmap.
TGifPalette QuantizeForGif(const TBitmap& frame, int x, int y, int width, int height);
