#include "app/Startup.h"

#include "app/Unit1.h"

#include <cstdio>

#include "archives/ArchiveUnits.h"
#include "archives/QorStoredSkin.h"
#include "controls/ControlsRegistration.h"
#include "framework/components/Application.h"
#include "framework/graphics/JpegImage.h"
#include "framework/graphics/Picture.h"
#include "framework/resources/Resources.h"
#include "framework/streaming/ClassRegistry.h"
#include "skin/sSkinManager.h"

void RegisterCompiledResources();

void StartUnits() {
  RegisterCompiledResources();
  RegisterFrameworkClasses();
  InitializeFramework();
  RegisterPngFormat();
  RegisterJpegFormat();
  RegisterQorStoredSkinClass();
  StartArchiveUnits();
  RegisterSkinClasses();
  RegisterSkinnedControlClasses();
  RegisterUnit1Classes();
}

TForm1* CreateMainWindow() {
  Application->Initialize();
  Application->SetTitle(kApplicationTitle);
  return Application->CreateForm<TForm1>();
}

void StopUnits() {
  StopArchiveUnits();
  FinalizeFramework();
}

void ReportStartupFailure(const std::exception& e) {
  std::fprintf(stderr, "sortarium: %s\n", e.what());
  if (!Application) return;
  Application->SetTitle(kApplicationTitle);
  Application->ShowException(e.what());
}
