#include "skin/sSkinManager.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "SkinManagerFixture.h"
#include "framework/base/SysUtils.h"
#include "framework/components/StringList.h"
#include "framework/streaming/Writer.h"

namespace {

using namespace test_skins;

class SkinManagerTest : public SkinManagerFixture {};

// Two skins told apart by the colour of their GLOBALINFO section.
void AddTwoSkins(TsSkinManager& m) {
  AddSection(*AddSkin(*m.InternalSkins(), "First"), "GLOBALINFO")->Color = clWhite;
  AddSection(*AddSkin(*m.InternalSkins(), "Second"), "GLOBALINFO")->Color = clRed;
}

}  // namespace

// A new skin name reloads inside the two events: the forms hear the new
// skin while the skin-changing flag is up and the skin not yet active.
TEST_F(SkinManagerTest, NewSkinNameReloadsBetweenTheTwoEvents) {
  ListeningForm();
  TsSkinManager* m = NewManager();
  AddTwoSkins(*m);
  m->SetSkinName("First");
  ASSERT_TRUE(m->CommonSkinData.Active);
  heard.clear();

  size_t heardAtBefore = 99, heardAtAfter = 99;
  bool changingAtBefore = true, changingAtAfter = true, activeAtAfter = false;
  m->OnBeforeChange = [&](TComponent* sender) {
    EXPECT_EQ(sender, m);
    heardAtBefore = heard.size();
    changingAtBefore = SkinIsChanging;
  };
  m->OnAfterChange = [&](TComponent* sender) {
    EXPECT_EQ(sender, m);
    heardAtAfter = heard.size();
    changingAtAfter = SkinIsChanging;
    activeAtAfter = m->CommonSkinData.Active;
  };
  m->SetSkinName("Second");

  EXPECT_EQ(m->SkinName(), "Second");
  ASSERT_EQ(m->Sections().size(), 1u);
  EXPECT_EQ(m->Sections()[0].Color, clRed);
  EXPECT_EQ(heardAtBefore, 0u) << "nothing is announced before OnBeforeChange";
  EXPECT_FALSE(changingAtBefore);
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard[0].Code, SKC_NEWSKIN);
  EXPECT_TRUE(heard[0].SkinChanging);
  EXPECT_FALSE(heard[0].SkinActive);
  const auto codes = HeardCodes();
  EXPECT_EQ(std::count(codes.begin(), codes.end(), SKC_NEWSKIN), 1);
  EXPECT_EQ(heardAtAfter, heard.size()) << "everything is announced before OnAfterChange";
  EXPECT_FALSE(changingAtAfter);
  EXPECT_TRUE(activeAtAfter);
  EXPECT_FALSE(SkinIsChanging);
}

TEST_F(SkinManagerTest, SkinNameIsOnlyStoredWhileInactive) {
  ListeningForm();
  TsSkinManager* m = NewManager();
  AddTwoSkins(*m);
  m->SetActive(false);
  heard.clear();
  int events = 0;
  m->OnBeforeChange = [&](TComponent*) { ++events; };
  m->OnAfterChange = [&](TComponent*) { ++events; };
  m->SetSkinName("Second");
  EXPECT_EQ(m->SkinName(), "Second");
  EXPECT_EQ(events, 0);
  EXPECT_TRUE(heard.empty());
  EXPECT_TRUE(m->Sections().empty());
  EXPECT_FALSE(m->CommonSkinData.Active);
}

// A name that no stored skin has exactly falls back to the first stored skin.
TEST_F(SkinManagerTest, UnknownSkinNameFallsBackToTheFirstStoredSkin) {
  TsSkinManager* m = NewManager();
  AddTwoSkins(*m);
  const struct {
    const char* asked;
    const char* chosen;
    TColor color;
  } cases[] = {
      {"Second", "Second", clRed}, {"second", "First", clWhite}, {"Second ", "First", clWhite},
      {"", "First", clWhite},      {"Third", "First", clWhite},  {"First", "First", clWhite},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.asked);
    m->SetSkinName("Second");  // a different skin before each case
    m->SetSkinName(c.asked);
    EXPECT_EQ(m->SkinName(), c.chosen);
    ASSERT_EQ(m->Sections().size(), 1u);
    EXPECT_EQ(m->Sections()[0].Color, c.color);
    EXPECT_TRUE(m->Active());
  }
}

