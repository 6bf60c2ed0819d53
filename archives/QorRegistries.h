// The process-wide registries that start-up of the archives creates: lists
// of preloaded skin bitmaps and regions, which own their items, and two
// plain lists for the windows a program would hand to the library. This
// program preloads no bitmap or region and hands over no window, so they
// stay empty; they exist so that start-up and shut-down run in full.
#pragma once

#include <memory>
#include <vector>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Region.h"

template <class T>
class TOwningList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  T& Items(int index) const { return *items_.at(static_cast<size_t>(index)); }
  void Add(std::unique_ptr<T> item) { items_.push_back(std::move(item)); }
  void Clear() { items_.clear(); }

 private:
  std::vector<std::unique_ptr<T>> items_;
};

using TQorSkinPreloadedBitmapList = TOwningList<TBitmap>;
using TQorSkinPreloadedRegionList = TOwningList<TRegion>;

class TComponent;

// All of them, from start-up to shut-down; nullptr outside that time.
struct TQorRegistries {
  std::unique_ptr<TQorSkinPreloadedBitmapList> Bitmaps;
  std::unique_ptr<TQorSkinPreloadedRegionList> Regions;
  std::unique_ptr<std::vector<TComponent*>> Forms;
  std::unique_ptr<std::vector<TComponent*>> Controls;
};
TQorRegistries& QorRegistries();
