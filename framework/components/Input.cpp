#include "framework/components/Input.h"

#include <array>
#include <cstdlib>

#include "framework/backend/Backend.h"
#include "framework/base/SysUtils.h"
#include "framework/components/Forms.h"
#include "framework/components/Windows.h"

namespace {

struct InputState {
  TPoint MouseScreen;
  uint32_t Buttons = 0;  // MK_LBUTTON | MK_RBUTTON | MK_MBUTTON
  std::array<bool, 256> Keys{};
  TControl* MouseControl = nullptr;
  TControl* CaptureControl = nullptr;
  HWND ImplicitCapture = 0;
  // The last press, for double clicks.
  HWND LastClickWindow = 0;
  int LastClickButton = -1;
  uint64_t LastClickTime = 0;
  TPoint LastClickPos;
  bool LastWasDouble = false;
};

InputState& IS() {
  static InputState* state = new InputState();
  return *state;
}

uint32_t ButtonFlag(int button) { return button == 0 ? MK_LBUTTON : button == 1 ? MK_RBUTTON : MK_MBUTTON; }

uint32_t KeyFlags() {
  uint32_t f = IS().Buttons;
  if (IS().Keys[VK_SHIFT]) f |= MK_SHIFT;
  if (IS().Keys[VK_CONTROL]) f |= MK_CONTROL;
  return f;
}

// The deepest visible control under a client point of `w`, disabled ones included.
TControl* DeepestControlAt(TWinControl* w, TPoint p) {
  TControl* found = w;
  TWinControl* container = w;
  while (container) {
    TControl* c = container->ControlAtPos(p, true);
    if (!c) break;
    found = c;
    auto* wc = AsWindowed(c);
    if (!wc) break;
    const TPoint o = wc->ClientOffsetInParent();
    p = {p.X - o.X, p.Y - o.Y};
    container = wc;
  }
  return found;
}

void SetMouseControl(TControl* c) {
  InputState& s = IS();
  if (s.MouseControl == c) return;
  TControl* old = s.MouseControl;
  s.MouseControl = c;
  if (old) old->Perform(CM_MOUSELEAVE);
  // The leave handler may have moved things; enter only a control still alive.
  if (s.MouseControl == c && c) c->Perform(CM_MOUSEENTER);
}

void TrackMouseControl(TCustomForm* top, TPoint windowPoint) {
  const TPoint co = top->ClientOffset();
  const TPoint client{windowPoint.X - co.X, windowPoint.Y - co.Y};
  if (top->ClientRect().Contains(client))
    SetMouseControl(DeepestControlAt(top, client));
  else if (TRect{0, 0, top->Width(), top->Height()}.Contains(windowPoint))
    SetMouseControl(top);
  else
    SetMouseControl(nullptr);
}

uint32_t ClientMessage(int button, bool down, bool dbl) {
  static constexpr uint32_t downs[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
  static constexpr uint32_t ups[] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};
  static constexpr uint32_t dbls[] = {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK};
  const size_t b = static_cast<size_t>(std::clamp(button, 0, 2));
  return !down ? ups[b] : dbl ? dbls[b] : downs[b];
}

void RouteMouse(const TMsg& msg) {
  InputState& s = IS();
  auto* top = dynamic_cast<TCustomForm*>(FindControl(msg.hwnd));
  TWinControl* topWin = FindControl(msg.hwnd);
  if (!topWin) return;
  const TPoint wp{GetXParam(msg.lParam), GetYParam(msg.lParam)};
  s.MouseScreen = {topWin->Left() + wp.X, topWin->Top() + wp.Y};
  const HWND topHandle = msg.hwnd;

  int button = 0;
  bool down = false;
  if (msg.message == FM_RAWMOUSEBUTTON) {
    button = static_cast<int>(msg.wParam & 0xFF);
    down = (msg.wParam >> 8) & 1;
    if (down)
      s.Buttons |= ButtonFlag(button);
    else
      s.Buttons &= ~ButtonFlag(button);
  }

  if (top) TrackMouseControl(top, wp);
  if (!FindControl(topHandle)) return;

  // Whom the message is for: the capture, or what the frame's hit test finds.
  HWND target = GetCapture();
  int hit = HTCLIENT;
  if (!target) {
    hit = static_cast<int>(SendMessage(topHandle, WM_NCHITTEST, 0, MakeLParam(s.MouseScreen.X, s.MouseScreen.Y)));
    if (!FindControl(topHandle)) return;
    if (hit == HTCLIENT) {
      const TPoint co = topWin->ClientOffset();
      TWinControl* w = topWin->WindowAtPos({wp.X - co.X, wp.Y - co.Y}, false);
      target = w ? w->HandleIfAllocated() : topHandle;
    } else {
      target = topHandle;
    }
  }
  TWinControl* tw = FindControl(target);
  if (!tw) return;

  if (msg.message == FM_RAWWHEEL) {
    const int delta = static_cast<int>(static_cast<intptr_t>(msg.wParam));
    SendMessage(target, WM_MOUSEWHEEL, MakeWParam(static_cast<uint16_t>(KeyFlags()), static_cast<uint16_t>(delta)),
                MakeLParam(s.MouseScreen.X, s.MouseScreen.Y));
    return;
  }

  const bool nonClient = hit != HTCLIENT && !GetCapture();
  if (nonClient) {
    uint32_t m = WM_NCMOUSEMOVE;
    if (msg.message == FM_RAWMOUSEBUTTON) {
      if (button == 0)
        m = down ? WM_NCLBUTTONDOWN : WM_NCLBUTTONUP;
      else if (button == 1)
        m = down ? WM_NCRBUTTONDOWN : WM_NCRBUTTONUP;
      else
        return;
    }
    SendMessage(target, m, static_cast<WPARAM>(hit), MakeLParam(s.MouseScreen.X, s.MouseScreen.Y));
    return;
  }

  const TPoint origin = tw->ClientOrigin();
  const LPARAM lp = MakeLParam(s.MouseScreen.X - origin.X, s.MouseScreen.Y - origin.Y);
  if (msg.message == FM_RAWMOUSEMOVE) {
    SendMessage(target, WM_MOUSEMOVE, KeyFlags(), lp);
    return;
  }
  bool dbl = false;
  if (down) {
    const uint64_t now = Backend()->NowMs();
    const bool near = std::abs(s.MouseScreen.X - s.LastClickPos.X) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
                      std::abs(s.MouseScreen.Y - s.LastClickPos.Y) <= GetSystemMetrics(SM_CYDOUBLECLK);
    dbl = !s.LastWasDouble && s.LastClickWindow == target && s.LastClickButton == button && near &&
          now - s.LastClickTime <= GetDoubleClickTime() && tw->ControlStyle().Contains(csDoubleClicks);
    s.LastWasDouble = dbl;
    s.LastClickWindow = target;
    s.LastClickButton = button;
    s.LastClickTime = now;
    s.LastClickPos = s.MouseScreen;
    if (!GetCapture()) {
      SetCapture(target);
      s.ImplicitCapture = target;
    }
  }
  SendMessage(target, ClientMessage(button, down, dbl), KeyFlags() | (down ? ButtonFlag(button) : 0), lp);
  if (!down && s.Buttons == 0 && s.ImplicitCapture) {
    if (GetCapture() == s.ImplicitCapture) ReleaseCapture();
    s.ImplicitCapture = 0;
  }
}

void RouteKey(const TMsg& msg) {
  InputState& s = IS();
  const int vk = static_cast<int>(msg.wParam & 0xFF);
  const bool down = msg.lParam & 1;
  const bool repeat = msg.lParam & 2;
  const bool wasDown = s.Keys[static_cast<size_t>(vk)];
  s.Keys[static_cast<size_t>(vk)] = down;
  HWND target = GetFocus();
  if (!target) target = GetActiveWindow();
  if (!target) return;
  const bool alt = s.Keys[VK_MENU];
  LPARAM lp = 1;
  if (alt) lp |= KF_ALTDOWN;
  if (wasDown || repeat) lp |= LPARAM{1} << 30;
  if (!down) lp |= LPARAM{1} << 31;
  const uint32_t m = down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
  const LRESULT consumed = SendMessage(target, m, static_cast<WPARAM>(vk), lp);
  // Keys that type a control character; a key the dialog handling took types nothing.
  if (down && !alt && !s.Keys[VK_CONTROL] && consumed == 0) {
    int ch = 0;
    if (vk == VK_RETURN) ch = 13;
    if (vk == VK_TAB) ch = 9;
    if (vk == VK_BACK) ch = 8;
    if (vk == VK_ESCAPE) ch = 27;
    if (ch && IsWindow(target)) SendMessage(target, WM_CHAR, static_cast<WPARAM>(ch), lp);
  }
}

void RouteText(const TMsg& msg) {
  HWND target = GetFocus();
  if (!target) target = GetActiveWindow();
  if (!target) return;
  for (char32_t cp : Utf8ToUtf32(msg.text)) {
    if (!IsWindow(target)) return;
    SendMessage(target, WM_CHAR, static_cast<WPARAM>(cp), 1);
    target = GetFocus() ? GetFocus() : target;
  }
}

void RouteWindowEvent(const TMsg& msg) {
  TWinControl* w = FindControl(msg.hwnd);
  if (!w) return;
  auto* form = dynamic_cast<TCustomForm*>(w);
  switch (static_cast<TWindowEvent>(msg.wParam)) {
    case TWindowEvent::Close:
      SendMessage(msg.hwnd, WM_SYSCOMMAND, SC_CLOSE);
      break;
    case TWindowEvent::FocusGained:
      SetActiveWindowHandle(msg.hwnd);
      SendMessage(msg.hwnd, WM_NCACTIVATE, 1);
      SendMessage(msg.hwnd, WM_ACTIVATE, WA_ACTIVE);
      if (form && !GetFocus()) {
        TWinControl* target = form->ActiveControl();
        if (target && target->CanFocus())
          target->SetFocus();
        else
          SetFocus(msg.hwnd);
      }
      break;
    case TWindowEvent::FocusLost:
      SendMessage(msg.hwnd, WM_NCACTIVATE, 0);
      SendMessage(msg.hwnd, WM_ACTIVATE, WA_INACTIVE);
      if (GetFocus() && TopLevelOf(FindControl(GetFocus())) == w) SetFocus(0);
      break;
    case TWindowEvent::Exposed:
      MarkTopLevelDirty(msg.hwnd);
      break;
    case TWindowEvent::Moved: {
      // The window manager moved the window: remember where it is now.
      const TPoint p{GetXParam(msg.lParam), GetYParam(msg.lParam)};
      if (form) form->NativeMoved(p);
      break;
    }
    case TWindowEvent::Minimized:
      if (form) form->NativeStateChanged(TWindowState::wsMinimized);
      break;
    case TWindowEvent::Restored:
      if (form) form->NativeStateChanged(TWindowState::wsNormal);
      MarkTopLevelDirty(msg.hwnd);
      break;
  }
}

}  // namespace

