#include "framework/stdctrls/RtfReader.h"

#include <algorithm>
#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/base/SysUtils.h"

namespace {

// --- code pages -----------------------------------------------------------

// The upper half of code page 1252; its unassigned bytes become U+FFFD.
constexpr std::array<char32_t, 32> kCp1252Controls = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

char32_t Cp1252ToCodePoint(uint8_t b) {
  if (b >= 0x80 && b < 0xA0) return kCp1252Controls[b - 0x80];
  return b;
}

const std::array<char32_t, 256>& Cp1251Table() {
  static const std::array<char32_t, 256> table = [] {
    std::array<char32_t, 256> t{};
    for (int b = 0; b < 256; ++b) {
      const std::u32string cp = Utf8ToUtf32(Cp1251ToUtf8(std::string(1, static_cast<char>(b))));
      t[static_cast<size_t>(b)] = cp.empty() ? U'\uFFFD' : cp.front();
    }
    return t;
  }();
  return table;
}

constexpr int kCharsetRussian = 204;
constexpr int kCharsetAnsi = 0;

// --- control words ----------------------------------------------------------

enum class TWord : uint8_t {
  Unknown, Ansi, AnsiCpg, Deff, FontTable, ColorTable, Skip, Par, Line, Tab, Page, Bold, Italic, Underline,
  UnderlineNone, FontSize, ColorFg, Font, Plain, Pard, UnicodeSkip, Unicode, Bin, FontCharset, Red, Green, Blue,
  Char,  // a character of its own (dashes, quotes ...)
  Ignore,
};

struct TWordInfo {
  TWord Kind = TWord::Unknown;
  char32_t Char = 0;
};

const std::unordered_map<std::string_view, TWordInfo>& Words() {
  static const std::unordered_map<std::string_view, TWordInfo> words = [] {
    std::unordered_map<std::string_view, TWordInfo> w;
    w["ansi"] = {TWord::Ansi};
    w["ansicpg"] = {TWord::AnsiCpg};
    w["deff"] = {TWord::Deff};
    w["fonttbl"] = {TWord::FontTable};
    w["colortbl"] = {TWord::ColorTable};
    // Destinations whose content is never shown.
    for (std::string_view d :
         {"stylesheet", "info", "pict", "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr",
          "footerf", "object", "fldinst", "footnote", "annotation", "atnid", "atnauthor", "xe", "tc", "txe", "rxe",
          "nonshppict", "themedata", "colorschememapping", "datastore", "latentstyles", "listtable",
          "listoverridetable", "rsidtbl", "generator", "filetbl", "revtbl", "pgdsctbl", "pntxta", "pntxtb",
          "bkmkstart", "bkmkend", "template", "userprops", "xmlnstbl", "docvar", "mmathPr", "fchars", "lchars",
          "author", "operator", "title", "subject", "keywords", "comment", "doccomm", "objdata", "objclass",
          "shpinst", "sp", "sn", "sv", "panose", "falt", "fontemb", "fontfile", "listpicture", "wgrffmtfilter",
          "passwordhash", "protusertbl", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn"})
      w[d] = {TWord::Skip};
    w["par"] = {TWord::Par};
    w["row"] = {TWord::Par};
    w["line"] = {TWord::Line};
    w["tab"] = {TWord::Tab};
    w["cell"] = {TWord::Tab};
    w["page"] = {TWord::Page};
    w["b"] = {TWord::Bold};
    w["i"] = {TWord::Italic};
    for (std::string_view u : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth",
                               "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw",
                               "ulwave"})
      w[u] = {TWord::Underline};
    w["ulnone"] = {TWord::UnderlineNone};
    w["fs"] = {TWord::FontSize};
    w["cf"] = {TWord::ColorFg};
    w["f"] = {TWord::Font};
    w["plain"] = {TWord::Plain};
    w["pard"] = {TWord::Pard};
    w["uc"] = {TWord::UnicodeSkip};
    w["u"] = {TWord::Unicode};
    w["bin"] = {TWord::Bin};
    w["fcharset"] = {TWord::FontCharset};
    w["red"] = {TWord::Red};
    w["green"] = {TWord::Green};
    w["blue"] = {TWord::Blue};
    w["emdash"] = {TWord::Char, 0x2014};
    w["endash"] = {TWord::Char, 0x2013};
    w["lquote"] = {TWord::Char, 0x2018};
    w["rquote"] = {TWord::Char, 0x2019};
    w["ldblquote"] = {TWord::Char, 0x201C};
    w["rdblquote"] = {TWord::Char, 0x201D};
    w["bullet"] = {TWord::Char, 0x2022};
    w["emspace"] = {TWord::Char, 0x2003};
    w["enspace"] = {TWord::Char, 0x2002};
    w["qmspace"] = {TWord::Char, 0x2005};
    return w;
  }();
  return words;
}

// --- the reader -------------------------------------------------------------

enum class TDest : uint8_t { Text, Skip, FontTable, ColorTable };

struct TGroupState {
  TDest Dest = TDest::Text;
  int Font = -1;  // the \f number; -1 until one is chosen (the default font then)
  int HalfPoints = 24;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  int ColorIndex = 0;
  int UnicodeSkip = 1;
};

struct TFontEntry {
  std::string Name;
  int Charset = DEFAULT_CHARSET;
};

// Tables are bounded so a hostile file cannot make them grow without limit.
constexpr size_t kMaxFonts = 4096;
constexpr size_t kMaxColors = 4096;
constexpr size_t kMaxFontName = 256;
constexpr int kMaxUnicodeSkip = 255;

class TRtfParser {
 public:
  explicit TRtfParser(std::string_view bytes)
      : p_(reinterpret_cast<const uint8_t*>(bytes.data())), end_(p_ + bytes.size()) {
    stack_.reserve(64);
    stack_.push_back(TGroupState{});
  }

  TRtfReadResult Run() {
    while (p_ < end_) {
      const uint8_t c = *p_++;
      switch (c) {
        case '{':
          OpenGroup();
          break;
        case '}':
          CloseGroup();
          break;
        case '\\':
          ControlSequence();
          break;
        default:
          TextByte(c);
      }
    }
    FlushText();
    if (fontPending_) FinishFont();
    result_.Document.DropEmptyLastParagraph();
    return std::move(result_);
  }

 private:
  TGroupState& State() { return stack_.back(); }

  void OpenGroup() {
    skip_ = 0;  // a brace ends a Unicode fallback
    if (stack_.size() >= kRtfMaxGroupDepth) {
      ++overflow_;
      return;
    }
    stack_.push_back(stack_.back());
  }

  void CloseGroup() {
    skip_ = 0;
    if (overflow_ > 0) {
      --overflow_;
      return;
    }
    if (stack_.size() <= 1) return;  // a closing brace too many
    const TGroupState closed = stack_.back();
    stack_.pop_back();
    // A font entry may end with its group instead of a semicolon.
    if (closed.Dest == TDest::FontTable && fontPending_) FinishFont();
    formatDirty_ = true;
  }

  // Reads what follows a backslash.
  void ControlSequence() {
    if (p_ >= end_) return;
    const uint8_t c = *p_;
    if (!IsLetter(c)) {
      ++p_;
      ControlSymbol(c);
      return;
    }
    char name[33];
    size_t length = 0;
    bool tooLong = false;
    while (p_ < end_ && IsLetter(*p_)) {
      if (length < 32)
        name[length++] = static_cast<char>(*p_);
      else
        tooLong = true;
      ++p_;
    }
    bool hasParam = false;
    bool negative = false;
    long long value = 0;
    if (p_ < end_ && *p_ == '-' && p_ + 1 < end_ && IsDigit(p_[1])) {
      negative = true;
      ++p_;
    }
    while (p_ < end_ && IsDigit(*p_)) {
      hasParam = true;
      // Saturate: absurd parameters are clamped, not wrapped.
      if (value < 100000000000LL) value = value * 10 + (*p_ - '0');
      ++p_;
    }
    if (p_ < end_ && *p_ == ' ') ++p_;  // the delimiter belongs to the word
    value = std::clamp(value, 0LL, static_cast<long long>(INT32_MAX));
    const int param = static_cast<int>(negative ? -value : value);
    if (tooLong) {
      CountSkippedChar();
      return;
    }
    ControlWord(std::string_view(name, length), hasParam, param);
  }

  void ControlSymbol(uint8_t c) {
    switch (c) {
      case '\\':
      case '{':
      case '}':
        Character(c);
        return;
      case '\'': {
        int hi = p_ < end_ ? HexValue(*p_) : -1;
        int lo = p_ + 1 < end_ ? HexValue(p_[1]) : -1;
        if (hi < 0) {
          CountSkippedChar();
          return;
        }
        if (lo < 0) {
          // One hex digit only: take it as the whole value.
          ++p_;
          Byte(static_cast<uint8_t>(hi));
          return;
        }
        p_ += 2;
        Byte(static_cast<uint8_t>(hi * 16 + lo));
        return;
      }
      case '*':
        if (overflow_ == 0) State().Dest = TDest::Skip;
        return;
      case '~':
        Character(0x00A0);
        return;
      case '_':
        Character(0x2011);
        return;
      case '-':  // an optional hyphen: shown only where a line breaks, so never here
        CountSkippedChar();
        return;
      case '\r':
      case '\n':
        if (!Skipping()) Paragraph();
        return;
      default:
        CountSkippedChar();
        return;
    }
  }

  void ControlWord(std::string_view name, bool hasParam, int param) {
    const auto& words = Words();
    const auto it = words.find(name);
    const TWordInfo info = it == words.end() ? TWordInfo{} : it->second;
    TGroupState& s = State();

    if (info.Kind == TWord::Bin) {
      // Binary data follows; it is skipped whatever the destination.
      const size_t left = static_cast<size_t>(end_ - p_);
      p_ += std::min(left, static_cast<size_t>(std::max(param, 0)));
      return;
    }
    if (s.Dest == TDest::Skip) return;
    if (skip_ > 0) {
      --skip_;
      return;
    }

    if (s.Dest == TDest::FontTable) {
      if (info.Kind == TWord::Font) {
        if (fontPending_) FinishFont();
        fontPending_ = true;
        fontNumber_ = param;
        fontName_.clear();
        fontCharset_ = DEFAULT_CHARSET;
      } else if (info.Kind == TWord::FontCharset) {
        fontCharset_ = param;
      } else if (info.Kind == TWord::Skip) {
        s.Dest = TDest::Skip;
      } else if (info.Kind == TWord::Unicode) {
        if (fontPending_) AppendFontChar(UnicodeValue(param));
        skip_ = s.UnicodeSkip;
      } else if (info.Kind == TWord::UnicodeSkip) {
        s.UnicodeSkip = std::clamp(param, 0, kMaxUnicodeSkip);
      }
      return;
    }
    if (s.Dest == TDest::ColorTable) {
      const int v = std::clamp(param, 0, 255);
      if (info.Kind == TWord::Red) red_ = v, colorSet_ = true;
      if (info.Kind == TWord::Green) green_ = v, colorSet_ = true;
      if (info.Kind == TWord::Blue) blue_ = v, colorSet_ = true;
      return;
    }

    switch (info.Kind) {
      case TWord::Ansi:
        codePage_ = 1252;
        break;
      case TWord::AnsiCpg:
        codePage_ = param == 1251 ? 1251 : 1252;
        break;
      case TWord::Deff:
        defaultFont_ = param;
        formatDirty_ = true;
        break;
      case TWord::FontTable:
        if (overflow_ == 0) s.Dest = TDest::FontTable;
        break;
      case TWord::ColorTable:
        if (overflow_ == 0) s.Dest = TDest::ColorTable;
        break;
      case TWord::Skip:
        if (overflow_ == 0) s.Dest = TDest::Skip;
        break;
      case TWord::Par:
      case TWord::Page:
        Paragraph();
        break;
      case TWord::Line:
        Character(U'\v');
        break;
      case TWord::Tab:
        Character(U'\t');
        break;
      case TWord::Char:
        Character(info.Char);
        break;
      case TWord::Bold:
        SetFlag(s.Bold, !hasParam || param != 0);
        break;
      case TWord::Italic:
        SetFlag(s.Italic, !hasParam || param != 0);
        break;
      case TWord::Underline:
        SetFlag(s.Underline, !hasParam || param != 0);
        break;
      case TWord::UnderlineNone:
        SetFlag(s.Underline, false);
        break;
      case TWord::FontSize:
        s.HalfPoints = hasParam && param > 0 ? std::min(param, 32767) : 24;
        formatDirty_ = true;
        break;
      case TWord::ColorFg:
        s.ColorIndex = std::max(param, 0);
        formatDirty_ = true;
        break;
      case TWord::Font:
        s.Font = param;
        formatDirty_ = true;
        break;
      case TWord::Plain:
        s.Font = -1;
        s.HalfPoints = 24;
        s.Bold = s.Italic = s.Underline = false;
        s.ColorIndex = 0;
        formatDirty_ = true;
        break;
      case TWord::UnicodeSkip:
        s.UnicodeSkip = std::clamp(param, 0, kMaxUnicodeSkip);
        break;
      case TWord::Unicode:
        Unicode(UnicodeValue(param));
        skip_ = s.UnicodeSkip;
        break;
      default:
        break;
    }
  }

  // \u takes a signed 16-bit value: negative numbers stand for the upper half.
  static char32_t UnicodeValue(int param) {
    if (param < 0) param += 65536;
    return param >= 0 && param <= 0xFFFF ? static_cast<char32_t>(param) : U'\uFFFD';
  }

  void Unicode(char32_t cp) {
    if (cp >= 0xD800 && cp <= 0xDBFF) {
      if (highSurrogate_) Character(U'\uFFFD');
      highSurrogate_ = cp;
      return;
    }
    if (cp >= 0xDC00 && cp <= 0xDFFF) {
      if (highSurrogate_) {
        const char32_t full = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (cp - 0xDC00);
        highSurrogate_ = 0;
        Character(full);
      } else {
        Character(U'\uFFFD');
      }
      return;
    }
    Character(cp);
  }

  void SetFlag(bool& flag, bool value) {
    flag = value;
    formatDirty_ = true;
  }

  bool Skipping() const { return stack_.back().Dest == TDest::Skip; }

  // A character of the fallback text after \u is swallowed.
  void CountSkippedChar() {
    if (skip_ > 0 && !Skipping()) --skip_;
  }

  void TextByte(uint8_t c) {
    if (c == 0) {
      // Rich text is text; NUL bytes outside binary data mean something else.
      result_.Usable = false;
      return;
    }
    if (c == '\r' || c == '\n') return;
    if (c == '\t') {
      Character(U'\t');
      return;
    }
    if (c < 0x20) return;
    TGroupState& s = State();
    if (s.Dest == TDest::Skip) return;
    if (s.Dest == TDest::ColorTable) {
      if (c == ';') {
        if (colors_.size() < kMaxColors) colors_.push_back(colorSet_ ? RGB(red_, green_, blue_) : clDefault);
        red_ = green_ = blue_ = 0;
        colorSet_ = false;
      }
      return;
    }
    if (s.Dest == TDest::FontTable) {
      if (c == ';') {
        if (fontPending_) FinishFont();
        return;
      }
      if (skip_ > 0) {
        --skip_;
        return;
      }
      if (fontPending_) AppendFontChar(Decode(c, fontCharset_));
      return;
    }
    if (c < 0x7F && skip_ == 0 && !highSurrogate_ && !formatDirty_) {
      // The common case: plain ASCII in the current format.
      pending_.push_back(static_cast<char>(c));
      return;
    }
    Byte(c);
  }

  // A byte of 8-bit text, raw or from \'hh.
  void Byte(uint8_t b) {
    TGroupState& s = State();
    if (s.Dest == TDest::Skip || s.Dest == TDest::ColorTable) return;
    if (s.Dest == TDest::FontTable) {
      if (skip_ > 0) {
        --skip_;
        return;
      }
      if (fontPending_) AppendFontChar(Decode(b, fontCharset_));
      return;
    }
    Character(Decode(b, CurrentCharset()));
  }

  char32_t Decode(uint8_t b, int charset) const {
    if (b < 0x80) return b;
    int cp = codePage_;
    if (charset == kCharsetRussian) cp = 1251;
    if (charset == kCharsetAnsi) cp = 1252;
    return cp == 1251 ? Cp1251Table()[b] : Cp1252ToCodePoint(b);
  }

  int CurrentCharset() const {
    const TFontEntry* f = FindFont(CurrentFontNumber());
    return f ? f->Charset : DEFAULT_CHARSET;
  }

  int CurrentFontNumber() const {
    const int n = stack_.back().Font;
    return n >= 0 ? n : defaultFont_;
  }

  const TFontEntry* FindFont(int number) const {
    const auto it = fonts_.find(number);
    return it == fonts_.end() ? nullptr : &it->second;
  }

  // A character of the document's text in the current format.
  void Character(char32_t cp) {
    TGroupState& s = State();
    if (s.Dest != TDest::Text) {
      if (s.Dest == TDest::FontTable && fontPending_ && skip_ == 0 && cp >= 0x20) AppendFontChar(cp);
      return;
    }
    if (skip_ > 0) {
      --skip_;
      return;
    }
    if (highSurrogate_) {
      highSurrogate_ = 0;
      Emit(U'\uFFFD');
    }
    // Control characters other than tab and line break are not text.
    if ((cp < 0x20 && cp != U'\t' && cp != U'\v') || cp == 0x7F) return;
    Emit(cp);
  }

  void Emit(char32_t cp) {
    if (formatDirty_) {
      TRunFormat f = CurrentFormat();
      if (!(f == format_)) {
        FlushText();
        format_ = std::move(f);
      }
      formatDirty_ = false;
    }
    AppendUtf8(pending_, cp);
  }

  void Paragraph() {
    if (State().Dest != TDest::Text) return;
    skip_ = 0;
    if (formatDirty_) {
      FlushText();
      format_ = CurrentFormat();
      formatDirty_ = false;
    }
    FlushText();
    result_.Document.NewParagraph(format_);
  }

  void FlushText() {
    if (pending_.empty()) return;
    result_.Document.Append(pending_, format_);
    pending_.clear();
  }

  TRunFormat CurrentFormat() const {
    const TGroupState& s = stack_.back();
    TRunFormat f;
    f.Explicit = true;
    if (const TFontEntry* font = FindFont(CurrentFontNumber())) {
      f.FontName = font->Name;
      f.Charset = font->Charset;
    }
    f.HalfPoints = s.HalfPoints;
    f.Bold = s.Bold;
    f.Italic = s.Italic;
    f.Underline = s.Underline;
    const size_t ci = static_cast<size_t>(s.ColorIndex);
    f.Color = ci < colors_.size() ? colors_[ci] : clDefault;
    return f;
  }

  void AppendFontChar(char32_t cp) {
    if (cp < 0x20 || fontName_.size() >= kMaxFontName) return;
    AppendUtf8(fontName_, cp);
  }

  void FinishFont() {
    fontPending_ = false;
    if (fonts_.size() >= kMaxFonts && !fonts_.count(fontNumber_)) return;
    TFontEntry& e = fonts_[fontNumber_];
    e.Name = Trim(fontName_);
    e.Charset = fontCharset_;
    fontName_.clear();
    formatDirty_ = true;
  }

  static void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp <= 0x10FFFF) {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      AppendUtf8(out, 0xFFFD);
    }
  }

