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
