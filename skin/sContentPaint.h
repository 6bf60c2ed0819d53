// What skinned controls draw over their cached background: captions in the
// section's text colours with their contours, and glyphs blended with what
// lies under them.
#pragma once

#include <string>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"

class TsCommonData;

// Writes `text` into `rect` of the canvas with the platform's text format
// flags (DT_CENTER, DT_RIGHT, DT_WORDBREAK …), in the owner's font:
//  - disabled text is engraved (highlight colour one pixel down and right,
//    then the shadow colour in place);
//  - an unskinned owner's text takes its font colour;
//  - otherwise the section's contour colours are drawn around the text,
//    one pixel to each side, then the text in the section's font colour
//    (the hot colours when `hot`), unless the owner keeps its own font.
// Without word breaking the rectangle is first fitted around the text by
// the alignment flags. The canvas is clipped to `rect` meanwhile.
void WriteTextEx(TCanvas& canvas, const std::string& text, bool enabled, bool hot, const TsCommonData& data,
                 unsigned flags, TRect rect);

// Disabled-glyph kinds (bits).
inline constexpr int kGlyphDisabledBlend = 1;  // half transparent
inline constexpr int kGlyphDisabledGray = 2;   // grey

// Draws a button glyph at the top-left of `rect` in `target`. The glyph's
// transparent colour is its bottom-left pixel. `blend` (percent) lets that
// much of the background show through a glyph that is not hot. A glyph of
// two images holds the enabled and the disabled look side by side; a
// single image is greyed or blended for the disabled look by
// `disabledKind`. Other glyph counts draw nothing. The glyph itself is not
// changed.
void DrawGlyphEx(const TBitmap& glyph, TBitmap& target, const TRect& rect, int blend, bool hot, int disabledKind,
                 bool grayed, bool enabled, int glyphCount);
