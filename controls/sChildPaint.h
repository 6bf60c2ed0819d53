// Non-windowed children of a skinned container (labels, images, shapes)
// have no window of their own: their parent paints them. A skinned panel or
// group box has just copied its cache to the screen, so each such child is
// painted off-screen over the matching piece of that cache (or its own
// colour when it is opaque) and the result copied over the container's
// picture, one rectangle per child, without flicker.
#pragma once

#include "framework/components/WinControl.h"

// Paints the qualifying non-windowed children of `container` into `dc` at
// their positions shifted by `offset`. Nothing happens unless the container
// answers SKC_GETCACHE with a ready cache; a container whose DC shows
// nothing of it is told SKC_SETHALFVISIBLE instead.
void PaintGraphicChildren(TWinControl& container, HDC dc, TPoint offset);
