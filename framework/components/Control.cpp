#include "framework/components/Control.h"

#include "framework/components/Forms.h"
#include "framework/components/Input.h"
#include "framework/components/WinControl.h"
#include "framework/components/Windows.h"

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  Destroying();
  InputForgetControl(this);
  if (TCustomForm* form = GetParentForm(this)) form->ControlDestroyed(this);
  if (parent_) parent_->RemoveControl(this);
}

LRESULT TControl::Perform(uint32_t msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  WindowProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      WMMouse(m);
      break;
    case WM_CANCELMODE:
    case CM_CANCELMODE:
      controlState_.Exclude(csClicked);
      if (MouseCapture()) SetMouseCapture(false);
      break;
    case CM_ENABLEDCHANGED:
      CMEnabledChanged(m);
      break;
    case CM_VISIBLECHANGED:
      CMVisibleChanged(m);
      break;
    case CM_COLORCHANGED:
      CMColorChanged(m);
      break;
    case CM_FONTCHANGED:
      CMFontChanged(m);
      break;
    case CM_TEXTCHANGED:
      CMTextChanged(m);
      break;
    case CM_PARENTCOLORCHANGED:
      CMParentColorChanged(m);
      break;
    case CM_PARENTFONTCHANGED:
      CMParentFontChanged(m);
      break;
    default:
      DefaultHandler(m);
  }
}

void TControl::DefaultHandler(TMessage& m) { m.Result = 0; }

TShiftState TControl::KeysToShiftState(WPARAM keys) {
  TShiftState s;
  if (keys & MK_SHIFT) s.Include(ssShift);
  if (keys & MK_CONTROL) s.Include(ssCtrl);
  if (keys & MK_LBUTTON) s.Include(ssLeft);
  if (keys & MK_RBUTTON) s.Include(ssRight);
  if (keys & MK_MBUTTON) s.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  return s;
}

void TControl::WMMouse(TMessage& m) {
  const int x = GetXParam(m.LParam), y = GetYParam(m.LParam);
  TShiftState shift = KeysToShiftState(m.WParam);
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      MouseMove(shift, x, y);
      break;
    case WM_LBUTTONDOWN:
      if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(true);
      if (controlStyle_.Contains(csClickEvents)) controlState_.Include(csClicked);
      MouseDown(TMouseButton::mbLeft, shift, x, y);
      break;
    case WM_LBUTTONDBLCLK:
      if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(true);
      if (controlStyle_.Contains(csClickEvents)) DblClick();
      MouseDown(TMouseButton::mbLeft, shift.Include(ssDouble), x, y);
      break;
    case WM_LBUTTONUP: {
      if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(false);
      if (controlState_.Contains(csClicked)) {
        controlState_.Exclude(csClicked);
        if (ClientRect().Contains(TPoint{x, y})) Click();
      }
      if (!IsDestroying()) MouseUp(TMouseButton::mbLeft, shift, x, y);
      break;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      MouseDown(TMouseButton::mbRight, shift, x, y);
      break;
    case WM_RBUTTONUP:
      MouseUp(TMouseButton::mbRight, shift, x, y);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      MouseDown(TMouseButton::mbMiddle, shift, x, y);
      break;
    case WM_MBUTTONUP:
      MouseUp(TMouseButton::mbMiddle, shift, x, y);
      break;
  }
}

void TControl::MouseDown(TMouseButton b, TShiftState s, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, b, s, x, y);
}
void TControl::MouseUp(TMouseButton b, TShiftState s, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, b, s, x, y);
}
void TControl::MouseMove(TShiftState s, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, s, x, y);
}
void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}
void TControl::Click() {
  if (OnClick) OnClick(this);
}
void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent_ == parent) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const TRect old = BoundsRect();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  WindowLayoutChanged();
  if (parent_) {
    const TRect pc = parent_->ClientRect();
    anchorRight_ = pc.Width() - (left_ + width_);
    anchorBottom_ = pc.Height() - (top_ + height_);
    anchorsValid_ = true;
  }
  BoundsChanged(old);
  if (old.Width() != width_ || old.Height() != height_) Resize();
  if (parent_ && align_ != TAlign::alNone) parent_->Realign();
}

