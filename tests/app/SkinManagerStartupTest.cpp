// The main window's skin manager as the program starts it, and switched off
// and on again while the trainer runs.
#include "AppFixture.h"
#include "skin/sSkinManager.h"

namespace {

class SkinManagerStartupTest : public AppFixture {
 protected:
  TsSkinManager& M() { return *form->sSkinManager1; }
  int Section(const char* name) { return M().FindSection(name); }
  int Borders(const char* section) { return M().FindMask(Section(section), section, "BORDERSMASK"); }
};

TEST_F(SkinManagerStartupTest, ManagerHasTheStoredSkinActive) {
  TsSkinManager& m = M();
  EXPECT_EQ(m.SkinName(), "NextKavra (internal)") << "the stored name 'NextKavra' falls back to the stored skin";
  EXPECT_TRUE(m.Active());
  EXPECT_TRUE(m.CommonSkinData.Active);
  EXPECT_EQ(m.SkinInfo(), "5");
  EXPECT_EQ(m.Sections().size(), 62u);
  EXPECT_EQ(m.Masks().size(), 81u);
  EXPECT_EQ(m.Patterns().size(), 0u);
  ASSERT_NE(m.MasterBitmap(), nullptr);
  EXPECT_EQ(m.MasterBitmap()->Width(), 210);
  EXPECT_EQ(m.MasterBitmap()->Height(), 300);
  EXPECT_EQ(m.MasterBitmap()->PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_EQ(DefaultManager, &m);
  EXPECT_TRUE(m.IsDefault());
  EXPECT_EQ(m.SkinDirectory(), "Skins");
  EXPECT_EQ(m.ResolvedSkinDirectory(), ExtractFilePath(ParamStr0()) + "Skins");
  EXPECT_EQ(m.MenuSupport()->IcoLineSkin, "ICOLINE");
  EXPECT_FALSE(m.SkinnedPopups());
  EXPECT_EQ(m.CachedIndexes().GlobalInfo, Section("GLOBALINFO"));
  EXPECT_GE(m.CachedIndexes().GlobalInfo, 0);
}

TEST_F(SkinManagerStartupTest, BorderWidthsAndInheritedImages) {
  TsSkinManager& m = M();
  const int button = Borders("BUTTON");
  ASSERT_GE(button, 0);
  EXPECT_EQ(m.FindMaskByNames("BUTTON", "BORDERSMASK"), button);
  EXPECT_EQ((std::vector<int>{m.MaskBorderLeft(button), m.MaskBorderTop(button), m.MaskBorderRight(button),
                              m.MaskBorderBottom(button)}),
            (std::vector<int>{9, 9, 9, 9}));

  const struct {
    const char* section;
    const char* from;
  } inherited[] = {{"SPLITTER", "SPEEDBUTTON_SMALL"}, {"BUTTON_BIG", "BUTTON"}};
  for (const auto& c : inherited) {
    SCOPED_TRACE(c.section);
    EXPECT_EQ(m.FindMaskByNames(c.section, "BORDERSMASK"), -1) << "no image of its own";
    const int own = m.FindMaskByNames(c.from, "BORDERSMASK");
    ASSERT_GE(own, 0);
    EXPECT_EQ(Borders(c.section), own);
  }
  // The skin has no greyed radio glyph.
  EXPECT_EQ(m.CachedIndexes().RadioGrayed, -1);
  EXPECT_GE(m.CachedIndexes().RadioChecked, 0);
  EXPECT_EQ(m.CachedIndexes().RadioChecked, m.FindMaskByNames("GLOBALINFO", "RADIOCHECKED"));
}

// Off and on again while the program runs: the tables are built anew, and
// the row of numbers and the clicks on it are not disturbed.
TEST_F(SkinManagerStartupTest, SwitchingTheSkinOffAndOnKeepsTheTrainerWorking) {
  TsSkinManager& m = M();
  form->ShowValues({50, 20, 30, 40, 90, 60, 70, 80, 10, 95});
  Pump();
  const int globalInfo = Section("GLOBALINFO");
  ASSERT_GE(globalInfo, 0);
  const TColor stored = m.Sections()[static_cast<size_t>(globalInfo)].Color;
  m.RotateHue(120);
  ASSERT_NE(m.Sections()[static_cast<size_t>(globalInfo)].Color, stored);

  m.SetActive(false);
  Pump();
  EXPECT_FALSE(m.CommonSkinData.Active);
  EXPECT_TRUE(m.Sections().empty());
  EXPECT_TRUE(m.Masks().empty());
  EXPECT_EQ(m.SkinInfo(), "N/A");
  ClickCell(9);  // 10 to the first place, unskinned
  EXPECT_EQ(form->Value(1), 10);
  EXPECT_EQ(form->Value(9), 50);
  EXPECT_EQ(CellText(1), "10");
  EXPECT_EQ(CellColor(1), clAqua);

  m.SetActive(true);
  Pump();
  EXPECT_TRUE(m.CommonSkinData.Active);
  EXPECT_EQ(m.Sections().size(), 62u);
  EXPECT_EQ(m.Masks().size(), 81u);
  EXPECT_EQ(m.Sections()[static_cast<size_t>(globalInfo)].Color, stored) << "rebuilt from the stored skin";
  EXPECT_EQ(m.SkinInfo(), "5");
  EXPECT_EQ((std::vector<int>{10, 20, 30, 40, 90, 60, 70, 80, 50, 95}), Values());
  ClickCell(2);  // 20 stays in the second place
  EXPECT_EQ(form->ManualPosition(), 2);
  EXPECT_EQ(CellColor(2), clAqua);
  ClickCell(8);  // the third place and the clicked cell exchange
  EXPECT_EQ(form->ManualPosition(), 3);
  EXPECT_EQ(form->Value(3), 80);
  EXPECT_EQ(form->Value(8), 30);
}

}  // namespace
