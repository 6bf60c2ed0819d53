// The files of one skin: a folder on disk, or (for tests and the fuzz
// target) a set of files held in memory. Names in a skin file are taken
// relative to the skin's folder and must stay inside it; they are matched
// without regard to ASCII case, because skins are made on systems that
// ignore case ("BUTTON.BMP" finds "button.bmp", "Options.dat" finds
// "options.dat").
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

class TsSkinFolder {
 public:
  // A folder on disk; `path` may carry a trailing separator.
  explicit TsSkinFolder(std::string path);
  // Files in memory, by name relative to the folder ('/' separates folders).
  static TsSkinFolder InMemory(std::map<std::string, std::vector<uint8_t>> files);

  // The bytes of the file `name` names, or nothing when there is no such
  // file (a skin may name files it does not ship). A name that leaves the
  // folder (an absolute path, a drive letter, "..") throws EReadError.
  std::optional<std::vector<uint8_t>> Read(const std::string& name) const;
  // Whether the file exists, with the same rules as Read.
  bool Contains(const std::string& name) const;

 private:
  TsSkinFolder() = default;
  // The path of the file on disk, its letter case as found; nothing when missing.
  std::optional<std::string> Locate(const std::string& name) const;

  std::string path_;  // with a trailing '/'; empty for files in memory
  bool inMemory_ = false;
  std::map<std::string, std::vector<uint8_t>> files_;
};

// The parts of a file name relative to a skin folder, with '\' read as '/'
// and "." parts dropped; throws EReadError for a name that leaves the folder.
std::vector<std::string> SkinFileNameParts(const std::string& name);
// The entry of folder `dir` whose name equals `name` without regard to ASCII
// case (an exact match wins); nothing when there is none.
std::optional<std::string> FindEntryNoCase(const std::string& dir, const std::string& name);
// Whether folder `dir` holds a file "Options.dat" (in any letter case).
bool HoldsSkinFile(const std::string& dir);
