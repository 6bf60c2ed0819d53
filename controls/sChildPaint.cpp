#include "controls/sChildPaint.h"

#include <vector>

#include "framework/components/Windows.h"
#include "framework/graphics/Bitmap.h"
#include "skin/pixels/sGraphUtils.h"
#include "skin/sMessages.h"

namespace {

bool PaintedByParent(TControl& child, HDC dc) {
  if (child.IsWindowed() || child.IsDestroying()) return false;
  if (!child.Visible() && !child.IsDesigning()) return false;
  if (child.Width() <= 0 || child.Height() <= 0) return false;
  if (child.ControlStyle().Contains(csNoDesignVisible)) return false;
  return RectVisible(dc, child.BoundsRect());
}

// The container's cache as it answers SKC_GETCACHE, asked straight through
// its message handling so that the answer is this container's own.
TCacheInfo ContainerCache(TWinControl& container) {
  SharedCacheInfo.Ready = false;
  TMessage ask{SM_KAVRACMD, SkinCommandWParam(SKC_GETCACHE), 0, 0};
  container.WindowProc(ask);
  return SharedCacheInfo.Ready ? SharedCacheInfo : TCacheInfo{};
}

// The answer slot must not point at a cache that may be freed before the
// next asker resets it.
struct TCacheSlotReset {
  ~TCacheSlotReset() { SharedCacheInfo.Ready = false; }
};

}  // namespace

void PaintGraphicChildren(TWinControl& container, HDC dc, TPoint offset) {
  if (!dc || (!container.Visible() && !container.IsDesigning()) || container.ControlCount() == 0) return;
  TRect clip;
  if (GetClipBox(dc, &clip) == NULLREGION) {
    if (container.HandleAllocated()) SendSkinCommand(container.Handle(), SKC_SETHALFVISIBLE);
    return;
  }
  if (clip.IsEmpty()) return;

  std::vector<TControl*> children;
  for (int i = 0; i < container.ControlCount(); ++i)
    if (TControl* child = container.Controls(i); PaintedByParent(*child, dc)) children.push_back(child);
  if (children.empty()) return;

  TCacheSlotReset resetSlot;
  const TCacheInfo cache = ContainerCache(container);
  if (!cache.Ready || !cache.Bmp) return;

  TBitmap offscreen(container.Width(), container.Height());
  offscreen.SetPixelFormat(TPixelFormat::pf24bit);
  HDC off = offscreen.Canvas()->Handle();
  for (TControl* child : children) {
    const TRect r = child->BoundsRect();
    if (child->ControlStyle().Contains(csOpaque))
      FillRect(off, r, child->Color());
    else
      DrawBitmap(off, r.Left, r.Top, *cache.Bmp, r.Offset(cache.X, cache.Y));
  }
  for (TControl* child : children) {
    const TRect r = child->BoundsRect();
    if (!clip.Contains(r)) PerformSkinCommand(child, SKC_SETHALFVISIBLE);
    TDCStateGuard state(off);
    MoveWindowOrg(off, r.Left, r.Top);
    IntersectClipRect(off, 0, 0, r.Width(), r.Height());
    child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(off), 0);
  }
  for (TControl* child : children) {
    const TRect r = child->BoundsRect();
    // A child that left its top-left corner in the skin's transparent key
    // colour asks not to be shown this time.
    if (offscreen.Pixel(r.Left, r.Top) == kKeyColor) continue;
    BitBlt(dc, r.Left + offset.X, r.Top + offset.Y, r.Width(), r.Height(), off, r.Left, r.Top, SRCCOPY);
  }
}
