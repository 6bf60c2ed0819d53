#include "framework/base/Streams.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"

namespace {

constexpr int64_t kCopyChunk = 64 * 1024;

// origin + offset, saturated instead of overflowing.
int64_t AddSaturated(int64_t origin, int64_t offset) {
  int64_t result;
  if (__builtin_add_overflow(origin, offset, &result))
    return offset < 0 ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
  return result;
}

// The new position of a stream of `size` bytes, kept within [0, size].
int64_t ClampedSeek(int64_t pos, int64_t size, int64_t offset, TSeekOrigin origin) {
  int64_t base = 0;
  switch (origin) {
    case TSeekOrigin::soBeginning: base = 0; break;
    case TSeekOrigin::soCurrent: base = pos; break;
    case TSeekOrigin::soEnd: base = size; break;
  }
  return std::clamp<int64_t>(AddSaturated(base, offset), 0, size);
}

// Memory streams answer reads from a byte range.
int64_t ReadFromRange(const uint8_t* data, int64_t size, int64_t& pos, void* buffer, int64_t count) {
  if (count <= 0 || pos >= size) return 0;
  const int64_t n = std::min(count, size - pos);
  std::memcpy(buffer, data + pos, static_cast<size_t>(n));
  pos += n;
  return n;
}

}  // namespace

// ---------------------------------------------------------------------------
// TStream

int64_t TStream::Size() {
  const int64_t pos = Seek(0, TSeekOrigin::soCurrent);
  const int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(pos, TSeekOrigin::soBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count == 0) return;
  if (count < 0 || Read(buffer, count) != count) throw EReadError(SReadError);
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count == 0) return;
  if (count < 0 || Write(buffer, count) != count) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  if (count < 0) throw EReadError(SReadError);
  std::vector<uint8_t> chunk(static_cast<size_t>(std::min(count, kCopyChunk)));
  int64_t left = count;
  while (left > 0) {
    const int64_t n = std::min(left, kCopyChunk);
    source.ReadBuffer(chunk.data(), n);
    WriteBuffer(chunk.data(), n);
    left -= n;
  }
  return count;
}

std::vector<uint8_t> TStream::ReadAll() {
  std::vector<uint8_t> bytes;
  const int64_t pos = Position();
  const int64_t size = Size();
  if (size > pos) {
    if (static_cast<uint64_t>(size - pos) > bytes.max_size()) throw EOutOfResources("Stream is too large");
    bytes.resize(static_cast<size_t>(size - pos));
    bytes.resize(static_cast<size_t>(Read(bytes.data(), static_cast<int64_t>(bytes.size()))));
  }
  // A stream whose size is not known up front (or grew) is read to its end.
  uint8_t chunk[4096];
  for (int64_t n; (n = Read(chunk, sizeof chunk)) > 0;) bytes.insert(bytes.end(), chunk, chunk + n);
  return bytes;
}

// ---------------------------------------------------------------------------
// TMemoryStream

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  return ReadFromRange(data_.data(), Size(), pos_, buffer, count);
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  int64_t end;
  if (__builtin_add_overflow(pos_, count, &end) || static_cast<uint64_t>(end) > data_.max_size())
    throw EOutOfResources("Stream is too large");
  try {
    if (end > Size()) data_.resize(static_cast<size_t>(end));
  } catch (const std::bad_alloc&) {
    throw EOutOfResources("Out of memory");
  }
  std::memcpy(data_.data() + pos_, buffer, static_cast<size_t>(count));
  pos_ = end;
  return count;
}

// Positions stay within the data; writing past the end needs SetSize first.
int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  pos_ = ClampedSeek(pos_, Size(), offset, origin);
  return pos_;
}

void TMemoryStream::SetSize(int64_t size) {
  if (size < 0) size = 0;
  if (static_cast<uint64_t>(size) > data_.max_size()) throw EOutOfResources("Stream is too large");
  try {
    data_.resize(static_cast<size_t>(size));
  } catch (const std::bad_alloc&) {
    throw EOutOfResources("Out of memory");
  }
  pos_ = std::min(pos_, size);
}

