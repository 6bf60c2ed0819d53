#include "skin/pixels/sGraphUtils.h"
#include "skin/pixels/sBlendRows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "framework/base/Exceptions.h"

namespace {

constexpr TColor kMagenta = 0xFF00FF;

std::unique_ptr<TBitmap> Filled(int w, int h, TColor color) {
  auto bmp = CreateBmp24(w, h);
  bmp->Fill(color);
  return bmp;
}

// Every pixel a different colour with channels below 128, which a weight-0
// mix leaves exactly as they are: (255 s + 127) >> 8 == s for s < 128.
std::unique_ptr<TBitmap> Numbered(int w, int h) {
  auto bmp = CreateBmp24(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bmp->SetPixel(x, y, RGB(1 + 10 * x, 1 + 10 * y, 7));
  return bmp;
}

void FillRandom(TBitmap& bmp, std::mt19937& rng) {
  for (int y = 0; y < bmp.Height(); ++y) {
    uint8_t* row = bmp.ScanLine(y);
    for (int i = 0; i < bmp.Width() * 3; ++i) row[i] = static_cast<uint8_t>(rng());
  }
}

std::vector<TColor> Pixels(const TBitmap& bmp) {
  std::vector<TColor> out;
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) out.push_back(bmp.Pixel(x, y));
  return out;
}

// The mixing rule written out per channel, one pixel at a time, to check
// the row loops against.
void ReferenceBlend(TBitmap& dst, const TBitmap& src, int w, TPoint at, TRect from) {
  for (int y = from.Top; y < from.Bottom; ++y)
    for (int x = from.Left; x < from.Right; ++x) {
      const TColor d = dst.Pixel(at.X + x - from.Left, at.Y + y - from.Top);
      const TColor s = src.Pixel(x, y);
      auto mix = [&](int dc, int sc) { return (dc * w + sc * (255 - w) + 127) >> 8; };
      dst.SetPixel(at.X + x - from.Left, at.Y + y - from.Top,
                   RGB(mix(GetRValue(d), GetRValue(s)), mix(GetGValue(d), GetGValue(s)),
                       mix(GetBValue(d), GetBValue(s))));
    }
}

class GraphUtils : public ::testing::Test {};

TEST_F(GraphUtils, HelpersAttachOnlyToBitmapsOfTwoByTwoOrMore) {
  struct Case { int w, h; bool ok; };
  for (const Case& c : {Case{1, 1, false}, Case{1, 5, false}, Case{5, 1, false}, Case{2, 2, true}, Case{7, 3, true}}) {
    auto bmp = Filled(c.w, c.h, RGB(1, 2, 3));
    auto other = Filled(4, 4, clBlack);
    FastPixels24 px;
    FastMix24 mix;
    EXPECT_EQ(px.Attach(*bmp), c.ok) << c.w << "x" << c.h;
    EXPECT_EQ(mix.Attach(*bmp, *other), c.ok);
    EXPECT_EQ(mix.Attach(*other, *bmp), c.ok);
    if (!c.ok) continue;
    EXPECT_EQ(px.RowDelta, bmp->RowBytes());
    EXPECT_EQ(px.Pixel(1, 1), RGB(1, 2, 3));
    px.SetPixel(c.w - 1, c.h - 1, RGB(9, 8, 7));
    EXPECT_EQ(bmp->Pixel(c.w - 1, c.h - 1), RGB(9, 8, 7));
    EXPECT_EQ(px.Pixel(c.w, 0), clNone);
    px.SetPixel(-1, 0, clWhite);  // outside: ignored
  }
}

TEST_F(GraphUtils, ClampAndPercentToWeight) {
  struct Case { long long in; int out; };
  for (const Case& c : {Case{-7, 0}, Case{0, 0}, Case{200, 200}, Case{255, 255}, Case{256, 255}, Case{1LL << 40, 255}})
    EXPECT_EQ(ClampByte(c.in), c.out) << c.in;
  for (const Case& c : {Case{-5, 0}, Case{0, 0}, Case{1, 2}, Case{50, 127}, Case{100, 255}, Case{150, 255},
                        Case{2000000000, 255}, Case{-2000000000, 0}})
    EXPECT_EQ(PercentToWeight(static_cast<int>(c.in)), c.out) << c.in;
}

TEST_F(GraphUtils, CreateBmp24MakesTheSizeAndRefusesBadSizes) {
  auto bmp = CreateBmp24(5, 3);
  EXPECT_EQ(bmp->Width(), 5);
  EXPECT_EQ(bmp->Height(), 3);
  EXPECT_EQ(bmp->PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_THROW(CreateBmp24(-1, 3), EOutOfResources);
  EXPECT_THROW(CreateBmp24(100000, 100000), EOutOfResources);
}

// The rule turns 255 into 254 at the extremes; that is its real result.
TEST_F(GraphUtils, BlendGivesTheFormulasExactResults) {
  struct Case { int w, d, s, out; };
  for (const Case& c : {Case{255, 255, 0, 254}, Case{255, 1, 0, 1}, Case{255, 0, 255, 0}, Case{0, 0, 255, 254},
                        Case{0, 0, 128, 127}, Case{0, 255, 0, 0}, Case{128, 200, 100, 150}, Case{128, 0, 255, 127},
                        Case{1, 255, 0, 1}, Case{254, 10, 250, 11}}) {
    auto dst = Filled(2, 2, RGB(c.d, c.d, c.d));
    auto src = Filled(2, 2, RGB(c.s, c.s, c.s));
    BlendSameSize(*dst, *src, static_cast<uint8_t>(c.w));
    EXPECT_EQ(dst->Pixel(1, 1), RGB(c.out, c.out, c.out)) << "w=" << c.w << " d=" << c.d << " s=" << c.s;
  }
  // Channels stay in their places.
  auto dst = Filled(3, 2, clBlack);
  auto src = Filled(3, 2, RGB(10, 20, 30));
  BlendSameSize(*dst, *src, 0);
  EXPECT_EQ(dst->Pixel(2, 1), RGB(10, 20, 30));
}

TEST_F(GraphUtils, BlendSameSizeSkipsBitmapsOfDifferentSizes) {
  auto dst = Filled(3, 3, clWhite);
  auto src = Filled(3, 4, clBlack);
  BlendSameSize(*dst, *src, 0);
  EXPECT_EQ(Pixels(*dst), Pixels(*Filled(3, 3, clWhite)));
}

// The row loops against the per-pixel rule over random data.
TEST_F(GraphUtils, FastBlendMatchesThePlainLoopOnRandomData) {
  std::mt19937 rng(20240611);
  const std::vector<std::pair<int, int>> sizes = {{2, 2}, {3, 2}, {5, 7}, {17, 3}, {33, 9}, {64, 5}, {101, 11}};
  std::vector<int> weights = {0, 1, 127, 128, 254, 255};
  for (int i = 0; i < 4; ++i) weights.push_back(static_cast<int>(rng() % 256));
  for (auto [w, h] : sizes)
    for (int weight : weights) {
      auto dst = CreateBmp24(w, h), src = CreateBmp24(w, h), expected = CreateBmp24(w, h);
      FillRandom(*dst, rng);
      FillRandom(*src, rng);
      expected->Assign(*dst);
      ReferenceBlend(*expected, *src, weight, {0, 0}, {0, 0, w, h});
      BlendSameSize(*dst, *src, static_cast<uint8_t>(weight));
      ASSERT_EQ(Pixels(*dst), Pixels(*expected)) << w << "x" << h << " w=" << weight;
      // A sub-rectangle placed inside.
      const TRect inner{1, 0, w, h - 1};
      expected->Assign(*dst);
      ReferenceBlend(*expected, *src, weight, {0, 1}, inner);
      BlendBitmaps(*dst, *src, static_cast<uint8_t>(weight), {0, 1}, inner);
      ASSERT_EQ(Pixels(*dst), Pixels(*expected)) << w << "x" << h << " w=" << weight << " inner rectangle";
    }
}

// Mixing or copying a bitmap onto a shifted area of itself must read every
// source pixel before it is overwritten, in whichever direction it moves:
// the result is the one from an untouched copy of the source.
TEST_F(GraphUtils, WorkWithinOneBitmapReadsTheSourceBeforeWritingIt) {
  std::mt19937 rng(7);
  const TRect from{3, 2, 10, 7};
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -3; dx <= 3; ++dx) {
      const TPoint at{3 + dx, 2 + dy};
      auto bmp = CreateBmp24(13, 9), copy = CreateBmp24(13, 9), expected = CreateBmp24(13, 9);
      FillRandom(*bmp, rng);
      copy->Assign(*bmp);
      expected->Assign(*bmp);
      ReferenceBlend(*expected, *copy, 100, at, from);
      BlendBitmaps(*bmp, *bmp, 100, at, from);
      ASSERT_EQ(Pixels(*bmp), Pixels(*expected)) << "blend dx=" << dx << " dy=" << dy;

      bmp->Assign(*copy);
      expected->Assign(*copy);
      BlendTransparent(*expected, at.X, at.Y, kNoKey, 0.25, from, *copy);
      BlendTransparent(*bmp, at.X, at.Y, kNoKey, 0.25, from, *bmp);
      ASSERT_EQ(Pixels(*bmp), Pixels(*expected)) << "transparent dx=" << dx << " dy=" << dy;

      bmp->Assign(*copy);
      expected->Assign(*copy);
      CopyTransparent(*expected, *copy, at.X, at.Y, kNoKey, from, TKeyPixels::Keep, {});
      CopyTransparent(*bmp, *bmp, at.X, at.Y, kNoKey, from, TKeyPixels::Keep, {});
      ASSERT_EQ(Pixels(*bmp), Pixels(*expected)) << "copy dx=" << dx << " dy=" << dy;
    }
}

// Placement: which destination pixels are covered and from where in the source.
TEST_F(GraphUtils, BlendBitmapsPlacesAndCutsTheSourceRectangle) {
  struct Case { const char* what; TPoint at; TRect from; TRect covered; TPoint origin; };
  const Case cases[] = {
      {"plain", {1, 1}, {0, 0, 2, 2}, {1, 1, 3, 3}, {0, 0}},
      {"negative destination x skips source columns", {-1, 0}, {0, 0, 3, 2}, {0, 0, 2, 2}, {1, 0}},
      {"negative destination y skips source rows", {0, -2}, {0, 0, 3, 3}, {0, 0, 3, 1}, {0, 2}},
      {"negative source left moves the destination", {0, 0}, {-2, 0, 2, 2}, {2, 0, 4, 2}, {0, 0}},
      {"negative source top moves the destination", {1, 0}, {0, -1, 2, 3}, {1, 1, 3, 3}, {0, 0}},
      {"cut to the source bitmap", {0, 0}, {1, 1, 10, 10}, {0, 0, 2, 2}, {1, 1}},
      {"cut to the destination", {3, 2}, {0, 0, 3, 3}, {3, 2, 4, 3}, {0, 0}},
      {"right of the destination", {4, 0}, {0, 0, 3, 3}, {}, {}},
      {"all skipped", {-3, 0}, {0, 0, 3, 3}, {}, {}},
      {"extreme coordinates", {-2147483647, 2147483647}, {-2147483647, 0, 2147483647, 3}, {}, {}},
  };
  for (const Case& c : cases) {
    auto dst = Filled(4, 3, clBlack);
    auto src = Numbered(3, 3);
    BlendBitmaps(*dst, *src, 0, c.at, c.from);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 4; ++x) {
        const TColor want = c.covered.Contains(TPoint{x, y})
                                ? src->Pixel(c.origin.X + x - c.covered.Left, c.origin.Y + y - c.covered.Top)
                                : clBlack;
        EXPECT_EQ(dst->Pixel(x, y), want) << c.what << " at " << x << "," << y;
      }
  }
}

