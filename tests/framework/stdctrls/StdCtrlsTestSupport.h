// Helpers shared by the plain-control tests: a form to put controls on,
// mouse and key input, and reading what the screen shows.
#pragma once

#include <string>
#include <vector>

#include "FrameworkFixture.h"

class ControlsFixture : public FrameworkFixture {
 protected:
  // A white borderless form at the screen's top-left, so window and client
  // coordinates are the same.
  void MakeTestForm(int width = 300, int height = 200) { form = MakeForm(width, height, clWhite); }
  void ShowForm() {
    form->Show();
    Pump();
  }

  void MoveTo(TPoint p) {
    backend->InjectMouseMove(form->Handle(), p);
    Pump();
  }
  void Press(TPoint p, int button = 0) {
    backend->InjectMouseButton(form->Handle(), p, button, true);
    Pump();
  }
  void Release(TPoint p, int button = 0) {
    backend->InjectMouseButton(form->Handle(), p, button, false);
    Pump();
  }
  void KeyDown(int vk) {
    backend->InjectKey(vk, true);
    Pump();
  }
  void KeyUp(int vk) {
    backend->InjectKey(vk, false);
    Pump();
  }

  const TBitmap& Screen() { return backend->FindWindow(form->Handle())->Screen; }
  TColor Pixel(int x, int y) { return Screen().Pixel(x, y); }
  // The pixel of a control at a point of its own client area.
  TColor PixelOf(TControl* c, int x, int y) {
    const TPoint p = c->ClientToScreen({x, y});
    return Pixel(p.X, p.Y);
  }

  // The bounding box of the pixels of `area` (window coordinates) that are
  // not `background`; empty when there are none.
  TRect InkBox(const TRect& area, TColor background) {
    const TColor bg = ColorToRGB(background);
    TRect box;
    bool any = false;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x) {
        if (Pixel(x, y) == bg) continue;
        if (!any) {
          box = {x, y, x + 1, y + 1};
          any = true;
        } else {
          box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
        }
      }
    return box;
  }
  int CountPixels(const TRect& area, TColor color) {
    const TColor c = ColorToRGB(color);
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x) n += Pixel(x, y) == c;
    return n;
  }
  // A control's rectangle in window coordinates.
  TRect ScreenRect(TControl* c) {
    const TPoint p = c->ClientToScreen({0, 0});
    return Bounds(p.X, p.Y, c->Width(), c->Height());
  }

  TForm* form = nullptr;
};
