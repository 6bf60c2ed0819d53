#include "framework/stdctrls/ControlPicture.h"

#include "framework/components/Windows.h"

void TControlPicture::Invalidate(const TRect* rect) {
  if (allStale_) return;
  if (!rect) {
    allStale_ = true;
    stale_.Clear();
    return;
  }
  const TRect r = rect->Intersect(TRect{0, 0, bitmap_.Width(), bitmap_.Height()});
  if (!r.IsEmpty()) stale_ = stale_.Union(r);
}

void TControlPicture::Clear() {
  bitmap_.SetSize(0, 0);
  stale_.Clear();
  allStale_ = true;
}

void TControlPicture::Show(HDC dc, int width, int height, TCanvas& canvas, const std::function<void(HDC)>& paint) {
  if (width <= 0 || height <= 0) return;
  if (bitmap_.Width() != width || bitmap_.Height() != height) {
    bitmap_.SetSize(width, height);
    allStale_ = true;
    stale_.Clear();
  }
  TCanvas& own = *bitmap_.Canvas();
  if (allStale_ || !stale_.IsEmpty()) {
    *own.Font() = *canvas.Font();
    *own.Brush() = *canvas.Brush();
    *own.Pen() = *canvas.Pen();
    HDC target = own.Handle();
    {
      // Each paint starts from the same DC state, as on a fresh window DC.
      TDCStateGuard guard(target);
      if (!allStale_) SelectClipRgn(target, &stale_);
      paint(target);
    }
    allStale_ = false;
    stale_.Clear();
    ++builds_;
  }
  // A repaint with nothing changed (the parent's, a refresh) finds the
  // picture still there.
  if (PaintShowsPicture(dc, bitmap_.Generation())) return;
  BitBlt(dc, 0, 0, width, height, own.Handle(), 0, 0, SRCCOPY);
}
