#include "app/ProgramStart.h"

#include <sortarium/BuildInfo.h>

#include <cstdio>

#include "app/CommandLine.h"
#include "app/ProgramIcon.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "framework/backend/sdl/SdlBackend.h"
#include "framework/components/Application.h"

TForm1* StartProgram(const TCommandLine& options, const char* programName, const TProgramStartHooks& hooks) {
  const auto stageDone = [&hooks](const char* stage) {
    if (hooks.StageDone) hooks.StageDone(stage);
  };
  try {
    TSdlOptions sdl;
    sdl.Screen = options.Screen;
    sdl.AppId = SORTARIUM_APP_ID;
    std::unique_ptr<TBackend> backend = CreateSdlBackend(sdl);
    SetBackend(hooks.WrapBackend ? hooks.WrapBackend(std::move(backend)) : std::move(backend));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", programName, e.what());
    return nullptr;
  }
  stageDone("display");
  try {
    StartUnits();
  } catch (const std::exception& e) {
    ReportStartupFailure(e);
    StopUnits();
    return nullptr;
  }
  InstallProgramIcon();
  stageDone("units");
  TForm1* form = nullptr;
  try {
    form = CreateMainWindow();
    ApplyCommandLine(*form, options);
  } catch (const std::exception& e) {
    Application->ShowException(e.what());
    StopUnits();
    return nullptr;
  }
  stageDone("window");
  return form;
}
