#include "skin/pixels/sMaskDraw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>


// Found by argument lookup, so it lives beside the enumeration's namespace.
static std::ostream& operator<<(std::ostream& out, TMaskMode mode) {
  return out << (mode == TMaskMode::AsIs ? "as is" : "lighter");
}

namespace {

// Pictures are written as rows of characters, one per pixel.
using TGrid = std::vector<std::string>;

// Art colours; '.' is the white background and 'm' the transparent key.
const std::map<char, TColor> kArt = {
    {'.', clWhite}, {'r', clRed},    {'g', clLime},   {'b', clBlue},   {'y', clYellow},   {'c', clAqua},
    {'k', clBlack}, {'n', clNavy},   {'o', clOlive},  {'t', clTeal},   {'p', clPurple},   {'s', clSilver},
    {'m', kKeyColor},
};
// Mask greys (a channel's transparency): opaque, 200, fully transparent.
const std::map<char, TColor> kMaskGreys = {{'0', RGB(0, 0, 0)}, {'X', RGB(200, 200, 200)}, {'F', RGB(255, 255, 255)}};

TColor ColourOf(char c) {
  if (auto it = kArt.find(c); it != kArt.end()) return it->second;
  return kMaskGreys.at(c);
}

void PaintGrid(TBitmap& bmp, const TGrid& rows) {
  bmp.SetSize(static_cast<int>(rows.at(0).size()), static_cast<int>(rows.size()));
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) bmp.SetPixel(x, y, ColourOf(rows[y][x]));
}

std::unique_ptr<TBitmap> Grid(const TGrid& rows) {
  auto bmp = CreateBmp24(1, 1);
  PaintGrid(*bmp, rows);
  return bmp;
}

// The picture read back in art characters; '?' for any other colour.
TGrid ReadGrid(const TBitmap& bmp) {
  TGrid rows(bmp.Height(), std::string(bmp.Width(), '?'));
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x)
      for (const auto& [c, colour] : kArt)
        if (bmp.Pixel(x, y) == colour) rows[y][x] = c;
  return rows;
}

TGrid Blank(int width, int height) { return TGrid(height, std::string(width, '.')); }

TsMaskData Entry(TRect r, int imageCount, int maskType, int wl = 0, int wt = 0, int wr = 0, int wb = 0) {
  TsMaskData e;
  e.R = r;
  e.ImageCount = static_cast<int16_t>(imageCount);
  e.MaskType = static_cast<int16_t>(maskType);
  e.WL = static_cast<int16_t>(wl);
  e.WT = static_cast<int16_t>(wt);
  e.WR = static_cast<int16_t>(wr);
  e.WB = static_cast<int16_t>(wb);
  return e;
}

// An entry with a bitmap of its own.
TsMaskData OwnEntry(const TGrid& rows, int imageCount, int maskType) {
  TsMaskData e = Entry({0, 0, static_cast<int>(rows[0].size()), static_cast<int>(rows.size())},
                       imageCount, maskType);
  e.Bmp = Grid(rows);
  return e;
}

class MaskDrawTest : public ::testing::Test {
 protected:
  // A master bitmap holding `rows`, kept while the test runs.
  TBitmap* Skin(const TGrid& rows) {
    masters_.push_back(Grid(rows));
    return masters_.back().get();
  }

 private:
  std::vector<std::unique_ptr<TBitmap>> masters_;
};


// A cache bitmap whose pixel (x, y) is RGB(10x, 10y, 50), ready at (cx, cy).
struct TTestCache {
  std::unique_ptr<TBitmap> Bmp = CreateBmp24(8, 8);
  TCacheInfo Info;
  TTestCache(int cx, int cy, bool ready) {
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) Bmp->SetPixel(x, y, RGB(10 * x, 10 * y, 50));
    Info = TCacheInfo{Bmp.get(), cx, cy, ready};
  }
};

// Random pixels; about one in `keyEvery` is the key colour (0: none).
void Noise(TBitmap& bmp, std::mt19937& random, int keyEvery) {
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x)
      bmp.SetPixel(x, y, keyEvery && random() % keyEvery == 0 ? kKeyColor : static_cast<TColor>(random() & 0xFFFFFF));
}

}  // namespace