// Coordinates at the ends of the int range and odd factors must neither
// overflow on the way to the cut nor reach outside a bitmap.
TEST_F(GraphUtils, ExtremeArgumentsStayInsideTheBitmaps) {
  constexpr int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
  const TRect huge{lo, lo, hi, hi};
  auto dst = Filled(3, 3, clWhite), src = Filled(3, 3, clBlack), cacheBmp = Filled(3, 3, clRed);
  const auto all = [&](TColor c) { return std::vector<TColor>(9, c); };
  BlendColorRect(*dst, huge, 50, clBlack);
  EXPECT_EQ(Pixels(*dst), all(RGB(128, 128, 128)));
  BlendBitmaps(*dst, *src, 0, {lo, hi}, huge);
  BlendTransparent(*dst, 0, 0, kNoKey, std::nan(""), huge, *src);
  BlendTransparent(*dst, 0, 0, kNoKey, HUGE_VAL, huge, *src);
  EXPECT_EQ(Pixels(*dst), all(RGB(128, 128, 128)));
  BlendTransparent(*dst, lo, lo, kNoKey, 1e300, huge, *src);  // far beyond white: held to 255
  EXPECT_EQ(Pixels(*dst), all(clWhite));
  CopyTransparent(*dst, *src, 0, 0, clBlack, huge, TKeyPixels::FromCache, {cacheBmp.get(), hi, hi, true});
  DisabledLook(*dst, kDisabledMix, clBlack, {hi, hi}, {{cacheBmp.get(), hi, hi, true}});
  EXPECT_EQ(Pixels(*dst), all(clWhite));
  BlendBitmaps(*dst, *src, 0, {lo, lo}, huge);
  EXPECT_EQ(Pixels(*dst), all(clBlack));
}