void TControl::BoundsChanged(const TRect& oldBounds) {
  if (!parent_ || !visible_) return;
  parent_->InvalidateRect(&oldBounds, true);
  const TRect now = BoundsRect();
  parent_->InvalidateRect(&now, true);
}

void TControl::SetClientSize(int width, int height) {
  const TRect c = ClientRect();
  SetBounds(left_, top_, width_ + (width - c.Width()), height_ + (height - c.Height()));
}

TPoint TControl::ClientOrigin() const {
  const TPoint o = ClientOffsetInParent();
  if (!parent_) return o;
  const TPoint p = parent_->ClientOrigin();
  return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ClientToScreen(TPoint p) const {
  const TPoint o = ClientOrigin();
  return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
  const TPoint o = ClientOrigin();
  return {p.X - o.X, p.Y - o.Y};
}

void TControl::SetAlign(TAlign a) {
  if (align_ == a) return;
  align_ = a;
  if (parent_) parent_->Realign();
}

void TControl::SetVisible(bool v) {
  if (visible_ == v) return;
  VisibleChanging();
  visible_ = v;
  WindowLayoutChanged();
  Perform(CM_VISIBLECHANGED, v ? 1 : 0);
}

void TControl::SetEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor c) {
  if (color_ == c) return;
  color_ = c;
  parentColor_ = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool v) {
  if (parentColor_ == v) return;
  parentColor_ = v;
  if (v && parent_) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool v) {
  if (parentFont_ == v) return;
  parentFont_ = v;
  if (v && parent_) Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged() {
  parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetText(const std::string& text) {
  if (text_ == text) return;
  text_ = text;
  Perform(CM_TEXTCHANGED);
}

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMVisibleChanged(TMessage&) {
  if (parent_) {
    const TRect r = BoundsRect();
    parent_->InvalidateRect(&r, true);
  }
}
void TControl::CMColorChanged(TMessage&) { Invalidate(); }
void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMTextChanged(TMessage&) { Invalidate(); }

void TControl::CMParentColorChanged(TMessage&) {
  if (parentColor_ && parent_) {
    SetColor(parent_->Color());
    parentColor_ = true;
  }
}

void TControl::CMParentFontChanged(TMessage&) {
  if (parentFont_ && parent_) {
    // Copies values only (OnChange stays ours); a real change is announced
    // through OnChange, which also clears ParentFont, so it is set again.
    font_ = *parent_->Font();
    parentFont_ = true;
  }
}

void TControl::Invalidate() {
  if (!parent_ || !visible_) return;
  const TRect r = BoundsRect();
  parent_->InvalidateRect(&r, !controlStyle_.Contains(csOpaque));
}

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

bool TControl::MouseCapture() const { return InputCaptureControl() == this; }

void TControl::SetMouseCapture(bool on) {
  if (on) {
    InputSetCaptureControl(this);
  } else if (MouseCapture()) {
    InputSetCaptureControl(nullptr);
  }
}

void TControl::BringToFront() {
  if (parent_) parent_->ChildIndexChanged(this, parent_->ControlCount() - 1);
}

void TControl::SendToBack() {
  if (parent_) parent_->ChildIndexChanged(this, 0);
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

TGraphicControl::~TGraphicControl() { Destroying(); }

void TGraphicControl::WndProc(TMessage& m) {
  if (m.Msg == WM_PAINT && m.WParam) {
    TCanvasPaintScope scope(canvas_, reinterpret_cast<HDC>(m.WParam), font_);
    Paint();
    return;
  }
  TControl::WndProc(m);
}

TCustomForm* GetParentForm(const TControl* control) {
  const TControl* c = control;
  while (c && c->Parent()) c = c->Parent();
  return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(c));
}
