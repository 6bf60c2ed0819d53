// Reading rich text into a rich edit's document: the font and colour
// tables, character formatting (bold, italic, underline, size, colour,
// font), paragraphs, line breaks and tabs, 8-bit text in code page 1251 or
// 1252, Unicode characters with their fallbacks, and skipping of everything
// else (style sheets, pictures, headers, unknown destinations ...).
//
// The reader never throws and never recurses: groups live on an explicit
// stack whose depth is capped (deeper groups share the state of the
// deepest kept one). Missing closing braces at the end and extra closing
// braces are tolerated. The time taken is linear in the input size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/stdctrls/RichDocument.h"

// Groups deeper than this share the state of the group at this depth.
inline constexpr size_t kRtfMaxGroupDepth = 1000;

struct TRtfReadResult {
  TRichDocument Document;
  // False when the bytes cannot be rich text at all: NUL bytes outside
  // binary data mean the file is something else that happens to start
  // like rich text.
  bool Usable = true;
};

// Whether the bytes start with "{\rtf", after optional white space and a
// UTF-8 byte-order mark.
bool LooksLikeRtf(std::string_view bytes);

TRtfReadResult ReadRtf(std::string_view bytes);
