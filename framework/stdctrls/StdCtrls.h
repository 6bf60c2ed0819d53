// The plain standard controls in the classic light-grey look: static text,
// group boxes, and the button family (push buttons and radio buttons).
//
// Every control reacts to messages in WndProc, which hands each message to a
// protected virtual handler and passes what it does not handle to its base.
// Skinned controls derive from these classes and replace the painting and
// some of the handlers, so all state lives in protected members and every
// piece of behaviour sits in an overridable method.
#pragma once

#include <string>

#include "framework/components/WinControl.h"
#include "framework/stdctrls/ControlPicture.h"

// The size of `text` laid out with DrawText's `format` flags in a box
// `width` pixels wide (the width matters only for word breaking).
TSize MeasureTextBlock(const TFont& font, const std::string& text, unsigned format, int width);

// --- static text ---

enum class TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };

// One line of text in a window of its own. It takes no focus; each press and
// release of the left button inside it is a click (no double clicks, so fast
// repeated clicks all count).
class TStaticText : public TCustomControl {
 public:
  SORTARIUM_CLASS(TStaticText)
  explicit TStaticText(TComponent* owner);

  void WndProc(TMessage& message) override;
  void Loaded() override;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TStaticBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TStaticBorderStyle value);
  // On: the control takes the size of its caption (plus the border).
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  // On: the parent's picture shows behind the text instead of Color.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

  // Pixels the border takes on each side.
  int BorderSize() const;
  // How often the text was drawn (a repaint that changes nothing copies
  // the last picture instead).
  uint64_t PictureBuilds() const { return picture_.Builds(); }

 protected:
  void Paint() override;
  // Draws the whole look (background, border, caption) into `dc`.
  virtual void PaintContent(HDC dc);
  // Resizes to the caption when AutoSize is on (not while loading).
  virtual void AdjustBounds();
  // The DrawText flags of the caption.
  virtual unsigned TextFormat() const;
  virtual void PaintBorder(HDC dc, TRect& rect);
  // Paints what the parent shows under this control into `dc`.
  void PaintParentBackground(HDC dc);

  void WMEraseBkgnd(TMessage& m) override;
  void CMTextChanged(TMessage& m) override;
  void CMFontChanged(TMessage& m) override;
  virtual void WMGetDlgCode(TMessage& m);

  TAlignment alignment_ = TAlignment::taLeftJustify;
  TStaticBorderStyle borderStyle_ = TStaticBorderStyle::sbsNone;
  bool autoSize_ = true;
  bool transparent_ = false;

 private:
  // Everything PaintContent reads; the picture is painted again whenever it
  // differs from what the picture was painted with.
  struct TLook {
    int Width = 0, Height = 0;
    TColor Color = clNone;
    TStaticBorderStyle Border = TStaticBorderStyle::sbsNone;
    unsigned Format = 0;
    bool Enabled = true;
    TFont Font;
    std::string Text;
    bool operator==(const TLook& o) const {
      return Width == o.Width && Height == o.Height && Color == o.Color && Border == o.Border &&
             Format == o.Format && Enabled == o.Enabled && Font == o.Font && Text == o.Text;
    }
  };
  TLook CurrentLook() const;
  TControlPicture picture_;
  TLook pictureLook_;
};

// --- group box ---

// A captioned, etched frame around a group of controls. The frame starts in
// the middle of the caption line; the caption sits at the left over a gap of
// the box's own colour.
class TCustomGroupBox : public TCustomControl {
 public:
  SORTARIUM_CLASS(TCustomGroupBox)
  explicit TCustomGroupBox(TComponent* owner);

  // The caption band at the top: one line of the font plus a little air,
  // as wide as the caption and its gap. Its height also places the frame
  // and, in a radio group, the first item.
  virtual TRect CaptionRect() const;
  // Children aligned inside the frame, below the caption.
  void AlignControls(TControl* control, TRect& rect) override;

 protected:
  void Paint() override;
  virtual void PaintFrame(HDC dc);
  virtual void PaintCaption(HDC dc);

  void CMTextChanged(TMessage& m) override;
  void CMFontChanged(TMessage& m) override;
};

class TGroupBox : public TCustomGroupBox {
 public:
  SORTARIUM_CLASS(TGroupBox)
  using TCustomGroupBox::TCustomGroupBox;
};

// --- buttons ---

// What a form does with a button's ModalResult is up to the form; the
// framework has no modal loop, so the value is kept for the program.
using TModalResult = int;
enum : TModalResult {
  mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7,
  mrAll = 8, mrNoToAll = 9, mrYesToAll = 10, mrClose = 11,
};

// The common behaviour of every button: the pressed state that follows the
// mouse while the left button is held on it (release inside clicks), the
// space key (down presses, up clicks), accelerators, the button messages
// (BM_CLICK, BM_GETSTATE, BM_SETSTATE, BM_GETCHECK, BM_SETCHECK) and focus on
// click.
class TButtonControl : public TCustomControl {
 public:
  SORTARIUM_CLASS(TButtonControl)
  explicit TButtonControl(TComponent* owner);

