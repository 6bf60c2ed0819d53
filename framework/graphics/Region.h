// Regions: sets of pixels described by rectangles. Kept in a canonical
// y-x banded form (rows of equal-height bands, each with sorted disjoint
// x-spans, adjacent bands merged when equal), so two regions holding the same
// pixels compare equal and repeated operations do not fragment.
#pragma once

#include <vector>

#include "framework/base/Types.h"

class TRegion {
 public:
  TRegion() = default;
  explicit TRegion(const TRect& r);

  static TRegion FromRects(const std::vector<TRect>& rects);

  bool IsEmpty() const { return rects_.empty(); }
  TRect Bounds() const;
  // The banded rectangles, top to bottom, left to right.
  const std::vector<TRect>& Rects() const { return rects_; }
  bool Contains(TPoint p) const;
  bool Contains(int x, int y) const { return Contains(TPoint{x, y}); }
  bool Intersects(const TRect& r) const;

  TRegion Union(const TRegion& other) const;
  TRegion Intersect(const TRegion& other) const;
  TRegion Subtract(const TRegion& other) const;
  TRegion Xor(const TRegion& other) const;
  TRegion Union(const TRect& r) const { return Union(TRegion(r)); }
  TRegion Intersect(const TRect& r) const { return Intersect(TRegion(r)); }
  TRegion Subtract(const TRect& r) const { return Subtract(TRegion(r)); }
  TRegion Xor(const TRect& r) const { return Xor(TRegion(r)); }
  TRegion Offset(int dx, int dy) const;

  void Clear() { rects_.clear(); }
  bool operator==(const TRegion& other) const { return rects_ == other.rects_; }

 private:
  std::vector<TRect> rects_;
};
