#include "controls/sFrameRegion.h"

#include <algorithm>

namespace {

constexpr TColor kKey = 0xFF00FF;

// Runs of key pixels in columns [from, to) of one source row, moved by
// `shiftX` into window row `windowY`.
void RowRuns(std::vector<TRect>& runs, const TBitmap& src, int srcY, int from, int to, int shiftX, int windowY) {
  int start = -1;
  for (int x = from; x <= to; ++x) {
    const bool key = x < to && src.Pixel(x, srcY) == kKey;
    if (key && start < 0) start = x;
    if (!key && start >= 0) {
      runs.push_back(TRect{start + shiftX, windowY, x + shiftX, windowY + 1});
      start = -1;
    }
  }
}

}  // namespace

void CollectCornerRuns(std::vector<TRect>& runs, const TsMaskData& entry, const TBitmap* master, TSize window,
                       TCornerRows rows) {
  const TBitmap* src = entry.Bmp && entry.Bmp->Width() > 0 ? entry.Bmp.get() : master;
  if (!src || entry.ImageCount <= 0) return;
  const int frameWidth = entry.FrameWidth();
  const int frameHeight = entry.FrameHeight();
  if (frameWidth <= 0 || frameHeight <= 0) return;
  const int cornerHeight = rows == TCornerRows::Top ? entry.WT : entry.WB;
  if (cornerHeight <= 0) return;
  const int firstRow = rows == TCornerRows::Top ? 0 : frameHeight - cornerHeight;
  const int windowFirstRow = rows == TCornerRows::Top ? 0 : window.cy - cornerHeight;
  // The corner's rows and the frame's columns must lie inside the source.
  const int srcTop = entry.R.Top + firstRow;
  if (firstRow < 0 || srcTop < 0 || srcTop + cornerHeight > src->Height()) return;
  if (entry.R.Left < 0 || entry.R.Left + frameWidth > src->Width()) return;

  const int leftWidth = std::min<int>(entry.WL, frameWidth);
  const int rightWidth = std::min<int>(entry.WR, frameWidth);
  for (int row = 0; row < cornerHeight; ++row) {
    const int srcY = srcTop + row;
    const int windowY = windowFirstRow + row;
    if (leftWidth > 0) RowRuns(runs, *src, srcY, entry.R.Left, entry.R.Left + leftWidth, -entry.R.Left, windowY);
    if (rightWidth > 0) {
      const int from = entry.R.Left + frameWidth - rightWidth;
      RowRuns(runs, *src, srcY, from, entry.R.Left + frameWidth, window.cx - frameWidth - entry.R.Left, windowY);
    }
  }
}

TRegion ShapeWithoutRuns(TSize window, const std::vector<TRect>& runs) {
  const TRect whole{0, 0, window.cx, window.cy};
  return TRegion(whole).Subtract(TRegion::FromRects(runs).Intersect(whole));
}
