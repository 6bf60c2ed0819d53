// The rich edit under the user's hands: typing, keys, the clipboard, the
// mouse, scrolling and the caret, all through injected input.
#include <gtest/gtest.h>

#include "Probe.h"
#include "RichEditTestSupport.h"
#include "framework/stdctrls/RtfReader.h"

namespace {

using RichEditInputTest = RichEditFixture;

TEST_F(RichEditInputTest, TypingEnterAndBackspaceEditParagraphs) {
  int changes = 0;
  edit->OnChange = [&](TComponent*) { ++changes; };
  Focus();
  Type("abc");
  PressKey(VK_RETURN);
  Type("дé");
  EXPECT_EQ(edit->Text(), "abc\r\nдé");
  EXPECT_EQ(changes, 6);
  EXPECT_EQ(edit->CaretPos(), (TDocPos{1, 4}));

  // Backspace at the start of a paragraph joins it to the one before.
  PressKey(VK_HOME);
  PressKey(VK_BACK);
  EXPECT_EQ(edit->Text(), "abcдé");
  EXPECT_EQ(edit->CaretPos(), (TDocPos{0, 3}));
  PressKey(VK_DELETE);
  EXPECT_EQ(edit->Text(), "abcé");
  PressKey(VK_BACK);
  PressKey(VK_BACK);
  EXPECT_EQ(edit->Text(), "aé");
  Chord({VK_CONTROL}, VK_END);
  PressKey(VK_BACK);
  EXPECT_EQ(edit->Text(), "a") << "a two-byte character goes whole";
  PressKey(VK_ESCAPE);
  EXPECT_EQ(edit->Text(), "a") << "Escape types nothing";
}

TEST_F(RichEditInputTest, EnterContinuesTheFormatAtTheCaret) {
  edit->SetDocument(ReadRtf(R"({\rtf1 plain {\b\fs40 bold}})").Document);
  Focus();
  Chord({VK_CONTROL}, VK_END);
  PressKey(VK_RETURN);
  Type("x");
  const TRichParagraph& p = edit->Document().Paragraph(1);
  ASSERT_EQ(p.Runs.size(), 1u);
  EXPECT_EQ(p.Runs[0].Text, "x");
  EXPECT_TRUE(p.Runs[0].Format.Bold);
  EXPECT_EQ(p.Runs[0].Format.HalfPoints, 40);
}

TEST_F(RichEditInputTest, KeyboardSelectionAndTheClipboard) {
  Focus();
  Type("hello world");
  Chord({VK_CONTROL}, 'A');
  Chord({VK_CONTROL}, 'C');
  EXPECT_EQ(backend->ClipboardText(), "hello world");

  PressKey(VK_END);
  for (int i = 0; i < 5; ++i) Chord({VK_SHIFT}, VK_LEFT);
  EXPECT_EQ(edit->SelText(), "world");
  EXPECT_EQ(edit->SelStart(), 6);
  EXPECT_EQ(edit->SelLength(), 5);
  Chord({VK_CONTROL}, 'X');
  EXPECT_EQ(backend->ClipboardText(), "world");
  EXPECT_EQ(edit->Text(), "hello ");
  Chord({VK_CONTROL}, 'V');
  Chord({VK_SHIFT}, VK_INSERT);
  EXPECT_EQ(edit->Text(), "hello worldworld");

  // Pasted line breaks make paragraphs; copying gives them back as CR LF.
  backend->SetClipboardText("one\ntwo");
  edit->Perform(WM_PASTE);
  EXPECT_EQ(edit->Lines()->Count(), 2);
  Chord({VK_CONTROL, VK_SHIFT}, VK_HOME);
  edit->Perform(WM_COPY);
  EXPECT_EQ(backend->ClipboardText(), "hello worldworldone\r\ntwo");
  // Typing replaces the selection.
  Type("z");
  EXPECT_EQ(edit->Text(), "z");

  // Ctrl+Shift+Left selects by words.
  Type(" alpha beta");
  Chord({VK_CONTROL, VK_SHIFT}, VK_LEFT);
  EXPECT_EQ(edit->SelText(), "beta");
  Chord({VK_CONTROL}, VK_BACK);
  EXPECT_EQ(edit->Text(), "z alpha ");
  Chord({VK_CONTROL}, VK_BACK);
  EXPECT_EQ(edit->Text(), "z ");
}

TEST_F(RichEditInputTest, ReadOnlyBlocksChangesButNotCopying) {
  edit->Lines()->SetText("fixed");
  edit->SetReadOnly(true);
  Focus();
  Type("x");
  PressKey(VK_RETURN);
  PressKey(VK_BACK);
  PressKey(VK_DELETE);
  backend->SetClipboardText("pasted");
  Chord({VK_CONTROL}, 'V');
  edit->Perform(WM_PASTE);
  Chord({VK_CONTROL}, 'A');
  Chord({VK_CONTROL}, 'X');
  EXPECT_EQ(edit->Text(), "fixed");
  EXPECT_EQ(backend->ClipboardText(), "pasted") << "cutting in a read-only edit copies nothing";
  Chord({VK_CONTROL}, 'C');
  EXPECT_EQ(backend->ClipboardText(), "fixed");
  edit->SetSelText("program");
  EXPECT_EQ(edit->Text(), "program") << "the program may still change the text";
}

TEST_F(RichEditInputTest, TabMovesTheFocusUnlessTheEditWantsTabs) {
  auto* other = new TProbe(form, form, "Other", Bounds(320, 10, 50, 50), clGray);
  other->SetTabStop(true);
  EXPECT_EQ(edit->Perform(WM_GETDLGCODE), LRESULT{DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS});
  Focus();
  Type("a");
  PressKey(VK_TAB);
  EXPECT_TRUE(other->Focused());
  EXPECT_EQ(edit->Text(), "a");

  edit->SetWantTabs(true);
  EXPECT_NE(edit->Perform(WM_GETDLGCODE) & DLGC_WANTTAB, 0);
  Focus();
  PressKey(VK_TAB);
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(edit->Text(), "a\t");

  edit->SetWantReturns(false);
  PressKey(VK_RETURN);
  EXPECT_EQ(edit->Text(), "a\t");
}

TEST_F(RichEditInputTest, ArrowsKeepTheColumnAndPagesMoveByTheView) {
  edit->Lines()->SetText("abcdef\r\nab\r\nabcdef");
  Focus();
  Chord({VK_CONTROL}, VK_END);
  PressKey(VK_UP);
  EXPECT_EQ(edit->CaretPos(), (TDocPos{1, 2})) << "a short line stops the caret at its end";
  PressKey(VK_UP);
  EXPECT_EQ(edit->CaretPos(), (TDocPos{0, 6})) << "the column is kept across it";
  PressKey(VK_UP);
  EXPECT_EQ(edit->CaretPos(), (TDocPos{0, 0})) << "up from the first line goes to its start";
  PressKey(VK_RIGHT);
  PressKey(VK_DOWN);
  EXPECT_EQ(edit->CaretPos(), (TDocPos{1, 1}));
  Chord({VK_CONTROL}, VK_DOWN);
  EXPECT_EQ(edit->CaretPos(), (TDocPos{2, 0}));
  PressKey(VK_END);
  EXPECT_EQ(edit->CaretPos(), (TDocPos{2, 6}));

  FillLines(200);
  Focus();
  const int page = edit->TextRect().Height() / edit->CaretRect().Height();
  PressKey(VK_NEXT);
  EXPECT_NEAR(edit->CaretPos().Para, page, 1);
  EXPECT_GT(edit->FirstVisibleLine(), 0);
  Chord({VK_CONTROL}, VK_END);
  EXPECT_EQ(edit->CaretPos().Para, 199);
  EXPECT_FALSE(edit->CaretRect().IsEmpty()) << "the view follows the caret";
  Chord({VK_CONTROL}, VK_HOME);
  EXPECT_EQ(edit->FirstVisibleLine(), 0);
}

TEST_F(RichEditInputTest, HomeAndEndWorkOnWrappedLines) {
  std::string words;
  for (int i = 0; i < 40; ++i) words += "word ";
  edit->Lines()->SetText(words);
  ASSERT_GT(edit->LineCount(), 1);
  Focus();
  PressKey(VK_END);
  const TDocPos end = edit->CaretPos();
  EXPECT_LT(end.Offset, 200) << "the end of the first screen line, not of the paragraph";
  const TRect atEnd = edit->CaretRect();
  EXPECT_EQ(atEnd.Top, edit->TextRect().Top) << "shown at the end of the upper line";
  PressKey(VK_RIGHT);
  PressKey(VK_LEFT);
  EXPECT_GT(edit->CaretRect().Top, atEnd.Top) << "the same position after moving shows at the next line's start";
  PressKey(VK_HOME);
  EXPECT_EQ(edit->CaretPos(), end);
}

TEST_F(RichEditInputTest, MouseSelectsByDraggingAndWordsByDoubleClicks) {
  edit->Lines()->SetText("alpha beta gamma");
  const TRect text = edit->TextRect();
  const int mid = text.Top + edit->CaretRect().Height() / 2;
  // Click: focus and caret.
  ClickAt(At(text.Left, mid));
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(edit->CaretPos(), (TDocPos{0, 0}));
  // Drag to the far right: everything.
  MouseDown(At(text.Left, mid));
  MouseMove(At(text.Right - 1, mid));
  MouseUp(At(text.Right - 1, mid));
  EXPECT_EQ(edit->SelText(), "alpha beta gamma");
  backend->Advance(1000);

  // Shift+click extends from the caret.
  ClickAt(At(text.Left, mid));
  edit->SetSelStart(6);
  MouseDown(At(text.Right - 1, mid), true);
  MouseUp(At(text.Right - 1, mid));
  EXPECT_EQ(edit->SelText(), "beta gamma");
  backend->Advance(1000);

  // A double click on "beta" takes the word and the space after it.
  edit->SetSelStart(8);
  const int x = edit->CaretRect().Left - edit->Left() + edit->Left();
  MouseDown(At(x, mid));
  MouseUp(At(x, mid));
  MouseDown(At(x, mid));
  MouseUp(At(x, mid));
  EXPECT_EQ(edit->SelText(), "beta ");
}

TEST_F(RichEditInputTest, WheelScrollsThreeLinesPerNotch) {
  FillLines(100);
  const TPoint inside = At(100, 100);
  backend->InjectWheel(form->Handle(), inside, -120);
  Pump();
  EXPECT_EQ(edit->FirstVisibleLine(), 3);
  backend->InjectWheel(form->Handle(), inside, -240);
  Pump();
  EXPECT_EQ(edit->FirstVisibleLine(), 9);
  backend->InjectWheel(form->Handle(), inside, 120);
  Pump();
  EXPECT_EQ(edit->FirstVisibleLine(), 6);
  // Fine-grained wheels add up to notches.
  backend->InjectWheel(form->Handle(), inside, -60);
  Pump();
  EXPECT_EQ(edit->FirstVisibleLine(), 6);
  backend->InjectWheel(form->Handle(), inside, -60);
  Pump();
  EXPECT_EQ(edit->FirstVisibleLine(), 9);
  backend->InjectWheel(form->Handle(), inside, 120 * 50);
  Pump();
  EXPECT_EQ(edit->FirstVisibleLine(), 0);
}

TEST_F(RichEditInputTest, ScrollBarArrowsTrackAndThumb) {
  edit->Lines()->SetText("short");
  EXPECT_FALSE(edit->VerticalBar().Shown()) << "nothing to scroll, no bar";
  FillLines(100);
  const TEditScrollBar& bar = edit->VerticalBar();
  ASSERT_TRUE(bar.Shown());
  const int lineHeight = edit->CaretRect().Height();
  ASSERT_GT(lineHeight, 0);
  auto centre = [&](const TRect& r) { return At((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); };

  ClickAt(centre(bar.ArrowRect(true)));
  EXPECT_EQ(edit->FirstVisibleLine(), 1);
  ClickAt(centre(bar.ArrowRect(false)));
  EXPECT_EQ(edit->FirstVisibleLine(), 0);

  // Paging through the track below the thumb.
  const TRect track = bar.TrackRect();
  ClickAt(At(track.Left + 5, track.Bottom - 3));
  const int page = edit->FirstVisibleLine();
  EXPECT_GT(page, 5);

  // Holding an arrow repeats it.
  MouseDown(centre(bar.ArrowRect(true)));
  RunFor(400 + 50 * 4);
  MouseUp(centre(bar.ArrowRect(true)));
  EXPECT_GE(edit->FirstVisibleLine(), page + 4);

  // Dragging the thumb to the bottom shows the last line.
  const TRect thumb = bar.ThumbRect();
  MouseDown(centre(thumb));
  MouseMove(At(centre(thumb).X - edit->Left(), track.Bottom + 50));
  MouseUp(At(centre(thumb).X - edit->Left(), track.Bottom + 50));
  EXPECT_EQ(edit->FirstVisibleLine() + edit->TextRect().Height() / lineHeight, 100);
  EXPECT_EQ(bar.ThumbRect().Bottom, track.Bottom);
}

TEST_F(RichEditInputTest, CaretBlinksOnlyWhileFocused) {
  Focus();
  EXPECT_TRUE(edit->CaretShown());
  const TRect caret = edit->CaretRect();
  const int x = edit->Left() + caret.Left, y = edit->Top() + (caret.Top + caret.Bottom) / 2;
  Pump();
  EXPECT_EQ(ScreenPixel(form, x, y), clBlack) << "the caret inverts the white background";
  RunFor(TCustomRichEdit::kCaretBlinkMs);
  EXPECT_FALSE(edit->CaretShown());
  EXPECT_EQ(ScreenPixel(form, x, y), clWhite);
  RunFor(TCustomRichEdit::kCaretBlinkMs);
  EXPECT_TRUE(edit->CaretShown());
  // Typing shows the caret at once.
  RunFor(TCustomRichEdit::kCaretBlinkMs);
  Type("s");
  EXPECT_TRUE(edit->CaretShown());

  auto* other = new TProbe(form, form, "Other", Bounds(320, 10, 50, 50), clGray);
  other->SetFocus();
  Pump();
  EXPECT_FALSE(edit->CaretShown());
  EXPECT_FALSE(NextTimerDue().has_value()) << "no blink timer runs without the focus";
  Focus();
  EXPECT_TRUE(NextTimerDue().has_value());
  TComponent::Free(edit);
  edit = nullptr;
  EXPECT_FALSE(NextTimerDue().has_value()) << "a destroyed edit leaves no timer behind";
}

TEST_F(RichEditInputTest, SelectionIsHighlightedWhileFocused) {
  edit->Lines()->SetText("MMMMMMMM");
  auto* other = new TProbe(form, form, "Other", Bounds(320, 10, 50, 50), clGray);
  other->SetFocus();
  const TRect text = edit->TextRect();
  auto highlighted = [&] {
    int n = 0;
    for (int y = text.Top; y < text.Top + 10; ++y)
      for (int x = text.Left; x < text.Left + 40; ++x) n += ScreenPixel(form, 10 + x, 10 + y) == GetSysColor(COLOR_HIGHLIGHT);
    return n;
  };
  edit->SelectAll();
  Pump();
  EXPECT_EQ(highlighted(), 0) << "the selection hides without the focus";
  Focus();
  EXPECT_GT(highlighted(), 100);
  PressKey(VK_RIGHT);
  EXPECT_EQ(highlighted(), 0);
}

}  // namespace
