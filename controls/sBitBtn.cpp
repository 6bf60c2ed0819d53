// TsBitBtn: construction, properties, the message layers and the state
// machine of pressing, hovering and focus. Painting is in sBitBtnPaint.cpp.
#include "controls/sBitBtn.h"

#include <algorithm>

#include "framework/components/Application.h"
#include "framework/components/Forms.h"
#include "framework/components/Windows.h"
#include "framework/stdctrls/ImgList.h"
#include "skin/sCommonData.h"
#include "skin/sFade.h"
#include "skin/sMessages.h"
#include "skin/sSkinManager.h"

static_assert(1 << aeGlobalDef == kAnimateGlobalDefault, "the fade reads aeGlobalDef as this bit");

TsBitBtn::TsBitBtn(TComponent* owner)
    : TBitBtn(owner), skinData_(std::make_unique<TsCommonData>(this, true)) {
  skinData_->CtrlKind = TsControlKind::BitBtn;
  // The corners outside the window shape belong to the parent.
  controlStyle_.Exclude(csOpaque);
  wordWrap_ = true;
  lastSpacing_ = spacing_;
}

TsBitBtn::~TsBitBtn() {
  Destroying();
  // A running fade stops here; the timer is this button's component and
  // goes with it.
  if (fadeTimer_) fadeTimer_->SetEnabled(false);
  fadeTimer_ = nullptr;
  if (images_) images_->RemoveFreeNotification(this);
}

void TsBitBtn::AfterConstruction() {
  TBitBtn::AfterConstruction();
  skinData_->SkinDataLoaded();
}

void TsBitBtn::Loaded() {
  TBitBtn::Loaded();
  if (!pendingImagesName_.empty()) {
    ReferImages(pendingImagesName_);
    pendingImagesName_.clear();
  }
  skinData_->SkinDataLoaded();
  active_ = default_;
  if (!skinData_->Skinned()) RebuildGlyphFromImages();
}

void TsBitBtn::Notification(TComponent* component, TOperation operation) {
  TBitBtn::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) {
    images_ = nullptr;
    if (!IsDestroying()) skinData_->InvalidateSkin();
  }
}

// --- properties ---

