// PNG through libpng. libpng reports errors by longjmp; every setjmp lives in
// a small function whose frame holds nothing with a destructor, and the C++
// objects (buffers, the bitmap, the libpng cleanup guard) live in the
// callers, which the jump never crosses.
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/DecodeBands.h"
#include "framework/graphics/Picture.h"
#include "framework/graphics/PngImage.h"

namespace {

constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Ancillary chunks (text, profiles) are never allowed to make libpng
// allocate more than this.
constexpr png_alloc_size_t kMaxChunkBytes = 16 * 1024 * 1024;
// A PNG is never much larger than its raw pixels; more is refused unread.
constexpr int64_t kMaxPngFileBytes = 4 * kMaxPicturePixels + (int64_t{64} << 20);

struct PngJob {
  png_structp png = nullptr;
  png_infop info = nullptr;
  char message[256] = {};
};

struct PngReadJob : PngJob {
  const uint8_t* data = nullptr;
  size_t size = 0;
  size_t pos = 0;
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  int channels = 0;
  size_t rowBytes = 0;
  bool interlaced = false;
  png_bytep* rows = nullptr;
  png_uint_32 rowCount = 0;
};

struct PngWriteJob : PngJob {
  std::vector<uint8_t>* out = nullptr;
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  png_bytep* rows = nullptr;
};

void OnPngError(png_structp png, png_const_charp message) {
  auto* job = static_cast<PngJob*>(png_get_error_ptr(png));
  std::snprintf(job->message, sizeof job->message, "%s", message ? message : "unknown error");
  png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

void ReadFromMemory(png_structp png, png_bytep out, size_t count) {
  auto* job = static_cast<PngReadJob*>(png_get_io_ptr(png));
  if (job->size - job->pos < count) png_error(png, "the file is truncated");
  std::memcpy(out, job->data + job->pos, count);
  job->pos += count;
}

void WriteToVector(png_structp png, png_bytep data, size_t count) {
  auto* job = static_cast<PngWriteJob*>(png_get_io_ptr(png));
  bool failed = false;
  try {
    job->out->insert(job->out->end(), data, data + count);
  } catch (...) {
    failed = true;
  }
  // Outside the handler: the jump must not leave a live exception behind.
  if (failed) png_error(png, "out of memory");
}

void FlushNothing(png_structp) {}

// Reads the header and sets the transforms that turn any PNG into 8-bit
// BGR or BGRA rows.
bool ReadPngHeader(PngReadJob* job) {
  if (setjmp(png_jmpbuf(job->png))) return false;
  png_structp png = job->png;
  png_infop info = job->info;
  png_read_info(png, info);
  const int colorType = png_get_color_type(png, info);
  const int bitDepth = png_get_bit_depth(png, info);
  if (bitDepth == 16) png_set_scale_16(png);
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  png_set_bgr(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  job->width = png_get_image_width(png, info);
  job->height = png_get_image_height(png, info);
  job->channels = png_get_channels(png, info);
  job->rowBytes = png_get_rowbytes(png, info);
  job->interlaced = png_get_interlace_type(png, info) != PNG_INTERLACE_NONE;
  return true;
}

// The next `rowCount` rows of a plain image.
bool ReadPngRows(PngReadJob* job) {
  if (setjmp(png_jmpbuf(job->png))) return false;
  png_read_rows(job->png, job->rows, nullptr, job->rowCount);
  return true;
}

// All passes of an interlaced image into rows that hold the whole picture.
bool ReadPngImage(PngReadJob* job) {
  if (setjmp(png_jmpbuf(job->png))) return false;
  png_read_image(job->png, job->rows);
  return true;
}

bool WritePngImage(PngWriteJob* job) {
  if (setjmp(png_jmpbuf(job->png))) return false;
  png_structp png = job->png;
  png_infop info = job->info;
  png_set_write_fn(png, job, WriteToVector, FlushNothing);
  png_set_IHDR(png, info, job->width, job->height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  // Snapshots and exported art favour speed over the last few percent.
  png_set_compression_level(png, 2);
  png_write_info(png, info);
  png_set_bgr(png);
  png_write_image(png, job->rows);
  png_write_end(png, nullptr);
  return true;
}

[[noreturn]] void InvalidPng(const std::string& reason) {
  throw EInvalidGraphic(std::string(SInvalidImage) + " (PNG): " + reason);
}

class ReadGuard {
 public:
  explicit ReadGuard(PngJob& job) : job_(job) {}
  ~ReadGuard() { png_destroy_read_struct(&job_.png, job_.info ? &job_.info : nullptr, nullptr); }
  ReadGuard(const ReadGuard&) = delete;
  ReadGuard& operator=(const ReadGuard&) = delete;

 private:
  PngJob& job_;
};

class WriteGuard {
 public:
  explicit WriteGuard(PngJob& job) : job_(job) {}
  ~WriteGuard() { png_destroy_write_struct(&job_.png, job_.info ? &job_.info : nullptr); }
  WriteGuard(const WriteGuard&) = delete;
  WriteGuard& operator=(const WriteGuard&) = delete;

 private:
  PngJob& job_;
};

uint32_t BigEndian32(const uint8_t* p) {
  return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
         (static_cast<uint32_t>(p[2]) << 8) | p[3];
}

}  // namespace

bool IsPngSignature(const uint8_t* data, size_t size) {
  return data != nullptr && size >= sizeof kPngSignature && std::memcmp(data, kPngSignature, sizeof kPngSignature) == 0;
}

namespace {

void DecodePngInto(const uint8_t* data, size_t size, TBitmap& target, TBitmap* opacity) {
  if (!IsPngSignature(data, size)) InvalidPng("signature is missing");
  PngReadJob job;
  job.data = data;
  job.size = size;
  ReadGuard guard(job);
  job.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &job, OnPngError, OnPngWarning);
  if (!job.png) throw EOutOfResources("Cannot start the PNG reader");
  job.info = png_create_info_struct(job.png);
  if (!job.info) throw EOutOfResources("Cannot start the PNG reader");
  png_set_read_fn(job.png, &job, ReadFromMemory);
  png_set_user_limits(job.png, kMaxPictureSide, kMaxPictureSide);
  png_set_chunk_malloc_max(job.png, kMaxChunkBytes);

  if (!ReadPngHeader(&job)) InvalidPng(job.message);
  const int64_t w = job.width;
  const int64_t h = job.height;
  if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide || w * h > kMaxPicturePixels)
    InvalidPng("picture is too large");
  if ((job.channels != 3 && job.channels != 4) || job.rowBytes != static_cast<size_t>(w * job.channels))
    InvalidPng("has an unexpected pixel layout");

  // Interlaced images need every row at once; plain ones are read in bands.
  const size_t rowBytes = job.rowBytes;
  const size_t height = static_cast<size_t>(h);
  std::vector<uint8_t> pixels;
  if (job.interlaced) {
    pixels.resize(rowBytes * height);
    std::vector<png_bytep> rows(height);
    for (size_t y = 0; y < height; ++y) rows[y] = pixels.data() + rowBytes * y;
    job.rows = rows.data();
    if (!ReadPngImage(&job)) InvalidPng(job.message);
  } else if (!DecodeInBands(height, rowBytes, pixels, [&](uint8_t** band, size_t n) {
               job.rows = band;
               job.rowCount = static_cast<png_uint_32>(n);
               return ReadPngRows(&job);
             })) {
    InvalidPng(job.message);
  }

  TBitmap decoded(static_cast<int>(w), static_cast<int>(h));
  if (opacity) opacity->SetSize(static_cast<int>(w), static_cast<int>(h));
  for (size_t y = 0; y < height; ++y) {
    const uint8_t* __restrict src = pixels.data() + rowBytes * y;
    uint8_t* __restrict dst = decoded.ScanLine(static_cast<int>(y));
    if (job.channels == 3) {
      std::memcpy(dst, src, rowBytes);
      if (opacity) std::memset(opacity->ScanLine(static_cast<int>(y)), 255, static_cast<size_t>(w) * 3);
      continue;
    }
    if (opacity) {
      uint8_t* __restrict a = opacity->ScanLine(static_cast<int>(y));
      for (int64_t x = 0; x < w; ++x, src += 4, dst += 3, a += 3) {
        dst[0] = src[0], dst[1] = src[1], dst[2] = src[2];
        a[0] = a[1] = a[2] = src[3];
      }
      continue;
    }
    // Compose over white: c' = (c * a + 255 * (255 - a)) / 255, rounded.
    for (int64_t x = 0; x < w; ++x, src += 4, dst += 3) {
      const unsigned a = src[3];
      const unsigned white = 255 * (255 - a) + 127;
      dst[0] = static_cast<uint8_t>((src[0] * a + white) / 255);
      dst[1] = static_cast<uint8_t>((src[1] * a + white) / 255);
      dst[2] = static_cast<uint8_t>((src[2] * a + white) / 255);
    }
  }
  decoded.SetPixelFormat(TPixelFormat::pf24bit);
  target.Assign(decoded);
}

}  // namespace

void DecodePng(const uint8_t* data, size_t size, TBitmap& target) { DecodePngInto(data, size, target, nullptr); }

void DecodePngWithOpacity(const uint8_t* data, size_t size, TBitmap& target, TBitmap& opacity) {
  DecodePngInto(data, size, target, &opacity);
}

std::vector<uint8_t> EncodePng(const TBitmap& bitmap) {
  if (bitmap.Empty()) throw EInvalidGraphic("Cannot save an empty bitmap");
  std::vector<uint8_t> out;
  out.reserve(static_cast<size_t>(bitmap.RowBytes()) * static_cast<size_t>(bitmap.Height()) / 4 + 1024);
  // libpng copies each row before transforming it, so handing it the
  // bitmap's own rows is safe although its API takes them as writable.
  std::vector<png_bytep> rows(static_cast<size_t>(bitmap.Height()));
  for (int y = 0; y < bitmap.Height(); ++y) rows[y] = const_cast<png_bytep>(bitmap.ScanLine(y));

  PngWriteJob job;
  job.out = &out;
  job.width = static_cast<png_uint_32>(bitmap.Width());
  job.height = static_cast<png_uint_32>(bitmap.Height());
  job.rows = rows.data();
  WriteGuard guard(job);
  job.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &job, OnPngError, OnPngWarning);
  if (!job.png) throw EOutOfResources("Cannot start the PNG writer");
  job.info = png_create_info_struct(job.png);
  if (!job.info) throw EOutOfResources("Cannot start the PNG writer");
  if (!WritePngImage(&job)) throw EInvalidGraphic(std::string("Cannot write PNG: ") + job.message);
  return out;
}

