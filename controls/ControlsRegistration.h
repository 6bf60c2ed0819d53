// Registration of the skinned controls with the window-description reader.
#pragma once

void RegisterSkinnedControlClasses();
