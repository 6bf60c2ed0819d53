// The skinned frame at work: hit testing of the title bar, the caption
// buttons' hot and pressed looks and commands, activation, and the system
// messages that change what the frame shows.
#include <algorithm>

#include "controls/sControlAdapter.h"
#include "controls/sSkinProvider.h"
#include "controls/sSystemMenu.h"
#include "framework/components/Forms.h"
#include "framework/components/Windows.h"
#include "skin/sFade.h"
#include "skin/sSkinManager.h"

namespace {

bool IsCaptionButtonCode(int hit) { return hit == HTCLOSE || hit == HTMINBUTTON || hit == HTMAXBUTTON || hit == HTHELP; }

bool IsTitleButtonCode(int hit) { return hit >= kTitleButtonHitBase; }

}  // namespace

int TsSkinProvider::TitleHitTest(TPoint windowPoint) const {
  if (!form_) return HTNOWHERE;
  TTitleHitInput in;
  in.Point = windowPoint;
  in.WindowWidth = form_->Width();
  in.Metrics = Metrics();
  in.Style = Style();
  in.Layout = CaptionLayout();
  in.Icon = TitleIconBounds();
  for (int i = 0; i < titleButtons_.Count(); ++i) in.TitleButtonsEnabled.push_back(titleButtons_[i]->Enabled());
  const int code = TitleBarHitTest(in);
  if (code != HTNOWHERE || gripMode_ != TGripMode::gmRightBottom) return code;
  // Below the band: the size grip at the bottom-right corner.
  const TsSkinManager* manager = skinData_->Manager();
  if (!manager) return HTNOWHERE;
  const int grip = manager->FindMask(manager->FindSection("GLOBALINFO"), "GLOBALINFO", "GRIPIMAGE");
  if (!manager->MaskIndexValid(grip)) return HTNOWHERE;
  const TsMaskData& entry = manager->Masks()[static_cast<size_t>(grip)];
  const TRect box = TRect::FromBounds(form_->Width() - in.Metrics.BorderWidth - entry.FrameWidth(),
                                      form_->Height() - in.Metrics.BorderHeight - entry.FrameHeight(),
                                      entry.FrameWidth(), entry.FrameHeight());
  return box.Contains(windowPoint) ? HTBOTTOMRIGHT : HTNOWHERE;
}

