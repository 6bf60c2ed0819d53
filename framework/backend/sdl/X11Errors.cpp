#include "framework/backend/sdl/X11Errors.h"

#include <SDL.h>
#include <SDL_syswm.h>

#if defined(SORTARIUM_HAVE_XSHAPE) && defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace {

using TXErrorHandler = int (*)(Display*, XErrorEvent*);
TXErrorHandler previousHandler = nullptr;

// SDL wakes its own event wait by sending an event, over a second
// connection, to one of our windows. When that window is destroyed in the
// meantime (a closed popup menu, the main window at the end) the server
// answers BadWindow; Xlib reads that answer late, often only when SDL
// closes the connection, and its default handler would end the program
// with status 1 for a wake-up nobody needs any more.
int FilterXError(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
  return previousHandler ? previousHandler(display, error) : 0;
}

}  // namespace

void IgnoreEventsToVanishedX11Windows() {
  static bool installed = false;
  if (installed) return;
  previousHandler = XSetErrorHandler(FilterXError);
  installed = true;
}

#else

void IgnoreEventsToVanishedX11Windows() {}

#endif
