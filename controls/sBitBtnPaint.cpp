// TsBitBtn's picture: where glyph and caption go, the cache bitmap built
// from the skin, the window shape cut from the border's corners, and the
// copy to the screen. Also the framework's glyph made from an image list
// for the look without a skin.
#include <algorithm>
#include <vector>

#include "controls/sBitBtn.h"
#include "framework/components/Windows.h"
#include "framework/stdctrls/ImgList.h"
#include "skin/pixels/sGraphUtils.h"
#include "skin/pixels/sMaskDraw.h"
#include "skin/sCommonData.h"
#include "skin/sContentPaint.h"
#include "skin/sItemPaint.h"
#include "skin/sMessages.h"
#include "skin/sSkinManager.h"

namespace {

// One paint of a window: the DC it was given, or the window's own paint
// cycle (BeginPaint and EndPaint), closed however the painting ends.
class TPaintCycle {
 public:
  TPaintCycle(TWinControl& control, HDC given) : dc_(given) {
    if (dc_ || !control.HandleAllocated()) return;
    window_ = control.Handle();
    dc_ = BeginPaint(window_, ps_);
  }
  ~TPaintCycle() {
    if (window_) EndPaint(window_, ps_);
  }
  TPaintCycle(const TPaintCycle&) = delete;
  TPaintCycle& operator=(const TPaintCycle&) = delete;
  HDC Dc() const { return dc_; }

 private:
  HWND window_ = 0;
  TPaintStruct ps_;
  HDC dc_ = nullptr;
};

unsigned AlignmentFlag(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taLeftJustify:
      return DT_LEFT;
    case TAlignment::taRightJustify:
      return DT_RIGHT;
    default:
      return DT_CENTER;
  }
}

// The colour an image list leaves in its transparent pixels: its
// background colour, or the skin's key when it has none.
TColor ImageKey(const TImageList& list) {
  return list.BkColor() == clNone ? kKeyColor : ColorToRGB(list.BkColor());
}

// Image `index` of `list` on its key colour.
void TakeImage(const TImageList& list, int index, TBitmap& image) {
  image.SetSize(list.Width(), list.Height());
  image.Fill(ImageKey(list));
  list.Draw(*image.Canvas(), 0, 0, index);
}

}  // namespace

// --- geometry ---

bool TsBitBtn::Hot() const {
  return skinData_->ControlIsActive() || active_ || (default_ && IsDesigning());
}

TSize TsBitBtn::ContentGlyphSize() const {
  if (!glyph_.Empty()) return GlyphSize();
  if (images_ && imageIndex_ >= 0) return {images_->Width(), images_->Height()};
  return {};
}

unsigned TsBitBtn::CaptionFormat() const {
  return DrawTextBiDiModeFlags(DT_EXPANDTABS | AlignmentFlag(textAlignment_) |
                               (wordWrap_ ? unsigned{DT_WORDBREAK} : 0u));
}

TSize TsBitBtn::CaptionBlockSize(int availableWidth) {
  if (!showCaption_ || text_.empty()) return {};
  return MeasureTextBlock(CaptionFont(font_, *skinData_), text_, CaptionFormat(), availableWidth);
}

TButtonGeometry TsBitBtn::ContentGeometry() {
  const TSize glyph = ContentGlyphSize();
  int available = 0;
  if (showCaption_ && !text_.empty())
    available = width_ - 2 * margin_ - (glyph.cx != 0 ? glyph.cx + spacing_ : 0);
  const TSize text = CaptionBlockSize(std::max(0, available));
  TButtonGeometry g = PlaceGlyphAndText(ClientRect(), glyph, text, layout_, margin_, spacing_);

  // A centred block beside its glyph may instead lean on the left or the
  // right edge.
  const bool sideways = layout_ == TButtonLayout::blGlyphLeft || layout_ == TButtonLayout::blGlyphRight;
  if (sideways && margin_ < 0 && alignment_ != TAlignment::taCenter) {
    int left = width_, right = 0;
    for (const TRect& r : {g.GlyphRect, g.TextRect})
      if (r.Width() > 0) {
        left = std::min(left, r.Left);
        right = std::max(right, r.Right);
      }
    if (left < right) {
      const int dx = alignment_ == TAlignment::taLeftJustify ? -left : width_ - right;
      g.GlyphRect = g.GlyphRect.Offset(dx, 0);
      g.TextRect = g.TextRect.Offset(dx, 0);
    }
  }
  if (CurrentState() == TPaintState::Pressed) g.TextRect = g.TextRect.Offset(1, 1);
  if (pressed_ || down_) g.GlyphRect = g.GlyphRect.Offset(1, 1);
  return g;
}

