// Reading the skin text form: each image-line form into its exact record,
// section keys with their defaults and PARENTCLASS inheritance, and the
// errors a damaged file must give.
#include <gtest/gtest.h>

#include "JpegMaker.h"
#include "SkinFolderFixture.h"
#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"
#include "skin/sSkinFile.h"
#include "skin/sSkinFolder.h"

namespace {

using test_skin_folders::BmpBytes;

TsSkinText Text(const std::string& text) { return TsSkinText(SplitLines(text), "Options.dat"); }

std::vector<uint8_t> Jpeg(int w, int h) {
  return test_jpeg::MakeJpeg(test_jpeg::RgbRecipe(w, h, [](int, int) { return 0x3060C0u; }));
}

TsSkinFolder Files() {
  return TsSkinFolder::InMemory({{"Master.bmp", BmpBytes(120, 300)},
                                 {"own.bmp", BmpBytes(36, 12)},
                                 {"small.jpg", Jpeg(20, 10)},
                                 {"edge.jpg", Jpeg(299, 301)},
                                 {"large.jpg", Jpeg(300, 300)}});
}

struct TExpectedMask {
  TRect R;
  bool Own;
  int16_t ImageCount, MaskType, BorderWidth, StretchMode;
  TsImgType Type;
  int16_t WL, WT, WR, WB;
};

}  // namespace

