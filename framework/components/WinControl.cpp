#include "framework/components/WinControl.h"

#include <algorithm>

#include "framework/base/SysUtils.h"
#include "framework/components/Forms.h"
#include "framework/components/Input.h"
#include "framework/components/Windows.h"

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  Destroying();
  if (TCustomForm* form = GetParentForm(this)) form->ControlDestroyed(this);
  DestroyHandle();
  // A windowed control takes its children with it, whoever owns them.
  while (!controls_.empty()) {
    TControl* child = controls_.back();
    RemoveControl(child);
    child->Destroying();
    delete child;
  }
}

TControl* TWinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount()) throw EListError(Format(SListIndexError, {IntToStr(index)}));
  return controls_[static_cast<size_t>(index)];
}

void TWinControl::InsertControl(TControl* control) {
  if (!control || control->parent_ == this) return;
  controls_.push_back(control);
  control->parent_ = this;
  WindowLayoutChanged();
  if (auto* w = AsWindowed(control)) tabList_.push_back(w);
  const TRect pc = ClientRect();
  control->anchorRight_ = pc.Width() - (control->left_ + control->width_);
  control->anchorBottom_ = pc.Height() - (control->top_ + control->height_);
  control->anchorsValid_ = true;
  if (control->parentFont_) control->Perform(CM_PARENTFONTCHANGED);
  if (control->parentColor_) control->Perform(CM_PARENTCOLORCHANGED);
  if (auto* w = AsWindowed(control)) {
    if (handle_ && w->Showing()) w->HandleNeeded();
  } else if (control->visible_) {
    control->Invalidate();
  }
  if (control->align_ != TAlign::alNone) Realign();
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 1);
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  if (auto* w = AsWindowed(control)) {
    if (TCustomForm* form = GetParentForm(this)) form->ControlDestroyed(w);
    if (!control->IsDestroying() || w->HandleAllocated()) w->DestroyHandle();
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), w), tabList_.end());
  }
  if (control->visible_ && !IsDestroying()) ExposeRect(control->BoundsRect());
  controls_.erase(std::find(controls_.begin(), controls_.end(), control));
  control->parent_ = nullptr;
  WindowLayoutChanged();
  if (!IsDestroying()) Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

void TWinControl::ChildIndexChanged(TControl* control, int newIndex) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  controls_.erase(it);
  newIndex = std::clamp(newIndex, 0, ControlCount());
  controls_.insert(controls_.begin() + newIndex, control);
  WindowLayoutChanged();
  ExposeRect(control->BoundsRect());
}

void TWinControl::SetStyle(uint32_t style) {
  if (style_ == style) return;
  style_ = style;
  WindowLayoutChanged();
}

void TWinControl::Broadcast(TMessage& m) {
  for (size_t i = 0; i < controls_.size(); ++i) {
    TControl* c = controls_[i];
    if (c->IsDestroying()) continue;
    c->WindowProc(m);
    if (m.Result != 0) return;
  }
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled) {
  for (size_t i = controls_.size(); i-- > 0;) {
    TControl* c = controls_[i];
    if (!c->visible_ || (!allowDisabled && !c->enabled_)) continue;
    if (!c->BoundsRect().Contains(p)) continue;
    if (auto* w = AsWindowed(c)) {
      if (!w->HandleAllocated()) continue;
      if (w->paint_.WindowRgn && !w->paint_.WindowRgn->Contains(p.X - c->left_, p.Y - c->top_)) continue;
    }
    return c;
  }
  return nullptr;
}

TWinControl* TWinControl::WindowAtPos(TPoint p, bool allowDisabled) {
  for (size_t i = controls_.size(); i-- > 0;) {
    auto* w = AsWindowed(controls_[i]);
    if (!w || !w->visible_ || !w->HandleAllocated()) continue;
    if (!w->BoundsRect().Contains(p)) continue;
    const TPoint local{p.X - w->left_, p.Y - w->top_};
    if (w->paint_.WindowRgn && !w->paint_.WindowRgn->Contains(local)) continue;
    // A disabled window passes the mouse to its parent.
    if (!allowDisabled && !w->enabled_) return this;
    const TPoint offset = w->ClientOffsetInParent();
    return w->WindowAtPos({p.X - offset.X, p.Y - offset.Y}, allowDisabled);
  }
  return this;
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return handle_;
}

