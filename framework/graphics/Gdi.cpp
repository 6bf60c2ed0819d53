// Device contexts: coordinates, saved states and clipping, plus the solid
// fills. Lines and shapes live in GdiShapes.cpp, block transfers in
// GdiBlit.cpp, 3-D edges and frame controls in Gdi3D.cpp.
#include "framework/graphics/Gdi.h"

#include <cstdint>
#include <limits>

#include "framework/graphics/GdiPixels.h"

using namespace gdi_pixels;

namespace {

// Coordinates are clamped well inside int so that offsets and spans computed
// from absurd inputs cannot overflow.
constexpr int kCoordLimit = 1 << 28;

int ClampCoord(int64_t v) {
  return static_cast<int>(std::clamp<int64_t>(v, -kCoordLimit, kCoordLimit));
}

// Stands for "no application clip" when an operation needs a region to
// combine with; far larger than any bitmap.
const TRegion& Everything() {
  static const TRegion everything(TRect{-kCoordLimit, -kCoordLimit, kCoordLimit, kCoordLimit});
  return everything;
}

int RegionKind(const TRegion& rgn) {
  if (rgn.IsEmpty()) return NULLREGION;
  return rgn.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

TRect Normalized(const TRect& r) {
  return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
          std::max(r.Top, r.Bottom)};
}

}  // namespace

// --- TDeviceContext ---

TDeviceContext::TDeviceContext(TBitmap* target, TPoint deviceOrigin, std::optional<TRegion> systemClip)
    : target_(target), deviceOrigin_(deviceOrigin), systemClip_(std::move(systemClip)) {
  UpdateClip();
}

TPoint TDeviceContext::ToTarget(TPoint logical) const {
  return {ClampCoord(int64_t{deviceOrigin_.X} + logical.X - state_.WindowOrg.X + state_.ViewportOrg.X),
          ClampCoord(int64_t{deviceOrigin_.Y} + logical.Y - state_.WindowOrg.Y + state_.ViewportOrg.Y)};
}

TRect TDeviceContext::ToTarget(const TRect& logical) const {
  const TPoint a = ToTarget(logical.TopLeft());
  const TPoint b = ToTarget(logical.BottomRight());
  return {a.X, a.Y, b.X, b.Y};
}

TPoint TDeviceContext::FromTarget(TPoint target) const {
  return {ClampCoord(int64_t{target.X} - deviceOrigin_.X + state_.WindowOrg.X - state_.ViewportOrg.X),
          ClampCoord(int64_t{target.Y} - deviceOrigin_.Y + state_.WindowOrg.Y - state_.ViewportOrg.Y)};
}

TRect TDeviceContext::FromTarget(const TRect& target) const {
  const TPoint a = FromTarget(target.TopLeft());
  const TPoint b = FromTarget(target.BottomRight());
  return {a.X, a.Y, b.X, b.Y};
}

const TRegion& TDeviceContext::EffectiveClip() const {
  const TSize size = target_ ? TSize{target_->Width(), target_->Height()} : TSize{0, 0};
  if (size != clipBuiltFor_) {
    TRegion clip(TRect{0, 0, size.cx, size.cy});
    if (systemClip_) clip = clip.Intersect(*systemClip_);
    if (state_.AppClip) clip = clip.Intersect(*state_.AppClip);
    effectiveClip_ = std::move(clip);
    clipBuiltFor_ = size;
  }
  return effectiveClip_;
}

// Built when next asked: a state saved and restored around a drawing that
// never asks costs no region algebra.
void TDeviceContext::UpdateClip() { clipBuiltFor_ = {-1, -1}; }

void TDeviceContext::SetSystemClip(std::optional<TRegion> clip) {
  systemClip_ = std::move(clip);
  UpdateClip();
}

int TDeviceContext::Save() {
  saved_.push_back(state_);
  return static_cast<int>(saved_.size());
}

bool TDeviceContext::Restore(int savedIndex) {
  const int count = static_cast<int>(saved_.size());
  const int index = savedIndex < 0 ? count + 1 + savedIndex : savedIndex;
  if (index < 1 || index > count) return false;
  state_ = std::move(saved_[static_cast<size_t>(index - 1)]);
  saved_.resize(static_cast<size_t>(index - 1));
  UpdateClip();
  return true;
}

// --- state ---

int SaveDC(HDC dc) { return dc ? dc->Save() : 0; }

bool RestoreDC(HDC dc, int savedIndex) { return dc && dc->Restore(savedIndex); }

bool SetWindowOrgEx(HDC dc, int x, int y, TPoint* old) {
  if (!dc) return false;
  if (old) *old = dc->Current().WindowOrg;
  dc->Current().WindowOrg = {ClampCoord(x), ClampCoord(y)};
  return true;
}

bool GetWindowOrgEx(HDC dc, TPoint* org) {
  if (!dc || !org) return false;
  *org = dc->Current().WindowOrg;
  return true;
}

