// Window shapes on an X11 display (the SHAPE extension), for the SDL
// backend: SDL itself can only shape windows made specially for it, while
// ours are ordinary windows whose shape follows their region.
#pragma once

#include <vector>

#include "framework/base/Types.h"

struct SDL_Window;

// Sets the bounding shape of `window` to the union of `rects` (window
// coordinates); `reset` gives it back its plain rectangle. False when the
// window is not on X11 or the server lacks the extension.
bool SetX11WindowShape(SDL_Window* window, const std::vector<TRect>& rects, bool reset);
