// TsSkinProvider: the component that will paint the window frame from the
// skin. It keeps its stored settings (section, title buttons) as read.
#pragma once

#include "framework/components/Component.h"
#include "framework/streaming/StoredProperties.h"

class TsSkinProvider : public TComponent {
 public:
  SORTARIUM_CLASS(TsSkinProvider)
  explicit TsSkinProvider(TComponent* owner) : TComponent(owner) {}
  const TStoredProperties& Stored() const { return stored_; }
  TStoredProperties& Stored() { return stored_; }

 private:
  TStoredProperties stored_;
};
