// The skin stored in the main window's description, as the window reads it.
#include <map>

#include "AppFixture.h"
#include "framework/graphics/BmpCodec.h"
#include "skin/sSkinManager.h"

namespace {

class StoredSkinTest : public AppFixture {
 protected:
  const TsStoredSkin& Skin() {
    const TsStoredSkins& skins = *form->sSkinManager1->InternalSkins();
    EXPECT_EQ(skins.Count(), 1);
    return *skins[0];
  }
  const TsSkinGeneral* Section(const std::string& name) {
    const TsStoredSkin& skin = Skin();
    for (int i = 0; i < skin.GeneralData.Count(); ++i)
      if (skin.GeneralData[i]->SectionName == name) return skin.GeneralData[i];
    return nullptr;
  }
  std::vector<const TsSkinImage*> Images(const std::string& section, const std::string& property) {
    std::vector<const TsSkinImage*> found;
    const TsStoredSkin& skin = Skin();
    for (int i = 0; i < skin.Images.Count(); ++i)
      if (skin.Images[i]->SectionName == section && skin.Images[i]->PropertyName == property)
        found.push_back(skin.Images[i]);
    return found;
  }
  static size_t FileSize(const TBitmap& bitmap) {
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    return stream.Bytes().size();
  }
};

}  // namespace

TEST_F(StoredSkinTest, SkinWideValuesSectionOrderAndBitmaps) {
  const TsStoredSkin& skin = Skin();
  EXPECT_EQ(skin.Name, "NextKavra (internal)");
  EXPECT_EQ(skin.Version, 5.0);
  EXPECT_EQ(skin.Shadow1Color, 13022873);
  EXPECT_EQ(skin.Shadow1Offset, 3);
  EXPECT_EQ(skin.Shadow1Blur, 2);
  EXPECT_EQ(skin.Shadow1Transparency, 50);
  EXPECT_EQ(skin.Patterns.Count(), 0);

  const std::vector<std::pair<std::string, std::string>> sections = {
      {"GLOBALINFO", ""}, {"SPLITTER", "SPEEDBUTTON_SMALL"}, {"MENUITEM", ""}, {"MAINMENU", ""},
      {"COMBOBOX", "EDIT"}, {"MENULINE", ""}, {"PAGECONTROL", ""}, {"SCROLLBAR1H", ""}, {"SCROLLBAR2H", ""},
      {"SCROLLBAR1V", ""}, {"SCROLLBAR2V", ""}, {"STATUSBAR", ""}, {"DIVIDER", ""}, {"GROUPBOX", ""},
      {"PAGECONTROLBOTTOM", "PAGECONTROL"}, {"TABCONTROL", "PAGECONTROL"},
      {"TABCONTROLBOTTOM", "PAGECONTROLBOTTOM"}, {"TABCONTROLLEFT", "PAGECONTROLLEFT"},
      {"TABCONTROLRIGHT", "PAGECONTROLRIGHT"}, {"PAGECONTROLRIGHT", "PAGECONTROL"},
      {"PAGECONTROLLEFT", "PAGECONTROL"}, {"CALCPANEL", ""}, {"FORMTITLE", ""}, {"PANEL_LOW", ""},
      {"DIALOG", "FORM"}, {"TOOLBAR", ""}, {"PANEL", ""}, {"EDIT", ""}, {"DRAGBAR", ""},
      {"KAVRACOMBOBOX", "KAVRAEDIT"}, {"PROGRESSH", ""}, {"PROGRESSV", ""}, {"GAUGE", ""}, {"TABBOTTOM", ""},
      {"TABTOP", ""}, {"TABLEFT", ""}, {"TABRIGHT", ""}, {"SCROLLBTNBOTTOM", ""}, {"SCROLLBTNLEFT", ""},
      {"SCROLLBTNRIGHT", ""}, {"SCROLLBTNTOP", ""}, {"SCROLLSLIDERH", ""}, {"SCROLLSLIDERV", ""},
      {"SPEEDBUTTON_SMALL", ""}, {"FORM", ""}, {"KAVRAEDIT", ""}, {"BAR", ""}, {"BARPANEL", ""},
      {"WEBBUTTON", ""}, {"RADIOBUTTON", ""}, {"CHECKBOX", ""}, {"BUTTON_BIG", "BUTTON"}, {"BUTTON", ""},
      {"BARTITLE", ""}, {"SPEEDBUTTON", ""}, {"TOOLBUTTON", ""}, {"EXTRALINE", ""}, {"GRIPH", ""},
      {"HINT", ""}, {"TRACKBAR", ""}, {"BUTTON_HUGE", ""}, {"", ""}};
  ASSERT_EQ(skin.GeneralData.Count(), 62);
  for (int i = 0; i < 62; ++i) {
    EXPECT_EQ(skin.GeneralData[i]->SectionName, sections[i].first) << i;
    EXPECT_EQ(skin.GeneralData[i]->ParentClass, sections[i].second) << sections[i].first;
  }

  // The master bitmap: 210 x 300 at 8 bits, 64,678 bytes as a file.
  EXPECT_EQ(skin.MasterBitmap.Width(), 210);
  EXPECT_EQ(skin.MasterBitmap.Height(), 300);
  EXPECT_EQ(skin.MasterBitmap.PixelFormat(), TPixelFormat::pf8bit);
  EXPECT_EQ(FileSize(skin.MasterBitmap), 64678u);
  const auto huge = Images("BUTTON_HUGE", "BORDERSMASK");
  ASSERT_EQ(huge.size(), 1u);
  EXPECT_EQ(huge[0]->Name, "BUTTONHUGE.BMP");
  EXPECT_EQ(huge[0]->Image.Width(), 288);
  EXPECT_EQ(huge[0]->Image.Height(), 192);
  EXPECT_EQ(huge[0]->Image.PixelFormat(), TPixelFormat::pf8bit);
  EXPECT_EQ(FileSize(huge[0]->Image), 56374u);
}