// One picture pixel S over its mask pixel M onto target D: the exact mix,
// each channel through its own mask channel.
TEST(MaskDrawMixTest, EachChannelMixesThroughItsOwnMask) {
  const struct {
    TMaskMode mode;
    TColor s, m, d, expected;
  } cases[] = {
      {TMaskMode::AsIs, RGB(10, 20, 30), RGB(0, 0, 0), RGB(200, 200, 200), RGB(10, 20, 30)},  // opaque: the picture
      {TMaskMode::AsIs, RGB(0, 0, 0), RGB(255, 255, 255), clWhite, RGB(254, 254, 254)},       // transparent: 255*255 >> 8
      {TMaskMode::AsIs, RGB(100, 100, 100), RGB(128, 128, 128), RGB(200, 200, 200), RGB(150, 150, 150)},
      {TMaskMode::AsIs, RGB(0, 100, 200), RGB(0, 128, 255), clWhite, RGB(0, 177, 254)},
      {TMaskMode::AsIs, RGB(0, 0, 0), RGB(200, 200, 200), RGB(200, 200, 200), RGB(156, 156, 156)},
      // The lighter reading lifts the mask by 100: 200 becomes 255, 155 too, 154 is 254.
      {TMaskMode::Lighter, RGB(0, 0, 0), RGB(200, 200, 200), RGB(200, 200, 200), RGB(199, 199, 199)},
      {TMaskMode::Lighter, RGB(0, 0, 0), RGB(155, 154, 0), RGB(200, 200, 255), RGB(199, 198, 99)},
      {TMaskMode::Lighter, RGB(0, 0, 0), RGB(0, 0, 0), clWhite, RGB(99, 99, 99)},
      {TMaskMode::Lighter, clWhite, RGB(0, 0, 0), clBlack, RGB(155, 155, 155)},
      // A key-coloured picture pixel leaves the target alone, even over mask 0.
      {TMaskMode::AsIs, kKeyColor, RGB(0, 0, 0), RGB(1, 2, 3), RGB(1, 2, 3)},
      {TMaskMode::Lighter, kKeyColor, RGB(0, 0, 0), RGB(1, 2, 3), RGB(1, 2, 3)},
  };
  for (const auto& c : cases) {
    auto src = CreateBmp24(1, 2);
    src->SetPixel(0, 0, c.s);
    src->SetPixel(0, 1, c.m);
    const TsMaskData entry = Entry({0, 0, 1, 2}, 1, 1);
    auto target = CreateBmp24(2, 2);
    target->Fill(c.d);
    DrawMasked({0, 0, 1, 1}, {0, 0, 1, 1}, *target, entry, c.mode, kKeyColor, *src);
    EXPECT_EQ(target->Pixel(0, 0), c.expected) << "mode " << c.mode << " S " << std::hex << c.s << " M " << c.m;
    EXPECT_EQ(target->Pixel(1, 0), c.d) << "only the one pixel is drawn";
  }
}

// Only as much as the smaller rectangle holds is drawn, cut to the target;
// leading pixels off either bitmap are cut from both sides, and rows whose
// mask would lie below the source are left out.
TEST(MaskDrawMixTest, CopiesTheSmallerRectangleCutToBothBitmaps) {
  const TsMaskData entry = Entry({0, 0, 3, 2}, 1, 1);  // picture "rgb" over an opaque mask
  const auto src = Grid({"rgb", "000"});
  const struct {
    TRect dst, src;
    TGrid expected;
  } cases[] = {
      {{0, 0, 2, 1}, {0, 0, 3, 1}, {"rg...", "....."}},
      {{0, 0, 5, 2}, {1, 0, 3, 1}, {"gb...", "....."}},
      {{3, 1, 8, 2}, {0, 0, 3, 1}, {".....", "...rg"}},
      {{-1, 0, 4, 1}, {0, 0, 3, 1}, {"gb...", "....."}},
      {{0, 0, 3, 1}, {-1, 0, 2, 1}, {".rg..", "....."}},
      {{0, 0, 3, 2}, {0, 0, 3, 2}, {"rgb..", "....."}},
      {{0, 0, 3, 1}, {0, 1, 3, 2}, {".....", "....."}},
      {{0, 0, 3, 1}, {5, 0, 8, 1}, {".....", "....."}},
      {{0, 0, 3, 1}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {".....", "....."}},
      {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {0, 0, 3, 1}, {".....", "....."}},
  };
  for (const auto& c : cases) {
    auto target = Grid(Blank(5, 2));
    DrawMasked(c.dst, c.src, *target, entry, TMaskMode::AsIs, kKeyColor, *src);
    EXPECT_EQ(ReadGrid(*target), c.expected) << "dst " << c.dst.Left << "," << c.dst.Top << " src " << c.src.Left;
  }
}

