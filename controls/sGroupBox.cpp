// TsGroupBox: caption geometry, cache, painting and message handling.
#include "controls/sGroupBox.h"

#include <algorithm>

#include "controls/sChildPaint.h"
#include "controls/sWindowPaint.h"
#include "framework/base/SysUtils.h"
#include "skin/sContentPaint.h"
#include "skin/sItemPaint.h"
#include "skin/sMessages.h"
#include "skin/sSkinManager.h"

namespace {

// A group box has no bevels of its own; a caption narrower than two of the
// one-pixel bevels the platform draws elsewhere is widened by one on each
// side so that it still cuts the frame.
constexpr int kBevelWidth = 1;

}  // namespace

TsGroupBox::TsGroupBox(TComponent* owner) : TCustomGroupBox(owner), skinData_(this, true) {
  skinData_.CtrlKind = TsControlKind::GroupBox;
}

void TsGroupBox::AfterConstruction() {
  TCustomGroupBox::AfterConstruction();
  skinData_.SkinDataLoaded();
}

void TsGroupBox::Loaded() {
  TCustomGroupBox::Loaded();
  skinData_.SkinDataLoaded();
}

// --- caption ---

void TsGroupBox::SetCaptionLayout(TCaptionLayout value) {
  if (captionLayout_ == value) return;
  captionLayout_ = value;
  CaptionGeometryChanged();
}

void TsGroupBox::SetCaptionYOffset(int value) {
  if (captionYOffset_ == value) return;
  captionYOffset_ = value;
  CaptionGeometryChanged();
}

void TsGroupBox::SetCaptionSkin(const std::string& value) {
  if (captionSkin_ == value) return;
  captionSkin_ = value;
  skinData_.InvalidateSkin();
}

void TsGroupBox::CaptionGeometryChanged() {
  skinData_.InvalidateSkin();
  Realign();
  Invalidate();
}

TRect TsGroupBox::CaptionRect() const {
  const TFont font = CaptionFont(font_, skinData_);
  const int h = std::max(4, ::TextExtent(font.LogFont(), "W").cy) + 2;
  TRect r;
  if (skinData_.Skinned()) {
    r.Top = captionYOffset_ < 0 ? captionYOffset_ : 0;
    r.Bottom = h + captionYOffset_;
  } else {
    r.Top = 0;
    r.Bottom = h;
  }
  const int textWidth = text_.empty() ? 0 : ::TextExtent(font.LogFont(), text_).cx;
  switch (captionLayout_) {
    case TCaptionLayout::clTopLeft:
      r.Left = 6;
      break;
    case TCaptionLayout::clTopCenter:
      r.Left = (width_ - textWidth - 10) / 2;
      break;
    case TCaptionLayout::clTopRight:
      r.Left = width_ - textWidth - 14;
      break;
  }
  r.Left = std::max(0, r.Left);
  r.Right = std::min(width_, r.Left + textWidth + 8);
  if (r.Width() < 2 * kBevelWidth) {
    r.Left -= kBevelWidth;
    r.Right += kBevelWidth;
  }
  return r;
}

// --- cache and painting ---

void TsGroupBox::PaintCaptionBackground(const TRect& caption, const TCacheInfo& parentCache) {
  TBitmap& cache = *skinData_.CacheBmp;
  TsSkinManager* manager = skinData_.Manager();
  if (!captionSkin_.empty()) {
    // The caption's own section, laid over the frame already in the cache.
    const std::string section = UpperCase(captionSkin_);
    const TsItemSkin item{.Manager = manager, .SkinIndex = manager ? manager->FindSection(section) : -1, .Section = section};
    const TPaintState state = Focused() ? TPaintState::Hot : TPaintState::Normal;
    PaintItemByIndex(item, TCacheInfo{.Bmp = &cache, .X = 0, .Y = 0, .Ready = true}, cache,
                     {.Rect = caption, .Offset = caption.TopLeft(), .State = state}, TBorderCentre::Fill);
    return;
  }
  if (parentCache.Ready || !parent_) {
    const TsItemSkin item{.Manager = manager, .SkinIndex = manager ? manager->FindSection("CHECKBOX") : -1,
                          .Section = "CHECKBOX"};
    PaintItemByIndex(item, parentCache, cache,
                     {.Rect = caption, .Offset = {left_ + caption.Left, top_ + caption.Top}, .State = TPaintState::Normal},
                     TBorderCentre::Fill);
  } else {
    FillRect(cache.Canvas()->Handle(), caption, parent_->Color());
  }
}

