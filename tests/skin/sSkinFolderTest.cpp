// The manager with skin folders: a folder skin is preferred to the stored
// one, a damaged one leaves the stored skin in place with one message, and
// names are found in any letter case but never outside the folder.
#include <gtest/gtest.h>

#include "SkinFolderFixture.h"
#include "framework/base/SysUtils.h"
#include "framework/components/StringList.h"
#include "skin/sSkinFileWriter.h"
#include "skin/sSkinManager.h"

namespace {

using namespace test_skin_folders;

class SkinFolderTest : public SkinFolderFixture {};

const char* const kGoodSkin =
    "; a skin made by hand\n"
    "[GLOBALINFO]\n"
    "VERSION=2.5\n"
    "MASTERBITMAP=Master.bmp\n"
    "COLOR=0x00FF00\n"
    "RADIOCHECKED=@0000,0000,0030,0012,3,1\n"
    "[PANEL]\n"
    "COLOR=255\n"
    "BORDERSMASK=^0000,0012,0012,0024,0002,0002,0002,0002,1,0,1,0\n"
    "[BUTTON]\n"
    "PARENTCLASS=PANEL\n"
    "BORDERSMASK=!BUTTON.BMP!3!1!0\n";

}  // namespace

// A folder skin with names in other letter cases loads whole, with SkinPath
// and the header; switching back to the stored skin clears SkinPath.
TEST_F(SkinFolderTest, FolderSkinIsPreferredAndFoundInAnyCase) {
  const fs::path folder = dir / "Chalk";
  WriteText(folder / "options.dat", kGoodSkin);
  WriteBytes(folder / "master.BMP", BmpBytes(60, 40));
  WriteBytes(folder / "button.bmp", BmpBytes(27, 18, 1));
  TsSkinManager* m = StoredManager();
  m->SetSkinName("Chalk");
  EXPECT_EQ(m->SkinName(), "Chalk");
  EXPECT_EQ(m->CommonSkinData.SkinPath, (dir / "Chalk").string() + "/");
  EXPECT_EQ(m->SkinInfo(), "2.5");
  ASSERT_EQ(m->Sections().size(), 3u);
  EXPECT_EQ(m->Sections()[1].Color, 255);
  EXPECT_EQ(m->Sections()[2].Color, 255) << "inherited from PANEL";
  ASSERT_EQ(m->Masks().size(), 3u);
  EXPECT_EQ(m->Masks()[2].R, TRect(0, 0, 27, 18));
  EXPECT_EQ(m->Masks()[2].Manager, m);
  ASSERT_NE(m->MasterBitmap(), nullptr);
  EXPECT_EQ(m->MasterBitmap()->Width(), 60);
  EXPECT_EQ(m->CachedIndexes().RadioChecked, 0);
  EXPECT_TRUE(MessageTexts().empty());

  TStringList list;
  EXPECT_EQ(m->ListAvailableSkins(list), "Stored");
  EXPECT_EQ(list.ToVector(), (std::vector<std::string>{"Chalk", "Stored"}));

  m->SetSkinName("Stored");
  EXPECT_EQ(m->CommonSkinData.SkinPath, "");
  EXPECT_EQ(m->Sections().size(), 2u);
}

// The font scale comes with the folder skin into the manager, is written
// back by the export only when it is not 100 and reads back the same; the
// stored skin, which has none, goes back to 100.
TEST_F(SkinFolderTest, FontScaleTravelsWithTheFolderSkin) {
  std::string options = kGoodSkin;
  options.insert(options.find("MASTERBITMAP"), "FONTSCALE=140\n");
  MakeSkin("Big", options);
  WriteBytes(dir / "Big" / "BUTTON.BMP", BmpBytes(27, 18, 1));
  TsSkinManager* m = StoredManager();
  m->SetSkinName("Big");
  EXPECT_EQ(m->CommonSkinData.FontScale, 140);
  WriteSkinFolder(*m, (dir / "Again").string());
  EXPECT_NE(SkinFileText(*m, {}).find("\nFONTSCALE=140\n"), std::string::npos);
  m->SetSkinName("Again");
  EXPECT_EQ(m->CommonSkinData.SkinPath, (dir / "Again").string() + "/");
  EXPECT_EQ(m->CommonSkinData.FontScale, 140);

  m->SetSkinName("Stored");
  EXPECT_EQ(m->CommonSkinData.FontScale, 100);
  EXPECT_EQ(SkinFileText(*m, {}).find("FONTSCALE"), std::string::npos);
  EXPECT_TRUE(MessageTexts().empty());
}

