#include "skin/pixels/sGradient.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"

namespace {

constexpr TColor kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kBack = 0x808080;

// The rows of a bitmap as characters, one per pixel; '?' for colours not in the legend.
std::vector<std::string> Picture(const TBitmap& bm) {
  static const std::map<TColor, char> legend = {
      {kRed, 'r'}, {kGreen, 'g'}, {kBlue, 'b'}, {kBack, '.'}, {clBlack, '#'}, {clWhite, 'w'}};
  std::vector<std::string> rows;
  for (int y = 0; y < bm.Height(); ++y) {
    std::string row;
    for (int x = 0; x < bm.Width(); ++x) {
      const auto it = legend.find(bm.Pixel(x, y));
      row += it == legend.end() ? '?' : it->second;
    }
    rows.push_back(row);
  }
  return rows;
}

TBitmap& Fresh(TBitmap& bm, int w, int h) {
  bm.SetSize(w, h);
  bm.Fill(kBack);
  return bm;
}

void FillRandom(TBitmap& bm, std::mt19937& rng) {
  for (int y = 0; y < bm.Height(); ++y) {
    uint8_t* row = bm.ScanLine(y);
    for (int i = 0; i < bm.Width() * 3; ++i) row[i] = static_cast<uint8_t>(rng());
  }
}

bool SamePixels(const TBitmap& a, const TBitmap& b) {
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

// A plain transcription of the painting rules, pixel by pixel with every
// band recomputed per row, to hold the row-copying painter against.
void ReferencePaint(TBitmap& bm, TRect r, const TsGradArray& data, int offset) {
  r.Right = std::min(r.Right, bm.Width());
  r.Bottom = std::min(r.Bottom, bm.Height());
  r.Left = std::max(r.Left, 0);
  r.Top = std::max(r.Top, 0);
  if (data.empty()) return;
  auto put = [&](int64_t x, int64_t y, double cr, double cg, double cb) {
    if (x < r.Left || x >= r.Right || y < r.Top || y >= r.Bottom) return;
    bm.SetPixel(static_cast<int>(x), static_cast<int>(y),
                static_cast<TColor>(Round(cr) | Round(cg) << 8 | Round(cb) << 16));
  };
  auto channels = [](int32_t c, double* ch) {
    ch[0] = c & 0xFF;
    ch[1] = (c >> 8) & 0xFF;
    ch[2] = (c >> 16) & 0xFF;
  };
  if (data[0].Mode == 0) {
    int64_t e = int64_t{offset} + r.Top;
    for (size_t i = 0; i < data.size(); ++i) {
      const int64_t s = e;
      e = static_cast<uint8_t>(data[i].Percent) * (int64_t{offset} + r.Height()) / 100 + s;
      e = i + 1 == data.size() ? r.Bottom - 1 : std::min<int64_t>(e, r.Bottom - 1);
      if (e - s <= 0) continue;
      double v[3], w[3];
      channels(data[i].Color1, v);
      channels(data[i].Color2, w);
      const double d[3] = {(w[0] - v[0]) / (e - s), (w[1] - v[1]) / (e - s), (w[2] - v[2]) / (e - s)};
      for (int64_t y = s; y <= e; ++y) {
        for (int x = r.Left; x < r.Right; ++x) put(x, y, v[0], v[1], v[2]);
        for (int k = 0; k < 3; ++k) v[k] += d[k];
      }
    }
  } else if (data[0].Mode == 1) {
    for (int y = r.Top; y < r.Bottom; ++y) {
      int64_t l = r.Left;
      for (size_t i = 0; i < data.size(); ++i) {
        const int64_t j = l;
        l = Round(data[i].Percent * (r.Width() / 100.0) + j);
        l = i + 1 == data.size() ? r.Right - 1 : std::min<int64_t>(l, r.Right - 1);
        const int64_t n = l - j;
        if (n <= 0) continue;
        double v[3], w[3];
        channels(data[i].Color1, v);
        channels(data[i].Color2, w);
        const double d[3] = {(w[0] - v[0]) / n, (w[1] - v[1]) / n, (w[2] - v[2]) / n};
        for (int64_t x = j; x <= l; ++x) {
          put(x, y, v[0], v[1], v[2]);
          for (int k = 0; k < 3; ++k) v[k] += d[k];
        }
      }
    }
  }
}

}  // namespace

// --- parsing ---

// Words are runs between ';'; groups of five make segments; the fifth word
// and words of an incomplete last group are never read.
TEST(sGradientTest, ParseMakesSegmentsOfFiveWords) {
  struct Case {
    const char* text;
    std::vector<TsGradPie> expected;
  };
  const Case cases[] = {
      {"", {}},
      {"1;2;3;4", {}},
      {";;;", {}},
      {"16777215;15260353;99;1;0;15260353;15260353;0;1;0",
       {{0xFFFFFF, 0xE8DAC1, 99, 1, 0}, {0xE8DAC1, 0xE8DAC1, 0, 1, 0}}},
      {";;1;;2;3;;4;5;;", {{1, 2, 3, 4, 0}}},
      {"1;2;150;0;0", {{1, 2, 100, 0, 0}}},
      {"1;2;-20;0;0", {{1, 2, -20, 0, 0}}},
      {"1;2;3;4;not a number", {{1, 2, 3, 4, 0}}},
      {"1;2;3;4;5;6;7;x;y", {{1, 2, 3, 4, 0}}},
      {"-1;2147483647;100;-7;5", {{-1, 2147483647, 100, -7, 0}}},
  };
  for (const Case& c : cases) {
    const TsGradArray got = ParseGradient(c.text);
    ASSERT_EQ(got.size(), c.expected.size()) << c.text;
    for (size_t i = 0; i < got.size(); ++i) {
      const TsGradPie &g = got[i], &e = c.expected[i];
      EXPECT_EQ(std::vector<int32_t>({g.Color1, g.Color2, g.Percent, g.Mode, g.Reserved}),
                std::vector<int32_t>({e.Color1, e.Color2, e.Percent, e.Mode, e.Reserved}))
          << c.text << " segment " << i;
    }
  }
}

// A word of a whole group that is not a 32-bit integer fails the parse.
TEST(sGradientTest, ParseRejectsWordsThatAreNotNumbers) {
  for (const char* text : {"1;x;3;4;5", "1;2;3;4;5;6;7;8;zz;0", "99999999999;0;0;0;0", "1;2;3x;4;5",
                           "1;2;3;;-;5", "1;2;3;4.5;0"}) {
    EXPECT_THROW(ParseGradient(text), EConvertError) << text;
  }
}

// --- vertical bands ---

// Flat bands over rows: each case's picture is one column of row characters.
TEST(sGradientTest, VerticalBandsCoverTheExpectedRows) {
  struct Case {
    const char* what;
    TRect rect;
    std::string text;
    std::string rows;  // one character per row of an 1x10 picture column
  };
  const std::string r = "255;255;", g = "65280;65280;", b = "16711680;16711680;";
  const Case cases[] = {
      {"50/50: the second band starts on the first band's last row", {0, 0, 3, 10},
       r + "50;0;0;" + g + "50;0;0", "rrrrrggggg"},
      {"a share under one row paints nothing; the last band runs to the bottom", {0, 0, 3, 10},
       r + "5;0;0;" + g + "30;0;0;" + b + "0;0;0", "gggbbbbbbb"},
      {"a negative share is read as an unsigned byte (-156 is 100)", {0, 0, 3, 10},
       r + "-156;0;0;" + g + "0;0;0", "rrrrrrrrrr"},
      {"a rectangle past the bitmap is clipped first", {0, -4, 3, 40}, r + "40;0;0;" + g + "0;0;0",
       "rrrrgggggg"},
      {"rows outside the rectangle are left alone", {0, 2, 3, 7}, r + "40;0;0;" + g + "0;0;0", "..rrggg..."},
      {"one row: the last band has no rows to step over", {0, 4, 3, 5}, r + "100;0;0", ".........."},
      {"an empty rectangle paints nothing", {2, 3, 1, 9}, r + "100;0;0", ".........."},
  };
  for (const Case& c : cases) {
    TBitmap bm;
    Fresh(bm, 3, 10);
    PaintGradient(bm, c.rect, ParseGradient(c.text));
    std::string column;
    for (int y = 0; y < 10; ++y) column += Picture(bm)[static_cast<size_t>(y)][1];
    EXPECT_EQ(column, c.rows) << c.what;
  }
}

// Ramps over rows 1-10: 0 -> 250 red in 5 steps of 50, then green to blue
// in 4 steps of 63.75, where 127.5 rounds to the even 128. Row 6, the first
// band's last, belongs to the second band, so 250 is never seen.
TEST(sGradientTest, VerticalRampsStepPerRowAndRoundHalvesToEven) {
  TBitmap bm;
  Fresh(bm, 4, 12);
  PaintGradient(bm, {1, 1, 3, 11}, ParseGradient("0;250;50;0;0;65280;16711680;50;0;0"));
  const TColor expected[12] = {kBack,    0x000000, 50,       100,      150,      200,
                               0x00FF00, 0x40BF00, 0x808000, 0xBF4000, 0xFF0000, kBack};
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 4; ++x) {
      const bool inside = x >= 1 && x < 3 && y >= 1 && y < 11;
      EXPECT_EQ(bm.Pixel(x, y), inside ? expected[y] : kBack) << x << "," << y;
    }
  // 0 -> 5 over two steps: 2.5 rounds down to 2.
  Fresh(bm, 1, 3);
  PaintGradient(bm, {0, 0, 1, 3}, ParseGradient("0;5;0;0;0"));
  EXPECT_EQ(bm.Pixel(0, 1), 2);
}

