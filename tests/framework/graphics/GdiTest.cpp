#include "framework/graphics/Gdi.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr TColor W = clWhite;

// The bitmap as rows of characters, one per pixel, through a colour legend;
// colours missing from the legend show as '?'.
std::vector<std::string> Picture(const TBitmap& bm, const std::map<TColor, char>& legend) {
  std::vector<std::string> rows;
  for (int y = 0; y < bm.Height(); ++y) {
    std::string row;
    for (int x = 0; x < bm.Width(); ++x) {
      auto it = legend.find(bm.Pixel(x, y));
      row += it == legend.end() ? '?' : it->second;
    }
    rows.push_back(row);
  }
  return rows;
}

const std::map<TColor, char> kLegend = {{clWhite, '.'}, {clBlack, '#'}, {clRed, 'r'}, {clBlue, 'b'}, {clLime, 'g'}};

void ExpectPicture(const TBitmap& bm, const std::vector<std::string>& expected, const std::string& what = {}) {
  const auto actual = Picture(bm, kLegend);
  EXPECT_EQ(actual, expected) << what;
  if (actual != expected)
    for (const auto& row : actual) ADD_FAILURE() << what << " actual: " << row;
}

// Expects exactly the pixels for which `inside` holds to have `color`, the
// rest to be white.
void ExpectPixels(const TBitmap& bm, TColor color, const std::function<bool(int, int)>& inside) {
  for (int y = 0; y < bm.Height(); ++y)
    for (int x = 0; x < bm.Width(); ++x)
      ASSERT_EQ(bm.Pixel(x, y), inside(x, y) ? color : W) << "pixel " << x << "," << y;
}

void FillRandom(TBitmap& bm, uint32_t seed) {
  std::mt19937 rng(seed);
  for (int y = 0; y < bm.Height(); ++y) {
    uint8_t* row = bm.ScanLine(y);
    for (int i = 0; i < bm.Width() * 3; ++i) row[i] = static_cast<uint8_t>(rng());
  }
}

bool SamePixels(const TBitmap& a, const TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

}  // namespace

// --- coordinates and clipping ---

// A fill through all three origins and an intersect-then-exclude clip covers
// the 10x10 square at target (3,3) with a 2x2 hole at (6,6), cut by the
// system clip at 11.
TEST(GdiTest, FillThroughOriginsAndClipLandsOnExpectedPixels) {
  TBitmap bm(16, 16);
  bm.Fill(W);
  TDeviceContext dc(&bm, {2, 3}, TRegion(TRect{0, 0, 11, 16}));
  SetWindowOrgEx(&dc, 5, 5);
  SetViewportOrgEx(&dc, 1, 0);
  // Logical (x, y) lands on target (x - 2, y - 2).
  EXPECT_EQ(dc.ToTarget(TPoint{5, 5}), TPoint(3, 3));
  EXPECT_EQ(IntersectClipRect(&dc, 5, 5, 15, 15), SIMPLEREGION);
  EXPECT_EQ(ExcludeClipRect(&dc, 8, 8, 10, 10), COMPLEXREGION);
  FillRect(&dc, {-100, -100, 100, 100}, clRed);
  ExpectPixels(bm, clRed, [](int x, int y) {
    return x >= 3 && x < 11 && y >= 3 && y < 13 && !(x >= 6 && x < 8 && y >= 6 && y < 8);
  });
  TRect box;
  EXPECT_EQ(GetClipBox(&dc, &box), COMPLEXREGION);
  EXPECT_EQ(box, TRect(5, 5, 13, 15));  // logical: target 3..11 x 3..13
  EXPECT_TRUE(PtVisible(&dc, 5, 5));
  EXPECT_FALSE(PtVisible(&dc, 8, 8));
  EXPECT_FALSE(RectVisible(&dc, {8, 8, 10, 10}));
  EXPECT_TRUE(RectVisible(&dc, {8, 8, 11, 10}));
}