bool TsSkinProvider::HandleSkinnedMessage(TMessage& m) {
  // A held caption button follows the mouse until it is let go.
  if (pressedHit_ != HTNOWHERE && (m.Msg == WM_MOUSEMOVE || m.Msg == WM_LBUTTONUP || m.Msg == WM_CAPTURECHANGED)) {
    TrackPressedButton(m);
    return true;
  }
  switch (m.Msg) {
    case WM_NCPAINT:
      if (!FramePaintSuppressed()) PaintFrame();
      return true;
    case WM_NCACTIVATE: {
      const bool active = m.WParam != 0;
      CallPrevious(m);
      if (active != active_) {
        active_ = active;
        RepaintFrame();
      }
      m.Result = 1;
      return true;
    }
    case WM_NCHITTEST:
      HitTestMessage(m);
      return true;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
      const int hit = static_cast<int>(m.WParam);
      if (IsCaptionButtonCode(hit) || IsTitleButtonCode(hit)) {
        PressButton(hit);
        return true;
      }
      if (hit == HTSYSMENU) {
        if (m.Msg == WM_NCLBUTTONDBLCLK)
          form_->Perform(WM_SYSCOMMAND, SC_CLOSE);
        else
          ShowSystemMenu();
        return true;
      }
      return false;
    }
    case WM_NCRBUTTONUP:
      if (static_cast<int>(m.WParam) == HTCAPTION || static_cast<int>(m.WParam) == HTSYSMENU) {
        ShowSystemMenuAt({GetXParam(m.LParam), GetYParam(m.LParam)});
        return true;
      }
      return false;
    case WM_NCMOUSELEAVE:
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      SetHotButton(HTNOWHERE);
      return false;
    case WM_SYSCOMMAND:
      ResetButtonStates();
      CallPrevious(m);
      RepaintFrame();
      return true;
    case WM_SYSKEYDOWN:
      if (static_cast<int>(m.WParam) == VK_SPACE) {
        ShowSystemMenu();
        m.Result = 1;
        return true;
      }
      return false;
    case CM_TEXTCHANGED:
    case WM_SETTEXT:
      CallPrevious(m);
      cachedCaption_ = -1;
      RepaintFrame();
      return true;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
    case WM_EXITSIZEMOVE:
    case WM_SHOWWINDOW:
    case CM_SHOWINGCHANGED:
    case WM_SYSCOLORCHANGE:
      CallPrevious(m);
      RepaintFrame();
      return true;
    case WM_PRINT: {
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      const uint32_t flags = static_cast<uint32_t>(m.LParam);
      if (!dc || !(flags & PRF_NONCLIENT)) return false;
      UpdateFrameImage();
      PaintFrameTo(dc);
      TDCStateGuard guard(dc);
      const TPoint o = form_->ClientOffset();
      MoveWindowOrg(dc, o.X, o.Y);
      IntersectClipRect(dc, 0, 0, form_->ClientWidth(), form_->ClientHeight());
      TMessage client{WM_PRINT, m.WParam, static_cast<LPARAM>(flags & ~uint32_t{PRF_NONCLIENT}), 0};
      CallPrevious(client);
      return true;
    }
    default:
      return false;
  }
}

void TsSkinProvider::HitTestMessage(TMessage& m) {
  const TPoint p{GetXParam(m.LParam) - form_->Left(), GetYParam(m.LParam) - form_->Top()};
  int code = TitleHitTest(p);
  if (code == HTNOWHERE || code == HTCAPTION) {
    // The form's own answer must not find the plain frame's buttons; its
    // style may have been renewed since (a border change renews it).
    SetSystemMenuStyle(false);
    CallPrevious(m);
    code = static_cast<int>(m.Result);
    SetHotButton(HTNOWHERE);
  } else {
    m.Result = code;
    // While a button is held the mouse is captured; no hover changes then.
    if (pressedHit_ == HTNOWHERE) SetHotButton(IsCaptionButtonCode(code) || IsTitleButtonCode(code) ? code : HTNOWHERE);
  }
  if (resizeMode_ == TResizeMode::rmBorder && (code == HTCAPTION || (code >= HTLEFT && code <= HTBOTTOMRIGHT)))
    rememberedDragCode_ = code;
}

void TsSkinProvider::ResetButtonStates() {
  const bool changed = hotHit_ != HTNOWHERE || pressedHit_ != HTNOWHERE;
  hotHit_ = HTNOWHERE;
  if (pressedHit_ != HTNOWHERE) {
    pressedHit_ = HTNOWHERE;
    if (form_ && form_->HandleAllocated() && GetCapture() == form_->HandleIfAllocated()) ReleaseCapture();
  }
  buttonStates_.fill(TPaintState::Normal);
  for (int i = 0; i < titleButtons_.Count(); ++i) titleButtons_[i]->State = TPaintState::Normal;
  if (changed) ButtonsChanged();
}

