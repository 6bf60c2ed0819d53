// Gradient fills: rectangles shaded along one axis and Gouraud-shaded
// triangles.
//
// Everything is sampled at pixel centres in exact integer arithmetic. Target
// coordinates are doubled so that a pixel centre (x + 0.5, y + 0.5) becomes
// the integer point (2x + 1, 2y + 1); ToTarget clamps coordinates to 2^28,
// so doubled differences stay below 2^30 and the edge functions below 2^61.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "framework/graphics/Gdi.h"
#include "framework/graphics/GdiPixels.h"

using namespace gdi_pixels;

namespace {

using i128 = __int128;

// Floor division for a positive divisor.
int64_t FloorDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  if (a % b != 0 && a < 0) --q;
  return q;
}

i128 FloorDiv128(i128 a, i128 b) {
  i128 q = a / b;
  if (a % b != 0 && a < 0) --q;
  return q;
}

// A 16-bit channel value to the byte it stands for.
uint8_t ToByte(int64_t v) { return static_cast<uint8_t>(std::clamp<int64_t>(v, 0, 0xFFFF) >> 8); }

// --- rectangles ---

// One channel interpolated between the centres of the first and last pixel
// edge: pixel i of n takes c0 + (c1 - c0) * (2i + 1) / 2n, rounded.
uint8_t RampAt(int64_t c0, int64_t c1, int64_t i, int64_t n) {
  const int64_t num = (c1 - c0) * (2 * i + 1);
  return ToByte(c0 + FloorDiv(2 * num + 2 * n, 4 * n));
}

void FillGradientRect(HDC dc, const TRIVERTEX& a, const TRIVERTEX& b, bool horizontal) {
  const TPoint pa = dc->ToTarget(TPoint{a.x, a.y});
  const TPoint pb = dc->ToTarget(TPoint{b.x, b.y});
  // The vertex nearer the start of the shading axis gives the start colour.
  const bool aFirst = horizontal ? pa.X <= pb.X : pa.Y <= pb.Y;
  const TRIVERTEX& first = aFirst ? a : b;
  const TRIVERTEX& last = aFirst ? b : a;
  const TRect r{std::min(pa.X, pb.X), std::min(pa.Y, pb.Y), std::max(pa.X, pb.X), std::max(pa.Y, pb.Y)};
  const TRegion& clip = dc->EffectiveClip();
  const TRect area = r.Intersect(clip.Bounds());
  if (area.IsEmpty()) return;
  TBitmap& bitmap = *dc->Target();

  if (!horizontal) {
    const int64_t n = r.Height();
    for (int y = area.Top; y < area.Bottom; ++y) {
      const int64_t i = y - r.Top;
      const TRgb c{RampAt(first.Blue, last.Blue, i, n), RampAt(first.Green, last.Green, i, n),
                   RampAt(first.Red, last.Red, i, n)};
      ForEachClipSpan(clip, y, area.Left, area.Right, [&](int x0, int x1) { FillSpan(Row(bitmap, y), x0, x1, c); });
    }
    return;
  }

  // Every row is the same: build the visible columns once and copy them.
  const int64_t n = r.Width();
  std::vector<uint8_t> line(static_cast<size_t>(area.Width()) * 3);
  for (int x = area.Left; x < area.Right; ++x) {
    const int64_t i = x - r.Left;
    uint8_t* p = &line[static_cast<size_t>(x - area.Left) * 3];
    p[0] = RampAt(first.Blue, last.Blue, i, n);
    p[1] = RampAt(first.Green, last.Green, i, n);
    p[2] = RampAt(first.Red, last.Red, i, n);
  }
  for (int y = area.Top; y < area.Bottom; ++y) {
    uint8_t* row = Row(bitmap, y);
    ForEachClipSpan(clip, y, area.Left, area.Right, [&](int x0, int x1) {
      std::memcpy(row + static_cast<size_t>(x0) * 3, &line[static_cast<size_t>(x0 - area.Left) * 3],
                  static_cast<size_t>(x1 - x0) * 3);
    });
  }
}

