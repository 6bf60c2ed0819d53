// A headless framework for one test: a fresh backend with a virtual clock,
// the application object, and helpers to pump messages and read pixels.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/backend/headless/HeadlessBackend.h"
#include "framework/components/Application.h"
#include "framework/components/Windows.h"

class FrameworkFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    backend = InstallHeadlessBackend({800, 600});
    InitializeFramework();
  }
  void TearDown() override { FinalizeFramework(); }

  void Pump() { Application->ProcessMessages(); }

  // Lets `ms` virtual milliseconds pass while messages are processed, so
  // timers fire at their times.
  void RunFor(uint64_t ms) {
    const uint64_t end = backend->NowMs() + ms;
    for (;;) {
      Pump();
      uint64_t next = end;
      if (auto due = NextTimerDue()) next = std::min(next, std::max(*due, backend->NowMs()));
      if (backend->HasScheduled()) next = std::min(next, backend->NextScheduledAt());
      if (next <= backend->NowMs()) {
        if (backend->NowMs() >= end) break;
        continue;
      }
      backend->Advance(next - backend->NowMs());
      if (backend->NowMs() >= end) {
        Pump();
        break;
      }
    }
  }

  // The colour on screen at a point of a top-level window.
  TColor ScreenPixel(TWinControl* top, int x, int y) {
    const auto* w = backend->FindWindow(top->Handle());
    return w ? w->Screen.Pixel(x, y) : clNone;
  }

  // A borderless form of the given size, shown at the screen's top-left.
  TForm* MakeForm(int width, int height, TColor color = clWhite) {
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(0, 0, width, height);
    form->SetColor(color);
    return form;
  }

  void Click(TWinControl* top, int x, int y) {
    backend->InjectMouseButton(top->Handle(), {x, y}, 0, true);
    backend->InjectMouseButton(top->Handle(), {x, y}, 0, false);
    Pump();
  }

  void PressKey(int vk) {
    backend->InjectKey(vk, true);
    backend->InjectKey(vk, false);
    Pump();
  }

  THeadlessBackend* backend = nullptr;
};