// --- the cache ---

// A uniform colour of the parent that stands in for its picture: always
// when the parent has none, and where this button's look does not depend
// on where it stands.
TColor TsBitBtn::ParentBackgroundColor(const TCacheInfo& parentCache) const {
  TWinControl* parent = Parent();
  if (!parent) return kNoColor;
  if (!parentCache.Ready) return ColorToRGB(parent->Color());
  if (!skinData_->BgIsPositionDependent()) return GetParentColor(parent);
  return kNoColor;
}

void TsBitBtn::PrepareCache() {
  TsCommonData& data = *skinData_;
  if (!data.Skinned() || IsDestroying()) return;
  const TCacheInfo parentCache = data.GetParentCache();
  data.InitCacheBmp();
  TBitmap& cache = *data.CacheBmp;
  const TColor parentColor = ParentBackgroundColor(parentCache);
  const TPaintState state = CurrentState();
  const TRect whole{0, 0, width_, height_};

  PaintItemBG(data, {parentCache, parentColor}, cache, {.Rect = whole, .Offset = {left_, top_}, .State = state});
  if (regionChanged_) pendingShape_ = TRegion(whole);
  if (drawOverBorder_) PaintBorderMask(state, parentCache);
  const TButtonGeometry content = ContentGeometry();
  if (showCaption_) DrawSkinnedCaption(content.TextRect);
  DrawSkinnedGlyph(content.GlyphRect);
  if (!drawOverBorder_) PaintBorderMask(state, parentCache);
  if (!Enabled()) ApplyDisabledLook(parentColor);
  if (OnPaint) OnPaint(this, cache);
  data.BGChanged = false;
}

// The section's border over the whole cache; its corners' transparent
// pixels leave the window shape that is being made.
void TsBitBtn::PaintBorderMask(TPaintState state, const TCacheInfo& parentCache) {
  TsCommonData& data = *skinData_;
  TsSkinManager* manager = data.Manager();
  if (!manager || !manager->MaskIndexValid(data.BorderIndex)) return;
  const TsMaskData& entry = manager->Masks()[static_cast<size_t>(data.BorderIndex)];
  const TRect whole{0, 0, width_, height_};
  TCacheInfo under = parentCache;
  under.X += left_;
  under.Y += top_;
  PaintBorder(*data.CacheBmp, whole, TBorderCentre::Leave, TKeyPixels::Keep, state, entry, manager->MasterBitmap(),
              under);
  if (pendingShape_) pendingShape_ = pendingShape_->Subtract(CornerHoles(state));
}

// The corner pixels the window leaves to its parent.
TRegion TsBitBtn::CornerHoles(TPaintState state) const {
  const TsCommonData& data = *skinData_;
  TsSkinManager* manager = data.Manager();
  if (!manager || !manager->MaskIndexValid(data.BorderIndex)) return {};
  const TsMaskData& entry = manager->Masks()[static_cast<size_t>(data.BorderIndex)];
  return TransparentCorners({0, 0, width_, height_}, state, entry, manager->MasterBitmap());
}

