// TsBitBtn: the push button of the main window, painted entirely from the
// skin. It is the framework's bitmap button (caption, glyph, layout,
// Default and Cancel) whose window shows a cache bitmap: the section's
// background for the current look, the border mask, the caption and the
// glyph. The window is shaped by the transparent corners of the border, so
// the parent shows through them. The button keeps its own pressed state,
// fires OnClick itself (once per press) and cross-fades between looks.
//
// Without a skin (no manager, no section, or the skin switched off) it is
// the framework's button in every respect.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "framework/base/Set.h"
#include "framework/graphics/Region.h"
#include "framework/stdctrls/Buttons.h"
#include "skin/pixels/sCacheInfo.h"
#include "skin/pixels/sDrawModes.h"

class TsCommonData;
class TsFadeTimer;
class TImageList;

// The look of a disabled button as a whole, and of its glyph.
enum TsDisabledKindItem { dkBlended, dkGrayed };
using TsDisabledKind = TSet<TsDisabledKindItem>;
enum TsDisabledGlyphKindItem { dgBlended, dgGrayed };
using TsDisabledGlyphKind = TSet<TsDisabledGlyphKindItem>;

// The changes of look that cross-fade. With aeGlobalDef the skin manager's
// button effects decide for the events the button does not name itself.
enum TacAnimatEvent { aeMouseEnter, aeMouseLeave, aeMouseDown, aeMouseUp, aeGlobalDef };
using TacAnimatEvents = TSet<TacAnimatEvent>;

// Drawing of the program's own into the finished cache bitmap.
using TBmpPaintEvent = std::function<void(TComponent* sender, TBitmap& bmp)>;

class TsBitBtn : public TBitBtn {
 public:
  SORTARIUM_CLASS(TsBitBtn)
  explicit TsBitBtn(TComponent* owner);
  ~TsBitBtn() override;
  void AfterConstruction() override;
  void Loaded() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

  // --- published ---
  TsCommonData* SkinData() const { return skinData_.get(); }
  // Where the glyph-and-caption block sits across a side-by-side layout.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  // How the caption's lines are aligned within the caption block.
  TAlignment TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(TAlignment value);
  // Shadows the framework's setter: a new wrap changes the skinned picture.
  void SetWordWrap(bool value);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool value);
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool value);
  // How far the focus rectangle reaches beyond the caption; read when the
  // cache is next rebuilt.
  int FocusMargin() const { return focusMargin_; }
  void SetFocusMargin(int value) { focusMargin_ = value; }
  // Kept for descriptions that store it; the picture does not use it.
  int TextOffset() const { return textOffset_; }
  void SetTextOffset(int value);
  // Caption and glyph over the border mask (default) or under it.
  bool DrawOverBorder() const { return drawOverBorder_; }
  void SetDrawOverBorder(bool value);
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind value);
  TsDisabledGlyphKind DisabledGlyphKind() const { return disabledGlyphKind_; }
  void SetDisabledGlyphKind(TsDisabledGlyphKind value);
  // An enabled image-list glyph is grey while the button is not hot.
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool value);
  // Percent of the background that shows through an enabled glyph that is
  // not hot; held to 0..100.
  int Blend() const { return blend_; }
  void SetBlend(int value);
  // The glyph taken from an image list instead of Glyph.
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);
  // A description names the list; one stored after the button is found
  // when loading ends. A name that matches no image list leaves none.
  void ReferImages(const std::string& name);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  // Held down: shown pressed without a click.
  bool Down() const { return down_; }
  void SetDown(bool value);
  TacAnimatEvents AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(TacAnimatEvents value) { animatEvents_ = value; }

  TBmpPaintEvent OnPaint;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  // --- state ---
  // A mouse button went down on the button and has not come up.
  bool MouseClicked() const { return mouseClicked_; }
  // The window shape is recomputed from the border at the next paint.
  bool RegionChanged() const { return regionChanged_; }
  // Whether a cross-fade of this button is showing its frames now.
  bool Fading() const;
  // The look painted now: pressed, hot or normal.
  TPaintState CurrentState() const;
  // The places of the glyph and the caption block in the client area, for
  // the current look (a pressed button shows its content one pixel down
  // and right).
  TButtonGeometry ContentGeometry();

  // Rebuilds the cache bitmap in the current look without painting the
  // window.
  void PrepareCache();
  // Shows the button in `dc`, or, with none, in its window's paint cycle.
  void PaintButton(HDC dc);

 protected:
  // The default button stays the active one while the focus is on
  // anything but another skinned button.
  void UpdateActive(TControl* focused) override;
  void SetPressed(bool value) override;
  void WMKeyUp(TMessage& m) override;

 private:
  // The layers of WndProc.
  bool HandleSkinCommandAnyState(TMessage& m);
  void HandleSkinCommandSkinned(TMessage& m);
  bool HandlePlainMessageSkinned(TMessage& m);
  void DefaultHandling(TMessage& m);
  // Skinned, with a window that can be painted now.
  bool SkinnedAndPaintable() const;

  // The state machine.
  void MouseEnter();
  void MouseLeave();
  void SkinnedMouseDown(TMessage& m, TMouseButton button);
  void SkinnedMouseUp(TMessage& m, TMouseButton button);
  void DialogChar(TMessage& m);
  void FocusGained(TMessage& m);
  void FocusLost(TMessage& m);
  // A change of look, cross-faded when `event` fades for this button.
  void ChangeLook(TacAnimatEvent event, bool fast);
  void DiscardFade();
  void RepaintNow();

  // Painting.
  bool Hot() const;
  TSize ContentGlyphSize() const;
  TSize CaptionBlockSize(int availableWidth);
  unsigned CaptionFormat() const;
  void PaintBorderMask(TPaintState state, const TCacheInfo& parentCache);
  void DrawSkinnedCaption(const TRect& textRect);
  void DrawSkinnedGlyph(const TRect& glyphRect);
  void DrawImageListGlyph(const TRect& glyphRect);
  void ApplyDisabledLook(TColor parentColor);
  TColor ParentBackgroundColor(const TCacheInfo& parentCache) const;
  void ApplyWindowShape(HDC dc, TPaintState state);
  TRegion CornerHoles(TPaintState state) const;

  // The framework's glyph made from the image list while there is no skin.
  void RebuildGlyphFromImages();
  bool GlyphFromImages() const;

  std::unique_ptr<TsCommonData> skinData_;
  TAlignment alignment_ = TAlignment::taCenter;
  TAlignment textAlignment_ = TAlignment::taCenter;
  bool showCaption_ = true;
  bool showFocus_ = true;
  int focusMargin_ = 1;
  int textOffset_ = 0;
  bool drawOverBorder_ = true;
  TsDisabledKind disabledKind_{dkBlended};
  TsDisabledGlyphKind disabledGlyphKind_{dgBlended};
  bool grayed_ = false;
  int blend_ = 0;
  TImageList* images_ = nullptr;
  std::string pendingImagesName_;
  int imageIndex_ = -1;
  bool down_ = false;
  TacAnimatEvents animatEvents_{aeGlobalDef};

  bool mouseClicked_ = false;
  // The shape has never been computed for this window yet.
  bool regionChanged_ = true;
  std::optional<TRegion> pendingShape_;
  int lastSpacing_ = 4;
  TsFadeTimer* fadeTimer_ = nullptr;
  // The application's hint display, switched off while the left button is held.
  bool savedShowHint_ = true;
};
