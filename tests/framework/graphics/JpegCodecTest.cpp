#include "framework/graphics/JpegImage.h"

#include <cstdio>  // before jpeglib.h

#include <gtest/gtest.h>
#include <jpeglib.h>
#include <unistd.h>

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>

#include "framework/base/Exceptions.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Picture.h"
#include "JpegMaker.h"

using namespace test_jpeg;

namespace {

// --- looking into and patching the files ---

// Offset of the first marker with `code` (its FF byte), walking the segments
// before the first scan; npos when there is none.
size_t FindMarker(const std::vector<uint8_t>& jpeg, uint8_t code) {
  size_t pos = 2;
  while (pos + 4 <= jpeg.size() && jpeg[pos] == 0xFF) {
    if (jpeg[pos + 1] == code) return pos;
    if (jpeg[pos + 1] == 0xDA) break;
    pos += 2 + ((size_t{jpeg[pos + 2]} << 8) | jpeg[pos + 3]);
  }
  return std::string::npos;
}

bool IsProgressive(const std::vector<uint8_t>& jpeg) { return FindMarker(jpeg, 0xC2) != std::string::npos; }

int CountScans(const std::vector<uint8_t>& jpeg) {
  int n = 0;
  for (size_t i = 0; i + 1 < jpeg.size(); ++i) n += jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA;
  return n;
}

// Rewrites the frame header's size: a well-formed file that merely claims it.
std::vector<uint8_t> WithSize(std::vector<uint8_t> jpeg, unsigned w, unsigned h) {
  size_t sof = FindMarker(jpeg, 0xC0);
  if (sof == std::string::npos) sof = FindMarker(jpeg, 0xC2);
  EXPECT_NE(sof, std::string::npos) << "no frame header";
  if (sof == std::string::npos) return jpeg;
  jpeg[sof + 5] = uint8_t(h >> 8);
  jpeg[sof + 6] = uint8_t(h);
  jpeg[sof + 7] = uint8_t(w >> 8);
  jpeg[sof + 8] = uint8_t(w);
  return jpeg;
}

// Largest difference of any channel between the picture and the recipe's
// samples (grey samples stand for three equal channels).
int MaxDifference(const TBitmap& bmp, const JpegRecipe& r) {
  EXPECT_EQ(bmp.Width(), r.width);
  EXPECT_EQ(bmp.Height(), r.height);
  if (bmp.Width() != r.width || bmp.Height() != r.height) return 256;
  int worst = 0;
  for (int y = 0; y < r.height; ++y) {
    const uint8_t* row = bmp.ScanLine(y);
    for (int x = 0; x < r.width; ++x) {
      const uint8_t* s = &r.samples[(static_cast<size_t>(y) * r.width + x) * r.components];
      const int rgb[3] = {s[0], s[r.components == 1 ? 0 : 1], s[r.components == 1 ? 0 : 2]};
      for (int ch = 0; ch < 3; ++ch) worst = std::max(worst, std::abs(row[x * 3 + 2 - ch] - rgb[ch]));
    }
  }
  return worst;
}

std::string LoadError(const std::vector<uint8_t>& bytes) {
  try {
    TBitmap bmp;
    DecodeJpeg(bytes.data(), bytes.size(), bmp);
  } catch (const EInvalidGraphic& e) {
    return e.Message();
  }
  return "(loaded)";
}

std::string StreamLoadError(const std::vector<uint8_t>& bytes) {
  try {
    TMemoryStream stream(bytes);
    TJPEGImage image;
    image.LoadFromStream(stream);
  } catch (const EInvalidGraphic& e) {
    return e.Message();
  }
  return "(loaded)";
}

// Smooth in every channel over the sizes used here.
uint32_t Gradient(int x, int y) {
  const uint32_t r = static_cast<uint32_t>(std::min(255, x * 4));
  const uint32_t g = static_cast<uint32_t>(std::min(255, y * 3 / 2));
  const uint32_t b = static_cast<uint32_t>(std::clamp(128 + (x - y) / 2, 0, 255));
  return (r << 16) | (g << 8) | b;
}

// Every coefficient of every component refined bit by bit, one scan each:
// a lawful script with far more scans than anyone writes.
std::vector<jpeg_scan_info> LongScript(int components) {
  constexpr int kTopBit = 10;  // the deepest successive approximation libjpeg allows
  std::vector<jpeg_scan_info> script;
  auto add = [&](int comps, int first, int ss, int se, int ah, int al) {
    jpeg_scan_info s{};
    s.comps_in_scan = comps;
    for (int i = 0; i < comps; ++i) s.component_index[i] = first + i;
    s.Ss = ss;
    s.Se = se;
    s.Ah = ah;
    s.Al = al;
    script.push_back(s);
  };
  add(components, 0, 0, 0, 0, kTopBit);
  for (int bit = kTopBit; bit > 0; --bit) add(components, 0, 0, 0, bit, bit - 1);
  for (int c = 0; c < components; ++c)
    for (int k = 1; k < 64; ++k) {
      add(1, c, k, k, 0, kTopBit);
      for (int bit = kTopBit; bit > 0; --bit) add(1, c, k, k, bit, bit - 1);
    }
  return script;
}

}  // namespace

