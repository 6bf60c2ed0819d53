#include "framework/stdctrls/RichEditLayout.h"

#include <gtest/gtest.h>

#include <random>

#include "framework/graphics/Gdi.h"
#include "framework/stdctrls/RtfReader.h"

namespace {

class RichEditLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    font.SetName("Liberation Sans");
    font.SetHeight(-20);
    layout.SetControlFont(font);
  }
  int Width(const char* text) { return TextExtent(font.LogFont(), text).cx; }
  void Lay(const std::string& text, int width) {
    doc = TRichDocument::FromPlainText(text);
    layout.Replaced({0, 0, doc.ParagraphCount()});
    layout.SetWrapWidth(width);
    layout.InvalidateAll();
    layout.Update(doc);
  }
  std::vector<std::pair<int, int>> Lines() {
    std::vector<std::pair<int, int>> out;
    for (int i = 0; i < layout.LineCount(); ++i) out.emplace_back(layout.Line(i).Start, layout.Line(i).End);
    return out;
  }

  TFont font;
  TRichEditLayout layout;
  TRichDocument doc;
};

using Spans = std::vector<std::pair<int, int>>;

TEST_F(RichEditLayoutTest, WrapsAfterSpacesAndHangsThem) {
  // Exactly two words fit: the space after them hangs past the edge, the third wraps.
  Lay("aaa aaa aaa", Width("aaa aaa"));
  EXPECT_EQ(Lines(), (Spans{{0, 8}, {8, 11}}));
  // One pixel less and the second word goes down too.
  Lay("aaa aaa aaa", Width("aaa aaa") - 1);
  EXPECT_EQ(Lines(), (Spans{{0, 4}, {4, 8}, {8, 11}}));
  // A word longer than the line is cut between characters.
  Lay("aaaaaaaaaa", Width("aaaa"));
  EXPECT_EQ(Lines(), (Spans{{0, 4}, {4, 8}, {8, 10}}));
  // No width: only hard breaks end lines.
  Lay("aaa bbb ccc\vddd", 0);
  EXPECT_EQ(Lines(), (Spans{{0, 11}, {12, 15}}));
  EXPECT_EQ(layout.MaxWidth(), Width("aaa bbb ccc"));
}

TEST_F(RichEditLayoutTest, PositionsAndPointsMapBothWays) {
  Lay("aaa bbb ccc\r\nx\ty", Width("aaa bbb"));
  ASSERT_EQ(layout.LineCount(), 3);
  // At the wrap the position belongs to the lower line, unless asked for the end of the upper one.
  EXPECT_EQ(layout.LineOfPos({0, 8}), 1);
  EXPECT_EQ(layout.LineOfPos({0, 8}, true), 0);
  EXPECT_EQ(layout.LineOfPos({1, 0}), 2);
  EXPECT_EQ(layout.XOfPos(doc, {0, 2}, 0), Width("aa"));
  // Tabs jump to the next stop.
  EXPECT_EQ(layout.XOfPos(doc, {1, 2}, 2), TRichEditLayout::kTabWidth);
  // A point goes to the nearer edge of the character under it.
  const int a = Width("a");
  EXPECT_EQ(layout.PosAtX(doc, 0, a + a / 2 - 1), (TDocPos{0, 1}));
  EXPECT_EQ(layout.PosAtX(doc, 0, a + a / 2 + 1), (TDocPos{0, 2}));
  EXPECT_EQ(layout.PosAtX(doc, 1, 10000), (TDocPos{0, 11}));
  EXPECT_EQ(layout.PosAtX(doc, 2, -5), (TDocPos{1, 0}));
  // Lines stack without gaps; y finds them.
  const int h = layout.Line(0).Height;
  EXPECT_EQ(layout.LineTop(2), 2 * h);
  EXPECT_EQ(layout.TotalHeight(), 3 * h);
  EXPECT_EQ(layout.LineAtY(2 * h - 1), 1);
  EXPECT_EQ(layout.LineAtY(2 * h), 2);
  EXPECT_EQ(layout.LineAtY(-50), 0);
  EXPECT_EQ(layout.LineAtY(99999), 2);
}

TEST_F(RichEditLayoutTest, AnEditKeepsTheLinesInStep) {
  Lay("one\r\ntwo\r\nthree", 0);
  const TDocChange change = doc.Insert({1, 3}, "\r\nnew");
  layout.Replaced(change);
  EXPECT_FALSE(layout.UpToDate());
  layout.Update(doc);
  EXPECT_EQ(layout.LineCount(), 4);
  EXPECT_EQ(layout.ParagraphOfLine(3), 3);
  EXPECT_EQ(layout.Line(2).End, 3);
}

TEST_F(RichEditLayoutTest, LinesOfRandomDocumentsCoverEveryParagraph) {
  std::mt19937 rng(7031);
  const char* pieces[] = {"word ", "longerword", " ", "\\tab ", "\\line ", "\\par ", "{\\b ", "{\\fs60 ", "{\\fs8 ",
                          "}", "\\u1055?", "\\'e9", "-", "x"};
  for (int round = 0; round < 60; ++round) {
    std::string rtf = "{\\rtf1 ";
    const int n = static_cast<int>(rng() % 200);
    for (int i = 0; i < n; ++i) rtf += pieces[rng() % std::size(pieces)];
    doc = ReadRtf(rtf).Document;
    layout.Replaced({0, 0, doc.ParagraphCount()});
    layout.SetWrapWidth(static_cast<int>(rng() % 300));
    layout.InvalidateAll();
    layout.Update(doc);
    SCOPED_TRACE(rtf);
    // Lines follow each other without gaps or overlaps; each paragraph's
    // lines run from its start to its end, skipping only line breaks.
    int y = 0;
    for (int line = 0; line < layout.LineCount(); ++line) {
      const TLineBox& box = layout.Line(line);
      const int para = layout.ParagraphOfLine(line);
      ASSERT_EQ(layout.LineTop(line), y);
      ASSERT_GT(box.Height, 0);
      y += box.Height;
      const bool first = line == layout.FirstLineOf(para);
      if (first) {
        ASSERT_EQ(box.Start, 0);
      } else {
        const TLineBox& before = layout.Line(line - 1);
        const std::string text = doc.Paragraph(para).PlainText();
        const bool hardBreak = before.End < static_cast<int>(text.size()) && text[static_cast<size_t>(before.End)] == '\v';
        ASSERT_EQ(box.Start, before.End + (hardBreak ? 1 : 0));
      }
      ASSERT_LE(box.Start, box.End);
      if (line + 1 == layout.LineCount() || layout.ParagraphOfLine(line + 1) != para) {
        ASSERT_EQ(box.End, doc.Paragraph(para).Length());
      }
    }
    ASSERT_EQ(y, layout.TotalHeight());
  }
}

// A document asking for thousands of distinct fonts used to get a table
// entry (and a measured font) for each of them.
TEST_F(RichEditLayoutTest, TheFontTableIsBounded) {
  TRichFonts fonts;
  TLogFont logFont = font.LogFont();
  for (int i = 0; i < 400; ++i) {
    logFont.Height = -(8 + i % 300);
    logFont.Style = i >= 300 ? TFontStyles{fsBold} : TFontStyles{};
    const int index = fonts.IndexOf(logFont);
    if (static_cast<size_t>(i) < TRichFonts::kMaxFonts) {
      EXPECT_EQ(index, i);
    } else {
      EXPECT_EQ(index, 0);
    }
  }
  logFont.Height = -9;
  logFont.Style = {};
  EXPECT_EQ(fonts.IndexOf(logFont), 1) << "known fonts are still found";
}

}  // namespace
