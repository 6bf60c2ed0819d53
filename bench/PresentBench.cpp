// The present path of the real window beside a memcpy of the same bytes: the
// main window's 24-bit frame on a 1920 x 1080 screen converted into the 32-bit
// pixels of the window's surface, once whole (the first frame, an expose) and
// once for what one cell's colour change leaves dirty. The dirty region is
// the one the framework hands the backend after the change, cut into the
// rectangles the SDL backend converts, so a change that made the framework
// present more than the cell shows up here as a cost far above the cell's
// share of the frame.
#include <cstdio>
#include <cstring>
#include <vector>

#include "Ratios.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "framework/backend/headless/HeadlessBackend.h"
#include "framework/backend/sdl/SdlBackend.h"
#include "framework/base/SysUtils.h"
#include "framework/components/Application.h"
#include "framework/components/Windows.h"
#include "framework/stdctrls/StdCtrls.h"

namespace {

constexpr TSize kScreen{1920, 1080};
// As a window's surface is laid out: four bytes a pixel, rows without padding.
constexpr size_t kSurfaceBytesPerPixel = 4;

// The headless backend, keeping the dirty region of the last present.
class TDirtyRecorder : public THeadlessBackend {
 public:
  using THeadlessBackend::THeadlessBackend;
  void Present(HWND window, const TBitmap& framebuffer, const TRegion& dirty) override {
    LastDirty = dirty;
    THeadlessBackend::Present(window, framebuffer, dirty);
  }
  TRegion LastDirty;
};

size_t Area(const std::vector<TRect>& rects) {
  size_t n = 0;
  for (const TRect& r : rects) n += static_cast<size_t>(r.Width()) * r.Height();
  return n;
}

struct TFrame {
  TBitmap Pixels;                  // the window's framebuffer after the change
  std::vector<TRect> CellUploads;  // what a present after the change converts
  std::vector<uint8_t> Surface;    // the window surface's pixels
  size_t Pitch = 0;

