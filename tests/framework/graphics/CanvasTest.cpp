#include "framework/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int CountColour(const TBitmap& bm, const TRect& area, TColor color) {
  int n = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) n += bm.Pixel(x, y) == color;
  return n;
}

// A picture of another kind: remembers where it was asked to draw itself.
class TRecordingGraphic : public TGraphic {
 public:
  int Width() const override { return 5; }
  int Height() const override { return 3; }
  void LoadFromStream(TStream&) override {}
  void SaveToStream(TStream&) const override {}
  void Draw(TCanvas& canvas, const TRect& dest) const override {
    Calls.push_back(dest);
    canvas.Brush()->SetColor(clLime);
    canvas.FillRect(dest);
  }
  std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TRecordingGraphic>(); }
  mutable std::vector<TRect> Calls;
};

}  // namespace

// Brush fills, brush frames, pen-and-brush shapes and the pen position on a
// bitmap's own canvas; a clear brush fills nothing.
TEST(CanvasTest, ShapesUseBrushAndPen) {
  TBitmap bm(8, 6);
  bm.Fill(clWhite);
  TCanvas* c = bm.Canvas();
  ASSERT_EQ(c, bm.Canvas());  // made once
  c->Brush()->SetColor(clRed);
  c->FillRect({0, 0, 2, 2});
  c->Brush()->SetStyle(TBrushStyle::bsClear);
  c->FillRect({2, 0, 4, 2});
  c->Brush()->SetStyle(TBrushStyle::bsSolid);
  c->Brush()->SetColor(clBlue);
  c->FrameRect({4, 0, 8, 3});
  EXPECT_EQ(bm.Pixel(1, 1), clRed);
  EXPECT_EQ(bm.Pixel(2, 0), clWhite);
  EXPECT_EQ(bm.Pixel(4, 0), clBlue);
  EXPECT_EQ(bm.Pixel(5, 1), clWhite);
  c->Pen()->SetColor(clLime);
  c->Brush()->SetColor(clRed);
  c->Rectangle(0, 3, 3, 6);
  EXPECT_EQ(bm.Pixel(0, 3), clLime);
  EXPECT_EQ(bm.Pixel(1, 4), clRed);
  c->Pen()->SetStyle(TPenStyle::psClear);
  c->Rectangle(0, 3, 3, 6);
  EXPECT_EQ(bm.Pixel(0, 3), clRed);
  c->Pen()->SetStyle(TPenStyle::psSolid);
  c->Pen()->SetColor(clBlack);
  c->MoveTo(4, 5);
  c->LineTo(8, 5);
  EXPECT_EQ(c->PenPos(), TPoint(8, 5));
  EXPECT_EQ(bm.Pixel(7, 5), clBlack);
  c->SetPixel(3, 3, clBtnShadow);
  EXPECT_EQ(c->Pixel(3, 3), RGB(128, 128, 128));
  EXPECT_EQ(c->Pixel(30, 3), clNone);
}

// Guards against a canvas that kept drawing into its bitmap's old size after
// the bitmap was resized.
TEST(CanvasTest, FollowsBitmapResize) {
  TBitmap bm(3, 3);
  TCanvas* c = bm.Canvas();
  EXPECT_EQ(c->ClipRect(), TRect(0, 0, 3, 3));
  bm.SetSize(10, 7);
  EXPECT_EQ(c->ClipRect(), TRect(0, 0, 10, 7));
  c->Brush()->SetColor(clRed);
  c->FillRect({0, 0, 10, 7});
  EXPECT_EQ(CountColour(bm, {0, 0, 10, 7}, clRed), 70);
  bm.SetSize(2, 2);
  c->FillRect({0, 0, 10, 7});
  EXPECT_EQ(c->ClipRect(), TRect(0, 0, 2, 2));
  TBitmap other(5, 5);
  bm.Assign(other);
  EXPECT_EQ(c->ClipRect(), TRect(0, 0, 5, 5));
}

// A control canvas draws through whatever DC it is bound to; unbound it
// draws nothing and still measures text.
TEST(CanvasTest, ControlCanvasBindsExternalDc) {
  TBitmap frame(10, 10);
  frame.Fill(clWhite);
  TDeviceContext dc(&frame, {2, 2}, TRegion(TRect{2, 2, 8, 8}));
  TCanvas c;
  EXPECT_FALSE(c.HandleAllocated());
  EXPECT_EQ(c.Handle(), nullptr);
  c.Brush()->SetColor(clRed);
  c.FillRect({0, 0, 10, 10});  // no DC: nothing happens
  EXPECT_EQ(CountColour(frame, {0, 0, 10, 10}, clRed), 0);
  EXPECT_GT(c.TextWidth("Sorting"), 0);
  c.SetHandle(&dc);
  EXPECT_EQ(c.Handle(), &dc);
  EXPECT_EQ(c.ClipRect(), TRect(0, 0, 6, 6));
  c.FillRect({-5, -5, 20, 20});
  EXPECT_EQ(CountColour(frame, {0, 0, 10, 10}, clRed), 36);
  EXPECT_EQ(frame.Pixel(2, 2), clRed);
  c.SetHandle(nullptr);
  EXPECT_EQ(c.ClipRect(), TRect());
}