void TMemoryStream::Clear() {
  data_.clear();
  pos_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  data_ = source.ReadAll();
  pos_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const std::string& fileName) const {
  TFileStream file(fileName, fmCreate);
  file.WriteBuffer(data_.data(), static_cast<int64_t>(data_.size()));
}

// ---------------------------------------------------------------------------
// TReadOnlyMemoryStream

int64_t TReadOnlyMemoryStream::Read(void* buffer, int64_t count) {
  return ReadFromRange(data_, size_, pos_, buffer, count);
}

int64_t TReadOnlyMemoryStream::Write(const void*, int64_t) {
  throw EWriteError("Cannot write to a read-only stream");
}

int64_t TReadOnlyMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  pos_ = ClampedSeek(pos_, size_, offset, origin);
  return pos_;
}

// ---------------------------------------------------------------------------
// TFileStream

TFileStream::TFileStream(const std::string& fileName, unsigned mode) : fileName_(fileName) {
  const char* how;
  if ((mode & fmCreate) == fmCreate) {
    how = "w+b";
  } else {
    switch (mode & 3u) {
      case fmOpenWrite:
      case fmOpenReadWrite: how = "r+b"; break;
      default: how = "rb"; break;
    }
  }
  // Reading takes regular files only. A device never ends (/dev/zero behind
  // a link in a skin folder fills memory) and opening a named pipe waits for
  // a writer, so either would stall a reader of outside data; the path is
  // looked at before the open, which may itself block.
  const bool reading = (mode & fmCreate) != fmCreate && (mode & 3u) == fmOpenRead;
  struct stat info;
  if (reading && stat(NativePath(fileName).c_str(), &info) == 0 && !S_ISREG(info.st_mode))
    throw EFOpenError(Format(SFOpenError, {fileName}));
  file_ = std::fopen(NativePath(fileName).c_str(), how);
  // fopen happily opens a folder for reading; reading it then fails, so a
  // folder is refused here, where the error names the file.
  if (file_ && (fstat(fileno(file_), &info) != 0 || S_ISDIR(info.st_mode) || (reading && !S_ISREG(info.st_mode)))) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!file_) throw EFOpenError(Format(SFOpenError, {fileName}));
}

TFileStream::~TFileStream() {
  if (file_) std::fclose(file_);
}

void TFileStream::SwitchTo(LastOp op) {
  if (lastOp_ != LastOp::None && lastOp_ != op) std::fseek(file_, 0, SEEK_CUR);
  lastOp_ = op;
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
  if (count <= 0) return 0;
  SwitchTo(LastOp::Read);
  const size_t n = std::fread(buffer, 1, static_cast<size_t>(count), file_);
  return static_cast<int64_t>(n);
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  SwitchTo(LastOp::Write);
  const size_t n = std::fwrite(buffer, 1, static_cast<size_t>(count), file_);
  return static_cast<int64_t>(n);
}

// Positions before the start clamp to 0; past the end is allowed (as for any
// file, a write there extends it).
int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  int whence = SEEK_SET;
  int64_t base = 0;
  switch (origin) {
    case TSeekOrigin::soBeginning: break;
    case TSeekOrigin::soCurrent: base = ftello(file_); break;
    case TSeekOrigin::soEnd: {
      struct stat info;
      std::fflush(file_);
      base = fstat(fileno(file_), &info) == 0 ? static_cast<int64_t>(info.st_size) : 0;
      break;
    }
  }
  const int64_t target = std::max<int64_t>(AddSaturated(base, offset), 0);
  lastOp_ = LastOp::None;
  if (fseeko(file_, static_cast<off_t>(target), whence) != 0) return ftello(file_);
  return target;
}

std::vector<uint8_t> ReadFileBytes(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  return file.ReadAll();
}

void WriteFileBytes(const std::string& fileName, const std::vector<uint8_t>& bytes) {
  TFileStream file(fileName, fmCreate);
  file.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}