// --- decoding ---

TEST(JpegCodecTest, DecodesWhatLibjpegEncodedClosely) {
  const struct {
    const char* what;
    JpegRecipe recipe;
    int tolerance;
  } cases[] = {
      // Flat colours come back (almost) exactly, whatever the size.
      {"white 1x1", RgbRecipe(1, 1, [](int, int) { return 0xFFFFFFu; }), 1},
      {"black 9x7", RgbRecipe(9, 7, [](int, int) { return 0x000000u; }), 1},
      {"button blue 16x16", RgbRecipe(16, 16, [](int, int) { return 0x3A6EA5u; }), 1},
      {"four flat blocks",
       RgbRecipe(32, 16, [](int x, int y) { return x < 16 ? (y < 8 ? 0xFF0000u : 0x00FF00u) : (y < 8 ? 0x0000FFu : 0xC0C0C0u); }),
       1},
      // Smooth gradients within a few steps; sizes that cut the 8x8 blocks and
      // the 64-row bands the decoder reads in.
      {"gradient 17x9", RgbRecipe(17, 9, Gradient), 4},
      {"gradient 61x130", RgbRecipe(61, 130, Gradient), 4},
      {"progressive gradient 61x130", RgbRecipe(61, 130, Gradient, true), 4},
      {"progressive flat 5x3", RgbRecipe(5, 3, [](int, int) { return 0x808080u; }, true), 1},
      {"grey ramp 40x20", GreyRecipe(40, 20, [](int x, int) { return uint8_t(x * 6); }), 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<uint8_t> jpeg = MakeJpeg(c.recipe);
    ASSERT_TRUE(IsJpegSignature(jpeg.data(), jpeg.size()));
    EXPECT_EQ(IsProgressive(jpeg), c.recipe.progressive);
    TBitmap bmp;
    DecodeJpeg(jpeg.data(), jpeg.size(), bmp);
    EXPECT_EQ(bmp.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_LE(MaxDifference(bmp, c.recipe), c.tolerance);
  }
}

TEST(JpegCodecTest, GreyPicturesComeOutWithThreeEqualChannels) {
  // A grey file has one component; every pixel must be widened, not tinted.
  const JpegRecipe recipe = GreyRecipe(23, 11, [](int x, int y) { return uint8_t((x * 11 + y * 7) % 256); });
  const std::vector<uint8_t> jpeg = MakeJpeg(recipe);
  TBitmap bmp;
  DecodeJpeg(jpeg.data(), jpeg.size(), bmp);
  ASSERT_EQ(bmp.Width(), 23);
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) {
      const uint8_t* p = bmp.ScanLine(y) + x * 3;
      ASSERT_TRUE(p[0] == p[1] && p[1] == p[2]) << "pixel " << x << "," << y;
    }
}

TEST(JpegCodecTest, FileLayoutsDecodeToTheSamePicture) {
  // Restart markers, a comment and a progressive script change the file,
  // not the picture.
  const JpegRecipe plain = RgbRecipe(40, 24, Gradient);
  TBitmap expected;
  const std::vector<uint8_t> plainJpeg = MakeJpeg(plain);
  DecodeJpeg(plainJpeg.data(), plainJpeg.size(), expected);

  JpegRecipe restarts = plain;
  restarts.restartInterval = 1;
  JpegRecipe comment = plain;
  comment.comment = std::string("made here ") + "\xFF\xD9" + " with an end marker inside";
  const struct {
    const char* what;
    JpegRecipe recipe;
    int tolerance;
  } cases[] = {{"restart markers", restarts, 0}, {"comment", comment, 0}, {"progressive", RgbRecipe(40, 24, Gradient, true), 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<uint8_t> jpeg = MakeJpeg(c.recipe);
    TBitmap bmp;
    DecodeJpeg(jpeg.data(), jpeg.size(), bmp);
    EXPECT_LE(MaxDifference(bmp, plain), 3);
    int worst = 0;
    for (int y = 0; y < bmp.Height(); ++y)
      for (int x = 0; x < bmp.Width() * 3; ++x)
        worst = std::max(worst, std::abs(bmp.ScanLine(y)[x] - expected.ScanLine(y)[x]));
    EXPECT_LE(worst, c.tolerance);
  }
}

TEST(JpegCodecTest, LongScanScriptsUpToTheLimit) {
  // 704 scans (grey, every coefficient refined to the last bit) is lawful
  // and decodes; 2090 scans of a colour picture are refused.
  JpegRecipe grey = GreyRecipe(16, 16, [](int x, int y) { return uint8_t(x * 15 + y); });
  grey.script = LongScript(1);
  const std::vector<uint8_t> greyJpeg = MakeJpeg(grey);
  ASSERT_EQ(CountScans(greyJpeg), 704);
  TBitmap bmp;
  DecodeJpeg(greyJpeg.data(), greyJpeg.size(), bmp);
  EXPECT_LE(MaxDifference(bmp, grey), 2);

  JpegRecipe colour = RgbRecipe(16, 16, Gradient);
  colour.script = LongScript(3);
  const std::vector<uint8_t> colourJpeg = MakeJpeg(colour);
  ASSERT_EQ(CountScans(colourJpeg), 2090);
  EXPECT_NE(LoadError(colourJpeg).find("too many scans"), std::string::npos) << LoadError(colourJpeg);
}

TEST(JpegCodecTest, ManyScansOverABigPictureAreCutShort) {
  // The long grey script claiming 4096 x 4096 pixels: each scan would walk
  // sixteen million pixels of nothing. A picture this big gets 256 scans.
  JpegRecipe grey = GreyRecipe(8, 8, [](int x, int y) { return uint8_t(x * 30 + y); });
  grey.script = LongScript(1);
  const std::vector<uint8_t> big = WithSize(MakeJpeg(grey), 4096, 4096);
  EXPECT_NE(LoadError(big).find("too many scans"), std::string::npos) << LoadError(big);
}

TEST(JpegCodecTest, BadDataFailsWithAClearMessage) {
  const std::vector<uint8_t> good = MakeJpeg(RgbRecipe(24, 16, Gradient));
  const std::vector<uint8_t> progressive = MakeJpeg(RgbRecipe(24, 16, Gradient, true));
  JpegRecipe cmyk = RgbRecipe(8, 8, [](int, int) { return 0u; });
  cmyk.components = 4;
  cmyk.inSpace = JCS_CMYK;
  cmyk.samples.assign(8 * 8 * 4, 0x40);
  JpegRecipe ycck = cmyk;
  ycck.fileSpace = JCS_YCCK;
  // Only the tables: start, the quantisation table, end.
  const size_t dqt = FindMarker(good, 0xDB);
  ASSERT_NE(dqt, std::string::npos);
  std::vector<uint8_t> tablesOnly = {0xFF, 0xD8};
  tablesOnly.insert(tablesOnly.end(), good.begin() + dqt, good.begin() + dqt + 4 + 64 + 1);
  tablesOnly.insert(tablesOnly.end(), {0xFF, 0xD9});

  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
    const char* message;
  } cases[] = {
      {"empty", {}, "the JPEG data is empty"},
      {"a bitmap", {'B', 'M', 0x36, 0, 0, 0}, "not a JPEG file"},
      {"a PNG", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}, "not a JPEG file"},
      {"start marker only", {0xFF, 0xD8}, "not a JPEG file"},
      {"signature only", {0xFF, 0xD8, 0xFF}, "the JPEG data ends early"},
      {"too wide", WithSize(good, 40000, 16), "the picture is too large (40000 x 16)"},
      {"too tall", WithSize(good, 24, 32769), "the picture is too large (24 x 32769)"},
      {"too many pixels", WithSize(good, 8192, 8193), "the picture is too large (8192 x 8193)"},
      {"beyond libjpeg's own limit", WithSize(good, 65535, 65535), "Maximum supported image dimension"},
      {"no width", WithSize(good, 0, 16), "Empty JPEG image"},
      {"CMYK", MakeJpeg(cmyk), "CMYK JPEG pictures are not supported"},
      {"YCCK", MakeJpeg(ycck), "CMYK JPEG pictures are not supported"},
      {"tables only", tablesOnly, "JPEG datastream contains no image"},
      {"cut in the middle", {good.begin(), good.begin() + good.size() / 2}, "the JPEG data ends early"},
      {"end marker missing", {good.begin(), good.end() - 2}, "the JPEG data ends early"},
      {"progressive cut", {progressive.begin(), progressive.end() - 40}, "the JPEG data ends early"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string decoded = LoadError(c.bytes);
    EXPECT_EQ(decoded.rfind("Invalid image (JPEG): ", 0), 0u) << decoded;
    EXPECT_NE(decoded.find(c.message), std::string::npos) << decoded;
    const std::string streamed = StreamLoadError(c.bytes);
    EXPECT_NE(streamed.find(c.message), std::string::npos) << streamed;
  }
}

TEST(JpegCodecTest, EveryTruncationFailsCleanly) {
  // Cut at every length, baseline and progressive, through both entries:
  // only EInvalidGraphic may come out (anything else escapes and fails).
  for (const bool progressive : {false, true}) {
    SCOPED_TRACE(progressive ? "progressive" : "baseline");
    const std::vector<uint8_t> jpeg = MakeJpeg(RgbRecipe(20, 12, Gradient, progressive));
    for (size_t n = 0; n < jpeg.size(); ++n) {
      const std::vector<uint8_t> cut(jpeg.begin(), jpeg.begin() + n);
      TBitmap bmp;
      EXPECT_THROW(DecodeJpeg(cut.data(), cut.size(), bmp), EInvalidGraphic) << "cut at " << n;
      TMemoryStream stream(cut);
      TJPEGImage image;
      EXPECT_THROW(image.LoadFromStream(stream), EInvalidGraphic) << "cut at " << n;
    }
  }
}

TEST(JpegCodecTest, DamagedBytesLoadOrFailCleanly) {
  // Damage that keeps the file's length: whatever loads has the size the
  // header says and the stream stops at the end marker or fails cleanly.
  const std::vector<uint8_t> baseline = MakeJpeg(RgbRecipe(24, 24, Gradient));
  const std::vector<uint8_t> progressive = MakeJpeg(RgbRecipe(24, 24, Gradient, true));
  std::mt19937 rng(20240611);
  int loaded = 0;
  int failed = 0;
  for (int round = 0; round < 400; ++round) {
    std::vector<uint8_t> bytes = round % 2 ? progressive : baseline;
    const int hits = 1 + static_cast<int>(rng() % 4);
    for (int i = 0; i < hits; ++i) bytes[2 + rng() % (bytes.size() - 2)] = static_cast<uint8_t>(rng());
    try {
      TMemoryStream stream(bytes);
      TJPEGImage image;
      image.LoadFromStream(stream);
      EXPECT_GT(image.Width(), 0);
      EXPECT_EQ(image.Bitmap().Width(), image.Width());
      EXPECT_LE(stream.Position(), stream.Size());
      ++loaded;
    } catch (const EInvalidGraphic&) {
      ++failed;
    }
  }
  // Both outcomes happen, or the damage tested nothing.
  EXPECT_GT(loaded, 0);
  EXPECT_GT(failed, 0);
}

TEST(JpegCodecTest, BlocksOfInvalidCodesAreGivenUpOn) {
  // The first scan's data made of nothing but one bits, which is no Huffman
  // code at all: the decoder warns for every block and must give up rather
  // than carry on through thousands of them.
  std::vector<uint8_t> jpeg = MakeJpeg(RgbRecipe(512, 512, Gradient, true));
  const size_t sos = FindMarker(jpeg, 0xDA);
  ASSERT_NE(sos, std::string::npos);
  const size_t begin = sos + 2 + ((size_t{jpeg[sos + 2]} << 8) | jpeg[sos + 3]);
  size_t end = begin;
  while (end + 1 < jpeg.size() && !(jpeg[end] == 0xFF && jpeg[end + 1] != 0x00)) ++end;
  ASSERT_GT(end - begin, 100u);
  for (size_t i = begin; i < end; ++i) jpeg[i] = (i - begin) % 2 ? 0x00 : 0xFF;
  jpeg[end - 1] = 0xFF;  // an odd length ends in a padding byte before the marker
  EXPECT_NE(LoadError(jpeg).find("too badly damaged"), std::string::npos) << LoadError(jpeg);
}

// --- TJPEGImage and the picture registry ---

class JpegImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterJpegFormat();
    dir_ = std::filesystem::temp_directory_path() / ("jpeg_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
  void Write(const std::string& name, const std::vector<uint8_t>& bytes) const { WriteFileBytes(PathOf(name), bytes); }

  std::filesystem::path dir_;
};

TEST_F(JpegImageTest, RegistryFindsJpegByBothExtensionsAndByContent) {
  const int count = TPictureFormats::Count();
  RegisterJpegFormat();
  EXPECT_EQ(TPictureFormats::Count(), count) << "registering again replaces";
  for (const char* ext : {"jpg", "jpeg", ".JPG", "Jpeg"}) {
    SCOPED_TRACE(ext);
    const TPictureFormat* format = TPictureFormats::FindByExtension(ext);
    ASSERT_NE(format, nullptr);
    EXPECT_NE(dynamic_cast<TJPEGImage*>(format->Create().get()), nullptr);
  }
  const std::vector<uint8_t> jpeg = MakeJpeg(RgbRecipe(4, 4, Gradient));
  const TPictureFormat* byContent = TPictureFormats::FindByContent(jpeg.data(), jpeg.size());
  ASSERT_NE(byContent, nullptr);
  EXPECT_NE(dynamic_cast<TJPEGImage*>(byContent->Create().get()), nullptr);
  const uint8_t almost[] = {0xFF, 0xD8, 0xFE};
  const TPictureFormat* other = TPictureFormats::FindByContent(almost, sizeof almost);
  EXPECT_TRUE(other == nullptr || other->Extension.find("jp") == std::string::npos);
}

TEST_F(JpegImageTest, PictureLoadsJpegFilesAndStreams) {
  const JpegRecipe recipe = RgbRecipe(13, 7, [](int, int) { return 0x204080u; });
  const std::vector<uint8_t> jpeg = MakeJpeg(recipe);
  for (const char* name : {"photo.jpg", "photo.JPEG"}) {
    SCOPED_TRACE(name);
    Write(name, jpeg);
    TPicture picture;
    picture.LoadFromFile(PathOf(name));
    auto* image = dynamic_cast<TJPEGImage*>(picture.Graphic());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(picture.Width(), 13);
    EXPECT_EQ(picture.Height(), 7);
    EXPECT_LE(MaxDifference(image->Bitmap(), recipe), 1);
    // Asking for a bitmap turns the picture into the decoded pixels.
    EXPECT_LE(MaxDifference(*picture.Bitmap(), recipe), 1);
  }
  // By content, with no name to go by.
  TMemoryStream stream(jpeg);
  TPicture picture;
  picture.LoadFromStream(stream);
  ASSERT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 13);

  // A damaged .jpg fails as a picture error, not with anything else.
  Write("cut.jpg", std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + jpeg.size() / 2));
  TPicture cut;
  EXPECT_THROW(cut.LoadFromFile(PathOf("cut.jpg")), EInvalidGraphic);
  EXPECT_THROW(cut.LoadFromFile(PathOf("missing.jpg")), EFOpenError);
}

