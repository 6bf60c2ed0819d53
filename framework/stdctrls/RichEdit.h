// TRichEdit: a multi-line edit of formatted text. It shows a document of
// paragraphs and runs (RichDocument.h), loads rich text or plain text from
// files, wraps lines at its width, scrolls with its own scroll bars, the
// keyboard and the mouse wheel, and edits with the keyboard, the mouse and
// the clipboard.
//
// The control draws everything inside its client area: the sunken border,
// the text, the selection, the caret and the scroll bars.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/components/StringList.h"
#include "framework/stdctrls/ControlPicture.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/RichDocument.h"
#include "framework/stdctrls/RichEditScrollBar.h"
#include "framework/stdctrls/RichEditLayout.h"

class TCustomRichEdit;

// The rich edit's paragraphs as a list of lines. A document that holds one
// empty paragraph has no lines.
class TRichEditStrings : public TStrings {
 public:
  SORTARIUM_CLASS(TRichEditStrings)
  explicit TRichEditStrings(TCustomRichEdit* edit) : edit_(edit) {}

  int Count() const override;
  std::string Get(int index) const override;
  void Put(int index, const std::string& s) override;
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override;
  std::string Text() const override;
  void SetText(const std::string& text) override;
  // Rich text or plain text, as the content shows. Fails with EReadError
  // (the content unchanged) when the bytes are neither.
  void LoadFromStream(TStream& stream) override;

 protected:
  void SetUpdateState(bool updating) override;

 private:
  void Check(int index) const;
  TCustomRichEdit* edit_;
};

class TCustomRichEdit : public TCustomEdit {
 public:
  SORTARIUM_CLASS(TCustomRichEdit)
  explicit TCustomRichEdit(TComponent* owner);
  ~TCustomRichEdit() override;

  TStrings* Lines() { return lines_.get(); }
  const TRichDocument& Document() const { return doc_; }
  // Replaces the whole content.
  void SetDocument(TRichDocument doc);

