#include "framework/streaming/Parser.h"

#include <charconv>
#include <limits>

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentChar(char c) { return IsLetter(c) || IsDigit(c) || c == '.'; }
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string ShowChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 0x21 && u < 0x7F) return std::string("'") + c + "'";
  static const char* digits = "0123456789ABCDEF";
  return std::string("character $") + digits[u >> 4] + digits[u & 15];
}

}  // namespace

bool IsKeyword(const std::string& ident, const char* keyword) { return SameText(ident, keyword); }

// --- TLexer ---

TLexer::TLexer(std::string_view text, std::string sourceName) : text_(text), sourceName_(std::move(sourceName)) {
  if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
}

void TLexer::Error(int line, const std::string& message) const {
  std::string where = sourceName_.empty() ? "line " : sourceName_ + " line ";
  throw EReadError(where + std::to_string(line) + ": " + message);
}

std::string TLexer::Describe(const Token& t) {
  switch (t.kind) {
    case Kind::End: return "end of file";
    case Kind::Ident: return "identifier " + t.text;
    case Kind::Integer: return "number " + std::to_string(t.integer);
    case Kind::Real: return "real number";
    case Kind::String: return "string";
    case Kind::Binary: return "binary block";
    case Kind::Symbol: return "'" + t.text + "'";
  }
  return "token";
}

const TLexer::Token& TLexer::Peek() {
  if (!hasPeeked_) {
    peeked_ = Scan();
    hasPeeked_ = true;
  }
  return peeked_;
}

TLexer::Token TLexer::Next() {
  if (hasPeeked_) {
    hasPeeked_ = false;
    return std::move(peeked_);
  }
  return Scan();
}

void TLexer::NewLine() {
  if (Cur() == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
  ++pos_;
  ++line_;
}

void TLexer::SkipBlanks() {
  while (!AtEnd()) {
    const char c = Cur();
    if (c == '\r' || c == '\n') {
      NewLine();
    } else if (c == ' ' || c == '\t' || c == '\f' || c == '\v') {
      ++pos_;
    } else {
      break;
    }
  }
}

TLexer::Token TLexer::Scan() {
  SkipBlanks();
  Token t;
  t.line = line_;
  if (AtEnd()) return t;
  const char c = Cur();
  const char next = pos_ + 1 < text_.size() ? text_[pos_ + 1] : '\0';
  if (IsLetter(c)) {
    ScanIdent(t);
  } else if (IsDigit(c) || c == '$' || (c == '-' && (IsDigit(next) || next == '$'))) {
    ScanNumber(t);
  } else if (c == '\'' || c == '#') {
    ScanString(t);
  } else if (c == '{') {
    ScanBinary(t);
  } else if (std::string_view("=:[](),<>+").find(c) != std::string_view::npos) {
    t.kind = Kind::Symbol;
    t.text = std::string(1, c);
    ++pos_;
  } else {
    Error(line_, "Invalid " + ShowChar(c));
  }
  return t;
}

void TLexer::ScanIdent(Token& t) {
  const size_t start = pos_;
  while (!AtEnd() && IsIdentChar(Cur())) {
    if (pos_ - start >= kMaxIdent) Error(line_, "Identifier too long");
    ++pos_;
  }
  t.kind = Kind::Ident;
  t.text = std::string(text_.substr(start, pos_ - start));
  // Dots join names ("Font.Height"): each part must be a name of its own.
  for (size_t i = 0; i < t.text.size(); ++i) {
    if (t.text[i] != '.') continue;
    if (i + 1 >= t.text.size() || !IsLetter(t.text[i + 1])) Error(line_, "Invalid name " + t.text);
  }
}

void TLexer::ScanNumber(Token& t) {
  const size_t start = pos_;
  const bool negative = Cur() == '-';
  if (negative) ++pos_;
  uint64_t magnitude = 0;
  bool isReal = false;
  if (!AtEnd() && Cur() == '$') {
    ++pos_;
    size_t digits = 0;
    while (!AtEnd() && HexValue(Cur()) >= 0) {
      if (++digits > 16) Error(line_, "Number too large");
      magnitude = (magnitude << 4) | static_cast<uint64_t>(HexValue(Cur()));
      ++pos_;
    }
    if (digits == 0) Error(line_, "Hexadecimal digits expected after $");
  } else {
    while (!AtEnd() && IsDigit(Cur())) ++pos_;
    if (!AtEnd() && Cur() == '.' && pos_ + 1 < text_.size() && IsDigit(text_[pos_ + 1])) {
      isReal = true;
      ++pos_;
      while (!AtEnd() && IsDigit(Cur())) ++pos_;
    }
    if (!AtEnd() && (Cur() == 'e' || Cur() == 'E')) {
      size_t p = pos_ + 1;
      if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) ++p;
      if (p < text_.size() && IsDigit(text_[p])) {
        isReal = true;
        pos_ = p;
        while (!AtEnd() && IsDigit(Cur())) ++pos_;
      }
    }
  }
  if (pos_ - start > kMaxNumber) Error(line_, "Number too long");
  if (!AtEnd() && (IsLetter(Cur()) || IsDigit(Cur()) || Cur() == '.'))
    Error(line_, "Invalid number " + std::string(text_.substr(start, pos_ - start + 1)));

  const std::string_view digits = text_.substr(start, pos_ - start);
  if (isReal) {
    double value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size()) Error(line_, "Invalid number " + std::string(digits));
    t.kind = Kind::Real;
    t.real = value;
    return;
  }
  if (digits.find('$') == std::string_view::npos) {
    for (char c : digits.substr(negative ? 1 : 0)) {
      const uint64_t d = static_cast<uint64_t>(c - '0');
      if (magnitude > (std::numeric_limits<uint64_t>::max() - d) / 10) Error(line_, "Number too large");
      magnitude = magnitude * 10 + d;
    }
  }
  constexpr uint64_t kMaxPositive = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  t.kind = Kind::Integer;
  if (negative) {
    if (magnitude > kMaxPositive + 1) Error(line_, "Number too large");
    t.integer = magnitude == kMaxPositive + 1 ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(magnitude);
  } else if (digits.front() == '$') {
    // Hex is a bit pattern: $FFFFFFFFFFFFFFFF is -1.
    t.integer = static_cast<int64_t>(magnitude);
  } else {
    if (magnitude > kMaxPositive) Error(line_, "Number too large");
    t.integer = static_cast<int64_t>(magnitude);
  }
}

