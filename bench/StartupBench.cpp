// Start-up work beside its physical reference: parsing the main window's
// description (with its stored skin, mostly hex of bitmaps) and creating the
// whole main window from it, against a memcpy of the description's bytes;
// and activating the stored skin (the manager's tables and its 24-bit master
// bitmap), against reading the description alone.
#include <cstring>
#include <vector>

#include "Ratios.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "framework/backend/headless/HeadlessBackend.h"
#include "framework/base/SysUtils.h"
#include "framework/components/Application.h"
#include "framework/resources/Resources.h"
#include "framework/streaming/Parser.h"
#include "skin/sSkinManager.h"

namespace {

TResourceData Description() { return FindResource("UNIT1"); }

void Memcpy(benchmark::State& state) {
  const TResourceData d = Description();
  std::vector<uint8_t> copy(d.Size);
  for (auto _ : state) {
    std::memcpy(copy.data(), d.Data, d.Size);
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * d.Size));
}
BENCHMARK(Memcpy)->Name("memcpy/description");

void ParseDescription(benchmark::State& state) {
  const TResourceData d = Description();
  const std::string_view text(reinterpret_cast<const char*>(d.Data), d.Size);
  for (auto _ : state) {
    TParser parser(text, "Unit1");
    TParseEvent event;
    int events = 0;
    while (parser.Next(event)) ++events;
    benchmark::DoNotOptimize(events);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * d.Size));
}
BENCHMARK(ParseDescription)->Name("parse/description");

// The main window made and freed again, as the program makes it at start-up.
void CreateWindowFromDescription(benchmark::State& state) {
  for (auto _ : state) {
    TForm1* form = CreateMainWindow();
    benchmark::DoNotOptimize(form);
    TComponent::Free(form);
  }
}
BENCHMARK(CreateWindowFromDescription)->Name("create/main window")->Unit(benchmark::kMillisecond);

// What the manager does with the skin it has read: the three tables, the
// master bitmap and the cached indexes, without telling any window.
void ActivateStoredSkin(benchmark::State& state) {
  TForm1* form = CreateMainWindow();
  TsSkinManager& manager = *form->sSkinManager1;
  for (auto _ : state) {
    manager.ReadActiveSkin();
    manager.ResolveCachedIndexes();
    benchmark::DoNotOptimize(manager.Masks().data());
  }
  if (manager.Sections().size() != 62 || manager.Masks().size() != 81) state.SkipWithError("the skin did not load");
  TComponent::Free(form);
}
BENCHMARK(ActivateStoredSkin)->Name("activate/stored skin");

}  // namespace

int main(int argc, char** argv) {
  InstallHeadlessBackend({1024, 768});
  StartUnits();
  SetRandomizeSeed(1);
  // Turning the stored skin into tables should cost less than reading it.
  const int result = RunWithRatios(argc, argv, {{"activate/stored skin", "parse/description", 1.0}});
  StopUnits();
  return result;
}
