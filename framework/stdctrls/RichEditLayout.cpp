#include "framework/stdctrls/RichEditLayout.h"

#include <algorithm>
#include <cstdint>

#include "framework/base/SysUtils.h"

namespace {

// Lines wider than this stop growing: no screen is that wide, and sums stay
// far from overflowing.
constexpr int kMaxX = 1 << 28;

int AddSaturated(int x, int w) { return x >= kMaxX - w ? kMaxX : x + w; }

// Decodes the character at `i` of valid UTF-8 (anything else reads as U+FFFD
// one byte long, so a walk always moves on).
}  // namespace

char32_t DecodeUtf8At(std::string_view s, size_t i, int& length) {
  const auto b = static_cast<uint8_t>(s[i]);
  length = 1;
  if (b < 0x80) return b;
  const int n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
  if (n == 1 || i + static_cast<size_t>(n) > s.size()) return 0xFFFD;
  char32_t cp = b & (0x7F >> n);
  for (int k = 1; k < n; ++k) {
    const auto c = static_cast<uint8_t>(s[i + static_cast<size_t>(k)]);
    if ((c & 0xC0) != 0x80) return 0xFFFD;
    cp = (cp << 6) | (c & 0x3F);
  }
  length = n;
  return cp;
}

namespace {

// Steps through the characters of a paragraph across its runs.
struct TCursor {
  const TRichParagraph* P = nullptr;
  size_t Run = 0;
  size_t Off = 0;  // within the run
  int Pos = 0;     // within the paragraph

  TCursor(const TRichParagraph& p, int pos) : P(&p) {
    int start = 0;
    for (Run = 0; Run < p.Runs.size(); ++Run) {
      const int n = static_cast<int>(p.Runs[Run].Text.size());
      if (pos < start + n) break;
      start += n;
    }
    Off = static_cast<size_t>(std::max(0, pos - start));
    Pos = pos;
    SkipEmpty();
  }
  void SkipEmpty() {
    while (Run < P->Runs.size() && Off >= P->Runs[Run].Text.size()) {
      ++Run;
      Off = 0;
    }
  }
  bool AtEnd() const { return Run >= P->Runs.size(); }
  char32_t Peek(int& length) const { return DecodeUtf8At(P->Runs[Run].Text, Off, length); }
  void Next(int length) {
    Off += static_cast<size_t>(length);
    Pos += length;
    SkipEmpty();
  }
};

}  // namespace

// The font of each run of a paragraph, looked up once per run as a walk
// reaches it.
class TRichEditLayout::TRunFonts {
 public:
  TRunFonts(const TRichEditLayout& layout, const TRichParagraph& p) : layout_(layout), p_(p) {}
  int Of(size_t run) {
    if (run != run_) {
      run_ = run;
      font_ = layout_.FontOf(p_.Runs[run].Format);
    }
    return font_;
  }

 private:
  const TRichEditLayout& layout_;
  const TRichParagraph& p_;
  size_t run_ = SIZE_MAX;
  int font_ = 0;
};

namespace {

bool IsBreakAfter(char32_t cp) { return cp == U' ' || cp == U'\t' || cp == U'-' || cp == 0x3000; }

}  // namespace

// ---------------------------------------------------------------------------

int TRichFonts::IndexOf(const TLogFont& logFont) {
  std::string key = logFont.Name;
  key += '\0';
  key += std::to_string(logFont.Height) + ',' + std::to_string(logFont.Style.Bits()) + ',' + std::to_string(logFont.Charset);
  const auto it = index_.find(key);
  if (it != index_.end()) return it->second;
  if (entries_.size() >= kMaxFonts) return 0;
  index_.emplace(std::move(key), static_cast<int>(entries_.size()));
  auto e = std::make_unique<TEntry>();
  e->LogFont = logFont;
  e->Metrics = FontMetrics(logFont);
  e->Low.assign(kLowChars, -1);
  entries_.push_back(std::move(e));
  return static_cast<int>(entries_.size() - 1);
}

int TRichFonts::Advance(int font, char32_t cp) {
  if (cp < 0x20 || cp == 0x7F) return 0;
  TEntry& e = *entries_[static_cast<size_t>(font)];
  if (cp < kLowChars) {
    int& w = e.Low[cp];
    if (w < 0) w = std::max(0, TextExtent(e.LogFont, CodePointToUtf8(cp)).cx);
    return w;
  }
  const auto it = e.High.find(cp);
  if (it != e.High.end()) return it->second;
  const int w = std::max(0, TextExtent(e.LogFont, CodePointToUtf8(cp)).cx);
  e.High.emplace(cp, w);
  return w;
}

