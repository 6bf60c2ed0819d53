#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

#include "framework/graphics/Gdi.h"

namespace {

constexpr TColor kBack = 0x808080;

TRIVERTEX Vertex(int x, int y, TColor c) {
  TRIVERTEX v;
  v.x = x;
  v.y = y;
  v.Red = static_cast<uint16_t>(GetRValue(c) << 8);
  v.Green = static_cast<uint16_t>(GetGValue(c) << 8);
  v.Blue = static_cast<uint16_t>(GetBValue(c) << 8);
  return v;
}

bool FillTriangles(HDC dc, const std::vector<TRIVERTEX>& v, const std::vector<GRADIENT_TRIANGLE>& mesh) {
  return GradientFill(dc, v.data(), static_cast<uint32_t>(v.size()), mesh.data(), static_cast<uint32_t>(mesh.size()),
                      GRADIENT_FILL_TRIANGLE);
}

bool AllPixels(const TBitmap& bm, TColor c) {
  for (int y = 0; y < bm.Height(); ++y)
    for (int x = 0; x < bm.Width(); ++x)
      if (bm.Pixel(x, y) != c) return false;
  return true;
}

}  // namespace

// Rectangles shade between the centres of their first and last pixels:
// black to red over four pixels gives 255 * 1/8, 3/8, 5/8, 7/8, truncated
// from 16 bits. The vertex further left (or up) gives the start colour,
// whichever corner it is.
TEST(GradientFillTest, RectanglesShadeAlongTheirAxis) {
  struct Case {
    uint32_t mode;
    TRIVERTEX a, b;
  };
  const Case cases[] = {
      {GRADIENT_FILL_RECT_H, Vertex(0, 0, clBlack), Vertex(4, 4, clRed)},
      {GRADIENT_FILL_RECT_H, Vertex(4, 0, clRed), Vertex(0, 4, clBlack)},
      {GRADIENT_FILL_RECT_V, Vertex(0, 0, clBlack), Vertex(4, 4, clRed)},
      {GRADIENT_FILL_RECT_V, Vertex(4, 4, clRed), Vertex(0, 0, clBlack)},
  };
  const uint8_t ramp[4] = {31, 95, 159, 223};
  for (const Case& c : cases) {
    TBitmap bm(6, 5);
    bm.Fill(kBack);
    TDeviceContext dc(&bm);
    const TRIVERTEX v[2] = {c.a, c.b};
    const GRADIENT_RECT mesh{0, 1};
    ASSERT_TRUE(GradientFill(&dc, v, 2, &mesh, 1, c.mode));
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 6; ++x) {
        const bool inside = x < 4 && y < 4;
        const int i = c.mode == GRADIENT_FILL_RECT_H ? x : y;
        EXPECT_EQ(bm.Pixel(x, y), inside ? ramp[i] : kBack) << "mode " << c.mode << " at " << x << "," << y;
      }
  }
}

// At the centre of pixel (0, 0) the triangle red (0,0), green (4,0),
// blue (0,4) weighs 3/4, 1/8, 1/8: 48960, 8160, 8160 in 16 bits.
TEST(GradientFillTest, TriangleInterpolatesAtPixelCentres) {
  TBitmap bm(4, 4);
  bm.Fill(kBack);
  TDeviceContext dc(&bm);
  ASSERT_TRUE(FillTriangles(&dc, {Vertex(0, 0, clRed), Vertex(4, 0, clLime), Vertex(0, 4, clBlue)}, {{0, 1, 2}}));
  EXPECT_EQ(bm.Pixel(0, 0), 0x1F1FBF);
  // Centres exactly on the hypotenuse x + y = 4, a right edge, are left out.
  EXPECT_EQ(bm.Pixel(3, 0), kBack);
  EXPECT_EQ(bm.Pixel(0, 3), kBack);
  EXPECT_NE(bm.Pixel(2, 0), kBack);
  EXPECT_EQ(bm.Pixel(3, 3), kBack);
}

