// The painting chores every skinned windowed control shares: answering
// WM_PAINT from its cache inside a paint cycle, repainting at once, knowing
// when a control can be painted at all, and the skin announcements that a
// container passes on to its children.
#pragma once

#include <functional>

#include "framework/components/WinControl.h"
#include "framework/components/Windows.h"

class TsCommonData;

// One BeginPaint/EndPaint cycle of a window, closed however the painting
// ends. The DC is nullptr when the window could not be painted.
class TPaintScope {
 public:
  explicit TPaintScope(HWND window) : window_(window), dc_(BeginPaint(window, ps_)) {}
  ~TPaintScope() {
    if (dc_) EndPaint(window_, ps_);
  }
  TPaintScope(const TPaintScope&) = delete;
  TPaintScope& operator=(const TPaintScope&) = delete;
  HDC Handle() const { return dc_; }

 private:
  HWND window_;
  TPaintStruct ps_;
  HDC dc_;
};

// Whether the control can be painted now: it has its window and a parent
// and is neither being created, read, loaded nor destroyed.
bool ControlIsReady(const TWinControl& control);

// Answers a WM_PAINT message with `paint`: into the DC the message brings,
// or else into the DC of a paint cycle of the control's window. Meanwhile
// the control is marked as painting itself (csCustomPaint), the DC's state
// is kept, and the control's canvas is bound to the DC in the control's
// font, so that `paint` may draw through either.
void PaintSkinnedWindow(TWinControl& control, TMessage& message, const std::function<void(HDC)>& paint);

// Invalidates the control's window and paints it before returning (a
// control without a window is left alone). The background is erased too: a
// control that goes back to its plain look paints on its own colour.
void RepaintNow(TWinControl& control);

// A skinned container takes the skin's announcements in any state and
// always passes them on to its children: a new skin is resolved from the
// inside out; a removed skin and a refresh from the outside in, the
// container repainting once its children are ready. Commands of another
// manager reach the children only. Answers whether `m` was one of them
// (SKC_ISSKINAWARE too, answered yes).
enum class TRemovedSkinRepaint { Later, Now };
bool HandleContainerAnnouncement(TWinControl& container, TsCommonData& data, TMessage& m,
                                 TRemovedSkinRepaint removed);
