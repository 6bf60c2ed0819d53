// The framework's plain window frame: a raised border, a caption bar with a
// gradient and the window's caption, and the caption buttons. Used whenever
// nobody else paints the frame.
#include <algorithm>

#include "framework/components/Forms.h"
#include "framework/components/Windows.h"

namespace {

constexpr int kButtonGap = 2;

TLogFont CaptionFont() {
  TLogFont f;
  f.Name = "Arial";
  f.Height = -13;
  f.Style = TFontStyles{fsBold};
  return f;
}

}  // namespace

bool TCustomForm::CaptionButtonShown(int hit) const {
  const uint32_t style = handle_ ? style_ : InitialStyle();
  if (!(style & WS_SYSMENU) || CaptionHeight() == 0) return false;
  const bool boxes = (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0;
  switch (hit) {
    case HTCLOSE:
      return true;
    case HTMINBUTTON:
    case HTMAXBUTTON:
      return boxes;
    case HTHELP:
      return !boxes && borderIcons_.Contains(biHelp);
    default:
      return false;
  }
}

bool TCustomForm::CaptionButtonEnabled(int hit) const {
  const uint32_t style = handle_ ? style_ : InitialStyle();
  switch (hit) {
    case HTMINBUTTON:
      return (style & WS_MINIMIZEBOX) != 0;
    case HTMAXBUTTON:
      return (style & WS_MAXIMIZEBOX) != 0;
    default:
      return CaptionButtonShown(hit);
  }
}

TRect TCustomForm::CaptionButtonRect(int hit) const {
  if (!CaptionButtonShown(hit)) return {};
  const int cap = CaptionHeight();
  const int bh = std::max(8, cap - 7);
  const int bw = bh + 2;
  const int top = FrameHeight() + (cap - 1 - bh) / 2;
  int right = width_ - FrameWidth() - 2;
  auto take = [&](int code) {
    TRect r{right - bw, top, right, top + bh};
    right = r.Left;
    return code == hit ? r : TRect{};
  };
  TRect r = take(HTCLOSE);
  if (!r.IsEmpty()) return r;
  right -= kButtonGap;
  if (CaptionButtonShown(HTMAXBUTTON)) {
    if (!(r = take(HTMAXBUTTON)).IsEmpty()) return r;
    if (!(r = take(HTMINBUTTON)).IsEmpty()) return r;
  }
  if (CaptionButtonShown(HTHELP)) return take(HTHELP);
  return {};
}

int TCustomForm::FrameHitTest(TPoint p) const {
  if (!TRect{0, 0, width_, height_}.Contains(p)) return HTNOWHERE;
  const TPoint co = ClientOffset();
  if (ClientRect().Offset(co.X, co.Y).Contains(p)) return HTCLIENT;
  const int fw = FrameWidth(), fh = FrameHeight(), cap = CaptionHeight();
  const TRect captionBand{fw, fh, width_ - fw, fh + cap};
  if (captionBand.Contains(p)) {
    for (int code : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON, HTHELP})
      if (CaptionButtonRect(code).Contains(p)) return code;
    return HTCAPTION;
  }
  const bool sizeable =
      borderStyle_ == TFormBorderStyle::bsSizeable || borderStyle_ == TFormBorderStyle::bsSizeToolWin;
  if (!sizeable) return HTBORDER;
  const int corner = 16;
  const bool left = p.X < fw, right = p.X >= width_ - fw, top = p.Y < fh, bottom = p.Y >= height_ - fh;
  const bool nearLeft = p.X < corner, nearRight = p.X >= width_ - corner;
  const bool nearTop = p.Y < corner, nearBottom = p.Y >= height_ - corner;
  if ((top && nearLeft) || (left && nearTop)) return HTTOPLEFT;
  if ((top && nearRight) || (right && nearTop)) return HTTOPRIGHT;
  if ((bottom && nearLeft) || (left && nearBottom)) return HTBOTTOMLEFT;
  if ((bottom && nearRight) || (right && nearBottom)) return HTBOTTOMRIGHT;
  if (left) return HTLEFT;
  if (right) return HTRIGHT;
  if (top) return HTTOP;
  if (bottom) return HTBOTTOM;
  return HTBORDER;
}