// Four triangles fanned around any point of a rectangle, the corners and
// edges included, cover every pixel of it exactly once and nothing else.
// Each triangle is drawn alone and the coverage counted.
TEST(GradientFillTest, FanOfFourTrianglesCoversEveryPixelOnce) {
  for (int w = 1; w <= 7; ++w)
    for (int h = 1; h <= 7; ++h)
      for (int cx = 0; cx <= w; ++cx)
        for (int cy = 0; cy <= h; ++cy) {
          const int L = 1, T = 2, R = L + w, B = T + h;
          const std::vector<TRIVERTEX> v = {Vertex(L, T, clBlack), Vertex(L + cx, T + cy, clBlack),
                                            Vertex(R, T, clBlack), Vertex(R, B, clBlack), Vertex(L, B, clBlack)};
          const GRADIENT_TRIANGLE tris[4] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
          std::vector<int> count(static_cast<size_t>((w + 3) * (h + 4)), 0);
          for (const GRADIENT_TRIANGLE& t : tris) {
            TBitmap bm(w + 3, h + 4);
            bm.Fill(clWhite);
            TDeviceContext dc(&bm);
            ASSERT_TRUE(FillTriangles(&dc, v, {t}));
            for (int y = 0; y < bm.Height(); ++y)
              for (int x = 0; x < bm.Width(); ++x)
                if (bm.Pixel(x, y) == clBlack) ++count[static_cast<size_t>(y * bm.Width() + x)];
          }
          for (int y = 0; y < h + 4; ++y)
            for (int x = 0; x < w + 3; ++x) {
              const bool inside = x >= L && x < R && y >= T && y < B;
              ASSERT_EQ(count[static_cast<size_t>(y * (w + 3) + x)], inside ? 1 : 0)
                  << w << "x" << h << " centre " << cx << "," << cy << " pixel " << x << "," << y;
            }
        }
}

// A rectangle cut along a diagonal into two triangles, with one colour on
// its left edge and another on its right, gives exactly the bytes of the
// rectangle fill (and likewise top to bottom): same interpolation, no seam.
TEST(GradientFillTest, TwoTrianglesShadeExactlyLikeTheRectangleFill) {
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    const int w = 1 + static_cast<int>(rng() % 40), h = 1 + static_cast<int>(rng() % 40);
    const TColor c0 = static_cast<TColor>(rng() & 0xFFFFFF), c1 = static_cast<TColor>(rng() & 0xFFFFFF);
    const bool horizontal = (round & 1) == 0;
    TBitmap viaRect(w + 2, h + 2), viaTriangles(w + 2, h + 2);
    viaRect.Fill(kBack);
    viaTriangles.Fill(kBack);
    TDeviceContext rectDc(&viaRect), triDc(&viaTriangles);
    const TRIVERTEX ends[2] = {Vertex(1, 1, c0), Vertex(1 + w, 1 + h, c1)};
    const GRADIENT_RECT rect{0, 1};
    ASSERT_TRUE(GradientFill(&rectDc, ends, 2, &rect, 1, horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V));
    const TColor tr = horizontal ? c1 : c0, bl = horizontal ? c0 : c1;
    ASSERT_TRUE(FillTriangles(&triDc,
                              {Vertex(1, 1, c0), Vertex(1 + w, 1, tr), Vertex(1 + w, 1 + h, c1), Vertex(1, 1 + h, bl)},
                              {{0, 1, 2}, {0, 2, 3}}));
    for (int y = 0; y < h + 2; ++y)
      for (int x = 0; x < w + 2; ++x)
        ASSERT_EQ(viaTriangles.Pixel(x, y), viaRect.Pixel(x, y)) << w << "x" << h << " at " << x << "," << y;
  }
}

// Vertices are logical coordinates: the device origin and window origin
// move them, and the clip cuts them.
TEST(GradientFillTest, FollowsTheDcTransformAndClip) {
  TBitmap bm(10, 8);
  bm.Fill(kBack);
  TDeviceContext dc(&bm, {2, 1}, TRegion(TRect{0, 0, 9, 8}));
  SetWindowOrgEx(&dc, 1, 1);  // logical (x, y) -> target (x + 1, y)
  IntersectClipRect(&dc, 0, 0, 6, 5);  // target 1..7 x 0..5
  ExcludeClipRect(&dc, 2, 2, 3, 3);    // target (3, 2)
  const std::vector<TRIVERTEX> v = {Vertex(-1, 1, clRed), Vertex(20, 1, clRed), Vertex(20, 20, clRed),
                                    Vertex(-1, 20, clRed)};
  ASSERT_TRUE(FillTriangles(&dc, v, {{0, 1, 2}, {0, 2, 3}}));
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) {
      const bool painted = x >= 1 && x < 7 && y >= 1 && y < 5 && !(x == 3 && y == 2);
      EXPECT_EQ(bm.Pixel(x, y), painted ? clRed : kBack) << x << "," << y;
    }
  // The rectangle modes clip the same way.
  bm.Fill(kBack);
  const GRADIENT_RECT rect{0, 2};
  ASSERT_TRUE(GradientFill(&dc, v.data(), 3, &rect, 1, GRADIENT_FILL_RECT_H));
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) {
      const bool painted = x >= 1 && x < 7 && y >= 1 && y < 5 && !(x == 3 && y == 2);
      EXPECT_EQ(bm.Pixel(x, y), painted ? clRed : kBack) << x << "," << y;
    }
}

