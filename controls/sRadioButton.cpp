#include "controls/sRadioButton.h"

#include <algorithm>

#include "controls/sFlagScope.h"
#include "controls/sGroupBox.h"
#include "controls/sWindowPaint.h"
#include "framework/components/Application.h"
#include "skin/pixels/sGraphUtils.h"
#include "skin/pixels/sMaskDraw.h"
#include "skin/sContentPaint.h"
#include "skin/sItemPaint.h"
#include "skin/sMessages.h"
#include "skin/sSkinManager.h"

namespace {

// IsAnimated event numbers.
constexpr int kEventMouseEnter = 0;
constexpr int kEventMouseLeave = 1;
constexpr int kEventMouseDown = 2;
constexpr int kEventMouseUp = 3;

// The glyph takes the room of one state frame; a glyph with a bitmap of its
// own holds three frames side by side over a mask half.
TSize GlyphSize(const TsMaskData& entry) {
  if (entry.Bmp) return {entry.Bmp->Width() / 3, entry.Bmp->Height() / 2};
  return {entry.FrameWidth(), entry.FrameHeight()};
}


}  // namespace

TsRadioButton::TsRadioButton(TComponent* owner)
    : TRadioButton(owner), skinData_(this, false), disabledKind_(kDisabledMix) {
  skinData_.CtrlKind = TsControlKind::RadioButton;
}

TsRadioButton::~TsRadioButton() { StopFade(fadeTimer_, skinData_); }

void TsRadioButton::AfterConstruction() {
  TRadioButton::AfterConstruction();
  skinData_.SkinDataLoaded();
}

void TsRadioButton::Loaded() {
  TRadioButton::Loaded();
  skinData_.SkinDataLoaded();
}

// --- properties ---

void TsRadioButton::ChangeLayout() {
  skinData_.InvalidateSkin();
  Invalidate();
}

void TsRadioButton::SetReadOnly(bool value) {
  if (readOnly_ == value) return;
  readOnly_ = value;
  ChangeLayout();
}

void TsRadioButton::SetMargin(int value) {
  if (margin_ == value) return;
  margin_ = value;
  ChangeLayout();
}

void TsRadioButton::SetTextIndent(int value) {
  if (textIndent_ == value) return;
  textIndent_ = value;
  ChangeLayout();
}

void TsRadioButton::SetShowFocus(bool value) {
  if (showFocus_ == value) return;
  showFocus_ = value;
  ChangeLayout();
}

void TsRadioButton::SetDisabledKind(int value) {
  if (disabledKind_ == value) return;
  disabledKind_ = value;
  ChangeLayout();
}

void TsRadioButton::SetChecked(bool value) {
  if (value == checked_) return;
  ApplyChecked(value);
  CheckedLookChanged();
  if (value && !IsDestroying()) TButtonControl::Click();
}

void TsRadioButton::Click() {
  if (readOnly_ || checked_) return;
  SetChecked(true);
}

// --- look ---

bool TsRadioButton::Hot() const { return skinData_.ControlIsActive() && !readOnly_; }

TPaintState TsRadioButton::ContentState() const {
  if (pressed_) return TPaintState::Pressed;
  return Hot() ? TPaintState::Hot : TPaintState::Normal;
}

int TsRadioButton::GlyphIndex() const {
  const TsSkinManager* manager = skinData_.Manager();
  if (!manager) return -1;
  const int index = manager->FindMask(manager->FindSection("GLOBALINFO"), "GLOBALINFO",
                                      checked_ ? "RADIOCHECKED" : "RADIOUNCHECKED");
  return manager->MaskIndexValid(index) ? index : -1;
}

TRect TsRadioButton::SkinGlyphRect() const {
  const int index = GlyphIndex();
  if (index < 0) return {0, 0, 16, 16};
  const TSize size = GlyphSize(skinData_.Manager()->Masks()[static_cast<size_t>(index)]);
  // Right-justified means the caption is right of the glyph.
  const int left = alignment_ == TAlignment::taRightJustify ? margin_ : width_ - size.cx - margin_;
  const int top = (height_ - size.cy) / 2;
  return TRect::FromBounds(left, top, size.cx, size.cy);
}

