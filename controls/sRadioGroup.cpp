// TsRadioGroup: the item buttons, the choice and the arrangement.
#include <algorithm>

#include "controls/sFlagScope.h"
#include "controls/sGroupBox.h"
#include "controls/sRadioButton.h"
#include "framework/base/SysUtils.h"
#include "framework/stdctrls/RadioItems.h"
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
  radio_items::SetCount(buttons_, count, [this] {
    auto* button = TComponent::Create<TsGroupButton>(this);
    button->SetParent(this);
    return button;
  });
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
  radio_items::Choose(buttons_, itemIndex_, value);
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
  const int captionHeight = CaptionRect().Height();
  for (int i = 0; i < ButtonCount(); ++i) {
    TsGroupButton* button = buttons_[static_cast<size_t>(i)];
    const TRect r = radio_items::Place(i, ButtonCount(), columns_, {width_, height_}, captionHeight);
    button->SetBounds(r.Left, r.Top, r.Width(), r.Height());
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
