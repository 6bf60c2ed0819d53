// A whole skin read from its text form ("Options.dat" of a skin folder):
// the skin-wide header of [GLOBALINFO], one section record per section in
// file order, the images and patterns its lines name, and the master bitmap.
// The same structure holds a stored skin on its way into the manager, so the
// overlay is laid on both alike and a skin replaces the manager's tables
// only once all of it has been read.
#pragma once

#include <memory>
#include <string>

#include "framework/graphics/Bitmap.h"
#include "skin/pixels/sMaskData.h"
#include "skin/sSkinText.h"

class TsSkinFolder;

// FONTSCALE of [GLOBALINFO]: the percentage the skinned captions are drawn
// at. A skin without the key (every stored skin) draws them at 100; a skin
// file's value is held to what still makes a readable caption.
inline constexpr int32_t kDefaultFontScale = 100;
inline constexpr int32_t kMinFontScale = 50;
inline constexpr int32_t kMaxFontScale = 300;

struct TsSkinHeader {
  double Version = 0;
  std::string Author;
  std::string Description;
  int32_t Shadow1Color = 0;
  int32_t Shadow1Offset = 0;
  int32_t Shadow1Blur = -1;
  int32_t Shadow1Transparency = 0;
  int32_t FontScale = kDefaultFontScale;
};

struct TsLoadedSkin {
  TsSkinHeader Header;
  TsGeneralDataArray Sections;
  TsMaskArray Masks;
  TsPatternArray Patterns;
  std::unique_ptr<TBitmap> Master;  // 24-bit, magenta transparent; none when the skin names none
};

// Reads a skin file. Errors in values (unreadable numbers, fields past the
// end of a value, enumerations out of range, a PARENTCLASS loop) throw
// EConvertError, a file name leaving the folder EReadError, each saying
// where; files the skin names but does not have are skipped.
TsLoadedSkin ReadSkinFile(const TsSkinText& text, const TsSkinFolder& folder, TsSkinManager* manager);

// The section keys, in the order of the records' fields. Every other key of
// a section is an image line.
bool IsSectionKey(const std::string& key);
// Keys of [GLOBALINFO] that make the skin's header; they are never images.
bool IsHeaderKey(const std::string& key);
// A section record with every key at its default.
TsGeneralData DefaultSectionRecord();
// Sets the field of `record` that `key` names; false for a key that is not
// a section key. PARENTCLASS is left to the caller.
bool ApplySectionKey(TsGeneralData& record, const std::string& key, const std::string& value,
                     const std::string& where);
// A master bitmap ready for the engine: 24-bit, magenta transparent.
std::unique_ptr<TBitmap> PrepareMasterBitmap(const TBitmap& source);
