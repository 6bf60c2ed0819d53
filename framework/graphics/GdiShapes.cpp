// Lines and shapes with the DC's current pen and brush.
#include <cmath>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "framework/graphics/Gdi.h"
#include "framework/graphics/GdiPixels.h"

using namespace gdi_pixels;

namespace {

// On/off run lengths of the styled pens, in pixels along the line.
struct TDashPattern {
  int Runs[4];
  int Count;
};

const TDashPattern* PatternOf(TPenStyle style) {
  static constexpr TDashPattern dash{{18, 6, 0, 0}, 2};
  static constexpr TDashPattern dot{{3, 3, 0, 0}, 2};
  static constexpr TDashPattern dashDot{{9, 6, 3, 6}, 4};
  switch (style) {
    case TPenStyle::psDash: return &dash;
    case TPenStyle::psDot: return &dot;
    case TPenStyle::psDashDot: return &dashDot;
    default: return nullptr;
  }
}

// Plots pen pixels in target coordinates through the clip. A wide pen is a
// square nib centred on the line. A styled pen's pattern runs on across the
// segments drawn with one plotter.
class TPenPlotter {
 public:
  explicit TPenPlotter(HDC dc)
      : dc_(dc),
        bitmap_(*dc->Target()),
        clip_(dc->EffectiveClip()),
        bounds_(clip_.Bounds()),
        color_(ToRgb(dc->Current().PenColor)),
        width_(dc->Current().PenWidth),
        pattern_(width_ == 1 ? PatternOf(dc->Current().PenStyle) : nullptr) {
    if (clip_.Rects().size() == 1) simple_ = &clip_.Rects().front();
    if (pattern_)
      for (int k = 0; k < pattern_->Count; ++k) period_ += pattern_->Runs[k];
  }

  // The next pixel of the outline.
  void PlotNext(int x, int y) { Plot(x, y, phase_++); }

  // From a to b, leaving out b. The minor coordinate of step i is computed
  // directly (rounded to nearest), so a long line far outside the clip costs
  // only the steps that can be seen.
  void Line(TPoint a, TPoint b) {
    const int64_t dx = int64_t{b.X} - a.X, dy = int64_t{b.Y} - a.Y;
    const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const int64_t n = std::max(adx, ady);
    if (n == 0) return;
    const bool xMajor = adx >= ady;
    const int64_t major0 = xMajor ? a.X : a.Y, minor0 = xMajor ? a.Y : a.X;
    const int64_t majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1, minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const int64_t minorLen = xMajor ? ady : adx;
    // Steps whose major coordinate can touch the clip, nib included.
    const int64_t lo = (xMajor ? bounds_.Left : bounds_.Top) - width_;
    const int64_t hi = (xMajor ? bounds_.Right : bounds_.Bottom) + width_;
    int64_t first = majorStep > 0 ? lo - major0 : major0 - hi + 1;
    int64_t last = majorStep > 0 ? hi - major0 : major0 - lo + 1;  // exclusive
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, n);
    for (int64_t i = first; i < last; ++i) {
      const int64_t major = major0 + majorStep * i;
      const int64_t minor = minor0 + minorStep * ((2 * i * minorLen + n) / (2 * n));
      const int x = static_cast<int>(xMajor ? major : minor), y = static_cast<int>(xMajor ? minor : major);
      Plot(x, y, phase_ + i);
    }
    phase_ += n;
  }

 private:
  void Plot(int x, int y, int64_t phase) {
    if (pattern_ && !PatternOn(phase)) return;
    if (width_ == 1) {
      const bool visible = simple_ ? simple_->Contains(TPoint{x, y}) : clip_.Contains(TPoint{x, y});
      if (visible) FillSpan(Row(bitmap_, y), x, x + 1, color_);
      return;
    }
    const int half = (width_ - 1) / 2;
    FillTargetRect(dc_, TRect{x - half, y - half, x - half + width_, y - half + width_}, color_);
  }

  bool PatternOn(int64_t phase) const {
    int64_t pos = phase % period_;
    for (int k = 0; k < pattern_->Count; ++k) {
      if (pos < pattern_->Runs[k]) return (k & 1) == 0;
      pos -= pattern_->Runs[k];
    }
    return false;
  }

  HDC dc_;
  TBitmap& bitmap_;
  const TRegion& clip_;
  TRect bounds_;
  TRgb color_;
  int width_;
  const TDashPattern* pattern_;
  const TRect* simple_ = nullptr;
  int period_ = 0;
  int64_t phase_ = 0;
};

bool PenVisible(HDC dc) { return dc->Current().PenStyle != TPenStyle::psClear; }
bool BrushVisible(HDC dc) { return dc->Current().BrushStyle != TBrushStyle::bsClear; }

