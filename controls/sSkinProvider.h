// TsSkinProvider: the component that dresses its form's window frame in the
// active skin. Placed on a form, it takes over the form's window procedure
// for as long as it lives and paints the borders, the title bar, the caption
// and the caption buttons from the skin, shapes the window after the
// transparent corners of the frame art, answers the title bar's hit tests,
// and reacts to the skin manager's commands for the form as a whole. The
// client area stays the form's. Its control adapter dresses the form's
// list-like children (edits, lists, grids) that have no skin of their own.
//
// The provider is split by concern: this file's .cpp holds its life and its
// properties, sSkinProviderCommands.cpp the skin commands,
// sSkinProviderPaint.cpp the frame image, sSkinProviderInput.cpp the hit
// testing, the mouse and the system messages.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "controls/sCaptionButtonImages.h"
#include "controls/sFrameGeometry.h"
#include "framework/components/Collection.h"
#include "framework/components/Component.h"
#include "framework/graphics/Bitmap.h"
#include "skin/pixels/sDrawModes.h"
#include "skin/sCommonData.h"
#include "skin/sMessages.h"

class TCustomForm;
class TsControlAdapter;
class TsSystemMenu;
class TsFadeTimer;

enum class TGripMode { gmNone, gmRightBottom };
enum class TResizeMode { rmStandard, rmBorder };

// The icon at the left of the caption.
class TsTitleIcon : public TPersistent {
 public:
  SORTARIUM_CLASS(TsTitleIcon)
  TBitmap* Glyph() { return &glyph_; }
  const TBitmap* Glyph() const { return &glyph_; }
  int Width() const { return width_; }
  void SetWidth(int v) { width_ = v; }
  int Height() const { return height_; }
  void SetHeight(int v) { height_ = v; }

 private:
  TBitmap glyph_;
  int width_ = 0;
  int height_ = 0;
};

// An extra button of the title bar, left of the caption buttons.
class TsTitleButton : public TCollectionItem {
 public:
  SORTARIUM_CLASS(TsTitleButton)
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v) { enabled_ = v; }
  TBitmap* Glyph() { return &glyph_; }
  const TBitmap* Glyph() const { return &glyph_; }
  bool UseSkinData() const { return useSkinData_; }
  void SetUseSkinData(bool v) { useSkinData_ = v; }
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;

  // The skin's "TITLEBUTTON" image under the glyph (-1 without skin data).
  int MaskIndex = -1;
  TPaintState State = TPaintState::Normal;

 private:
  bool enabled_ = true;
  TBitmap glyph_;
  bool useSkinData_ = true;
};

class TsTitleButtons : public TOwnedCollection<TsTitleButton> {
 public:
  SORTARIUM_CLASS(TsTitleButtons)
};

// Asks the application whether a child control may be adopted (and with
// which section).
using TsSkinItemEvent = std::function<void(TComponent* item, bool& canBeAdded, std::string& skinSection)>;

class TsSkinProvider : public TComponent, public TsFrameProvider {
 public:
  SORTARIUM_CLASS(TsSkinProvider)
  explicit TsSkinProvider(TComponent* owner);
  ~TsSkinProvider() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  // --- published ---
  TsCommonData* SkinData() { return skinData_.get(); }
  const TsCommonData* SkinData() const { return skinData_.get(); }
  TAlignment CaptionAlignment() const { return captionAlignment_; }
  void SetCaptionAlignment(TAlignment v);
  TGripMode GripMode() const { return gripMode_; }
  void SetGripMode(TGripMode v);
  bool MakeSkinMenu() const { return makeSkinMenu_; }
  void SetMakeSkinMenu(bool v) { makeSkinMenu_ = v; }
  const std::string& MenuLineSkin() const { return menuLineSkin_; }
  void SetMenuLineSkin(const std::string& v) { menuLineSkin_ = v; }
  TResizeMode ResizeMode() const { return resizeMode_; }
  void SetResizeMode(TResizeMode v) { resizeMode_ = v; }
  bool ScreenSnap() const { return screenSnap_; }
  void SetScreenSnap(bool v) { screenSnap_ = v; }
  int SnapBuffer() const { return snapBuffer_; }
  void SetSnapBuffer(int v) { snapBuffer_ = v; }
  bool ShowAppIcon() const { return showAppIcon_; }
  void SetShowAppIcon(bool v);
  TsTitleButtons* TitleButtons() { return &titleButtons_; }
  const TsTitleButtons* TitleButtons() const { return &titleButtons_; }
  TsTitleIcon* TitleIcon() { return &titleIcon_; }
  const std::string& TitleSkin() const { return titleSkin_; }
  void SetTitleSkin(const std::string& v);
  bool UseGlobalColor() const { return useGlobalColor_; }
  void SetUseGlobalColor(bool v) { useGlobalColor_ = v; }
  TsSkinItemEvent OnSkinItem;