TEST_F(GraphUtils, BlendColorRectRoundsHalvesToEven) {
  struct Case { int percent, pixel, color, out; };
  for (const Case& c : {Case{100, 37, 200, 37}, Case{0, 37, 200, 200}, Case{50, 1, 2, 2}, Case{50, 2, 3, 2},
                        Case{50, 0, 255, 128}, Case{50, 254, 255, 254}, Case{30, 10, 20, 17}, Case{30, 5, 0, 2},
                        Case{10, 25, 0, 2}, Case{90, 5, 0, 4}, Case{150, 37, 200, 37}, Case{-20, 37, 200, 200}}) {
    auto bmp = Filled(2, 2, RGB(c.pixel, c.pixel, c.pixel));
    BlendColorRect(*bmp, {0, 0, 1, 1}, c.percent, RGB(c.color, c.color, c.color));
    EXPECT_EQ(bmp->Pixel(0, 0), RGB(c.out, c.out, c.out)) << c.percent << "% " << c.pixel << " " << c.color;
  }
  auto bmp = Filled(2, 2, clBlack);
  BlendColorRect(*bmp, {0, 0, 1, 1}, 0, clBtnFace);  // system colours are resolved
  EXPECT_EQ(bmp->Pixel(1, 1), ColorToRGB(clBtnFace));
}

