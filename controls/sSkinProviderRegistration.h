// TsSkinProvider and its parts as the window-description reader knows them.
#pragma once

void RegisterSkinProviderClasses();
