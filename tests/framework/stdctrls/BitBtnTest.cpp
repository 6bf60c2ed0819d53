#include "Probe.h"
#include "StdCtrlsTestSupport.h"
#include "framework/stdctrls/Buttons.h"

namespace {

// Two 145 x 60 buttons as in the trainer's button column, and a plain
// focusable control that is not a button.
class BitBtnTest : public ControlsFixture {
 protected:
  void SetUp() override {
    ControlsFixture::SetUp();
    MakeTestForm(400, 300);
    first = MakeButton("first", 20, 20, firstClicks);
    second = MakeButton("second", 20, 100, secondClicks);
    probe = new TProbe(form, form, "probe", Bounds(200, 20, 50, 50), clSilver);
    probe->SetTabStop(true);
    ShowForm();
  }
  TBitBtn* MakeButton(const char* name, int left, int top, int& counter) {
    auto* b = new TBitBtn(form);
    b->SetName(name);
    b->SetBounds(left, top, 145, 60);
    b->Font()->SetName("MS Sans Serif");
    b->Font()->SetHeight(-16);
    b->SetCaption("Заполнить\r\nмассив");
    b->SetParent(form);
    b->OnClick = [&counter](TComponent*) { ++counter; };
    return b;
  }
  TPoint Centre(TControl* c) {
    const TRect r = ScreenRect(c);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  // The face inside the edges and the focus rectangle.
  TRect FaceInterior(TControl* c) { return ScreenRect(c).Inflate(-5, -5); }

  TBitBtn* first = nullptr;
  TBitBtn* second = nullptr;
  TProbe* probe = nullptr;
  int firstClicks = 0, secondClicks = 0;
};

TEST_F(BitBtnTest, ClickNeedsPressAndReleaseInsideWithTheLeftButton) {
  struct Case {
    const char* name;
    TPoint press, release;
    int button;
    bool disabled;
    int clicks;
  };
  const TPoint inside{90, 50}, inside2{30, 75}, outside{300, 250};
  const Case cases[] = {
      {"press and release inside", inside, inside, 0, false, 1},
      {"release elsewhere inside", inside, inside2, 0, false, 1},
      {"release outside", inside, outside, 0, false, 0},
      {"press outside, release inside", outside, inside, 0, false, 0},
      {"right button", inside, inside, 1, false, 0},
      {"disabled", inside, inside, 0, true, 0},
  };
  for (const Case& c : cases) {
    firstClicks = 0;
    first->SetEnabled(!c.disabled);
    backend->Advance(1000);
    Press(c.press, c.button);
    MoveTo(c.release);
    Release(c.release, c.button);
    EXPECT_EQ(firstClicks, c.clicks) << c.name;
    EXPECT_FALSE(first->Pressed()) << c.name;
  }
}

TEST_F(BitBtnTest, QuickSecondPressIsAnotherClick) {
  for (int i = 0; i < 3; ++i) {
    Press({90, 50});
    Release({90, 50});
  }
  EXPECT_EQ(firstClicks, 3);
}

TEST_F(BitBtnTest, PressedLookFollowsTheMouseWhileHeld) {
  Press({90, 50});
  EXPECT_TRUE(first->Pressed());
  EXPECT_TRUE(first->Focused()) << "a click focuses the button";
  MoveTo({300, 250});
  EXPECT_FALSE(first->Pressed()) << "outside while held";
  MoveTo({100, 60});
  EXPECT_TRUE(first->Pressed()) << "back inside";
  Release({100, 60});
  EXPECT_FALSE(first->Pressed());
  EXPECT_EQ(firstClicks, 1);

  Press({90, 50}, 1);
  EXPECT_FALSE(first->Pressed()) << "the right button does not press";
  Release({90, 50}, 1);
}

TEST_F(BitBtnTest, PressedContentMovesOneDownAndRight) {
  const TRect up = InkBox(FaceInterior(first), clBtnFace);
  SendMessage(first->Handle(), BM_SETSTATE, 1);
  Pump();
  EXPECT_EQ(SendMessage(first->Handle(), BM_GETSTATE) & BST_PUSHED, BST_PUSHED);
  const TRect down = InkBox(FaceInterior(first), clBtnFace);
  EXPECT_EQ(down, up.Offset(1, 1));
}

TEST_F(BitBtnTest, SpaceKeyClicksOnReleaseAfterAPress) {
  first->SetFocus();
  Pump();
  KeyDown(VK_SPACE);
  EXPECT_TRUE(first->Pressed());
  EXPECT_EQ(firstClicks, 0) << "nothing before the key comes up";
  KeyUp(VK_SPACE);
  EXPECT_FALSE(first->Pressed());
  EXPECT_EQ(firstClicks, 1);

  // A key-up without its key-down (the space was pressed elsewhere) is no click.
  SendMessage(first->Handle(), WM_KEYUP, VK_SPACE, 1);
  EXPECT_EQ(firstClicks, 1);

  // Losing the focus while the space is held forgets the press.
  KeyDown(VK_SPACE);
  probe->SetFocus();
  Pump();
  EXPECT_FALSE(first->Pressed());
  KeyUp(VK_SPACE);
  EXPECT_EQ(firstClicks, 1);
}

TEST_F(BitBtnTest, EnterClicksTheFocusedButtonOrTheDefaultOne) {
  second->SetDefault(true);
  struct Case {
    const char* name;
    TWinControl* focus;
    int key;
    int first, second;
  };
  const Case cases[] = {
      {"focused button", first, VK_RETURN, 1, 0},
      {"focused default button", second, VK_RETURN, 0, 1},
      {"focus on a control that is not a button", probe, VK_RETURN, 0, 1},
      {"escape without a cancel button", probe, VK_ESCAPE, 0, 0},
  };
  for (const Case& c : cases) {
    firstClicks = secondClicks = 0;
    c.focus->SetFocus();
    Pump();
    PressKey(c.key);
    EXPECT_EQ(firstClicks, c.first) << c.name;
    EXPECT_EQ(secondClicks, c.second) << c.name;
  }

  first->SetCancel(true);
  firstClicks = secondClicks = 0;
  PressKey(VK_ESCAPE);
  EXPECT_EQ(firstClicks, 1) << "escape clicks the cancel button";
  EXPECT_EQ(secondClicks, 0);

  second->SetEnabled(false);
  firstClicks = secondClicks = 0;
  PressKey(VK_RETURN);
  EXPECT_EQ(secondClicks, 0) << "a disabled default button does not click";
}

TEST_F(BitBtnTest, DialogCodeAndButtonMessages) {
  second->SetDefault(true);
  probe->SetFocus();
  Pump();
  EXPECT_EQ(SendMessage(first->Handle(), WM_GETDLGCODE), LRESULT{DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON});
  EXPECT_EQ(SendMessage(second->Handle(), WM_GETDLGCODE), LRESULT{DLGC_BUTTON | DLGC_DEFPUSHBUTTON});
  first->SetFocus();
  Pump();
  EXPECT_TRUE(first->Active());
  EXPECT_FALSE(second->Active()) << "the focused button takes over Enter";
  EXPECT_EQ(SendMessage(second->Handle(), WM_GETDLGCODE), LRESULT{DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON});

  SendMessage(first->Handle(), BM_CLICK);
  EXPECT_EQ(firstClicks, 1);
  first->SetEnabled(false);
  SendMessage(first->Handle(), BM_CLICK);
  EXPECT_EQ(firstClicks, 1) << "a disabled button ignores BM_CLICK";
}

TEST_F(BitBtnTest, TwoLineCaptionIsCentred) {
  // Line 1 carries the capital's height, line 2 has no descenders, so the
  // ink is as high as the text block less the internal leading and descent.
  const TRect face = FaceInterior(first);
  const TRect ink = InkBox(face, clBtnFace);
  const TRect button = ScreenRect(first);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_NEAR(ink.Left - button.Left, button.Right - ink.Right, 1);
  EXPECT_NEAR(ink.Top - button.Top, button.Bottom - ink.Bottom, 1);
  // Two lines: a gap without ink between them.
  const int midRow = (ink.Top + ink.Bottom) / 2;
  EXPECT_EQ(InkBox({face.Left, midRow, face.Right, midRow + 1}, clBtnFace), TRect{}) << "between the lines";
}

TEST_F(BitBtnTest, CaptionBlockFollowsTheLayoutFormula) {
  // The trainer's caption, with its trailing blank on the first line.
  first->SetCaption("Заполнить \r\nмассив");
  Pump();
  const TSize block = first->TextBlockSize(145);
  EXPECT_EQ(block.cy, 2 * FontMetrics(first->Font()->LogFont()).Height);
  const TButtonGeometry g = first->CalcLayout(first->ClientRect());
  EXPECT_EQ(g.TextRect, Bounds((145 - block.cx) / 2, (60 - block.cy + 1) / 2, block.cx, block.cy));
  const TRect drawn = InkBox(FaceInterior(first), clBtnFace).Offset(-first->Left(), -first->Top());
  EXPECT_TRUE(g.TextRect.Contains(drawn)) << "the ink lies within the block";
  // The second line is centred in the block on its own.
  const int line2 = g.TextRect.Top + block.cy / 2;
  const TRect ink2 = InkBox({first->Left() + 5, first->Top() + line2, first->Left() + 140, first->Top() + g.TextRect.Bottom},
                            clBtnFace)
                         .Offset(-first->Left(), 0);
  EXPECT_NEAR(ink2.Left - g.TextRect.Left, g.TextRect.Right - ink2.Right, 2);
}

TEST_F(BitBtnTest, DisabledCaptionIsEmbossed) {
  const TRect face = FaceInterior(first);
  EXPECT_EQ(CountPixels(face, clBtnHighlight), 0);
  first->SetEnabled(false);
  Pump();
  EXPECT_GT(CountPixels(face, clBtnHighlight), 10) << "the light copy under the text";
  EXPECT_GT(CountPixels(face, clBtnShadow), 10) << "the grey text";
  EXPECT_EQ(CountPixels(face, clBlack), 0) << "no text in the normal colour";
}

TEST_F(BitBtnTest, ActiveButtonHasADarkFrameAndFocusRectangle) {
  probe->SetFocus();
  Pump();
  EXPECT_NE(PixelOf(first, 0, 0), ColorToRGB(clWindowFrame));
  second->SetDefault(true);
  Pump();
  EXPECT_EQ(PixelOf(second, 0, 0), ColorToRGB(clWindowFrame)) << "the default button while a non-button has focus";
  EXPECT_EQ(PixelOf(second, 144, 59), ColorToRGB(clWindowFrame));
  const TRect focusLine = Bounds(first->Left() + 4, first->Top() + 4, 137, 1);
  EXPECT_EQ(CountPixels(focusLine, clBtnFace), 137) << "no focus rectangle";
  first->SetFocus();
  Pump();
  EXPECT_EQ(PixelOf(first, 0, 0), ColorToRGB(clWindowFrame));
  EXPECT_NE(PixelOf(second, 0, 0), ColorToRGB(clWindowFrame)) << "the default gives way to the focused button";
  EXPECT_LT(CountPixels(focusLine, clBtnFace), 137) << "dotted focus rectangle";
}

// A glyph strip: frame 0 red, frame 1 blue, each with a white corner pixel
// at the bottom left that is the transparent colour.
void MakeStrip(TBitmap& strip, int frames) {
  strip.SetSize(16 * frames, 16);
  for (int f = 0; f < frames; ++f)
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) strip.SetPixel(16 * f + x, y, f == 0 ? clRed : clBlue);
  for (int f = 0; f < frames; ++f) strip.SetPixel(16 * f, 15, clWhite);
  strip.SetPixel(0, 15, clWhite);
}

TEST_F(BitBtnTest, GlyphFramesFollowTheState) {
  TBitmap strip;
  MakeStrip(strip, 2);
  first->SetCaption("OK");
  first->SetGlyph(strip);
  EXPECT_EQ(first->NumGlyphs(), 2) << "a 32 x 16 strip holds two frames";
  EXPECT_EQ(first->GlyphSize(), (TSize{16, 16}));
  Pump();
  const TRect glyph = first->CalcLayout(first->ClientRect()).GlyphRect;
  EXPECT_EQ(PixelOf(first, glyph.Left + 8, glyph.Top + 8), clRed);
  EXPECT_EQ(PixelOf(first, glyph.Left, glyph.Bottom - 1), ColorToRGB(clBtnFace)) << "transparent corner";
  first->SetEnabled(false);
  Pump();
  EXPECT_EQ(PixelOf(first, glyph.Left + 8, glyph.Top + 8), clBlue) << "the disabled frame";

  MakeStrip(strip, 1);
  first->SetGlyph(strip);
  EXPECT_EQ(first->NumGlyphs(), 1);
  Pump();
  EXPECT_EQ(PixelOf(first, glyph.Left + 8, glyph.Top + 8), ColorToRGB(clBtnShadow)) << "embossed up frame";
}

TEST_F(BitBtnTest, GlyphAndCaptionLayouts) {
  TBitmap strip;
  MakeStrip(strip, 1);
  first->SetGlyph(strip);
  first->SetCaption("OK");
  const TRect client = first->ClientRect();
  const TSize text = first->TextBlockSize(145);

  first->SetLayout(TButtonLayout::blGlyphLeft);
  TButtonGeometry g = first->CalcLayout(client);
  EXPECT_EQ(g.TextRect.Left - g.GlyphRect.Right, 4) << "Spacing between glyph and caption";
  EXPECT_NEAR(g.GlyphRect.Left, 145 - g.TextRect.Right, 1) << "the block is centred";
  EXPECT_EQ(g.TextRect.Width(), text.cx);

  first->SetLayout(TButtonLayout::blGlyphTop);
  g = first->CalcLayout(client);
  EXPECT_EQ(g.TextRect.Top - g.GlyphRect.Bottom, 4);
  EXPECT_NEAR(g.GlyphRect.Top, 60 - g.TextRect.Bottom, 1);
  EXPECT_NEAR(g.GlyphRect.Left, 145 - g.GlyphRect.Right, 1);

  first->SetLayout(TButtonLayout::blGlyphRight);
  first->SetMargin(5);
  g = first->CalcLayout(client);
  EXPECT_EQ(g.GlyphRect.Right, 140) << "Margin from the glyph's edge";
  EXPECT_EQ(g.GlyphRect.Left - g.TextRect.Right, 4);

  first->SetLayout(TButtonLayout::blGlyphBottom);
  first->SetSpacing(-1);
  g = first->CalcLayout(client);
  EXPECT_EQ(g.GlyphRect.Bottom, 55);
  EXPECT_NEAR(g.TextRect.Top, g.GlyphRect.Top - g.TextRect.Bottom, 1) << "caption centred in what is left";
}

}  // namespace