  static bool IsLetter(uint8_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
  static bool IsDigit(uint8_t c) { return c >= '0' && c <= '9'; }
  static int HexValue(uint8_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  const uint8_t* p_;
  const uint8_t* end_;
  std::vector<TGroupState> stack_;
  size_t overflow_ = 0;  // groups opened past the depth cap and not yet closed
  int skip_ = 0;         // fallback characters after \u still to swallow
  char32_t highSurrogate_ = 0;
  int codePage_ = 1252;
  int defaultFont_ = 0;

  std::unordered_map<int, TFontEntry> fonts_;
  bool fontPending_ = false;
  int fontNumber_ = 0;
  int fontCharset_ = DEFAULT_CHARSET;
  std::string fontName_;

  std::vector<TColor> colors_;
  int red_ = 0, green_ = 0, blue_ = 0;
  bool colorSet_ = false;

  TRunFormat format_;         // the format of `pending_`
  bool formatDirty_ = true;   // the group state may no longer match `format_`
  std::string pending_;       // text not yet handed to the document
  TRtfReadResult result_;
};

}  // namespace

bool LooksLikeRtf(std::string_view bytes) {
  size_t i = 0;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") i = 3;
  while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n')) ++i;
  return bytes.substr(i, 5) == "{\\rtf";
}

TRtfReadResult ReadRtf(std::string_view bytes) { return TRtfParser(bytes).Run(); }
