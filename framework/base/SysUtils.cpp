#include "framework/base/SysUtils.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <limits>
#include <optional>
#include <system_error>

#include "framework/base/Exceptions.h"

namespace fs = std::filesystem;

// ---------------------------------------------------------------------------
// Formatting and number conversion

std::string Format(std::string_view pattern, std::initializer_list<std::string> args) {
  std::string out;
  out.reserve(pattern.size() + 16);
  auto next = args.begin();
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c != '%' || i + 1 >= pattern.size()) {
      out += c;
      continue;
    }
    const char directive = pattern[i + 1];
    if (directive == '%') {
      out += '%';
      ++i;
    } else if ((directive == 's' || directive == 'd') && next != args.end()) {
      out += *next++;
      ++i;
    } else {
      // Unknown directives and directives without an argument stay visible,
      // so a wrong call shows up in the message instead of vanishing.
      out += c;
    }
  }
  return out;
}

std::string IntToStr(long long value) { return std::to_string(value); }

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Parses an integer in the framework's notations. Hex literals may use the
// full unsigned width of the target and wrap into the signed range (so
// "$FFFFFFFF" is -1 as a 32-bit integer), as hex masks are commonly written.
bool ParseInteger(const std::string& text, int bits, long long& result) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return false;

  const unsigned long long unsignedMax =
      bits == 64 ? std::numeric_limits<unsigned long long>::max() : (1ULL << bits) - 1;
  // Decimal values must fit the signed range (one more for the negative side).
  const unsigned long long decimalMax = (1ULL << (bits - 1)) - (negative ? 0 : 1);
  const unsigned long long limit = base == 16 ? unsignedMax : decimalMax;

  unsigned long long value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    unsigned digit;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = static_cast<unsigned>(c - 'a' + 10);
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = static_cast<unsigned>(c - 'A' + 10);
    } else {
      return false;
    }
    if (value > (limit - digit) / static_cast<unsigned>(base)) return false;
    value = value * static_cast<unsigned>(base) + digit;
  }

  if (base == 16) {
    // Reinterpret the bit pattern in the target width, then apply the sign.
    long long wrapped;
    if (bits == 64) {
      wrapped = static_cast<long long>(value);
    } else {
      wrapped = static_cast<long long>(static_cast<int32_t>(static_cast<uint32_t>(value)));
    }
    if (negative) {
      if (wrapped == std::numeric_limits<long long>::min()) return false;
      wrapped = -wrapped;
    }
    if (bits == 32 && wrapped > std::numeric_limits<int32_t>::max()) return false;
    result = wrapped;
    return true;
  }
  if (negative) {
    result = value == (1ULL << 63) ? std::numeric_limits<long long>::min() : -static_cast<long long>(value);
  } else {
    result = static_cast<long long>(value);
  }
  return true;
}

[[noreturn]] void ThrowInvalidInteger(const std::string& text) {
  throw EConvertError(Format(SInvalidInteger, {text}));
}

}  // namespace

int StrToInt(const std::string& text) {
  long long value = 0;
  if (!ParseInteger(text, 32, value)) ThrowInvalidInteger(text);
  return static_cast<int>(value);
}

long long StrToInt64(const std::string& text) {
  long long value = 0;
  if (!ParseInteger(text, 64, value)) ThrowInvalidInteger(text);
  return value;
}

int StrToIntDef(const std::string& text, int fallback) {
  long long value = 0;
  return ParseInteger(text, 32, value) ? static_cast<int>(value) : fallback;
}

double StrToFloat(const std::string& text) {
  const std::string t = Trim(text);
  size_t start = 0;
  if (!t.empty() && t[0] == '+') start = 1;  // from_chars does not take a plus sign
  // Only digits, a sign, a point and an exponent: from_chars would also
  // accept "inf" and "nan", which are not numbers in a description file.
  bool hasDigit = false;
  for (size_t i = start; i < t.size(); ++i) {
    const char c = t[i];
    if (c >= '0' && c <= '9') {
      hasDigit = true;
    } else if (c != '.' && c != 'e' && c != 'E' && c != '+' && c != '-') {
      throw EConvertError(Format(SInvalidFloat, {text}));
    }
  }
  double value = 0;
  const char* first = t.data() + start;
  const char* last = t.data() + t.size();
  const auto [ptr, ec] = std::from_chars(first, last, value);
  if (!hasDigit || ec != std::errc() || ptr != last || (start == 1 && t.size() > 1 && t[1] == '-'))
    throw EConvertError(Format(SInvalidFloat, {text}));
  return value;
}

