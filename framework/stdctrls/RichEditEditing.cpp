// The rich edit's editing: keys and characters, caret movement, selection
// with the keyboard and the mouse, and the scroll bars under the mouse.
#include <algorithm>

#include "framework/base/SysUtils.h"
#include "framework/components/Windows.h"
#include "framework/stdctrls/RichEdit.h"

namespace {

enum class TCharClass { Space, Word, Other };

TCharClass ClassOf(char32_t cp) {
  if (cp == U' ' || cp == U'\t' || cp == U'\v' || cp == 0xA0 || cp == 0x3000 || (cp >= 0x2000 && cp <= 0x200B))
    return TCharClass::Space;
  if ((cp >= U'0' && cp <= U'9') || (cp >= U'a' && cp <= U'z') || (cp >= U'A' && cp <= U'Z') || cp == U'_')
    return TCharClass::Word;
  // Letters of other scripts count as word characters; punctuation past
  // ASCII is rare enough in a listing not to matter.
  if (cp >= 0x80 && !(cp >= 0x2010 && cp <= 0x206F)) return TCharClass::Word;
  return TCharClass::Other;
}

// The characters of a paragraph with their byte offsets (the last entry
// holds the length).
struct TParaChars {
  std::u32string Chars;
  std::vector<int> Offsets;

  explicit TParaChars(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
      int length;
      Chars.push_back(DecodeUtf8At(text, i, length));
      Offsets.push_back(static_cast<int>(i));
      i += static_cast<size_t>(length);
    }
    Offsets.push_back(static_cast<int>(text.size()));
  }
  // The index of the character that starts at or after a byte offset.
  size_t IndexOf(int offset) const {
    return static_cast<size_t>(std::lower_bound(Offsets.begin(), Offsets.end(), offset) - Offsets.begin());
  }
};

}  // namespace

// ---------------------------------------------------------------------------
// Words

TDocPos TCustomRichEdit::WordRight(TDocPos pos) const {
  pos = doc_.Clamp(pos);
  const TParaChars pc(doc_.Paragraph(pos.Para).PlainText());
  size_t i = pc.IndexOf(pos.Offset);
  const size_t n = pc.Chars.size();
  if (i >= n) return doc_.NextChar(pos);
  // Over the rest of this word (or run of punctuation), then the spaces after it.
  const TCharClass start = ClassOf(pc.Chars[i]);
  if (start != TCharClass::Space)
    while (i < n && ClassOf(pc.Chars[i]) == start) ++i;
  while (i < n && ClassOf(pc.Chars[i]) == TCharClass::Space) ++i;
  return {pos.Para, pc.Offsets[i]};
}

TDocPos TCustomRichEdit::WordLeft(TDocPos pos) const {
  pos = doc_.Clamp(pos);
  if (pos.Offset == 0) return doc_.PrevChar(pos);
  const TParaChars pc(doc_.Paragraph(pos.Para).PlainText());
  size_t i = pc.IndexOf(pos.Offset);
  while (i > 0 && ClassOf(pc.Chars[i - 1]) == TCharClass::Space) --i;
  if (i > 0) {
    const TCharClass cls = ClassOf(pc.Chars[i - 1]);
    while (i > 0 && ClassOf(pc.Chars[i - 1]) == cls) --i;
  }
  return {pos.Para, pc.Offsets[i]};
}

void TCustomRichEdit::SelectWordAt(TDocPos pos) {
  pos = doc_.Clamp(pos);
  const TParaChars pc(doc_.Paragraph(pos.Para).PlainText());
  const size_t n = pc.Chars.size();
  if (n == 0) {
    SetSelection(pos, pos);
    return;
  }
  size_t i = std::min(pc.IndexOf(pos.Offset), n - 1);
  const TCharClass cls = ClassOf(pc.Chars[i]);
  size_t a = i, b = i + 1;
  while (a > 0 && ClassOf(pc.Chars[a - 1]) == cls) --a;
  while (b < n && ClassOf(pc.Chars[b]) == cls) ++b;
  // A word takes the spaces after it along, as double clicks do.
  if (cls == TCharClass::Word)
    while (b < n && ClassOf(pc.Chars[b]) == TCharClass::Space && pc.Chars[b] != U'\v') ++b;
  SetSelection({pos.Para, pc.Offsets[a]}, {pos.Para, pc.Offsets[b]});
  EnsureCaretVisible();
}

// ---------------------------------------------------------------------------
// Caret and selection

