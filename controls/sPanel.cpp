#include "controls/sPanel.h"

#include "controls/sChildPaint.h"
#include "controls/sWindowPaint.h"
#include "skin/sContentPaint.h"
#include "skin/sItemPaint.h"
#include "skin/sMessages.h"

TsPanel::TsPanel(TComponent* owner) : TCustomPanel(owner), skinData_(this, true) {
  // The cache covers every pixel, so nothing under the panel needs painting.
  controlStyle_.Include(csOpaque);
  skinData_.CtrlKind = TsControlKind::Panel;
}

void TsPanel::AfterConstruction() {
  TCustomPanel::AfterConstruction();
  skinData_.SkinDataLoaded();
}

void TsPanel::Loaded() {
  TCustomPanel::Loaded();
  skinData_.SkinDataLoaded();
}

// --- painting ---

void TsPanel::Paint() {
  // Only the plain panel comes here; the skinned one paints from its cache.
  if (OnPaint && !IsLoading())
    OnPaint(this, Canvas());
  else
    TCustomPanel::Paint();
}

void TsPanel::PaintWindow(HDC dc) {
  // Reached when someone prints the client area into a DC of their own.
  // The windowed children are not told: what was painted is not on screen.
  if (skinData_.Skinned())
    PaintPanel(dc, TChildNotice::None);
  else
    TCustomPanel::PaintWindow(dc);
}

void TsPanel::PrepareCache() {
  skinData_.InitCacheBmp();
  const TCacheInfo parentCache = skinData_.GetParentCache();
  PaintItem(skinData_, parentCache, *skinData_.CacheBmp,
            {.Rect = {0, 0, width_, height_}, .Offset = {left_, top_}, .State = TPaintState::Normal});
  PaintCaption(ClientRect());
  if (OnPaint) OnPaint(this, skinData_.CacheBmp->Canvas());
  skinData_.BGChanged = false;
}

void TsPanel::PaintCaption(const TRect& rect) {
  if (text_.empty()) return;
  TCanvas& canvas = *skinData_.CacheBmp->Canvas();
  *canvas.Font() = CaptionFont(font_, skinData_);
  canvas.Brush()->SetStyle(TBrushStyle::bsClear);
  // One line high, whatever the text: the height of "W" places it, so that
  // captions with and without descenders sit on the same line.
  const int h = canvas.TextHeight("W");
  TRect r = rect;
  r.Top = (rect.Top + rect.Bottom - h) / 2;
  r.Bottom = r.Top + h;
  WriteTextEx(canvas, text_, {.Enabled = enabled_, .Hot = false}, skinData_, CaptionFormat(), r);
}

void TsPanel::PaintPanel(HDC dc, TChildNotice notice) {
  if (IsDestroying() || !skinData_.Skinned()) return;
  if (parent_ && parent_->ControlState().Contains(csCreating)) return;
  // While an ancestor is being updated the panel waits for its
  // SKC_PARENTPAINTED (or a later paint) instead of showing a stale picture.
  skinData_.Updating = skinData_.IsUpdating();
  if (skinData_.Updating) return;
  // Whether the panel lies partly outside the window is noted for its
  // children, but is no reason to rebuild: the cache always holds the
  // whole picture.
  const bool stale = skinData_.BGChanged;
  if (!dc) dc = Canvas()->Handle();
  if (!dc) return;
  if (skinData_.BgIsPositionDependent()) {
    TRect clip;
    GetClipBox(dc, &clip);
    skinData_.HalfVisible = clip.Width() != width_ || clip.Height() != height_;
  } else {
    skinData_.HalfVisible = false;
  }
  if (stale && !skinData_.KeepCache) PrepareCache();
  CopyCacheToDC(skinData_, {0, 0}, {0, 0}, TCacheCorners::AsCached, dc, {0, 0, width_, height_});
  PaintGraphicChildren(*this, dc, {0, 0});
  if (notice == TChildNotice::ParentPainted) NotifyChildrenParentPainted(this);
}