void TsRadioButton::PaintCaption(TCanvas& canvas, int glyphWidth) {
  if (text_.empty()) return;
  const int reserve = glyphWidth + textIndent_ + margin_ + 3;
  const TRect area = alignment_ == TAlignment::taRightJustify
                         ? TRect{reserve, margin_, width_ - margin_ - 2, height_ - margin_}
                         : TRect{margin_, margin_, width_ - reserve - 2, height_ - margin_};
  const unsigned flags = wordWrap_ ? unsigned{DT_WORDBREAK | DT_CENTER} : unsigned{DT_VCENTER};
  const TContentLook look{.Enabled = true, .Hot = Hot()};
  WriteTextEx(canvas, text_, look, skinData_, flags, area);
  if (!Focused() || !showFocus_) return;
  // The focus frame hugs the text block as it was placed in `area`.
  *canvas.Font() = CaptionFont(font_, skinData_);
  TRect extent{0, 0, area.Width(), area.Height()};
  DrawText(canvas.Handle(), text_, extent, (flags & ~unsigned{DT_CENTER | DT_VCENTER}) | DT_CALCRECT);
  TRect text = area;
  text.Top += (area.Height() - extent.Height()) / 2;
  text.Bottom = text.Top + extent.Height();
  if (flags & DT_CENTER) text.Left += (area.Width() - extent.Width()) / 2;
  text.Right = std::min(area.Right, text.Left + extent.Width());
  TRect focus = text.Inflate(1, 1);
  focus.Top += 1;
  focus.Bottom -= 2;
  DrawFocusRectEx(canvas, focus.Inflate(1, 1).Intersect(ClientRect()), look, skinData_);
}

void TsRadioButton::PrepareCache() {
  skinData_.InitCacheBmp();
  TBitmap& cache = *skinData_.CacheBmp;
  TCanvas& canvas = *cache.Canvas();
  *canvas.Font() = CaptionFont(font_, skinData_);
  const TCacheInfo parentCache = skinData_.GetParentCache();
  const TPaintState background = Hot() ? TPaintState::Hot : TPaintState::Normal;
  PaintItem(skinData_, parentCache, cache, {.Rect = {0, 0, cache.Width(), height_}, .Offset = {left_, top_}, .State = background},
            {.Centre = TBorderCentre::Fill});

  const int glyph = GlyphIndex();
  const TRect glyphRect = SkinGlyphRect();
  PaintCaption(canvas, glyphRect.Width());
  if (glyph >= 0) {
    const TsSkinManager* manager = skinData_.Manager();
    DrawSkinGlyph(cache, glyphRect.TopLeft(), ContentState(), manager->Masks()[static_cast<size_t>(glyph)],
                  manager->MasterBitmap(), TMaskMode::AsIs);
  }
  if (!enabled_) {
    const TColor under = ColorToRGB(parent_ ? parent_->Color() : color_);
    DisabledLook(cache, disabledKind_, under, {left_, top_}, TParentBackground{.Cache = parentCache});
  }
  skinData_.BGChanged = false;
}

void TsRadioButton::PaintSkinned(HDC dc) {
  if (!dc || IsDestroying()) return;
  skinData_.Updating = skinData_.IsUpdating();
  if (skinData_.Updating) return;
  // A cache always holds the whole picture: being partly hidden is no
  // reason to rebuild it.
  const bool stale = skinData_.BGChanged;
  if (skinData_.BgIsPositionDependent()) {
    TRect clip;
    GetClipBox(dc, &clip);
    skinData_.HalfVisible = clip.Width() != width_ || clip.Height() != height_;
  } else {
    skinData_.HalfVisible = false;
  }
  if ((stale && !skinData_.KeepCache) || !skinData_.CacheBmp) PrepareCache();
  CopyCacheToDC(skinData_, {0, 0}, {0, 0}, TCacheCorners::AsCached, dc, {0, 0, width_, height_});
}

void TsRadioButton::LookChanged(int event, TFadeDirection direction, TFadeLength length) {
  ChangePaint(fadeTimer_, skinData_,
              {.Direction = direction, .Length = length, .Animate = IsAnimated(event, animatEvents_, skinData_.Manager())});
}