TEST_F(StoredSkinTest, ImageRolesAndKinds) {
  const TsStoredSkin& skin = Skin();
  ASSERT_EQ(skin.Images.Count(), 81);
  std::map<std::string, int> roles;
  std::map<TsImgType, int> kinds;
  for (int i = 0; i < skin.Images.Count(); ++i) {
    const TsSkinImage& image = *skin.Images[i];
    ++roles[image.PropertyName];
    ++kinds[image.ImgType];
    if (image.ImgType == TsImgType::itisaBorder) {
      EXPECT_EQ(image.StretchMode, 1) << i;
    } else if (image.ImgType == TsImgType::itisaGlyph) {
      EXPECT_EQ(image.StretchMode, 0) << i;
    }
    // Every image cut from the master bitmap lies inside it.
    if (image.Name.empty()) {
      EXPECT_TRUE(image.Left >= 0 && image.Top >= 0 && image.Left < image.Right && image.Top < image.Bottom &&
                  image.Right <= 210 && image.Bottom <= 300)
          << image.SectionName << " " << image.PropertyName;
    }
  }
  const std::map<std::string, int> expected = {
      {"BORDERSMASK", 45}, {"GLYPHMASK", 8},     {"BICONCLOSE", 2},    {"BICONHELP", 2},   {"BICONMAX", 2},
      {"BICONMIN", 2},     {"BICONNORM", 2},     {"GRIPIMAGE", 2},     {"TITLEBUTTON", 2}, {"BOXCHECKED", 1},
      {"BOXUNCHECKED", 1}, {"BOXGRAYED", 1},     {"RADIOCHECKED", 1},  {"RADIOUNCHECKED", 1},
      {"SMALLCHECKED", 1}, {"SMALLUNCHECKED", 1}, {"SMALLGRAYED", 1},  {"PATTERN", 1},
      {"SLIDERCHANNEL", 1}, {"SLIDERMASK", 1},   {"SLIDERVMASK", 1},   {"TICKHORZ", 1},    {"TICKVERT", 1}};
  EXPECT_EQ(roles, expected);
  EXPECT_EQ(kinds[TsImgType::itisaBorder], 46);
  EXPECT_EQ(kinds[TsImgType::itisaGlyph], 34);
  EXPECT_EQ(kinds[TsImgType::itisaTexture], 1);
}

