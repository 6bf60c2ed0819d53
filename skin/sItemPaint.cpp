#include "skin/sItemPaint.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/components/WinControl.h"
#include "framework/components/Windows.h"
#include "skin/pixels/sGradient.h"
#include "skin/pixels/sMaskPieces.h"
#include "skin/sCommonData.h"
#include "skin/sMessages.h"
#include "skin/sSkinManager.h"

bool GraphicControlsPaintedSeparately = false;

namespace {

// The properties a paint state reads from a section. A gradient text of
// " " (none) parses to no segments.
struct TPropertySet {
  TColor Color;
  int Transparency;
  int GradientPercent;
  const TsGradArray* Gradient;
  int ImagePercent;
};

TPropertySet SetFor(const TsGeneralData& s, TPaintState state) {
  if (state == TPaintState::Normal) return {s.Color, s.Transparency, s.GradientPercent, &s.GradientArray, s.ImagePercent};
  return {s.HotColor, s.HotTransparency, s.HotGradientPercent, &s.HotGradientArray, s.HotImagePercent};
}

// A texture for the fill: an image entry of the mask table, or a picture
// of the pattern table.
struct TTexture {
  const TsMaskData* Entry = nullptr;
  TBitmap* Master = nullptr;  // what Entry is cut from
  TBitmap* Pattern = nullptr;
  bool Found() const { return Entry || Pattern; }
};

TTexture ResolveTexture(const TsSkinManager& m, int skinIndex, const std::string& section, int given, bool hot) {
  const char* role = hot ? "HOTPATTERN" : "PATTERN";
  if (m.MaskIndexValid(given) && m.Masks()[static_cast<size_t>(given)].MaskType == 0)
    return {&m.Masks()[static_cast<size_t>(given)], m.MasterBitmap(), nullptr};
  if (given == -1) {
    const int found = m.FindMask(skinIndex, section, role);
    if (m.MaskIndexValid(found)) return {&m.Masks()[static_cast<size_t>(found)], m.MasterBitmap(), nullptr};
  }
  const int pattern = m.FindPattern(skinIndex, section, role);
  if (pattern >= 0 && pattern < static_cast<int>(m.Patterns().size())) {
    const auto& img = m.Patterns()[static_cast<size_t>(pattern)].Img;
    if (img && !img->Empty()) return {nullptr, nullptr, img->Bitmap()};
  }
  return {};
}

// One row of the colour is made once and copied into every row: plain
// block copies instead of three byte stores a pixel.
void FillColor(TBitmap& b, const TRect& r, TColor c) {
  const TColor rgb = ColorToRGB(c);
  const TRect clipped = r.Intersect({0, 0, b.Width(), b.Height()});
  if (clipped.IsEmpty()) return;
  std::vector<uint8_t> row(static_cast<size_t>(clipped.Width()) * 3);
  for (size_t i = 0; i < row.size(); i += 3) {
    row[i] = GetBValue(rgb);
    row[i + 1] = GetGValue(rgb);
    row[i + 2] = GetRValue(rgb);
  }
  for (int y = clipped.Top; y < clipped.Bottom; ++y)
    std::memcpy(b.ScanLine(y) + static_cast<ptrdiff_t>(clipped.Left) * 3, row.data(), row.size());
  b.Touch();
}

uint8_t WeightOf(int percent) { return static_cast<uint8_t>(std::clamp(percent * 255 / 100, 0, 255)); }

// The section's own picture into `r` of `b`: texture, gradient and colour,
// each with its share. A known uniform parent colour stands in for a plain
// colour of a see-through section.
void FillBackground(TBitmap& b, TRect r, TColor c, const TPropertySet& set, int imagePercent,
                    const TTexture& texture, TColor parentColor) {
  bool drawn = false;
  const TRect whole = r;
  if (imagePercent > 0 && texture.Found()) {
    TRect left = r;
    if (texture.Pattern)
      FillWithTexture(b, left, texture.Pattern, TTextureMode::Tile, nullptr, nullptr);
    else
      FillWithTexture(b, left, nullptr, texture.Entry->TextureMode(), texture.Entry, texture.Master);
    drawn = true;
    if (!left.IsEmpty()) FillColor(b, left, c);
  }
  const int g = set.GradientPercent;
  if (g > 0) {
    if (drawn) {
      TBitmap gradient(whole.Width(), whole.Height());
      if (!set.Gradient->empty())
        PaintGradient(gradient, {0, 0, whole.Width(), whole.Height()}, *set.Gradient);
      else
        FillColor(gradient, {0, 0, whole.Width(), whole.Height()}, c);
      // The texture keeps the last column: the gradient is mixed over all
      // the others.
      BlendBitmaps(b, gradient, WeightOf(imagePercent), {whole.Left, whole.Top},
                   {0, 0, whole.Width() - 1, whole.Height()});
    } else if (!set.Gradient->empty()) {
      PaintGradient(b, whole, *set.Gradient);
    } else {
      FillColor(b, whole, c);
    }
  }
  const int share = g + imagePercent;
  if (share == 0) {
    FillColor(b, whole, parentColor != kNoColor && set.Transparency != 0 ? parentColor : c);
  } else if (share < 100) {
    BlendColorRect(b, {whole.Left, whole.Top, whole.Right - 1, whole.Bottom - 1}, share, c);
  }
}

// Copies `srcRect` of `src` to `dst` at `at`, pixel for pixel; whatever
// falls outside either bitmap is left out.
void CopyPixels(TBitmap& dst, TPoint at, const TBitmap& src, const TRect& srcRect) {
  mask_pieces::CopyPiece(dst, src, {at.X, at.Y, srcRect.Left, srcRect.Top, srcRect.Width(), srcRect.Height()});
}

// The parent's picture under the item: its uniform colour when one is
// known, else a copy from the parent's cache.
void PutParentBackground(TBitmap& target, const TRect& rect, const TParentBackground& parent, TPoint offset) {
  const TCacheInfo& cache = parent.Cache;
  if (parent.HasColor()) {
    FillColor(target, rect, parent.Color);
  } else if (cache.Bmp) {
    CopyPixels(target, {rect.Left, rect.Top}, *cache.Bmp,
               TRect::FromBounds(cache.X + offset.X, cache.Y + offset.Y, rect.Width(), rect.Height()));
  }
}

bool InsideBitmap(const TRect& r, const TBitmap& b) {
  return r.Left >= 0 && r.Top >= 0 && r.Right <= b.Width() && r.Bottom <= b.Height();
}

}  // namespace

