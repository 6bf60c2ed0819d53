#include <gtest/gtest.h>

#include "SkinManagerFixture.h"
#include "skin/sSkinManager.h"

namespace {

using namespace test_skins;

class SkinLookupsTest : public SkinManagerFixture {
 protected:
  // Sections, by index:
  //   0 GLOBALINFO    1 BUTTON       2 BUTTON_BIG < BUTTON   3 BUTTON_HUGE < BUTTON_BIG
  //   4 LOOP_A < LOOP_B              5 LOOP_B < LOOP_A       6 SELF < SELF
  //   7 ORPHAN < MISSING             8 Button                9 LOOP_C < LOOP_D
  //  10 LOOP_D < LOOP_E             11 LOOP_E < LOOP_C      12 BUTTON (a second one)
  // Images, by index:
  //   0 BUTTON BORDERSMASK           1 BUTTON GLYPHMASK (glyph)
  //   2 BUTTON_BIG GLYPHMASK         3 BUTTON BORDERSMASK (a second one)
  //   4 LOOP_B GLYPHMASK             5 BUTTON PATTERN (stored as a border)
  //   6 BUTTON SLIDERCHANNEL (texture)  7 BUTTON TICKHORZ (glyph)
  //   8 BUTTON_BIG SLIDERCHANNEL (glyph)  9 (no section) BORDERSMASK
  // Patterns: 0 BUTTON PATTERN, 1 LOOP_B HOTPATTERN.
  TsSkinManager* FamilySkin() {
    TsSkinManager* m = NewManager();
    TsStoredSkin* skin = AddSkin(*m->InternalSkins(), "Family");
    const std::pair<const char*, const char*> sections[] = {
        {"GLOBALINFO", ""}, {"BUTTON", ""},         {"BUTTON_BIG", "BUTTON"}, {"BUTTON_HUGE", "BUTTON_BIG"},
        {"LOOP_A", "LOOP_B"}, {"LOOP_B", "LOOP_A"}, {"SELF", "SELF"},         {"ORPHAN", "MISSING"},
        {"Button", ""},     {"LOOP_C", "LOOP_D"},   {"LOOP_D", "LOOP_E"},     {"LOOP_E", "LOOP_C"},
        {"BUTTON", ""}};
    for (const auto& [name, parent] : sections) AddSection(*skin, name, parent);
    AddImage(*skin, "BUTTON", "BORDERSMASK");
    AddImage(*skin, "BUTTON", "GLYPHMASK", {0, 0, 9, 6}, 1, 0, TsImgType::itisaGlyph);
    AddImage(*skin, "BUTTON_BIG", "GLYPHMASK", {0, 0, 9, 6}, 1, 0, TsImgType::itisaGlyph);
    AddImage(*skin, "BUTTON", "BORDERSMASK");
    AddImage(*skin, "LOOP_B", "GLYPHMASK", {0, 0, 9, 6}, 1, 0, TsImgType::itisaGlyph);
    AddImage(*skin, "BUTTON", "PATTERN");
    AddImage(*skin, "BUTTON", "SLIDERCHANNEL", {0, 0, 9, 6}, 1, 0, TsImgType::itisaTexture);
    AddImage(*skin, "BUTTON", "TICKHORZ", {0, 0, 9, 6}, 1, 0, TsImgType::itisaGlyph);
    AddImage(*skin, "BUTTON_BIG", "SLIDERCHANNEL", {0, 0, 9, 6}, 1, 0, TsImgType::itisaGlyph);
    AddImage(*skin, "", "BORDERSMASK");
    for (auto [section, property] : {std::pair{"BUTTON", "PATTERN"}, std::pair{"LOOP_B", "HOTPATTERN"}}) {
      TsSkinPattern* p = skin->Patterns.Add();
      p->SectionName = section;
      p->PropertyName = property;
    }
    m->SetSkinName("Family");
    EXPECT_EQ(m->Sections().size(), std::size(sections));
    EXPECT_EQ(m->Masks().size(), 10u);
    return m;
  }
};

}  // namespace

