#include "framework/graphics/BmpCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>

#include "framework/base/Exceptions.h"

namespace {

// A BMP file assembled field by field, so tests can write what no encoder
// would.
struct BmpFields {
  uint32_t headerSize = 40;
  int32_t width = 1;
  int32_t height = 1;
  uint16_t planes = 1;
  uint16_t bits = 24;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  std::vector<uint32_t> palette;  // 0xRRGGBB
  std::vector<uint32_t> masks;    // red, green, blue (after a 40-byte header, else inside it)
  std::vector<uint8_t> pixels;
  int64_t offBits = -1;  // -1: right after the palette
  uint32_t sizeImage = 0;
  int64_t fileSize = -1;  // -1: the real size
};

void Put16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

std::vector<uint8_t> BuildBmp(const BmpFields& s) {
  // Odd header sizes get a plausible amount of header bytes behind them.
  const uint32_t layout = s.headerSize == 12 ? 12 : std::clamp<uint32_t>(s.headerSize, 40, 124);
  std::vector<uint8_t> b(14 + layout, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 14, s.headerSize);
  if (s.headerSize == 12) {
    Put16(b, 18, static_cast<uint32_t>(s.width));
    Put16(b, 20, static_cast<uint32_t>(s.height));
    Put16(b, 22, s.planes);
    Put16(b, 24, s.bits);
  } else {
    Put32(b, 18, static_cast<uint32_t>(s.width));
    Put32(b, 22, static_cast<uint32_t>(s.height));
    Put16(b, 26, s.planes);
    Put16(b, 28, s.bits);
    Put32(b, 30, s.compression);
    Put32(b, 34, s.sizeImage);
    Put32(b, 46, s.colorsUsed);
    for (size_t i = 0; i < s.masks.size(); ++i) {
      if (layout > 40) {
        Put32(b, 54 + 4 * i, s.masks[i]);
      } else {
        b.resize(b.size() + 4);
        Put32(b, b.size() - 4, s.masks[i]);
      }
    }
  }
  for (const uint32_t c : s.palette) {
    b.push_back(static_cast<uint8_t>(c));
    b.push_back(static_cast<uint8_t>(c >> 8));
    b.push_back(static_cast<uint8_t>(c >> 16));
    if (s.headerSize != 12) b.push_back(0);
  }
  Put32(b, 10, static_cast<uint32_t>(s.offBits >= 0 ? s.offBits : static_cast<int64_t>(b.size())));
  b.insert(b.end(), s.pixels.begin(), s.pixels.end());
  Put32(b, 2, static_cast<uint32_t>(s.fileSize >= 0 ? s.fileSize : static_cast<int64_t>(b.size())));
  return b;
}

// Pixels as 0xRRGGBB, top row first, for exact comparisons.
std::vector<uint32_t> Pixels(const TBitmap& bmp) {
  std::vector<uint32_t> out;
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) {
      const TColor c = bmp.Pixel(x, y);
      out.push_back((static_cast<uint32_t>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c));
    }
  return out;
}

TColor ToColor(uint32_t rgb) { return RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF); }

TBmpInfo Read(const std::vector<uint8_t>& bytes, TBitmap& out) { return ReadBmp(bytes.data(), bytes.size(), out); }

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF, kBlack = 0;

TEST(BmpCodecTest, RoundTripsEveryDepthBothRowOrders) {
  std::mt19937 rng(20240611);
  for (const int bits : {1, 4, 8, 16, 24, 32}) {
    for (const bool topDown : {false, true}) {
      // Odd width, so every depth has row padding; colours limited to what the depth holds.
      TBitmap source(13, 7);
      std::vector<uint32_t> colours;
      const size_t colourCount = bits <= 8 ? size_t{1} << bits : 0;
      for (size_t i = 0; i < colourCount; ++i) colours.push_back(rng() & 0xFFFFFF);
      for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 13; ++x)
          source.SetPixel(x, y, ToColor(colourCount ? colours[rng() % colourCount] : rng() & 0xFFFFFF));

      const std::vector<uint8_t> file = WriteBmp(source, bits, topDown);
      TBitmap loaded;
      const TBmpInfo info = Read(file, loaded);
      SCOPED_TRACE(testing::Message() << bits << " bits, top-down " << topDown);
      EXPECT_EQ(info.BitCount, bits);
      EXPECT_EQ(info.TopDown, topDown);
      ASSERT_EQ(loaded.Width(), 13);
      ASSERT_EQ(loaded.Height(), 7);
      std::vector<uint32_t> expected = Pixels(source);
      if (bits == 16) {
        // Five bits a channel, spread back over 0..255 with rounding.
        for (uint32_t& c : expected) {
          uint32_t q = 0;
          for (int shift : {16, 8, 0}) q |= (((c >> shift & 0xFF) >> 3) * 255 + 15) / 31 << shift;
          c = q;
        }
      }
      EXPECT_EQ(Pixels(loaded), expected);
    }
  }
}

