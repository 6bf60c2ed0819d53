// Drawings for the controls the trainer does not show but the skin styles
// all the same: menus, scroll bars, tabs, edits, tool buttons, bars, the
// track bar, the texture. Same rules as the window's pieces: transparent
// middles, uniform edges, rounded antialiased corners.
#include "SkinArt.h"

namespace {

using namespace skin_colors;

constexpr float kEditRadius = 1.5f;
constexpr float kTabRadius = 3;

float W(const TArtCanvas& f) { return static_cast<float>(f.Width()); }
float H(const TArtCanvas& f) { return static_cast<float>(f.Height()); }
TSdf Whole(const TArtCanvas& f, float radius) { return RoundRect(0, 0, W(f), H(f), radius); }

// A small raised button: used by scroll buttons, sliders and speed buttons.
void DrawSmallButton(TArtCanvas& f, int state, float radius) {
  const TSdf outer = Whole(f, radius);
  const TSdf inner = Grow(outer, -1);
  if (state == kPressed) {
    f.Fill(Intersect(inner, Above(2)), kNavy, 0.22f);
    f.Fill(Stroke(outer, 1), kNavy, 0.9f);
    return;
  }
  f.Fill(Stroke(inner, 1), kWhite, state == kHot ? 0.85f : 0.7f);
  if (state == kHot) f.Fill(Stroke(Grow(inner, -1), 1), kBright, 0.2f);
  f.Fill(Stroke(outer, 1), state == kHot ? Mix(kBright, kNavy, 0.3f) : Mix(kSteel, kNavy, 0.2f), 0.9f);
}

// A frame that appears only when hot or pressed (menu items, tool buttons).
void DrawFlatButton(TArtCanvas& f, int state, float radius) {
  if (state == kNormal) return;
  DrawSmallButton(f, state, radius);
}

// The outline of a plain frame: a line with a light line inside it.
void DrawLinedFrame(TArtCanvas& f, float radius, TArtRgb line, float lineAlpha, float lightAlpha) {
  const TSdf outer = Whole(f, radius);
  f.Fill(Stroke(Grow(outer, -1), 1), kWhite, lightAlpha);
  f.Fill(Stroke(outer, 1), line, lineAlpha);
}

// A sunken frame: dark at the top left, light at the bottom right.
void DrawSunken(TArtCanvas& f) {
  const float w = W(f), h = H(f);
  f.Fill(Union(Below(h - 1), RightOf(w - 1)), kWhite, 0.9f);
  f.Fill(Intersect(Union(Above(1), LeftOf(1)), Intersect(LeftOf(w - 1), Above(h - 1))), kSteel, 0.75f);
}

// Two lines across the top: a soft groove.
void DrawTopGroove(TArtCanvas& f, float alpha) {
  f.Fill(Above(1), kSteel, alpha);
  f.Fill(Intersect(Below(1), Above(2)), kWhite, 0.85f);
}

void DrawEdit(TArtCanvas& f, int state) {
  const TSdf outer = Whole(f, kEditRadius);
  const TSdf inner = Grow(outer, -1);
  f.Fill(Intersect(inner, Above(2)), kNavy, 0.08f);
  if (state == kHot) f.Fill(Stroke(inner, 1), kBright, 0.3f);
  const TArtRgb line = state == kHot ? Mix(kBright, kNavy, 0.25f) : state == kPressed ? kNavy : kSteel;
  f.Fill(Stroke(outer, 1), line, 0.9f);
}

// A progress or gauge channel: a shaded groove.
void DrawChannel(TArtCanvas& f, float radius) {
  const TSdf outer = Whole(f, radius);
  const TSdf inner = Grow(outer, -1);
  f.Fill(Intersect(inner, Above(2)), kNavy, 0.15f);
  f.Fill(Intersect(Stroke(inner, 1), Below(H(f) - 2)), kWhite, 0.7f);
  f.Fill(Stroke(outer, 1), kSteel, 0.85f);
}

// A tab standing on the page below it: rounded top corners, no bottom line.
void DrawTabTop(TArtCanvas& f, int state) {
  const float w = W(f), h = H(f);
  const TSdf shape = RoundRect(0, 0, w, h + 4, kTabRadius);
  f.Fill(Stroke(Grow(shape, -1), 1), kWhite, state == kPressed ? 0.9f : 0.7f);
  if (state != kNormal) {
    const TArtRgb accent = state == kHot ? kBright : Mix(kBright, kNavy, 0.3f);
    f.Fill(Intersect(Grow(shape, -1), Above(3)), accent, 0.85f);
  }
  f.Fill(Stroke(shape, 1), state == kHot ? Mix(kBright, kNavy, 0.3f) : kSteel, 0.9f);
}

// Draws `draw` on a canvas of the given size and copies it into `f` after
// `turn` (for pieces made by turning or mirroring another).
template <class Turn>
void Turned(TArtCanvas& f, int state, int w, int h, void (*draw)(TArtCanvas&, int), Turn turn) {
  TArtCanvas base(w, h);
  draw(base, state);
  turn(base).CopyTo(f, 0, 0);
}

// A chevron pointing down in an 8 x 8 frame.
void DrawArrowDown(TArtCanvas& f, int state) {
  const TSdf chevron = Union(Capsule(1.6f, 2.6f, 4.0f, 5.0f, 1.8f), Capsule(4.0f, 5.0f, 6.4f, 2.6f, 1.8f));
  const TArtRgb color = state == kHot ? Mix(kBright, kNavy, 0.2f) : kNavy;
  f.Fill(Grow(chevron, 0.8f), kWhite, 0.45f);
  f.Fill(chevron, color);
}

// Three short ridges across a slider (8 x 8).
void DrawGripLines(TArtCanvas& f, int state) {
  const TArtRgb dark = state == kHot ? Mix(kBright, kNavy, 0.3f) : kSteel;
  for (int i = 0; i < 3; ++i) {
    const float x = 1.0f + 2.0f * static_cast<float>(i);
    f.Fill(Intersect(Intersect(RightOf(x), LeftOf(x + 1)), Intersect(Below(1), Above(7))), dark, 0.9f);
    f.Fill(Intersect(Intersect(RightOf(x + 1), LeftOf(x + 2)), Intersect(Below(1), Above(7))), kWhite, 0.9f);
  }
}

// A track-bar thumb standing upright (11 x 18).
void DrawSliderThumb(TArtCanvas& f, int state) {
  const TSdf body = RoundRect(1, 1, 10, 17, 3);
  TArtRgb top = kWhite, bottom = ArtRgb(0xF0D2B4), line = Mix(kSteel, kNavy, 0.2f);
  if (state == kHot) bottom = ArtRgb(0xF5C894), line = Mix(kBright, kNavy, 0.3f);
  if (state == kPressed) top = ArtRgb(0xE8C8A6), bottom = ArtRgb(0xFAEEE0), line = kNavy;
  f.Fill(Grow(body, 0.8f), kNavy, 0.12f);
  f.Fill(body, VGradient(1, top, 17, bottom));
  for (int i = 0; i < 3; ++i) {
    const float y = 6.5f + 2.0f * static_cast<float>(i);
    f.Fill(Intersect(Intersect(RightOf(3.5f), LeftOf(7.5f)), Intersect(Below(y), Above(y + 1))), line, 0.7f);
  }
  f.Fill(Stroke(body, 1), line);
}

// A tileable texture: soft diagonal stripes on a light ground.
void DrawPattern(TArtCanvas& f, int) {
  const TArtRgb ground = ArtRgb(0xF6E6D6);
  for (int y = 0; y < f.Height(); ++y)
    for (int x = 0; x < f.Width(); ++x) {
      const int phase = (x + y) % 4;
      f.Put(x, y, phase == 0 ? Mix(ground, kWhite, 0.6f) : phase == 1 ? Mix(ground, kWhite, 0.25f) : ground, 1);
    }
}

void DrawTick(TArtCanvas& f, bool horizontal) {
  if (horizontal)
    f.Fill(Intersect(RightOf(1), LeftOf(2)), kSteel, 0.9f);
  else
    f.Fill(Intersect(Below(1), Above(2)), kSteel, 0.9f);
}

// A piece whose frame is rounded by `radius`, and the same for a frame that
// is only drawn when hot or pressed (its normal frame has no shape at all).
TArtPiece Rounded(std::string key, std::function<void(TArtCanvas&, int)> draw, float radius) {
  return {std::move(key), std::move(draw), Ground, RoundedOutline(radius)};
}
TArtPiece RoundedWhenLit(std::string key, std::function<void(TArtCanvas&, int)> draw, float radius) {
  return {std::move(key), std::move(draw), Ground, [radius](float w, float h, int state) {
            return state == kNormal ? TSdf{} : RoundRect(0, 0, w, h, radius);
          }};
}
// A frame rounded only at the two corners away from its open side, the side
// a tab (or a bar's title) stands on.
enum class TOpenSide { Bottom, Top, Left, Right };
TArtPiece Tab(std::string key, std::function<void(TArtCanvas&, int)> draw, TOpenSide open) {
  return {std::move(key), std::move(draw), Ground, [open](float w, float h, int) {
            switch (open) {
              case TOpenSide::Bottom: return RoundRect(0, 0, w, h + 4, kTabRadius);
              case TOpenSide::Top: return RoundRect(0, -4, w, h, kTabRadius);
              case TOpenSide::Left: return RoundRect(-4, 0, w, h, kTabRadius);
              case TOpenSide::Right: break;
            }
            return RoundRect(0, 0, w + 4, h, kTabRadius);
          }};
}

}  // namespace