TEST_F(JpegImageTest, StreamStopsAfterTheEndMarkerAndSavesTheSameBytes) {
  // What follows the picture in the stream is left for the next reader;
  // saving writes back the file exactly as it was read.
  JpegRecipe recipe = RgbRecipe(30, 20, Gradient);
  recipe.comment = std::string("\xFF\xD9\xFF\xD9", 4);
  recipe.restartInterval = 2;
  const std::vector<uint8_t> jpeg = MakeJpeg(recipe);
  std::vector<uint8_t> bytes = {'x', 'y'};
  bytes.insert(bytes.end(), jpeg.begin(), jpeg.end());
  bytes.insert(bytes.end(), {0xFF, 0xD9, 'n', 'e', 'x', 't'});
  TMemoryStream stream(bytes);
  stream.SetPosition(2);
  TJPEGImage image;
  image.LoadFromStream(stream);
  EXPECT_EQ(stream.Position(), static_cast<int64_t>(2 + jpeg.size()));
  EXPECT_EQ(image.Data(), jpeg);

  TMemoryStream saved;
  image.SaveToStream(saved);
  EXPECT_EQ(saved.Bytes(), jpeg);
  image.SaveToFile(PathOf("again.jpg"));
  EXPECT_EQ(ReadFileBytes(PathOf("again.jpg")), jpeg);

  // A picture that was never loaded has nothing to save.
  TMemoryStream nothing;
  EXPECT_THROW(TJPEGImage().SaveToStream(nothing), EInvalidGraphic);
  EXPECT_EQ(nothing.Size(), 0);

  // A marker whose length cannot be is refused while the file is walked.
  TMemoryStream broken(std::vector<uint8_t>{0xFF, 0xD8, 0xFF, 0xFE, 0x00, 0x01, 0xFF, 0xD9});
  EXPECT_THROW(image.LoadFromStream(broken), EInvalidGraphic);
}

