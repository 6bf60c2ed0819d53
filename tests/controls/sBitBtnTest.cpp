// The skinned bitmap button: its looks and the state machine that picks
// them, the click rule, the window shape cut from the border, the disabled
// look, the caption's place, cross-fades, and bad skin input.
#include "controls/sBitBtn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "BitBtnFixture.h"
#include "framework/components/Windows.h"
#include "framework/stdctrls/ImgList.h"
#include "framework/streaming/Reader.h"
#include "skin/sFade.h"

using namespace bitbtn_test;

namespace {

// A plain control that takes the focus and is not a button.
class TFocusable : public TCustomControl {
 public:
  explicit TFocusable(TWinControl* parent) : TCustomControl(parent) {
    SetParent(parent);
    SetTabStop(true);
  }
  bool WantsFocusOnClick() const override { return true; }
};

class BitBtnTest : public BitBtnFixture {
 protected:
  // A skin that does not fade, so every look shows at once.
  TsBitBtn* StillButton(TRect bounds = {20, 20, 80, 50}) {
    MakeSkin(/*fading=*/false);
    ShowForm();
    TsBitBtn* b = MakeButton(bounds);
    Flush();
    return b;
  }
};

}  // namespace

// Pressing shows the pressed look; sliding off with the button held shows
// it released and a release out there clicks nothing; a press released
// inside clicks once. The right button never presses or clicks.
TEST_F(BitBtnTest, MousePressClicksOnlyWhenReleasedInside) {
  TsBitBtn* b = StillButton();
  const TPoint inside = Centre(b);
  const TPoint outside{200, 150};
  ASSERT_EQ(FrameShown(b), kNormalFrame);
  ASSERT_EQ(At(b, 30, 15), kNormalColor);

  Move(inside);
  Flush();
  EXPECT_EQ(b->CurrentState(), TPaintState::Hot);
  EXPECT_EQ(FrameShown(b), kHotFrame);
  EXPECT_EQ(At(b, 30, 15), kHotColor);

  Button(inside, 0, true);
  Flush();
  EXPECT_TRUE(b->MouseClicked());
  EXPECT_EQ(b->CurrentState(), TPaintState::Pressed);
  EXPECT_EQ(FrameShown(b), kPressedFrame);

  Move(outside);
  Flush();
  EXPECT_NE(b->CurrentState(), TPaintState::Pressed) << "held with the mouse off it";
  EXPECT_EQ(FrameShown(b), kHotFrame) << "focused, so hot, but not pressed";
  Move(inside);
  Flush();
  EXPECT_EQ(FrameShown(b), kPressedFrame) << "back over it, still held";
  Move(outside);
  Button(outside, 0, false);
  Flush();
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(b->MouseClicked());
  EXPECT_FALSE(b->Pressed());

  Move(inside);
  Button(inside, 0, true);
  Button(inside, 0, false);
  Flush();
  EXPECT_EQ(clicks, 1) << "one press, one click";
  EXPECT_EQ(FrameShown(b), kHotFrame);

  Button(inside, 1, true);
  Flush();
  EXPECT_TRUE(b->MouseClicked()) << "the right button went down on it";
  EXPECT_EQ(b->CurrentState(), TPaintState::Hot);
  EXPECT_EQ(FrameShown(b), kHotFrame);
  Button(inside, 1, false);
  Flush();
  EXPECT_EQ(clicks, 1);
}

// The space key presses the focused button and its release clicks once;
// Down shows it pressed without a click.
TEST_F(BitBtnTest, SpaceClicksOnceAndDownOnlyShowsPressed) {
  TsBitBtn* b = StillButton();
  b->SetFocus();
  Flush();
  Key(VK_SPACE, true);
  Flush();
  EXPECT_EQ(FrameShown(b), kPressedFrame);
  EXPECT_EQ(clicks, 0);
  Key(VK_SPACE, false);
  Flush();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(FrameShown(b), kHotFrame);

  b->SetDown(true);
  Flush();
  EXPECT_EQ(b->CurrentState(), TPaintState::Pressed);
  EXPECT_EQ(FrameShown(b), kPressedFrame);
  EXPECT_EQ(At(b, 30, 15), kHotColor) << "every look but the normal one takes the hot colours";
  b->SetDown(false);
  Flush();
  EXPECT_EQ(FrameShown(b), kHotFrame);
  EXPECT_EQ(clicks, 1);
}

