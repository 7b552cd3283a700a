#include "seams/memory/memory_views.h"

namespace varnolux {

const char* ViewName(ViewKind kind) {
    switch (kind) {
        case ViewKind::Watch:
            return "Watch";
        case ViewKind::Source:
            return "Source";
        case ViewKind::Port:
            return "Port";
        case ViewKind::Eeprom:
            return "EEPROM";
        case ViewKind::Sfr:
            return "SFR";
        case ViewKind::Pinout:
            return "Pinout";
        case ViewKind::About:
            return "About";
        case ViewKind::RecordDiagnostics:
            return "RecordDiagnostics";
        case ViewKind::Plot:
            return "Plot";
        case ViewKind::StopRules:
            return "StopRules";
    }
    return "";
}

void MemoryViews::Show(ViewKind kind) {
    open_.insert(kind);
    calls.push_back(std::string("Show ") + ViewName(kind));
    if (onShow) onShow(kind);
}

void MemoryViews::RefreshAfterDump() {
    calls.push_back("RefreshAfterDump");
    if (onRefresh) onRefresh();
}

void MemoryViews::SetWatchContinuous(bool checked) {
    watchContinuous = checked;
    calls.push_back(checked ? "SetWatchContinuous 1" : "SetWatchContinuous 0");
}

void MemoryViews::CloseAll() {
    open_.clear();
    calls.push_back("CloseAll");
}

}  // namespace varnolux
