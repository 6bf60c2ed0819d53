#include "framework/components/Forms.h"

#include "framework/backend/Backend.h"
#include "framework/components/Application.h"
#include "framework/components/Windows.h"

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  visible_ = false;  // a form shows itself when asked to
  color_ = clBtnFace;
  parentFont_ = false;
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  left_ = 0;
  top_ = 0;
  width_ = 320;
  height_ = 240;
}

TCustomForm::~TCustomForm() {
  Destroying();
  if (OnDestroy) {
    TNotifyEvent handler = OnDestroy;
    OnDestroy = nullptr;
    handler(this);
  }
  DestroyHandle();
}

int TCustomForm::FrameWidth() const {
  switch (borderStyle_) {
    case TFormBorderStyle::bsNone:
      return 0;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin:
      return GetSystemMetrics(SM_CXFRAME);
    default:
      return GetSystemMetrics(SM_CXFIXEDFRAME);
  }
}

int TCustomForm::FrameHeight() const {
  switch (borderStyle_) {
    case TFormBorderStyle::bsNone:
      return 0;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin:
      return GetSystemMetrics(SM_CYFRAME);
    default:
      return GetSystemMetrics(SM_CYFIXEDFRAME);
  }
}

int TCustomForm::CaptionHeight() const {
  if (borderStyle_ == TFormBorderStyle::bsNone) return 0;
  if (handle_ && (style_ & WS_CAPTION) != WS_CAPTION) return 0;
  if (borderStyle_ == TFormBorderStyle::bsToolWindow || borderStyle_ == TFormBorderStyle::bsSizeToolWin)
    return GetSystemMetrics(SM_CYSMCAPTION);
  return GetSystemMetrics(SM_CYCAPTION);
}

TPoint TCustomForm::ClientOffset() const {
  if (parent_) return {0, 0};
  return {FrameWidth(), FrameHeight() + CaptionHeight()};
}

TRect TCustomForm::ClientRect() const {
  if (parent_) return {0, 0, width_, height_};
  return {0, 0, std::max(0, width_ - 2 * FrameWidth()), std::max(0, height_ - 2 * FrameHeight() - CaptionHeight())};
}

void TCustomForm::SetClientSize(int width, int height) {
  const TPoint o = ClientOffset();
  SetBounds(left_, top_, width + (parent_ ? 0 : 2 * o.X), height + (parent_ ? 0 : o.Y + FrameHeight()));
}

uint32_t TCustomForm::InitialStyle() const {
  uint32_t s = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (parent_) s |= WS_CHILD;
  switch (borderStyle_) {
    case TFormBorderStyle::bsNone:
      s |= WS_POPUP;
      break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow:
      s |= WS_CAPTION | WS_BORDER;
      break;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin:
      s |= WS_CAPTION | WS_THICKFRAME;
      break;
    case TFormBorderStyle::bsDialog:
      s |= WS_CAPTION | WS_DLGFRAME;
      break;
  }
  const bool framed = borderStyle_ == TFormBorderStyle::bsSingle || borderStyle_ == TFormBorderStyle::bsSizeable;
  if (borderStyle_ != TFormBorderStyle::bsNone && borderIcons_.Contains(biSystemMenu)) {
    s |= WS_SYSMENU;
    if (framed && borderIcons_.Contains(biMinimize)) s |= WS_MINIMIZEBOX;
    if (framed && borderIcons_.Contains(biMaximize)) s |= WS_MAXIMIZEBOX;
  }
  if (visible_) s |= WS_VISIBLE;
  return s;
}

