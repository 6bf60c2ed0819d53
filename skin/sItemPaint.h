// Painting a skinned item into a 24-bit bitmap, normally a control's cache:
// the section's background (colour, gradient and texture mixed by their
// shares, then mixed with the parent's background by the section's
// transparency), then its border image, then its corner images. The
// control draws its own content over the result.
//
// The parent's background comes as a TCacheInfo: the parent's cache bitmap
// and where the parent's client area lies in it. SharedColor (sCacheInfo.h)
// carries a uniform parent colour while a paint runs; it is reset to "none"
// when the paint ends.
#pragma once

#include <string>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Gdi.h"
#include "skin/sCacheInfo.h"

class TsCommonData;
class TsSkinManager;

// Paints the control's section into `rect` of `target` (normally its
// CacheBmp) in paint state `state` (0 normal, else hot). `offset` is where
// the control sits in its parent's client area; with `fillCentre` the
// border image fills the middle too; with `cornersFromCache` transparent
// border corners of an unmasked border show the parent's pixels. Nothing is
// painted for an invalid section or a rectangle outside the bitmap.
void PaintItem(TsCommonData& data, TCacheInfo parentCache, bool fillCentre, bool cornersFromCache,
               TBitmap& target, TPoint offset, const TRect& rect, int state);

// The background alone. `customColor` replaces the section's colour unless
// it is kNoSharedColor; texture indexes of -1 are looked up; a null manager
// means the default manager.
void PaintItemBG(int skinIndex, const std::string& section, const TCacheInfo& cache, TColor customColor,
                 int hotTexture, int texture, TsSkinManager* manager, TBitmap& target, TPoint offset,
                 const TRect& rect, int state);

// Background and the section's border, for items without skin data.
void PaintItemByIndex(int skinIndex, const std::string& section, const TCacheInfo& cache, int hotTexture,
                      int texture, TsSkinManager* manager, TBitmap& target, TPoint offset, const TRect& rect,
                      int state, bool fillCentre);

// PaintItemByIndex into a bitmap of the rectangle's size, copied to `dc` at
// the rectangle. Nothing for an empty rectangle or one starting left of or
// above 0.
void PaintItemToDC(int skinIndex, const std::string& section, const TCacheInfo& cache, TsSkinManager* manager,
                   HDC dc, TPoint offset, const TRect& rect, int state, bool fillCentre);

// Corners of the border, as bits of RefreshCorners' corner set.
inline constexpr int kCornerTopLeft = 1;
inline constexpr int kCornerBottomLeft = 2;
inline constexpr int kCornerTopRight = 4;
inline constexpr int kCornerBottomRight = 8;
inline constexpr int kAllCorners = 15;

// Draws the corners of the control's border again onto its CacheBmp over
// the parent's background as it is now, so that the transparent corner
// pixels of a cached picture match a parent that changed since.
void RefreshCorners(TsCommonData& data, int state, int corners);

// Copies the control's CacheBmp from `sourceOrigin` to `clip` of `target`,
// leaving out the rectangles (shifted by dx, dy) of visible children that
// paint themselves there: opaque ones and non-windowed ones. With `prepare`
// the border corners are refreshed first. The target's state is kept.
void CopyCacheToDC(TsCommonData& data, TPoint sourceOrigin, int dx, int dy, bool prepare, HDC target,
                   const TRect& clip);

// While set, non-windowed children are painted on their own and the copy
// of a cache does not leave room for them.
extern bool GraphicControlsPaintedSeparately;