// Right and bottom are inclusive here; the rectangle is clipped; a bitmap
// too small for the fast access is left alone.
TEST_F(GraphUtils, BlendColorRectCoversInclusiveEdgesAndClips) {
  struct Case { const char* what; int w, h; TRect r; std::vector<int> painted; };  // painted: y * w + x
  const Case cases[] = {
      {"inclusive", 4, 3, {1, 0, 2, 1}, {1, 2, 5, 6}},
      {"clipped all round", 2, 2, {-5, -5, 10, 10}, {0, 1, 2, 3}},
      {"clipped to the last pixel", 4, 3, {3, 2, 100, 100}, {11}},
      {"clipped on the right, next row untouched", 4, 3, {2, 0, 10, 0}, {2, 3}},
      {"empty", 4, 3, {2, 1, 1, 1}, {}},
      {"one by one", 1, 1, {0, 0, 0, 0}, {}},
      {"one row", 5, 1, {0, 0, 4, 0}, {}},
  };
  for (const Case& c : cases) {
    auto bmp = Filled(c.w, c.h, clWhite);
    BlendColorRect(*bmp, c.r, 0, clBlack);
    std::vector<int> painted;
    for (int i = 0; i < c.w * c.h; ++i)
      if (bmp->Pixel(i % c.w, i / c.w) == clBlack) painted.push_back(i);
    EXPECT_EQ(painted, c.painted) << c.what;
  }
}