TEST(BmpCodecTest, PixelFormatRemembersTheFileDepth) {
  const struct {
    int bits;
    TPixelFormat format;
  } cases[] = {{1, TPixelFormat::pf1bit},   {4, TPixelFormat::pf4bit},   {8, TPixelFormat::pf8bit},
               {16, TPixelFormat::pf16bit}, {24, TPixelFormat::pf24bit}, {32, TPixelFormat::pf32bit}};
  TBitmap source(3, 2);
  source.Fill(clWhite);
  for (const auto& c : cases) {
    TBitmap loaded;
    Read(WriteBmp(source, c.bits), loaded);
    EXPECT_EQ(loaded.PixelFormat(), c.format) << c.bits;
  }
}

TEST(BmpCodecTest, EightBitFilesHaveTheExactSizes) {
  // The skin's master bitmap and its big button image.
  const struct {
    int w, h;
    size_t bytes;
  } cases[] = {{210, 300, 64678}, {288, 192, 56374}, {1, 1, 1082}};
  std::vector<TColor> palette;
  for (int i = 0; i < 256; ++i) palette.push_back(RGB(i, 255 - i, i / 2));
  for (const auto& c : cases) {
    TBitmap bmp(c.w, c.h);
    for (int y = 0; y < c.h; ++y)
      for (int x = 0; x < c.w; ++x) bmp.SetPixel(x, y, palette[(x * 7 + y * 3) % 256]);
    const std::vector<uint8_t> file = WriteBmp8(bmp, palette);
    EXPECT_EQ(file.size(), c.bytes) << c.w << "x" << c.h;
    EXPECT_EQ(file[10] | (file[11] << 8), 1078) << "pixels start after 256 palette entries";
    TBitmap loaded;
    const TBmpInfo info = Read(file, loaded);
    EXPECT_EQ(info.PaletteSize, 256);
    EXPECT_EQ(Pixels(loaded), Pixels(bmp));
  }
}

// A palette file loaded and saved again comes out byte for byte the same, so
// art stored in descriptions survives a read and a write; once a pixel leaves
// the palette the bitmap saves at 24 bits instead of losing the colour.
TEST(BmpCodecTest, PaletteBitmapSavesBackTheSameFile) {
  std::vector<TColor> palette = {0xFF00FF, 0xF1CEB0, 0x60421E};
  TBitmap art(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) art.SetPixel(x, y, palette[(x + y) % 3]);
  const std::vector<uint8_t> file = WriteBmp8(art, palette);

  TBitmap loaded;
  Read(file, loaded);
  ASSERT_EQ(loaded.Palette().size(), 256u);
  EXPECT_EQ(loaded.Palette()[1], 0xF1CEB0);
  TMemoryStream saved;
  loaded.SaveToStream(saved);
  EXPECT_EQ(saved.Bytes(), file);

  TBitmap copy;
  copy.Assign(loaded);
  copy.SetPixel(0, 0, 0x123456);
  TMemoryStream changed;
  copy.SaveToStream(changed);
  TBitmap reread;
  const TBmpInfo info = Read(changed.Bytes(), reread);
  EXPECT_EQ(info.BitCount, 24);
  EXPECT_EQ(reread.Pixel(0, 0), 0x123456);
  EXPECT_EQ(reread.Pixel(1, 0), 0xF1CEB0);
}

