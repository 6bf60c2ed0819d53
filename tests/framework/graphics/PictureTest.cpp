#include "framework/graphics/Picture.h"

#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>
#include <zlib.h>

#include <csetjmp>
#include <filesystem>
#include <random>

#include "framework/base/Exceptions.h"
#include "framework/graphics/BmpCodec.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/PngImage.h"

namespace {

// --- PNG files of every colour type, written with libpng directly ---

struct PngRecipe {
  int width = 1;
  int height = 1;
  int colorType = PNG_COLOR_TYPE_RGB;
  int bitDepth = 8;
  bool interlaced = false;
  std::vector<std::vector<uint8_t>> rows;  // raw rows as the format stores them
  std::vector<png_color> palette;
  std::vector<uint8_t> paletteAlpha;
};

PngRecipe Recipe(int w, int h, int colorType, int bitDepth, bool interlaced, std::vector<std::vector<uint8_t>> rows,
             std::vector<png_color> palette = {}, std::vector<uint8_t> paletteAlpha = {}) {
  PngRecipe s;
  s.width = w;
  s.height = h;
  s.colorType = colorType;
  s.bitDepth = bitDepth;
  s.interlaced = interlaced;
  s.rows = std::move(rows);
  s.palette = std::move(palette);
  s.paletteAlpha = std::move(paletteAlpha);
  return s;
}

void AppendToVector(png_structp png, png_bytep data, size_t count) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + count);
}

void NoFlush(png_structp) {}

bool WriteRecipe(png_structp png, png_infop info, const PngRecipe* recipe, png_bytep* rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, static_cast<png_uint_32>(recipe->width), static_cast<png_uint_32>(recipe->height),
               recipe->bitDepth, recipe->colorType, recipe->interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!recipe->palette.empty())
    png_set_PLTE(png, info, recipe->palette.data(), static_cast<int>(recipe->palette.size()));
  if (!recipe->paletteAlpha.empty())
    png_set_tRNS(png, info, recipe->paletteAlpha.data(), static_cast<int>(recipe->paletteAlpha.size()), nullptr);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  return true;
}

std::vector<uint8_t> MakePng(PngRecipe recipe) {
  std::vector<uint8_t> out;
  std::vector<png_bytep> rows;
  for (auto& row : recipe.rows) rows.push_back(row.data());
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, AppendToVector, NoFlush);
  const bool ok = WriteRecipe(png, info, &recipe, rows.data());
  png_destroy_write_struct(&png, &info);
  EXPECT_TRUE(ok) << "test PNG could not be written";
  return out;
}

// Pixels as 0xRRGGBB, top row first.
std::vector<uint32_t> Pixels(const TBitmap& bmp) {
  std::vector<uint32_t> out;
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) {
      const TColor c = bmp.Pixel(x, y);
      out.push_back((static_cast<uint32_t>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c));
    }
  return out;
}