TEST_F(GraphUtils, GrayscaleAveragesTheChannels) {
  struct Case { TColor in, out; };
  for (const Case& c : {Case{clRed, RGB(85, 85, 85)}, Case{RGB(10, 20, 31), RGB(20, 20, 20)},
                        Case{clWhite, clWhite}, Case{RGB(1, 1, 0), RGB(0, 0, 0)}}) {
    auto bmp = Filled(3, 2, c.in);
    Grayscale(*bmp);
    EXPECT_EQ(Pixels(*bmp), Pixels(*Filled(3, 2, c.out))) << std::hex << c.in;
  }
}

TEST_F(GraphUtils, BlendTransparentSkipsTheKeyUnlessThereIsNone) {
  const TColor own = RGB(100, 200, 50), under = RGB(0, 100, 250);
  struct Case { TColor key; double factor; TColor keyPixel, otherPixel; };
  const Case cases[] = {
      {kMagenta, 0.5, under, RGB(50, 150, 150)},
      {kNoKey, 0.5, RGB(128, 50, 252), RGB(50, 150, 150)},  // 127.5 -> 128, 252.5 -> 252
      {static_cast<TColor>(0xFF000000u), 0.0, kMagenta, own},
      {kMagenta, 1.0, under, under},
      {kMagenta, 0.4, under, RGB(60, 160, 130)},
  };
  for (const Case& c : cases) {
    auto src = Filled(2, 2, own);
    src->SetPixel(0, 0, kMagenta);
    auto dst = Filled(3, 3, under);
    BlendTransparent(*dst, 1, 1, c.key, c.factor, {0, 0, 2, 2}, *src);
    EXPECT_EQ(dst->Pixel(1, 1), c.keyPixel) << std::hex << c.key << " " << c.factor;
    EXPECT_EQ(dst->Pixel(2, 2), c.otherPixel) << std::hex << c.key << " " << c.factor;
    EXPECT_EQ(dst->Pixel(0, 0), under);
  }
}

TEST_F(GraphUtils, CopyTransparentFillsKeyPixelsFromAReadyCache) {
  // Source 3 x 2 with the key in its first column; copied to (dstX, 1).
  auto src = Numbered(3, 2);
  src->SetPixel(0, 0, kMagenta);
  src->SetPixel(0, 1, kMagenta);
  auto cacheBmp = Numbered(8, 8);
  struct Case { const char* what; int dstX; TKeyPixels mode; bool ready; bool fromCache; };
  const Case cases[] = {
      {"kept", 1, TKeyPixels::Keep, true, false},
      {"cache not ready", 1, TKeyPixels::FromCache, false, false},
      {"from cache", 1, TKeyPixels::FromCache, true, true},
  };
  for (const Case& c : cases) {
    auto dst = Filled(4, 3, clWhite);
    const TCacheInfo cache{cacheBmp.get(), 2, 3, c.ready};
    CopyTransparent(*dst, *src, c.dstX, 1, kMagenta, {0, 0, 3, 2}, c.mode, cache);
    const TColor keyed0 = c.fromCache ? cacheBmp->Pixel(2, 3) : clWhite;
    const TColor keyed1 = c.fromCache ? cacheBmp->Pixel(2, 4) : clWhite;
    EXPECT_EQ(Pixels(*dst), (std::vector<TColor>{clWhite, clWhite, clWhite, clWhite,                  //
                                                 clWhite, keyed0, src->Pixel(1, 0), src->Pixel(2, 0),  //
                                                 clWhite, keyed1, src->Pixel(1, 1), src->Pixel(2, 1)}))
        << c.what;
  }
  // Columns count from the first pixel actually copied: with the first
  // source column cut off, the key at source (1, 0) is column 0.
  src->SetPixel(1, 0, kMagenta);
  auto dst = Filled(4, 3, clWhite);
  CopyTransparent(*dst, *src, -1, 0, kMagenta, {0, 0, 3, 2}, TKeyPixels::FromCache, {cacheBmp.get(), 5, 6, true});
  EXPECT_EQ(dst->Pixel(0, 0), cacheBmp->Pixel(5, 6));
  EXPECT_EQ(dst->Pixel(1, 0), src->Pixel(2, 0));
  // A cache pixel outside the cache bitmap leaves the destination alone.
  dst = Filled(4, 3, clWhite);
  CopyTransparent(*dst, *src, -1, 0, kMagenta, {0, 0, 3, 2}, TKeyPixels::FromCache, {cacheBmp.get(), 8, 0, true});
  EXPECT_EQ(dst->Pixel(0, 0), clWhite);
}

