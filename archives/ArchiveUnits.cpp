#include "archives/ArchiveUnits.h"

#include <memory>

#include "archives/PreloadedZips.h"
#include "archives/QorRegistries.h"
#include "archives/QorStoredSkin.h"
#include "framework/resources/Resources.h"

namespace {

std::unique_ptr<TQorStoredSkin> globalStoredSkin;

}  // namespace

TQorRegistries& QorRegistries() {
  static TQorRegistries registries;
  return registries;
}

TQorStoredSkin* GlobalQorStoredSkin() { return globalStoredSkin.get(); }

void StartArchiveUnits() {
  TQorRegistries& r = QorRegistries();
  r.Bitmaps = std::make_unique<TQorSkinPreloadedBitmapList>();
  r.Regions = std::make_unique<TQorSkinPreloadedRegionList>();
  CreatePreloadedZipFiles();

  globalStoredSkin = std::make_unique<TQorStoredSkin>(nullptr);
  globalStoredSkin->SetFileName("_internal.zip");
  {
    TResourceStream internal("INTERNAL_ZIP");
    TMemoryStream& data = globalStoredSkin->FileData();
    data.LoadFromStream(internal);
    data.SetPosition(0);
  }
  {
    TResourceStream general("GENERAL_ZIP");
    LoadArchive(&general, "_general.zip", 0);
  }

  r.Forms = std::make_unique<std::vector<TComponent*>>();
  r.Controls = std::make_unique<std::vector<TComponent*>>();
}

void StopArchiveUnits() {
  TQorRegistries& r = QorRegistries();
  r.Controls.reset();
  r.Forms.reset();
  globalStoredSkin.reset();
  FreePreloadedZipFiles();
  r.Regions.reset();
  r.Bitmaps.reset();
}