// Without stored skins the manager switches itself off and does not tell
// the forms that an empty skin is active, whether it had a skin or not.
TEST_F(SkinManagerTest, WithoutStoredSkinsNothingLoadsAndNothingIsAnnouncedActive) {
  ListeningForm();
  for (bool hadSkin : {false, true}) {
    SCOPED_TRACE(hadSkin ? "after a loaded skin" : "fresh manager");
    TsSkinManager* m = NewManager();
    if (hadSkin) {
      AddSection(*AddSkin(*m->InternalSkins(), "First"), "GLOBALINFO");
      AddImage(*(*m->InternalSkins())[0], "GLOBALINFO", "BOXCHECKED");
      m->SetSkinName("First");
      ASSERT_EQ(m->Masks().size(), 1u);
      m->InternalSkins()->Clear();
    }
    heard.clear();
    m->SetSkinName("First");
    EXPECT_FALSE(m->Active());
    EXPECT_EQ(m->SkinName(), "First");
    EXPECT_FALSE(m->CommonSkinData.Active);
    EXPECT_EQ(m->SkinInfo(), "N/A");
    EXPECT_TRUE(m->Sections().empty());
    EXPECT_TRUE(m->Masks().empty());
    EXPECT_TRUE(m->Patterns().empty());
    EXPECT_EQ(m->MasterBitmap(), nullptr);
    EXPECT_EQ(m->FindSection("GLOBALINFO"), -1);
    EXPECT_EQ(m->FindMaskByNames("GLOBALINFO", "BOXCHECKED"), -1);
    EXPECT_EQ(m->CachedIndexes().GlobalInfo, -1);
    EXPECT_EQ(m->CachedIndexes().BoxChecked, -1);
    for (const THeardCommand& h : heard) {
      EXPECT_NE(h.Code, SKC_NEWSKIN);
      EXPECT_FALSE(h.SkinActive) << "command " << h.Code;
    }
    TComponent::Free(m);
  }
}

// With a skin active, a new colour setting reloads from the stored skin and
// repaints; while none is active it is only remembered.
TEST_F(SkinManagerTest, ColourSettingsReloadFromTheStoredSkin) {
  ListeningForm();
  TsSkinManager* m = NewManager();
  AddSection(*AddSkin(*m->InternalSkins(), "Skin"), "GLOBALINFO")->HotColor = RGB(200, 100, 0);
  m->SetSkinName("Skin");
  const struct {
    int hue, saturation;
    TColor hot;
    bool repaint;
  } steps[] = {
      {0, 50, RGB(150, 100, 50), true},
      {0, 50, RGB(150, 100, 50), false},  // nothing changed
      {0, -50, RGB(250, 100, 0), true},   // from the stored colour, not from the last one
      {120, -50, RGB(0, 250, 100), true},
      {0, 0, RGB(200, 100, 0), true},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(testing::Message() << "hue " << s.hue << " saturation " << s.saturation);
    heard.clear();
    m->SetHueOffset(s.hue);
    m->SetSaturation(s.saturation);
    ASSERT_EQ(m->Sections().size(), 1u);
    EXPECT_EQ(m->Sections()[0].HotColor, s.hot);
    const auto codes = HeardCodes();
    EXPECT_EQ(std::count(codes.begin(), codes.end(), SKC_REFRESH) > 0, s.repaint);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), SKC_NEWSKIN), 0);
    EXPECT_TRUE(m->CommonSkinData.Active);
  }

  m->SetActive(false);
  heard.clear();
  m->SetSaturation(100);
  m->SetHueOffset(30);
  EXPECT_EQ(m->Saturation(), 100);
  EXPECT_EQ(m->HueOffset(), 30);
  EXPECT_TRUE(heard.empty());
  EXPECT_TRUE(m->Sections().empty());
  m->SetActive(true);
  ASSERT_EQ(m->Sections().size(), 1u);
  // Turned to 60 degrees, (200,200,0), then grey.
  EXPECT_EQ(m->Sections()[0].HotColor, RGB(133, 133, 133));
}