// The whole-row mix gives the bytes of the plain formula, per channel,
// over random pictures, masks and targets, with rows with and without key
// pixels, in both readings of the mask.
TEST(MaskDrawMixTest, RowsMatchThePlainFormulaOnRandomPixels) {
  std::mt19937 random(20240611);
  for (const TMaskMode mode : {TMaskMode::AsIs, TMaskMode::Lighter}) {
    auto src = CreateBmp24(61, 16);  // 8 picture rows over 8 mask rows
    Noise(*src, random, 0);
    for (int x = 0; x < 61; x += 7) src->SetPixel(x, 5, kKeyColor);  // a few rows with keys
    for (int x = 3; x < 61; x += 13) src->SetPixel(x, 2, kKeyColor);
    auto target = CreateBmp24(64, 10);
    Noise(*target, random, 0);
    auto before = CreateBmp24(64, 10);
    before->Assign(*target);
    DrawMasked({2, 1, 63, 9}, {0, 0, 61, 8}, *target, Entry({0, 0, 61, 16}, 1, 1), mode, kKeyColor, *src);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 64; ++x) {
        const TColor d = before->Pixel(x, y);
        TColor expected = d;
        if (x >= 2 && x < 63 && y >= 1 && y < 9 && src->Pixel(x - 2, y - 1) != kKeyColor) {
          const TColor s = src->Pixel(x - 2, y - 1), m = src->Pixel(x - 2, y + 7);
          uint8_t out[3];
          for (int c = 0; c < 3; ++c) {
            const int shift = 8 * c;
            const int dc = (d >> shift) & 0xFF, sc = (s >> shift) & 0xFF, mc = (m >> shift) & 0xFF;
            const int w = mode == TMaskMode::AsIs ? mc : std::min(mc + 100, 255);
            out[c] = static_cast<uint8_t>(std::clamp(((dc - sc) * w + 256 * sc) >> 8, 0, 255));
          }
          expected = RGB(out[0], out[1], out[2]);
        }
        ASSERT_EQ(target->Pixel(x, y), expected) << "mode " << mode << " at " << x << "," << y;
      }
  }
}

// Frame min(state, ImageCount - 1) of three frames r, g, b shows at (1, 1).
TEST_F(MaskDrawTest, GlyphShowsTheFrameOfItsState) {
  TBitmap* m = Skin({"rrggbb", "rrggbb"});
  const TsMaskData entry = Entry({0, 0, 6, 2}, 3, 0);
  const struct {
    TPaintState state;
    char frame;
  } cases[] = {{TPaintState::Normal, 'r'}, {TPaintState::Hot, 'g'}, {TPaintState::Pressed, 'b'},
               {TPaintState{5}, 'b'}, {TPaintState{255}, 'b'}};
  for (const auto& c : cases) {
    auto target = Grid(Blank(4, 4));
    DrawSkinGlyph(*target, {1, 1}, c.state, entry, m, TMaskMode::AsIs);
    const std::string row = std::string(".") + c.frame + c.frame + ".";
    EXPECT_EQ(ReadGrid(*target), (TGrid{"....", row, row, "...."})) << "state " << StateNumber(c.state);
  }
}

// A point left of or above the target cuts the frame's leading columns or rows.
TEST_F(MaskDrawTest, GlyphAtNegativePointsLosesItsLeadingRowsAndColumns) {
  TBitmap* m = Skin({"rgb", "yck", "ntp"});
  const TsMaskData entry = Entry({0, 0, 3, 3}, 1, 0);
  const struct {
    TPoint at;
    TGrid expected;
  } cases[] = {
      {{-1, -2}, {"tp.", "...", "..."}},
      {{2, -1}, {"..y", "..n", "..."}},
      {{-2, 1}, {"...", "b..", "k.."}},
      {{-3, 0}, {"...", "...", "..."}},
      {{INT_MIN, INT_MIN}, {"...", "...", "..."}},
  };
  for (const auto& c : cases) {
    auto target = Grid(Blank(3, 3));
    DrawSkinGlyph(*target, c.at, TPaintState::Normal, entry, m, TMaskMode::AsIs);
    EXPECT_EQ(ReadGrid(*target), c.expected) << c.at.X << "," << c.at.Y;
  }
}

// Without a mask, the lighter mode mixes half and half, halves to even;
// the mode as is copies; key pixels stay out of both.
TEST_F(MaskDrawTest, GlyphWithoutMaskHalfBlendsRoundingHalvesToEven) {
  const struct {
    TMaskMode mode;
    TColor s, d, expected;
  } cases[] = {
      {TMaskMode::Lighter, RGB(1, 2, 3), RGB(2, 3, 4), RGB(2, 2, 4)},  // 1.5, 2.5, 3.5
      {TMaskMode::Lighter, RGB(255, 0, 10), RGB(0, 255, 10), RGB(128, 128, 10)},
      {TMaskMode::Lighter, RGB(8, 9, 100), RGB(9, 8, 50), RGB(8, 8, 75)},
      {TMaskMode::AsIs, RGB(1, 2, 3), RGB(2, 3, 4), RGB(1, 2, 3)},
      {TMaskMode::Lighter, kKeyColor, RGB(2, 3, 4), RGB(2, 3, 4)},
      {TMaskMode::AsIs, kKeyColor, RGB(2, 3, 4), RGB(2, 3, 4)},
  };
  for (const auto& c : cases) {
    auto art = CreateBmp24(2, 2);
    art->Fill(c.s);
    auto target = CreateBmp24(2, 2);
    target->Fill(c.d);
    DrawSkinGlyph(*target, {0, 0}, TPaintState::Normal, Entry({0, 0, 1, 1}, 1, 0), art.get(), c.mode);
    EXPECT_EQ(target->Pixel(0, 0), c.expected) << "mode " << c.mode << " S " << std::hex << c.s;
    EXPECT_EQ(target->Pixel(1, 0), c.d);
  }
}

