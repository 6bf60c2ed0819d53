#include "framework/base/SysUtils.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <set>

#include "framework/base/Exceptions.h"

namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

TEST(SysUtilsTest, RoundSendsHalvesToTheEvenNeighbour) {
  const struct {
    double in;
    long long out;
  } cases[] = {
      {0.5, 0},      {1.5, 2},     {2.5, 2},    {102.5, 102}, {103.5, 104}, {85.625, 86}, {-0.5, 0},
      {-1.5, -2},    {-2.5, -2},   {0.49, 0},   {0.51, 1},    {-0.51, -1},  {2.4999, 2},  {1e15 + 0.5, 1000000000000000},
      {-85.625, -86}, {7.0, 7},    {-7.0, -7},  {4503599627370497.0, 4503599627370497},
  };
  for (const auto& c : cases) EXPECT_EQ(Round(c.in), c.out) << c.in;
}

TEST(SysUtilsTest, RoundAndTruncSaturateInsteadOfOverflowing) {
  EXPECT_EQ(Round(1e300), std::numeric_limits<long long>::max());
  EXPECT_EQ(Round(-1e300), std::numeric_limits<long long>::min());
  EXPECT_EQ(Round(std::nan("")), 0);
  EXPECT_EQ(Trunc(2.9), 2);
  EXPECT_EQ(Trunc(-2.9), -2);
  EXPECT_EQ(Trunc(std::numeric_limits<double>::infinity()), std::numeric_limits<long long>::max());
}

TEST(SysUtilsTest, RandomIsDeterministicPerSeedAndStaysInRange) {
  SetRandSeed(12345);
  std::vector<int> first;
  for (int i = 0; i < 100; ++i) first.push_back(Random(1000));
  SetRandSeed(12345);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(Random(1000), first[i]) << i;

  SetRandSeed(777);
  std::set<int> seen;
  for (int i = 0; i < 20000; ++i) {
    const int r = Random(89);
    ASSERT_GE(r, 0);
    ASSERT_LE(r, 88);
    seen.insert(r);
  }
  EXPECT_EQ(seen.size(), 89u) << "every value of 0..88 should appear";
  EXPECT_TRUE(seen.count(0) && seen.count(88));

  // Another seed, another sequence; drawing advances the seed.
  SetRandSeed(12346);
  std::vector<int> other;
  for (int i = 0; i < 100; ++i) other.push_back(Random(1000));
  EXPECT_NE(other, first);
  EXPECT_NE(RandSeed(), 12346u);

  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(Random(-5), 0);
  EXPECT_EQ(Random(1), 0);
  for (int i = 0; i < 1000; ++i) {
    const double f = RandomFloat();
    ASSERT_GE(f, 0.0);
    ASSERT_LT(f, 1.0);
  }
}

TEST(SysUtilsTest, Cp1251RoundTripsTheListingFileNames) {
  const std::string ascending = Utf8ToCp1251("возрастание.txt");
  EXPECT_EQ(ascending, Bytes({0xE2, 0xEE, 0xE7, 0xF0, 0xE0, 0xF1, 0xF2, 0xE0, 0xED, 0xE8, 0xE5, 0x2E, 0x74, 0x78, 0x74}));
  const std::string descending = Utf8ToCp1251("убывание.txt");
  EXPECT_EQ(descending, Bytes({0xF3, 0xE1, 0xFB, 0xE2, 0xE0, 0xED, 0xE8, 0xE5, 0x2E, 0x74, 0x78, 0x74}));
  EXPECT_EQ(Cp1251ToUtf8(ascending), "возрастание.txt");
  EXPECT_EQ(Cp1251ToUtf8(descending), "убывание.txt");
}

TEST(SysUtilsTest, Cp1251TableCoversTheUpperHalf) {
  const struct {
    int byte;
    const char* utf8;
  } cases[] = {
      {0xC0, "А"}, {0xFF, "я"}, {0xA8, "Ё"}, {0xB8, "ё"}, {0xB9, "№"}, {0x85, "…"},
      {0x97, "—"}, {0xAB, "«"}, {0x88, "€"}, {0x80, "Ђ"}, {0xA5, "Ґ"}, {0x99, "™"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cp1251ToUtf8(Bytes({c.byte})), c.utf8) << std::hex << c.byte;
    EXPECT_EQ(Utf8ToCp1251(c.utf8), Bytes({c.byte})) << std::hex << c.byte;
  }
  // Every byte survives the trip through UTF-8.
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = Cp1251ToUtf8(all);
  EXPECT_TRUE(IsValidUtf8(utf8));
  EXPECT_EQ(Utf8ToCp1251(utf8), all);
}