void SavePng(const TBitmap& bitmap, const std::string& fileName) { WriteFileBytes(fileName, EncodePng(bitmap)); }

// ---------------------------------------------------------------------------
// TPngImage

void TPngImage::LoadFromStream(TStream& stream) {
  // Walk the chunks to IEND so that exactly one file is consumed and nothing
  // is read past it; every length is checked against what is left before
  // memory is taken for it.
  std::vector<uint8_t> bytes(sizeof kPngSignature);
  if (stream.Read(bytes.data(), static_cast<int64_t>(bytes.size())) != static_cast<int64_t>(bytes.size()) ||
      !IsPngSignature(bytes.data(), bytes.size()))
    InvalidPng("signature is missing");
  for (;;) {
    uint8_t head[8];
    if (stream.Read(head, sizeof head) != static_cast<int64_t>(sizeof head)) InvalidPng("file is truncated");
    const uint32_t length = BigEndian32(head);
    if (length > 0x7FFFFFFFu) InvalidPng("chunk length is out of range");
    const int64_t body = int64_t{length} + 4;  // data and CRC
    if (stream.Size() - stream.Position() < body) InvalidPng("file is truncated");
    if (static_cast<int64_t>(bytes.size()) + 8 + body > kMaxPngFileBytes) InvalidPng("file is too large");
    const size_t at = bytes.size();
    bytes.resize(at + 8 + static_cast<size_t>(body));
    std::memcpy(bytes.data() + at, head, sizeof head);
    stream.ReadBuffer(bytes.data() + at + 8, body);
    if (std::memcmp(head + 4, "IEND", 4) == 0) break;
  }
  DecodePng(bytes.data(), bytes.size(), bitmap_);
}

void TPngImage::SaveToStream(TStream& stream) const {
  const std::vector<uint8_t> bytes = EncodePng(bitmap_);
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

std::unique_ptr<TGraphic> TPngImage::Clone() const {
  auto copy = std::make_unique<TPngImage>();
  copy->bitmap_.Assign(bitmap_);
  copy->SetTransparent(Transparent());
  return copy;
}

void RegisterPngFormat() {
  TPictureFormats::Register(TPictureFormat{"png", "Portable Network Graphics", IsPngSignature,
                                           [] { return std::make_unique<TPngImage>(); }});
}