void TCustomForm::UpdateStyle() {
  if (!handle_) return;
  SetStyle(InitialStyle());
  exStyle_ = 0;
  if (borderStyle_ == TFormBorderStyle::bsToolWindow || borderStyle_ == TFormBorderStyle::bsSizeToolWin)
    exStyle_ |= WS_EX_TOOLWINDOW;
  if (borderIcons_.Contains(biHelp)) exStyle_ |= WS_EX_CONTEXTHELP;
  if (borderStyle_ == TFormBorderStyle::bsDialog) exStyle_ |= WS_EX_DLGMODALFRAME;
  InvalidateFrame(handle_);
  InvalidateRect(nullptr, true);
  Realign();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle v) {
  if (borderStyle_ == v) return;
  borderStyle_ = v;
  WindowLayoutChanged();  // the frame's width places the client area
  UpdateStyle();
}

void TCustomForm::SetBorderIcons(TBorderIcons v) {
  if (borderIcons_ == v) return;
  borderIcons_ = v;
  UpdateStyle();
}

void TCustomForm::SetAlign(TAlign a) {
  TControl::SetAlign(a);
  if (!parent_ && a == TAlign::alClient && !IsLoading()) AlignToWorkArea();
}

void TCustomForm::AlignToWorkArea() {
  const TRect wa = Backend()->WorkArea();
  SetBounds(wa.Left, wa.Top, wa.Width(), wa.Height());
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateStyle();
  if (!parent_) {
    CreateTopLevelSurface(this, text_);
    InvalidateFrame(handle_);
  }
}

void TCustomForm::DestroyWnd() {
  if (!parent_ && handle_) Backend()->DestroyNativeWindow(handle_);
  TWinControl::DestroyWnd();
}

void TCustomForm::BoundsChanged(const TRect& oldBounds) {
  if (parent_) {
    TWinControl::BoundsChanged(oldBounds);
    return;
  }
  const bool resized = oldBounds.Width() != width_ || oldBounds.Height() != height_;
  if (!handle_) {
    if (resized) Realign();
    return;
  }
  if (resized) {
    ResizeTopLevelSurface(this);
    InvalidateFrame(handle_);
    InvalidateRect(nullptr, true);
    SendMessage(handle_, WM_SIZE, SIZE_RESTORED, MakeLParam(ClientWidth(), ClientHeight()));
  } else {
    Backend()->SetNativeBounds(handle_, BoundsRect());
  }
  if (oldBounds.Left != left_ || oldBounds.Top != top_) SendMessage(handle_, WM_MOVE, 0, MakeLParam(left_, top_));
}

void TCustomForm::NativeMoved(TPoint p) {
  if (p.X == left_ && p.Y == top_) return;
  left_ = p.X;
  top_ = p.Y;
  WindowLayoutChanged();
  if (handle_) SendMessage(handle_, WM_MOVE, 0, MakeLParam(left_, top_));
}

void TCustomForm::NativeStateChanged(TWindowState state) {
  if (windowState_ == state) return;
  windowState_ = state;
  InvalidateFrame(handle_);
  InvalidateRect(nullptr, true);
}

void TCustomForm::SetWindowState(TWindowState v) {
  if (windowState_ == v) return;
  const TWindowState old = windowState_;
  windowState_ = v;
  if (!handle_) return;
  if (v == TWindowState::wsMinimized) {
    Backend()->ShowNativeWindow(handle_, SW_MINIMIZE);
    return;
  }
  if (old == TWindowState::wsMinimized) Backend()->ShowNativeWindow(handle_, SW_RESTORE);
  if (v == TWindowState::wsMaximized) {
    restoreBounds_ = BoundsRect();
    const TRect wa = Backend()->WorkArea();
    SetBounds(wa.Left, wa.Top, wa.Width(), wa.Height());
  } else if (old == TWindowState::wsMaximized && !restoreBounds_.IsEmpty()) {
    SetBounds(restoreBounds_.Left, restoreBounds_.Top, restoreBounds_.Width(), restoreBounds_.Height());
  }
  InvalidateFrame(handle_);
  InvalidateRect(nullptr, true);
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (activeControl_ == control) return;
  if (control && HandleAllocated() && Showing() && !IsLoading()) {
    FocusControl(control);
    return;
  }
  activeControl_ = control;
}

