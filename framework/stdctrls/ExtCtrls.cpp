// TCustomPanel and the radio group.
#include "framework/stdctrls/ExtCtrls.h"

#include <algorithm>

#include "framework/base/SysUtils.h"
#include "framework/stdctrls/RadioItems.h"

// --- TCustomPanel ---

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks,
                   csReplicatable};
  color_ = clBtnFace;
  parentColor_ = false;
  width_ = 185;
  height_ = 41;
}

void TCustomPanel::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
  if (bevelInner_ == value) return;
  bevelInner_ = value;
  BordersChanged();
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
  if (bevelOuter_ == value) return;
  bevelOuter_ = value;
  BordersChanged();
}

void TCustomPanel::SetBevelWidth(int value) {
  value = std::max(1, value);
  if (bevelWidth_ == value) return;
  bevelWidth_ = value;
  BordersChanged();
}

void TCustomPanel::SetBorderWidth(int value) {
  value = std::max(0, value);
  if (borderWidth_ == value) return;
  borderWidth_ = value;
  BordersChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  BordersChanged();
}

void TCustomPanel::BordersChanged() {
  Realign();
  Invalidate();
}

TRect TCustomPanel::InteriorRect() const {
  TRect r = ClientRect();
  int inset = borderWidth_;
  if (borderStyle_ == TBorderStyle::bsSingle) inset += 1;
  if (bevelOuter_ != TBevelCut::bvNone) inset += bevelWidth_;
  if (bevelInner_ != TBevelCut::bvNone) inset += bevelWidth_;
  r = r.Inflate(-inset, -inset);
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

void TCustomPanel::AlignControls(TControl* control, TRect& rect) {
  rect = rect.Intersect(InteriorRect());
  TCustomControl::AlignControls(control, rect);
}

void TCustomPanel::PaintBevel(HDC dc, TRect& rect, TBevelCut cut) {
  for (int i = 0; i < bevelWidth_ && !rect.IsEmpty(); ++i) {
    switch (cut) {
      case TBevelCut::bvRaised:
        DrawEdge(dc, rect, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
        break;
      case TBevelCut::bvLowered:
        DrawEdge(dc, rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        break;
      case TBevelCut::bvSpace:
        FrameRect(dc, rect, color_);
        rect = rect.Inflate(-1, -1);
        break;
      case TBevelCut::bvNone:
        return;
    }
  }
}

void TCustomPanel::PaintBevels(HDC dc, TRect& rect) {
  if (borderStyle_ == TBorderStyle::bsSingle) {
    FrameRect(dc, rect, clWindowFrame);
    rect = rect.Inflate(-1, -1);
  }
  PaintBevel(dc, rect, bevelOuter_);
  for (int i = 0; i < borderWidth_ && !rect.IsEmpty(); ++i) {
    FrameRect(dc, rect, color_);
    rect = rect.Inflate(-1, -1);
  }
  PaintBevel(dc, rect, bevelInner_);
}

unsigned TCustomPanel::CaptionFormat() const {
  unsigned f = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX;
  if (alignment_ == TAlignment::taCenter) f |= DT_CENTER;
  if (alignment_ == TAlignment::taRightJustify) f |= DT_RIGHT;
  return DrawTextBiDiModeFlags(f);
}

void TCustomPanel::PaintCaption(HDC dc, const TRect& rect) {
  if (text_.empty() || rect.IsEmpty()) return;
  // One line, centred vertically by the height of the font's line.
  const int h = ::TextExtent(font_.LogFont(), "W").cy;
  TRect r = rect;
  r.Top = (rect.Top + rect.Bottom - h) / 2;
  r.Bottom = r.Top + h;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, enabled_ ? font_.Color() : clGrayText);
  TDCStateGuard guard(dc);
  IntersectClipRect(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
  DrawText(dc, text_, r, CaptionFormat() | DT_NOCLIP);
}

void TCustomPanel::Paint() {
  HDC dc = Canvas()->Handle();
  if (!dc) return;
  TRect r = ClientRect();
  PaintBevels(dc, r);
  if (!r.IsEmpty()) FillRect(dc, r, color_);
  PaintCaption(dc, r);
}

void TCustomPanel::CMTextChanged(TMessage& m) { Invalidate(); }

// --- TCustomRadioGroup ---

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {
  controlStyle_ = {csSetCaption, csDoubleClicks};
  items_.OnChange = [this] { ItemsChanged(); };
}

TCustomRadioGroup::~TCustomRadioGroup() {
  Destroying();
  items_.OnChange = nullptr;
  // The buttons are children and components of the group; both free them.
  buttons_.clear();
}

TRadioButton* TCustomRadioGroup::Buttons(int index) const {
  if (index < 0 || index >= ButtonCount()) throw EListError(Format(SListIndexError, {IntToStr(index)}));
  return buttons_[static_cast<size_t>(index)];
}

TRadioButton* TCustomRadioGroup::CreateButton() { return TComponent::Create<TRadioButton>(this); }

void TCustomRadioGroup::SetButtonCount(int count) {
  radio_items::SetCount(buttons_, count, [this] {
    TRadioButton* b = CreateButton();
    b->SetVisible(false);  // shown once arranged
    b->SetParent(this);
    b->OnClick = [this](TComponent* sender) { ButtonClick(static_cast<TRadioButton*>(sender)); };
    // The group hears the keys typed on its items.
    b->OnKeyDown = [this](TComponent*, uint16_t& key, TShiftState shift) { KeyDown(key, shift); };
    b->OnKeyPress = [this](TComponent*, char32_t& key) { KeyPress(key); };
    return b;
  });
}

void TCustomRadioGroup::UpdateButtons() {
  if (IsDestroying()) return;
  SetButtonCount(items_.Count());
  for (int i = 0; i < ButtonCount(); ++i) buttons_[static_cast<size_t>(i)]->SetCaption(items_.Get(i));
  updatingButtons_ = true;
  try {
    for (int i = 0; i < ButtonCount(); ++i) buttons_[static_cast<size_t>(i)]->SetChecked(i == itemIndex_);
  } catch (...) {
    updatingButtons_ = false;
    throw;
  }
  updatingButtons_ = false;
  ArrangeButtons();
  Invalidate();
}

void TCustomRadioGroup::ItemsChanged() {
  // While the description is read the items only collect; Loaded builds.
  if (IsLoading() || IsDestroying()) return;
  if (itemIndex_ >= items_.Count()) itemIndex_ = items_.Count() - 1;
  UpdateButtons();
}

void TCustomRadioGroup::SetItemIndex(int value) {
  if (IsLoading()) {
    itemIndex_ = value;
    return;
  }
  radio_items::Choose(buttons_, itemIndex_, value);
}

void TCustomRadioGroup::SetColumns(int value) {
  value = std::clamp(value, 1, 16);
  if (value == columns_) return;
  columns_ = value;
  ArrangeButtons();
  Invalidate();
}

void TCustomRadioGroup::ButtonClick(TRadioButton* button) {
  if (updatingButtons_) return;
  const auto it = std::find(buttons_.begin(), buttons_.end(), button);
  if (it == buttons_.end()) return;
  itemIndex_ = static_cast<int>(it - buttons_.begin());
  Click();
}

void TCustomRadioGroup::ArrangeButtons() {
  if (buttons_.empty() || IsLoading() || IsDestroying()) return;
  const int captionHeight = CaptionRect().Height();
  for (int i = 0; i < ButtonCount(); ++i) {
    TRadioButton* b = buttons_[static_cast<size_t>(i)];
    const TRect r = radio_items::Place(i, ButtonCount(), columns_, {width_, height_}, captionHeight);
    b->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    b->SetVisible(true);
  }
}

void TCustomRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  itemIndex_ = std::clamp(itemIndex_, -1, items_.Count() - 1);
  UpdateButtons();
}

void TCustomRadioGroup::Resize() {
  ArrangeButtons();
  TCustomGroupBox::Resize();
}

void TCustomRadioGroup::CMFontChanged(TMessage& m) {
  TCustomGroupBox::CMFontChanged(m);
  ArrangeButtons();
}

void TCustomRadioGroup::CMEnabledChanged(TMessage& m) {
  TCustomGroupBox::CMEnabledChanged(m);
  for (TRadioButton* b : buttons_) b->SetEnabled(enabled_);
}