// With a mask, the state's frame mixes through the mask under it, in the
// transparency mode: frame 1 is black over masks 200 and 0 on white.
TEST_F(MaskDrawTest, GlyphWithMaskMixesInItsTransparencyMode) {
  TBitmap* m = Skin({"rrkk", "00X0"});
  const struct {
    bool own;
    TMaskMode mode;
    TColor left, right;
  } cases[] = {
      {false, TMaskMode::AsIs, RGB(199, 199, 199), RGB(0, 0, 0)},
      {false, TMaskMode::Lighter, RGB(254, 254, 254), RGB(99, 99, 99)},
      {true, TMaskMode::AsIs, RGB(199, 199, 199), RGB(0, 0, 0)},
      {true, TMaskMode::Lighter, RGB(254, 254, 254), RGB(99, 99, 99)},
  };
  for (const auto& c : cases) {
    const TsMaskData entry = c.own ? OwnEntry({"rrkk", "00X0"}, 2, 1) : Entry({0, 0, 4, 2}, 2, 1);
    auto target = Grid(Blank(3, 2));
    DrawSkinGlyph(*target, {1, 0}, TPaintState::Hot, entry, m, c.mode);
    EXPECT_EQ(target->Pixel(1, 0), c.left) << "own " << c.own << " mode " << c.mode;
    EXPECT_EQ(target->Pixel(2, 0), c.right) << "own " << c.own << " mode " << c.mode;
    EXPECT_EQ(target->Pixel(0, 0), clWhite);
    EXPECT_EQ(target->Pixel(1, 1), clWhite) << "the mask half is never drawn";
  }
}

// Repeating a masked tile row by row gives the same bytes as drawing it
// tile by tile: a texture (mask as it is) and a border middle (lighter).
TEST_F(MaskDrawTest, RepeatedMaskedTilesMatchDrawingTileByTile) {
  std::mt19937 random(7);
  for (const bool border : {false, true}) {
    TsMaskData entry = OwnEntry({"rgbyc", "rgbyc", "rgbyc", "00000", "00000", "00000"}, 1, 1);
    Noise(*entry.Bmp, random, 6);
    auto target = CreateBmp24(37, 23);
    Noise(*target, random, 0);
    auto expected = CreateBmp24(1, 1);
    expected->Assign(*target);
    const TRect area{3, 2, 35, 22};
    for (int y = area.Top; y < area.Bottom; y += 3)
      for (int x = area.Left; x < area.Right; x += 5)
        DrawMasked({x, y, std::min(x + 5, area.Right), std::min(y + 3, area.Bottom)}, {0, 0, 5, 3}, *expected, entry,
                   border ? TMaskMode::Lighter : TMaskMode::AsIs, kKeyColor, *entry.Bmp);
    if (border) {
      PaintBorder(*target, area, TBorderCentre::Fill, TKeyPixels::Keep, TPaintState::Normal, entry, nullptr, {});
    } else {
      TRect rect = area;
      FillWithTexture(*target, rect, nullptr, TTextureMode::Tile, &entry, nullptr);
    }
    for (int y = 0; y < 23; ++y)
      for (int x = 0; x < 37; ++x)
        ASSERT_EQ(target->Pixel(x, y), expected->Pixel(x, y)) << "border " << border << " at " << x << "," << y;
  }
}

// A rectangle narrower than WL + WR takes the excess from both: 10 pixels
// with 8 + 8 draw 5 red and 5 blue; at 9 the right-hand pieces, drawn
// later, cover the shared column.
TEST_F(MaskDrawTest, BorderFitsRectanglesNarrowerThanItsBorders) {
  TBitmap* m = Skin({"rrrrrrrrggggbbbbbbbb", "rrrrrrrrggggbbbbbbbb", "rrrrrrrrggggbbbbbbbb"});
  const TsMaskData entry = Entry({0, 0, 20, 3}, 1, 0, 8, 1, 8, 1);
  const struct {
    int width;
    TGrid expected;
  } cases[] = {
      {10, {".rrrrrbbbbb.........", ".rrrrrbbbbb.........", ".rrrrrbbbbb........."}},
      {9, {".rrrrbbbbb..........", ".rrrrbbbbb..........", ".rrrrbbbbb.........."}},
      {17, {".rrrrrrrrgbbbbbbbb..", ".rrrrrrrr.bbbbbbbb..", ".rrrrrrrrgbbbbbbbb.."}},
  };
  for (const auto& c : cases) {
    auto target = Grid(Blank(20, 3));
    PaintBorder(*target, {1, 0, 1 + c.width, 3}, TBorderCentre::Leave, TKeyPixels::Keep, TPaintState::Normal, entry, m, {});
    EXPECT_EQ(ReadGrid(*target), c.expected) << "width " << c.width;
  }
  // The same across: 10 rows with WT = WB = 8 show 5 rows of each.
  TBitmap* tall = Skin({"r", "r", "r", "r", "r", "r", "r", "r", "g", "b", "b", "b", "b", "b", "b", "b", "b"});
  auto target = Grid(Blank(3, 12));
  PaintBorder(*target, {0, 1, 3, 11}, TBorderCentre::Leave, TKeyPixels::Keep, TPaintState::Normal,
              Entry({0, 0, 1, 17}, 1, 0, 0, 8, 0, 8), tall, {});
  EXPECT_EQ(ReadGrid(*target), (TGrid{"...", "rrr", "rrr", "rrr", "rrr", "rrr", "bbb", "bbb", "bbb", "bbb", "bbb",
                                      "..."}));
}