TEST(SysUtilsTest, Utf8ToCp1251ReplacesWhatItCannotEncode) {
  EXPECT_EQ(Utf8ToCp1251("a中b"), "a?b");
  EXPECT_EQ(Utf8ToCp1251("x😀y"), "x?y");
  EXPECT_EQ(Utf8ToCp1251(Bytes({'a', 0xFF, 'b'})), "a?b");
  EXPECT_EQ(Utf8ToCp1251("ü"), "?");
}

TEST(SysUtilsTest, Utf8ValidationRejectsMalformedSequences) {
  const struct {
    std::string bytes;
    bool valid;
    const char* what;
  } cases[] = {
      {"", true, "empty"},
      {"plain", true, "ASCII"},
      {"Сортарий", true, "Cyrillic"},
      {"\xF0\x9F\x98\x80", true, "four-byte emoji"},
      {"\xF4\x8F\xBF\xBF", true, "U+10FFFF"},
      {"\xEF\xBF\xBD", true, "U+FFFD"},
      {"\xC0\xAF", false, "overlong slash"},
      {"\xC1\xBF", false, "overlong two-byte"},
      {"\xE0\x80\xAF", false, "overlong three-byte"},
      {"\xF0\x80\x80\xAF", false, "overlong four-byte"},
      {"\xED\xA0\x80", false, "high surrogate"},
      {"\xED\xBF\xBF", false, "low surrogate"},
      {"\xF4\x90\x80\x80", false, "past U+10FFFF"},
      {"\xF5\x80\x80\x80", false, "lead byte F5"},
      {"\xFF", false, "byte FF"},
      {"\x80", false, "lone continuation"},
      {"\xD0", false, "truncated two-byte"},
      {"\xE2\x82", false, "truncated three-byte"},
      {"ab\xF0\x9F\x98", false, "truncated four-byte at the end"},
      {"\xD0\x41", false, "lead byte followed by ASCII"},
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.what;
}

TEST(SysUtilsTest, Utf8CodePointHelpers) {
  const std::string text = "aё€😀";
  EXPECT_EQ(Utf8ToUtf32(text), U"aё€😀");
  EXPECT_EQ(Utf32ToUtf8(U"aё€😀"), text);
  EXPECT_EQ(Utf8ToUtf32("a\xFF" "b"), U"a\uFFFDb");
  EXPECT_EQ(CodePointToUtf8(0xD800), "\xEF\xBF\xBD") << "a surrogate is not encodable";
  EXPECT_EQ(CodePointToUtf8(0x110000), "\xEF\xBF\xBD");

  // Character lengths and stepping back: a(1) ё(2) €(3) 😀(4).
  const size_t lengths[] = {1, 2, 3, 4};
  size_t pos = 0;
  for (size_t len : lengths) {
    EXPECT_EQ(Utf8CharLength(text, pos), len) << pos;
    pos += len;
  }
  EXPECT_EQ(Utf8CharLength(text, text.size()), 0u);
  EXPECT_EQ(Utf8PrevChar(text, 10), 6u);
  EXPECT_EQ(Utf8PrevChar(text, 6), 3u);
  EXPECT_EQ(Utf8PrevChar(text, 3), 1u);
  EXPECT_EQ(Utf8PrevChar(text, 1), 0u);
  EXPECT_EQ(Utf8PrevChar(text, 0), 0u);
  // A stray continuation byte stands alone.
  EXPECT_EQ(Utf8PrevChar("a\x80\x80", 3), 2u);
  EXPECT_EQ(Utf8CharLength("\x80", 0), 1u);
}

TEST(SysUtilsTest, StrToIntAcceptsDecimalAndHex) {
  const struct {
    const char* text;
    int value;
  } cases[] = {
      {"0", 0},           {"42", 42},           {"-42", -42},        {"+7", 7},          {"$FF", 255},
      {"$ff", 255},       {"0x1A", 26},         {"0X1a", 26},        {"-$10", -16},      {"2147483647", 2147483647},
      {"-2147483648", std::numeric_limits<int>::min()}, {"$7FFFFFFF", 2147483647},     {"$FFFFFFFF", -1},
      {"  12", 12},       {"007", 7},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
    EXPECT_EQ(StrToIntDef(c.text, 99), c.value) << c.text;
  }
  EXPECT_EQ(StrToInt64("9223372036854775807"), std::numeric_limits<long long>::max());
  EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<long long>::min());
  EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
  EXPECT_EQ(StrToInt64("4294967296"), 4294967296LL);
}

