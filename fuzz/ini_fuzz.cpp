// Skin option files under libFuzzer: any text reads, and every section and
// key found can be looked up again by its name.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/components/IniFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemIniFile ini;
  ini.SetText(std::string(reinterpret_cast<const char*>(data), size));
  for (const std::string& section : ini.Sections()) {
    if (!ini.SectionExists(section)) std::abort();
    for (const auto& [key, value] : ini.SectionValues(section)) {
      if (!ini.ValueExists(section, key)) std::abort();
      ini.ReadInteger(section, key, 0);
      ini.ReadFloat(section, key, 0);
      ini.ReadBool(section, key, false);
    }
  }
  return 0;
}
