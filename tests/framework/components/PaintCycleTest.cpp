#include "FrameworkFixture.h"
#include "Probe.h"

namespace {

size_t IndexOf(const std::vector<std::string>& log, const std::string& name) {
  return static_cast<size_t>(std::find(log.begin(), log.end(), name) - log.begin());
}

// A white 200 x 200 form; A (blue, 10..110) holds C (yellow, screen 20..40);
// B (green, 60..140) was created after A, so it lies above A.
class PaintCycleTest : public FrameworkFixture {
 protected:
  void SetUp() override {
    FrameworkFixture::SetUp();
    form = MakeForm(200, 200, clWhite);
    a = new TProbe(form, form, "A", Bounds(10, 10, 100, 100), clBlue, &log);
    c = new TProbe(form, a, "C", Bounds(10, 10, 20, 20), clYellow, &log);
    b = new TProbe(form, form, "B", Bounds(60, 60, 80, 80), clLime, &log);
    form->Show();
    Pump();
  }
  TColor Fb(int x, int y) { return WindowFramebuffer(form->Handle())->Pixel(x, y); }

  std::vector<std::string> log;
  TForm* form = nullptr;
  TProbe *a = nullptr, *b = nullptr, *c = nullptr;
};

TEST_F(PaintCycleTest, FirstPaintGoesParentsFirstAndStacksSiblings) {
  ASSERT_EQ(log.size(), 3u);
  EXPECT_LT(IndexOf(log, "A"), IndexOf(log, "C"));
  EXPECT_EQ(ScreenPixel(form, 5, 5), clWhite) << "form background";
  EXPECT_EQ(ScreenPixel(form, 15, 15), clBlue);
  EXPECT_EQ(ScreenPixel(form, 25, 25), clYellow) << "child over its parent";
  EXPECT_EQ(ScreenPixel(form, 80, 80), clLime) << "the later sibling is on top";
  EXPECT_EQ(ScreenPixel(form, 139, 139), clLime);
  EXPECT_EQ(ScreenPixel(form, 150, 150), clWhite);
}

TEST_F(PaintCycleTest, ParentPaintLeavesChildrenAndSiblingsAbove) {
  log.clear();
  a->fill = clRed;
  a->Invalidate();
  Pump();
  EXPECT_EQ(log, std::vector<std::string>{"A"});
  EXPECT_EQ(ScreenPixel(form, 15, 15), clRed);
  EXPECT_EQ(ScreenPixel(form, 25, 25), clYellow) << "the child's pixels are clipped out of the parent's DC";
  EXPECT_EQ(ScreenPixel(form, 80, 80), clLime) << "so are those of the sibling above";
  EXPECT_EQ(ScreenPixel(form, 109, 50), clRed);
}

TEST_F(PaintCycleTest, WindowRegionClipsTheWindowAndLetsTheParentShowThrough) {
  SetWindowRgn(b->Handle(), TRegion(TRect{0, 0, 20, 20}), true);
  Pump();
  EXPECT_EQ(ScreenPixel(form, 65, 65), clLime) << "inside the region";
  EXPECT_EQ(ScreenPixel(form, 100, 100), clBlue) << "A shows where B's region leaves it";
  EXPECT_EQ(ScreenPixel(form, 130, 130), clWhite) << "the form shows outside both";

  b->fill = clFuchsia;
  b->Invalidate();
  Pump();
  EXPECT_EQ(ScreenPixel(form, 79, 79), clFuchsia);
  EXPECT_EQ(ScreenPixel(form, 81, 81), clBlue) << "B cannot paint outside its region";

  SetWindowRgn(b->Handle(), std::nullopt, true);
  Pump();
  EXPECT_EQ(ScreenPixel(form, 130, 130), clFuchsia);
}

// A top-level window's region is its shape on the desktop, whether it is set
// before or after the native window exists; a child's region is not.
TEST_F(PaintCycleTest, TopLevelRegionShapesTheNativeWindow) {
  const TRegion rounded = TRegion(TRect{2, 0, 198, 200}).Union(TRegion(TRect{0, 2, 200, 198}));
  SetWindowRgn(form->Handle(), rounded, true);
  SetWindowRgn(b->Handle(), TRegion(TRect{0, 0, 20, 20}), true);
  Pump();
  const auto* native = backend->FindWindow(form->Handle());
  ASSERT_NE(native, nullptr);
  ASSERT_TRUE(native->Shape.has_value());
  EXPECT_EQ(native->Shape->Rects(), rounded.Rects());
  EXPECT_EQ(backend->FindWindow(b->Handle()), nullptr);

  // Outside its shape the window shows the desktop (black on this screen),
  // also where it had shown something before it took the shape.
  EXPECT_EQ(native->Screen.Pixel(0, 0), clBlack);
  EXPECT_NE(native->Screen.Pixel(2, 0), clBlack);

  SetWindowRgn(form->Handle(), std::nullopt, true);
  EXPECT_FALSE(native->Shape.has_value());
  Pump();
  EXPECT_NE(native->Screen.Pixel(0, 0), clBlack) << "the whole rectangle shows again";
  SetWindowRgn(form->Handle(), rounded, true);
  Pump();
  EXPECT_EQ(native->Screen.Pixel(0, 0), clBlack) << "what was shown there is gone";
  SetWindowRgn(form->Handle(), std::nullopt, true);

  TForm* later = MakeForm(50, 40);
  SetWindowRgn(later->Handle(), TRegion(TRect{0, 0, 50, 20}), false);
  later->Show();
  Pump();
  ASSERT_NE(backend->FindWindow(later->Handle()), nullptr);
  ASSERT_TRUE(backend->FindWindow(later->Handle())->Shape.has_value());
  EXPECT_EQ(backend->FindWindow(later->Handle())->Shape->Bounds(), TRect(0, 0, 50, 20));
}

TEST_F(PaintCycleTest, FrozenWindowPaintsNothingUntilRedrawnAtOnce) {
  SendMessage(form->Handle(), WM_SETREDRAW, 0);
  a->fill = clBlack;
  a->Invalidate();
  Pump();
  EXPECT_EQ(ScreenPixel(form, 15, 15), clBlue) << "no paint while drawing is frozen";

  SendMessage(form->Handle(), WM_SETREDRAW, 1);
  log.clear();
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(Fb(15, 15), clBlack) << "painted before RedrawWindow returned";
  ASSERT_EQ(log.size(), 3u);
  EXPECT_LT(IndexOf(log, "A"), IndexOf(log, "C"));
}

TEST_F(PaintCycleTest, GetDCOutsidePaintIsClippedToTheVisibleRegion) {
  HDC dc = GetDC(a->Handle());
  ASSERT_NE(dc, nullptr);
  FillRect(dc, TRect{0, 0, 100, 100}, clGray);
  ReleaseDC(a->Handle(), dc);
  PresentAll();
  EXPECT_EQ(ScreenPixel(form, 15, 15), clGray);
  EXPECT_EQ(ScreenPixel(form, 25, 25), clYellow);
  EXPECT_EQ(ScreenPixel(form, 80, 80), clLime);
}

// A child wider than its form's client area (the trainer's panels are) is
// cut at the client edge: a whole-window DC must still reach the border
// beside and below it, or the frame is left unpainted there.
TEST_F(PaintCycleTest, WindowDCReachesTheBorderBesideAChildPastTheClientArea) {
  auto* framed = Application->CreateForm<TForm>();
  framed->SetBorderStyle(TFormBorderStyle::bsSingle);
  framed->SetBounds(300, 0, 200, 150);
  new TProbe(framed, framed, "Wide", Bounds(-10, 0, framed->ClientWidth() + 20, framed->ClientHeight() + 10), clBlue,
             &log);
  framed->Show();
  Pump();
  HDC dc = GetWindowDC(framed->Handle());
  ASSERT_NE(dc, nullptr);
  FillRect(dc, TRect{0, 0, 200, 150}, clRed);
  ReleaseDC(framed->Handle(), dc);
  PresentAll();
  const TPoint co = framed->ClientOffset();
  const int midY = co.Y + framed->ClientHeight() / 2;
  EXPECT_EQ(ScreenPixel(framed, 0, midY), clRed) << "left border";
  EXPECT_EQ(ScreenPixel(framed, 199, midY), clRed) << "right border";
  EXPECT_EQ(ScreenPixel(framed, 100, 149), clRed) << "bottom border";
  EXPECT_EQ(ScreenPixel(framed, co.X + 5, midY), clBlue) << "the child keeps the client area";
}

TEST_F(PaintCycleTest, HidingAndMovingRepaintTheUncoveredParent) {
  b->SetVisible(false);
  Pump();
  EXPECT_EQ(ScreenPixel(form, 80, 80), clBlue);
  EXPECT_EQ(ScreenPixel(form, 130, 130), clWhite);
  b->SetVisible(true);
  b->SetLeft(100);
  Pump();
  EXPECT_EQ(ScreenPixel(form, 70, 70), clBlue) << "old place shows A again";
  EXPECT_EQ(ScreenPixel(form, 170, 70), clLime);
}

// Each window keeps its visible region between paints. After every kind of
// change that moves what covers A, A repaints in a new colour: a region kept
// from before the change would paint over B or leave a gap.
TEST_F(PaintCycleTest, KeptVisibleRegionsFollowEveryChangeOfLayout) {
  auto paintA = [&](TColor color) {
    a->fill = color;
    a->Invalidate();
    Pump();
  };
  paintA(clRed);
  EXPECT_EQ(ScreenPixel(form, 80, 80), clLime);

  b->SetLeft(90);  // B now covers x 90..170 of the form
  paintA(clNavy);
  EXPECT_EQ(ScreenPixel(form, 70, 70), clNavy) << "move: A paints where B was";
  EXPECT_EQ(ScreenPixel(form, 95, 70), clLime) << "move: and not where B is";

  b->SetWidth(10);  // B covers x 90..100
  paintA(clMaroon);
  EXPECT_EQ(ScreenPixel(form, 105, 70), clMaroon) << "resize";
  EXPECT_EQ(ScreenPixel(form, 95, 70), clLime) << "resize";

  SetWindowRgn(b->Handle(), TRegion(TRect{0, 0, 5, 80}), false);  // x 90..95, without a repaint
  paintA(clTeal);
  EXPECT_EQ(ScreenPixel(form, 97, 70), clTeal) << "shape";
  EXPECT_EQ(ScreenPixel(form, 92, 70), clLime) << "shape";

  b->SetVisible(false);
  paintA(clPurple);
  EXPECT_EQ(ScreenPixel(form, 92, 70), clPurple) << "hide";
  b->SetVisible(true);
  paintA(clOlive);
  EXPECT_EQ(ScreenPixel(form, 92, 70), clLime) << "show";

  a->BringToFront();
  paintA(clRed);
  EXPECT_EQ(ScreenPixel(form, 92, 70), clRed) << "stacking: A is above B now";
  b->fill = clFuchsia;
  b->Invalidate();
  Pump();
  EXPECT_EQ(ScreenPixel(form, 92, 70), clRed) << "stacking: B cannot paint over A";

  c->SetParent(form);  // C leaves A for the form (screen 10..30), above everything
  Pump();
  paintA(clNavy);
  EXPECT_EQ(ScreenPixel(form, 35, 35), clNavy) << "new parent: A paints where C was";
  EXPECT_EQ(ScreenPixel(form, 15, 15), clYellow) << "new parent: C covers A";

  // With nothing changed since every window painted once, the next paints
  // reuse the kept regions.
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const uint64_t computed = PaintCounts().RegionsComputed;
  paintA(clBlue);
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(PaintCounts().RegionsComputed, computed);
  EXPECT_EQ(ScreenPixel(form, 50, 50), clBlue);
}

TEST_F(PaintCycleTest, PrintDrawsTheWindowAndItsChildrenIntoAnyDC) {
  TBitmap bmp(100, 100);
  bmp.Fill(clBlack);
  TDeviceContext dc(&bmp);
  SendMessage(a->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(&dc), PRF_CLIENT | PRF_CHILDREN | PRF_ERASEBKGND);
  EXPECT_EQ(bmp.Pixel(5, 5), clBlue);
  EXPECT_EQ(bmp.Pixel(15, 15), clYellow);
}

}  // namespace
