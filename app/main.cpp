// Сортарий: a trainer for selection sort.
#include <sortarium/BuildInfo.h>

#include <cstdio>

#include "app/CommandLine.h"
#include "app/ProgramIcon.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "framework/backend/sdl/SdlBackend.h"
#include "framework/components/Application.h"

int main(int argc, char** argv) {
  TCommandLine options;
  try {
    options = ParseCommandLine(argc, argv);
  } catch (const TCommandLineError& e) {
    std::fprintf(stderr, "sortarium: %s\nTry 'sortarium --help' for the options.\n", e.what());
    return 2;
  }
  if (options.Help) {
    std::fputs(CommandLineHelp().c_str(), stdout);
    return 0;
  }
  if (options.Version) {
    std::printf("sortarium %s\n", SORTARIUM_VERSION);
    return 0;
  }
  try {
    TSdlOptions sdl;
    sdl.Screen = options.Screen;
    sdl.AppId = SORTARIUM_APP_ID;
    SetBackend(CreateSdlBackend(sdl));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "sortarium: %s\n", e.what());
    return 1;
  }
  try {
    StartUnits();
  } catch (const std::exception& e) {
    ReportStartupFailure(e);
    StopUnits();
    return 1;
  }
  InstallProgramIcon();
  try {
    ApplyCommandLine(*CreateMainWindow(), options);
  } catch (const std::exception& e) {
    Application->ShowException(e.what());
    StopUnits();
    return 1;
  }
  Application->Run();
  StopUnits();
  return 0;
}
