// The zip directory reader: archives made byte by byte here, read back
// field by field, cut short anywhere, and lying about their sizes.
#include "archives/ZipFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/base/Streams.h"

namespace {

using TBytes = std::vector<uint8_t>;

void Put16(TBytes& b, uint32_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(TBytes& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
void Put(TBytes& b, const std::string& s) { b.insert(b.end(), s.begin(), s.end()); }

struct TEntry {
  std::string Name;
  std::string Data;
  uint32_t SizeClaimed = 0xFFFFFFFF;  // as stored; all ones: the real size
};

// A stored-only archive: local headers, central headers, end record.
TBytes Archive(const std::vector<TEntry>& entries, const std::string& comment = "", int extraCentral = 0) {
  TBytes zip, central;
  uint32_t index = 0;
  for (const TEntry& e : entries) {
    const uint32_t size = e.SizeClaimed == 0xFFFFFFFF ? static_cast<uint32_t>(e.Data.size()) : e.SizeClaimed;
    const uint32_t offset = static_cast<uint32_t>(zip.size());
    auto common = [&](TBytes& b) {
      Put16(b, 20), Put16(b, 2 + index), Put16(b, 0), Put16(b, 0x6000), Put16(b, 0x5588);
      Put32(b, 0xC0FFEE00 + index), Put32(b, size), Put32(b, size + 1);
      Put16(b, static_cast<uint32_t>(e.Name.size())), Put16(b, 2);
    };
    Put32(zip, kLocalFileSignature);
    common(zip);
    Put(zip, e.Name);
    Put(zip, "LX");
    Put(zip, e.Data);
    for (int copy = 0; copy < 1 + (index == 0 ? extraCentral : 0); ++copy) {
      Put32(central, kCentralFileSignature);
      Put16(central, 0x0314);
      common(central);
      Put16(central, 3), Put16(central, 0), Put16(central, 1), Put32(central, 0x81A40000), Put32(central, offset);
      Put(central, e.Name);
      Put(central, "CX");
      Put(central, "abc");
    }
    ++index;
  }
  const uint32_t centralOffset = static_cast<uint32_t>(zip.size());
  zip.insert(zip.end(), central.begin(), central.end());
  Put32(zip, kEndOfDirectorySignature);
  Put16(zip, 0), Put16(zip, 0), Put16(zip, index), Put16(zip, index);
  Put32(zip, static_cast<uint32_t>(central.size())), Put32(zip, centralOffset);
  Put16(zip, static_cast<uint32_t>(comment.size()));
  Put(zip, comment);
  return zip;
}

TZipFile Read(const TBytes& bytes) {
  TReadOnlyMemoryStream stream(bytes.data(), bytes.size());
  TZipFile zip;
  ReadZipDirectory(zip, stream);
  return zip;
}

std::string Text(const std::vector<uint8_t>& b) { return std::string(b.begin(), b.end()); }

}  // namespace

// Every field comes back where the archive put it; local names turn
// backslashes into slashes, central names keep them.
TEST(ZipFileTest, StoredEntriesReadBackFieldByField) {
  const TBytes bytes = Archive({{"art\\icons\\a.png", "PNGDATA"}, {"b.txt", "hello"}}, "made here");
  const TZipFile zip = Read(bytes);
  ASSERT_EQ(zip.LocalFiles.size(), 2u);
  ASSERT_EQ(zip.CentralFiles.size(), 2u);
  const TLocalFile& a = zip.LocalFiles[0];
  EXPECT_EQ(a.Signature, kLocalFileSignature);
  EXPECT_EQ(a.VersionNeeded, 20);
  EXPECT_EQ(a.Flags, 2);
  EXPECT_EQ(a.ModificationTime, 0x6000);
  EXPECT_EQ(a.ModificationDate, 0x5588);
  EXPECT_EQ(a.Crc32, 0xC0FFEE00u);
  EXPECT_EQ(a.CompressedSize, 7u);
  EXPECT_EQ(a.UncompressedSize, 8u);
  EXPECT_EQ(a.NameLength, 15);
  EXPECT_EQ(a.Name, "art/icons/a.png");
  EXPECT_EQ(Text(a.Extra), "LX");
  EXPECT_EQ(Text(a.Data), "PNGDATA");
  EXPECT_EQ(Text(zip.LocalFiles[1].Data), "hello");

  const TFileHeader& c = zip.CentralFiles[0];
  EXPECT_EQ(c.Signature, kCentralFileSignature);
  EXPECT_EQ(c.VersionMadeBy, 0x0314);
  EXPECT_EQ(c.CompressedSize, 7u);
  EXPECT_EQ(c.CommentLength, 3);
  EXPECT_EQ(c.InternalAttributes, 1);
  EXPECT_EQ(c.ExternalAttributes, 0x81A40000u);
  EXPECT_EQ(c.LocalHeaderOffset, 0u);
  EXPECT_EQ(c.Name, "art\\icons\\a.png");
  EXPECT_EQ(Text(c.Extra), "CX");
  EXPECT_EQ(Text(c.Comment), "abc");
  EXPECT_EQ(zip.CentralFiles[1].Crc32, 0xC0FFEE01u);

  EXPECT_EQ(zip.EndSignature, kEndOfDirectorySignature);
  EXPECT_EQ(zip.TotalEntries, 2);
  EXPECT_EQ(zip.EntriesOnThisDisk, 2);
  EXPECT_EQ(zip.CentralDirectoryOffset, static_cast<uint32_t>(30 * 2 + 15 + 5 + 2 * 2 + 7 + 5));
  EXPECT_EQ(zip.CommentLength, 9);
  EXPECT_EQ(Text(zip.Comment), "made here");
}

// Where the search for the first header ends: at the end of the stream
// (even right after a signature), and in steps of a word from the start.
TEST(ZipFileTest, TheFirstLocalHeaderIsFoundOnlyWhereItCanBe) {
  TBytes onlySignature;
  Put32(onlySignature, kLocalFileSignature);
  EXPECT_TRUE(Read(onlySignature).LocalFiles.empty());
  EXPECT_TRUE(Read({}).LocalFiles.empty());
  EXPECT_TRUE(Read(TBytes(4096, 0x50)).LocalFiles.empty()) << "no header at all";

  const TBytes zip = Archive({{"a", "1"}});
  TBytes aligned(8, 0);
  aligned.insert(aligned.end(), zip.begin(), zip.end());
  EXPECT_EQ(Read(aligned).LocalFiles.size(), 1u) << "after two words of something else";
  TBytes unaligned(3, 0);
  unaligned.insert(unaligned.end(), zip.begin(), zip.end());
  const TZipFile none = Read(unaligned);
  EXPECT_TRUE(none.LocalFiles.empty()) << "the search moves a word at a time";
  EXPECT_EQ(none.EndSignature, 0u);
}

// Cut at every length, an archive gives the entries read so far: never more
// bytes than the stream holds, both arrays of one size, and what the cut
// took away zero rather than left over from anywhere.
TEST(ZipFileTest, ArchivesCutAnywhereGiveWhatWasThere) {
  const TBytes whole = Archive({{"first.bin", std::string(40, 'x')}, {"second\\one", "yz"}}, "end");
  const TZipFile full = Read(whole);
  for (size_t cut = 0; cut <= whole.size(); ++cut) {
    const TZipFile zip = Read(TBytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut)));
    SCOPED_TRACE(cut);
    ASSERT_EQ(zip.LocalFiles.size(), zip.CentralFiles.size());
    ASSERT_LE(zip.LocalFiles.size(), 2u);
    for (size_t i = 0; i < zip.LocalFiles.size(); ++i) {
      const TLocalFile& f = zip.LocalFiles[i];
      EXPECT_LE(f.Data.size(), full.LocalFiles[i].Data.size());
      EXPECT_EQ(Text(f.Data), Text(full.LocalFiles[i].Data).substr(0, f.Data.size())) << "only real bytes";
      EXPECT_TRUE(f.CompressedSize == full.LocalFiles[i].CompressedSize || f.CompressedSize == 0 ||
                  f.Data.empty())
          << "a size is the archive's or, where cut off, zero";
    }
    if (zip.EndSignature != 0) {
      // The count of entries is the end record's bytes 10 and 11; its low byte says 2.
      const size_t endRecord = whole.size() - 22 - 3;
      EXPECT_EQ(zip.TotalEntries, cut >= endRecord + 11 ? 2 : 0);
      EXPECT_EQ(Text(zip.Comment), std::string("end").substr(0, zip.Comment.size()));
    } else {
      EXPECT_TRUE(zip.Comment.empty());
      EXPECT_EQ(zip.TotalEntries, 0);
    }
  }
  EXPECT_EQ(full.LocalFiles.size(), 2u);
}

