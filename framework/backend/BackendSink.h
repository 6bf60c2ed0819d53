// How a backend reaches the windowing floor. A backend knows native windows
// only by their handles: it hands over what the user and the window system
// did, and asks the few things about a window that only the framework knows.
// The windowing floor implements the sink (the input router and the forms);
// a backend never sees a control.
#pragma once

#include <string>

#include "framework/base/Types.h"
#include "framework/messages/Messages.h"

// News from the window system about a top-level window.
enum class TWindowEvent { Close, FocusGained, FocusLost, Exposed, Moved, Minimized, Restored };

class TBackendSink {
 public:
  virtual ~TBackendSink() = default;

  // Input is queued and routed when the message loop takes it out. Points
  // are in the coordinates of the top-level window (its top-left is 0, 0);
  // buttons are 0 left, 1 right, 2 middle.
  virtual void MouseMove(HWND topLevel, TPoint windowPoint) = 0;
  virtual void MouseButton(HWND topLevel, TPoint windowPoint, int button, bool down) = 0;
  virtual void MouseWheel(HWND topLevel, TPoint windowPoint, int delta) = 0;
  virtual void MouseLeave(HWND topLevel) = 0;
  virtual void Key(int vk, bool down, bool repeat) = 0;
  virtual void Text(const std::string& utf8) = 0;
  // Queued like input. `position` is the new top-left of a moved window
  // (screen coordinates); the other events ignore it.
  virtual void WindowEvent(HWND topLevel, TWindowEvent event, TPoint position) = 0;
  // The user or the window manager gave the window new bounds (screen
  // coordinates). Handled at once rather than queued: the form must follow
  // while the window is being dragged larger, before anything is presented.
  virtual void WindowResized(HWND topLevel, const TRect& bounds) = 0;

  // What the form's frame answers to WM_NCHITTEST at a point of the window
  // (window coordinates); HTNOWHERE when there is no such window. Called
  // from inside the native event pump, so it must not pump events itself.
  virtual int HitTest(HWND topLevel, TPoint windowPoint) = 0;
  // Whether the window's border lets the user resize it.
  virtual bool IsSizeable(HWND topLevel) = 0;
  // Whether the window is a tool window (kept out of the task bar).
  virtual bool IsToolWindow(HWND topLevel) = 0;
  // The top-level window the framework considers active, or 0.
  virtual HWND ActiveWindow() = 0;
};

// The sink the windowing floor installed. Until it does, events are dropped
// and questions get the answers for a window that does not exist.
TBackendSink& BackendSink();
void SetBackendSink(TBackendSink* sink);