// --- triangles ---

struct TVertex2 {
  int64_t X;  // doubled target coordinates
  int64_t Y;
  int64_t C[3];  // blue, green, red (16-bit)
};

// The edge function of p -> q at the pixel centre (2x + 1, 2y + 1) is
// A * x + B(y). With the vertices ordered so that the triangle's area is
// positive, a centre is inside when every edge function is >= 0; a centre
// exactly on an edge counts only for top and left edges, so neighbouring
// triangles never both take it.
struct TEdge {
  int64_t A = 0;
  int64_t B0 = 0;  // B at y = 0
  int64_t DB = 0;  // B(y + 1) - B(y)
  int64_t Min = 0;  // the least value of A * x + B that counts as inside: 0 or 1

  TEdge(const TVertex2& p, const TVertex2& q) {
    const int64_t dx = q.X - p.X, dy = q.Y - p.Y;
    A = -2 * dy;
    B0 = dx * (1 - p.Y) - dy * (1 - p.X);
    DB = 2 * dx;
    const bool topLeft = dy < 0 || (dy == 0 && dx > 0);
    Min = topLeft ? 0 : 1;
  }
  int64_t B(int y) const { return B0 + DB * y; }
};

// One colour channel along a span: the rounded 16-bit value q and the
// remainder r of its exact quotient, stepped one pixel at a time.
struct TChannelStepper {
  int64_t q, r;
  const int64_t stepQ, stepR, d;
  uint8_t Byte() const { return static_cast<uint8_t>(q >> 8); }
  void Next() {
    q += stepQ;
    r += stepR;
    if (r >= d) {
      r -= d;
      ++q;
    }
  }
};

void FillTriangle(HDC dc, TVertex2 a, TVertex2 b, TVertex2 c) {
  int64_t area = (b.X - a.X) * (c.Y - a.Y) - (b.Y - a.Y) * (c.X - a.X);
  if (area == 0) return;  // no centre lies strictly inside a flat triangle
  if (area < 0) {
    std::swap(b, c);
    area = -area;
  }
  // The weight of each vertex is the edge function of the opposite edge.
  const TEdge edges[3] = {TEdge(b, c), TEdge(c, a), TEdge(a, b)};
  const TVertex2* weighted[3] = {&a, &b, &c};

  const TRegion& clip = dc->EffectiveClip();
  const TRect bounds = clip.Bounds();
  // Rows whose centres can lie inside: min/max of the (even) doubled Y / 2.
  const int64_t minY = std::min({a.Y, b.Y, c.Y}) / 2, maxY = std::max({a.Y, b.Y, c.Y}) / 2;
  const int64_t minX = std::min({a.X, b.X, c.X}) / 2, maxX = std::max({a.X, b.X, c.X}) / 2;
  const int y0 = static_cast<int>(std::max<int64_t>(minY, bounds.Top));
  const int y1 = static_cast<int>(std::min<int64_t>(maxY, bounds.Bottom));
  const int xLo = static_cast<int>(std::max<int64_t>(minX, bounds.Left));
  const int xHi = static_cast<int>(std::min<int64_t>(maxX, bounds.Right));
  if (y0 >= y1 || xLo >= xHi) return;

  // Colour numerators N = sum of weight * colour are S * x + T(y); the
  // rounded value N / area is stepped along a span as quotient and
  // remainder of (2N + area) / 2area, so the inner loop stays in int64.
  const int64_t D = 2 * area;
  int64_t S[3], stepQ[3], stepR[3];
  for (int k = 0; k < 3; ++k) {
    S[k] = 0;
    for (int e = 0; e < 3; ++e) S[k] += edges[e].A * weighted[e]->C[k];
    stepQ[k] = FloorDiv(2 * S[k], D);
    stepR[k] = 2 * S[k] - stepQ[k] * D;
  }

  TBitmap& bitmap = *dc->Target();
  for (int y = y0; y < y1; ++y) {
    // The span of centres inside all three edges.
    int64_t from = xLo, to = int64_t{xHi} - 1;
    for (const TEdge& e : edges) {
      const int64_t rhs = e.Min - e.B(y);  // need A * x >= rhs
      if (e.A > 0) {
        from = std::max(from, -FloorDiv(-rhs, e.A));
      } else if (e.A < 0) {
        to = std::min(to, FloorDiv(-rhs, -e.A));
      } else if (rhs > 0) {
        to = from - 1;
      }
    }
    if (from > to) continue;
    uint8_t* row = Row(bitmap, y);
    ForEachClipSpan(clip, y, static_cast<int>(from), static_cast<int>(to + 1), [&](int x0, int x1) {
      int64_t q[3], r[3];
      for (int k = 0; k < 3; ++k) {
        i128 n = i128{S[k]} * x0;
        for (int e = 0; e < 3; ++e) n += i128{edges[e].B(y)} * weighted[e]->C[k];
        const i128 m = 2 * n + area;
        const i128 qq = FloorDiv128(m, D);
        q[k] = static_cast<int64_t>(qq);
        r[k] = static_cast<int64_t>(m - qq * D);
      }
      // Inside the triangle every weight is between 0 and 1, so q stays a
      // 16-bit value and needs no clamping here.
      TChannelStepper b{q[0], r[0], stepQ[0], stepR[0], D}, g{q[1], r[1], stepQ[1], stepR[1], D},
          red{q[2], r[2], stepQ[2], stepR[2], D};
      uint8_t* __restrict p = row + static_cast<size_t>(x0) * 3;
      for (int x = x0; x < x1; ++x, p += 3) {
        p[0] = b.Byte();
        p[1] = g.Byte();
        p[2] = red.Byte();
        b.Next();
        g.Next();
        red.Next();
      }
    });
  }
}

