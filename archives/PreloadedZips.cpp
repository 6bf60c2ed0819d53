#include "archives/PreloadedZips.h"

#include <algorithm>

#include "framework/base/Exceptions.h"
#include "framework/base/Streams.h"
#include "framework/base/SysUtils.h"  // FileExists

namespace {

std::unique_ptr<TQorPreloadedZipFileList> preloaded;

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameAsciiText(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

}  // namespace

std::string ArchiveFileName(const std::string& fullName) {
  const size_t cut = fullName.find_last_of("\\/:");
  return cut == std::string::npos ? fullName : fullName.substr(cut + 1);
}

TQorPreloadedZipFile::TQorPreloadedZipFile(std::string fullName, int32_t tag)
    : FullName(std::move(fullName)), Name(ArchiveFileName(FullName)), Tag(tag) {}

int TQorPreloadedZipFileList::Find(const std::string& name) const {
  for (size_t i = 0; i < entries_.size(); ++i)
    if (SameAsciiText(entries_[i]->Name, name)) return static_cast<int>(i);
  return -1;
}

void TQorPreloadedZipFileList::Add(std::unique_ptr<TQorPreloadedZipFile> entry) {
  if (!entry || Find(entry->Name) >= 0)
    throw EInvalidOperation("A preloaded archive named " + (entry ? entry->Name : std::string()) + " exists");
  entries_.push_back(std::move(entry));
}

void TQorPreloadedZipFileList::Replace(int index, std::unique_ptr<TQorPreloadedZipFile> entry) {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  const int same = entry ? Find(entry->Name) : -1;
  if (!entry || (same >= 0 && same != index))
    throw EInvalidOperation("A preloaded archive named " + (entry ? entry->Name : std::string()) + " exists");
  entries_[static_cast<size_t>(index)] = std::move(entry);
}

TQorPreloadedZipFileList* PreloadedZipFiles() { return preloaded.get(); }
void CreatePreloadedZipFiles() { preloaded = std::make_unique<TQorPreloadedZipFileList>(); }
void FreePreloadedZipFiles() { preloaded.reset(); }

TZipFile* LoadArchive(TStream* stream, const std::string& fullName, int32_t tag) {
  std::unique_ptr<TFileStream> file;
  if (!stream) {
    if (!FileExists(fullName)) return nullptr;
    file = std::make_unique<TFileStream>(fullName, fmOpenRead | fmShareDenyWrite);
    stream = file.get();
  }
  auto entry = std::make_unique<TQorPreloadedZipFile>(fullName, tag);
  ReadZipDirectory(*entry->Zip, *stream);
  TZipFile* zip = entry->Zip.get();
  if (!preloaded) CreatePreloadedZipFiles();
  if (const int index = preloaded->Find(entry->Name); index >= 0)
    preloaded->Replace(index, std::move(entry));
  else
    preloaded->Add(std::move(entry));
  return zip;
}
