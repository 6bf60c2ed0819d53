// Compiled-in resources: files under resources/ are turned into byte arrays
// at build time and found by name (RCDATA), like resources in a program
// file. Names are the file names without their extension, upper-cased
// ("Unit1.dfm" is "UNIT1"); lookups ignore ASCII case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/base/Streams.h"

struct TResourceData {
  const uint8_t* Data = nullptr;
  size_t Size = 0;
};

// Adds a resource (the generated table calls this at start-up).
void RegisterResource(const std::string& name, const uint8_t* data, size_t size);
// nullptr data when there is no such resource.
TResourceData FindResource(const std::string& name);

// A read-only stream over a resource; throws EResNotFound
// ("Resource %s not found") when it does not exist.
class TResourceStream : public TReadOnlyMemoryStream {
 public:
  explicit TResourceStream(const std::string& name);

 private:
  static TResourceData Lookup(const std::string& name);
};
