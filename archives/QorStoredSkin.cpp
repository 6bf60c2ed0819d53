#include "archives/QorStoredSkin.h"

#include <algorithm>

#include "framework/streaming/PropertyHelpers.h"

namespace {

std::vector<TQorStoredSkin*>& StoredSkinList() {
  static std::vector<TQorStoredSkin*> list;
  return list;
}

}  // namespace

TQorStoredSkin::TQorStoredSkin(TComponent* owner) : TComponent(owner) { StoredSkinList().push_back(this); }

TQorStoredSkin::~TQorStoredSkin() {
  auto& list = StoredSkinList();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

const std::vector<TQorStoredSkin*>& QorStoredSkins() { return StoredSkinList(); }

void RegisterQorStoredSkinClass() {
  RegisterComponentClass<TQorStoredSkin>("TQorStoredSkin", "TComponent");
  RegisterStringProperty("TQorStoredSkin", "FileName", &TQorStoredSkin::SetFileName);
  TClassRegistry::Instance().RegisterProperty(
      "TQorStoredSkin", "FileData", [](TPersistent* o, const TPropValue& v, TReader& r) {
        TMemoryStream& data = PropertyTarget<TQorStoredSkin>(o, v, r).FileData();
        data.Bytes() = ReadStoredBytes(v, r);
        data.SetPosition(0);
      });
}
