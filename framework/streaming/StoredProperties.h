// Properties kept as they were read, for components that store settings the
// program passes on but does not act on itself.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "framework/streaming/ClassRegistry.h"

class TStoredProperties {
 public:
  void Set(const std::string& path, const TPropValue& value) {
    for (auto& [p, v] : values_)
      if (p == path) {
        v = value;
        return;
      }
    values_.emplace_back(path, value);
  }
  const TPropValue* Find(const std::string& path) const {
    for (const auto& [p, v] : values_)
      if (p == path) return &v;
    return nullptr;
  }
  std::string String(const std::string& path, const std::string& fallback = {}) const {
    const TPropValue* v = Find(path);
    return v && (v->kind == TPropValue::Kind::String || v->kind == TPropValue::Kind::Ident) ? v->text : fallback;
  }
  // In the order they were read.
  const std::vector<std::pair<std::string, TPropValue>>& All() const { return values_; }

 private:
  std::vector<std::pair<std::string, TPropValue>> values_;
};
