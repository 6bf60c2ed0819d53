// The overlay (CommonSections) on a stored skin and on a folder skin: its
// sections, images and patterns come after the skin's, with its own rules.
#include <gtest/gtest.h>

#include "JpegMaker.h"
#include "SkinFolderFixture.h"
#include "framework/base/SysUtils.h"
#include "framework/components/StringList.h"
#include "skin/sSkinManager.h"

namespace {

using namespace test_skin_folders;

class SkinOverlayTest : public SkinFolderFixture {
 protected:
  void SetOverlay(TsSkinManager& m, const std::vector<std::string>& lines) {
    TStringList list;
    for (const std::string& line : lines) list.Add(line);
    m.SetCommonSections(list);
  }
};

// Lines with spaces, as a person types them; comments keep theirs.
const std::vector<std::string> kOverlay = {
    "; extra sections for the trainer",
    "[ CELL ]",
    "PARENTCLASS = button",
    "TRANSPARENCY = 30",
    "BORDERSMASK = # [0, 0, 9, 6] [1, 0, 2]",
    "GLYPHMASK = cell.bmp",
    "HOTPATTERN = tile.jpg",
    "BADFORM = @0000,0000,0009,0006,1,0",
    "[LONE]",
    "COLOR = 0x0000FF",
};

}  // namespace

// On a stored skin: appended records, inheritance from the upper-cased
// parent, "-1" for none, upper-cased own bitmap names without derived
// widths, JPEGs as patterns even when small, other forms ignored.
TEST_F(SkinOverlayTest, OverlayOnStoredSkin) {
  const fs::path here = fs::current_path();
  fs::current_path(dir);  // a stored skin has no folder: files come from here
  WriteBytes(dir / "CELL.BMP", BmpBytes(12, 6));
  WriteBytes(dir / "tile.jpg", test_jpeg::MakeJpeg(test_jpeg::RgbRecipe(8, 8, [](int, int) { return 0xFF8000u; })));
  TsSkinManager* m = StoredManager();
  m->SetSkinName("Stored");
  const size_t storedMasks = m->Masks().size();
  SetOverlay(*m, kOverlay);
  fs::current_path(here);

  EXPECT_EQ(m->CommonSections()->Get(2), "PARENTCLASS=button");
  EXPECT_EQ(m->CommonSections()->Get(0), "; extra sections for the trainer");
  ASSERT_EQ(m->Sections().size(), 4u);
  const TsGeneralData& cell = m->Sections()[2];
  EXPECT_EQ(cell.SectionName, "CELL");
  EXPECT_EQ(cell.ParentClass, "BUTTON");
  EXPECT_EQ(cell.Color, clRed) << "taken from the BUTTON record";
  EXPECT_EQ(cell.Transparency, 30);
  const TsGeneralData& lone = m->Sections()[3];
  EXPECT_EQ(lone.ParentClass, "-1");
  EXPECT_EQ(lone.Color, 0x0000FF);
  EXPECT_EQ(lone.ShadowBlur, 6) << "no parent: the defaults";

  ASSERT_EQ(m->Masks().size(), storedMasks + 2);
  const TsMaskData& border = m->Masks()[storedMasks];
  EXPECT_EQ(border.R, TRect(0, 0, 9, 6));
  EXPECT_EQ(border.WL, 2);
  EXPECT_EQ(border.SectionName, "CELL");
  const TsMaskData& glyph = m->Masks()[storedMasks + 1];
  ASSERT_NE(glyph.Bmp, nullptr) << "found by its upper-cased name";
  EXPECT_EQ(glyph.R, TRect(0, 0, 12, 6));
  EXPECT_EQ((std::vector<int>{glyph.WL, glyph.WT, glyph.WR, glyph.WB}), (std::vector<int>{0, 0, 0, 0}));
  ASSERT_EQ(m->Patterns().size(), 1u);
  EXPECT_EQ(m->Patterns()[0].PropertyName, "HOTPATTERN");
  EXPECT_EQ(m->FindSection("CELL"), 2);
}

// On a folder skin, after its own records; files come from its folder. A
// damaged overlay leaves the skin without it and is reported once.
TEST_F(SkinOverlayTest, OverlayOnFolderSkinAndDamagedOverlay) {
  MakeSkin("Chalk",
           "[GLOBALINFO]\nMASTERBITMAP=Master.bmp\n[BUTTON]\nCOLOR=0x00FF00\nB=^0000,0000,0030,0030,0005,0005,0005,"
           "0005,3,1,1,0\n");
  WriteBytes(dir / "Chalk" / "cell.bmp", BmpBytes(12, 6));
  TsSkinManager* m = StoredManager();
  SetOverlay(*m, kOverlay);
  m->SetSkinName("Chalk");
  ASSERT_EQ(m->Sections().size(), 4u);
  EXPECT_EQ(m->Sections()[2].Color, 0x00FF00);
  ASSERT_EQ(m->Masks().size(), 3u);
  EXPECT_EQ(m->Masks()[0].SectionName, "BUTTON") << "the skin's images first";
  EXPECT_NE(m->Masks()[2].Bmp, nullptr);
  EXPECT_TRUE(m->Patterns().empty()) << "tile.jpg is not in this folder";

  std::vector<std::string> damaged = kOverlay;
  damaged.push_back("TRANSPARENCY = lots");
  SetOverlay(*m, damaged);
  EXPECT_EQ(m->SkinName(), "Stored");
  ASSERT_EQ(MessageTexts().size(), 1u);
  EXPECT_NE(MessageTexts()[0].find("'lots' is not a valid integer value in CommonSections, line 11"),
            std::string::npos)
      << MessageTexts()[0];
  EXPECT_EQ(m->Sections().size(), 2u) << "the stored skin without the overlay";
}

// Read from a window description, the overlay loses its spaces too.
TEST_F(SkinOverlayTest, SpacesStrippedWhenReadFromTheDescription) {
  TsSkinManager* m = ReadManager(
      "    CommonSections.Strings = (\n"
      "      '[ CELL ]'\n"
      "      'COLOR = 255'\n"
      "      '; keep  these')\n");
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->CommonSections()->ToVector(), (std::vector<std::string>{"[CELL]", "COLOR=255", "; keep  these"}));
}
