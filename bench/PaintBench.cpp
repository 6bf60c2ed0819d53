// Repainting the skinned main window on a 1920 x 1080 screen beside a
// memcpy of the window's bytes: once with every skinned control's cache
// stale (a skin change), once with nothing invalidated but the window
// itself (no cache is rebuilt, and a picture still on screen is not copied
// again); one frame of a button's cross-fade; and the repaints of a whole
// automatic sort, where each colour change of a cell must repaint that cell
// alone.
#include <array>
#include <cstring>
#include <functional>
#include <vector>

#include "Ratios.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "controls/sBitBtn.h"
#include "controls/sGroupBox.h"
#include "controls/sPanel.h"
#include "controls/sRadioButton.h"
#include "framework/backend/headless/HeadlessBackend.h"
#include "framework/base/SysUtils.h"
#include "framework/components/Application.h"
#include "framework/components/Windows.h"
#include "framework/stdctrls/RichEdit.h"
#include "framework/stdctrls/StdCtrls.h"
#include "skin/sCommonData.h"
#include "skin/sFade.h"

namespace {

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

TForm1* window = nullptr;

// Every shown skinned control's skin data under `container`. A hidden one
// (the pause indicator, most of the time) is not painted, so its cache
// rightly stays stale until it is shown.
void CollectSkinData(TWinControl& container, std::vector<TsCommonData*>& out) {
  for (int i = 0; i < container.ControlCount(); ++i) {
    TControl* c = container.Controls(i);
    if (!c->Visible()) continue;
    if (auto* p = dynamic_cast<TsPanel*>(c)) out.push_back(p->SkinData());
    if (auto* b = dynamic_cast<TsBitBtn*>(c)) out.push_back(b->SkinData());
    if (auto* g = dynamic_cast<TsGroupBox*>(c)) out.push_back(g->SkinData());
    if (auto* r = dynamic_cast<TsRadioButton*>(c)) out.push_back(r->SkinData());
    if (auto* w = dynamic_cast<TWinControl*>(c)) CollectSkinData(*w, out);
  }
}

std::vector<TsCommonData*> SkinnedControls() {
  std::vector<TsCommonData*> all;
  CollectSkinData(*window, all);
  return all;
}

uint64_t CacheBuilds(const std::vector<TsCommonData*>& all) {
  uint64_t n = 0;
  for (const TsCommonData* d : all) n += d->CacheBuilds;
  return n;
}

size_t WindowBytes() { return static_cast<size_t>(window->Width()) * window->Height() * 3; }

void RepaintWholeWindow() {
  RedrawWindow(window->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME);
  UpdateAllWindows();
}

void Memcpy(benchmark::State& state) {
  std::vector<uint8_t> a(WindowBytes(), 1), b(WindowBytes(), 2);
  for (auto _ : state) {
    std::memcpy(a.data(), b.data(), a.size());
    benchmark::DoNotOptimize(a.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * a.size()));
}
BENCHMARK(Memcpy)->Name("memcpy/main window");

void RepaintStale(benchmark::State& state) {
  const std::vector<TsCommonData*> all = SkinnedControls();
  uint64_t rebuilt = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (TsCommonData* d : all) d->BGChanged = true;
    const uint64_t before = CacheBuilds(all);
    state.ResumeTiming();
    RepaintWholeWindow();
    rebuilt = CacheBuilds(all) - before;
  }
  state.counters["caches rebuilt"] = static_cast<double>(rebuilt);
  if (rebuilt < all.size()) state.SkipWithError("not every stale cache was rebuilt");
}
BENCHMARK(RepaintStale)->Name("repaint/every cache stale")->Unit(benchmark::kMillisecond);

void RepaintCached(benchmark::State& state) {
  const std::vector<TsCommonData*> all = SkinnedControls();
  RepaintWholeWindow();
  const uint64_t before = CacheBuilds(all);
  const TPaintCounts countsBefore = PaintCounts();
  for (auto _ : state) RepaintWholeWindow();
  const uint64_t rebuilt = CacheBuilds(all) - before;
  const TPaintCounts countsAfter = PaintCounts();
  const double repaints = static_cast<double>(state.iterations());
  state.counters["caches rebuilt"] = static_cast<double>(rebuilt);
  // Pixels of the windows' DCs per pixel of the window: above 1, some are
  // painted twice.
  state.counters["painted/window"] = static_cast<double>(countsAfter.PaintedPixels - countsBefore.PaintedPixels) /
                                     repaints / (static_cast<double>(WindowBytes()) / 3);
  state.counters["regions computed"] =
      static_cast<double>(countsAfter.RegionsComputed - countsBefore.RegionsComputed) / repaints;
  // Windows whose paint found their picture still on screen.
  state.counters["pictures kept"] =
      static_cast<double>(countsAfter.PicturesKept - countsBefore.PicturesKept) / repaints;
  if (rebuilt != 0) state.SkipWithError("a repaint with nothing invalidated rebuilt a cache");
}
BENCHMARK(RepaintCached)->Name("repaint/nothing invalidated")->Unit(benchmark::kMillisecond);

// The button column alone: a panel, four buttons and the radio group, all
// skinned, all copied from their caches; beside a memcpy of its bytes.
size_t ColumnBytes() { return static_cast<size_t>(window->sPanel2->Width()) * window->sPanel2->Height() * 3; }