// ---------------------------------------------------------------------------

void TRichEditLayout::SetControlFont(const TFont& font) {
  if (controlFont_.LogFont() == font.LogFont()) {
    controlFont_ = font;  // the colour does not move anything
    return;
  }
  controlFont_ = font;
  controlFontIndex_ = -1;
  lastFormatFont_ = -1;
  InvalidateAll();
}

void TRichEditLayout::SetWrapWidth(int width) {
  width = std::max(width, 0);
  if (width == wrapWidth_) return;
  wrapWidth_ = width;
  InvalidateAll();
}

void TRichEditLayout::InvalidateAll() {
  for (TParaLayout& p : paras_) p.Valid = false;
  upToDate_ = false;
}

void TRichEditLayout::Replaced(const TDocChange& change) {
  const int size = static_cast<int>(paras_.size());
  const int first = std::clamp(change.First, 0, size);
  const int old = std::clamp(change.OldCount, 0, size - first);
  const int now = std::max(change.NewCount, 0);
  // Typing changes one paragraph in place: no need to move the rest.
  const int same = std::min(old, now);
  for (int i = first; i < first + same; ++i) paras_[static_cast<size_t>(i)].Valid = false;
  if (old > same) paras_.erase(paras_.begin() + first + same, paras_.begin() + first + old);
  if (now > same) paras_.insert(paras_.begin() + first + same, static_cast<size_t>(now - same), TParaLayout{});
  upToDate_ = false;
}

int TRichEditLayout::FontOf(const TRunFormat& format) const {
  if (!format.Explicit) {
    if (controlFontIndex_ < 0) controlFontIndex_ = fonts_.IndexOf(controlFont_.LogFont());
    return controlFontIndex_;
  }
  if (lastFormatFont_ >= 0 && format == lastFormat_) return lastFormatFont_;
  lastFormat_ = format;
  lastFormatFont_ = fonts_.IndexOf(RunLogFont(format, controlFont_));
  return lastFormatFont_;
}

int TRichEditLayout::TabAdvance(int x) const {
  const int next = (x / kTabWidth + 1) * kTabWidth;
  return next - x;
}

void TRichEditLayout::Update(const TRichDocument& doc) {
  const size_t count = static_cast<size_t>(doc.ParagraphCount());
  if (paras_.size() != count) {
    // Out of step with the document: start over.
    paras_.assign(count, TParaLayout{});
  }
  if (upToDate_) return;
  int64_t top = 0;
  int64_t line = 0;
  int widest = 0;
  for (size_t i = 0; i < count; ++i) {
    TParaLayout& p = paras_[i];
    if (!p.Valid) LayoutParagraph(doc.Paragraph(static_cast<int>(i)), p);
    p.Top = static_cast<int>(std::min<int64_t>(top, kMaxX));
    p.FirstLine = static_cast<int>(std::min<int64_t>(line, INT32_MAX));
    top += p.Height;
    line += static_cast<int64_t>(p.Lines.size());
    widest = std::max(widest, p.Width);
  }
  totalHeight_ = static_cast<int>(std::min<int64_t>(top, kMaxX));
  lineCount_ = static_cast<int>(std::min<int64_t>(line, INT32_MAX));
  maxWidth_ = widest;
  upToDate_ = true;
}

