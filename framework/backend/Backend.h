// The platform below the framework: the clock, the screen, native top-level
// windows, input events and message boxes. Two implementations exist: the
// headless backend (virtual clock, injected input; tests and tools) and the
// SDL2 backend (the real window).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/base/Types.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Region.h"
#include "framework/messages/Messages.h"

class TBackend {
 public:
  virtual ~TBackend() = default;
  virtual const char* Name() const = 0;

  // Milliseconds since an arbitrary start; never goes back.
  virtual uint64_t NowMs() = 0;
  // Blocks the thread for `ms` without processing messages.
  virtual void Sleep(uint32_t ms) = 0;

  virtual TSize ScreenSize() = 0;
  // The part of the screen that windows may fill (the screen less task bars).
  virtual TRect WorkArea() = 0;

  // A native window for a top-level form, `bounds` in screen coordinates.
  virtual void CreateNativeWindow(HWND window, const TRect& bounds, const std::string& title) = 0;
  virtual void DestroyNativeWindow(HWND window) = 0;
  virtual void SetNativeBounds(HWND window, const TRect& bounds) = 0;
  virtual void SetNativeTitle(HWND window, const std::string& title) = 0;
  // SW_HIDE, SW_SHOW, SW_MINIMIZE, SW_RESTORE ...
  virtual void ShowNativeWindow(HWND window, int command) = 0;
  // Gives a top-level window the shape of `shape`, in window coordinates
  // (nullptr: its whole rectangle). Outside the shape the desktop shows
  // through and clicks go to what is below. Backends that cannot shape
  // windows leave them rectangular.
  virtual void SetNativeShape(HWND window, const TRegion* shape) {}
  // Puts the parts of `framebuffer` inside `dirty` (window coordinates) on screen.
  virtual void Present(HWND window, const TBitmap& framebuffer, const TRegion& dirty) = 0;
  // The picture the window system shows for the program's windows (task
  // bar, window switcher), for the windows there are and those to come.
  // `opacity` holds each pixel's alpha as a grey level, the same size.
  virtual void SetApplicationIcon(const TBitmap& image, const TBitmap& opacity) {}
  // Keeps the mouse reporting to the application while a button is held outside its windows.
  virtual void CaptureMouse(bool on) {}

  // Hands pending native events to the windowing floor (BackendSink.h).
  // Never blocks.
  virtual void PollEvents() = 0;
  // Blocks until a native event is pending or `timeoutMs` has passed.
  // Answers false when no event can ever arrive any more (a headless
  // backend with nothing scheduled and no timeout), so a loop can end.
  virtual bool WaitEvents(uint32_t timeoutMs) = 0;

  // Shows a modal message box and answers IDOK, IDYES ...
  virtual int MessageBox(const std::string& caption, const std::string& text, unsigned flags) = 0;

  virtual void SetClipboardText(const std::string& text) = 0;
  virtual std::string ClipboardText() = 0;
};

// The process-wide backend. Every program installs one before it makes a
// window or reads the clock: the trainer SDL2, tests and tools the headless
// backend. There is no default, so the interface needs no implementation;
// Backend() without one stops the program with a message.
TBackend* Backend();
void SetBackend(std::unique_ptr<TBackend> backend);
