// The run-time tables a stored skin turns into, and its recolouring.
#include <gtest/gtest.h>

#include "SkinManagerFixture.h"
#include "framework/base/SysUtils.h"
#include "skin/sSkinManager.h"

namespace {

using namespace test_skins;

class SkinTablesTest : public SkinManagerFixture {};

constexpr TColor kMagenta = 0xFF00FF;

}  // namespace

TEST_F(SkinTablesTest, MaskTableFromStoredImages) {
  const struct {
    const char* what;
    const char* section;
    const char* property;
    const char* name;  // own bitmap of 12 x 6 when set
    TRect stored;
    int imageCount, maskType, borderWidth, stretchMode;
    TsImgType type;
    int wl, wt, wr, wb;
    // expected
    TRect r;
    int16_t eImageCount, eMaskType, eStretchMode;
    TsImgType eType;
    int16_t eWL, eWT, eWR, eWB;
  } cases[] = {
      {"widths from the frame size", "button", "bordersMask", "", {3, 4, 93, 94}, 3, 1, 0, 1,
       TsImgType::itisaBorder, 0, 0, 0, 0, {3, 4, 93, 94}, 3, 1, 1, TsImgType::itisaBorder, 10, 15, 10, 15},
      {"no count: three frames with a mask", "PANEL", "BORDERSMASK", "", {0, 0, 90, 60}, 0, 0, 0, 0,
       TsImgType::itisaBorder, 0, 0, 0, 0, {0, 0, 90, 60}, 3, 1, 0, TsImgType::itisaBorder, 10, 10, 10, 10},
      {"stated border width", "EDIT", "BORDERSMASK", "", {0, 0, 90, 60}, 1, 0, 4, 1, TsImgType::itisaBorder, 0,
       0, 0, 0, {0, 0, 90, 60}, 1, 0, 1, TsImgType::itisaBorder, 4, 4, 4, 4},
      {"stated widths win", "EDIT", "GLYPHMASK", "", {0, 0, 90, 60}, 1, 0, 4, 3, TsImgType::itisaGlyph, 2, 0, 0,
       0, {0, 0, 90, 60}, 1, 0, 3, TsImgType::itisaGlyph, 2, 0, 0, 0},
      {"widths summing to nothing", "EDIT", "BORDERSMASK", "", {0, 0, 60, 30}, 2, 0, 0, 1,
       TsImgType::itisaBorder, 3, 0, -3, 0, {0, 0, 60, 30}, 2, 0, 1, TsImgType::itisaBorder, 10, 10, 10, 10},
      {"pattern stored as a border", "PANEL", "PATTERN", "", {0, 0, 30, 30}, 1, 0, 0, 2, TsImgType::itisaBorder,
       1, 1, 1, 1, {0, 0, 30, 30}, 1, 0, 0, TsImgType::itisaTexture, 1, 1, 1, 1},
      {"hot pattern stored as a texture", "PANEL", "HotPattern", "", {0, 0, 30, 30}, 1, 0, 0, 2,
       TsImgType::itisaTexture, 1, 1, 1, 1, {0, 0, 30, 30}, 1, 0, 2, TsImgType::itisaTexture, 1, 1, 1, 1},
      {"own bitmap", "BUTTON_HUGE", "BORDERSMASK", "HUGE.BMP", {5, 5, 7, 7}, 1, 1, 0, 1, TsImgType::itisaBorder,
       0, 0, 0, 0, {0, 0, 12, 6}, 1, 1, 1, TsImgType::itisaBorder, 4, 1, 4, 1},
  };
  TsSkinManager* m = NewManager();
  TsStoredSkin* skin = AddSkin(*m->InternalSkins(), "Masks");
  std::vector<TColor> ownPixels;
  for (int i = 0; i < 72; ++i) ownPixels.push_back(RGB(i, 255 - i, i * 3));
  for (const auto& c : cases) {
    TsSkinImage* image = AddImage(*skin, c.section, c.property, c.stored, c.imageCount, c.maskType, c.type);
    image->Name = c.name;
    image->BorderWidth = c.borderWidth;
    image->StretchMode = c.stretchMode;
    image->WL = c.wl;
    image->WT = c.wt;
    image->WR = c.wr;
    image->WB = c.wb;
    if (*c.name) {
      Paint(image->Image, 12, ownPixels);
      image->Image.SetPixelFormat(TPixelFormat::pf8bit);
    }
  }
  m->SetSkinName("Masks");
  ASSERT_EQ(m->Masks().size(), std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(c.what);
    const TsMaskData& mask = m->Masks()[i];
    EXPECT_EQ(mask.SectionName, UpperCase(c.section));
    EXPECT_EQ(mask.PropertyName, UpperCase(c.property));
    EXPECT_EQ(mask.R, c.r);
    EXPECT_EQ(mask.ImageCount, c.eImageCount);
    EXPECT_EQ(mask.MaskType, c.eMaskType);
    EXPECT_EQ(mask.BorderWidth, c.borderWidth);
    EXPECT_EQ(mask.StretchMode, c.eStretchMode);
    EXPECT_EQ(mask.ImgType, c.eType);
    EXPECT_EQ((std::vector<int>{mask.WL, mask.WT, mask.WR, mask.WB}),
              (std::vector<int>{c.eWL, c.eWT, c.eWR, c.eWB}));
    EXPECT_EQ(mask.Manager, m);
    if (*c.name) {
      ASSERT_NE(mask.Bmp, nullptr);
      EXPECT_NE(mask.Bmp.get(), &skin->Images[static_cast<int>(i)]->Image) << "a copy, not the stored bitmap";
      EXPECT_EQ(mask.Bmp->PixelFormat(), TPixelFormat::pf24bit);
      EXPECT_EQ(Pixels(*mask.Bmp), ownPixels);
    } else {
      EXPECT_EQ(mask.Bmp, nullptr);
    }
  }
}

