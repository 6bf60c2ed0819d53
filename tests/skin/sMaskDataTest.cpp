#include "skin/sMaskData.h"

#include <gtest/gtest.h>

#include "framework/base/Exceptions.h"

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

TEST(MaskDataTest, SectionRecordsParseGradientsUnlessStoredAsNone) {
  TsSkinGeneral stored;
  stored.SectionName = "Button";
  stored.ParentClass = "PANEL";
  stored.Color = clWhite;
  stored.FontColor = "5454116 -1 -1 -1 -1";
  stored.HotFontColor = "bad";
  stored.ShadowDontUse = true;
  stored.GradientData = "16777215;11237449;99;0;0;11237449;11237449;0;0;0";
  stored.HotGradientData = " ";
  stored.FadingIterations = 20;
  TsGeneralData record;
  FillGeneralData(record, stored);
  EXPECT_EQ(record.SectionName, "Button");  // not upper-cased
  EXPECT_EQ(record.ParentClass, "PANEL");
  EXPECT_EQ(record.FontColor[TCMAIN], 5454116);
  EXPECT_EQ(record.HotFontColor, (TsFontColors{0, -1, -1, -1, -1}));
  EXPECT_FALSE(record.ShadowDontUse);  // never loaded
  ASSERT_EQ(record.GradientArray.size(), 2u);
  EXPECT_EQ(record.GradientArray[0].Color2, 11237449);
  EXPECT_EQ(record.GradientArray[0].Percent, 99);
  EXPECT_TRUE(record.HotGradientArray.empty());
  EXPECT_EQ(record.HotGradientData, " ");
  EXPECT_EQ(record.FadingIterations, 20);
}

// A malformed gradient fails the record where it stands: the fields before
// the gradient are filled, those after it are not.
TEST(MaskDataTest, MalformedGradientStopsTheRecordWhereItStands) {
  TsSkinGeneral stored;
  stored.SectionName = "PANEL";
  stored.Transparency = 40;
  stored.GradientData = "1;2;x;0;0";
  stored.ImagePercent = 30;
  stored.HotColor = 123;
  TsGeneralData record;
  EXPECT_THROW(FillGeneralData(record, stored), EConvertError);
  EXPECT_EQ(record.SectionName, "PANEL");
  EXPECT_EQ(record.Transparency, 40);
  EXPECT_EQ(record.GradientData, "1;2;x;0;0");
  EXPECT_EQ(record.ImagePercent, 0);
  EXPECT_EQ(record.HotColor, 0);
}
