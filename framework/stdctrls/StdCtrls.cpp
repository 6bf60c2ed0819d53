// TStaticText and the group box.
#include "framework/stdctrls/StdCtrls.h"

#include <algorithm>

#include "framework/components/Windows.h"

// --- TStaticText ---

TStaticText::TStaticText(TComponent* owner) : TCustomControl(owner) {
  // No csDoubleClicks: a quick second press is another click, not a double click.
  controlStyle_ = {csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csReplicatable};
  color_ = clBtnFace;
  parentColor_ = false;
  width_ = 65;
  height_ = 17;
}

void TStaticText::WndProc(TMessage& m) {
  if (m.Msg == WM_GETDLGCODE) {
    WMGetDlgCode(m);
    return;
  }
  TCustomControl::WndProc(m);
}

void TStaticText::WMGetDlgCode(TMessage& m) { m.Result = DLGC_STATIC; }

void TStaticText::Loaded() {
  TCustomControl::Loaded();
  AdjustBounds();
}

void TStaticText::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  Invalidate();
}

void TStaticText::SetBorderStyle(TStaticBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  AdjustBounds();
  Invalidate();
}

void TStaticText::SetAutoSize(bool value) {
  if (autoSize_ == value) return;
  autoSize_ = value;
  AdjustBounds();
}

void TStaticText::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  controlStyle_.Set(csOpaque, !value);
  Invalidate();
}

int TStaticText::BorderSize() const { return borderStyle_ == TStaticBorderStyle::sbsNone ? 0 : 1; }

unsigned TStaticText::TextFormat() const {
  unsigned f = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  if (alignment_ == TAlignment::taCenter) f |= DT_CENTER;
  if (alignment_ == TAlignment::taRightJustify) f |= DT_RIGHT;
  return DrawTextBiDiModeFlags(f);
}

void TStaticText::AdjustBounds() {
  if (!autoSize_ || IsLoading() || IsDestroying()) return;
  const TSize text = ::TextExtent(font_.LogFont(), text_);
  const int w = text.cx + 2 * BorderSize();
  const int h = text.cy + 2 * BorderSize();
  // The edge the text is aligned to stays where it is.
  int left = left_;
  if (alignment_ == TAlignment::taRightJustify) left = left_ + width_ - w;
  if (alignment_ == TAlignment::taCenter) left = left_ + (width_ - w) / 2;
  SetBounds(left, top_, w, h);
}

void TStaticText::CMTextChanged(TMessage& m) {
  AdjustBounds();
  TCustomControl::CMTextChanged(m);
}

void TStaticText::CMFontChanged(TMessage& m) {
  AdjustBounds();
  TCustomControl::CMFontChanged(m);
}

// Paint covers every pixel (with the colour or the parent's picture).
void TStaticText::WMEraseBkgnd(TMessage& m) { m.Result = 1; }

void TStaticText::PaintParentBackground(HDC dc) {
  if (!parent_ || !dc) return;
  TDCStateGuard guard(dc);
  // The parent's client origin lies at (-Left, -Top) of ours.
  MoveWindowOrg(dc, -left_, -top_);
  TMessage erase{WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, 0};
  parent_->WindowProc(erase);
  TMessage print{WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT, 0};
  parent_->WindowProc(print);
}

void TStaticText::PaintBorder(HDC dc, TRect& rect) {
  switch (borderStyle_) {
    case TStaticBorderStyle::sbsSingle:
      FrameRect(dc, rect, clWindowFrame);
      rect = rect.Inflate(-1, -1);
      break;
    case TStaticBorderStyle::sbsSunken:
      // The one-pixel half-sunken edge of a sunken static frame.
      DrawEdge(dc, rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
      break;
    case TStaticBorderStyle::sbsNone:
      break;
  }
}

TStaticText::TLook TStaticText::CurrentLook() const {
  return {width_, height_, color_, borderStyle_, TextFormat(), enabled_, font_, text_};
}

void TStaticText::Paint() {
  HDC dc = Canvas()->Handle();
  if (!dc) return;
  if (transparent_) {
    // The parent's picture changes without telling us: nothing to keep.
    PaintParentBackground(dc);
    PaintContent(dc);
    picture_.Clear();
    return;
  }
  TLook look = CurrentLook();
  if (!(look == pictureLook_)) {
    picture_.Invalidate();
    pictureLook_ = std::move(look);
  }
  picture_.Show(dc, width_, height_, *Canvas(), [this](HDC target) { PaintContent(target); });
}

void TStaticText::PaintContent(HDC dc) {
  TRect r = ClientRect();
  if (!transparent_) FillRect(dc, r, color_);
  PaintBorder(dc, r);
  if (text_.empty() || r.IsEmpty()) return;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, enabled_ ? font_.Color() : clGrayText);
  // DrawText clips to `r`: a caption taller or wider than the control is cut
  // at the border instead of painting over it.
  DrawText(dc, text_, r, TextFormat());
}

// --- TCustomGroupBox ---

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csReplicatable};
  color_ = clBtnFace;
  parentColor_ = true;
  width_ = 185;
  height_ = 105;
}

TRect TCustomGroupBox::CaptionRect() const {
  const int h = std::max(4, ::TextExtent(font_.LogFont(), "W").cy) + 2;
  const int left = 6;
  const int textWidth = text_.empty() ? 0 : ::TextExtent(font_.LogFont(), text_).cx;
  const int right = std::min(width_, left + textWidth + 8);
  return {left, 0, std::max(left, right), h};
}

void TCustomGroupBox::AlignControls(TControl* control, TRect& rect) {
  rect.Top += CaptionRect().Height();
  rect = {rect.Left + 2, rect.Top, rect.Right - 2, rect.Bottom - 2};
  if (rect.Right < rect.Left) rect.Right = rect.Left;
  if (rect.Bottom < rect.Top) rect.Bottom = rect.Top;
  TCustomControl::AlignControls(control, rect);
}

void TCustomGroupBox::PaintFrame(HDC dc) {
  const TRect caption = CaptionRect();
  TRect frame{0, caption.Height() / 2, width_, height_};
  DrawEdge(dc, frame, EDGE_ETCHED, BF_RECT);
}

void TCustomGroupBox::PaintCaption(HDC dc) {
  if (text_.empty()) return;
  TRect caption = CaptionRect();
  // The gap in the frame behind the caption.
  FillRect(dc, caption, color_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, enabled_ ? font_.Color() : clGrayText);
  DrawText(dc, text_, caption, DrawTextBiDiModeFlags(DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX));
}

void TCustomGroupBox::Paint() {
  HDC dc = Canvas()->Handle();
  if (!dc) return;
  PaintFrame(dc);
  PaintCaption(dc);
}

void TCustomGroupBox::CMTextChanged(TMessage& m) {
  TCustomControl::CMTextChanged(m);
  Realign();
}

void TCustomGroupBox::CMFontChanged(TMessage& m) {
  TCustomControl::CMFontChanged(m);
  Realign();
}
