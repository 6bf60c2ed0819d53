// TControl: anything visible on a form. Non-windowed controls
// (TGraphicControl) have no handle and are painted by their parent inside the
// parent's paint cycle; windowed controls are TWinControl (WinControl.h).
//
// Every message reaches a control through WindowProc, which starts as the
// control's own WndProc and may be replaced (subclassing). Perform
// dispatches straight into WindowProc with a record the caller keeps, so
// answers written into LParam are seen by the caller.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/base/Colors.h"
#include "framework/base/Types.h"
#include "framework/components/Component.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/messages/Messages.h"

class TWinControl;
class TCustomForm;

enum TControlStyleItem {
  csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed, csSetCaption, csOpaque,
  csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable, csNoStdEvents,
  csDisplayDragImage, csReflector, csActionClient, csMenuEvents, csNeedsBorderPaint, csParentBackground
};
using TControlStyle = TSet<TControlStyleItem>;

enum TControlStateItem {
  csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing, csCreating,
  csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking
};
using TControlState = TSet<TControlStateItem>;

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

using TMouseEvent = std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TComponent* sender, uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TComponent* sender, char32_t& key)>;

class TControl : public TComponent {
 public:
  SORTARIUM_CLASS(TControl)
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // --- messages ---
  std::function<void(TMessage&)> WindowProc;
  virtual void WndProc(TMessage& message);
  // What a message falls to when no handler of the class takes it.
  virtual void DefaultHandler(TMessage& message);
  LRESULT Perform(uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);
  void Perform(TMessage& message) { WindowProc(message); }

  // --- hierarchy ---
  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  bool HasParent() const { return parent_ != nullptr; }
  virtual bool IsWindowed() const { return false; }

  // --- geometry, relative to the parent's client area ---
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return TRect::FromBounds(left_, top_, width_, height_); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual TRect ClientRect() const { return {0, 0, width_, height_}; }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  virtual void SetClientSize(int width, int height);
  // The client area's top-left in screen coordinates.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;
  // Where the client area starts inside the control's own bounds (a form's
  // frame comes first; other controls have none).
  virtual TPoint ClientOffset() const { return {0, 0}; }
  // The client area's top-left relative to the parent's client area.
  TPoint ClientOffsetInParent() const { return {left_ + ClientOffset().X, top_ + ClientOffset().Y}; }

  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors a) { anchors_ = a; }
  TAlign Align() const { return align_; }
  virtual void SetAlign(TAlign a);

  // --- state ---
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool v);
  // Visible with every ancestor visible.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool v);
  TControlStyle& ControlStyle() { return controlStyle_; }
  TControlStyle ControlStyle() const { return controlStyle_; }
  TControlState& ControlState() { return controlState_; }
  TControlState ControlState() const { return controlState_; }

  TColor Color() const { return color_; }
  virtual void SetColor(TColor c);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool v);
  TFont* Font() { return &font_; }
  const TFont* Font() const { return &font_; }
  void SetFont(const TFont& font) { font_ = font; }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool v);

  const std::string& Caption() const { return text_; }
  void SetCaption(const std::string& text) { SetText(text); }
  const std::string& Text() const { return text_; }
  virtual void SetText(const std::string& text);

  // --- painting ---
  virtual void Invalidate();
  void Update();
  void Repaint();
  void Refresh() { Repaint(); }
  // Flags for text output in this control's reading order (left to right here).
  unsigned DrawTextBiDiModeFlags(unsigned flags) const { return flags; }

  // --- mouse ---
  bool MouseCapture() const;
  void SetMouseCapture(bool on);
  // The deepest visible control below this one that holds the client point.
  virtual TControl* ControlAtPos(TPoint clientPoint, bool allowDisabled) { return nullptr; }

  // --- events ---
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnResize;
  virtual void Click();

  void BringToFront();
  void SendToBack();

 protected:
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void DblClick();
  virtual void Resize();
  // After a change of bounds: repaint what it covered and covers now.
  virtual void BoundsChanged(const TRect& oldBounds);
  virtual void VisibleChanging() {}

  // Handlers of the base message handling; classes override them or WndProc.
  virtual void WMMouse(TMessage& m);
  virtual void CMEnabledChanged(TMessage& m);
  virtual void CMVisibleChanged(TMessage& m);
  virtual void CMColorChanged(TMessage& m);
  virtual void CMFontChanged(TMessage& m);
  virtual void CMTextChanged(TMessage& m);
  virtual void CMParentColorChanged(TMessage& m);
  virtual void CMParentFontChanged(TMessage& m);

  void FontChanged();
  static TShiftState KeysToShiftState(WPARAM keys);

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAnchors anchors_{akLeft, akTop};
  TAlign align_ = TAlign::alNone;
  bool visible_ = true;
  bool enabled_ = true;
  TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState controlState_;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  TFont font_;
  bool parentFont_ = true;
  std::string text_;
  // Anchor distances to the parent's right and bottom edges, kept while anchored.
  int anchorRight_ = 0, anchorBottom_ = 0;
  bool anchorsValid_ = false;

  friend class TWinControl;
};

// A control without a window of its own, painted by its parent.
class TGraphicControl : public TControl {
 public:
  SORTARIUM_CLASS(TGraphicControl)
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;
  TCanvas* Canvas() { return &canvas_; }
  void WndProc(TMessage& message) override;

 protected:
  virtual void Paint() {}

 private:
  TCanvas canvas_;
};

TCustomForm* GetParentForm(const TControl* control);
