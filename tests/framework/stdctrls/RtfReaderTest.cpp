#include "framework/stdctrls/RtfReader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "framework/base/SysUtils.h"
#include "framework/stdctrls/RichEditContent.h"

namespace {

std::string TextOf(std::string_view rtf) { return ReadRtf(rtf).Document.Text(); }

// Every paragraph has runs, only a lone run is empty, and the text is valid UTF-8.
void ExpectWellFormed(const TRichDocument& doc) {
  ASSERT_GE(doc.ParagraphCount(), 1);
  for (const TRichParagraph& p : doc.Paragraphs()) {
    ASSERT_FALSE(p.Runs.empty());
    if (p.Runs.size() > 1) {
      for (const TRichRun& r : p.Runs) ASSERT_FALSE(r.Text.empty());
    }
    for (const TRichRun& r : p.Runs) ASSERT_TRUE(IsValidUtf8(r.Text));
  }
}

TEST(RtfReaderTest, TextParagraphsAndSpecialCharacters) {
  struct Case {
    const char* rtf;
    const char* text;
  } cases[] = {
      {R"({\rtf1 Hello})", "Hello"},
      {"", ""},
      {R"({\rtf1})", ""},
      // The last \par ends the last paragraph; a second one leaves an empty line.
      {R"({\rtf1 a\par b\par})", "a\r\nb"},
      {R"({\rtf1 a\par\par})", "a\r\n"},
      {"{\\rtf1 a\\\r\nb}", "a\r\nb"},
      {R"({\rtf1 a\line b\tab c\cell d})", "a\vb\tc\td"},
      {R"({\rtf1 \{x\}\\})", "{x}\\"},
      {R"({\rtf1 a\~b\_c\-d})", "a\u00A0b\u2011cd"},
      {R"({\rtf1 \emdash\endash\lquote\rquote\ldblquote\rdblquote\bullet})", "\u2014\u2013\u2018\u2019\u201C\u201D\u2022"},
      // Raw line breaks are not text; a control word eats one space.
      {"{\\rtf1 one\r\ntwo \\b  three}", "onetwo  three"},
      {R"({\rtf1 {\*\unknown junk {nested}}{\stylesheet{\s0 Normal;}}{\info{\title T}{\author A}})"
       R"({\pict\pngblip 89504e47}{\header H}{\footer F}{\object O{\result R}}{\fldinst HYPERLINK}text})",
       "text"},
      {R"({\rtf1 a{\field{\*\fldinst HYPERLINK x}{\fldrslt shown}}b})", "ashownb"},
      // Unbalanced braces: missing closers at the end, extra closers anywhere.
      {R"({\rtf1 a{\b b)", "ab"},
      {R"({\rtf1 a}}} b})", "a b"},
      {R"(}}{\rtf1 x})", "x"},
      // Unknown words and symbols vanish; a backslash at the very end is harmless.
      {R"({\rtf1 \foo12 a\zz-5 b\|c\:d\)", "abcd"},
      {R"({\rtf1 x\fs99999999999999 y\cf-99999999999 z\f123456789012 w\ucfoo})", "xyzw"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rtf);
    const TRtfReadResult r = ReadRtf(c.rtf);
    EXPECT_TRUE(r.Usable);
    EXPECT_EQ(r.Document.Text(), c.text);
    ExpectWellFormed(r.Document);
  }
}

TEST(RtfReaderTest, UnicodeWithFallbacks) {
  struct Case {
    const char* rtf;
    const char* text;
  } cases[] = {
      {R"({\rtf1\uc1 \u1055?\u1088?})", "Пр"},
      {R"({\rtf1\uc0 \u1055\u1088 x})", "Прx"},
      {R"({\rtf1\uc2 \u1055??x})", "Пx"},
      // The fallback may be a hex byte or a control symbol; a brace ends it.
      {R"({\rtf1 \u1055\'cf\u1088\{x})", "Прx"},
      {R"({\rtf1 {\u1055}x})", "Пx"},
      // \uc belongs to its group.
      {R"({\rtf1 {\uc2 \u1055??}\u1088?})", "Пр"},
      // Values past 32767 are written negative.
      {R"({\rtf1 \u-3913?})", "\uF0B7"},
      {R"({\rtf1 \u-10179?\u-8704?})", "\U0001F600"},
      {R"({\rtf1 \u-10179?x})", "\uFFFDx"},
      {R"({\rtf1 \u-8704?})", "\uFFFD"},
      {R"({\rtf1 \u99999999?})", "\uFFFD"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rtf);
    EXPECT_EQ(TextOf(c.rtf), c.text);
  }
}

TEST(RtfReaderTest, EightBitTextFollowsCodePageAndFontCharset) {
  struct Case {
    const char* rtf;
    const char* text;
  } cases[] = {
      {R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})", "Привет"},
      {R"({\rtf1\ansi{\fonttbl{\f0\fcharset204 Arial;}}\f0 \'cf\'b8})", "Пё"},
      {R"({\rtf1\ansi \'e9\'80\'93\'9f\'81})", "é€“Ÿ\uFFFD"},
      // A font's ANSI charset wins over the document's code page.
      {R"({\rtf1\ansicpg1251{\fonttbl{\f0\fcharset0 Arial;}{\f1\fcharset204 Arial;}}\f0\'e9\f1\'e9})", "éй"},
      // The default font applies until another is chosen.
      {R"({\rtf1\deff1{\fonttbl{\f0\fcharset0 A;}{\f1\fcharset204 B;}}\'e9})", "й"},
      // Raw 8-bit bytes are read the same way.
      {"{\\rtf1\\ansicpg1251 \xcf\xf0}", "Пр"},
      // One hex digit only; control characters are not text.
      {R"({\rtf1 \'4\'0d\'7f})", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rtf);
    EXPECT_EQ(TextOf(c.rtf), c.text);
  }
}

