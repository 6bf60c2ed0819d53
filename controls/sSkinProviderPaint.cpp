// The skinned frame's picture: the whole window is drawn into the frame's
// cache (borders from the frame's section, the title band from the title's,
// the caption buttons, the icon and the caption), and the frame parts of it
// are copied to the window. Where the skin is silent (no frame section, no
// title section, no button images) the plain frame's parts stand in.
#include <algorithm>

#include "controls/sFrameRegion.h"
#include "controls/sSkinProvider.h"
#include "framework/components/Forms.h"
#include "framework/components/Windows.h"
#include "framework/graphics/Canvas.h"
#include "skin/pixels/sMaskDraw.h"
#include "skin/sContentPaint.h"
#include "skin/sItemPaint.h"
#include "skin/sSkinManager.h"

namespace {

constexpr const char* kDefaultTitleSection = "FORMTITLE";
// The caption's text starts this far right of the border (and the icon).
constexpr int kCaptionIndent = 4;
// Room kept between the caption's text and the caption buttons.
constexpr int kCaptionButtonsGap = 6;
// The system's caption font is this high (character height, in pixels).
constexpr int kCaptionFontHeight = -13;

// The title's font at the skin's font scale, as far as the caption holds it:
// the caption is the system's height whatever the skin (the client area
// stays where the framework put it), so a larger scale stops where the
// text's cell, one pixel clear above and below, fills the caption (never
// below the system's font for it).
void ScaleTitleFont(TCanvas& canvas, int scale, int captionHeight) {
  if (scale == 100) return;
  const int unscaled = canvas.Font()->Height();
  int height = ScaledFontHeight(unscaled, scale);
  canvas.Font()->SetHeight(height);
  while (height < unscaled && canvas.TextHeight("W") > captionHeight - 2) canvas.Font()->SetHeight(++height);
}

TPaintState LookOf(bool active) { return active ? TPaintState::Hot : TPaintState::Normal; }

unsigned AlignmentFlags(TAlignment a) {
  switch (a) {
    case TAlignment::taRightJustify: return DT_RIGHT;
    case TAlignment::taCenter: return DT_CENTER;
    default: return DT_LEFT;
  }
}

// The plain frame's border, for skins without a frame section.
void PaintPlainBorder(TBitmap& image, const TFrameMetrics& metrics) {
  image.Fill(clBtnFace);
  HDC dc = image.Canvas()->Handle();
  TRect r{0, 0, image.Width(), image.Height()};
  if (metrics.BorderWidth > 0 || metrics.BorderHeight > 0) DrawEdge(dc, r, EDGE_RAISED, BF_RECT);
}

// The plain caption band, for skins with neither a frame nor a title section.
void PaintPlainTitle(TBitmap& image, const TRect& band, bool active) {
  HDC dc = image.Canvas()->Handle();
  FillRect(dc, band, active ? clActiveCaption : clInactiveCaption);
}

}  // namespace

std::string TsSkinProvider::TitleSection() const { return titleSkin_.empty() ? kDefaultTitleSection : titleSkin_; }

int TsSkinProvider::TitleSkinIndex() const {
  const TsSkinManager* manager = skinData_->Manager();
  return manager ? manager->FindSection(TitleSection()) : -1;
}

int TsSkinProvider::ImageOf(TCaptionButton button) const {
  const TsSkinManager* manager = skinData_->Manager();
  const TWindowState state = form_ ? form_->WindowState() : TWindowState::wsNormal;
  // The button that undoes the window's state shows the restore image.
  const bool restores = (button == TCaptionButton::Maximize && state == TWindowState::wsMaximized) ||
                        (button == TCaptionButton::Minimize && state == TWindowState::wsMinimized);
  if (restores && manager) {
    const int restore = ResolveRestoreImage(*manager, skinData_->SkinIndex, skinData_->SkinSection());
    if (restore >= 0) return restore;
  }
  switch (button) {
    case TCaptionButton::Close: return images_.Close;
    case TCaptionButton::Maximize: return images_.Maximize;
    case TCaptionButton::Minimize: return images_.Minimize;
    case TCaptionButton::Help: return images_.Help;
  }
  return -1;
}

