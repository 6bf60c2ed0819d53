#include "framework/stdctrls/RichDocument.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "framework/base/SysUtils.h"
#include "framework/components/StringList.h"

namespace {

bool IsContinuation(char c) { return (static_cast<uint8_t>(c) & 0xC0) == 0x80; }

long long CountChars(std::string_view s) {
  long long n = 0;
  for (char c : s) n += IsContinuation(c) ? 0 : 1;
  return n;
}

// Splits at CR LF, LF or CR. Unlike SplitLines, a final break does start an
// empty last piece: inserted text "a\r\n" ends at the start of a new paragraph.
std::vector<std::string_view> SplitBreaks(std::string_view text) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    parts.push_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

TRichParagraph MakeParagraph(std::string text, const TRunFormat& format) {
  TRichParagraph p;
  p.Runs.push_back(TRichRun{std::move(text), format});
  return p;
}

}  // namespace

// ---------------------------------------------------------------------------

int HalfPointsToHeight(int halfPoints) {
  // Glyphs are never drawn taller than 1024 pixels (1536 half points).
  const int hp = std::clamp(halfPoints, 1, 1536);
  return -static_cast<int>(std::lround(hp * static_cast<double>(kPixelsPerInch) / 144.0));
}

TLogFont RunLogFont(const TRunFormat& format, const TFont& controlFont) {
  if (!format.Explicit) return controlFont.LogFont();
  TLogFont logFont;
  logFont.Name = format.FontName.empty() ? controlFont.Name() : format.FontName;
  logFont.Height = HalfPointsToHeight(format.HalfPoints);
  if (format.Bold) logFont.Style.Include(fsBold);
  if (format.Italic) logFont.Style.Include(fsItalic);
  if (format.Underline) logFont.Style.Include(fsUnderline);
  logFont.Charset = format.Charset;
  return logFont;
}

TColor RunColor(const TRunFormat& format, const TFont& controlFont) {
  if (!format.Explicit || format.Color == clDefault) return controlFont.Color();
  return format.Color;
}

std::string CleanParagraphText(std::string_view utf8) {
  bool clean = IsValidUtf8(utf8);
  if (clean) {
    for (char c : utf8) {
      const auto b = static_cast<uint8_t>(c);
      if ((b < 0x20 && b != '\t' && b != '\v') || b == 0x7F) {
        clean = false;
        break;
      }
    }
  }
  if (clean) return std::string(utf8);
  std::u32string chars = Utf8ToUtf32(utf8);
  std::erase_if(chars, [](char32_t cp) { return (cp < 0x20 && cp != U'\t' && cp != U'\v') || cp == 0x7F; });
  return Utf32ToUtf8(chars);
}

// ---------------------------------------------------------------------------

std::string TRichParagraph::PlainText() const {
  if (Runs.size() == 1) return Runs.front().Text;
  std::string s;
  s.reserve(static_cast<size_t>(Length()));
  for (const TRichRun& r : Runs) s += r.Text;
  return s;
}

int TRichParagraph::Length() const {
  size_t n = 0;
  for (const TRichRun& r : Runs) n += r.Text.size();
  return static_cast<int>(std::min<size_t>(n, INT32_MAX));
}

// ---------------------------------------------------------------------------

TRichDocument::TRichDocument() { paragraphs_.push_back(MakeParagraph({}, TRunFormat{})); }

TRichDocument TRichDocument::FromPlainText(std::string_view utf8, const TRunFormat& format) {
  TRichDocument doc;
  std::vector<std::string> lines = SplitLines(std::string(utf8));
  if (lines.empty()) {
    doc.paragraphs_.front().Runs.front().Format = format;
    return doc;
  }
  doc.paragraphs_.clear();
  doc.paragraphs_.reserve(lines.size());
  for (std::string& line : lines) doc.paragraphs_.push_back(MakeParagraph(CleanParagraphText(line), format));
  return doc;
}