// Restoring a saved state brings back the clip and the origins; negative
// indexes count from the top of the stack; bad indexes change nothing.
TEST(GdiTest, SaveAndRestoreBringTheClipBack) {
  TBitmap bm(8, 8);
  bm.Fill(W);
  TDeviceContext dc(&bm);
  const int outer = SaveDC(&dc);
  IntersectClipRect(&dc, 0, 0, 4, 4);
  SetWindowOrgEx(&dc, 1, 1);
  const int inner = SaveDC(&dc);
  EXPECT_EQ(inner, outer + 1);
  IntersectClipRect(&dc, 0, 0, 1, 1);
  EXPECT_FALSE(RestoreDC(&dc, 5));
  EXPECT_FALSE(RestoreDC(&dc, -3));
  EXPECT_TRUE(RestoreDC(&dc, -1));  // back to the 4x4 clip, origin (1, 1)
  FillRect(&dc, {0, 0, 8, 8}, clRed);
  ExpectPixels(bm, clRed, [](int x, int y) { return x < 4 && y < 4; });
  EXPECT_TRUE(RestoreDC(&dc, outer));
  EXPECT_EQ(dc.Current().WindowOrg, TPoint(0, 0));
  FillRect(&dc, {0, 0, 8, 8}, clBlue);
  ExpectPixels(bm, clBlue, [](int, int) { return true; });
  EXPECT_FALSE(RestoreDC(&dc, -1));  // the stack is empty now
  {
    TDCStateGuard guard(&dc);
    ExcludeClipRect(&dc, 0, 0, 8, 8);
  }
  TRect box;
  EXPECT_EQ(GetClipBox(&dc, &box), SIMPLEREGION);
  EXPECT_EQ(box, TRect(0, 0, 8, 8));
}

// A region selected as clip is in device coordinates: moved by the device
// origin but not by window or viewport origins. Combining modes follow the
// usual set rules; nullptr removes the clip.
TEST(GdiTest, SelectClipRgnUsesDeviceCoordinates) {
  TBitmap bm(10, 10);
  bm.Fill(W);
  TDeviceContext dc(&bm, {4, 4});
  SetWindowOrgEx(&dc, 10, 10);
  SetViewportOrgEx(&dc, -3, 2);
  const TRegion a(TRect{0, 0, 3, 3});
  EXPECT_EQ(SelectClipRgn(&dc, &a), SIMPLEREGION);
  TRegion back;
  EXPECT_EQ(GetClipRgn(&dc, &back), 1);
  EXPECT_EQ(back, a);
  FillRect(&dc, {-50, -50, 50, 50}, clRed);
  ExpectPixels(bm, clRed, [](int x, int y) { return x >= 4 && x < 7 && y >= 4 && y < 7; });

  const TRegion b(TRect{2, 0, 5, 2});
  struct Case {
    int Mode;
    std::function<bool(int, int)> Inside;  // in device coordinates
  } cases[] = {
      {RGN_AND, [](int x, int y) { return x == 2 && y < 2; }},
      {RGN_OR, [](int x, int y) { return (x < 3 && y < 3) || (x >= 2 && x < 5 && y < 2); }},
      {RGN_XOR, [](int x, int y) { return (x < 3 && y < 3) != (x >= 2 && x < 5 && y < 2); }},
      {RGN_DIFF, [](int x, int y) { return x < 3 && y < 3 && !(x == 2 && y < 2); }},
      {RGN_COPY, [](int x, int y) { return x >= 2 && x < 5 && y < 2; }},
  };
  for (const Case& c : cases) {
    bm.Fill(W);
    SelectClipRgn(&dc, &a);
    ExtSelectClipRgn(&dc, &b, c.Mode);
    FillRect(&dc, {-50, -50, 50, 50}, clRed);
    ExpectPixels(bm, clRed, [&](int x, int y) { return x >= 4 && y >= 4 && c.Inside(x - 4, y - 4); });
  }
  EXPECT_EQ(ExtSelectClipRgn(&dc, nullptr, RGN_AND), ERROR_REGION);
  EXPECT_EQ(SelectClipRgn(&dc, nullptr), SIMPLEREGION);
  EXPECT_EQ(GetClipRgn(&dc, &back), 0);
  bm.Fill(W);
  FillRect(&dc, {-50, -50, 50, 50}, clRed);
  // Without an application clip the whole bitmap is drawable, also what
  // lies before the device origin.
  ExpectPixels(bm, clRed, [](int, int) { return true; });
}