// A 5 x 5 frame with 1-pixel borders over 9 x 9: corners k, edges and middle
// repeated in steps of 3 with a partial last tile; stretched over 8 x 8 each
// middle piece is doubled. Without a mask the middle needs the filling flag
// and BorderWidth 0.
TEST_F(MaskDrawTest, BorderRepeatsOrStretchesEdgesAndMiddle) {
  TBitmap* m = Skin({"krgbk", "rotpy", "gtpoc", "bpotn", "kycnk"});
  const TGrid tiled = {"krgbrgbrk", "rotpotpoy", "gtpotpotc", "bpotpotpn", "rotpotpoy",
                       "gtpotpotc", "bpotpotpn", "rotpotpoy", "kycnycnyk"};
  const TGrid tiledFrameOnly = {"krgbrgbrk", "r.......y", "g.......c", "b.......n", "r.......y",
                                "g.......c", "b.......n", "r.......y", "kycnycnyk"};
  const TGrid stretched = {"krrggbbk", "roottppy", "roottppy", "gttppooc",
                           "gttppooc", "bppoottn", "bppoottn", "kyyccnnk"};
  const TGrid stretchedFrameOnly = {"krrggbbk", "r......y", "r......y", "g......c",
                                    "g......c", "b......n", "b......n", "kyyccnnk"};
  const struct {
    int size, stretchMode, borderWidth;
    TBorderCentre centre;
    const TGrid& expected;
  } cases[] = {
      {9, 0, 0, TBorderCentre::Fill, tiled},
      {9, 0, 0, TBorderCentre::Leave, tiledFrameOnly},
      {9, 0, 1, TBorderCentre::Fill, tiledFrameOnly},
      {8, 1, 0, TBorderCentre::Fill, stretched},
      {8, 1, 0, TBorderCentre::Leave, stretchedFrameOnly},
      {8, 1, 1, TBorderCentre::Fill, stretchedFrameOnly},
  };
  for (const auto& c : cases) {
    TsMaskData entry = Entry({0, 0, 5, 5}, 1, 0, 1, 1, 1, 1);
    entry.StretchMode = static_cast<int16_t>(c.stretchMode);
    entry.BorderWidth = static_cast<int16_t>(c.borderWidth);
    auto target = Grid(Blank(c.size, c.size));
    PaintBorder(*target, {0, 0, c.size, c.size}, c.centre, TKeyPixels::Keep, TPaintState::Normal, entry, m, {});
    EXPECT_EQ(ReadGrid(*target), c.expected) << "stretch " << c.stretchMode << " width " << c.borderWidth
                                             << " fill " << (c.centre == TBorderCentre::Fill);
  }
}

// With a mask, corners mix as they are and key corner pixels show the
// parent's Ready cache at (cache + target position); edges and middle take
// the lighter mask (black over white at mask 0 gives 99) and their key
// pixels never take the cache.
TEST_F(MaskDrawTest, MaskedBorderCornersShowTheParentCache) {
  TBitmap* m = Skin({"mmk", "kkk", "kkk", "000", "000", "000"});
  const TsMaskData entry = Entry({0, 0, 3, 6}, 1, 1, 1, 1, 1, 1);
  const TColor edge = RGB(99, 99, 99);
  for (const bool ready : {true, false}) {
    TTestCache cache(2, 1, ready);
    auto target = Grid(Blank(6, 6));
    PaintBorder(*target, {1, 1, 6, 6}, TBorderCentre::Fill, TKeyPixels::Keep, TPaintState::Normal, entry, m, cache.Info);
    EXPECT_EQ(target->Pixel(1, 1), ready ? RGB(30, 20, 50) : clWhite) << "key corner, ready " << ready;
    EXPECT_EQ(target->Pixel(5, 1), clBlack) << "opaque corner";
    EXPECT_EQ(target->Pixel(1, 5), clBlack);
    EXPECT_EQ(target->Pixel(5, 5), clBlack);
    for (int x = 2; x < 5; ++x) EXPECT_EQ(target->Pixel(x, 1), clWhite) << "key edge pixel " << x;
    EXPECT_EQ(target->Pixel(1, 3), edge);
    EXPECT_EQ(target->Pixel(3, 3), edge) << "middle";
    EXPECT_EQ(target->Pixel(3, 5), edge);
    EXPECT_EQ(target->Pixel(0, 0), clWhite) << "outside the rectangle";
  }
}

