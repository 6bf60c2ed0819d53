// Start-up and shut-down of the preloaded archives, in the order of their
// units: the bitmap and region registries, the list of preloaded archives,
// the stored skins (the global one gets the bytes of the resource
// "INTERNAL_ZIP"), the directory of the resource "GENERAL_ZIP" under
// "_general.zip", then the two plain lists. Shut-down frees them in
// reverse. Start-up needs the compiled-in resources registered; a missing
// one fails it with EResNotFound ("Resource NAME not found").
#pragma once

class TQorStoredSkin;

void StartArchiveUnits();
void StopArchiveUnits();

// The stored skin made at start-up, or nullptr.
TQorStoredSkin* GlobalQorStoredSkin();
