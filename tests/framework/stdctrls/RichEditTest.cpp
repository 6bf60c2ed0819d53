// The rich edit's content: loading files, its list of lines, layout,
// painting and its entry for the window-description reader.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>
#include <utility>

#include "RichEditTestSupport.h"
#include "framework/base/Exceptions.h"
#include "framework/stdctrls/RtfReader.h"
#include "framework/streaming/ClassRegistry.h"
#include "framework/streaming/Reader.h"

namespace {

using RichEditTest = RichEditFixture;

bool IsDark(TColor c) { return GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100; }
bool IsRed(TColor c) { return GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60; }

TEST_F(RichEditTest, LoadsPlainTextInUtf8AndCp1251WithEveryLineEnding) {
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"utf8-crlf.txt", "for i := 1 to n do\r\n  begin\r\n  конец;\r\n"},
      {"utf8-lf.txt", "for i := 1 to n do\n  begin\n  конец;"},
      {"utf8-cr.txt", "for i := 1 to n do\r  begin\r  конец;\r"},
      {"cp1251-crlf.txt", "for i := 1 to n do\r\n  begin\r\n  \xEA\xEE\xED\xE5\xF6;\r\n"},
      {"cp1251-lf.txt", "for i := 1 to n do\n  begin\n  \xEA\xEE\xED\xE5\xF6;\n"},
      {"cp1251-cr.txt", "for i := 1 to n do\r  begin\r  \xEA\xEE\xED\xE5\xF6;"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    edit->Lines()->LoadFromFile(WriteFile(c.name, c.bytes));
    ASSERT_EQ(edit->Lines()->Count(), 3);
    EXPECT_EQ(edit->Lines()->Get(0), "for i := 1 to n do");
    EXPECT_EQ(edit->Lines()->Get(2), "  конец;");
    EXPECT_EQ(edit->Text(), "for i := 1 to n do\r\n  begin\r\n  конец;") << "the control's text joins lines with CR LF";
    EXPECT_EQ(edit->Lines()->Text(), "for i := 1 to n do\r\n  begin\r\n  конец;\r\n");
  }
}

TEST_F(RichEditTest, MissingFileFailsWithTheOpenErrorAndKeepsTheContent) {
  edit->Lines()->SetText("keep\r\nme");
  const std::string name = (dir / "нет такого.txt").string();
  try {
    edit->Lines()->LoadFromFile(name);
    FAIL() << "no error";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), "Cannot open file " + name);
  }
  EXPECT_EQ(edit->Text(), "keep\r\nme");
}