TCaptionButtonsLayout TsSkinProvider::CaptionLayout() const {
  std::array<int, kCaptionButtonCount> images{};
  for (TCaptionButton b : kCaptionButtonsFromRight) images[static_cast<size_t>(b)] = ImageOf(b);
  // The close button's image gives every button its height, also where
  // only the window's state changed which image the others show.
  images[static_cast<size_t>(TCaptionButton::Close)] = images_.Close;
  const int width = form_ ? form_->Width() : 0;
  return LayOutCaptionButtons(skinData_->Manager(), images, ShownItems(), Metrics(), width, titleButtons_.Count(),
                              images_.TitleButton);
}

TRect TsSkinProvider::TitleIconBounds() const {
  return TitleIconRect(Metrics(), showAppIcon_ && !titleIcon_.Glyph()->Empty());
}

bool TsSkinProvider::FramePaintSuppressed() const {
  return !form_ || !form_->HandleAllocated() || !form_->Visible() || form_->IsLoading() || form_->IsDestroying() ||
         skinData_->IsUpdating() || skinData_->Painting;
}

void TsSkinProvider::PrepareFrame() {
  framePrepared_ = true;
  if (!form_ || !form_->HandleAllocated() || form_->BorderStyle() == TFormBorderStyle::bsNone) return;
  const TsSkinManager* manager = skinData_->Manager();
  if (!manager) return;
  const TSize window{form_->Width(), form_->Height()};
  const TBitmap* master = manager->MasterBitmap();
  std::vector<TRect> runs;
  if (manager->MaskIndexValid(skinData_->BorderIndex)) {
    const TsMaskData& border = manager->Masks()[static_cast<size_t>(skinData_->BorderIndex)];
    CollectCornerRuns(runs, border, master, window, TCornerRows::Top);
    CollectCornerRuns(runs, border, master, window, TCornerRows::Bottom);
  }
  if (const int title = TitleSkinIndex(); title >= 0) {
    const int titleBorder = manager->FindMask(title, TitleSection(), "BORDERSMASK");
    if (manager->MaskIndexValid(titleBorder))
      CollectCornerRuns(runs, manager->Masks()[static_cast<size_t>(titleBorder)], master, window, TCornerRows::Top);
  }
  shapeRunCount_ = static_cast<int>(runs.size());
  std::optional<TRegion> shape;
  if (!runs.empty()) shape = ShapeWithoutRuns(window, runs);
  // Reshaping a window repaints all of it: only when the shape changed.
  TRegion current;
  const bool hasShape = GetWindowRgn(form_->Handle(), &current) != 0;
  if (hasShape != shape.has_value() || (shape && !(current == *shape)))
    SetWindowRgn(form_->Handle(), std::move(shape), true);
}

void TsSkinProvider::UpdateFrameImage() {
  if (!form_ || !skinData_->BGChanged || skinData_->Painting) return;
  skinData_->Painting = true;
  try {
    BuildFrameImage();
  } catch (...) {
    skinData_->Painting = false;
    throw;
  }
  skinData_->Painting = false;
}

void TsSkinProvider::BuildFrameImage() {
  if (!skinData_->CacheBmp) skinData_->CacheBmp = std::make_unique<TBitmap>();
  TBitmap& image = *skinData_->CacheBmp;
  image.SetPixelFormat(TPixelFormat::pf24bit);
  image.SetSize(std::max(0, form_->Width()), std::max(0, form_->Height()));
  const TFrameMetrics metrics = Metrics();
  const TRect whole{0, 0, image.Width(), image.Height()};
  const bool caption = metrics.CaptionHeight > 0;
  const TsSkinManager* manager = skinData_->Manager();
  if (skinData_->Skinned() && !whole.IsEmpty()) {
    const TItemPlace place{whole, {}, LookOf(active_)};
    if (caption) {
      PaintItem(*skinData_, TCacheInfo{}, image, place);
    } else {
      PaintItemBG(*skinData_, TParentBackground{}, image, place);
      image.SetTransparentColor(kNoColor);
    }
  } else if (!whole.IsEmpty()) {
    PaintPlainBorder(image, metrics);
  }

  if (gripMode_ == TGripMode::gmRightBottom && manager) {
    const int global = manager->FindSection("GLOBALINFO");
    const int grip = manager->FindMask(global, "GLOBALINFO", "GRIPIMAGE");
    if (manager->MaskIndexValid(grip)) {
      const TsMaskData& entry = manager->Masks()[static_cast<size_t>(grip)];
      const TPoint at{image.Width() - metrics.BorderWidth - entry.FrameWidth(),
                      image.Height() - metrics.BorderHeight - entry.FrameHeight()};
      DrawSkinGlyph(image, at, TPaintState::Normal, entry, manager->MasterBitmap(), TMaskMode::AsIs);
    }
  }
  clientOffset_ = ClientOffsetInCache();

  if (caption) {
    const TCaptionButtonsLayout layout = CaptionLayout();
    PaintTitleBand(image, metrics, form_->WindowState() == TWindowState::wsMinimized);
    PaintCaptionButtons(image, layout);
    if (manager && skinData_->SkinIndex >= 0) {
      const int bar = manager->FindMask(skinData_->SkinIndex, skinData_->SkinSection(), "TITLEBAR");
      if (manager->MaskIndexValid(bar)) {
        const TsMaskData& entry = manager->Masks()[static_cast<size_t>(bar)];
        DrawSkinGlyph(image, {image.Width() - entry.FrameWidth(), 0}, LookOf(active_), entry,
                      manager->MasterBitmap(), TMaskMode::AsIs);
      }
    }
    PaintTitleIcon(image);
    PaintCaptionText(image, metrics, layout);
  }
  skinData_->BGChanged = false;
}