// Sizes that claim gigabytes in an archive of a few bytes allocate only
// what is there.
TEST(ZipFileTest, HugeClaimedSizesAllocateOnlyWhatTheStreamHolds) {
  const TBytes bytes = Archive({{"big", "tiny", 0xFFFFFFF0u}});
  const TZipFile zip = Read(bytes);
  ASSERT_EQ(zip.LocalFiles.size(), 1u);
  EXPECT_EQ(zip.LocalFiles[0].CompressedSize, 0xFFFFFFF0u);
  EXPECT_LE(zip.LocalFiles[0].Data.size(), bytes.size());
  EXPECT_EQ(zip.EndSignature, 0u) << "the data ran to the end, so no end record follows";
}

// More central headers than local ones: the extra ones are read and
// dropped, and the end record behind them is still found.
TEST(ZipFileTest, ExtraCentralHeadersAreDroppedAndTheEndRecordStillRead) {
  const TZipFile zip = Read(Archive({{"only", "1"}}, "tail", 2));
  EXPECT_EQ(zip.LocalFiles.size(), 1u);
  EXPECT_EQ(zip.CentralFiles.size(), 1u);
  EXPECT_EQ(zip.CentralFiles[0].Name, "only");
  EXPECT_EQ(zip.EndSignature, kEndOfDirectorySignature);
  EXPECT_EQ(Text(zip.Comment), "tail");
}
