// The control adapter of a skinned form: it dresses the form's list-like
// children that have no skin of their own (edits and rich edits, lists,
// grids, trees, combo boxes, and a few known third-party classes). Each
// adopted control gets one adapter item that hooks its window procedure,
// keeps skin data of its own ("EDIT" unless the application says
// otherwise), and paints the control's border and scroll bar from the skin
// over what the control draws. Everything else on the form (the trainer's
// number cells among it) is left alone.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/components/WinControl.h"
#include "skin/pixels/sDrawModes.h"
#include "skin/sCommonData.h"

class TsSkinProvider;
class TEditScrollBar;
enum class TScrollPart;

class TsAdapterItem {
 public:
  TsAdapterItem(TWinControl& control, TsSkinManager* manager);
  ~TsAdapterItem();
  TsAdapterItem(const TsAdapterItem&) = delete;
  TsAdapterItem& operator=(const TsAdapterItem&) = delete;

  TWinControl* Control() const { return control_; }
  TsCommonData& SkinData() { return *skinData_; }
  const TsCommonData& SkinData() const { return *skinData_; }
  // The part of the vertical scroll bar under the mouse and held down.
  TScrollPart HotPart() const { return hotPart_; }
  TScrollPart PressedPart() const { return pressedPart_; }

  // The control has gone (or goes now): let go of it without touching it.
  void Release() { control_ = nullptr; }

 private:
  void WndProc(TMessage& m);
  void TrackScrollBar(const TMessage& m);
  // Paints the skinned border and scroll bar over what the control drew.
  void PaintSkinnedParts();
  void PaintScrollBar(TBitmap& image, const TEditScrollBar& bar);

  TWinControl* control_;
  std::function<void(TMessage&)> previous_;
  std::unique_ptr<TsCommonData> skinData_;
  TScrollPart hotPart_;
  TScrollPart pressedPart_;
};

class TsControlAdapter {
 public:
  explicit TsControlAdapter(TsSkinProvider& provider) : provider_(provider) {}
  ~TsControlAdapter();
  TsControlAdapter(const TsControlAdapter&) = delete;
  TsControlAdapter& operator=(const TsControlAdapter&) = delete;

  // Whether a control is of a kind the adapter dresses.
  static bool Accepts(const TControl* control);
  // Adopts every accepted control inside `container`.
  void AdoptChildren(TWinControl* container);
  // Adopts one control (when accepted and the application agrees); a
  // control adopted before only takes the section again.
  void Adopt(TControl* control);
  // Drops the item of a control that goes away.
  void Forget(TComponent* component);
  TsAdapterItem* ItemOf(const TControl* control) const;
  int Count() const { return static_cast<int>(items_.size()); }
  TsAdapterItem* Item(int index) const { return items_[static_cast<size_t>(index)].get(); }

  // Passes the skin commands on to the adopted controls.
  void RemoveSkin(TMessage& m);
  void Refresh(TMessage& m);

 private:
  TsSkinProvider& provider_;
  std::vector<std::unique_ptr<TsAdapterItem>> items_;
};

// The section an adopted control takes when the application says nothing.
inline constexpr const char* kAdaptedSection = "EDIT";