bool OffsetWindowOrgEx(HDC dc, int dx, int dy, TPoint* old) {
  if (!dc) return false;
  const TPoint o = dc->Current().WindowOrg;
  return SetWindowOrgEx(dc, ClampCoord(int64_t{o.X} + dx), ClampCoord(int64_t{o.Y} + dy), old);
}

bool SetViewportOrgEx(HDC dc, int x, int y, TPoint* old) {
  if (!dc) return false;
  if (old) *old = dc->Current().ViewportOrg;
  dc->Current().ViewportOrg = {ClampCoord(x), ClampCoord(y)};
  return true;
}

bool GetViewportOrgEx(HDC dc, TPoint* org) {
  if (!dc || !org) return false;
  *org = dc->Current().ViewportOrg;
  return true;
}

bool OffsetViewportOrgEx(HDC dc, int dx, int dy, TPoint* old) {
  if (!dc) return false;
  const TPoint o = dc->Current().ViewportOrg;
  return SetViewportOrgEx(dc, ClampCoord(int64_t{o.X} + dx), ClampCoord(int64_t{o.Y} + dy), old);
}

void MoveWindowOrg(HDC dc, int dx, int dy) {
  if (!dc) return;
  const TPoint o = dc->Current().WindowOrg;
  SetWindowOrgEx(dc, ClampCoord(int64_t{o.X} - dx), ClampCoord(int64_t{o.Y} - dy));
}

// --- clipping ---

namespace {

int SetAppClip(HDC dc, TRegion clip) {
  dc->Current().AppClip = std::move(clip);
  dc->UpdateClip();
  return RegionKind(dc->EffectiveClip());
}

const TRegion& AppClipOrEverything(HDC dc) {
  return dc->Current().AppClip ? *dc->Current().AppClip : Everything();
}

}  // namespace

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
  if (!dc) return ERROR_REGION;
  const TRect r = Normalized(dc->ToTarget(TRect{left, top, right, bottom}));
  return SetAppClip(dc, AppClipOrEverything(dc).Intersect(r));
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
  if (!dc) return ERROR_REGION;
  const TRect r = Normalized(dc->ToTarget(TRect{left, top, right, bottom}));
  return SetAppClip(dc, AppClipOrEverything(dc).Subtract(r));
}

int SelectClipRgn(HDC dc, const TRegion* rgn) { return ExtSelectClipRgn(dc, rgn, RGN_COPY); }

int ExtSelectClipRgn(HDC dc, const TRegion* rgn, int mode) {
  if (!dc) return ERROR_REGION;
  if (!rgn) {
    // Only a copy may remove the clip; combining with nothing is an error.
    if (mode != RGN_COPY) return ERROR_REGION;
    dc->Current().AppClip.reset();
    dc->UpdateClip();
    return RegionKind(dc->EffectiveClip());
  }
  const TPoint o = dc->DeviceOrigin();
  const TRegion r = rgn->Offset(o.X, o.Y);
  const TRegion& current = AppClipOrEverything(dc);
  switch (mode) {
    case RGN_COPY: return SetAppClip(dc, r);
    case RGN_AND: return SetAppClip(dc, current.Intersect(r));
    case RGN_OR: return SetAppClip(dc, current.Union(r));
    case RGN_XOR: return SetAppClip(dc, current.Xor(r));
    case RGN_DIFF: return SetAppClip(dc, current.Subtract(r));
    default: return ERROR_REGION;
  }
}

int GetClipRgn(HDC dc, TRegion* rgn) {
  if (!dc || !rgn) return -1;
  if (!dc->Current().AppClip) {
    rgn->Clear();
    return 0;
  }
  const TPoint o = dc->DeviceOrigin();
  *rgn = dc->Current().AppClip->Offset(-o.X, -o.Y);
  return 1;
}

int GetClipBox(HDC dc, TRect* rect) {
  if (!dc || !rect) return ERROR_REGION;
  const TRegion& clip = dc->EffectiveClip();
  *rect = clip.IsEmpty() ? TRect{} : dc->FromTarget(clip.Bounds());
  return RegionKind(clip);
}

bool RectVisible(HDC dc, const TRect& rect) {
  return dc && dc->EffectiveClip().Intersects(Normalized(dc->ToTarget(rect)));
}

bool PtVisible(HDC dc, int x, int y) { return dc && dc->EffectiveClip().Contains(dc->ToTarget(TPoint{x, y})); }

// --- solid drawing ---

namespace gdi_pixels {

void FillTargetRect(HDC dc, const TRect& target, TRgb c) {
  if (!Drawable(dc)) return;
  TBitmap& bm = *dc->Target();
  ForEachClipRect(dc->EffectiveClip(), target, [&](const TRect& part) {
    uint8_t* first = Row(bm, part.Top);
    FillSpan(first, part.Left, part.Right, c);
    const size_t offset = static_cast<size_t>(part.Left) * 3;
    const size_t bytes = static_cast<size_t>(part.Width()) * 3;
    for (int y = part.Top + 1; y < part.Bottom; ++y) std::memcpy(Row(bm, y) + offset, first + offset, bytes);
  });
}

void FillTargetSpan(HDC dc, int y, int x0, int x1, TRgb c) {
  if (!Drawable(dc)) return;
  TBitmap& bm = *dc->Target();
  ForEachClipSpan(dc->EffectiveClip(), y, x0, x1, [&](int a, int b) { FillSpan(Row(bm, y), a, b, c); });
}

}  // namespace gdi_pixels