// Guards against a stale clip: after the target grows, the new pixels are
// drawable; after it shrinks, drawing stays inside.
TEST(GdiTest, ClipFollowsTargetResize) {
  TBitmap bm(4, 4);
  bm.Fill(W);
  TDeviceContext dc(&bm);
  ExcludeClipRect(&dc, 0, 0, 1, 1);
  bm.SetSize(6, 5);
  bm.Fill(W);
  FillRect(&dc, {0, 0, 100, 100}, clRed);
  ExpectPixels(bm, clRed, [](int x, int y) { return x > 0 || y > 0; });
  bm.SetSize(2, 2);
  FillRect(&dc, {0, 0, 100, 100}, clBlue);
  EXPECT_EQ(bm.Pixel(1, 1), clBlue);
  TRect box;
  GetClipBox(&dc, &box);
  EXPECT_EQ(box, TRect(0, 0, 2, 2));
}

// --- solid drawing ---

// System colours are resolved; frame, invert, pixels and regions hit exactly
// their pixels.
TEST(GdiTest, SolidDrawingHitsExactPixels) {
  TBitmap bm(6, 5);
  bm.Fill(W);
  TDeviceContext dc(&bm);
  FillRect(&dc, {0, 0, 1, 1}, clBtnFace);
  EXPECT_EQ(bm.Pixel(0, 0), RGB(212, 208, 200));
  bm.Fill(W);
  FrameRect(&dc, {1, 1, 5, 4}, clBlack);
  ExpectPicture(bm, {"......", ".####.", ".#..#.", ".####.", "......"}, "frame");
  InvertRect(&dc, {0, 0, 3, 2});
  ExpectPicture(bm, {"###...", "#..##.", ".#..#.", ".####.", "......"}, "invert");
  bm.Fill(W);
  FillRgn(&dc, TRegion::FromRects({{0, 0, 2, 1}, {4, 3, 6, 5}}), clRed);
  EXPECT_EQ(SetPixel(&dc, 3, 2, clBlue), clBlue);
  EXPECT_EQ(SetPixel(&dc, 9, 2, clBlue), clNone);
  ExpectPicture(bm, {"rr....", "......", "...b..", "....rr", "....rr"}, "region and pixel");
  EXPECT_EQ(GetPixel(&dc, 3, 2), clBlue);
  EXPECT_EQ(GetPixel(&dc, -1, 0), clNone);
  EXPECT_EQ(GetPixel(&dc, 6, 0), clNone);
}

// The focus rectangle is every other pixel of the frame, counted from its
// top-left corner, and a second call restores the picture exactly.
TEST(GdiTest, DrawFocusRectTwiceRestores) {
  TBitmap bm(7, 5);
  bm.Fill(W);
  TDeviceContext dc(&bm);
  DrawFocusRect(&dc, {0, 0, 7, 5});
  ExpectPicture(bm, {"#.#.#.#", ".......", "#.....#", ".......", "#.#.#.#"});
  const TRect cases[] = {{0, 0, 7, 5}, {1, 1, 2, 4}, {0, 2, 7, 3}, {2, 1, 3, 2}, {-3, -2, 5, 4}};
  for (const TRect& r : cases) {
    TBitmap noise(9, 7);
    FillRandom(noise, 7);
    TBitmap before;
    before.Assign(noise);
    TDeviceContext ndc(&noise);
    DrawFocusRect(&ndc, r);
    EXPECT_FALSE(SamePixels(noise, before));
    DrawFocusRect(&ndc, r);
    EXPECT_TRUE(SamePixels(noise, before)) << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
  }
}

// --- lines and shapes ---

// Lines leave out their end point and leave the pen there; a wide pen is a
// square nib; a clear pen draws nothing.
TEST(GdiTest, LineToExcludesTheEndPoint) {
  TBitmap bm(6, 6);
  bm.Fill(W);
  TDeviceContext dc(&bm);
  MoveToEx(&dc, 0, 0);
  LineTo(&dc, 5, 0);
  LineTo(&dc, 5, 5);
  EXPECT_EQ(dc.Current().PenPos, TPoint(5, 5));
  MoveToEx(&dc, 0, 1);
  LineTo(&dc, 4, 5);
  ExpectPicture(bm, {"######", "#....#", ".#...#", "..#..#", "...#.#", "......"});
  bm.Fill(W);
  SetPen(&dc, clRed, 3);
  MoveToEx(&dc, 1, 2);
  LineTo(&dc, 4, 2);
  ExpectPicture(bm, {"......", "rrrrr.", "rrrrr.", "rrrrr.", "......", "......"}, "wide pen");
  SetPen(&dc, clRed, 1, TPenStyle::psClear);
  bm.Fill(W);
  LineTo(&dc, 0, 0);
  ExpectPicture(bm, {"......", "......", "......", "......", "......", "......"}, "clear pen");
  // A dotted pen: three on, three off.
  TBitmap wide(12, 1);
  wide.Fill(W);
  TDeviceContext wdc(&wide);
  SetPen(&wdc, clBlack, 1, TPenStyle::psDot);
  MoveToEx(&wdc, 0, 0);
  LineTo(&wdc, 12, 0);
  ExpectPicture(wide, {"###...###..."}, "dotted");
}