void TsRadioButton::CheckedLookChanged() {
  if (!skinData_.Skinned(RequireActive::Yes) || !ControlIsReady(*this)) {
    skinData_.BGChanged = true;
    return;
  }
  if (IsDesigning()) {
    skinData_.InvalidateSkin();
    return;
  }
  // A fade still running would end on the old check.
  if (fadeTimer_) {
    StopFade(fadeTimer_, skinData_);
    RepaintNow(*this);
  }
  LookChanged(kEventMouseUp, TFadeDirection::Out, TFadeLength::Half);
}

// --- input while skinned ---

void TsRadioButton::Press(TMessage& m) {
  if (readOnly_) return;
  const bool mouse = m.Msg != WM_KEYDOWN;
  if (mouse) {
    if (!Focused() && CanFocus()) SetFocus();
    if (IsDestroying()) return;
    SetMouseCapture(true);
  }
  pressed_ = true;
  if (mouse)
    LookChanged(kEventMouseDown, TFadeDirection::In, TFadeLength::Half);
  else
    skinData_.InvalidateSkin();
  // The control's own events stand in for the platform's press handling.
  if (m.Msg == WM_KEYDOWN)
    DoKeyDown(m);
  else if (m.Msg == WM_LBUTTONDBLCLK)
    DblClick();
  else
    MouseDown(TMouseButton::mbLeft, KeysToShiftState(m.WParam), GetXParam(m.LParam), GetYParam(m.LParam));
}

void TsRadioButton::Release(TMessage& m) {
  if (readOnly_) return;
  const bool mouse = m.Msg == WM_LBUTTONUP;
  if (mouse && MouseCapture()) SetMouseCapture(false);
  if (pressed_) {
    pressed_ = false;
    // Checking reports the click; an already checked button only looks
    // released again.
    if (checked_)
      LookChanged(kEventMouseUp, TFadeDirection::Out, TFadeLength::Half);
    else
      SetChecked(true);
    if (IsDestroying()) return;
  }
  if (mouse)
    MouseUp(TMouseButton::mbLeft, KeysToShiftState(m.WParam), GetXParam(m.LParam), GetYParam(m.LParam));
  else
    DoKeyUp(m);
}

// --- messages ---

void TsRadioButton::WndProc(TMessage& m) {
  if (HandleSkinCommandsInAnyState(m)) return;
  const bool skinned = skinData_.Skinned(RequireActive::Yes);
  if (skinned && !IsDesigning() && HandleFocusAndMouse(m)) return;
  if (ControlIsReady(*this)) {
    if (SkinCommandCode(m)) {
      if (skinData_.HandleSkinCommand(m)) return;
    } else {
      skinData_.HandlePlainMessage(m);
    }
    if (skinned && HandleSkinned(m)) return;
  }
  // A read-only plain button refuses the platform's check and press requests.
  if (!skinned && readOnly_ && (m.Msg == BM_SETCHECK || m.Msg == BM_SETSTATE)) return;
  TRadioButton::WndProc(m);
}

bool TsRadioButton::HandleSkinCommandsInAnyState(TMessage& m) {
  const bool mine = CommandManager(m) == skinData_.Manager();
  switch (SkinCommandCode(m)) {
    case SKC_NEWSKIN:
      if (mine) {
        StopFade(fadeTimer_, skinData_);
        skinData_.HandleSkinCommand(m);
      }
      return true;
    case SKC_REMOVESKIN:
    case SKC_REFRESH:
      // The plain look paints the check from Checked; nothing to hand back.
      if (mine) {
        StopFade(fadeTimer_, skinData_);
        skinData_.HandleSkinCommand(m);
        Invalidate();
      }
      return true;
    case SKC_ISSKINAWARE:
      m.LParam = 1;
      return true;
    case SKC_STOPFADING:
      // The cache already shows where the fade was going.
      StopFade(fadeTimer_, skinData_);
      Invalidate();
      return true;
    case SKC_PREPARECACHE:
      PrepareCache();
      return false;
    default:
      return false;
  }
}