// Whatever is wrong with a skin folder, the program goes on with the stored
// skin, whole, and says once what was wrong and where.
TEST_F(SkinFolderTest, DamagedSkinFallsBackToStoredWithOneMessage) {
  const struct {
    const char* what;
    const char* name;
    const char* options;  // appended to a good skin (its lines 1-12)
    const char* message;
  } cases[] = {
      {"unreadable number", "Bad", "[EDIT]\nTRANSPARENCY=half\n",
       "Skin “Bad” could not be loaded: 'half' is not a valid integer value in Options.dat, line 14"},
      {"'^' too short", "Bad", "[EDIT]\nB=^0000,0000,0030,0030,0005,0005,0005,0005,3,1,1\n", "line 14"},
      {"'@' too short", "Bad", "[EDIT]\nB=@0000,0000,0030,0030,3\n", "needs 24 characters"},
      {"'~' too short", "Bad", "[EDIT]\nB=~0000,0000,0030,0030,1\n", "needs 23 characters"},
      {"bevel out of range", "Bad", "[EDIT]\nHOTBEVEL=-1\n", "bevel -1 is outside 0..4"},
      {"parent loop", "Bad", "[EDIT]\nPARENTCLASS=EDIT2\n[EDIT2]\nPARENTCLASS=EDIT\n", "leads back to"},
      {"file outside the folder", "Bad", "[EDIT]\nB=../Other/Master.bmp\n", "leaves the skin folder"},
      {"a name that is a path", "../Bad", "", "Skin “../Bad” could not be loaded: a skin name is a folder name"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MakeSkin("Bad", std::string(kGoodSkin) + c.options);
    WriteBytes(dir / "Bad" / "BUTTON.BMP", BmpBytes(27, 18, 1));
    backend->ClearMessageBoxes();
    root = std::make_unique<TComponent>(nullptr);
    TsSkinManager* m = StoredManager();
    m->SetSkinName(c.name);
    EXPECT_EQ(m->SkinName(), "Stored");
    EXPECT_EQ(m->RequestedSkinName(), c.name);
    EXPECT_TRUE(m->CommonSkinData.Active);
    EXPECT_EQ(m->CommonSkinData.SkinPath, "");
    ASSERT_EQ(m->Sections().size(), 2u) << "the stored skin, not part of the damaged one";
    EXPECT_EQ(m->Sections()[1].Color, clRed);
    EXPECT_EQ(m->Masks().size(), 1u);
    const std::vector<std::string> texts = MessageTexts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].find(c.message), std::string::npos) << texts[0];
    // Asked for again, the same fault is not reported again.
    m->SetSkinName(c.name);
    EXPECT_EQ(MessageTexts().size(), 1u);
  }
}

// A folder skin that loaded stays until a whole other skin has loaded: the
// tables of a damaged one never mix in.
TEST_F(SkinFolderTest, TablesAreReplacedOnlyByAWholeSkin) {
  MakeSkin("Good", std::string(kGoodSkin));
  WriteBytes(dir / "Good" / "BUTTON.BMP", BmpBytes(27, 18, 1));
  MakeSkin("Bad", std::string(kGoodSkin) + "[EDIT]\nCOLOR=0xZZ\n[LAST]\n");
  TsSkinManager* m = StoredManager();
  std::vector<std::string> errors;
  m->OnSkinError = [&](const std::string& message) { errors.push_back(message); };
  m->SetSkinName("Good");
  ASSERT_EQ(m->Sections().size(), 3u);
  m->SetSkinName("Bad");
  EXPECT_EQ(m->SkinName(), "Stored");
  EXPECT_EQ(m->Sections().size(), 2u);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("'0xZZ'"), std::string::npos);
  EXPECT_TRUE(MessageTexts().empty()) << "the handler replaces the message box";
}