void TRichEditLayout::LayoutParagraph(const TRichParagraph& p, TParaLayout& out) const {
  out.Lines.clear();
  std::vector<int> runFonts;
  runFonts.reserve(p.Runs.size());
  for (const TRichRun& r : p.Runs) runFonts.push_back(FontOf(r.Format));

  const bool wrap = wrapWidth_ > 0;
  auto push = [&](int start, int end, int width) { out.Lines.push_back(TLineBox{start, end, 0, 0, 0, width}); };

  TCursor c(p, 0);
  int lineStart = 0;
  int x = 0;
  bool haveBreak = false;
  TCursor breakAt = c;
  int breakX = 0;
  while (!c.AtEnd()) {
    int length;
    const char32_t cp = c.Peek(length);
    if (cp == U'\v') {
      push(lineStart, c.Pos, x);
      c.Next(length);
      lineStart = c.Pos;
      x = 0;
      haveBreak = false;
      continue;
    }
    const int w = cp == U'\t' ? TabAdvance(x) : fonts_.Advance(runFonts[c.Run], cp);
    // White space hangs past the edge instead of wrapping.
    if (wrap && x + w > wrapWidth_ && c.Pos > lineStart && cp != U' ' && cp != U'\t') {
      if (haveBreak) {
        push(lineStart, breakAt.Pos, breakX);
        c = breakAt;
      } else {
        push(lineStart, c.Pos, x);
      }
      lineStart = c.Pos;
      x = 0;
      haveBreak = false;
      continue;
    }
    x = AddSaturated(x, w);
    c.Next(length);
    if (IsBreakAfter(cp)) {
      haveBreak = true;
      breakAt = c;
      breakX = x;
    }
  }
  push(lineStart, p.Length(), x);

  // Each line is as tall as the tallest run it shows; an empty line takes
  // the run it stands in.
  int top = 0;
  int width = 0;
  size_t run = 0;
  int runStart = 0;
  for (TLineBox& box : out.Lines) {
    while (run + 1 < p.Runs.size() && runStart + static_cast<int>(p.Runs[run].Text.size()) <= box.Start) {
      runStart += static_cast<int>(p.Runs[run].Text.size());
      ++run;
    }
    int ascent = 0, descent = 0;
    size_t r = run;
    int rs = runStart;
    do {
      const TTextMetric& tm = fonts_.Metrics(runFonts[r]);
      ascent = std::max(ascent, tm.Ascent);
      descent = std::max(descent, tm.Height - tm.Ascent);
      rs += static_cast<int>(p.Runs[r].Text.size());
      ++r;
    } while (r < p.Runs.size() && rs < box.End);
    box.Top = top;
    box.Ascent = ascent;
    box.Height = std::max(1, ascent + descent);
    top = AddSaturated(top, box.Height);
    width = std::max(width, box.Width);
  }
  out.Height = top;
  out.Width = width;
  out.Valid = true;
}

int TRichEditLayout::ParagraphOfLine(int line) const {
  if (paras_.empty()) return 0;
  auto it = std::upper_bound(paras_.begin(), paras_.end(), line,
                             [](int l, const TParaLayout& p) { return l < p.FirstLine; });
  if (it == paras_.begin()) return 0;
  return static_cast<int>(it - paras_.begin()) - 1;
}

const TLineBox& TRichEditLayout::Line(int line) const {
  static const TLineBox none{};
  if (paras_.empty()) return none;
  line = std::clamp(line, 0, std::max(lineCount_ - 1, 0));
  const TParaLayout& p = paras_[static_cast<size_t>(ParagraphOfLine(line))];
  const size_t k = static_cast<size_t>(line - p.FirstLine);
  return k < p.Lines.size() ? p.Lines[k] : none;
}

int TRichEditLayout::LineTop(int line) const {
  if (paras_.empty() || lineCount_ == 0) return 0;
  if (line >= lineCount_) return totalHeight_;
  line = std::max(line, 0);
  const TParaLayout& p = paras_[static_cast<size_t>(ParagraphOfLine(line))];
  return p.Top + Line(line).Top;
}

int TRichEditLayout::LineAtY(int y) const {
  if (lineCount_ == 0) return 0;
  if (y <= 0) return 0;
  if (y >= totalHeight_) return lineCount_ - 1;
  auto it = std::upper_bound(paras_.begin(), paras_.end(), y, [](int v, const TParaLayout& p) { return v < p.Top; });
  const TParaLayout& p = *(it == paras_.begin() ? it : it - 1);
  const int local = y - p.Top;
  auto lt = std::upper_bound(p.Lines.begin(), p.Lines.end(), local,
                             [](int v, const TLineBox& b) { return v < b.Top; });
  const int k = lt == p.Lines.begin() ? 0 : static_cast<int>(lt - p.Lines.begin()) - 1;
  return std::min(p.FirstLine + k, lineCount_ - 1);
}

int TRichEditLayout::FirstLineOf(int paragraph) const {
  if (paras_.empty()) return 0;
  paragraph = std::clamp(paragraph, 0, static_cast<int>(paras_.size()) - 1);
  return paras_[static_cast<size_t>(paragraph)].FirstLine;
}

int TRichEditLayout::LineCountOf(int paragraph) const {
  if (paragraph < 0 || paragraph >= static_cast<int>(paras_.size())) return 0;
  return static_cast<int>(paras_[static_cast<size_t>(paragraph)].Lines.size());
}

