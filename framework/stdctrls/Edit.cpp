#include "framework/stdctrls/Edit.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TCustomControl(owner) {
  // Edits paint every pixel of themselves; the text is not a caption.
  controlStyle_.Include(csOpaque);
  controlStyle_.Exclude(csSetCaption);
  color_ = clWindow;
  tabStop_ = true;
}

void TCustomEdit::SetReadOnly(bool value) {
  if (readOnly_ == value) return;
  readOnly_ = value;
  ReadOnlyChanged();
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  Invalidate();
}

void TCustomEdit::Change() {
  if (IsLoading() || IsDestroying()) return;
  if (OnChange) OnChange(this);
}

TRect TCustomEdit::InteriorRect() const {
  const int b = BorderWidth();
  TRect r = ClientRect().Inflate(-b, -b);
  if (r.IsEmpty()) r = TRect{};
  return r;
}

void TCustomEdit::PaintBorder(HDC dc) const {
  if (borderStyle_ != TBorderStyle::bsSingle) return;
  TRect r = ClientRect();
  DrawEdge(dc, r, EDGE_SUNKEN, BF_RECT);
}