void TsSkinProvider::PaintTitleBand(TBitmap& image, const TFrameMetrics& metrics, bool minimized) {
  const TRect band{0, 0, image.Width(), minimized ? image.Height() : std::min(image.Height(), metrics.TitleBand())};
  if (band.IsEmpty()) return;
  const int title = TitleSkinIndex();
  if (title >= 0) {
    TsItemSkin item;
    item.Manager = skinData_->Manager();
    item.SkinIndex = title;
    item.Section = TitleSection();
    PaintItemByIndex(item, TCacheInfo{}, image, TItemPlace{band, {}, LookOf(active_)}, TBorderCentre::Leave);
  } else if (!skinData_->Skinned()) {
    PaintPlainTitle(image, TRect{metrics.BorderWidth, metrics.BorderHeight, image.Width() - metrics.BorderWidth,
                                 metrics.TitleBand()},
                    active_);
  }
}

void TsSkinProvider::PaintCaptionButtons(TBitmap& image, const TCaptionButtonsLayout& layout) {
  const TsSkinManager* manager = skinData_->Manager();
  for (TCaptionButton b : kCaptionButtonsFromRight) {
    const TRect& r = layout.Of(b);
    if (r.IsEmpty()) continue;
    const int index = ImageOf(b);
    const TPaintState state = buttonStates_[static_cast<size_t>(b)];
    const bool works = CaptionButtonWorks(Style(), b);
    if (manager && manager->MaskIndexValid(index)) {
      // An inactive window's buttons, and buttons that do nothing, are
      // drawn lighter.
      const TMaskMode mode = active_ && works ? TMaskMode::AsIs : TMaskMode::Lighter;
      DrawSkinGlyph(image, r.TopLeft(), state, manager->Masks()[static_cast<size_t>(index)], manager->MasterBitmap(),
                    mode);
      continue;
    }
    // A skin without this button's image: the plain button in its place.
    unsigned kind = b == TCaptionButton::Close      ? DFCS_CAPTIONCLOSE
                    : b == TCaptionButton::Minimize ? DFCS_CAPTIONMIN
                    : b == TCaptionButton::Maximize ? DFCS_CAPTIONMAX
                                                    : DFCS_CAPTIONHELP;
    if (state == TPaintState::Pressed) kind |= DFCS_PUSHED;
    if (!works) kind |= DFCS_INACTIVE;
    DrawFrameControl(image.Canvas()->Handle(), r, DFC_CAPTION, kind);
  }
  for (size_t k = 0; k < layout.TitleButtons.size() && static_cast<int>(k) < titleButtons_.Count(); ++k) {
    const TsTitleButton* button = titleButtons_[static_cast<int>(k)];
    const TRect& r = layout.TitleButtons[k];
    if (manager && manager->MaskIndexValid(button->MaskIndex))
      DrawSkinGlyph(image, r.TopLeft(), button->State, manager->Masks()[static_cast<size_t>(button->MaskIndex)],
                    manager->MasterBitmap(), active_ && button->Enabled() ? TMaskMode::AsIs : TMaskMode::Lighter);
    const TBitmap* glyph = button->Glyph();
    if (!glyph->Empty()) {
      const TRect at = TRect::FromBounds(r.Left + (r.Width() - glyph->Width()) / 2,
                                         r.Top + (r.Height() - glyph->Height()) / 2, glyph->Width(), glyph->Height());
      DrawGlyphEx(*glyph, image, at,
                  {.Look = {.Enabled = button->Enabled(), .Hot = button->State != TPaintState::Normal}});
    }
  }
}