// The looks follow the hot and the pressed button.
void TsSkinProvider::ButtonsChanged() {
  std::array<TPaintState, kCaptionButtonCount> states{};
  for (TCaptionButton b : kCaptionButtonsFromRight) {
    const int code = CaptionButtonHitCode(b);
    states[static_cast<size_t>(b)] = pressedHit_ == code && hotHit_ == code ? TPaintState::Pressed
                                     : hotHit_ == code                      ? TPaintState::Hot
                                                                            : TPaintState::Normal;
  }
  for (int i = 0; i < titleButtons_.Count(); ++i) {
    const int code = kTitleButtonHitBase + i;
    titleButtons_[i]->State = pressedHit_ == code && hotHit_ == code ? TPaintState::Pressed
                              : hotHit_ == code                      ? TPaintState::Hot
                                                                     : TPaintState::Normal;
  }
  if (states == buttonStates_) {
    RepaintFrame();
    return;
  }
  bool entering = false;
  for (size_t i = 0; i < states.size(); ++i)
    if (StateNumber(states[i]) > StateNumber(buttonStates_[i])) entering = true;
  const bool pressing = pressedHit_ != HTNOWHERE || std::find(buttonStates_.begin(), buttonStates_.end(),
                                                              TPaintState::Pressed) != buttonStates_.end();
  ChangeButtonLooks(states, entering, pressing);
}

void TsSkinProvider::SetHotButton(int hitCode) {
  if (hotHit_ == hitCode) return;
  hotHit_ = hitCode;
  ButtonsChanged();
}

void TsSkinProvider::PressButton(int hitCode) {
  pressedHit_ = hitCode;
  hotHit_ = hitCode;
  SetCapture(form_->Handle());
  if (IsTitleButtonCode(hitCode)) {
    const int k = hitCode - kTitleButtonHitBase;
    if (k < titleButtons_.Count() && titleButtons_[k]->OnMouseDown)
      titleButtons_[k]->OnMouseDown(this, TMouseButton::mbLeft, {}, 0, 0);
  }
  ButtonsChanged();
}

void TsSkinProvider::TrackPressedButton(TMessage& m) {
  if (m.Msg == WM_CAPTURECHANGED) {
    ReleasePressedButton(false);
    return;
  }
  // Client coordinates while captured; the frame is tested in window ones.
  const TPoint offset = form_->ClientOffset();
  const TPoint p{GetXParam(m.LParam) + offset.X, GetYParam(m.LParam) + offset.Y};
  const bool over = TitleHitTest(p) == pressedHit_;
  if (m.Msg == WM_MOUSEMOVE) {
    const int hot = over ? pressedHit_ : HTNOWHERE;
    if (hot != hotHit_) {
      hotHit_ = hot;
      ButtonsChanged();
    }
    return;
  }
  ReleasePressedButton(over);
}

void TsSkinProvider::ReleasePressedButton(bool run) {
  const int button = pressedHit_;
  pressedHit_ = HTNOWHERE;
  if (GetCapture() == form_->HandleIfAllocated()) ReleaseCapture();
  if (IsTitleButtonCode(button)) {
    const int k = button - kTitleButtonHitBase;
    if (k < titleButtons_.Count() && titleButtons_[k]->OnMouseUp)
      titleButtons_[k]->OnMouseUp(this, TMouseButton::mbLeft, {}, 0, 0);
  }
  ButtonsChanged();
  if (run) RunButtonCommand(button);
}

void TsSkinProvider::RunButtonCommand(int hitCode) {
  if (!form_ || form_->IsDestroying()) return;
  const TWindowState state = form_->WindowState();
  switch (hitCode) {
    case HTCLOSE:
      form_->Perform(WM_SYSCOMMAND, SC_CLOSE);
      break;
    case HTMINBUTTON:
      form_->Perform(WM_SYSCOMMAND, state == TWindowState::wsMinimized ? SC_RESTORE : SC_MINIMIZE);
      break;
    case HTMAXBUTTON:
      form_->Perform(WM_SYSCOMMAND, state == TWindowState::wsNormal ? SC_MAXIMIZE : SC_RESTORE);
      break;
    default:
      break;
  }
}

void TsSkinProvider::ClickCaptionButton(TCaptionButton button) {
  if (!ShownItems().Button(button) || !CaptionButtonWorks(Style(), button)) return;
  RunButtonCommand(CaptionButtonHitCode(button));
}
