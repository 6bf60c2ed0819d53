// Drawings for the sections the trainer's window shows: the push button, the
// panel, the group box, the window frame and title, the radio and check
// glyphs, the caption buttons and the grip. Borders keep their middle
// transparent (the control's own background shows there) and their edge
// rows and columns uniform along their length, since edges are stretched.
#include <cmath>

#include "SkinArt.h"

namespace {

using namespace skin_colors;

const TArtRgb kContour = Mix(kSteel, kNavy, 0.35f);
constexpr float kButtonRadius = 4.5f;
constexpr float kGroupBoxRadius = 2.5f;


// --- Push button: a rounded outline, a white inner light, a blue glow when
// hot, a shadow under the top edge when pressed.
void DrawButton(TArtCanvas& f, int state) {
  const float w = static_cast<float>(f.Width()), h = static_cast<float>(f.Height());
  const TSdf outer = RoundRect(0, 0, w, h, kButtonRadius);
  const TSdf inner1 = Grow(outer, -1), inner2 = Grow(outer, -2);
  switch (state) {
    case kNormal:
      f.Fill(Stroke(inner1, 1), kWhite, 0.75f);
      f.Fill(Stroke(inner2, 1), kWhite, 0.25f);
      f.Fill(Stroke(outer, 1), kContour);
      break;
    case kHot:
      f.Shade(inner1, Inward(inner1), kBright, 4.5f, 0.55f);
      f.Fill(Stroke(inner1, 1), Mix(kBright, kWhite, 0.55f), 0.7f);
      f.Fill(Stroke(outer, 1), Mix(kBright, kNavy, 0.3f));
      break;
    default:
      f.Shade(inner1, [](float, float y) { return y - 1; }, kNavy, 4.5f, 0.4f);
      f.Fill(Intersect(Stroke(inner1, 1), Below(h - 4)), kWhite, 0.45f);
      f.Fill(Stroke(outer, 1), kNavy);
      break;
  }
}

// --- Panel: a two-pixel raised frame, light at the top left, blue-grey at
// the bottom right, the middle empty. Drawn opaque (no mask).
void DrawPanel(TArtCanvas& f, int) {
  const int w = f.Width(), h = f.Height();
  const TArtRgb light[2] = {kWhite, ArtRgb(0xFAF1E8)};
  const TArtRgb dark[2] = {ArtRgb(0xBE9677), ArtRgb(0xDEBCA0)};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int ring = std::min(std::min(x, y), std::min(w - 1 - x, h - 1 - y));
      if (ring >= 2) continue;
      const bool lit = (y == ring && x < w - 1 - ring) || (x == ring && y < h - 1 - ring);
      f.Put(x, y, lit ? light[ring] : dark[ring], 1);
    }
}

// --- Group box: a thin etched rounded frame.
void DrawGroupBox(TArtCanvas& f, int) {
  const TSdf outer = RoundRect(0, 0, static_cast<float>(f.Width()), static_cast<float>(f.Height()), kGroupBoxRadius);
  f.Fill(Stroke(Grow(outer, -1), 1), kWhite, 0.7f);
  f.Fill(Stroke(outer, 1), Mix(kSteel, kNavy, 0.1f), 0.8f);
}

// The window's corners are rounded by this radius; the corner pieces of the
// frame and of the title are five pixels, so no rounder corner fits.
constexpr float kWindowCornerRadius = 5.0f;

// --- Window frame: five pixels, a navy outer line, blue body, a light inner
// line against the client area, the rings following the rounded corners.
// Opaque; the middle and the corners outside the curve are magenta, so the
// window's shape leaves the corners out.
void DrawForm(TArtCanvas& f, int) {
  const int w = f.Width(), h = f.Height();
  const TSdf outline =
      RoundRect(0, 0, static_cast<float>(w), static_cast<float>(h), kWindowCornerRadius);
  const TArtRgb rings[5] = {kNavy, ArtRgb(0xDEAC7D), ArtRgb(0xCC8C4E), ArtRgb(0xC08040), ArtRgb(0xF0D4BA)};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const float depth = -outline(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
      if (depth <= 0) continue;
      const int ring = static_cast<int>(depth);
      if (ring < 5) f.Put(x, y, rings[ring], 1);
    }
}

// --- Title bar outline: a light line along the rounded top and the sides,
// a navy line between the title and the client area. A faint light over the
// whole title keeps every pixel inside the rounded corners part of the
// window; only the pixels outside the curve stay clear.
void DrawFormTitle(TArtCanvas& f, int) {
  const float w = static_cast<float>(f.Width()), h = static_cast<float>(f.Height());
  const TSdf body = RoundRect(0, 0, w, h + 2 * kWindowCornerRadius, kWindowCornerRadius);
  f.Fill(body, kWhite, 0.05f);
  f.Fill(Intersect(Stroke(Grow(body, -1), 1), Above(h - 2)), kWhite, 0.25f);
  f.Fill(Intersect(Stroke(body, 1), Above(h - 2)), kWhite, 0.6f);
  f.Fill(Intersect(Below(h - 2), Above(h - 1)), kNavy, 0.25f);
  f.Fill(Below(h - 1), kNavy);
}

