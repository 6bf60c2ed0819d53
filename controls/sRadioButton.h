// TsRadioButton: a radio button painted from the skin. Its cache holds the
// parent's picture under it, the caption in the section's text colours and
// the skin's radio glyph ("RADIOCHECKED" / "RADIOUNCHECKED" of GLOBALINFO)
// in the frame of its state: pressed while the mouse button or the space
// key is held on it, hot while it has the focus or the mouse. Changes of
// look cross-fade when the section fades.
//
// Skinned, the button is checked by releasing the mouse button or the space
// key after pressing it on the button. Checking it, by the user or in code,
// reports a click (OnClick), as the platform's radio button does.
//
// TsGroupButton: the item button a TsRadioGroup makes for each item; its
// clicks and keys go to the group.
#pragma once

#include <cstdint>

#include "framework/stdctrls/StdCtrls.h"
#include "skin/sCommonData.h"
#include "skin/sFade.h"

class TsRadioGroup;

class TsRadioButton : public TRadioButton {
 public:
  SORTARIUM_CLASS(TsRadioButton)
  explicit TsRadioButton(TComponent* owner);
  ~TsRadioButton() override;

  // --- published ---
  TsCommonData* SkinData() { return &skinData_; }
  const TsCommonData* SkinData() const { return &skinData_; }
  // The user cannot change the check (code still can).
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  // Air around the glyph and the caption.
  int Margin() const { return margin_; }
  void SetMargin(int value);
  // Extra room between the glyph and the caption.
  int TextIndent() const { return textIndent_; }
  void SetTextIndent(int value);
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool value);
  // How the button looks disabled: kDisabledMix and kDisabledGray bits.
  int DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(int value);
  // Which look changes fade (IsAnimated bits).
  uint8_t AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(uint8_t value) { animatEvents_ = value; }

  void SetChecked(bool value) override;
  // The user's check; nothing for a read-only button.
  void Click() override;
  void AfterConstruction() override;
  void Loaded() override;
  void WndProc(TMessage& message) override;

  // Where the skin's glyph goes: (0, 0, 16, 16) without a glyph image.
  TRect SkinGlyphRect() const;
  // The look the button is painted in now: pressed, hot or normal.
  TPaintState ContentState() const;
  // Rebuilds the cache in the current state.
  void PrepareCache();
  // The skinned paint into `dc`.
  void PaintSkinned(HDC dc);

 protected:
  // The three layers of message handling; each answers whether it finished
  // the message.
  bool HandleSkinCommandsInAnyState(TMessage& m);
  bool HandleFocusAndMouse(TMessage& m);
  bool HandleSkinned(TMessage& m);

 private:
  // The glyph image of the current check, -1 without one.
  int GlyphIndex() const;
  bool Hot() const;
  void PaintCaption(TCanvas& canvas, int glyphWidth);
  // Shows a new check: ends a running fade and fades to the new glyph.
  void CheckedLookChanged();
  // A look change of one of the IsAnimated events (0 enter ... 3 up).
  void LookChanged(int event, TFadeDirection direction, TFadeLength length);
  void Press(TMessage& m);
  void Release(TMessage& m);
  void ChangeLayout();

  TsCommonData skinData_;
  TsFadeTimer* fadeTimer_ = nullptr;
  bool readOnly_ = false;
  int margin_ = 2;
  int textIndent_ = 0;
  bool showFocus_ = true;
  int disabledKind_;
  uint8_t animatEvents_ = kAnimateGlobalDefault;
};

class TsGroupButton : public TsRadioButton {
 public:
  SORTARIUM_CLASS(TsGroupButton)
  explicit TsGroupButton(TsRadioGroup* group);
  TsRadioGroup* Group() const { return group_; }

  // The check as the group allows it; a failure is shown to the user and
  // does not escape into the message loop.
  void Click() override;

 protected:
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;

 private:
  TsRadioGroup* group_;
  // A click reported while one is being handled is the same click.
  bool inClick_ = false;
};
