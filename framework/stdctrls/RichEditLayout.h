// Lines of a rich edit's document: where each paragraph wraps at the view's
// width and how tall each line is (its tallest run). The layout is kept
// per paragraph, so an edit lays out again only the paragraphs it touched;
// changing the width or the control's font lays out everything again.
//
// Coordinates are document pixels: x from the left of the text area, y from
// the top of the first line.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "framework/graphics/Gdi.h"
#include "framework/stdctrls/RichDocument.h"

// Decodes the character at byte `i` of UTF-8 text; a byte that does not
// start a valid sequence reads as U+FFFD, one byte long.
char32_t DecodeUtf8At(std::string_view s, size_t i, int& length);

// Metrics and character advances of the fonts a document uses, measured
// once per character and font. The table is bounded: a document that asks
// for more distinct fonts than kMaxFonts gets the first font for the rest.
class TRichFonts {
 public:
  static constexpr size_t kMaxFonts = 256;

  int IndexOf(const TLogFont& logFont);
  const TLogFont& LogFont(int font) const { return entries_[static_cast<size_t>(font)]->LogFont; }
  const TTextMetric& Metrics(int font) const { return entries_[static_cast<size_t>(font)]->Metrics; }
  // Control characters take no room (tabs are the layout's business).
  int Advance(int font, char32_t cp);
  void Clear() {
    entries_.clear();
    index_.clear();
  }

 private:
  struct TEntry {
    TLogFont LogFont;
    TTextMetric Metrics;
    std::vector<int> Low;  // advances below kLowChars, -1 until measured
    std::unordered_map<char32_t, int> High;
  };
  static constexpr char32_t kLowChars = 0x800;
  std::vector<std::unique_ptr<TEntry>> entries_;
  std::unordered_map<std::string, int> index_;  // by KeyOf(logFont)
};

struct TLineBox {
  int Start = 0;  // byte offsets into the paragraph; End stops before a '\v'
  int End = 0;
  int Top = 0;    // from the top of the paragraph
  int Height = 0;
  int Ascent = 0;
  int Width = 0;
};

// A stretch of one line in one run and one font, for drawing: plain text,
// or a single tab (drawn as nothing, but selectable).
struct TLinePiece {
  int Run = 0;
  int Start = 0;  // byte offsets into the paragraph
  int End = 0;
  int X = 0;
  int Width = 0;
  int Font = 0;
  bool Tab = false;
};

class TRichEditLayout {
 public:
  // Default tab stops: every half inch.
  static constexpr int kTabWidth = kPixelsPerInch / 2;

  // The control's font, used by runs without a format of their own.
  void SetControlFont(const TFont& font);
  // The width lines wrap at; 0 or less: only line breaks end lines.
  void SetWrapWidth(int width);
  int WrapWidth() const { return wrapWidth_; }
  void InvalidateAll();
  // An edit replaced paragraphs: the rest keep their lines.
  void Replaced(const TDocChange& change);
  // Lays out what is stale.
  void Update(const TRichDocument& doc);
  bool UpToDate() const { return upToDate_; }

  int LineCount() const { return lineCount_; }
  int TotalHeight() const { return totalHeight_; }
  int MaxWidth() const { return maxWidth_; }

  int ParagraphOfLine(int line) const;
  const TLineBox& Line(int line) const;
  int LineTop(int line) const;  // document y of the line's top
  // The line at a document y (the first or last line outside the text).
  int LineAtY(int y) const;
  // The line that shows a position. At a wrap, the position is both the end
  // of one line and the start of the next; `atLineEnd` picks the first.
  int LineOfPos(TDocPos pos, bool atLineEnd = false) const;
  int FirstLineOf(int paragraph) const;
  int LineCountOf(int paragraph) const;

  int XOfPos(const TRichDocument& doc, TDocPos pos, int line) const;
  // The position nearest to x on a line.
  TDocPos PosAtX(const TRichDocument& doc, int line, int x) const;
  void Pieces(const TRichDocument& doc, int line, std::vector<TLinePiece>& out) const;
  // The width of a stretch of a piece (for selection edges).
  int MeasureSpan(const TRichDocument& doc, int paragraph, const TLinePiece& piece, int from, int to) const;

  TRichFonts& Fonts() const { return fonts_; }
  const TFont& ControlFont() const { return controlFont_; }
  int FontOf(const TRunFormat& format) const;

 private:
  struct TParaLayout {
    int Top = 0;
    int FirstLine = 0;
    int Height = 0;
    int Width = 0;
    std::vector<TLineBox> Lines;
    bool Valid = false;
  };
  class TRunFonts;
  void LayoutParagraph(const TRichParagraph& p, TParaLayout& out) const;
  int TabAdvance(int x) const;

  TFont controlFont_;
  int wrapWidth_ = 0;
  std::vector<TParaLayout> paras_;
  bool upToDate_ = false;
  int lineCount_ = 0;
  int totalHeight_ = 0;
  int maxWidth_ = 0;

  mutable TRichFonts fonts_;
  mutable int controlFontIndex_ = -1;
  mutable TRunFormat lastFormat_;
  mutable int lastFormatFont_ = -1;
};