void PostRawMouseMove(HWND topLevel, TPoint p) {
  PostRawInput(TMsg{topLevel, FM_RAWMOUSEMOVE, 0, MakeLParam(p.X, p.Y), {}});
}

void PostRawMouseButton(HWND topLevel, TPoint p, int button, bool down) {
  PostRawInput(TMsg{topLevel, FM_RAWMOUSEBUTTON, static_cast<WPARAM>((button & 0xFF) | (down ? 0x100 : 0)),
                    MakeLParam(p.X, p.Y), {}});
}

void PostRawWheel(HWND topLevel, TPoint p, int delta) {
  PostRawInput(TMsg{topLevel, FM_RAWWHEEL, static_cast<WPARAM>(static_cast<intptr_t>(delta)), MakeLParam(p.X, p.Y), {}});
}

void PostRawMouseLeave(HWND topLevel) { PostRawInput(TMsg{topLevel, FM_RAWLEAVE, 0, 0, {}}); }

void PostRawKey(int vk, bool down, bool repeat) {
  PostRawInput(TMsg{0, FM_RAWKEY, static_cast<WPARAM>(vk & 0xFF), (down ? 1 : 0) | (repeat ? 2 : 0), {}});
}

void PostRawText(const std::string& utf8) {
  if (!utf8.empty()) PostRawInput(TMsg{0, FM_RAWTEXT, 0, 0, utf8});
}

