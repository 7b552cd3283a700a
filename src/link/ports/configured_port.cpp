#include "link/ports/configured_port.h"

#include "seams/ini_file.h"

namespace varnolux {

bool UseConfiguredPort(Session& session, Seams& seams, AddressedPort& port) {
    const std::string text = IniRead(seams.os, session.project.settingsPath, "Comms", "Port",
                                     std::to_string(session.settings.Port));
    const PortAddressRead read = ReadPortAddress(text);
    if (!read.ok) {
        seams.prompts.Inform("[Comms] Port= of Varnolux.ini names no port: " + read.message);
        seams.view.RequestClose();
        return false;
    }
    if (read.address.kind == PortKind::Number) session.settings.Port = read.address.number;
    port.Use(MakeSystemPort(read.address));
    return true;
}

}  // namespace varnolux