void PaintItemBG(const TsItemSkin& item, const TParentBackground& parent, TBitmap& target, const TItemPlace& place) {
  TsSkinManager* manager = item.Manager ? item.Manager : DefaultManager;
  const TRect& rect = place.Rect;
  if (!manager || !manager->SectionIndexValid(item.SkinIndex) || rect.IsEmpty()) return;
  const TsGeneralData& s = manager->Sections()[static_cast<size_t>(item.SkinIndex)];
  const TPropertySet set = SetFor(s, place.State);
  const bool normal = place.State == TPaintState::Normal;
  const TColor c = item.CustomColor != kNoColor ? item.CustomColor : set.Color;
  int imagePercent = set.ImagePercent;
  TTexture tex;
  if (imagePercent > 0) {
    tex = ResolveTexture(*manager, item.SkinIndex, item.Section, normal ? item.Texture : item.HotTexture, !normal);
    if (!tex.Found()) imagePercent = 0;  // a missing texture leaves its share to the colour
  }

  const TCacheInfo& cache = parent.Cache;
  const int t = std::clamp(set.Transparency, 0, 100);
  if (!cache.Ready || t == 0) {
    FillBackground(target, rect, c, set, imagePercent, tex, parent.Color);
  } else if (t == 100) {
    if (&target != cache.Bmp) PutParentBackground(target, rect, parent, place.Offset);
    return;
  } else {
    TBitmap own(rect.Width(), rect.Height());
    FillBackground(own, {0, 0, rect.Width(), rect.Height()}, c, set, imagePercent, tex, parent.Color);
    if (&target != cache.Bmp) PutParentBackground(target, rect, parent, place.Offset);
    BlendBitmaps(target, own, WeightOf(t), {rect.Left, rect.Top}, {0, 0, rect.Width(), rect.Height()});
  }

  // A masked texture that is laid over the finished background.
  if (!normal) return;
  const TsMaskData* overlay = nullptr;
  for (int index : {item.Texture, item.HotTexture})
    if (!overlay && manager->MaskIndexValid(index) && manager->Masks()[static_cast<size_t>(index)].MaskType >= 1)
      overlay = &manager->Masks()[static_cast<size_t>(index)];
  if (overlay && overlay->TextureMode() == TTextureMode::Overlay) {
    TRect area = rect;
    FillWithTexture(target, area, nullptr, TTextureMode::Overlay, overlay, manager->MasterBitmap());
  }
}

