// Cross-fading a control from its old look to its new one. When the mouse
// enters or leaves a button (or presses, releases it) and its section has
// FadingEnabled, the control does not jump to its new picture: a timer it
// owns shows FadingIterations frames, 10 ms apart, each mixing the old
// picture (a snapshot of the cache) with the new cache by a falling weight.
//
// The control keeps one TsFadeTimer* (nullptr when no fade runs) and passes
// it to these functions, which create and free the timer. The control's
// handler of SKC_STOPFADING calls StopFade and repaints; its handler of
// SKC_PREPARECACHE rebuilds the cache without painting; SKC_RELEASEREGION
// offers it each frame to show itself.
#pragma once

#include <cstdint>

#include "framework/components/Timer.h"
#include "framework/graphics/Bitmap.h"

class TsCommonData;
class TsSkinManager;

class TsFadeTimer : public TTimer {
 public:
  SORTARIUM_CLASS(TsFadeTimer)
  explicit TsFadeTimer(TComponent* owner);

  uint8_t Direction = 0;  // 0 stopped, 1 fading in, 2 fading out
  TsCommonData* OwnerData = nullptr;
  int Iterations = 0;     // frames of this fade
  int FadeLevel = 1;      // the next frame, from 1
  TBitmap BmpFrom;        // the old look

 protected:
  // One frame, or the end of the fade.
  void Timer() override;

 private:
  void ShowFrame();
};

// Set while fades must not run (the whole window is being redrawn some
// other way); changes then show at once.
extern bool FadingSuppressed;

// The control's look changed: fade to it when `animate` and the section
// fades, else repaint at once. `half` runs half the frames (a press).
void ChangePaint(TsFadeTimer*& timer, TsCommonData& data, bool half, int direction, bool animate);
void StartFade(TsFadeTimer*& timer, TsCommonData& data, bool half, int direction);
// Ends a fade and frees the timer.
void StopFade(TsFadeTimer*& timer, TsCommonData& data);
void PrepareFade(TsFadeTimer& timer, TsCommonData& data);
void SetDirection(TsFadeTimer& timer, int direction);

// Whether mouse event `event` (0 enter, 1 leave, 2 down, 3 up, ... 7) fades
// for a control whose own event set is `animatEvents` (bit n: event n;
// kAnimateGlobalDefault: ask the manager's button effects).
inline constexpr uint8_t kAnimateGlobalDefault = 1 << 4;
bool IsAnimated(int event, uint8_t animatEvents, const TsSkinManager* manager);
