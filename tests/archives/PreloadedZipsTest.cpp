// The list of preloaded archives: loading from streams and files, names
// unique without regard to ASCII case, replacement in place.
#include "archives/PreloadedZips.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "framework/base/Exceptions.h"
#include "framework/base/Streams.h"

namespace {

// The smallest archive with one stored entry named `name`.
std::vector<uint8_t> OneEntry(const std::string& name) {
  std::vector<uint8_t> b = {0x50, 0x4B, 0x03, 0x04, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                            1,    0,    0,    0,    1,  0, 0, 0};
  b.push_back(static_cast<uint8_t>(name.size()));
  b.insert(b.end(), {0, 0, 0});
  b.insert(b.end(), name.begin(), name.end());
  b.push_back('!');
  b.insert(b.end(), {0x50, 0x4B, 0x05, 0x06});
  b.resize(b.size() + 18, 0);
  return b;
}

TZipFile* LoadBytes(const std::vector<uint8_t>& bytes, const std::string& fullName, int32_t tag) {
  TMemoryStream stream(bytes);
  return LoadArchive(&stream, fullName, tag);
}

class PreloadedZipsTest : public ::testing::Test {
 protected:
  void SetUp() override { CreatePreloadedZipFiles(); }
  void TearDown() override { FreePreloadedZipFiles(); }
};

}  // namespace

// An archive loaded again under a name that differs only in case takes the
// old one's place: one entry, the new directory, the order kept.
TEST_F(PreloadedZipsTest, SameNameInAnyCaseReplacesInPlace) {
  LoadBytes(OneEntry("first"), "C:\\skins\\_general.zip", 0);
  LoadBytes(OneEntry("other"), "other.zip", 7);
  TZipFile* again = LoadBytes(OneEntry("second"), "D:_GENERAL.ZIP", 3);
  TQorPreloadedZipFileList& list = *PreloadedZipFiles();
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Find("_general.zip"), 0);
  EXPECT_EQ(list.Items(0).Name, "_GENERAL.ZIP");
  EXPECT_EQ(list.Items(0).FullName, "D:_GENERAL.ZIP");
  EXPECT_EQ(list.Items(0).Tag, 3);
  EXPECT_EQ(list.Items(0).Zip.get(), again);
  EXPECT_EQ(again->LocalFiles.at(0).Name, "second");
  EXPECT_EQ(list.Items(1).Name, "other.zip");
  // Only ASCII letters fold: other bytes must match exactly.
  EXPECT_EQ(list.Find("ÄTHER.ZIP"), -1);
  // The list keeps its names unique whoever fills it.
  EXPECT_THROW(list.Add(std::make_unique<TQorPreloadedZipFile>("x/OTHER.zip", 0)), EInvalidOperation);
  EXPECT_THROW(list.Replace(0, std::make_unique<TQorPreloadedZipFile>("Other.Zip", 0)), EInvalidOperation);
  EXPECT_THROW(list.Replace(5, std::make_unique<TQorPreloadedZipFile>("new.zip", 0)), EListError);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

// Without a stream the named file is read; a file that is not there gives
// nothing and leaves the list as it was.
TEST_F(PreloadedZipsTest, FilesAreReadByNameAndMissingOnesGiveNothing) {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("sortarium-zip-" + std::to_string(::getpid()) + ".zip");
  WriteFileBytes(file.string(), OneEntry("inside"));
  TZipFile* zip = LoadArchive(nullptr, file.string(), 1);
  ASSERT_NE(zip, nullptr);
  EXPECT_EQ(zip->LocalFiles.at(0).Name, "inside");
  EXPECT_EQ(PreloadedZipFiles()->Items(0).Name, file.filename().string());
  std::filesystem::remove(file);
  EXPECT_EQ(LoadArchive(nullptr, file.string(), 1), nullptr);
  EXPECT_EQ(PreloadedZipFiles()->Count(), 1);
}
