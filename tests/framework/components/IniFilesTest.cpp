#include "framework/components/IniFiles.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "framework/base/Exceptions.h"

namespace {

const char* kSkinOptions =
    "; a skin's options\r\n"
    "KEY=before any section\r\n"
    "[GLOBALINFO]\r\n"
    "Version = 5.06\r\n"
    "MasterBitmap=Master.bmp\r\n"
    "SHADOW1COLOR=0xC6B699\r\n"
    "\r\n"
    "  [ button ]  \r\n"
    "COLOR=$FFFFFF\r\n"
    "GRADIENTDATA=16777215;11237449;99;0;0\r\n"
    "BORDERSMASK=^0000 0000 0081 0054\r\n"
    "a line without an equals sign\r\n"
    "FADINGENABLED=TRUE\r\n"
    "COLOR=123\r\n"
    "[PANEL]\r\n"
    "EMPTY=\r\n"
    "[GlobalInfo]\r\n"
    "AUTHOR=Сортарий\n";

}  // namespace

TEST(IniFilesTest, SectionsKeysAndValuesKeepOrderAndCase) {
  TMemIniFile ini;
  ini.SetText(kSkinOptions);
  EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"GLOBALINFO", "button", "PANEL"}));
  const auto global = ini.SectionValues("globalinfo");
  ASSERT_EQ(global.size(), 4u);  // the repeated section joins the first
  EXPECT_EQ(global[0], (std::pair<std::string, std::string>{"Version", "5.06"}));
  EXPECT_EQ(global[3].second, "Сортарий");
  const auto button = ini.SectionValues("BUTTON");
  ASSERT_EQ(button.size(), 5u);
  EXPECT_EQ(button[2], (std::pair<std::string, std::string>{"BORDERSMASK", "^0000 0000 0081 0054"}));
  EXPECT_TRUE(ini.SectionValues("NOWHERE").empty());
  EXPECT_FALSE(ini.ValueExists("", "KEY"));  // lines before a section belong to none
}

TEST(IniFilesTest, TypedReadsAndTheirFallbacks) {
  TMemIniFile ini;
  ini.SetText(kSkinOptions);
  EXPECT_EQ(ini.ReadString("GLOBALINFO", "MASTERBITMAP", "-"), "Master.bmp");
  EXPECT_EQ(ini.ReadString("PANEL", "EMPTY", "-"), "");
  EXPECT_EQ(ini.ReadString("PANEL", "MISSING", "-"), "-");
  EXPECT_EQ(ini.ReadInteger("GLOBALINFO", "SHADOW1COLOR", 0), 0xC6B699);
  EXPECT_EQ(ini.ReadInteger("BUTTON", "COLOR", 0), 0xFFFFFF);  // the first of two
  EXPECT_EQ(ini.ReadInteger("BUTTON", "GRADIENTDATA", -7), -7);
  EXPECT_EQ(ini.ReadInteger("PANEL", "EMPTY", -7), -7);
  EXPECT_DOUBLE_EQ(ini.ReadFloat("GLOBALINFO", "VERSION", 0), 5.06);
  EXPECT_DOUBLE_EQ(ini.ReadFloat("GLOBALINFO", "AUTHOR", 1.5), 1.5);
  EXPECT_TRUE(ini.ReadBool("BUTTON", "FADINGENABLED", false));
  EXPECT_FALSE(ini.ReadBool("BUTTON", "MISSING", false));
  EXPECT_TRUE(ini.ReadBool("BUTTON", "BORDERSMASK", true));  // not a Boolean: the fallback
}

TEST(IniFilesTest, FilesAreReadWholeAndMissingOnesFail) {
  namespace fs = std::filesystem;
  const fs::path file = fs::temp_directory_path() / ("sortarium-ini-" + std::to_string(::getpid()) + ".dat");
  // Code page 1251 text, as older skin files are written: "Автор".
  std::ofstream(file, std::ios::binary) << "[GLOBALINFO]\nAUTHOR=\xC0\xE2\xF2\xEE\xF0\n";
  TMemIniFile ini(file.string());
  EXPECT_EQ(ini.ReadString("GLOBALINFO", "AUTHOR", ""), "Автор");
  EXPECT_EQ(ini.FileName(), file.string());
  fs::remove(file);
  EXPECT_THROW(TMemIniFile(file.string()), EFOpenError);
}
