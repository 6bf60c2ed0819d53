#include "StdCtrlsTestSupport.h"
#include "framework/stdctrls/ExtCtrls.h"

namespace {

// A 200 x 80 panel at (20, 20) of a white form.
class PanelTest : public ControlsFixture {
 protected:
  void SetUp() override {
    ControlsFixture::SetUp();
    MakeTestForm();
    panel = new TPanel(form);
    panel->SetBounds(20, 20, 200, 80);
    panel->SetParent(form);
    ShowForm();
  }
  TPanel* panel = nullptr;
};

TEST_F(PanelTest, BevelsAndBorder) {
  struct Case {
    const char* name;
    TBevelCut outer, inner;
    int bevelWidth, borderWidth;
    TBorderStyle border;
    // Colours along the diagonal from the top-left corner, and at the
    // bottom-right corner.
    std::vector<TColor> diagonal;
    TColor bottomRight;
  };
  const Case cases[] = {
      {"raised", TBevelCut::bvRaised, TBevelCut::bvNone, 1, 0, TBorderStyle::bsNone,
       {clBtnHighlight, clBtnFace}, clBtnShadow},
      {"lowered", TBevelCut::bvLowered, TBevelCut::bvNone, 1, 0, TBorderStyle::bsNone,
       {clBtnShadow, clBtnFace}, clBtnHighlight},
      {"wide raised", TBevelCut::bvRaised, TBevelCut::bvNone, 2, 0, TBorderStyle::bsNone,
       {clBtnHighlight, clBtnHighlight, clBtnFace}, clBtnShadow},
      {"raised outside, lowered inside a border band", TBevelCut::bvRaised, TBevelCut::bvLowered, 1, 2,
       TBorderStyle::bsNone, {clBtnHighlight, clBtnFace, clBtnFace, clBtnShadow, clBtnFace}, clBtnShadow},
      {"single border", TBevelCut::bvRaised, TBevelCut::bvNone, 1, 0, TBorderStyle::bsSingle,
       {clWindowFrame, clBtnHighlight, clBtnFace}, clWindowFrame},
      {"flat", TBevelCut::bvNone, TBevelCut::bvNone, 1, 0, TBorderStyle::bsNone, {clBtnFace}, clBtnFace},
  };
  for (const Case& c : cases) {
    panel->SetBevelOuter(c.outer);
    panel->SetBevelInner(c.inner);
    panel->SetBevelWidth(c.bevelWidth);
    panel->SetBorderWidth(c.borderWidth);
    panel->SetBorderStyle(c.border);
    Pump();
    for (size_t i = 0; i < c.diagonal.size(); ++i) {
      const int d = static_cast<int>(i);
      EXPECT_EQ(PixelOf(panel, d, d), ColorToRGB(c.diagonal[i])) << c.name << " at " << d;
    }
    EXPECT_EQ(PixelOf(panel, 199, 79), ColorToRGB(c.bottomRight)) << c.name;
  }
}

TEST_F(PanelTest, ChildrenAlignInsideTheBevels) {
  auto* child = new TPanel(form);
  child->SetAlign(TAlign::alClient);
  child->SetParent(panel);
  EXPECT_EQ(child->BoundsRect(), TRect(1, 1, 199, 79));
  panel->SetBorderWidth(3);
  panel->SetBevelInner(TBevelCut::bvLowered);
  EXPECT_EQ(child->BoundsRect(), TRect(5, 5, 195, 75)) << "outer bevel, border band, inner bevel";
  EXPECT_EQ(panel->InteriorRect(), TRect(5, 5, 195, 75));
}

TEST_F(PanelTest, CaptionIsOneLineCentredVertically) {
  panel->SetCaption("Панель");
  Pump();
  const TRect inner = ScreenRect(panel).Inflate(-1, -1);
  const TRect ink = InkBox(inner, clBtnFace);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_NEAR(ink.Left - inner.Left, inner.Right - ink.Right, 1) << "centred by default";
  // The ink lies in the line cell centred in the panel.
  const int h = TextExtent(panel->Font()->LogFont(), "W").cy;
  const int top = inner.Top + (inner.Height() - h) / 2;
  EXPECT_GE(ink.Top, top);
  EXPECT_LE(ink.Bottom, top + h);

  panel->SetAlignment(TAlignment::taLeftJustify);
  Pump();
  EXPECT_LE(InkBox(inner, clBtnFace).Left - inner.Left, 2) << "left aligned";
  panel->SetAlignment(TAlignment::taRightJustify);
  Pump();
  EXPECT_LE(inner.Right - InkBox(inner, clBtnFace).Right, 2) << "right aligned";
}

TEST_F(PanelTest, ColourChangeRepaints) {
  panel->SetColor(clYellow);
  Pump();
  EXPECT_EQ(PixelOf(panel, 100, 40), clYellow);
  EXPECT_EQ(PixelOf(panel, 0, 0), ColorToRGB(clBtnHighlight)) << "the bevel keeps its colours";
}

}  // namespace