// Values the setters hold to their ranges, and the defaults a button
// starts with.
TEST_F(BitBtnTest, BlendIsHeldToAPercentage) {
  TsBitBtn* b = StillButton();
  struct Case {
    int set, stored;
  } cases[] = {{150, 100}, {-5, 0}, {40, 40}, {100, 100}, {0, 0}};
  for (const Case& c : cases) {
    b->SetBlend(c.set);
    EXPECT_EQ(b->Blend(), c.stored) << c.set;
  }
  EXPECT_EQ(b->SkinData()->CtrlKind, TsControlKind::BitBtn);
  EXPECT_FALSE(b->ControlStyle().Contains(csOpaque)) << "the parent shows through the corners";
  EXPECT_TRUE(b->WordWrap());
  EXPECT_EQ(b->ImageIndex(), -1);
  EXPECT_EQ(b->DisabledKind(), TsDisabledKind{dkBlended});
}

// The default button keeps its hot look while the focus is on a control
// that is not a skinned button, and loses it to another skinned button
// that has the focus.
TEST_F(BitBtnTest, DefaultButtonIsActiveUnlessAnotherSkinnedButtonHasTheFocus) {
  MakeSkin(false);
  ShowForm();
  TsBitBtn* def = MakeButton({20, 20, 80, 50});
  TsBitBtn* other = MakeButton({20, 80, 80, 110});
  auto* plain = new TFocusable(form);
  plain->SetBounds(150, 20, 30, 30);
  def->SetDefault(true);
  Flush();
  EXPECT_TRUE(def->Active());
  EXPECT_EQ(FrameShown(def), kHotFrame);

  other->SetFocus();
  Flush();
  EXPECT_FALSE(def->Active());
  EXPECT_EQ(FrameShown(def), kNormalFrame);
  EXPECT_EQ(FrameShown(other), kHotFrame);

  plain->SetFocus();
  Flush();
  EXPECT_TRUE(def->Active());
  EXPECT_EQ(FrameShown(def), kHotFrame);
  EXPECT_EQ(FrameShown(other), kNormalFrame);

  PressKey(VK_RETURN);
  EXPECT_EQ(clicks, 1) << "Enter clicks the active default button";
}

// Disabled, the whole picture is mixed with what lies under the button:
// 60 % of the parent's picture under each pixel and 40 % of the button's
// own, turned grey first with dkGrayed; without a parent picture the
// button goes half way to the parent's colour.
TEST_F(BitBtnTest, DisabledLookMixesThePictureWithTheParentsPixels) {
  MakeSkin(false, /*withBorder=*/false);
  ShowForm();
  auto* parent = new TPictureParent(form);
  parent->SetBounds(0, 0, 200, 150);
  parent->SetColor(RGB(90, 60, 30));
  parent->cache.SetSize(200, 150);
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 200; ++x) parent->cache.SetPixel(x, y, RGB(x, 255 - y, (x * 7 + y * 3) & 255));
  const TColor own = kNormalColor;
  const int grey = (GetRValue(own) + GetGValue(own) + GetBValue(own)) / 3;
  auto sixtyForty = [](TColor under, TColor mine) {
    auto ch = [](int s, int d) { return static_cast<int>(std::lround(s - 0.4 * (s - d))); };
    return RGB(ch(GetRValue(under), GetRValue(mine)), ch(GetGValue(under), GetGValue(mine)),
               ch(GetBValue(under), GetBValue(mine)));
  };
  struct Case {
    const char* what;
    TsDisabledKind kind;
    bool parentPicture;
  } cases[] = {
      {"blended", {dkBlended}, true},
      {"grey", {dkGrayed}, true},
      {"grey, then blended", {dkBlended, dkGrayed}, true},
      {"as it is", {}, true},
      {"blended without a parent picture", {dkBlended}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TWinControl* holder = parent;
    if (!c.parentPicture) holder = form;
    TsBitBtn* b = MakeButton({30, 40, 90, 70}, "", holder);
    b->SetDisabledKind(c.kind);
    b->SetEnabled(false);
    Flush();
    const TBitmap& cache = *b->SkinData()->CacheBmp;
    ASSERT_EQ(cache.Width(), 60);
    for (TPoint p : {TPoint{5, 5}, TPoint{30, 12}, TPoint{57, 27}}) {
      const TColor under = parent->cache.Pixel(30 + p.X, 40 + p.Y);
      const TColor mine = c.kind.Contains(dkGrayed) ? RGB(grey, grey, grey) : own;
      TColor expected = mine;
      if (c.kind.Contains(dkBlended) && c.parentPicture) expected = sixtyForty(under, mine);
      if (c.kind.Contains(dkBlended) && !c.parentPicture) {
        auto half = [](int a, int b) { return static_cast<int>(std::nearbyint(0.5 * a + 0.5 * b)); };
        expected = RGB(half(GetRValue(own), GetRValue(kFormColor)), half(GetGValue(own), GetGValue(kFormColor)),
                       half(GetBValue(own), GetBValue(kFormColor)));
      }
      EXPECT_EQ(cache.Pixel(p.X, p.Y), expected) << p.X << "," << p.Y;
      EXPECT_EQ(At(b, p.X, p.Y), expected) << "on screen";
    }
    TComponent::Free(b);
  }
}

