// The skinned controls of a window as the driver reports them, so that a
// script can see their state without reading pixels.
#pragma once

#include <string>

class TWinControl;

// {"NAME": {"section", "skinned", "state", "stale", "cacheBuilds"}, ...}
// for every skinned control under `window`, by name; a radio group's item
// buttons as "GROUP.item0" ... "state" is the paint state (0 normal,
// 1 hot, 2 pressed); "stale" says the cache waits to be rebuilt.
std::string DumpSkinnedControls(TWinControl& window);
