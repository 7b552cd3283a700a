#pragma once
// Puts the user tools' names from the settings on the main menu.
#include <windows.h>

#include "state/settings.h"

namespace varnolux {

// Sets the texts of menu items 28036 and 28037 (by command), keeping their
// enabled and checked states.
void ApplyUserToolNames(HMENU menu, const Settings& settings);

}  // namespace varnolux
