// Start-up work beside its physical reference: parsing the main window's
// description (with its stored skin, mostly hex of bitmaps) and creating the
// whole main window from it, against a memcpy of the description's bytes;
// and activating the stored skin (the manager's tables and its 24-bit master
// bitmap), against reading the description alone. And the whole start-up on
// a 1920 x 1080 screen, from the description to the first complete frame
// presented, as a median of single start-ups.
#include <cstring>
#include <vector>

#include "Ratios.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "framework/backend/headless/HeadlessBackend.h"
#include "framework/base/SysUtils.h"
#include "framework/components/Application.h"
#include "framework/components/Windows.h"
#include "framework/resources/Resources.h"
#include "framework/streaming/Parser.h"
#include "skin/sSkinManager.h"

namespace {

constexpr TSize kScreen{1920, 1080};
THeadlessBackend* backend = nullptr;

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

// The picture the window shows on screen, as the backend last presented it.
std::vector<uint8_t> ScreenBytes(HWND window) {
  const THeadlessBackend::Window* w = backend->FindWindow(window);
  std::vector<uint8_t> bytes;
  if (!w) return bytes;
  for (int y = 0; y < w->Screen.Height(); ++y)
    bytes.insert(bytes.end(), w->Screen.ScanLine(y), w->Screen.ScanLine(y) + w->Screen.Width() * 3);
  return bytes;
}

// The main window made from its description, shown, painted and presented,
// as the program starts: one start-up per iteration, so the median is that
// of start-ups. The first frame must be complete: a repaint of everything
// afterwards may not change a pixel on screen.
void StartToFirstFrame(benchmark::State& state) {
  uint64_t presents = 0;
  for (auto _ : state) {
    TForm1* form = CreateMainWindow();
    Application->ShowMainForm();
    Application->ProcessMessages();
    state.PauseTiming();
    const THeadlessBackend::Window* shown = backend->FindWindow(form->Handle());
    presents = shown ? shown->Presents : 0;
    if (presents > 0 && state.iterations() == 0) {
      const std::vector<uint8_t> first = ScreenBytes(form->Handle());
      RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
      Application->ProcessMessages();
      if (ScreenBytes(form->Handle()) != first) state.SkipWithError("the first frame presented was not complete");
    }
    TComponent::Free(form);
    Application->ProcessMessages();
    state.ResumeTiming();
    if (presents == 0) {
      state.SkipWithError("start-up presented nothing");
      break;
    }
  }
}
BENCHMARK(StartToFirstFrame)
    ->Name("start-up/first frame 1920x1080")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  backend = InstallHeadlessBackend(kScreen);
  StartUnits();
  SetRandomizeSeed(1);
  // Turning the stored skin into tables should cost less than reading it.
  const int result = RunWithRatios(argc, argv, {{"activate/stored skin", "parse/description", 1.0}},
                                   {{"start-up/first frame 1920x1080/iterations:1/repeats:15_median", 100.0}});
  StopUnits();
  return result;
}