// A disabled button ignores the mouse and the keyboard: no hot look, no
// press, no click.
TEST_F(BitBtnTest, DisabledButtonIgnoresMouseAndFocus) {
  TsBitBtn* b = StillButton();
  b->SetEnabled(false);
  Flush();
  const std::vector<TColor> disabled = Shot(b);
  Move(Centre(b));
  Button(Centre(b), 0, true);
  Button(Centre(b), 0, false);
  Flush();
  EXPECT_FALSE(b->SkinData()->MouseAbove);
  EXPECT_FALSE(b->MouseClicked());
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(Shot(b), disabled);
}

// The border's transparent corner pixels outside its frame line are cut
// out of the window: the parent paints there, and a parent that changes
// colour shows its new colour there without the button painting again.
// Key pixels inside the frame line show the button's own background.
TEST_F(BitBtnTest, CornersOutsideTheWindowShapeShowTheParent) {
  TsBitBtn* b = StillButton();
  TRegion shape;
  ASSERT_NE(GetWindowRgn(b->Handle(), &shape), 0);
  EXPECT_FALSE(shape.Contains(0, 0));
  EXPECT_TRUE(shape.Contains(1, 0));
  EXPECT_TRUE(shape.Contains(1, 1)) << "inside the frame line";
  EXPECT_TRUE(shape.Contains(59, 29));
  EXPECT_FALSE(b->RegionChanged());
  EXPECT_EQ(At(b, 0, 0), kFormColor);
  EXPECT_EQ(At(b, 1, 0), kNormalFrame);
  EXPECT_EQ(At(b, 1, 1), kNormalColor);

  form->SetColor(clNavy);
  Flush();
  EXPECT_EQ(At(b, 0, 0), ColorToRGB(clNavy));
  EXPECT_EQ(At(b, 1, 0), kNormalFrame);
  EXPECT_EQ(At(b, 1, 1), kNormalColor);

  // The frame's other corners have no key pixels.
  EXPECT_TRUE(shape.Contains(59, 0));
  EXPECT_TRUE(shape.Contains(0, 29));
}

