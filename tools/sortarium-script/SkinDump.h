// The driver's report of the skin as the manager holds it.
#pragma once

#include <string>

class TsSkinManager;

// One JSON object: the manager's state, the sizes of its tables and its
// cached indexes; with a section name, that section's record and its
// images with their border widths as painting uses them. An unknown
// section throws TScriptError.
std::string DumpSkin(TsSkinManager& manager, const std::string& section);
