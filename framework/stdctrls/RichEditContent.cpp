#include "framework/stdctrls/RichEditContent.h"

#include <vector>

#include "framework/base/SysUtils.h"
#include "framework/components/StringList.h"
#include "framework/stdctrls/RtfReader.h"

namespace {

enum class TUtf16 { None, LittleEndian, BigEndian };

TUtf16 Utf16Kind(std::string_view bytes) {
  if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') return TUtf16::LittleEndian;
  if (bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF') return TUtf16::BigEndian;
  return TUtf16::None;
}

std::string DecodeUtf16(std::string_view bytes, bool littleEndian) {
  std::u32string out;
  out.reserve(bytes.size() / 2);
  char32_t high = 0;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const auto a = static_cast<uint8_t>(bytes[i]), b = static_cast<uint8_t>(bytes[i + 1]);
    const char32_t unit = littleEndian ? (char32_t{b} << 8 | a) : (char32_t{a} << 8 | b);
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      if (high) out.push_back(0xFFFD);
      high = unit;
      continue;
    }
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
      out.push_back(high ? 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00) : char32_t{0xFFFD});
      high = 0;
      continue;
    }
    if (high) out.push_back(0xFFFD);
    high = 0;
    out.push_back(unit);
  }
  if (high || bytes.size() % 2 != 0) out.push_back(0xFFFD);
  return Utf32ToUtf8(out);
}

}  // namespace

bool IsAcceptablePlainText(std::string_view bytes) {
  if (Utf16Kind(bytes) != TUtf16::None) return true;
  size_t stray = 0;
  for (char ch : bytes) {
    const auto c = static_cast<uint8_t>(ch);
    if (c == 0) return false;
    // Tab, line and page breaks, and the old end-of-file and escape marks
    // turn up in real text files; other control characters point to binary data.
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\v' && c != '\f' && c != '\r' && c != 0x1A && c != 0x1B) ++stray;
  }
  return stray * 100 <= bytes.size();
}

std::string DecodePlainTextBytes(std::string_view bytes) {
  switch (Utf16Kind(bytes)) {
    case TUtf16::LittleEndian:
      return DecodeUtf16(bytes, true);
    case TUtf16::BigEndian:
      return DecodeUtf16(bytes, false);
    case TUtf16::None:
      break;
  }
  return DecodeTextBytes(std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

std::optional<TRichDocument> ReadRichEditContent(std::string_view bytes, bool plainTextOnly) {
  if (bytes.size() > kMaxRichEditFileBytes) return std::nullopt;
  if (!plainTextOnly && LooksLikeRtf(bytes)) {
    TRtfReadResult rtf = ReadRtf(bytes);
    if (rtf.Usable) return std::move(rtf.Document);
  }
  if (!IsAcceptablePlainText(bytes)) return std::nullopt;
  return TRichDocument::FromPlainText(DecodePlainTextBytes(bytes));
}
