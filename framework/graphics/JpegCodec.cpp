// JPEG through libjpeg-turbo. The library reports a fatal error by calling
// back and expecting no return; we leave it with longjmp. Every setjmp lives
// in a small function whose frame holds nothing with a destructor, and the
// C++ objects (buffers, the bitmap, the cleanup guard) live in the callers,
// which the jump never crosses. The callbacks themselves hold no such
// objects either.
#include <cstdio>  // before jpeglib.h, which uses FILE and size_t

#include <jerror.h>
#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <string>

#include "framework/base/Exceptions.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/DecodeBands.h"
#include "framework/graphics/JpegImage.h"
#include "framework/graphics/Picture.h"

namespace {

constexpr uint8_t kJpegSignature[3] = {0xFF, 0xD8, 0xFF};

// Every scan of a multi-scan file walks the whole picture, while its header
// takes a dozen bytes of the file: many scans over a big picture would cost
// time out of all proportion to the file. A file may have kMaxScans scans,
// and a big picture proportionally fewer, so that scans times pixels stays
// under kMaxScanPixels (which still leaves the largest picture 64 scans,
// six times what encoders write).
constexpr int kMaxScans = 1000;
constexpr int64_t kMaxScanPixels = int64_t{64} * kMaxPicturePixels;
// Warnings are about damaged data that libjpeg works around. They are
// ignored, but damage can raise one per block; past this many the file is
// given up rather than decoded into noise.
constexpr long kMaxWarnings = 1000;
// libjpeg's own working memory: the whole-picture coefficient buffers of a
// multi-scan file of the largest picture fit; more fails instead of growing.
constexpr long kMaxDecoderMemory = 768L << 20;
// A JPEG file is never much larger than its raw pixels; more is refused unread.
constexpr int64_t kMaxJpegFileBytes = 4 * kMaxPicturePixels + (int64_t{64} << 20);

// Everything libjpeg and the callbacks share, plain data only so that a
// longjmp may leave it at any point.
struct JpegJob {
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr err;
  jpeg_progress_mgr progress;
  std::jmp_buf jump;
  int maxScans;
  char message[JMSG_LENGTH_MAX];
};

JpegJob* JobOf(j_common_ptr cinfo) { return static_cast<JpegJob*>(cinfo->client_data); }

[[noreturn]] void JumpOut(JpegJob* job, const char* message) {
  std::snprintf(job->message, sizeof job->message, "%s", message);
  std::longjmp(job->jump, 1);
}

void OnJpegError(j_common_ptr cinfo) {
  JpegJob* job = JobOf(cinfo);
  (*cinfo->err->format_message)(cinfo, job->message);
  std::longjmp(job->jump, 1);
}

// Warnings come with level -1, trace messages with higher levels.
void OnJpegMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;
  JpegJob* job = JobOf(cinfo);
  // At the end of the data libjpeg warns and pretends the file ends there,
  // which would give a picture whose missing part is grey.
  if (cinfo->err->msg_code == JWRN_JPEG_EOF) JumpOut(job, "the JPEG data ends early");
  if (++cinfo->err->num_warnings > kMaxWarnings) JumpOut(job, "the JPEG data is too badly damaged");
}

// Called before each piece of input is taken in (a row of blocks or a
// marker), so a scan over the limit fails before it is decoded.
void OnJpegProgress(j_common_ptr cinfo) {
  JpegJob* job = JobOf(cinfo);
  if (job->cinfo.input_scan_number > job->maxScans) JumpOut(job, "the JPEG file has too many scans");
}

bool CreateJpegReader(JpegJob* job, const uint8_t* data, size_t size) {
  if (setjmp(job->jump)) return false;
  jpeg_create_decompress(&job->cinfo);
  job->cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
  job->progress.progress_monitor = OnJpegProgress;
  job->cinfo.progress = &job->progress;
  jpeg_mem_src(&job->cinfo, data, static_cast<unsigned long>(size));
  return true;
}

bool ReadJpegHeader(JpegJob* job) {
  if (setjmp(job->jump)) return false;
  jpeg_read_header(&job->cinfo, TRUE);
  return true;
}

// For a multi-scan file this takes in every scan before the first row.
bool StartJpegOutput(JpegJob* job) {
  if (setjmp(job->jump)) return false;
  jpeg_start_decompress(&job->cinfo);
  return true;
}

bool ReadJpegRows(JpegJob* job, JSAMPARRAY rows, JDIMENSION count) {
  if (setjmp(job->jump)) return false;
  for (JDIMENSION done = 0; done < count;) {
    const JDIMENSION n = jpeg_read_scanlines(&job->cinfo, rows + done, count - done);
    if (n == 0) {
      std::snprintf(job->message, sizeof job->message, "%s", "the JPEG decoder stopped before the last row");
      return false;
    }
    done += n;
  }
  return true;
}

// Reads on to the end-of-image marker, so a file cut after its last row
// still counts as cut.
bool FinishJpeg(JpegJob* job) {
  if (setjmp(job->jump)) return false;
  jpeg_finish_decompress(&job->cinfo);
  return true;
}