void MemcpyColumn(benchmark::State& state) {
  std::vector<uint8_t> a(ColumnBytes(), 1), b(ColumnBytes(), 2);
  for (auto _ : state) {
    std::memcpy(a.data(), b.data(), a.size());
    benchmark::DoNotOptimize(a.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(MemcpyColumn)->Name("memcpy/button column");

void RepaintColumn(benchmark::State& state) {
  const std::vector<TsCommonData*> all = SkinnedControls();
  const uint64_t before = CacheBuilds(all);
  for (auto _ : state) {
    RedrawWindow(window->sPanel2->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    UpdateAllWindows();
  }
  if (CacheBuilds(all) != before) state.SkipWithError("a repaint with nothing invalidated rebuilt a cache");
}
BENCHMARK(RepaintColumn)->Name("repaint/button column, cached")->Unit(benchmark::kMicrosecond);

// One frame of the hover fade of a 145 x 60 button: the old look mixed
// with the new one and shown in the button's window.
void FadeFrame(benchmark::State& state) {
  TsBitBtn& button = *window->sBitBtn2;
  TsCommonData& data = *button.SkinData();
  const TsGeneralData* section = data.Section();
  if (!section || !section->FadingEnabled) {
    state.SkipWithError("the button's section does not fade");
    return;
  }
  TsFadeTimer* timer = nullptr;
  StartFade(timer, data, TFadeLength::Full, TFadeDirection::In);
  if (!timer) {
    state.SkipWithError("no fade started");
    return;
  }
  timer->SetEnabled(false);  // the benchmark shows the frames itself
  for (auto _ : state) {
    timer->FadeLevel = 1;
    timer->Step();
  }
  StopFade(timer, data);
  data.InvalidateSkin();
}
BENCHMARK(FadeFrame)->Name("fade frame/145x60")->Unit(benchmark::kMicrosecond);

// A whole automatic sort of a row that needs every kind of step, with the
// listing shown, run by the sort button's handler itself (a click would
// add the button's own looks). Every paint of the sort must be one cell's
// colour or caption change: one window, that cell's pixels, and no skinned
// cache rebuilt.
void AutomaticSort(benchmark::State& state) {
  const std::vector<TsCommonData*> all = SkinnedControls();
  window->sText1->Lines()->LoadFromFile(SORTARIUM_SOURCE_DIR "/resources/listings/возрастание.txt");
  window->sRadioGroup->SetItemIndex(0);
  UpdateAllWindows();
  // Each cell counts its own paints and the pixels its DC could reach.
  uint64_t cellPaints = 0, cellPixels = 0;
  std::vector<std::function<void(TMessage&)>> originals;
  for (int k = 1; k <= TForm1::kCellCount; ++k) {
    TStaticText* cell = window->Cell(k);
    originals.push_back(cell->WindowProc);
    cell->WindowProc = [&cellPaints, &cellPixels, previous = cell->WindowProc](TMessage& m) {
      if (m.Msg != WM_PAINT || m.WParam != 0) {
        previous(m);
        return;
      }
      const uint64_t before = PaintCounts().PaintedPixels;
      previous(m);
      ++cellPaints;
      cellPixels += PaintCounts().PaintedPixels - before;
    };
  }
  const std::array<uint8_t, 10> row{50, 20, 90, 10, 70, 30, 60, 80, 40, 15};
  TPaintCounts during{};
  uint64_t rebuilt = 0, paintsOfCells = 0, pixelsOfCells = 0;
  for (auto _ : state) {
    state.PauseTiming();
    window->ShowValues(row);
    UpdateAllWindows();
    const TPaintCounts before = PaintCounts();
    const uint64_t buildsBefore = CacheBuilds(all);
    cellPaints = cellPixels = 0;
    state.ResumeTiming();
    window->sBitBtn4Click(window->sBitBtn4);
    UpdateAllWindows();
    const TPaintCounts after = PaintCounts();
    during = {after.ClientPaints - before.ClientPaints,     after.FramePaints - before.FramePaints,
              after.DeviceContexts - before.DeviceContexts, after.PaintedRects - before.PaintedRects,
              after.PaintedPixels - before.PaintedPixels,   after.RegionsComputed - before.RegionsComputed};
    rebuilt = CacheBuilds(all) - buildsBefore;
    paintsOfCells = cellPaints;
    pixelsOfCells = cellPixels;
  }
  for (int k = 1; k <= TForm1::kCellCount; ++k) window->Cell(k)->WindowProc = originals[static_cast<size_t>(k - 1)];
  const double paints = static_cast<double>(during.ClientPaints);
  state.counters["paints"] = paints;
  state.counters["pixels/paint"] = paints > 0 ? static_cast<double>(during.PaintedPixels) / paints : 0;
  state.counters["rects/paint"] = paints > 0 ? static_cast<double>(during.PaintedRects) / paints : 0;
  state.counters["caches rebuilt"] = static_cast<double>(rebuilt);
  state.counters["regions computed"] = static_cast<double>(during.RegionsComputed);
  if (rebuilt != 0) state.SkipWithError("a cell's change rebuilt a skinned cache");
  // Every paint and every pixel of the sort belongs to a cell's own paint.
  if (paintsOfCells == 0 || during.ClientPaints != paintsOfCells || during.FramePaints != 0 ||
      during.DeviceContexts != during.ClientPaints || during.PaintedPixels != pixelsOfCells)
    state.SkipWithError("the sort painted more than the changed cells");
}
BENCHMARK(AutomaticSort)->Name("automatic sort/cell repaints")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  InstallHeadlessBackend({kScreenWidth, kScreenHeight});
  SetRandomizeSeed(1);
  StartUnits();
  window = CreateMainWindow();
  Application->ShowMainForm();
  Application->ProcessMessages();
  UpdateAllWindows();
  const int result = RunWithRatios(argc, argv,
                                   {{"repaint/every cache stale", "memcpy/main window", 10.0},
                                    {"repaint/nothing invalidated", "memcpy/main window", 1.0},
                                    {"repaint/button column, cached", "memcpy/button column", 1.0}},
                                   {{"fade frame/145x60", 0.05}});
  StopUnits();
  return result;
}
