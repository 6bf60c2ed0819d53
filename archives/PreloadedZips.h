// Zip archives whose directories are read once, at start-up, and kept in a
// process-wide list under their file names. The list owns its entries.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archives/ZipFile.h"

class TStream;

class TQorPreloadedZipFile {
 public:
  // `fullName` as the loader was given it; Name is its file-name part.
  TQorPreloadedZipFile(std::string fullName, int32_t tag);

  std::string FullName;
  std::string Name;
  std::unique_ptr<TZipFile> Zip = std::make_unique<TZipFile>();
  int32_t Tag = 0;
};

// What follows the last '\', '/' or ':' of a path.
std::string ArchiveFileName(const std::string& fullName);

// Names are unique within the list, compared without regard to the case of
// ASCII letters. Replacing an entry frees the old one with its directory:
// a TZipFile* taken from it before dangles afterwards, so callers look the
// entry up again instead of keeping the pointer.
class TQorPreloadedZipFileList {
 public:
  int Count() const { return static_cast<int>(entries_.size()); }
  TQorPreloadedZipFile& Items(int index) const { return *entries_.at(static_cast<size_t>(index)); }
  // The index of the entry named `name`, or -1.
  int Find(const std::string& name) const;
  // Appends an entry whose name is not in the list yet (EInvalidOperation
  // otherwise).
  void Add(std::unique_ptr<TQorPreloadedZipFile> entry);
  // Frees the entry at `index` and puts `entry` in its place; its name must
  // be that entry's or one not in the list.
  void Replace(int index, std::unique_ptr<TQorPreloadedZipFile> entry);
  void Clear() { entries_.clear(); }

 private:
  std::vector<std::unique_ptr<TQorPreloadedZipFile>> entries_;
};

// The list from start-up to shut-down; nullptr outside that time.
TQorPreloadedZipFileList* PreloadedZipFiles();
void CreatePreloadedZipFiles();
void FreePreloadedZipFiles();

// Reads the directory of an archive into a new entry of the list under the
// file-name part of `fullName`, replacing an entry of that name in place,
// and answers the entry's directory. With a stream it reads from the
// stream's position and leaves the stream to the caller; without one it
// opens the file `fullName` for reading, denying others write access, and
// answers nullptr when there is no such file.
TZipFile* LoadArchive(TStream* stream, const std::string& fullName, int32_t tag);