TEST(BmpCodecTest, EightBitWriterUsesTheCallersEntries) {
  // Palette red, black: a black pixel must take entry 1, not a black padding entry.
  TBitmap bmp(2, 1);
  bmp.SetPixel(0, 0, clBlack);
  bmp.SetPixel(1, 0, clRed);
  const std::vector<uint8_t> file = WriteBmp8(bmp, {clRed, clBlack});
  ASSERT_EQ(file.size(), 1078u + 4);
  EXPECT_EQ(file[1078], 1);
  EXPECT_EQ(file[1079], 0);

  TBitmap three(3, 1);
  three.SetPixel(0, 0, clRed);
  three.SetPixel(2, 0, clLime);
  EXPECT_THROW(WriteBmp8(three, {clRed, clBlack}), EInvalidGraphic) << "a colour outside the palette";
  EXPECT_THROW(WriteBmp8(three, std::vector<TColor>(257, clLime)), EInvalidGraphic);
  EXPECT_THROW(WriteBmp(three, 1), EInvalidGraphic) << "three colours do not fit one bit";
  EXPECT_THROW(WriteBmp(three, 2), EInvalidGraphic);
  EXPECT_THROW(WriteBmp24(TBitmap()), EInvalidGraphic);
}

TEST(BmpCodecTest, CoreHeaderWithThreeBytePalette) {
  // 2x2, 8 bits, OS/2 header: top row blue red, bottom row white blue.
  BmpFields s;
  s.headerSize = 12;
  s.width = 2;
  s.height = 2;
  s.bits = 8;
  s.palette = {kBlack, kRed, kWhite, kBlue};
  s.offBits = 14 + 12 + 256 * 3;
  s.palette.resize(256, kBlack);
  s.pixels = {2, 3, 0, 0, 3, 1, 0, 0};
  TBitmap bmp;
  const TBmpInfo info = Read(BuildBmp(s), bmp);
  EXPECT_EQ(info.PaletteSize, 256);
  EXPECT_EQ(Pixels(bmp), (std::vector<uint32_t>{kBlue, kRed, kWhite, kBlue}));
}

TEST(BmpCodecTest, BitfieldMasksAndLongHeaders) {
  // One row of three pixels: red, green, blue, in 5-6-5 and in odd 32-bit layouts.
  const struct {
    uint32_t headerSize;
    uint16_t bits;
    std::vector<uint32_t> masks;
    std::vector<uint8_t> pixels;
  } cases[] = {
      {40, 16, {0xF800, 0x07E0, 0x001F}, {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0}},
      {108, 16, {0xF800, 0x07E0, 0x001F}, {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0}},
      {124, 16, {0x7C00, 0x03E0, 0x001F}, {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0, 0}},
      // Red in the low byte, blue in the third.
      {40, 32, {0x0000FF, 0x00FF00, 0xFF0000}, {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0}},
      // Ten bits a channel.
      {124, 32, {0x3FF00000, 0x000FFC00, 0x000003FF}, {0x00, 0x00, 0xF0, 0x3F, 0x00, 0xFC, 0x0F, 0x00, 0xFF, 0x03, 0, 0}},
  };
  for (const auto& c : cases) {
    BmpFields s;
    s.headerSize = c.headerSize;
    s.width = 3;
    s.bits = c.bits;
    s.compression = 3;
    s.masks = c.masks;
    s.pixels = c.pixels;
    TBitmap bmp;
    Read(BuildBmp(s), bmp);
    EXPECT_EQ(Pixels(bmp), (std::vector<uint32_t>{kRed, kGreen, kBlue}))
        << c.headerSize << " / " << c.bits << " bits / red mask " << std::hex << c.masks[0];
  }
}

TEST(BmpCodecTest, Rle8WithRunsDeltaAndAbsoluteRuns) {
  // 6x3: top row all green; middle black black blue blue black black;
  // bottom red red red green blue green.
  BmpFields s;
  s.width = 6;
  s.height = 3;
  s.bits = 8;
  s.compression = 1;
  s.colorsUsed = 4;
  s.palette = {kBlack, kRed, kGreen, kBlue};
  s.pixels = {
      3, 1,                    // three red
      0, 3, 2, 3, 2, 0,        // absolute: green blue green, one pad byte
      0, 0,                    // end of line
      0, 2, 2, 0,              // move right by two
      2, 3,                    // two blue
      0, 0,                    // end of line
      6, 2,                    // six green
      0, 1,                    // end of picture
  };
  TBitmap bmp;
  const TBmpInfo info = Read(BuildBmp(s), bmp);
  EXPECT_EQ(info.Compression, 1u);
  EXPECT_EQ(Pixels(bmp), (std::vector<uint32_t>{kGreen, kGreen, kGreen, kGreen, kGreen, kGreen,  //
                                                kBlack, kBlack, kBlue, kBlue, kBlack, kBlack,    //
                                                kRed, kRed, kRed, kGreen, kBlue, kGreen}));
  EXPECT_EQ(bmp.PixelFormat(), TPixelFormat::pf8bit);
}

