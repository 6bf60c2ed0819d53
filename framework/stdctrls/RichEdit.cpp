// The rich edit's content: its list of lines, loading, the selection
// properties, the clipboard and the messages it answers.
#include "framework/stdctrls/RichEdit.h"

#include <algorithm>
#include <climits>

#include "framework/backend/Backend.h"
#include "framework/base/SysUtils.h"
#include "framework/components/Windows.h"
#include "framework/stdctrls/RichEditContent.h"

// ---------------------------------------------------------------------------
// TRichEditStrings

void TRichEditStrings::Check(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format(SListIndexError, {IntToStr(index)}));
}

int TRichEditStrings::Count() const {
  const TRichDocument& doc = edit_->doc_;
  const int n = doc.ParagraphCount();
  return n == 1 && doc.Paragraph(0).Length() == 0 ? 0 : n;
}

std::string TRichEditStrings::Get(int index) const {
  Check(index);
  return edit_->doc_.Paragraph(index).PlainText();
}

void TRichEditStrings::Put(int index, const std::string& s) {
  Check(index);
  edit_->Replaced(edit_->doc_.SetParagraphText(index, s));
  edit_->ContentChanged();
}

void TRichEditStrings::Insert(int index, const std::string& s) {
  const int count = Count();
  if (index < 0 || index > count) throw EListError(Format(SListIndexError, {IntToStr(index)}));
  TRichDocument& doc = edit_->doc_;
  if (count == 0) {
    // The lone empty paragraph becomes the first line.
    edit_->Replaced(doc.SetParagraphText(0, s));
  } else {
    // A new line continues the format of the text it follows.
    const TRunFormat format = index > 0 ? doc.FormatAt({index - 1, doc.Paragraph(index - 1).Length()})
                                        : doc.FormatAt({0, 0});
    edit_->Replaced(doc.InsertParagraph(index, s, format));
  }
  edit_->ContentChanged();
}

void TRichEditStrings::Delete(int index) {
  Check(index);
  edit_->Replaced(edit_->doc_.DeleteParagraph(index));
  edit_->ContentChanged();
}

void TRichEditStrings::Clear() { edit_->SetDocument(TRichDocument()); }

std::string TRichEditStrings::Text() const {
  if (Count() == 0) return {};
  return edit_->doc_.Text() + "\r\n";
}

void TRichEditStrings::SetText(const std::string& text) { edit_->SetDocument(TRichDocument::FromPlainText(text)); }

void TRichEditStrings::LoadFromStream(TStream& stream) {
  // Read in pieces rather than trusting the stream's size: a device or pipe
  // may not know it, and nothing past the limit is ever held.
  std::string bytes;
  char chunk[65536];
  for (;;) {
    const int64_t n = stream.Read(chunk, sizeof chunk);
    if (n <= 0) break;
    if (bytes.size() + static_cast<size_t>(n) > kMaxRichEditFileBytes) throw EReadError(SReadError);
    bytes.append(chunk, static_cast<size_t>(n));
  }
  std::optional<TRichDocument> doc = ReadRichEditContent(bytes, edit_->PlainText());
  if (!doc) throw EReadError(SReadError);
  edit_->SetDocument(std::move(*doc));
}

void TRichEditStrings::SetUpdateState(bool updating) {
  if (updating)
    edit_->BeginLinesUpdate();
  else
    edit_->EndLinesUpdate();
}

// ---------------------------------------------------------------------------
// TCustomRichEdit: content

TCustomRichEdit::TCustomRichEdit(TComponent* owner)
    : TCustomEdit(owner), lines_(std::make_unique<TRichEditStrings>(this)) {
  width_ = 185;
  height_ = 89;
}

TCustomRichEdit::~TCustomRichEdit() {
  Destroying();
  if (HandleAllocated()) {
    KillTimer(HandleIfAllocated(), kCaretTimer);
    KillTimer(HandleIfAllocated(), kRepeatTimer);
  }
}

void TCustomRichEdit::SetDocument(TRichDocument doc) {
  const int old = doc_.ParagraphCount();
  doc_ = std::move(doc);
  Replaced({0, old, doc_.ParagraphCount()});
  caret_ = anchor_ = {};
  caretAtLineEnd_ = false;
  desiredX_ = -1;
  topLine_ = 0;
  leftX_ = 0;
  marks_.clear();  // they named lines of the old text
  ContentChanged();
}

void TCustomRichEdit::Replaced(const TDocChange& change) {
  layout_.Replaced(change);
  textCacheValid_ = false;
}

void TCustomRichEdit::ContentChanged() {
  caret_ = doc_.Clamp(caret_);
  anchor_ = doc_.Clamp(anchor_);
  Invalidate();
  if (linesUpdate_ > 0) {
    changedInUpdate_ = true;
    return;
  }
  Change();
}

void TCustomRichEdit::EndLinesUpdate() {
  if (linesUpdate_ > 0 && --linesUpdate_ == 0 && changedInUpdate_) {
    changedInUpdate_ = false;
    Change();
  }
}

std::string TCustomRichEdit::GetEditText() const {
  if (!textCacheValid_) {
    textCache_ = doc_.Text();
    textCacheValid_ = true;
  }
  return textCache_;
}

void TCustomRichEdit::SetEditText(const std::string& text) { SetDocument(TRichDocument::FromPlainText(text)); }

