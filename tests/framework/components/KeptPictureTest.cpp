// A window whose look is one kept picture is not copied again when its
// pixels still show it, and is copied again after anything that may have
// changed them.
#include "FrameworkFixture.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"

namespace {

// Paints a 40 x 30 picture, half blue and half yellow, the way a control
// with a cache does; or, when `plain`, fills itself grey without one.
class TPictureWindow : public TCustomControl {
 public:
  TPictureWindow(TComponent* owner, TWinControl* parent) : TCustomControl(owner), picture(40, 30) {
    ControlStyle().Include(csOpaque);
    SetBounds(10, 10, 40, 30);
    SetParent(parent);
    picture.Fill(clBlue);
    picture.Canvas()->Brush()->SetColor(clYellow);
    picture.Canvas()->FillRect(TRect{20, 0, 40, 30});
  }
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_ERASEBKGND && !erase) {
      m.Result = 1;  // as a control whose picture covers it all
      return;
    }
    if (m.Msg == WM_ERASEBKGND && eraseRed) {
      TCanvas canvas;
      canvas.SetHandle(reinterpret_cast<HDC>(m.WParam));
      canvas.Brush()->SetColor(clRed);
      canvas.FillRect(ClientRect());
      canvas.SetHandle(nullptr);
      m.Result = 1;
      return;
    }
    TCustomControl::WndProc(m);
  }

  TBitmap picture;
  bool plain = false;
  bool erase = true;
  bool eraseRed = false;
  int copies = 0;
  int kept = 0;

 protected:
  void Paint() override {
    HDC dc = Canvas()->Handle();
    if (plain) {
      Canvas()->Brush()->SetColor(clGray);
      Canvas()->FillRect(ClientRect());
      return;
    }
    if (PaintShowsPicture(dc, picture.Generation())) {
      ++kept;
      return;
    }
    ++copies;
    BitBlt(dc, 0, 0, 40, 30, picture.Canvas()->Handle(), 0, 0, SRCCOPY);
  }
};

class KeptPictureTest : public FrameworkFixture {
 protected:
  void SetUp() override {
    FrameworkFixture::SetUp();
    form = MakeForm(100, 80, clWhite);
    w = new TPictureWindow(form, form);
    form->Show();
    Pump();
  }
  // Repaints the whole window as an expose does.
  void Expose() {
    RedrawWindow(w->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    Pump();
  }
  // The window's pixels as they are in the framebuffer.
  bool ShowsPicture() {
    const TBitmap& fb = *WindowFramebuffer(form->Handle());
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x)
        if (fb.Pixel(w->Left() + x, w->Top() + y) != w->picture.Pixel(x, y)) return false;
    return true;
  }

  TForm* form = nullptr;
  TPictureWindow* w = nullptr;
};

TEST_F(KeptPictureTest, RepaintsFindThePictureShownUntilItChanges) {
  ASSERT_EQ(w->copies, 1);
  ASSERT_TRUE(ShowsPicture());
  const uint64_t keptBefore = PaintCounts().PicturesKept;
  const uint64_t presents = backend->FindWindow(form->Handle())->Presents;
  Expose();
  Expose();
  EXPECT_EQ(w->copies, 1);
  EXPECT_EQ(w->kept, 2);
  EXPECT_EQ(PaintCounts().PicturesKept - keptBefore, 2u);
  EXPECT_TRUE(ShowsPicture());
  EXPECT_EQ(backend->FindWindow(form->Handle())->Presents, presents) << "nothing changed, nothing to present";

  // Drawn through its canvas, and written straight into its rows.
  w->picture.Canvas()->Brush()->SetColor(clLime);
  w->picture.Canvas()->FillRect(TRect{0, 0, 10, 10});
  Expose();
  EXPECT_EQ(w->copies, 2);
  EXPECT_TRUE(ShowsPicture());
  EXPECT_EQ(ScreenPixel(form, 15, 15), clLime) << "the change is presented";
  w->picture.ScanLine(20)[0] = 0x55;
  Expose();
  EXPECT_EQ(w->copies, 3);
  EXPECT_TRUE(ShowsPicture());
}