void TWinControl::HandleNeeded() {
  if (handle_ || IsDestroying()) return;
  if (parent_) {
    parent_->HandleNeeded();
    if (!parent_->HandleAllocated()) return;
  }
  CreateWnd();
}

uint32_t TWinControl::InitialStyle() const {
  uint32_t s = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (visible_) s |= WS_VISIBLE;
  if (!enabled_) s |= WS_DISABLED;
  if (tabStop_) s |= WS_TABSTOP;
  return s;
}

void TWinControl::CreateWnd() {
  controlState_.Include(csCreating);
  handle_ = AllocateWindowHandle(this);
  SetStyle(InitialStyle());
  SendMessage(handle_, WM_CREATE);
  controlState_.Exclude(csCreating);
  for (size_t i = 0; i < controls_.size(); ++i)
    if (auto* w = AsWindowed(controls_[i]))
      if (w->visible_) w->HandleNeeded();
  InvalidateRect(nullptr, true);
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  controlState_.Include(csDestroyingHandle);
  for (TControl* c : controls_)
    if (auto* w = AsWindowed(c)) w->DestroyHandle();
  DestroyWnd();
  controlState_.Exclude(csDestroyingHandle);
}

void TWinControl::DestroyWnd() {
  const HWND h = handle_;
  SendMessage(h, WM_DESTROY);
  if (GetFocus() == h) ::SetFocus(0);
  if (GetCapture() == h) ReleaseCapture();
  ReleaseWindowHandle(h);
  handle_ = 0;
  if (parent_ && visible_ && !parent_->IsDestroying()) parent_->ExposeRect(BoundsRect());
}

void TWinControl::WndProc(TMessage& m) {
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
      if (IsControlMouseMsg(m)) return;
      if ((m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) && WantsFocusOnClick() && !Focused() &&
          CanFocus())
        SetFocus();
      TControl::WndProc(m);
      return;
    case WM_PAINT:
      WMPaint(m);
      return;
    case WM_ERASEBKGND:
      WMEraseBkgnd(m);
      return;
    case WM_PRINTCLIENT:
      if (!(m.LParam & PRF_CHECKVISIBLE) || visible_) {
        TMessage paint{WM_PAINT, m.WParam, 0, 0};
        PaintHandler(paint);
      }
      return;
    case WM_SETFOCUS:
      WMSetFocus(m);
      return;
    case WM_KILLFOCUS:
      WMKillFocus(m);
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      WMKeyDown(m);
      return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      WMKeyUp(m);
      return;
    case WM_CHAR:
      WMChar(m);
      return;
    case WM_SIZE:
      Realign();
      Resize();
      return;
    case CM_DIALOGKEY:
      CMDialogKey(m);
      return;
    case CM_DIALOGCHAR:
      CMDialogChar(m);
      return;
    case CM_FOCUSCHANGED:
      CMFocusChanged(m);
      return;
    case CM_ENTER:
      CMEnter(m);
      return;
    case CM_EXIT:
      CMExit(m);
      return;
    case CM_SHOWINGCHANGED:
      CMShowingChanged(m);
      return;
    default:
      TControl::WndProc(m);
  }
}

void TWinControl::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      // Keys held with Alt that a control leaves alone are the window's
      // (Alt+F4, Alt+Space): they go up to the top-level window.
      if (parent_ && parent_->HandleAllocated()) m.Result = SendMessage(parent_->Handle(), m.Msg, m.WParam, m.LParam);
      return;
    case WM_SETREDRAW:
      SetWindowRedraw(handle_, m.WParam != 0);
      m.Result = 0;
      return;
    case WM_NCHITTEST:
      m.Result = HTCLIENT;
      return;
    case WM_PRINT: {
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      const uint32_t flags = static_cast<uint32_t>(m.LParam);
      if (!dc || ((flags & PRF_CHECKVISIBLE) && !visible_)) return;
      if (flags & PRF_ERASEBKGND) Perform(WM_ERASEBKGND, m.WParam);
      if (flags & PRF_CLIENT) Perform(WM_PRINTCLIENT, m.WParam, static_cast<LPARAM>(flags));
      if (flags & PRF_CHILDREN) {
        for (size_t i = 0; i < controls_.size(); ++i) {
          auto* w = AsWindowed(controls_[i]);
          if (!w || !w->visible_) continue;
          TDCStateGuard guard(dc);
          MoveWindowOrg(dc, w->left_, w->top_);
          IntersectClipRect(dc, 0, 0, w->width_, w->height_);
          w->Perform(WM_PRINT, m.WParam, static_cast<LPARAM>(flags & ~PRF_NONCLIENT));
        }
      }
      return;
    }
    default:
      m.Result = 0;
  }
}