TEST(RtfReaderTest, RunsCarryFontsColoursAndStyles) {
  const TRtfReadResult r = ReadRtf(
      R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman\fcharset204 Times New Roman;}})"
      R"({\colortbl ;\red255\green0\blue0;\red0\green128\blue255;})"
      R"(\f0\fs20 plain {\b bold} {\i it} {\ul un\ulnone  no}{\uldb  dbl} {\cf1 red} {\f1\fs32\cf2 big})"
      R"( \b\i\ul all\plain  reset\par})");
  const TRichParagraph& p = r.Document.Paragraph(0);
  struct Want {
    const char* text;
    const char* font;
    int halfPoints;
    bool bold, italic, underline;
    TColor color;
  } want[] = {
      {"plain ", "Arial", 20, false, false, false, clDefault},
      {"bold", "Arial", 20, true, false, false, clDefault},
      {" ", "Arial", 20, false, false, false, clDefault},
      {"it", "Arial", 20, false, true, false, clDefault},
      {" ", "Arial", 20, false, false, false, clDefault},
      {"un", "Arial", 20, false, false, true, clDefault},
      {" no", "Arial", 20, false, false, false, clDefault},
      {" dbl", "Arial", 20, false, false, true, clDefault},
      {" ", "Arial", 20, false, false, false, clDefault},
      {"red", "Arial", 20, false, false, false, RGB(255, 0, 0)},
      {" ", "Arial", 20, false, false, false, clDefault},
      {"big", "Times New Roman", 32, false, false, false, RGB(0, 128, 255)},
      {" ", "Arial", 20, false, false, false, clDefault},
      {"all", "Arial", 20, true, true, true, clDefault},
      {" reset", "Arial", 24, false, false, false, clDefault},
  };
  ASSERT_EQ(p.Runs.size(), std::size(want));
  for (size_t i = 0; i < std::size(want); ++i) {
    SCOPED_TRACE(want[i].text);
    const TRichRun& run = p.Runs[i];
    EXPECT_EQ(run.Text, want[i].text);
    EXPECT_TRUE(run.Format.Explicit);
    EXPECT_EQ(run.Format.FontName, want[i].font);
    EXPECT_EQ(run.Format.HalfPoints, want[i].halfPoints);
    EXPECT_EQ(run.Format.Bold, want[i].bold);
    EXPECT_EQ(run.Format.Italic, want[i].italic);
    EXPECT_EQ(run.Format.Underline, want[i].underline);
    EXPECT_EQ(run.Format.Color, want[i].color);
  }
  EXPECT_EQ(p.Runs[11].Format.Charset, 204);
  EXPECT_EQ(r.Document.ParagraphCount(), 1);
}

