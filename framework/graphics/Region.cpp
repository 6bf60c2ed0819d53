#include "framework/graphics/Region.h"

#include <algorithm>
#include <limits>

// Every operation is one sweep down both operands. The y axis is cut at every
// band edge of either region; within each slice the two span lists are merged
// with the operation's truth table, and the resulting band is coalesced with
// the one above when they touch and hold the same spans. Because inputs are
// canonical and the sweep keeps them so, results are canonical too: a pixel
// set has exactly one representation (maximal vertical runs of rows with
// identical spans, spans maximal within a row).

namespace {

enum class TOp { Union, Intersect, Subtract, Xor };

constexpr bool Apply(TOp op, bool a, bool b) {
  switch (op) {
    case TOp::Union: return a || b;
    case TOp::Intersect: return a && b;
    case TOp::Subtract: return a && !b;
    case TOp::Xor: return a != b;
  }
  return false;
}

struct TBand {
  int Top;
  int Bottom;
  size_t First;  // index of the band's first rectangle
  size_t Count;
};

std::vector<TBand> BandsOf(const std::vector<TRect>& rects) {
  std::vector<TBand> bands;
  for (size_t i = 0; i < rects.size();) {
    size_t j = i + 1;
    while (j < rects.size() && rects[j].Top == rects[i].Top) ++j;
    bands.push_back({rects[i].Top, rects[i].Bottom, i, j - i});
    i = j;
  }
  return bands;
}

class TBuilder {
 public:
  explicit TBuilder(std::vector<TRect>& out) : out_(out) {}

  // Appends the spans [first, last) of one band [top, bottom), merging it into
  // the band above when that one ends at `top` with the same spans.
  void EndBand(size_t first, int top, int bottom) {
    const size_t count = out_.size() - first;
    if (count == 0) return;
    if (prevCount_ == count && prevBottom_ == top) {
      bool same = true;
      for (size_t k = 0; k < count && same; ++k)
        same = out_[prevFirst_ + k].Left == out_[first + k].Left && out_[prevFirst_ + k].Right == out_[first + k].Right;
      if (same) {
        out_.resize(first);
        for (size_t k = 0; k < count; ++k) out_[prevFirst_ + k].Bottom = bottom;
        prevBottom_ = bottom;
        return;
      }
    }
    prevFirst_ = first;
    prevCount_ = count;
    prevBottom_ = bottom;
  }

 private:
  std::vector<TRect>& out_;
  size_t prevFirst_ = 0;
  size_t prevCount_ = 0;
  int prevBottom_ = std::numeric_limits<int>::min();
};

// Merges two sorted, disjoint span lists with the operation, appending the
// result (maximal spans) to `out` with the given band top and bottom.
void CombineSpans(TOp op, const TRect* a, size_t na, const TRect* b, size_t nb, int top, int bottom,
                  std::vector<TRect>& out) {
  // Edges alternate: even index = a span's Left (entering), odd = its Right.
  size_t ia = 0, ib = 0;
  const size_t ea = na * 2, eb = nb * 2;
  auto edgeA = [&](size_t k) { return (k & 1) ? a[k >> 1].Right : a[k >> 1].Left; };
  auto edgeB = [&](size_t k) { return (k & 1) ? b[k >> 1].Right : b[k >> 1].Left; };
  bool inside = false;
  int start = 0;
  while (ia < ea || ib < eb) {
    int x = std::numeric_limits<int>::max();
    if (ia < ea) x = edgeA(ia);
    if (ib < eb) x = std::min(x, edgeB(ib));
    while (ia < ea && edgeA(ia) == x) ++ia;
    while (ib < eb && edgeB(ib) == x) ++ib;
    // An odd edge count consumed means we are inside a span of that list.
    const bool now = Apply(op, (ia & 1) != 0, (ib & 1) != 0);
    if (now && !inside) {
      start = x;
    } else if (!now && inside) {
      out.push_back({start, top, x, bottom});
    }
    inside = now;
  }
}

std::vector<TRect> Combine(TOp op, const std::vector<TRect>& a, const std::vector<TRect>& b) {
  std::vector<TRect> out;
  const std::vector<TBand> ba = BandsOf(a);
  const std::vector<TBand> bb = BandsOf(b);
  out.reserve(a.size() + b.size());
  TBuilder builder(out);
  size_t ia = 0, ib = 0;
  int y = std::numeric_limits<int>::min();
  // Where only one operand has pixels, the result there depends on the
  // operation alone; skip whole bands that cannot produce anything.
  const bool keepOnlyA = Apply(op, true, false);
  const bool keepOnlyB = Apply(op, false, true);
  while (ia < ba.size() || ib < bb.size()) {
    if (ib >= bb.size() && !keepOnlyA) break;
    if (ia >= ba.size() && !keepOnlyB) break;
    const int aTop = ia < ba.size() ? std::max(ba[ia].Top, y) : std::numeric_limits<int>::max();
    const int bTop = ib < bb.size() ? std::max(bb[ib].Top, y) : std::numeric_limits<int>::max();
    const int top = std::min(aTop, bTop);
    const bool aActive = ia < ba.size() && aTop == top;
    const bool bActive = ib < bb.size() && bTop == top;
    int bottom = std::numeric_limits<int>::max();
    if (ia < ba.size()) bottom = std::min(bottom, aActive ? ba[ia].Bottom : ba[ia].Top);
    if (ib < bb.size()) bottom = std::min(bottom, bActive ? bb[ib].Bottom : bb[ib].Top);
    const size_t first = out.size();
    if ((aActive && bActive) || (aActive && keepOnlyA) || (bActive && keepOnlyB)) {
      const TRect* spansA = aActive ? &a[ba[ia].First] : nullptr;
      const TRect* spansB = bActive ? &b[bb[ib].First] : nullptr;
      CombineSpans(op, spansA, aActive ? ba[ia].Count : 0, spansB, bActive ? bb[ib].Count : 0, top, bottom, out);
      builder.EndBand(first, top, bottom);
    }
    y = bottom;
    if (aActive && ba[ia].Bottom == bottom) ++ia;
    if (bActive && bb[ib].Bottom == bottom) ++ib;
  }
  return out;
}

}  // namespace