void PostWindowEvent(HWND topLevel, TWindowEvent event, TPoint position) {
  PostRawInput(TMsg{topLevel, FM_WINDOWEVENT, static_cast<WPARAM>(event), MakeLParam(position.X, position.Y), {}});
}

void RouteRawInput(const TMsg& msg) {
  switch (msg.message) {
    case FM_RAWMOUSEMOVE:
    case FM_RAWMOUSEBUTTON:
    case FM_RAWWHEEL:
      RouteMouse(msg);
      break;
    case FM_RAWLEAVE:
      if (!GetCapture()) SetMouseControl(nullptr);
      break;
    case FM_RAWKEY:
      RouteKey(msg);
      break;
    case FM_RAWTEXT:
      RouteText(msg);
      break;
    case FM_WINDOWEVENT:
      RouteWindowEvent(msg);
      break;
  }
}

TControl* InputMouseControl() { return IS().MouseControl; }
TControl* InputCaptureControl() { return IS().CaptureControl; }

void InputSetCaptureControl(TControl* control) {
  InputState& s = IS();
  if (control && !control->IsWindowed()) {
    s.CaptureControl = control;
    if (TWinControl* p = control->Parent()) SetCapture(p->Handle());
  } else if (control) {
    s.CaptureControl = control;
    SetCapture(static_cast<TWinControl*>(control)->Handle());
  } else {
    s.CaptureControl = nullptr;
    ReleaseCapture();
  }
}

void InputForgetControl(TControl* control) {
  InputState& s = IS();
  if (s.MouseControl == control) s.MouseControl = nullptr;
  if (s.CaptureControl == control) s.CaptureControl = nullptr;
}

TPoint InputMousePos() { return IS().MouseScreen; }

void InputResetState() { IS() = InputState{}; }

int16_t GetKeyState(int vk) {
  if (vk < 0 || vk > 255) return 0;
  if (vk == VK_LBUTTON) return (IS().Buttons & MK_LBUTTON) ? -128 : 0;
  if (vk == VK_RBUTTON) return (IS().Buttons & MK_RBUTTON) ? -128 : 0;
  if (vk == VK_MBUTTON) return (IS().Buttons & MK_MBUTTON) ? -128 : 0;
  return IS().Keys[static_cast<size_t>(vk)] ? -128 : 0;
}

TShiftState KeyShiftState() {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  return s;
}
