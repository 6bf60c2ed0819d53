// What a control learns about the picture under it: its parent's cache
// bitmap and where the control sits in it. Controls that blend with their
// background read their pixels from there instead of asking the window.
#pragma once

#include "framework/base/Colors.h"
#include "framework/graphics/Bitmap.h"

struct TCacheInfo {
  TBitmap* Bmp = nullptr;  // not owned: the parent's cache
  int X = 0;               // the control's offset inside Bmp
  int Y = 0;
  bool Ready = false;      // Bmp holds a finished picture
};

// A colour argument that means "none". The skin's transparent key serves,
// because no background is ever painted in it.
inline constexpr TColor kNoColor = 0xFF00FF;

// The background under an item being painted: the parent's cache, and the
// parent's uniform colour when one is known (kNoColor: its picture varies
// with position, or nobody said). A known colour stands in for copying the
// parent's pixels.
struct TParentBackground {
  TCacheInfo Cache{};
  TColor Color = kNoColor;
  bool HasColor() const { return Color != kNoColor; }
};
