// TsSkinManager: holds the skins stored in the window description
// (InternalSkins). Its other stored properties are kept as read until the
// manager builds its run-time tables from them.
#pragma once

#include "framework/components/Component.h"
#include "framework/streaming/StoredProperties.h"
#include "skin/sStoredSkin.h"

class TsSkinManager : public TComponent {
 public:
  SORTARIUM_CLASS(TsSkinManager)
  explicit TsSkinManager(TComponent* owner) : TComponent(owner) {}
  const TStoredProperties& Stored() const { return stored_; }
  TStoredProperties& Stored() { return stored_; }

  TsStoredSkins* InternalSkins() { return &internalSkins_; }
  const TsStoredSkins* InternalSkins() const { return &internalSkins_; }
  // Copies the skins (never shares them).
  void SetInternalSkins(const TsStoredSkins& skins) { internalSkins_.Assign(skins); }

 private:
  TStoredProperties stored_;
  TsStoredSkins internalSkins_;
};

void RegisterSkinClasses();