  TRect Whole() const { return {0, 0, Pixels.Width(), Pixels.Height()}; }
};

TFrame* frame = nullptr;

void Convert(const TRect& r) {
  ConvertBgrToXrgb(frame->Pixels.ScanLine(r.Top) + static_cast<size_t>(r.Left) * 3,
                   static_cast<size_t>(frame->Pixels.RowBytes()),
                   frame->Surface.data() + static_cast<size_t>(r.Top) * frame->Pitch +
                       static_cast<size_t>(r.Left) * kSurfaceBytesPerPixel,
                   frame->Pitch, r.Width(), r.Height());
}

// The same rows copied as they are, into the same places of a buffer laid
// out as the frame: the bytes a conversion reads, moved without converting.
void CopyRows(const TRect& r, std::vector<uint8_t>& to) {
  const size_t rowBytes = static_cast<size_t>(frame->Pixels.RowBytes());
  for (int y = r.Top; y < r.Bottom; ++y)
    std::memcpy(to.data() + static_cast<size_t>(y) * rowBytes + static_cast<size_t>(r.Left) * 3,
                frame->Pixels.ScanLine(y) + static_cast<size_t>(r.Left) * 3, static_cast<size_t>(r.Width()) * 3);
}

std::vector<uint8_t> FrameSizedBuffer() {
  return std::vector<uint8_t>(static_cast<size_t>(frame->Pixels.RowBytes()) * frame->Pixels.Height(), 0);
}

void MemcpyFrame(benchmark::State& state) {
  std::vector<uint8_t> to = FrameSizedBuffer();
  const size_t bytes = to.size();
  for (auto _ : state) {
    std::memcpy(to.data(), frame->Pixels.ScanLine(0), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(MemcpyFrame)->Name("memcpy/frame");

void ConvertFrame(benchmark::State& state) {
  for (auto _ : state) {
    Convert(frame->Whole());
    benchmark::DoNotOptimize(frame->Surface.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Area({frame->Whole()}) * 3));
}
BENCHMARK(ConvertFrame)->Name("convert/frame");

// The pixel loop the vectorised conversion replaces, for comparison.
void ConvertFramePlain(benchmark::State& state) {
  const TRect r = frame->Whole();
  for (auto _ : state) {
    ConvertBgrToXrgbPlain(frame->Pixels.ScanLine(0), static_cast<size_t>(frame->Pixels.RowBytes()),
                          frame->Surface.data(), frame->Pitch, r.Width(), r.Height());
    benchmark::DoNotOptimize(frame->Surface.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Area({r}) * 3));
}
BENCHMARK(ConvertFramePlain)->Name("convert/frame, pixel loop");

void MemcpyCell(benchmark::State& state) {
  std::vector<uint8_t> to = FrameSizedBuffer();
  for (auto _ : state) {
    for (const TRect& r : frame->CellUploads) CopyRows(r, to);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.counters["pixels"] = static_cast<double>(Area(frame->CellUploads));
}
BENCHMARK(MemcpyCell)->Name("memcpy/cell colour change");

void ConvertCell(benchmark::State& state) {
  for (auto _ : state) {
    for (const TRect& r : frame->CellUploads) Convert(r);
    benchmark::DoNotOptimize(frame->Surface.data());
    benchmark::ClobberMemory();
  }
  state.counters["pixels"] = static_cast<double>(Area(frame->CellUploads));
}
BENCHMARK(ConvertCell)->Name("convert/cell colour change");

// Starts the main window, presents its first frame, turns one cell yellow (a
// comparison of the automatic sort) and keeps what the next present covers.
// Answers false, saying why, when the frame is not what this measures.
bool PrepareFrame(TDirtyRecorder& backend, TFrame& f) {
  TForm1* form = CreateMainWindow();
  Application->ShowMainForm();
  Application->ProcessMessages();
  const TBitmap* framebuffer = WindowFramebuffer(form->Handle());
  if (!framebuffer) {
    std::fprintf(stderr, "present_bench: the main window has no framebuffer\n");
    return false;
  }
  const TRect whole{0, 0, framebuffer->Width(), framebuffer->Height()};
  // All of the window that shows: its shape, when it has one (rounded corners).
  TRegion shown(whole);
  if (GetWindowRgn(form->Handle(), &shown) != 0) shown = shown.Intersect(whole);
  if (!backend.LastDirty.Subtract(shown).IsEmpty() || !shown.Subtract(backend.LastDirty).IsEmpty()) {
    std::fprintf(stderr, "present_bench: the first present did not cover the whole window\n");
    return false;
  }
  backend.LastDirty = TRegion();
  TStaticText* cell = form->Cell(3);
  cell->SetColor(clYellow);
  Application->ProcessMessages();
  f.Pixels.Assign(*framebuffer);
  f.CellUploads = PresentRects(backend.LastDirty, whole);
  f.Pitch = static_cast<size_t>(whole.Width()) * kSurfaceBytesPerPixel;
  f.Surface.assign(f.Pitch * whole.Height(), 0);
  if (f.CellUploads.empty()) {
    std::fprintf(stderr, "present_bench: the cell's change presented nothing\n");
    return false;
  }
  const TPoint origin = cell->ClientOrigin();
  std::printf(
      "window %dx%d; cell 3 at %d,%d, %dx%d; its change presents %zu "
      "rectangle(s), %zu pixels\n",
      whole.Width(), whole.Height(), origin.X - form->Left(), origin.Y - form->Top(), cell->Width(), cell->Height(),
      f.CellUploads.size(), Area(f.CellUploads));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  auto owned = std::make_unique<TDirtyRecorder>(kScreen);
  TDirtyRecorder& backend = *owned;
  SetBackend(std::move(owned));
  StartUnits();
  SetRandomizeSeed(1);
  TFrame f;
  if (!PrepareFrame(backend, f)) {
    StopUnits();
    return 1;
  }
  frame = &f;
  const double cellShare = static_cast<double>(Area(f.CellUploads)) / static_cast<double>(Area({f.Whole()}));
  // A conversion writes a third more bytes than it reads and cannot stream
  // like a plain copy; a cell's rows are short, so each row's start costs a
  // little more there than in the whole frame.
  const int result = RunWithRatios(argc, argv,
                                   {{"convert/frame", "memcpy/frame", 3.5},
                                    {"convert/cell colour change", "memcpy/cell colour change", 3.5}},
                                   {}, {{"convert/cell colour change", "convert/frame", cellShare, 2.0}});
  frame = nullptr;
  StopUnits();
  return result;
}