TEST_F(GraphUtils, DisabledLookMixesWithWhatIsUnderTheControl) {
  struct Case { const char* what; int flags; TColor pixel; TColor parentColor; bool ready; TColor out; };
  const Case cases[] = {
      {"nothing", 0, RGB(100, 100, 100), kNoColor, false, RGB(100, 100, 100)},
      {"control colour", 1, RGB(100, 100, 100), kNoColor, false, RGB(150, 50, 76)},
      {"parent colour", 1, RGB(100, 100, 100), clBlack, false, RGB(50, 50, 50)},
      {"grey", 2, clRed, kNoColor, false, RGB(85, 85, 85)},
      {"grey then mix", 3, clRed, clBlack, false, RGB(42, 42, 42)},
      // Parent 60 %, own 40 %: (100,255,0) under (200,0,255).
      {"parent cache", 1, RGB(200, 0, 255), kNoColor, true, RGB(140, 153, 102)},
  };
  auto parent = Filled(8, 8, RGB(100, 255, 0));
  parent->SetPixel(4, 3, clBlack);  // under the control's pixel (1, 1)
  for (const Case& c : cases) {
    auto bmp = Filled(2, 2, c.pixel);
    DisabledLook(*bmp, c.flags, RGB(200, 0, 51), {1, 1}, {{parent.get(), 2, 1, c.ready}, c.parentColor});
    EXPECT_EQ(bmp->Pixel(0, 0), c.out) << c.what;
    if (c.ready) {
      EXPECT_EQ(bmp->Pixel(1, 1), RGB(80, 0, 102)) << c.what;
    }
  }
}

TEST_F(GraphUtils, FillDCFillsThroughTheDeviceContext) {
  auto bmp = Filled(4, 3, clWhite);
  TDeviceContext dc(bmp.get());
  FillDC(&dc, {1, 1, 3, 2}, clBtnFace);
  FillDC(nullptr, {0, 0, 4, 3}, clBlack);
  const TColor f = ColorToRGB(clBtnFace), w = clWhite;
  EXPECT_EQ(Pixels(*bmp), (std::vector<TColor>{w, w, w, w, w, f, f, w, w, w, w, w}));
}

TEST_F(GraphUtils, RotateHueTurnsAroundTheColourCircle) {
  struct Case { TColor in; int degrees; TColor out; };
  for (const Case& c : {Case{clRed, 120, clLime}, Case{clRed, 240, clBlue}, Case{clRed, -120, clBlue},
                        Case{clRed, 60, clYellow}, Case{clRed, 30, RGB(255, 128, 0)},  // 127.5 -> 128
                        Case{clRed, 390, RGB(255, 128, 0)}, Case{clRed, 720, clRed},
                        Case{RGB(200, 100, 50), 90, RGB(75, 200, 50)}, Case{RGB(200, 100, 50), 0, RGB(200, 100, 50)},
                        Case{RGB(90, 90, 90), 45, RGB(90, 90, 90)}, Case{clBtnFace, 0, clBtnFace},
                        Case{clNone, 90, clNone}})
    EXPECT_EQ(RotateHueColor(c.in, c.degrees), c.out) << std::hex << c.in << std::dec << " by " << c.degrees;
  // Any colour turned by 0 (mod 360) comes back exactly.
  std::mt19937 rng(3);
  for (int i = 0; i < 2000; ++i) {
    const TColor c = static_cast<TColor>(rng() & 0xFFFFFF);
    ASSERT_EQ(RotateHueColor(c, 360), c) << std::hex << c;
  }
}