// One line per form; each record exactly as painting will read it, and the
// lines that must add nothing (a lower-case '!' name, exactly "#", a file
// the skin does not have).
TEST(SkinFileTest, EachImageLineFormGivesItsRecord) {
  using T = TsImgType;
  const struct {
    const char* what;
    const char* key;
    const char* value;
    bool adds;
    TExpectedMask e;
  } cases[] = {
      {"'^' border with its widths", "BORDERSMASK", "^0000,0000,0030,0030,0005,0005,0005,0005,3,1,1,0", true,
       {{0, 0, 30, 30}, false, 3, 1, 0, 1, T::itisaBorder, 5, 5, 5, 5}},
      {"'^' without widths takes its border width", "BORDERSMASK",
       "^0000,0000,0060,0060,0000,0000,0000,0000,1,0,1,4", true,
       {{0, 0, 60, 60}, false, 1, 0, 4, 1, T::itisaBorder, 4, 4, 4, 4}},
      {"'@' glyph, widths a third of a frame", "RADIOCHECKED", "@0010,0210,0058,0246,3,1", true,
       {{10, 210, 58, 246}, false, 3, 1, 0, 0, T::itisaGlyph, 5, 6, 5, 6}},
      {"'~' texture, two-digit stretch mode", "PATTERN", "~0000,0100,0030,0130,10", true,
       {{0, 100, 30, 130}, false, 1, 0, 0, 10, T::itisaTexture, 10, 10, 10, 10}},
      {"'~' texture with a mask type", "PATTERN", "~0000,0100,0030,0160,01,1", true,
       {{0, 100, 30, 160}, false, 1, 1, 0, 1, T::itisaTexture, 10, 10, 10, 10}},
      {"'!' own bitmap, four words: widths derived", "GLYPHMASK", "!OWN.BMP!3!1!2", true,
       {{0, 0, 36, 12}, true, 3, 1, 0, 0, T::itisaGlyph, 4, 2, 4, 2}},
      {"'!' own bitmap with widths", "BORDERSMASK", "!OWN.BMP!1!0!0!2!3!4!5", true,
       {{0, 0, 36, 12}, true, 1, 0, 0, 0, T::itisaBorder, 2, 3, 4, 5}},
      {"'!' with a lower-case name", "BORDERSMASK", "!own.bmp!1!0!0", false, {}},
      {"bracket form", "BORDERSMASK", "#BORDER [0,0,81,54] [3,1,0,2]", true,
       {{0, 0, 81, 54}, false, 3, 1, 0, 2, T::itisaBorder, 9, 9, 9, 9}},
      {"bracket form, negatives to 0, stretch 1", "BORDERSMASK", "MASK# [0,0,30,30] [1,-1,-2]", true,
       {{0, 0, 30, 30}, false, 1, 0, 0, 1, T::itisaBorder, 10, 10, 10, 10}},
      {"bracket pattern is a texture", "HOTPATTERN", "#[0,0,30,30][1,0,0,1]", true,
       {{0, 0, 30, 30}, false, 1, 0, 0, 0, T::itisaTexture, 10, 10, 10, 10}},
      {"plain own bitmap: one frame", "BORDERSMASK", "own.bmp", true,
       {{0, 0, 36, 12}, true, 1, 0, 0, 0, T::itisaBorder, 12, 4, 12, 4}},
      {"small JPEG: a texture of its own", "PATTERN", "small.jpg", true,
       {{0, 0, 20, 10}, true, 1, 0, 0, 0, T::itisaTexture, 6, 3, 6, 3}},
      {"JPEG of 89,999 pixels is still a texture", "PATTERN", "edge.jpg", true,
       {{0, 0, 299, 301}, true, 1, 0, 0, 0, T::itisaTexture, 99, 100, 99, 100}},
      {"exactly #", "BORDERSMASK", "#", false, {}},
      {"a file the skin lacks", "BORDERSMASK", "NOPE.BMP", false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TsSkinFolder files = Files();
    const TsLoadedSkin skin = ReadSkinFile(
        Text(std::string("[GLOBALINFO]\nMASTERBITMAP=Master.bmp\n[button]\n") + c.key + "=" + c.value + "\n"), files,
        nullptr);
    ASSERT_NE(skin.Master, nullptr);
    EXPECT_TRUE(skin.Patterns.empty());
    ASSERT_EQ(skin.Masks.size(), c.adds ? 1u : 0u);
    if (!c.adds) continue;
    const TsMaskData& m = skin.Masks[0];
    const TExpectedMask& e = c.e;
    EXPECT_EQ(m.SectionName, "BUTTON");
    EXPECT_EQ(m.PropertyName, c.key);
    EXPECT_EQ(m.R, e.R);
    EXPECT_EQ(m.Bmp != nullptr, e.Own);
    if (m.Bmp) {
      EXPECT_EQ(m.Bmp->PixelFormat(), TPixelFormat::pf24bit);
    }
    EXPECT_EQ(m.ImageCount, e.ImageCount);
    EXPECT_EQ(m.MaskType, e.MaskType);
    EXPECT_EQ(m.BorderWidth, e.BorderWidth);
    EXPECT_EQ(m.StretchMode, e.StretchMode);
    EXPECT_EQ(m.ImgType, e.Type);
    EXPECT_EQ((std::vector<int>{m.WL, m.WT, m.WR, m.WB}), (std::vector<int>{e.WL, e.WT, e.WR, e.WB}));
  }
}

// A JPEG above 89,999 pixels becomes a pattern under upper-case names and no
// image; the master bitmap is made 24-bit with magenta transparent.
TEST(SkinFileTest, LargeJpegIsAPatternAndMasterIs24Bit) {
  const TsSkinFolder files = Files();
  const TsLoadedSkin skin =
      ReadSkinFile(Text("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[Panel]\nHotPattern=large.jpg\n"), files, nullptr);
  ASSERT_EQ(skin.Patterns.size(), 1u);
  EXPECT_TRUE(skin.Masks.empty());
  EXPECT_EQ(skin.Patterns[0].SectionName, "PANEL");
  EXPECT_EQ(skin.Patterns[0].PropertyName, "HOTPATTERN");
  EXPECT_EQ(skin.Patterns[0].Img->Width(), 300);
  ASSERT_NE(skin.Master, nullptr);
  EXPECT_EQ(skin.Master->Width(), 120);
  EXPECT_EQ(skin.Master->PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_TRUE(skin.Master->Transparent());
  EXPECT_EQ(skin.Master->TransparentColor(), 0xFF00FF);
  EXPECT_EQ(skin.Master->Pixel(5, 9), RGB(5, 9, 7));
}

// Header keys go to the header and never become images; a section without
// keys takes every default; keys come down a chain of two parents, except
// the shadow colour; numbers read in decimal and 0x, COLOR through RGB.
TEST(SkinFileTest, SectionKeysDefaultsAndTwoLevelInheritance) {
  const TsSkinFolder files = Files();
  const TsLoadedSkin skin = ReadSkinFile(Text("[GLOBALINFO]\n"
                                              "VERSION=5.25\nAUTHOR=Класс 5Б\nDESCRIPTION=Test\n"
                                              "SHADOW1COLOR=0x102030\nSHADOW1OFFSET=2\nSHADOW1BLUR=4\n"
                                              "SHADOW1TRANSPARENCY=40\nMASTERBITMAP=nothing.bmp\n"
                                              "[EMPTY]\n"
                                              "[GRAND]\nCOLOR=0x0000FF\nBEVEL=3\nSHADOWCOLOR=255\n"
                                              "GRADIENTDATA=255;65280;50;0;0\nSHOWFOCUS=true\n"
                                              "TCLEFT=0x112233\n"
                                              "[PARENT]\nPARENTCLASS=grand\nFADINGENABLED=TRUE\nHOTCOLOR=123\n"
                                              "[CHILD]\nPARENTCLASS=PARENT\nFONTCOLOR=0x0A0B0C\nFADINGITERATIONS=20\n"
                                              "COLOR=-2147483633\nRESERVEDBOOLEAN=1\n"),
                                         files, nullptr);
  EXPECT_DOUBLE_EQ(skin.Header.Version, 5.25);
  EXPECT_EQ(skin.Header.Author, "Класс 5Б");
  EXPECT_EQ(skin.Header.Shadow1Color, 0x102030);
  EXPECT_EQ(skin.Header.Shadow1Offset, 2);
  EXPECT_EQ(skin.Header.Shadow1Blur, 4);
  EXPECT_EQ(skin.Header.Shadow1Transparency, 40);
  EXPECT_EQ(skin.Master, nullptr) << "a master the skin lacks is skipped";
  EXPECT_TRUE(skin.Masks.empty()) << "header keys are not images";
  ASSERT_EQ(skin.Sections.size(), 5u);

  const TsGeneralData& empty = skin.Sections[1];
  EXPECT_EQ(empty.SectionName, "EMPTY");
  EXPECT_EQ(empty.Color, 0xFFFFFF);
  EXPECT_EQ(empty.ShadowBlur, 6);
  EXPECT_EQ(empty.ShadowOffset, 3);
  EXPECT_EQ(empty.ShadowTransparency, 50);
  EXPECT_EQ(empty.GradientData, " ");
  EXPECT_EQ(empty.HotGradientData, "");
  EXPECT_EQ((std::vector<int>{empty.FadingIntervalIn, empty.FadingIntervalOut, empty.FadingIterations}),
            (std::vector<int>{5, 5, 5}));
  EXPECT_EQ(empty.FontColor, (TsFontColors{0, -1, -1, -1, -1}));
  EXPECT_EQ(empty.HotColor, 0xFFFFFF);

  const TsGeneralData& child = skin.Sections[4];
  EXPECT_EQ(child.ParentClass, "PARENT");
  EXPECT_EQ(child.Color, ColorToRGB(static_cast<TColor>(0x8000000F))) << "COLOR is turned into RGB";
  EXPECT_EQ(child.Bevel, TsControlBevel::cbRaisedHard) << "two levels up";
  EXPECT_TRUE(child.ShowFocus);
  EXPECT_TRUE(child.FadingEnabled) << "one level up";
  EXPECT_EQ(child.HotColor, 123);
  EXPECT_EQ(child.FadingIterations, 20);
  EXPECT_EQ(child.FontColor, (TsFontColors{0x0A0B0C, 0x112233, -1, -1, -1}));
  EXPECT_FALSE(child.ReservedBoolean) << "only TRUE is true";
  EXPECT_EQ(child.ShadowColor, 0) << "the shadow colour is never inherited";
  ASSERT_EQ(child.GradientArray.size(), 1u);
  EXPECT_EQ(child.GradientArray[0].Color2, 65280);
  EXPECT_EQ(skin.Sections[2].ShadowColor, 255);
  EXPECT_EQ(skin.Sections[2].Color, 0x0000FF) << "red, in BBGGRR";
}

// FONTSCALE is a header key: 100 without it, held to 50..300, refused like
// any unreadable number, and never an image.
TEST(SkinFileTest, FontScaleIsReadHeldAndRefused) {
  const struct {
    const char* line;
    int32_t scale;
  } cases[] = {{"", 100},           {"FONTSCALE=135\n", 135}, {"FONTSCALE=10\n", 50},
               {"FONTSCALE=-4\n", 50}, {"FONTSCALE=0x3E8\n", 300}, {"FONTSCALE=300\n", 300}};
  const TsSkinFolder files = Files();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const TsLoadedSkin skin = ReadSkinFile(Text(std::string("[GLOBALINFO]\n") + c.line + "[BUTTON]\n"), files, nullptr);
    EXPECT_EQ(skin.Header.FontScale, c.scale);
    EXPECT_TRUE(skin.Masks.empty());
  }
  try {
    ReadSkinFile(Text("[GLOBALINFO]\nFONTSCALE=big\n"), files, nullptr);
    ADD_FAILURE() << "read without an error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'big' is not a valid integer value in Options.dat, line 2");
  }
}

