#include "views/sfr/sfr_view.h"

#include "vars/value_format.h"

namespace varnolux {

namespace {

constexpr int kPacketPorts = 5;  // the port packet carries ports A to E

// "PORTC" gives 2 and false, "TRISA" 0 and true; -1 for other names.
int PacketPort(const std::string& name, bool& direction) {
    if (name.size() != 5) return -1;
    const std::string stem = name.substr(0, 4);
    const int port = name[4] - 'A';
    if ((stem != "PORT" && stem != "TRIS") || port < 0 || port >= kPacketPorts) return -1;
    direction = stem == "TRIS";
    return port;
}

std::string Listed(const std::vector<std::string>& names) {
    std::string text;
    for (size_t i = 0; i < names.size() && i < 3; ++i) text += (i ? ", " : "") + names[i];
    if (names.size() > 3) text += " and " + std::to_string(names.size() - 3) + " more";
    return text;
}

}  // namespace

std::optional<uint8_t> SfrValue(const SpecialRegister& sfr, const SfrSources& sources) {
    bool direction = false;
    const int port = PacketPort(sfr.name, direction);
    if (port >= 0 && sources.portsReceived) {
        const PortRecord& record = sources.device.Ports[static_cast<size_t>(port)];
        return direction ? record.DirectionImage : record.ValueImage;
    }
    const auto& ram = sources.image.RamImage;
    if (sfr.address < 0 || static_cast<size_t>(sfr.address) >= ram.size()) return std::nullopt;
    const RamCell& cell = ram[static_cast<size_t>(sfr.address)];
    if (!cell.Received) return std::nullopt;
    return cell.Value;
}

SfrPicture SfrView(const SfrSources& sources, const std::vector<size_t>& chosen) {
    SfrPicture p;
    const std::vector<SpecialRegister>& registers = sources.device.Registers;
    for (const SpecialRegister& r : registers)
        p.choices.push_back({r.name, HexText(static_cast<uint32_t>(r.address), 4)});
    if (registers.empty()) {
        p.note =
            "The listing declares no special function registers (no \"equ\" lines of the "
            "device), so there is nothing to show.";
        return p;
    }
    std::vector<std::string> missing;
    for (size_t index : chosen) {
        if (index >= registers.size()) continue;
        const SpecialRegister& r = registers[index];
        SfrRow row{r.name, "", "", ""};
        if (const std::optional<uint8_t> value = SfrValue(r, sources)) {
            row.hex = HexText(*value, 2);
            row.dec = std::to_string(*value);
            row.bin = BinaryByteText(*value);
        } else {
            missing.push_back(r.name + " (" + HexText(static_cast<uint32_t>(r.address), 4) + ")");
        }
        p.rows.push_back(row);
    }
    if (p.rows.empty())
        p.note = "Choose registers in the list on the right to see their values.";
    else if (!missing.empty() && !sources.dumpSeen)
        p.note = "No dump has come yet: the values show from the first dump on.";
    else if (!missing.empty())
        p.note =
            "No dump carried " + Listed(missing) + ": the firmware sent no RAM at that address.";
    return p;
}

}  // namespace varnolux
