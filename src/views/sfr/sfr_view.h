#pragma once
// What the SFR window shows: the device's special function registers with
// their addresses to choose from, the chosen ones' values as the dumps carry
// them in hexadecimal, decimal and binary, and one line that says why the
// window shows no value when it shows none. A register's value comes from the
// port packet for PORTA..PORTE and TRISA..TRISE (every dump carries it), else
// from the RAM image when a dump carried that address.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "state/device.h"
#include "state/dump_image.h"

namespace varnolux {

struct SfrChoice {
    std::string name;
    std::string address;  // "$0F80"
};

struct SfrRow {
    std::string name, hex, dec, bin;  // the value texts empty when no dump carries it
};

struct SfrPicture {
    std::vector<SfrChoice> choices;  // every register, in address order
    std::vector<SfrRow> rows;        // the chosen registers
    std::string note;                // why no value shows; empty when every chosen one does
};

// What a dump brought so far: the RAM image and the port packet.
struct SfrSources {
    const DeviceDescription& device;
    const DumpImage& image;
    bool portsReceived = false;
    bool dumpSeen = false;  // a dump has completed
};

// The value of the register, when a dump carried it.
std::optional<uint8_t> SfrValue(const SpecialRegister& sfr, const SfrSources& sources);

// `chosen`: indexes into device.Registers, as chosen in the selection list.
SfrPicture SfrView(const SfrSources& sources, const std::vector<size_t>& chosen);

}  // namespace varnolux
