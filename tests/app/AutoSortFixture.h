// The main window with every colour change and every repaint of the ten
// cells noted on the virtual clock, for the tests of the automatic sort.
#pragma once

#include <functional>
#include <optional>
#include <ostream>

#include "AppFixture.h"
#include "framework/components/Clock.h"

struct Event {
  uint64_t t;
  char kind;  // 'c' colour change, 'p' paint
  int cell;
  TColor color;
  bool operator==(const Event&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Event& e) {
  return os << "{" << e.t << " " << e.kind << " cell " << e.cell << " #" << std::hex << ColorToRGB(e.color)
            << std::dec << "}";
}

class AutoSortFixture : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    for (int k = 1; k <= 10; ++k) {
      TStaticText* cell = form->Cell(k);
      auto previous = cell->WindowProc;
      cell->WindowProc = [this, cell, k, previous](TMessage& m) {
        previous(m);
        if (m.Msg == CM_COLORCHANGED) events.push_back({GetTickCount64() - start, 'c', k, cell->Color()});
        if (m.Msg == WM_PAINT) {
          events.push_back({GetTickCount64() - start, 'p', k, cell->Color()});
          if (onPaint) onPaint();
        }
      };
    }
  }
  // Shows the listing (which arms the sort) and puts a known row in place.
  void Arm(std::array<uint8_t, 10> row) {
    ClickControl(form->sBitBtn2);
    form->ShowValues(row);
    Pump();
  }
  // Clicks the sort button; answers how long the handler ran on the virtual clock.
  uint64_t Sort() {
    events.clear();
    start = GetTickCount64();
    ClickControl(form->sBitBtn4);
    return GetTickCount64() - start;
  }
  std::vector<Event> Of(char kind, TColor color) const {
    std::vector<Event> out;
    for (const auto& e : events)
      if (e.kind == kind && e.color == color) out.push_back(e);
    return out;
  }
  // Schedules a click on a control to arrive `ms` into the next sort.
  // (at a point of the control's client area; its centre by default).
  void ClickDuringSort(uint64_t ms, TControl* c, std::optional<TPoint> at = std::nullopt) {
    backend->Schedule(ms, [this, c, at] {
      const TPoint o = c->ClientOrigin();
      const TPoint local = at ? *at : TPoint{c->Width() / 2, c->Height() / 2};
      const TPoint p{o.X + local.X - form->Left(), o.Y + local.Y - form->Top()};
      backend->InjectMouseMove(form->Handle(), p);
      backend->InjectMouseButton(form->Handle(), p, 0, true);
      backend->InjectMouseButton(form->Handle(), p, 0, false);
    });
  }
  int CountColor(TColor c) const {
    int n = 0;
    for (int k = 1; k <= 10; ++k) n += CellColor(k) == c;
    return n;
  }

  std::vector<Event> events;
  uint64_t start = 0;
  // Called after each cell repaint has been noted.
  std::function<void()> onPaint;
};
