#include "framework/resources/Resources.h"

#include <map>

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"

namespace {

std::map<std::string, TResourceData>& Table() {
  static std::map<std::string, TResourceData> table;
  return table;
}

// An empty file still needs a non-null pointer: null means "not found".
const uint8_t kEmpty[1] = {0};

}  // namespace

void RegisterResource(const std::string& name, const uint8_t* data, size_t size) {
  Table()[UpperCase(name)] = TResourceData{data ? data : kEmpty, data ? size : 0};
}

TResourceData FindResource(const std::string& name) {
  auto& table = Table();
  auto it = table.find(UpperCase(name));
  return it == table.end() ? TResourceData{} : it->second;
}

TResourceData TResourceStream::Lookup(const std::string& name) {
  const TResourceData found = FindResource(name);
  if (!found.Data) throw EResNotFound(Format(SResNotFound, {name}));
  return found;
}

TResourceStream::TResourceStream(const std::string& name)
    : TReadOnlyMemoryStream(Lookup(name).Data, Lookup(name).Size) {}
