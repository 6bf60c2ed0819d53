// A control's last painted look, kept so that a repaint with nothing changed
// (an expose, a paint of the whole window) copies pixels instead of drawing
// text again. The control says which parts it changed; whatever is stale is
// painted into the picture, then the picture is copied to the window.
#pragma once

#include <cstdint>
#include <functional>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"

class TControlPicture {
 public:
  // Marks a client rectangle (nullptr: all of it) to be painted again.
  void Invalidate(const TRect* rect = nullptr);
  // Brings the picture of a width x height client area up to date, painting
  // stale parts by `paint` on a DC that starts as `canvas` would (its font,
  // brush and pen) and is clipped to them, then copies it to `dc` at (0, 0).
  // A change of size makes all of it stale.
  void Show(HDC dc, int width, int height, TCanvas& canvas, const std::function<void(HDC)>& paint);
  // How often any part of the picture was painted.
  uint64_t Builds() const { return builds_; }
  // Frees the pixels; the next Show paints everything.
  void Clear();

 private:
  TBitmap bitmap_;
  TRegion stale_;
  bool allStale_ = true;
  uint64_t builds_ = 0;
};
