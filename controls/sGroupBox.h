// TsGroupBox: a group box painted from the skin. The caption band at the
// top shows the parent's picture with the caption on it; the section's
// frame starts in the middle of the caption line.
//
// TsRadioGroup: the order selector of the main window. A skinned group box
// that owns one skinned radio button (TsGroupButton) per item and lays them
// out in columns. Checking a button, by the user or through ItemIndex,
// reports a click of the group (OnClick) — except while the group builds
// its buttons.
//
// Without a skin both look and behave as the framework's group box and
// radio group.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/components/StringList.h"
#include "framework/stdctrls/StdCtrls.h"
#include "skin/sCommonData.h"

class TsGroupButton;

// Where the caption sits on the top edge of a group box.
enum class TCaptionLayout { clTopLeft, clTopCenter, clTopRight };

class TsGroupBox : public TCustomGroupBox {
 public:
  SORTARIUM_CLASS(TsGroupBox)
  explicit TsGroupBox(TComponent* owner);

  // --- published ---
  TsCommonData* SkinData() { return &skinData_; }
  const TsCommonData* SkinData() const { return &skinData_; }
  TCaptionLayout CaptionLayout() const { return captionLayout_; }
  void SetCaptionLayout(TCaptionLayout value);
  // Moves the frame (and, above 0, the caption band's bottom) down; below
  // 0 the caption rises above the control's top.
  int CaptionYOffset() const { return captionYOffset_; }
  void SetCaptionYOffset(int value);
  // A section for the caption's own background; empty: the parent shows.
  const std::string& CaptionSkin() const { return captionSkin_; }
  void SetCaptionSkin(const std::string& value);

  TRect CaptionRect() const override;
  void AfterConstruction() override;
  void Loaded() override;
  void WndProc(TMessage& message) override;

  // Rebuilds the cache: caption band, frame, caption.
  void PrepareCache();
  // The skinned paint into `dc`; the windowed children hear that their
  // background is on screen when `dc` is the group box's own canvas.
  void PaintSkinned(HDC dc);

 protected:
  void Paint() override;
  // The caption's place or height changed.
  virtual void CaptionGeometryChanged();
  // The skin commands that arrive in every state; true when finished.
  bool HandleSkinCommandsInAnyState(TMessage& m);

  TsCommonData skinData_;

 private:
  bool HandleSkinned(TMessage& m);
  void PaintCaptionBackground(const TRect& caption, const TCacheInfo& parentCache);

  TCaptionLayout captionLayout_ = TCaptionLayout::clTopLeft;
  int captionYOffset_ = 0;
  std::string captionSkin_;
};

class TsRadioGroup : public TsGroupBox {
 public:
  SORTARIUM_CLASS(TsRadioGroup)
  explicit TsRadioGroup(TComponent* owner);
  ~TsRadioGroup() override;

  // --- published ---
  // Changing the items rebuilds the buttons.
  TStrings* Items() { return &items_; }
  // -1 (nothing chosen) .. item count - 1; values outside are clamped.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value);
  // 1 .. 16; values outside are clamped.
  int Columns() const { return columns_; }
  void SetColumns(int value);
  // Which look changes of the item buttons fade (IsAnimated bits).
  uint8_t AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(uint8_t value) { animatEvents_ = value; }

  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TsGroupButton* Buttons(int index) const;
  // The group never refuses a change of its choice.
  bool CanModify() const { return true; }

  void Loaded() override;
  void WndProc(TMessage& message) override;

  // --- what the item buttons report ---
  void ItemClick(TsGroupButton* button);
  void ItemKeyDown(uint16_t& key, TShiftState shift) { KeyDown(key, shift); }
  void ItemKeyPress(char32_t& key) { KeyPress(key); }

 protected:
  void CaptionGeometryChanged() override;
  void Resize() override;
  void CMFontChanged(TMessage& m) override;
  void CMEnabledChanged(TMessage& m) override;

 private:
  // While the description is read (until Loaded) the items only collect
  // and ItemIndex is only stored: the buttons do not exist yet.
  bool IsBeingRead() const;
  void ItemsChanged();
  void SetButtonCount(int count);
  // Count, captions and the check, then the arrangement.
  void UpdateButtons();
  // Items fill the first column top to bottom, then the next.
  void ArrangeButtons();

  TStringList items_;
  std::vector<TsGroupButton*> buttons_;
  int itemIndex_ = -1;
  int columns_ = 1;
  uint8_t animatEvents_;
  // Set while the group checks a button itself: the check reports no click.
  bool updatingButtons_ = false;
};