void TCustomForm::PaintPlainFrame(HDC dc) {
  TDCStateGuard guard(dc);
  const int fw = FrameWidth(), fh = FrameHeight(), cap = CaptionHeight();
  TRect r{0, 0, width_, height_};
  if (fw > 0 || fh > 0) {
    DrawEdge(dc, r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    while (r.Left < fw && r.Width() > 0 && r.Height() > 0) {
      FrameRect(dc, r, clBtnFace);
      r = r.Inflate(-1, -1);
    }
  }
  if (cap <= 0) return;
  const TRect band{fw, fh, width_ - fw, fh + cap - 1};
  FillRect(dc, TRect{fw, fh + cap - 1, width_ - fw, fh + cap}, clBtnFace);
  // Caption gradient, left to right.
  const TColor from = ColorToRGB(active_ ? clActiveCaption : clInactiveCaption);
  const TColor to = ColorToRGB(active_ ? clGradientActiveCaption : clGradientInactiveCaption);
  const int w = std::max(1, band.Width());
  for (int x = 0; x < band.Width(); ++x) {
    auto mix = [&](uint8_t a, uint8_t b) { return a + (b - a) * x / w; };
    const TColor c = RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
                         mix(GetBValue(from), GetBValue(to)));
    FillRect(dc, TRect{band.Left + x, band.Top, band.Left + x + 1, band.Bottom}, c);
  }
  int buttonsLeft = band.Right;
  for (int code : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON, HTHELP}) {
    const TRect b = CaptionButtonRect(code);
    if (b.IsEmpty()) continue;
    buttonsLeft = std::min(buttonsLeft, b.Left);
    unsigned kind = code == HTCLOSE       ? DFCS_CAPTIONCLOSE
                    : code == HTMINBUTTON ? (windowState_ == TWindowState::wsMinimized ? DFCS_CAPTIONRESTORE
                                                                                       : DFCS_CAPTIONMIN)
                    : code == HTMAXBUTTON ? (windowState_ == TWindowState::wsMaximized ? DFCS_CAPTIONRESTORE
                                                                                       : DFCS_CAPTIONMAX)
                                          : DFCS_CAPTIONHELP;
    if (trackedButton_ == code && trackedPressed_) kind |= DFCS_PUSHED;
    if (!CaptionButtonEnabled(code)) kind |= DFCS_INACTIVE;
    DrawFrameControl(dc, b, DFC_CAPTION, kind);
  }
  TRect text{band.Left + 6, band.Top, buttonsLeft - 4, band.Bottom};
  if (text.Width() > 0) {
    SelectFont(dc, CaptionFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, active_ ? clCaptionText : clInactiveCaptionText);
    DrawText(dc, text_, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
}

void TCustomForm::HandleNcButton(TMessage& m) {
  const int hit = static_cast<int>(m.WParam);
  if (hit != HTCLOSE && hit != HTMINBUTTON && hit != HTMAXBUTTON && hit != HTHELP) return;
  if (!CaptionButtonEnabled(hit)) return;
  trackedButton_ = hit;
  trackedPressed_ = true;
  SetCapture(handle_);
  RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

void TCustomForm::TrackCaptionButton(TMessage& m) {
  if (m.Msg == WM_CAPTURECHANGED) {
    trackedButton_ = 0;
    trackedPressed_ = false;
    RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    return;
  }
  const TPoint co = ClientOffset();
  const TPoint p{GetXParam(m.LParam) + co.X, GetYParam(m.LParam) + co.Y};
  const bool over = FrameHitTest(p) == trackedButton_;
  if (m.Msg == WM_MOUSEMOVE) {
    if (over != trackedPressed_) {
      trackedPressed_ = over;
      RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    }
    return;
  }
  // Button released: the command runs when the release is over the button.
  const int button = trackedButton_;
  trackedButton_ = 0;
  trackedPressed_ = false;
  if (GetCapture() == handle_) ReleaseCapture();
  RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  if (!over) return;
  switch (button) {
    case HTCLOSE:
      Perform(WM_SYSCOMMAND, SC_CLOSE);
      break;
    case HTMINBUTTON:
      Perform(WM_SYSCOMMAND, windowState_ == TWindowState::wsMinimized ? SC_RESTORE : SC_MINIMIZE);
      break;
    case HTMAXBUTTON:
      Perform(WM_SYSCOMMAND, windowState_ == TWindowState::wsMaximized ? SC_RESTORE : SC_MAXIMIZE);
      break;
    default:
      break;
  }
}
