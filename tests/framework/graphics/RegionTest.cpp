#include "framework/graphics/Region.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// A brute-force model: one flag per pixel of a field that holds every
// rectangle the tests use, with a margin so shifted regions stay inside.
constexpr int kOrigin = -8;
constexpr int kField = 64;  // covers [-8, 56) on both axes

struct TPixelSet {
  std::vector<bool> Bits = std::vector<bool>(kField * kField, false);
  bool Get(int x, int y) const { return Bits[static_cast<size_t>((y - kOrigin) * kField + (x - kOrigin))]; }
  void Set(int x, int y, bool v) { Bits[static_cast<size_t>((y - kOrigin) * kField + (x - kOrigin))] = v; }
};

TPixelSet ModelOf(const std::vector<TRect>& rects) {
  TPixelSet s;
  for (const TRect& r : rects)
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) s.Set(x, y, true);
  return s;
}

using TBand = std::pair<std::pair<int, int>, std::vector<std::pair<int, int>>>;  // (top, bottom), spans

std::vector<TBand> BandsOf(const TRegion& rgn) {
  std::vector<TBand> bands;
  for (const TRect& r : rgn.Rects()) {
    if (bands.empty() || bands.back().first.first != r.Top) bands.push_back({{r.Top, r.Bottom}, {}});
    bands.back().second.push_back({r.Left, r.Right});
  }
  return bands;
}

// The region must be canonical (bands in order, spans sorted and apart,
// touching bands different) and hold exactly the model's pixels.
void ExpectMatches(const TRegion& rgn, const TPixelSet& model, const std::string& what) {
  for (const TRect& r : rgn.Rects()) ASSERT_FALSE(r.IsEmpty()) << what;
  const std::vector<TBand> bands = BandsOf(rgn);
  for (size_t b = 0; b < bands.size(); ++b) {
    const auto& spans = bands[b].second;
    for (size_t k = 1; k < spans.size(); ++k) ASSERT_LT(spans[k - 1].second, spans[k].first) << what;
    if (b == 0) continue;
    ASSERT_GE(bands[b].first.first, bands[b - 1].first.second) << what << ": bands overlap";
    if (bands[b].first.first == bands[b - 1].first.second) {
      ASSERT_NE(bands[b].second, bands[b - 1].second) << what << ": equal touching bands not merged";
    }
  }
  size_t count = 0;
  for (const auto& band : bands) count += band.second.size();
  ASSERT_EQ(count, rgn.Rects().size()) << what << ": a band has uneven bottoms";
  TRect box;
  for (int y = kOrigin; y < kOrigin + kField; ++y)
    for (int x = kOrigin; x < kOrigin + kField; ++x) {
      ASSERT_EQ(rgn.Contains(x, y), model.Get(x, y)) << what << " at " << x << "," << y;
      if (model.Get(x, y)) box = box.Union(TRect{x, y, x + 1, y + 1});
    }
  ASSERT_EQ(rgn.Bounds(), box) << what;
}

TRect RandomRect(std::mt19937& rng) {
  std::uniform_int_distribution<int> pos(0, 34), size(0, 12);
  const int l = pos(rng), t = pos(rng);
  return {l, t, l + size(rng), t + size(rng)};  // sometimes empty on purpose
}

}  // namespace

// Random rectangle sets combined four ways hold exactly the pixels of the
// brute-force model, in canonical form.
TEST(RegionTest, AlgebraMatchesPixelModel) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 400; ++round) {
    std::vector<TRect> ra, rb;
    const int na = static_cast<int>(rng() % 7), nb = static_cast<int>(rng() % 7);
    for (int i = 0; i < na; ++i) ra.push_back(RandomRect(rng));
    for (int i = 0; i < nb; ++i) rb.push_back(RandomRect(rng));
    const TRegion a = TRegion::FromRects(ra), b = TRegion::FromRects(rb);
    const TPixelSet ma = ModelOf(ra), mb = ModelOf(rb);
    const std::string tag = " round " + std::to_string(round);
    ExpectMatches(a, ma, "FromRects" + tag);
    struct Case {
      const char* Name;
      TRegion Result;
      bool (*Rule)(bool, bool);
    } cases[] = {
        {"Union", a.Union(b), [](bool x, bool y) { return x || y; }},
        {"Intersect", a.Intersect(b), [](bool x, bool y) { return x && y; }},
        {"Subtract", a.Subtract(b), [](bool x, bool y) { return x && !y; }},
        {"Xor", a.Xor(b), [](bool x, bool y) { return x != y; }},
    };
    for (const Case& c : cases) {
      TPixelSet expected;
      for (int y = kOrigin; y < kOrigin + kField; ++y)
        for (int x = kOrigin; x < kOrigin + kField; ++x) expected.Set(x, y, c.Rule(ma.Get(x, y), mb.Get(x, y)));
      ExpectMatches(c.Result, expected, c.Name + tag);
    }
    // Offset moves every pixel; Intersects agrees with the model.
    TPixelSet shifted;
    for (int y = 0; y < 50; ++y)
      for (int x = 0; x < 50; ++x) shifted.Set(x - 3, y + 5, ma.Get(x, y));
    ExpectMatches(a.Offset(-3, 5), shifted, "Offset" + tag);
    const TRect probe = RandomRect(rng);
    bool hit = false;
    for (int y = probe.Top; y < probe.Bottom; ++y)
      for (int x = probe.Left; x < probe.Right; ++x) hit = hit || ma.Get(x, y);
    EXPECT_EQ(a.Intersects(probe), hit) << "Intersects" << tag;
  }
}