// --- Radio buttons: a 14-pixel circle in the upper 16 rows of the frame.
void DrawRadio(TArtCanvas& f, int state, bool checked) {
  const float cx = 8, cy = 8, r = 7;
  const TSdf disc = Circle(cx, cy, r);
  TArtRgb top = kWhite, bottom = ArtRgb(0xF4E2CE), ring = Mix(kSteel, kNavy, 0.15f);
  if (state == kHot) bottom = ArtRgb(0xFBD9B4), ring = Mix(kBright, kNavy, 0.2f);
  if (state == kPressed) top = ArtRgb(0xE8CBAE), bottom = ArtRgb(0xFAF0E6), ring = kNavy;
  f.Fill(disc, VGradient(cy - r, top, cy + r, bottom));
  if (state != kPressed) f.Fill(Stroke(Circle(cx, cy, r - 1), 1), kWhite, 0.6f);
  if (state == kHot) f.Fill(Stroke(Circle(cx, cy, r - 1), 1.5f), kBright, 0.3f);
  f.Fill(Stroke(disc, 1), ring);
  if (checked) {
    const TArtRgb dotTop = state == kHot ? Mix(kBright, kWhite, 0.25f) : kBright;
    f.Fill(Circle(cx, cy, 3.2f), VGradient(cy - 3, dotTop, cy + 3, kNavy));
    f.Fill(Circle(cx - 0.9f, cy - 1.1f, 1.2f), kWhite, 0.55f);
  }
}

// --- Check boxes: the same size and light as the radio buttons, square.
void DrawBox(TArtCanvas& f, int state, int mark) {
  const TSdf box = RoundRect(1, 1, 15, 15, 2.5f);
  TArtRgb top = kWhite, bottom = ArtRgb(0xF4E2CE), ring = Mix(kSteel, kNavy, 0.15f);
  if (state == kHot) bottom = ArtRgb(0xFBD9B4), ring = Mix(kBright, kNavy, 0.2f);
  if (state == kPressed) top = ArtRgb(0xE8CBAE), bottom = ArtRgb(0xFAF0E6), ring = kNavy;
  f.Fill(box, VGradient(1, top, 15, bottom));
  if (state != kPressed) f.Fill(Stroke(Grow(box, -1), 1), kWhite, 0.6f);
  if (state == kHot) f.Fill(Stroke(Grow(box, -1), 1.5f), kBright, 0.3f);
  f.Fill(Stroke(box, 1), ring);
  if (mark == 1) {
    const TSdf tick = Union(Capsule(4.6f, 8.2f, 7.1f, 10.9f, 2.2f), Capsule(7.1f, 10.9f, 11.6f, 5.0f, 2.2f));
    f.Fill(tick, VGradient(5, state == kHot ? kBright : Mix(kBright, kNavy, 0.4f), 11, kNavy));
  } else if (mark == 2) {
    f.Fill(RoundRect(5, 5, 11, 11, 1.2f), VGradient(5, kBright, 11, kSteel), 0.75f);
  }
}

// --- Small menu check boxes (12 x 12, one state).
void DrawSmallBox(TArtCanvas& f, int mark) {
  const TSdf box = RoundRect(1, 1, 11, 11, 1.5f);
  f.Fill(box, VGradient(1, kWhite, 11, ArtRgb(0xF4E2CE)));
  f.Fill(Stroke(box, 1), Mix(kSteel, kNavy, 0.15f));
  if (mark == 1)
    f.Fill(Union(Capsule(3.3f, 6.0f, 5.1f, 7.9f, 1.7f), Capsule(5.1f, 7.9f, 8.7f, 3.7f, 1.7f)), kNavy);
  else if (mark == 2)
    f.Fill(RoundRect(3.5f, 3.5f, 8.5f, 8.5f, 0.8f), kSteel, 0.75f);
}

// --- Caption buttons: small glossy rounded buttons on the title bar with a
// crisp white symbol; brighter when hot, darker when pressed, red for close.
TSdf CaptionBody() { return RoundRect(0, 0, 17, 15, 3.2f); }

