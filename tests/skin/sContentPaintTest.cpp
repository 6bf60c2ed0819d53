// Captions and glyphs drawn over a control's cached background.
#include "skin/sContentPaint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "SkinManagerFixture.h"
#include "skin/sCommonData.h"
#include "skin/pixels/sGraphUtils.h"

namespace {

using namespace test_skins;

constexpr TColor kKey = RGB(0, 128, 0);  // the glyphs' transparent colour (bottom-left pixel)
constexpr TColor kGround = RGB(100, 100, 100);

// A glyph two rows high (the pixel helpers work on 2 x 2 and more): `row`
// above a row of the key colour, which makes its bottom-left pixel.
void PaintFrames(TBitmap& glyph, std::vector<TColor> row) {
  const size_t width = row.size();
  row.insert(row.end(), width, kKey);
  Paint(glyph, static_cast<int>(width), row);
}

std::vector<TColor> Row(const TBitmap& bmp, int y) {
  std::vector<TColor> row;
  for (int x = 0; x < bmp.Width(); ++x) row.push_back(bmp.Pixel(x, y));
  return row;
}

}  // namespace

// Which look a glyph takes in each state: a wrong branch shows a disabled
// button's glyph as enabled, or blends a hot one into the background.
TEST(ContentPaintTest, GlyphLooksByStateAndKind) {
  constexpr TColor kRed = RGB(200, 40, 0);
  constexpr TColor kGreyRed = RGB(80, 80, 80);  // (200 + 40 + 0) / 3
  constexpr TColor kHalfRed = RGB(150, 70, 50);  // each channel S - 0.5 * (S - 100)
  constexpr TColor kBlue = RGB(0, 0, 255);
  struct Case {
    const char* what;
    int glyphCount;
    int blend;
    bool hot, grayed, enabled;
    int disabledKind;
    std::vector<TColor> expected;  // the target's row after drawing
  } cases[] = {
      {"plain copy", 1, 0, false, false, true, 0, {kRed, kGround, kGround}},
      {"blended when not hot", 1, 50, false, false, true, 0, {kHalfRed, kGround, kGround}},
      {"hot shows it whole", 1, 50, true, false, true, 0, {kRed, kGround, kGround}},
      {"grayed when not hot", 1, 0, false, true, true, 0, {kGreyRed, kGround, kGround}},
      {"grayed but hot", 1, 0, true, true, true, 0, {kRed, kGround, kGround}},
      {"disabled, plain", 1, 0, false, false, false, 0, {kRed, kGround, kGround}},
      {"disabled, grey", 1, 0, false, false, false, kGlyphDisabledGray, {kGreyRed, kGround, kGround}},
      {"disabled, half", 1, 0, false, false, false, kGlyphDisabledBlend, {kHalfRed, kGround, kGround}},
      {"two images, enabled", 2, 0, false, false, true, 0, {kRed, kGround, kGround}},
      {"two images, blended", 2, 50, false, false, true, 0, {kHalfRed, kGround, kGround}},
      {"two images, disabled", 2, 0, false, false, false, 0, {kBlue, kGround, kGround}},
      {"three images draw nothing", 3, 0, false, false, true, 0, {kGround, kGround, kGround}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TBitmap glyph;
    // One image: red, key. Two images: red, key | blue, key.
    if (c.glyphCount == 2)
      PaintFrames(glyph, {kRed, kKey, kBlue, kKey});
    else
      PaintFrames(glyph, {kRed, kKey});
    const std::vector<TColor> before = Row(glyph, 0);
    TBitmap target;
    Paint(target, 3, std::vector<TColor>(6, kGround));
    DrawGlyphEx(glyph, target, {0, 0, 3, 2},
                {.Look = {.Enabled = c.enabled, .Hot = c.hot}, .Blend = c.blend, .Grayed = c.grayed,
                 .DisabledKind = c.disabledKind, .GlyphCount = c.glyphCount});
    EXPECT_EQ(Row(target, 0), c.expected);
    EXPECT_EQ(Row(target, 1), std::vector<TColor>(3, kGround)) << "key pixels must stay transparent";
    EXPECT_EQ(Row(glyph, 0), before) << "the caller's glyph was changed";
  }
}

TEST(ContentPaintTest, GlyphIsPlacedAtTheRectanglesCorner) {
  TBitmap glyph;
  Paint(glyph, 2, {RGB(9, 9, 9), RGB(8, 8, 8), kKey, RGB(7, 7, 7)});  // 2 x 2, key at the bottom left
  TBitmap target;
  Paint(target, 4, std::vector<TColor>(12, kGround));  // 4 x 3
  DrawGlyphEx(glyph, target, {2, 1, 4, 3}, {});
  EXPECT_EQ(Row(target, 0), (std::vector<TColor>{kGround, kGround, kGround, kGround}));
  EXPECT_EQ(Row(target, 1), (std::vector<TColor>{kGround, kGround, RGB(9, 9, 9), RGB(8, 8, 8)}));
  EXPECT_EQ(Row(target, 2), (std::vector<TColor>{kGround, kGround, kGround, RGB(7, 7, 7)}));
}

namespace {

// Text drawn into a bitmap by a control skinned with section TEXTED.
class ContentTextTest : public SkinManagerFixture {
 protected:
  static constexpr TColor kRed = RGB(255, 0, 0);
  static constexpr TColor kGreen = RGB(0, 255, 0);
  static constexpr TColor kBlue = RGB(0, 0, 255);
  static constexpr TColor kCyan = RGB(0, 255, 255);
  static constexpr TColor kPaper = RGB(255, 255, 255);

  // The section's normal and hot five-number colour strings.
  void Skin(const std::string& fontColor, const std::string& hotFontColor) {
    data.reset();
    if (manager) TComponent::Free(manager);
    manager = NewManager();
    TsStoredSkin* skin = AddSkin(*manager->InternalSkins(), "Text");
    TsSkinGeneral* s = AddSection(*skin, "TEXTED");
    s->FontColor = fontColor;
    s->HotFontColor = hotFontColor;
    manager->SetSkinName("Text");
    data = std::make_unique<TsCommonData>(owner, true);
    data->SetSkinSection("TEXTED");
    ASSERT_TRUE(data->Skinned());
  }

  void SetUp() override {
    SkinManagerFixture::SetUp();
    form = MakeForm(200, 100);
    owner = new TWinControl(form);
    owner->SetParent(form);
    owner->Font()->SetColor(kCyan);
    owner->Font()->SetHeight(-20);
    target.SetSize(120, 40);
    target.Fill(kPaper);
  }
  void TearDown() override {
    data.reset();
    SkinManagerFixture::TearDown();
  }

  // Text is antialiased, so a colour shows mixed with the paper and with
  // what is drawn over it. A pixel "shows" a primary or secondary colour
  // when the channels that colour has are bright and clearly above the
  // channels it lacks.
  static bool Looks(TColor p, TColor colour) {
    const int ch[3] = {GetRValue(p), GetGValue(p), GetBValue(p)};
    const int want[3] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    int lowestHigh = 255, highestLow = 0;
    for (int i = 0; i < 3; ++i) {
      if (want[i] == 255) lowestHigh = std::min(lowestHigh, ch[i]);
      else highestLow = std::max(highestLow, ch[i]);
    }
    return lowestHigh >= 120 && highestLow <= lowestHigh - 80;
  }
  // The bounds of the pixels that look like `colour` (empty: none).
  TRect Where(TColor colour) const {
    TRect r{target.Width(), target.Height(), -1, -1};
    for (int y = 0; y < target.Height(); ++y)
      for (int x = 0; x < target.Width(); ++x)
        if (Looks(target.Pixel(x, y), colour)) r = {std::min(r.Left, x), std::min(r.Top, y),
                                                    std::max(r.Right, x), std::max(r.Bottom, y)};
    return r;
  }
  bool Shows(TColor colour) const { return Where(colour).Right >= 0; }

  void Write(bool enabled, bool hot, unsigned flags = DT_CENTER, TRect rect = {0, 0, 120, 40}) {
    target.Fill(kPaper);
    TCanvas canvas(&target);
    WriteTextEx(canvas, "HW", {.Enabled = enabled, .Hot = hot}, *data, flags, rect);
  }

  TsSkinManager* manager = nullptr;
  TForm* form = nullptr;
  TWinControl* owner = nullptr;
  std::unique_ptr<TsCommonData> data;
  TBitmap target;
};

}  // namespace

// Each look must use its own text colour and no other: a skinned caption in
// the owner's colour, or the normal colour on a hot caption, are the faults.
TEST_F(ContentTextTest, EachLookUsesItsTextColour) {
  Skin("255 -1 -1 -1 -1", "16711680 -1 -1 -1 -1");  // red, hot blue; no contours
  struct Case {
    const char* what;
    bool enabled, hot, customFont, skinned;
    TColor wanted;
  } cases[] = {
      {"skinned", true, false, false, true, kRed},
      {"skinned hot", true, true, false, true, kBlue},
      {"custom font", true, false, true, true, kCyan},
      {"unskinned", true, false, false, false, kCyan},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    data->SetCustomFont(c.customFont);
    data->SetSkinSection(c.skinned ? "TEXTED" : "NOSUCHSECTION");
    Write(true, c.hot);
    for (TColor colour : {kRed, kBlue, kCyan}) EXPECT_EQ(Shows(colour), colour == c.wanted) << std::hex << colour;
  }
  // Disabled text is engraved: the shadow colour in place, whatever the skin.
  data->SetCustomFont(false);
  data->SetSkinSection("TEXTED");
  Write(false, false);
  EXPECT_FALSE(Shows(kRed));
  const TColor shadow = ColorToRGB(clBtnShadow);
  bool shadowSeen = false;
  for (int y = 0; y < target.Height(); ++y)
    for (int x = 0; x < target.Width(); ++x) shadowSeen = shadowSeen || target.Pixel(x, y) == shadow;
  EXPECT_TRUE(shadowSeen);
}

// A contour lies one pixel outside the text on its own side: green pixels
// left of the text for the left colour, above it for the top colour, and so
// on; hot text takes its contours from the hot colours.
TEST_F(ContentTextTest, ContoursSitOnTheirSides) {
  struct Case {
    const char* what;
    const char* normal;
    const char* hot;
    bool drawHot;
    TsSide side;
  } cases[] = {
      {"left", "0 65280 -1 -1 -1", "0 -1 -1 -1 -1", false, sdLeft},
      {"top", "0 -1 65280 -1 -1", "0 -1 -1 -1 -1", false, sdTop},
      {"right", "0 -1 -1 65280 -1", "0 -1 -1 -1 -1", false, sdRight},
      {"bottom", "0 -1 -1 -1 65280", "0 -1 -1 -1 -1", false, sdBottom},
      {"hot takes the hot top", "0 65280 -1 -1 -1", "0 -1 65280 -1 -1", true, sdTop},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Skin(c.normal, c.hot);
    Write(true, c.drawHot);
    const TRect green = Where(kGreen);
    // The text itself is black: its dark core.
    TRect text{target.Width(), target.Height(), -1, -1};
    for (int y = 0; y < target.Height(); ++y)
      for (int x = 0; x < target.Width(); ++x) {
        const TColor p = target.Pixel(x, y);
        if (GetRValue(p) < 60 && GetGValue(p) < 60 && GetBValue(p) < 60)
          text = {std::min(text.Left, x), std::min(text.Top, y), std::max(text.Right, x), std::max(text.Bottom, y)};
      }
    ASSERT_GE(green.Right, 0) << "no contour drawn";
    ASSERT_GE(text.Right, 0) << "no text drawn";
    switch (c.side) {
      case sdLeft:
        EXPECT_LT(green.Left, text.Left);
        EXPECT_LE(green.Right, text.Right);
        break;
      case sdTop:
        EXPECT_LT(green.Top, text.Top);
        EXPECT_LE(green.Bottom, text.Bottom);
        break;
      case sdRight:
        EXPECT_GT(green.Right, text.Right);
        EXPECT_GE(green.Left, text.Left);
        break;
      case sdBottom:
        EXPECT_GT(green.Bottom, text.Bottom);
        EXPECT_GE(green.Top, text.Top);
        break;
    }
  }
  // A font kept by the owner draws no contour at all.
  Skin("0 65280 65280 65280 65280", "0 -1 -1 -1 -1");
  data->SetCustomFont(true);
  Write(true, false);
  EXPECT_FALSE(Shows(kGreen));
}

// Centred text sits in the middle of its rectangle, right-aligned text ends
// at its right edge, and nothing is drawn outside the rectangle.
TEST_F(ContentTextTest, TextIsPlacedByItsFlagsAndClipped) {
  Skin("255 -1 -1 -1 -1", "255 -1 -1 -1 -1");
  struct Case {
    const char* what;
    unsigned flags;
    TRect rect;
  } cases[] = {{"centre", DT_CENTER, {10, 5, 110, 35}}, {"right", DT_RIGHT, {10, 5, 110, 35}},
               {"left", 0, {10, 5, 110, 35}}, {"clipped", DT_CENTER, {50, 15, 70, 25}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Write(true, false, c.flags, c.rect);
    int left = target.Width(), right = -1, top = target.Height(), bottom = -1;
    for (int y = 0; y < target.Height(); ++y)
      for (int x = 0; x < target.Width(); ++x)
        if (target.Pixel(x, y) != kPaper) {
          left = std::min(left, x), right = std::max(right, x);
          top = std::min(top, y), bottom = std::max(bottom, y);
        }
    ASSERT_GE(right, 0) << "no text drawn";
    EXPECT_GE(left, c.rect.Left);
    EXPECT_LT(right, c.rect.Right);
    EXPECT_GE(top, c.rect.Top);
    EXPECT_LT(bottom, c.rect.Bottom);
    const int middle = (c.rect.Left + c.rect.Right) / 2;
    const std::string what = c.what;
    if (what == "centre") {
      EXPECT_LE(std::abs((left + right) / 2 - middle), 2);
    } else if (what == "right") {
      EXPECT_GE(right, c.rect.Right - 4);
    } else if (what == "left") {
      EXPECT_LE(left, c.rect.Left + 4);
    }
  }
}

// The focus rectangle is a dotted outline in the section's text colour (the
// hot one when hot), every other pixel from the top-left corner on; inside
// and outside stay untouched.
TEST_F(ContentTextTest, FocusRectangleDotsTheOutlineInTheTextColour) {
  Skin("255 -1 -1 -1 -1", "65280 -1 -1 -1 -1");  // red text, green when hot
  for (const bool hot : {false, true}) {
    target.Fill(kPaper);
    TCanvas canvas(&target);
    DrawFocusRectEx(canvas, {2, 3, 8, 7}, {.Hot = hot}, *data);
    const TColor dot = hot ? kGreen : kRed;
    EXPECT_EQ(target.Pixel(2, 3), dot);
    EXPECT_EQ(target.Pixel(3, 3), kPaper);
    EXPECT_EQ(target.Pixel(4, 3), dot);
    EXPECT_EQ(target.Pixel(7, 4), dot) << "down the right side the count goes on";
    EXPECT_EQ(target.Pixel(5, 5), kPaper) << "inside";
    EXPECT_EQ(target.Pixel(8, 3), kPaper) << "right of the rectangle";
    EXPECT_EQ(target.Pixel(2, 7), kPaper) << "below the rectangle";
    int dots = 0;
    for (int y = 0; y < target.Height(); ++y)
      for (int x = 0; x < target.Width(); ++x) dots += target.Pixel(x, y) == dot;
    EXPECT_EQ(dots, 8) << "16 outline pixels, every other one";
  }
}