TEST_F(RichEditTest, UnloadableFilesFailWithTheReadErrorAndKeepTheContent) {
  edit->Lines()->SetText("keep");
  const std::string files[] = {
      WriteFile("picture.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20)),
      WriteFile("broken.rtf", std::string("{\\rtf1 text\0\0\0 more}", 21)),
  };
  for (const std::string& f : files) {
    SCOPED_TRACE(f);
    try {
      edit->Lines()->LoadFromFile(f);
      FAIL() << "no error";
    } catch (const EReadError& e) {
      EXPECT_EQ(e.Message(), "Failed to Load Stream");
    }
    EXPECT_EQ(edit->Text(), "keep");
  }
}

TEST_F(RichEditTest, LoadsRichTextAndShowsItsSourceInPlainTextMode) {
  const std::string path = WriteFile(
      "listing.rtf",
      "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0\\fs64 {\\b program} \\'d1\\'ee\\'f0\\'f2;\\par end.\\par}");
  edit->Lines()->LoadFromFile(path);
  ASSERT_EQ(edit->Lines()->Count(), 2);
  EXPECT_EQ(edit->Lines()->Get(0), "program Сорт;");
  const TRichRun& first = edit->Document().Paragraph(0).Runs[0];
  EXPECT_TRUE(first.Format.Bold);
  EXPECT_EQ(first.Format.HalfPoints, 64);

  edit->SetPlainText(true);
  edit->Lines()->LoadFromFile(path);
  EXPECT_EQ(edit->Lines()->Get(0).substr(0, 6), "{\\rtf1");
}

TEST_F(RichEditTest, LoadsFiveMegabyteFiles) {
  std::string rtf = "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fcharset204 Arial;}}{\\colortbl ;\\red0\\green0\\blue255;}\n";
  std::string plain;
  int lines = 0;
  int rtfParagraphs = 0;
  while (rtf.size() < 5u * 1024 * 1024) {
    ++rtfParagraphs;
    const std::string n = std::to_string(lines++);
    rtf += "{\\b for} i := 1 to n do {\\cf1 \\'e0\\u1073?} line " + n + " of the generated listing\\par\n";
    plain += "  if a[j] < a[min] then min := j; { строка " + n + " }\r\n";
  }
  while (plain.size() < 5u * 1024 * 1024) plain += "  x := x + 1;\r\n", ++lines;
  rtf += "}";

  edit->Lines()->LoadFromFile(WriteFile("big.rtf", rtf));
  EXPECT_EQ(edit->Lines()->Count(), rtfParagraphs);
  edit->Lines()->LoadFromFile(WriteFile("big.txt", plain));
  EXPECT_EQ(edit->Lines()->Count(), lines);
  // The whole text is laid out once for the first paint.
  Pump();
  EXPECT_GE(edit->LineCount(), lines);
}

TEST_F(RichEditTest, LinesEditTheDocument) {
  int changes = 0;
  edit->OnChange = [&](TComponent*) { ++changes; };
  TStrings* lines = edit->Lines();
  EXPECT_EQ(lines->Count(), 0) << "an empty edit has no lines";
  EXPECT_EQ(lines->Text(), "");
  lines->Add("b");
  lines->Insert(0, "a");
  lines->Add("d");
  lines->Insert(2, "c");
  EXPECT_EQ(edit->Text(), "a\r\nb\r\nc\r\nd");
  lines->Put(1, "B");
  lines->Delete(3);
  EXPECT_EQ(lines->ToVector(), (std::vector<std::string>{"a", "B", "c"}));
  EXPECT_THROW(lines->Get(3), EListError);
  EXPECT_THROW(lines->Insert(5, "x"), EListError);
  EXPECT_EQ(changes, 6);

  changes = 0;
  lines->AddStrings({"x", "y", "z"});
  EXPECT_EQ(changes, 1) << "an update of many lines tells once";
  lines->SetText("one\r\ntwo\r\n");
  EXPECT_EQ(lines->Count(), 2);
  lines->Clear();
  EXPECT_EQ(lines->Count(), 0);
  edit->SetText("p\r\nq");
  EXPECT_EQ(lines->Count(), 2);
  EXPECT_EQ(changes, 4);
}

TEST_F(RichEditTest, LongLinesWrapAtTheWidth) {
  std::string words;
  for (int i = 0; i < 60; ++i) words += "word" + std::to_string(i) + " ";
  edit->Lines()->SetText(words + "\r\nshort");
  const int wide = edit->LineCount();
  EXPECT_GT(wide, 2);
  edit->SetWidth(160);
  const int narrow = edit->LineCount();
  EXPECT_GT(narrow, wide) << "a narrower edit wraps into more lines";
  edit->SetWordWrap(false);
  EXPECT_EQ(edit->LineCount(), 2);
  EXPECT_EQ(edit->Lines()->Count(), 2) << "wrapping does not change the lines of the text";
  EXPECT_TRUE(edit->HorizontalBar().Shown() == false) << "only ssHorizontal or ssBoth shows a horizontal bar";
  edit->SetScrollBars(TScrollStyle::ssBoth);
  EXPECT_TRUE(edit->HorizontalBar().Shown());
}

TEST_F(RichEditTest, TallestRunSetsTheLineHeight) {
  edit->SetDocument(ReadRtf(R"({\rtf1 small {\fs72 BIG} small\par small})").Document);
  const TRect text = edit->TextRect();
  EXPECT_EQ(edit->LineCount(), 2);
  // The caret on the first line is as tall as the big run.
  edit->SetSelStart(0);
  const int tall = edit->CaretRect().Height();
  edit->SetSelStart(static_cast<int>(edit->Text().size()));
  const int small = edit->CaretRect().Height();
  EXPECT_GT(tall, small + 20);
  EXPECT_EQ(edit->CaretRect().Top - text.Top, tall) << "the second line starts below the tall one";
}

TEST_F(RichEditTest, PaintsBorderBackgroundAndText) {
  edit->Lines()->SetText("IIII");
  Pump();
  // The sunken edge: button shadow, then dark shadow inside it.
  EXPECT_EQ(ScreenPixel(form, 10, 50), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(ScreenPixel(form, 11, 50), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(ScreenPixel(form, 309, 50), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(ScreenPixel(form, 150, 180), clWhite) << "window colour below the text";
  // Some pixels of the first line are drawn in the text colour.
  const TRect text = edit->TextRect();
  int dark = 0;
  for (int y = text.Top; y < text.Top + 14; ++y)
    for (int x = text.Left; x < text.Left + 30; ++x) dark += IsDark(ScreenPixel(form, 10 + x, 10 + y));
  EXPECT_GT(dark, 5);

  edit->SetBorderStyle(TBorderStyle::bsNone);
  edit->SetColor(clYellow);
  Pump();
  EXPECT_EQ(ScreenPixel(form, 10, 50), clYellow);
}

TEST_F(RichEditTest, RunsAreDrawnInTheirColours) {
  edit->SetDocument(ReadRtf(R"({\rtf1{\colortbl;\red255\green0\blue0;}\cf1\fs40 HHHH})").Document);
  Pump();
  const TRect text = edit->TextRect();
  int red = 0;
  for (int y = text.Top; y < text.Top + 30; ++y)
    for (int x = text.Left; x < text.Left + 60; ++x) red += IsRed(ScreenPixel(form, 10 + x, 10 + y));
  EXPECT_GT(red, 20);
}

// A marked paragraph is drawn on a band of its colour across the text area,
// every wrapped line of it, without a change to the text; scrolling shows a
// marked range at the bottom; a new document forgets the marks.
TEST_F(RichEditTest, MarkedParagraphsShowABandAndLeaveTheTextAlone) {
  FillLines(40);
  const std::string text = edit->Text();
  const TRect area = edit->TextRect();
  const int right = 10 + area.Right - 2;  // past the short lines' text
  auto bandRows = [&](TColor band) {
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y) n += ScreenPixel(form, right, 10 + y) == band;
    return n;
  };
  edit->SetParagraphMarks({{1, clYellow}, {3, clAqua}});
  Pump();
  const int lineHeight = bandRows(clYellow);
  EXPECT_GT(lineHeight, 5);
  EXPECT_EQ(bandRows(clAqua), lineHeight);
  EXPECT_EQ(edit->Text(), text);

  edit->SetParagraphMarks({{3, clAqua}});
  Pump();
  EXPECT_EQ(bandRows(clYellow), 0) << "the old band is painted over";
  EXPECT_EQ(bandRows(clAqua), lineHeight);

  edit->ScrollParagraphsIntoView(30, 32);
  const int top = edit->FirstVisibleLine();
  EXPECT_GT(top, 0);
  edit->ScrollParagraphsIntoView(30, 32);
  EXPECT_EQ(edit->FirstVisibleLine(), top) << "already in view: no scroll";
  edit->ScrollParagraphsIntoView(top - 1, top - 1);
  EXPECT_EQ(edit->FirstVisibleLine(), top - 1);

  edit->Lines()->SetText("new text\r\n");
  EXPECT_TRUE(edit->ParagraphMarks().empty());
}

// The edit keeps a picture of its look and copies it when repainted with
// nothing changed. After each change of look, a repaint of the whole form
// must show what a new edit with the same settings draws, without drawing
// the text again.
TEST_F(RichEditTest, KeptPictureFollowsEveryChangeOfLook) {
  std::string listing;
  for (int i = 1; i <= 40; ++i) listing += "line " + std::to_string(i) + " of the listing\r\n";
  using TSetter = std::function<void(TRichEdit*)>;
  const std::pair<const char*, TSetter> changes[] = {
      {"text", [&](TRichEdit* e) { e->Lines()->SetText(listing); }},
      {"scroll", [](TRichEdit* e) { e->ScrollLines(5); }},
      {"colour", [](TRichEdit* e) { e->SetColor(clYellow); }},
      {"font", [](TRichEdit* e) { e->Font()->SetHeight(-16); }},
      {"size", [](TRichEdit* e) { e->SetBounds(e->Left(), e->Top(), 250, 150); }},
      {"scroll again", [](TRichEdit* e) { e->ScrollLines(-2); }},
      {"border", [](TRichEdit* e) { e->SetBorderStyle(TBorderStyle::bsNone); }},
  };
  // Without the focus the edit shows no caret, as the new one does not.
  ::SetFocus(form->Handle());
  Pump();
  ASSERT_FALSE(edit->Focused());
  for (size_t k = 0; k < std::size(changes); ++k) {
    SCOPED_TRACE(changes[k].first);
    changes[k].second(edit);
    Pump();
    const uint64_t builds = edit->PictureBuilds();
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    EXPECT_EQ(edit->PictureBuilds(), builds) << "a repaint with nothing changed copies the picture";

    // An edit that never painted before, with every change so far.
    auto* fresh = TComponent::Create<TRichEdit>(form);
    fresh->SetVisible(false);
    fresh->SetParent(form);
    fresh->SetBounds(0, 0, 300, 200);
    for (size_t j = 0; j <= k; ++j) changes[j].second(fresh);
    ASSERT_EQ(fresh->FirstVisibleLine(), edit->FirstVisibleLine());
    TBitmap expected(fresh->Width(), fresh->Height());
    TDeviceContext dc(&expected);
    fresh->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(&dc), PRF_CLIENT);
    int differing = 0;
    for (int y = 0; y < edit->Height(); ++y)
      for (int x = 0; x < edit->Width(); ++x)
        differing += ScreenPixel(form, edit->Left() + x, edit->Top() + y) != expected.Pixel(x, y);
    EXPECT_EQ(differing, 0);
    delete fresh;
    Pump();
  }
}

class TRichEditTestForm : public TForm {
 public:
  SORTARIUM_CLASS(TRichEditTestForm)
  using TForm::TForm;
  int changes = 0;
};

TEST_F(RichEditTest, ReadsItsPropertiesFromAWindowDescription) {
  RegisterFrameworkClasses();
  RegisterRichEditClasses();
  TClassRegistry::Instance().RegisterClass("TRichEditTestForm", "TForm");
  TClassRegistry::Instance().RegisterMethod("TRichEditTestForm", "EditChange", [](TComponent* f) -> TNotifyEvent {
    return [f](TComponent*) { ++static_cast<TRichEditTestForm*>(f)->changes; };
  });
  auto* root = Application->CreateForm<TRichEditTestForm>();
  TReader("object F: TRichEditTestForm\n"
          "  object Listing: TRichEdit\n"
          "    Left = 8\n    Top = 8\n    Width = 200\n    Height = 120\n"
          "    Font.Height = -32\n    Font.Name = 'MS Sans Serif'\n"
          "    Lines.Strings = (\n      'program Sort;'\n      'begin')\n"
          "    ReadOnly = True\n    WordWrap = False\n    ScrollBars = ssBoth\n    HideScrollBars = False\n"
          "    WantTabs = True\n    WantReturns = False\n    PlainText = True\n    BorderStyle = bsNone\n"
          "    OnChange = EditChange\n"
          "  end\n"
          "end\n",
          "test")
      .ReadRootComponent(root);
  auto* listing = dynamic_cast<TRichEdit*>(root->FindComponent("Listing"));
  ASSERT_NE(listing, nullptr);
  EXPECT_EQ(listing->Lines()->ToVector(), (std::vector<std::string>{"program Sort;", "begin"}));
  EXPECT_TRUE(listing->ReadOnly());
  EXPECT_FALSE(listing->WordWrap());
  EXPECT_EQ(listing->ScrollBars(), TScrollStyle::ssBoth);
  EXPECT_FALSE(listing->HideScrollBars());
  EXPECT_TRUE(listing->WantTabs());
  EXPECT_FALSE(listing->WantReturns());
  EXPECT_TRUE(listing->PlainText());
  EXPECT_EQ(listing->BorderStyle(), TBorderStyle::bsNone);
  EXPECT_EQ(listing->Font()->Height(), -32);
  EXPECT_EQ(root->changes, 0) << "no change events while the description is read";
  listing->Lines()->Add("end.");
  EXPECT_EQ(root->changes, 1);

  EXPECT_THROW(TReader("object F: TRichEditTestForm\n  object L: TRichEdit\n    ScrollBars = ssSideways\n  end\nend\n",
                       "bad")
                   .ReadRootComponent(Application->CreateForm<TRichEditTestForm>()),
               EReadError);
}

}  // namespace
