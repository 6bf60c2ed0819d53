#include "DesktopIcons.h"

#include "Archives.h"

std::vector<TDesktopIcon> DrawDesktopIcons() {
  std::vector<TDesktopIcon> icons;
  for (int size : kDesktopIconSizes)
    icons.push_back({size, "sortarium-" + std::to_string(size) + ".png", EncodeIndexedPng(DrawProgramIcon(size))});
  return icons;
}