TEST(BmpCodecTest, Rle4WithDeltaAndPaddedAbsoluteRun) {
  // 5x2, palette white red blue: top row blue white red blue red;
  // bottom row black (never written), red blue red, black.
  BmpFields s;
  s.width = 5;
  s.height = 2;
  s.bits = 4;
  s.compression = 2;
  s.colorsUsed = 3;
  s.palette = {kWhite, kRed, kBlue};
  s.pixels = {
      0, 2, 1, 0,                // move right by one
      3, 0x12,                   // three pixels alternating 1, 2
      0, 0,                      // end of line
      0, 5, 0x20, 0x12, 0x10, 0, // absolute: 2 0 1 2 1, padded to an even byte count
      0, 1,                      // end of picture
  };
  TBitmap bmp;
  Read(BuildBmp(s), bmp);
  EXPECT_EQ(Pixels(bmp), (std::vector<uint32_t>{kBlue, kWhite, kRed, kBlue, kRed,  //
                                                kBlack, kRed, kBlue, kRed, kBlack}));
}

TEST(BmpCodecTest, RleWithoutEndMarkerIsAcceptedWhenEveryLineIsClosed) {
  // 2x1, one red run then end of line and nothing more.
  BmpFields s;
  s.width = 2;
  s.bits = 8;
  s.compression = 1;
  s.colorsUsed = 2;
  s.palette = {kBlack, kRed};
  s.pixels = {2, 1, 0, 0};
  TBitmap bmp;
  Read(BuildBmp(s), bmp);
  EXPECT_EQ(Pixels(bmp), (std::vector<uint32_t>{kRed, kRed}));
}

TEST(BmpCodecTest, StreamLoadStopsAtTheDeclaredFileSize) {
  TBitmap source(3, 2);
  source.Fill(clBlue);
  std::vector<uint8_t> bytes = WriteBmp24(source);
  const size_t fileLength = bytes.size();
  bytes.insert(bytes.end(), {'t', 'a', 'i', 'l'});
  TMemoryStream stream(bytes);
  TBitmap loaded;
  loaded.LoadFromStream(stream);
  EXPECT_EQ(stream.Position(), static_cast<int64_t>(fileLength)) << "the bytes after the picture stay unread";
  EXPECT_EQ(Pixels(loaded), Pixels(source));

  // Declared sizes that cannot be right (past the stream, before the
  // pixels, zero) fall back to what is in the stream.
  for (const uint32_t declared : {0xFFFFFFF0u, 30u, 0u}) {
    std::vector<uint8_t> wrongSize = WriteBmp24(source);
    Put32(wrongSize, 2, declared);
    TMemoryStream second(wrongSize);
    TBitmap again;
    again.LoadFromStream(second);
    EXPECT_EQ(Pixels(again), Pixels(source)) << declared;
  }
}

TEST(BmpCodecTest, EmptyStreamIsAnEmptyBitmapBothWays) {
  TBitmap empty;
  TMemoryStream out;
  empty.SaveToStream(out);
  EXPECT_EQ(out.Size(), 0);
  TBitmap loaded(4, 4);
  out.SetPosition(0);
  loaded.LoadFromStream(out);
  EXPECT_TRUE(loaded.Empty());
}

TEST(BmpCodecTest, LoadingKeepsTransparencySettings) {
  TBitmap source(2, 2);
  source.Fill(clRed);
  TMemoryStream stream;
  source.SaveToStream(stream);
  stream.SetPosition(0);
  TBitmap target;
  target.SetTransparent(true);
  target.SetTransparentColor(clFuchsia);
  target.LoadFromStream(stream);
  EXPECT_TRUE(target.Transparent());
  EXPECT_EQ(target.TransparentMode(), TTransparentMode::tmFixed);
  EXPECT_EQ(target.TransparentColor(), clFuchsia);
  EXPECT_EQ(target.Pixel(1, 1), clRed);
}