// A window shaped by its border loses exactly the key pixels of the
// state's corners that reach the outer edge, where the nine-slice puts
// them: here two pixels of the top-left corner and one of the bottom-right,
// in frame 1 of two, over a rectangle that the corners of 2 x 2 fit. The
// key pixel on the inner side of the top-right corner stays.
TEST_F(MaskDrawTest, TransparentCornersAreTheKeyPixelsOfTheFramesCorners) {
  TBitmap* m = Skin({"kkkkmmmk", "kkkkmkkk", "kkkkkkkk", "kkkkkkkm"});
  const TsMaskData entry = Entry({0, 0, 8, 4}, 2, 0, 2, 2, 2, 2);
  const TRegion holes = TransparentCorners({10, 20, 17, 25}, TPaintState::Hot, entry, m);
  EXPECT_EQ(holes, TRegion::FromRects({{10, 20, 12, 21}, {10, 21, 11, 22}, {16, 24, 17, 25}}));
  EXPECT_TRUE(TransparentCorners({10, 20, 17, 25}, TPaintState::Normal, entry, m).IsEmpty()) << "frame 0 is opaque";
  EXPECT_TRUE(TransparentCorners({10, 20, 17, 25}, TPaintState::Hot, entry, nullptr).IsEmpty()) << "no bitmap";
  EXPECT_TRUE(TransparentCorners({10, 20, 11, 25}, TPaintState::Hot, entry, m).IsEmpty()) << "below 2 x 2";
  // Far outside the plane of windows nothing is cut, and nothing overflows.
  EXPECT_TRUE(TransparentCorners({INT_MIN, INT_MIN, INT_MIN + 4, INT_MIN + 4}, TPaintState::Hot, entry, m).IsEmpty());
}

// Without a mask, key corner pixels take the cache only when asked.
TEST_F(MaskDrawTest, PlainBorderCornersTakeTheCacheWhenAsked) {
  TBitmap* m = Skin({"mkk", "kkk", "kkk"});
  const TsMaskData entry = Entry({0, 0, 3, 3}, 1, 0, 1, 1, 1, 1);
  const struct {
    TKeyPixels keys;
    bool ready;
    TColor corner;
  } cases[] = {
      {TKeyPixels::FromCache, true, RGB(30, 20, 50)},
      {TKeyPixels::FromCache, false, clWhite},
      {TKeyPixels::Keep, true, clWhite},
  };
  for (const auto& c : cases) {
    TTestCache cache(2, 1, c.ready);
    auto target = Grid(Blank(5, 5));
    PaintBorder(*target, {1, 1, 5, 5}, TBorderCentre::Leave, c.keys, TPaintState::Normal, entry, m, cache.Info);
    EXPECT_EQ(target->Pixel(1, 1), c.corner);
    EXPECT_EQ(target->Pixel(2, 1), clBlack);
  }
}

// Each draw mode's covered part of a rectangle, tile "rg/by", and the part
// it hands back; modes without a drawing of their own repeat the tile like
// Tile.
TEST_F(MaskDrawTest, TextureModesCoverTheirPartAndReturnTheRest) {
  TBitmap* m = Skin({"rg", "by"});
  const TsMaskData entry = Entry({0, 0, 2, 2}, 1, 0);
  const TGrid all = {".......", ".rgrgr.", ".bybyb.", ".rgrgr.", "......."};
  const struct {
    int mode;  // as a skin stores it
    TRect rect;
    TGrid expected;
    TRect left;
  } cases[] = {
      {0, {1, 1, 6, 4}, all, {}},
      {10, {1, 1, 6, 4}, all, {}},
      {2, {1, 1, 6, 4}, {".......", ".rgrgr.", ".bybyb.", ".......", "......."}, {1, 3, 6, 4}},
      {3, {1, 1, 6, 4}, {".......", ".rg....", ".by....", ".rg....", "......."}, {3, 1, 6, 4}},
      {6, {1, 1, 6, 4}, {".......", ".......", ".rgrgr.", ".bybyb.", "......."}, {1, 1, 6, 2}},
      {7, {1, 1, 6, 4}, {".......", "....rg.", "....by.", "....rg.", "......."}, {1, 1, 4, 4}},
      {2, {1, 1, 6, 2}, {".......", ".rgrgr.", ".......", ".......", "......."}, {}},
      {6, {1, 1, 6, 2}, {".......", ".bybyb.", ".......", ".......", "......."}, {}},
      {8, {1, 1, 6, 4}, all, {}},
      {9, {1, 1, 6, 4}, all, {}},
      {11, {1, 1, 6, 4}, all, {}},
      {14, {1, 1, 6, 4}, all, {}},
      {-1, {1, 1, 6, 4}, all, {}},
      // Stretched over a 4 x 4 rectangle, where each tile pixel doubles.
      {1, {1, 0, 5, 4}, {".rrgg..", ".rrgg..", ".bbyy..", ".bbyy..", "......."}, {}},
      {4, {1, 0, 5, 4}, {".rrgg..", ".bbyy..", ".......", ".......", "......."}, {1, 2, 5, 4}},
      {5, {1, 0, 5, 4}, {".rg....", ".rg....", ".by....", ".by....", "......."}, {3, 0, 5, 4}},
  };
  for (const auto& c : cases) {
    auto target = Grid(Blank(7, 5));
    TRect rect = c.rect;
    FillWithTexture(*target, rect, nullptr, static_cast<TTextureMode>(c.mode), &entry, m);
    EXPECT_EQ(ReadGrid(*target), c.expected) << "mode " << c.mode;
    EXPECT_EQ(rect, c.left) << "mode " << c.mode;
  }
}