// The caption in the section's colours; the disabled look is laid over
// the whole picture afterwards, so the text is drawn enabled here.
void TsBitBtn::DrawSkinnedCaption(const TRect& textRect) {
  if (text_.empty()) return;
  TsCommonData& data = *skinData_;
  TCanvas& canvas = *data.CacheBmp->Canvas();
  *canvas.Font() = CaptionFont(font_, data);
  canvas.Brush()->SetStyle(TBrushStyle::bsClear);
  const TContentLook look{.Enabled = true, .Hot = Hot() || down_};
  WriteTextEx(canvas, text_, look, data, CaptionFormat() | DT_VCENTER, textRect);
  const TsGeneralData* section = data.Section();
  if (Enabled() && Focused() && section && section->ShowFocus && showFocus_ && showCaption_)
    DrawFocusRectEx(canvas, textRect.Inflate(focusMargin_, focusMargin_), look, data);
}

void TsBitBtn::DrawSkinnedGlyph(const TRect& glyphRect) {
  if (!glyph_.Empty()) {
    int disabledKind = 0;
    if (disabledGlyphKind_.Contains(dgBlended)) disabledKind |= kGlyphDisabledBlend;
    if (disabledGlyphKind_.Contains(dgGrayed)) disabledKind |= kGlyphDisabledGray;
    DrawGlyphEx(glyph_, *skinData_->CacheBmp, glyphRect,
                {.Look = {.Enabled = Enabled(), .Hot = Hot()},
                 .Blend = blend_,
                 .Grayed = grayed_,
                 .DisabledKind = disabledKind,
                 .GlyphCount = numGlyphs_});
    return;
  }
  if (images_ && imageIndex_ >= 0 && imageIndex_ < images_->Count()) DrawImageListGlyph(glyphRect);
}

// An image of the list, mixed with the background by the glyph settings:
// grey while not hot when Grayed, see-through by Blend while not hot, and
// by the disabled-glyph kind when disabled.
void TsBitBtn::DrawImageListGlyph(const TRect& glyphRect) {
  TBitmap& cache = *skinData_->CacheBmp;
  TBitmap image;
  TakeImage(*images_, imageIndex_, image);
  const TColor key = ImageKey(*images_);
  const TRect all{0, 0, image.Width(), image.Height()};
  const int x = glyphRect.Left, y = glyphRect.Top;
  auto copy = [&] { CopyTransparent(cache, image, x, y, key, all, TKeyPixels::Keep, TCacheInfo{}); };
  if (Enabled()) {
    const bool hot = Hot();
    if (!hot && grayed_) Grayscale(image, key);
    if (hot || blend_ < 1)
      copy();
    else
      BlendTransparent(cache, x, y, key, blend_ / 100.0, all, image);
    return;
  }
  if (disabledGlyphKind_.Contains(dgGrayed)) Grayscale(image, key);
  if (disabledGlyphKind_.Contains(dgBlended))
    BlendTransparent(cache, x, y, key, 0.5, all, image);
  else
    copy();
}

void TsBitBtn::ApplyDisabledLook(TColor parentColor) {
  int flags = 0;
  if (disabledKind_.Contains(dkGrayed)) flags |= kDisabledGray;
  if (disabledKind_.Contains(dkBlended)) flags |= kDisabledMix;
  if (!flags) return;
  // The parent's picture as it is now: it may have been rebuilt while this
  // button drew its own.
  const TCacheInfo under = disabledKind_.Contains(dkBlended) ? skinData_->GetParentCache() : TCacheInfo{};
  const TColor parentOwn = Parent() ? Parent()->Color() : color_;
  DisabledLook(*skinData_->CacheBmp, flags, parentOwn, {left_, top_}, {under, parentColor});
}

// --- the window ---