TEST(SysUtilsTest, StrToIntRejectsGarbageAndOverflow) {
  const char* bad[] = {"", " ", "-", "+", "$", "0x", "12a", "a12", "1 2", "12 ", "1.5", "--1", "+-1", "$G",
                       "2147483648", "-2147483649", "$100000000", "-$80000000", "99999999999999999999", "0x-1"};
  for (const char* text : bad) {
    try {
      StrToInt(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), std::string("'") + text + "' is not a valid integer value");
    }
    EXPECT_EQ(StrToIntDef(text, -77), -77) << text;
  }
  EXPECT_THROW(StrToInt64("9223372036854775808"), EConvertError);
  EXPECT_THROW(StrToInt64("$10000000000000000"), EConvertError);
}

TEST(SysUtilsTest, FloatConversions) {
  EXPECT_DOUBLE_EQ(StrToFloat("3.25"), 3.25);
  EXPECT_DOUBLE_EQ(StrToFloat("-0.5"), -0.5);
  EXPECT_DOUBLE_EQ(StrToFloat("+2"), 2.0);
  EXPECT_DOUBLE_EQ(StrToFloat(" 1e3 "), 1000.0);
  for (const char* bad : {"", "abc", "1,5", "inf", "nan", "1e", "+-1", "."})
    EXPECT_THROW(StrToFloat(bad), EConvertError) << bad;
  EXPECT_EQ(FloatToStr(0.1), "0.1");
  EXPECT_EQ(FloatToStr(85.625), "85.625");
  EXPECT_EQ(FloatToStr(-3), "-3");
  EXPECT_DOUBLE_EQ(StrToFloat(FloatToStr(1.0 / 3.0)), 1.0 / 3.0);
}

TEST(SysUtilsTest, FormatSubstitutesInOrder) {
  EXPECT_EQ(Format("Cannot open file %s", {"a.txt"}), "Cannot open file a.txt");
  EXPECT_EQ(Format("%d of %s", {"3", "10"}), "3 of 10");
  EXPECT_EQ(Format("100%% sure", {}), "100% sure");
  EXPECT_EQ(Format("%s%s", {"%s", "x"}), "%sx") << "arguments are not scanned again";
  EXPECT_EQ(Format("%s and %s", {"one"}), "one and %s");
  EXPECT_EQ(Format("trailing %", {}), "trailing %");
}

TEST(SysUtilsTest, CaseAndTrimHelpers) {
  EXPECT_EQ(UpperCase("abcXYZ-ё"), "ABCXYZ-ё");
  EXPECT_EQ(LowerCase("ABCxyz-Ё"), "abcxyz-Ё");
  EXPECT_EQ(Trim("  \t a b \r\n"), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_TRUE(SameText("Bitmap.BMP", "bitmap.bmp"));
  EXPECT_FALSE(SameText("a", "ab"));
  EXPECT_FALSE(SameText("Ё", "ё"));
}

TEST(SysUtilsTest, FileNameParts) {
  const struct {
    const char* path;
    const char* name;
    const char* dir;
    const char* ext;
  } cases[] = {
      {"/skins/blue/skin.ini", "skin.ini", "/skins/blue/", ".ini"},
      {"C:\\Skins\\a.zip", "a.zip", "C:\\Skins\\", ".zip"},
      {"archive.tar.gz", "archive.tar.gz", "", ".gz"},
      {"dir.d/file", "file", "dir.d/", ""},
      {"noext", "noext", "", ""},
      {"/trailing/", "", "/trailing/", ""},
      {"C:file.bmp", "file.bmp", "", ".bmp"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(ExtractFilePath(c.path), c.dir) << c.path;
    EXPECT_EQ(ExtractFileExt(c.path), c.ext) << c.path;
  }
}

TEST(SysUtilsTest, FileSystemQueries) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("sysutils_test_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "a.txt") << "x";
  fs::create_directory(dir / "sub");
  EXPECT_TRUE(FileExists((dir / "a.txt").string()));
  EXPECT_FALSE(FileExists((dir / "sub").string())) << "a folder is not a file";
  EXPECT_FALSE(FileExists((dir / "missing").string()));
  EXPECT_TRUE(DirectoryExists((dir / "sub").string()));
  EXPECT_FALSE(DirectoryExists((dir / "a.txt").string()));
  auto names = ListDirectory(dir.string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a.txt", "sub"}));
  EXPECT_TRUE(ListDirectory((dir / "missing").string()).empty());
  fs::remove_all(dir);

  const std::string exe = ParamStr0();
  EXPECT_FALSE(exe.empty());
  EXPECT_TRUE(FileExists(exe));
  EXPECT_EQ(exe[0], '/');
}

}  // namespace
