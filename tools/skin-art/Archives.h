// The two zip archives compiled into the program beside the window
// description: "INTERNAL_ZIP", one deflated skin file of ours, and
// "GENERAL_ZIP", the drop-down arrows and the program's icon at 16, 32 and
// 48 pixels. The same icon drawing serves the desktop icon at any size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Painter.h"
#include "skin/sStoredSkin.h"

// The program's icon: a rounded blue tile with a row of bars sorted from
// low to high, the last ones in the trainer's "finished" colour.
TArtCanvas DrawProgramIcon(int size);
// The arrow of a drop-down button, 16 x 16, enabled or greyed.
TArtCanvas DrawDropdownArrow(bool enabled);

// A PNG file of the canvas with a palette (and transparency where the
// canvas has it): the smallest honest file for flat art like the icon.
std::vector<uint8_t> EncodeIndexedPng(const TArtCanvas& canvas);

// One file of an archive: stored as it is, or deflated.
struct TArchiveFile {
  std::string Name;
  std::vector<uint8_t> Bytes;
  bool Deflate = false;
};
// Raw deflate at the strongest level, as zip entries of method 8 hold it.
std::vector<uint8_t> RawDeflate(const std::vector<uint8_t>& bytes);
// A zip archive of the files; an archive comment fills it up to
// `totalSize` bytes when that is larger than the archive itself.
std::vector<uint8_t> BuildZip(const std::vector<TArchiveFile>& files, size_t totalSize,
                              const std::string& commentFill);

inline constexpr size_t kInternalZipSize = 2482;
inline constexpr size_t kInternalSkinFileSize = 11970;
inline constexpr size_t kInternalSkinDeflatedSize = 2368;
inline constexpr size_t kGeneralZipSize = 3418;

// The skin file of the first archive: the skin's sections as a text of
// exactly kInternalSkinFileSize bytes, tuned to deflate to
// kInternalSkinDeflatedSize bytes where the text allows it.
std::string InternalSkinFile(const TsStoredSkin& skin);
std::vector<uint8_t> BuildInternalZip(const TsStoredSkin& skin);
std::vector<uint8_t> BuildGeneralZip();
