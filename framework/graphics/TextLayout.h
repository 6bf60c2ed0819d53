// Breaking text into lines for DrawText: accelerator prefixes, line breaks,
// word wrapping, tab stops and end ellipses. Internal to the graphics layer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/graphics/FontEngine.h"

namespace text_layout {

struct TLine {
  std::u32string Text;                // what is drawn: prefixes resolved, breaks removed
  std::vector<size_t> Accelerators;   // indexes into Text of characters drawn underlined
};

struct TLayoutOptions {
  unsigned Format = 0;  // the DT_* flags
  int MaxWidth = 0;     // for word breaking and ellipses
  int TabWidth = 0;     // pixels between tab stops; 0 = tabs take no room
};

// The offset of every character from the start of its line, followed by the
// line's width (text.size() + 1 entries). Tabs jump to the next stop when
// `tabWidth` > 0; widths saturate far beyond any screen instead of overflowing.
std::vector<int> Positions(font_engine::TFontInstance& font, std::u32string_view text, int tabWidth);

// The lines DrawText shows for `text`, top to bottom.
std::vector<TLine> Layout(font_engine::TFontInstance& font, std::u32string_view text, const TLayoutOptions& options);

}  // namespace text_layout