bool TWinControl::IsControlMouseMsg(TMessage& m) {
  TControl* target = nullptr;
  TControl* captured = InputCaptureControl();
  const TPoint p{GetXParam(m.LParam), GetYParam(m.LParam)};
  if (captured && captured->Parent() == this && !captured->IsWindowed()) {
    target = captured;
  } else if (!captured) {
    TControl* c = ControlAtPos(p, false);
    if (c && !c->IsWindowed()) target = c;
  }
  if (!target) return false;
  TMessage sub{m.Msg, m.WParam, MakeLParam(p.X - target->Left(), p.Y - target->Top()), 0};
  target->WindowProc(sub);
  m.Result = sub.Result;
  return true;
}

bool TWinControl::Focused() const { return handle_ != 0 && GetFocus() == handle_; }

bool TWinControl::CanFocus() const {
  const TCustomForm* form = GetParentForm(this);
  if (!form) return false;
  for (const TControl* c = this; c && c != form; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return form->Enabled();
}

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this)) {
    form->FocusControl(this);
  } else {
    ::SetFocus(Handle());
  }
}

int TWinControl::TabOrder() const {
  if (!parent_) return -1;
  auto& list = parent_->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (IsLoading()) {
    pendingTabOrder_ = order;
    return;
  }
  if (!parent_) return;
  auto& list = parent_->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool v) {
  if (tabStop_ == v) return;
  tabStop_ = v;
  if (handle_) SetStyle(v ? (style_ | WS_TABSTOP) : (style_ & ~WS_TABSTOP));
  Perform(CM_TABSTOPCHANGED);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* w : tabList_) {
    list.push_back(w);
    w->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  const int n = static_cast<int>(list.size());
  int start = -1;
  for (int i = 0; i < n; ++i)
    if (list[static_cast<size_t>(i)] == current) start = i;
  if (start < 0) start = goForward ? n - 1 : 0;
  int i = start;
  for (int step = 0; step < n; ++step) {
    i = goForward ? (i + 1) % n : (i - 1 + n) % n;
    TWinControl* c = list[static_cast<size_t>(i)];
    if (c == current) continue;
    if (!c->CanFocus()) continue;
    if (checkTabStop && !c->TabStop()) continue;
    if (checkParent && c->Parent() != this) continue;
    return c;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop)) next->SetFocus();
}

void TWinControl::Invalidate() { InvalidateRect(nullptr, !controlStyle_.Contains(csOpaque)); }

void TWinControl::InvalidateRect(const TRect* rect, bool erase) {
  LookInvalidated(rect);
  if (handle_) ::InvalidateRect(handle_, rect, erase);
}

