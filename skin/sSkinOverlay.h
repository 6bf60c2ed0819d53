// The overlay: the manager's CommonSections, in the skin text form, laid
// over every loaded skin (stored or from a folder). Its sections are
// appended after the skin's, its images after the skin's images, its
// patterns after the skin's patterns.
//
// Its own rules: a section inherits from the first record already in the
// table whose upper-cased name equals its upper-cased PARENTCLASS (a missing
// PARENTCLASS reads "-1", which no section is called); image lines are own
// .BMP files (names upper-cased, border widths as they are) or the bracket
// form (only when the skin has a master bitmap); JPEG lines always become
// patterns.
#pragma once

#include <string>
#include <vector>

#include "skin/sSkinFile.h"

class TsSkinFolder;

// Lays `lines` over `skin`. Throws as ReadSkinFile does, naming the line of
// the overlay; `skin` may then hold part of the overlay, so callers lay it on
// a skin they can throw away.
void LayOverlay(TsLoadedSkin& skin, const std::vector<std::string>& lines, const TsSkinFolder& folder,
                TsSkinManager* manager);

// Reads the skin folder `path` (its "Options.dat" and the files that names)
// and lays `overlay` on it: what the manager does to activate a folder skin.
// Throws EFOpenError when the folder has no "Options.dat", else as
// ReadSkinFile and LayOverlay do.
TsLoadedSkin ReadSkinFolder(const std::string& path, const std::vector<std::string>& overlay, TsSkinManager* manager);
