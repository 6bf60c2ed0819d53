#include "ArchiveDump.h"

#include "Json.h"
#include "archives/ArchiveUnits.h"
#include "archives/PreloadedZips.h"
#include "archives/QorStoredSkin.h"

namespace {

std::string Number(int64_t v) { return std::to_string(v); }

std::string Archive(const TQorPreloadedZipFile& archive) {
  const TZipFile& zip = *archive.Zip;
  std::vector<std::string> entries;
  for (const TLocalFile& f : zip.LocalFiles)
    entries.push_back(TJson::Object({{"name", TJson::Quote(f.Name)},
                                     {"method", Number(f.Method)},
                                     {"size", Number(f.UncompressedSize)},
                                     {"compressedSize", Number(f.CompressedSize)}}));
  return TJson::Object({{"name", TJson::Quote(archive.Name)},
                        {"fullName", TJson::Quote(archive.FullName)},
                        {"tag", Number(archive.Tag)},
                        {"local", Number(static_cast<int64_t>(zip.LocalFiles.size()))},
                        {"central", Number(static_cast<int64_t>(zip.CentralFiles.size()))},
                        {"comment", Number(static_cast<int64_t>(zip.Comment.size()))},
                        {"entries", TJson::Array(entries)}});
}

}  // namespace

std::string DumpArchives() {
  std::vector<std::string> preloaded;
  if (const TQorPreloadedZipFileList* list = PreloadedZipFiles())
    for (int i = 0; i < list->Count(); ++i) preloaded.push_back(Archive(list->Items(i)));
  std::string stored = "null";
  if (const TQorStoredSkin* skin = GlobalQorStoredSkin())
    stored = TJson::Object({{"fileName", TJson::Quote(skin->FileName())},
                            {"bytes", Number(static_cast<int64_t>(skin->FileData().Bytes().size()))}});
  return TJson::Object({{"preloaded", TJson::Array(preloaded)}, {"storedSkin", stored}});
}