void TCustomForm::FocusControl(TWinControl* control) {
  if (!control) return;
  if (!control->CanFocus()) throw EInvalidOperation(SCannotFocus);
  activeControl_ = control;
  if (HandleAllocated() && Showing()) ::SetFocus(control->Handle());
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
  if (focusedControl_ == control) return true;
  TWinControl* previous = focusedControl_;
  focusedControl_ = control;
  if (control != this) activeControl_ = control;
  if (previous && previous != this && !previous->IsDestroying()) previous->Perform(CM_EXIT);
  if (control && control != this && focusedControl_ == control) control->Perform(CM_ENTER);
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
  return true;
}

void TCustomForm::KeyDownPreview(uint16_t& key, TShiftState shift) { KeyDown(key, shift); }
void TCustomForm::KeyPressPreview(char32_t& key) { KeyPress(key); }

void TCustomForm::ControlDestroyed(TControl* control) {
  auto inside = [control](const TControl* c) {
    for (; c; c = c->Parent())
      if (c == control) return true;
    return false;
  };
  if (control == this) return;
  if (inside(activeControl_)) activeControl_ = nullptr;
  if (inside(focusedControl_)) focusedControl_ = nullptr;
}

void TCustomForm::Show() {
  SetVisible(true);
  if (handle_ && windowState_ == TWindowState::wsMinimized) SetWindowState(TWindowState::wsNormal);
}

void TCustomForm::Hide() { SetVisible(false); }

void TCustomForm::Close() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  if (!canClose) return;
  TCloseAction action = formStyle_ == TFormStyle::fsMDIChild ? TCloseAction::caMinimize : TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case TCloseAction::caHide:
      Hide();
      break;
    case TCloseAction::caMinimize:
      SetWindowState(TWindowState::wsMinimized);
      break;
    case TCloseAction::caFree:
      Release();
      break;
    default:
      break;
  }
}

void TCustomForm::Release() {
  if (handle_) PostMessage(0, CM_RELEASE, 0, static_cast<LPARAM>(handle_));
}

void TCustomForm::CMShowingChanged(TMessage& m) {
  if (parent_) {
    TWinControl::CMShowingChanged(m);
    return;
  }
  if (visible_) {
    if (!IsLoading() && align_ == TAlign::alClient) AlignToWorkArea();
    if (position_ == TPosition::poScreenCenter || position_ == TPosition::poDesktopCenter) {
      const TSize s = Backend()->ScreenSize();
      SetBounds((s.cx - width_) / 2, (s.cy - height_) / 2, width_, height_);
    }
    HandleNeeded();
    TWinControl::CMShowingChanged(m);
    InvalidateFrame(handle_);
    Backend()->ShowNativeWindow(handle_, windowState_ == TWindowState::wsMinimized ? SW_SHOWMINIMIZED : SW_SHOW);
    // The window comes up active, with the focus on its active control or
    // on the first control of the tab order.
    ActivateShownWindow();
    if (OnShow) OnShow(this);
  } else {
    if (handle_) Backend()->ShowNativeWindow(handle_, SW_HIDE);
    TWinControl::CMShowingChanged(m);
    if (OnHide) OnHide(this);
  }
}

void TCustomForm::ActivateShownWindow() {
  if (!handle_) return;
  SendMessage(handle_, WM_NCACTIVATE, 1);
  SendMessage(handle_, WM_ACTIVATE, WA_ACTIVE);
  if (!activeControl_) activeControl_ = FindNextControl(nullptr, true, true, false);
  if (activeControl_ && activeControl_->CanFocus())
    ::SetFocus(activeControl_->Handle());
  else
    ::SetFocus(handle_);
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  if (!parent_ && align_ == TAlign::alClient) AlignToWorkArea();
}

void TCustomForm::DoCreate() {
  CreateHandlerRun = true;
  if (OnCreate) OnCreate(this);
}

void TCustomForm::WMEraseBkgnd(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  if (dc) FillRect(dc, ClientRect(), color_);
  m.Result = 1;
}