// Switching off clears everything; switching on builds anew from the stored
// skin, whatever happened to the tables before.
TEST_F(SkinManagerTest, ActiveOffClearsAndOnRebuildsFromScratch) {
  ListeningForm();
  TsSkinManager* m = NewManager();
  TsStoredSkin* skin = AddSkin(*m->InternalSkins(), "Skin");
  AddSection(*skin, "GLOBALINFO")->Color = clRed;
  AddImage(*skin, "GLOBALINFO", "BOXCHECKED");
  skin->Patterns.Add()->SectionName = "GLOBALINFO";
  m->SetSkinName("Skin");
  m->RotateHue(120);
  ASSERT_EQ(m->Sections()[0].Color, clLime);

  heard.clear();
  m->SetActive(false);
  EXPECT_FALSE(m->Active());
  EXPECT_TRUE(m->Sections().empty());
  EXPECT_TRUE(m->Masks().empty());
  EXPECT_TRUE(m->Patterns().empty());
  EXPECT_EQ(m->MasterBitmap(), nullptr);
  EXPECT_FALSE(m->CommonSkinData.Active);
  EXPECT_EQ(m->SkinInfo(), "N/A");
  EXPECT_EQ(m->CachedIndexes().GlobalInfo, -1);
  EXPECT_EQ(m->CachedIndexes().BoxChecked, -1);
  EXPECT_EQ(HeardCodes(), std::vector<uint16_t>{SKC_REMOVESKIN});

  skin->GeneralData[0]->HotColor = clBlue;
  m->SetActive(true);
  ASSERT_EQ(m->Sections().size(), 1u);
  EXPECT_EQ(m->Sections()[0].Color, clRed);
  EXPECT_EQ(m->Sections()[0].HotColor, clBlue);
  EXPECT_EQ(m->Masks().size(), 1u);
  EXPECT_EQ(m->Patterns().size(), 1u);
  EXPECT_NE(m->MasterBitmap(), nullptr);
  EXPECT_EQ(m->CachedIndexes().BoxChecked, 0);
  EXPECT_TRUE(m->CommonSkinData.Active);
}

TEST_F(SkinManagerTest, SkinInfoVersionAndLoadedDefaults) {
  EXPECT_EQ(TsSkinManager::Version(), "5.06");
  TsSkinManager* m = NewManager();
  EXPECT_EQ(m->SkinInfo(), "N/A");
  m->SetSkinInfo("7");
  EXPECT_EQ(m->SkinInfo(), "N/A");
  AddSkin(*m->InternalSkins(), "Skin");
  m->SetSkinName("Skin");
  EXPECT_EQ(m->SkinInfo(), "5");
  m->SetSkinInfo("7");
  EXPECT_EQ(m->SkinInfo(), "5");
  EXPECT_EQ(m->CommonSkinData.Version, 5.0);
  TComponent::Free(m);

  const struct {
    const char* body;
    const char* directory;
    const char* icoLine;
  } cases[] = {
      {"", "c:\\Skins", "ICOLINE"},
      {"    SkinDirectory = 'd:\\Mine'\n    MenuSupport.IcoLineSkin = 'OWNLINE'\n", "d:\\Mine", "OWNLINE"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    TComponent owner(nullptr);
    TsSkinManager* read = ReadManager(c.body, &owner);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->SkinDirectory(), c.directory);
    EXPECT_EQ(read->MenuSupport()->IcoLineSkin, c.icoLine);
  }
}

TEST_F(SkinManagerTest, IsDefaultFollowsTheDefaultManager) {
  TsSkinManager* first = NewManager();
  TsSkinManager* second = NewManager();
  EXPECT_EQ(DefaultManager, first) << "the first manager made wins";
  EXPECT_TRUE(first->IsDefault());
  EXPECT_FALSE(second->IsDefault());
  second->SetIsDefault(true);
  EXPECT_EQ(DefaultManager, second);
  EXPECT_TRUE(second->IsDefault());
  EXPECT_FALSE(first->IsDefault());
  EXPECT_EQ(ResolveManager(nullptr), second);
  EXPECT_EQ(ResolveManager(first), first);
  TComponent::Free(second);
  EXPECT_EQ(DefaultManager, nullptr);
  EXPECT_FALSE(first->IsDefault());
}

