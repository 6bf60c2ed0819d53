// The program's icon for its windows: the 48-pixel picture of the general
// archive, the same drawing the desktop entry's icon files are made from.
#pragma once

// Hands the icon to the backend. Needs the preloaded archives (StartUnits);
// without them, or with a damaged entry, the windows keep the window
// system's default icon: a missing icon is no reason not to start.
void InstallProgramIcon();

// The archive entry the icon is read from.
inline constexpr const char* kProgramIconEntry = "stdicon48.png";
