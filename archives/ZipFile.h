// The directory of a zip archive as it is read into memory: every local
// file header with its name, extra field and still compressed data, every
// central directory header, and the end-of-central-directory record.
// Nothing is inflated and no CRC is checked: a program that preloads an
// archive only keeps its entries at hand.
//
// Numbers are little-endian, as the zip format stores them. The sizes of
// an entry come from its local header, so archives that put them into a
// trailing data descriptor (flag bit 3), multi-disk and 64-bit archives are
// not read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TStream;

inline constexpr uint32_t kLocalFileSignature = 0x04034B50;
inline constexpr uint32_t kCentralFileSignature = 0x02014B50;
inline constexpr uint32_t kEndOfDirectorySignature = 0x06054B50;

struct TLocalFile {
  uint32_t Signature = 0;
  uint16_t VersionNeeded = 0;
  uint16_t Flags = 0;
  uint16_t Method = 0;  // 0 stored, 8 deflated
  uint16_t ModificationTime = 0;
  uint16_t ModificationDate = 0;
  uint32_t Crc32 = 0;
  uint32_t CompressedSize = 0;
  uint32_t UncompressedSize = 0;
  uint16_t NameLength = 0;
  uint16_t ExtraLength = 0;
  std::string Name;  // every '\' turned into '/'
  std::vector<uint8_t> Extra;
  std::vector<uint8_t> Data;  // the entry's bytes as stored
};

struct TFileHeader {
  uint32_t Signature = 0;
  uint16_t VersionMadeBy = 0;
  uint16_t VersionNeeded = 0;
  uint16_t Flags = 0;
  uint16_t Method = 0;
  uint16_t ModificationTime = 0;
  uint16_t ModificationDate = 0;
  uint32_t Crc32 = 0;
  uint32_t CompressedSize = 0;
  uint32_t UncompressedSize = 0;
  uint16_t NameLength = 0;
  uint16_t ExtraLength = 0;
  uint16_t CommentLength = 0;
  uint16_t DiskNumberStart = 0;
  uint16_t InternalAttributes = 0;
  uint32_t ExternalAttributes = 0;
  uint32_t LocalHeaderOffset = 0;
  std::string Name;  // as stored
  std::vector<uint8_t> Extra;
  std::vector<uint8_t> Comment;
};

class TZipFile {
 public:
  // One per local header, in archive order.
  std::vector<TLocalFile> LocalFiles;
  // One per central header, in archive order; always as many as LocalFiles
  // (a local entry without a central one keeps a zero-filled header).
  std::vector<TFileHeader> CentralFiles;

  // The end record; EndSignature stays 0 when none was read.
  uint32_t EndSignature = 0;
  uint16_t DiskNumber = 0;
  uint16_t CentralDirectoryDisk = 0;
  uint16_t EntriesOnThisDisk = 0;
  uint16_t TotalEntries = 0;
  uint32_t CentralDirectorySize = 0;
  uint32_t CentralDirectoryOffset = 0;
  uint16_t CommentLength = 0;
  std::vector<uint8_t> Comment;
};

// Fills an empty directory from the stream's current position. The first
// local header must start at a multiple of 4 bytes from there; an archive
// without one gives an empty directory, and one cut short gives the entries
// read so far, with whatever the end cut off left zero (names and fields
// alike). No length in the archive makes this allocate more than the
// stream still holds. Central headers beyond the local ones are read and
// dropped, so the end record behind them is still found.
void ReadZipDirectory(TZipFile& zip, TStream& stream);