std::unique_ptr<TBitmap> RandomBitmap(int w, int h, uint32_t seed) {
  std::mt19937 rng(seed);
  auto bmp = std::make_unique<TBitmap>(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bmp->SetPixel(x, y, static_cast<TColor>(rng() & 0xFFFFFF));
  return bmp;
}

// Rewrites the IHDR size of a PNG and fixes the chunk's CRC, so libpng sees
// a well-formed header that merely claims the given size.
std::vector<uint8_t> WithSize(std::vector<uint8_t> png, uint32_t w, uint32_t h) {
  for (int i = 0; i < 4; ++i) {
    png[16 + i] = static_cast<uint8_t>(w >> (24 - 8 * i));
    png[20 + i] = static_cast<uint8_t>(h >> (24 - 8 * i));
  }
  const uLong crc = crc32(crc32(0, nullptr, 0), png.data() + 12, 17);
  for (int i = 0; i < 4; ++i) png[29 + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
  return png;
}

TEST(PngCodecTest, EncodeDecodeRoundTripIsExact) {
  const auto sourcePtr = RandomBitmap(17, 9, 4242);
  const TBitmap& source = *sourcePtr;
  const std::vector<uint8_t> png = EncodePng(source);
  ASSERT_TRUE(IsPngSignature(png.data(), png.size()));
  TBitmap decoded;
  DecodePng(png.data(), png.size(), decoded);
  EXPECT_EQ(Pixels(decoded), Pixels(source));
  EXPECT_THROW(EncodePng(TBitmap()), EInvalidGraphic);
}

TEST(PngCodecTest, DecodesEveryColourTypeTo24Bits) {
  const struct {
    const char* what;
    PngRecipe recipe;
    std::vector<uint32_t> expected;
  } cases[] = {
      {"grey 8", Recipe(3, 1, PNG_COLOR_TYPE_GRAY, 8, false, {{0, 0x80, 0xFF}}), {0x000000, 0x808080, 0xFFFFFF}},
      // 1-bit grey: bits 1 0 1 in one byte.
      {"grey 1", Recipe(3, 1, PNG_COLOR_TYPE_GRAY, 1, false, {{0xA0}}), {0xFFFFFF, 0x000000, 0xFFFFFF}},
      {"grey 16", Recipe(2, 1, PNG_COLOR_TYPE_GRAY, 16, false, {{0xFF, 0xFF, 0x80, 0x80}}), {0xFFFFFF, 0x808080}},
      {"rgb 16",
       Recipe(2, 1, PNG_COLOR_TYPE_RGB, 16, false, {{0xFF, 0xFF, 0, 0, 0x80, 0x80, 0, 0, 0, 0, 0xFF, 0xFF}}),
       {0xFF0080, 0x0000FF}},
      // 4-bit palette: indexes 2 1 0.
      {"palette 4",
       Recipe(3, 1, PNG_COLOR_TYPE_PALETTE, 4, false, {{0x21, 0x00}}, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}}),
       {0x0000FF, 0x00FF00, 0xFF0000}},
      // Entry 1 is fully transparent, entry 2 half: both over white.
      {"palette with alpha",
       Recipe(3, 1, PNG_COLOR_TYPE_PALETTE, 8, false, {{0, 1, 2}}, {{255, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {255, 0, 128}),
       {0xFF0000, 0xFFFFFF, 0x7F7F7F}},
      // Red at alpha 255, 128 and 0.
      {"rgba",
       Recipe(3, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, {{255, 0, 0, 255, 255, 0, 0, 128, 255, 0, 0, 0}}),
       {0xFF0000, 0xFF7F7F, 0xFFFFFF}},
      {"grey alpha", Recipe(2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, {{0, 255, 0, 0}}), {0x000000, 0xFFFFFF}},
      // Two rows, interlaced: top blue green, bottom red white.
      {"interlaced",
       Recipe(2, 2, PNG_COLOR_TYPE_RGB, 8, true, {{0, 0, 255, 0, 255, 0}, {255, 0, 0, 255, 255, 255}}),
       {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF}},
  };
  for (const auto& c : cases) {
    const std::vector<uint8_t> png = MakePng(c.recipe);
    TBitmap decoded;
    DecodePng(png.data(), png.size(), decoded);
    EXPECT_EQ(decoded.Width(), c.recipe.width) << c.what;
    EXPECT_EQ(Pixels(decoded), c.expected) << c.what;
  }
}

TEST(PngCodecTest, LargeInterlacedPictureMatchesThePlainOne) {
  // 300 rows cross several decoding bands; interlacing must give the same pixels.
  const auto sourcePtr = RandomBitmap(37, 300, 99);
  const TBitmap& source = *sourcePtr;
  PngRecipe recipe = Recipe(37, 300, PNG_COLOR_TYPE_RGB, 8, false, {});
  for (int y = 0; y < 300; ++y) {
    std::vector<uint8_t> row;
    for (int x = 0; x < 37; ++x) {
      const TColor c = source.Pixel(x, y);
      row.insert(row.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
    }
    recipe.rows.push_back(row);
  }
  for (const bool interlaced : {false, true}) {
    recipe.interlaced = interlaced;
    const std::vector<uint8_t> png = MakePng(recipe);
    TBitmap decoded;
    DecodePng(png.data(), png.size(), decoded);
    EXPECT_EQ(Pixels(decoded), Pixels(source)) << "interlaced " << interlaced;
  }
}

TEST(PngCodecTest, BadInputsThrowInvalidGraphic) {
  const std::vector<uint8_t> good = EncodePng(*RandomBitmap(40, 30, 7));
  std::vector<std::pair<std::string, std::vector<uint8_t>>> cases = {
      {"empty", {}},
      {"garbage", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0}},
      {"signature only", std::vector<uint8_t>(good.begin(), good.begin() + 8)},
      {"huge width", WithSize(good, 100000, 30)},
      {"huge height", WithSize(good, 40, 0x7FFFFFFF)},
      {"too many pixels", WithSize(good, 30000, 30000)},
      {"zero width", WithSize(good, 0, 30)},
      {"size far beyond the data", WithSize(good, 8000, 8000)},
  };
  std::vector<uint8_t> badCrc = good;
  badCrc[20] ^= 1;  // height changed without fixing the CRC
  cases.emplace_back("IHDR CRC mismatch", badCrc);
  std::vector<uint8_t> badData = good;
  for (size_t i = 45; i < 60; ++i) badData[i] ^= 0x5A;  // inside the compressed pixels
  cases.emplace_back("damaged pixel data", badData);
  // Every cut before the end chunk loses pixel data.
  for (size_t length = 0; length + 12 < good.size(); length += 5)
    cases.emplace_back("truncated to " + std::to_string(length), std::vector<uint8_t>(good.begin(), good.begin() + length));

  for (const auto& [what, bytes] : cases) {
    TBitmap out(2, 2);
    out.Fill(clLime);
    try {
      DecodePng(bytes.data(), bytes.size(), out);
      ADD_FAILURE() << what << ": accepted";
    } catch (const EInvalidGraphic& e) {
      EXPECT_FALSE(e.Message().empty()) << what;
    } catch (const std::exception& e) {
      ADD_FAILURE() << what << ": wrong exception " << e.what();
    }
    EXPECT_EQ(out.Pixel(1, 1), clLime) << what << ": the target must stay as it was";
  }
}

TEST(PngCodecTest, StreamLoadConsumesExactlyOneFile) {
  const auto sourcePtr = RandomBitmap(5, 4, 3);
  const TBitmap& source = *sourcePtr;
  std::vector<uint8_t> bytes = EncodePng(source);
  const size_t length = bytes.size();
  bytes.insert(bytes.end(), {1, 2, 3});
  TMemoryStream stream(bytes);
  TPngImage image;
  image.LoadFromStream(stream);
  EXPECT_EQ(stream.Position(), static_cast<int64_t>(length));
  EXPECT_EQ(Pixels(image.Bitmap()), Pixels(source));

  // A chunk that claims more than the stream holds fails before reading it.
  std::vector<uint8_t> lying(bytes.begin(), bytes.begin() + 33);
  lying.insert(lying.end(), {0x7F, 0xFF, 0xFF, 0xFF, 'I', 'D', 'A', 'T', 0, 0});
  TMemoryStream lyingStream(lying);
  EXPECT_THROW(image.LoadFromStream(lyingStream), EInvalidGraphic);
  TMemoryStream cut(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 40));
  EXPECT_THROW(image.LoadFromStream(cut), EInvalidGraphic);
}

// --- the picture registry and TPicture ---

class PictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterPngFormat();
    dir_ = std::filesystem::temp_directory_path() / ("picture_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

  std::filesystem::path dir_;
};

TEST_F(PictureTest, RegistryFindsFormatsByExtensionAndContent) {
  const int count = TPictureFormats::Count();
  RegisterPngFormat();
  EXPECT_EQ(TPictureFormats::Count(), count) << "registering again replaces";
  ASSERT_NE(TPictureFormats::FindByExtension("bmp"), nullptr);
  EXPECT_EQ(TPictureFormats::FindByExtension(".PNG"), TPictureFormats::FindByExtension("png"));
  EXPECT_EQ(TPictureFormats::FindByExtension("xyz"), nullptr);

  const std::vector<uint8_t> png = EncodePng(*RandomBitmap(1, 1, 1));
  const std::vector<uint8_t> bmp = WriteBmp24(*RandomBitmap(1, 1, 1));
  EXPECT_EQ(TPictureFormats::FindByContent(png.data(), png.size())->Extension, "png");
  EXPECT_EQ(TPictureFormats::FindByContent(bmp.data(), bmp.size())->Extension, "bmp");
  const uint8_t junk[] = {'J', 'U', 'N', 'K'};
  EXPECT_EQ(TPictureFormats::FindByContent(junk, sizeof junk), nullptr);
  EXPECT_EQ(TPictureFormats::FindByContent(nullptr, 0), nullptr);
}

TEST_F(PictureTest, LoadFromFileChoosesByExtensionIgnoringCase) {
  const auto sourcePtr = RandomBitmap(6, 5, 11);
  const TBitmap& source = *sourcePtr;
  source.SaveToFile(PathOf("art.BMP"));
  SavePng(source, PathOf("art.Png"));

  TPicture bmpPicture;
  bmpPicture.LoadFromFile(PathOf("art.BMP"));
  ASSERT_NE(dynamic_cast<TBitmap*>(bmpPicture.Graphic()), nullptr);
  EXPECT_EQ(Pixels(*bmpPicture.Bitmap()), Pixels(source));

  TPicture pngPicture;
  pngPicture.LoadFromFile(PathOf("art.Png"));
  ASSERT_NE(dynamic_cast<TPngImage*>(pngPicture.Graphic()), nullptr);
  EXPECT_EQ(pngPicture.Width(), 6);
  EXPECT_EQ(pngPicture.Height(), 5);
}

TEST_F(PictureTest, LoadFromFileErrors) {
  TPicture picture;
  const struct {
    std::string name;
    std::string message;
  } cases[] = {
      {PathOf("image.xyz"), "Unknown picture file extension (.xyz)"},
      {PathOf("image"), "Unknown picture file extension (.)"},
      {PathOf("image.JPEGX"), "Unknown picture file extension (.JPEGX)"},
  };
  for (const auto& c : cases) {
    try {
      picture.LoadFromFile(c.name);
      ADD_FAILURE() << c.name;
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
  const std::string missing = PathOf("missing.bmp");
  try {
    picture.LoadFromFile(missing);
    ADD_FAILURE() << "a missing file loaded";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), "Cannot open file " + missing);
  }
  // A PNG named .bmp is read as BMP and refused as such.
  SavePng(*RandomBitmap(2, 2, 5), PathOf("fake.bmp"));
  EXPECT_THROW(picture.LoadFromFile(PathOf("fake.bmp")), EInvalidGraphic);
  EXPECT_TRUE(picture.Empty()) << "a failed load leaves the picture as it was";
}

TEST_F(PictureTest, LoadFromStreamSniffsTheFormat) {
  const auto sourcePtr = RandomBitmap(4, 3, 21);
  const TBitmap& source = *sourcePtr;
  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
    bool png;
  } cases[] = {{"bmp", WriteBmp24(source), false}, {"png", EncodePng(source), true}};
  for (const auto& c : cases) {
    std::vector<uint8_t> withPrefix = {9, 9};
    withPrefix.insert(withPrefix.end(), c.bytes.begin(), c.bytes.end());
    TMemoryStream stream(withPrefix);
    stream.SetPosition(2);
    TPicture picture;
    picture.LoadFromStream(stream);
    EXPECT_EQ(dynamic_cast<TPngImage*>(picture.Graphic()) != nullptr, c.png) << c.what;
    EXPECT_EQ(Pixels(*picture.Bitmap()), Pixels(source)) << c.what;
  }
  TMemoryStream junk(std::vector<uint8_t>{'n', 'o', 'p', 'e'});
  TPicture picture;
  EXPECT_THROW(picture.LoadFromStream(junk), EInvalidGraphic);
  TMemoryStream empty;
  EXPECT_THROW(picture.LoadFromStream(empty), EInvalidGraphic);
}