// The trainer's caption: two lines, each centred, the block centred in a
// 145 x 60 button in a font 16 pixels high.
TEST_F(BitBtnTest, TwoLineCaptionIsCentredBothWays) {
  MakeSkin(false, false);
  ShowForm(400, 300);
  TsBitBtn* b = MakeButton({20, 20, 165, 80}, "Заполнить \r\nмассив");
  b->Font()->SetName("MS Sans Serif");
  b->Font()->SetHeight(-16);
  b->Perform(CM_FONTCHANGED);
  Flush();
  const TRect text = b->ContentGeometry().TextRect;
  const int lineHeight = FontMetrics(b->Font()->LogFont()).Height;
  EXPECT_EQ(text.Height(), 2 * lineHeight);
  EXPECT_EQ(text.Left, (145 - text.Width()) / 2);
  EXPECT_EQ(text.Top, (60 - text.Height() + 1) / 2);
  EXPECT_GE(text.Width(), TextExtent(b->Font()->LogFont(), "Заполнить").cx);

  // The ink: two bands of rows, one per line, and the whole block centred.
  const TBitmap& cache = *b->SkinData()->CacheBmp;
  std::vector<bool> inkRow(60, false);
  int left = 145, right = -1;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 145; ++x)
      if (cache.Pixel(x, y) != kNormalColor) {
        inkRow[static_cast<size_t>(y)] = true;
        left = std::min(left, x);
        right = std::max(right, x);
      }
  int bands = 0, top = -1, bottom = -1;
  for (int y = 0; y < 60; ++y) {
    if (inkRow[static_cast<size_t>(y)] && (y == 0 || !inkRow[static_cast<size_t>(y - 1)])) ++bands;
    if (inkRow[static_cast<size_t>(y)]) {
      if (top < 0) top = y;
      bottom = y;
    }
  }
  EXPECT_EQ(bands, 2);
  // A line keeps its trailing space, so its ink may sit up to a space
  // left of the middle.
  const int space = TextExtent(b->Font()->LogFont(), " ").cx;
  EXPECT_LE(std::abs((left + right) - 144), space + 2) << "ink " << left << ".." << right;
  EXPECT_GE(left, text.Left - 1);
  EXPECT_LE(right, text.Right);
  EXPECT_LE(std::abs((top + bottom) - 59), 6) << "ink " << top << ".." << bottom;
  EXPECT_GE(top, text.Top - 1);
  EXPECT_LE(bottom, text.Bottom);
}

// The skin's font scale makes the caption's ink taller by its factor, and
// the layout measures the scaled font (the text block grows with the ink);
// back at 100 the button is the same pixels as before it ever changed.
TEST_F(BitBtnTest, SkinFontScaleGrowsTheCaptionAnd100LeavesItAsItWas) {
  MakeSkin(false, false);
  ShowForm(400, 300);
  TsBitBtn* b = MakeButton({20, 20, 165, 80}, "Заполнить \r\nмассив");
  b->Font()->SetHeight(-16);
  b->Perform(CM_FONTCHANGED);
  Flush();
  // The rows from the first to the last that hold ink.
  auto inkHeight = [&]() {
    int top = -1, bottom = -1;
    for (int y = 0; y < b->Height(); ++y)
      for (int x = 0; x < b->Width(); ++x)
        if (At(b, x, y) != kNormalColor) {
          if (top < 0) top = y;
          bottom = y;
        }
    return top < 0 ? 0 : bottom - top + 1;
  };
  auto rescale = [&](int percent) {
    manager->CommonSkinData.FontScale = percent;
    manager->AnnounceRefresh();
    Flush();
  };
  const std::vector<TColor> before = Shot(b);
  const int height = inkHeight(), block = b->ContentGeometry().TextRect.Height();

  rescale(125);
  EXPECT_NEAR(inkHeight(), height * 1.25, 3) << "ink of " << height << " rows at 100";
  EXPECT_NEAR(b->ContentGeometry().TextRect.Height(), block * 1.25, 3);
  rescale(100);
  EXPECT_EQ(Shot(b), before);
}

