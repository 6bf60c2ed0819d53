// The content of a rich edit: paragraphs of runs, each run a piece of UTF-8
// text in one character format. Plain text is paragraphs of one run in the
// control's own font and colour.
//
// A position is a paragraph and a byte offset into the paragraph's text
// (always on a character boundary). Inside a paragraph, '\t' is a tab and
// '\v' a line break that does not end the paragraph; paragraphs themselves
// are separated by CR LF when the document is turned into plain text.
#pragma once

#include <compare>
#include <string>
#include <string_view>
#include <vector>

#include "framework/base/Colors.h"
#include "framework/graphics/Font.h"

struct TRunFormat {
  // Without an explicit format a run takes the control's font and colour,
  // and follows them when they change; the fields below are then unused.
  bool Explicit = false;
  std::string FontName;   // empty: the control's font name
  int HalfPoints = 24;    // size in half points, as rich text stores it
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  TColor Color = clDefault;  // clDefault: the control's font colour
  int Charset = DEFAULT_CHARSET;

  bool operator==(const TRunFormat&) const = default;
};

// The font and colour a run is drawn with inside a control whose font is `controlFont`.
TLogFont RunLogFont(const TRunFormat& format, const TFont& controlFont);
TColor RunColor(const TRunFormat& format, const TFont& controlFont);
// The pixel height (negative, by the sign rule) of a size in half points at kPixelsPerInch.
int HalfPointsToHeight(int halfPoints);

struct TRichRun {
  std::string Text;
  TRunFormat Format;
};

struct TRichParagraph {
  // Never empty; only a lone run may have no text (it keeps the format of an
  // empty paragraph, which typing there continues).
  std::vector<TRichRun> Runs;

  std::string PlainText() const;
  int Length() const;  // in bytes
};

struct TDocPos {
  int Para = 0;
  int Offset = 0;
  auto operator<=>(const TDocPos&) const = default;
};

// Which paragraphs an edit replaced: `OldCount` paragraphs from `First` on
// became `NewCount` paragraphs.
struct TDocChange {
  int First = 0;
  int OldCount = 0;
  int NewCount = 0;
};

class TRichDocument {
 public:
  TRichDocument();  // one empty paragraph in the control's format

  // Plain text split at CR LF, LF or CR into paragraphs of one run each. A
  // final line break ends the last line rather than starting another one.
  // Invalid UTF-8 is repaired (U+FFFD).
  static TRichDocument FromPlainText(std::string_view utf8, const TRunFormat& format = {});

  int ParagraphCount() const { return static_cast<int>(paragraphs_.size()); }
  const TRichParagraph& Paragraph(int index) const { return paragraphs_[static_cast<size_t>(index)]; }
  const std::vector<TRichParagraph>& Paragraphs() const { return paragraphs_; }

  // Builders for readers: text goes to the last paragraph in `format`;
  // NewParagraph starts another one that begins in `format`.
  void Append(std::string_view utf8, const TRunFormat& format);
  void NewParagraph(const TRunFormat& format);
  // Drops a last paragraph that is empty, when it is not the only one.
  void DropEmptyLastParagraph();

  // The whole text, paragraphs joined with CR LF.
  std::string Text() const;
  std::string TextRange(TDocPos from, TDocPos to) const;
  // Number of characters (code points) of the text, a paragraph break counting two.
  long long CharCount() const;

  TDocPos Start() const { return {}; }
  TDocPos End() const;
  // The nearest valid position: inside the document, on a character boundary.
  TDocPos Clamp(TDocPos pos) const;
  TDocPos NextChar(TDocPos pos) const;  // crosses paragraph ends
  TDocPos PrevChar(TDocPos pos) const;
  // Character index (as CharCount counts) of a position, and back.
  long long CharIndex(TDocPos pos) const;
  TDocPos PosFromCharIndex(long long index) const;

  // The format typing at `pos` continues: the run before it, or the first
  // run at the start of a paragraph.
  TRunFormat FormatAt(TDocPos pos) const;

  // Inserts text at `pos` in the format there; CR LF, LF and CR split
  // paragraphs. Control characters other than tab and '\v' are dropped and
  // invalid UTF-8 is repaired. `end` receives the position after the text.
  TDocChange Insert(TDocPos pos, std::string_view utf8, TDocPos* end = nullptr);
  // Removes the text between two positions (in either order).
  TDocChange Delete(TDocPos from, TDocPos to);

  // Whole paragraphs, for the control's list of lines.
  TDocChange SetParagraphText(int index, std::string_view utf8);
  TDocChange InsertParagraph(int index, std::string_view utf8, const TRunFormat& format);
  TDocChange DeleteParagraph(int index);

 private:
  static void Normalize(TRichParagraph& p);
  // Splits the paragraph's runs at a byte offset: answers the index of the
  // first run at or after it.
  static size_t SplitRunsAt(TRichParagraph& p, int offset);

  std::vector<TRichParagraph> paragraphs_;
};

// Valid UTF-8 without control characters other than tab and '\v', line
// breaks removed (they are the caller's business).
std::string CleanParagraphText(std::string_view utf8);