TEST_F(SkinLookupsTest, FindSectionMatchesWholeNamesWithCase) {
  TsSkinManager* m = FamilySkin();
  const std::pair<const char*, int> cases[] = {
      {"GLOBALINFO", 0}, {"BUTTON", 1}, {"Button", 8}, {"button", -1}, {"BUTTON ", -1}, {"", -1}, {"MISSING", -1},
  };
  for (const auto& [name, index] : cases) EXPECT_EQ(m->FindSection(name), index) << '"' << name << '"';
}

// An image missing from a section is looked for in its parent, and the
// parent's parent; chains that come back on themselves end with none.
TEST_F(SkinLookupsTest, FindMaskFollowsTheParentsOfTheSection) {
  TsSkinManager* m = FamilySkin();
  const struct {
    int skinIndex;
    const char* section;
    const char* property;
    int mask;
  } cases[] = {
      {1, "BUTTON", "BORDERSMASK", 0},        // the first of two
      {1, "BUTTON", "GLYPHMASK", 1},
      {-1, "BUTTON", "BORDERSMASK", -1},      // no section index, no answer
      {1, "", "BORDERSMASK", -1},
      {0, "", "BORDERSMASK", -1},             // an image without a section is never found
      {2, "BUTTON_BIG", "BORDERSMASK", 0},    // from the parent
      {2, "BUTTON_BIG", "GLYPHMASK", 2},      // its own comes first
      {3, "BUTTON_HUGE", "BORDERSMASK", 0},   // from the grandparent
      {3, "BUTTON_HUGE", "GLYPHMASK", 2},     // the nearest ancestor's
      {2, "ORPHAN", "BORDERSMASK", 0},        // the parent is that of section 2
      {1, "BUTTON", "bordersmask", -1},
      {1, "BUTTON", "NOSUCH", -1},
      {8, "Button", "BORDERSMASK", -1},       // image names are upper case
      {4, "LOOP_A", "GLYPHMASK", 4},          // found in the parent before the loop closes
      {4, "LOOP_A", "BORDERSMASK", -1},
      {5, "LOOP_B", "BORDERSMASK", -1},
      {9, "LOOP_C", "BORDERSMASK", -1},
      {6, "SELF", "BORDERSMASK", -1},
      {7, "ORPHAN", "BORDERSMASK", -1},
      {99, "BUTTON", "BORDERSMASK", 0},       // a direct match needs no section
      {99, "BUTTON_BIG", "BORDERSMASK", -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(m->FindMask(c.skinIndex, c.section, c.property), c.mask)
        << c.skinIndex << " " << c.section << " " << c.property;
}

TEST_F(SkinLookupsTest, FindMaskByNamesTextureMaskAndPattern) {
  TsSkinManager* m = FamilySkin();
  const std::tuple<const char*, const char*, int> byNames[] = {
      {"BUTTON", "BORDERSMASK", 0}, {"BUTTON_BIG", "GLYPHMASK", 2}, {"BUTTON_BIG", "BORDERSMASK", -1},
      {"", "BORDERSMASK", -1},      {"button", "BORDERSMASK", -1},
  };
  for (const auto& [section, property, mask] : byNames)
    EXPECT_EQ(m->FindMaskByNames(section, property), mask) << section << " " << property;

  const std::tuple<int, const char*, const char*, int> textures[] = {
      {1, "BUTTON", "PATTERN", 5},           // a pattern is always a texture
      {2, "BUTTON_BIG", "PATTERN", 5},
      {1, "BUTTON", "SLIDERCHANNEL", 6},
      {2, "BUTTON_BIG", "SLIDERCHANNEL", 6}, // its own is no texture
      {1, "BUTTON", "GLYPHMASK", -1},
      {1, "BUTTON", "TICKHORZ", -1},
      {-1, "BUTTON", "PATTERN", -1},
      {4, "LOOP_A", "PATTERN", -1},
  };
  for (const auto& [index, section, property, mask] : textures)
    EXPECT_EQ(m->FindTextureMask(index, section, property), mask) << section << " " << property;

  const std::tuple<int, const char*, const char*, int> patterns[] = {
      {1, "BUTTON", "PATTERN", 0},    {3, "BUTTON_HUGE", "PATTERN", 0}, {1, "BUTTON", "HOTPATTERN", -1},
      {4, "LOOP_A", "HOTPATTERN", 1}, {5, "LOOP_B", "PATTERN", -1},     {-1, "BUTTON", "PATTERN", -1},
  };
  for (const auto& [index, section, property, pattern] : patterns)
    EXPECT_EQ(m->FindPattern(index, section, property), pattern) << section << " " << property;
}

// A skin without images or patterns answers -1 at once, even for sections
// whose parents go round in a circle.
TEST_F(SkinLookupsTest, EmptyTablesAnswerNothing) {
  TsSkinManager* m = NewManager();
  TsStoredSkin* skin = AddSkin(*m->InternalSkins(), "Bare");
  AddSection(*skin, "LOOP_A", "LOOP_B");
  AddSection(*skin, "LOOP_B", "LOOP_A");
  m->SetSkinName("Bare");
  EXPECT_EQ(m->FindTextureMask(0, "LOOP_A", "PATTERN"), -1);
  EXPECT_EQ(m->FindPattern(0, "LOOP_A", "PATTERN"), -1);
  EXPECT_EQ(m->FindMask(0, "LOOP_A", "BORDERSMASK"), -1);
  EXPECT_EQ(m->FindMaskByNames("LOOP_A", "BORDERSMASK"), -1);
}

// Stated widths first, then the border width, then a third of one frame.
TEST_F(SkinLookupsTest, BorderWidthsOfMasks) {
  TsSkinManager* m = NewManager();
  TsStoredSkin* skin = AddSkin(*m->InternalSkins(), "Borders");
  AddSection(*skin, "BUTTON");
  const struct {
    TRect r;
    int imageCount, maskType, borderWidth, wl, wt, wr, wb;
    int left, top, right, bottom;
  } cases[] = {
      // One stated width keeps the build from completing the others.
      {{0, 0, 90, 90}, 3, 1, 0, 5, 0, 0, 0, 5, 15, 10, 15},
      {{0, 0, 90, 90}, 3, 1, 4, 0, 7, 0, 0, 4, 7, 4, 4},
      {{0, 0, 60, 40}, 1, 0, 0, -1, 0, 0, 0, 20, 13, 20, 13},
      {{10, 10, 100, 70}, 1, 0, 0, 0, 0, 3, 0, 30, 20, 3, 20},
      {{0, 0, 90, 90}, 3, 1, 0, 9, 9, 9, 9, 9, 9, 9, 9},
      // Nothing stated: the build's own completion, 90 / 9 and 90 / 6.
      {{0, 0, 90, 90}, 3, 1, 0, 0, 0, 0, 0, 10, 15, 10, 15},
      {{0, 0, 90, 90}, 0, 0, 0, 0, 0, 0, 0, 10, 15, 10, 15},
  };
  for (const auto& c : cases) {
    TsSkinImage* i = AddImage(*skin, "BUTTON", "BORDERSMASK", c.r, c.imageCount, c.maskType);
    i->BorderWidth = c.borderWidth;
    i->WL = c.wl;
    i->WT = c.wt;
    i->WR = c.wr;
    i->WB = c.wb;
  }
  m->SetSkinName("Borders");
  for (int k = 0; k < static_cast<int>(std::size(cases)); ++k) {
    const auto& c = cases[k];
    EXPECT_EQ((std::vector<int>{m->MaskBorderLeft(k), m->MaskBorderTop(k), m->MaskBorderRight(k),
                                m->MaskBorderBottom(k)}),
              (std::vector<int>{c.left, c.top, c.right, c.bottom}))
        << "mask " << k;
  }
  for (int bad : {-1, static_cast<int>(std::size(cases)), 1000}) {
    EXPECT_EQ(m->MaskBorderLeft(bad), 0);
    EXPECT_EQ(m->MaskBorderTop(bad), 0);
    EXPECT_EQ(m->MaskBorderRight(bad), 0);
    EXPECT_EQ(m->MaskBorderBottom(bad), 0);
  }
}

// Counts that make no sense give widths inside the picture, never a crash.
TEST_F(SkinLookupsTest, DamagedImageCountsGiveWidthsInsideThePicture) {
  TsSkinManager* m = NewManager();
  TsStoredSkin* skin = AddSkin(*m->InternalSkins(), "Damaged");
  AddSection(*skin, "BUTTON");
  const std::pair<int, int> counts[] = {{-1, -1}, {-3, 0}, {1, -1}, {70000, 70000}, {-70000, -2}, {1, 32767}};
  for (auto [imageCount, maskType] : counts) {
    AddImage(*skin, "BUTTON", "BORDERSMASK", {0, 0, 60, 60}, imageCount, maskType);
    AddImage(*skin, "BUTTON", "BORDERSMASK", {0, 0, 60, 60}, imageCount, maskType)->WL = -5;
  }
  m->SetSkinName("Damaged");
  for (int k = 0; k < static_cast<int>(m->Masks().size()); ++k)
    for (int w : {m->MaskBorderLeft(k), m->MaskBorderTop(k), m->MaskBorderRight(k), m->MaskBorderBottom(k)}) {
      EXPECT_GE(w, 0) << "mask " << k;
      EXPECT_LE(w, 60) << "mask " << k;
    }
}

TEST_F(SkinLookupsTest, GlobalColoursComeFromGlobalInfoAsRgb) {
  const TColor btnFace = ColorToRGB(clBtnFace), window = ColorToRGB(clWindow);
  ASSERT_NE(btnFace, clBtnFace);
  const struct {
    const char* what;
    bool globalInfo;
    TColor color, font, hot;
  } cases[] = {
      {"with GLOBALINFO", true, ColorToRGB(clInfoBk), clRed, 0x123456},
      {"without", false, btnFace, 0xFF00FF, window},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TsSkinManager* m = NewManager();
    EXPECT_EQ(m->GlobalColor(), btnFace) << "nothing loaded";
    EXPECT_EQ(m->GlobalFontColor(), 0xFF00FF);
    EXPECT_EQ(m->GlobalHotColor(), window);
    TsStoredSkin* skin = AddSkin(*m->InternalSkins(), "Skin");
    AddSection(*skin, "PANEL")->Color = clRed;
    TsSkinGeneral* g = AddSection(*skin, c.globalInfo ? "GLOBALINFO" : "GLOBALINFO2");
    g->Color = clInfoBk;
    g->FontColor = "255 1 -1 -1 -1";
    g->HotColor = 0x123456;
    m->SetSkinName("Skin");
    EXPECT_EQ(m->GlobalColor(), c.color);
    EXPECT_EQ(m->GlobalFontColor(), c.font);
    EXPECT_EQ(m->GlobalHotColor(), c.hot);
    TComponent::Free(m);
  }
}

// The indexes kept resolved per skin, and what a second skin leaves of them.
TEST_F(SkinLookupsTest, CachedIndexesFollowTheSkin) {
  TsSkinManager* m = NewManager();
  TsStoredSkin* first = AddSkin(*m->InternalSkins(), "First");
  const std::pair<const char*, const char*> sections[] = {
      {"GLOBALINFO", ""},    {"TABTOP", ""},      {"TABBOTTOM", "TABTOP"}, {"SCROLLBTNTOP", ""}, {"SCROLLSLIDERV", ""},
      {"SCROLLBAR1H", ""}, {"COMBOBTN", "BUTTON"}, {"BUTTON", ""},          {"COMBOBOX", ""}};
  for (auto [name, parent] : sections) AddSection(*first, name, parent);
  const std::pair<const char*, const char*> images[] = {
      {"TABTOP", "BORDERSMASK"},       {"SCROLLBTNTOP", "BORDERSMASK"},  {"SCROLLBTNTOP", "GLYPHMASK"},
      {"SCROLLSLIDERV", "PATTERN"},    {"SCROLLSLIDERV", "HOTPATTERN"},  {"SCROLLSLIDERV", "GLYPHMASK"},
      {"SCROLLBAR1H", "GLYPHMASK"},    {"GLOBALINFO", "BOXCHECKED"},     {"GLOBALINFO", "BOXUNCHECKED"},
      {"GLOBALINFO", "BOXGRAYED"},     {"GLOBALINFO", "RADIOCHECKED"},   {"GLOBALINFO", "RADIOUNCHECKED"},
      {"GLOBALINFO", "RADIOGRAYED"},   {"GLOBALINFO", "SMALLCHECKED"},   {"GLOBALINFO", "SMALLUNCHECKED"},
      {"GLOBALINFO", "SMALLGRAYED"},   {"BUTTON", "BORDERSMASK"},        {"BUTTON", "PATTERN"},
      {"COMBOBOX", "GLYPHMASK"},       {"SCROLLBAR1H", "BORDERSMASK"}};
  for (auto [section, property] : images) AddImage(*first, section, property);
  m->SetSkinName("First");
  const TsCachedIndexes& c = m->CachedIndexes();
  auto indexes = [](const TsScrollPart& p) {
    return std::vector<int>{p.Section, p.Border, p.Pattern, p.HotPattern, p.Glyph};
  };
  const std::vector<int> none = {-1, -1, -1, -1, -1};

  EXPECT_EQ(c.GlobalInfo, 0);
  EXPECT_EQ((std::vector<int>(c.TabSection, c.TabSection + 4)), (std::vector<int>{1, 2, -1, -1}));
  EXPECT_EQ((std::vector<int>(c.TabBorder, c.TabBorder + 4)), (std::vector<int>{0, 0, -1, -1}));
  EXPECT_EQ(indexes(c.ScrollBtn[sdTop]), (std::vector<int>{3, 1, -1, -1, 2}));
  for (TsSide side : {sdBottom, sdLeft, sdRight}) EXPECT_EQ(indexes(c.ScrollBtn[side]), none) << side;
  EXPECT_EQ(indexes(c.SliderV), (std::vector<int>{4, -1, 3, 4, 5}));
  EXPECT_EQ(indexes(c.SliderH), none);
  EXPECT_EQ(indexes(c.Bar1H), (std::vector<int>{5, 19, -1, -1, -1})) << "bars have no glyph";
  EXPECT_EQ(indexes(c.Bar2V), none);
  EXPECT_EQ((std::vector<int>{c.BoxChecked, c.BoxUnchecked, c.BoxGrayed, c.RadioChecked, c.RadioUnchecked,
                              c.RadioGrayed, c.SmallChecked, c.SmallUnchecked, c.SmallGrayed}),
            (std::vector<int>{7, 8, 9, 10, 11, 12, 13, 14, 15}));
  // The combo button's border is its own only; its patterns may be inherited.
  EXPECT_EQ(indexes(c.ComboBtn), (std::vector<int>{6, -1, 17, -1, -1}));
  EXPECT_EQ(c.ComboGlyph, 18);

  TsStoredSkin* second = AddSkin(*m->InternalSkins(), "Second");
  AddSection(*second, "SCROLLSLIDERV");
  AddImage(*second, "GLOBALINFO", "BOXCHECKED");
  AddImage(*second, "SCROLLBTNTOP", "GLYPHMASK");
  AddImage(*second, "SCROLLSLIDERV", "BORDERSMASK");
  m->SetSkinName("Second");
  EXPECT_EQ(c.GlobalInfo, -1);
  EXPECT_EQ(c.BoxChecked, -1) << "no GLOBALINFO section, no check glyphs";
  EXPECT_EQ(c.SmallGrayed, -1);
  EXPECT_EQ((std::vector<int>(c.TabSection, c.TabSection + 4)), (std::vector<int>{-1, -1, -1, -1}));
  EXPECT_EQ(indexes(c.ScrollBtn[sdTop]), (std::vector<int>{-1, -1, -1, -1, 2})) << "glyph kept: its section is gone";
  EXPECT_EQ(indexes(c.SliderV), (std::vector<int>{0, 2, -1, -1, -1})) << "section there, glyph looked up again";
  EXPECT_EQ(indexes(c.ComboBtn), none);
  EXPECT_EQ(c.ComboGlyph, -1);
}
