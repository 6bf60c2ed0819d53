// TImageList: a row of small pictures of one size that controls draw by
// index (a button's glyph, say). Pictures come in as bitmaps; a masked one
// names a colour whose pixels are transparent.
#pragma once

#include <memory>
#include <vector>

#include "framework/components/Component.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"

class TImageList : public TComponent {
 public:
  SORTARIUM_CLASS(TImageList)
  explicit TImageList(TComponent* owner);
  ~TImageList() override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Sizes from 1 to kMaxPictureSide; a new size empties the list, because
  // its images no longer fit.
  void SetWidth(int value);
  void SetHeight(int value);
  int Count() const { return static_cast<int>(images_.size()); }
  // The colour drawn under the transparent pixels of an image; clNone (the
  // default) leaves what is under them.
  TColor BkColor() const { return bkColor_; }
  void SetBkColor(TColor value) { bkColor_ = value; }

  // Adds `image` as opaque images: one image of the list's size, or a strip
  // of several side by side (a whole number of images wide). Answers the
  // index of the first image added, or -1 when the picture does not fit.
  int Add(const TBitmap& image);
  // The same, with the pixels of `maskColor` transparent.
  int AddMasked(const TBitmap& image, TColor maskColor);
  void Delete(int index);
  void Clear();

  // Draws image `index` with its top-left at (x, y); an index out of range
  // draws nothing.
  void Draw(TCanvas& canvas, int x, int y, int index) const;

 private:
  struct Image {
    std::unique_ptr<TBitmap> Picture;
    TColor Mask = clNone;  // clNone: opaque
  };
  int AddImages(const TBitmap& strip, TColor mask);

  int width_ = 16;
  int height_ = 16;
  TColor bkColor_ = clNone;
  std::vector<Image> images_;
};
