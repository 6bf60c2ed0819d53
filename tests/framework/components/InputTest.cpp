#include "FrameworkFixture.h"
#include "Probe.h"
#include "framework/components/Input.h"

namespace {

class TLabelProbe : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  int clicks = 0;
  void Click() override { ++clicks; }
};

// A (0..100) and B (100..200) side by side on a 200 x 200 form; P below
// them holds a disabled child D.
class InputTest : public FrameworkFixture {
 protected:
  void SetUp() override {
    FrameworkFixture::SetUp();
    form = MakeForm(200, 200);
    a = new TProbe(form, form, "A", Bounds(0, 0, 100, 100), clBlue);
    b = new TProbe(form, form, "B", Bounds(100, 0, 100, 100), clLime);
    p = new TProbe(form, form, "P", Bounds(0, 100, 200, 100), clGray);
    d = new TProbe(form, p, "D", Bounds(10, 10, 50, 50), clRed);
    a->SetTabStop(true);
    b->SetTabStop(true);
    d->SetTabStop(true);
    d->SetEnabled(false);
    a->OnClick = [this](TComponent*) { ++aClicks; };
    form->Show();
    Pump();
  }
  void Move(int x, int y) {
    backend->InjectMouseMove(form->Handle(), {x, y});
    Pump();
  }
  void Button(int x, int y, bool down) {
    backend->InjectMouseButton(form->Handle(), {x, y}, 0, down);
    Pump();
  }

  TForm* form = nullptr;
  TProbe *a = nullptr, *b = nullptr, *p = nullptr, *d = nullptr;
  int aClicks = 0;
};

TEST_F(InputTest, EnterAndLeaveFollowTheMouse) {
  Move(50, 50);
  EXPECT_EQ(a->Count(CM_MOUSEENTER), 1);
  EXPECT_EQ(InputMouseControl(), a);
  Move(60, 50);
  EXPECT_EQ(a->Count(CM_MOUSEENTER), 1) << "moving inside does not enter again";
  Move(150, 50);
  EXPECT_EQ(a->Count(CM_MOUSELEAVE), 1);
  EXPECT_EQ(b->Count(CM_MOUSEENTER), 1);
  Move(30, 130);
  EXPECT_EQ(d->Count(CM_MOUSEENTER), 1) << "a disabled control is still told the mouse is over it";
}

TEST_F(InputTest, CaptureKeepsTheMouseWithThePressedControl) {
  Button(50, 50, true);
  Move(150, 50);
  EXPECT_EQ(b->Count(CM_MOUSEENTER), 1) << "enter and leave are tracked while the button is held";
  EXPECT_EQ(b->Count(WM_MOUSEMOVE), 0);
  EXPECT_GE(a->Count(WM_MOUSEMOVE), 1);
  Button(150, 50, false);
  EXPECT_EQ(a->Count(WM_LBUTTONUP), 1);
  EXPECT_EQ(b->Count(WM_LBUTTONUP), 0);
  EXPECT_EQ(aClicks, 0) << "released outside: no click";
  EXPECT_EQ(GetCapture(), 0u);

  backend->Advance(1000);  // not a double click
  Button(50, 50, true);
  Button(50, 50, false);
  EXPECT_EQ(aClicks, 1);
}

TEST_F(InputTest, DisabledWindowPassesTheMouseToItsParent) {
  Button(30, 130, true);
  Button(30, 130, false);
  EXPECT_EQ(d->Count(WM_LBUTTONDOWN), 0);
  EXPECT_EQ(p->Count(WM_LBUTTONDOWN), 1);
}

TEST_F(InputTest, FocusStartsOnTheFirstTabStopAndTabCycles) {
  EXPECT_TRUE(a->Focused());
  PressKey(VK_TAB);
  EXPECT_TRUE(b->Focused());
  PressKey(VK_TAB);
  EXPECT_TRUE(a->Focused()) << "the disabled control is skipped";
  backend->InjectKey(VK_SHIFT, true);
  PressKey(VK_TAB);
  backend->InjectKey(VK_SHIFT, false);
  Pump();
  EXPECT_TRUE(b->Focused());
  Button(50, 50, true);
  Button(50, 50, false);
  EXPECT_TRUE(a->Focused()) << "a click focuses a control that wants it";
  EXPECT_EQ(form->ActiveControl(), a);
}

TEST_F(InputTest, KeysAndCharactersGoToTheFocusedControl) {
  b->SetFocus();
  b->messages.clear();
  backend->InjectKey('X', true);
  backend->InjectText("x");
  backend->InjectKey('X', false);
  Pump();
  EXPECT_EQ(b->Count(WM_KEYDOWN), 1);
  EXPECT_EQ(b->Count(WM_CHAR), 1);
  EXPECT_EQ(b->Count(WM_KEYUP), 1);
  EXPECT_EQ(a->Count(WM_CHAR), 0);
}

TEST_F(InputTest, DoubleClicksOnlyForControlsThatWantThem) {
  a->ControlStyle().Include(csDoubleClicks);
  b->ControlStyle().Exclude(csDoubleClicks);
  for (int i = 0; i < 2; ++i) {
    Button(50, 50, true);
    Button(50, 50, false);
    Button(150, 50, true);
    Button(150, 50, false);
  }
  // Presses alternate between A and B, so none is a double click yet.
  EXPECT_EQ(a->Count(WM_LBUTTONDBLCLK), 0);
  Button(50, 50, true);
  Button(50, 50, false);
  Button(50, 50, true);
  Button(50, 50, false);
  EXPECT_EQ(a->Count(WM_LBUTTONDBLCLK), 1);
  Button(150, 50, true);
  Button(150, 50, false);
  Button(150, 50, true);
  Button(150, 50, false);
  EXPECT_EQ(b->Count(WM_LBUTTONDBLCLK), 0);
  EXPECT_EQ(b->Count(WM_LBUTTONDOWN), 4);
  backend->Advance(600);
  Button(50, 50, true);
  Button(50, 50, false);
  EXPECT_EQ(a->Count(WM_LBUTTONDBLCLK), 1) << "too slow for a double click";
}

TEST_F(InputTest, NonWindowedChildGetsItsClicksThroughTheParent) {
  auto* label = new TLabelProbe(form);
  label->SetBounds(10, 10, 30, 30);
  label->SetParent(a);
  Button(20, 20, true);
  Button(20, 20, false);
  EXPECT_EQ(label->clicks, 1);
  EXPECT_EQ(aClicks, 0);
}

TEST_F(InputTest, DestroyedControlIsForgotten) {
  Move(150, 50);
  ASSERT_EQ(InputMouseControl(), b);
  b->SetFocus();
  TComponent::Free(b);
  EXPECT_EQ(InputMouseControl(), nullptr);
  EXPECT_EQ(GetFocus(), 0u);
  Move(160, 50);
  EXPECT_EQ(InputMouseControl(), form);
}

}  // namespace
