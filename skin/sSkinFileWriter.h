// Writes the active skin of a manager as a skin folder: "Options.dat" with
// every section key and one image line per image, "Master.bmp" and one .BMP
// per own bitmap. Read back, the folder gives the same tables, which is how
// a teacher starts a skin of their own: export, copy, change.
#pragma once

#include <string>
#include <vector>

class TsSkinManager;

// Writes into `dir` (made when missing). Throws EWriteError when a file
// cannot be written, or EConvertError when an image cannot be said in any
// line form exactly.
void WriteSkinFolder(const TsSkinManager& manager, const std::string& dir);
// The "Options.dat" text alone, with `ownNames[i]` the file name written
// for mask i when it has its own bitmap.
std::string SkinFileText(const TsSkinManager& manager, const std::vector<std::string>& ownNames);
