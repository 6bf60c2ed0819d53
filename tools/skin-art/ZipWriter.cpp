#include <zlib.h>

#include <stdexcept>

#include "Archives.h"

namespace {

// One fixed moment for every entry, so two runs write the same bytes:
// 8 December 2026, 12:00, in the zip format's packed DOS form.
constexpr uint16_t kDosDate = (2026 - 1980) << 9 | 12 << 5 | 8;
constexpr uint16_t kDosTime = 12 << 11;
constexpr uint16_t kVersion = 20;  // 2.0: deflate and folders

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void PutBytes(std::vector<uint8_t>& out, const std::string& s) { out.insert(out.end(), s.begin(), s.end()); }

}  // namespace

std::vector<uint8_t> RawDeflate(const std::vector<uint8_t>& bytes) {
  z_stream z{};
  if (deflateInit2(&z, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
    throw std::runtime_error("cannot start deflate");
  std::vector<uint8_t> out(deflateBound(&z, static_cast<uLong>(bytes.size())));
  z.next_in = const_cast<Bytef*>(bytes.data());
  z.avail_in = static_cast<uInt>(bytes.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  const int result = deflate(&z, Z_FINISH);
  deflateEnd(&z);
  if (result != Z_STREAM_END) throw std::runtime_error("cannot deflate");
  out.resize(z.total_out);
  return out;
}

std::vector<uint8_t> BuildZip(const std::vector<TArchiveFile>& files, size_t totalSize,
                              const std::string& commentFill) {
  std::vector<uint8_t> zip, central;
  for (const TArchiveFile& f : files) {
    const std::vector<uint8_t> data = f.Deflate ? RawDeflate(f.Bytes) : f.Bytes;
    const auto crc = static_cast<uint32_t>(crc32(0L, f.Bytes.data(), static_cast<uInt>(f.Bytes.size())));
    const auto offset = static_cast<uint32_t>(zip.size());
    auto common = [&](std::vector<uint8_t>& out) {
      Put16(out, kVersion);
      Put16(out, 0);  // flags
      Put16(out, f.Deflate ? 8 : 0);
      Put16(out, kDosTime);
      Put16(out, kDosDate);
      Put32(out, crc);
      Put32(out, static_cast<uint32_t>(data.size()));
      Put32(out, static_cast<uint32_t>(f.Bytes.size()));
      Put16(out, static_cast<uint32_t>(f.Name.size()));
      Put16(out, 0);  // extra length
    };
    Put32(zip, 0x04034B50);
    common(zip);
    PutBytes(zip, f.Name);
    zip.insert(zip.end(), data.begin(), data.end());

    Put32(central, 0x02014B50);
    Put16(central, kVersion);  // made by
    common(central);
    Put16(central, 0);  // comment length
    Put16(central, 0);  // disk number start
    Put16(central, 0);  // internal attributes
    Put32(central, 0);  // external attributes
    Put32(central, offset);
    PutBytes(central, f.Name);
  }
  const auto centralOffset = static_cast<uint32_t>(zip.size());
  zip.insert(zip.end(), central.begin(), central.end());
  constexpr size_t kEndRecord = 22;
  std::string comment;
  if (totalSize > zip.size() + kEndRecord)
    while (comment.size() < totalSize - zip.size() - kEndRecord) comment += commentFill;
  if (totalSize > zip.size() + kEndRecord) comment.resize(totalSize - zip.size() - kEndRecord);
  Put32(zip, 0x06054B50);
  Put16(zip, 0);  // this disk
  Put16(zip, 0);  // the central directory's disk
  Put16(zip, static_cast<uint32_t>(files.size()));
  Put16(zip, static_cast<uint32_t>(files.size()));
  Put32(zip, static_cast<uint32_t>(central.size()));
  Put32(zip, centralOffset);
  Put16(zip, static_cast<uint32_t>(comment.size()));
  PutBytes(zip, comment);
  return zip;
}
