// The start-up of every unit, in link order, shared by the program and the
// headless driver: resources, the framework with its application object,
// picture formats, the preloaded archives, then the classes the window
// description names.
#pragma once

#include <exception>
#include <optional>
#include <string>

class TForm1;
class TsSkinManager;

// The skin chosen on the command line (--skin NAME, --skins-dir DIR).
struct TSkinOptions {
  std::optional<std::string> SkinName;
  std::optional<std::string> SkinsDir;  // absolute
};
// Reads "--skin NAME" or "--skins-dir DIR" at argv[i] (moving i past the
// value); false for any other argument. Throws std::invalid_argument for an
// option without its value.
bool ReadSkinOption(int argc, char** argv, int& i, TSkinOptions& options);
// After the window is read: the skin directory (the option, else the
// "Skins" folder beside the program, else the installed data folder's
// "skins"), then the skin (the option, else the one the window asked for,
// looked for again when the directory changed).
void ApplySkinOptions(TsSkinManager& manager, const TSkinOptions& options);

// Throws what a unit's start-up throws (a missing resource: EResNotFound).
void StartUnits();
// Initialises the application, sets its title and creates the main window.
TForm1* CreateMainWindow();
void StopUnits();
// Says why start-up failed: one line on stderr and, once the application
// object exists, the application's message box.
void ReportStartupFailure(const std::exception& e);

inline constexpr const char* kApplicationTitle = "Сортарий";