// A bitmap of its own (given, or the entry's) is repeated over everything,
// whatever the mode.
TEST_F(MaskDrawTest, TextureOfItsOwnCoversTheWholeRectangle) {
  const auto own = Grid({"ny"});
  const TsMaskData ownEntry = OwnEntry({"ny"}, 1, 0);
  const TGrid expected = {".......", ".nynyn.", ".nynyn.", ".nynyn.", "......."};
  for (const TTextureMode mode : {TTextureMode::Tile, TTextureMode::TopRow, TTextureMode::RightColumn}) {
    for (const bool given : {true, false}) {
      auto target = Grid(Blank(7, 5));
      TRect rect{1, 1, 6, 4};
      FillWithTexture(*target, rect, given ? own.get() : nullptr, mode, given ? nullptr : &ownEntry, nullptr);
      EXPECT_EQ(ReadGrid(*target), expected) << "mode " << static_cast<int>(mode) << " given " << given;
      EXPECT_TRUE(rect.IsEmpty());
    }
  }
}

// A texture with a mask mixes through it, repeated or stretched: black over
// white at masks 0 and 255 gives 0 and 254.
TEST_F(MaskDrawTest, TextureWithMaskMixesThroughIt) {
  TBitmap* m = Skin({"kk", "0F"});
  const TsMaskData entry = Entry({0, 0, 2, 2}, 1, 1);
  const TColor k = clBlack, w = RGB(254, 254, 254), bg = clWhite;
  const struct {
    TTextureMode mode;
    std::vector<TColor> row;  // row 1 of the target; rows 1 and 2 are drawn
  } cases[] = {
      {TTextureMode::Tile, {bg, k, w, k, w, k, bg}},
      {TTextureMode::Stretch, {bg, k, k, w, w, w, bg}},  // 2 -> 5 columns: 0, 0, 1, 1, 1
  };
  for (const auto& c : cases) {
    auto target = Grid(Blank(7, 4));
    TRect rect{1, 1, 6, 3};
    FillWithTexture(*target, rect, nullptr, c.mode, &entry, m);
    for (int y : {1, 2})
      for (int x = 0; x < 7; ++x)
        EXPECT_EQ(target->Pixel(x, y), c.row[x]) << "mode " << static_cast<int>(c.mode) << " at " << x << "," << y;
    EXPECT_EQ(target->Pixel(1, 0), bg);
    EXPECT_EQ(target->Pixel(1, 3), bg);
    EXPECT_TRUE(rect.IsEmpty());
  }
}