// Guards against lines that walked every step of their length: a line
// hundreds of millions of pixels long, crossing a small bitmap, draws only
// its visible part and returns at once.
TEST(GdiTest, LongLinesCostOnlyTheirVisiblePart) {
  TBitmap bm(10, 5);
  bm.Fill(W);
  TDeviceContext dc(&bm);
  MoveToEx(&dc, -200000000, 2);
  LineTo(&dc, 200000000, 2);
  MoveToEx(&dc, 3, 100000000);
  LineTo(&dc, 3, -100000000);
  ExpectPicture(bm, {"...#......", "...#......", "##########", "...#......", "...#......"});
  // A shallow line keeps its slope when clipped: y = x / 4 from the origin.
  bm.Fill(W);
  MoveToEx(&dc, -40000000, -10000000);
  LineTo(&dc, 40000000, 10000000);
  ExpectPicture(bm, {"##........", "..####....", "......####", "..........", ".........."}, "shallow");
}

// Rectangle: a pen outline inside the rectangle around a brush fill; with a
// clear brush the inside is left alone.
TEST(GdiTest, RectangleOutlineInsideFill) {
  TBitmap bm(7, 6);
  bm.Fill(W);
  TDeviceContext dc(&bm);
  SetBrush(&dc, clRed);
  Rectangle(&dc, 1, 1, 6, 5);
  ExpectPicture(bm, {".......", ".#####.", ".#rrr#.", ".#rrr#.", ".#####.", "......."});
  bm.Fill(W);
  SetPen(&dc, clBlue, 2);
  SetBrush(&dc, clRed, TBrushStyle::bsClear);
  Rectangle(&dc, 0, 0, 7, 6);
  ExpectPicture(bm, {"bbbbbbb", "bbbbbbb", "bb...bb", "bb...bb", "bbbbbbb", "bbbbbbb"}, "wide pen");
}

// Ellipses are mirror-symmetric both ways (and circles also across the
// diagonal); a 12-pixel circle has the classic row widths 4 8 10 10 12 12.
TEST(GdiTest, EllipseIsSymmetricAndRound) {
  const TSize sizes[] = {{12, 12}, {13, 13}, {5, 5}, {7, 11}, {16, 9}, {1, 4}, {2, 2}};
  for (const TSize s : sizes) {
    TBitmap bm(s.cx + 2, s.cy + 2);
  bm.Fill(W);
    TDeviceContext dc(&bm);
    SetBrush(&dc, clRed);
    Ellipse(&dc, 1, 1, 1 + s.cx, 1 + s.cy);
    for (int y = 0; y < bm.Height(); ++y)
      for (int x = 0; x < bm.Width(); ++x) {
        const TColor p = bm.Pixel(x, y);
        ASSERT_EQ(p, bm.Pixel(bm.Width() - 1 - x, y)) << s.cx << "x" << s.cy << " at " << x << "," << y;
        ASSERT_EQ(p, bm.Pixel(x, bm.Height() - 1 - y)) << s.cx << "x" << s.cy << " at " << x << "," << y;
        if (s.cx == s.cy) {
          ASSERT_EQ(p, bm.Pixel(y, x)) << s.cx << " at " << x << "," << y;
        }
        const bool inBox = x >= 1 && y >= 1 && x <= s.cx && y <= s.cy;
        if (!inBox) {
          ASSERT_EQ(p, W);
        }
      }
    // Every painted row starts and ends with the pen; nothing is left white
    // between them.
    for (int y = 1; y <= s.cy; ++y) {
      std::string row = Picture(bm, kLegend)[static_cast<size_t>(y)];
      const size_t first = row.find_first_not_of('.'), last = row.find_last_not_of('.');
      ASSERT_NE(first, std::string::npos) << s.cx << "x" << s.cy << " row " << y;
      EXPECT_EQ(row[first], '#');
      EXPECT_EQ(row[last], '#');
      EXPECT_EQ(row.substr(first, last - first + 1).find('.'), std::string::npos);
    }
  }
  TBitmap bm(12, 12);
  bm.Fill(W);
  TDeviceContext dc(&bm);
  SetPen(&dc, clBlack, 1, TPenStyle::psClear);
  SetBrush(&dc, clBlack);
  Ellipse(&dc, 0, 0, 12, 12);
  const int widths[12] = {4, 8, 10, 10, 12, 12, 12, 12, 10, 10, 8, 4};
  const auto pic = Picture(bm, kLegend);
  for (int y = 0; y < 12; ++y)
    EXPECT_EQ(static_cast<int>(std::count(pic[y].begin(), pic[y].end(), '#')), widths[y]) << "row " << y;
}

