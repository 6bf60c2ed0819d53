#include "skin/pixels/sMaskDraw.h"

#include <algorithm>
#include <cstdint>

#include "skin/pixels/sMaskPieces.h"

using namespace mask_pieces;

namespace {

// Corners are mixed through their mask as it is; the repeated edge and
// middle pieces take the lighter reading of the mask.
constexpr TMaskMode kCornerMode = TMaskMode::AsIs;
constexpr TMaskMode kEdgeMode = TMaskMode::Lighter;

// One entry's frames. A count of none, or frames that come out empty,
// leave it invalid; a negative MaskType reads as no mask.
struct TFrames {
  i64 Left = 0, Top = 0, FW = 0, FH = 0;
  int Count = 0;
  bool Masked = false;
  bool Valid() const { return Count > 0 && FW > 0 && FH > 0; }
  i64 FrameLeft(TPaintState state) const { return Left + std::clamp(StateNumber(state), 0, Count - 1) * FW; }
};

// The rows between a picture pixel and its mask pixel.
i64 MaskDistance(const TsMaskData& e) {
  return (i64{e.R.Bottom} - e.R.Top) / (std::max<i64>(0, e.MaskType) + 1);
}

TFrames FramesOf(const TsMaskData& e) {
  TFrames f;
  if (e.ImageCount <= 0) return f;
  f.Left = e.R.Left;
  f.Top = e.R.Top;
  f.Count = e.ImageCount;
  f.FW = (i64{e.R.Right} - e.R.Left) / e.ImageCount;
  f.FH = MaskDistance(e);
  f.Masked = e.MaskType > 0;
  return f;
}

// The bitmap an entry's rectangle refers to.
TBitmap* SourceOf(const TsMaskData& e, TBitmap* master) { return e.Bmp ? e.Bmp.get() : master; }

}  // namespace

void DrawMasked(const TRect& dstRect, const TRect& srcRect, TBitmap& target, const TsMaskData& entry,
                TMaskMode mode, TColor key, TBitmap& src, const TCacheInfo* keyFill) {
  const TBox d = BoxOf(dstRect);
  const TBox s = BoxOf(srcRect);
  const i64 maskDy = MaskDistance(entry);
  if (maskDy <= 0) return;
  const TPiece p{d.L, d.T, s.L, s.T, std::min(d.W(), s.W()), std::min(d.H(), s.H())};
  MaskedPiece(target, src, p, maskDy, mode, key, keyFill);
}

void DrawSkinGlyph(TBitmap& target, TPoint point, TPaintState state, const TsMaskData& entry, TBitmap* master,
                   TMaskMode mode) {
  TBitmap* src = SourceOf(entry, master);
  const TFrames f = FramesOf(entry);
  if (!src || !f.Valid()) return;
  // Cutting the piece to the target takes the leading rows and columns off
  // the frame where the point lies left of or above it.
  const TPiece p{point.X, point.Y, f.FrameLeft(state), f.Top, f.FW, f.FH};
  // An own bitmap without a mask half has nothing below its picture to mix
  // through, so it is drawn by the key colour like a master-bitmap image.
  if (f.Masked)
    MaskedPiece(target, *src, p, f.FH, mode, kKeyColor, nullptr);
  else if (mode == TMaskMode::AsIs)
    KeyedPiece(target, *src, p, TKeyPixels::Keep, TCacheInfo{});
  else
    HalfBlendPiece(target, *src, p);
}