void TCustomRichEdit::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  leftX_ = 0;
  layout_.InvalidateAll();
  Invalidate();
}

void TCustomRichEdit::SetScrollBars(TScrollStyle value) {
  if (scrollBars_ == value) return;
  scrollBars_ = value;
  Invalidate();
}

void TCustomRichEdit::SetHideScrollBars(bool value) {
  if (hideScrollBars_ == value) return;
  hideScrollBars_ = value;
  Invalidate();
}

// ---------------------------------------------------------------------------
// Selection and clipboard

namespace {

int ClampToInt(long long v) { return static_cast<int>(std::clamp<long long>(v, 0, INT_MAX)); }

}  // namespace

int TCustomRichEdit::SelStart() const { return ClampToInt(doc_.CharIndex(SelFrom())); }

void TCustomRichEdit::SetSelStart(int value) {
  const TDocPos p = doc_.PosFromCharIndex(std::max(value, 0));
  SetSelection(p, p);
}

int TCustomRichEdit::SelLength() const {
  return ClampToInt(doc_.CharIndex(SelTo()) - doc_.CharIndex(SelFrom()));
}

void TCustomRichEdit::SetSelLength(int value) {
  const TDocPos from = SelFrom();
  SetSelection(from, doc_.PosFromCharIndex(doc_.CharIndex(from) + std::max(value, 0)));
}

std::string TCustomRichEdit::SelText() const { return doc_.TextRange(SelFrom(), SelTo()); }

void TCustomRichEdit::SetSelText(const std::string& text) { ReplaceSelection(text, false); }

void TCustomRichEdit::SelectAll() { SetSelection(doc_.Start(), doc_.End()); }

void TCustomRichEdit::SetSelection(TDocPos anchor, TDocPos caret) {
  const TDocPos oldAnchor = anchor_, oldCaret = caret_;
  InvalidateCaret();
  anchor_ = doc_.Clamp(anchor);
  caret_ = doc_.Clamp(caret);
  caretAtLineEnd_ = false;
  desiredX_ = -1;
  SelectionChanged(oldAnchor, oldCaret);
}

void TCustomRichEdit::CopyToClipboard() {
  if (!HasSelection()) return;
  // Line breaks inside a paragraph leave as ordinary line breaks.
  std::string text = SelText();
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\v')
      out += "\r\n";
    else
      out += c;
  }
  Backend()->SetClipboardText(out);
}

void TCustomRichEdit::CutToClipboard() {
  if (ReadOnly() || !HasSelection()) return;
  CopyToClipboard();
  ReplaceSelection({}, true);
}

void TCustomRichEdit::PasteFromClipboard() {
  if (ReadOnly()) return;
  const std::string text = Backend()->ClipboardText();
  if (!text.empty() || HasSelection()) ReplaceSelection(text, true);
}

// ---------------------------------------------------------------------------
// Messages

void TCustomRichEdit::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_GETDLGCODE:
      // Tab moves the focus on unless the edit takes tabs itself.
      m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS | (wantTabs_ ? uint32_t{DLGC_WANTTAB} : 0u);
      return;
    case WM_MOUSEWHEEL: {
      const int delta = static_cast<int16_t>(HiWord(m.WParam));
      wheelRemainder_ += delta;
      const int notches = wheelRemainder_ / 120;
      wheelRemainder_ -= notches * 120;
      if (notches != 0) ScrollLines(-3 * notches);
      m.Result = 0;
      return;
    }
    case WM_TIMER:
      if (m.WParam == kCaretTimer) {
        if (!Focused()) {
          KillTimer(HandleIfAllocated(), kCaretTimer);
          caretOn_ = false;
        } else {
          caretOn_ = !caretOn_;
        }
        InvalidateCaret();
        return;
      }
      if (m.WParam == kRepeatTimer) {
        RepeatTimer();
        return;
      }
      break;
    case WM_COPY:
      CopyToClipboard();
      return;
    case WM_CUT:
      CutToClipboard();
      return;
    case WM_PASTE:
      PasteFromClipboard();
      return;
    case WM_CLEAR:
      if (!ReadOnly() && HasSelection()) ReplaceSelection({}, true);
      return;
    case WM_CANCELMODE:
    case CM_CANCELMODE:
    case WM_CAPTURECHANGED:
      EndTracking();
      break;
    case WM_DESTROY:
      KillTimer(HandleIfAllocated(), kCaretTimer);
      KillTimer(HandleIfAllocated(), kRepeatTimer);
      break;
    default:
      break;
  }
  TCustomEdit::WndProc(m);
}

void TCustomRichEdit::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case WM_KEYDOWN:
      KeyCommand(m);
      return;
    case WM_CHAR:
      CharCommand(m);
      return;
    default:
      TCustomEdit::DefaultHandler(m);
  }
}

void TCustomRichEdit::WMSetFocus(TMessage& m) {
  TCustomEdit::WMSetFocus(m);
  RestartBlink();
  Invalidate();
}

void TCustomRichEdit::WMKillFocus(TMessage& m) {
  TCustomEdit::WMKillFocus(m);
  if (HandleAllocated()) KillTimer(HandleIfAllocated(), kCaretTimer);
  caretOn_ = false;
  EndTracking();
  Invalidate();
}
