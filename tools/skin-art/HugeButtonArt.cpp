// The own bitmap of BUTTON_HUGE: the push button's look at four times the
// size (three 96 x 96 frames, masks below), so a large button keeps soft
// corners instead of stretched small ones.
#include "SkinArt.h"

void DrawHugeButtonFrame(TArtCanvas& f, int state) {
  const float w = static_cast<float>(f.Width()), h = static_cast<float>(f.Height());
  const TSdf outer = RoundRect(0, 0, w, h, kHugeButtonRadius);
  const TSdf line = Stroke(outer, 2);
  const TSdf inside = Grow(outer, -2);
  switch (state) {
    case kNormal:
      f.Fill(Stroke(inside, 2), kWhite, 0.75f);
      f.Fill(Stroke(Grow(inside, -2), 3), kWhite, 0.2f);
      f.Fill(line, Mix(kSteel, kNavy, 0.35f));
      break;
    case kHot:
      f.Shade(inside, Inward(inside), kBright, 14, 0.55f);
      f.Fill(Stroke(inside, 2), Mix(kBright, kWhite, 0.55f), 0.7f);
      f.Fill(line, Mix(kBright, kNavy, 0.3f));
      break;
    default:
      f.Shade(inside, [](float, float y) { return y - 2; }, kNavy, 14, 0.4f);
      f.Fill(Intersect(Stroke(inside, 2), Below(h - 5)), kWhite, 0.35f);
      f.Fill(line, kNavy);
      break;
  }
}