TEST_F(SkinManagerTest, SkinDirectoryIsTakenFromTheProgramsFolder) {
  const std::string e = ExtractFilePath(ParamStr0());
  ASSERT_FALSE(e.empty());
  const std::string parent = std::filesystem::path(e).parent_path().parent_path().string() + "/";
  const struct {
    const char* stored;
    std::string resolved;
  } cases[] = {
      {"..\\Skins", parent + "Skins"}, {"../Skins", parent + "Skins"}, {".\\Skins", e + "Skins"},
      {"./Skins", e + "Skins"},        {"Skins", e + "Skins"},         {"Skins\\Dark", e + "Skins\\Dark"},
      {"c:\\Skins", "c:\\Skins"},      {"\\\\server\\skins", "\\\\server\\skins"},
      // A path from the root must not be hung below the program's folder.
      {"/usr/share/sortarium/Skins", "/usr/share/sortarium/Skins"},
  };
  TsSkinManager* m = NewManager();
  for (const auto& c : cases) {
    m->SetSkinDirectory(c.stored);
    EXPECT_EQ(m->SkinDirectory(), c.stored);
    EXPECT_EQ(m->ResolvedSkinDirectory(), c.resolved) << c.stored;
  }
}

// Skin folders are the sub-folders that hold an Options.dat file.
TEST_F(SkinManagerTest, AvailableSkinsAreStoredSkinsAndSkinFolders) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("sortarium-skins-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  for (const char* folder : {"Winter", "Autumn", ".Hidden", "Empty", "Odd/Options.dat"})
    fs::create_directories(dir / folder);
  for (const char* file : {"Winter/Options.dat", "Autumn/Options.dat", ".Hidden/Options.dat", "Spring"})
    std::ofstream(dir / file) << "[GLOBALINFO]\n";
  // Reached from the program's folder, as a stored relative path would be.
  const std::string relative = fs::relative(dir, ExtractFilePath(ParamStr0())).string();
  ASSERT_EQ(relative.rfind("..", 0), 0u) << relative;

  TsSkinManager* m = NewManager();
  TStringList list;
  const struct {
    const char* what;
    std::vector<std::string> stored;
    bool folders;
    std::vector<std::string> listed;
    const char* answer;
  } cases[] = {
      {"both", {"Zeta (internal)", "Alpha (internal)"}, true,
       {"Alpha (internal)", "Autumn", "Winter", "Zeta (internal)"}, "Zeta (internal)"},
      {"folders only", {}, true, {"Autumn", "Winter"}, "Autumn"},
      {"stored only", {"Zeta (internal)", "Alpha (internal)"}, false, {"Alpha (internal)", "Zeta (internal)"},
       "Zeta (internal)"},
      {"nothing", {}, false, {}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    m->InternalSkins()->Clear();
    for (const std::string& name : c.stored) AddSkin(*m->InternalSkins(), name);
    m->SetSkinDirectory(c.folders ? relative : relative + "-missing");
    list.Clear();
    list.Add("left over");
    EXPECT_EQ(m->ListAvailableSkins(list), c.answer);
    EXPECT_EQ(list.ToVector(), c.listed);
  }
  fs::remove_all(dir);
}

TEST_F(SkinManagerTest, DescriptionValuesLand) {
  TsSkinManager* m = ReadManager(
      "    AnimEffects.SkinChanging.Time = 250\n"
      "    AnimEffects.SkinChanging.Active = False\n"
      "    AnimEffects.Buttons.Events = [beMouseEnter, beMouseDown]\n"
      "    MenuSupport.IcoLineSkin = 'MYLINE'\n"
      "    CommonSections.Strings = (\n"
      "      '[BUTTON]'\n"
      "      'COLOR=255'\n"
      "      '; a comment')\n"
      "    HueOffset = 120\n"
      "    Saturation = -20\n"
      "    SkinnedPopups = False\n"
      "    SkinName = 'Nothing'\n"
      "    SkinInfo = '7'\n");
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->AnimEffects()->skinChanging.Time, 250);
  EXPECT_FALSE(m->AnimEffects()->skinChanging.Active);
  EXPECT_EQ(m->AnimEffects()->dialogShow.Time, 100) << "untouched settings keep their defaults";
  EXPECT_EQ(m->AnimEffects()->buttons.Events, (TsButtonEvents{beMouseEnter, beMouseDown}));
  EXPECT_EQ(m->MenuSupport()->IcoLineSkin, "MYLINE");
  EXPECT_EQ(m->CommonSections()->ToVector(), (std::vector<std::string>{"[BUTTON]", "COLOR=255", "; a comment"}));
  EXPECT_EQ(m->HueOffset(), 120);
  EXPECT_EQ(m->Saturation(), -20);
  EXPECT_FALSE(m->SkinnedPopups());
  EXPECT_EQ(m->SkinName(), "Nothing");
  EXPECT_EQ(m->SkinInfo(), "N/A") << "nothing stored, nothing loaded";
  EXPECT_FALSE(m->Active());
  EXPECT_TRUE(m->IsDefault());
}

