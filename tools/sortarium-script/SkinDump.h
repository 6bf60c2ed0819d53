// The driver's report of the skin as the manager holds it.
#pragma once

#include <string>

class TsSkinManager;

// One JSON object: the manager's wanted skin, the stored skins and, for the
// skin that would be used, its counts; with a section name, that section
// and its images. An unknown section throws TScriptError.
std::string DumpStoredSkin(const TsSkinManager& manager, const std::string& section);