// Damaged entries and rectangles draw nothing, and the texture fill then
// hands the whole rectangle back.
TEST_F(MaskDrawTest, DamagedEntriesDrawNothing) {
  TBitmap* m = Skin({"rrggbb", "rrggbb", "000000", "000000"});
  const TsMaskData good = Entry({0, 0, 6, 4}, 3, 1, 1, 1, 1, 1);
  const struct {
    const char* what;
    TsMaskData entry;
    TBitmap* master;
  } entries[] = {
      {"no frames", Entry({0, 0, 6, 4}, 0, 1, 1, 1, 1, 1), m},
      {"negative frames", Entry({0, 0, 6, 4}, -3, 1, 1, 1, 1, 1), m},
      {"more frames than pixels", Entry({0, 0, 6, 4}, 7, 1, 1, 1, 1, 1), m},
      {"more halves than rows", Entry({0, 0, 6, 4}, 3, 9, 1, 1, 1, 1), m},
      {"outside the master", Entry({100, 100, 106, 104}, 3, 1, 1, 1, 1, 1), m},
      {"reversed", Entry({6, 4, 0, 0}, 3, 1, 1, 1, 1, 1), m},
      {"whole plane", Entry({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 1, 0, 1, 1, 1, 1), m},
      {"no master bitmap", Entry({0, 0, 6, 4}, 3, 1, 1, 1, 1, 1), nullptr},
  };
  const TGrid blank = Blank(6, 6);
  for (const auto& e : entries) {
    auto target = Grid(blank);
    DrawSkinGlyph(*target, {0, 0}, TPaintState::Normal, e.entry, e.master, TMaskMode::AsIs);
    EXPECT_EQ(ReadGrid(*target), blank) << "glyph: " << e.what;
    PaintBorder(*target, {0, 0, 6, 6}, TBorderCentre::Fill, TKeyPixels::Keep, TPaintState::Normal, e.entry, e.master,
                {});
    EXPECT_EQ(ReadGrid(*target), blank) << "border: " << e.what;
    TRect rect{0, 0, 6, 6};
    FillWithTexture(*target, rect, nullptr, TTextureMode::Tile, &e.entry, e.master);
    EXPECT_EQ(ReadGrid(*target), blank) << "texture: " << e.what;
    EXPECT_EQ(rect, (TRect{0, 0, 6, 6})) << "texture: " << e.what;
  }
  // Rectangles below 2 x 2 get no border.
  for (const TRect& r : {TRect{0, 0, 1, 6}, TRect{0, 0, 6, 1}, TRect{6, 6, 0, 0}}) {
    auto target = Grid(blank);
    PaintBorder(*target, r, TBorderCentre::Fill, TKeyPixels::Keep, TPaintState::Normal, good, m, {});
    EXPECT_EQ(ReadGrid(*target), blank) << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
  }
  // Nothing to fill from at all.
  auto target = Grid(blank);
  TRect rect{0, 0, 6, 6};
  FillWithTexture(*target, rect, nullptr, TTextureMode::Tile, nullptr, m);
  EXPECT_EQ(rect, (TRect{0, 0, 6, 6}));
}

// Damaged border widths and mask counts read as the nearest sane value: a
// negative width as 0 (so the middle is the whole frame), a negative
// MaskType as no mask.
TEST_F(MaskDrawTest, DamagedWidthsAndMaskTypesReadAsSaneValues) {
  TBitmap* m = Skin({"rg", "by"});
  TsMaskData entry = Entry({0, 0, 2, 2}, 1, 0, -5, -5, -5, -5);
  auto target = Grid(Blank(3, 3));
  PaintBorder(*target, {0, 0, 3, 3}, TBorderCentre::Fill, TKeyPixels::Keep, TPaintState::Normal, entry, m, {});
  EXPECT_EQ(ReadGrid(*target), (TGrid{"rgr", "byb", "rgr"}));

  entry.MaskType = -1;
  target = Grid(Blank(3, 3));
  DrawSkinGlyph(*target, {1, 1}, TPaintState::Normal, entry, m, TMaskMode::AsIs);
  EXPECT_EQ(ReadGrid(*target), (TGrid{"...", ".rg", ".by"}));
}

// A rectangle as large as the coordinates go stays bounded by the target:
// the repeats are anchored at its far corner, stretches still cover it.
TEST_F(MaskDrawTest, HugeRectanglesOnlyWorkOnTheTarget) {
  TBitmap* m = Skin({"krgbk", "rotpy", "gtpoc", "bpotn", "kycnk"});
  const TRect huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  const TGrid middle = {"otp", "tpo", "pot"};
  TsMaskData border = Entry({0, 0, 5, 5}, 1, 0, 1, 1, 1, 1);
  auto target = Grid(Blank(4, 4));
  PaintBorder(*target, huge, TBorderCentre::Fill, TKeyPixels::Keep, TPaintState::Normal, border, m, {});
  // The middle's first tile starts at INT_MIN + 1.
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      const long long tx = (x - (INT_MIN + 1LL)) % 3, ty = (y - (INT_MIN + 1LL)) % 3;
      EXPECT_EQ(ReadGrid(*target)[y][x], middle[ty][tx]) << x << "," << y;
    }

  TBitmap* tile = Skin({"rg", "by"});
  const TsMaskData texture = Entry({0, 0, 2, 2}, 1, 0);
  target = Grid(Blank(4, 4));
  TRect rect = huge;
  FillWithTexture(*target, rect, nullptr, TTextureMode::Tile, &texture, tile);
  EXPECT_EQ(ReadGrid(*target), (TGrid{"rgrg", "byby", "rgrg", "byby"}));
  EXPECT_TRUE(rect.IsEmpty());

  target = Grid(Blank(4, 4));
  rect = huge;
  FillWithTexture(*target, rect, nullptr, TTextureMode::Stretch, &texture, tile);
  for (const std::string& row : ReadGrid(*target))
    EXPECT_EQ(row.find_first_not_of("rgby"), std::string::npos) << row;
}