// Different ways of building the same pixels give equal regions.
TEST(RegionTest, SamePixelsCompareEqual) {
  const TRegion square(TRect{0, 0, 10, 10});
  struct Case {
    const char* Name;
    TRegion Built;
  } cases[] = {
      {"two halves side by side", TRegion::FromRects({{0, 0, 5, 10}, {5, 0, 10, 10}})},
      {"two halves stacked", TRegion::FromRects({{0, 0, 10, 4}, {0, 4, 10, 10}})},
      {"four quarters", TRegion::FromRects({{5, 5, 10, 10}, {0, 0, 5, 5}, {5, 0, 10, 5}, {0, 5, 5, 10}})},
      {"overlapping pieces", TRegion::FromRects({{0, 0, 8, 10}, {2, 0, 10, 10}, {3, 3, 4, 4}})},
      {"hole filled again", square.Subtract(TRect{3, 3, 6, 6}).Union(TRect{3, 3, 6, 6})},
      {"xor of complements", TRegion(TRect{0, 0, 20, 10}).Xor(TRect{10, 0, 20, 10})},
      {"intersection of larger", TRegion(TRect{-5, 0, 10, 20}).Intersect(TRect{0, -5, 20, 10})},
      {"offset back and forth", square.Offset(7, -3).Offset(-7, 3)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.Built, square) << c.Name;
    EXPECT_EQ(c.Built.Rects().size(), 1u) << c.Name;
  }
  EXPECT_TRUE(square.Xor(square).IsEmpty());
  EXPECT_TRUE(square.Subtract(square).IsEmpty());
  EXPECT_EQ(TRegion(TRect{5, 5, 5, 9}), TRegion());
}

// An L shape is one band for the long part and one for the foot; a frame is
// top bar, two side posts and a bottom bar.
TEST(RegionTest, BandsHaveTheExpectedRectangles) {
  const TRegion l = TRegion::FromRects({{0, 0, 3, 10}, {0, 7, 8, 10}});
  EXPECT_EQ(l.Rects(), (std::vector<TRect>{{0, 0, 3, 7}, {0, 7, 8, 10}}));
  const TRegion frame = TRegion(TRect{0, 0, 10, 10}).Subtract(TRect{2, 2, 8, 8});
  EXPECT_EQ(frame.Rects(),
            (std::vector<TRect>{{0, 0, 10, 2}, {0, 2, 2, 8}, {8, 2, 10, 8}, {0, 8, 10, 10}}));
  EXPECT_EQ(frame.Bounds(), TRect(0, 0, 10, 10));
  EXPECT_FALSE(frame.Intersects(TRect{2, 2, 8, 8}));
  EXPECT_TRUE(frame.Intersects(TRect{7, 7, 9, 9}));
  // Half-open edges: right and bottom are outside.
  EXPECT_TRUE(frame.Contains(9, 9));
  EXPECT_FALSE(frame.Contains(10, 9));
  EXPECT_FALSE(frame.Contains(9, 10));
  EXPECT_FALSE(frame.Contains(5, 5));
}

// Guards against fragmentation: adding a thousand one-pixel columns one by
// one used to leave a thousand rectangles instead of one.
TEST(RegionTest, RepeatedUnionsStayCompact) {
  TRegion r;
  for (int x = 0; x < 1000; ++x) r = r.Union(TRect{x, 0, x + 1, 20});
  EXPECT_EQ(r.Rects(), (std::vector<TRect>{{0, 0, 1000, 20}}));
  TRegion rows;
  for (int y = 999; y >= 0; --y) rows = rows.Union(TRect{0, y, 30, y + 1});
  EXPECT_EQ(rows.Rects(), (std::vector<TRect>{{0, 0, 30, 1000}}));
  // A checkerboard is as many rectangles as black squares, no more.
  std::vector<TRect> cells;
  for (int y = 0; y < 16; ++y)
    for (int x = (y & 1); x < 16; x += 2) cells.push_back({x * 4, y * 4, x * 4 + 4, y * 4 + 4});
  EXPECT_EQ(TRegion::FromRects(cells).Rects().size(), 128u);
}
