// The tokenizer and parser of window descriptions (the format is described
// in Reader.h). The parser is pulled: each call to Next answers one event
// (an object begins, a property with its value, an object ends), so the
// reader applies what it has read before it looks further and errors name
// the line where they happen.
//
// Nothing here recurses without a bound: objects are counted, not recursed
// into, and the only recursion (collection items holding collections) stops
// at the same nesting limit. Every token and value has a size limit, so a
// hostile description fails with EReadError instead of exhausting memory.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/streaming/ClassRegistry.h"

class TLexer {
 public:
  enum class Kind { End, Ident, Integer, Real, String, Binary, Symbol };
  struct Token {
    Kind kind = Kind::End;
    std::string text;            // Ident name, String value, Symbol character
    std::vector<uint8_t> bytes;  // Binary
    int64_t integer = 0;
    double real = 0;
    int line = 1;
  };

  // Longest identifier, number and string (after joining its parts).
  static constexpr size_t kMaxIdent = 255;
  static constexpr size_t kMaxNumber = 64;
  static constexpr size_t kMaxString = size_t{16} << 20;

  TLexer(std::string_view text, std::string sourceName);

  const Token& Peek();
  Token Next();
  int Line() const { return line_; }
  [[noreturn]] void Error(int line, const std::string& message) const;
  // How a token is shown in "X expected but Y found".
  static std::string Describe(const Token& token);

 private:
  Token Scan();
  void SkipBlanks();
  void ScanIdent(Token& t);
  void ScanNumber(Token& t);
  void ScanString(Token& t);
  void ScanBinary(Token& t);
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Cur() const { return text_[pos_]; }
  // Consumes one line break (CR LF, LF or CR) at the current position.
  void NewLine();

  std::string_view text_;
  std::string sourceName_;
  size_t pos_ = 0;
  int line_ = 1;
  Token peeked_;
  bool hasPeeked_ = false;
};

struct TParseEvent {
  enum class Kind { BeginObject, Property, EndObject };
  Kind kind = Kind::BeginObject;
  std::string name;       // object name (may be empty) or property path
  std::string className;  // BeginObject
  TPropValue value;       // Property
  int line = 0;
};

class TParser {
 public:
  // Objects and collections together nest at most this deep.
  static constexpr int kMaxDepth = 64;

  TParser(std::string_view text, std::string sourceName);
  // The next event; false once the root object has ended (anything but
  // blanks after it is an error).
  bool Next(TParseEvent& event);
  // Objects open at the moment.
  int Depth() const { return depth_; }

 private:
  void ReadHeader(TParseEvent& event, int line);
  TPropValue ParseValue(int nesting);
  void ParseStringValue(TPropValue& value, TLexer::Token first);
  void ParseSet(TPropValue& value);
  void ParseList(TPropValue& value);
  void ParseCollection(TPropValue& value, int nesting);
  std::string ExpectName(const char* what);
  void ExpectSymbol(char symbol);
  [[noreturn]] void Unexpected(const TLexer::Token& token, const std::string& expected) const;

  TLexer lex_;
  int depth_ = 0;
  bool started_ = false;
  bool finished_ = false;
};

// True when `ident` is the keyword (ASCII case ignored).
bool IsKeyword(const std::string& ident, const char* keyword);
