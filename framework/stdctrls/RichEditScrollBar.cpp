#include "framework/stdctrls/RichEditScrollBar.h"

#include <algorithm>
#include <cstdint>

namespace {

// The track's colour: the classic look dithers white and button face, which
// reads as this tint.
constexpr TColor kTrackColor = RGB(234, 232, 228);

}  // namespace

TRect TEditScrollBar::ArrowRect(bool forward) const {
  if (!Shown()) return {};
  const TRect& b = Bounds;
  const int thickness = vertical_ ? b.Width() : b.Height();
  const int length = vertical_ ? b.Height() : b.Width();
  const int arrow = std::min(thickness, length / 2);
  if (vertical_) return forward ? TRect{b.Left, b.Bottom - arrow, b.Right, b.Bottom} : TRect{b.Left, b.Top, b.Right, b.Top + arrow};
  return forward ? TRect{b.Right - arrow, b.Top, b.Right, b.Bottom} : TRect{b.Left, b.Top, b.Left + arrow, b.Bottom};
}

TRect TEditScrollBar::TrackRect() const {
  if (!Shown()) return {};
  const TRect back = ArrowRect(false), forward = ArrowRect(true);
  if (vertical_) return {Bounds.Left, back.Bottom, Bounds.Right, forward.Top};
  return {back.Right, Bounds.Top, forward.Left, Bounds.Bottom};
}

int TEditScrollBar::TrackLength() const {
  const TRect t = TrackRect();
  return std::max(0, vertical_ ? t.Height() : t.Width());
}

int TEditScrollBar::ThumbLength() const {
  const int track = TrackLength();
  if (!Enabled() || track < kMinThumb) return 0;
  const int64_t len = int64_t{track} * Page / std::max(Range, 1);
  return static_cast<int>(std::clamp<int64_t>(len, kMinThumb, track));
}

int TEditScrollBar::ThumbOffset() const {
  const int room = TrackLength() - ThumbLength();
  const int max = MaxPosition();
  if (room <= 0 || max <= 0) return 0;
  return static_cast<int>(int64_t{room} * std::clamp(Position, 0, max) / max);
}

int TEditScrollBar::PositionForThumbOffset(int offset) const {
  const int room = TrackLength() - ThumbLength();
  const int max = MaxPosition();
  if (room <= 0 || max <= 0) return 0;
  offset = std::clamp(offset, 0, room);
  return static_cast<int>((int64_t{offset} * max + room / 2) / room);
}

TRect TEditScrollBar::ThumbRect() const {
  const int len = ThumbLength();
  if (len <= 0) return {};
  const TRect t = TrackRect();
  const int at = ThumbOffset();
  if (vertical_) return {t.Left, t.Top + at, t.Right, t.Top + at + len};
  return {t.Left + at, t.Top, t.Left + at + len, t.Bottom};
}

TScrollPart TEditScrollBar::HitTest(TPoint p) const {
  if (!Shown() || !Bounds.Contains(p)) return TScrollPart::None;
  if (ArrowRect(false).Contains(p)) return TScrollPart::LineBack;
  if (ArrowRect(true).Contains(p)) return TScrollPart::LineForward;
  if (!Enabled()) return TScrollPart::None;
  const TRect thumb = ThumbRect();
  if (thumb.Contains(p)) return TScrollPart::Thumb;
  if (thumb.IsEmpty()) return TScrollPart::None;
  return Along(p) < (vertical_ ? thumb.Top : thumb.Left) ? TScrollPart::PageBack : TScrollPart::PageForward;
}

void TEditScrollBar::PaintArrow(HDC dc, const TRect& button, bool forward, bool pushed) const {
  if (button.IsEmpty()) return;
  DrawFrameControl(dc, button, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? unsigned{DFCS_PUSHED} : 0u));
  // A solid triangle, its tip toward the direction of scrolling: rows of
  // 1, 3, 5 ... pixels, a quarter of the button deep.
  const int size = std::min(button.Width(), button.Height());
  const int depth = std::max(2, (size - 1) / 4);
  const int shift = pushed ? 1 : 0;
  const int cx = (button.Left + button.Right) / 2 + shift;
  const int cy = (button.Top + button.Bottom) / 2 + shift;
  const TColor color = Enabled() ? clBtnText : clGrayText;
  for (int i = 0; i < depth; ++i) {
    // Row i counted from the tip.
    const int half = i;
    if (vertical_) {
      const int y = forward ? cy + depth / 2 - i : cy - depth / 2 + i;
      FillRect(dc, {cx - half, y, cx + half + 1, y + 1}, color);
    } else {
      const int x = forward ? cx + depth / 2 - i : cx - depth / 2 + i;
      FillRect(dc, {x, cy - half, x + 1, cy + half + 1}, color);
    }
  }
}

void TEditScrollBar::Paint(HDC dc, TScrollPart pressed) const {
  if (!Shown()) return;
  PaintArrow(dc, ArrowRect(false), false, pressed == TScrollPart::LineBack);
  PaintArrow(dc, ArrowRect(true), true, pressed == TScrollPart::LineForward);
  const TRect track = TrackRect();
  if (track.IsEmpty()) return;
  const TRect thumb = ThumbRect();
  if (thumb.IsEmpty()) {
    FillRect(dc, track, kTrackColor);
    return;
  }
  // The two stretches of track on either side of the thumb; the one being
  // paged through is drawn dark while the mouse holds it.
  TRect back = track, forward = track;
  if (vertical_) {
    back.Bottom = thumb.Top;
    forward.Top = thumb.Bottom;
  } else {
    back.Right = thumb.Left;
    forward.Left = thumb.Right;
  }
  FillRect(dc, back, pressed == TScrollPart::PageBack ? cl3DDkShadow : kTrackColor);
  FillRect(dc, forward, pressed == TScrollPart::PageForward ? cl3DDkShadow : kTrackColor);
  TRect t = thumb;
  DrawEdge(dc, t, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}