  // --- what the skin manager needs (TsFrameProvider) ---
  TsSkinManager* FrameSkinManager() const override { return skinData_->Manager(); }
  void AnimateSkinChange(int ms) override;
  void RepaintFrame() override;

  // --- the frame as it is now (for tools and tests) ---
  TCustomForm* Form() const { return form_; }
  // Whether the provider paints the frame: a form with an active skin.
  bool FormSkinned() const;
  bool FormActive() const { return active_; }
  TFrameStyle Style() const;
  TFrameMetrics Metrics() const;
  TShownFrameItems ShownItems() const { return ShownFrameItems(Style()); }
  // Where the caption buttons stand now, in window coordinates.
  TCaptionButtonsLayout CaptionLayout() const;
  TRect TitleIconBounds() const;
  const TCaptionButtonImages& ButtonImages() const { return images_; }
  TPaintState ButtonState(TCaptionButton button) const { return buttonStates_[static_cast<size_t>(button)]; }
  // The caption as last drawn, after it was shortened to fit.
  const std::string& DrawnCaption() const { return drawnCaption_; }
  // The transparent runs cut from the window's shape when it was last prepared.
  int ShapeRunCount() const { return shapeRunCount_; }
  // The offset of the client area in the frame image.
  TPoint ClientOffsetInCache() const;
  TsControlAdapter* Adapter() const { return adapter_.get(); }
  TsSystemMenu* SystemMenu() const { return systemMenu_.get(); }
  // Rebuilds the frame image now when it is stale (tests and tools read it).
  void UpdateFrameImage();
  // The hit-test code the provider gives a window point of the title band;
  // HTNOWHERE and HTCAPTION are left to the form's own frame.
  int TitleHitTest(TPoint windowPoint) const;
  // Runs a caption button's command as a click on it would.
  void ClickCaptionButton(TCaptionButton button);

  // Opens the skinned system menu under the title's left end (Alt+Space).
  void ShowSystemMenu();
  void ShowSystemMenuAt(TPoint screenPoint);

  // The form's window procedure while the provider lives.
  void FormWndProc(TMessage& m);

 private:
  friend class TsControlAdapter;

  // --- life (sSkinProvider.cpp) ---
  void Attach();
  void Detach();
  // The preparation after loading and on a first new skin: system menu,
  // indexes, images, the form's colour.
  void PrepareSkin();
  void ResolveImages();
  void ApplyGlobalColor();
  void SetSystemMenuStyle(bool on);
  void CreateAdapter();
  bool IsMyManager(const TMessage& m) const;
  void CallPrevious(TMessage& m);

  // --- skin commands (sSkinProviderCommands.cpp) ---
  // Answers whether the command was taken.
  bool HandleSkinCommand(TMessage& m);
  void NewSkin(TMessage& m);
  void RemoveSkin(TMessage& m);
  void Refresh(TMessage& m);