void TLexer::ScanString(Token& t) {
  const int startLine = line_;
  std::string out;
  // Quoted parts and #codes written next to each other make one string.
  while (!AtEnd() && (Cur() == '\'' || Cur() == '#')) {
    if (Cur() == '\'') {
      ++pos_;
      for (;;) {
        if (AtEnd() || Cur() == '\r' || Cur() == '\n') Error(startLine, "Unterminated string");
        if (Cur() == '\'') {
          if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
            out += '\'';
            pos_ += 2;
            continue;
          }
          ++pos_;
          break;
        }
        // Copy the run up to the next quote or line break in one piece.
        const size_t runEnd = text_.find_first_of("'\r\n", pos_);
        const size_t stop = runEnd == std::string_view::npos ? text_.size() : runEnd;
        if (out.size() + (stop - pos_) > kMaxString) Error(startLine, "String too long");
        out.append(text_.substr(pos_, stop - pos_));
        pos_ = stop;
      }
    } else {
      ++pos_;
      uint32_t code = 0;
      size_t digits = 0;
      const bool hex = !AtEnd() && Cur() == '$';
      if (hex) ++pos_;
      while (!AtEnd() && (hex ? HexValue(Cur()) >= 0 : IsDigit(Cur()))) {
        code = hex ? code * 16 + static_cast<uint32_t>(HexValue(Cur())) : code * 10 + static_cast<uint32_t>(Cur() - '0');
        if (code > 0x10FFFF) Error(line_, "Invalid character code");
        ++digits;
        ++pos_;
      }
      if (digits == 0) Error(line_, "Character code expected after #");
      if (code >= 0xD800 && code <= 0xDFFF) Error(line_, "Invalid character code");
      out += CodePointToUtf8(static_cast<char32_t>(code));
      if (out.size() > kMaxString) Error(startLine, "String too long");
    }
  }
  t.kind = Kind::String;
  t.text = std::move(out);
}