void TRichDocument::Append(std::string_view utf8, const TRunFormat& format) {
  if (utf8.empty()) return;
  TRichParagraph& p = paragraphs_.back();
  TRichRun& last = p.Runs.back();
  if (last.Format == format) {
    last.Text += utf8;
  } else if (last.Text.empty() && p.Runs.size() == 1) {
    last.Format = format;
    last.Text += utf8;
  } else {
    p.Runs.push_back(TRichRun{std::string(utf8), format});
  }
}

void TRichDocument::NewParagraph(const TRunFormat& format) { paragraphs_.push_back(MakeParagraph({}, format)); }

void TRichDocument::DropEmptyLastParagraph() {
  if (paragraphs_.size() > 1 && paragraphs_.back().Length() == 0) paragraphs_.pop_back();
}

std::string TRichDocument::Text() const {
  size_t total = 0;
  for (const TRichParagraph& p : paragraphs_) total += static_cast<size_t>(p.Length()) + 2;
  std::string s;
  s.reserve(total);
  for (size_t i = 0; i < paragraphs_.size(); ++i) {
    if (i) s += "\r\n";
    for (const TRichRun& r : paragraphs_[i].Runs) s += r.Text;
  }
  return s;
}

std::string TRichDocument::TextRange(TDocPos from, TDocPos to) const {
  from = Clamp(from);
  to = Clamp(to);
  if (to < from) std::swap(from, to);
  if (from.Para == to.Para) {
    return Paragraph(from.Para).PlainText().substr(static_cast<size_t>(from.Offset),
                                                   static_cast<size_t>(to.Offset - from.Offset));
  }
  std::string s = Paragraph(from.Para).PlainText().substr(static_cast<size_t>(from.Offset));
  for (int i = from.Para + 1; i < to.Para; ++i) {
    s += "\r\n";
    s += Paragraph(i).PlainText();
  }
  s += "\r\n";
  s += Paragraph(to.Para).PlainText().substr(0, static_cast<size_t>(to.Offset));
  return s;
}

long long TRichDocument::CharCount() const { return CharIndex(End()); }

TDocPos TRichDocument::End() const {
  const int last = ParagraphCount() - 1;
  return {last, Paragraph(last).Length()};
}

TDocPos TRichDocument::Clamp(TDocPos pos) const {
  if (pos.Para < 0) return {};
  if (pos.Para >= ParagraphCount()) return End();
  const TRichParagraph& p = Paragraph(pos.Para);
  const int length = p.Length();
  if (pos.Offset <= 0) return {pos.Para, 0};
  if (pos.Offset >= length) return {pos.Para, length};
  // Step back to the start of the character that holds the offset.
  int start = 0;
  for (const TRichRun& r : p.Runs) {
    const int n = static_cast<int>(r.Text.size());
    if (pos.Offset < start + n) {
      int o = pos.Offset - start;
      while (o > 0 && IsContinuation(r.Text[static_cast<size_t>(o)])) --o;
      return {pos.Para, start + o};
    }
    start += n;
  }
  return {pos.Para, length};
}

TDocPos TRichDocument::NextChar(TDocPos pos) const {
  pos = Clamp(pos);
  const TRichParagraph& p = Paragraph(pos.Para);
  if (pos.Offset >= p.Length()) return pos.Para + 1 < ParagraphCount() ? TDocPos{pos.Para + 1, 0} : pos;
  int start = 0;
  for (const TRichRun& r : p.Runs) {
    const int n = static_cast<int>(r.Text.size());
    if (pos.Offset < start + n) {
      const size_t len = Utf8CharLength(r.Text, static_cast<size_t>(pos.Offset - start));
      return {pos.Para, pos.Offset + static_cast<int>(len)};
    }
    start += n;
  }
  return pos;
}

TDocPos TRichDocument::PrevChar(TDocPos pos) const {
  pos = Clamp(pos);
  if (pos.Offset == 0) return pos.Para > 0 ? TDocPos{pos.Para - 1, Paragraph(pos.Para - 1).Length()} : pos;
  return Clamp({pos.Para, pos.Offset - 1});
}