// Bad arguments return false and draw nothing, even after good shapes.
TEST(GradientFillTest, BadArgumentsFailWithoutDrawing) {
  TBitmap bm(4, 4);
  bm.Fill(kBack);
  TDeviceContext dc(&bm);
  const TRIVERTEX v[3] = {Vertex(0, 0, clRed), Vertex(4, 0, clRed), Vertex(0, 4, clRed)};
  const GRADIENT_TRIANGLE goodThenBad[2] = {{0, 1, 2}, {0, 1, 3}};
  const GRADIENT_RECT badRect{0, 3};
  const GRADIENT_TRIANGLE good{0, 1, 2};
  EXPECT_FALSE(GradientFill(&dc, v, 3, goodThenBad, 2, GRADIENT_FILL_TRIANGLE));
  EXPECT_FALSE(GradientFill(&dc, v, 3, &badRect, 1, GRADIENT_FILL_RECT_H));
  EXPECT_FALSE(GradientFill(&dc, v, 3, &badRect, 1, GRADIENT_FILL_RECT_V));
  EXPECT_FALSE(GradientFill(&dc, v, 0, &good, 1, GRADIENT_FILL_TRIANGLE));
  EXPECT_FALSE(GradientFill(&dc, v, 3, &good, 1, 3));
  EXPECT_FALSE(GradientFill(nullptr, v, 3, &good, 1, GRADIENT_FILL_TRIANGLE));
  EXPECT_FALSE(GradientFill(&dc, nullptr, 3, &good, 1, GRADIENT_FILL_TRIANGLE));
  EXPECT_FALSE(GradientFill(&dc, v, 3, nullptr, 1, GRADIENT_FILL_TRIANGLE));
  EXPECT_TRUE(AllPixels(bm, kBack));
  EXPECT_TRUE(GradientFill(&dc, v, 3, nullptr, 0, GRADIENT_FILL_TRIANGLE));
  EXPECT_TRUE(AllPixels(bm, kBack));
  TBitmap empty;
  TDeviceContext emptyDc(&empty);
  EXPECT_TRUE(GradientFill(&emptyDc, v, 3, &good, 1, GRADIENT_FILL_TRIANGLE));
}

// Coordinates at the ends of the int range are clamped, not overflowed:
// the shapes still cover the bitmap, and a ramp across 2^29 pixels is
// mid-grey where the bitmap sits.
TEST(GradientFillTest, HugeCoordinatesCoverTheBitmap) {
  TBitmap bm(8, 6);
  bm.Fill(kBack);
  TDeviceContext dc(&bm);
  ASSERT_TRUE(FillTriangles(&dc,
                            {Vertex(INT_MIN, INT_MIN, clBlue), Vertex(INT_MAX, INT_MIN, clBlue),
                             Vertex(INT_MAX, INT_MAX, clBlue), Vertex(INT_MIN, INT_MAX, clBlue)},
                            {{0, 1, 2}, {0, 2, 3}}));
  EXPECT_TRUE(AllPixels(bm, clBlue));
  const TRIVERTEX ends[2] = {Vertex(INT_MIN, INT_MIN, clBlack), Vertex(INT_MAX, INT_MAX, clWhite)};
  const GRADIENT_RECT rect{0, 1};
  ASSERT_TRUE(GradientFill(&dc, ends, 2, &rect, 1, GRADIENT_FILL_RECT_H));
  EXPECT_TRUE(AllPixels(bm, 0x7F7F7F));
}