void TLexer::ScanBinary(Token& t) {
  const int startLine = line_;
  ++pos_;  // '{'
  int high = -1;
  for (;;) {
    if (AtEnd()) Error(startLine, "Unterminated binary block");
    const char c = Cur();
    if (c == '}') {
      ++pos_;
      break;
    }
    const int v = HexValue(c);
    if (v >= 0) {
      if (high < 0) {
        high = v;
      } else {
        t.bytes.push_back(static_cast<uint8_t>(high << 4 | v));
        high = -1;
      }
      ++pos_;
    } else if (c == '\r' || c == '\n') {
      NewLine();
    } else if (c == ' ' || c == '\t') {
      ++pos_;
    } else {
      Error(line_, "Invalid " + ShowChar(c) + " in binary block");
    }
  }
  if (high >= 0) Error(startLine, "Odd number of hex digits in binary block");
  t.kind = Kind::Binary;
}

// --- TParser ---

TParser::TParser(std::string_view text, std::string sourceName) : lex_(text, std::move(sourceName)) {}

void TParser::Unexpected(const TLexer::Token& token, const std::string& expected) const {
  lex_.Error(token.line, expected + " expected but " + TLexer::Describe(token) + " found");
}

std::string TParser::ExpectName(const char* what) {
  TLexer::Token t = lex_.Next();
  if (t.kind != TLexer::Kind::Ident) Unexpected(t, what);
  if (t.text.find('.') != std::string::npos) lex_.Error(t.line, "Invalid name " + t.text);
  return std::move(t.text);
}

void TParser::ExpectSymbol(char symbol) {
  TLexer::Token t = lex_.Next();
  if (t.kind != TLexer::Kind::Symbol || t.text[0] != symbol) Unexpected(t, std::string("'") + symbol + "'");
}

void TParser::ReadHeader(TParseEvent& event, int line) {
  event.kind = TParseEvent::Kind::BeginObject;
  event.line = line;
  std::string first = ExpectName("Object name");
  const TLexer::Token& next = lex_.Peek();
  if (next.kind == TLexer::Kind::Symbol && next.text == ":") {
    lex_.Next();
    event.name = std::move(first);
    event.className = ExpectName("Class name");
  } else {
    event.className = std::move(first);  // an object without a name
  }
}

bool TParser::Next(TParseEvent& event) {
  if (finished_) return false;
  event = TParseEvent();
  TLexer::Token t = lex_.Next();
  const bool isIdent = t.kind == TLexer::Kind::Ident;
  const bool opensObject =
      isIdent && (IsKeyword(t.text, "object") || IsKeyword(t.text, "inherited") || IsKeyword(t.text, "inline"));
  if (!started_) {
    if (!opensObject) Unexpected(t, "'object'");
    started_ = true;
    ReadHeader(event, t.line);
    depth_ = 1;
    return true;
  }
  if (t.kind == TLexer::Kind::End) lex_.Error(t.line, "Unexpected end of file, 'end' expected");
  if (opensObject) {
    if (depth_ >= kMaxDepth) lex_.Error(t.line, "Objects nested too deeply");
    ReadHeader(event, t.line);
    ++depth_;
    return true;
  }
  if (isIdent && IsKeyword(t.text, "end")) {
    event.kind = TParseEvent::Kind::EndObject;
    event.line = t.line;
    if (--depth_ == 0) {
      finished_ = true;
      const TLexer::Token& rest = lex_.Peek();
      if (rest.kind != TLexer::Kind::End) Unexpected(rest, "End of file");
    }
    return true;
  }
  if (!isIdent) Unexpected(t, "Property name, 'object' or 'end'");
  event.kind = TParseEvent::Kind::Property;
  event.line = t.line;
  event.name = std::move(t.text);
  ExpectSymbol('=');
  event.value = ParseValue(depth_);
  return true;
}