// Every way a hand-made file can be wrong stops the read with the
// framework's error, naming the file and line; nothing is half-returned.
TEST(SkinFileTest, DamagedValuesFailNamingTheirLine) {
  const struct {
    const char* what;
    const char* body;  // after "[GLOBALINFO]\nMASTERBITMAP=Master.bmp\n[BUTTON]\n" (lines 1-3)
    const char* message;
  } cases[] = {
      {"unreadable number", "COLOR=12x\n", "'12x' is not a valid integer value in Options.dat, line 4"},
      {"number too large", "TRANSPARENCY=99999999999\n", "line 4"},
      {"'^' shorter than 48", "B=^0000,0000,0030,0030,0005,0005,0005,0005,3,1,1\n", "needs 48 characters"},
      {"'@' shorter than 24", "\nG=@0000,0000,0030,0030,3,\n", "needs 24 characters in Options.dat, line 5"},
      {"'~' shorter than 23", "P=~0000,0000,0030,0030,1\n", "needs 23 characters"},
      {"bevel out of range", "BEVEL=5\n", "bevel 5 is outside 0..4 in Options.dat, line 4"},
      {"stretch mode unknown", "B=^0000,0000,0030,0030,0005,0005,0005,0005,3,1,8,0\n", "stretch mode 8"},
      {"image kind out of range", "G=!OWN.BMP!1!0!3\n", "image kind 3"},
      {"gradient unreadable", "GRADIENTDATA=255;red;50;0;0\n", "line 4"},
      {"parent loop", "PARENTCLASS=A\n[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=button\n", "leads back to"},
      {"name leaving the folder", "B=..\\other\\own.bmp\n", "leaves the skin folder"},
      {"absolute name", "B=/etc/own.bmp\n", "leaves the skin folder"},
      {"drive letter", "B=C:\\own.bmp\n", "leaves the skin folder"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TsSkinFolder files = Files();
    try {
      ReadSkinFile(Text(std::string("[GLOBALINFO]\nMASTERBITMAP=Master.bmp\n[BUTTON]\n") + c.body), files, nullptr);
      ADD_FAILURE() << "read without an error";
    } catch (const EConvertError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    } catch (const EReadError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
  // ':' after anything but a drive letter is an ordinary character here.
  const TsSkinFolder files = TsSkinFolder::InMemory({{"ab:c.bmp", BmpBytes(6, 3)}});
  EXPECT_EQ(ReadSkinFile(Text("[X]\nB=ab:c.bmp\n"), files, nullptr).Masks.size(), 1u);
}

// Values are held to what they mean, so no later product overflows.
TEST(SkinFileTest, NumbersAreHeldToTheirMeaning) {
  const TsSkinFolder files = Files();
  const TsLoadedSkin skin =
      ReadSkinFile(Text("[GLOBALINFO]\nMASTERBITMAP=Master.bmp\n"
                        "[BUTTON]\nIMAGEPERCENT=99999999\nTRANSPARENCY=-5\nHOTGRADIENTPERCENT=101\n"
                        "FADINGITERATIONS=0\nHOTIMAGEPERCENT=2147483647\n"
                        "B=^0000,0000,0030,0030,9999,0005,0005,0005,0,9,1,0\n"
                        "C=#[0,0,30,30][0,1,999,1]\n"
                        "D=!OWN.BMP!0!0!0\n"),
                   files, nullptr);
  const TsGeneralData& s = skin.Sections[1];
  EXPECT_EQ(s.ImagePercent, 100);
  EXPECT_EQ(s.HotImagePercent, 100);
  EXPECT_EQ(s.Transparency, 0);
  EXPECT_EQ(s.HotGradientPercent, 100);
  EXPECT_EQ(s.FadingIterations, 1);
  ASSERT_EQ(skin.Masks.size(), 3u);
  const TsMaskData& b = skin.Masks[0];
  EXPECT_EQ(b.ImageCount, 1) << "counts are at least 1";
  EXPECT_EQ(b.MaskType, 1);
  EXPECT_EQ(b.WL, 30) << "a border is at most one frame wide";
  EXPECT_EQ(b.WT, 5);
  const TsMaskData& c = skin.Masks[1];
  EXPECT_EQ(c.ImageCount, 1);
  EXPECT_EQ(c.BorderWidth, 15) << "at most the smaller side of a frame";
  EXPECT_EQ(c.WL, 15);
  EXPECT_EQ(skin.Masks[2].ImageCount, 1);
}
