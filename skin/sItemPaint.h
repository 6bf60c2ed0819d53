// Painting a skinned item into a 24-bit bitmap, normally a control's cache:
// the section's background (colour, gradient and texture mixed by their
// shares, then mixed with the parent's background by the section's
// transparency), then its border image, then its corner images. The
// control draws its own content over the result.
//
// The parent's background comes as a TCacheInfo (the parent's cache bitmap
// and where the parent's client area lies in it) and, for the background
// alone, as a TParentBackground that also carries a uniform parent colour
// when one is known.
#pragma once

#include <string>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Gdi.h"
#include "skin/pixels/sCacheInfo.h"
#include "skin/pixels/sDrawModes.h"
#include "skin/pixels/sGraphUtils.h"
#include "skin/pixels/sMaskDraw.h"

class TsCommonData;
class TsSkinManager;

// Where an item is painted: a rectangle of the target bitmap, the item's
// position in its parent's client area (where its background lies in the
// parent's picture), and the look it is painted in.
struct TItemPlace {
  TRect Rect{};
  TPoint Offset{};
  TPaintState State = TPaintState::Normal;
};

// How the section's border image is laid over the background: whether it
// fills the middle too, and whether the transparent pixels of an unmasked
// border's corners keep what is under them or show the parent's picture.
struct TBorderOptions {
  TBorderCentre Centre = TBorderCentre::Leave;
  TKeyPixels Corners = TKeyPixels::Keep;
};

// The section an item without skin data is painted from.
struct TsItemSkin {
  TsSkinManager* Manager = nullptr;  // nullptr: the default manager
  int SkinIndex = -1;
  std::string Section;
  int Texture = -1;     // the "PATTERN" image; -1: looked up when needed
  int HotTexture = -1;  // the "HOTPATTERN" image; -1: looked up when needed
  TColor CustomColor = kNoColor;  // replaces the section's colour when given
};

// Paints the control's section into `place.Rect` of `target` (normally its
// CacheBmp). The control's parent is asked for its uniform colour where
// that can stand in for copying its picture. Nothing is painted for an
// invalid section or a rectangle outside the bitmap.
void PaintItem(TsCommonData& data, const TCacheInfo& parentCache, TBitmap& target, const TItemPlace& place,
               TBorderOptions border = {});

// The background alone. Texture indexes of -1 are looked up.
void PaintItemBG(const TsItemSkin& item, const TParentBackground& parent, TBitmap& target, const TItemPlace& place);
// The same for a control: its section, textures and custom colour.
void PaintItemBG(TsCommonData& data, const TParentBackground& parent, TBitmap& target, const TItemPlace& place);

// Background and the section's border, for items without skin data.
void PaintItemByIndex(TsItemSkin item, const TCacheInfo& parentCache, TBitmap& target, const TItemPlace& place,
                      TBorderCentre centre);

// PaintItemByIndex into a bitmap of the rectangle's size, copied to `dc` at
// the rectangle. Nothing for an empty rectangle or one starting left of or
// above 0.
void PaintItemToDC(const TsItemSkin& item, const TCacheInfo& parentCache, HDC dc, const TItemPlace& place,
                   TBorderCentre centre);

// Corners of the border, as bits of RefreshCorners' corner set.
inline constexpr int kCornerTopLeft = 1;
inline constexpr int kCornerBottomLeft = 2;
inline constexpr int kCornerTopRight = 4;
inline constexpr int kCornerBottomRight = 8;
inline constexpr int kAllCorners = 15;

// Brings the transparent (key-coloured) pixels of the border's corners in
// the control's CacheBmp up to date with the parent's background as it is
// now, so that a cached picture matches a parent that changed since. The
// rest of the picture stays: it shows the control, not its parent.
void RefreshCorners(TsCommonData& data, TPaintState state, int corners);

// Whether CopyCacheToDC first brings the border corners of the cache up to
// date with the parent (RefreshCorners in the normal look).
enum class TCacheCorners { AsCached, Refresh };

// Copies the control's CacheBmp from `sourceOrigin` to `clip` of `target`,
// leaving out the rectangles (shifted by `childShift`) of visible children
// that paint themselves there: opaque ones and non-windowed ones. The
// target's state is kept.
void CopyCacheToDC(TsCommonData& data, TPoint sourceOrigin, TPoint childShift, TCacheCorners corners, HDC target,
                   const TRect& clip);

// While set, non-windowed children are painted on their own and the copy
// of a cache does not leave room for them.
extern bool GraphicControlsPaintedSeparately;