TEST_F(PictureTest, BitmapConvertsOtherFormatsOnDemand) {
  // A PNG picture becomes a bitmap with the same pixels when asked for one.
  const auto sourcePtr = RandomBitmap(7, 6, 8);
  const TBitmap& source = *sourcePtr;
  auto png = std::make_unique<TPngImage>();
  png->Assign(source);
  TPicture picture;
  picture.Assign(std::move(png));
  TBitmap* bitmap = picture.Bitmap();
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(picture.Graphic(), bitmap) << "the picture now holds the bitmap";
  EXPECT_EQ(bitmap->PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_EQ(Pixels(*bitmap), Pixels(source));
  EXPECT_EQ(picture.Bitmap(), bitmap) << "asking again gives the same bitmap";

  TPicture empty;
  ASSERT_NE(empty.Bitmap(), nullptr);
  EXPECT_TRUE(empty.Bitmap()->Empty());
}

TEST_F(PictureTest, AssignCopiesTheGraphic) {
  TPicture a;
  auto png = std::make_unique<TPngImage>();
  png->Assign(*RandomBitmap(3, 3, 2));
  a.Assign(std::move(png));
  TPicture b;
  b.Assign(a);
  ASSERT_NE(b.Graphic(), a.Graphic());
  ASSERT_NE(dynamic_cast<TPngImage*>(b.Graphic()), nullptr);
  EXPECT_EQ(Pixels(*b.Bitmap()), Pixels(*a.Bitmap()));
  b.Assign(b);
  EXPECT_FALSE(b.Empty());
  a.Clear();
  b.Assign(a);
  EXPECT_TRUE(b.Empty());
}

TEST_F(PictureTest, PngImageSavesAndDrawsItsBitmap) {
  const auto sourcePtr = RandomBitmap(5, 5, 77);
  const TBitmap& source = *sourcePtr;
  TPngImage image;
  image.Assign(source);
  TMemoryStream stream;
  image.SaveToStream(stream);
  stream.SetPosition(0);
  TPngImage loaded;
  loaded.LoadFromStream(stream);
  EXPECT_EQ(Pixels(loaded.Bitmap()), Pixels(source));

  // Drawn 1:1 into the middle of a white 7x7 bitmap.
  TBitmap target(7, 7);
  target.Fill(clWhite);
  target.Canvas()->Draw(1, 1, loaded);
  EXPECT_EQ(target.Pixel(0, 0), clWhite);
  EXPECT_EQ(target.Pixel(1, 1), source.Pixel(0, 0));
  EXPECT_EQ(target.Pixel(5, 5), source.Pixel(4, 4));
  EXPECT_EQ(target.Pixel(6, 6), clWhite);

  const auto clone = loaded.Clone();
  EXPECT_EQ(clone->Width(), 5);
}

}  // namespace