void TCustomRichEdit::SelectionChanged(TDocPos oldAnchor, TDocPos oldCaret) {
  const bool hadSelection = oldAnchor != oldCaret;
  if (hadSelection || HasSelection()) {
    if (oldAnchor != anchor_ || oldCaret != caret_) Invalidate();
  }
  RestartBlink();
  InvalidateCaret();
}

void TCustomRichEdit::MoveCaret(TDocPos pos, bool extend, bool atLineEnd) {
  const TDocPos oldAnchor = anchor_, oldCaret = caret_;
  InvalidateCaret();
  caret_ = doc_.Clamp(pos);
  if (!extend) anchor_ = caret_;
  caretAtLineEnd_ = atLineEnd;
  SelectionChanged(oldAnchor, oldCaret);
  EnsureCaretVisible();
}

void TCustomRichEdit::MoveVertically(int lines, bool extend) {
  EnsureLayout();
  const int line = layout_.LineOfPos(caret_, caretAtLineEnd_);
  if (desiredX_ < 0) desiredX_ = layout_.XOfPos(doc_, caret_, line);
  const int target = std::clamp(line + lines, 0, std::max(0, layout_.LineCount() - 1));
  if (target == line) {
    // Past the first or last line: to its start or end.
    MoveCaret(lines < 0 ? doc_.Start() : doc_.End(), extend);
    return;
  }
  const TDocPos pos = layout_.PosAtX(doc_, target, desiredX_);
  const TLineBox& box = layout_.Line(target);
  const bool atEnd = pos.Offset == box.End && target + 1 < layout_.LineCount() &&
                     layout_.ParagraphOfLine(target + 1) == pos.Para && layout_.Line(target + 1).Start == box.End;
  const int keep = desiredX_;
  MoveCaret(pos, extend, atEnd);
  desiredX_ = keep;
}

// ---------------------------------------------------------------------------
// Changes

void TCustomRichEdit::ReplaceSelection(const std::string& text, bool byUser) {
  if (byUser && ReadOnly()) return;
  if (!HasSelection() && text.empty()) return;
  InvalidateCaret();
  TDocPos at = SelFrom();
  if (HasSelection()) Replaced(doc_.Delete(SelFrom(), SelTo()));
  TDocPos end = at;
  if (!text.empty()) Replaced(doc_.Insert(at, text, &end));
  caret_ = anchor_ = end;
  caretAtLineEnd_ = false;
  desiredX_ = -1;
  ContentChanged();
  RestartBlink();
  if (byUser) EnsureCaretVisible();
}

void TCustomRichEdit::DeleteRange(TDocPos from, TDocPos to) {
  if (ReadOnly()) return;
  from = doc_.Clamp(from);
  to = doc_.Clamp(to);
  if (from == to) return;
  Replaced(doc_.Delete(from, to));
  caret_ = anchor_ = std::min(from, to);
  caretAtLineEnd_ = false;
  desiredX_ = -1;
  ContentChanged();
  RestartBlink();
  EnsureCaretVisible();
}

// ---------------------------------------------------------------------------
// Keys

