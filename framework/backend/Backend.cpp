#include "framework/backend/Backend.h"

#include <cstdio>
#include <cstdlib>

#include "framework/backend/BackendSink.h"

namespace {

std::unique_ptr<TBackend>& Slot() {
  static std::unique_ptr<TBackend>* slot = new std::unique_ptr<TBackend>();
  return *slot;
}

// Stands in before the windowing floor connects: nothing to deliver to.
class TNoSink : public TBackendSink {
 public:
  void MouseMove(HWND, TPoint) override {}
  void MouseButton(HWND, TPoint, int, bool) override {}
  void MouseWheel(HWND, TPoint, int) override {}
  void MouseLeave(HWND) override {}
  void Key(int, bool, bool) override {}
  void Text(const std::string&) override {}
  void WindowEvent(HWND, TWindowEvent, TPoint) override {}
  void WindowResized(HWND, const TRect&) override {}
  int HitTest(HWND, TPoint) override { return HTNOWHERE; }
  bool IsSizeable(HWND) override { return false; }
  bool IsToolWindow(HWND) override { return false; }
  HWND ActiveWindow() override { return 0; }
};

TBackendSink*& SinkSlot() {
  static TBackendSink* sink = nullptr;
  return sink;
}

}  // namespace

TBackend* Backend() {
  TBackend* backend = Slot().get();
  if (!backend) {
    // A program that forgot to install one; nothing sensible can follow.
    std::fputs("No backend installed: call SetBackend (or InstallHeadlessBackend) first\n", stderr);
    std::abort();
  }
  return backend;
}

void SetBackend(std::unique_ptr<TBackend> backend) { Slot() = std::move(backend); }

TBackendSink& BackendSink() {
  static TNoSink none;
  TBackendSink* sink = SinkSlot();
  return sink ? *sink : none;
}

void SetBackendSink(TBackendSink* sink) { SinkSlot() = sink; }
