// The item-painting pipeline: a section's background mixed from colour and
// gradient, laid over the parent's picture by its transparency, and its
// corner images.
#include "skin/sItemPaint.h"

#include <gtest/gtest.h>

#include "SkinManagerFixture.h"
#include "skin/sCommonData.h"
#include "skin/pixels/sGradient.h"
#include "skin/sMessages.h"

#include <cmath>

namespace {

using namespace test_skins;

constexpr TColor kOwn = RGB(200, 100, 0);      // the section's colour
constexpr TColor kParent = RGB(10, 20, 30);    // the parent's own colour
constexpr TColor kOld = RGB(1, 2, 3);          // what the target held before

// A parent whose picture varies across it (a gradient, say) or not.
class TParent : public TWinControl {
 public:
  using TWinControl::TWinControl;
  void WndProc(TMessage& m) override {
    if (SkinCommandCode(m) == SKC_GETPOSITIONDEPENDENT) {
      m.LParam = varies ? 1 : 0;
      return;
    }
    if (SkinCommandCode(m) == SKC_GETCACHE && cache) {
      SharedCacheInfo = {cache, 0, 0, true};
      return;
    }
    TWinControl::WndProc(m);
  }
  bool varies = true;
  TBitmap* cache = nullptr;  // answers SKC_GETCACHE with it when set
};

// A control painted with section ITEM inside a parent whose cache holds a
// pattern of distinct pixels.
class ItemPaintTest : public SkinManagerFixture {
 protected:
  void SetUp() override {
    SkinManagerFixture::SetUp();
    form = MakeForm(100, 80);
    parent = new TParent(form);
    parent->SetParent(form);
    parent->SetBounds(0, 0, 60, 40);
    parent->SetColor(kParent);
    child = new TWinControl(parent);
    child->SetParent(parent);
    child->SetBounds(5, 6, 8, 4);
    form->Show();
    parentCache.SetSize(60, 40);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 60; ++x) parentCache.SetPixel(x, y, RGB(255 - x * 4, 100 + y * 6, 200));  // bright: rounding slips show
  }
  void TearDown() override {
    data.reset();
    SkinManagerFixture::TearDown();
  }

  // The skin: GLOBALINFO, then ITEM as `shape` makes it.
  TsSkinGeneral* Section(const std::function<void(TsStoredSkin&, TsSkinGeneral&)>& shape = {}) {
    manager = NewManager();
    TsStoredSkin* skin = AddSkin(*manager->InternalSkins(), "Items");
    AddSection(*skin, "GLOBALINFO");
    TsSkinGeneral* item = AddSection(*skin, "ITEM");
    item->Color = kOwn;
    item->HotColor = kOwn;
    if (shape) shape(*skin, *item);
    manager->SetSkinName("Items");
    data = std::make_unique<TsCommonData>(child, true);
    data->SetSkinSection("ITEM");
    EXPECT_TRUE(data->Skinned());
    return item;
  }

  TCacheInfo Ready() { return {&parentCache, 0, 0, true}; }

  // Paints the child's section into an 8 x 4 target that held kOld.
  void Paint(const TCacheInfo& cache) {
    target.SetSize(8, 4);
    target.Fill(kOld);
    PaintItem(*data, cache, target, {.Rect = {0, 0, 8, 4}, .Offset = {child->Left(), child->Top()}},
              {.Centre = TBorderCentre::Fill});
  }

  TForm* form = nullptr;
  TParent* parent = nullptr;
  TWinControl* child = nullptr;
  TsSkinManager* manager = nullptr;
  std::unique_ptr<TsCommonData> data;
  TBitmap parentCache;
  TBitmap target;
};

}  // namespace

// A fully transparent control shows exactly the parent's pixels under it;
// a half transparent one mixes them with its own colour by the 8-bit rule.
TEST_F(ItemPaintTest, TransparencyLaysTheItemOverTheParentsPicture) {
  for (int transparency : {100, 50, 25, 70}) {
    SCOPED_TRACE(transparency);
    // The parent's picture varies, so it is copied rather than stood in
    // for by one colour.
    Section([&](TsStoredSkin&, TsSkinGeneral& s) { s.Transparency = transparency; });
    Paint(Ready());
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 8; ++x) {
        const TColor under = parentCache.Pixel(5 + x, 6 + y);
        TColor expected = under;
        if (transparency != 100) {
          // The parent's share is the transparency as a weight byte.
          const int w = transparency * 255 / 100;
          auto mix = [w](int p, int o) { return (p * w + o * (255 - w) + 127) >> 8; };
          expected = RGB(mix(GetRValue(under), GetRValue(kOwn)), mix(GetGValue(under), GetGValue(kOwn)),
                         mix(GetBValue(under), GetBValue(kOwn)));
        }
        ASSERT_EQ(target.Pixel(x, y), expected) << x << "," << y;
      }
    TComponent::Free(manager);
  }
}

