// TCanvas: a device context with a font, a brush and a pen. A bitmap's
// canvas owns a DC on that bitmap; a control's canvas is bound to whatever DC
// its paint cycle hands it (SetHandle).
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "framework/graphics/Gdi.h"

class TBrush {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor c) { color_ = c; }
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle s) { style_ = s; }

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = TBrushStyle::bsSolid;
};

class TPen {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor c) { color_ = c; }
  int Width() const { return width_; }
  void SetWidth(int w) { width_ = w; }
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle s) { style_ = s; }

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = TPenStyle::psSolid;
};

class TCanvas {
 public:
  TCanvas();
  // A canvas drawing into `bitmap` through its own DC.
  explicit TCanvas(TBitmap* bitmap);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The DC with the canvas's font, brush and pen selected into it; nullptr
  // for a control canvas outside painting.
  HDC Handle();
  void SetHandle(HDC dc);  // binds a DC owned by someone else (nullptr unbinds)
  bool HandleAllocated() const { return dc_ != nullptr; }
  // The bitmap DC follows its bitmap's size changes.
  void BitmapResized();

  TFont* Font() { return &font_; }
  TBrush* Brush() { return &brush_; }
  TPen* Pen() { return &pen_; }

  void Lock() { ++lockCount_; }
  void Unlock() { --lockCount_; }
  int LockCount() const { return lockCount_; }

  void FillRect(const TRect& rect);   // with the brush (nothing for bsClear)
  void FrameRect(const TRect& rect);  // one pixel, brush colour
  void Rectangle(const TRect& rect);
  void Rectangle(int l, int t, int r, int b) { Rectangle(TRect{l, t, r, b}); }
  void Ellipse(const TRect& rect);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  TPoint PenPos();
  void DrawFocusRect(const TRect& rect);

  // Text in the canvas font; the background is filled with the brush unless
  // its style is bsClear.
  void TextOut(int x, int y, std::string_view text);
  void TextRect(const TRect& rect, int x, int y, std::string_view text);
  int TextWidth(std::string_view text);
  int TextHeight(std::string_view text);
  TSize TextExtent(std::string_view text);

  void Draw(int x, int y, const TGraphic& graphic);
  void StretchDraw(const TRect& rect, const TGraphic& graphic);
  void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);
  TRect ClipRect();

 private:
  // Selects font, brush and pen into the DC before drawing.
  HDC Prepared();
  TFont font_;
  TBrush brush_;
  TPen pen_;
  TBitmap* bitmap_ = nullptr;
  std::unique_ptr<TDeviceContext> ownDc_;
  HDC dc_ = nullptr;
  int lockCount_ = 0;
};

// Binds a canvas to a DC for one paint, with the painting control's font,
// and unbinds it again however the paint ends.
class TCanvasPaintScope {
 public:
  TCanvasPaintScope(TCanvas& canvas, HDC dc, const TFont& font) : canvas_(canvas) {
    canvas_.Lock();
    canvas_.SetHandle(dc);
    *canvas_.Font() = font;
  }
  ~TCanvasPaintScope() {
    canvas_.SetHandle(nullptr);
    canvas_.Unlock();
  }
  TCanvasPaintScope(const TCanvasPaintScope&) = delete;
  TCanvasPaintScope& operator=(const TCanvasPaintScope&) = delete;

 private:
  TCanvas& canvas_;
};
