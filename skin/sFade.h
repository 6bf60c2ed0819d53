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
#include "framework/messages/Messages.h"

class TsCommonData;
class TsSkinManager;

// Which way a fade runs: into the new look of an event that starts
// something (the mouse enters, a press), or out of it (the mouse leaves, a
// release). A fade turned round runs back over the frames already shown.
enum class TFadeDirection : uint8_t { Stopped = 0, In = 1, Out = 2 };
// A press changes the look quickly: half the section's frames.
enum class TFadeLength : uint8_t { Full, Half };

// One change of a control's look, as the control reports it.
struct TLookChange {
  TFadeDirection Direction = TFadeDirection::In;
  TFadeLength Length = TFadeLength::Full;
  // The event is one that fades for this control (IsAnimated); otherwise
  // the new look shows at once.
  bool Animate = false;
};

class TsFadeTimer : public TTimer {
 public:
  SORTARIUM_CLASS(TsFadeTimer)
  explicit TsFadeTimer(TComponent* owner);

  TFadeDirection Direction = TFadeDirection::Stopped;
  TsCommonData* OwnerData = nullptr;
  int Iterations = 0;     // frames of this fade
  int FadeLevel = 1;      // the next frame, from 1
  TBitmap BmpFrom;        // the old look

  // One frame, or the end of the fade, as a tick shows it. A control that
  // gets the focus mid-fade moves its fade on by one step at once.
  void Step() { Timer(); }

 protected:
  void Timer() override;

 private:
  void ShowFrame();
};

// The window whose frame shows a fade of its own (a frame provider sets it
// while its caption buttons fade); every frame of any fade refreshes it
// too, so the frame is never left behind the controls.
extern HWND FadeFrameOwner;

// The control's look changed: fade to it when the change animates, the
// section fades and the control's manager lets it (no skin change under
// way, animations not suspended), else repaint at once.
void ChangePaint(TsFadeTimer*& timer, TsCommonData& data, const TLookChange& change);
void StartFade(TsFadeTimer*& timer, TsCommonData& data, TFadeLength length, TFadeDirection direction);
// Ends a fade and frees the timer.
void StopFade(TsFadeTimer*& timer, TsCommonData& data);
void PrepareFade(TsFadeTimer& timer, TsCommonData& data);
// Sets the direction; the timer runs exactly while a fade has one.
void SetDirection(TsFadeTimer& timer, TFadeDirection direction);

// Whether mouse event `event` (0 enter, 1 leave, 2 down, 3 up, ... 7) fades
// for a control whose own event set is `animatEvents` (bit n: event n;
// kAnimateGlobalDefault: ask the manager's button effects).
inline constexpr uint8_t kAnimateGlobalDefault = 1 << 4;
bool IsAnimated(int event, uint8_t animatEvents, const TsSkinManager* manager);