TEST_F(GraphUtils, ChangeSaturationMovesTowardsOrAwayFromGrey) {
  struct Case { TColor in; int amount; TColor out; };
  for (const Case& c : {Case{RGB(200, 100, 0), 100, RGB(100, 100, 100)}, Case{RGB(200, 100, 0), 50, RGB(150, 100, 50)},
                        Case{RGB(200, 100, 0), -50, RGB(250, 100, 0)}, Case{RGB(200, 100, 0), -100, RGB(255, 100, 0)},
                        Case{RGB(1, 2, 0), 50, RGB(1, 2, 0)},  // 1.5 -> 2, 0.5 -> 0
                        Case{RGB(10, 0, 0), 100, RGB(3, 3, 3)}, Case{RGB(10, 0, 0), 50, RGB(7, 2, 2)},
                        Case{clBtnFace, 0, clBtnFace}, Case{RGB(30, 60, 90), 0, RGB(30, 60, 90)}})
    EXPECT_EQ(ChangeSaturationColor(c.in, c.amount), c.out) << std::hex << c.in << std::dec << " by " << c.amount;
}

TEST_F(GraphUtils, RecolouringBitmapsLeavesKeyAndGreyPixelsAlone) {
  auto bmp = CreateBmp24(3, 2);
  const std::vector<TColor> before = {clRed, kMagenta, RGB(90, 90, 90), RGB(200, 100, 50), clBlack, clWhite};
  for (int i = 0; i < 6; ++i) bmp->SetPixel(i % 3, i / 3, before[i]);
  RotateHueBitmap(*bmp, 120);
  EXPECT_EQ(Pixels(*bmp), (std::vector<TColor>{clLime, kMagenta, RGB(90, 90, 90), RotateHueColor(RGB(200, 100, 50), 120),
                                               clBlack, clWhite}));
  ChangeSaturationBitmap(*bmp, 100);
  EXPECT_EQ(Pixels(*bmp), (std::vector<TColor>{RGB(85, 85, 85), kMagenta, RGB(90, 90, 90),
                                               ChangeSaturationColor(RotateHueColor(RGB(200, 100, 50), 120), 100),
                                               clBlack, clWhite}));
}

// Red turned by 300 degrees is exactly the key colour; in a bitmap that
// would punch a hole, so the pixel comes out one step of green away.
TEST_F(GraphUtils, RecolouredPixelNeverBecomesTheKey) {
  EXPECT_EQ(RotateHueColor(clRed, 300), kMagenta);
  auto bmp = Filled(2, 2, clRed);
  RotateHueBitmap(*bmp, 300);
  EXPECT_EQ(bmp->Pixel(0, 0), RGB(255, 1, 255));
  bmp = Filled(2, 2, RGB(255, 10, 255));
  ChangeSaturationBitmap(*bmp, -10);
  EXPECT_EQ(bmp->Pixel(1, 1), RGB(255, 1, 255));
}

}  // namespace

// The vector row loop, called directly (not only where the machine makes
// BlendBitmaps pick it), gives the plain loop's bytes: every weight, row
// lengths around the 32-byte step, random bytes.
TEST(BlendRowsTest, VectorLoopGivesThePlainLoopsBytes) {
  if (!blend_rows::VectorAvailable()) GTEST_SKIP() << "this processor has no vector blend";
  std::mt19937 random(31);
  for (int n : {1, 31, 32, 33, 95, 96, 1000}) {
    for (unsigned weight = 0; weight <= 255; weight += 17) {
      std::vector<uint8_t> d(static_cast<size_t>(n)), s(static_cast<size_t>(n));
      for (auto& b : d) b = static_cast<uint8_t>(random());
      for (auto& b : s) b = static_cast<uint8_t>(random());
      std::vector<uint8_t> plain = d, vector = d;
      blend_rows::Plain(plain.data(), s.data(), n, weight);
      blend_rows::Vector(vector.data(), s.data(), n, weight);
      ASSERT_EQ(vector, plain) << "n " << n << " weight " << weight;
    }
  }
}

