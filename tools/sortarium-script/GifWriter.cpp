#include "GifWriter.h"

#include <cstring>
#include <stdexcept>
#include <unordered_map>

#include "GifPalette.h"

namespace {

void Put16(std::vector<uint8_t>& v, int value) {
  v.push_back(static_cast<uint8_t>(value & 0xFF));
  v.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

// Packs codes of varying width, least significant bit first, into 255-byte sub-blocks.
class TBitPacker {
 public:
  void Put(int code, int bits) {
    acc_ |= static_cast<uint32_t>(code) << count_;
    count_ += bits;
    while (count_ >= 8) {
      Byte(static_cast<uint8_t>(acc_ & 0xFF));
      acc_ >>= 8;
      count_ -= 8;
    }
  }
  std::vector<uint8_t> Finish() {
    if (count_ > 0) Byte(static_cast<uint8_t>(acc_ & 0xFF));
    if (!block_.empty()) Flush();
    out_.push_back(0);  // the block terminator
    return std::move(out_);
  }

 private:
  void Byte(uint8_t b) {
    block_.push_back(b);
    if (block_.size() == 255) Flush();
  }
  void Flush() {
    out_.push_back(static_cast<uint8_t>(block_.size()));
    out_.insert(out_.end(), block_.begin(), block_.end());
    block_.clear();
  }
  uint32_t acc_ = 0;
  int count_ = 0;
  std::vector<uint8_t> block_, out_;
};

int BitsFor(size_t entries) {
  int bits = 1;
  while ((size_t{1} << bits) < entries) ++bits;
  return bits;
}

}  // namespace

std::vector<uint8_t> GifLzw(const std::vector<uint8_t>& indexes, int minCodeSize) {
  constexpr int kMaxCode = 4096;
  const int clear = 1 << minCodeSize, end = clear + 1;
  TBitPacker packer;
  std::unordered_map<uint32_t, int> table;
  int codeSize = minCodeSize + 1, next = end + 1;
  packer.Put(clear, codeSize);
  if (indexes.empty()) {
    packer.Put(end, codeSize);
    return packer.Finish();
  }
  int prefix = indexes[0];
  for (size_t i = 1; i < indexes.size(); ++i) {
    const uint8_t k = indexes[i];
    const uint32_t key = static_cast<uint32_t>(prefix) << 8 | k;
    if (auto it = table.find(key); it != table.end()) {
      prefix = it->second;
      continue;
    }
    packer.Put(prefix, codeSize);
    table.emplace(key, next++);
    // A reader adds each entry one code later than the writer, so it widens
    // its codes one code later too: widen once the entry past the current
    // width has been given out.
    if (next > (1 << codeSize) && codeSize < 12) ++codeSize;
    if (next == kMaxCode) {
      packer.Put(clear, codeSize);
      table.clear();
      codeSize = minCodeSize + 1;
      next = end + 1;
    }
    prefix = k;
  }
  packer.Put(prefix, codeSize);
  packer.Put(end, codeSize);
  return packer.Finish();
}

TGifWriter::TGifWriter(const std::string& path, int width, int height)
    : out_(path, std::ios::binary | std::ios::trunc), path_(path), width_(width), height_(height) {
  if (!out_) throw std::runtime_error("cannot create " + path);
  if (width < 1 || height < 1 || width > 65535 || height > 65535)
    throw std::runtime_error("a GIF cannot be " + std::to_string(width) + " x " + std::to_string(height));
  std::vector<uint8_t> head = {'G', 'I', 'F', '8', '9', 'a'};
  Put16(head, width);
  Put16(head, height);
  head.insert(head.end(), {0x00, 0, 0});  // no global colour table: each frame brings its own
  // Loop for ever, as a slide's animation is expected to.
  const uint8_t loop[] = {0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 0, 0, 0};
  head.insert(head.end(), std::begin(loop), std::end(loop));
  out_.write(reinterpret_cast<const char*>(head.data()), static_cast<std::streamsize>(head.size()));
}

TGifWriter::~TGifWriter() {
  try {
    Close();
  } catch (const std::exception&) {
    // Close() is called on purpose where the error can be reported.
  }
}

void TGifWriter::AddFrame(const TBitmap& frame, uint16_t delay) {
  if (frame.Width() != width_ || frame.Height() != height_) throw std::runtime_error("a frame changed its size");
  int left = 0, top = 0, right = width_, bottom = height_;
  if (frames_ > 0) {
    // The rectangle around every changed pixel; an unchanged frame still
    // needs one pixel to carry its delay.
    left = width_, top = height_, right = 0, bottom = 0;
    const size_t rowBytes = static_cast<size_t>(width_) * 3;
    for (int y = 0; y < height_; ++y) {
      const uint8_t* a = frame.ScanLine(y);
      const uint8_t* b = previous_.ScanLine(y);
      if (std::memcmp(a, b, rowBytes) == 0) continue;
      int x0 = 0, x1 = width_;
      while (x0 < x1 && std::memcmp(a + x0 * 3, b + x0 * 3, 3) == 0) ++x0;
      while (x1 > x0 && std::memcmp(a + (x1 - 1) * 3, b + (x1 - 1) * 3, 3) == 0) --x1;
      left = std::min(left, x0), right = std::max(right, x1);
      top = std::min(top, y), bottom = y + 1;
    }
    if (right <= left) left = top = 0, right = bottom = 1;
  }
  WriteImage(frame, left, top, right - left, bottom - top, delay);
  previous_.Assign(frame);
  ++frames_;
}

void TGifWriter::WriteImage(const TBitmap& frame, int x, int y, int w, int h, uint16_t delay) {
  const TGifPalette palette = QuantizeForGif(frame, x, y, w, h);
  const int entries = static_cast<int>(palette.Rgb.size() / 3);
  const int bits = BitsFor(static_cast<size_t>(entries));
  std::vector<uint8_t> block = {0x21, 0xF9, 4, 1 << 2, 0, 0, 0, 0};  // disposal 1: keep the frame
  block[4] = static_cast<uint8_t>(delay & 0xFF);
  block[5] = static_cast<uint8_t>(delay >> 8);
  block.push_back(0x2C);
  Put16(block, x);
  Put16(block, y);
  Put16(block, w);
  Put16(block, h);
  block.push_back(static_cast<uint8_t>(0x80 | (bits - 1)));  // a local colour table of 2^bits entries
  block.insert(block.end(), palette.Rgb.begin(), palette.Rgb.end());
  const int minCodeSize = std::max(2, bits);
  block.push_back(static_cast<uint8_t>(minCodeSize));
  const std::vector<uint8_t> data = GifLzw(palette.Indexes, minCodeSize);
  block.insert(block.end(), data.begin(), data.end());
  out_.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size()));
}

void TGifWriter::Close() {
  if (closed_) return;
  closed_ = true;
  out_.put(0x3B);
  if (!out_.flush()) throw std::runtime_error("cannot write " + path_);
  out_.close();
}