void PaintItemBG(TsCommonData& data, const TParentBackground& parent, TBitmap& target, const TItemPlace& place) {
  // A control that keeps its own colour shows it instead of the section's;
  // a form frame's skin data belongs to the form it paints.
  TColor custom = kNoColor;
  if (data.CustomColor()) {
    if (data.OwnerControl)
      custom = ColorToRGB(data.OwnerControl->Color());
    else if (auto* form = dynamic_cast<TControl*>(data.OwnerObject ? data.OwnerObject->Owner() : nullptr))
      custom = ColorToRGB(form->Color());
  }
  PaintItemBG({data.Manager(), data.SkinIndex, data.SkinSection(), data.Texture, data.HotTexture, custom}, parent,
              target, place);
}

void PaintItem(TsCommonData& data, const TCacheInfo& parentCache, TBitmap& target, const TItemPlace& place,
               TBorderOptions border) {
  TsSkinManager* manager = data.Manager();
  const TRect& rect = place.Rect;
  if (!manager || !manager->SectionIndexValid(data.SkinIndex) || !InsideBitmap(rect, target)) return;

  // A uniform parent colour stands in for copying the parent's picture:
  // always when the parent has no picture, and where the item's own look
  // does not depend on where it stands.
  TColor parentColor = kNoColor;
  TWinControl* parent = data.OwnerControl ? data.OwnerControl->Parent() : nullptr;
  if (!parentCache.Ready && parent)
    parentColor = ColorToRGB(parent->Color());
  else if (parentCache.Ready && parent && !data.BgIsPositionDependent())
    parentColor = GetParentColor(parent);

  PaintItemBG(data, {parentCache, parentColor}, target, place);

  TCacheInfo shifted = parentCache;
  shifted.X += place.Offset.X;
  shifted.Y += place.Offset.Y;
  TBitmap* master = manager->MasterBitmap();
  if (manager->MaskIndexValid(data.BorderIndex))
    PaintBorder(target, rect, border.Centre, border.Corners, place.State,
                manager->Masks()[static_cast<size_t>(data.BorderIndex)], master, shifted);

  // Corner images; the bottom-left one always starts at the left edge.
  struct Corner {
    const char* Name;
    bool Right, Bottom;
  };
  for (const Corner& corner : {Corner{"IMGTOPLEFT", false, false}, Corner{"IMGTOPRIGHT", true, false},
                               Corner{"IMGBTMLEFT", false, true}, Corner{"IMGBTMRIGHT", true, true}}) {
    const int index = manager->FindMask(data.SkinIndex, data.SkinSection(), corner.Name);
    if (!manager->MaskIndexValid(index)) continue;
    const TsMaskData& m = manager->Masks()[static_cast<size_t>(index)];
    const int x = corner.Right ? rect.Right - m.FrameWidth() : (corner.Bottom ? 0 : rect.Left);
    const int y = corner.Bottom ? rect.Bottom - m.FrameHeight() : rect.Top;
    DrawSkinGlyph(target, {x, y}, place.State, m, master, TMaskMode::AsIs);
  }
}

void PaintItemByIndex(TsItemSkin item, const TCacheInfo& parentCache, TBitmap& target, const TItemPlace& place,
                      TBorderCentre centre) {
  if (!item.Manager) item.Manager = DefaultManager;
  TsSkinManager* manager = item.Manager;
  if (!manager || !manager->SectionIndexValid(item.SkinIndex)) return;
  if (item.Texture == -1) item.Texture = manager->FindMask(item.SkinIndex, item.Section, "PATTERN");
  if (item.HotTexture == -1) item.HotTexture = manager->FindMask(item.SkinIndex, item.Section, "HOTPATTERN");
  PaintItemBG(item, {parentCache, kNoColor}, target, place);
  const int border = manager->FindMask(item.SkinIndex, item.Section, "BORDERSMASK");
  if (manager->MaskIndexValid(border)) {
    TCacheInfo shifted = parentCache;
    shifted.X += place.Offset.X;
    shifted.Y += place.Offset.Y;
    PaintBorder(target, place.Rect, centre, TKeyPixels::Keep, place.State,
                manager->Masks()[static_cast<size_t>(border)], manager->MasterBitmap(), shifted);
  }
}

void PaintItemToDC(const TsItemSkin& item, const TCacheInfo& parentCache, HDC dc, const TItemPlace& place,
                   TBorderCentre centre) {
  const TRect& rect = place.Rect;
  if (!dc || rect.IsEmpty() || rect.Left < 0 || rect.Top < 0) return;
  TBitmap picture(rect.Width(), rect.Height());
  PaintItemByIndex(item, parentCache, picture, {{0, 0, rect.Width(), rect.Height()}, place.Offset, place.State},
                   centre);
  TCanvas canvas(&picture);
  BitBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), canvas.Handle(), 0, 0, SRCCOPY);
}