// --- horizontal bands ---

TEST(sGradientTest, HorizontalBandsCoverTheExpectedColumns) {
  struct Case {
    const char* what;
    int width;
    TRect rect;
    std::string text;
    std::string columns;  // every row of the rectangle
  };
  const std::string r = "255;255;", g = "65280;65280;", b = "16711680;16711680;";
  const Case cases[] = {
      {"50/50 over 10 columns", 10, {0, 0, 10, 3}, r + "50;1;0;" + g + "50;1;0", "rrrrrggggg"},
      {"2.5 columns round to 2", 5, {0, 0, 5, 3}, r + "50;1;0;" + g + "0;1;0", "rrggg"},
      {"3.5 columns round to 4", 7, {0, 0, 7, 3}, r + "50;1;0;" + g + "0;1;0", "rrrrggg"},
      {"a share under half a column paints nothing", 10, {0, 0, 10, 3},
       r + "4;1;0;" + g + "30;1;0;" + b + "0;1;0", "gggbbbbbbb"},
      {"columns outside the rectangle are left alone", 10, {2, 0, 8, 3}, r + "50;1;0;" + g + "0;1;0",
       "..rrrggg.."},
      {"a rectangle past the bitmap is clipped first", 6, {-3, 0, 60, 3}, r + "50;1;0;" + g + "0;1;0",
       "rrrggg"},
      {"a negative share steps back; the last band still paints the row", 10, {0, 0, 10, 3},
       r + "-30;1;0;" + g + "0;1;0", "gggggggggg"},
  };
  for (const Case& c : cases) {
    TBitmap bm;
    Fresh(bm, c.width, 5);
    PaintGradient(bm, c.rect, ParseGradient(c.text));
    const auto pic = Picture(bm);
    for (int y = 0; y < 5; ++y) {
      const bool inside = y >= std::max(c.rect.Top, 0) && y < std::min(c.rect.Bottom, 5);
      EXPECT_EQ(pic[static_cast<size_t>(y)], inside ? c.columns : std::string(static_cast<size_t>(c.width), '.'))
          << c.what << " row " << y;
    }
  }
}