// Hovering cross-fades from the normal look to the hot one: frames in
// between differ from both, and the last one is the hot look. A press
// fades in half the frames.
TEST_F(BitBtnTest, HoverFadesAndPressFadesInHalfTheFrames) {
  MakeSkin(/*fading=*/true);
  ShowForm();
  TsBitBtn* b = MakeButton({20, 20, 80, 50});
  Flush();
  const TColor normal = At(b, 30, 15);
  ASSERT_EQ(normal, kNormalColor);

  // Frame k of 4 keeps 255 - 64k of the old look.
  Move(Centre(b));
  EXPECT_TRUE(b->Fading());
  RunFor(15);
  EXPECT_EQ(At(b, 30, 15), Mix(kNormalColor, kHotColor, 191));
  EXPECT_EQ(FrameShown(b), Mix(kNormalFrame, kHotFrame, 191));
  RunFor(10);
  EXPECT_EQ(At(b, 30, 15), Mix(kNormalColor, kHotColor, 127));
  RunFor(100);
  EXPECT_FALSE(b->Fading());
  Flush();
  EXPECT_EQ(At(b, 30, 15), kHotColor);
  EXPECT_EQ(FrameShown(b), kHotFrame);
  EXPECT_EQ(Shot(b), [&] {
    std::vector<TColor> hot;
    const TBitmap& cache = *b->SkinData()->CacheBmp;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 60; ++x) hot.push_back(cache.Pixel(x, y));
    hot[0] = kFormColor;  // the corner outside the window
    return hot;
  }()) << "the fade ends on the hot picture";
  // Exposes after the fade leave the hot look, pixel for pixel; the second
  // finds the picture still on screen.
  const std::vector<TColor> hot = Shot(b);
  const uint64_t kept = PaintCounts().PicturesKept;
  for (int i = 0; i < 2; ++i) {
    RedrawWindow(b->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    Flush();
    EXPECT_EQ(Shot(b), hot);
  }
  EXPECT_GE(PaintCounts().PicturesKept, kept + 1);

  // Focused first, so the press is the only change of look.
  b->SetFocus();
  Flush();
  Button(Centre(b), 0, true);
  EXPECT_TRUE(b->Fading());
  RunFor(15);
  EXPECT_EQ(FrameShown(b), Mix(kHotFrame, kPressedFrame, 127)) << "frame 1 of 2";
  RunFor(10);
  EXPECT_EQ(FrameShown(b), Mix(kHotFrame, kPressedFrame, 0)) << "frame 2 of 2 is the pressed look";
  Button(Centre(b), 0, false);
  RunFor(100);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(FrameShown(b), kHotFrame);

  // A button that goes away in the middle of a fade takes the fade along.
  Move({250, 150});
  RunFor(15);
  ASSERT_TRUE(b->Fading());
  TComponent::Free(b);
  RunFor(100);
}

// Switching the skin off shows the framework's button, pixel for pixel,
// with a plain rectangular window; switching it on again brings back the
// skinned picture exactly.
TEST_F(BitBtnTest, SkinOffAndOnAgainRestoresBothLooks) {
  MakeSkin(false);
  ShowForm();
  TsBitBtn* b = MakeButton({20, 20, 100, 50}, "OK");
  auto* reference = new TBitBtn(form);
  reference->SetBounds(150, 20, 80, 30);
  reference->SetCaption("OK");
  reference->SetParent(form);
  Flush();
  const std::vector<TColor> skinned = Shot(b);
  ASSERT_EQ(skinned[static_cast<size_t>(15 * 80 + 40)], kNormalColor);

  manager->SetActive(false);
  Flush();
  EXPECT_FALSE(b->SkinData()->Skinned());
  EXPECT_EQ(GetWindowRgn(b->Handle(), nullptr), 0) << "no shape without the skin";
  EXPECT_EQ(Shot(b), Shot(reference));

  manager->SetActive(true);
  Flush();
  EXPECT_TRUE(b->SkinData()->Skinned());
  EXPECT_EQ(Shot(b), skinned);
  Button(Centre(b), 0, true);
  Button(Centre(b), 0, false);
  Flush();
  EXPECT_EQ(clicks, 1) << "one click with the skin on again";
}

// A section the skin does not have, one without images, and a name of
// 5,000 characters all load from a description and paint: the unknown
// ones as the framework's button, the plain one from its colour.
TEST_F(BitBtnTest, BadSectionNamesLoadAndPaint) {
  MakeSkin(false);
  struct Case {
    std::string section;
    bool skinned;
  } cases[] = {
      {"NO SUCH SECTION", false},
      {"PLAIN", true},
      {std::string(5000, 'W'), false},
      {"", false},  // an empty name is stored as UNKNOWN
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.section.substr(0, 20));
    TForm* f = Application->CreateForm<TForm>();
    TReader("object F: TForm\n  Left = 0\n  Top = 0\n  Width = 200\n  Height = 100\n  BorderStyle = bsNone\n"
            "  Color = clWhite\n"
            "  object B: TsBitBtn\n    Left = 10\n    Top = 10\n    Width = 60\n    Height = 30\n"
            "    Caption = 'Go'\n    SkinData.SkinSection = '" +
                c.section + "'\n  end\nend\n",
            "test")
        .ReadRootComponent(f);
    f->Show();
    Flush();
    auto* b = dynamic_cast<TsBitBtn*>(f->FindComponent("B"));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->SkinData()->Skinned(), c.skinned);
    const TPoint p = b->ClientToScreen({5, 15});
    EXPECT_EQ(ScreenPixel(f, p.X, p.Y), c.skinned ? kNormalColor : ColorToRGB(clBtnFace));
    backend->InjectMouseButton(f->Handle(), p, 0, true);
    backend->InjectMouseButton(f->Handle(), p, 0, false);
    Flush();
    TComponent::Free(f);
  }
}

