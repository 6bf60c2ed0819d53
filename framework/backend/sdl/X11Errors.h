// Errors of the X11 display that must not end the program.
#pragma once

// Installs, once, an X error handler that ignores a BadWindow answer to an
// event sent to a window that is already gone, and hands every other error
// to the handler that was there before. Harmless when SDL does not use X11.
void IgnoreEventsToVanishedX11Windows();
