// The two enumerations that a skin's image entries and sections carry,
// shared by the stored skin and the run-time records.
#pragma once

#include <cstdint>

// What an image entry is drawn as.
enum class TsImgType : uint8_t { itisaBorder, itisaTexture, itisaGlyph };
// The bevel a section asks for around a control.
enum class TsControlBevel : uint8_t { cbNone, cbRaisedSoft, cbLoweredSoft, cbRaisedHard, cbLoweredHard };
