// The button family's shared behaviour (TButtonControl) and the push button
// (TButton).
#include <algorithm>

#include "framework/base/SysUtils.h"
#include "framework/components/Forms.h"
#include "framework/components/Windows.h"
#include "framework/stdctrls/StdCtrls.h"

// --- TButtonControl ---

TButtonControl::TButtonControl(TComponent* owner) : TCustomControl(owner) {
  // No csDoubleClicks: every press of a button is a press, however quick.
  controlStyle_ = {csCaptureMouse, csClickEvents, csSetCaption, csReplicatable};
  color_ = clBtnFace;
  tabStop_ = true;
}

void TButtonControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      WMLButtonDown(m);
      return;
    case WM_LBUTTONUP:
      WMLButtonUp(m);
      return;
    case WM_MOUSEMOVE:
      WMMouseMove(m);
      return;
    case WM_CAPTURECHANGED:
      WMCaptureChanged(m);
      return;
    case WM_GETDLGCODE:
      WMGetDlgCode(m);
      return;
    case CM_MOUSEENTER:
      CMMouseEnter(m);
      return;
    case CM_MOUSELEAVE:
      CMMouseLeave(m);
      return;
    case BM_CLICK:
      BMClick(m);
      return;
    case BM_GETSTATE:
      BMGetState(m);
      return;
    case BM_SETSTATE:
      BMSetState(m);
      return;
    case BM_GETCHECK:
      BMGetCheck(m);
      return;
    case BM_SETCHECK:
      BMSetCheck(m);
      return;
    default:
      TCustomControl::WndProc(m);
  }
}

void TButtonControl::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  Invalidate();
}

void TButtonControl::SetPressed(bool value) {
  if (pressed_ == value) return;
  pressed_ = value;
  Invalidate();
}

void TButtonControl::CancelPress() {
  const bool wasTracking = mouseTracking_;
  mouseTracking_ = false;
  spacePressed_ = false;
  controlState_.Exclude(csClicked);
  SetPressed(false);
  if (wasTracking && MouseCapture()) SetMouseCapture(false);
}

void TButtonControl::WMLButtonDown(TMessage& m) {
  // A quick second press is one more press: the base then sets csClicked
  // and the release clicks again.
  m.Msg = WM_LBUTTONDOWN;
  TCustomControl::WndProc(m);  // focus, capture, csClicked, OnMouseDown
  if (IsDestroying() || !enabled_ || !controlState_.Contains(csClicked)) return;
  mouseTracking_ = true;
  SetPressed(true);
}

void TButtonControl::WMLButtonUp(TMessage& m) {
  // The button looks released before OnClick runs, so whatever the handler
  // shows sees the final look.
  if (mouseTracking_) {
    mouseTracking_ = false;
    SetPressed(spacePressed_);
  }
  TCustomControl::WndProc(m);  // releases the capture, clicks when inside, OnMouseUp
}

void TButtonControl::WMMouseMove(TMessage& m) {
  if (mouseTracking_) SetPressed(ClientRect().Contains(TPoint{GetXParam(m.LParam), GetYParam(m.LParam)}));
  TCustomControl::WndProc(m);
}

void TButtonControl::WMCaptureChanged(TMessage& m) {
  // Someone else took the mouse in the middle of a press: no click follows.
  if (mouseTracking_ && static_cast<HWND>(m.LParam) != handle_) {
    mouseTracking_ = false;
    controlState_.Exclude(csClicked);
    SetPressed(spacePressed_);
  }
  TCustomControl::WndProc(m);
}

void TButtonControl::WMGetDlgCode(TMessage& m) { m.Result = DLGC_BUTTON; }

// Skinned buttons change their look here; the plain ones look the same.
void TButtonControl::CMMouseEnter(TMessage& m) { DefaultHandler(m); }
void TButtonControl::CMMouseLeave(TMessage& m) { DefaultHandler(m); }

void TButtonControl::BMClick(TMessage& m) {
  m.Result = 0;
  if (enabled_ && !IsDestroying()) Click();
}

void TButtonControl::BMGetState(TMessage& m) {
  LRESULT state = Checked() ? BST_CHECKED : BST_UNCHECKED;
  if (pressed_) state |= BST_PUSHED;
  if (Focused()) state |= BST_FOCUS;
  m.Result = state;
}

void TButtonControl::BMSetState(TMessage& m) {
  SetPressed(m.WParam != 0);
  m.Result = 0;
}

void TButtonControl::BMGetCheck(TMessage& m) { m.Result = Checked() ? BST_CHECKED : BST_UNCHECKED; }

void TButtonControl::BMSetCheck(TMessage& m) {
  SetChecked(m.WParam == BST_CHECKED);
  m.Result = 0;
}

void TButtonControl::WMKeyDown(TMessage& m) {
  TCustomControl::WMKeyDown(m);  // dialog keys and OnKeyDown first
  // A key the dialog handling or OnKeyDown took answers 1 (OnKeyDown also
  // clears it); an auto-repeated space keeps the press as it is.
  if (m.Msg != WM_KEYDOWN || m.Result != 0 || static_cast<int>(m.WParam) != VK_SPACE) return;
  if (!enabled_ || spacePressed_ || IsDestroying()) return;
  spacePressed_ = true;
  SetPressed(true);
}

void TButtonControl::WMKeyUp(TMessage& m) {
  const bool click = m.Msg == WM_KEYUP && static_cast<int>(m.WParam) == VK_SPACE && spacePressed_;
  if (click) {
    spacePressed_ = false;
    SetPressed(mouseTracking_);
  }
  TCustomControl::WMKeyUp(m);  // OnKeyUp
  // The click comes last: its handler may free the button.
  if (click && enabled_) Click();
}

