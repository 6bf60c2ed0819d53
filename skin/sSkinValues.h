// Values of the skin text form and the limits every loaded record is held
// to, whatever built it (a stored skin, a skin folder, the overlay). A skin
// is data from outside: a percentage of 99999999 or a border wider than its
// frame must not reach the painting code, where it would overflow or read
// outside the picture.
#pragma once

#include <cstdint>
#include <string>

#include "skin/pixels/sMaskData.h"

// Decimal, or hexadecimal with "0x"/"0X" (up to 0xFFFFFFFF, read as the
// 32-bit colour it spells). Anything else throws EConvertError with the
// framework's message and `where` ("in Options.dat, line 4") after it.
int32_t SkinInteger(const std::string& value, const std::string& where);
// `value` must be one of first..last; else EConvertError.
int32_t SkinEnumValue(const std::string& value, int first, int last, const std::string& what, const std::string& where);
// True only for "TRUE" in any case.
bool SkinBoolean(const std::string& value);

// Percentages 0..100, fading counts at least 1 and timings in a sane range.
void HoldSectionToMeaning(TsGeneralData& record);
enum class TsBorderWidths { Complete, AsStated };
// Finishes an image record: counts at least 1, a mask half or none, a
// non-negative rectangle; border widths that sum to 0 completed (the border
// width on every side, else a third of a frame) unless kept as stated; then
// every border within one state frame.
void FinishMaskRecord(TsMaskData& mask, TsBorderWidths widths);