const std::vector<TArtPiece>& ControlArtPieces() {
  static const std::vector<TArtPiece> pieces = {
      RoundedWhenLit("menu-item", [](TArtCanvas& f, int s) { DrawFlatButton(f, s, 2.5f); }, 2.5f),
      {"main-menu",
       [](TArtCanvas& f, int) {
         f.Fill(Intersect(Below(H(f) - 2), Above(H(f) - 1)), kWhite, 0.7f);
         f.Fill(Below(H(f) - 1), kSteel, 0.6f);
       }},
      {"arrow-combo", DrawArrowDown},
      {"page", [](TArtCanvas& f, int) { DrawLinedFrame(f, 0, kSteel, 0.9f, 0.8f); }},
      Rounded("scroll-track", [](TArtCanvas& f, int) { DrawLinedFrame(f, 2, Mix(kSteel, kWhite, 0.3f), 0.5f, 0.5f); },
              2),
      {"status-bar", [](TArtCanvas& f, int) { DrawTopGroove(f, 0.55f); }},
      {"divider", [](TArtCanvas& f, int) { DrawTopGroove(f, 0.7f); }},
      Rounded("calc-panel", [](TArtCanvas& f, int) { DrawLinedFrame(f, 2.5f, kSteel, 0.7f, 0.8f); }, 2.5f),
      {"panel-low", [](TArtCanvas& f, int) { DrawSunken(f); }},
      {"toolbar",
       [](TArtCanvas& f, int) {
         f.Fill(Above(1), kWhite, 0.8f);
         f.Fill(Below(H(f) - 1), kSteel, 0.5f);
       }},
      Rounded("edit", DrawEdit, kEditRadius),
      {"drag-bar",
       [](TArtCanvas& f, int) {
         f.Fill(Above(1), kWhite, 0.5f);
         f.Fill(Below(H(f) - 1), kNavy, 0.6f);
       }},
      Rounded("progress", [](TArtCanvas& f, int) { DrawChannel(f, 2.5f); }, 2.5f),
      {"gauge", [](TArtCanvas& f, int) { DrawChannel(f, 0); }},
      Tab("tab-top", DrawTabTop, TOpenSide::Bottom),
      Tab("tab-bottom",
          [](TArtCanvas& f, int s) {
            Turned(f, s, f.Width(), f.Height(), DrawTabTop, [](const TArtCanvas& c) { return c.MirroredY(); });
          },
          TOpenSide::Top),
      Tab("tab-right",
          [](TArtCanvas& f, int s) {
            Turned(f, s, f.Height(), f.Width(), DrawTabTop, [](const TArtCanvas& c) { return c.Rotated(); });
          },
          TOpenSide::Left),
      Tab("tab-left",
          [](TArtCanvas& f, int s) {
            Turned(f, s, f.Height(), f.Width(), DrawTabTop,
                   [](const TArtCanvas& c) { return c.Rotated().MirroredX(); });
          },
          TOpenSide::Right),
      Rounded("scroll-button", [](TArtCanvas& f, int s) { DrawSmallButton(f, s, 2.5f); }, 2.5f),
      {"arrow-down", DrawArrowDown},
      {"arrow-up", [](TArtCanvas& f, int s) {
         Turned(f, s, f.Width(), f.Height(), DrawArrowDown, [](const TArtCanvas& c) { return c.MirroredY(); });
       }},
      {"arrow-left", [](TArtCanvas& f, int s) {
         Turned(f, s, f.Height(), f.Width(), DrawArrowDown, [](const TArtCanvas& c) { return c.Rotated(); });
       }},
      {"arrow-right", [](TArtCanvas& f, int s) {
         Turned(f, s, f.Height(), f.Width(), DrawArrowDown,
                [](const TArtCanvas& c) { return c.Rotated().MirroredX(); });
       }},
      {"grip-h", DrawGripLines},
      {"grip-v", [](TArtCanvas& f, int s) {
         Turned(f, s, f.Height(), f.Width(), DrawGripLines, [](const TArtCanvas& c) { return c.Rotated(); });
       }},
      Rounded("small-button", [](TArtCanvas& f, int s) { DrawSmallButton(f, s, 2.0f); }, 2.0f),
      {"bar", [](TArtCanvas& f, int) { DrawLinedFrame(f, 0, kSteel, 0.6f, 0.8f); }},
      Rounded("bar-panel", [](TArtCanvas& f, int) { DrawLinedFrame(f, 2.5f, kSteel, 0.4f, 0.6f); }, 2.5f),
      RoundedWhenLit("tool-button", [](TArtCanvas& f, int s) { DrawFlatButton(f, s, 3.0f); }, 3.0f),
      Rounded("speed-button", [](TArtCanvas& f, int s) { DrawSmallButton(f, s, 3.5f); }, 3.5f),
      Tab("bar-title",
          [](TArtCanvas& f, int) {
            const TSdf shape = RoundRect(0, 0, W(f), H(f) + 4, kTabRadius);
            f.Fill(Intersect(Stroke(Grow(shape, -1), 1), Above(2)), kWhite, 0.35f);
            f.Fill(Stroke(shape, 1), kNavy, 0.6f);
          },
          TOpenSide::Bottom),
      {"pattern", DrawPattern},
      Rounded("hint", [](TArtCanvas& f, int) { DrawLinedFrame(f, 2.5f, Mix(kSteel, kNavy, 0.3f), 0.9f, 0.8f); },
              2.5f),
      Rounded("slider-channel", [](TArtCanvas& f, int) { DrawChannel(f, 2.5f); }, 2.5f),
      {"slider-h", DrawSliderThumb},
      {"slider-v", [](TArtCanvas& f, int s) {
         Turned(f, s, f.Height(), f.Width(), DrawSliderThumb, [](const TArtCanvas& c) { return c.Rotated(); });
       }},
      {"tick-h", [](TArtCanvas& f, int) { DrawTick(f, true); }},
      {"tick-v", [](TArtCanvas& f, int) { DrawTick(f, false); }},
  };
  return pieces;
}

const TArtPiece* FindArtPiece(const std::string& key) {
  for (const auto* list : {&WindowArtPieces(), &ControlArtPieces()})
    for (const TArtPiece& piece : *list)
      if (piece.Key == key) return &piece;
  return nullptr;
}