void TsPanel::PrintSkinned(TMessage& m) {
  skinData_.Updating = false;
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  if (!dc) return;
  if (skinData_.BGChanged) {
    PrepareCache();
    if (OnPaint) OnPaint(this, skinData_.CacheBmp->Canvas());
  }
  RefreshCorners(skinData_, TPaintState::Normal, kAllCorners);
  PaintPanel(dc, TChildNotice::None);
  // The windowed children print themselves, as from any window.
  if (m.LParam & PRF_CHILDREN) {
    TMessage children{WM_PRINT, m.WParam, m.LParam & PRF_CHILDREN, 0};
    TCustomPanel::WndProc(children);
  }
}

// --- messages ---

void TsPanel::WndProc(TMessage& m) {
  if (HandleSkinCommandsInAnyState(m)) return;
  const bool skinned = ControlIsReady(*this) && skinData_.Skinned();
  if (skinned ? HandleSkinned(m) : HandleUnskinned(m)) return;
  if (m.Msg == CM_MOUSEENTER && OnMouseEnter) OnMouseEnter(this);
  if (m.Msg == CM_MOUSELEAVE && OnMouseLeave) OnMouseLeave(this);
}

// The announcements reach the panel whether or not it is skinned or can be
// painted; a removed skin shows at the next paint.
bool TsPanel::HandleSkinCommandsInAnyState(TMessage& m) {
  return HandleContainerAnnouncement(*this, skinData_, m, TRemovedSkinRepaint::Later);
}

bool TsPanel::HandleSkinned(TMessage& m) {
  if (const uint16_t code = SkinCommandCode(m)) {
    switch (code) {
      case SKC_PARENTPAINTED:
        skinData_.Updating = false;
        RedrawWindow(Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        return true;
      case SKC_SETKEEPCACHE:
        skinData_.HandleSkinCommand(m);
        if (skinData_.KeepCache) PrepareCache();
        return true;
      case SKC_GETUPDATING:
        m.LParam = skinData_.BGChanged || skinData_.IsUpdating() ? 1 : 0;
        return true;
      default:
        skinData_.HandleSkinCommand(m);
        return true;
    }
  }
  switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TCustomPanel::WndProc(m);
      return true;
    case WM_PAINT:
      if (!Visible() && !IsDesigning()) {
        TCustomPanel::WndProc(m);
        return true;
      }
      PaintSkinnedWindow(*this, m, [this](HDC dc) { PaintPanel(dc, TChildNotice::ParentPainted); });
      return true;
    case WM_ERASEBKGND:
      // The cache covers the whole panel; erasing would only flicker.
      m.Result = 1;
      return true;
    case WM_PRINT:
      PrintSkinned(m);
      return true;
    case CM_VISIBLECHANGED:
      skinData_.BGChanged = true;
      skinData_.Updating = false;
      RepaintNow(*this);
      TCustomPanel::WndProc(m);
      return true;
    case CM_TEXTCHANGED:
      // The caption lives in the cache; the plain panel's repaint is not wanted.
      if (HasParent()) skinData_.InvalidateSkin();
      return true;
    default:
      skinData_.HandlePlainMessage(m);
      TCustomPanel::WndProc(m);
      if (m.Msg == CM_FONTCHANGED && !text_.empty() && !IsDestroying()) {
        skinData_.BGChanged = true;
        RepaintNow(*this);
      }
      return false;
  }
}

bool TsPanel::HandleUnskinned(TMessage& m) {
  // A panel with OnPaint draws everything itself; erasing first would flicker.
  if (m.Msg == WM_ERASEBKGND && OnPaint) {
    m.Result = 1;
    return true;
  }
  // Printing goes the framework's way, through Paint and so through OnPaint.
  TCustomPanel::WndProc(m);
  return false;
}
