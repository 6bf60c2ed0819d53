// TRadioButton: a circle and a caption; one checked button per parent.
#include <algorithm>
#include <vector>

#include "framework/components/Forms.h"
#include "framework/stdctrls/StdCtrls.h"

namespace {

// The classic radio circle.
constexpr int kGlyphSize = 13;
// Air between the circle and the caption.
constexpr int kGlyphGap = 4;

// The radio buttons among the direct children of `parent`, in tab order.
std::vector<TRadioButton*> RadioSiblings(TWinControl* parent) {
  std::vector<TRadioButton*> list;
  if (!parent) return list;
  for (int i = 0; i < parent->ControlCount(); ++i)
    if (auto* r = dynamic_cast<TRadioButton*>(parent->Controls(i)); r && !r->IsDestroying()) list.push_back(r);
  std::stable_sort(list.begin(), list.end(),
                   [](const TRadioButton* a, const TRadioButton* b) { return a->TabOrder() < b->TabOrder(); });
  return list;
}

}  // namespace

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
  tabStop_ = false;
  parentColor_ = true;
  width_ = 113;
  height_ = 17;
}

void TRadioButton::SetChecked(bool value) {
  if (checked_ == value) return;
  ApplyChecked(value);
}

void TRadioButton::ApplyChecked(bool value) {
  checked_ = value;
  if (value && parent_) {
    for (TRadioButton* other : RadioSiblings(parent_))
      if (other != this && other->Checked()) other->SetChecked(false);
  }
  UpdateGroupTabStops(parent_);
  Invalidate();
}

void TRadioButton::UpdateGroupTabStops(TWinControl* parent) {
  if (!parent || parent->IsDestroying()) return;
  const std::vector<TRadioButton*> group = RadioSiblings(parent);
  const bool anyChecked = std::any_of(group.begin(), group.end(), [](TRadioButton* r) { return r->Checked(); });
  for (size_t i = 0; i < group.size(); ++i) group[i]->SetTabStop(anyChecked ? group[i]->Checked() : i == 0);
}

void TRadioButton::SetParent(TWinControl* parent) {
  TWinControl* old = parent_;
  TButtonControl::SetParent(parent);
  if (old != parent_) {
    UpdateGroupTabStops(old);
    // Joining a group that already has a checked button: only one stays checked.
    if (checked_ && parent_) {
      for (TRadioButton* other : RadioSiblings(parent_))
        if (other != this && other->Checked()) other->SetChecked(false);
    }
    UpdateGroupTabStops(parent_);
  }
}

void TRadioButton::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  Invalidate();
}

void TRadioButton::Click() {
  if (checked_) return;
  SetChecked(true);
  TButtonControl::Click();
}

void TRadioButton::AccelClick() {
  if (!Focused() && CanFocus()) SetFocus();
  if (Focused()) Click();
}

void TRadioButton::SelectSibling(bool forward) {
  std::vector<TRadioButton*> group = RadioSiblings(parent_);
  std::erase_if(group, [this](TRadioButton* r) { return r != this && !r->CanFocus(); });
  const auto it = std::find(group.begin(), group.end(), this);
  if (it == group.end() || group.size() < 2) return;
  const size_t n = group.size();
  const size_t i = static_cast<size_t>(it - group.begin());
  TRadioButton* next = group[forward ? (i + 1) % n : (i + n - 1) % n];
  next->SetFocus();
  if (next->Focused()) next->Click();
}

void TRadioButton::WMKeyDown(TMessage& m) {
  TButtonControl::WMKeyDown(m);
  if (m.Msg != WM_KEYDOWN || m.Result != 0) return;
  switch (static_cast<int>(m.WParam)) {
    case VK_RIGHT:
    case VK_DOWN:
      SelectSibling(true);
      m.Result = 1;
      break;
    case VK_LEFT:
    case VK_UP:
      SelectSibling(false);
      m.Result = 1;
      break;
    default:
      break;
  }
}

void TRadioButton::WMGetDlgCode(TMessage& m) { m.Result = DLGC_BUTTON | DLGC_RADIOBUTTON | DLGC_WANTARROWS; }

TRect TRadioButton::GlyphRect() const {
  const int top = (height_ - kGlyphSize) / 2;
  const int left = alignment_ == TAlignment::taLeftJustify ? width_ - kGlyphSize : 0;
  return Bounds(left, top, kGlyphSize, kGlyphSize);
}

TRect TRadioButton::TextRect() const {
  if (alignment_ == TAlignment::taLeftJustify) return {0, 0, std::max(0, width_ - kGlyphSize - kGlyphGap), height_};
  return {std::min(width_, kGlyphSize + kGlyphGap), 0, width_, height_};
}

unsigned TRadioButton::CaptionFormat() const {
  return DrawTextBiDiModeFlags(wordWrap_ ? unsigned{DT_WORDBREAK} : unsigned{DT_SINGLELINE});
}

void TRadioButton::Paint() {
  HDC dc = Canvas()->Handle();
  if (!dc) return;
  unsigned state = DFCS_BUTTONRADIO;
  if (checked_) state |= DFCS_CHECKED;
  if (pressed_) state |= DFCS_PUSHED;
  if (!enabled_) state |= DFCS_INACTIVE;
  DrawFrameControl(dc, GlyphRect(), DFC_BUTTON, state);
  if (text_.empty()) return;
  // The caption block is centred vertically in the text area; the focus
  // rectangle hugs it.
  const TRect area = TextRect();
  const TSize block = MeasureTextBlock(font_, text_, CaptionFormat(), area.Width());
  const int y = area.Top + (area.Height() - block.cy) / 2;
  const TRect text{area.Left, y, area.Right, y + block.cy};
  {
    TDCStateGuard guard(dc);
    IntersectClipRect(dc, area.Left, area.Top, area.Right, area.Bottom);
    DrawCaption(dc, text, CaptionFormat());
  }
  if (Focused()) {
    const TRect focus = TRect{area.Left, y, area.Left + std::min(block.cx, area.Width()), y + block.cy}.Inflate(1, 1);
    DrawFocusRect(dc, focus.Intersect(ClientRect()));
  }
}
