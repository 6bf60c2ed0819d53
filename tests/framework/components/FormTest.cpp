#include "FrameworkFixture.h"

namespace {

class FormTest : public FrameworkFixture {
 protected:
  TForm* MakeFramedForm() {
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    form->SetBorderIcons({biSystemMenu, biMinimize});
    form->SetBounds(20, 30, 300, 200);
    form->SetCaption("Окно");
    form->Show();
    Pump();
    return form;
  }
  void ClickWindow(TForm* f, TPoint p) {
    backend->InjectMouseButton(f->Handle(), p, 0, true);
    backend->InjectMouseButton(f->Handle(), p, 0, false);
    Pump();
  }
  static TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
};

TEST_F(FormTest, ClientAreaSitsInsideTheFrame) {
  TForm* form = MakeFramedForm();
  const TPoint o = form->ClientOffset();
  EXPECT_EQ(o.X, GetSystemMetrics(SM_CXFIXEDFRAME));
  EXPECT_EQ(o.Y, GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION));
  EXPECT_EQ(form->ClientWidth(), 300 - 2 * o.X);
  EXPECT_EQ(form->ClientOrigin(), (TPoint{20 + o.X, 30 + o.Y}));
  form->SetClientSize(100, 50);
  EXPECT_EQ(form->ClientWidth(), 100);
  EXPECT_EQ(form->ClientHeight(), 50);
}

TEST_F(FormTest, HitTestFindsCaptionButtonsCaptionAndClient) {
  TForm* form = MakeFramedForm();
  const TRect close = form->CaptionButtonRect(HTCLOSE);
  const TRect min = form->CaptionButtonRect(HTMINBUTTON);
  const TRect max = form->CaptionButtonRect(HTMAXBUTTON);
  ASSERT_FALSE(close.IsEmpty());
  ASSERT_FALSE(min.IsEmpty());
  EXPECT_FALSE(max.IsEmpty()) << "a window with a minimize box shows a (disabled) maximize box";
  EXPECT_LT(min.Right, close.Left);
  auto hit = [&](TPoint p) { return SendMessage(form->Handle(), WM_NCHITTEST, 0, MakeLParam(20 + p.X, 30 + p.Y)); };
  EXPECT_EQ(hit(Centre(close)), HTCLOSE);
  EXPECT_EQ(hit(Centre(min)), HTMINBUTTON);
  EXPECT_EQ(hit({40, 10}), HTCAPTION);
  EXPECT_EQ(hit({150, 150}), HTCLIENT);
  EXPECT_EQ(hit({1, 150}), HTBORDER);
}

TEST_F(FormTest, CloseButtonEndsTheApplicationMinimizeMinimizes) {
  TForm* form = MakeFramedForm();
  ClickWindow(form, Centre(form->CaptionButtonRect(HTMINBUTTON)));
  EXPECT_EQ(form->WindowState(), TWindowState::wsMinimized);
  EXPECT_TRUE(backend->FindWindow(form->Handle())->Minimized);

  ClickWindow(form, Centre(form->CaptionButtonRect(HTMAXBUTTON)));
  EXPECT_EQ(form->WindowState(), TWindowState::wsMinimized) << "the maximize box is disabled";

  // Pressing close and releasing elsewhere does nothing.
  backend->InjectMouseButton(form->Handle(), Centre(form->CaptionButtonRect(HTCLOSE)), 0, true);
  backend->InjectMouseButton(form->Handle(), {150, 150}, 0, false);
  Pump();
  EXPECT_FALSE(Application->Terminated());

  ClickWindow(form, Centre(form->CaptionButtonRect(HTCLOSE)));
  EXPECT_TRUE(Application->Terminated());
}

TEST_F(FormTest, FramePaintsCaptionAndBorder) {
  TForm* form = MakeFramedForm();
  const int capY = GetSystemMetrics(SM_CYFIXEDFRAME) + 4;
  const TColor caption = ScreenPixel(form, GetSystemMetrics(SM_CXFIXEDFRAME), capY);
  EXPECT_EQ(caption, ColorToRGB(clActiveCaption)) << "left end of the caption gradient";
  EXPECT_EQ(ScreenPixel(form, 150, 120), ColorToRGB(clBtnFace)) << "client background";
  EXPECT_EQ(ScreenPixel(form, 1, 100), ColorToRGB(clBtnHighlight)) << "the raised edge, lit side";
  EXPECT_EQ(ScreenPixel(form, 299, 100), ColorToRGB(cl3DDkShadow)) << "the raised edge, dark side";
  // The caption text draws light pixels on the dark caption.
  int light = 0;
  for (int x = 8; x < 60; ++x)
    for (int y = capY; y < capY + 14; ++y)
      if (GetRValue(ScreenPixel(form, x, y)) > 200) ++light;
  EXPECT_GT(light, 10);
}

TEST_F(FormTest, RunEndsWhenTheMainFormIsClosed) {
  TForm* form = MakeFramedForm();
  const TPoint close = Centre(form->CaptionButtonRect(HTCLOSE));
  backend->Schedule(500, [&] {
    backend->InjectMouseButton(form->Handle(), close, 0, true);
    backend->InjectMouseButton(form->Handle(), close, 0, false);
  });
  Application->Run();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(backend->NowMs(), 500u) << "the loop waited on the virtual clock for the click";
}

TEST_F(FormTest, RunReturnsWhenNothingCanHappenAnyMore) {
  MakeFramedForm();
  Application->Run();  // no input scheduled, no timers: the loop must not spin forever
  EXPECT_FALSE(Application->Terminated());
}

TEST_F(FormTest, AlignedFormFillsTheWorkArea) {
  backend->SetWorkArea({0, 0, 800, 560});
  auto* form = Application->CreateForm<TForm>();
  form->SetAlign(TAlign::alClient);
  EXPECT_EQ(form->BoundsRect(), (TRect{0, 0, 800, 560}));
}

// Alt+F4 used to reach only a form that had the focus itself: with a
// control focused the key stopped there and the window stayed open.
TEST_F(FormTest, AltKeysOfAFocusedControlReachTheWindow) {
  TForm* form = MakeFramedForm();
  auto* child = new TCustomControl(form);
  child->SetParent(form);
  child->SetBounds(10, 10, 50, 20);
  child->SetTabStop(true);
  Pump();
  SetFocus(child->Handle());
  bool closing = false;
  form->OnCloseQuery = [&](TComponent*, bool& canClose) {
    closing = true;
    canClose = false;
  };
  backend->InjectKey(VK_MENU, true);
  backend->InjectKey(VK_F4, true);
  backend->InjectKey(VK_F4, false);
  backend->InjectKey(VK_MENU, false);
  Pump();
  EXPECT_TRUE(closing);
}

}  // namespace
