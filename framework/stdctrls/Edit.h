// TCustomEdit: what edit-like controls share. The text, selection and
// editing are the business of each kind of edit; this class keeps the
// common properties, the sunken border and the change notification.
#pragma once

#include <string>

#include "framework/components/WinControl.h"
#include "framework/stdctrls/ExtCtrls.h"  // TBorderStyle

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomEdit : public TCustomControl {
 public:
  SORTARIUM_CLASS(TCustomEdit)
  explicit TCustomEdit(TComponent* owner);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);

  // The edit's text. An edit does not keep the text TControl stores for
  // captions: ask the edit itself, not its TControl base.
  std::string Text() const { return GetEditText(); }
  void SetText(const std::string& text) override { SetEditText(text); }
  void Clear() { SetEditText({}); }

  // The selection, in characters of Text (a line break counts two).
  virtual int SelStart() const = 0;
  virtual void SetSelStart(int value) = 0;
  virtual int SelLength() const = 0;
  virtual void SetSelLength(int value) = 0;
  virtual std::string SelText() const = 0;
  // Replaces the selection (also in a read-only edit: only the user is kept out).
  virtual void SetSelText(const std::string& text) = 0;
  virtual void SelectAll() = 0;

  virtual void CopyToClipboard() = 0;
  virtual void CutToClipboard() = 0;
  virtual void PasteFromClipboard() = 0;

  bool WantsFocusOnClick() const override { return true; }

  // Told after every change of the text, by the user or by the program
  // (not while the window description is being read).
  TNotifyEvent OnChange;

 protected:
  virtual std::string GetEditText() const = 0;
  virtual void SetEditText(const std::string& text) = 0;
  virtual void Change();
  virtual void ReadOnlyChanged() {}

  // The width of the border on each side, and the client area inside it.
  int BorderWidth() const { return borderStyle_ == TBorderStyle::bsSingle ? 2 : 0; }
  TRect InteriorRect() const;
  void PaintBorder(HDC dc) const;

 private:
  bool readOnly_ = false;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
};