void PaintBorder(TBitmap& target, const TRect& rect, TBorderCentre centre, TKeyPixels cornerKeys,
                 TPaintState state, const TsMaskData& entry, TBitmap* master, const TCacheInfo& cache) {
  const TBox r = BoxOf(rect);
  if (r.W() < 2 || r.H() < 2) return;
  TBitmap* src = SourceOf(entry, master);
  const TFrames f = FramesOf(entry);
  if (!src || !f.Valid()) return;

  // A rectangle too small for both borders takes the excess from both alike.
  i64 wl = std::max<i64>(0, entry.WL), wr = std::max<i64>(0, entry.WR);
  i64 wt = std::max<i64>(0, entry.WT), wb = std::max<i64>(0, entry.WB);
  if (r.W() < wl + wr) {
    const i64 x = (wl + wr - r.W()) / 2;
    wl = std::max<i64>(0, wl - x);
    wr = std::max<i64>(0, wr - x);
  }
  if (r.H() < wt + wb) {
    const i64 y = (wt + wb - r.H()) / 2;
    wt = std::max<i64>(0, wt - y);
    wb = std::max<i64>(0, wb - y);
  }
  const i64 fx = f.FrameLeft(state), fy = f.Top;
  const i64 sw = std::max<i64>(0, f.FW - wl - wr);
  const i64 sh = std::max<i64>(0, f.FH - wt - wb);

  // Where the nine pieces come from in the frame and go in the target.
  const TPiece topLeft{r.L, r.T, fx, fy, wl, wt};
  const TPiece topRight{r.R - wr, r.T, fx + f.FW - wr, fy, wr, wt};
  const TPiece bottomLeft{r.L, r.B - wb, fx, fy + f.FH - wb, wl, wb};
  const TPiece bottomRight{r.R - wr, r.B - wb, fx + f.FW - wr, fy + f.FH - wb, wr, wb};
  struct TSpread {
    TBox Area;    // the part of the target it covers
    TBox Source;  // the middle piece of the frame it repeats or stretches
  };
  const TSpread left{{r.L, r.T + wt, r.L + wl, r.B - wb}, {fx, fy + wt, fx + wl, fy + wt + sh}};
  const TSpread right{{r.R - wr, r.T + wt, r.R, r.B - wb}, {fx + f.FW - wr, fy + wt, fx + f.FW, fy + wt + sh}};
  const TSpread top{{r.L + wl, r.T, r.R - wr, r.T + wt}, {fx + wl, fy, fx + wl + sw, fy + wt}};
  const TSpread bottom{{r.L + wl, r.B - wb, r.R - wr, r.B}, {fx + wl, fy + f.FH - wb, fx + wl + sw, fy + f.FH}};
  const TSpread middle{{r.L + wl, r.T + wt, r.R - wr, r.B - wb}, {fx + wl, fy + wt, fx + wl + sw, fy + wt + sh}};
  const auto repeat = [&](const TSpread& piece, bool masked, TMaskMode mode) {
    Repeat(target, TTile{src, piece.Source, masked, f.FH, mode}, piece.Area, piece.Area.L, piece.Area.T);
  };

  // The pieces go on in this order; a later one may overlap an earlier one
  // where the rectangle is small.
  const auto inBorderOrder = [&](const auto& corner, const auto& edge) {
    corner(topLeft);
    edge(left);
    edge(top);
    corner(bottomLeft);
    edge(bottom);
    corner(bottomRight);
    corner(topRight);
    edge(right);
  };

  if (f.Masked) {
    const TCacheInfo* keyFill = cache.Ready ? &cache : nullptr;
    const auto corner = [&](const TPiece& p) { MaskedPiece(target, *src, p, f.FH, kCornerMode, kKeyColor, keyFill); };
    const auto edge = [&](const TSpread& piece) { repeat(piece, true, kEdgeMode); };
    inBorderOrder(corner, edge);
    if (centre == TBorderCentre::Fill) edge(middle);
    return;
  }

  const auto corner = [&](const TPiece& p) { KeyedPiece(target, *src, p, cornerKeys, cache); };
  const auto edge = [&](const TSpread& piece) {
    if (entry.StretchMode != 0)
      Stretch(target, *src, piece.Area, piece.Source, piece.Area);
    else
      repeat(piece, false, TMaskMode::AsIs);
  };
  inBorderOrder(corner, edge);
  // A border width of its own means the picture is a frame only; its middle
  // is not meant to be seen.
  if (centre == TBorderCentre::Fill && entry.BorderWidth == 0) edge(middle);
}

