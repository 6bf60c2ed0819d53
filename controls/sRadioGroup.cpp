// TsRadioGroup: the item buttons, the choice and the arrangement.
#include <algorithm>

#include "controls/sFlagScope.h"
#include "controls/sGroupBox.h"
#include "controls/sRadioButton.h"
#include "framework/base/SysUtils.h"
#include "skin/sFade.h"
#include "skin/sMessages.h"

TsRadioGroup::TsRadioGroup(TComponent* owner) : TsGroupBox(owner), animatEvents_(kAnimateGlobalDefault) {
  controlStyle_ = {csSetCaption, csDoubleClicks};
  items_.OnChange = [this] { ItemsChanged(); };
}

TsRadioGroup::~TsRadioGroup() {
  Destroying();
  items_.OnChange = nullptr;
  // The buttons are children and components of the group; both free them.
  buttons_.clear();
}

bool TsRadioGroup::IsBeingRead() const { return IsReading() || IsLoading(); }

TsGroupButton* TsRadioGroup::Buttons(int index) const {
  if (index < 0 || index >= ButtonCount()) throw EListError(Format(SListIndexError, {IntToStr(index)}));
  return buttons_[static_cast<size_t>(index)];
}

void TsRadioGroup::SetButtonCount(int count) {
  count = std::max(0, count);
  while (ButtonCount() < count) {
    auto* button = TComponent::Create<TsGroupButton>(this);
    button->SetParent(this);
    buttons_.push_back(button);
  }
  while (ButtonCount() > count) {
    TsGroupButton* button = buttons_.back();
    buttons_.pop_back();
    TComponent::Free(button);
  }
}

void TsRadioGroup::UpdateButtons() {
  if (IsDestroying()) return;
  SetButtonCount(items_.Count());
  for (int i = 0; i < ButtonCount(); ++i) buttons_[static_cast<size_t>(i)]->SetCaption(items_.Get(i));
  {
    // Checking the chosen button reports a click; the choice is not new.
    TFlagScope updating(updatingButtons_);
    for (int i = 0; i < ButtonCount(); ++i) buttons_[static_cast<size_t>(i)]->SetChecked(i == itemIndex_);
  }
  ArrangeButtons();
  Invalidate();
}

void TsRadioGroup::ItemsChanged() {
  // While the description is read the items only collect; Loaded builds.
  if (IsBeingRead() || IsDestroying()) return;
  if (itemIndex_ >= items_.Count()) itemIndex_ = items_.Count() - 1;
  UpdateButtons();
}

void TsRadioGroup::SetItemIndex(int value) {
  if (IsBeingRead()) {
    itemIndex_ = value;
    return;
  }
  value = std::clamp(value, -1, ButtonCount() - 1);
  if (value == itemIndex_) return;
  if (itemIndex_ >= 0 && itemIndex_ < ButtonCount()) buttons_[static_cast<size_t>(itemIndex_)]->SetChecked(false);
  itemIndex_ = value;
  if (itemIndex_ >= 0) buttons_[static_cast<size_t>(itemIndex_)]->SetChecked(true);
}

void TsRadioGroup::SetColumns(int value) {
  value = std::clamp(value, 1, 16);
  if (value == columns_) return;
  columns_ = value;
  ArrangeButtons();
  Invalidate();
}

void TsRadioGroup::ItemClick(TsGroupButton* button) {
  if (updatingButtons_ || IsDestroying()) return;
  const auto it = std::find(buttons_.begin(), buttons_.end(), button);
  if (it == buttons_.end()) return;
  itemIndex_ = static_cast<int>(it - buttons_.begin());
  Click();
}

void TsRadioGroup::ArrangeButtons() {
  if (buttons_.empty() || IsBeingRead() || IsDestroying()) return;
  const int count = ButtonCount();
  const int rows = (count + columns_ - 1) / columns_;
  const int width = std::max(0, (width_ - 10) / columns_);
  const int captionHeight = CaptionRect().Height();
  const int itemHeight = std::max(0, (height_ - captionHeight - 5) / rows);
  const int top = captionHeight + 2;
  for (int i = 0; i < count; ++i) {
    TsGroupButton* button = buttons_[static_cast<size_t>(i)];
    button->SetBounds((i / rows) * width + 8, (i % rows) * itemHeight + top, width, itemHeight);
    button->SetVisible(true);
  }
}

void TsRadioGroup::Loaded() {
  TsGroupBox::Loaded();
  itemIndex_ = std::clamp(itemIndex_, -1, items_.Count() - 1);
  UpdateButtons();
}

void TsRadioGroup::CaptionGeometryChanged() {
  TsGroupBox::CaptionGeometryChanged();
  ArrangeButtons();
}

void TsRadioGroup::Resize() {
  ArrangeButtons();
  TsGroupBox::Resize();
}

void TsRadioGroup::CMFontChanged(TMessage& m) {
  TsGroupBox::CMFontChanged(m);
  ArrangeButtons();
}

void TsRadioGroup::CMEnabledChanged(TMessage& m) {
  TsGroupBox::CMEnabledChanged(m);
  for (TsGroupButton* button : buttons_) {
    button->SetEnabled(enabled_);
    button->SkinData()->BGChanged = true;
  }
}

void TsRadioGroup::WndProc(TMessage& m) {
  // A refresh may change the caption's height, and with it the rows.
  const bool ownRefresh = SkinCommandCode(m) == SKC_REFRESH && CommandManager(m) == skinData_.Manager();
  TsGroupBox::WndProc(m);
  if (ownRefresh && !IsDestroying()) ArrangeButtons();
}
