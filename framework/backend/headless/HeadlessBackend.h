// The headless backend: windows are framebuffers, the clock is virtual and
// input is injected. Sleep(n) advances the clock by n at once; timers fire by
// virtual time when messages are processed. What is presented is kept as
// the screen image, so tests read back exactly what a user would see.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "framework/backend/Backend.h"

struct TRecordedMessageBox {
  std::string Caption;
  std::string Text;
  unsigned Flags = 0;
};

class THeadlessBackend : public TBackend {
 public:
  explicit THeadlessBackend(TSize screen = {1024, 768});
  const char* Name() const override { return "headless"; }

  uint64_t NowMs() override { return now_; }
  void Sleep(uint32_t ms) override { now_ += ms; }
  void Advance(uint64_t ms) { now_ += ms; }

  TSize ScreenSize() override { return screen_; }
  TRect WorkArea() override { return workArea_; }
  void SetScreenSize(TSize size);
  void SetWorkArea(const TRect& area) { workArea_ = area; }

  void CreateNativeWindow(HWND window, const TRect& bounds, const std::string& title) override;
  void SetNativeShape(HWND window, const TRegion* shape) override;
  void DestroyNativeWindow(HWND window) override;
  void SetNativeBounds(HWND window, const TRect& bounds) override;
  void SetNativeTitle(HWND window, const std::string& title) override;
  void ShowNativeWindow(HWND window, int command) override;
  void Present(HWND window, const TBitmap& framebuffer, const TRegion& dirty) override;

  void PollEvents() override;
  // Advances the virtual clock to the next scheduled input or by the timeout.
  bool WaitEvents(uint32_t timeoutMs) override;

  int MessageBox(const std::string& caption, const std::string& text, unsigned flags) override;
  const std::vector<TRecordedMessageBox>& MessageBoxes() const { return messageBoxes_; }
  void ClearMessageBoxes() { messageBoxes_.clear(); }

  void SetClipboardText(const std::string& text) override { clipboard_ = text; }
  std::string ClipboardText() override { return clipboard_; }

  // Input, in the coordinates of the window `window` (its top-left is 0, 0).
  void InjectMouseMove(HWND window, TPoint p);
  void InjectMouseButton(HWND window, TPoint p, int button, bool down);  // 0 left, 1 right, 2 middle
  void InjectWheel(HWND window, TPoint p, int delta);
  void InjectKey(int vk, bool down);
  void InjectText(const std::string& utf8);
  void InjectClose(HWND window);
  // The window system gives a minimized window back (the user picked it in
  // the task bar): the window shows again and the framework is told.
  void InjectRestore(HWND window);
  // Runs `action` at the first poll once `delayMs` more virtual ms have passed.
  void Schedule(uint64_t delayMs, std::function<void()> action);
  bool HasScheduled() const { return !scheduled_.empty(); }
  uint64_t NextScheduledAt() const;

  struct Window {
    TRect Bounds;
    std::string Title;
    bool Visible = false;
    bool Minimized = false;
    TBitmap Screen;  // what has been presented
    uint64_t Presents = 0;
    std::optional<TRegion> Shape;  // none: the whole rectangle
  };
  const Window* FindWindow(HWND window) const;
  // The first visible native window, or 0.
  HWND MainWindow() const;

 private:
  uint64_t now_ = 0;
  TSize screen_;
  TRect workArea_;
  std::map<HWND, Window> windows_;
  std::vector<TRecordedMessageBox> messageBoxes_;
  std::string clipboard_;
  struct Scheduled {
    uint64_t Due;
    uint64_t Order;
    std::function<void()> Action;
  };
  std::vector<Scheduled> scheduled_;
  uint64_t scheduleCounter_ = 0;
};

// Installs a fresh headless backend and answers it.
THeadlessBackend* InstallHeadlessBackend(TSize screen = {1024, 768});
