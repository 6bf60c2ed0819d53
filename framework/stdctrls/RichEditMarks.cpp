// The rich edit's marked paragraphs: bands of colour behind chosen lines,
// drawn by PaintLine. They belong to the view, not to the document, so the
// text, the selection and the undo of an edit never see them.
#include <algorithm>

#include "framework/components/Windows.h"
#include "framework/stdctrls/RichEdit.h"

void TCustomRichEdit::SetParagraphMarks(std::vector<TParagraphMark> marks) {
  if (marks == marks_) return;
  // Only the lines whose band comes or goes are repainted: a mark that
  // moves every few hundred milliseconds should not redraw the whole pane.
  std::vector<TParagraphMark> old = std::move(marks_);
  marks_ = std::move(marks);
  if (!HandleAllocated()) return;
  for (const TParagraphMark& m : old)
    if (MarkOf(m.Paragraph) != m.Color) InvalidateParagraph(m.Paragraph);
  for (const TParagraphMark& m : marks_)
    if (std::find(old.begin(), old.end(), m) == old.end()) InvalidateParagraph(m.Paragraph);
}

TColor TCustomRichEdit::MarkOf(int paragraph) const {
  for (const TParagraphMark& m : marks_)
    if (m.Paragraph == paragraph) return m.Color;
  return clNone;
}

void TCustomRichEdit::InvalidateParagraph(int paragraph) {
  if (paragraph < 0 || paragraph >= doc_.ParagraphCount()) return;
  EnsureLayout();
  const int first = layout_.FirstLineOf(paragraph);
  const int last = first + layout_.LineCountOf(paragraph) - 1;
  if (last < first) return;
  const TRect text = TextRectFor(vShown_, hShown_);
  const TRect inner = InteriorRect();
  const TRect area{inner.Left, text.Top, vShown_ ? vBar_.Bounds.Left : inner.Right,
                   hShown_ ? hBar_.Bounds.Top : inner.Bottom};
  const int top0 = layout_.LineTop(topLine_);
  const TRect r{area.Left, text.Top + layout_.LineTop(first) - top0, area.Right,
                text.Top + layout_.LineTop(last) + layout_.Line(last).Height - top0};
  const TRect visible = r.Intersect(area);
  if (!visible.IsEmpty()) InvalidateRect(&visible, false);
}

void TCustomRichEdit::ScrollParagraphsIntoView(int first, int last) {
  const int count = doc_.ParagraphCount();
  if (count == 0) return;
  first = std::clamp(first, 0, count - 1);
  last = std::clamp(last, first, count - 1);
  EnsureLayout();
  const int firstLine = layout_.FirstLineOf(first);
  const int lastLine = layout_.FirstLineOf(last) + std::max(1, layout_.LineCountOf(last)) - 1;
  ScrollToLine(TopLineShowing(firstLine, lastLine));
}