// A band that starts left of the rectangle keeps its ramp: black to blue 12
// from column -3 gives column x the blue value x + 3.
TEST(sGradientTest, HorizontalRampStartingLeftOfTheRectangleKeepsItsSteps) {
  TBitmap bm;
  Fresh(bm, 10, 2);
  PaintGradient(bm, {0, 0, 10, 2}, ParseGradient("255;255;-30;1;0;0;786432;0;1;0"));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 10; ++x) EXPECT_EQ(bm.Pixel(x, y), (x + 3) << 16) << x << "," << y;
}

// A one-column rectangle gets no band at all; copying the untouched first
// row down would have overwritten the other rows with whatever it held.
TEST(sGradientTest, HorizontalOneColumnRectangleLeavesOtherRowsAlone) {
  TBitmap bm;
  Fresh(bm, 5, 4);
  bm.SetPixel(2, 0, clBlack);
  PaintGradient(bm, {2, 0, 3, 4}, ParseGradient("255;255;50;1;0;65280;65280;50;1;0"));
  EXPECT_EQ(Picture(bm), std::vector<std::string>({"..#..", ".....", ".....", "....."}));
}

// --- four triangles ---

TEST(sGradientTest, TrianglesWithOneSegmentPaintAFlatRectangle) {
  TBitmap bm;
  Fresh(bm, 9, 8);
  PaintGradient(bm, {1, 2, 8, 7}, ParseGradient("255;65280;50;2;0"));
  EXPECT_EQ(Picture(bm), std::vector<std::string>({".........", ".........", ".rrrrrrr.", ".rrrrrrr.",
                                                   ".rrrrrrr.", ".rrrrrrr.", ".rrrrrrr.", "........."}));
}

