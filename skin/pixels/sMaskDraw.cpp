#include "skin/pixels/sMaskDraw.h"

#include <algorithm>
#include <cstdint>
#include <vector>

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

bool IsKeyPixel(const uint8_t* p) { return p[0] == 0xFF && p[1] == 0 && p[2] == 0xFF; }

// Window shapes are in window coordinates; nothing beyond this can matter.
constexpr TBox kShapeLimits{-kMaxPictureSide, -kMaxPictureSide, kMaxPictureSide, kMaxPictureSide};

// The bitmap an entry's rectangle refers to.
TBitmap* SourceOf(const TsMaskData& e, TBitmap* master) { return e.Bmp ? e.Bmp.get() : master; }

// The border widths of an entry as they fit a rectangle: one too small for
// both borders takes the excess from both alike.
struct TBorderWidths {
  i64 L = 0, T = 0, R = 0, B = 0;
};

TBorderWidths FitBorders(const TBox& r, const TsMaskData& entry) {
  TBorderWidths w{std::max<i64>(0, entry.WL), std::max<i64>(0, entry.WT), std::max<i64>(0, entry.WR),
                  std::max<i64>(0, entry.WB)};
  if (r.W() < w.L + w.R) {
    const i64 x = (w.L + w.R - r.W()) / 2;
    w.L = std::max<i64>(0, w.L - x);
    w.R = std::max<i64>(0, w.R - x);
  }
  if (r.H() < w.T + w.B) {
    const i64 y = (w.T + w.B - r.H()) / 2;
    w.T = std::max<i64>(0, w.T - y);
    w.B = std::max<i64>(0, w.B - y);
  }
  return w;
}

// The four corner pieces of the state's frame and where they go over `r`.
struct TCorners {
  TPiece TopLeft, TopRight, BottomLeft, BottomRight;
};

TCorners CornersOf(const TBox& r, const TBorderWidths& w, const TFrames& f, TPaintState state) {
  const i64 fx = f.FrameLeft(state), fy = f.Top;
  return {{r.L, r.T, fx, fy, w.L, w.T},
          {r.R - w.R, r.T, fx + f.FW - w.R, fy, w.R, w.T},
          {r.L, r.B - w.B, fx, fy + f.FH - w.B, w.L, w.B},
          {r.R - w.R, r.B - w.B, fx + f.FW - w.R, fy + f.FH - w.B, w.R, w.B}};
}

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

  const TBorderWidths w = FitBorders(r, entry);
  const i64 wl = w.L, wt = w.T, wr = w.R, wb = w.B;
  const i64 fx = f.FrameLeft(state), fy = f.Top;
  const i64 sw = std::max<i64>(0, f.FW - wl - wr);
  const i64 sh = std::max<i64>(0, f.FH - wt - wb);

  // Where the nine pieces come from in the frame and go in the target.
  const TCorners corners = CornersOf(r, w, f, state);
  const TPiece& topLeft = corners.TopLeft;
  const TPiece& topRight = corners.TopRight;
  const TPiece& bottomLeft = corners.BottomLeft;
  const TPiece& bottomRight = corners.BottomRight;
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

TRegion TransparentCorners(const TRect& rect, TPaintState state, const TsMaskData& entry, TBitmap* master) {
  const TBox r = BoxOf(rect);
  TBitmap* src = SourceOf(entry, master);
  const TFrames f = FramesOf(entry);
  if (r.W() < 2 || r.H() < 2 || !src || !f.Valid()) return {};
  const TCorners c = CornersOf(r, FitBorders(r, entry), f, state);
  const TBox bounds = BoundsOf(*src);
  std::vector<TRect> holes;
  struct TSide {
    const TPiece& Piece;
    bool FromRight;  // the corner's outer edge is its right one
  };
  for (const TSide& side : {TSide{c.TopLeft, false}, TSide{c.BottomLeft, false}, TSide{c.TopRight, true},
                            TSide{c.BottomRight, true}}) {
    const TPiece& p = side.Piece;
    // Only the part of the piece that the source holds can be transparent;
    // coordinates stay wide until they are known to lie in the bitmap. A
    // row's run of key pixels counts only where it starts at the corner's
    // outer edge: key pixels inside the frame line belong to the control.
    const TBox piece{p.SrcX, p.SrcY, p.SrcX + p.W, p.SrcY + p.H};
    const TBox seen = piece.Cut(bounds);
    const i64 dx = p.DstX - p.SrcX, dy = p.DstY - p.SrcY;
    for (i64 y = seen.T; y < seen.B; ++y) {
      const uint8_t* row = src->ScanLine(static_cast<int>(y));
      i64 from = 0, to = 0;  // the run, in source columns [from, to)
      if (side.FromRight) {
        if (seen.R != piece.R) continue;  // the outer edge lies outside the source
        from = to = seen.R;
        while (from > seen.L && IsKeyPixel(row + (from - 1) * 3)) --from;
      } else {
        if (seen.L != piece.L) continue;
        from = to = seen.L;
        while (to < seen.R && IsKeyPixel(row + to * 3)) ++to;
      }
      const TBox hole = TBox{from + dx, y + dy, to + dx, y + dy + 1}.Cut(kShapeLimits);
      if (!hole.Empty()) holes.push_back(RectOf(hole));
    }
  }
  return TRegion::FromRects(holes);
}
