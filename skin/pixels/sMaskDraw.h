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
// nothing here throws for bad geometry.
//
// An entry without a bitmap of its own is cut from the skin's master bitmap,
// which the caller hands over as `master` (nullptr: there is none, and such
// entries draw nothing).
#pragma once

#include "framework/base/Colors.h"
#include "framework/base/Types.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Region.h"
#include "skin/pixels/sCacheInfo.h"
#include "skin/pixels/sDrawModes.h"
#include "skin/pixels/sGraphUtils.h"
#include "skin/pixels/sMaskData.h"

// Whether PaintBorder draws the middle of the nine-slice or leaves the
// background there.
enum class TBorderCentre { Leave, Fill };

// Mixes the picture pixels of `srcRect` in `src` into `target` at the
// top-left of `dstRect` through the mask half that lies FrameHeight() of
// `entry` rows below them: each channel becomes ((D - S) * M' + 256 * S) >> 8,
// held to 0..255, with M' = M in TMaskMode::AsIs and min(M + 100, 255) in
// TMaskMode::Lighter. Picture pixels of `key` are skipped; with `keyFill` Ready they
// take the pixel (keyFill.X + x, keyFill.Y + y) of its bitmap instead, where
// (x, y) is the target position, when that lies inside it. Only as many rows
// and columns as the smaller rectangle has are drawn; whatever falls outside
// the target or the source (mask rows included) is cut off, leading rows and
// columns cut from the source as well.
void DrawMasked(const TRect& dstRect, const TRect& srcRect, TBitmap& target, const TsMaskData& entry,
                TMaskMode mode, TColor key, TBitmap& src, const TCacheInfo* keyFill = nullptr);

// Draws the frame of paint state `state` (frame min(state, ImageCount - 1))
// with its top-left at `point`; negative coordinates cut leading rows or
// columns off the frame. The source is the entry's own bitmap, else
// `master`. With a mask the frame is mixed through it in `mode`; without
// one, TMaskMode::AsIs copies every pixel but the key colour and
// TMaskMode::Lighter mixes half and half with the target
// (S - 0.5 * (S - D), halves to even), again leaving key pixels out.
void DrawSkinGlyph(TBitmap& target, TPoint point, TPaintState state, const TsMaskData& entry, TBitmap* master,
                   TMaskMode mode);

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
// below 2 x 2 or an entry with no bitmap to cut from.
void PaintBorder(TBitmap& target, const TRect& rect, TBorderCentre centre, TKeyPixels cornerKeys,
                 TPaintState state, const TsMaskData& entry, TBitmap* master, const TCacheInfo& cache);

// The transparent outside of the four corners of the state's frame, where
// PaintBorder puts them over `rect`: in every row of a corner, the run of
// key-coloured pixels that starts at the corner's outer edge. That is what
// a window shaped by its border leaves out, and what shows the parent;
// key pixels inside the frame line belong to the control. Empty for an
// entry with nothing to draw from.
TRegion TransparentCorners(const TRect& rect, TPaintState state, const TsMaskData& entry, TBitmap* master);

// Fills `rect` of `target` with a texture and leaves in `rect` the part it
// did not cover (an empty rectangle when it covered everything; unchanged
// when it drew nothing). A non-empty `ownBmp`, or else the entry's own
// bitmap, is repeated over the whole rectangle. Otherwise the entry's
// rectangle of `master` is the tile (frame 0 of the picture half for an
// entry with a mask, which is then mixed through its mask) and `mode` says
// where it goes (sDrawModes.h). `entry` may be null when `ownBmp` is given.
void FillWithTexture(TBitmap& target, TRect& rect, const TBitmap* ownBmp, TTextureMode mode,
                     const TsMaskData* entry, TBitmap* master);