// A glyph from an image list of two images: the chosen image, drawn
// through its transparent pixels, mixed by Blend while not hot and shown
// plain when hot; without a skin the framework's glyph is built from it
// (the image and its disabled frame); a list that goes away leaves none.
TEST_F(BitBtnTest, ImageListGlyphFollowsTheIndexAndTheLook) {
  MakeSkin(false, false);
  ShowForm();
  auto* list = new TImageList(form);
  list->SetWidth(4);
  list->SetHeight(4);
  TBitmap strip;
  strip.SetSize(8, 4);
  strip.Fill(RGB(200, 0, 0));
  for (int y = 0; y < 4; ++y)
    for (int x = 4; x < 8; ++x) strip.SetPixel(x, y, RGB(0, 0, 200));
  strip.SetPixel(0, 0, clFuchsia);
  strip.SetPixel(4, 0, clFuchsia);
  ASSERT_EQ(list->AddMasked(strip, clFuchsia), 0);

  TsBitBtn* b = MakeButton({20, 20, 80, 50});
  b->SetImages(list);
  b->SetImageIndex(1);
  Flush();
  const TRect g = b->ContentGeometry().GlyphRect;
  ASSERT_EQ(g.Width(), 4);
  EXPECT_EQ(g.Left, (60 - 4) / 2);
  const TBitmap& cache = *b->SkinData()->CacheBmp;
  EXPECT_EQ(cache.Pixel(g.Left + 1, g.Top + 1), RGB(0, 0, 200));
  EXPECT_EQ(cache.Pixel(g.Left, g.Top), kNormalColor) << "transparent pixel";
  b->SetImageIndex(0);
  Flush();
  EXPECT_EQ(cache.Pixel(g.Left + 1, g.Top + 1), RGB(200, 0, 0));

  // 40 % of the background shows through a glyph that is not hot.
  b->SetBlend(40);
  Flush();
  auto blend = [](int s, int d) { return static_cast<int>(std::lround(s - 0.4 * (s - d))); };
  EXPECT_EQ(cache.Pixel(g.Left + 1, g.Top + 1),
            RGB(blend(200, GetRValue(kNormalColor)), blend(0, GetGValue(kNormalColor)),
                blend(0, GetBValue(kNormalColor))));
  Move(Centre(b));
  Flush();
  EXPECT_EQ(cache.Pixel(g.Left + 1, g.Top + 1), RGB(200, 0, 0)) << "hot: plain";

  manager->SetActive(false);
  Flush();
  EXPECT_EQ(b->NumGlyphs(), 2);
  EXPECT_EQ(b->Glyph().Width(), 8);
  EXPECT_EQ(b->Glyph().Pixel(1, 1), RGB(200, 0, 0));
  const TColor face = ColorToRGB(clBtnFace);
  auto half = [](int a, int b) { return static_cast<int>(std::nearbyint(a - 0.5 * (a - b))); };
  EXPECT_EQ(b->Glyph().Pixel(5, 1),
            RGB(half(200, GetRValue(face)), half(0, GetGValue(face)), half(0, GetBValue(face))))
      << "the disabled frame: the image half over the button face";
  manager->SetActive(true);
  Flush();
  EXPECT_TRUE(b->Glyph().Empty()) << "the skin draws the image itself";

  TComponent::Free(list);
  EXPECT_EQ(b->Images(), nullptr);
  Flush();
  EXPECT_EQ(b->ContentGeometry().GlyphRect.Width(), 0) << "no list, no glyph";
}
