// Fonts: the description a canvas or control carries (TFont) and the
// resolved description a device context selects (TLogFont).
//
// Height follows the framework's sign rule: a negative height is the
// character height in pixels without internal leading (the em size); a
// positive height is the full cell height (ascent + descent).
#pragma once

#include <functional>
#include <string>

#include "framework/base/Colors.h"
#include "framework/base/Persistent.h"
#include "framework/base/Set.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum class TFontPitch { fpDefault, fpVariable, fpFixed };

inline constexpr int ANSI_CHARSET = 0;
inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int SYMBOL_CHARSET = 2;
inline constexpr int RUSSIAN_CHARSET = 204;
inline constexpr int EASTEUROPE_CHARSET = 238;

// Logical pixels per inch; Size in points converts to Height with it.
inline constexpr int kPixelsPerInch = 96;

struct TLogFont {
  std::string Name = "MS Sans Serif";
  int Height = -11;
  TFontStyles Style;
  int Charset = DEFAULT_CHARSET;
  bool operator==(const TLogFont& o) const {
    return Name == o.Name && Height == o.Height && Style == o.Style && Charset == o.Charset;
  }
};

class TFont : public TPersistent {
 public:
  SORTARIUM_CLASS(TFont)
  TFont() = default;
  TFont(const TFont& other) { *this = other; }
  TFont& operator=(const TFont& other);
  void Assign(const TPersistent& source) override;

  const std::string& Name() const { return logFont_.Name; }
  void SetName(const std::string& v);
  int Height() const { return logFont_.Height; }
  void SetHeight(int v);
  // Points at kPixelsPerInch: Size = -Height * 72 / 96, rounded.
  int Size() const;
  void SetSize(int points);
  TFontStyles Style() const { return logFont_.Style; }
  void SetStyle(TFontStyles v);
  int Charset() const { return logFont_.Charset; }
  void SetCharset(int v);
  TColor Color() const { return color_; }
  void SetColor(TColor v);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch v);

  const TLogFont& LogFont() const { return logFont_; }
  bool operator==(const TFont& o) const { return logFont_ == o.logFont_ && color_ == o.color_ && pitch_ == o.pitch_; }

  // Called after every change of value.
  std::function<void()> OnChange;

 private:
  void Changed();
  TLogFont logFont_;
  TColor color_ = clWindowText;
  TFontPitch pitch_ = TFontPitch::fpDefault;
};
