// The real program's start-up once its command line is read, the same for
// sortarium and for the benchmark that times it: the SDL backend, every
// unit, the program's icon, then the main window with the command line
// applied.
#pragma once

#include <functional>
#include <memory>

class TBackend;
class TForm1;
struct TCommandLine;

struct TProgramStartHooks {
  // Wraps the backend before it is installed (the benchmark notes presents).
  std::function<std::unique_ptr<TBackend>(std::unique_ptr<TBackend>)> WrapBackend;
  // Called as each stage ends: "display", "units" (icon included), "window".
  std::function<void(const char* stage)> StageDone;
};

// Answers the main window, ready to run. A failure is said, as "NAME: why" on
// stderr or in the application's message box once there is one, the units
// are stopped again, and the answer is nullptr: the program ends with 1.
TForm1* StartProgram(const TCommandLine& options, const char* programName, const TProgramStartHooks& hooks = {});
