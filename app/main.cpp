// Сортарий: a trainer for selection sort.
#include <cstdio>

#include "app/Startup.h"
#include "app/Unit1.h"
#include "framework/backend/sdl/SdlBackend.h"
#include "framework/components/Application.h"

int main(int argc, char** argv) {
  TSkinOptions skin;
  for (int i = 1; i < argc; ++i) {
    bool known = false;
    try {
      known = ReadSkinOption(argc, argv, i, skin);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "sortarium: %s\n", e.what());
      return 2;
    }
    if (!known) {
      std::fprintf(stderr, "sortarium: unknown argument %s\nusage: sortarium [--skin NAME] [--skins-dir DIR]\n", argv[i]);
      return 2;
    }
  }
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
    TForm1* form = CreateMainWindow();
    ApplySkinOptions(*form->sSkinManager1, skin);
  } catch (const std::exception& e) {
    Application->ShowException(e.what());
    StopUnits();
    return 1;
  }
  Application->Run();
  StopUnits();
  return 0;
}
