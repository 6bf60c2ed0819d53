// TsBitBtn: the push button of the main window (two-line caption). It keeps
// the skin settings stored for it for the skin engine; until a skin is
// active it looks and behaves as the framework's bitmap button.
#pragma once

#include "framework/stdctrls/Buttons.h"
#include "framework/streaming/StoredProperties.h"

class TsBitBtn : public TBitBtn {
 public:
  SORTARIUM_CLASS(TsBitBtn)
  explicit TsBitBtn(TComponent* owner) : TBitBtn(owner) {}
  TStoredProperties& StoredSkinData() { return skinData_; }
  const TStoredProperties& StoredSkinData() const { return skinData_; }

 private:
  TStoredProperties skinData_;
};