TEST_F(StoredSkinTest, SectionsTheWindowUses) {
  const struct {
    const char* name;
    TColor color;
    int transparency;
    int gradientPercent;
    const char* gradient;
    const char* fontColor;
    bool fading;
    int iterations;
    TColor hotColor;
    int hotTransparency;
    int hotGradientPercent;
    const char* hotGradient;
    const char* hotFontColor;
    bool showFocus;
  } cases[] = {
      {"GLOBALINFO", 15847088, 0, 0, " ", "0 6308382 -1 -1 -1", false, 5, clWhite, 0, 0, " ", "0 -1 -1 -1 -1",
       false},
      {"PANEL", 15390916, 0, 100, "14396279;14730921;99;0;0;14730921;14730921;0;0;0", "0 -1 -1 -1 -1", false, 5,
       clWhite, 0, 0, " ", "0 -1 -1 -1 -1", false},
      {"BUTTON", clWhite, 50, 100, "16777215;11237449;99;0;0;11237449;11237449;0;0;0", "5454116 -1 -1 -1 -1",
       true, 20, clWhite, 0, 100, "16777215;13732910;99;0;0;13732910;13732910;0;0;0", "0 -1 -1 -1 -1", true},
      {"GROUPBOX", 14215660, 100, 0, " ", "0 -1 -1 -1 -1", false, 5, clWhite, 0, 0, " ", "0 -1 -1 -1 -1", false},
      {"RADIOBUTTON", clWhite, 100, 0, " ", "0 -1 -1 -1 -1", true, 20, clWhite, 100, 0, " ", "0 -1 -1 -1 -1",
       false},
      {"CHECKBOX", clWhite, 100, 0, " ", "0 -1 -1 -1 -1", true, 20, clWhite, 100, 0, " ", "0 -1 -1 -1 -1", false},
      {"FORM", 14998481, 0, 0, " ", "0 -1 -1 -1 -1", false, 5, 14998481, 0, 0, " ", "0 -1 -1 -1 -1", false},
      {"FORMTITLE", clWhite, 0, 100,
       "15985380;15322048;23;0;0;15322048;11107158;63;0;0;11107158;12550976;13;0;0;12550976;12550976;0;0;0",
       "16777181 -1 -1 12615808 12615808", false, 5, clWhite, 0, 100,
       "15190957;14195561;15;0;0;14195561;11957577;71;0;0;11957577;12550976;12;0;0;12550976;12550976;0;0;0",
       "16777181 -1 -1 8140820 8140820", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TsSkinGeneral* s = Section(c.name);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Color, c.color);
    EXPECT_EQ(s->Transparency, c.transparency);
    EXPECT_EQ(s->GradientPercent, c.gradientPercent);
    EXPECT_EQ(s->GradientData, c.gradient);
    EXPECT_EQ(s->FontColor, c.fontColor);
    EXPECT_EQ(s->FadingEnabled, c.fading);
    EXPECT_EQ(s->FadingIterations, c.iterations);
    EXPECT_EQ(s->HotColor, c.hotColor);
    EXPECT_EQ(s->HotTransparency, c.hotTransparency);
    EXPECT_EQ(s->HotGradientPercent, c.hotGradientPercent);
    EXPECT_EQ(s->HotGradientData, c.hotGradient);
    EXPECT_EQ(s->HotFontColor, c.hotFontColor);
    EXPECT_EQ(s->ShowFocus, c.showFocus);
    EXPECT_EQ(s->Bevel, TsControlBevel::cbNone);
    EXPECT_EQ(s->HotBevel, TsControlBevel::cbNone);
    EXPECT_EQ(s->ImagePercent, 0);
    EXPECT_EQ(s->HotImagePercent, 0);
    EXPECT_EQ(s->ParentClass, "");
  }
}

