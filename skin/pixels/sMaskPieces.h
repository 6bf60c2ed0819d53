// Rectangular pieces of skin images: cutting them to the bitmaps, copying
// them, mixing them through a mask, repeating and stretching them. These are
// the building blocks of the skin's drawing (sMaskDraw, sItemPaint).
//
// Geometry is kept in wide integers until it is cut to a bitmap, because it
// is summed from image entries that may be damaged. Every step that draws
// answers whether any pixel was within reach.
#pragma once

#include <algorithm>
#include <cstdint>

#include "framework/base/Colors.h"
#include "framework/base/Types.h"
#include "framework/graphics/Bitmap.h"
#include "skin/pixels/sCacheInfo.h"
#include "skin/pixels/sDrawModes.h"
#include "skin/pixels/sGraphUtils.h"

namespace mask_pieces {

using i64 = long long;

// A rectangle in wide integers, right and bottom exclusive.
struct TBox {
  i64 L = 0, T = 0, R = 0, B = 0;
  i64 W() const { return R - L; }
  i64 H() const { return B - T; }
  bool Empty() const { return R <= L || B <= T; }
  TBox Cut(const TBox& o) const {
    return {std::max(L, o.L), std::max(T, o.T), std::min(R, o.R), std::min(B, o.B)};
  }
  bool Contains(const TBox& o) const { return o.L >= L && o.T >= T && o.R <= R && o.B <= B; }
};

inline TBox BoxOf(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
inline TBox BoundsOf(const TBitmap& bmp) { return {0, 0, bmp.Width(), bmp.Height()}; }
// Only for boxes already cut to a bitmap or to an int rectangle.
inline TRect RectOf(const TBox& b) {
  return {static_cast<int>(b.L), static_cast<int>(b.T), static_cast<int>(b.R), static_cast<int>(b.B)};
}

// W x H pixels from (SrcX, SrcY) of a source to (DstX, DstY) of the target.
struct TPiece {
  i64 DstX = 0, DstY = 0, SrcX = 0, SrcY = 0, W = 0, H = 0;
};

// Cuts a piece so that it lies inside the target and inside the source,
// with `below` more source rows needed under every copied row (where the
// mask is). Leading rows and columns that fall off either bitmap are cut
// from both sides, so what is left still lines up. False when nothing is.
bool CutPiece(TPiece& p, const TBitmap& target, const TBitmap& src, i64 below);

// Mixes a piece through the mask `maskDy` rows below its source (the rule
// and the modes of DrawMasked). Key pixels are skipped, or with a Ready
// `keyFill` take its pixel at keyFill + target position.
bool MaskedPiece(TBitmap& target, const TBitmap& src, TPiece p, i64 maskDy, TMaskMode mode, TColor key,
                 const TCacheInfo* keyFill);
// A plain block copy.
bool CopyPiece(TBitmap& target, const TBitmap& src, TPiece p);
// A copy without the key-coloured pixels; with TKeyPixels::FromCache they
// show a Ready cache's pixel at cache + target position instead.
bool KeyedPiece(TBitmap& target, TBitmap& src, TPiece p, TKeyPixels keys, const TCacheInfo& cache);
// Half source, half target (halves to even), key pixels left out.
bool HalfBlendPiece(TBitmap& target, TBitmap& src, TPiece p);

// A rectangle of a source to repeat: copied as it is, or mixed in `Mode`
// through the mask `MaskDy` rows below it, skipping the key colour.
struct TTile {
  const TBitmap* Src = nullptr;
  TBox Box;
  bool Masked = false;
  i64 MaskDy = 0;
  TMaskMode Mode = TMaskMode::AsIs;
};

// Repeats the tile over `area` of the target, the grid anchored at
// (originX, originY) (at or before the area's top-left); tiles at the far
// edges are cut to the area. Only the part inside the target is worked on.
bool Repeat(TBitmap& target, const TTile& tile, const TBox& area, i64 originX, i64 originY);

// One nearest-neighbour stretch of `srcBox` over `dst`, drawing only inside
// `clip` (target coordinates).
bool Stretch(TBitmap& target, TBitmap& src, const TBox& dst, const TBox& srcBox, const TBox& clip);
// The same for a picture mixed through its mask `maskDy` rows below it,
// stretched alike.
bool StretchMasked(TBitmap& target, TBitmap& src, const TBox& dst, const TBox& picture, i64 maskDy,
                   const TBox& clip);

}  // namespace mask_pieces
