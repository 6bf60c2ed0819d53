// The skinned system menu of a skinned window: the window's own commands
// (restore, move, size, minimize, maximize, close) in a small popup drawn
// from the skin, opened with Alt+Space, a click on the title icon or a
// right click on the caption. Which items show follows the same rules as
// the caption buttons; which work follows the window's state.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "framework/components/Forms.h"

class TsSkinProvider;
class TsSystemMenuPopup;

struct TsSystemMenuItem {
  std::string Name;     // ItemRestore, ItemMove ...
  std::string Caption;  // as shown
  std::string ShortCut; // shown at the right ("Alt+F4")
  uint32_t Command = 0; // the WM_SYSCOMMAND it sends
  bool Visible = true;
  bool Enabled = true;
};

class TsSystemMenu {
 public:
  explicit TsSystemMenu(TsSkinProvider& provider);
  ~TsSystemMenu();
  TsSystemMenu(const TsSystemMenu&) = delete;
  TsSystemMenu& operator=(const TsSystemMenu&) = delete;

  enum Item { ItemRestore, ItemMove, ItemSize, ItemMinimize, ItemMaximize, ItemClose, ItemCount };
  TsSystemMenuItem& Items(Item item) { return items_[static_cast<size_t>(item)]; }
  const TsSystemMenuItem& Items(Item item) const { return items_[static_cast<size_t>(item)]; }

  // Shows and enables the items for the window as it is now.
  void UpdateItems();
  // Opens the popup with its top-left at a screen point; the chosen item's
  // command goes to the form.
  void Popup(TPoint screenPoint);
  // The open popup, or nullptr.
  TsSystemMenuPopup* OpenPopup() const { return popup_; }
  void Close();
  // Runs an item as choosing it in the popup would.
  void Choose(Item item);

 private:
  friend class TsSystemMenuPopup;
  void PopupGone(TsSystemMenuPopup* popup);

  TsSkinProvider& provider_;
  std::array<TsSystemMenuItem, ItemCount> items_;
  TsSystemMenuPopup* popup_ = nullptr;
};

// The popup window of the system menu.
class TsSystemMenuPopup : public TCustomForm {
 public:
  SORTARIUM_CLASS(TsSystemMenuPopup)
  TsSystemMenuPopup(TComponent* owner, TsSystemMenu& menu);
  ~TsSystemMenuPopup() override;
  void WndProc(TMessage& m) override;

  // The visible items from top to bottom, as menu item numbers.
  const std::vector<TsSystemMenu::Item>& Rows() const { return rows_; }
  int HotRow() const { return hotRow_; }
  TRect RowRect(int row) const;
  void Dismiss();

 private:
  void Layout();
  void PaintMenu(HDC dc);
  int RowAt(TPoint clientPoint) const;
  void MoveHot(int step);
  void ChooseRow(int row);

  TsSystemMenu* menu_;
  std::vector<TsSystemMenu::Item> rows_;
  int hotRow_ = -1;
  bool dismissed_ = false;
};
