// The real program on the SDL backend, started as main() starts it and
// stopped at a chosen point, for bench/program_bench.sh to measure from
// outside on a virtual display:
//
//   program_bench first-present [PROGRAM OPTIONS]
//     stops once the first frame is on screen;
//   program_bench sorted [PROGRAM OPTIONS]
//     then clicks "Показать программу" and "Упорядочить автоматически" the
//     way the mouse does, waits for the automatic sort to finish, and reads
//     the peak resident memory from /proc/self/status.
//
// Every line it prints is "name value": the wall clock (microseconds since
// the epoch) at each stage of start-up, so the script can take the time from
// the moment it launched the program; the processor time of all its threads
// and the peak resident memory at the first present; the window's size and
// what the first present covered; after the sort, the memory figures in kB. The program's own options
// (--screen WxH, --skin NAME …) follow the mode word. Exit status 0 when the
// stopping point was reached, 1 when not, 2 for a bad command line.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "app/CommandLine.h"
#include "app/ProgramStart.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "controls/sBitBtn.h"
#include "controls/sGroupBox.h"
#include "framework/backend/BackendSink.h"
#include "framework/backend/Backend.h"
#include "framework/base/SysUtils.h"
#include "framework/components/Application.h"
#include "framework/components/Clock.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/StdCtrls.h"

namespace {

// A full automatic sort pauses about 30 s; anything far beyond is a hang.
constexpr uint64_t kSortLimitMs = 180'000;

long long WallUs() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// User and system time of the whole process, all its threads, so far.
long long CpuUs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1'000'000LL + usage.ru_utime.tv_usec +
         usage.ru_stime.tv_usec;
}

void Say(const char* name, long long value) {
  std::printf("%s %lld\n", name, value);
  std::fflush(stdout);
}

// The program's backend, with the first present noted on its way through.
class TPresentWatch : public TBackend {
 public:
  explicit TPresentWatch(std::unique_ptr<TBackend> inner) : inner_(std::move(inner)) {}
  const char* Name() const override { return inner_->Name(); }
  uint64_t NowMs() override { return inner_->NowMs(); }
  void Sleep(uint32_t ms) override { inner_->Sleep(ms); }
  TSize ScreenSize() override { return inner_->ScreenSize(); }
  TRect WorkArea() override { return inner_->WorkArea(); }
  void CreateNativeWindow(HWND window, const TRect& bounds, const std::string& title) override {
    inner_->CreateNativeWindow(window, bounds, title);
  }
  void DestroyNativeWindow(HWND window) override { inner_->DestroyNativeWindow(window); }
  void SetNativeBounds(HWND window, const TRect& bounds) override { inner_->SetNativeBounds(window, bounds); }
  void SetNativeTitle(HWND window, const std::string& title) override { inner_->SetNativeTitle(window, title); }
  void ShowNativeWindow(HWND window, int command) override { inner_->ShowNativeWindow(window, command); }
  void SetNativeShape(HWND window, const TRegion* shape) override { inner_->SetNativeShape(window, shape); }
  void Present(HWND window, const TBitmap& framebuffer, const TRegion& dirty) override {
    inner_->Present(window, framebuffer, dirty);
    ++Presents;
    if (FirstPresentUs) return;
    FirstPresentUs = WallUs();
    FirstPresentCpuUs = CpuUs();
    FirstSize = {framebuffer.Width(), framebuffer.Height()};
    FirstDirty = dirty.Bounds();
  }
  void SetApplicationIcon(const TBitmap& image, const TBitmap& opacity) override {
    inner_->SetApplicationIcon(image, opacity);
  }
  void CaptureMouse(bool on) override { inner_->CaptureMouse(on); }
  void PollEvents() override { inner_->PollEvents(); }
  // Once the frame is up, a program stopping there need not sleep first, so
  // timings of the whole process end with it too.
  bool WaitEvents(uint32_t timeoutMs) override {
    return StopAtFirstPresent && FirstPresentUs ? true : inner_->WaitEvents(timeoutMs);
  }
  int MessageBox(const std::string& caption, const std::string& text, unsigned flags) override {
    // Nobody sits at the virtual display to close a box: say it and go on.
    std::fprintf(stderr, "program_bench: message box '%s': %s\n", caption.c_str(), text.c_str());
    return IDCANCEL;
  }
  void SetClipboardText(const std::string& text) override { inner_->SetClipboardText(text); }
  std::string ClipboardText() override { return inner_->ClipboardText(); }

  bool StopAtFirstPresent = false;
  long long FirstPresentUs = 0;
  long long FirstPresentCpuUs = 0;
  TSize FirstSize;
  TRect FirstDirty;
  uint64_t Presents = 0;

 private:
  std::unique_ptr<TBackend> inner_;
};