class ReaderGuard {
 public:
  explicit ReaderGuard(JpegJob& job) : job_(job) {}
  // Safe in every state, also before the reader was created: the memory
  // manager is still null then and there is nothing to free.
  ~ReaderGuard() { jpeg_destroy_decompress(&job_.cinfo); }
  ReaderGuard(const ReaderGuard&) = delete;
  ReaderGuard& operator=(const ReaderGuard&) = delete;

 private:
  JpegJob& job_;
};

[[noreturn]] void InvalidJpeg(const std::string& reason) {
  throw EInvalidGraphic(std::string(SInvalidImage) + " (JPEG): " + reason);
}

// Finds where one JPEG file ends in bytes that arrive piece by piece: steps
// over marker segments by their lengths and through entropy-coded data to
// the next marker, and stops just after the end-of-image marker.
class JpegExtent {
 public:
  enum class Step { NeedMore, Found, Broken };
  // `data` holds everything read so far (it only grows between calls).
  Step Advance(const uint8_t* data, size_t size);
  size_t End() const { return pos_; }

 private:
  size_t pos_ = 2;  // after the start-of-image marker, checked by the caller
  bool inData_ = false;  // in entropy-coded data (or junk), looking for a marker
};

JpegExtent::Step JpegExtent::Advance(const uint8_t* data, size_t size) {
  for (;;) {
    if (pos_ >= size || size - pos_ < 2) return Step::NeedMore;
    if (inData_) {
      // FF 00 is a stuffed FF byte and FF D0..D7 a restart marker, both part
      // of the data; FF FF is padding before a marker.
      const void* ff = std::memchr(data + pos_, 0xFF, size - pos_);
      if (!ff) {
        pos_ = size;
        return Step::NeedMore;
      }
      pos_ = static_cast<size_t>(static_cast<const uint8_t*>(ff) - data);
      if (size - pos_ < 2) return Step::NeedMore;
      const uint8_t next = data[pos_ + 1];
      if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
        pos_ += 2;
        continue;
      }
      inData_ = false;
    }
    if (data[pos_] != 0xFF) {
      // Junk between segments: libjpeg skips it to the next marker as well.
      inData_ = true;
      continue;
    }
    const uint8_t code = data[pos_ + 1];
    if (code == 0xFF) {
      ++pos_;
      continue;
    }
    if (code == 0xD9) {
      pos_ += 2;
      return Step::Found;
    }
    if (code == 0x00) {
      pos_ += 2;
      inData_ = true;
      continue;
    }
    if (code == 0x01 || (code >= 0xD0 && code <= 0xD8)) {  // markers without a segment
      pos_ += 2;
      continue;
    }
    if (size - pos_ < 4) return Step::NeedMore;
    const size_t length = (static_cast<size_t>(data[pos_ + 2]) << 8) | data[pos_ + 3];
    if (length < 2) return Step::Broken;
    pos_ += 2 + length;
    if (code == 0xDA) inData_ = true;  // a scan header is followed by its data
  }
}

}  // namespace

bool IsJpegSignature(const uint8_t* data, size_t size) {
  return data != nullptr && size >= sizeof kJpegSignature &&
         std::memcmp(data, kJpegSignature, sizeof kJpegSignature) == 0;
}

