// TTimer: calls OnTimer every Interval milliseconds while Enabled, through
// the message loop (a due timer fires when messages are processed).
#pragma once

#include "framework/components/Component.h"

class TTimer : public TComponent {
 public:
  SORTARIUM_CLASS(TTimer)
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  uint32_t Interval() const { return interval_; }
  void SetInterval(uint32_t ms);
  TNotifyEvent OnTimer;

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();
  bool enabled_ = true;
  uint32_t interval_ = 1000;
  uintptr_t id_ = 0;
};