TEST_F(SkinTablesTest, MasterBitmapIsA24BitCopyKeyedOnMagenta) {
  TsSkinManager* m = NewManager();
  TsStoredSkin* skin = AddSkin(*m->InternalSkins(), "Master");
  const std::vector<TColor> art = {kMagenta, clWhite, RGB(10, 20, 30), clBlack, kMagenta, RGB(1, 2, 3)};
  Paint(skin->MasterBitmap, 3, art);
  skin->MasterBitmap.SetPixelFormat(TPixelFormat::pf8bit);
  skin->MasterBitmap.SetPalette({kMagenta, clWhite, RGB(10, 20, 30), clBlack, RGB(1, 2, 3)});
  m->SetSkinName("Master");
  TBitmap* master = m->MasterBitmap();
  ASSERT_NE(master, nullptr);
  EXPECT_NE(master, &skin->MasterBitmap);
  EXPECT_EQ(master->PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_TRUE(master->Palette().empty());
  EXPECT_EQ(master->TransparentColor(), kMagenta);
  EXPECT_EQ(Pixels(*master), art);
  EXPECT_EQ(skin->MasterBitmap.PixelFormat(), TPixelFormat::pf8bit) << "the stored bitmap is left as it was";
}

// A pattern stored without a picture takes that of the first pattern of the
// same file name that has one, wherever it stands.
TEST_F(SkinTablesTest, PatternsWithoutPicturesShareByName) {
  TsSkinManager* m = NewManager();
  TsStoredSkin* skin = AddSkin(*m->InternalSkins(), "Patterns");
  const struct {
    const char* name;
    int width, height;  // stored picture; 0: none
    int eWidth, eHeight;
  } cases[] = {
      {"X.JPG", 0, 0, 5, 5},   {"WOOD.JPG", 8, 4, 8, 4}, {"WOOD.JPG", 0, 0, 8, 4}, {"X.JPG", 5, 5, 5, 5},
      {"wood.jpg", 0, 0, 0, 0}, {"", 0, 0, 0, 0},        {"", 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    TsSkinPattern* p = skin->Patterns.Add();
    p->Name = c.name;
    p->SectionName = "panel";
    p->PropertyName = "HotPattern";
    if (c.width) p->Image.Assign(std::unique_ptr<TGraphic>(std::make_unique<TBitmap>(c.width, c.height)));
  }
  m->SetSkinName("Patterns");
  ASSERT_EQ(m->Patterns().size(), std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const TsPatternData& p = m->Patterns()[i];
    ASSERT_NE(p.Img, nullptr);
    EXPECT_EQ(p.Img->Width(), cases[i].eWidth);
    EXPECT_EQ(p.Img->Height(), cases[i].eHeight);
    EXPECT_EQ(p.SectionName, "PANEL");
    EXPECT_EQ(p.PropertyName, "HOTPATTERN");
  }
}

// A section with a broken gradient keeps what was read before it, and the
// sections after it load.
TEST_F(SkinTablesTest, SectionTableCarriesSkinValuesPastABrokenGradient) {
  TsSkinManager* m = NewManager();
  TsStoredSkin* skin = AddSkin(*m->InternalSkins(), "Sections", 5.25);
  skin->Author = "Автор";
  skin->Description = "Светлая";
  skin->Shadow1Color = RGB(1, 2, 3);
  skin->Shadow1Offset = 4;
  skin->Shadow1Blur = 5;
  skin->Shadow1Transparency = 60;
  AddSection(*skin, "GLOBALINFO");
  TsSkinGeneral* broken = AddSection(*skin, "Broken");
  broken->Transparency = 40;
  broken->GradientData = "1;2;x;0;0";
  broken->ImagePercent = 30;
  broken->HotColor = 123;
  AddSection(*skin, "AFTER", "GLOBALINFO")->Color = 777;
  m->SetSkinName("Sections");

  EXPECT_EQ(m->CommonSkinData.Version, 5.25);
  EXPECT_EQ(m->SkinInfo(), "5.25");
  EXPECT_EQ(m->CommonSkinData.Author, "Автор");
  EXPECT_EQ(m->CommonSkinData.Description, "Светлая");
  EXPECT_EQ(m->CommonSkinData.Shadow1Color, RGB(1, 2, 3));
  EXPECT_EQ(m->CommonSkinData.Shadow1Offset, 4);
  EXPECT_EQ(m->CommonSkinData.Shadow1Blur, 5);
  EXPECT_EQ(m->CommonSkinData.Shadow1Transparency, 60);
  ASSERT_EQ(m->Sections().size(), 3u);
  EXPECT_EQ(m->Sections()[1].SectionName, "Broken");
  EXPECT_EQ(m->Sections()[1].Transparency, 40);
  EXPECT_EQ(m->Sections()[1].ImagePercent, 0);
  EXPECT_EQ(m->Sections()[1].HotColor, 0);
  EXPECT_EQ(m->Sections()[2].SectionName, "AFTER");
  EXPECT_EQ(m->Sections()[2].ParentClass, "GLOBALINFO");
  EXPECT_EQ(m->Sections()[2].Color, 777);
  EXPECT_TRUE(m->CommonSkinData.Active);
}

// Hue first, then saturation, over every colour of the skin; greys and the
// transparent magenta never change; 0 and 0 leave everything as stored.
TEST_F(SkinTablesTest, HueAndSaturationRecolourTheWholeSkin) {
  const std::vector<TColor> art = {clRed,   kMagenta, RGB(90, 90, 90), RGB(200, 100, 0),
                                   clBlue,  clWhite,  clBlack,         RGB(3, 0, 0)};
  const TColor grey128 = RGB(128, 128, 128), grey2 = RGB(2, 2, 2);
  const struct {
    int hue, saturation;
    TColor color, hot, font, font2, hotFont, grad1, grad2, hotGrad1, hotGrad2, shadow;
    std::vector<TColor> pixels;
  } cases[] = {
      {0, 0, clRed, RGB(200, 100, 0), RGB(3, 0, 0), clBlue, RGB(4, 1, 1), clRed, clBlue, RGB(200, 100, 0),
       RGB(3, 0, 0), RGB(4, 1, 1), art},
      {120, 0, clLime, RGB(0, 200, 100), RGB(0, 3, 0), clRed, RGB(1, 4, 1), clLime, clRed, RGB(0, 200, 100),
       RGB(0, 3, 0), RGB(1, 4, 1),
       {clLime, kMagenta, RGB(90, 90, 90), RGB(0, 200, 100), clRed, clWhite, clBlack, RGB(0, 3, 0)}},
      // Halves go to the even neighbour: 42.5 -> 42, 0.5 -> 0, 1.5 -> 2.
      {0, 50, RGB(170, 42, 42), RGB(150, 100, 50), RGB(2, 0, 0), RGB(42, 42, 170), RGB(3, 2, 2),
       RGB(170, 42, 42), RGB(42, 42, 170), RGB(150, 100, 50), RGB(2, 0, 0), RGB(3, 2, 2),
       {RGB(170, 42, 42), kMagenta, RGB(90, 90, 90), RGB(150, 100, 50), RGB(42, 42, 170), clWhite, clBlack,
        RGB(2, 0, 0)}},
      // Turned to 300 degrees first, (200,100,0) greys to 133, not to 100.
      {-90, 100, grey128, RGB(133, 133, 133), grey2, grey128, grey2, grey128, grey128, RGB(133, 133, 133), grey2,
       grey2, {grey128, kMagenta, RGB(90, 90, 90), RGB(133, 133, 133), grey128, clWhite, clBlack, grey2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "hue " << c.hue << " saturation " << c.saturation);
    TsSkinManager* m = NewManager();
    // Set while no skin is active: only stored, used by the next load.
    m->SetHueOffset(c.hue);
    m->SetSaturation(c.saturation);
    TsStoredSkin* skin = AddSkin(*m->InternalSkins(), "Colours");
    Paint(skin->MasterBitmap, 4, art);
    skin->Shadow1Color = RGB(4, 1, 1);
    TsSkinGeneral* s = AddSection(*skin, "PANEL");
    s->Color = clRed;
    s->HotColor = RGB(200, 100, 0);
    s->FontColor = "3 -1 16711680 -1 -1";
    s->HotFontColor = "65796 -1 -1 -1 -1";
    s->GradientData = "255;16711680;100;0;0";
    s->HotGradientData = "25800;3;100;0;0";
    AddSection(*skin, "SYSTEM")->HotColor = clBtnFace;
    TsSkinImage* own = AddImage(*skin, "PANEL", "BORDERSMASK");
    own->Name = "OWN.BMP";
    Paint(own->Image, 4, art);
    AddImage(*skin, "PANEL", "GLYPHMASK");
    m->SetSkinName("Colours");

    EXPECT_EQ(m->HueOffset(), c.hue);
    EXPECT_EQ(m->Saturation(), c.saturation);
    ASSERT_EQ(m->Sections().size(), 2u);
    const TsGeneralData& g = m->Sections()[0];
    EXPECT_EQ(g.Color, c.color);
    EXPECT_EQ(g.HotColor, c.hot);
    EXPECT_EQ(g.FontColor, (TsFontColors{c.font, -1, c.font2, -1, -1}));
    EXPECT_EQ(g.HotFontColor, (TsFontColors{c.hotFont, -1, -1, -1, -1}));
    ASSERT_EQ(g.GradientArray.size(), 1u);
    EXPECT_EQ(g.GradientArray[0].Color1, c.grad1);
    EXPECT_EQ(g.GradientArray[0].Color2, c.grad2);
    ASSERT_EQ(g.HotGradientArray.size(), 1u);
    EXPECT_EQ(g.HotGradientArray[0].Color1, c.hotGrad1);
    EXPECT_EQ(g.HotGradientArray[0].Color2, c.hotGrad2);
    EXPECT_EQ(m->CommonSkinData.Shadow1Color, c.shadow);
    if (c.hue == 0 && c.saturation == 0) {
      EXPECT_EQ(m->Sections()[1].HotColor, clBtnFace) << "not even resolved";
    }
    ASSERT_NE(m->MasterBitmap(), nullptr);
    EXPECT_EQ(Pixels(*m->MasterBitmap()), c.pixels);
    ASSERT_NE(m->Masks()[0].Bmp, nullptr);
    EXPECT_EQ(Pixels(*m->Masks()[0].Bmp), c.pixels);
    EXPECT_EQ(Pixels(skin->MasterBitmap), art) << "the stored skin is not recoloured";
    EXPECT_EQ(Pixels(own->Image), art);
    TComponent::Free(m);
  }
}

// Own images one pixel wide or high (a divider line, a dot) belong to the
// skin like any other and take the new colours too.
TEST_F(SkinTablesTest, RecolouringReachesOwnImagesOfOnePixelRowOrColumn) {
  TsSkinManager* m = NewManager();
  TsStoredSkin* skin = AddSkin(*m->InternalSkins(), "Lines");
  AddSection(*skin, "DIVIDER");
  const std::pair<int, int> sizes[] = {{1, 3}, {3, 1}, {1, 1}, {2, 2}};
  for (auto [w, h] : sizes) {
    TsSkinImage* line = AddImage(*skin, "DIVIDER", "BORDERSMASK");
    line->Name = "LINE.BMP";
    line->Image.SetSize(w, h);
    line->Image.Fill(clRed);
  }
  m->SetHueOffset(120);
  m->SetSkinName("Lines");
  ASSERT_EQ(m->Masks().size(), std::size(sizes));
  for (size_t i = 0; i < std::size(sizes); ++i) {
    const TBitmap& bmp = *m->Masks()[i].Bmp;
    EXPECT_EQ(Pixels(bmp), std::vector<TColor>(static_cast<size_t>(bmp.Width() * bmp.Height()), clLime))
        << bmp.Width() << " x " << bmp.Height();
  }
}
