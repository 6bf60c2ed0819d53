// TWinControl: a control with a window of its own. It has a handle (made on
// demand), children, a place in its parent's tab order, keyboard focus, an
// update region for the paint cycle and, optionally, a window region that
// shapes it. Painting is always clipped to the window's visible part:
// children and siblings above it are left out (see Windows.h).
#pragma once

#include <optional>
#include <vector>

#include "framework/components/Control.h"
#include "framework/graphics/Region.h"

// The paint-cycle state of a window, kept by the window services.
struct TWindowPaintState {
  TRegion UpdateRgn;           // client coordinates
  bool EraseNeeded = false;
  bool FrameDirty = false;     // top-level windows: the frame needs WM_NCPAINT
  bool RedrawEnabled = true;   // WM_SETREDRAW
  std::optional<TRegion> WindowRgn;  // window coordinates
  TRegion PaintRgn;            // taken from UpdateRgn when WM_PAINT is dispatched
  bool PaintErase = false;
  bool InPaint = false;
  // WM_PAINT is being handled: the window's own DCs until it returns are
  // part of its paint.
  bool PaintDispatching = false;
  // The one picture the window's pixels show all over, by its stamp (0: not
  // known), with the layout generation it was shown at; and the stamp the
  // paint under way shows (see PaintShowsPicture).
  uint64_t ShownPicture = 0;
  uint64_t ShownLayout = 0;
  uint64_t PaintingPicture = 0;
  // The visible region of the client area [0] and of the whole window [1],
  // as last computed, with the layout generation it was computed at (0:
  // never). Filled in lazily while painting, hence mutable.
  struct TCachedRegion {
    uint64_t Generation = 0;
    TRegion Rgn;
  };
  mutable TCachedRegion Visible[2];
};

class TWinControl : public TControl {
 public:
  SORTARIUM_CLASS(TWinControl)
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  bool IsWindowed() const final { return true; }

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

  // --- children (in z-order: later ones are above earlier ones) ---
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(const TControl* control) const;  // anywhere below this one
  void Broadcast(TMessage& message);  // to every child until one answers non-zero
  TControl* ControlAtPos(TPoint clientPoint, bool allowDisabled) override;
  // The deepest visible windowed control at the client point, possibly this one.
  TWinControl* WindowAtPos(TPoint clientPoint, bool allowDisabled);
  void ChildIndexChanged(TControl* control, int newIndex);

  // --- handle ---
  HWND Handle();  // creates it when needed
  HWND HandleIfAllocated() const { return handle_; }
  bool HandleAllocated() const { return handle_ != 0; }
  void HandleNeeded();
  void DestroyHandle();
  bool IsTopLevel() const { return parent_ == nullptr; }

  // --- focus and tab order ---
  bool Focused() const;
  virtual bool CanFocus() const;
  virtual void SetFocus();
  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool v);
  // This control's windowed descendants in tab order (depth first).
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent);
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
  // Whether a click on the control gives it the focus (buttons, edits).
  virtual bool WantsFocusOnClick() const { return false; }

  // --- painting ---
  void Invalidate() override;
  void InvalidateRect(const TRect* rect, bool erase);
  // Repaints what is visible in a client rectangle, children included: the
  // area a moved, hidden or reshaped child window uncovered.
  void ExposeRect(const TRect& rect);
  virtual void PaintWindow(HDC dc);
  void PaintControls(HDC dc, TControl* first);
  void PaintHandler(TMessage& message);
  TCanvas* Canvas() { return &canvas_; }
  // Whether WM_SETREDRAW left painting on.
  bool RedrawEnabled() const { return paint_.RedrawEnabled; }

  // --- window state used by the window services ---
  uint32_t Style() const { return style_; }
  // A form's caption style decides where its client area starts, so every
  // change of style goes through here.
  void SetStyle(uint32_t style);
  uint32_t ExStyle() const { return exStyle_; }
  void SetExStyle(uint32_t style) { exStyle_ = style; }

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  void Loaded() override;
  // Moves children with right/bottom anchors or an alignment after a resize.
  virtual void AlignControls(TControl* control, TRect& rect);
  void Realign();

 protected:
  // Makes the handle: registers the window, sends WM_CREATE and creates the
  // handles of visible children.
  virtual void CreateWnd();
  virtual void DestroyWnd();
  // The window style for a new handle.
  virtual uint32_t InitialStyle() const;
  virtual void KeyDown(uint16_t& key, TShiftState shift);
  virtual void KeyUp(uint16_t& key, TShiftState shift);
  virtual void KeyPress(char32_t& key);
  // Answers true when the event handler swallowed the key.
  bool DoKeyDown(TMessage& m);
  bool DoKeyUp(TMessage& m);
  bool DoKeyPress(TMessage& m);
  void BoundsChanged(const TRect& oldBounds) override;

  // Every invalidation the control asks for itself (Invalidate,
  // InvalidateRect: a change of its look, a move or a show) comes here
  // first, in client coordinates (nullptr: all of it). A control that keeps
  // a picture of its look marks it stale here. What the window services
  // repaint on their own (a parent's repaint, an uncovered area) does not
  // come here, so such a repaint may show the picture as it is.
  virtual void LookInvalidated(const TRect* /*rect*/) {}

  virtual void WMPaint(TMessage& m) { PaintHandler(m); }
  virtual void WMEraseBkgnd(TMessage& m);
  virtual void WMSetFocus(TMessage& m);
  virtual void WMKillFocus(TMessage& m);
  virtual void WMKeyDown(TMessage& m);
  virtual void WMKeyUp(TMessage& m);
  virtual void WMChar(TMessage& m);
  virtual void CMDialogKey(TMessage& m) { Broadcast(m); }
  virtual void CMDialogChar(TMessage& m) { Broadcast(m); }
  virtual void CMFocusChanged(TMessage& m) { Broadcast(m); }
  virtual void CMEnter(TMessage& m);
  virtual void CMExit(TMessage& m);
  virtual void CMShowingChanged(TMessage& m);
  void CMVisibleChanged(TMessage& m) override;
  void CMEnabledChanged(TMessage& m) override;
  void CMColorChanged(TMessage& m) override;
  void CMFontChanged(TMessage& m) override;

  // Routes a mouse message to a non-windowed child under the point (or the
  // child holding the capture); answers whether one took it.
  bool IsControlMouseMsg(TMessage& m);

  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  HWND handle_ = 0;
  bool tabStop_ = false;
  int pendingTabOrder_ = -1;
  uint32_t style_ = 0;
  uint32_t exStyle_ = 0;
  TCanvas canvas_;

 private:
  // Only the window services (Windows.cpp) change the paint state.
  friend class TWindowServices;
  TWindowPaintState paint_;
};

// The control as a windowed one, or nullptr: what dynamic_cast answers,
// without comparing class names up the tree at every step of a paint.
inline TWinControl* AsWindowed(TControl* control) {
  return control && control->IsWindowed() ? static_cast<TWinControl*>(control) : nullptr;
}
inline const TWinControl* AsWindowed(const TControl* control) {
  return control && control->IsWindowed() ? static_cast<const TWinControl*>(control) : nullptr;
}

// A windowed control that paints itself with its canvas.
class TCustomControl : public TWinControl {
 public:
  SORTARIUM_CLASS(TCustomControl)
  explicit TCustomControl(TComponent* owner);
  void PaintWindow(HDC dc) override;

 protected:
  virtual void Paint() {}
};
