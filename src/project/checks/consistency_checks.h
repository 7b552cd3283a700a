#pragma once
// The checks run once, at the target's first report after the load: device
// names, the device identifier, the ROM words, the HexTag and the file times.
#include <string>

#include "seams/seams.h"
#include "state/session.h"

namespace varnolux {

// The expected ROM words as shown after "Expected  ".
std::string ExpectedRomText(const RomReference& rom);

// Runs the checks in order; every finding shows the recompile prompt, and a
// Continue answer goes on with the next check. Writes the HexTag text into the
// main window's HexTag field.
void CheckProject(Session& session, Seams& seams);

}  // namespace varnolux