void TsGroupBox::PrepareCache() {
  skinData_.InitCacheBmp();
  TBitmap& cache = *skinData_.CacheBmp;
  const TCacheInfo parentCache = skinData_.GetParentCache();
  const TRect caption = CaptionRect();

  // The band behind the caption shows the parent; the frame starts lower.
  if (parentCache.Ready && parentCache.Bmp) {
    DrawBitmap(cache.Canvas()->Handle(), 0, 0, *parentCache.Bmp,
               TRect::FromBounds(parentCache.X + left_, parentCache.Y + top_, width_, caption.Height()));
  } else if (parent_) {
    FillRect(cache.Canvas()->Handle(), {0, 0, width_, caption.Bottom}, parent_->Color());
  }
  const int frameTop = captionYOffset_ < 0 ? 0 : caption.Height() / 2;
  PaintItem(skinData_, parentCache, cache,
            {.Rect = {0, frameTop, width_, height_}, .Offset = {left_, top_ + frameTop}, .State = TPaintState::Normal});

  if (!text_.empty()) {
    PaintCaptionBackground(caption, parentCache);
    WriteTextEx(*cache.Canvas(), text_, {.Enabled = true, .Hot = false}, skinData_,
                DrawTextBiDiModeFlags(DT_CENTER | DT_NOPREFIX), caption);
  }
  // The top corners of the frame sit at the caption line, not at the top of
  // the cache, and were just painted there; only the bottom ones are
  // brought up to date with the parent.
  RefreshCorners(skinData_, TPaintState::Normal, kCornerBottomLeft | kCornerBottomRight);
  skinData_.BGChanged = false;
}

void TsGroupBox::Paint() {
  if (skinData_.Skinned(RequireActive::Yes))
    PaintSkinned(Canvas()->Handle());
  else
    TCustomGroupBox::Paint();
}

void TsGroupBox::PaintSkinned(HDC dc) {
  if (!dc || IsDestroying() || (!Visible() && !IsDesigning())) return;
  skinData_.Updating = skinData_.IsUpdating();
  if (skinData_.Updating) return;
  // A cache always holds the whole picture: being partly hidden is no
  // reason to rebuild it.
  const bool stale = skinData_.BGChanged;
  if (skinData_.BgIsPositionDependent() && parent_) {
    const TRect inParent = parent_->ClientRect();
    skinData_.HalfVisible = !inParent.Contains(TPoint{left_ + 1, top_ + 1}) ||
                            !inParent.Contains(TPoint{left_ + width_ - 1, top_ + height_ - 1});
  } else {
    skinData_.HalfVisible = false;
  }
  if (stale && !skinData_.KeepCache) PrepareCache();
  CopyCacheToDC(skinData_, {0, 0}, {0, 0}, TCacheCorners::AsCached, dc, {0, 0, width_, height_});
  PaintGraphicChildren(*this, dc, {0, 0});
  // Only a paint on screen is a background the children can rely on.
  if (canvas_.HandleAllocated() && canvas_.Handle() == dc) NotifyChildrenParentPainted(this);
}

// --- messages ---

void TsGroupBox::WndProc(TMessage& m) {
  if (HandleSkinCommandsInAnyState(m)) return;
  if (!ControlIsReady(*this) || !skinData_.Skinned()) {
    TCustomGroupBox::WndProc(m);
    return;
  }
  if (HandleSkinned(m)) return;
  if (SkinCommandCode(m)) {
    if (skinData_.HandleSkinCommand(m)) return;
  } else {
    skinData_.HandlePlainMessage(m);
  }
  TCustomGroupBox::WndProc(m);
  if (m.Msg == WM_SIZE && IsDesigning()) RepaintNow(*this);
}

bool TsGroupBox::HandleSkinCommandsInAnyState(TMessage& m) {
  return HandleContainerAnnouncement(*this, skinData_, m, TRemovedSkinRepaint::Now);
}

bool TsGroupBox::HandleSkinned(TMessage& m) {
  switch (SkinCommandCode(m)) {
    case 0:
      break;
    case SKC_PARENTPAINTED:
      skinData_.Updating = false;
      if (Visible() || IsDesigning()) RepaintNow(*this);
      return true;
    case SKC_SETKEEPCACHE:
      skinData_.HandleSkinCommand(m);
      if (skinData_.KeepCache) PrepareCache();
      return true;
    case SKC_GETUPDATING:
      m.LParam = skinData_.BGChanged || skinData_.IsUpdating() ? 1 : 0;
      return true;
    default:
      return false;
  }
  switch (m.Msg) {
    case WM_MOVE:
      skinData_.BGChanged = skinData_.BGChanged || skinData_.BgIsPositionDependent();
      return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TCustomGroupBox::WndProc(m);
      return true;
    case WM_ERASEBKGND:
      // Answered as done: the cache covers the box.
      m.Result = 1;
      return true;
    case WM_WINDOWPOSCHANGED:
    case CM_VISIBLECHANGED:
    case CM_FONTCHANGED:
      skinData_.BGChanged = true;
      return false;
    case WM_PAINT:
      if (!skinData_.Skinned(RequireActive::Yes)) return false;
      // Painted here rather than through Paint, so that the non-windowed
      // children are painted once, over the cache, and not again after it.
      PaintSkinnedWindow(*this, m, [this](HDC dc) { PaintSkinned(dc); });
      return true;
    case WM_PRINT:
      PaintSkinned(reinterpret_cast<HDC>(m.WParam));
      return true;
    case CM_TEXTCHANGED:
      skinData_.InvalidateSkin();
      return true;
    default:
      return false;
  }
}