  void WndProc(TMessage& message) override;
  bool WantsFocusOnClick() const override { return true; }

  // Shown pressed: the left button is held on it with the mouse inside, or
  // the space key is held while it has the focus.
  bool Pressed() const { return pressed_; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  virtual bool Checked() const { return false; }
  virtual void SetChecked(bool) {}

 protected:
  // Changes the pressed look; repaints when it changes.
  virtual void SetPressed(bool value);
  // Forgets a press in progress (mouse and space) without clicking.
  virtual void CancelPress();
  // What an accelerator character does: clicks by default.
  virtual void AccelClick();
  // Whether `ch` is the accelerator of the caption (the letter after '&').
  static bool IsAccel(char32_t ch, const std::string& caption);

  virtual void WMLButtonDown(TMessage& m);
  virtual void WMLButtonUp(TMessage& m);
  virtual void WMMouseMove(TMessage& m);
  virtual void WMCaptureChanged(TMessage& m);
  virtual void WMGetDlgCode(TMessage& m);
  virtual void CMMouseEnter(TMessage& m);
  virtual void CMMouseLeave(TMessage& m);
  virtual void BMClick(TMessage& m);
  virtual void BMGetState(TMessage& m);
  virtual void BMSetState(TMessage& m);
  virtual void BMGetCheck(TMessage& m);
  virtual void BMSetCheck(TMessage& m);
  void WMKeyDown(TMessage& m) override;
  void WMKeyUp(TMessage& m) override;
  void WMSetFocus(TMessage& m) override;
  void WMKillFocus(TMessage& m) override;
  void CMDialogChar(TMessage& m) override;
  void CMEnabledChanged(TMessage& m) override;

  // The caption in the button's colours, or embossed grey when disabled,
  // into `rect` with the given DrawText flags.
  void DrawCaption(HDC dc, const TRect& rect, unsigned format);

  bool pressed_ = false;
  // The left button went down on the control and has not come up.
  bool mouseTracking_ = false;
  // The space key pressed the control and has not come up.
  bool spacePressed_ = false;
  bool wordWrap_ = false;
};

// A push button. Enter clicks the active button: the focused button, or the
// Default button while the focus is on a control that is not a button.
// Escape clicks the Cancel button.
class TButton : public TButtonControl {
 public:
  SORTARIUM_CLASS(TButton)
  explicit TButton(TComponent* owner);

  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  // Whether Enter clicks this button now.
  bool Active() const { return active_; }

  // The caption's block (every line) measured for a width; used by the
  // layout and by skinned buttons.
  TSize TextBlockSize(int availableWidth);

 protected:
  void Paint() override;
  // The raised or pressed face with the dark frame of the active button;
  // answers the face's inner rectangle.
  virtual TRect PaintFace(HDC dc);
  // The caption (and, in derived buttons, the glyph) within the client
  // area; `shift` moves it while the button is pressed.
  virtual void PaintContent(HDC dc, TPoint shift);
  virtual void PaintFocus(HDC dc);
  // Recomputes Active for the control that now has the focus.
  virtual void UpdateActive(TControl* focused);
  unsigned CaptionFormat() const;

  void CMDialogKey(TMessage& m) override;
  void CMFocusChanged(TMessage& m) override;
  void WMGetDlgCode(TMessage& m) override;

  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;
  TModalResult modalResult_ = mrNone;
};

// A radio button. Checking one unchecks the other radio buttons of the same
// parent; only the checked one of such a group is a tab stop (the first one
// when none is checked). A click, the space key, an accelerator or an arrow
// key (which moves to the next or previous radio button of the group) check
// it as the user's choice and fire OnClick when that changes the check.
// Setting Checked in code fires nothing.
class TRadioButton : public TButtonControl {
 public:
  SORTARIUM_CLASS(TRadioButton)
  explicit TRadioButton(TComponent* owner);

  bool Checked() const override { return checked_; }
  void SetChecked(bool value) override;
  // taRightJustify (default): the caption is right of the circle;
  // taLeftJustify: left of it.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

  // The user's check: checks the button and fires OnClick when it was not
  // checked before.
  void Click() override;
  void SetParent(TWinControl* parent) override;

  // Where the circle and the caption go in the client area.
  virtual TRect GlyphRect() const;
  virtual TRect TextRect() const;

 protected:
  void Paint() override;
  unsigned CaptionFormat() const;
  // Moves the focus to the next (or previous) radio button of the same
  // parent and checks it.
  virtual void SelectSibling(bool forward);
  // Stores the check, unchecks the siblings when checked and repaints.
  void ApplyChecked(bool value);
  // Only the checked radio button of a parent is a tab stop.
  static void UpdateGroupTabStops(TWinControl* parent);
  void AccelClick() override;

  void WMKeyDown(TMessage& m) override;
  void WMGetDlgCode(TMessage& m) override;

  bool checked_ = false;
  TAlignment alignment_ = TAlignment::taRightJustify;
};