void TCustomRichEdit::KeyCommand(TMessage& m) {
  m.Result = 0;
  const int key = static_cast<int>(m.WParam);
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  EnsureLayout();
  const int line = layout_.LineOfPos(caret_, caretAtLineEnd_);
  switch (key) {
    case VK_LEFT:
      desiredX_ = -1;
      if (HasSelection() && !shift)
        MoveCaret(SelFrom(), false);
      else
        MoveCaret(ctrl ? WordLeft(caret_) : doc_.PrevChar(caret_), shift);
      return;
    case VK_RIGHT:
      desiredX_ = -1;
      if (HasSelection() && !shift)
        MoveCaret(SelTo(), false);
      else
        MoveCaret(ctrl ? WordRight(caret_) : doc_.NextChar(caret_), shift);
      return;
    case VK_UP:
      if (ctrl) {
        desiredX_ = -1;
        const int para = caret_.Offset > 0 ? caret_.Para : std::max(0, caret_.Para - 1);
        MoveCaret({para, 0}, shift);
      } else {
        MoveVertically(-1, shift);
      }
      return;
    case VK_DOWN:
      if (ctrl) {
        desiredX_ = -1;
        MoveCaret(caret_.Para + 1 < doc_.ParagraphCount() ? TDocPos{caret_.Para + 1, 0} : doc_.End(), shift);
      } else {
        MoveVertically(1, shift);
      }
      return;
    case VK_HOME:
      desiredX_ = -1;
      MoveCaret(ctrl ? doc_.Start() : TDocPos{caret_.Para, layout_.Line(line).Start}, shift);
      return;
    case VK_END: {
      desiredX_ = -1;
      if (ctrl) {
        MoveCaret(doc_.End(), shift);
        return;
      }
      const TLineBox& box = layout_.Line(line);
      const bool wrapped = line + 1 < layout_.LineCount() && layout_.ParagraphOfLine(line + 1) == caret_.Para &&
                           layout_.Line(line + 1).Start == box.End;
      MoveCaret({caret_.Para, box.End}, shift, wrapped);
      return;
    }
    case VK_PRIOR:
    case VK_NEXT: {
      const int page = LinesPerPage();
      const int delta = key == VK_PRIOR ? -page : page;
      ScrollLines(delta);
      MoveVertically(delta, shift);
      return;
    }
    case VK_DELETE:
      if (shift && !ctrl) {
        CutToClipboard();
      } else if (HasSelection()) {
        ReplaceSelection({}, true);
      } else {
        DeleteRange(caret_, ctrl ? WordRight(caret_) : doc_.NextChar(caret_));
      }
      return;
    case VK_INSERT:
      if (ctrl && !shift) CopyToClipboard();
      if (shift && !ctrl) PasteFromClipboard();
      return;
    case VK_BACK:
      // Without Ctrl, Backspace arrives as a character.
      if (ctrl && !ReadOnly()) {
        if (HasSelection())
          ReplaceSelection({}, true);
        else
          DeleteRange(WordLeft(caret_), caret_);
      }
      return;
    default:
      break;
  }
  if (!ctrl) return;
  switch (key) {
    case 'A':
      SelectAll();
      break;
    case 'C':
      CopyToClipboard();
      break;
    case 'X':
      CutToClipboard();
      break;
    case 'V':
      PasteFromClipboard();
      break;
    default:
      break;
  }
}

void TCustomRichEdit::CharCommand(TMessage& m) {
  m.Result = 0;
  const auto ch = static_cast<char32_t>(m.WParam);
  switch (ch) {
    case 8:
      if (ReadOnly()) return;
      if (HasSelection())
        ReplaceSelection({}, true);
      else
        DeleteRange(doc_.PrevChar(caret_), caret_);
      return;
    case U'\r':
    case U'\n':
      // A new paragraph, in the format at the caret.
      if (wantReturns_) ReplaceSelection("\r\n", true);
      return;
    case U'\t':
      if (wantTabs_) ReplaceSelection("\t", true);
      return;
    default:
      break;
  }
  if (ch < 0x20 || ch == 0x7F || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return;
  ReplaceSelection(CodePointToUtf8(ch), true);
}

// ---------------------------------------------------------------------------
// Mouse

void TCustomRichEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomEdit::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft || IsDestroying()) return;
  EnsureLayout();
  const TPoint p{x, y};
  lastMouse_ = p;
  for (TEditScrollBar* bar : {&vBar_, &hBar_}) {
    const TScrollPart part = bar->HitTest(p);
    if (part != TScrollPart::None) {
      ScrollBarDown(*bar, part, p);
      return;
    }
    if (bar->Bounds.Contains(p)) return;  // a disabled bar
  }
  bool atEnd = false;
  const TDocPos pos = PosFromPoint(p, &atEnd);
  desiredX_ = -1;
  if (shift.Contains(ssDouble)) {
    SelectWordAt(pos);
    return;
  }
  MoveCaret(pos, shift.Contains(ssShift), atEnd);
  selecting_ = true;
}

void TCustomRichEdit::MouseMove(TShiftState shift, int x, int y) {
  TCustomEdit::MouseMove(shift, x, y);
  const TPoint p{x, y};
  lastMouse_ = p;
  if (pressedBar_) {
    TEditScrollBar& bar = *pressedBar_;
    if (pressedPart_ == TScrollPart::Thumb) {
      EnsureLayout();
      const TRect track = bar.TrackRect();
      const int along = bar.Vertical() ? p.Y - track.Top : p.X - track.Left;
      const int position = bar.PositionForThumbOffset(along - thumbGrab_);
      if (bar.Vertical()) {
        // Snap to the line nearest to the position.
        int line = layout_.LineAtY(position);
        if (line + 1 < layout_.LineCount() && position - layout_.LineTop(line) > layout_.Line(line).Height / 2) ++line;
        ScrollToLine(line);
      } else {
        SetLeft(position);
      }
      return;
    }
    const bool inside = bar.HitTest(p) == pressedPart_;
    if (inside != pressedInside_) {
      pressedInside_ = inside;
      InvalidateRect(&bar.Bounds, false);
    }
    return;
  }
  if (!selecting_ || !shift.Contains(ssLeft)) return;
  bool atEnd = false;
  const TDocPos pos = PosFromPoint(p, &atEnd);
  MoveCaret(pos, true, atEnd);
  // Outside the text the view keeps scrolling while the button is held.
  const TRect text = TextRect();
  if ((p.Y < text.Top || p.Y >= text.Bottom || p.X < text.Left || p.X >= text.Right) && HandleAllocated())
    SetTimer(HandleIfAllocated(), kRepeatTimer, 50);
}

void TCustomRichEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomEdit::MouseUp(button, shift, x, y);
  if (button == TMouseButton::mbLeft && !IsDestroying()) EndTracking();
}

void TCustomRichEdit::EndTracking() {
  if (HandleAllocated()) KillTimer(HandleIfAllocated(), kRepeatTimer);
  selecting_ = false;
  if (pressedBar_) {
    const TRect r = pressedBar_->Bounds;
    pressedBar_ = nullptr;
    pressedPart_ = TScrollPart::None;
    pressedInside_ = false;
    InvalidateRect(&r, false);
  }
}

void TCustomRichEdit::ScrollBarDown(TEditScrollBar& bar, TScrollPart part, TPoint p) {
  pressedBar_ = &bar;
  pressedPart_ = part;
  pressedInside_ = true;
  if (part == TScrollPart::Thumb) {
    const TRect thumb = bar.ThumbRect();
    thumbGrab_ = bar.Vertical() ? p.Y - thumb.Top : p.X - thumb.Left;
  } else {
    ScrollBarAction(bar, part);
    // Held down, the part repeats: after a pause, then quickly.
    repeatStarted_ = false;
    if (HandleAllocated()) SetTimer(HandleIfAllocated(), kRepeatTimer, 400);
  }
  InvalidateRect(&bar.Bounds, false);
}

void TCustomRichEdit::ScrollBarAction(TEditScrollBar& bar, TScrollPart part) {
  if (bar.Vertical()) {
    switch (part) {
      case TScrollPart::LineBack: ScrollLines(-1); break;
      case TScrollPart::LineForward: ScrollLines(1); break;
      case TScrollPart::PageBack: ScrollLines(-LinesPerPage()); break;
      case TScrollPart::PageForward: ScrollLines(LinesPerPage()); break;
      default: break;
    }
    return;
  }
  const int page = std::max(1, TextRect().Width() * 9 / 10);
  switch (part) {
    case TScrollPart::LineBack: SetLeft(leftX_ - kLineStepX); break;
    case TScrollPart::LineForward: SetLeft(leftX_ + kLineStepX); break;
    case TScrollPart::PageBack: SetLeft(leftX_ - page); break;
    case TScrollPart::PageForward: SetLeft(leftX_ + page); break;
    default: break;
  }
}

void TCustomRichEdit::RepeatTimer() {
  if (pressedBar_ && pressedPart_ != TScrollPart::Thumb && pressedPart_ != TScrollPart::None) {
    if (!repeatStarted_) {
      repeatStarted_ = true;
      SetTimer(HandleIfAllocated(), kRepeatTimer, 50);
    }
    // Paging stops once the thumb has reached the mouse.
    if (pressedInside_ && pressedBar_->HitTest(lastMouse_) == pressedPart_) ScrollBarAction(*pressedBar_, pressedPart_);
    return;
  }
  if (selecting_) {
    DragAutoScroll();
    return;
  }
  KillTimer(HandleIfAllocated(), kRepeatTimer);
}

void TCustomRichEdit::DragAutoScroll() {
  const TRect text = TextRect();
  const TPoint p = lastMouse_;
  if (p.Y >= text.Top && p.Y < text.Bottom && p.X >= text.Left && p.X < text.Right) {
    KillTimer(HandleIfAllocated(), kRepeatTimer);
    return;
  }
  // One line (or a step sideways) further each tick toward the mouse.
  TPoint q = p;
  if (p.Y < text.Top) ScrollLines(-1), q.Y = text.Top;
  if (p.Y >= text.Bottom) ScrollLines(1), q.Y = text.Bottom - 1;
  if (!wordWrap_) {
    if (p.X < text.Left) SetLeft(leftX_ - kLineStepX);
    if (p.X >= text.Right) SetLeft(leftX_ + kLineStepX);
  }
  bool atEnd = false;
  const TDocPos pos = PosFromPoint(q, &atEnd);
  MoveCaret(pos, true, atEnd);
}
