#include "StdCtrlsTestSupport.h"
#include "framework/stdctrls/ExtCtrls.h"

namespace {

// The trainer's order selector: 161 x 81 at (16, 10), two items, font -13.
class RadioGroupTest : public ControlsFixture {
 protected:
  void SetUp() override {
    ControlsFixture::SetUp();
    MakeTestForm(400, 300);
    group = new TRadioGroup(form);
    group->SetBounds(16, 10, 161, 81);
    group->Font()->SetHeight(-13);
    group->SetCaption("Упорядочение по ...");
    group->SetParent(form);
    group->Items()->Add("возрастанию");
    group->Items()->Add("убыванию");
    group->OnClick = [this](TComponent*) { ++clicks; };
    ShowForm();
  }
  int CaptionHeight() { return std::max(4, TextExtent(group->Font()->LogFont(), "W").cy) + 2; }
  void ClickItem(int i) {
    const TRect r = ScreenRect(group->Buttons(i));
    const TPoint p{r.Left + 6, (r.Top + r.Bottom) / 2};
    backend->Advance(1000);
    Press(p);
    Release(p);
  }

  TRadioGroup* group = nullptr;
  int clicks = 0;
};

TEST_F(RadioGroupTest, ItemIndexAndColumnsAreClamped) {
  struct Case {
    int set, expected;
  };
  for (const Case c : {Case{5, 1}, Case{-3, -1}, Case{0, 0}, Case{1, 1}, Case{2, 1}, Case{-1, -1}}) {
    group->SetItemIndex(c.set);
    EXPECT_EQ(group->ItemIndex(), c.expected) << "ItemIndex " << c.set;
  }
  for (const Case c : {Case{0, 1}, Case{40, 16}, Case{-2, 1}, Case{3, 3}, Case{16, 16}}) {
    group->SetColumns(c.set);
    EXPECT_EQ(group->Columns(), c.expected) << "Columns " << c.set;
  }
  EXPECT_EQ(clicks, 0);
}

TEST_F(RadioGroupTest, TwoItemsInOneColumn) {
  ASSERT_EQ(group->ButtonCount(), 2);
  const int ch = CaptionHeight();
  const int ih = (81 - ch - 5) / 2;
  EXPECT_EQ(group->Buttons(0)->BoundsRect(), Bounds(8, ch + 2, 151, ih));
  EXPECT_EQ(group->Buttons(1)->BoundsRect(), Bounds(8, ch + 2 + ih, 151, ih));
  EXPECT_TRUE(group->Buttons(0)->Visible());
  EXPECT_EQ(group->Buttons(1)->Caption(), "убыванию");
}

TEST_F(RadioGroupTest, ThreeItemsInTwoColumnsFillTheFirstColumnFirst) {
  group->Items()->Add("третий");
  group->SetColumns(2);
  const int ch = CaptionHeight();
  const int w = (161 - 10) / 2, ih = (81 - ch - 5) / 2;
  EXPECT_EQ(group->Buttons(0)->BoundsRect(), Bounds(8, ch + 2, w, ih));
  EXPECT_EQ(group->Buttons(1)->BoundsRect(), Bounds(8, ch + 2 + ih, w, ih));
  EXPECT_EQ(group->Buttons(2)->BoundsRect(), Bounds(8 + w, ch + 2, w, ih));
}

TEST_F(RadioGroupTest, ResizeAndFontChangeRearrange) {
  group->SetBounds(16, 10, 211, 121);
  int ch = CaptionHeight();
  EXPECT_EQ(group->Buttons(1)->BoundsRect(), Bounds(8, ch + 2 + (121 - ch - 5) / 2, 201, (121 - ch - 5) / 2));
  group->Font()->SetHeight(-30);
  ch = CaptionHeight();
  EXPECT_EQ(group->Buttons(0)->Top(), ch + 2);
  EXPECT_EQ(group->Buttons(0)->Font()->Height(), -30) << "items take the group's font";
}

TEST_F(RadioGroupTest, UserClickSelectsAndFiresOnClickOnce) {
  ClickItem(1);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_TRUE(group->Buttons(1)->Checked());
  EXPECT_EQ(clicks, 1);
  ClickItem(1);
  EXPECT_EQ(clicks, 1) << "the chosen item again changes nothing";
  ClickItem(0);
  EXPECT_EQ(group->ItemIndex(), 0);
  EXPECT_FALSE(group->Buttons(1)->Checked());
  EXPECT_EQ(clicks, 2);
}

TEST_F(RadioGroupTest, ItemIndexInCodeChecksWithoutOnClick) {
  group->SetItemIndex(1);
  EXPECT_TRUE(group->Buttons(1)->Checked());
  EXPECT_FALSE(group->Buttons(0)->Checked());
  group->SetItemIndex(0);
  EXPECT_TRUE(group->Buttons(0)->Checked());
  EXPECT_FALSE(group->Buttons(1)->Checked());
  EXPECT_EQ(clicks, 0);
}

TEST_F(RadioGroupTest, ItemsStoredWhileLoadingAreBuiltOnceLoadedWithoutOnClick) {
  auto* loaded = new TRadioGroup(form);
  int loadedClicks = 0;
  loaded->OnClick = [&](TComponent*) { ++loadedClicks; };
  loaded->SetLoadingState(true);
  loaded->SetItemIndex(1);  // stored before the items, as a description may
  loaded->Items()->Add("a");
  loaded->Items()->Add("b");
  loaded->SetParent(form);
  EXPECT_EQ(loaded->ButtonCount(), 0) << "nothing is built while loading";
  loaded->Loaded();
  ASSERT_EQ(loaded->ButtonCount(), 2);
  EXPECT_EQ(loaded->ItemIndex(), 1);
  EXPECT_TRUE(loaded->Buttons(1)->Checked());
  EXPECT_EQ(loadedClicks, 0);
}

TEST_F(RadioGroupTest, ItemChangesRebuildTheButtons) {
  group->SetItemIndex(1);
  group->Items()->Add("c");
  EXPECT_EQ(group->ButtonCount(), 3);
  EXPECT_EQ(group->ItemIndex(), 1);
  group->Items()->Delete(2);
  group->Items()->Delete(1);
  EXPECT_EQ(group->ButtonCount(), 1);
  EXPECT_EQ(group->ItemIndex(), 0) << "the index follows the shorter list";
  group->Items()->Clear();
  EXPECT_EQ(group->ButtonCount(), 0);
  EXPECT_EQ(group->ItemIndex(), -1);
}

TEST_F(RadioGroupTest, ArrowKeysMoveTheSelection) {
  ClickItem(0);
  clicks = 0;
  ASSERT_TRUE(group->Buttons(0)->Focused());
  struct Step {
    int key, index;
  };
  // Down and right go forward, up and left back; the ends wrap around.
  for (const Step s : {Step{VK_DOWN, 1}, Step{VK_DOWN, 0}, Step{VK_UP, 1}, Step{VK_LEFT, 0}, Step{VK_RIGHT, 1}}) {
    PressKey(s.key);
    EXPECT_EQ(group->ItemIndex(), s.index);
    EXPECT_TRUE(group->Buttons(s.index)->Focused());
  }
  EXPECT_EQ(clicks, 5);
}

TEST_F(RadioGroupTest, SpaceChecksTheFocusedItem) {
  group->Buttons(1)->SetFocus();
  Pump();
  EXPECT_EQ(group->ItemIndex(), -1) << "focus alone does not check";
  KeyDown(VK_SPACE);
  EXPECT_EQ(group->ItemIndex(), -1);
  KeyUp(VK_SPACE);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
}

TEST_F(RadioGroupTest, OnlyTheCheckedItemIsATabStop) {
  EXPECT_TRUE(group->Buttons(0)->TabStop()) << "the first one while none is checked";
  EXPECT_FALSE(group->Buttons(1)->TabStop());
  group->SetItemIndex(1);
  EXPECT_FALSE(group->Buttons(0)->TabStop());
  EXPECT_TRUE(group->Buttons(1)->TabStop());
}

TEST_F(RadioGroupTest, DisablingTheGroupDisablesItsItems) {
  group->SetEnabled(false);
  EXPECT_FALSE(group->Buttons(0)->Enabled());
  ClickItem(1);
  EXPECT_EQ(group->ItemIndex(), -1);
  group->SetEnabled(true);
  EXPECT_TRUE(group->Buttons(1)->Enabled());
}

TEST_F(RadioGroupTest, CheckedCircleIsDrawn) {
  // The dot in the middle of the circle is drawn in the window text colour.
  const TRect glyph = group->Buttons(0)->GlyphRect();
  const TPoint centre{(glyph.Left + glyph.Right) / 2, (glyph.Top + glyph.Bottom) / 2};
  EXPECT_EQ(PixelOf(group->Buttons(0), centre.X, centre.Y), ColorToRGB(clWindow));
  group->SetItemIndex(0);
  Pump();
  EXPECT_EQ(PixelOf(group->Buttons(0), centre.X, centre.Y), ColorToRGB(clWindowText));
}

class RadioButtonTest : public ControlsFixture {};

TEST_F(RadioButtonTest, SiblingsUncheckEachOtherAndAnswerButtonMessages) {
  MakeTestForm();
  auto* a = new TRadioButton(form);
  auto* b = new TRadioButton(form);
  a->SetBounds(10, 10, 100, 17);
  b->SetBounds(10, 30, 100, 17);
  a->SetParent(form);
  b->SetParent(form);
  ShowForm();
  int aClicks = 0;
  a->OnClick = [&](TComponent*) { ++aClicks; };
  a->SetChecked(true);
  EXPECT_EQ(aClicks, 0) << "Checked in code fires nothing";
  EXPECT_TRUE(a->TabStop());
  EXPECT_FALSE(b->TabStop());
  SendMessage(b->Handle(), BM_SETCHECK, BST_CHECKED);
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
  EXPECT_EQ(SendMessage(a->Handle(), BM_GETCHECK), LRESULT{BST_UNCHECKED});
  EXPECT_EQ(SendMessage(b->Handle(), BM_GETCHECK), LRESULT{BST_CHECKED});
  SendMessage(a->Handle(), BM_CLICK);
  EXPECT_TRUE(a->Checked());
  EXPECT_FALSE(b->Checked());
  EXPECT_EQ(aClicks, 1) << "a click is the user's choice";
}

TEST_F(RadioButtonTest, CaptionSideFollowsAlignment) {
  MakeTestForm();
  auto* r = new TRadioButton(form);
  r->SetBounds(10, 10, 120, 20);
  EXPECT_EQ(r->GlyphRect().Left, 0);
  EXPECT_GE(r->TextRect().Left, r->GlyphRect().Right) << "caption right of the circle by default";
  r->SetAlignment(TAlignment::taLeftJustify);
  EXPECT_EQ(r->GlyphRect().Right, 120);
  EXPECT_LE(r->TextRect().Right, r->GlyphRect().Left);
}

}  // namespace
