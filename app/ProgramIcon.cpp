#include "app/ProgramIcon.h"

#include "archives/PreloadedZips.h"
#include "framework/backend/Backend.h"
#include "framework/graphics/Picture.h"

void InstallProgramIcon() {
  const TQorPreloadedZipFileList* list = PreloadedZipFiles();
  if (!list) return;
  for (int i = 0; i < list->Count(); ++i) {
    for (const TLocalFile& f : list->Items(i).Zip->LocalFiles) {
      // Only a stored entry holds the PNG bytes as they are.
      if (f.Name != kProgramIconEntry || f.Method != 0) continue;
      try {
        TBitmap image, opacity;
        DecodePngWithOpacity(f.Data.data(), f.Data.size(), image, opacity);
        Backend()->SetApplicationIcon(image, opacity);
      } catch (const std::exception&) {
        // A damaged icon leaves the default one; the trainer works the same.
      }
      return;
    }
  }
}
