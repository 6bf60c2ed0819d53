#include "framework/graphics/Font.h"

#include <cstdint>

namespace {

// a * b / c rounded half away from zero, in 64 bits so no height overflows.
int MulDivRound(int a, int b, int c) {
  const int64_t n = int64_t{a} * b;
  const int64_t q = (n >= 0 ? n + c / 2 : n - c / 2) / c;
  if (q > INT32_MAX) return INT32_MAX;
  if (q < INT32_MIN) return INT32_MIN;
  return static_cast<int>(q);
}

}  // namespace

TFont& TFont::operator=(const TFont& other) {
  // Values only: whoever listens to this font keeps listening to it, and the
  // other font's listener is not taken over.
  if (this == &other) return *this;
  const bool changed = !(*this == other);
  logFont_ = other.logFont_;
  color_ = other.color_;
  pitch_ = other.pitch_;
  if (changed) Changed();
  return *this;
}

void TFont::Assign(const TPersistent& source) {
  if (const auto* font = dynamic_cast<const TFont*>(&source)) {
    *this = *font;
    return;
  }
  TPersistent::Assign(source);
}

void TFont::SetName(const std::string& v) {
  if (logFont_.Name == v) return;
  logFont_.Name = v;
  Changed();
}

void TFont::SetHeight(int v) {
  if (logFont_.Height == v) return;
  logFont_.Height = v;
  Changed();
}

int TFont::Size() const { return -MulDivRound(logFont_.Height, 72, kPixelsPerInch); }

void TFont::SetSize(int points) { SetHeight(-MulDivRound(points, kPixelsPerInch, 72)); }

void TFont::SetStyle(TFontStyles v) {
  if (logFont_.Style == v) return;
  logFont_.Style = v;
  Changed();
}

void TFont::SetCharset(int v) {
  if (logFont_.Charset == v) return;
  logFont_.Charset = v;
  Changed();
}

void TFont::SetColor(TColor v) {
  if (color_ == v) return;
  color_ = v;
  Changed();
}

void TFont::SetPitch(TFontPitch v) {
  if (pitch_ == v) return;
  pitch_ = v;
  Changed();
}

void TFont::Changed() {
  if (OnChange) OnChange();
}