TEST(BmpCodecTest, FailedLoadLeavesTheTargetAlone) {
  // An RLE stream that breaks halfway must not leave a half-drawn picture.
  BmpFields s;
  s.width = 4;
  s.height = 2;
  s.bits = 8;
  s.compression = 1;
  s.colorsUsed = 2;
  s.palette = {kBlack, kRed};
  s.pixels = {4, 1, 0, 0, 9, 1};
  TBitmap target(1, 1);
  target.Fill(clLime);
  EXPECT_THROW(Read(BuildBmp(s), target), EInvalidGraphic);
  EXPECT_EQ(target.Width(), 1);
  EXPECT_EQ(target.Pixel(0, 0), clLime);
}

// Every malformed file fails with EInvalidGraphic.
TEST(BmpCodecTest, BadInputsThrowInvalidGraphic) {
  const auto base = [] {
    BmpFields s;
    s.width = 2;
    s.height = 2;
    s.pixels.assign(16, 0);
    return s;
  };
  const auto paletted = [](int bits, uint32_t used, std::vector<uint32_t> palette, std::vector<uint8_t> pixels) {
    BmpFields s;
    s.width = 2;
    s.height = 1;
    s.bits = static_cast<uint16_t>(bits);
    s.colorsUsed = used;
    s.palette = std::move(palette);
    s.pixels = std::move(pixels);
    return s;
  };
  const auto rle8 = [](int width, int height, std::vector<uint8_t> data) {
    BmpFields s;
    s.width = width;
    s.height = height;
    s.bits = 8;
    s.compression = 1;
    s.colorsUsed = 2;
    s.palette = {kBlack, kRed};
    s.pixels = std::move(data);
    return s;
  };
  const auto edited = [](BmpFields s, auto change) {
    change(s);
    return BuildBmp(s);
  };
  const auto truncated = [](std::vector<uint8_t> bytes, size_t length) {
    bytes.resize(length);
    return bytes;
  };
  const std::vector<uint8_t> good = BuildBmp(base());

  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"empty", {}},
      {"signature only", {'B', 'M'}},
      {"wrong signature", [&] { auto b = good; b[0] = 'X'; return b; }()},
      {"truncated info header", truncated(good, 30)},
      {"truncated pixel data", truncated(good, good.size() - 5)},
      {"header size 64", edited(base(), [](BmpFields& s) { s.headerSize = 64; })},
      {"header size 0", edited(base(), [](BmpFields& s) { s.headerSize = 0; })},
      {"header size huge", edited(base(), [](BmpFields& s) { s.headerSize = 0x7FFFFFFF; })},
      {"width 0", edited(base(), [](BmpFields& s) { s.width = 0; })},
      {"width negative", edited(base(), [](BmpFields& s) { s.width = -2; })},
      {"height 0", edited(base(), [](BmpFields& s) { s.height = 0; })},
      {"height INT_MIN", edited(base(), [](BmpFields& s) { s.height = INT_MIN; })},
      {"width too large", edited(base(), [](BmpFields& s) { s.width = kMaxPictureSide + 1; })},
      {"height too large", edited(base(), [](BmpFields& s) { s.height = -(kMaxPictureSide + 1); })},
      {"too many pixels", edited(base(), [](BmpFields& s) { s.width = s.height = 20000; })},
      {"absurd size without data", edited(base(), [](BmpFields& s) { s.width = s.height = 8000; })},
      {"two planes", edited(base(), [](BmpFields& s) { s.planes = 2; })},
      {"2 bits", edited(base(), [](BmpFields& s) { s.bits = 2; })},
      {"0 bits", edited(base(), [](BmpFields& s) { s.bits = 0; })},
      {"64 bits", edited(base(), [](BmpFields& s) { s.bits = 64; })},
      {"16-bit core header", edited(base(), [](BmpFields& s) { s.headerSize = 12; s.bits = 16; })},
      {"JPEG compression", edited(base(), [](BmpFields& s) { s.compression = 4; })},
      {"PNG compression", edited(base(), [](BmpFields& s) { s.compression = 5; })},
      {"unknown compression", edited(base(), [](BmpFields& s) { s.compression = 77; })},
      {"RLE8 at 24 bits", edited(base(), [](BmpFields& s) { s.compression = 1; })},
      {"RLE4 at 8 bits", edited(rle8(2, 1, {2, 1, 0, 1}), [](BmpFields& s) { s.compression = 2; })},
      {"bitfields at 24 bits", edited(base(), [](BmpFields& s) { s.compression = 3; s.masks = {0xFF0000, 0xFF00, 0xFF}; })},
      {"bitfield masks missing", edited(base(), [](BmpFields& s) { s.bits = 16; s.compression = 3; s.pixels.clear(); })},
      {"non-contiguous mask", edited(base(), [](BmpFields& s) { s.bits = 16; s.compression = 3; s.masks = {0x5, 0xF0, 0xF00}; })},
      {"16-bit mask past the pixel", edited(base(), [](BmpFields& s) { s.bits = 16; s.compression = 3; s.masks = {0x1F0000, 0x3E0, 0x1F}; })},
      {"palette count above 2^bits", BuildBmp(paletted(4, 17, std::vector<uint32_t>(17, kRed), {0}))},
      {"palette count 300 at 8 bits", BuildBmp(paletted(8, 300, std::vector<uint32_t>(300, kRed), {0, 0, 0, 0}))},
      {"palette past the file", truncated(BuildBmp(paletted(8, 0, std::vector<uint32_t>(256, kRed), {0, 0, 0, 0})), 14 + 40 + 40)},
      {"index past the palette", BuildBmp(paletted(8, 2, {kRed, kBlue}, {1, 2, 0, 0}))},
      {"4-bit index past the palette", BuildBmp(paletted(4, 3, {kRed, kBlue, kGreen}, {0x23, 0, 0, 0}))},
      {"pixel offset past the file", edited(base(), [](BmpFields& s) { s.offBits = 1000; })},
      {"pixel offset inside the header", edited(base(), [](BmpFields& s) { s.offBits = 20; })},
      {"RLE run leaves the line", BuildBmp(rle8(4, 1, {5, 1, 0, 1}))},
      {"RLE absolute run leaves the line", BuildBmp(rle8(2, 1, {0, 3, 1, 1, 1, 0, 0, 1}))},
      {"RLE move leaves the picture", BuildBmp(rle8(4, 2, {0, 2, 5, 0, 0, 1}))},
      {"RLE move below the picture", BuildBmp(rle8(4, 2, {0, 2, 0, 3, 0, 1}))},
      {"RLE draws below the last line", BuildBmp(rle8(2, 1, {0, 0, 1, 1, 0, 1}))},
      {"RLE too many lines", BuildBmp(rle8(2, 1, {0, 0, 0, 0, 0, 1}))},
      {"RLE absolute run truncated", BuildBmp(rle8(8, 1, {0, 5, 1, 1}))},
      {"RLE move truncated", BuildBmp(rle8(8, 1, {0, 2, 1}))},
      {"RLE ends early", BuildBmp(rle8(4, 2, {2, 1}))},
      {"RLE index past the palette", BuildBmp(rle8(4, 1, {2, 5, 0, 1}))},
      {"RLE without data", BuildBmp(rle8(4, 1, {}))},
      {"RLE top-down", edited(rle8(2, 1, {2, 1, 0, 1}), [](BmpFields& s) { s.height = -1; })},
  };
  for (const auto& c : cases) {
    TBitmap bmp;
    try {
      ReadBmp(c.bytes.data(), c.bytes.size(), bmp);
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message().rfind("Bitmap image is not valid", 0), 0u) << c.what << ": " << e.Message();
    } catch (const std::exception& e) {
      ADD_FAILURE() << c.what << ": wrong exception " << e.what();
    }
    // The stream path must agree.
    TMemoryStream stream(c.bytes);
    if (!c.bytes.empty()) {
      EXPECT_THROW(bmp.LoadFromStream(stream), EInvalidGraphic) << c.what;
    }
  }
}

TEST(BmpCodecTest, ShortLastRowWithoutPaddingIsAccepted) {
  // 1x2 at 24 bits: the final row's pad byte is missing; top red, bottom blue.
  BmpFields s;
  s.width = 1;
  s.height = 2;
  s.pixels = {0xFF, 0, 0, 0, 0, 0, 0xFF};
  TBitmap bmp;
  Read(BuildBmp(s), bmp);
  EXPECT_EQ(Pixels(bmp), (std::vector<uint32_t>{kRed, kBlue}));
}

}  // namespace
