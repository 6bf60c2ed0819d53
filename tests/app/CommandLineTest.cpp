// The trainer's command line: what it accepts, and that every mistake is
// refused (main() turns a refusal into exit status 2) rather than ignored.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

TCommandLine Parse(std::vector<const char*> words) {
  words.insert(words.begin(), "sortarium");
  return ParseCommandLine(static_cast<int>(words.size()), words.data());
}

TEST(CommandLineTest, AcceptsEachOptionInBothSpellings) {
  EXPECT_FALSE(Parse({}).Help);
  EXPECT_FALSE(Parse({}).Screen.has_value());
  EXPECT_TRUE(Parse({"--help"}).Help);
  EXPECT_TRUE(Parse({"--version"}).Version);
  for (const auto& words : {std::vector<const char*>{"--screen", "800x600"}, {"--screen=800x600"}}) {
    const TCommandLine c = Parse(words);
    ASSERT_TRUE(c.Screen.has_value()) << words[0];
    EXPECT_EQ(c.Screen->cx, 800);
    EXPECT_EQ(c.Screen->cy, 600);
  }
  const TCommandLine both = Parse({"--screen", "1920x1080", "--version"});
  EXPECT_TRUE(both.Version);
  EXPECT_EQ(both.Screen->cx, 1920);
  // The skins folder is made absolute where the user stands.
  const TCommandLine skin = Parse({"--skin=Projector", "--skins-dir", "some/skins"});
  EXPECT_EQ(skin.Skin.SkinName, "Projector");
  ASSERT_TRUE(skin.Skin.SkinsDir.has_value());
  EXPECT_EQ(*skin.Skin.SkinsDir, (std::filesystem::current_path() / "some/skins").string());
}

TEST(CommandLineTest, RefusesWhatItDoesNotUnderstand) {
  const std::vector<std::vector<const char*>> wrong = {
      {"--colour"},          {"-h"},          {"listing.txt"},       {"--screen"},
      {"--screen", "800"},   {"--screen", "99x600"}, {"--screen", "800x8193"}, {"--screen", "800x600x2"},
      {"--screen=800x600px"}, {"--help=yes"}, {"--screen", "-800x600"}, {"--skin"}, {"--skin="},
      {"--skins-dir"},
  };
  for (const auto& words : wrong) EXPECT_THROW(Parse(words), TCommandLineError) << words[0];
}

// --speed takes the seven factors in any of the spellings a teacher may
// write, as powers of two; everything else is refused, and both new
// options are in the help.
TEST(CommandLineTest, SpeedAndFollowListing) {
  const std::vector<std::pair<const char*, int>> right = {
      {"1/8", -3}, {"0.125", -3}, {"1/4", -2}, {".25", -2}, {"0.5", -1}, {"1/2", -1}, {"2/4", -1},
      {"1", 0},    {"1.0", 0},    {"2", 1},    {"2.", 1},   {"4", 2},    {"8", 3},    {"8/1", 3},
  };
  for (const auto& [text, exponent] : right) {
    EXPECT_EQ(ParseSpeed(text), exponent) << text;
    EXPECT_EQ(Parse({"--speed", text}).Speed, exponent) << text;
  }
  for (const char* text : {"", "0", "3", "16", "1/16", "-2", "+2", "1/0", "0/1", "x2", "2x", "1e1", "0x2", "1..2",
                           "1/2/2", "/2", "1/", ".", " 2", "nan", "inf", "99999999999999999999"})
    EXPECT_FALSE(ParseSpeed(text).has_value()) << "'" << text << "'";
  EXPECT_THROW(Parse({"--speed", "3"}), TCommandLineError);
  EXPECT_THROW(Parse({"--speed"}), TCommandLineError);
  EXPECT_THROW(Parse({"--follow-listing=yes"}), TCommandLineError);
  EXPECT_EQ(Parse({"--speed=1/2"}).Speed, -1);
  EXPECT_FALSE(Parse({}).FollowListing);
  EXPECT_TRUE(Parse({"--follow-listing"}).FollowListing);
  EXPECT_EQ(SpeedName(-3), "1/8");
  EXPECT_EQ(SpeedName(2), "4");
  const std::string help = CommandLineHelp();
  EXPECT_NE(help.find("--speed F"), std::string::npos);
  EXPECT_NE(help.find("--follow-listing"), std::string::npos);
}

}  // namespace
