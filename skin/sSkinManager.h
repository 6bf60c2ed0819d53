// TsSkinManager: holds the skin stored in the window description. Its stored
// properties are kept as read.
#pragma once

#include "framework/components/Component.h"
#include "framework/streaming/StoredProperties.h"

class TsSkinManager : public TComponent {
 public:
  SORTARIUM_CLASS(TsSkinManager)
  explicit TsSkinManager(TComponent* owner) : TComponent(owner) {}
  const TStoredProperties& Stored() const { return stored_; }
  TStoredProperties& Stored() { return stored_; }

 private:
  TStoredProperties stored_;
};

void RegisterSkinClasses();
