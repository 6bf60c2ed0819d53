// The desktop's icon files: the program's icon drawn at every size the
// hicolor theme is given, from the same drawing as the icons of the general
// archive (so the menu, the task bar and the window show one picture).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TDesktopIcon {
  int Size = 0;
  std::string FileName;  // "sortarium-48.png"
  std::vector<uint8_t> Png;
};

inline constexpr int kDesktopIconSizes[] = {16, 32, 48, 128, 256, 512};

std::vector<TDesktopIcon> DrawDesktopIcons();