// A press and release at the centre of a control, through the same sink the
// SDL backend hands the mouse to.
void ClickCentre(TForm1& form, TControl& control) {
  const TPoint origin = control.ClientOrigin();
  const TPoint p{origin.X + control.Width() / 2 - form.Left(), origin.Y + control.Height() / 2 - form.Top()};
  BackendSink().MouseMove(form.Handle(), p);
  BackendSink().MouseButton(form.Handle(), p, 0, true);
  BackendSink().MouseButton(form.Handle(), p, 0, false);
}

// Every position done (cyan) and the numbers in the order the radio group asks
// for.
bool Sorted(const TForm1& form) {
  const bool ascending = form.sRadioGroup->ItemIndex() == 0;
  for (int k = 1; k <= TForm1::kCellCount; ++k) {
    if (ColorToRGB(form.Cell(k)->Color()) != ColorToRGB(clAqua)) return false;
    if (k > 1 && (ascending ? form.Value(k - 1) > form.Value(k) : form.Value(k - 1) < form.Value(k))) return false;
  }
  return true;
}

// A "Name:   1234 kB" line of /proc/self/status, in kB; -1 when missing.
long long StatusKb(const char* name) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const size_t n = std::strlen(name);
  while (std::getline(status, line))
    if (line.compare(0, n, name) == 0 && line.size() > n && line[n] == ':') return std::atoll(line.c_str() + n + 1);
  return -1;
}

int RunSort(TForm1& form, TPresentWatch& watch) {
  for (int order = 0; order < 2; ++order)
    if (!FileExists(TForm1::ListingFileName(order))) {
      std::fprintf(stderr, "program_bench: %s is not in the current folder\n", TForm1::ListingFileName(order));
      return 1;
    }
  ClickCentre(form, *form.sBitBtn2);
  ClickCentre(form, *form.sBitBtn4);
  const uint64_t start = GetTickCount64();
  // The second click runs the whole sort inside one message, pumping as it
  // animates; the loop goes on until its last cell has turned.
  while (!Sorted(form) && !Application->Terminated() && GetTickCount64() - start < kSortLimitMs)
    if (!Application->HandleMessage()) break;
  Application->ProcessMessages();
  if (!Sorted(form)) {
    std::fprintf(stderr, "program_bench: the automatic sort did not finish\n");
    return 1;
  }
  Say("sort-ms", static_cast<long long>(GetTickCount64() - start));
  Say("presents", static_cast<long long>(watch.Presents));
  Say("vmhwm-kb", StatusKb("VmHWM"));
  Say("vmrss-kb", StatusKb("VmRSS"));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Say("main-us", WallUs());
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode != "first-present" && mode != "sorted") {
    std::fprintf(stderr, "usage: program_bench first-present|sorted [PROGRAM OPTIONS]\n");
    return 2;
  }
  // The mode word stands where the program's name would.
  TCommandLine options;
  try {
    options = ParseCommandLine(argc - 1, argv + 1);
  } catch (const TCommandLineError& e) {
    std::fprintf(stderr, "program_bench: %s\n", e.what());
    return 2;
  }

  // main()'s own start-up, with the backend watched and each stage timed.
  TPresentWatch* watch = nullptr;
  TProgramStartHooks hooks;
  hooks.WrapBackend = [&watch, &mode](std::unique_ptr<TBackend> inner) -> std::unique_ptr<TBackend> {
    auto watched = std::make_unique<TPresentWatch>(std::move(inner));
    watch = watched.get();
    watch->StopAtFirstPresent = mode == "first-present";
    return watched;
  };
  hooks.StageDone = [](const char* stage) { Say((std::string(stage) + "-us").c_str(), WallUs()); };
  TForm1* form = StartProgram(options, "program_bench", hooks);
  if (!form) return 1;
  // Application->Run() up to the first present.
  Application->ShowMainForm();
  while (!watch->FirstPresentUs && !Application->Terminated())
    if (!Application->HandleMessage()) break;
  if (!watch->FirstPresentUs) {
    std::fprintf(stderr, "program_bench: the window was never presented\n");
    StopUnits();
    return 1;
  }
  Say("first-present-us", watch->FirstPresentUs);
  Say("first-present-cpu-us", watch->FirstPresentCpuUs);
  Say("first-present-vmhwm-kb", StatusKb("VmHWM"));
  std::printf("window %dx%d\nfirst-present-covers %d,%d %dx%d\n", watch->FirstSize.cx, watch->FirstSize.cy,
              watch->FirstDirty.Left, watch->FirstDirty.Top, watch->FirstDirty.Width(), watch->FirstDirty.Height());
  const int result = mode == "sorted" ? RunSort(*form, *watch) : 0;
  std::fflush(stdout);
  StopUnits();
  return result;
}