void TCustomForm::CMDialogKey(TMessage& m) {
  const int key = static_cast<int>(m.WParam);
  if (key == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
    SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
    m.Result = 1;
    return;
  }
  if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) {
    if (activeControl_ && activeControl_->Parent()) {
      activeControl_->Parent()->SelectNext(activeControl_, key == VK_RIGHT || key == VK_DOWN, false);
      m.Result = 1;
    }
    return;
  }
  TWinControl::CMDialogKey(m);
}

void TCustomForm::WndProc(TMessage& m) {
  if (trackedButton_ && (m.Msg == WM_MOUSEMOVE || m.Msg == WM_LBUTTONUP || m.Msg == WM_CAPTURECHANGED)) {
    TrackCaptionButton(m);
    return;
  }
  switch (m.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_NCACTIVATE:
      if (active_ != (m.WParam != 0)) {
        active_ = m.WParam != 0;
        InvalidateFrame(handle_);
      }
      m.Result = 1;
      return;
    case WM_ACTIVATE:
      if (LoWord(m.WParam) != WA_INACTIVE) {
        if (OnActivate) OnActivate(this);
      } else if (OnDeactivate) {
        OnDeactivate(this);
      }
      return;
    case CM_TEXTCHANGED:
      if (handle_ && !parent_) {
        Backend()->SetNativeTitle(handle_, text_);
        InvalidateFrame(handle_);
      }
      return;
    case CM_SHOWINGCHANGED:
      CMShowingChanged(m);
      return;
    default:
      TWinControl::WndProc(m);
  }
}

void TCustomForm::DefaultHandler(TMessage& m) {
  if (parent_) {
    TWinControl::DefaultHandler(m);
    return;
  }
  switch (m.Msg) {
    case WM_NCHITTEST:
      m.Result = FrameHitTest({GetXParam(m.LParam) - left_, GetYParam(m.LParam) - top_});
      return;
    case WM_NCPAINT:
      if (HDC dc = GetWindowDC(handle_)) {
        PaintPlainFrame(dc);
        ReleaseDC(handle_, dc);
      }
      return;
    case WM_NCLBUTTONDOWN:
      HandleNcButton(m);
      return;
    case WM_NCLBUTTONDBLCLK:
      if (static_cast<int>(m.WParam) == HTCAPTION && (style_ & WS_MAXIMIZEBOX))
        Perform(WM_SYSCOMMAND, windowState_ == TWindowState::wsMaximized ? SC_RESTORE : SC_MAXIMIZE);
      return;
    case WM_SYSCOMMAND:
      switch (m.WParam & 0xFFF0) {
        case SC_CLOSE:
          Perform(WM_CLOSE);
          break;
        case SC_MINIMIZE:
          SetWindowState(TWindowState::wsMinimized);
          break;
        case SC_MAXIMIZE:
          SetWindowState(TWindowState::wsMaximized);
          break;
        case SC_RESTORE:
          SetWindowState(TWindowState::wsNormal);
          break;
      }
      return;
    case WM_SYSKEYDOWN:
      if (static_cast<int>(m.WParam) == VK_F4) Perform(WM_SYSCOMMAND, SC_CLOSE);
      return;
    case WM_PRINT: {
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      const uint32_t flags = static_cast<uint32_t>(m.LParam);
      if (!dc) return;
      if (flags & PRF_NONCLIENT) {
        PaintPlainFrame(dc);
        TDCStateGuard guard(dc);
        const TPoint o = ClientOffset();
        MoveWindowOrg(dc, o.X, o.Y);
        IntersectClipRect(dc, 0, 0, ClientWidth(), ClientHeight());
        TMessage client{WM_PRINT, m.WParam, static_cast<LPARAM>(flags & ~PRF_NONCLIENT), 0};
        TWinControl::DefaultHandler(client);
        return;
      }
      TWinControl::DefaultHandler(m);
      return;
    }
    default:
      TWinControl::DefaultHandler(m);
  }
}