void TWinControl::ExposeRect(const TRect& rect) {
  if (handle_) RedrawWindow(handle_, &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  size_t i = 0;
  if (first) {
    auto it = std::find(controls_.begin(), controls_.end(), first);
    i = it == controls_.end() ? 0 : static_cast<size_t>(it - controls_.begin());
  }
  TRect clip;
  GetClipBox(dc, &clip);
  for (; i < controls_.size(); ++i) {
    TControl* c = controls_[i];
    if (c->IsWindowed() || !c->Visible() || c->Width() <= 0 || c->Height() <= 0) continue;
    if (!c->BoundsRect().Intersects(clip)) continue;
    TDCStateGuard guard(dc);
    MoveWindowOrg(dc, c->Left(), c->Top());
    IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

void TWinControl::PaintHandler(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  TPaintStruct ps;
  if (!dc) {
    if (!handle_) return;
    dc = BeginPaint(handle_, ps);
    if (!dc) return;
  }
  try {
    {
      TDCStateGuard guard(dc);
      // Opaque non-windowed children paint their own pixels.
      for (TControl* c : controls_)
        if (!c->IsWindowed() && c->Visible() && c->ControlStyle().Contains(csOpaque))
          ExcludeClipRect(dc, c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height());
      PaintWindow(dc);
    }
    PaintControls(dc, nullptr);
  } catch (...) {
    if (!m.WParam) EndPaint(handle_, ps);
    throw;
  }
  if (!m.WParam) EndPaint(handle_, ps);
}

void TWinControl::WMEraseBkgnd(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  if (dc) FillRect(dc, ClientRect(), color_);
  m.Result = 1;
}

void TWinControl::WMSetFocus(TMessage& m) {
  if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
  m.Result = 0;
}

void TWinControl::WMKillFocus(TMessage& m) { m.Result = 0; }

bool TWinControl::DoKeyDown(TMessage& m) {
  uint16_t key = static_cast<uint16_t>(m.WParam);
  const TShiftState shift = KeyShiftState();
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview()) {
    form->KeyDownPreview(key, shift);
    if (key == 0) return true;
  }
  KeyDown(key, shift);
  m.WParam = key;
  return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& m) {
  uint16_t key = static_cast<uint16_t>(m.WParam);
  KeyUp(key, KeyShiftState());
  m.WParam = key;
  return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& m) {
  char32_t ch = static_cast<char32_t>(m.WParam);
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview()) {
    form->KeyPressPreview(ch);
    if (ch == 0) return true;
  }
  KeyPress(ch);
  m.WParam = ch;
  return ch == 0;
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}
void TWinControl::KeyUp(uint16_t& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}
void TWinControl::KeyPress(char32_t& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::WMKeyDown(TMessage& m) {
  const int key = static_cast<int>(m.WParam);
  uint32_t mask = 0;
  switch (key) {
    case VK_TAB:
      mask = DLGC_WANTTAB;
      break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      mask = DLGC_WANTARROWS;
      break;
    case VK_RETURN:
    case VK_ESCAPE:
      mask = DLGC_WANTALLKEYS;
      break;
  }
  if (mask && Perform(CM_WANTSPECIALKEY, m.WParam) == 0 &&
      (static_cast<uint32_t>(Perform(WM_GETDLGCODE)) & mask) == 0) {
    if (TCustomForm* form = GetParentForm(this)) {
      if (form->Perform(CM_DIALOGKEY, m.WParam, m.LParam) != 0) {
        m.Result = 1;
        return;
      }
    }
  }
  if (DoKeyDown(m)) {
    m.Result = 1;
    return;
  }
  DefaultHandler(m);
}

void TWinControl::WMKeyUp(TMessage& m) {
  if (DoKeyUp(m)) return;
  DefaultHandler(m);
}

void TWinControl::WMChar(TMessage& m) {
  if ((static_cast<uint32_t>(Perform(WM_GETDLGCODE)) & DLGC_WANTCHARS) == 0) {
    if (TCustomForm* form = GetParentForm(this)) {
      if (form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0) {
        m.Result = 1;
        return;
      }
    }
  }
  if (DoKeyPress(m)) return;
  DefaultHandler(m);
}

void TWinControl::CMEnter(TMessage&) {
  if (OnEnter) OnEnter(this);
}
void TWinControl::CMExit(TMessage&) {
  if (OnExit) OnExit(this);
}

void TWinControl::CMShowingChanged(TMessage&) {
  if (Showing()) {
    HandleNeeded();
    if (handle_) {
      SetStyle(style_ | WS_VISIBLE);
      InvalidateRect(nullptr, true);
    }
  } else if (handle_) {
    SetStyle(style_ & ~WS_VISIBLE);
    DiscardUpdateRegion(handle_);
  }
  for (size_t i = 0; i < controls_.size(); ++i)
    if (auto* w = AsWindowed(controls_[i]))
      if (w->visible_) w->Perform(CM_SHOWINGCHANGED);
}

void TWinControl::CMVisibleChanged(TMessage&) {
  if (!visible_ && handle_) {
    // The focus may not stay on a hidden window.
    TWinControl* focused = FindControl(GetFocus());
    if (focused && ContainsControl(focused)) {
      TCustomForm* form = GetParentForm(this);
      if (form && form != this) {
        form->ControlDestroyed(focused);
        ::SetFocus(form->HandleIfAllocated());
      } else {
        ::SetFocus(0);
      }
    }
  }
  Perform(CM_SHOWINGCHANGED);
  if (parent_) parent_->ExposeRect(BoundsRect());
}

void TWinControl::CMEnabledChanged(TMessage& m) {
  if (!enabled_ && handle_ && parent_) {
    if (TCustomForm* form = GetParentForm(this); form && ContainsControl(form->FocusedControl())) {
      form->ControlDestroyed(form->FocusedControl());
      ::SetFocus(form->HandleIfAllocated());
    }
  }
  if (handle_) {
    SetStyle(enabled_ ? (style_ & ~WS_DISABLED) : (style_ | WS_DISABLED));
    SendMessage(handle_, WM_ENABLE, enabled_ ? 1 : 0);
  }
  TControl::CMEnabledChanged(m);
}

void TWinControl::CMColorChanged(TMessage& m) {
  TControl::CMColorChanged(m);
  for (size_t i = 0; i < controls_.size(); ++i) controls_[i]->Perform(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage& m) {
  TControl::CMFontChanged(m);
  for (size_t i = 0; i < controls_.size(); ++i) controls_[i]->Perform(CM_PARENTFONTCHANGED);
}

void TWinControl::BoundsChanged(const TRect& oldBounds) {
  if (!handle_) {
    if (oldBounds.Width() != width_ || oldBounds.Height() != height_) Realign();
    return;
  }
  if (parent_ && visible_) {
    parent_->ExposeRect(oldBounds);
    parent_->ExposeRect(BoundsRect());
  }
  InvalidateRect(nullptr, true);
  SendMessage(handle_, WM_WINDOWPOSCHANGED);
  if (oldBounds.Left != left_ || oldBounds.Top != top_)
    SendMessage(handle_, WM_MOVE, 0, MakeLParam(left_, top_));
  if (oldBounds.Width() != width_ || oldBounds.Height() != height_)
    SendMessage(handle_, WM_SIZE, SIZE_RESTORED, MakeLParam(width_, height_));
}

void TWinControl::Loaded() {
  TControl::Loaded();
  if (pendingTabOrder_ >= 0 && parent_) {
    auto& list = parent_->tabList_;
    auto key = [](TWinControl* w) { return w->pendingTabOrder_ >= 0 ? w->pendingTabOrder_ : 1 << 20; };
    std::stable_sort(list.begin(), list.end(), [&](TWinControl* a, TWinControl* b) { return key(a) < key(b); });
  }
  Realign();
}

void TWinControl::Realign() {
  if (IsLoading() || IsDestroying()) return;
  TRect r = ClientRect();
  AlignControls(nullptr, r);
}

void TWinControl::AlignControls(TControl*, TRect& rect) {
  const int pw = ClientRect().Width(), ph = ClientRect().Height();
  // Aligned children take their side of what is left, in list order.
  for (TAlign kind : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    for (size_t i = 0; i < controls_.size(); ++i) {
      TControl* c = controls_[i];
      if (c->align_ != kind || !c->visible_) continue;
      int l = c->left_, t = c->top_, w = c->width_, h = c->height_;
      switch (kind) {
        case TAlign::alTop:
          l = rect.Left, t = rect.Top, w = rect.Width();
          rect.Top += h;
          break;
        case TAlign::alBottom:
          l = rect.Left, t = rect.Bottom - h, w = rect.Width();
          rect.Bottom -= h;
          break;
        case TAlign::alLeft:
          l = rect.Left, t = rect.Top, h = rect.Height();
          rect.Left += w;
          break;
        case TAlign::alRight:
          l = rect.Right - w, t = rect.Top, h = rect.Height();
          rect.Right -= w;
          break;
        default:
          l = rect.Left, t = rect.Top, w = rect.Width(), h = rect.Height();
          break;
      }
      const TAlign saved = c->align_;
      c->align_ = TAlign::alNone;  // no realign from inside the alignment
      c->SetBounds(l, t, std::max(0, w), std::max(0, h));
      c->align_ = saved;
    }
  }
  // Children anchored to the right or bottom keep their distance to that edge.
  for (size_t i = 0; i < controls_.size(); ++i) {
    TControl* c = controls_[i];
    if (c->align_ != TAlign::alNone || !c->anchorsValid_) continue;
    const TAnchors a = c->anchors_;
    if (!a.Contains(akRight) && !a.Contains(akBottom)) continue;
    int l = c->left_, t = c->top_, w = c->width_, h = c->height_;
    const int ar = c->anchorRight_, ab = c->anchorBottom_;
    if (a.Contains(akRight)) {
      if (a.Contains(akLeft))
        w = pw - l - ar;
      else
        l = pw - w - ar;
    }
    if (a.Contains(akBottom)) {
      if (a.Contains(akTop))
        h = ph - t - ab;
      else
        t = ph - h - ab;
    }
    c->SetBounds(l, t, std::max(0, w), std::max(0, h));
    c->anchorRight_ = ar;
    c->anchorBottom_ = ab;
  }
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC dc) {
  TCanvasPaintScope scope(canvas_, dc, font_);
  Paint();
}