namespace {

template <class T>
bool Store(T& field, T value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace

void TsBitBtn::SetAlignment(TAlignment value) {
  if (Store(alignment_, value)) skinData_->InvalidateSkin();
}

void TsBitBtn::SetTextAlignment(TAlignment value) {
  if (Store(textAlignment_, value)) skinData_->InvalidateSkin();
}

void TsBitBtn::SetWordWrap(bool value) {
  if (!Store(wordWrap_, value)) return;
  skinData_->BGChanged = true;
  RepaintNow();
}

void TsBitBtn::SetShowCaption(bool value) {
  if (Store(showCaption_, value)) skinData_->InvalidateSkin();
}

void TsBitBtn::SetShowFocus(bool value) {
  if (Store(showFocus_, value)) skinData_->InvalidateSkin();
}

void TsBitBtn::SetTextOffset(int value) {
  if (Store(textOffset_, value)) skinData_->InvalidateSkin();
}

void TsBitBtn::SetDrawOverBorder(bool value) {
  if (Store(drawOverBorder_, value)) skinData_->InvalidateSkin();
}

void TsBitBtn::SetDisabledKind(TsDisabledKind value) {
  if (Store(disabledKind_, value)) skinData_->InvalidateSkin();
}

void TsBitBtn::SetDisabledGlyphKind(TsDisabledGlyphKind value) {
  if (!Store(disabledGlyphKind_, value)) return;
  if (!skinData_->Skinned()) RebuildGlyphFromImages();
  skinData_->InvalidateSkin();
}

void TsBitBtn::SetGrayed(bool value) {
  if (Store(grayed_, value)) skinData_->InvalidateSkin();
}

void TsBitBtn::SetBlend(int value) {
  if (Store(blend_, std::clamp(value, 0, 100))) skinData_->InvalidateSkin();
}

void TsBitBtn::SetImages(TImageList* value) {
  if (value == images_) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = value;
  // Told when the list goes, so the button never draws from a freed one.
  if (images_) images_->FreeNotification(this);
  RebuildGlyphFromImages();
  skinData_->InvalidateSkin();
}

void TsBitBtn::ReferImages(const std::string& name) {
  for (TComponent* root = Owner(); root; root = root->Owner())
    if (auto* list = dynamic_cast<TImageList*>(root->FindComponent(name))) {
      SetImages(list);
      return;
    }
  if (IsLoading()) pendingImagesName_ = name;
}

void TsBitBtn::SetImageIndex(int value) {
  if (!Store(imageIndex_, value)) return;
  RebuildGlyphFromImages();
  skinData_->InvalidateSkin();
}

void TsBitBtn::SetDown(bool value) {
  if (!Store(down_, value)) return;
  pressed_ = value;
  regionChanged_ = true;
  skinData_->BGChanged = true;
  RepaintNow();
}

// --- state ---

bool TsBitBtn::Fading() const { return fadeTimer_ && fadeTimer_->Direction != TFadeDirection::Stopped; }

TPaintState TsBitBtn::CurrentState() const {
  // A button held down with the mouse that has slid off it shows what a
  // release there would leave: no press.
  const bool heldOutside = mouseClicked_ && GetKeyState(VK_LBUTTON) < 0 && !skinData_->MouseAbove;
  if ((pressed_ || down_) && !heldOutside) return TPaintState::Pressed;
  if (skinData_->ControlIsActive() || active_ || (default_ && IsDesigning())) return TPaintState::Hot;
  return TPaintState::Normal;
}

bool TsBitBtn::SkinnedAndPaintable() const {
  if (!HandleAllocated() || !HasParent() || IsDestroying() || IsLoading()) return false;
  if (controlState_.Contains(csCreating) || controlState_.Contains(csReadingState)) return false;
  return skinData_->Skinned();
}

void TsBitBtn::RepaintNow() {
  if (!HandleAllocated() || IsDestroying()) return;
  Invalidate();
  UpdateWindow(Handle());
}

void TsBitBtn::DiscardFade() {
  if (fadeTimer_) StopFade(fadeTimer_, *skinData_);
}

void TsBitBtn::ChangeLook(TacAnimatEvent event, bool fast) {
  const bool in = event == aeMouseEnter || event == aeMouseDown;
  ChangePaint(fadeTimer_, *skinData_,
              {.Direction = in ? TFadeDirection::In : TFadeDirection::Out,
               .Length = fast ? TFadeLength::Half : TFadeLength::Full,
               .Animate = IsAnimated(event, static_cast<uint8_t>(animatEvents_.Bits()), skinData_->Manager())});
}

void TsBitBtn::UpdateActive(TControl* focused) {
  if (!skinData_->Skinned() || IsDestroying()) {
    TBitBtn::UpdateActive(focused);
    return;
  }
  bool active = active_;
  if (IsDesigning())
    active = false;
  else if (default_)
    active = dynamic_cast<TsBitBtn*>(focused) ? focused == this : true;
  else
    active = dynamic_cast<TButton*>(focused) ? focused == this : false;
  if (Store(active_, active)) skinData_->InvalidateSkin();
}

void TsBitBtn::SetPressed(bool value) {
  if (!skinData_->Skinned()) {
    TBitBtn::SetPressed(value);
    return;
  }
  if (Store(pressed_, value)) skinData_->InvalidateSkin();
}

// --- the message layers ---

void TsBitBtn::WndProc(TMessage& m) {
  if (m.Msg == WM_KILLFOCUS && IsDestroying()) return;
  if (HandleSkinCommandAnyState(m)) return;
  if (!SkinnedAndPaintable()) {
    TBitBtn::WndProc(m);
    return;
  }
  if (m.Msg == SM_KAVRACMD) {
    HandleSkinCommandSkinned(m);
    return;
  }
  if (HandlePlainMessageSkinned(m)) return;
  DefaultHandling(m);
}

// Skin commands that work with or without a skin. Answers true when the
// command is done with.
bool TsBitBtn::HandleSkinCommandAnyState(TMessage& m) {
  const uint16_t code = SkinCommandCode(m);
  if (!code) return false;
  const bool mine = CommandManager(m) == skinData_->Manager();
  switch (code) {
    case SKC_NEWSKIN:
      if (!mine) return false;
      regionChanged_ = true;
      DiscardFade();
      // The skin draws the image itself; the framework's copy would only
      // be drawn twice.
      if (GlyphFromImages()) glyph_.SetSize(0, 0);
      skinData_->HandleSkinCommand(m);
      return true;
    case SKC_REMOVESKIN:
      if (!mine || IsDestroying()) return false;
      DiscardFade();
      skinData_->HandleSkinCommand(m);
      RebuildGlyphFromImages();
      pendingShape_.reset();
      if (HandleAllocated()) SetWindowRgn(Handle(), std::nullopt, false);
      RepaintNow();
      return true;
    case SKC_REFRESH:
      if (!mine) return false;
      DiscardFade();
      skinData_->HandleSkinCommand(m);
      regionChanged_ = true;
      RepaintNow();
      return true;
    case SKC_ISSKINAWARE:
      m.LParam = 1;
      return true;
    case SKC_STOPFADING:
      if (fadeTimer_) {
        DiscardFade();
        // The last frame is on screen; a paint now brings the window shape
        // and anything the fade held back up to date.
        Invalidate();
      }
      return true;
    case SKC_PREPARECACHE:
      PrepareCache();
      return false;
    case SKC_RELEASEREGION:
      // The frame is shown by the fade itself (the answer stays 0).
      pendingShape_.reset();
      return false;
    default:
      return false;
  }
}

void TsBitBtn::HandleSkinCommandSkinned(TMessage& m) {
  switch (SkinCommandCode(m)) {
    case SKC_PARENTPAINTED:
      if (skinData_->IsUpdating()) {
        skinData_->Updating = false;
        RepaintNow();
      }
      return;
    case SKC_SETKEEPCACHE:
      if (skinData_->KeepCache) PrepareCache();
      break;
    default:
      break;
  }
  DefaultHandling(m);
}

// Plain messages while skinned; answers true when the message is done with.
bool TsBitBtn::HandlePlainMessageSkinned(TMessage& m) {
  switch (m.Msg) {
    case WM_MOVE: {
      const TsGeneralData* section = skinData_->Section();
      if (section && (section->Transparency > 0 || (section->HotTransparency > 0 && skinData_->ControlIsActive()))) {
        skinData_->BGChanged = true;
        RepaintNow();
      }
      return false;
    }
    case WM_SIZE:
      regionChanged_ = true;
      return false;
    case WM_SETFOCUS:
    case CM_ENTER:
      FocusGained(m);
      return true;
    case WM_KILLFOCUS:
    case CM_EXIT:
      FocusLost(m);
      return true;
    // The window paints every pixel itself and keeps its own pressed
    // state; the platform's versions of these would fight it.
    case WM_ENABLE:
    case WM_ERASEBKGND:
    case BM_SETSTATE:
    case WM_UPDATEUISTATE:
      return true;
    case WM_PAINT:
      if (HasParent()) PaintButton(reinterpret_cast<HDC>(m.WParam));
      return !IsDesigning();
    case WM_PRINT:
      regionChanged_ = true;
      PaintButton(reinterpret_cast<HDC>(m.WParam));
      return true;
    case CM_DIALOGCHAR:
      DialogChar(m);
      return true;
    case CM_ENABLEDCHANGED:
      if (Visible() && !IsDestroying()) {
        skinData_->Updating = false;
        skinData_->InvalidateSkin();
      }
      return false;
    case CM_TEXTCHANGED:
      if (!IsDestroying()) skinData_->InvalidateSkin();
      return true;
    case CM_MOUSEENTER:
      MouseEnter();
      return true;
    case CM_MOUSELEAVE:
      MouseLeave();
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SkinnedMouseDown(m, TMouseButton::mbLeft);
      return true;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      SkinnedMouseDown(m, TMouseButton::mbRight);
      return true;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      SkinnedMouseDown(m, TMouseButton::mbMiddle);
      return true;
    case WM_LBUTTONUP:
      SkinnedMouseUp(m, TMouseButton::mbLeft);
      return true;
    case WM_RBUTTONUP:
      SkinnedMouseUp(m, TMouseButton::mbRight);
      return true;
    case WM_MBUTTONUP:
      SkinnedMouseUp(m, TMouseButton::mbMiddle);
      return true;
    case CM_UIACTIVATE:
      skinData_->Updating = false;
      return false;
    default:
      return false;
  }
}

// The skin data's default reaction, then the framework's, then what a
// change of font or visibility means for the cached picture.
void TsBitBtn::DefaultHandling(TMessage& m) {
  if (m.Msg == SM_KAVRACMD) {
    skinData_->HandleSkinCommand(m);
    return;
  }
  skinData_->HandlePlainMessage(m);
  TBitBtn::WndProc(m);
  if (IsDestroying()) return;
  switch (m.Msg) {
    case CM_FONTCHANGED:
    case WM_SETFONT:
      if (Visible()) {
        skinData_->Updating = false;
        skinData_->InvalidateSkin();
      }
      break;
    case CM_VISIBLECHANGED:
      skinData_->BGChanged = true;
      RepaintNow();
      break;
    default:
      break;
  }
}

// --- the state machine ---

void TsBitBtn::MouseEnter() {
  if (!Enabled() || IsDesigning() || skinData_->MouseAbove) return;
  if (OnMouseEnter) OnMouseEnter(this);
  if (IsDestroying()) return;
  skinData_->MouseAbove = true;
  ChangeLook(aeMouseEnter, false);
}

void TsBitBtn::MouseLeave() {
  if (!Enabled() || IsDesigning()) return;
  if (OnMouseLeave) OnMouseLeave(this);
  if (IsDestroying()) return;
  skinData_->MouseAbove = false;
  ChangeLook(aeMouseLeave, false);
}

void TsBitBtn::SkinnedMouseDown(TMessage& m, TMouseButton button) {
  if (!Enabled() || IsDesigning()) {
    TBitBtn::WndProc(m);
    return;
  }
  skinData_->Updating = false;
  const bool left = button == TMouseButton::mbLeft;
  if (left && Application) {
    savedShowHint_ = Application->ShowHint();
    Application->SetShowHint(false);
  }
  mouseClicked_ = true;
  if (left && !pressed_ && !down_) {
    pressed_ = true;
    regionChanged_ = true;
    skinData_->Updating = skinData_->IsUpdating();
    ChangeLook(aeMouseDown, true);
  }
  // Focus, capture and OnMouseDown. The framework's own press tracking is
  // left out: this button shows its press and fires its click itself.
  TCustomControl::WndProc(m);
  controlState_.Exclude(csClicked);
}

void TsBitBtn::SkinnedMouseUp(TMessage& m, TMouseButton button) {
  const bool left = button == TMouseButton::mbLeft;
  if (left && Application) Application->SetShowHint(savedShowHint_);
  if (!mouseClicked_ || IsDestroying()) return;
  mouseClicked_ = false;
  if (left && Fading()) {
    DiscardFade();
    RepaintNow();
  }
  skinData_->Updating = false;
  const bool wasPressed = pressed_;
  pressed_ = false;
  const TPoint at{GetXParam(m.LParam), GetYParam(m.LParam)};
  // Capture goes and OnMouseUp runs before the click, whose handler may
  // run long (pumping messages) or free the button.
  controlState_.Exclude(csClicked);
  TCustomControl::WndProc(m);
  if (IsDestroying()) return;
  if (left && wasPressed && ClientRect().Contains(at)) {
    Click();
    if (IsDestroying()) return;
  }
  regionChanged_ = true;
  try {
    ChangeLook(aeMouseUp, true);
  } catch (...) {
    // The button stays usable without the fade.
  }
}

void TsBitBtn::DialogChar(TMessage& m) {
  if (m.WParam == ' ' && Enabled() && Focused()) {
    DiscardFade();
    pressed_ = true;
    regionChanged_ = true;
    skinData_->BGChanged = true;
    RepaintNow();
  }
  // Accelerators stay the framework's.
  TBitBtn::WndProc(m);
}

void TsBitBtn::WMKeyUp(TMessage& m) {
  const bool click = m.Msg == WM_KEYUP && static_cast<int>(m.WParam) == VK_SPACE && skinData_->Skinned() &&
                     (pressed_ || down_);
  if (!click) {
    TBitBtn::WMKeyUp(m);
    return;
  }
  pressed_ = false;
  // The framework's space press ends here too, without a click of its own.
  spacePressed_ = false;
  regionChanged_ = true;
  skinData_->BGChanged = true;
  RepaintNow();
  TBitBtn::WMKeyUp(m);  // OnKeyUp
  // The click comes last: its handler may free the button.
  if (!IsDestroying() && Enabled()) Click();
}

void TsBitBtn::FocusGained(TMessage& m) {
  if (IsDesigning() || !Enabled() || IsDestroying()) return;
  DefaultHandling(m);
  if (IsDestroying()) return;
  if (fadeTimer_)
    fadeTimer_->Step();
  else
    skinData_->InvalidateSkin();
}

void TsBitBtn::FocusLost(TMessage& m) {
  if (IsDesigning()) return;
  pressed_ = false;
  if (!Enabled() || IsDestroying()) return;
  if (Fading()) DiscardFade();
  DefaultHandling(m);
  if (IsDestroying() || !skinData_->Skinned()) return;
  skinData_->Focused = false;
  regionChanged_ = true;
  skinData_->InvalidateSkin();
}
