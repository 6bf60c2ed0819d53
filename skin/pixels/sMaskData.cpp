#include "skin/pixels/sMaskData.h"

#include <charconv>

TsFontColors ParseFontColors(const std::string& text) {
  const TsFontColors none = {0, -1, -1, -1, -1};
  TsFontColors colors{};
  size_t pos = 0;
  for (size_t i = 0; i < colors.size(); ++i) {
    if (i > 0) {
      if (pos >= text.size() || text[pos] != ' ') return none;
      ++pos;
    }
    const char* begin = text.data() + pos;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(begin, end, colors[i]);
    if (error != std::errc() || ptr == begin) return none;
    pos = static_cast<size_t>(ptr - text.data());
  }
  return pos == text.size() ? colors : none;
}