TEST_F(KeptPictureTest, AnythingThatMayHaveDrawnOverTheWindowMakesItCopyAgain) {
  // Another DC of the window, outside its paint.
  HDC dc = GetDC(w->Handle());
  TCanvas canvas;
  canvas.SetHandle(dc);
  canvas.Brush()->SetColor(clRed);
  canvas.FillRect(TRect{0, 0, 40, 30});
  canvas.SetHandle(nullptr);
  // While that DC is open the picture is not known to be there.
  Expose();
  EXPECT_EQ(w->copies, 2);
  canvas.SetHandle(dc);
  canvas.FillRect(TRect{0, 0, 40, 30});
  canvas.SetHandle(nullptr);
  ReleaseDC(w->Handle(), dc);
  Expose();
  EXPECT_EQ(w->copies, 3);
  EXPECT_TRUE(ShowsPicture());

  // A move, with no erase to give it away: new pixels under the window.
  w->erase = false;
  w->SetBounds(30, 20, 40, 30);
  Pump();
  EXPECT_TRUE(ShowsPicture());
  w->SetBounds(10, 10, 40, 30);
  Pump();
  EXPECT_TRUE(ShowsPicture());
  w->erase = true;

  // An erase that draws before the picture.
  const int beforeErase = w->copies;
  w->eraseRed = true;
  RedrawWindow(w->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
  Pump();
  EXPECT_EQ(w->copies, beforeErase + 1);
  EXPECT_TRUE(ShowsPicture());
  w->eraseRed = false;

  // A paint of another look in between.
  w->plain = true;
  Expose();
  EXPECT_EQ(ScreenPixel(form, 15, 15), clGray);
  w->plain = false;
  const int beforePlain = w->copies;
  Expose();
  EXPECT_EQ(w->copies, beforePlain + 1);
  EXPECT_TRUE(ShowsPicture());
}

// A first paint of part of the window leaves the rest unknown: the next
// paint of all of it copies.
TEST_F(KeptPictureTest, APaintOfPartOfANewWindowDoesNotCountForAllOfIt) {
  auto* second = new TPictureWindow(form, form);
  second->SetBounds(55, 10, 40, 30);
  const TRect part{0, 0, 10, 10};
  ValidateRect(second->Handle(), &part);
  Pump();
  ASSERT_EQ(second->copies, 1);
  const TBitmap& fb = *WindowFramebuffer(form->Handle());
  ASSERT_EQ(fb.Pixel(55 + 5, 10 + 5), clWhite) << "the part left out still shows the form";
  RedrawWindow(second->Handle(), nullptr, nullptr, RDW_INVALIDATE);
  Pump();
  EXPECT_EQ(second->copies, 2);
  EXPECT_EQ(fb.Pixel(55 + 5, 10 + 5), clBlue);
}

TEST(BitmapStampTest, ChangesWithEveryWayOfWritingAndNeverRepeats) {
  TBitmap a(4, 4), b(4, 4);
  EXPECT_NE(a.Generation(), b.Generation()) << "two bitmaps never share a stamp";
  const uint64_t s = a.Generation();
  EXPECT_EQ(a.Generation(), s) << "taking the stamp changes nothing";
  const TBitmap& readOnly = a;
  (void)readOnly.ScanLine(1);
  (void)readOnly.Pixel(1, 1);
  EXPECT_EQ(a.Generation(), s) << "reading changes nothing";
  a.ScanLine(2);
  const uint64_t afterRow = a.Generation();
  EXPECT_NE(afterRow, s) << "a writable row may have been written";
  a.Bits();
  EXPECT_NE(a.Generation(), afterRow);
  const uint64_t beforeDraw = a.Generation();
  a.Canvas()->SetPixel(0, 0, clRed);
  EXPECT_NE(a.Generation(), beforeDraw);
}

}  // namespace
