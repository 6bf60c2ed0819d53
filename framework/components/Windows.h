// The window services: handles, synchronous and queued messages, the paint
// cycle, window regions, device contexts for windows, focus, capture and
// timers. Everything runs on the one user-interface thread.
//
// Paint cycle: Invalidate adds to a window's update region. When the queue
// holds nothing else, retrieving a message yields WM_NCPAINT for a
// top-level window whose frame is stale, then WM_PAINT for the first window
// (parents before children) with a non-empty update region, then WM_TIMER
// for a due timer. A window's device context is clipped to its visible
// region: its rectangle within every ancestor, less its visible children and
// the siblings above it (and above its ancestors), each taken with its window
// region, intersected with its own window region.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "framework/graphics/Gdi.h"
#include "framework/messages/Messages.h"

class TWinControl;
class TBitmap;

struct TMsg {
  HWND hwnd = 0;
  uint32_t message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  std::string text;  // raw text input only
};

// --- handles ---
TWinControl* FindControl(HWND window);
bool IsWindow(HWND window);
HWND AllocateWindowHandle(TWinControl* control);
void ReleaseWindowHandle(HWND window);
HWND GetParentWindow(HWND window);
// The top-level window that holds `window`.
TWinControl* TopLevelOf(const TWinControl* control);

// --- messages ---
// Calls the window's WindowProc now and answers its Result. An exception
// escaping the handler is shown by the application, as for any message the
// loop dispatches; the answer is then 0. Unknown windows answer 0.
LRESULT SendMessage(HWND window, uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);
bool PostMessage(HWND window, uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);
void PostQuitMessage(int exitCode);
void PostRawInput(TMsg msg);
// Takes the next message: queued messages first, then pending frame and
// client paints, then due timers. Answers false when there is none.
bool PeekMessage(TMsg& msg);
// Dispatches a message taken from the queue (raw input is routed first).
void DispatchMessage(const TMsg& msg);
bool HasQueuedMessages();
void ClearMessageQueue();

// --- window state ---
uint32_t GetWindowLong(HWND window, int index);
uint32_t SetWindowLong(HWND window, int index, uint32_t value);
bool IsWindowVisible(HWND window);
bool IsWindowEnabled(HWND window);
// The window rectangle in screen coordinates.
TRect GetWindowRect(HWND window);
TRect GetClientRect(HWND window);

// --- painting ---
struct TPaintStruct {
  HDC hdc = nullptr;
  bool fErase = false;
  TRect rcPaint;  // client coordinates
};
HDC BeginPaint(HWND window, TPaintStruct& ps);
void EndPaint(HWND window, TPaintStruct& ps);
// For a paint whose look is one kept picture, named by a stamp that changes
// with its pixels (TBitmap::Generation): notes that this paint shows it, and
// answers whether the window already shows it all over, so that copying it
// again can be left out. True only for BeginPaint's DC, before anything is
// drawn with it, when the window's last paint showed the same stamp and
// since then no other DC of the window has drawn outside WM_PAINT and the
// layout is unchanged. Whatever else the paint draws must be opaque and
// drawn alike at every paint.
bool PaintShowsPicture(HDC dc, uint64_t stamp);
// A DC on the window's client area (GetDC) or whole window (GetWindowDC),
// clipped to what of it is visible; give it back with ReleaseDC.
HDC GetDC(HWND window);
HDC GetWindowDC(HWND window);
void ReleaseDC(HWND window, HDC dc);
// A window's client DC for one drawing, given back however the drawing ends.
class TWindowDC {
 public:
  explicit TWindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~TWindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  HDC Handle() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};