void FillRect(HDC dc, const TRect& rect, TColor color) {
  if (!Drawable(dc) || rect.IsEmpty()) return;
  FillTargetRect(dc, dc->ToTarget(rect), ToRgb(color));
  dc->Target()->Touch();
}

void FillRgn(HDC dc, const TRegion& rgn, TColor color) {
  if (!Drawable(dc) || rgn.IsEmpty()) return;
  const TPoint shift = dc->ToTarget(TPoint{0, 0});
  const TRegion area = rgn.Offset(shift.X, shift.Y).Intersect(dc->EffectiveClip());
  const TRgb c = ToRgb(color);
  TBitmap& bm = *dc->Target();
  for (const TRect& r : area.Rects())
    for (int y = r.Top; y < r.Bottom; ++y) FillSpan(Row(bm, y), r.Left, r.Right, c);
  bm.Touch();
}

void FrameRect(HDC dc, const TRect& rect, TColor color) {
  if (!Drawable(dc) || rect.IsEmpty()) return;
  const TRect t = dc->ToTarget(rect);
  const TRgb c = ToRgb(color);
  FillTargetRect(dc, {t.Left, t.Top, t.Right, t.Top + 1}, c);
  FillTargetRect(dc, {t.Left, t.Bottom - 1, t.Right, t.Bottom}, c);
  FillTargetRect(dc, {t.Left, t.Top + 1, t.Left + 1, t.Bottom - 1}, c);
  FillTargetRect(dc, {t.Right - 1, t.Top + 1, t.Right, t.Bottom - 1}, c);
  dc->Target()->Touch();
}

void InvertRect(HDC dc, const TRect& rect) {
  if (!Drawable(dc) || rect.IsEmpty()) return;
  TBitmap& bm = *dc->Target();
  ForEachClipRect(dc->EffectiveClip(), dc->ToTarget(rect), [&](const TRect& part) {
    for (int y = part.Top; y < part.Bottom; ++y) InvertSpan(Row(bm, y), part.Left, part.Right);
  });
  bm.Touch();
}

void DrawFocusRect(HDC dc, const TRect& rect) {
  if (!Drawable(dc) || rect.IsEmpty()) return;
  const TRect t = dc->ToTarget(rect);
  TBitmap& bm = *dc->Target();
  // The four sides never overlap, so each pixel is inverted at most once and
  // a second call puts everything back. The dots are counted from the
  // rectangle's corner so the top-left pixel is always lit.
  const TRect sides[4] = {
      {t.Left, t.Top, t.Right, t.Top + 1},
      {t.Left, std::max(t.Top + 1, t.Bottom - 1), t.Right, t.Bottom},
      {t.Left, t.Top + 1, t.Left + 1, t.Bottom - 1},
      {std::max(t.Left + 1, t.Right - 1), t.Top + 1, t.Right, t.Bottom - 1},
  };
  for (const TRect& side : sides) {
    ForEachClipRect(dc->EffectiveClip(), side, [&](const TRect& part) {
      for (int y = part.Top; y < part.Bottom; ++y) {
        uint8_t* row = Row(bm, y);
        int x = part.Left;
        if (((x - t.Left) + (y - t.Top)) & 1) ++x;
        for (; x < part.Right; x += 2) InvertSpan(row, x, x + 1);
      }
    });
  }
  bm.Touch();
}

TColor SetPixel(HDC dc, int x, int y, TColor color) {
  if (!Drawable(dc)) return clNone;
  const TPoint p = dc->ToTarget(TPoint{x, y});
  if (!dc->EffectiveClip().Contains(p)) return clNone;
  const TRgb c = ToRgb(color);
  FillSpan(Row(*dc->Target(), p.Y), p.X, p.X + 1, c);
  dc->Target()->Touch();
  return RGB(c.R, c.G, c.B);
}

TColor GetPixel(HDC dc, int x, int y) {
  if (!dc || !dc->Target()) return clNone;
  const TPoint p = dc->ToTarget(TPoint{x, y});
  return dc->Target()->Pixel(p.X, p.Y);
}

// --- pens and brushes ---

void SetPen(HDC dc, TColor color, int width, TPenStyle style) {
  if (!dc) return;
  auto& s = dc->Current();
  s.PenColor = color;
  s.PenWidth = std::clamp(width, 1, 1024);
  s.PenStyle = style;
}

void SetBrush(HDC dc, TColor color, TBrushStyle style) {
  if (!dc) return;
  dc->Current().BrushColor = color;
  dc->Current().BrushStyle = style;
}