// Stored skins in the description load once, with the colour setting
// applied once, wherever the setting stands.
TEST_F(SkinManagerTest, DescriptionWithStoredSkinLoadsIt) {
  TsStoredSkins skins;
  AddSection(*AddSkin(skins, "Red (internal)"), "GLOBALINFO")->Color = clRed;
  const std::string stored = WriteProperty("InternalSkins", StoredSkinsValue(skins), 2);
  const std::string name = "    SkinName = 'Red'\n";
  const std::string hue = "    HueOffset = 120\n";
  ListeningForm();
  std::vector<size_t> refreshes;
  for (const std::string& body : {hue + stored + name, stored + name + hue}) {
    heard.clear();
    TComponent owner(nullptr);
    TsSkinManager* m = ReadManager(body, &owner);
    const auto codes = HeardCodes();
    refreshes.push_back(static_cast<size_t>(std::count(codes.begin(), codes.end(), SKC_REFRESH)));
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->SkinName(), "Red (internal)");
    EXPECT_TRUE(m->Active());
    EXPECT_TRUE(m->CommonSkinData.Active);
    EXPECT_EQ(m->SkinInfo(), "5");
    ASSERT_EQ(m->Sections().size(), 1u);
    EXPECT_EQ(m->Sections()[0].Color, clLime) << (body == hue + stored + name ? "hue first" : "hue last");
    EXPECT_EQ(m->CachedIndexes().GlobalInfo, 0);
  }
  EXPECT_EQ(refreshes[0], refreshes[1]) << "a colour setting read after the skin adds no repaint";
}

// "Active = False" leaves the manager without a skin, wherever it stands
// among the properties.
TEST_F(SkinManagerTest, DescriptionSwitchedOffLoadsNothing) {
  TsStoredSkins skins;
  AddSection(*AddSkin(skins, "Red (internal)"), "GLOBALINFO")->Color = clRed;
  const std::string stored = WriteProperty("InternalSkins", StoredSkinsValue(skins), 2);
  const std::string name = "    SkinName = 'Red (internal)'\n";
  const std::string off = "    Active = False\n";
  const struct {
    const char* what;
    std::string body;
  } cases[] = {{"switched off first", off + stored + name}, {"switched off last", stored + name + off}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TComponent owner(nullptr);
    TsSkinManager* m = ReadManager(c.body, &owner);
    ASSERT_NE(m, nullptr);
    EXPECT_FALSE(m->Active());
    EXPECT_FALSE(m->CommonSkinData.Active);
    EXPECT_EQ(m->SkinInfo(), "N/A");
    EXPECT_TRUE(m->Sections().empty());
    EXPECT_EQ(m->MasterBitmap(), nullptr);
    m->SetActive(true);
    EXPECT_TRUE(m->CommonSkinData.Active);
    EXPECT_EQ(m->Sections().size(), 1u);
  }
}

// Reading a manager into a second window must not leave the windows that
// are already on screen frozen, also when the description then switches
// the manager off, so that no announcement follows to thaw them.
TEST_F(SkinManagerTest, ReadingAManagerLeavesShownFormsDrawing) {
  TForm* shown = MakeForm(50, 40);
  Application->SetMainForm(shown);
  shown->Show();
  Pump();
  ASSERT_TRUE(shown->HandleAllocated());
  ASSERT_TRUE(shown->RedrawEnabled());
  TsStoredSkins skins;
  AddSection(*AddSkin(skins, "Skin"), "GLOBALINFO");
  const std::string body = WriteProperty("InternalSkins", StoredSkinsValue(skins), 2) + "    SkinName = 'Skin'\n";
  for (const bool switchedOff : {false, true}) {
    SCOPED_TRACE(switchedOff ? "switched off after the name" : "active");
    TComponent owner(nullptr);
    TsSkinManager* m = ReadManager(body + (switchedOff ? "    Active = False\n" : ""), &owner);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->CommonSkinData.Active, !switchedOff);
    EXPECT_TRUE(shown->RedrawEnabled());
  }
}
