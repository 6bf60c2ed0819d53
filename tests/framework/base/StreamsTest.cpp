#include "framework/base/Streams.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <limits>

#include "framework/base/Exceptions.h"
#include "framework/base/Persistent.h"

namespace {

namespace fs = std::filesystem;

class StreamsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("streams_test_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
};

std::vector<uint8_t> Sequence(size_t n) {
  std::vector<uint8_t> v(n);
  for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(i * 7 + 3);
  return v;
}

TEST_F(StreamsTest, MemoryStreamReadsWritesAndGrows) {
  TMemoryStream s;
  const uint8_t abc[] = {'a', 'b', 'c'};
  s.WriteBuffer(abc, 3);
  EXPECT_EQ(s.Size(), 3);
  EXPECT_EQ(s.Position(), 3);
  s.SetPosition(1);
  const uint8_t xy[] = {'x', 'y', 'z', 'w'};
  s.WriteBuffer(xy, 4);  // overwrites "bc" and grows by two
  EXPECT_EQ(s.Bytes(), (std::vector<uint8_t>{'a', 'x', 'y', 'z', 'w'}));
  s.SetPosition(0);
  uint8_t out[8] = {};
  EXPECT_EQ(s.Read(out, 8), 5) << "a read past the end answers what is there";
  EXPECT_EQ(s.Read(out, 8), 0);
  s.SetSize(2);
  EXPECT_EQ(s.Position(), 2) << "shrinking pulls the position in";
  s.Clear();
  EXPECT_EQ(s.Size(), 0);
  EXPECT_EQ(s.Position(), 0);
}

TEST_F(StreamsTest, SeeksClampToTheData) {
  TMemoryStream m(Sequence(10));
  const uint8_t data[4] = {1, 2, 3, 4};
  TReadOnlyMemoryStream r(data, 4);
  const struct {
    int64_t offset;
    TSeekOrigin origin;
    int64_t memoryPos;  // within 10 bytes
    int64_t viewPos;    // within 4 bytes
  } cases[] = {
      {3, TSeekOrigin::soBeginning, 3, 3},
      {-5, TSeekOrigin::soBeginning, 0, 0},
      {100, TSeekOrigin::soBeginning, 10, 4},
      {-2, TSeekOrigin::soEnd, 8, 2},
      {std::numeric_limits<int64_t>::max(), TSeekOrigin::soEnd, 10, 4},
      {std::numeric_limits<int64_t>::min(), TSeekOrigin::soEnd, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(m.Seek(c.offset, c.origin), c.memoryPos) << c.offset;
    EXPECT_EQ(r.Seek(c.offset, c.origin), c.viewPos) << c.offset;
  }
  m.SetPosition(4);
  EXPECT_EQ(m.Seek(std::numeric_limits<int64_t>::max(), TSeekOrigin::soCurrent), 10) << "no overflow";
  m.SetPosition(4);
  EXPECT_EQ(m.Seek(-3, TSeekOrigin::soCurrent), 1);
}

TEST_F(StreamsTest, NegativeAndHugeCountsAreHarmless) {
  TMemoryStream m(Sequence(4));
  uint8_t out[4];
  EXPECT_EQ(m.Read(out, -1), 0);
  EXPECT_EQ(m.Write(out, -1), 0);
  EXPECT_EQ(m.Read(out, std::numeric_limits<int64_t>::max()), 4) << "the buffer is only filled with what exists";
  m.SetPosition(0);
  EXPECT_THROW(m.ReadBuffer(out, -1), EReadError);
  EXPECT_THROW(m.WriteBuffer(out, -1), EWriteError);
  m.SetPosition(2);
  EXPECT_THROW(m.Write(out, std::numeric_limits<int64_t>::max()), EOutOfResources);
  EXPECT_EQ(m.Size(), 4);
}

TEST_F(StreamsTest, ReadBufferShortReadFailsWithTheFrameworkMessage) {
  TMemoryStream m(Sequence(3));
  uint8_t out[4];
  try {
    m.ReadBuffer(out, 4);
    FAIL() << "a short read went unnoticed";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Failed to Load Stream");
  }
}

TEST_F(StreamsTest, ReadOnlyStreamRefusesWrites) {
  const uint8_t data[] = {9, 8, 7};
  TReadOnlyMemoryStream r(data, sizeof data);
  EXPECT_THROW(r.Write(data, 1), EWriteError);
  EXPECT_EQ(r.ReadAll(), (std::vector<uint8_t>{9, 8, 7}));
  r.SetPosition(1);
  EXPECT_EQ(r.ReadAll(), (std::vector<uint8_t>{8, 7}));
}

TEST_F(StreamsTest, CopyFromCopiesAllOrPart) {
  TMemoryStream source(Sequence(200000));  // more than one internal chunk
  source.SetPosition(5000);
  TMemoryStream whole;
  EXPECT_EQ(whole.CopyFrom(source, 0), 200000) << "count 0 copies from the start";
  EXPECT_EQ(whole.Bytes(), source.Bytes());

  source.SetPosition(10);
  TMemoryStream slice;
  EXPECT_EQ(slice.CopyFrom(source, 5), 5);
  EXPECT_EQ(slice.Bytes(), std::vector<uint8_t>(source.Bytes().begin() + 10, source.Bytes().begin() + 15));

  source.SetPosition(199990);
  TMemoryStream tooMuch;
  EXPECT_THROW(tooMuch.CopyFrom(source, 20), EReadError);
}

TEST_F(StreamsTest, FileStreamRoundTripAndModes) {
  const std::string name = PathOf("data.bin");
  const std::vector<uint8_t> bytes = Sequence(100000);
  WriteFileBytes(name, bytes);
  EXPECT_EQ(ReadFileBytes(name), bytes);
  {
    TFileStream f(name, fmOpenRead);
    EXPECT_EQ(f.Size(), 100000);
    EXPECT_EQ(f.FileName(), name);
    f.SetPosition(99998);
    uint8_t tail[4];
    EXPECT_EQ(f.Read(tail, 4), 2);
    EXPECT_EQ(tail[0], bytes[99998]);
    EXPECT_EQ(f.Seek(-10, TSeekOrigin::soBeginning), 0) << "clamped to the start";
    f.ReadBuffer(tail, 4);
    EXPECT_EQ(tail[3], bytes[3]);
    EXPECT_EQ(f.Seek(-3, TSeekOrigin::soEnd), 99997);
    EXPECT_THROW(f.ReadBuffer(tail, 4), EReadError);
  }
  // fmCreate truncates an existing file.
  { TFileStream f(name, fmCreate); }
  EXPECT_TRUE(ReadFileBytes(name).empty());
}

TEST_F(StreamsTest, FileStreamReadWriteSwitchesDirection) {
  const std::string name = PathOf("rw.bin");
  WriteFileBytes(name, {1, 2, 3, 4, 5, 6});
  {
    TFileStream f(name, fmOpenReadWrite);
    uint8_t two[2];
    f.ReadBuffer(two, 2);
    EXPECT_EQ(two[1], 2);
    const uint8_t patch[] = {0xAA, 0xBB};
    f.WriteBuffer(patch, 2);  // lands at offset 2, right after the read
    f.ReadBuffer(two, 2);     // and reading goes on after the write
    EXPECT_EQ(two[0], 5);
    f.Seek(0, TSeekOrigin::soEnd);
    f.WriteBuffer(patch, 1);
    EXPECT_EQ(f.Size(), 7);
  }
  EXPECT_EQ(ReadFileBytes(name), (std::vector<uint8_t>{1, 2, 0xAA, 0xBB, 5, 6, 0xAA}));
}

TEST_F(StreamsTest, OpenFailureNamesTheFileAsGiven) {
  const std::string missing = PathOf("no such file.txt");
  // Reading a device or a named pipe would never end or never start.
  const std::string pipe = PathOf("pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const struct {
    std::string name;
    unsigned mode;
  } cases[] = {
      {missing, fmOpenRead},
      {missing, fmOpenReadWrite},
      {"relative/missing.bmp", fmOpenRead | fmShareDenyWrite},
      {dir_.string(), fmOpenRead},  // a folder cannot be opened as a file
      {"/dev/zero", fmOpenRead | fmShareDenyWrite},
      {pipe, fmOpenRead},
      {PathOf("no/dir/out.bin"), fmCreate},
  };
  for (const auto& c : cases) {
    try {
      TFileStream f(c.name, c.mode);
      ADD_FAILURE() << "opened " << c.name;
    } catch (const EFOpenError& e) {
      EXPECT_EQ(e.Message(), "Cannot open file " + c.name);
      EXPECT_STREQ(e.ClassName(), "EFOpenError");
    }
  }
  EXPECT_THROW(ReadFileBytes(missing), EFOpenError);
  EXPECT_NO_THROW(TFileStream("/dev/null", fmOpenWrite)) << "writing to a device stays allowed";
  TMemoryStream m;
  EXPECT_THROW(m.LoadFromFile(missing), EFOpenError);
}

TEST_F(StreamsTest, MemoryStreamFileHelpers) {
  const std::string name = PathOf("mem.bin");
  TMemoryStream out(Sequence(1000));
  out.SaveToFile(name);
  TMemoryStream in;
  in.LoadFromFile(name);
  EXPECT_EQ(in.Bytes(), out.Bytes());
  EXPECT_EQ(in.Position(), 0);

  TMemoryStream copy;
  out.SetPosition(500);
  copy.LoadFromStream(out);
  EXPECT_EQ(copy.Bytes(), out.Bytes()) << "loading takes the whole source stream";
}

TEST(PersistentTest, DefaultAssignRefusesWithBothClassNames) {
  class TThing : public TPersistent {
   public:
    SORTARIUM_CLASS(TThing)
  };
  class TOther : public TPersistent {
   public:
    SORTARIUM_CLASS(TOther)
  };
  TThing thing;
  TOther other;
  try {
    thing.Assign(other);
    FAIL() << "assigning unrelated kinds must fail";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TOther to a TThing");
  }
}

}  // namespace
