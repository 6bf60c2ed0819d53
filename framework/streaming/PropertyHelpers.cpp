#include "framework/streaming/PropertyHelpers.h"

#include "framework/base/SysUtils.h"
#include "framework/graphics/Font.h"

namespace {

int FindName(const std::string& ident, const std::vector<std::string>& names) {
  for (size_t i = 0; i < names.size(); ++i)
    if (SameText(names[i], ident)) return static_cast<int>(i);
  return -1;
}

}  // namespace

int IdentIndex(const TPropValue& value, const std::vector<std::string>& names, TReader& reader) {
  const int index = FindName(value.AsIdent(), names);
  if (index < 0) reader.Error(value.line, "Invalid property value " + value.text);
  return index;
}

uint64_t SetBits(const TPropValue& value, const std::vector<std::string>& names, TReader& reader) {
  if (value.kind != TPropValue::Kind::Set) reader.Error(value.line, "Set value expected");
  uint64_t bits = 0;
  for (const std::string& item : value.items) {
    const int index = FindName(item, names);
    if (index < 0 || index >= 64) reader.Error(value.line, "Invalid set element " + item);
    bits |= uint64_t{1} << index;
  }
  return bits;
}

TColor ColorValue(const TPropValue& value, TReader& reader) {
  if (value.kind == TPropValue::Kind::Ident) {
    if (auto color = ColorFromIdent(value.text)) return *color;
    reader.Error(value.line, "Invalid colour " + value.text);
  }
  return value.AsInt();
}

int CharsetValue(const TPropValue& value, TReader& reader) {
  static const struct {
    const char* name;
    int code;
  } kCharsets[] = {
      {"ANSI_CHARSET", ANSI_CHARSET},     {"DEFAULT_CHARSET", DEFAULT_CHARSET},
      {"SYMBOL_CHARSET", SYMBOL_CHARSET}, {"MAC_CHARSET", 77},
      {"SHIFTJIS_CHARSET", 128},          {"HANGEUL_CHARSET", 129},
      {"JOHAB_CHARSET", 130},             {"GB2312_CHARSET", 134},
      {"CHINESEBIG5_CHARSET", 136},       {"GREEK_CHARSET", 161},
      {"TURKISH_CHARSET", 162},           {"VIETNAMESE_CHARSET", 163},
      {"HEBREW_CHARSET", 177},            {"ARABIC_CHARSET", 178},
      {"BALTIC_CHARSET", 186},            {"RUSSIAN_CHARSET", RUSSIAN_CHARSET},
      {"THAI_CHARSET", 222},              {"EASTEUROPE_CHARSET", EASTEUROPE_CHARSET},
      {"OEM_CHARSET", 255},
  };
  if (value.kind == TPropValue::Kind::Ident) {
    for (const auto& c : kCharsets)
      if (SameText(value.text, c.name)) return c.code;
    reader.Error(value.line, "Invalid character set " + value.text);
  }
  const int code = value.AsInt();
  if (code < 0 || code > 255) reader.Error(value.line, "Invalid character set " + std::to_string(code));
  return code;
}
