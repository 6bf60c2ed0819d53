// Сортарий: a trainer for selection sort.
#include <cstdio>

#include "app/Startup.h"
#include "framework/backend/sdl/SdlBackend.h"
#include "framework/components/Application.h"

int main() {
  try {
    SetBackend(CreateSdlBackend());
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
  try {
    CreateMainWindow();
  } catch (const std::exception& e) {
    Application->ShowException(e.what());
    StopUnits();
    return 1;
  }
  Application->Run();
  StopUnits();
  return 0;
}