int TRichEditLayout::LineOfPos(TDocPos pos, bool atLineEnd) const {
  if (paras_.empty()) return 0;
  pos.Para = std::clamp(pos.Para, 0, static_cast<int>(paras_.size()) - 1);
  const TParaLayout& p = paras_[static_cast<size_t>(pos.Para)];
  if (p.Lines.empty()) return p.FirstLine;
  auto it = std::upper_bound(p.Lines.begin(), p.Lines.end(), pos.Offset,
                             [](int v, const TLineBox& b) { return v < b.Start; });
  int k = it == p.Lines.begin() ? 0 : static_cast<int>(it - p.Lines.begin()) - 1;
  const size_t uk = static_cast<size_t>(k);
  if (atLineEnd && k > 0 && p.Lines[uk].Start == pos.Offset && p.Lines[uk - 1].End == pos.Offset) --k;
  return p.FirstLine + k;
}

int TRichEditLayout::XOfPos(const TRichDocument& doc, TDocPos pos, int line) const {
  const int para = ParagraphOfLine(line);
  if (para >= doc.ParagraphCount()) return 0;
  const TLineBox& box = Line(line);
  const TRichParagraph& p = doc.Paragraph(para);
  const int stop = pos.Para == para ? std::clamp(pos.Offset, box.Start, box.End) : box.Start;
  int x = 0;
  TRunFonts fonts(*this, p);
  for (TCursor c(p, box.Start); !c.AtEnd() && c.Pos < stop;) {
    int length;
    const char32_t cp = c.Peek(length);
    x = AddSaturated(x, cp == U'\t' ? TabAdvance(x) : fonts_.Advance(fonts.Of(c.Run), cp));
    c.Next(length);
  }
  return x;
}

TDocPos TRichEditLayout::PosAtX(const TRichDocument& doc, int line, int x) const {
  const int para = ParagraphOfLine(line);
  if (para >= doc.ParagraphCount()) return doc.End();
  const TLineBox& box = Line(line);
  const TRichParagraph& p = doc.Paragraph(para);
  int cx = 0;
  TRunFonts fonts(*this, p);
  for (TCursor c(p, box.Start); !c.AtEnd() && c.Pos < box.End;) {
    int length;
    const char32_t cp = c.Peek(length);
    const int w = cp == U'\t' ? TabAdvance(cx) : fonts_.Advance(fonts.Of(c.Run), cp);
    if (x < cx + (w + 1) / 2) return {para, c.Pos};
    cx = AddSaturated(cx, w);
    c.Next(length);
  }
  return {para, box.End};
}

void TRichEditLayout::Pieces(const TRichDocument& doc, int line, std::vector<TLinePiece>& out) const {
  out.clear();
  const int para = ParagraphOfLine(line);
  if (para >= doc.ParagraphCount()) return;
  const TLineBox& box = Line(line);
  const TRichParagraph& p = doc.Paragraph(para);
  int x = 0;
  TRunFonts fonts(*this, p);
  for (TCursor c(p, box.Start); !c.AtEnd() && c.Pos < box.End;) {
    int length;
    const char32_t cp = c.Peek(length);
    const int run = static_cast<int>(c.Run);
    const int font = fonts.Of(c.Run);
    const bool tab = cp == U'\t';
    const int w = tab ? TabAdvance(x) : fonts_.Advance(font, cp);
    if (tab || out.empty() || out.back().Tab || out.back().Run != run) {
      out.push_back(TLinePiece{run, c.Pos, c.Pos, x, 0, font, tab});
    }
    TLinePiece& piece = out.back();
    piece.End = c.Pos + length;
    piece.Width = AddSaturated(piece.Width, w);
    x = AddSaturated(x, w);
    c.Next(length);
  }
}

int TRichEditLayout::MeasureSpan(const TRichDocument& doc, int paragraph, const TLinePiece& piece, int from,
                             int to) const {
  from = std::clamp(from, piece.Start, piece.End);
  to = std::clamp(to, from, piece.End);
  if (piece.Tab) return from == piece.Start && to == piece.End ? piece.Width : 0;
  const TRichParagraph& p = doc.Paragraph(paragraph);
  int w = 0;
  for (TCursor c(p, from); !c.AtEnd() && c.Pos < to;) {
    int length;
    const char32_t cp = c.Peek(length);
    w = AddSaturated(w, fonts_.Advance(piece.Font, cp));
    c.Next(length);
  }
  return w;
}
