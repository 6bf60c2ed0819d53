// Panels and radio groups in the classic light-grey look.
#pragma once

#include <vector>

#include "framework/components/StringList.h"
#include "framework/stdctrls/StdCtrls.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum class TBorderStyle { bsNone, bsSingle };

// A container with 3-D bevels and a one-line caption centred vertically.
// From the outside in: an optional black border, the outer bevel, a band of
// BorderWidth in the panel's colour, the inner bevel; the caption and the
// children's alignment area lie within.
class TCustomPanel : public TCustomControl {
 public:
  SORTARIUM_CLASS(TCustomPanel)
  explicit TCustomPanel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);  // at least 1
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);  // at least 0
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  // Kept for descriptions that store it; a resized panel is always repainted whole.
  bool FullRepaint() const { return fullRepaint_; }
  void SetFullRepaint(bool value) { fullRepaint_ = value; }

  // The client area less the border and the bevels.
  TRect InteriorRect() const;
  void AlignControls(TControl* control, TRect& rect) override;

 protected:
  void Paint() override;
  // Draws the border and the bevels, shrinking `rect` past them.
  virtual void PaintBevels(HDC dc, TRect& rect);
  virtual void PaintCaption(HDC dc, const TRect& rect);
  unsigned CaptionFormat() const;
  // One bevel of BevelWidth rings, shrinking `rect`.
  void PaintBevel(HDC dc, TRect& rect, TBevelCut cut);
  void BordersChanged();

  void CMTextChanged(TMessage& m) override;

  TAlignment alignment_ = TAlignment::taCenter;
  TBevelCut bevelInner_ = TBevelCut::bvNone;
  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TBorderStyle borderStyle_ = TBorderStyle::bsNone;
  bool fullRepaint_ = true;
};

class TPanel : public TCustomPanel {
 public:
  SORTARIUM_CLASS(TPanel)
  using TCustomPanel::TCustomPanel;
};

// A group box holding one radio button per item, laid out in columns:
// items fill the first column top to bottom, then the next. OnClick fires
// when the user changes the selection, not when ItemIndex is set in code or
// while the buttons are built.
class TCustomRadioGroup : public TCustomGroupBox {
 public:
  SORTARIUM_CLASS(TCustomRadioGroup)
  explicit TCustomRadioGroup(TComponent* owner);
  ~TCustomRadioGroup() override;

  // Changing the items rebuilds the buttons.
  TStrings* Items() { return &items_; }
  void SetItems(const TStrings& items) { items_.Assign(items); }
  // -1 (nothing selected) .. item count - 1; values outside are clamped.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value);
  // 1 .. 16; values outside are clamped.
  int Columns() const { return columns_; }
  void SetColumns(int value);

  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TRadioButton* Buttons(int index) const;

  void Loaded() override;

 protected:
  // Makes one item button (skinned groups make their own kind).
  virtual TRadioButton* CreateButton();
  // Places the buttons in their columns and rows.
  virtual void ArrangeButtons();
  // Brings the buttons in line with the items: count, captions, check.
  virtual void UpdateButtons();
  // An item button was chosen by the user.
  virtual void ButtonClick(TRadioButton* button);
  void ItemsChanged();
  void SetButtonCount(int count);

  void Resize() override;
  void CMFontChanged(TMessage& m) override;
  void CMEnabledChanged(TMessage& m) override;

  TStringList items_;
  std::vector<TRadioButton*> buttons_;
  int itemIndex_ = -1;
  int columns_ = 1;
  // Set while the group checks a button itself: no click is reported.
  bool updatingButtons_ = false;
};

class TRadioGroup : public TCustomRadioGroup {
 public:
  SORTARIUM_CLASS(TRadioGroup)
  using TCustomRadioGroup::TCustomRadioGroup;
};