TRegion::TRegion(const TRect& r) {
  if (r.IsEmpty()) return;
  rects_.push_back(r);
  bounds_ = r;
}

TRegion TRegion::FromBands(std::vector<TRect> rects) {
  TRegion result;
  result.rects_ = std::move(rects);
  if (result.rects_.empty()) return result;
  const auto& r = result.rects_;
  TRect b{r.front().Left, r.front().Top, r.front().Right, r.back().Bottom};
  // The first and last span of each band carry the horizontal extremes.
  for (size_t i = 0; i < r.size(); ++i) {
    if (i == 0 || r[i].Top != r[i - 1].Top) b.Left = std::min(b.Left, r[i].Left);
    if (i + 1 == r.size() || r[i + 1].Top != r[i].Top) b.Right = std::max(b.Right, r[i].Right);
  }
  result.bounds_ = b;
  return result;
}

TRegion TRegion::FromRects(const std::vector<TRect>& rects) {
  // Pairwise unions in a balanced tree keep the work near n log n instead of
  // the quadratic cost of adding one rectangle at a time.
  std::vector<TRegion> level;
  level.reserve(rects.size());
  for (const TRect& r : rects)
    if (!r.IsEmpty()) level.emplace_back(r);
  if (level.empty()) return {};
  while (level.size() > 1) {
    std::vector<TRegion> next;
    next.reserve((level.size() + 1) / 2);
    for (size_t i = 0; i + 1 < level.size(); i += 2) next.push_back(level[i].Union(level[i + 1]));
    if (level.size() & 1) next.push_back(std::move(level.back()));
    level.swap(next);
  }
  return std::move(level.front());
}

bool TRegion::Contains(TPoint p) const {
  // Bottoms never decrease along the list, so the first rectangle ending
  // below p.Y starts the only band that can hold the point.
  auto it = std::partition_point(rects_.begin(), rects_.end(), [&](const TRect& r) { return r.Bottom <= p.Y; });
  if (it == rects_.end() || it->Top > p.Y) return false;
  const int top = it->Top;
  for (; it != rects_.end() && it->Top == top; ++it) {
    if (p.X < it->Left) return false;
    if (p.X < it->Right) return true;
  }
  return false;
}

bool TRegion::Intersects(const TRect& r) const {
  if (r.IsEmpty()) return false;
  auto it = std::partition_point(rects_.begin(), rects_.end(), [&](const TRect& x) { return x.Bottom <= r.Top; });
  for (; it != rects_.end() && it->Top < r.Bottom; ++it)
    if (it->Left < r.Right && it->Right > r.Left) return true;
  return false;
}

TRegion TRegion::Union(const TRegion& other) const {
  if (other.rects_.empty()) return *this;
  if (rects_.empty()) return other;
  return FromBands(Combine(TOp::Union, rects_, other.rects_));
}

TRegion TRegion::Intersect(const TRegion& other) const {
  if (rects_.empty() || other.rects_.empty()) return {};
  // Painting intersects clip regions with window rectangles all the time;
  // the common cases need no banding.
  const TRect bounds = Bounds(), otherBounds = other.Bounds();
  if (!bounds.Intersects(otherBounds)) return {};
  if (other.rects_.size() == 1 && otherBounds.Contains(bounds)) return *this;
  if (rects_.size() == 1 && bounds.Contains(otherBounds)) return other;
  if (rects_.size() == 1 && other.rects_.size() == 1) return TRegion(bounds.Intersect(otherBounds));
  return FromBands(Combine(TOp::Intersect, rects_, other.rects_));
}

TRegion TRegion::Subtract(const TRegion& other) const {
  if (rects_.empty() || other.rects_.empty()) return *this;
  if (!Bounds().Intersects(other.Bounds())) return *this;
  return FromBands(Combine(TOp::Subtract, rects_, other.rects_));
}

TRegion TRegion::Xor(const TRegion& other) const {
  if (other.rects_.empty()) return *this;
  if (rects_.empty()) return other;
  return FromBands(Combine(TOp::Xor, rects_, other.rects_));
}

TRegion TRegion::Offset(int dx, int dy) const {
  TRegion result = *this;
  for (TRect& r : result.rects_) r = r.Offset(dx, dy);
  if (!result.rects_.empty()) result.bounds_ = bounds_.Offset(dx, dy);
  return result;
}