TEST_F(StoredSkinTest, ImagesOfTheSectionsTheWindowUses) {
  const struct {
    const char* section;
    const char* property;
    TRect rect;
    int imageCount, maskType, borderWidth, wl, wt, wr, wb;
    TsImgType type;
  } cases[] = {
      {"BUTTON", "BORDERSMASK", {0, 0, 81, 54}, 3, 1, 0, 9, 9, 9, 9, TsImgType::itisaBorder},
      {"PANEL", "BORDERSMASK", {45, 54, 81, 90}, 1, 0, 2, 2, 2, 2, 2, TsImgType::itisaBorder},
      {"GROUPBOX", "BORDERSMASK", {0, 279, 12, 297}, 1, 1, 0, 4, 3, 4, 3, TsImgType::itisaBorder},
      {"FORM", "BORDERSMASK", {135, 90, 180, 135}, 1, 0, 5, 5, 5, 5, 5, TsImgType::itisaBorder},
      {"FORMTITLE", "BORDERSMASK", {132, 180, 153, 210}, 1, 1, 0, 7, 5, 7, 5, TsImgType::itisaBorder},
      {"GLOBALINFO", "RADIOUNCHECKED", {98, 210, 146, 246}, 3, 1, 0, 0, 0, 0, 0, TsImgType::itisaGlyph},
      {"GLOBALINFO", "RADIOCHECKED", {147, 210, 195, 246}, 3, 1, 0, 0, 0, 0, 0, TsImgType::itisaGlyph},
      {"GLOBALINFO", "BICONMIN", {52, 247, 103, 279}, 3, 1, 0, 0, 0, 0, 0, TsImgType::itisaGlyph},
      {"GLOBALINFO", "BICONMAX", {0, 247, 51, 279}, 3, 1, 0, 0, 0, 0, 0, TsImgType::itisaGlyph},
      {"GLOBALINFO", "BICONNORM", {0, 247, 51, 279}, 3, 1, 0, 0, 0, 0, 0, TsImgType::itisaGlyph},
      {"GLOBALINFO", "BICONHELP", {104, 247, 155, 279}, 3, 1, 0, 0, 0, 0, 0, TsImgType::itisaGlyph},
      {"GLOBALINFO", "BICONCLOSE", {156, 247, 207, 279}, 3, 1, 0, 0, 0, 0, 0, TsImgType::itisaGlyph},
      {"GLOBALINFO", "TITLEBUTTON", {132, 279, 183, 295}, 3, 0, 0, 0, 0, 0, 0, TsImgType::itisaGlyph},
  };
  for (const auto& c : cases) {
    // The window frame repeats the caption-button entries of GLOBALINFO.
    std::vector<std::string> sections = {c.section};
    if (std::string(c.property).rfind("BICON", 0) == 0 || std::string(c.property) == "TITLEBUTTON")
      sections.push_back("FORM");
    for (const std::string& section : sections) {
      SCOPED_TRACE(section + " " + c.property);
      const auto found = Images(section, c.property);
      ASSERT_EQ(found.size(), 1u);
      const TsSkinImage& i = *found[0];
      EXPECT_EQ(i.Name, "");
      EXPECT_EQ(TRect(i.Left, i.Top, i.Right, i.Bottom), c.rect);
      EXPECT_EQ(i.ImageCount, c.imageCount);
      EXPECT_EQ(i.MaskType, c.maskType);
      EXPECT_EQ(i.BorderWidth, c.borderWidth);
      EXPECT_EQ(i.WL, c.wl);
      EXPECT_EQ(i.WT, c.wt);
      EXPECT_EQ(i.WR, c.wr);
      EXPECT_EQ(i.WB, c.wb);
      EXPECT_EQ(i.ImgType, c.type);
    }
  }
}
