#include "framework/components/Timer.h"

#include "framework/components/Windows.h"

TTimer::TTimer(TComponent* owner) : TComponent(owner) { UpdateTimer(); }

TTimer::~TTimer() {
  Destroying();
  if (id_) KillTimer(0, id_);
}

void TTimer::SetEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  UpdateTimer();
}

void TTimer::SetInterval(uint32_t ms) {
  if (interval_ == ms) return;
  interval_ = ms;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (id_) {
    KillTimer(0, id_);
    id_ = 0;
  }
  // A zero interval stops the timer, as it does on the platform.
  if (enabled_ && interval_ != 0 && !IsDestroying()) id_ = SetTimer(0, 0, interval_, [this] { Timer(); });
}

void TTimer::Timer() {
  if (enabled_ && OnTimer && !IsDestroying()) OnTimer(this);
}