// Drawing a bitmap copies it; a transparent bitmap leaves out its
// transparent colour (the bottom-left pixel by default); StretchDraw scales.
TEST(CanvasTest, DrawCopiesBitmapsHonouringTransparency) {
  TBitmap pic(2, 2);
  pic.Fill(clLime);
  pic.SetPixel(1, 0, clRed);
  TBitmap bm(6, 4);
  bm.Fill(clWhite);
  bm.Canvas()->Draw(1, 1, pic);
  EXPECT_EQ(bm.Pixel(1, 1), clLime);
  EXPECT_EQ(bm.Pixel(2, 1), clRed);
  EXPECT_EQ(bm.Pixel(3, 1), clWhite);
  bm.Fill(clWhite);
  pic.SetTransparent(true);
  bm.Canvas()->Draw(1, 1, pic);
  EXPECT_EQ(bm.Pixel(1, 1), clWhite);
  EXPECT_EQ(bm.Pixel(2, 1), clRed);
  pic.SetTransparentColor(clRed);
  bm.Canvas()->Draw(1, 1, pic);
  EXPECT_EQ(bm.Pixel(2, 1), clRed);  // unchanged from before
  EXPECT_EQ(bm.Pixel(1, 2), clLime);
  bm.Fill(clWhite);
  pic.SetTransparent(false);
  bm.Canvas()->StretchDraw({0, 0, 4, 4}, pic);
  EXPECT_EQ(CountColour(bm, {0, 0, 6, 4}, clRed), 4);
  EXPECT_EQ(bm.Pixel(3, 0), clRed);
  EXPECT_EQ(bm.Pixel(2, 1), clRed);
  EXPECT_EQ(bm.Pixel(4, 0), clWhite);
}

// Other graphics draw themselves into the rectangle they are given.
TEST(CanvasTest, DrawHandsOtherGraphicsTheirRectangle) {
  TBitmap bm(20, 20);
  bm.Fill(clWhite);
  TRecordingGraphic g;
  bm.Canvas()->Draw(2, 3, g);
  bm.Canvas()->StretchDraw({1, 1, 11, 4}, g);
  ASSERT_EQ(g.Calls.size(), 2u);
  EXPECT_EQ(g.Calls[0], TRect(2, 3, 7, 6));
  EXPECT_EQ(g.Calls[1], TRect(1, 1, 11, 4));
  EXPECT_EQ(CountColour(bm, {0, 0, 20, 20}, clLime), 15 + 30 - 5);
}

// CopyRect stretches another canvas's rectangle into this one.
TEST(CanvasTest, CopyRectStretches) {
  TBitmap src(2, 1);
  src.SetPixel(0, 0, clRed);
  src.SetPixel(1, 0, clBlue);
  TBitmap dst(4, 2);
  dst.Fill(clWhite);
  dst.Canvas()->CopyRect({0, 0, 4, 2}, *src.Canvas(), {0, 0, 2, 1});
  EXPECT_EQ(CountColour(dst, {0, 0, 2, 2}, clRed), 4);
  EXPECT_EQ(CountColour(dst, {2, 0, 4, 2}, clBlue), 4);
}

// Text: with a solid brush the text cell is filled with the brush colour;
// with a clear brush the background shows through. Either way some ink is
// drawn in the font colour and the pen moves past the text.
TEST(CanvasTest, TextOutBackgroundFollowsBrush) {
  TBitmap bm(80, 30);
  TCanvas* c = bm.Canvas();
  c->Font()->SetColor(clBlack);
  const TSize ext = c->TextExtent("Hello");
  ASSERT_GT(ext.cx, 0);
  ASSERT_GT(ext.cy, 0);
  EXPECT_EQ(c->TextWidth("Hello"), ext.cx);
  EXPECT_EQ(c->TextHeight("Hello"), ext.cy);
  const TRect cell{2, 2, 2 + ext.cx, 2 + ext.cy};

  bm.Fill(clLime);
  c->Brush()->SetColor(clRed);
  c->TextOut(2, 2, "Hello");
  EXPECT_EQ(CountColour(bm, cell, clLime), 0);
  EXPECT_GT(CountColour(bm, cell, clRed), 0);
  EXPECT_GT(CountColour(bm, cell, clBlack), 0);
  EXPECT_EQ(c->PenPos(), TPoint(2 + ext.cx, 2));
  EXPECT_EQ(bm.Pixel(cell.Right, 2), clLime);

  bm.Fill(clLime);
  c->Brush()->SetStyle(TBrushStyle::bsClear);
  c->TextOut(2, 2, "Hello");
  EXPECT_EQ(CountColour(bm, cell, clRed), 0);
  EXPECT_GT(CountColour(bm, cell, clLime), 0);
  EXPECT_GT(CountColour(bm, cell, clBlack), 0);

  // TextRect keeps the text inside its rectangle and, with a solid brush,
  // fills that rectangle.
  bm.Fill(clLime);
  c->Brush()->SetStyle(TBrushStyle::bsSolid);
  const TRect box{2, 2, 2 + ext.cx / 2, 2 + ext.cy};
  c->TextRect(box, 2, 2, "Hello");
  EXPECT_EQ(CountColour(bm, box, clLime), 0);
  EXPECT_EQ(CountColour(bm, {box.Right, 0, 80, 30}, clLime), (80 - box.Right) * 30);
}
