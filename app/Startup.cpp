#include "app/Startup.h"

#include "app/Unit1.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "framework/base/SysUtils.h"

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

bool ReadSkinOption(int argc, char** argv, int& i, TSkinOptions& options) {
  const std::string a = argv[i];
  if (a != "--skin" && a != "--skins-dir") return false;
  if (i + 1 >= argc || std::string(argv[i + 1]).empty()) throw std::invalid_argument(a + " needs a value");
  const std::string value = argv[++i];
  if (a == "--skin")
    options.SkinName = value;
  else  // taken from where the user stands, before anything changes folder
    options.SkinsDir = std::filesystem::absolute(value).lexically_normal().string();
  return true;
}

void ApplySkinOptions(TsSkinManager& manager, const TSkinOptions& options) {
  std::string dir;
  if (options.SkinsDir) {
    dir = *options.SkinsDir;
  } else if (!DirectoryExists(manager.ResolvedSkinDirectory())) {
    // Installed, the program lives in <prefix>/bin and its skins in
    // <prefix>/share/sortarium/skins.
    const std::string installed = ExtractFilePath(ParamStr0()) + "../share/sortarium/skins";
    if (DirectoryExists(installed)) dir = installed;
  }
  const bool moved = !dir.empty() && dir != manager.SkinDirectory();
  if (moved) manager.SetSkinDirectory(dir);
  if (options.SkinName)
    manager.SetSkinName(*options.SkinName);
  else if (moved)
    manager.SetSkinName(manager.RequestedSkinName());
}
