// How an adopted edit looks: it draws its text and its scroll bars itself;
// right after each of its paints the adapter item draws the skin's border
// ("BORDERSMASK" of its section) around it and the skin's vertical scroll
// bar (the track of "SCROLLBAR1V", the buttons of "SCROLLBTNTOP" and
// "SCROLLBTNBOTTOM", the thumb of "SCROLLSLIDERV", each with its glyph)
// over the plain one. The bar keeps working as the edit's own: the wheel,
// the arrows, the track and the thumb drag are the edit's; the item only
// follows the mouse to show the hot and pressed parts.
#include "controls/sControlAdapter.h"
#include "framework/components/Windows.h"
#include "framework/graphics/Canvas.h"
#include "framework/stdctrls/RichEdit.h"
#include "skin/pixels/sMaskDraw.h"
#include "skin/sItemPaint.h"
#include "skin/sSkinManager.h"

namespace {

TPaintState PartLook(TScrollPart part, TScrollPart hot, TScrollPart pressed) {
  if (part == pressed && pressed != TScrollPart::None) return TPaintState::Pressed;
  if (part == hot && hot != TScrollPart::None) return TPaintState::Hot;
  return TPaintState::Normal;
}

// One piece of the bar: its section's background and border, its glyph
// in the middle.
void PaintBarPiece(TBitmap& image, TsSkinManager& manager, const TsScrollPart& part, const std::string& section,
                   const TRect& rect, TPaintState state) {
  if (rect.IsEmpty() || part.Section < 0) return;
  TsItemSkin item;
  item.Manager = &manager;
  item.SkinIndex = part.Section;
  item.Section = section;
  PaintItemByIndex(item, TCacheInfo{}, image, TItemPlace{rect, {}, state}, TBorderCentre::Fill);
  if (!manager.MaskIndexValid(part.Glyph)) return;
  const TsMaskData& glyph = manager.Masks()[static_cast<size_t>(part.Glyph)];
  const TPoint at{rect.Left + (rect.Width() - glyph.FrameWidth()) / 2,
                  rect.Top + (rect.Height() - glyph.FrameHeight()) / 2};
  DrawSkinGlyph(image, at, state, glyph, manager.MasterBitmap(), TMaskMode::AsIs);
}

}  // namespace

void TsAdapterItem::TrackScrollBar(const TMessage& m) {
  auto* edit = dynamic_cast<TCustomRichEdit*>(control_);
  if (!edit) return;
  const TEditScrollBar& bar = edit->VerticalBar();
  const TScrollPart oldHot = hotPart_, oldPressed = pressedPart_;
  const TPoint p{GetXParam(m.LParam), GetYParam(m.LParam)};
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      hotPart_ = bar.Shown() ? bar.HitTest(p) : TScrollPart::None;
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressedPart_ = bar.Shown() ? bar.HitTest(p) : TScrollPart::None;
      hotPart_ = pressedPart_;
      break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      pressedPart_ = TScrollPart::None;
      break;
    case CM_MOUSELEAVE:
      hotPart_ = TScrollPart::None;
      break;
    default:
      return;
  }
  if ((oldHot != hotPart_ || oldPressed != pressedPart_) && bar.Shown()) edit->InvalidateRect(&bar.Bounds, false);
}

void TsAdapterItem::PaintScrollBar(TBitmap& image, const TEditScrollBar& bar) {
  TsSkinManager* manager = skinData_->Manager();
  if (!manager || !bar.Shown()) return;
  const TsCachedIndexes& c = manager->CachedIndexes();
  // The track under everything, then the two buttons and the thumb.
  PaintBarPiece(image, *manager, c.Bar1V, "SCROLLBAR1V", bar.Bounds, TPaintState::Normal);
  PaintBarPiece(image, *manager, c.ScrollBtn[sdTop], "SCROLLBTNTOP", bar.ArrowRect(false),
                PartLook(TScrollPart::LineBack, hotPart_, pressedPart_));
  PaintBarPiece(image, *manager, c.ScrollBtn[sdBottom], "SCROLLBTNBOTTOM", bar.ArrowRect(true),
                PartLook(TScrollPart::LineForward, hotPart_, pressedPart_));
  PaintBarPiece(image, *manager, c.SliderV, "SCROLLSLIDERV", bar.ThumbRect(),
                PartLook(TScrollPart::Thumb, hotPart_, pressedPart_));
}

void TsAdapterItem::PaintSkinnedParts() {
  TsSkinManager* manager = skinData_->Manager();
  if (!manager || !control_->HandleAllocated() || control_->Width() <= 0 || control_->Height() <= 0) return;
  // The section's look of the whole control, laid over the parent's
  // background where the border's corners are clear. It changes only with
  // the skin, the size or the focus; scrolling changes just the bar.
  const TRect whole{0, 0, control_->Width(), control_->Height()};
  const TBitmap* cached = skinData_->CacheBmp.get();
  if (skinData_->BGChanged || !cached || cached->Width() != whole.Right || cached->Height() != whole.Bottom) {
    skinData_->InitCacheBmp();
    const TPaintState look = skinData_->ControlIsActive() ? TPaintState::Hot : TPaintState::Normal;
    PaintItem(*skinData_, skinData_->GetParentCache(), *skinData_->CacheBmp,
              TItemPlace{whole, {control_->Left(), control_->Top()}, look});
  }
  TBitmap& image = *skinData_->CacheBmp;

  std::vector<TRect> parts;
  auto* edit = dynamic_cast<TCustomRichEdit*>(control_);
  if (edit) {
    const TEditScrollBar& bar = edit->VerticalBar();
    PaintScrollBar(image, bar);
    if (bar.Shown()) parts.push_back(bar.Bounds);
  }
  // The border ring on top of the bar: the border's widths from each side.
  if (manager->MaskIndexValid(skinData_->BorderIndex)) {
    const TsMaskData& border = manager->Masks()[static_cast<size_t>(skinData_->BorderIndex)];
    const int wl = border.WL, wt = border.WT, wr = border.WR, wb = border.WB;
    parts.push_back({0, 0, whole.Right, wt});
    parts.push_back({0, whole.Bottom - wb, whole.Right, whole.Bottom});
    parts.push_back({0, wt, wl, whole.Bottom - wb});
    parts.push_back({whole.Right - wr, wt, whole.Right, whole.Bottom - wb});
  }
  skinData_->BGChanged = false;
  // Drawn on the whole window: the edit's client area is all of it.
  TWindowDC dc(control_->Handle());
  if (!dc.Handle()) return;
  HDC src = image.Canvas()->Handle();
  for (const TRect& r : parts)
    if (!r.IsEmpty()) BitBlt(dc.Handle(), r.Left, r.Top, r.Width(), r.Height(), src, r.Left, r.Top, SRCCOPY);
}
