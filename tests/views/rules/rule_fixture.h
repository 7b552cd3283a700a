#pragma once
// A thermostat's project as the rules' tests see it: its variables and dump points.
#include "state/dump_points.h"
#include "support/make_record.h"

namespace varnolux {

struct ThermostatProject {
    VarTable records{MakeRecord("TEMP", VT_BYTE, 0x20), MakeRecord("HEATER", VT_BIT, 0x21),
                     MakeRecord("setPoint", VT_BYTE, 0x22), MakeRecord("counter", VT_WORD, 0x23)};
    DumpPointTable points;
    ThermostatProject() {
        points.entries[3] = DumpPoint{0, 40, 1, "heater loop"};
        points.entries[7] = DumpPoint{0, 55, 0, "idle"};
        points.order = {3, 7};
    }
};

}  // namespace varnolux
