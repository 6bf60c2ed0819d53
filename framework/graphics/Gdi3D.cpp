// The framework's plain look: 3-D edges and the frame controls (caption
// buttons, push buttons, radio buttons and check boxes) drawn in the classic
// system colours.
#include <algorithm>
#include <cstdint>

#include "framework/graphics/Gdi.h"
#include "framework/graphics/GdiPixels.h"

using namespace gdi_pixels;

namespace {

struct TEdgeColors {
  TColor TopLeft;
  TColor BottomRight;
};

// The colours of one ring of an edge. Light comes from the top left: a
// raised ring is light there and dark at the bottom right, a sunken one the
// other way round. The outer ring carries the stronger contrast; BF_SOFT
// swaps the top-left colours of the two rings for a softer button look.
TEdgeColors RingColors(bool outer, bool raised, unsigned flags) {
  if (flags & BF_MONO) return outer ? TEdgeColors{clWindowFrame, clWindowFrame} : TEdgeColors{clWindow, clWindow};
  if (flags & BF_FLAT) return outer ? TEdgeColors{clBtnShadow, clBtnShadow} : TEdgeColors{clBtnFace, clBtnFace};
  const bool soft = (flags & BF_SOFT) != 0;
  if (outer) {
    if (raised) return {soft ? clBtnHighlight : cl3DLight, cl3DDkShadow};
    return {soft ? cl3DDkShadow : clBtnShadow, clBtnHighlight};
  }
  if (raised) return {soft ? cl3DLight : clBtnHighlight, clBtnShadow};
  return {soft ? clBtnShadow : cl3DDkShadow, cl3DLight};
}

// One-pixel ring on the chosen sides; the bottom-right colour is drawn last
// so it owns the top-right and bottom-left corners. Shrinks `r` past it.
void DrawRing(HDC dc, TRect& r, TEdgeColors colors, unsigned flags) {
  if (r.IsEmpty()) return;
  if (flags & BF_TOP) FillRect(dc, {r.Left, r.Top, r.Right, r.Top + 1}, colors.TopLeft);
  if (flags & BF_LEFT) FillRect(dc, {r.Left, r.Top, r.Left + 1, r.Bottom}, colors.TopLeft);
  if (flags & BF_BOTTOM) FillRect(dc, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, colors.BottomRight);
  if (flags & BF_RIGHT) FillRect(dc, {r.Right - 1, r.Top, r.Right, r.Bottom}, colors.BottomRight);
  if (flags & BF_LEFT) ++r.Left;
  if (flags & BF_TOP) ++r.Top;
  if (flags & BF_RIGHT) --r.Right;
  if (flags & BF_BOTTOM) --r.Bottom;
}

// The largest centred square of `r`.
TRect CentredSquare(const TRect& r) {
  const int s = std::min(r.Width(), r.Height());
  const int l = r.Left + (r.Width() - s) / 2, t = r.Top + (r.Height() - s) / 2;
  return {l, t, l + s, t + s};
}

// --- buttons ---

void DrawPushButton(HDC dc, const TRect& rect, unsigned state) {
  TRect r = rect;
  if (state & DFCS_PUSHED) {
    // A pressed button: a dark frame with the shadow inside it, flat face.
    FrameRect(dc, r, cl3DDkShadow);
    FrameRect(dc, r.Inflate(-1, -1), clBtnShadow);
    FillRect(dc, r.Inflate(-2, -2), clBtnFace);
    return;
  }
  const unsigned edge = (state & DFCS_CHECKED) ? unsigned{EDGE_SUNKEN} : unsigned{EDGE_RAISED};
  DrawEdge(dc, r, edge, BF_RECT | BF_MIDDLE | BF_SOFT | ((state & DFCS_FLAT) ? unsigned{BF_FLAT} : 0u));
}

void DrawCheckBox(HDC dc, const TRect& rect, unsigned state) {
  TRect box = CentredSquare(rect);
  if (box.Width() < 4) return;
  const bool dim = (state & (DFCS_PUSHED | DFCS_INACTIVE)) != 0;
  DrawEdge(dc, box, EDGE_SUNKEN, BF_RECT | BF_ADJUST | ((state & DFCS_FLAT) ? unsigned{BF_FLAT} : 0u));
  FillRect(dc, box, dim ? clBtnFace : clWindow);
  if (!(state & DFCS_CHECKED)) return;
  // A tick: a short arm down to the right, then a long one up, three pixels
  // thick in a 13-pixel box and scaled with it.
  const int n = box.Width();
  const int tw = std::max(3, n - 2);
  const int k = std::max(1, (tw * 2 + 3) / 7);
  const int th = std::max(1, (tw * 3 + 3) / 7);
  const int tickH = tw - 1 - k + th;
  const int ox = box.Left + (n - tw) / 2, oy = box.Top + (n - tickH) / 2;
  const TColor c = (state & DFCS_INACTIVE) ? clBtnShadow : clWindowText;
  for (int col = 0; col < tw; ++col) {
    const int top = col >= k ? tw - 1 - col : tw - 1 - 2 * k + col;
    FillRect(dc, {ox + col, oy + top, ox + col + 1, oy + top + th}, c);
  }
}

// Calls f(y, x0, x1, interior) for the ring and the interior spans of the
// ellipse filling `box` (logical coordinates); `x0..x1` is half-open.
template <class F>
void EllipseRows(const TRect& box, F&& f) {
  const int w = box.Width(), h = box.Height();
  for (int r = 0; r < h; ++r) {
    int x0, x1;
    if (!EllipseSpan(w, h, r, x0, x1)) continue;
    int i0, i1;
    EllipseInterior(w, h, r, x0, x1, i0, i1);
    const int y = box.Top + r;
    if (i0 >= i1) {
      f(y, box.Left + x0, box.Left + x1, false);
      continue;
    }
    f(y, box.Left + x0, box.Left + i0, false);
    f(y, box.Left + i0, box.Left + i1, true);
    f(y, box.Left + i1, box.Left + x1, false);
  }
}

// A one-pixel circular ring split along the falling diagonal: the upper-left
// half in one colour, the lower-right half in the other.
void DrawRoundRing(HDC dc, const TRect& box, TEdgeColors colors) {
  const int s = box.Width();
  EllipseRows(box, [&](int y, int x0, int x1, bool interior) {
    if (interior || x0 >= x1) return;
    // Pixels left of column (s - 1 - row) lie above the diagonal.
    const int split = box.Left + s - 1 - (y - box.Top);
    const int mid = std::clamp(split, x0, x1);
    if (x0 < mid) FillRect(dc, {x0, y, mid, y + 1}, colors.TopLeft);
    if (mid < x1) FillRect(dc, {mid, y, x1, y + 1}, colors.BottomRight);
  });
}

void FillRound(HDC dc, const TRect& box, TColor color) {
  EllipseRows(box, [&](int y, int x0, int x1, bool) {
    if (x0 < x1) FillRect(dc, {x0, y, x1, y + 1}, color);
  });
}

void DrawRadioButton(HDC dc, const TRect& rect, unsigned state) {
  const TRect box = CentredSquare(rect);
  const int s = box.Width();
  if (s < 5) return;
  const bool dim = (state & (DFCS_PUSHED | DFCS_INACTIVE)) != 0;
  if (state & DFCS_FLAT) {
    DrawRoundRing(dc, box, {clBtnShadow, clBtnShadow});
  } else {
    DrawRoundRing(dc, box, {clBtnShadow, clBtnHighlight});
    DrawRoundRing(dc, box.Inflate(-1, -1), {cl3DDkShadow, cl3DLight});
  }
  const TRect inside = (state & DFCS_FLAT) ? box.Inflate(-1, -1) : box.Inflate(-2, -2);
  FillRound(dc, inside, dim ? clBtnFace : clWindow);
  if (!(state & DFCS_CHECKED)) return;
  // The dot keeps the parity of the circle so it sits exactly in the middle.
  int d = std::max(2, s / 3);
  if ((d & 1) != (s & 1)) ++d;
  const int o = (s - d) / 2;
  FillRound(dc, {box.Left + o, box.Top + o, box.Left + o + d, box.Top + o + d},
            (state & DFCS_INACTIVE) ? clBtnShadow : clWindowText);
}

// --- caption buttons ---

// A question mark at 7 x 10, scaled up by whole pixels for bigger buttons.
constexpr const char* kHelpGlyph[] = {
    "..XXX..", ".XX.XX.", "XX...XX", ".....XX", "....XX.", "...XX..", "...XX..", ".......", "...XX..", "...XX..",
};

void DrawCaptionGlyph(HDC dc, unsigned kind, const TRect& face, int gs, TColor c, TColor back) {
  const int th = std::max(1, (gs + 4) / 6);
  const int ox = face.Left + (face.Width() - gs) / 2;
  const int oy = face.Top + (face.Height() - gs) / 2;
  auto bar = [&](int l, int t, int r, int b) { FillRect(dc, {ox + l, oy + t, ox + r, oy + b}, c); };
  switch (kind) {
    case DFCS_CAPTIONCLOSE: {
      // Two crossing diagonals of thickness th; the glyph is one row shorter
      // than it is wide for every extra pixel of thickness.
      const int gh = gs - th + 1;
      const int dy = (gs - gh + 1) / 2;
      for (int i = 0; i < gh; ++i) {
        bar(i, dy + i, i + th, dy + i + 1);
        bar(gs - th - i, dy + i, gs - i, dy + i + 1);
      }
      break;
    }
    case DFCS_CAPTIONMIN: {
      const int bw = std::max(2, gs * 3 / 4);
      bar(0, gs - th - 1, bw, gs - 1);
      break;
    }
    case DFCS_CAPTIONMAX:
      bar(0, 0, gs, th);
      bar(0, th, 1, gs);
      bar(gs - 1, th, gs, gs);
      bar(1, gs - 1, gs - 1, gs);
      break;
    case DFCS_CAPTIONRESTORE: {
      const int b = std::max(4, gs * 3 / 4);
      const int off = gs - b;
      auto window = [&](int l, int t) {
        bar(l, t, l + b, t + th);
        bar(l, t + th, l + 1, t + b);
        bar(l + b - 1, t + th, l + b, t + b);
        bar(l + 1, t + b - 1, l + b - 1, t + b);
      };
      window(off, 0);
      // The front window hides what of the back one lies behind it.
      FillRect(dc, {ox + 1, oy + off + th, ox + b - 1, oy + off + b - 1}, back);
      window(0, off);
      break;
    }
    case DFCS_CAPTIONHELP: {
      const int scale = std::max(1, gs / 9);
      const int gw = 7 * scale, gh = 10 * scale;
      const int hx = (gs - gw) / 2, hy = (gs - gh) / 2;
      for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 7; ++col)
          if (kHelpGlyph[row][col] == 'X')
            bar(hx + col * scale, hy + row * scale, hx + (col + 1) * scale, hy + (row + 1) * scale);
      break;
    }
    default: break;
  }
}

