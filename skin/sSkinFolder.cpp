#include "skin/sSkinFolder.h"

#include <algorithm>
#include <cctype>

#include "framework/base/Exceptions.h"
#include "framework/base/Streams.h"
#include "framework/base/SysUtils.h"

namespace {

bool IsDriveLetterPath(const std::string& name) {
  return name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0]));
}

}  // namespace

std::vector<std::string> SkinFileNameParts(const std::string& name) {
  // Only a drive letter ("C:\...") makes a name absolute; elsewhere ':' is an
  // ordinary character of a file name.
  if (name.empty()) throw EReadError("an empty file name");
  if (name[0] == '/' || name[0] == '\\' || IsDriveLetterPath(name))
    throw EReadError("the file name \"" + name + "\" leaves the skin folder");
  std::vector<std::string> parts;
  std::string part;
  auto flush = [&] {
    if (part == "..") throw EReadError("the file name \"" + name + "\" leaves the skin folder");
    if (!part.empty() && part != ".") parts.push_back(part);
    part.clear();
  };
  for (char c : name) {
    if (c == '/' || c == '\\')
      flush();
    else
      part += c;
  }
  flush();
  if (parts.empty()) throw EReadError("the file name \"" + name + "\" names no file");
  return parts;
}

std::optional<std::string> FindEntryNoCase(const std::string& dir, const std::string& name) {
  if (!DirectoryExists(dir)) return std::nullopt;
  const std::string base = dir.empty() || dir.back() == '/' ? dir : dir + "/";
  if (FileExists(base + name) || DirectoryExists(base + name)) return name;
  std::vector<std::string> entries = ListDirectory(dir);
  std::sort(entries.begin(), entries.end());  // the same answer on every run
  for (const std::string& entry : entries)
    if (SameText(entry, name)) return entry;
  return std::nullopt;
}

bool HoldsSkinFile(const std::string& dir) {
  const std::optional<std::string> entry = FindEntryNoCase(dir, "Options.dat");
  return entry && FileExists(dir + "/" + *entry);
}

TsSkinFolder::TsSkinFolder(std::string path) : path_(std::move(path)) {
  if (path_.empty()) path_ = "./";
  std::replace(path_.begin(), path_.end(), '\\', '/');
  if (path_.back() != '/') path_ += '/';
}

TsSkinFolder TsSkinFolder::InMemory(std::map<std::string, std::vector<uint8_t>> files) {
  TsSkinFolder folder;
  folder.inMemory_ = true;
  folder.files_ = std::move(files);
  return folder;
}

std::optional<std::string> TsSkinFolder::Locate(const std::string& name) const {
  const std::vector<std::string> parts = SkinFileNameParts(name);
  std::string path = path_;
  for (size_t i = 0; i < parts.size(); ++i) {
    const std::optional<std::string> entry = FindEntryNoCase(path, parts[i]);
    if (!entry) return std::nullopt;
    path += *entry;
    if (i + 1 < parts.size()) path += '/';
  }
  if (!FileExists(path)) return std::nullopt;
  return path;
}

bool TsSkinFolder::Contains(const std::string& name) const {
  return inMemory_ ? Read(name).has_value() : Locate(name).has_value();
}

std::optional<std::vector<uint8_t>> TsSkinFolder::Read(const std::string& name) const {
  if (inMemory_) {
    const std::vector<std::string> parts = SkinFileNameParts(name);
    std::string joined;
    for (const std::string& p : parts) joined += (joined.empty() ? "" : "/") + p;
    if (auto exact = files_.find(joined); exact != files_.end()) return exact->second;
    for (const auto& [file, bytes] : files_)
      if (SameText(file, joined)) return bytes;
    return std::nullopt;
  }
  const std::optional<std::string> path = Locate(name);
  if (!path) return std::nullopt;
  try {
    return ReadFileBytes(*path);
  } catch (const EFOpenError&) {
    return std::nullopt;  // unreadable counts as missing: the image is skipped
  }
}
