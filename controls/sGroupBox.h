// TsRadioGroup: the order selector of the main window. It keeps the skin
// settings stored for it for the skin engine; until a skin is active it
// looks and behaves as the framework's radio group.
#pragma once

#include "framework/stdctrls/ExtCtrls.h"
#include "framework/streaming/StoredProperties.h"

class TsRadioGroup : public TRadioGroup {
 public:
  SORTARIUM_CLASS(TsRadioGroup)
  explicit TsRadioGroup(TComponent* owner) : TRadioGroup(owner) {}
  TStoredProperties& StoredSkinData() { return skinData_; }
  const TStoredProperties& StoredSkinData() const { return skinData_; }

 private:
  TStoredProperties skinData_;
};
