// Regions: sets of pixels described by rectangles. Kept in a canonical
// y-x banded form (rows of equal-height bands, each with sorted disjoint
// x-spans, adjacent bands merged when equal), so two regions holding the same
// pixels compare equal and repeated operations do not fragment.
#pragma once

#include <utility>
#include <vector>

#include "framework/base/Types.h"

class TRegion {
 public:
  TRegion() = default;
  explicit TRegion(const TRect& r);
  TRegion(const TRegion&) = default;
  TRegion& operator=(const TRegion&) = default;
  // A region moved from is empty, its bounds included.
  TRegion(TRegion&& other) noexcept : rects_(std::move(other.rects_)), bounds_(other.bounds_) { other.Clear(); }
  TRegion& operator=(TRegion&& other) noexcept {
    if (this != &other) {
      rects_ = std::move(other.rects_);
      bounds_ = other.bounds_;
      other.Clear();
    }
    return *this;
  }

  static TRegion FromRects(const std::vector<TRect>& rects);

  bool IsEmpty() const { return rects_.empty(); }
  TRect Bounds() const { return bounds_; }
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

  void Clear() {
    rects_.clear();
    bounds_ = {};
  }
  bool operator==(const TRegion& other) const { return rects_ == other.rects_; }

 private:
  // Takes banded rectangles and notes their bounds.
  static TRegion FromBands(std::vector<TRect> rects);

  std::vector<TRect> rects_;
  TRect bounds_;  // kept with the rectangles: every clip test starts with it
};
