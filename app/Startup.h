// The start-up of every unit, in link order, shared by the program and the
// headless driver: resources, the framework with its application object,
// picture formats, the preloaded archives, then the classes the window
// description names.
#pragma once

#include <exception>

class TForm1;

// Throws what a unit's start-up throws (a missing resource: EResNotFound).
void StartUnits();
// Initialises the application, sets its title and creates the main window.
TForm1* CreateMainWindow();
void StopUnits();
// Says why start-up failed: one line on stderr and, once the application
// object exists, the application's message box.
void ReportStartupFailure(const std::exception& e);

inline constexpr const char* kApplicationTitle = "Сортарий";
