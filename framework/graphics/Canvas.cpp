#include "framework/graphics/Canvas.h"

#include "framework/graphics/GdiPixels.h"

TCanvas::TCanvas() = default;

TCanvas::TCanvas(TBitmap* bitmap) : bitmap_(bitmap) {
  if (bitmap_) {
    ownDc_ = std::make_unique<TDeviceContext>(bitmap_);
    dc_ = ownDc_.get();
  }
}

TCanvas::~TCanvas() = default;

HDC TCanvas::Handle() { return Prepared(); }

void TCanvas::SetHandle(HDC dc) { dc_ = dc; }

void TCanvas::BitmapResized() {
  if (ownDc_) ownDc_->UpdateClip();
}

HDC TCanvas::Prepared() {
  // A bitmap canvas that was unbound falls back to its own DC.
  if (!dc_ && ownDc_) dc_ = ownDc_.get();
  if (!dc_) return nullptr;
  // Selecting copies the face name; skip it when nothing changed.
  if (!(dc_->Current().Font == font_.LogFont())) SelectFont(dc_, font_.LogFont());
  SetTextColor(dc_, font_.Color());
  SetBrush(dc_, brush_.Color(), brush_.Style());
  SetPen(dc_, pen_.Color(), pen_.Width(), pen_.Style());
  return dc_;
}

void TCanvas::FillRect(const TRect& rect) {
  HDC dc = Prepared();
  if (dc && brush_.Style() != TBrushStyle::bsClear) ::FillRect(dc, rect, brush_.Color());
}

void TCanvas::FrameRect(const TRect& rect) {
  if (HDC dc = Prepared()) ::FrameRect(dc, rect, brush_.Color());
}

void TCanvas::Rectangle(const TRect& rect) {
  if (HDC dc = Prepared()) ::Rectangle(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::Ellipse(const TRect& rect) {
  if (HDC dc = Prepared()) ::Ellipse(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::MoveTo(int x, int y) {
  if (HDC dc = Prepared()) ::MoveToEx(dc, x, y);
}

void TCanvas::LineTo(int x, int y) {
  if (HDC dc = Prepared()) ::LineTo(dc, x, y);
}

TPoint TCanvas::PenPos() {
  HDC dc = Prepared();
  return dc ? dc->Current().PenPos : TPoint{};
}

void TCanvas::DrawFocusRect(const TRect& rect) {
  if (HDC dc = Prepared()) ::DrawFocusRect(dc, rect);
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  HDC dc = Prepared();
  if (!dc) return;
  if (brush_.Style() == TBrushStyle::bsClear) {
    SetBkMode(dc, TRANSPARENT);
  } else {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, brush_.Color());
  }
  ::TextOut(dc, x, y, text);
  // The pen moves to the end of the text, as callers that chain output expect.
  dc->Current().PenPos = {x + GetTextExtent(dc, text).cx, y};
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
  HDC dc = Prepared();
  if (!dc) return;
  const bool opaque = brush_.Style() != TBrushStyle::bsClear;
  if (opaque) {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, brush_.Color());
  } else {
    SetBkMode(dc, TRANSPARENT);
  }
  ::ExtTextOut(dc, x, y, &rect, opaque, text);
}

int TCanvas::TextWidth(std::string_view text) { return TextExtent(text).cx; }

int TCanvas::TextHeight(std::string_view text) { return TextExtent(text).cy; }

TSize TCanvas::TextExtent(std::string_view text) {
  // Measuring needs no target: a control canvas outside painting still answers.
  if (HDC dc = Prepared()) return GetTextExtent(dc, text);
  return ::TextExtent(font_.LogFont(), text);
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
  if (graphic.Empty()) return;
  graphic.Draw(*this, Bounds(x, y, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic& graphic) {
  if (graphic.Empty()) return;
  graphic.Draw(*this, rect);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
  HDC dc = Prepared();
  HDC src = source.Prepared();
  if (!dc || !src) return;
  StretchBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), src, sourceRect.Left, sourceRect.Top,
             sourceRect.Width(), sourceRect.Height(), SRCCOPY);
}

TColor TCanvas::Pixel(int x, int y) {
  HDC dc = Prepared();
  return dc ? GetPixel(dc, x, y) : clNone;
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  if (HDC dc = Prepared()) ::SetPixel(dc, x, y, color);
}

TRect TCanvas::ClipRect() {
  TRect r;
  if (HDC dc = Prepared()) GetClipBox(dc, &r);
  return r;
}

// --- the bitmap's side of the canvas ---

TCanvas* TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TCanvas>(this);
  return canvas_.get();
}

void TDecodedGraphic::Draw(TCanvas& canvas, const TRect& dest) const { canvas.StretchDraw(dest, bitmap_); }

void TBitmap::Draw(TCanvas& canvas, const TRect& dest) const {
  HDC dc = canvas.Handle();
  if (!dc || Empty()) return;
  const TColor key = TransparentColor();
  const bool keyed = Transparent() && key != clDefault && key != clNone;
  gdi_pixels::StretchBitmap(dc, dest, this, TRect{0, 0, Width(), Height()}, SRCCOPY, keyed ? &key : nullptr);
}
