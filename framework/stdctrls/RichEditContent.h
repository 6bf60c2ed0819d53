// Turning the bytes of a file into a rich edit's document: rich text when
// the bytes start like it, plain text otherwise (UTF-8, UTF-16 with its
// byte-order mark, or code page 1251 when the bytes are not valid UTF-8).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "framework/stdctrls/RichDocument.h"

// Files larger than this are not loaded: a rich edit is no place for them,
// and the limit keeps a bad file from exhausting memory.
inline constexpr size_t kMaxRichEditFileBytes = size_t{256} * 1024 * 1024;

// Whether the bytes read as text: no NUL bytes (unless the text is UTF-16
// with a byte-order mark) and hardly any other control characters.
bool IsAcceptablePlainText(std::string_view bytes);

// The bytes as UTF-8 text (UTF-8 and UTF-16 byte-order marks are dropped).
std::string DecodePlainTextBytes(std::string_view bytes);

// The document the bytes hold, or nothing when they are neither usable rich
// text nor acceptable plain text. With `plainTextOnly` rich text is shown
// as the text it is written in.
std::optional<TRichDocument> ReadRichEditContent(std::string_view bytes, bool plainTextOnly);
