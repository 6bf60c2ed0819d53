// Forms: top-level windows with a frame (border, caption, caption buttons)
// painted by the framework's plain frame painter unless someone takes the
// frame over (a frame provider replaces the form's WindowProc).
#pragma once

#include "framework/components/WinControl.h"

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
                       poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

class TCustomForm : public TWinControl {
 public:
  SORTARIUM_CLASS(TCustomForm)
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle v);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons v);
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState v);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle v) { formStyle_ = v; }
  TPosition Position() const { return position_; }
  void SetPosition(TPosition v) { position_ = v; }
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool v) { keyPreview_ = v; }
  bool Active() const { return active_; }

  // The frame's sizes for the current border style.
  int FrameWidth() const;
  int FrameHeight() const;
  int CaptionHeight() const;
  TRect ClientRect() const override;
  TPoint ClientOffset() const override;
  void SetClientSize(int width, int height) override;
  void SetClientWidth(int w) { SetClientSize(w, ClientHeight()); }
  void SetClientHeight(int h) { SetClientSize(ClientWidth(), h); }
  void SetAlign(TAlign a) override;
  // Places an aligned top-level form over the work area.
  void AlignToWorkArea();

  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  // Records the focus moving to `control` and tells every control of it.
  bool SetFocusedControl(TWinControl* control);
  void FocusControl(TWinControl* control);
  // The form sees keys and the characters they type before its controls
  // when KeyPreview is set.
  void KeyDownPreview(uint16_t& key, TShiftState shift);
  void KeyPressPreview(char32_t& key);
  TWinControl* FocusedControl() const { return focusedControl_; }
  // Forgets a control that is going away.
  void ControlDestroyed(TControl* control);

  void Show();
  void Hide();
  // The window manager moved or minimised/restored the native window.
  void NativeMoved(TPoint screenPos);
  void NativeStateChanged(TWindowState state);
  void Close();
  void Release();

  // The plain frame: hit testing and painting into a DC of the whole window.
  int FrameHitTest(TPoint windowPoint) const;
  void PaintPlainFrame(HDC dc);
  TRect CaptionButtonRect(int hitCode) const;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  std::function<void(TComponent* sender, TCloseAction& action)> OnClose;
  std::function<void(TComponent* sender, bool& canClose)> OnCloseQuery;

  void Loaded() override;
  // Runs OnCreate once the form's description has been read.
  void DoCreate();

 protected:
  uint32_t InitialStyle() const override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void BoundsChanged(const TRect& oldBounds) override;
  void WMEraseBkgnd(TMessage& m) override;
  void CMDialogKey(TMessage& m) override;
  void CMShowingChanged(TMessage& m) override;
  void UpdateStyle();

 private:
  void HandleNcButton(TMessage& m);
  // Activates the window that was just shown and gives it the focus.
  void ActivateShownWindow();
  // Whether a caption button is shown and whether it works.
  bool CaptionButtonShown(int hitCode) const;
  bool CaptionButtonEnabled(int hitCode) const;
  void TrackCaptionButton(TMessage& m);

  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
  TWindowState windowState_ = TWindowState::wsNormal;
  TFormStyle formStyle_ = TFormStyle::fsNormal;
  TPosition position_ = TPosition::poDesigned;
  bool keyPreview_ = false;
  bool active_ = false;
  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;
  int trackedButton_ = 0;   // caption button held down, as a hit-test code
  bool trackedPressed_ = false;
  TRect restoreBounds_;

 public:
  bool CreateHandlerRun = false;
};

class TForm : public TCustomForm {
 public:
  SORTARIUM_CLASS(TForm)
  using TCustomForm::TCustomForm;
};