  bool PlainText() const { return plainText_; }
  void SetPlainText(bool value) { plainText_ = value; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  // Scroll bars appear only when there is something to scroll.
  bool HideScrollBars() const { return hideScrollBars_; }
  void SetHideScrollBars(bool value);
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool value) { wantTabs_ = value; }
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool value) { wantReturns_ = value; }

  // --- selection (TCustomEdit) ---
  int SelStart() const override;
  void SetSelStart(int value) override;
  int SelLength() const override;
  void SetSelLength(int value) override;
  std::string SelText() const override;
  void SetSelText(const std::string& text) override;
  void SelectAll() override;
  void CopyToClipboard() override;
  void CutToClipboard() override;
  void PasteFromClipboard() override;

  TDocPos CaretPos() const { return caret_; }
  TDocPos AnchorPos() const { return anchor_; }
  void SetSelection(TDocPos anchor, TDocPos caret);

  // --- view ---
  int FirstVisibleLine();
  void ScrollToLine(int line);
  void ScrollLines(int delta);
  int LineCount();  // lines on screen, wrapped lines counted each
  int HorizontalOffset() const { return leftX_; }
  // The area the text is drawn in, in client coordinates.
  TRect TextRect();
  const TEditScrollBar& VerticalBar();
  const TEditScrollBar& HorizontalBar();
  // Whether the blinking caret is drawn at this moment.
  bool CaretShown() const { return caretOn_ && Focused(); }
  // The caret's rectangle in client coordinates (empty when scrolled away).
  TRect CaretRect();

  // --- marks (RichEditMarks.cpp) ---
  // Paragraphs drawn on a band of colour across the text area, behind their
  // text: a way to point at lines (the line a program runs now) that leaves
  // the document alone. A new document has none.
  struct TParagraphMark {
    int Paragraph = 0;
    TColor Color = clNone;
    bool operator==(const TParagraphMark&) const = default;
  };
  void SetParagraphMarks(std::vector<TParagraphMark> marks);
  const std::vector<TParagraphMark>& ParagraphMarks() const { return marks_; }
  // Scrolls as little as it takes to show paragraphs first..last, or as much
  // of them from `first` on as the view holds.
  void ScrollParagraphsIntoView(int first, int last);

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  // How often any part of the text, bars and border was drawn (a repaint
  // that changes nothing copies the last picture instead).
  uint64_t PictureBuilds() const { return picture_.Builds(); }

  // Message ids of the control's own timers.
  static constexpr uintptr_t kCaretTimer = 1;
  static constexpr uintptr_t kRepeatTimer = 2;
  static constexpr uint32_t kCaretBlinkMs = 500;

 protected:
  std::string GetEditText() const override;
  void SetEditText(const std::string& text) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void WMSetFocus(TMessage& m) override;
  void WMKillFocus(TMessage& m) override;
  void LookInvalidated(const TRect* rect) override { picture_.Invalidate(rect); }

 private:
  friend class TRichEditStrings;

  // --- content (RichEdit.cpp) ---
  void Replaced(const TDocChange& change);
  void ContentChanged();
  void BeginLinesUpdate() { ++linesUpdate_; }
  void EndLinesUpdate();

  // --- layout and scrolling (RichEditView.cpp) ---
  void EnsureLayout();
  TRect TextRectFor(bool vBar, bool hBar) const;
  // The top line nearest the current one that shows lines first..last
  // whole, or at least `first` when they do not fit together.
  int TopLineShowing(int first, int last) const;
  int MaxTopLine();
  int ViewHeight();
  void SetLeft(int x);
  void EnsureCaretVisible();
  void UpdateBars();
  TDocPos PosFromPoint(TPoint p, bool* atLineEnd);
  int LinesPerPage();
  // Draws the border, the bars, the text, the selection and the caret.
  void PaintContent(HDC dc);
  void PaintLine(HDC dc, int line, const TRect& text, const TRect& clip);
  void PaintStretch(HDC dc, const TRichRun& run, int runStart, const TLinePiece& piece, int from, int to, int x,
                    int baseline, TColor color, const TRect& clip);
  void InvalidateCaret();
  void RestartBlink();
  // The band colour of a marked paragraph, clNone for the others.
  TColor MarkOf(int paragraph) const;
  void InvalidateParagraph(int paragraph);

  // --- editing (RichEditEditing.cpp) ---
  void KeyCommand(TMessage& m);
  void CharCommand(TMessage& m);
  void MoveCaret(TDocPos pos, bool extend, bool atLineEnd = false);
  void MoveVertically(int lines, bool extend);
  void ReplaceSelection(const std::string& text, bool byUser);
  void DeleteRange(TDocPos from, TDocPos to);
  TDocPos WordLeft(TDocPos pos) const;
  TDocPos WordRight(TDocPos pos) const;
  void SelectWordAt(TDocPos pos);
  bool HasSelection() const { return caret_ != anchor_; }
  TDocPos SelFrom() const { return std::min(caret_, anchor_); }
  TDocPos SelTo() const { return std::max(caret_, anchor_); }
  void SelectionChanged(TDocPos oldAnchor, TDocPos oldCaret);
  void EndTracking();
  void ScrollBarDown(TEditScrollBar& bar, TScrollPart part, TPoint p);
  void ScrollBarAction(TEditScrollBar& bar, TScrollPart part);
  void RepeatTimer();
  void DragAutoScroll();

  TRichDocument doc_;
  std::unique_ptr<TRichEditStrings> lines_;
  TRichEditLayout layout_;
  mutable std::string textCache_;
  mutable bool textCacheValid_ = true;
  int linesUpdate_ = 0;
  bool changedInUpdate_ = false;

  bool plainText_ = false;
  bool wordWrap_ = true;
  TScrollStyle scrollBars_ = TScrollStyle::ssVertical;
  bool hideScrollBars_ = true;
  bool wantTabs_ = false;
  bool wantReturns_ = true;

  // Horizontal scrolling by a scroll-bar arrow or a drag past the edge.
  static constexpr int kLineStepX = 16;

  TDocPos caret_;
  TDocPos anchor_;
  bool caretAtLineEnd_ = false;  // at a wrap, show the caret at the end of the upper line
  int desiredX_ = -1;            // kept while moving up and down
  bool caretOn_ = false;         // the blink phase

  int topLine_ = 0;
  int leftX_ = 0;
  int wheelRemainder_ = 0;
  TEditScrollBar vBar_{true};
  TEditScrollBar hBar_{false};
  bool vShown_ = true;
  bool hShown_ = false;

  // Mouse tracking.
  bool selecting_ = false;
  TPoint lastMouse_;
  TEditScrollBar* pressedBar_ = nullptr;
  TScrollPart pressedPart_ = TScrollPart::None;
  bool pressedInside_ = false;
  int thumbGrab_ = 0;
  bool repeatStarted_ = false;
  std::vector<TLinePiece> pieces_;  // reused while painting
  std::vector<TParagraphMark> marks_;

  // The last painted look. Every change of content, selection, focus, font
  // or colour invalidates the edit, which marks the picture stale
  // (LookInvalidated); the view's scroll position and bars are compared
  // too, as the layout may settle them only when painting.
  struct TView {
    int TopLine = 0, LeftX = 0;
    bool VShown = false, HShown = false;
    bool operator==(const TView&) const = default;
  };
  TControlPicture picture_;
  TView pictureView_;
};

class TRichEdit : public TCustomRichEdit {
 public:
  SORTARIUM_CLASS(TRichEdit)
  using TCustomRichEdit::TCustomRichEdit;
};