std::string FloatToStr(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  char buffer[64];
  const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (ec != std::errc()) return "0";
  std::string s(buffer, ptr);
  for (char& c : s)
    if (c == 'e') c = 'E';
  return s;
}

std::string UpperCase(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

std::string LowerCase(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string Trim(const std::string& text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

bool SameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// ---------------------------------------------------------------------------
// Rounding

namespace {

// Converts an already integral double to long long without undefined
// behaviour: NaN becomes 0, values past the range saturate.
long long SaturateToInt64(double integral) {
  if (std::isnan(integral)) return 0;
  // 2^63 is exactly representable; everything at or above it does not fit.
  if (integral >= 9223372036854775808.0) return std::numeric_limits<long long>::max();
  if (integral < -9223372036854775808.0) return std::numeric_limits<long long>::min();
  return static_cast<long long>(integral);
}

}  // namespace

long long Round(double value) {
  // Banker's rounding by explicit logic, so the result does not depend on
  // whatever rounding mode the floating-point environment happens to be in.
  const double floorValue = std::floor(value);
  const double diff = value - floorValue;
  double r;
  if (diff > 0.5) {
    r = floorValue + 1.0;
  } else if (diff < 0.5) {
    r = floorValue;
  } else {
    r = std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1.0;
  }
  return SaturateToInt64(r);
}

long long Trunc(double value) { return SaturateToInt64(std::trunc(value)); }

// ---------------------------------------------------------------------------
// Random numbers
//
// A 32-bit linear congruential generator (multiplier 134775813, increment 1).
// It is tiny, fast and fully determined by the seed, which is what the
// --seed option and the tests need. Range reduction takes the high half of
// seed * range, which keeps the bias below range / 2^32 without a loop.

namespace {
uint32_t gRandSeed = 0;
std::optional<uint32_t> gFixedSeed;

uint32_t NextRandom() {
  gRandSeed = gRandSeed * 134775813u + 1u;
  return gRandSeed;
}
}  // namespace

void Randomize() {
  if (gFixedSeed) {
    SetRandSeed(*gFixedSeed);
    return;
  }
  const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  const auto bits = static_cast<uint64_t>(now);
  SetRandSeed(static_cast<uint32_t>(bits ^ (bits >> 32)));
}

void SetRandSeed(uint32_t seed) { gRandSeed = seed; }

void SetRandomizeSeed(std::optional<uint32_t> seed) { gFixedSeed = seed; }

uint32_t RandSeed() { return gRandSeed; }

int Random(int range) {
  if (range <= 0) return 0;
  const uint64_t r = NextRandom();
  return static_cast<int>((r * static_cast<uint64_t>(range)) >> 32);
}

double RandomFloat() { return static_cast<double>(NextRandom()) * (1.0 / 4294967296.0); }

// ---------------------------------------------------------------------------
// UTF-8 and code page 1251

namespace {

// Unicode for the upper half of code page 1251 below the Cyrillic alphabet
// (0x80..0xBF); 0xC0..0xFF are А..я in order. 0x98 has no character and is
// carried through as the control code of the same value, so every byte
// round-trips.
constexpr char16_t kCp1251High[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

char32_t Cp1251ToCodePoint(uint8_t b) {
  if (b < 0x80) return b;
  if (b >= 0xC0) return 0x0410 + (b - 0xC0);
  return kCp1251High[b - 0x80];
}

int CodePointToCp1251(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  if (cp >= 0x0410 && cp <= 0x044F) return static_cast<int>(0xC0 + (cp - 0x0410));
  for (int i = 0; i < 64; ++i)
    if (kCp1251High[i] == cp) return 0x80 + i;
  return -1;
}

// Decodes one UTF-8 sequence at `pos`. Answers its length and code point,
// or length 0 when the bytes there are not a well-formed sequence (overlong
// forms, surrogates, values past U+10FFFF and truncated sequences included).
size_t DecodeUtf8(std::string_view s, size_t pos, char32_t& cp) {
  const auto byte = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
  const uint8_t b0 = byte(pos);
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  }
  size_t length;
  char32_t minimum;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2;
    minimum = 0x80;
    cp = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3;
    minimum = 0x800;
    cp = b0 & 0x0F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4;
    minimum = 0x10000;
    cp = b0 & 0x07;
  } else {
    return 0;  // a continuation byte, C0/C1 (always overlong) or F5..FF
  }
  if (s.size() - pos < length) return 0;
  for (size_t i = 1; i < length; ++i) {
    const uint8_t b = byte(pos + i);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  size_t pos = 0;
  char32_t cp;
  while (pos < bytes.size()) {
    const size_t n = DecodeUtf8(bytes, pos, cp);
    if (n == 0) return false;
    pos += n;
  }
  return true;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char c : bytes) AppendUtf8(out, Cp1251ToCodePoint(static_cast<uint8_t>(c)));
  return out;
}

std::string Utf8ToCp1251(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    char32_t cp;
    size_t n = DecodeUtf8(text, pos, cp);
    int b = -1;
    if (n == 0) {
      n = 1;
    } else {
      b = CodePointToCp1251(cp);
    }
    out += b < 0 ? '?' : static_cast<char>(b);
    pos += n;
  }
  return out;
}

std::u32string Utf8ToUtf32(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    char32_t cp;
    const size_t n = DecodeUtf8(text, pos, cp);
    if (n == 0) {
      out += U'\uFFFD';
      ++pos;
    } else {
      out += cp;
      pos += n;
    }
  }
  return out;
}

std::string Utf32ToUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char32_t cp : text) AppendUtf8(out, cp);
  return out;
}

