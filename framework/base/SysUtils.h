// Small system helpers: formatting, number conversion, rounding, random
// numbers, text encodings (UTF-8 and code page 1251) and file-name tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Replaces each %s (and %d) in `pattern` by the next argument, in order.
std::string Format(std::string_view pattern, std::initializer_list<std::string> args);

std::string IntToStr(long long value);
// Decimal (or $hex / 0x hex) integer; throws EConvertError with the
// framework's message otherwise.
int StrToInt(const std::string& text);
long long StrToInt64(const std::string& text);
int StrToIntDef(const std::string& text, int fallback);
double StrToFloat(const std::string& text);  // '.' decimal separator
std::string FloatToStr(double value);        // shortest form, '.' separator

std::string UpperCase(std::string text);  // ASCII letters only, as the framework does
std::string LowerCase(std::string text);
std::string Trim(const std::string& text);
bool SameText(const std::string& a, const std::string& b);  // ASCII case-insensitive

// Rounds to the nearest integer, halves to the even neighbour.
long long Round(double value);
// Truncates toward zero.
long long Trunc(double value);

// The process-wide random generator: Randomize seeds it from the clock,
// RandSeed sets the seed (for tests and the --seed option).
void Randomize();
void SetRandSeed(uint32_t seed);
// Makes Randomize use a fixed seed instead of the clock (tools that must
// repeat a run); nullopt gives the clock back.
void SetRandomizeSeed(std::optional<uint32_t> seed);
uint32_t RandSeed();
// A uniform integer 0 <= r < range (0 for range <= 0).
int Random(int range);
// A uniform real 0 <= r < 1.
double RandomFloat();

// UTF-8 and the Cyrillic code page 1251.
bool IsValidUtf8(std::string_view bytes);
std::string Cp1251ToUtf8(std::string_view bytes);
// Characters without a code page 1251 form become '?'.
std::string Utf8ToCp1251(std::string_view text);
// Decodes UTF-8 into code points; invalid bytes become U+FFFD.
std::u32string Utf8ToUtf32(std::string_view text);
std::string Utf32ToUtf8(std::u32string_view text);
std::string CodePointToUtf8(char32_t cp);
// Number of bytes of the UTF-8 sequence that starts at `text[pos]` (1 for an invalid byte).
size_t Utf8CharLength(std::string_view text, size_t pos);
// Index of the start of the character before `pos` (0 at the start).
size_t Utf8PrevChar(std::string_view text, size_t pos);

// Files and folders. '\' separates folders as '/' does, so a path written
// for either kind of system names the same file.
std::string NativePath(const std::string& path);
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
std::string ExtractFileName(const std::string& path);  // after the last '/', '\' or ':'
std::string ExtractFilePath(const std::string& path);  // up to and including the last '/' or '\'
std::string ExtractFileExt(const std::string& path);   // from the last '.', or empty
std::string ParamStr0();  // the running program's full path
std::vector<std::string> ListDirectory(const std::string& path);  // entry names, unsorted