// Polygons fill by the even-odd rule at pixel centres: the middle of a
// five-pointed star stays empty; a square fills its pixels and the outline
// closes through every corner.
TEST(GdiTest, PolygonEvenOddFill) {
  TBitmap bm(6, 6);
  bm.Fill(W);
  TDeviceContext dc(&bm);
  SetBrush(&dc, clRed);
  SetPen(&dc, clBlack, 1, TPenStyle::psClear);
  Polygon(&dc, {{1, 1}, {5, 1}, {5, 4}, {1, 4}});
  ExpectPicture(bm, {"......", ".rrrr.", ".rrrr.", ".rrrr.", "......", "......"}, "square");
  SetPen(&dc, clBlack);
  Polygon(&dc, {{1, 1}, {5, 1}, {5, 4}, {1, 4}});
  ExpectPicture(bm, {"......", ".#####", ".#rrr#", ".#rrr#", ".#####", "......"}, "outlined");
  TBitmap star(41, 41);
  star.Fill(W);
  TDeviceContext sdc(&star);
  SetBrush(&sdc, clRed);
  SetPen(&sdc, clBlack, 1, TPenStyle::psClear);
  // Points of a pentagram visited in star order.
  Polygon(&sdc, {{20, 0}, {32, 40}, {0, 15}, {40, 15}, {8, 40}});
  EXPECT_EQ(star.Pixel(20, 22), W);      // centre: crossed twice
  EXPECT_EQ(star.Pixel(20, 8), clRed);   // top point
  EXPECT_EQ(star.Pixel(4, 16), clRed);   // left point
  EXPECT_EQ(star.Pixel(20, 39), W);      // between the lower points
}

// --- block transfers ---

