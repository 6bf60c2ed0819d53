// What skinned controls draw over their cached background: captions in the
// section's text colours with their contours, and glyphs blended with what
// lies under them.
#pragma once

#include <string>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"

class TsCommonData;

// Which font a caption is written in: the owner's font at the skin's font
// scale (FONTSCALE of a skin folder), or the owner's font as it is, for
// text laid out in rows of a fixed height.
enum class TCaptionFontSize { SkinScaled, AsOwned };

// Whether a caption or glyph is drawn enabled and in its hot look.
struct TContentLook {
  bool Enabled = true;
  bool Hot = false;
  TCaptionFontSize FontSize = TCaptionFontSize::SkinScaled;
};

// `font` with its height scaled by the font scale of the skin `data` is
// painted from; `font` itself at 100 and while `data` is not skinned, so a
// skin without a scale draws every caption exactly as the control's font
// says. Controls measure their captions in it too, so that layout and
// drawing agree.
TFont CaptionFont(const TFont& font, const TsCommonData& data);
// A font height (either sign) scaled by `percent`, rounded half away from
// zero and never 0: the one rule for every scaled caption.
int ScaledFontHeight(int height, int percent);

// Writes `text` into `rect` of the canvas with the platform's text format
// flags (DT_CENTER, DT_RIGHT, DT_WORDBREAK …), in the owner's font (scaled
// by the skin unless the look asks for it as owned):
//  - disabled text is engraved (highlight colour one pixel down and right,
//    then the shadow colour in place);
//  - an unskinned owner's text takes its font colour;
//  - otherwise the section's contour colours are drawn around the text,
//    one pixel to each side, then the text in the section's font colour
//    (the hot colours when hot), unless the owner keeps its own font.
// Without word breaking the rectangle is first fitted around the text by
// the alignment flags. The canvas is clipped to `rect` meanwhile.
void WriteTextEx(TCanvas& canvas, const std::string& text, TContentLook look, const TsCommonData& data,
                 unsigned flags, TRect rect);

// The focus rectangle around a caption: a dotted one-pixel frame in the
// section's text colour (the hot one when hot), so it reads on any skinned
// background; an unskinned owner gets the platform's inverted dots.
void DrawFocusRectEx(TCanvas& canvas, const TRect& rect, TContentLook look, const TsCommonData& data);

// Disabled-glyph kinds (bits).
inline constexpr int kGlyphDisabledBlend = 1;  // half transparent
inline constexpr int kGlyphDisabledGray = 2;   // grey

// How a button glyph is drawn.
struct TGlyphLook {
  TContentLook Look{};
  // Percent of the background that shows through a glyph that is not hot.
  int Blend = 0;
  // A glyph that is not hot is drawn grey.
  bool Grayed = false;
  // kGlyphDisabled* bits: how a single-image glyph looks disabled.
  int DisabledKind = 0;
  // Images side by side: 1, or 2 for the enabled and the disabled look.
  int GlyphCount = 1;
};

// Draws a button glyph at the top-left of `rect` in `target`. The glyph's
// transparent colour is its bottom-left pixel. Other glyph counts than 1
// and 2 draw nothing. The glyph itself is not changed.
void DrawGlyphEx(const TBitmap& glyph, TBitmap& target, const TRect& rect, const TGlyphLook& look);