TVertex2 Doubled(HDC dc, const TRIVERTEX& v) {
  const TPoint p = dc->ToTarget(TPoint{v.x, v.y});
  return {2 * int64_t{p.X}, 2 * int64_t{p.Y}, {v.Blue, v.Green, v.Red}};
}

}  // namespace

bool GradientFill(HDC dc, const TRIVERTEX* v, uint32_t nv, const void* mesh, uint32_t nmesh, uint32_t mode) {
  if (!dc || (nv > 0 && !v) || (nmesh > 0 && !mesh)) return false;
  if (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V && mode != GRADIENT_FILL_TRIANGLE) return false;
  // Every index is checked before anything is drawn, so a bad mesh draws nothing.
  if (mode == GRADIENT_FILL_TRIANGLE) {
    const auto* tris = static_cast<const GRADIENT_TRIANGLE*>(mesh);
    for (uint32_t i = 0; i < nmesh; ++i)
      if (tris[i].Vertex1 >= nv || tris[i].Vertex2 >= nv || tris[i].Vertex3 >= nv) return false;
  } else {
    const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
    for (uint32_t i = 0; i < nmesh; ++i)
      if (rects[i].UpperLeft >= nv || rects[i].LowerRight >= nv) return false;
  }
  if (!Drawable(dc) || nmesh == 0) return true;

  if (mode == GRADIENT_FILL_TRIANGLE) {
    const auto* tris = static_cast<const GRADIENT_TRIANGLE*>(mesh);
    for (uint32_t i = 0; i < nmesh; ++i)
      FillTriangle(dc, Doubled(dc, v[tris[i].Vertex1]), Doubled(dc, v[tris[i].Vertex2]),
                   Doubled(dc, v[tris[i].Vertex3]));
  } else {
    const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
    for (uint32_t i = 0; i < nmesh; ++i)
      FillGradientRect(dc, v[rects[i].UpperLeft], v[rects[i].LowerRight], mode == GRADIENT_FILL_RECT_H);
  }
  dc->Target()->Touch();
  return true;
}
