#include <functional>
#include <iterator>
#include <utility>

#include "StdCtrlsTestSupport.h"
#include "framework/stdctrls/StdCtrls.h"

namespace {

// A 100 x 60 cell at (20, 20) of a white form, set up as the trainer's
// number cells are: centred caption, no automatic sizing, thin border.
class StaticTextTest : public ControlsFixture {
 protected:
  void SetUp() override {
    ControlsFixture::SetUp();
    MakeTestForm();
    text = new TStaticText(form);
    text->SetAutoSize(false);
    text->SetBounds(20, 20, 100, 60);
    text->SetAlignment(TAlignment::taCenter);
    text->SetBorderStyle(TStaticBorderStyle::sbsSingle);
    text->Font()->SetName("Arial");
    text->Font()->SetHeight(-24);
    text->SetCaption("12");
    text->SetParent(form);
    text->OnClick = [this](TComponent* sender) {
      EXPECT_EQ(sender, text);
      ++clicks;
    };
    ShowForm();
  }

  TStaticText* text = nullptr;
  int clicks = 0;
};

TEST_F(StaticTextTest, ClickNeedsPressAndReleaseInsideWithTheLeftButton) {
  struct Case {
    const char* name;
    TPoint press, release;
    int button;
    bool disabled;
    int clicks;
  };
  const TPoint inside{60, 50}, inside2{25, 75}, outside{200, 150};
  const Case cases[] = {
      {"press and release inside", inside, inside, 0, false, 1},
      {"release elsewhere inside", inside, inside2, 0, false, 1},
      {"release outside", inside, outside, 0, false, 0},
      {"press outside, release inside", outside, inside, 0, false, 0},
      {"right button", inside, inside, 1, false, 0},
      {"middle button", inside, inside, 2, false, 0},
      {"disabled", inside, inside, 0, true, 0},
  };
  for (const Case& c : cases) {
    clicks = 0;
    text->SetEnabled(!c.disabled);
    backend->Advance(1000);  // each case starts fresh, far from the last press
    Press(c.press, c.button);
    MoveTo(c.release);
    Release(c.release, c.button);
    EXPECT_EQ(clicks, c.clicks) << c.name;
  }
}

TEST_F(StaticTextTest, FastRepeatedClicksAllCount) {
  // Quick presses on the same spot must not turn into double clicks that
  // swallow every second click: the trainer's cells are clicked fast.
  for (int i = 0; i < 6; ++i) {
    Press({60, 50});
    Release({60, 50});
    backend->Advance(30);
  }
  EXPECT_EQ(clicks, 6);
}

TEST_F(StaticTextTest, TakesNoFocus) {
  const HWND before = GetFocus();
  Press({60, 50});
  Release({60, 50});
  EXPECT_NE(GetFocus(), text->Handle());
  EXPECT_EQ(GetFocus(), before);
  EXPECT_FALSE(text->TabStop());
}

TEST_F(StaticTextTest, ColourChangeRepaints) {
  // The cell's corner inside the border shows its colour.
  EXPECT_EQ(PixelOf(text, 2, 2), ColorToRGB(clBtnFace));
  text->SetColor(clYellow);
  Pump();
  EXPECT_EQ(PixelOf(text, 2, 2), clYellow);
  EXPECT_EQ(PixelOf(text, 97, 57), clYellow);
  text->SetColor(clAqua);
  Pump();
  EXPECT_EQ(PixelOf(text, 2, 2), clAqua);
}

TEST_F(StaticTextTest, BorderStyles) {
  struct Case {
    TStaticBorderStyle style;
    TColor topLeft, bottomRight, inside;
  };
  const Case cases[] = {
      {TStaticBorderStyle::sbsNone, clBtnFace, clBtnFace, clBtnFace},
      {TStaticBorderStyle::sbsSingle, clWindowFrame, clWindowFrame, clBtnFace},
      {TStaticBorderStyle::sbsSunken, clBtnShadow, clBtnHighlight, clBtnFace},
  };
  text->SetCaption("");
  for (const Case& c : cases) {
    text->SetBorderStyle(c.style);
    Pump();
    EXPECT_EQ(PixelOf(text, 0, 0), ColorToRGB(c.topLeft)) << static_cast<int>(c.style);
    EXPECT_EQ(PixelOf(text, 99, 59), ColorToRGB(c.bottomRight)) << static_cast<int>(c.style);
    EXPECT_EQ(PixelOf(text, 1, 1), ColorToRGB(c.inside)) << static_cast<int>(c.style);
    EXPECT_EQ(text->BorderSize(), c.style == TStaticBorderStyle::sbsNone ? 0 : 1);
  }
}

TEST_F(StaticTextTest, CaptionIsCentredAndTallTextIsClippedInsideTheBorder) {
  const TRect inner = ScreenRect(text).Inflate(-1, -1);
  const TRect ink = InkBox(inner, clBtnFace);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_NEAR(ink.Left - inner.Left, inner.Right - ink.Right, 1) << "centred horizontally";

  // Digits far taller than the cell, as on a wide screen.
  text->Font()->SetHeight(200);
  Pump();
  const TRect cell = ScreenRect(text);
  for (int x = cell.Left; x < cell.Right; ++x) {
    EXPECT_EQ(Pixel(x, cell.Top), ColorToRGB(clWindowFrame)) << "top border at " << x;
    EXPECT_EQ(Pixel(x, cell.Bottom - 1), ColorToRGB(clWindowFrame)) << "bottom border at " << x;
    EXPECT_EQ(Pixel(x, cell.Bottom), clWhite) << "nothing below the cell at " << x;
    EXPECT_EQ(Pixel(x, cell.Top - 1), clWhite) << "nothing above the cell at " << x;
  }
}

TEST_F(StaticTextTest, AutoSizeFitsTheCaptionAndKeepsTheAlignedEdge) {
  text->SetAutoSize(true);
  const TSize ext = TextExtent(text->Font()->LogFont(), "12");
  EXPECT_EQ(text->Width(), ext.cx + 2);
  EXPECT_EQ(text->Height(), ext.cy + 2);

  text->SetAlignment(TAlignment::taRightJustify);
  const int right = text->Left() + text->Width();
  text->SetCaption("123456");
  EXPECT_EQ(text->Left() + text->Width(), right);
  EXPECT_EQ(text->Width(), TextExtent(text->Font()->LogFont(), "123456").cx + 2);

  text->SetAutoSize(false);
  text->SetCaption("1");
  EXPECT_EQ(text->Width(), TextExtent(text->Font()->LogFont(), "123456").cx + 2) << "fixed size without AutoSize";
}

// The cell keeps a picture of its look and copies it when repainted with
// nothing changed. After each change of look, a repaint of the whole form
// must show what a new cell with the same settings draws, and must not draw
// the text again.
TEST_F(StaticTextTest, KeptPictureFollowsEveryChangeOfLook) {
  using TSetter = std::function<void(TStaticText*)>;
  const std::pair<const char*, TSetter> changes[] = {
      {"caption", [](TStaticText* t) { t->SetCaption("47"); }},
      {"colour", [](TStaticText* t) { t->SetColor(clYellow); }},
      {"font colour", [](TStaticText* t) { t->Font()->SetColor(clRed); }},
      {"font height", [](TStaticText* t) { t->Font()->SetHeight(-30); }},
      {"font style", [](TStaticText* t) { t->Font()->SetStyle({fsBold}); }},
      {"size", [](TStaticText* t) { t->SetBounds(t->Left(), t->Top(), 80, 50); }},
      {"alignment", [](TStaticText* t) { t->SetAlignment(TAlignment::taRightJustify); }},
      {"border", [](TStaticText* t) { t->SetBorderStyle(TStaticBorderStyle::sbsSunken); }},
      {"disabled", [](TStaticText* t) { t->SetEnabled(false); }},
  };
  for (size_t k = 0; k < std::size(changes); ++k) {
    SCOPED_TRACE(changes[k].first);
    changes[k].second(text);
    Pump();
    const uint64_t builds = text->PictureBuilds();
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    EXPECT_EQ(text->PictureBuilds(), builds) << "a repaint with nothing changed copies the picture";

    // A cell that never painted before, with every change so far.
    auto* fresh = new TStaticText(form);
    fresh->SetVisible(false);
    fresh->SetAutoSize(false);
    fresh->SetBounds(0, 0, 100, 60);
    fresh->SetAlignment(TAlignment::taCenter);
    fresh->SetBorderStyle(TStaticBorderStyle::sbsSingle);
    fresh->Font()->SetName("Arial");
    fresh->Font()->SetHeight(-24);
    fresh->SetCaption("12");
    fresh->SetParent(form);
    for (size_t j = 0; j <= k; ++j) changes[j].second(fresh);
    TBitmap expected(fresh->Width(), fresh->Height());
    TDeviceContext dc(&expected);
    fresh->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(&dc), PRF_CLIENT);
    ASSERT_EQ(fresh->Width(), text->Width());
    int differing = 0;
    for (int y = 0; y < text->Height(); ++y)
      for (int x = 0; x < text->Width(); ++x) differing += PixelOf(text, x, y) != expected.Pixel(x, y);
    EXPECT_EQ(differing, 0);
    delete fresh;
    Pump();
  }
}

TEST_F(StaticTextTest, TransparentShowsTheParentBehindTheText) {
  text->SetBorderStyle(TStaticBorderStyle::sbsNone);
  text->SetTransparent(true);
  Pump();
  EXPECT_EQ(PixelOf(text, 1, 1), clWhite) << "the form's white instead of the cell colour";
  EXPECT_FALSE(InkBox(ScreenRect(text), clWhite).IsEmpty()) << "the caption is still drawn";
}

}  // namespace