void TsSkinProvider::PaintTitleIcon(TBitmap& image) {
  const TRect r = TitleIconBounds();
  if (r.IsEmpty()) return;
  TCanvas* canvas = image.Canvas();
  const TBitmap* glyph = titleIcon_.Glyph();
  StretchBlt(canvas->Handle(), r.Left, r.Top, r.Width(), r.Height(), const_cast<TBitmap*>(glyph)->Canvas()->Handle(),
             0, 0, glyph->Width(), glyph->Height(), SRCCOPY);
}

void TsSkinProvider::PaintCaptionText(TBitmap& image, const TFrameMetrics& metrics, const TCaptionButtonsLayout& layout) {
  TCanvas* canvas = image.Canvas();
  *canvas->Font() = *form_->Font();
  canvas->Font()->SetHeight(kCaptionFontHeight);
  TFontStyles style = canvas->Font()->Style();
  style.Include(fsBold);
  canvas->Font()->SetStyle(style);
  if (skinData_->Skinned())
    ScaleTitleFont(*canvas, skinData_->Manager()->CommonSkinData.FontScale, metrics.CaptionHeight);

  const TRect icon = TitleIconBounds();
  const int left = metrics.BorderWidth + kCaptionIndent + (icon.IsEmpty() ? 0 : icon.Width());
  const int right = image.Width() - layout.RowWidth(image.Width(), metrics) - kCaptionButtonsGap;
  const TRect textRect{left, metrics.BorderHeight, right, metrics.TitleBand()};
  drawnCaption_ = FitCaption(form_->Caption(), textRect.Width(),
                             [canvas](const std::string& text) { return canvas->TextWidth(text); });
  cachedCaption_ = 0;
  if (drawnCaption_.empty()) return;

  // The title's own colours; the frame's where the skin has no title.
  TsCommonData colours(this, false);
  colours.SetSkinManager(skinData_->SkinManager());
  const int title = TitleSkinIndex();
  colours.SetSkinSection(title >= 0 ? TitleSection() : skinData_->SkinSection());
  const unsigned flags =
      form_->DrawTextBiDiModeFlags(AlignmentFlags(captionAlignment_) | DT_VCENTER | DT_EXPANDTABS | DT_SINGLELINE);
  if (!colours.Skinned()) canvas->Font()->SetColor(active_ ? clCaptionText : clInactiveCaptionText);
  WriteTextEx(*canvas, drawnCaption_, {.Enabled = true, .Hot = active_}, colours, flags, textRect);
}

void TsSkinProvider::PaintFrame() {
  if (!form_ || !form_->HandleAllocated()) return;
  SetSystemMenuStyle(false);
  if (!framePrepared_) PrepareFrame();
  UpdateFrameImage();
  HDC dc = GetWindowDC(form_->Handle());
  if (!dc) return;
  try {
    PaintFrameTo(dc);
  } catch (...) {
    ReleaseDC(form_->Handle(), dc);
    throw;
  }
  ReleaseDC(form_->Handle(), dc);
}

void TsSkinProvider::PaintFrameTo(HDC dc) {
  const TBitmap* image = skinData_->CacheBmp.get();
  if (!image || image->Width() == 0) return;
  const int w = image->Width(), h = image->Height();
  const TPoint client = clientOffset_;
  const TFrameMetrics metrics = Metrics();
  const bool minimized = form_->WindowState() == TWindowState::wsMinimized;
  HDC src = const_cast<TBitmap*>(image)->Canvas()->Handle();
  // The title strip, the left border, the bottom border, the right border.
  const TRect parts[] = {
      {0, 0, w, minimized ? h : client.Y},
      {0, client.Y, metrics.BorderWidth, h - metrics.BorderHeight},
      {0, h - metrics.BorderHeight, w, h},
      {w - metrics.BorderWidth, client.Y, w, h - metrics.BorderHeight},
  };
  for (const TRect& r : parts)
    if (!r.IsEmpty()) BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), src, r.Left, r.Top, SRCCOPY);
  // A fade of the caption buttons shows its frame over the finished title.
  if (fadeTimer_ && fadeFrame_ && fadeFrame_->Width() == fadeRect_.Width() && fadeFrame_->Height() == fadeRect_.Height())
    BitBlt(dc, fadeRect_.Left, fadeRect_.Top, fadeRect_.Width(), fadeRect_.Height(), fadeFrame_->Canvas()->Handle(), 0, 0,
           SRCCOPY);
}
