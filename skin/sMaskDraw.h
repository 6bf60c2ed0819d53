// Drawing one image entry of the skin: a state frame as a glyph at a point,
// a nine-slice border over a rectangle, and a texture filling a rectangle.
//
// An entry is a rectangle R of the master bitmap (or of its own bitmap)
// holding ImageCount state frames side by side, each width(R) / ImageCount
// wide. With a mask (MaskType > 0) the picture half is the top
// height(R) / (MaskType + 1) rows and the mask half lies that many rows
// below it; a mask channel is the transparency of the same channel of the
// picture pixel (0 opaque, 255 transparent). Without a mask, pixels of the
// key colour 0xFF00FF are the transparent ones. Key-coloured picture pixels
// are skipped in both cases.
//
// Entries come from skin files and may be damaged: every coordinate is cut
// to the bitmaps, an entry whose frames come out empty draws nothing, and
// nothing here throws for bad geometry. Like the pixel helpers these run on
// the UI thread only.
#pragma once

#include "framework/base/Colors.h"
#include "framework/base/Types.h"
#include "framework/graphics/Bitmap.h"
#include "skin/sCacheInfo.h"
#include "skin/sGraphUtils.h"
#include "skin/sMaskData.h"

// How DrawMasked reads the mask: kMaskAsIs mixes by the mask as it is; any
// other mode lifts every mask value by 100 (at most 255) for the lighter,
// more see-through look of inactive captions.
inline constexpr int kMaskAsIs = 1;
inline constexpr int kMaskLighter = 2;

// Whether PaintBorder draws the middle of the nine-slice or leaves the
// background there.
enum class TBorderCentre { Leave, Fill };

// Mixes the picture pixels of `srcRect` in `src` into `target` at the
// top-left of `dstRect` through the mask half that lies FrameHeight() of
// `entry` rows below them: each channel becomes ((D - S) * M' + 256 * S) >> 8,
// held to 0..255, with M' = M in kMaskAsIs mode and min(M + 100, 255)
// otherwise. Picture pixels of `key` are skipped; with `keyFill` Ready they
// take the pixel (keyFill.X + x, keyFill.Y + y) of its bitmap instead, where
// (x, y) is the target position, when that lies inside it. Only as many rows
// and columns as the smaller rectangle has are drawn; whatever falls outside
// the target or the source (mask rows included) is cut off, leading rows and
// columns cut from the source as well.
void DrawMasked(const TRect& dstRect, const TRect& srcRect, TBitmap& target, const TsMaskData& entry, int mode,
                TColor key, TBitmap& src, const TCacheInfo* keyFill = nullptr);

// Draws the frame of paint state `state` (frame min(state, ImageCount - 1))
// with its top-left at `point`; negative coordinates cut leading rows or
// columns off the frame. The source is the entry's own bitmap, else its
// manager's master bitmap. With a mask the frame is mixed through it in
// `transparencyMode`; without one, mode 1 copies every pixel but the key
// colour and other modes mix half and half with the target
// (S - 0.5 * (S - D), halves to even), again leaving key pixels out.
void DrawSkinGlyph(TBitmap& target, TPoint point, int state, const TsMaskData& entry, int transparencyMode);

// Stretches the entry's frame for `state` over `rect` as a nine-slice:
// the WL x WT ... corners are copied, the edges between them and (with
// TBorderCentre::Fill) the middle are repeated. When the rectangle is
// narrower than WL + WR (lower than WT + WB) both widths give up the
// excess equally. With a mask, key pixels of the corners show the pixel of
// a Ready `cache` at the same target position (the parent's background),
// the edges and middle take the lighter mask. Without a mask the corners
// leave key pixels alone, or take them from the cache with
// TKeyPixels::FromCache; with StretchMode != 0 each edge is one stretched
// copy instead of repeats, and the middle is drawn only with
// TBorderCentre::Fill and BorderWidth 0. Nothing happens for a rectangle
// below 2 x 2 or an entry without a manager.
void PaintBorder(TBitmap& target, const TRect& rect, TBorderCentre centre, TKeyPixels cornerKeys, int state,
                 const TsMaskData& entry, const TCacheInfo& cache);

// Fills `rect` of `target` with a texture and leaves in `rect` the part it
// did not cover (an empty rectangle when it covered everything; unchanged
// when it drew nothing). A non-empty `ownBmp`, or else the entry's own
// bitmap, is repeated over the whole rectangle. Otherwise the entry's
// rectangle of the master bitmap is the tile (frame 0 of the picture half
// for an entry with a mask, which is then mixed through its mask) and
// `drawMode` says where it goes:
//   0  repeated in both directions             nothing left
//   1  one copy stretched over the rectangle   nothing left
//   2  one row of tiles along the top          the part below the row
//   3  one column of tiles along the left      the part right of the column
//   4  stretched across, one tile high, on top the part below the strip
//   5  stretched down, one tile wide, at left  the part right of the strip
//   6  one row of tiles along the bottom       the part above the row
//   7  one column of tiles along the right     the part left of the column
//   10 repeated in both directions             nothing left
// Any other mode is drawn as 0. `entry` may be null when `ownBmp` is given.
void FillWithTexture(TBitmap& target, TRect& rect, const TBitmap* ownBmp, int drawMode, const TsMaskData* entry);