TRect NormalizedTarget(HDC dc, int left, int top, int right, int bottom) {
  const TRect t = dc->ToTarget(TRect{left, top, right, bottom});
  return {std::min(t.Left, t.Right), std::min(t.Top, t.Bottom), std::max(t.Left, t.Right), std::max(t.Top, t.Bottom)};
}

int64_t ISqrt(int64_t v) {
  if (v <= 0) return 0;
  int64_t r = static_cast<int64_t>(std::sqrt(static_cast<double>(v)));
  while (r > 0 && r * r > v) --r;
  while ((r + 1) * (r + 1) <= v) ++r;
  return r;
}

}  // namespace

namespace gdi_pixels {

bool EllipseSpan(int w, int h, int row, int& x0, int& x1) {
  if (w <= 0 || h <= 0 || row < 0 || row >= h) return false;
  // With X = 2x + 1 - w and Y = 2y + 1 - h (doubled offsets of the pixel
  // centre from the ellipse centre) a pixel is inside when
  // X^2 h^2 + Y^2 w^2 <= w^2 h^2. Exact integers keep the shape symmetric.
  using i128 = __int128;
  const i128 W = w, H = h, Y = 2 * static_cast<int64_t>(row) + 1 - h;
  const i128 rhs = W * W * H * H - Y * Y * W * W;
  if (rhs < 0) return false;
  int64_t xMax = ISqrt(static_cast<int64_t>(rhs / (H * H)));
  // X has the parity of w + 1.
  if (((xMax + w + 1) & 1) != 0) --xMax;
  if (xMax < 0) return false;
  x0 = static_cast<int>((w - 1 - xMax) / 2);
  x1 = static_cast<int>((w - 1 + xMax) / 2 + 1);
  return true;
}

void EllipseInterior(int w, int h, int row, int x0, int x1, int& i0, int& i1) {
  // A pixel is on the boundary when a 4-neighbour is outside; keeping the
  // boundary exactly one pixel wide makes the outline closed and thin.
  i0 = x0 + 1;
  i1 = x1 - 1;
  int u0, u1, d0, d1;
  if (EllipseSpan(w, h, row - 1, u0, u1) && EllipseSpan(w, h, row + 1, d0, d1)) {
    i0 = std::max({i0, u0, d0});
    i1 = std::min({i1, u1, d1});
  } else {
    i1 = i0;
  }
}

}  // namespace gdi_pixels

bool MoveToEx(HDC dc, int x, int y, TPoint* old) {
  if (!dc) return false;
  if (old) *old = dc->Current().PenPos;
  dc->Current().PenPos = {x, y};
  return true;
}

bool LineTo(HDC dc, int x, int y) {
  if (!dc) return false;
  const TPoint from = dc->Current().PenPos;
  dc->Current().PenPos = {x, y};
  if (!Drawable(dc) || !PenVisible(dc)) return true;
  TPenPlotter pen(dc);
  pen.Line(dc->ToTarget(from), dc->ToTarget(TPoint{x, y}));
  dc->Target()->Touch();
  return true;
}

bool Polyline(HDC dc, const std::vector<TPoint>& points) {
  if (!dc || points.size() < 2) return false;
  if (!Drawable(dc) || !PenVisible(dc)) return true;
  TPenPlotter pen(dc);
  for (size_t i = 1; i < points.size(); ++i) pen.Line(dc->ToTarget(points[i - 1]), dc->ToTarget(points[i]));
  dc->Target()->Touch();
  return true;
}

bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
  if (!dc) return false;
  if (!Drawable(dc)) return true;
  const TRect t = NormalizedTarget(dc, left, top, right, bottom);
  if (t.IsEmpty()) return true;
  const auto& s = dc->Current();
  const int w = PenVisible(dc) ? std::min({s.PenWidth, (t.Width() + 1) / 2, (t.Height() + 1) / 2}) : 0;
  if (BrushVisible(dc)) FillTargetRect(dc, t.Inflate(-w, -w), ToRgb(s.BrushColor));
  if (w > 0) {
    if (s.PenStyle == TPenStyle::psSolid || s.PenWidth > 1) {
      const TRgb c = ToRgb(s.PenColor);
      FillTargetRect(dc, {t.Left, t.Top, t.Right, t.Top + w}, c);
      FillTargetRect(dc, {t.Left, t.Bottom - w, t.Right, t.Bottom}, c);
      FillTargetRect(dc, {t.Left, t.Top + w, t.Left + w, t.Bottom - w}, c);
      FillTargetRect(dc, {t.Right - w, t.Top + w, t.Right, t.Bottom - w}, c);
    } else {
      // A styled outline runs once around, so the pattern continues at corners.
      TPenPlotter pen(dc);
      const TPoint tl{t.Left, t.Top}, tr{t.Right - 1, t.Top}, br{t.Right - 1, t.Bottom - 1}, bl{t.Left, t.Bottom - 1};
      if (t.Width() == 1 || t.Height() == 1) {
        pen.Line(tl, br);
        pen.PlotNext(br.X, br.Y);
      } else {
        pen.Line(tl, tr);
        pen.Line(tr, br);
        pen.Line(br, bl);
        pen.Line(bl, tl);
      }
    }
  }
  dc->Target()->Touch();
  return true;
}

