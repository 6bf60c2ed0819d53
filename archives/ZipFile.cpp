#include "archives/ZipFile.h"

#include <algorithm>
#include <cstring>

#include "framework/base/Streams.h"

namespace {

// Reads little-endian fields from a stream. A read that the end of the
// stream cuts short leaves the rest of its target zero, never stale.
class TFieldReader {
 public:
  explicit TFieldReader(TStream& stream) : stream_(stream), size_(stream.Size()) {}

  bool AtEnd() { return stream_.Position() >= size_; }

  // Up to 4 bytes of a signature word; answers how many were there.
  int64_t Signature(uint32_t& word) {
    uint8_t bytes[4] = {};
    const int64_t got = stream_.Read(bytes, 4);
    word = Little(bytes, 4);
    return got;
  }
  uint16_t U16() {
    uint8_t bytes[2] = {};
    stream_.Read(bytes, 2);
    return static_cast<uint16_t>(Little(bytes, 2));
  }
  uint32_t U32() {
    uint8_t bytes[4] = {};
    stream_.Read(bytes, 4);
    return Little(bytes, 4);
  }
  // `count` bytes, but never more than the stream still holds: a length
  // field is outside data and may be anything.
  std::vector<uint8_t> Bytes(uint32_t count) {
    const int64_t left = std::max<int64_t>(0, size_ - stream_.Position());
    std::vector<uint8_t> bytes(static_cast<size_t>(std::min<int64_t>(count, left)));
    if (!bytes.empty()) stream_.Read(bytes.data(), static_cast<int64_t>(bytes.size()));
    return bytes;
  }
  std::string Text(uint16_t count) {
    const std::vector<uint8_t> bytes = Bytes(count);
    return std::string(bytes.begin(), bytes.end());
  }

 private:
  static uint32_t Little(const uint8_t* b, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | b[i];
    return v;
  }
  TStream& stream_;
  int64_t size_;
};

// The fields from "version needed" to "extra length", which local and
// central headers share in this order.
template <class Header>
void ReadCommonFields(TFieldReader& in, Header& h) {
  h.VersionNeeded = in.U16();
  h.Flags = in.U16();
  h.Method = in.U16();
  h.ModificationTime = in.U16();
  h.ModificationDate = in.U16();
  h.Crc32 = in.U32();
  h.CompressedSize = in.U32();
  h.UncompressedSize = in.U32();
  h.NameLength = in.U16();
  h.ExtraLength = in.U16();
}

TLocalFile ReadLocalFile(TFieldReader& in) {
  TLocalFile f;
  f.Signature = kLocalFileSignature;
  ReadCommonFields(in, f);
  f.Name = in.Text(f.NameLength);
  std::replace(f.Name.begin(), f.Name.end(), '\\', '/');
  f.Extra = in.Bytes(f.ExtraLength);
  f.Data = in.Bytes(f.CompressedSize);
  return f;
}

TFileHeader ReadCentralFile(TFieldReader& in) {
  TFileHeader h;
  h.Signature = kCentralFileSignature;
  h.VersionMadeBy = in.U16();
  ReadCommonFields(in, h);
  h.CommentLength = in.U16();
  h.DiskNumberStart = in.U16();
  h.InternalAttributes = in.U16();
  h.ExternalAttributes = in.U32();
  h.LocalHeaderOffset = in.U32();
  h.Name = in.Text(h.NameLength);
  h.Extra = in.Bytes(h.ExtraLength);
  h.Comment = in.Bytes(h.CommentLength);
  return h;
}

}  // namespace

void ReadZipDirectory(TZipFile& zip, TStream& stream) {
  TFieldReader in(stream);
  uint32_t word = 0;
  // The first local header, looked for in steps of a word. Reaching the
  // end of the stream ends the search with an empty directory, even on a
  // signature: a header with nothing behind it holds no entry.
  do {
    if (in.Signature(word) < 4 || in.AtEnd()) return;
  } while (word != kLocalFileSignature);

  while (word == kLocalFileSignature) {
    zip.LocalFiles.push_back(ReadLocalFile(in));
    zip.CentralFiles.emplace_back();
    in.Signature(word);
  }
  for (size_t i = 0; word == kCentralFileSignature; ++i) {
    TFileHeader header = ReadCentralFile(in);
    if (i < zip.CentralFiles.size()) zip.CentralFiles[i] = std::move(header);
    in.Signature(word);
  }
  if (word != kEndOfDirectorySignature) return;
  zip.EndSignature = word;
  zip.DiskNumber = in.U16();
  zip.CentralDirectoryDisk = in.U16();
  zip.EntriesOnThisDisk = in.U16();
  zip.TotalEntries = in.U16();
  zip.CentralDirectorySize = in.U32();
  zip.CentralDirectoryOffset = in.U32();
  zip.CommentLength = in.U16();
  zip.Comment = in.Bytes(zip.CommentLength);
}
