// A windowed test control that fills itself with one colour, records the
// messages it receives and appends its name to a shared paint log.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "framework/components/WinControl.h"

class TProbe : public TCustomControl {
 public:
  TProbe(TComponent* owner, TWinControl* parent, const std::string& name, TRect bounds, TColor fill,
         std::vector<std::string>* paintLog = nullptr)
      : TCustomControl(owner), fill(fill), log(paintLog) {
    SetName(name);
    ControlStyle().Include(csOpaque);
    SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    SetParent(parent);
  }
  bool WantsFocusOnClick() const override { return focusOnClick; }
  void WndProc(TMessage& m) override {
    messages.push_back(m.Msg);
    TCustomControl::WndProc(m);
  }
  int Count(uint32_t msg) const { return static_cast<int>(std::count(messages.begin(), messages.end(), msg)); }

  TColor fill;
  std::vector<std::string>* log;
  std::vector<uint32_t> messages;
  bool focusOnClick = true;

 protected:
  void Paint() override {
    if (log) log->push_back(Name());
    Canvas()->Brush()->SetColor(fill);
    Canvas()->FillRect(ClientRect());
  }
};
