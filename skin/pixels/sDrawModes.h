// The small vocabulary of the skin's drawing: which look of a control is
// drawn, how a mask is read, and how a texture covers a rectangle.
#pragma once

#include <cstdint>

// The look a control is painted in. It picks the state frame of an image
// entry (the last frame for states the entry has no frame for) and, for any
// state but Normal, the hot colours and textures of a section.
enum class TPaintState : uint8_t { Normal = 0, Hot = 1, Pressed = 2 };

inline int StateNumber(TPaintState state) { return static_cast<int>(state); }

// How a picture is mixed through its mask. A mask channel is the share of
// the background in the same channel of the picture pixel (0 opaque, 255
// transparent). Lighter lifts every mask value by 100 (at most 255): the
// more see-through look of repeated border pieces. An image without a mask
// half is copied by its key colour in AsIs and mixed half and half with the
// background in Lighter.
enum class TMaskMode : uint8_t { Lighter, AsIs };

// How a texture entry covers a rectangle (the entry's StretchMode). What
// the texture did not cover is left for the caller to fill:
//   Tile          repeated in both directions             nothing left
//   Stretch       one copy stretched over the rectangle   nothing left
//   TopRow        one row of tiles along the top          the part below
//   LeftColumn    one column of tiles along the left      the part right
//   StretchTop    stretched across, one tile high, on top the part below
//   StretchLeft   stretched down, one tile wide, at left  the part right
//   BottomRow     one row of tiles along the bottom       the part above
//   RightColumn   one column of tiles along the right     the part left
//   Overlay       repeated like Tile; a masked overlay entry of this mode
//                 is laid once more over a finished background
// Numbers a skin may hold without a drawing of their own are drawn as Tile.
enum class TTextureMode : int16_t {
  Tile = 0,
  Stretch = 1,
  TopRow = 2,
  LeftColumn = 3,
  StretchTop = 4,
  StretchLeft = 5,
  BottomRow = 6,
  RightColumn = 7,
  Overlay = 10,
};
