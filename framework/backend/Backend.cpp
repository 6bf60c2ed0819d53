#include "framework/backend/Backend.h"

#include "framework/backend/HeadlessBackend.h"

namespace {
std::unique_ptr<TBackend>& Slot() {
  static std::unique_ptr<TBackend>* slot = new std::unique_ptr<TBackend>();
  return *slot;
}
}  // namespace

TBackend* Backend() {
  auto& slot = Slot();
  if (!slot) slot = std::make_unique<THeadlessBackend>();
  return slot.get();
}

void SetBackend(std::unique_ptr<TBackend> backend) { Slot() = std::move(backend); }
