// The rich edit's view: where the text, the scroll bars and the caret go,
// scrolling, and painting the visible lines.
#include <algorithm>
#include <climits>

#include "framework/components/Windows.h"
#include "framework/stdctrls/RichEdit.h"

namespace {

// Room between the border and the text.
constexpr int kMarginX = 2;
constexpr int kMarginTop = 1;
// The selected paragraph mark at the end of a line.
constexpr int kParaMarkWidth = 6;
constexpr int kCaretWidth = 1;
// A text area narrower than this does not wrap: wrapping a long text a
// character or two per line would only make millions of lines.
constexpr int kMinWrapWidth = 16;
// Stretches longer than this are cut to what the clip shows before drawing.
constexpr int kLongStretch = 256;

}  // namespace

TRect TCustomRichEdit::TextRectFor(bool vBar, bool hBar) const {
  TRect r = InteriorRect();
  if (vBar) r.Right -= GetSystemMetrics(SM_CXVSCROLL);
  if (hBar) r.Bottom -= GetSystemMetrics(SM_CYHSCROLL);
  r.Left += kMarginX;
  r.Right -= kMarginX;
  r.Top += kMarginTop;
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

void TCustomRichEdit::EnsureLayout() {
  layout_.SetControlFont(font_);
  const bool wantV = scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
  const bool wantH = (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) && !wordWrap_;
  bool v = wantV && (vShown_ || !hideScrollBars_);
  bool h = wantH && (hShown_ || !hideScrollBars_);
  auto layOut = [&] {
    const TRect t = TextRectFor(v, h);
    layout_.SetWrapWidth(wordWrap_ && t.Width() >= kMinWrapWidth ? t.Width() : 0);
    layout_.Update(doc_);
    return t;
  };
  // A bar takes room from the text, which may make the other bar (or, with
  // wrapping, the bar itself) needed; settle in a few rounds, and when the
  // answer keeps flipping, show what was needed at any point.
  for (int round = 0;; ++round) {
    const TRect t = layOut();
    const bool needV = wantV && (!hideScrollBars_ || layout_.TotalHeight() > t.Height());
    const bool needH = wantH && (!hideScrollBars_ || layout_.MaxWidth() > t.Width());
    if (needV == v && needH == h) break;
    if (round == 2) {
      v = v || needV;
      h = h || needH;
      layOut();
      break;
    }
    v = needV;
    h = needH;
  }
  vShown_ = v;
  hShown_ = h;
  topLine_ = std::clamp(topLine_, 0, MaxTopLine());
  const TRect t = TextRectFor(v, h);
  leftX_ = wordWrap_ ? 0 : std::clamp(leftX_, 0, std::max(0, layout_.MaxWidth() + kCaretWidth - t.Width()));
  UpdateBars();
}

void TCustomRichEdit::UpdateBars() {
  const TRect inner = InteriorRect();
  const int sx = GetSystemMetrics(SM_CXVSCROLL), sy = GetSystemMetrics(SM_CYHSCROLL);
  const TRect t = TextRectFor(vShown_, hShown_);
  vBar_.Bounds = vShown_ ? TRect{inner.Right - sx, inner.Top, inner.Right, inner.Bottom - (hShown_ ? sy : 0)} : TRect{};
  hBar_.Bounds = hShown_ ? TRect{inner.Left, inner.Bottom - sy, inner.Right - (vShown_ ? sx : 0), inner.Bottom} : TRect{};
  if (vBar_.Bounds.IsEmpty()) vBar_.Bounds = {};
  if (hBar_.Bounds.IsEmpty()) hBar_.Bounds = {};
  // Scrolling goes by whole lines, so the last position is the top of the
  // last top line; the range reaches at least that far past a page.
  vBar_.Page = t.Height();
  vBar_.Position = layout_.LineTop(topLine_);
  vBar_.Range = std::max(layout_.TotalHeight(), layout_.LineTop(MaxTopLine()) + t.Height());
  hBar_.Page = t.Width();
  hBar_.Position = leftX_;
  hBar_.Range = layout_.MaxWidth() + kCaretWidth;
}

int TCustomRichEdit::MaxTopLine() {
  const int total = layout_.TotalHeight();
  const int view = TextRectFor(vShown_, hShown_).Height();
  const int count = layout_.LineCount();
  if (count == 0 || total <= view) return 0;
  const int y = total - view;
  int line = layout_.LineAtY(y);
  if (layout_.LineTop(line) < y) ++line;
  return std::min(line, count - 1);
}

int TCustomRichEdit::ViewHeight() { return TextRect().Height(); }

TRect TCustomRichEdit::TextRect() {
  EnsureLayout();
  return TextRectFor(vShown_, hShown_);
}

const TEditScrollBar& TCustomRichEdit::VerticalBar() {
  EnsureLayout();
  return vBar_;
}

const TEditScrollBar& TCustomRichEdit::HorizontalBar() {
  EnsureLayout();
  return hBar_;
}

int TCustomRichEdit::FirstVisibleLine() {
  EnsureLayout();
  return topLine_;
}

int TCustomRichEdit::LineCount() {
  EnsureLayout();
  return layout_.LineCount();
}

void TCustomRichEdit::ScrollToLine(int line) {
  EnsureLayout();
  line = std::clamp(line, 0, MaxTopLine());
  if (line == topLine_) return;
  topLine_ = line;
  UpdateBars();
  Invalidate();
}

void TCustomRichEdit::ScrollLines(int delta) {
  EnsureLayout();
  const long long target = static_cast<long long>(topLine_) + delta;
  ScrollToLine(static_cast<int>(std::clamp<long long>(target, 0, INT_MAX)));
}

void TCustomRichEdit::SetLeft(int x) {
  EnsureLayout();
  if (wordWrap_) return;
  const int max = std::max(0, layout_.MaxWidth() + kCaretWidth - TextRectFor(vShown_, hShown_).Width());
  x = std::clamp(x, 0, max);
  if (x == leftX_) return;
  leftX_ = x;
  UpdateBars();
  Invalidate();
}

int TCustomRichEdit::LinesPerPage() {
  EnsureLayout();
  const int top = layout_.LineTop(topLine_);
  const int view = TextRectFor(vShown_, hShown_).Height();
  int last = layout_.LineAtY(top + view);
  if (layout_.LineTop(last) + layout_.Line(last).Height > top + view) --last;
  return std::max(1, last - topLine_ + 1);
}

int TCustomRichEdit::TopLineShowing(int first, int last) const {
  if (first < topLine_) return first;
  const int view = TextRectFor(vShown_, hShown_).Height();
  const int bottom = layout_.LineTop(last) + layout_.Line(last).Height;
  if (bottom - layout_.LineTop(topLine_) <= view) return topLine_;
  // The first line that lets the last one show whole, but never past `first`.
  const int y = bottom - view;
  int fit = layout_.LineAtY(y);
  if (layout_.LineTop(fit) < y) ++fit;
  return std::min(fit, first);
}

void TCustomRichEdit::EnsureCaretVisible() {
  EnsureLayout();
  const int line = layout_.LineOfPos(caret_, caretAtLineEnd_);
  const int top = TopLineShowing(line, line);
  int left = leftX_;
  if (!wordWrap_) {
    const int x = layout_.XOfPos(doc_, caret_, line);
    const int width = TextRectFor(vShown_, hShown_).Width();
    if (x < left)
      left = std::max(0, x - width / 4);
    else if (x + kCaretWidth > left + width)
      left = x + kCaretWidth - width + width / 4;
  }
  if (top == topLine_ && left == leftX_) return;
  topLine_ = std::clamp(top, 0, std::max(MaxTopLine(), top));
  leftX_ = std::max(0, left);
  UpdateBars();
  Invalidate();
}

TDocPos TCustomRichEdit::PosFromPoint(TPoint p, bool* atLineEnd) {
  EnsureLayout();
  const TRect t = TextRectFor(vShown_, hShown_);
  const int y = p.Y - t.Top + layout_.LineTop(topLine_);
  const int line = layout_.LineAtY(y);
  const TDocPos pos = layout_.PosAtX(doc_, line, p.X - t.Left + leftX_);
  if (atLineEnd) {
    // The end of a wrapped line shows there, not at the start of the next.
    const TLineBox& box = layout_.Line(line);
    *atLineEnd = pos.Offset == box.End && line + 1 < layout_.LineCount() &&
                 layout_.ParagraphOfLine(line + 1) == pos.Para && layout_.Line(line + 1).Start == box.End;
  }
  return pos;
}

TRect TCustomRichEdit::CaretRect() {
  EnsureLayout();
  const TRect t = TextRectFor(vShown_, hShown_);
  const int line = layout_.LineOfPos(caret_, caretAtLineEnd_);
  const int x = t.Left + layout_.XOfPos(doc_, caret_, line) - leftX_;
  const int top = t.Top + layout_.LineTop(line) - layout_.LineTop(topLine_);
  const TRect r{x, top, x + kCaretWidth, top + layout_.Line(line).Height};
  // The caret may stand in the margin after a full line, but not on a bar.
  return r.Intersect(t.Inflate(kMarginX, 0));
}

void TCustomRichEdit::InvalidateCaret() {
  if (!HandleAllocated()) return;
  const TRect r = CaretRect();
  if (!r.IsEmpty()) InvalidateRect(&r, false);
}

void TCustomRichEdit::RestartBlink() {
  caretOn_ = true;
  if (Focused()) SetTimer(HandleIfAllocated(), kCaretTimer, kCaretBlinkMs);
}

// ---------------------------------------------------------------------------
// Painting

void TCustomRichEdit::Paint() {
  HDC dc = Canvas()->Handle();
  if (!dc) return;
  EnsureLayout();
  const TView view{topLine_, leftX_, vShown_, hShown_};
  if (!(view == pictureView_)) {
    picture_.Invalidate();
    pictureView_ = view;
  }
  picture_.Show(dc, width_, height_, *Canvas(), [this](HDC target) { PaintContent(target); });
}

void TCustomRichEdit::PaintContent(HDC dc) {
  PaintBorder(dc);
  TRect area = InteriorRect();
  if (vShown_) area.Right = vBar_.Bounds.Left;
  if (hShown_) area.Bottom = hBar_.Bounds.Top;
  if (!area.IsEmpty()) FillRect(dc, area, color_);
  const bool pressedHere = pressedInside_ && pressedPart_ != TScrollPart::None;
  vBar_.Paint(dc, pressedHere && pressedBar_ == &vBar_ ? pressedPart_ : TScrollPart::None);
  hBar_.Paint(dc, pressedHere && pressedBar_ == &hBar_ ? pressedPart_ : TScrollPart::None);
  if (vShown_ && hShown_) FillRect(dc, {vBar_.Bounds.Left, hBar_.Bounds.Top, vBar_.Bounds.Right, hBar_.Bounds.Bottom}, clBtnFace);

  const TRect text = TextRectFor(vShown_, hShown_);
  TRect clip;
  GetClipBox(dc, &clip);
  // Text may run into the side margins (a full line, the caret after it).
  const TRect textArea = text.Inflate(kMarginX, 0);
  clip = clip.Intersect(textArea);
  if (clip.IsEmpty() || layout_.LineCount() == 0) return;

  TDCStateGuard guard(dc);
  IntersectClipRect(dc, textArea.Left, textArea.Top, textArea.Right, textArea.Bottom);
  SetBkMode(dc, TRANSPARENT);
  const int top0 = layout_.LineTop(topLine_);
  int line = std::max(topLine_, layout_.LineAtY(top0 + clip.Top - text.Top));
  for (; line < layout_.LineCount(); ++line) {
    if (text.Top + layout_.LineTop(line) - top0 >= clip.Bottom) break;
    PaintLine(dc, line, text, clip);
  }
  if (CaretShown() && !HasSelection()) {
    const TRect caret = CaretRect();
    if (!caret.IsEmpty()) InvertRect(dc, caret);
  }
}

void TCustomRichEdit::PaintLine(HDC dc, int line, const TRect& text, const TRect& clip) {
  const int para = layout_.ParagraphOfLine(line);
  if (para >= doc_.ParagraphCount()) return;
  const TLineBox& box = layout_.Line(line);
  const TRichParagraph& p = doc_.Paragraph(para);
  const int top = text.Top + layout_.LineTop(line) - layout_.LineTop(topLine_);
  const int x0 = text.Left - leftX_;

  // The selected byte range of this paragraph; the selection shows only
  // while the edit has the focus.
  int selFrom = INT_MAX, selTo = INT_MIN;
  bool markSelected = false;
  if (Focused() && HasSelection()) {
    const TDocPos from = SelFrom(), to = SelTo();
    if (para >= from.Para && para <= to.Para) {
      selFrom = para == from.Para ? from.Offset : 0;
      selTo = para == to.Para ? to.Offset : INT_MAX;
      markSelected = para < to.Para && box.End == p.Length();
    }
  }

  if (const TColor band = MarkOf(para); band != clNone)
    FillRect(dc, {text.Left - kMarginX, top, text.Right + kMarginX, top + box.Height}, band);

  layout_.Pieces(doc_, line, pieces_);
  int runIndex = 0, runStart = 0;
  for (const TLinePiece& piece : pieces_) {
    const int px = x0 + piece.X;
    if (px >= clip.Right) break;
    if (px + piece.Width < clip.Left) continue;
    while (runIndex < piece.Run) runStart += static_cast<int>(p.Runs[static_cast<size_t>(runIndex++)].Text.size());
    const TRichRun& run = p.Runs[static_cast<size_t>(piece.Run)];
    // Up to three stretches: before, inside and after the selection.
    const int cuts[4] = {piece.Start, std::clamp(selFrom, piece.Start, piece.End),
                         std::clamp(selTo, piece.Start, piece.End), piece.End};
    for (int k = 0; k < 3; ++k) {
      const int from = cuts[k], to = std::max(cuts[k], cuts[k + 1]);
      if (from >= to) continue;
      const int x = px + layout_.MeasureSpan(doc_, para, piece, piece.Start, from);
      const bool selected = k == 1;
      if (selected) {
        const int w = layout_.MeasureSpan(doc_, para, piece, from, to);
        FillRect(dc, {x, top, x + w, top + box.Height}, clHighlight);
      }
      if (piece.Tab) continue;
      const TColor color = selected ? clHighlightText : RunColor(run.Format, font_);
      PaintStretch(dc, run, runStart, piece, from, to, x, top + box.Ascent, color, clip);
    }
  }
  if (markSelected) {
    const int x = x0 + box.Width;
    FillRect(dc, {x, top, x + kParaMarkWidth, top + box.Height}, clHighlight);
  }
}

void TCustomRichEdit::PaintStretch(HDC dc, const TRichRun& run, int runStart, const TLinePiece& piece, int from,
                                   int to, int x, int baseline, TColor color, const TRect& clip) {
  std::string_view text = std::string_view(run.Text).substr(static_cast<size_t>(from - runStart),
                                                            static_cast<size_t>(to - from));
  if (text.size() > static_cast<size_t>(kLongStretch)) {
    // Cut a long stretch (a long unwrapped line) down to what can show.
    TRichFonts& fonts = layout_.Fonts();
    size_t i = 0, first = 0, last = text.size();
    int cx = x;
    bool started = false;
    while (i < text.size()) {
      int length;
      const char32_t cp = DecodeUtf8At(text, i, length);
      const int w = fonts.Advance(piece.Font, cp);
      if (!started && cx + w >= clip.Left) {
        first = i;
        x = cx;
        started = true;
      }
      cx += w;
      i += static_cast<size_t>(length);
      if (cx > clip.Right) {
        last = i;
        break;
      }
    }
    if (!started) return;
    text = text.substr(first, last - first);
  }
  const TLogFont& logFont = layout_.Fonts().LogFont(piece.Font);
  SelectFont(dc, logFont);
  SetTextColor(dc, color);
  TextOut(dc, x, baseline - layout_.Fonts().Metrics(piece.Font).Ascent, text);
}
