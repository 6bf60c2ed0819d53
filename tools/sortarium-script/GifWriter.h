// An animated GIF written frame by frame, so a long recording never holds
// more than two frames in memory. After the first, a frame holds only the
// rectangle that changed since the one before and leaves the rest shown
// (disposal "keep"): a window where one cell changes costs a few hundred
// bytes a frame, yet every frame is there with its own delay.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "framework/graphics/Bitmap.h"

class TGifWriter {
 public:
  // Opens the file; throws std::runtime_error when it cannot.
  TGifWriter(const std::string& path, int width, int height);
  ~TGifWriter();
  TGifWriter(const TGifWriter&) = delete;
  TGifWriter& operator=(const TGifWriter&) = delete;

  // `frame` must have the size given at the start. GIF counts delays in
  // hundredths of a second.
  void AddFrame(const TBitmap& frame, uint16_t delayCentiseconds);
  // Writes the trailer; throws std::runtime_error when the file could not be written.
  void Close();
  int Frames() const { return frames_; }

 private:
  void WriteImage(const TBitmap& frame, int x, int y, int w, int h, uint16_t delay);

  std::ofstream out_;
  std::string path_;
  int width_, height_;
  int frames_ = 0;
  TBitmap previous_;
  bool closed_ = false;
};

// GIF's LZW for `indexes` of `minCodeSize` bits, as the data sub-blocks
// that follow an image descriptor (without the code-size byte).
std::vector<uint8_t> GifLzw(const std::vector<uint8_t>& indexes, int minCodeSize);