long long TRichDocument::CharIndex(TDocPos pos) const {
  pos = Clamp(pos);
  long long index = 0;
  for (int i = 0; i < pos.Para; ++i)
    for (const TRichRun& r : Paragraph(i).Runs) index += CountChars(r.Text);
  index += 2LL * pos.Para;
  int left = pos.Offset;
  for (const TRichRun& r : Paragraph(pos.Para).Runs) {
    if (left <= 0) break;
    const int n = std::min(left, static_cast<int>(r.Text.size()));
    index += CountChars(std::string_view(r.Text).substr(0, static_cast<size_t>(n)));
    left -= n;
  }
  return index;
}

TDocPos TRichDocument::PosFromCharIndex(long long index) const {
  if (index <= 0) return {};
  for (int i = 0; i < ParagraphCount(); ++i) {
    int offset = 0;
    for (const TRichRun& r : Paragraph(i).Runs) {
      for (char c : r.Text) {
        if (!IsContinuation(c)) {
          if (index == 0) return {i, offset};
          --index;
        }
        ++offset;
      }
    }
    if (index == 0 || i + 1 == ParagraphCount()) return {i, offset};
    // The paragraph break counts two characters; inside it is the end of the paragraph.
    if (index <= 2) return index == 2 ? TDocPos{i + 1, 0} : TDocPos{i, offset};
    index -= 2;
  }
  return End();
}

TRunFormat TRichDocument::FormatAt(TDocPos pos) const {
  pos = Clamp(pos);
  const TRichParagraph& p = Paragraph(pos.Para);
  if (pos.Offset == 0) return p.Runs.front().Format;
  int start = 0;
  for (const TRichRun& r : p.Runs) {
    const int n = static_cast<int>(r.Text.size());
    if (pos.Offset <= start + n) return r.Format;
    start += n;
  }
  return p.Runs.back().Format;
}

void TRichDocument::Normalize(TRichParagraph& p) {
  std::vector<TRichRun> out;
  out.reserve(p.Runs.size());
  for (TRichRun& r : p.Runs) {
    if (r.Text.empty()) continue;
    if (!out.empty() && out.back().Format == r.Format)
      out.back().Text += r.Text;
    else
      out.push_back(std::move(r));
  }
  // An empty paragraph keeps the format of its first run.
  if (out.empty()) out.push_back(TRichRun{{}, p.Runs.empty() ? TRunFormat{} : p.Runs.front().Format});
  p.Runs = std::move(out);
}

size_t TRichDocument::SplitRunsAt(TRichParagraph& p, int offset) {
  int start = 0;
  for (size_t i = 0; i < p.Runs.size(); ++i) {
    const int n = static_cast<int>(p.Runs[i].Text.size());
    if (offset <= start) return i;
    if (offset < start + n) {
      const size_t cut = static_cast<size_t>(offset - start);
      TRichRun tail{p.Runs[i].Text.substr(cut), p.Runs[i].Format};
      p.Runs[i].Text.resize(cut);
      p.Runs.insert(p.Runs.begin() + static_cast<ptrdiff_t>(i) + 1, std::move(tail));
      return i + 1;
    }
    start += n;
  }
  return p.Runs.size();
}

