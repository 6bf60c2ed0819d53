// Byte streams: the framework's reading and writing abstraction for files,
// memory and compiled-in resources.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
 public:
  virtual ~TStream() = default;
  // Reads up to `count` bytes; answers how many were read (fewer at the end).
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(int64_t pos) { Seek(pos, TSeekOrigin::soBeginning); }
  virtual int64_t Size();

  // Read exactly `count` bytes or throw EReadError.
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  // Copies `count` bytes from `source` (all of it from its start when count is 0).
  int64_t CopyFrom(TStream& source, int64_t count);
  // The rest of the stream from the current position.
  std::vector<uint8_t> ReadAll();
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> bytes) : data_(std::move(bytes)) {}
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return static_cast<int64_t>(data_.size()); }
  void SetSize(int64_t size);
  void Clear();
  const std::vector<uint8_t>& Bytes() const { return data_; }
  std::vector<uint8_t>& Bytes() { return data_; }
  void LoadFromStream(TStream& source);
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

 private:
  std::vector<uint8_t> data_;
  int64_t pos_ = 0;
};

// A read-only view of bytes owned elsewhere (compiled-in resources).
class TReadOnlyMemoryStream : public TStream {
 public:
  TReadOnlyMemoryStream(const uint8_t* data, size_t size) : data_(data), size_(static_cast<int64_t>(size)) {}
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;  // throws EWriteError
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return size_; }

 private:
  const uint8_t* data_;
  int64_t size_;
  int64_t pos_ = 0;
};

enum TFileMode : unsigned {
  fmOpenRead = 0x0000,
  fmOpenWrite = 0x0001,
  fmOpenReadWrite = 0x0002,
  fmShareDenyWrite = 0x0020,
  fmCreate = 0xFF00,
};

class TFileStream : public TStream {
 public:
  // Throws EFOpenError "Cannot open file <name>" (the name as given) when the
  // file cannot be opened.
  TFileStream(const std::string& fileName, unsigned mode);
  ~TFileStream() override;
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  const std::string& FileName() const { return fileName_; }

 private:
  // stdio needs a seek between a write and a following read (and back).
  enum class LastOp { None, Read, Write };
  void SwitchTo(LastOp op);
  std::string fileName_;
  std::FILE* file_ = nullptr;
  LastOp lastOp_ = LastOp::None;
};

std::vector<uint8_t> ReadFileBytes(const std::string& fileName);  // throws EFOpenError
void WriteFileBytes(const std::string& fileName, const std::vector<uint8_t>& bytes);