TEST_F(JpegImageTest, CloneAssignAndFailedLoadKeepThePicture) {
  const JpegRecipe recipe = RgbRecipe(9, 5, [](int x, int) { return x < 4 ? 0xFF0000u : 0x0000FFu; });
  const std::vector<uint8_t> jpeg = MakeJpeg(recipe);
  TMemoryStream stream(jpeg);
  TJPEGImage image;
  image.LoadFromStream(stream);
  image.SetTransparent(true);
  EXPECT_EQ(image.ClassName(), "TJPEGImage");

  const std::unique_ptr<TGraphic> copy = image.Clone();
  auto* clone = dynamic_cast<TJPEGImage*>(copy.get());
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(clone->Data(), jpeg);
  EXPECT_TRUE(clone->Transparent());
  EXPECT_LE(MaxDifference(clone->Bitmap(), recipe), 8);
  TJPEGImage assigned;
  assigned.Assign(image);
  EXPECT_EQ(assigned.Data(), jpeg);
  EXPECT_EQ(assigned.Width(), 9);
  EXPECT_THROW(assigned.Assign(TBitmap(2, 2)), EConvertError);

  // A bad file leaves the loaded picture as it was.
  TMemoryStream bad(std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + 100));
  EXPECT_THROW(image.LoadFromStream(bad), EInvalidGraphic);
  EXPECT_EQ(image.Width(), 9);
  EXPECT_EQ(image.Data(), jpeg);
}

TEST_F(JpegImageTest, DrawStretchesTheDecodedPicture) {
  // Two flat halves, red and blue, drawn twice their size: the halves stay
  // apart at the middle of the target.
  const JpegRecipe recipe = RgbRecipe(16, 8, [](int x, int) { return x < 8 ? 0xFF0000u : 0x0000FFu; });
  const std::vector<uint8_t> jpeg = MakeJpeg(recipe);
  TMemoryStream stream(jpeg);
  TJPEGImage image;
  image.LoadFromStream(stream);
  TBitmap target(40, 20);
  target.Fill(clWhite);
  image.Draw(*target.Canvas(), TRect{4, 2, 36, 18});
  EXPECT_EQ(target.Pixel(0, 0), clWhite) << "outside the target rectangle";
  const TColor left = target.Pixel(8, 10);
  const TColor right = target.Pixel(32, 10);
  EXPECT_GE(GetRValue(left), 250);
  EXPECT_LE(GetBValue(left), 5);
  EXPECT_GE(GetBValue(right), 250);
  EXPECT_LE(GetRValue(right), 5);
  TBitmap asBitmap;
  asBitmap.Assign(image);
  EXPECT_LE(MaxDifference(asBitmap, recipe), 8);
}