TEST(RtfReaderTest, FontTableWithoutEntryGroupsAndWithNestedDestinations) {
  const TRtfReadResult r = ReadRtf(
      R"({\rtf1{\fonttbl\f0\fnil Courier New;\f3\fcharset204{\*\panose 0000}Liberation )"
      R"(\'cf;}\f3 x\f0 y\f7 z})");
  const TRichParagraph& p = r.Document.Paragraph(0);
  ASSERT_EQ(p.Runs.size(), 3u);
  EXPECT_EQ(p.Runs[0].Format.FontName, "Liberation П");
  EXPECT_EQ(p.Runs[1].Format.FontName, "Courier New");
  EXPECT_EQ(p.Runs[2].Format.FontName, "") << "an unknown font falls back to the control's";
}

TEST(RtfReaderTest, EmptyParagraphKeepsItsFormatForTyping) {
  const TRichDocument doc = ReadRtf(R"({\rtf1 {\b a\par\par b}})").Document;
  ASSERT_EQ(doc.ParagraphCount(), 3);
  EXPECT_EQ(doc.Paragraph(1).Runs.size(), 1u);
  EXPECT_TRUE(doc.Paragraph(1).Runs[0].Format.Bold);
  EXPECT_TRUE(doc.FormatAt({1, 0}).Bold);
}