void TsBitBtn::PaintButton(HDC given) {
  TPaintCycle cycle(*this, given);
  HDC dc = cycle.Dc();
  if (!dc) return;
  TDCStateGuard keep(dc);
  TsCommonData& data = *skinData_;
  data.Updating = data.IsUpdating();
  // A parent still building its picture repaints its children after it;
  // a running fade shows its own frames.
  if (data.Updating || Fading()) return;

  // The cache always holds the whole picture, so neither this button nor
  // its parent lying partly outside the window makes it stale.
  if (parent_) {
    const TRect client = parent_->ClientRect();
    data.HalfVisible = left_ < client.Left || top_ < client.Top || left_ + width_ > client.Right ||
                       top_ + height_ > client.Bottom;
  }
  if (spacing_ != lastSpacing_) {
    data.BGChanged = true;
    lastSpacing_ = spacing_;
  }
  const TPaintState state = CurrentState();
  if ((data.BGChanged || IsDesigning()) && (!data.KeepCache || state != TPaintState::Normal)) PrepareCache();
  if (!data.CacheBmp) return;
  if (regionChanged_) ApplyWindowShape(dc, state);
  CopyCacheToDC(data, {0, 0}, {0, 0}, TCacheCorners::AsCached, dc, ClientRect());
}

// The border's corners are brought up to date with the parent and put on
// the screen first, then the window takes the shape made with the cache.
void TsBitBtn::ApplyWindowShape(HDC dc, TPaintState state) {
  TsCommonData& data = *skinData_;
  RefreshCorners(*skinData_, state, kAllCorners);
  TsSkinManager* manager = data.Manager();
  if (manager && data.BorderIndex > 0 && manager->MaskIndexValid(data.BorderIndex)) {
    const TsMaskData& entry = manager->Masks()[static_cast<size_t>(data.BorderIndex)];
    const int wl = std::max<int>(0, entry.WL), wt = std::max<int>(0, entry.WT);
    const int wr = std::max<int>(0, entry.WR), wb = std::max<int>(0, entry.WB);
    TCanvas source(data.CacheBmp.get());
    for (const TRect& r : {TRect{0, 0, wl, wt}, TRect{width_ - wr, 0, width_, wt}, TRect{0, height_ - wb, wl, height_},
                           TRect{width_ - wr, height_ - wb, width_, height_}})
      BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), source.Handle(), r.Left, r.Top, SRCCOPY);
  }
  if (IsDesigning() || controlState_.Contains(csAlignmentNeeded)) return;
  if (pendingShape_) SetWindowRgn(Handle(), std::move(*pendingShape_), false);
  pendingShape_.reset();
  regionChanged_ = false;
}

// --- the framework's glyph from the image list ---

bool TsBitBtn::GlyphFromImages() const { return images_ && images_->Count() > 0; }

// Without a skin the framework draws the glyph: the image, and beside it
// the disabled frame (half over the button face, or grey, or as it is).
void TsBitBtn::RebuildGlyphFromImages() {
  if (skinData_->Skinned() || (IsLoading() && IsDesigning())) return;
  if (!images_ || imageIndex_ < 0 || imageIndex_ >= images_->Count()) return;
  const int w = images_->Width(), h = images_->Height();
  const TColor key = ImageKey(*images_);
  TBitmap strip(2 * w, h);
  strip.Fill(key);
  images_->Draw(*strip.Canvas(), 0, 0, imageIndex_);
  if (disabledGlyphKind_.Empty()) {
    images_->Draw(*strip.Canvas(), w, 0, imageIndex_);
  } else {
    TBitmap image;
    TakeImage(*images_, imageIndex_, image);
    FillRect(strip.Canvas()->Handle(), {w, 0, 2 * w, h}, clBtnFace);
    if (disabledGlyphKind_.Contains(dgGrayed)) Grayscale(image, key);
    const TRect all{0, 0, w, h};
    if (disabledGlyphKind_.Contains(dgBlended))
      BlendTransparent(strip, w, 0, key, 0.5, all, image);
    else
      CopyTransparent(strip, image, w, 0, key, all, TKeyPixels::Keep, TCacheInfo{});
  }
  SetGlyph(strip);
  SetNumGlyphs(2);
  glyph_.SetTransparentColor(key);
}
