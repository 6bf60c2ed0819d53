// The start-up of every unit, in link order, shared by the program and the
// headless driver: resources, picture formats, the classes the window
// description names, then the application object.
#pragma once

class TForm1;

void StartUnits();
// Initialises the application, sets its title and creates the main window.
TForm1* CreateMainWindow();
void StopUnits();

inline constexpr const char* kApplicationTitle = "Сортарий";