bool Ellipse(HDC dc, int left, int top, int right, int bottom) {
  if (!dc) return false;
  if (!Drawable(dc)) return true;
  const TRect t = NormalizedTarget(dc, left, top, right, bottom);
  if (t.IsEmpty()) return true;
  const auto& s = dc->Current();
  const int W = t.Width(), H = t.Height();
  const bool pen = PenVisible(dc), brush = BrushVisible(dc);
  const int pw = std::max(1, s.PenWidth);
  const TRgb penColor = ToRgb(s.PenColor), brushColor = ToRgb(s.BrushColor);
  const TRect rows = t.Intersect(dc->EffectiveClip().Bounds());
  for (int y = rows.Top; y < rows.Bottom; ++y) {
    const int r = y - t.Top;
    int x0, x1;
    if (!EllipseSpan(W, H, r, x0, x1)) continue;
    if (!pen) {
      if (brush) FillTargetSpan(dc, y, t.Left + x0, t.Left + x1, brushColor);
      continue;
    }
    // The interior: off the one-pixel boundary and inside the ellipse shrunk
    // by the pen width. The rest of the row is pen.
    int i0, i1;
    EllipseInterior(W, H, r, x0, x1, i0, i1);
    if (pw > 1) {
      int n0, n1;
      if (EllipseSpan(W - 2 * pw, H - 2 * pw, r - pw, n0, n1)) {
        i0 = std::max(i0, n0 + pw);
        i1 = std::min(i1, n1 + pw);
      } else {
        i1 = i0;
      }
    }
    if (i0 >= i1) {
      FillTargetSpan(dc, y, t.Left + x0, t.Left + x1, penColor);
      continue;
    }
    FillTargetSpan(dc, y, t.Left + x0, t.Left + i0, penColor);
    if (brush) FillTargetSpan(dc, y, t.Left + i0, t.Left + i1, brushColor);
    FillTargetSpan(dc, y, t.Left + i1, t.Left + x1, penColor);
  }
  dc->Target()->Touch();
  return true;
}

bool Polygon(HDC dc, const std::vector<TPoint>& points) {
  if (!dc || points.size() < 2) return false;
  if (!Drawable(dc)) return true;
  std::vector<TPoint> pts;
  pts.reserve(points.size());
  for (const TPoint& p : points) pts.push_back(dc->ToTarget(p));
  if (BrushVisible(dc)) {
    int minY = pts.front().Y, maxY = pts.front().Y;
    for (const TPoint& p : pts) {
      minY = std::min(minY, p.Y);
      maxY = std::max(maxY, p.Y);
    }
    const TRect clipBox = dc->EffectiveClip().Bounds();
    minY = std::max(minY, clipBox.Top);
    maxY = std::min(maxY, clipBox.Bottom);
    const TRgb c = ToRgb(dc->Current().BrushColor);
    std::vector<double> xs;
    // Even-odd rule, sampled at pixel centres: a pixel is filled when its
    // centre lies left of an odd number of edge crossings.
    for (int y = minY; y < maxY; ++y) {
      const double yc = y + 0.5;
      xs.clear();
      for (size_t i = 0; i < pts.size(); ++i) {
        const TPoint p = pts[i], q = pts[(i + 1) % pts.size()];
        if (p.Y == q.Y) continue;
        if ((yc > p.Y) != (yc > q.Y))
          xs.push_back(p.X + (yc - p.Y) * static_cast<double>(q.X - p.X) / static_cast<double>(q.Y - p.Y));
      }
      std::sort(xs.begin(), xs.end());
      for (size_t k = 0; k + 1 < xs.size(); k += 2) {
        const int x0 = static_cast<int>(std::ceil(xs[k] - 0.5));
        const int x1 = static_cast<int>(std::ceil(xs[k + 1] - 0.5));
        FillTargetSpan(dc, y, std::max(x0, clipBox.Left), std::min(x1, clipBox.Right), c);
      }
    }
  }
  if (PenVisible(dc)) {
    TPenPlotter pen(dc);
    for (size_t i = 0; i < pts.size(); ++i) pen.Line(pts[i], pts[(i + 1) % pts.size()]);
  }
  dc->Target()->Touch();
  return true;
}