void DrawCaptionButton(HDC dc, const TRect& rect, unsigned state) {
  TRect face = rect;
  const bool pushed = (state & DFCS_PUSHED) != 0;
  DrawEdge(dc, face, pushed ? unsigned{EDGE_SUNKEN} : unsigned{EDGE_RAISED},
           BF_RECT | BF_MIDDLE | BF_ADJUST | ((state & DFCS_FLAT) ? unsigned{BF_FLAT} : 0u));
  // The glyph is sized from the whole button so it does not jump when the
  // edge changes; a pressed button shows it one pixel down and right.
  const int side = std::min(rect.Width(), rect.Height());
  const int gs = std::min(std::max(4, (side * 4 + 3) / 7), std::min(face.Width(), face.Height()) - 1);
  if (gs < 3) return;
  TRect glyphArea = rect;
  if (pushed) glyphArea = glyphArea.Offset(1, 1);
  const unsigned kind = state & 0xF;
  if (state & DFCS_INACTIVE) {
    // Greyed glyphs are embossed: a light copy one pixel down and right.
    DrawCaptionGlyph(dc, kind, glyphArea.Offset(1, 1), gs, clBtnHighlight, clBtnFace);
    DrawCaptionGlyph(dc, kind, glyphArea, gs, clBtnShadow, clBtnFace);
  } else {
    DrawCaptionGlyph(dc, kind, glyphArea, gs, clBtnText, clBtnFace);
  }
}

}  // namespace

