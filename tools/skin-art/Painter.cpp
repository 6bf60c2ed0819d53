#include "Painter.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSubSamples = 4;

float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

}  // namespace

TArtRgb ArtRgb(int color) {
  return {static_cast<float>(color & 0xFF), static_cast<float>((color >> 8) & 0xFF),
          static_cast<float>((color >> 16) & 0xFF)};
}

TArtRgb Mix(TArtRgb a, TArtRgb b, float t) {
  return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}

TSdf RoundRect(float x0, float y0, float x1, float y1, float radius) {
  const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  const float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
  return [=](float x, float y) {
    const float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    const float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - radius;
  };
}

TSdf Circle(float cx, float cy, float radius) {
  return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

TSdf Capsule(float ax, float ay, float bx, float by, float width) {
  const float dx = bx - ax, dy = by - ay;
  const float length2 = std::max(dx * dx + dy * dy, 1e-6f);
  return [=](float x, float y) {
    const float t = std::clamp(((x - ax) * dx + (y - ay) * dy) / length2, 0.0f, 1.0f);
    return std::hypot(x - ax - t * dx, y - ay - t * dy) - width / 2;
  };
}

TSdf Stroke(TSdf shape, float width) {
  return [shape = std::move(shape), width](float x, float y) {
    const float d = shape(x, y);
    return std::max(d, -d - width);
  };
}

TSdf Union(TSdf a, TSdf b) {
  return [a = std::move(a), b = std::move(b)](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

TSdf Intersect(TSdf a, TSdf b) {
  return [a = std::move(a), b = std::move(b)](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

TSdf Subtract(TSdf a, TSdf b) {
  return [a = std::move(a), b = std::move(b)](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

TSdf Grow(TSdf shape, float amount) {
  return [shape = std::move(shape), amount](float x, float y) { return shape(x, y) - amount; };
}

TSdf Inward(TSdf shape) {
  return [shape = std::move(shape)](float x, float y) { return -shape(x, y); };
}

TSdf Above(float edge) {
  return [edge](float, float y) { return y - edge; };
}
TSdf Below(float edge) {
  return [edge](float, float y) { return edge - y; };
}
TSdf LeftOf(float edge) {
  return [edge](float x, float) { return x - edge; };
}
TSdf RightOf(float edge) {
  return [edge](float x, float) { return edge - x; };
}

TPaint Solid(TArtRgb color) {
  return [color](float, float) { return color; };
}

TPaint VGradient(float y0, TArtRgb top, float y1, TArtRgb bottom) {
  return [=](float, float y) { return Mix(top, bottom, Clamp01((y - y0) / std::max(y1 - y0, 1e-6f))); };
}

TArtCanvas::TArtCanvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * static_cast<size_t>(height)) {}

TSdf PixelShape(const std::vector<const char*>& rows, float x, float y) {
  std::vector<TSdf> boxes;
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; rows[r][c]; ++c)
      if (rows[r][c] == 'X') {
        const float left = x + static_cast<float>(c), top = y + static_cast<float>(r);
        boxes.push_back(RoundRect(left, top, left + 1, top + 1, 0));
      }
  return [boxes = std::move(boxes)](float px, float py) {
    float d = 1e9f;
    for (const TSdf& box : boxes) d = std::min(d, box(px, py));
    return d;
  };
}

TSdf QuestionMark(float x, float y) {
  return PixelShape({".XXXX.", "XX..XX", "....XX", "...XX.", "..XX..", "..XX..", "......", "..XX..", "..XX.."}, x, y);
}

float TArtCanvas::Coverage(const TSdf& shape, int i, int j) const {
  const float step = 1.0f / kSubSamples;
  float coverage = 0;
  for (int sy = 0; sy < kSubSamples; ++sy)
    for (int sx = 0; sx < kSubSamples; ++sx) {
      const float d = shape(i + (sx + 0.5f) * step, j + (sy + 0.5f) * step);
      // Each sub-sample is a tiny pixel with its own analytic edge.
      coverage += Clamp01(0.5f - d / step);
    }
  return coverage / (kSubSamples * kSubSamples);
}

void TArtCanvas::Shade(const TSdf& area, const TSdf& depth, TArtRgb color, float width, float opacity) {
  Fill(area, Solid(color), [&](float x, float y) {
    const float fade = 1.0f - Clamp01(depth(x, y) / width);
    return opacity * fade * fade;
  });
}

void TArtCanvas::Fill(const TSdf& shape, const TPaint& paint, float opacity) {
  Fill(shape, paint, [opacity](float, float) { return opacity; });
}

void TArtCanvas::Fill(const TSdf& shape, const TPaint& paint, const std::function<float(float, float)>& opacity) {
  for (int j = 0; j < height_; ++j) {
    for (int i = 0; i < width_; ++i) {
      const float a = Coverage(shape, i, j) * opacity(i + 0.5f, j + 0.5f);
      if (a <= 0) continue;
      const TArtRgb c = paint(i + 0.5f, j + 0.5f);
      TPixel& p = pixels_[static_cast<size_t>(j) * static_cast<size_t>(width_) + static_cast<size_t>(i)];
      p.R = c.R * a + p.R * (1 - a);
      p.G = c.G * a + p.G * (1 - a);
      p.B = c.B * a + p.B * (1 - a);
      p.A = a + p.A * (1 - a);
    }
  }
}

void TArtCanvas::Put(int x, int y, TArtRgb color, float alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  TPixel& p = pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
  p = {color.R * alpha, color.G * alpha, color.B * alpha, alpha};
}

TArtRgb TArtCanvas::Color(int x, int y) const {
  const TPixel& p = pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
  if (p.A <= 0) return {};
  return {std::min(p.R / p.A, 255.0f), std::min(p.G / p.A, 255.0f), std::min(p.B / p.A, 255.0f)};
}

float TArtCanvas::Alpha(int x, int y) const {
  return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)].A;
}

void TArtCanvas::CopyTo(TArtCanvas& target, int x, int y) const {
  for (int j = 0; j < height_; ++j)
    for (int i = 0; i < width_; ++i) {
      const int tx = x + i, ty = y + j;
      if (tx < 0 || ty < 0 || tx >= target.width_ || ty >= target.height_) continue;
      target.pixels_[static_cast<size_t>(ty) * static_cast<size_t>(target.width_) + static_cast<size_t>(tx)] =
          pixels_[static_cast<size_t>(j) * static_cast<size_t>(width_) + static_cast<size_t>(i)];
    }
}

TArtCanvas TArtCanvas::Rotated() const {
  TArtCanvas out(height_, width_);
  for (int y = 0; y < out.height_; ++y)
    for (int x = 0; x < out.width_; ++x)
      out.pixels_[static_cast<size_t>(y) * static_cast<size_t>(out.width_) + static_cast<size_t>(x)] =
          pixels_[static_cast<size_t>(height_ - 1 - x) * static_cast<size_t>(width_) + static_cast<size_t>(y)];
  return out;
}

TArtCanvas TArtCanvas::MirroredX() const {
  TArtCanvas out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      out.pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] =
          pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(width_ - 1 - x)];
  return out;
}

TArtCanvas TArtCanvas::MirroredY() const {
  TArtCanvas out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      out.pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] =
          pixels_[static_cast<size_t>(height_ - 1 - y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
  return out;
}