bool InvalidateRect(HWND window, const TRect* rect, bool erase);
bool InvalidateRgn(HWND window, const TRegion* rgn, bool erase);
bool ValidateRect(HWND window, const TRect* rect);
bool UpdateWindow(HWND window);
// The frame of a top-level window must be painted again: WM_NCPAINT comes
// with the next paint cycle.
void InvalidateFrame(HWND window);
// The default handling of WM_SETREDRAW: whether the paint cycle paints the window.
void SetWindowRedraw(HWND window, bool on);
// Drops what a window still had to paint (it was hidden: nothing of it shows).
void DiscardUpdateRegion(HWND window);
bool RedrawWindow(HWND window, const TRect* rect, const TRegion* rgn, uint32_t flags);
// Shapes the window (window coordinates; nullopt = plain rectangle).
int SetWindowRgn(HWND window, std::optional<TRegion> rgn, bool redraw);
// 0 = no region, SIMPLEREGION/COMPLEXREGION with `rgn` filled otherwise.
int GetWindowRgn(HWND window, TRegion* rgn);
// The region a DC of the window may draw into, in top-level window coordinates.
// It is computed once per layout generation and kept with the window.
TRegion VisibleRegion(const TWinControl* control, bool wholeWindow);
// Every visible region depends on the places, sizes, shapes, stacking,
// visibility and handles of many windows; whatever changes one of them calls
// this, and the next paint of any window computes its region afresh. A class
// whose ClientRect or ClientOffset follows some state of its own calls it
// when that state changes.
void WindowLayoutChanged();
// Paints every pending frame and client area now (tests and tools).
void UpdateAllWindows();
// The native window and framebuffer of a top-level window (forms make them
// with their handle), and their change of size.
void CreateTopLevelSurface(TWinControl* form, const std::string& title);
void ResizeTopLevelSurface(TWinControl* form);
// The whole of a top-level window must be put on screen again (exposed).
void MarkTopLevelDirty(HWND topLevel);
// Puts every top-level window's painted parts on screen.
void PresentAll();
// The framebuffer of a top-level window (whole window, frame included). It
// keeps every window's pixels between paints; only DCs draw on it.
const TBitmap* WindowFramebuffer(HWND topLevel);

// --- focus, capture, activation ---
HWND GetFocus();
HWND SetFocus(HWND window);
HWND GetCapture();
HWND SetCapture(HWND window);
void ReleaseCapture();
HWND GetActiveWindow();
// Records which top-level window is active, as the backend reports it.
void SetActiveWindowHandle(HWND window);
// Key state as the input router last saw it (negative when down).
int16_t GetKeyState(int vk);

// --- timers ---
using TTimerProc = std::function<void()>;
// A timer on a window (WM_TIMER with `id`) or, with a procedure, one that calls it.
// How many windows, timers and device contexts are alive now: what leak
// checks of tests and tools compare.
struct TWindowServiceCounts {
  size_t Windows = 0;
  size_t Timers = 0;
  size_t DeviceContexts = 0;
  bool operator==(const TWindowServiceCounts&) const = default;
};
TWindowServiceCounts WindowServiceCounts();

// What the paint cycle has done since the process started, for tests and
// benchmarks that check a change repaints no more than it must. A window's
// device context counts as painted over its whole clip region when it is
// given back (BeginPaint's with the part of the update region that shows).
struct TPaintCounts {
  uint64_t ClientPaints = 0;     // WM_PAINT sent by the paint cycle
  uint64_t FramePaints = 0;      // WM_NCPAINT sent by the paint cycle
  uint64_t DeviceContexts = 0;   // window DCs given back (BeginPaint, GetDC, GetWindowDC)
  uint64_t PaintedRects = 0;     // rectangles of their clip regions
  uint64_t PaintedPixels = 0;    // pixels of their clip regions
  uint64_t RegionsComputed = 0;  // visible regions computed rather than reused
  uint64_t PicturesKept = 0;     // paints that found their picture still shown
};
TPaintCounts PaintCounts();

uintptr_t SetTimer(HWND window, uintptr_t id, uint32_t elapseMs, TTimerProc proc = {});
bool KillTimer(HWND window, uintptr_t id);
// The time of the next due timer, if any (for waiting).
std::optional<uint64_t> NextTimerDue();

// --- system metrics of the framework's plain window frame ---
enum : int {
  SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CYCAPTION = 4,
  SM_CXBORDER = 5, SM_CYBORDER = 6, SM_CXFIXEDFRAME = 7, SM_CYFIXEDFRAME = 8, SM_CYMENU = 15,
  SM_CYVSCROLL = 20, SM_CXHSCROLL = 21, SM_CXSIZE = 30, SM_CYSIZE = 31, SM_CXFRAME = 32, SM_CYFRAME = 33,
  SM_CXEDGE = 45, SM_CYEDGE = 46, SM_CYSMCAPTION = 51, SM_CXSMSIZE = 52, SM_CYSMSIZE = 53,
  SM_CXDOUBLECLK = 36, SM_CYDOUBLECLK = 37,
};
int GetSystemMetrics(int index);
uint32_t GetDoubleClickTime();

// Forgets the queue, timers, focus, capture and activation (framework shut-down).
void ResetWindowServices();
