#include "framework/backend/sdl/X11Shape.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <algorithm>
#include <climits>

#if defined(SORTARIUM_HAVE_XSHAPE) && defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

bool SetX11WindowShape(SDL_Window* window, const std::vector<TRect>& rects, bool reset) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
  Display* display = info.info.x11.display;
  const ::Window xwindow = info.info.x11.window;
  int eventBase = 0, errorBase = 0;
  if (!XShapeQueryExtension(display, &eventBase, &errorBase)) return false;
  if (reset) {
    XShapeCombineMask(display, xwindow, ShapeBounding, 0, 0, None, ShapeSet);
  } else {
    // X rectangles are 16-bit; window coordinates never come near that, but
    // a region may reach past the window, so clamp rather than wrap.
    std::vector<XRectangle> xrects;
    xrects.reserve(rects.size());
    for (const TRect& r : rects) {
      if (r.IsEmpty()) continue;
      const int left = std::clamp(r.Left, SHRT_MIN, SHRT_MAX), top = std::clamp(r.Top, SHRT_MIN, SHRT_MAX);
      const int right = std::clamp(r.Right, left, left + USHRT_MAX), bottom = std::clamp(r.Bottom, top, top + USHRT_MAX);
      xrects.push_back({static_cast<short>(left), static_cast<short>(top), static_cast<unsigned short>(right - left),
                        static_cast<unsigned short>(bottom - top)});
    }
    XShapeCombineRectangles(display, xwindow, ShapeBounding, 0, 0, xrects.data(), static_cast<int>(xrects.size()),
                            ShapeSet, Unsorted);
  }
  XFlush(display);
  return true;
}

#else

bool SetX11WindowShape(SDL_Window*, const std::vector<TRect>&, bool) { return false; }

#endif