TDocChange TRichDocument::Insert(TDocPos pos, std::string_view utf8, TDocPos* end) {
  pos = Clamp(pos);
  const TRunFormat format = FormatAt(pos);
  const std::vector<std::string_view> pieces = SplitBreaks(utf8);

  TRichParagraph& head = paragraphs_[static_cast<size_t>(pos.Para)];
  const size_t cut = SplitRunsAt(head, pos.Offset);
  std::vector<TRichRun> tail(std::make_move_iterator(head.Runs.begin() + static_cast<ptrdiff_t>(cut)),
                             std::make_move_iterator(head.Runs.end()));
  head.Runs.resize(cut);
  std::string first = CleanParagraphText(pieces.front());
  const int firstLength = static_cast<int>(first.size());
  head.Runs.push_back(TRichRun{std::move(first), format});

  if (pieces.size() == 1) {
    for (TRichRun& r : tail) head.Runs.push_back(std::move(r));
    Normalize(head);
    if (end) *end = {pos.Para, pos.Offset + firstLength};
    return {pos.Para, 1, 1};
  }
  Normalize(head);
  std::vector<TRichParagraph> added;
  added.reserve(pieces.size() - 1);
  for (size_t i = 1; i + 1 < pieces.size(); ++i) added.push_back(MakeParagraph(CleanParagraphText(pieces[i]), format));
  TRichParagraph last = MakeParagraph(CleanParagraphText(pieces.back()), format);
  const int lastLength = static_cast<int>(last.Runs.front().Text.size());
  for (TRichRun& r : tail) last.Runs.push_back(std::move(r));
  Normalize(last);
  added.push_back(std::move(last));
  const int count = static_cast<int>(added.size());
  paragraphs_.insert(paragraphs_.begin() + pos.Para + 1, std::make_move_iterator(added.begin()),
                     std::make_move_iterator(added.end()));
  if (end) *end = {pos.Para + count, lastLength};
  return {pos.Para, 1, 1 + count};
}

TDocChange TRichDocument::Delete(TDocPos from, TDocPos to) {
  from = Clamp(from);
  to = Clamp(to);
  if (to < from) std::swap(from, to);
  if (from == to) return {from.Para, 0, 0};
  const TRunFormat format = FormatAt(NextChar(from));
  TRichParagraph& head = paragraphs_[static_cast<size_t>(from.Para)];
  if (from.Para == to.Para) {
    const size_t a = SplitRunsAt(head, from.Offset);
    const size_t b = SplitRunsAt(head, to.Offset);
    head.Runs.erase(head.Runs.begin() + static_cast<ptrdiff_t>(a), head.Runs.begin() + static_cast<ptrdiff_t>(b));
  } else {
    head.Runs.resize(SplitRunsAt(head, from.Offset));
    TRichParagraph& last = paragraphs_[static_cast<size_t>(to.Para)];
    const size_t b = SplitRunsAt(last, to.Offset);
    for (size_t i = b; i < last.Runs.size(); ++i) head.Runs.push_back(std::move(last.Runs[i]));
    paragraphs_.erase(paragraphs_.begin() + from.Para + 1, paragraphs_.begin() + to.Para + 1);
  }
  // A paragraph emptied by the deletion keeps the format of what was deleted first.
  if (head.Length() == 0) head.Runs.assign(1, TRichRun{{}, format});
  Normalize(head);
  return {from.Para, to.Para - from.Para + 1, 1};
}

TDocChange TRichDocument::SetParagraphText(int index, std::string_view utf8) {
  if (index < 0 || index >= ParagraphCount()) return {};
  const int length = Paragraph(index).Length();
  Delete({index, 0}, {index, length});
  TDocChange change = Insert({index, 0}, utf8);
  change.OldCount = 1;
  return change;
}

TDocChange TRichDocument::InsertParagraph(int index, std::string_view utf8, const TRunFormat& format) {
  index = std::clamp(index, 0, ParagraphCount());
  std::vector<TRichParagraph> added;
  for (std::string_view piece : SplitBreaks(utf8)) added.push_back(MakeParagraph(CleanParagraphText(piece), format));
  const int count = static_cast<int>(added.size());
  paragraphs_.insert(paragraphs_.begin() + index, std::make_move_iterator(added.begin()),
                     std::make_move_iterator(added.end()));
  return {index, 0, count};
}

TDocChange TRichDocument::DeleteParagraph(int index) {
  if (index < 0 || index >= ParagraphCount()) return {};
  if (ParagraphCount() == 1) {
    TRichParagraph& p = paragraphs_.front();
    p.Runs.assign(1, TRichRun{{}, p.Runs.front().Format});
    return {0, 1, 1};
  }
  paragraphs_.erase(paragraphs_.begin() + index);
  return {index, 1, 0};
}