std::string CodePointToUtf8(char32_t cp) {
  std::string out;
  AppendUtf8(out, cp);
  return out;
}

size_t Utf8CharLength(std::string_view text, size_t pos) {
  if (pos >= text.size()) return 0;
  char32_t cp;
  const size_t n = DecodeUtf8(text, pos, cp);
  return n == 0 ? 1 : n;
}

size_t Utf8PrevChar(std::string_view text, size_t pos) {
  if (pos == 0) return 0;
  if (pos > text.size()) pos = text.size();
  // Step back over at most three continuation bytes to a lead byte whose
  // sequence ends exactly at `pos`; otherwise the previous byte stands alone.
  for (size_t back = 2; back <= 4 && back <= pos; ++back) {
    const size_t start = pos - back;
    if ((static_cast<uint8_t>(text[start + 1]) & 0xC0) != 0x80) break;
    char32_t cp;
    if (DecodeUtf8(text, start, cp) == back) return start;
  }
  return pos - 1;
}

// ---------------------------------------------------------------------------
// Files and folders

std::string NativePath(const std::string& path) {
  std::string native = path;
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  const auto status = fs::status(NativePath(path), ec);
  return !ec && fs::exists(status) && !fs::is_directory(status);
}

bool DirectoryExists(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(NativePath(path), ec) && !ec;
}

std::string ExtractFileName(const std::string& path) {
  const size_t p = path.find_last_of("/\\:");
  return p == std::string::npos ? path : path.substr(p + 1);
}

std::string ExtractFilePath(const std::string& path) {
  const size_t p = path.find_last_of("/\\");
  return p == std::string::npos ? std::string() : path.substr(0, p + 1);
}

std::string ExtractFileExt(const std::string& path) {
  // A dot in a folder name ("dir.d/file") is not an extension.
  const size_t p = path.find_last_of(".\\/:");
  if (p == std::string::npos || path[p] != '.') return std::string();
  return path.substr(p);
}

std::string ParamStr0() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.string();
}

std::vector<std::string> ListDirectory(const std::string& path) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(NativePath(path), ec);
  if (ec) return names;
  for (const fs::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    names.push_back(it->path().filename().string());
  }
  return names;
}