// Without a picture of the parent the control cannot be see-through: it
// paints its own opaque background (here its gradient), neither the
// parent's pixels nor its colour.
TEST_F(ItemPaintTest, ParentWithoutCacheGivesAnOpaqueBackground) {
  const std::string grey = std::to_string(RGB(90, 90, 90));
  Section([&](TsStoredSkin&, TsSkinGeneral& s) {
    s.Transparency = 100;
    s.GradientPercent = 100;
    s.GradientData = grey + ";" + grey + ";100;0;0";
  });
  Paint(TCacheInfo{});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) ASSERT_EQ(target.Pixel(x, y), RGB(90, 90, 90));
}

// A plain see-through section over a parent of one known colour takes that
// colour, whatever its own.
TEST_F(ItemPaintTest, PlainSeeThroughSectionTakesTheParentsColour) {
  Section([](TsStoredSkin&, TsSkinGeneral& s) { s.Transparency = 30; });
  parent->varies = false;
  Paint(Ready());
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) ASSERT_EQ(target.Pixel(x, y), kParent);
}

// Colour and gradient take their shares: all gradient at 100 %, and at 40 %
// the colour mixed over it with 0.4 for the gradient.
TEST_F(ItemPaintTest, GradientAndColourShareTheBackground) {
  const TColor top = RGB(0, 0, 255), bottom = RGB(0, 255, 0);
  for (int percent : {100, 40}) {
    SCOPED_TRACE(percent);
    Section([&](TsStoredSkin&, TsSkinGeneral& s) {
      s.GradientPercent = percent;
      s.GradientData = std::to_string(top) + ";" + std::to_string(bottom) + ";100;0;0";
    });
    Paint(TCacheInfo{});
    TBitmap gradient(8, 4);
    PaintGradient(gradient, {0, 0, 8, 4}, ParseGradient(std::to_string(top) + ";" + std::to_string(bottom) + ";100;0;0"));
    for (int y = 0; y < 4; ++y) {
      const TColor g = gradient.Pixel(0, y);
      TColor expected = g;
      if (percent == 40) {
        // round(0.4 * gradient + 0.6 * colour), halves to even
        auto mix = [](int gc, int oc) { return static_cast<int>(std::nearbyint(0.4 * gc + 0.6 * oc)); };
        expected = RGB(mix(GetRValue(g), GetRValue(kOwn)), mix(GetGValue(g), GetGValue(kOwn)),
                       mix(GetBValue(g), GetBValue(kOwn)));
      }
      for (int x = 0; x < 8; ++x) ASSERT_EQ(target.Pixel(x, y), expected) << x << "," << y;
    }
    TComponent::Free(manager);
  }
}

// Corner images sit in the corners of the rectangle; the bottom-left one
// starts at column 0 even when the rectangle does not.
TEST_F(ItemPaintTest, CornerImagesSitInTheirCorners) {
  Section([](TsStoredSkin& skin, TsSkinGeneral&) {
    // A 2 x 2 dark square in the master bitmap, used by all four corners.
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 2; ++x) skin.MasterBitmap.SetPixel(x, y, RGB(0, 0, 0));
    for (const char* name : {"IMGTOPLEFT", "IMGTOPRIGHT", "IMGBTMLEFT", "IMGBTMRIGHT"})
      AddImage(skin, "ITEM", name, {0, 0, 2, 2}, 1, 0, TsImgType::itisaGlyph);
  });
  target.SetSize(12, 8);
  target.Fill(kOld);
  PaintItem(*data, TCacheInfo{}, target, {.Rect = {3, 1, 11, 7}}, {.Centre = TBorderCentre::Fill});
  auto dark = [&](int x, int y) { return target.Pixel(x, y) == RGB(0, 0, 0); };
  EXPECT_TRUE(dark(3, 1) && dark(4, 2)) << "top left at (Left, Top)";
  EXPECT_TRUE(dark(9, 1) && dark(10, 2)) << "top right ends at Right";
  EXPECT_TRUE(dark(0, 5) && dark(1, 6)) << "bottom left at column 0";
  EXPECT_TRUE(dark(9, 5) && dark(10, 6)) << "bottom right ends at Right and Bottom";
  EXPECT_FALSE(dark(3, 5)) << "nothing at the rectangle's own bottom-left";
  EXPECT_EQ(target.Pixel(11, 0), kOld) << "outside the rectangle";
}