void DecodeJpeg(const uint8_t* data, size_t size, TBitmap& target) {
  if (data == nullptr || size == 0) InvalidJpeg("the JPEG data is empty");
  if (!IsJpegSignature(data, size)) InvalidJpeg("not a JPEG file");
  if (static_cast<uint64_t>(size) > static_cast<uint64_t>(kMaxJpegFileBytes)) InvalidJpeg("the file is too large");

  JpegJob job{};
  ReaderGuard guard(job);
  job.cinfo.err = jpeg_std_error(&job.err);
  job.err.error_exit = OnJpegError;
  job.err.emit_message = OnJpegMessage;
  job.cinfo.client_data = &job;  // kept by jpeg_create_decompress
  job.maxScans = kMaxScans;
  if (!CreateJpegReader(&job, data, size)) throw EOutOfResources(std::string("Cannot start the JPEG reader: ") + job.message);
  if (!ReadJpegHeader(&job)) InvalidJpeg(job.message);

  const int64_t w = job.cinfo.image_width;
  const int64_t h = job.cinfo.image_height;
  if (w <= 0 || h <= 0) InvalidJpeg("the picture is empty");
  if (w > kMaxPictureSide || h > kMaxPictureSide || w * h > kMaxPicturePixels)
    InvalidJpeg("the picture is too large (" + std::to_string(w) + " x " + std::to_string(h) + ")");
  if (job.cinfo.jpeg_color_space == JCS_CMYK || job.cinfo.jpeg_color_space == JCS_YCCK)
    InvalidJpeg("CMYK JPEG pictures are not supported");
  job.maxScans = static_cast<int>(std::min<int64_t>(kMaxScans, kMaxScanPixels / (w * h)));
  // Grey pictures are widened to three equal channels by libjpeg too.
#ifdef JCS_EXTENSIONS
  job.cinfo.out_color_space = JCS_EXT_BGR;
#else
  job.cinfo.out_color_space = JCS_RGB;
#endif
  if (!StartJpegOutput(&job)) InvalidJpeg(job.message);
  if (job.cinfo.output_width != job.cinfo.image_width || job.cinfo.output_height != job.cinfo.image_height ||
      job.cinfo.output_components != 3)
    InvalidJpeg("has an unexpected pixel layout");

  const size_t rowBytes = static_cast<size_t>(w) * 3;
  const size_t height = static_cast<size_t>(h);
  std::vector<uint8_t> pixels;
  if (!DecodeInBands(height, rowBytes, pixels, [&](uint8_t** rows, size_t n) {
        return ReadJpegRows(&job, rows, static_cast<JDIMENSION>(n));
      }))
    InvalidJpeg(job.message);
  if (!FinishJpeg(&job)) InvalidJpeg(job.message);

  TBitmap decoded(static_cast<int>(w), static_cast<int>(h));
  for (size_t y = 0; y < height; ++y) {
    const uint8_t* __restrict src = pixels.data() + rowBytes * y;
    uint8_t* __restrict dst = decoded.ScanLine(static_cast<int>(y));
#ifdef JCS_EXTENSIONS
    std::memcpy(dst, src, rowBytes);
#else
    for (size_t x = 0; x < rowBytes; x += 3) {
      dst[x] = src[x + 2];
      dst[x + 1] = src[x + 1];
      dst[x + 2] = src[x];
    }
#endif
  }
  decoded.SetPixelFormat(TPixelFormat::pf24bit);
  target.Assign(decoded);
}

// ---------------------------------------------------------------------------
// TJPEGImage

void TJPEGImage::LoadFromStream(TStream& stream) {
  // Reads up to the end-of-image marker, so that exactly one file is
  // consumed when more data follows it in the stream. A file that ends
  // before that marker is handed to the decoder as it is, which tells what
  // is missing.
  const int64_t start = stream.Position();
  std::vector<uint8_t> bytes(sizeof kJpegSignature);
  const int64_t head = stream.Read(bytes.data(), static_cast<int64_t>(bytes.size()));
  if (head <= 0) InvalidJpeg("the JPEG data is empty");
  if (head != static_cast<int64_t>(bytes.size()) || !IsJpegSignature(bytes.data(), bytes.size()))
    InvalidJpeg("not a JPEG file");

  constexpr size_t kChunkBytes = 64 * 1024;
  JpegExtent extent;
  JpegExtent::Step step = extent.Advance(bytes.data(), bytes.size());
  while (step == JpegExtent::Step::NeedMore) {
    if (static_cast<int64_t>(bytes.size()) > kMaxJpegFileBytes) InvalidJpeg("the file is too large");
    const size_t at = bytes.size();
    bytes.resize(at + kChunkBytes);
    const int64_t got = stream.Read(bytes.data() + at, static_cast<int64_t>(kChunkBytes));
    bytes.resize(at + static_cast<size_t>(std::max<int64_t>(got, 0)));
    if (got <= 0) break;
    step = extent.Advance(bytes.data(), bytes.size());
  }
  if (step == JpegExtent::Step::Broken) InvalidJpeg("a marker segment has an impossible length");
  if (step == JpegExtent::Step::Found) bytes.resize(extent.End());
  stream.SetPosition(start + static_cast<int64_t>(bytes.size()));

  TBitmap decoded;
  DecodeJpeg(bytes.data(), bytes.size(), decoded);
  bytes.shrink_to_fit();
  data_ = std::move(bytes);
  bitmap_.Assign(decoded);
}

void TJPEGImage::SaveToStream(TStream& stream) const {
  // Without an encoder there is nothing to write for a picture that was
  // never loaded; an empty file would only fail later, when read back.
  if (data_.empty()) throw EInvalidGraphic("Cannot save an empty JPEG picture");
  stream.WriteBuffer(data_.data(), static_cast<int64_t>(data_.size()));
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const {
  auto copy = std::make_unique<TJPEGImage>();
  copy->Assign(*this);
  return copy;
}

void TJPEGImage::Assign(const TPersistent& source) {
  const auto* jpeg = dynamic_cast<const TJPEGImage*>(&source);
  if (!jpeg) {
    TGraphic::Assign(source);
    return;
  }
  if (jpeg == this) return;
  data_ = jpeg->data_;
  bitmap_.Assign(jpeg->bitmap_);
  SetTransparent(jpeg->Transparent());
}

void RegisterJpegFormat() {
  for (const char* extension : {"jpg", "jpeg"})
    TPictureFormats::Register(TPictureFormat{extension, "JPEG Image File", IsJpegSignature,
                                             [] { return std::make_unique<TJPEGImage>(); }});
}
