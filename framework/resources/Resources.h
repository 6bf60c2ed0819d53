// Compiled-in resources: files under a resource folder are turned into byte
// arrays at build time (cmake/EmbedResources.cmake) and found by name
// (RCDATA), like resources in a program file.
//
// Every file is registered under two names: its file name without the last
// extension and its full file name, both upper-cased ("Unit1.dfm" is found as
// "UNIT1" and as "UNIT1.DFM"). When two files of a folder share the name
// without extension, only their full names are registered. Upper-casing and
// lookups only fold ASCII letters; other characters must match exactly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/base/Streams.h"

struct TResourceData {
  const uint8_t* Data = nullptr;
  size_t Size = 0;
};

// Adds a resource (the generated table calls this at start-up); a name
// registered again points at the new bytes. The bytes are not copied and
// must live as long as the program.
void RegisterResource(const std::string& name, const uint8_t* data, size_t size);
// nullptr data when there is no such resource.
TResourceData FindResource(const std::string& name);

// Defined by the table generated for a program (sortarium_embed_resources);
// registers every file of its folder. Safe to call more than once.
void RegisterCompiledResources();

// A read-only stream over a resource; throws EResNotFound
// ("Resource %s not found", with the name as asked for) when it does not exist.
class TResourceStream : public TReadOnlyMemoryStream {
 public:
  explicit TResourceStream(const std::string& name);

 private:
  static TResourceData Lookup(const std::string& name);
};