// BitBlt copies exact pixels, leaves out source pixels outside the source,
// and applies each raster operation bytewise.
TEST(GdiTest, BitBltExactPixels) {
  TBitmap src(3, 2);
  src.Fill(W);
  src.SetPixel(0, 0, clRed);
  src.SetPixel(1, 0, clBlue);
  src.SetPixel(2, 1, clLime);
  TBitmap dst(5, 3);
  dst.Fill(W);
  TDeviceContext sdc(&src), ddc(&dst);
  BitBlt(&ddc, 1, 1, 4, 3, &sdc, 0, 0, SRCCOPY);
  ExpectPicture(dst, {".....", ".rb..", "...g."});
  dst.Fill(W);
  BitBlt(&ddc, 0, 0, 3, 2, &sdc, -1, 1, SRCCOPY);  // source column -1 does not exist
  ExpectPicture(dst, {".....", ".....", "....."}, "row 1 is white, row 2 outside");
  BitBlt(&ddc, 0, 0, 3, 2, &sdc, -1, 0, SRCCOPY);
  ExpectPicture(dst, {".rb..", ".....", "....."}, "shifted");

  struct Case {
    uint32_t Rop;
    TColor Expected;  // destination 0x0F33CC with source 0x5A5A5A
  } cases[] = {
      {SRCCOPY, 0x5A5A5A},    {SRCPAINT, 0x5F7BDE},  {SRCAND, 0x0A1248},   {SRCINVERT, 0x556996},
      {NOTSRCCOPY, 0xA5A5A5}, {DSTINVERT, 0xF0CC33}, {BLACKNESS, 0x000000}, {WHITENESS, 0xFFFFFF},
      {PATCOPY, clRed},
  };
  TBitmap s1(1, 1), d1(1, 1);
  TDeviceContext s1dc(&s1), d1dc(&d1);
  SetBrush(&d1dc, clRed);
  for (const Case& c : cases) {
    s1.Fill(0x5A5A5A);
    d1.Fill(0x0F33CC);
    EXPECT_TRUE(BitBlt(&d1dc, 0, 0, 1, 1, &s1dc, 0, 0, c.Rop));
    EXPECT_EQ(d1.Pixel(0, 0), c.Expected) << std::hex << c.Rop;
  }
  EXPECT_FALSE(BitBlt(&d1dc, 0, 0, 1, 1, &s1dc, 0, 0, 0x00123456));
  EXPECT_FALSE(BitBlt(&d1dc, 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
  EXPECT_TRUE(BitBlt(&d1dc, 0, 0, 1, 1, nullptr, 0, 0, BLACKNESS));
}

// Copying a bitmap onto itself reads the source as it was before the copy,
// whichever way the areas overlap.
TEST(GdiTest, BitBltOntoItselfOverlapping) {
  for (int dx = -2; dx <= 2; ++dx)
    for (int dy = -2; dy <= 2; ++dy) {
      TBitmap bm(8, 8);
      FillRandom(bm, 11);
      TBitmap copy;
      copy.Assign(bm);
      TDeviceContext dc(&bm);
      BitBlt(&dc, 2 + dx, 2 + dy, 4, 4, &dc, 2, 2, SRCCOPY);
      for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
          ASSERT_EQ(bm.Pixel(2 + dx + x, 2 + dy + y), copy.Pixel(2 + x, 2 + y)) << dx << "," << dy;
    }
}

// StretchBlt doubles each pixel when enlarging by two, picks the pixel under
// each destination centre when shrinking, and mirrors on opposite signs.
TEST(GdiTest, StretchBltNearestNeighbourAndMirror) {
  TBitmap src(2, 2);
  src.Fill(W);
  src.SetPixel(0, 0, clRed);
  src.SetPixel(1, 1, clBlue);
  TBitmap dst(4, 4);
  dst.Fill(W);
  TDeviceContext sdc(&src), ddc(&dst);
  StretchBlt(&ddc, 0, 0, 4, 4, &sdc, 0, 0, 2, 2, SRCCOPY);
  ExpectPicture(dst, {"rr..", "rr..", "..bb", "..bb"}, "enlarged");
  StretchBlt(&ddc, 4, 0, -4, 4, &sdc, 0, 0, 2, 2, SRCCOPY);
  ExpectPicture(dst, {"..rr", "..rr", "bb..", "bb.."}, "mirrored left-right");
  StretchBlt(&ddc, 0, 0, 4, 4, &sdc, 0, 2, 2, -2, SRCCOPY);
  ExpectPicture(dst, {"..bb", "..bb", "rr..", "rr.."}, "mirrored top-bottom by the source");

  TBitmap big(4, 4);
  big.Fill(W);
  big.SetPixel(1, 1, clRed);
  big.SetPixel(3, 1, clBlue);
  big.SetPixel(1, 3, clLime);
  TDeviceContext bdc(&big);
  TBitmap small(2, 2);
  small.Fill(W);
  TDeviceContext smdc(&small);
  StretchBlt(&smdc, 0, 0, 2, 2, &bdc, 0, 0, 4, 4, SRCCOPY);
  ExpectPicture(small, {"rb", "g."}, "shrunk");

  TBitmap row(3, 1);
  row.Fill(W);
  row.SetPixel(0, 0, clRed);
  row.SetPixel(2, 0, clBlue);
  TDeviceContext rdc(&row);
  TBitmap out(3, 1);
  out.Fill(W);
  TDeviceContext odc(&out);
  StretchBlt(&odc, 3, 0, -3, 1, &rdc, 0, 0, 3, 1, SRCCOPY);
  ExpectPicture(out, {"b.r"}, "odd width mirror");
}

// TransparentBlt and DrawBitmap: the key colour is left out; source pixels
// outside the bitmap are not copied.
TEST(GdiTest, TransparentBltSkipsKeyColour) {
  TBitmap src(3, 1);
  src.SetPixel(0, 0, clLime);
  src.SetPixel(1, 0, clRed);
  src.SetPixel(2, 0, clLime);
  TBitmap dst(4, 2);
  dst.Fill(W);
  TDeviceContext sdc(&src), ddc(&dst);
  TransparentBlt(&ddc, 0, 0, 3, 1, &sdc, 0, 0, 3, 1, clLime);
  TransparentBlt(&ddc, 0, 1, 6, 1, &sdc, 0, 0, 3, 1, clLime);
  ExpectPicture(dst, {".r..", "..rr"});
  dst.Fill(W);
  DrawBitmap(&ddc, 1, 0, src, {1, 0, 4, 1});
  ExpectPicture(dst, {".rg.", "...."}, "draw bitmap");
}

// --- 3-D edges and frame controls ---

// The classic edge colours at their pixels; BF_ADJUST shrinks only by the
// drawn sides; the bottom-right colour owns the two mixed corners.
TEST(GdiTest, DrawEdgeColours) {
  const TColor light = GetSysColor(COLOR_3DLIGHT), hi = GetSysColor(COLOR_BTNHIGHLIGHT),
               shadow = GetSysColor(COLOR_BTNSHADOW), dark = GetSysColor(COLOR_3DDKSHADOW),
               face = GetSysColor(COLOR_BTNFACE), frame = GetSysColor(COLOR_WINDOWFRAME);
  struct Case {
    const char* Name;
    unsigned Edge, Flags;
    TColor Outer00, Inner11, Outer99, Inner88, Corner90, Middle;
  } cases[] = {
      {"raised", EDGE_RAISED, BF_RECT | BF_MIDDLE, light, hi, dark, shadow, dark, face},
      {"raised soft", EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT, hi, light, dark, shadow, dark, face},
      {"sunken", EDGE_SUNKEN, BF_RECT, shadow, dark, hi, light, hi, W},
      {"etched", EDGE_ETCHED, BF_RECT, shadow, hi, hi, shadow, hi, W},
      {"bump", EDGE_BUMP, BF_RECT, light, dark, dark, light, dark, W},
      {"flat", EDGE_SUNKEN, BF_RECT | BF_FLAT | BF_MIDDLE, shadow, face, shadow, face, shadow, face},
      {"mono", EDGE_SUNKEN, BF_RECT | BF_MONO, frame, W, frame, W, frame, W},
  };
  for (const Case& c : cases) {
    TBitmap bm(10, 10);
  bm.Fill(W);
    TDeviceContext dc(&bm);
    TRect r{0, 0, 10, 10};
    DrawEdge(&dc, r, c.Edge, c.Flags);
    EXPECT_EQ(r, TRect(0, 0, 10, 10)) << c.Name << ": no BF_ADJUST, rect unchanged";
    EXPECT_EQ(bm.Pixel(0, 0), c.Outer00) << c.Name;
    EXPECT_EQ(bm.Pixel(1, 1), c.Inner11) << c.Name;
    EXPECT_EQ(bm.Pixel(9, 9), c.Outer99) << c.Name;
    EXPECT_EQ(bm.Pixel(8, 8), c.Inner88) << c.Name;
    EXPECT_EQ(bm.Pixel(9, 0), c.Corner90) << c.Name;
    EXPECT_EQ(bm.Pixel(0, 9), c.Corner90) << c.Name;
    EXPECT_EQ(bm.Pixel(5, 5), c.Middle) << c.Name;
  }
  TBitmap bm(10, 10);
  bm.Fill(W);
  TDeviceContext dc(&bm);
  TRect r{0, 0, 10, 10};
  DrawEdge(&dc, r, EDGE_SUNKEN, BF_LEFT | BF_TOP | BF_ADJUST);
  EXPECT_EQ(r, TRect(2, 2, 10, 10));
  EXPECT_EQ(bm.Pixel(9, 0), shadow);  // the top runs to the right end
  EXPECT_EQ(bm.Pixel(9, 9), W);
  r = {0, 0, 10, 10};
  DrawEdge(&dc, r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
  EXPECT_EQ(r, TRect(1, 1, 9, 9));
  EXPECT_EQ(bm.Pixel(0, 5), hi);  // an inner ring alone sits at the border
}

// A checked 12-pixel radio button: grey-over-white outer ring, white inside,
// a black dot in the middle; unchecked it has no dot.
TEST(GdiTest, DrawFrameControlRadioAndCheck) {
  const TColor shadow = GetSysColor(COLOR_BTNSHADOW), hi = GetSysColor(COLOR_BTNHIGHLIGHT),
               dark = GetSysColor(COLOR_3DDKSHADOW), light = GetSysColor(COLOR_3DLIGHT);
  TBitmap bm(12, 12);
  bm.Fill(W);
  bm.Fill(clRed);
  TDeviceContext dc(&bm);
  DrawFrameControl(&dc, {0, 0, 12, 12}, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
  EXPECT_EQ(bm.Pixel(0, 0), clRed);  // corners untouched
  EXPECT_EQ(bm.Pixel(5, 0), shadow);
  EXPECT_EQ(bm.Pixel(0, 5), shadow);
  EXPECT_EQ(bm.Pixel(11, 6), hi);
  EXPECT_EQ(bm.Pixel(6, 11), hi);
  EXPECT_EQ(bm.Pixel(5, 1), dark);
  EXPECT_EQ(bm.Pixel(10, 6), light);
  EXPECT_EQ(bm.Pixel(3, 3), clWhite);
  for (int y = 5; y <= 6; ++y)
    for (int x = 4; x <= 7; ++x) EXPECT_EQ(bm.Pixel(x, y), clBlack) << x << "," << y;
  EXPECT_EQ(bm.Pixel(4, 4), clWhite);  // the dot's corners are round
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) ASSERT_EQ(bm.Pixel(x, y) == clRed, bm.Pixel(11 - x, 11 - y) == clRed);
  DrawFrameControl(&dc, {0, 0, 12, 12}, DFC_BUTTON, DFCS_BUTTONRADIO);
  EXPECT_EQ(bm.Pixel(5, 5), clWhite);

  TBitmap cb(13, 13);
  cb.Fill(W);
  TDeviceContext cdc(&cb);
  DrawFrameControl(&cdc, {0, 0, 13, 13}, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
  EXPECT_EQ(cb.Pixel(0, 0), shadow);
  EXPECT_EQ(cb.Pixel(1, 1), dark);
  EXPECT_EQ(cb.Pixel(12, 12), hi);
  int ink = 0;
  for (int y = 2; y < 11; ++y)
    for (int x = 2; x < 11; ++x) ink += cb.Pixel(x, y) == clBlack;
  EXPECT_EQ(ink, 21);  // seven columns, three pixels thick
  EXPECT_EQ(cb.Pixel(5, 8), clBlack);  // bottom of the tick
  EXPECT_EQ(cb.Pixel(9, 3), clBlack);  // top of the long arm
}

// Caption buttons: the close cross is symmetric in its face; pushing moves
// the glyph one pixel down and right; inactive glyphs are grey, not black.
TEST(GdiTest, DrawFrameControlCaptionGlyphs) {
  auto glyph = [](unsigned state, TColor ink) {
    TBitmap bm(16, 14);
    TDeviceContext dc(&bm);
    DrawFrameControl(&dc, {0, 0, 16, 14}, DFC_CAPTION, state);
    std::vector<TPoint> pts;
    for (int y = 2; y < 12; ++y)
      for (int x = 2; x < 14; ++x)
        if (bm.Pixel(x, y) == ink) pts.push_back({x, y});
    return pts;
  };
  const TColor text = GetSysColor(COLOR_BTNTEXT), grey = GetSysColor(COLOR_BTNSHADOW);
  const auto close = glyph(DFCS_CAPTIONCLOSE, text);
  ASSERT_FALSE(close.empty());
  TRect box;
  for (const TPoint p : close) box = box.Union(TRect{p.X, p.Y, p.X + 1, p.Y + 1});
  for (const TPoint p : close) {
    const TPoint mirror{box.Left + box.Right - 1 - p.X, p.Y};
    EXPECT_NE(std::find(close.begin(), close.end(), mirror), close.end());
  }
  auto pushed = glyph(DFCS_CAPTIONCLOSE | DFCS_PUSHED, text);
  ASSERT_EQ(pushed.size(), close.size());
  for (size_t i = 0; i < close.size(); ++i) EXPECT_EQ(pushed[i], close[i].Offset(1, 1));
  EXPECT_TRUE(glyph(DFCS_CAPTIONCLOSE | DFCS_INACTIVE, text).empty());
  EXPECT_EQ(glyph(DFCS_CAPTIONCLOSE | DFCS_INACTIVE, grey).size(), close.size());
  for (unsigned kind : {DFCS_CAPTIONMIN, DFCS_CAPTIONMAX, DFCS_CAPTIONRESTORE, DFCS_CAPTIONHELP}) {
    const auto pts = glyph(kind, text);
    EXPECT_GE(pts.size(), 8u) << kind;
    EXPECT_NE(pts, close) << kind;
  }
}
