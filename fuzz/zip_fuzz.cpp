// The zip directory reader under libFuzzer: any input gives a directory,
// whose arrays stay of one size and whose buffers never hold more than the
// input had; reading it again through the preloaded list gives the same.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "archives/PreloadedZips.h"
#include "archives/ZipFile.h"
#include "framework/base/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TReadOnlyMemoryStream stream(data, size);
  TZipFile zip;
  ReadZipDirectory(zip, stream);
  if (zip.LocalFiles.size() != zip.CentralFiles.size()) std::abort();
  size_t held = zip.Comment.size();
  for (const TLocalFile& f : zip.LocalFiles) held += f.Name.size() + f.Extra.size() + f.Data.size();
  for (const TFileHeader& h : zip.CentralFiles) held += h.Name.size() + h.Extra.size() + h.Comment.size();
  if (held > size) std::abort();

  TReadOnlyMemoryStream again(data, size);
  const TZipFile* listed = LoadArchive(&again, "fuzz.zip", 0);
  if (!listed || listed->LocalFiles.size() != zip.LocalFiles.size() || listed->EndSignature != zip.EndSignature)
    std::abort();
  FreePreloadedZipFiles();
  return 0;
}
