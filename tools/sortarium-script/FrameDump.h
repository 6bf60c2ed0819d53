// The driver's report of the window frame: who paints it and what it shows,
// so a script can check the caption buttons and the title without reading
// pixels.
#pragma once

#include <string>

class TCustomForm;
class TsSkinProvider;

// {"skinned", "titleBand", "buttons": {"close": {"rect", "state"}, ...},
//  "caption", "shapeRuns"}. "rect" is [left, top, width, height] in window
// coordinates; "state" is "normal", "hot" or "pressed" as the provider
// tracks it. A plain frame (no provider, or its skin is off) reports its
// own buttons' places without a state and its caption unshortened.
std::string DumpFrame(const TCustomForm& form, const TsSkinProvider* provider);