bool DrawEdge(HDC dc, TRect& rect, unsigned edge, unsigned flags) {
  if (!dc) return false;
  TRect r = rect;
  const unsigned outer = edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER);
  const unsigned inner = edge & (BDR_RAISEDINNER | BDR_SUNKENINNER);
  if (outer) DrawRing(dc, r, RingColors(true, (outer & BDR_RAISEDOUTER) != 0, flags), flags);
  if (inner) DrawRing(dc, r, RingColors(false, (inner & BDR_RAISEDINNER) != 0, flags), flags);
  if ((flags & BF_MIDDLE) && !r.IsEmpty()) FillRect(dc, r, (flags & BF_MONO) ? clWindow : clBtnFace);
  if (flags & BF_ADJUST) rect = r;
  return true;
}

bool DrawFrameControl(HDC dc, const TRect& rect, unsigned type, unsigned state) {
  if (!dc || rect.IsEmpty()) return false;
  // Frame controls are small; the glyph code walks their rows and columns,
  // so a nonsense size is refused instead of taking forever.
  constexpr int64_t kMaxSide = 4 * int64_t{kMaxPictureSide};
  if (int64_t{rect.Right} - rect.Left > kMaxSide || int64_t{rect.Bottom} - rect.Top > kMaxSide) return false;
  switch (type) {
    case DFC_CAPTION: DrawCaptionButton(dc, rect, state); return true;
    case DFC_BUTTON:
      if (state & DFCS_BUTTONPUSH)
        DrawPushButton(dc, rect, state);
      else if ((state & 0xF) == DFCS_BUTTONRADIO)
        DrawRadioButton(dc, rect, state);
      else
        DrawCheckBox(dc, rect, state);
      return true;
    default: return false;
  }
}