// Corners take the colours of segments 0, 2, 3, 4 and the centre segment
// 1's; with fewer segments the missing vertices repeat the last colour.
TEST(sGradientTest, TrianglesTakeCornerAndCentreColours) {
  struct Case {
    std::string text;
    TColor topLeft, centre, topRight, bottomRight, bottomLeft;
  };
  const Case cases[] = {
      {"255;0;0;2;0;16777215;0;0;0;0;65280;0;0;0;0;16711680;0;0;0;0;0;0;0;0;0", kRed, clWhite, kGreen, kBlue,
       clBlack},
      {"255;0;0;2;0;16777215;0;0;0;0;65280;0;0;0;0", kRed, clWhite, kGreen, kGreen, kGreen},
  };
  auto near = [](TColor got, TColor want) {
    for (int shift = 0; shift < 24; shift += 8)
      if (std::abs(((got >> shift) & 0xFF) - ((want >> shift) & 0xFF)) > 6) return false;
    return true;
  };
  for (const Case& c : cases) {
    TBitmap bm;
    Fresh(bm, 103, 103);
    PaintGradient(bm, {1, 1, 102, 102}, ParseGradient(c.text));
    EXPECT_EQ(bm.Pixel(0, 0), kBack);
    EXPECT_EQ(bm.Pixel(102, 102), kBack);
    EXPECT_PRED2(near, bm.Pixel(1, 1), c.topLeft) << c.text;
    EXPECT_PRED2(near, bm.Pixel(51, 51), c.centre) << c.text;
    EXPECT_PRED2(near, bm.Pixel(101, 1), c.topRight) << c.text;
    EXPECT_PRED2(near, bm.Pixel(101, 101), c.bottomRight) << c.text;
    EXPECT_PRED2(near, bm.Pixel(1, 101), c.bottomLeft) << c.text;
  }
}

// --- everything else ---

TEST(sGradientTest, NothingIsPaintedForUnknownKindsOrNoSegments) {
  for (const char* text : {"", "255;255;50;3;0", "255;255;50;-1;0"}) {
    TBitmap bm;
    Fresh(bm, 4, 4);
    PaintGradient(bm, {0, 0, 4, 4}, ParseGradient(text));
    EXPECT_EQ(Picture(bm), std::vector<std::string>(4, "....")) << text;
  }
}

// The row-building painter against the plain per-pixel reference, over
// random segments (shares beyond 0..100 included), rectangles partly outside
// the bitmap and small offsets.
TEST(sGradientTest, PainterMatchesPlainReferenceOnRandomInput) {
  std::mt19937 rng(20240611);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int round = 0; round < 600; ++round) {
    TsGradArray data(static_cast<size_t>(pick(1, 5)));
    for (auto& pie : data) {
      pie.Color1 = static_cast<int32_t>(rng() & 0xFFFFFF);
      pie.Color2 = static_cast<int32_t>(rng() & 0xFFFFFF);
      pie.Percent = pick(0, 9) == 0 ? pick(-300, 300) : pick(0, 100);
    }
    data[0].Mode = pick(0, 1);
    const int w = pick(1, 40), h = pick(1, 30);
    const TRect rect{pick(-5, w), pick(-5, h), pick(-2, w + 5), pick(-2, h + 5)};
    const int offset = pick(0, 3) == 0 ? pick(-20, 20) : 0;
    TBitmap fast(w, h), plain(w, h);
    FillRandom(fast, rng);
    plain.Assign(fast);
    PaintGradient(fast, rect, data, offset);
    ReferencePaint(plain, rect, data, offset);
    ASSERT_TRUE(SamePixels(fast, plain)) << "round " << round << " kind " << data[0].Mode << " offset " << offset;
  }
}

// Extreme values must neither crash nor reach outside the rectangle.
TEST(sGradientTest, ExtremeSharesAndOffsetsStayInsideTheRectangle) {
  TsGradArray data(3);
  for (int kind = 0; kind < 3; ++kind) {
    for (int32_t percent : {INT32_MIN, -1, INT32_MAX}) {
      for (int offset : {INT32_MIN, 0, INT32_MAX}) {
        for (auto& pie : data) pie = {0xFF, 0xFF00, percent, kind, 0};
        TBitmap bm;
        Fresh(bm, 6, 6);
        PaintGradient(bm, {1, 1, 5, 5}, data, offset);
        PaintGradient(bm, {INT32_MIN, INT32_MIN, INT32_MIN + 3, 2}, data, offset);
        const auto pic = Picture(bm);
        EXPECT_EQ(pic[0], "......") << kind << " " << percent << " " << offset;
        EXPECT_EQ(pic[5], "......") << kind << " " << percent << " " << offset;
        for (const auto& row : pic) {
          EXPECT_EQ(row[0], '.');
          EXPECT_EQ(row[5], '.');
        }
      }
    }
  }
}