void FillWithTexture(TBitmap& target, TRect& rect, const TBitmap* ownBmp, TTextureMode mode,
                     const TsMaskData* entry, TBitmap* master) {
  const TBox area = BoxOf(rect);
  if (area.Empty()) return;

  // When nothing of the texture reaches the target, the caller keeps the
  // whole rectangle to fill some other way.
  if (ownBmp && !ownBmp->Empty()) {
    if (Repeat(target, TTile{ownBmp, BoundsOf(*ownBmp)}, area, area.L, area.T)) rect = TRect{};
    return;
  }
  if (!entry) return;
  const bool own = entry->Bmp && !entry->Bmp->Empty();
  TBitmap* src = own ? entry->Bmp.get() : master;
  if (!src) return;
  TTile tile{src, own ? BoundsOf(*src) : BoxOf(entry->R)};
  if (entry->MaskType > 0) {
    // The picture half of the first frame, mixed through the mask below it.
    const TFrames f = FramesOf(*entry);
    if (!f.Valid()) return;
    tile = TTile{src, {f.Left, f.Top, f.Left + f.FW, f.Top + f.FH}, true, f.FH, TMaskMode::AsIs};
  }
  if (tile.Box.Empty()) return;
  if (own) {
    if (Repeat(target, tile, area, area.L, area.T)) rect = TRect{};
    return;
  }

  const auto stretch = [&](const TBox& dst, const TBox& clip) {
    return tile.Masked ? StretchMasked(target, *src, dst, tile.Box, tile.MaskDy, clip)
                       : Stretch(target, *src, dst, tile.Box, clip);
  };
  const i64 tw = tile.Box.W(), th = tile.Box.H();
  TBox left;  // what stays uncovered; empty for the modes that cover all
  bool drew = false;
  switch (mode) {
    case TTextureMode::Stretch:
      drew = stretch(area, area);
      break;
    case TTextureMode::TopRow:
    case TTextureMode::StretchTop: {
      const TBox strip{area.L, area.T, area.R, std::min(area.T + th, area.B)};
      drew = mode == TTextureMode::TopRow ? Repeat(target, tile, strip, area.L, area.T)
                                          : stretch({area.L, area.T, area.R, area.T + th}, strip);
      left = {area.L, strip.B, area.R, area.B};
      break;
    }
    case TTextureMode::LeftColumn:
    case TTextureMode::StretchLeft: {
      const TBox strip{area.L, area.T, std::min(area.L + tw, area.R), area.B};
      drew = mode == TTextureMode::LeftColumn ? Repeat(target, tile, strip, area.L, area.T)
                                              : stretch({area.L, area.T, area.L + tw, area.B}, strip);
      left = {strip.R, area.T, area.R, area.B};
      break;
    }
    case TTextureMode::BottomRow: {
      // Anchored at the bottom: in a rectangle lower than a tile, the
      // tile's lower part shows.
      const TBox strip{area.L, std::max(area.B - th, area.T), area.R, area.B};
      drew = Repeat(target, tile, strip, area.L, area.B - th);
      left = {area.L, area.T, area.R, strip.T};
      break;
    }
    case TTextureMode::RightColumn: {
      const TBox strip{std::max(area.R - tw, area.L), area.T, area.R, area.B};
      drew = Repeat(target, tile, strip, area.R - tw, area.T);
      left = {area.L, area.T, strip.L, area.B};
      break;
    }
    default:
      // Tile and Overlay repeat the tile over everything. The modes a skin
      // may name without a drawing of their own (8, 9, 11 to 14), and numbers
      // no skin should hold, are drawn the same way: a texture that shows is
      // better than a hole of the background colour.
      drew = Repeat(target, tile, area, area.L, area.T);
      break;
  }
  if (drew) rect = left.Empty() ? TRect{} : RectOf(left);
}