TEST(RtfReaderTest, BinaryDataIsSkippedAndHugeCountsAreClamped) {
  struct Case {
    std::string rtf;
    std::string text;
  } cases[] = {
      {"{\\rtf1 a{\\pict\\bin4 {{{{}b}", "ab"},
      {std::string("{\\rtf1 a{\\pict\\bin3 ") + std::string(3, '\0') + "}b}", "ab"},
      {"{\\rtf1 a\\bin99999999999999999 xyz}", "a"},
      {"{\\rtf1 a\\bin-5 b}", "ab"},
      {"{\\rtf1 a\\bin", "a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rtf);
    const TRtfReadResult r = ReadRtf(c.rtf);
    EXPECT_TRUE(r.Usable) << "NUL bytes inside binary data are data";
    EXPECT_EQ(r.Document.Text(), c.text);
  }
}

TEST(RtfReaderTest, NulBytesOutsideBinaryDataMakeItUnusable) {
  EXPECT_FALSE(ReadRtf(std::string("{\\rtf1 a\0b}", 11)).Usable);
  EXPECT_FALSE(ReadRichEditContent(std::string("{\\rtf1 a\0b}", 11), false).has_value())
      << "not rich text, and not acceptable plain text either";
}

// Deep nesting used to be the classic way to overflow a recursive reader's stack.
TEST(RtfReaderTest, HundredThousandNestedGroupsDoNotRecurse) {
  const size_t depth = 100000;
  std::string rtf = "{\\rtf1 a";
  rtf.append(depth, '{');
  rtf += "\\b deep";
  rtf.append(depth, '}');
  rtf += "b}";
  const TRtfReadResult r = ReadRtf(rtf);
  EXPECT_EQ(r.Document.Text(), "adeepb");
  ExpectWellFormed(r.Document);
  // Groups past the cap share the deepest kept state: the bold set inside
  // them ends only when the groups within the cap close.
  const TRichParagraph& p = r.Document.Paragraph(0);
  EXPECT_FALSE(p.Runs.back().Format.Bold) << "closing the groups restores the outer state";

  std::string open = "{\\rtf1 x";
  open.append(depth, '{');
  open += "y";
  EXPECT_EQ(TextOf(open), "xy");
}

TEST(RtfReaderTest, RandomBytesNeverBreakTheReader) {
  std::mt19937 rng(20240601);
  const char alphabet[] = "{}\\\\\\'abcdefu0123456789-; \r\n\x80\xcf\xff*";
  for (int iteration = 0; iteration < 400; ++iteration) {
    std::string input = iteration % 2 ? "{\\rtf1 " : "";
    const size_t n = rng() % 600;
    for (size_t i = 0; i < n; ++i) {
      if (rng() % 4 == 0)
        input.push_back(static_cast<char>(rng() & 0xFF));
      else
        input.push_back(alphabet[rng() % (sizeof alphabet - 1)]);
    }
    SCOPED_TRACE(iteration);
    const TRtfReadResult r = ReadRtf(input);
    ExpectWellFormed(r.Document);
    if (input.find('\0') == std::string::npos) {
      EXPECT_TRUE(r.Usable);
    }
  }
}

TEST(RtfReaderTest, RecognisesRichTextByItsStart) {
  struct Case {
    std::string bytes;
    bool rtf;
  } cases[] = {
      {"{\\rtf1 x}", true},         {"  \r\n\t{\\rtf", true},  {"\xEF\xBB\xBF{\\rtf1}", true},
      {"{\\rt", false},             {"x{\\rtf1}", false},      {"", false},
      {"{ \\rtf1}", false},
  };
  for (const Case& c : cases) EXPECT_EQ(LooksLikeRtf(c.bytes), c.rtf) << c.bytes;
}

TEST(RichEditContentTest, PlainTextInUtf8AndCp1251WithEveryLineEnding) {
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  } cases[] = {
      {"один\r\nдва\r\n", {"один", "два"}},
      {"один\nдва", {"один", "два"}},
      {"один\rдва\r", {"один", "два"}},
      {"\xEF\xBB\xBFone\n\nthree\n", {"one", "", "three"}},
      // Not UTF-8: code page 1251.
      {"\xEE\xE4\xE8\xED\r\n\xE4\xE2\xE0", {"один", "два"}},
      {"\xEE\xE4\xE8\xED\n\xE4\xE2\xE0\n", {"один", "два"}},
      {"\xEE\xE4\xE8\xED\r\xE4\xE2\xE0", {"один", "два"}},
      // UTF-16 with a byte-order mark, both byte orders.
      {std::string("\xFF\xFE" "a\0\n\0\x3F\x04", 8), {"a", "п"}},
      {std::string("\xFE\xFF\0a\0\n\x04\x3F", 8), {"a", "п"}},
      {"", {""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    const std::optional<TRichDocument> doc = ReadRichEditContent(c.bytes, false);
    ASSERT_TRUE(doc.has_value());
    ASSERT_EQ(doc->ParagraphCount(), static_cast<int>(c.lines.size()));
    for (size_t i = 0; i < c.lines.size(); ++i) {
      EXPECT_EQ(doc->Paragraph(static_cast<int>(i)).PlainText(), c.lines[i]);
      EXPECT_FALSE(doc->Paragraph(static_cast<int>(i)).Runs[0].Format.Explicit) << "plain text takes the control's font";
    }
  }
}

TEST(RichEditContentTest, BinaryIsRefusedAndPlainTextModeShowsRichTextAsWritten) {
  EXPECT_FALSE(ReadRichEditContent(std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), false).has_value());
  std::string controls(200, 'a');
  controls[10] = '\x01';
  controls[20] = '\x02';
  EXPECT_TRUE(ReadRichEditContent(controls, false).has_value()) << "a stray control character or two is still text";
  controls.replace(30, 5, "\x03\x04\x05\x06\x07");
  EXPECT_FALSE(ReadRichEditContent(controls, false).has_value());

  const std::optional<TRichDocument> raw = ReadRichEditContent("{\\rtf1 {\\b x}}", true);
  ASSERT_TRUE(raw.has_value());
  EXPECT_EQ(raw->Text(), "{\\rtf1 {\\b x}}");
}

}  // namespace