void DrawCaptionButton(TArtCanvas& f, int state, bool danger) {
  const TSdf body = CaptionBody();
  TArtRgb top = ArtRgb(0xF2C597), bottom = ArtRgb(0xC47834), edge = ArtRgb(0x86501F);
  if (state == kHot) top = ArtRgb(0xFFE2BE), bottom = ArtRgb(0xE6963C), edge = ArtRgb(0xA0602A);
  if (state == kPressed) top = ArtRgb(0x965A28), bottom = ArtRgb(0xC8823C), edge = kNavy;
  if (danger && state == kHot) top = ArtRgb(0x94A8F4), bottom = ArtRgb(0x2038C8), edge = ArtRgb(0x1A1E80);
  if (danger && state == kPressed) top = ArtRgb(0x1C2896), bottom = ArtRgb(0x3048C8), edge = ArtRgb(0x141660);
  // A light line under the button sets it into the title bar.
  f.Fill(Subtract(RoundRect(0, 1, 17, 16, 3.2f), body), kWhite, 0.4f);
  f.Fill(body, VGradient(1, top, 14, bottom));
  if (state != kPressed) {
    f.Fill(Intersect(Grow(body, -1), Above(7)), kWhite, 0.22f);
    f.Fill(Stroke(Grow(body, -1), 1), kWhite, 0.35f);
  } else {
    f.Fill(Intersect(Grow(body, -1), Above(3)), kNavy, 0.3f);
  }
  f.Fill(Stroke(body, 1), edge);
}

// Draws a symbol white with a dark halo so it reads on any button colour.
void DrawSymbol(TArtCanvas& f, const TSdf& symbol, int state) {
  const float dy = state == kPressed ? 1.0f : 0.0f;
  TSdf moved = [symbol, dy](float x, float y) { return symbol(x, y - dy); };
  f.Fill(Grow(moved, 0.9f), kNavy, 0.45f);
  f.Fill(moved, kWhite);
}

TSdf MinimizeSymbol() { return RoundRect(5, 9, 12, 11, 0.4f); }

TSdf MaximizeSymbol() { return Subtract(RoundRect(4, 3, 13, 12, 0.6f), RoundRect(5, 5, 12, 11, 0.2f)); }

TSdf CloseSymbol() {
  return Union(Capsule(5.6f, 4.6f, 11.4f, 10.4f, 1.9f), Capsule(11.4f, 4.6f, 5.6f, 10.4f, 1.9f));
}

// A question mark of whole pixels: at this size a curve only blurs.
TSdf HelpSymbol() { return QuestionMark(6, 3); }

// --- A title button without a symbol, drawn without a mask: its soft edge
// is blended with the middle of the title bar.
void DrawTitleButton(TArtCanvas& f, int state) { DrawCaptionButton(f, state, false); }

// --- Size grip: a triangle of raised dots.
void DrawGrip(TArtCanvas& f, int) {
  const int n = f.Width();
  for (int gy = 0; gy < 3; ++gy)
    for (int gx = 0; gx < 3; ++gx) {
      if (gx + gy < 2) continue;
      const int x = n - 10 + gx * 3, y = n - 10 + gy * 3;
      f.Put(x + 1, y + 1, kWhite, 0.95f);
      f.Put(x, y, kSteel, 0.9f);
    }
}

}  // namespace

const std::vector<TArtPiece>& WindowArtPieces() {
  static const std::vector<TArtPiece> pieces = {
      {"button", DrawButton, Ground, RoundedOutline(kButtonRadius)},
      {"panel", DrawPanel},
      {"group-box", DrawGroupBox, Ground, RoundedOutline(kGroupBoxRadius)},
      {"form", DrawForm},
      {"form-title", DrawFormTitle},
      {"radio-checked", [](TArtCanvas& f, int s) { DrawRadio(f, s, true); }},
      {"radio-unchecked", [](TArtCanvas& f, int s) { DrawRadio(f, s, false); }},
      {"box-checked", [](TArtCanvas& f, int s) { DrawBox(f, s, 1); }},
      {"box-unchecked", [](TArtCanvas& f, int s) { DrawBox(f, s, 0); }},
      {"box-grayed", [](TArtCanvas& f, int s) { DrawBox(f, s, 2); }},
      {"small-checked", [](TArtCanvas& f, int) { DrawSmallBox(f, 1); }},
      {"small-unchecked", [](TArtCanvas& f, int) { DrawSmallBox(f, 0); }},
      {"small-grayed", [](TArtCanvas& f, int) { DrawSmallBox(f, 2); }},
      {"caption-close", [](TArtCanvas& f, int s) { DrawCaptionButton(f, s, true), DrawSymbol(f, CloseSymbol(), s); }},
      {"caption-help", [](TArtCanvas& f, int s) { DrawCaptionButton(f, s, false), DrawSymbol(f, HelpSymbol(), s); }},
      {"caption-max",
       [](TArtCanvas& f, int s) { DrawCaptionButton(f, s, false), DrawSymbol(f, MaximizeSymbol(), s); }},
      {"caption-min",
       [](TArtCanvas& f, int s) { DrawCaptionButton(f, s, false), DrawSymbol(f, MinimizeSymbol(), s); }},
      {"title-button", DrawTitleButton, 0xC8A078},
      {"grip", DrawGrip},
  };
  return pieces;
}
