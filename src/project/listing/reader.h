#pragma once
// The listing stage of the load: reads the compiler's listing once and builds
// the source file list, the variable record table, the empty dump image, the
// ROM reference, the listing device with its core and code size, and the pin
// names of the port table.
#include <string>
#include <vector>

#include "project/listing/tail.h"
#include "seams/seams.h"
#include "state/session.h"

namespace varnolux {

// Everything a listing's text says, read without touching the session.
struct ListingContents {
    std::vector<std::string> sourceFiles;
    VarTable records;
    // ListingDeviceName, Core, CodeSize and the ports' pin names (LCD names
    // not yet applied); the rest stays as constructed.
    DeviceDescription device;
    RomReference rom;
    LcdPins lcd;
    // The stage's messages in the order they are shown (without " 7 ").
    std::vector<std::string> messages;
};

// Reads the text of the listing `name` (the name only appears in messages);
// readCore gives the core and code size of the device the listing names.
ListingContents ReadListingText(const std::string& name, const std::string& text,
                                const DeviceCoreReader& readCore);

// Reads session.project.listingName (relative to the current folder) through
// seams.os and the listing device's description file in the settings' "PPI"
// folder. Messages go to seams.prompts, captioned "Varnolux"; none ends the load.
//
// Returns false when the stage ended early (empty listing name: "ReadListing 1 ",
// missing file: "ReadListing 2 "); the tables are then empty and the scan stops.
// Otherwise it has also done the two steps that follow the listing in the scan:
// " 7 LstDevice fail " when the listing names no device, and the LCD pin names
// written into the port table — the caller does not repeat them.
//
// The records and the image are replaced under session.recordsLock; no message
// is shown while the lock is held.
bool ReadListing(Session& session, Seams& seams);

}  // namespace varnolux
