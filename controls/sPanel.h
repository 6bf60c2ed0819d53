// TsPanel: the container panel of the main window. It keeps the skin
// settings stored for it (its section) for the skin engine; until a skin is
// active it looks and behaves as the framework's panel.
#pragma once

#include "framework/stdctrls/ExtCtrls.h"
#include "framework/streaming/StoredProperties.h"

class TsPanel : public TCustomPanel {
 public:
  SORTARIUM_CLASS(TsPanel)
  explicit TsPanel(TComponent* owner) : TCustomPanel(owner) {}
  TStoredProperties& StoredSkinData() { return skinData_; }
  const TStoredProperties& StoredSkinData() const { return skinData_; }

 private:
  TStoredProperties skinData_;
};
