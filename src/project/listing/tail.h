#pragma once
// The third stage of the listing: everything after "[End Listing]" — address
// corrections from the assembler's variable block, the ROM reference before the
// end label, the processor directive and the pin names of the "#define" lines.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "project/device/core.h"
#include "state/device.h"
#include "state/project_facts.h"
#include "state/var_record.h"

namespace varnolux {

// The LCD lines named by "__LCD_" defines: RS, EN, data 0 .. 3.
enum LcdLine { kLcdRs, kLcdEn, kLcdData0, kLcdData1, kLcdData2, kLcdData3, kLcdLines };

struct LcdPins {
    bool seen = false;
    // Port index (A = 0 .. E = 4, 5 any other letter) and pin; -1 until defined.
    std::array<int32_t, kLcdLines> port{-1, -1, -1, -1, -1, -1};
    std::array<int32_t, kLcdLines> pin{-1, -1, -1, -1, -1, -1};
};

// Reads the device facts (core, code size) of the named listing device.
using DeviceCoreReader = std::function<DeviceCore(const std::string& deviceName)>;

// Examines lines[first..]: the device's registers from the "equ" lines before
// the variable block (device.Registers, in address order); record addresses from the variable block
// (exact name first, otherwise the same name in another case), device.ListingDeviceName, Core and
// CodeSize from the processor directive, `rom` from the lines before
// "__EOF" (16-bit core only) and the ports' pin names. Bad "variable" pairs are
// counted in one message. Returns the LCD lines the defines named; tells in
// `endLabelSeen`, when given, whether the "__EOF" label came by.
LcdPins ReadListingTail(const std::vector<std::string>& lines, size_t first, VarTable& records,
                        DeviceDescription& device, RomReference& rom,
                        const DeviceCoreReader& readCore, std::vector<std::string>& messages,
                        bool* endLabelSeen = nullptr);

}  // namespace varnolux