void RefreshCorners(TsCommonData& data, TPaintState state, int corners) {
  TsSkinManager* manager = data.Manager();
  TControl* owner = data.OwnerControl;
  if (!manager || !manager->MaskIndexValid(data.BorderIndex) || !data.CacheBmp || !owner || owner->Width() < 2 ||
      owner->Height() < 2)
    return;

  // The parent's background: its picture where it varies with position,
  // else one colour.
  TCacheInfo cache = data.GetParentCache();
  bool copyFromCache = false;
  TColor parentColor = kNoColor;
  if (TWinControl* parent = owner->Parent()) {
    if (!cache.Ready) {
      parentColor = ColorToRGB(parent->Color());
    } else if (AskSkinCommand(parent, SKC_GETPOSITIONDEPENDENT)) {
      copyFromCache = true;
      cache.X += owner->Left();
      cache.Y += owner->Top();
    } else {
      parentColor = GetParentColor(parent);
    }
  }

  TsMaskData entry = manager->Masks()[static_cast<size_t>(data.BorderIndex)];
  if (entry.ImageCount == 0 && entry.Bmp) {
    entry.ImageCount = 3;
    entry.MaskType = 1;
    entry.R = {0, 0, entry.Bmp->Width(), entry.Bmp->Height()};
  }
  const int w = owner->Width(), h = owner->Height();
  const int wl = std::max<int>(0, entry.WL), wt = std::max<int>(0, entry.WT);
  const int wr = std::max<int>(0, entry.WR), wb = std::max<int>(0, entry.WB);
  TRegion asked;
  if (corners & kCornerTopLeft) asked = asked.Union(TRect::FromBounds(0, 0, wl, wt));
  if (corners & kCornerBottomLeft) asked = asked.Union(TRect::FromBounds(0, h - wb, wl, wb));
  if (corners & kCornerTopRight) asked = asked.Union(TRect::FromBounds(w - wr, 0, wr, wt));
  if (corners & kCornerBottomRight) asked = asked.Union(TRect::FromBounds(w - wr, h - wb, wr, wb));

  // Only the corner pixels that let the parent through change with it; the
  // others, the frame line and whatever the art leaves to the control's own
  // background, are the control's picture and stay as the cache has them.
  const TRegion holes = TransparentCorners({0, 0, w, h}, state, entry, manager->MasterBitmap()).Intersect(asked);
  TBitmap& target = *data.CacheBmp;
  for (const TRect& r : holes.Rects()) {
    if (copyFromCache)
      CopyPixels(target, {r.Left, r.Top}, *cache.Bmp,
                 TRect::FromBounds(cache.X + r.Left, cache.Y + r.Top, r.Width(), r.Height()));
    else if (parentColor != kNoColor)
      FillColor(target, r, parentColor);
  }
}

void CopyCacheToDC(TsCommonData& data, TPoint sourceOrigin, TPoint childShift, TCacheCorners corners, HDC target,
                   const TRect& clip) {
  if (!target || !data.CacheBmp) return;
  if (corners == TCacheCorners::Refresh) RefreshCorners(data, TPaintState::Normal, kAllCorners);
  // A paint of the control's own window from the start of the cache may
  // find the window still showing it (a repaint of the parent, a refresh).
  const bool own = sourceOrigin == TPoint{0, 0} && childShift == TPoint{0, 0};
  if (PaintShowsPicture(target, own ? data.CacheBmp->Generation() : 0)) return;
  TDCStateGuard state(target);
  IntersectClipRect(target, clip.Left, clip.Top, clip.Right, clip.Bottom);
  if (auto* container = AsWindowed(data.OwnerControl)) {
    const bool designing = container->IsDesigning();
    for (int i = 0; i < container->ControlCount(); ++i) {
      TControl* child = container->Controls(i);
      if (!child->Visible()) continue;
      const bool graphic = !child->IsWindowed();
      if (graphic && GraphicControlsPaintedSeparately) continue;
      const TRect r = child->BoundsRect().Offset(childShift.X, childShift.Y);
      if (!r.Intersects(clip)) continue;
      if (child->ControlStyle().Contains(csOpaque) || graphic || designing)
        ExcludeClipRect(target, r.Left, r.Top, r.Right, r.Bottom);
    }
  }
  TCanvas source(data.CacheBmp.get());
  BitBlt(target, clip.Left, clip.Top, clip.Width(), clip.Height(), source.Handle(), sourceOrigin.X, sourceOrigin.Y,
         SRCCOPY);
}
