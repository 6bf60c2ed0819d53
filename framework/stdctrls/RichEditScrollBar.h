// The scroll bars a rich edit draws inside its own client area, in the
// classic look: two arrow buttons, a light track and a raised thumb whose
// length shows the visible fraction. Positions are in document pixels.
#pragma once

#include "framework/base/Types.h"
#include "framework/graphics/Gdi.h"

enum class TScrollPart { None, LineBack, LineForward, PageBack, PageForward, Thumb };

class TEditScrollBar {
 public:
  explicit TEditScrollBar(bool vertical) : vertical_(vertical) {}

  bool Vertical() const { return vertical_; }
  // Where the bar is, in client coordinates; empty when it is not shown.
  TRect Bounds;
  int Range = 0;     // the whole extent
  int Page = 0;      // the visible part of it
  int Position = 0;  // the first visible pixel, 0 .. Range - Page

  bool Shown() const { return !Bounds.IsEmpty(); }
  bool Enabled() const { return Range > Page && Page > 0; }
  int MaxPosition() const { return Range > Page ? Range - Page : 0; }

  TRect ArrowRect(bool forward) const;
  TRect TrackRect() const;
  TRect ThumbRect() const;  // empty when disabled or there is no room for one
  TScrollPart HitTest(TPoint p) const;
  // The position that puts the thumb's leading edge `offset` pixels into the track.
  int PositionForThumbOffset(int offset) const;
  // Offset of the thumb's leading edge into the track.
  int ThumbOffset() const;

  // `pressed` is the part the mouse holds down (drawn pushed in).
  void Paint(HDC dc, TScrollPart pressed) const;

  static constexpr int kMinThumb = 8;

 private:
  int Along(TPoint p) const { return vertical_ ? p.Y : p.X; }
  int TrackLength() const;
  int ThumbLength() const;
  void PaintArrow(HDC dc, const TRect& button, bool forward, bool pushed) const;

  bool vertical_;
};
