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

// Answers to the skin messages that ask a parent for its background. There
// is one UI thread, so one slot of each is enough; the asker reads them
// right after the message returns.
extern TCacheInfo SharedCacheInfo;
// The colour a parent answered with, or kNoSharedColor when nobody answered.
extern TColor SharedColor;
inline constexpr TColor kNoSharedColor = 0xFF00FF;