TPropValue TParser::ParseValue(int nesting) {
  TLexer::Token t = lex_.Next();
  TPropValue v;
  v.line = t.line;
  switch (t.kind) {
    case TLexer::Kind::Integer:
      v.kind = TPropValue::Kind::Integer;
      v.integer = t.integer;
      return v;
    case TLexer::Kind::Real:
      v.kind = TPropValue::Kind::Real;
      v.real = t.real;
      return v;
    case TLexer::Kind::String:
      ParseStringValue(v, std::move(t));
      return v;
    case TLexer::Kind::Ident:
      // A missing value followed by the next keyword reads better as an error
      // here than as a strange identifier.
      if (IsKeyword(t.text, "end") || IsKeyword(t.text, "object") || IsKeyword(t.text, "item")) break;
      v.kind = TPropValue::Kind::Ident;
      v.text = std::move(t.text);
      return v;
    case TLexer::Kind::Binary:
      v.kind = TPropValue::Kind::Binary;
      v.bytes = std::move(t.bytes);
      return v;
    case TLexer::Kind::Symbol:
      if (t.text == "[") {
        ParseSet(v);
        return v;
      }
      if (t.text == "(") {
        ParseList(v);
        return v;
      }
      if (t.text == "<") {
        ParseCollection(v, nesting);
        return v;
      }
      break;
    case TLexer::Kind::End:
      break;
  }
  Unexpected(t, "Value");
}

void TParser::ParseStringValue(TPropValue& value, TLexer::Token first) {
  value.kind = TPropValue::Kind::String;
  value.text = std::move(first.text);
  for (;;) {
    const TLexer::Token& next = lex_.Peek();
    if (next.kind != TLexer::Kind::Symbol || next.text != "+") return;
    lex_.Next();
    TLexer::Token part = lex_.Next();
    if (part.kind != TLexer::Kind::String) Unexpected(part, "String");
    if (value.text.size() + part.text.size() > TLexer::kMaxString) lex_.Error(part.line, "String too long");
    value.text += part.text;
  }
}

void TParser::ParseSet(TPropValue& value) {
  value.kind = TPropValue::Kind::Set;
  const TLexer::Token& first = lex_.Peek();
  if (first.kind == TLexer::Kind::Symbol && first.text == "]") {
    lex_.Next();
    return;
  }
  for (;;) {
    TLexer::Token item = lex_.Next();
    if (item.kind != TLexer::Kind::Ident) Unexpected(item, "Set element");
    value.items.push_back(std::move(item.text));
    TLexer::Token sep = lex_.Next();
    if (sep.kind == TLexer::Kind::Symbol && sep.text == "]") return;
    if (sep.kind != TLexer::Kind::Symbol || sep.text != ",") Unexpected(sep, "',' or ']'");
  }
}

void TParser::ParseList(TPropValue& value) {
  value.kind = TPropValue::Kind::List;
  for (;;) {
    TLexer::Token t = lex_.Next();
    if (t.kind == TLexer::Kind::Symbol && t.text == ")") return;
    if (t.kind != TLexer::Kind::String) Unexpected(t, "String or ')'");
    TPropValue item;
    ParseStringValue(item, std::move(t));
    value.items.push_back(std::move(item.text));
  }
}

void TParser::ParseCollection(TPropValue& value, int nesting) {
  value.kind = TPropValue::Kind::Collection;
  if (nesting >= kMaxDepth) lex_.Error(value.line, "Collections nested too deeply");
  for (;;) {
    TLexer::Token t = lex_.Next();
    if (t.kind == TLexer::Kind::Symbol && t.text == ">") return;
    if (t.kind != TLexer::Kind::Ident || !IsKeyword(t.text, "item")) Unexpected(t, "'item' or '>'");
    TPropValue::Item item;
    item.line = t.line;
    for (;;) {
      TLexer::Token p = lex_.Next();
      if (p.kind == TLexer::Kind::Ident && IsKeyword(p.text, "end")) break;
      if (p.kind != TLexer::Kind::Ident) Unexpected(p, "Property name or 'end'");
      ExpectSymbol('=');
      TPropValue v = ParseValue(nesting + 1);
      item.properties.emplace_back(std::move(p.text), std::move(v));
    }
    value.collection.push_back(std::move(item));
  }
}
