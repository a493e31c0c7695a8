// Turns a fuzz input into a machine for the host stand-in: the platform
// family, the system directory and its files, the keys that the program
// reads with any subkeys, values, types and data up to the registry's name
// limits, refused access, and failures or changes scheduled on any registry
// call (a value that changes between the query of its size and its reading).
#pragma once

#include "FuzzInput.h"
#include "Morvane/LayoutCatalogue.h"

#include <vector>

struct CHostileMachine {
  // Layouts to hand to the list filling directly, as a dialog would hold them.
  std::vector<CLayoutInfo> layouts;
  bool bShowMoreChecked = false;
};

// Sets up the stand-in (after host::Reset) from the input, read to its end.
CHostileMachine BuildHostileMachine(CFuzzInput& input);