void TButtonControl::WMSetFocus(TMessage& m) {
  TCustomControl::WMSetFocus(m);
  Invalidate();
}

void TButtonControl::WMKillFocus(TMessage& m) {
  if (spacePressed_) {
    spacePressed_ = false;
    SetPressed(mouseTracking_);
  }
  TCustomControl::WMKillFocus(m);
  Invalidate();
}

void TButtonControl::CMEnabledChanged(TMessage& m) {
  if (!enabled_) CancelPress();
  TCustomControl::CMEnabledChanged(m);
}

void TButtonControl::AccelClick() { Click(); }

void TButtonControl::CMDialogChar(TMessage& m) {
  if (IsAccel(static_cast<char32_t>(m.WParam), text_) && CanFocus()) {
    AccelClick();
    m.Result = 1;
    return;
  }
  TCustomControl::CMDialogChar(m);
}

bool TButtonControl::IsAccel(char32_t ch, const std::string& caption) {
  // Case folding for the letters a caption is likely to use: Latin and Cyrillic.
  auto fold = [](char32_t c) -> char32_t {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    return c;
  };
  const std::u32string text = Utf8ToUtf32(caption);
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != U'&') continue;
    if (text[i + 1] == U'&') {  // "&&" is a literal ampersand
      ++i;
      continue;
    }
    return fold(text[i + 1]) == fold(ch);
  }
  return false;
}

void TButtonControl::DrawCaption(HDC dc, const TRect& rect, unsigned format) {
  SetBkMode(dc, TRANSPARENT);
  TRect r = rect;
  if (!enabled_) {
    // Embossed: a light copy one pixel down and right under the grey text.
    TRect light = rect.Offset(1, 1);
    SetTextColor(dc, clBtnHighlight);
    DrawText(dc, text_, light, format);
    SetTextColor(dc, clBtnShadow);
  } else {
    SetTextColor(dc, font_.Color());
  }
  DrawText(dc, text_, r, format);
}

TSize MeasureTextBlock(const TFont& font, const std::string& text, unsigned format, int width) {
  // Measuring draws nothing; one small DC serves every call.
  static TBitmap scratch(1, 1);
  static TDeviceContext dc(&scratch);
  SelectFont(&dc, font.LogFont());
  TRect r{0, 0, std::max(0, width), 0};
  DrawText(&dc, text, r, (format & ~unsigned{DT_VCENTER | DT_BOTTOM}) | DT_CALCRECT);
  return {r.Width(), r.Height()};
}

// --- TButton ---

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  // The face covers every pixel.
  controlStyle_.Include(csOpaque);
  width_ = 75;
  height_ = 25;
}

void TButton::SetDefault(bool value) {
  if (default_ == value) return;
  default_ = value;
  const TCustomForm* form = GetParentForm(this);
  UpdateActive(form ? form->FocusedControl() : nullptr);
  Invalidate();
}

void TButton::UpdateActive(TControl* focused) {
  const bool active = dynamic_cast<TButton*>(focused) ? focused == this : default_;
  if (active == active_) return;
  active_ = active;
  Invalidate();
}

void TButton::CMFocusChanged(TMessage& m) {
  UpdateActive(reinterpret_cast<TWinControl*>(m.LParam));
  TButtonControl::CMFocusChanged(m);
}

void TButton::CMDialogKey(TMessage& m) {
  const int key = static_cast<int>(m.WParam);
  const bool plain = (m.LParam & KF_ALTDOWN) == 0 && GetKeyState(VK_CONTROL) >= 0;
  if (plain && ((key == VK_RETURN && active_) || (key == VK_ESCAPE && cancel_)) && CanFocus()) {
    Click();
    m.Result = 1;
    return;
  }
  TButtonControl::CMDialogKey(m);
}

void TButton::WMGetDlgCode(TMessage& m) {
  m.Result = DLGC_BUTTON | (active_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

unsigned TButton::CaptionFormat() const {
  return DrawTextBiDiModeFlags(DT_CENTER | (wordWrap_ ? unsigned{DT_WORDBREAK} : 0u));
}

TSize TButton::TextBlockSize(int availableWidth) {
  if (text_.empty()) return {};
  return MeasureTextBlock(font_, text_, CaptionFormat(), availableWidth);
}

TRect TButton::PaintFace(HDC dc) {
  TRect r = ClientRect();
  if (active_) {
    FrameRect(dc, r, clWindowFrame);
    r = r.Inflate(-1, -1);
  }
  DrawFrameControl(dc, r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed_ ? unsigned{DFCS_PUSHED} : 0u));
  return r.Inflate(-2, -2);
}

void TButton::PaintContent(HDC dc, TPoint shift) {
  if (text_.empty()) return;
  const TRect client = ClientRect();
  const TSize block = TextBlockSize(client.Width());
  // The block is centred; lines are centred within it.
  const int x = (client.Width() - block.cx) / 2 + shift.X;
  const int y = (client.Height() - block.cy + 1) / 2 + shift.Y;
  DrawCaption(dc, TRect{x, y, x + block.cx, y + block.cy}, CaptionFormat());
}

void TButton::PaintFocus(HDC dc) {
  if (!Focused()) return;
  DrawFocusRect(dc, ClientRect().Inflate(-4, -4));
}

void TButton::Paint() {
  HDC dc = Canvas()->Handle();
  if (!dc) return;
  const TRect face = PaintFace(dc);
  {
    TDCStateGuard guard(dc);
    IntersectClipRect(dc, face.Left, face.Top, face.Right, face.Bottom);
    PaintContent(dc, pressed_ ? TPoint{1, 1} : TPoint{0, 0});
  }
  PaintFocus(dc);
}
