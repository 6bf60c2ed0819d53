#include "framework/stdctrls/RichDocument.h"

#include <gtest/gtest.h>

#include "framework/stdctrls/RtfReader.h"

namespace {

TRunFormat Bold() {
  TRunFormat f;
  f.Explicit = true;
  f.Bold = true;
  return f;
}

TEST(RichDocumentTest, InsertSplitsParagraphsAtEveryKindOfBreak) {
  struct Case {
    const char* start;
    TDocPos at;
    const char* insert;
    const char* text;
    TDocPos end;
    TDocChange change;
  } cases[] = {
      {"abcdef", {0, 3}, "X", "abcXdef", {0, 4}, {0, 1, 1}},
      {"abcdef", {0, 3}, "X\r\nY\nZ\rW", "abcX\r\nY\r\nZ\r\nWdef", {3, 1}, {0, 1, 4}},
      {"abc\r\ndef", {1, 0}, "\r\n", "abc\r\n\r\ndef", {2, 0}, {1, 1, 2}},
      {"abc", {0, 3}, "x\r\n", "abcx\r\n", {1, 0}, {0, 1, 2}},
      // Positions past the end are clamped; control characters are dropped.
      {"ab", {5, 9}, "c\x01\x7F" "d", "abcd", {0, 4}, {0, 1, 1}},
      {"", {0, 0}, "\xFF", "\uFFFD", {0, 3}, {0, 1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.insert);
    TRichDocument doc = TRichDocument::FromPlainText(c.start);
    TDocPos end;
    const TDocChange change = doc.Insert(c.at, c.insert, &end);
    EXPECT_EQ(doc.Text(), c.text);
    EXPECT_EQ(end, c.end);
    EXPECT_EQ(change.First, c.change.First);
    EXPECT_EQ(change.OldCount, c.change.OldCount);
    EXPECT_EQ(change.NewCount, c.change.NewCount);
  }
}

TEST(RichDocumentTest, TypingContinuesTheFormatBeforeTheCaret) {
  TRichDocument doc = ReadRtf(R"({\rtf1 {\b bold}plain})").Document;
  doc.Insert({0, 4}, "B");
  doc.Insert({0, 0}, "A");
  doc.Insert({0, doc.Paragraph(0).Length()}, "p");
  const TRichParagraph& p = doc.Paragraph(0);
  ASSERT_EQ(p.Runs.size(), 2u);
  EXPECT_EQ(p.Runs[0].Text, "AboldB");
  EXPECT_TRUE(p.Runs[0].Format.Bold);
  EXPECT_EQ(p.Runs[1].Text, "plainp");
  EXPECT_FALSE(p.Runs[1].Format.Bold);

  // A paragraph break at the end of bold text: the new paragraph is bold too.
  TRichDocument tail = ReadRtf(R"({\rtf1 {\b bold}})").Document;
  TDocPos end;
  tail.Insert({0, 4}, "\r\n", &end);
  ASSERT_EQ(tail.ParagraphCount(), 2);
  EXPECT_EQ(end, (TDocPos{1, 0}));
  EXPECT_TRUE(tail.FormatAt(end).Bold);
  tail.Insert(end, "x");
  EXPECT_TRUE(tail.Paragraph(1).Runs[0].Format.Bold);
}

TEST(RichDocumentTest, DeleteJoinsParagraphsAndKeepsTheFormatOfAnEmptiedOne) {
  TRichDocument doc = TRichDocument::FromPlainText("ab\r\ncd\r\nef");
  const TDocChange change = doc.Delete({2, 1}, {0, 1});
  EXPECT_EQ(doc.Text(), "af");
  EXPECT_EQ(change.First, 0);
  EXPECT_EQ(change.OldCount, 3);
  EXPECT_EQ(change.NewCount, 1);

  // Backspace at the start of a paragraph: the end of the one before goes.
  TRichDocument join = TRichDocument::FromPlainText("ab\r\ncd");
  join.Delete(join.PrevChar({1, 0}), {1, 0});
  EXPECT_EQ(join.Text(), "abcd");

  TRichDocument bold = ReadRtf(R"({\rtf1 plain\par{\b bold}})").Document;
  bold.Delete({1, 0}, {1, 4});
  EXPECT_EQ(bold.Text(), "plain\r\n");
  EXPECT_TRUE(bold.FormatAt({1, 0}).Bold) << "typing into the emptied paragraph stays bold";
}

TEST(RichDocumentTest, PositionsStayOnCharacterBoundariesAndCountCharacters) {
  const TRichDocument doc = TRichDocument::FromPlainText("аб\r\nв");  // two-byte characters
  EXPECT_EQ(doc.Clamp({0, 1}), (TDocPos{0, 0}));
  EXPECT_EQ(doc.Clamp({0, 3}), (TDocPos{0, 2}));
  EXPECT_EQ(doc.NextChar({0, 0}), (TDocPos{0, 2}));
  EXPECT_EQ(doc.NextChar({0, 4}), (TDocPos{1, 0}));
  EXPECT_EQ(doc.PrevChar({1, 0}), (TDocPos{0, 4}));
  EXPECT_EQ(doc.NextChar(doc.End()), doc.End());
  EXPECT_EQ(doc.CharCount(), 5) << "а б CR LF в";
  // Every position maps to its character index and back.
  for (TDocPos p = doc.Start();; p = doc.NextChar(p)) {
    EXPECT_EQ(doc.PosFromCharIndex(doc.CharIndex(p)), p);
    if (p == doc.End()) break;
  }
  EXPECT_EQ(doc.PosFromCharIndex(3), (TDocPos{0, 4})) << "inside the line break: the end of the paragraph";
  EXPECT_EQ(doc.PosFromCharIndex(99), doc.End());
  EXPECT_EQ(doc.TextRange({1, 2}, {0, 2}), "б\r\nв");
}

TEST(RichDocumentTest, WholeParagraphEdits) {
  TRichDocument doc = TRichDocument::FromPlainText("one\r\ntwo");
  doc.SetParagraphText(1, "2a\r\n2b");
  EXPECT_EQ(doc.Text(), "one\r\n2a\r\n2b");
  doc.InsertParagraph(0, "zero", Bold());
  EXPECT_EQ(doc.Text(), "zero\r\none\r\n2a\r\n2b");
  EXPECT_TRUE(doc.FormatAt({0, 0}).Bold);
  doc.DeleteParagraph(1);
  doc.DeleteParagraph(1);
  doc.DeleteParagraph(1);
  EXPECT_EQ(doc.Text(), "zero");
  doc.DeleteParagraph(0);
  EXPECT_EQ(doc.ParagraphCount(), 1) << "a document always keeps a paragraph";
  EXPECT_EQ(doc.Text(), "");
  EXPECT_TRUE(doc.FormatAt({0, 0}).Bold);
}

TEST(RichDocumentTest, CleanTextKeepsTabsAndLineBreaksOnly) {
  EXPECT_EQ(CleanParagraphText("a\tb\vc"), "a\tb\vc");
  EXPECT_EQ(CleanParagraphText("a\x01\x1F\x7F" "b\r\n"), "ab");
  EXPECT_EQ(CleanParagraphText("\xC3"), "\uFFFD");
}

}  // namespace