bool TsRadioButton::HandleFocusAndMouse(TMessage& m) {
  switch (m.Msg) {
    case WM_SETFOCUS:
    case CM_ENTER:
      if (!enabled_) return true;
      TRadioButton::WndProc(m);
      skinData_.BGChanged = true;
      if (fadeTimer_)
        fadeTimer_->Step();
      else
        RepaintNow(*this);
      return true;
    case WM_KILLFOCUS:
    case CM_EXIT:
      if (!enabled_) return false;
      StopFade(fadeTimer_, skinData_);
      TRadioButton::WndProc(m);
      pressed_ = false;
      skinData_.Focused = false;
      skinData_.MouseAbove = false;
      skinData_.InvalidateSkin();
      return true;
    case CM_MOUSEENTER:
      if (enabled_ && !skinData_.MouseAbove) {
        skinData_.MouseAbove = true;
        LookChanged(kEventMouseEnter, TFadeDirection::In, TFadeLength::Full);
      }
      return false;
    case CM_MOUSELEAVE:
      if (enabled_) {
        skinData_.MouseAbove = false;
        pressed_ = false;
        LookChanged(kEventMouseLeave, TFadeDirection::Out, TFadeLength::Full);
      }
      return false;
    default:
      return false;
  }
}

bool TsRadioButton::HandleSkinned(TMessage& m) {
  if (SkinCommandCode(m) == SKC_PARENTPAINTED) {
    if (skinData_.IsUpdating() || skinData_.HalfVisible) {
      skinData_.Updating = false;
      RepaintNow(*this);
    }
    return true;
  }
  const bool spaceKey = static_cast<int>(m.WParam) == VK_SPACE;
  switch (m.Msg) {
    case WM_ENABLE:
    case BM_SETSTATE:
      m.Result = 0;
      return true;
    case WM_ERASEBKGND:
      m.Result = 1;
      return true;
    case WM_PAINT:
      PaintSkinnedWindow(*this, m, [this](HDC dc) { PaintSkinned(dc); });
      return true;
    case WM_PRINT:
      PaintSkinned(reinterpret_cast<HDC>(m.WParam));
      return true;
    case BM_SETCHECK:
      SetChecked(m.WParam == BST_CHECKED);
      m.Result = 0;
      return true;
    case WM_KEYDOWN:
      if (!spaceKey || !enabled_ || IsDesigning()) return false;
      Press(m);
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!enabled_ || IsDesigning()) return false;
      Press(m);
      return true;
    case WM_KEYUP:
      if (!spaceKey || !enabled_) return false;
      Release(m);
      return true;
    case WM_LBUTTONUP:
      if (!enabled_) return false;
      Release(m);
      return true;
    case CM_ENABLEDCHANGED:
      TRadioButton::WndProc(m);
      skinData_.BGChanged = true;
      RepaintNow(*this);
      return true;
    case CM_TEXTCHANGED:
      skinData_.BGChanged = true;
      RepaintNow(*this);
      return true;
    default:
      return false;
  }
}

// --- TsGroupButton ---

TsGroupButton::TsGroupButton(TsRadioGroup* group) : TsRadioButton(group), group_(group) {
  SkinData()->SetSkinSection("RADIOBUTTON");
  SetShowFocus(true);
  SetVisible(false);  // shown once arranged
  SetEnabled(group->Enabled());
  SetTabStop(false);
  SkinData()->SetCustomFont(group->SkinData()->CustomFont());
  SetAnimatEvents(group->AnimatEvents());
  OnClick = [group](TComponent* sender) { group->ItemClick(static_cast<TsGroupButton*>(sender)); };
}

void TsGroupButton::Click() {
  if (inClick_) return;
  TFlagScope clicking(inClick_);
  try {
    if (group_->CanModify()) TsRadioButton::Click();
  } catch (const std::exception& e) {
    if (Application) Application->HandleException(&e);
  }
}

void TsGroupButton::KeyDown(uint16_t& key, TShiftState shift) {
  TsRadioButton::KeyDown(key, shift);
  if (key != 0) group_->ItemKeyDown(key, shift);
}

void TsGroupButton::KeyPress(char32_t& key) {
  TsRadioButton::KeyPress(key);
  if (key != 0) group_->ItemKeyPress(key);
  // Backspace and space would change the choice of a group that refuses it.
  if ((key == U'\b' || key == U' ') && !group_->CanModify()) key = 0;
}