  // --- the frame image (sSkinProviderPaint.cpp) ---
  // The window's shape from the corners of the frame art.
  void PrepareFrame();
  void BuildFrameImage();
  void PaintTitleBand(TBitmap& image, const TFrameMetrics& metrics, bool minimized);
  void PaintCaptionButtons(TBitmap& image, const TCaptionButtonsLayout& layout);
  void PaintTitleIcon(TBitmap& image);
  void PaintCaptionText(TBitmap& image, const TFrameMetrics& metrics, const TCaptionButtonsLayout& layout);
  // Copies the frame (not the client area) from the image to the window.
  void PaintFrame();
  void PaintFrameTo(HDC dc);
  bool FramePaintSuppressed() const;
  int TitleSkinIndex() const;
  std::string TitleSection() const;
  int ImageOf(TCaptionButton button) const;

  // --- input and system messages (sSkinProviderInput.cpp) ---
  bool HandleSkinnedMessage(TMessage& m);
  void HitTestMessage(TMessage& m);
  void SetHotButton(int hitCode);
  void PressButton(int hitCode);
  void TrackPressedButton(TMessage& m);
  void ReleasePressedButton(bool run);
  void RunButtonCommand(int hitCode);
  void ButtonsChanged();
  void ResetButtonStates();
  // --- fading caption buttons (sSkinProviderFade.cpp) ---
  // Gives the buttons their new looks, cross-fading where the skin fades.
  void ChangeButtonLooks(const std::array<TPaintState, kCaptionButtonCount>& states, bool entering, bool pressing);
  bool HandleFadeCommand(TMessage& m);
  void EndButtonFade();
  // Gives up FadeFrameOwner if it is still the form's.
  void ReleaseFadeOwner();
  // The row of the caption buttons in the frame image.
  TRect ButtonRowRect() const;
  void CopyButtonRow(TBitmap& to) const;

  TCustomForm* form_ = nullptr;
  std::function<void(TMessage&)> previous_;
  bool attached_ = false;
  std::unique_ptr<TsCommonData> skinData_;

  TAlignment captionAlignment_ = TAlignment::taLeftJustify;
  TGripMode gripMode_ = TGripMode::gmNone;
  bool makeSkinMenu_ = true;
  std::string menuLineSkin_;
  TResizeMode resizeMode_ = TResizeMode::rmStandard;
  bool screenSnap_ = false;
  int snapBuffer_ = 10;
  bool showAppIcon_ = true;
  TsTitleButtons titleButtons_;
  TsTitleIcon titleIcon_;
  std::string titleSkin_;
  bool useGlobalColor_ = true;

  TCaptionButtonImages images_;
  std::array<TPaintState, kCaptionButtonCount> buttonStates_{};
  int hotHit_ = HTNOWHERE;      // the button under the mouse, as a hit-test code
  int pressedHit_ = HTNOWHERE;  // the button held down
  bool active_ = false;
  int cachedCaption_ = -1;      // -1: the caption must be drawn again
  bool skinned_ = false;        // the frame is the provider's (after a new skin)
  bool framePrepared_ = false;  // the window's shape follows the current skin and size
  int rememberedDragCode_ = HTNOWHERE;
  std::string drawnCaption_;
  int shapeRunCount_ = 0;
  TPoint clientOffset_{};

  std::unique_ptr<TsSystemMenu> systemMenu_;
  std::unique_ptr<TsControlAdapter> adapter_;
  // Second off-screen pictures: the caption-button row as it looked before
  // a change (the start of a fade) and the frame a fade shows now.
  std::unique_ptr<TBitmap> fadeFrom_;
  std::unique_ptr<TBitmap> fadeFrame_;
  std::unique_ptr<TsCommonData> fadeData_;
  TsFadeTimer* fadeTimer_ = nullptr;
  TRect fadeRect_{};
  // The form's window as given to FadeFrameOwner: the form's handle may be
  // gone by the time the fade is given up (the form is being freed).
  HWND fadeOwner_ = 0;
};
