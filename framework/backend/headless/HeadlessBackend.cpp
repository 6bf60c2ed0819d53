#include "framework/backend/headless/HeadlessBackend.h"

#include <algorithm>
#include <cstring>

#include "framework/backend/BackendSink.h"

THeadlessBackend::THeadlessBackend(TSize screen) { SetScreenSize(screen); }

void THeadlessBackend::SetScreenSize(TSize size) {
  screen_ = size;
  workArea_ = TRect{0, 0, size.cx, size.cy};
}

void THeadlessBackend::SetNativeShape(HWND window, const TRegion* shape) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return;
  Window& w = it->second;
  w.Shape = shape ? std::optional<TRegion>(*shape) : std::nullopt;
  // Outside its shape a window shows the desktop, which is black here,
  // whatever was presented there before the window took the shape.
  if (!w.Shape) return;
  const TRegion outside = TRegion(TRect{0, 0, w.Screen.Width(), w.Screen.Height()}).Subtract(*w.Shape);
  for (const TRect& r : outside.Rects())
    for (int y = r.Top; y < r.Bottom; ++y)
      std::memset(w.Screen.ScanLine(y) + r.Left * 3, 0, static_cast<size_t>(r.Width()) * 3);
  w.Screen.Touch();
}

void THeadlessBackend::CreateNativeWindow(HWND window, const TRect& bounds, const std::string& title) {
  Window& w = windows_[window];
  w.Bounds = bounds;
  w.Title = title;
  w.Screen.SetSize(std::max(1, bounds.Width()), std::max(1, bounds.Height()));
}

void THeadlessBackend::DestroyNativeWindow(HWND window) { windows_.erase(window); }

void THeadlessBackend::SetNativeBounds(HWND window, const TRect& bounds) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return;
  it->second.Bounds = bounds;
  it->second.Screen.SetSize(std::max(1, bounds.Width()), std::max(1, bounds.Height()));
}

void THeadlessBackend::SetNativeTitle(HWND window, const std::string& title) {
  auto it = windows_.find(window);
  if (it != windows_.end()) it->second.Title = title;
}

void THeadlessBackend::ShowNativeWindow(HWND window, int command) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return;
  Window& w = it->second;
  switch (command) {
    case SW_HIDE:
      w.Visible = false;
      break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
      w.Visible = true;
      w.Minimized = true;
      break;
    default:
      w.Visible = true;
      w.Minimized = false;
      break;
  }
}

void THeadlessBackend::Present(HWND window, const TBitmap& framebuffer, const TRegion& dirty) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return;
  Window& w = it->second;
  if (w.Screen.Width() != framebuffer.Width() || w.Screen.Height() != framebuffer.Height())
    w.Screen.SetSize(framebuffer.Width(), framebuffer.Height());
  const TRect bounds{0, 0, framebuffer.Width(), framebuffer.Height()};
  const TRegion shown = w.Shape ? dirty.Intersect(*w.Shape) : dirty;
  for (const TRect& r0 : shown.Rects()) {
    const TRect r = r0.Intersect(bounds);
    if (r.IsEmpty()) continue;
    for (int y = r.Top; y < r.Bottom; ++y)
      std::memcpy(w.Screen.ScanLine(y) + r.Left * 3, framebuffer.ScanLine(y) + r.Left * 3,
                  static_cast<size_t>(r.Width()) * 3);
  }
  w.Screen.Touch();
  ++w.Presents;
}

void THeadlessBackend::PollEvents() {
  // Run every scheduled input that is due, earliest first; an action may
  // schedule more.
  for (;;) {
    auto due = std::min_element(scheduled_.begin(), scheduled_.end(), [](const Scheduled& a, const Scheduled& b) {
      return a.Due != b.Due ? a.Due < b.Due : a.Order < b.Order;
    });
    if (due == scheduled_.end() || due->Due > now_) return;
    std::function<void()> action = std::move(due->Action);
    scheduled_.erase(due);
    action();
  }
}

bool THeadlessBackend::WaitEvents(uint32_t timeoutMs) {
  uint64_t target = timeoutMs == UINT32_MAX ? UINT64_MAX : now_ + timeoutMs;
  if (!scheduled_.empty()) target = std::min(target, NextScheduledAt());
  // No outside world: with nothing scheduled and nothing timed, nothing can happen.
  if (target == UINT64_MAX) return false;
  if (target > now_) now_ = target;
  return true;
}

uint64_t THeadlessBackend::NextScheduledAt() const {
  uint64_t t = UINT64_MAX;
  for (const auto& s : scheduled_) t = std::min(t, s.Due);
  return t;
}

int THeadlessBackend::MessageBox(const std::string& caption, const std::string& text, unsigned flags) {
  messageBoxes_.push_back({caption, text, flags});
  return (flags & 0xF) == MB_YESNO ? IDYES : IDOK;
}

void THeadlessBackend::InjectMouseMove(HWND window, TPoint p) { BackendSink().MouseMove(window, p); }

void THeadlessBackend::InjectMouseButton(HWND window, TPoint p, int button, bool down) {
  TBackendSink& sink = BackendSink();
  // A press on a window that is not the active one activates it first, as
  // window managers do: an open popup learns that way that it lost.
  if (down) {
    if (const HWND active = sink.ActiveWindow(); active != window) {
      if (active) sink.WindowEvent(active, TWindowEvent::FocusLost, {});
      sink.WindowEvent(window, TWindowEvent::FocusGained, {});
    }
  }
  sink.MouseMove(window, p);
  sink.MouseButton(window, p, button, down);
}

void THeadlessBackend::InjectWheel(HWND window, TPoint p, int delta) { BackendSink().MouseWheel(window, p, delta); }

void THeadlessBackend::InjectKey(int vk, bool down) { BackendSink().Key(vk, down, false); }

void THeadlessBackend::InjectText(const std::string& utf8) { BackendSink().Text(utf8); }

void THeadlessBackend::InjectClose(HWND window) { BackendSink().WindowEvent(window, TWindowEvent::Close, {}); }

void THeadlessBackend::InjectRestore(HWND window) {
  auto it = windows_.find(window);
  if (it == windows_.end() || !it->second.Minimized) return;
  it->second.Minimized = false;
  BackendSink().WindowEvent(window, TWindowEvent::Restored, {});
}

void THeadlessBackend::Schedule(uint64_t delayMs, std::function<void()> action) {
  scheduled_.push_back({now_ + delayMs, scheduleCounter_++, std::move(action)});
}

const THeadlessBackend::Window* THeadlessBackend::FindWindow(HWND window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

HWND THeadlessBackend::MainWindow() const {
  for (const auto& [h, w] : windows_)
    if (w.Visible) return h;
  return 0;
}

THeadlessBackend* InstallHeadlessBackend(TSize screen) {
  auto backend = std::make_unique<THeadlessBackend>(screen);
  THeadlessBackend* raw = backend.get();
  SetBackend(std::move(backend));
  return raw;
}
