// Antialiased drawing on a float canvas for the skin art. Shapes are signed
// distance functions (negative inside, in pixels); a fill takes each pixel's
// coverage from 4 x 4 sub-samples, each smoothed over its own width, so edges
// and rounded corners come out soft but never blurred. The canvas keeps
// premultiplied RGBA so that layers compose with plain "over".
#pragma once

#include <functional>
#include <vector>

struct TArtRgb {
  float R = 0, G = 0, B = 0;  // 0..255
};

// A colour from the skin's 0x00BBGGRR value.
TArtRgb ArtRgb(int color);
TArtRgb Mix(TArtRgb a, TArtRgb b, float t);  // t = 0 gives a

using TSdf = std::function<float(float x, float y)>;
using TPaint = std::function<TArtRgb(float x, float y)>;

// Shapes. Coordinates are continuous: pixel (i, j) covers [i, i+1) x [j, j+1).
TSdf RoundRect(float x0, float y0, float x1, float y1, float radius);
TSdf Circle(float cx, float cy, float radius);
// A segment with round ends, `width` thick.
TSdf Capsule(float ax, float ay, float bx, float by, float width);
// The band of `width` just inside the outline of `shape`.
TSdf Stroke(TSdf shape, float width);
TSdf Union(TSdf a, TSdf b);
TSdf Intersect(TSdf a, TSdf b);
TSdf Subtract(TSdf a, TSdf b);
// Grows the shape by `amount` pixels (shrinks for a negative amount).
TSdf Grow(TSdf shape, float amount);
// Half-planes: the area at y < edge, y >= edge, x < edge, x >= edge.
TSdf Above(float edge);
TSdf Below(float edge);
TSdf LeftOf(float edge);
TSdf RightOf(float edge);

// How far a point lies inside `shape` (0 on its outline): the depth for
// a glow along the outline.
TSdf Inward(TSdf shape);

// Paints.
TPaint Solid(TArtRgb color);
// Top to bottom between rows y0 and y1 (clamped outside).
TPaint VGradient(float y0, TArtRgb top, float y1, TArtRgb bottom);

// A shape made of whole pixels: rows of text, 'X' for a set pixel, placed
// with its top left corner at (x, y). Crisp at small sizes where a curve
// would blur.
TSdf PixelShape(const std::vector<const char*>& rows, float x, float y);

// The question mark of the help caption buttons, 6 x 9 whole pixels, its
// top left corner at (x, y).
TSdf QuestionMark(float x, float y);

class TArtCanvas {
 public:
  TArtCanvas(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Composes `paint` over the canvas wherever `shape` covers, at `opacity`.
  void Fill(const TSdf& shape, const TPaint& paint, float opacity = 1.0f);
  void Fill(const TSdf& shape, TArtRgb color, float opacity = 1.0f) { Fill(shape, Solid(color), opacity); }
  // The same with an opacity that varies over the canvas.
  void Fill(const TSdf& shape, const TPaint& paint, const std::function<float(float x, float y)>& opacity);
  // Light or shadow inside `area` that fades over `width` pixels of
  // `depth` (a distance that is 0 where the light is strongest): soft glows
  // along an outline and shadows under an edge.
  void Shade(const TSdf& area, const TSdf& depth, TArtRgb color, float width, float opacity);
  // Sets one pixel outright (for hard pixel work such as dotted grips).
  void Put(int x, int y, TArtRgb color, float alpha);

  // Straight (not premultiplied) colour and alpha of a pixel.
  TArtRgb Color(int x, int y) const;
  float Alpha(int x, int y) const;

  // Copies this canvas into `target` at (x, y).
  void CopyTo(TArtCanvas& target, int x, int y) const;
  // The canvas turned a quarter clockwise (width and height swap), mirrored
  // left to right, or mirrored top to bottom.
  TArtCanvas Rotated() const;
  TArtCanvas MirroredX() const;
  TArtCanvas MirroredY() const;

 private:
  float Coverage(const TSdf& shape, int i, int j) const;
  struct TPixel {
    float R = 0, G = 0, B = 0, A = 0;
  };
  int width_;
  int height_;
  std::vector<TPixel> pixels_;
};
