// The shape of a skinned window: its rectangle less the transparent
// (magenta) pixels of the frame art's corners, so rounded corners show the
// desktop behind them. The runs are read from the first state frame of a
// border image and placed where the frame puts its corners.
#pragma once

#include <vector>

#include "framework/base/Types.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Region.h"
#include "skin/pixels/sMaskData.h"

enum class TCornerRows { Top, Bottom };

// Appends one rectangle, one pixel high, per horizontal run of magenta in
// the left and right corners of `rows` of `entry` (its own bitmap, else
// `master`), in the coordinates of a window of `window` size. A corner whose
// rows or columns reach past the source adds nothing.
void CollectCornerRuns(std::vector<TRect>& runs, const TsMaskData& entry, const TBitmap* master, TSize window,
                       TCornerRows rows);

// The window's rectangle less the runs.
TRegion ShapeWithoutRuns(TSize window, const std::vector<TRect>& runs);