// Invalid sections and rectangles outside the bitmap paint nothing.
TEST_F(ItemPaintTest, NothingIsPaintedForAnInvalidItem) {
  Section();
  target.SetSize(8, 4);
  for (const TRect& r : {TRect{0, 0, 9, 4}, TRect{-1, 0, 8, 4}, TRect{0, 0, 8, 5}}) {
    target.Fill(kOld);
    PaintItem(*data, TCacheInfo{}, target, {.Rect = r}, {.Centre = TBorderCentre::Fill});
    EXPECT_EQ(target.Pixel(0, 0), kOld);
  }
  data->SetSkinSection("NOSUCHSECTION");
  target.Fill(kOld);
  PaintItem(*data, TCacheInfo{}, target, {.Rect = {0, 0, 8, 4}}, {.Centre = TBorderCentre::Fill});
  EXPECT_EQ(target.Pixel(0, 0), kOld);
  EXPECT_EQ(SharedColor, kNoSharedColor);
}

namespace {

constexpr TColor kArt = RGB(0, 0, 0);

// ITEM with an unmasked 6 x 4 border of 2-pixel sides whose top-left
// corner pixel is transparent (the key colour) and whose next pixel is
// black; the rest of the art is silver.
void CornerSkin(TsStoredSkin& skin, TsSkinGeneral&) {
  skin.MasterBitmap.SetPixel(0, 0, 0xFF00FF);
  skin.MasterBitmap.SetPixel(1, 0, kArt);
  TsSkinImage* border = AddImage(skin, "ITEM", "BORDERSMASK", {0, 0, 6, 4});
  border->WL = border->WT = border->WR = border->WB = 2;
}

}  // namespace

// A cached picture's transparent corner pixels take the parent's background
// as it is now; every other pixel, the corner's art included, keeps what
// the cache held: it shows the control, which has not changed.
TEST_F(ItemPaintTest, RefreshedCornersShowTheParentAsItIsNow) {
  struct Case {
    const char* what;
    bool parentHasCache;
    TColor expectedKeyPixel;
  } cases[] = {
      {"parent without a cache: its colour", false, kParent},
      {"parent with a varying cache: its pixel under the corner", true, RGB(255 - 5 * 4, 100 + 6 * 6, 200)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Section(CornerSkin);
    ASSERT_TRUE(manager->MaskIndexValid(data->BorderIndex));
    parent->cache = c.parentHasCache ? &parentCache : nullptr;
    data->InitCacheBmp();
    data->CacheBmp->Fill(kOld);
    RefreshCorners(*data, TPaintState::Normal, kCornerTopLeft);
    EXPECT_EQ(data->CacheBmp->Pixel(0, 0), c.expectedKeyPixel);
    EXPECT_EQ(data->CacheBmp->Pixel(1, 0), kOld) << "the corner's art";
    EXPECT_EQ(data->CacheBmp->Pixel(0, 1), kOld) << "the corner's art";
    EXPECT_EQ(data->CacheBmp->Pixel(2, 0), kOld) << "beyond the corner";
    int changed = 0;
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 8; ++x) changed += data->CacheBmp->Pixel(x, y) != kOld;
    EXPECT_EQ(changed, 1) << "only the one key pixel";
    RefreshCorners(*data, TPaintState::Normal, kAllCorners);
    EXPECT_EQ(data->CacheBmp->Pixel(0, 3), kOld) << "a corner without key pixels";
    EXPECT_EQ(data->CacheBmp->Pixel(4, 1), kOld) << "the middle stays";
    EXPECT_EQ(SharedColor, kNoSharedColor);
    parent->cache = nullptr;
    TComponent::Free(manager);
  }
}

// The cache reaches the screen except where an opaque child, or a
// non-windowed one, paints itself.
TEST_F(ItemPaintTest, CacheIsCopiedAroundChildrenThatPaintThemselves) {
  Section();
  data->InitCacheBmp();
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) data->CacheBmp->SetPixel(x, y, RGB(x * 30, y * 60, 9));
  auto* opaque = new TWinControl(child);
  opaque->SetParent(child);
  opaque->SetBounds(1, 1, 2, 2);
  opaque->ControlStyle().Include(csOpaque);
  auto* seeThrough = new TWinControl(child);
  seeThrough->SetParent(child);
  seeThrough->SetBounds(5, 1, 2, 2);
  TBitmap screen(8, 4);
  screen.Fill(kOld);
  TCanvas canvas(&screen);
  CopyCacheToDC(*data, {0, 0}, {0, 0}, TCacheCorners::AsCached, canvas.Handle(), {0, 0, 8, 4});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) {
      const bool underOpaque = x >= 1 && x < 3 && y >= 1 && y < 3;
      EXPECT_EQ(screen.Pixel(x, y), underOpaque ? kOld : RGB(x * 30, y * 60, 9)) << x << "," << y;
    }
}
