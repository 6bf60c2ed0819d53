#include "skin/pixels/sMaskData.h"

#include <gtest/gtest.h>

TEST(MaskDataTest, FiveNumberColourStrings) {
  const TsFontColors none = {0, -1, -1, -1, -1};
  const struct {
    const char* text;
    TsFontColors colors;
  } cases[] = {
      {"0 -1 -1 -1 -1", none},
      {"5454116 16380127 16380127 -1 -1", {5454116, 16380127, 16380127, -1, -1}},
      {"0 6308382 -1 -1 -1", {0, 6308382, -1, -1, -1}},
      {"16777181 -1 -1 12615808 12615808", {16777181, -1, -1, 12615808, 12615808}},
      // Five different numbers, so that no field can stand in for another.
      {"11 -22 333 4444 -55555", {11, -22, 333, 4444, -55555}},
      // Anything but exactly five integers with single spaces reads as black
      // text without contours.
      {"", none},
      {"1 2 3 4", none},
      {"1 2 3 4 5 6", none},
      {"1 2 3 4 x", none},
      {"1  2 3 4 5", none},
      {" 1 2 3 4 5", none},
      {"1 2 3 4 5 ", none},
      {"1;2;3;4;5", none},
      {"99999999999 2 3 4 5", none},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseFontColors(c.text), c.colors) << '"' << c.text << '"';
}
