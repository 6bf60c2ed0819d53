#include "app/Startup.h"

#include "app/Unit1.h"
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
  RegisterPngFormat();
  RegisterJpegFormat();
  RegisterFrameworkClasses();
  RegisterSkinClasses();
  RegisterSkinnedControlClasses();
  RegisterUnit1Classes();
  InitializeFramework();
}

TForm1* CreateMainWindow() {
  Application->Initialize();
  Application->SetTitle(kApplicationTitle);
  return Application->CreateForm<TForm1>();
}

void StopUnits() { FinalizeFramework(); }
