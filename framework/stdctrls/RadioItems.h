// What the framework's radio group and the skinned one share, whatever kind
// of group box and item button each is: the item buttons' count, which one
// is checked, and where each one sits.
#pragma once

#include <algorithm>
#include <vector>

#include "framework/base/Types.h"
#include "framework/components/Component.h"

namespace radio_items {

// Adds buttons made by `make` (each already the group's child) or frees the
// last ones until there are `count`.
template <class TButton, class Make>
void SetCount(std::vector<TButton*>& buttons, int count, Make make) {
  count = std::max(0, count);
  while (static_cast<int>(buttons.size()) < count) buttons.push_back(make());
  while (static_cast<int>(buttons.size()) > count) {
    TButton* button = buttons.back();
    buttons.pop_back();
    TComponent::Free(button);
  }
}

// Moves the check mark to item `value`, held to -1 (none) .. count - 1.
template <class TButton>
void Choose(const std::vector<TButton*>& buttons, int& itemIndex, int value) {
  const int count = static_cast<int>(buttons.size());
  value = std::clamp(value, -1, count - 1);
  if (value == itemIndex) return;
  if (itemIndex >= 0 && itemIndex < count) buttons[static_cast<size_t>(itemIndex)]->SetChecked(false);
  itemIndex = value;
  if (itemIndex >= 0) buttons[static_cast<size_t>(itemIndex)]->SetChecked(true);
}

// The place of item `index` of `count` in a group of `group` size whose
// caption takes `captionHeight`: top to bottom, then the next column.
inline TRect Place(int index, int count, int columns, TSize group, int captionHeight) {
  const int rows = (count + columns - 1) / columns;
  const int width = std::max(0, (group.cx - 10) / columns);
  const int height = std::max(0, (group.cy - captionHeight - 5) / rows);
  return TRect::FromBounds((index / rows) * width + 8, (index % rows) * height + captionHeight + 2, width, height);
}

}  // namespace radio_items
