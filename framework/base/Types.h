// Geometry value types shared by every layer: points, sizes and rectangles.
// Rectangles are half-open: Right and Bottom are one past the last pixel.
#pragma once

#include <algorithm>
#include <cstdint>

struct TPoint {
  int X = 0;
  int Y = 0;

  constexpr TPoint() = default;
  constexpr TPoint(int x, int y) : X(x), Y(y) {}
  constexpr TPoint Offset(int dx, int dy) const { return {X + dx, Y + dy}; }
  constexpr bool operator==(const TPoint&) const = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  constexpr bool operator==(const TSize&) const = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  constexpr TRect() = default;
  constexpr TRect(int l, int t, int r, int b) : Left(l), Top(t), Right(r), Bottom(b) {}

  static constexpr TRect FromBounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
  }

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr TPoint TopLeft() const { return {Left, Top}; }
  constexpr TPoint BottomRight() const { return {Right, Bottom}; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool Contains(TPoint p) const {
    return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
  }
  // Whether `r` lies wholly inside this rectangle.
  constexpr bool Contains(const TRect& r) const {
    return r.Left >= Left && r.Top >= Top && r.Right <= Right && r.Bottom <= Bottom;
  }
  constexpr bool Intersects(const TRect& r) const { return !Intersect(r).IsEmpty(); }

  constexpr TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  constexpr TRect Offset(TPoint d) const { return Offset(d.X, d.Y); }
  constexpr TRect Inflate(int dx, int dy) const { return {Left - dx, Top - dy, Right + dx, Bottom + dy}; }
  // The common part; an empty rectangle (all zero) when there is none.
  constexpr TRect Intersect(const TRect& r) const {
    TRect x{std::max(Left, r.Left), std::max(Top, r.Top), std::min(Right, r.Right), std::min(Bottom, r.Bottom)};
    return x.IsEmpty() ? TRect{} : x;
  }
  // The bounding rectangle of both; an empty operand does not count.
  constexpr TRect Union(const TRect& r) const {
    if (r.IsEmpty()) return *this;
    if (IsEmpty()) return r;
    return {std::min(Left, r.Left), std::min(Top, r.Top), std::max(Right, r.Right), std::max(Bottom, r.Bottom)};
  }
  constexpr bool operator==(const TRect&) const = default;
};

inline constexpr TRect Rect(int l, int t, int r, int b) { return {l, t, r, b}; }
inline constexpr TRect Bounds(int l, int t, int w, int h) { return TRect::FromBounds(l, t, w, h); }
inline constexpr TPoint Point(int x, int y) { return {x, y}; }
