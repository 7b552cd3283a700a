#include "views/port/port_view.h"

#include <mutex>

namespace varnolux {

void PortView::Open(const PortPlacement& placement) {
    // The expanded flags belong to this window (UI thread); the images are the
    // link thread's and are read under the lock.
    for (size_t p = 0; p < placement.expanded.size(); ++p)
        session_.device.Ports[p].Expanded = placement.expanded[p];
    std::lock_guard<std::mutex> lock(session_.recordsLock);
    StartPortMarks(session_.device.Ports, taken_);
}

void PortView::Refresh(ReportList& list, bool afterDump) {
    std::vector<PortRow> rows;
    {
        std::lock_guard<std::mutex> lock(session_.recordsLock);
        if (afterDump) TakePortDump(session_.device.Ports, taken_);
        rows = BuildPortRows(session_.device.Ports);
    }
    WritePortRows(rows, list);
    rows_ = std::move(rows);
}

bool PortView::Toggle(ReportList& list, int row) {
    if (!TogglePortRow(list, row, session_.device.Ports)) return false;
    Refresh(list, false);
    return true;
}

CellColours PortView::Colours(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return CellColours{};
    return PortCellColours(rows_[static_cast<size_t>(row)], column,
                           session_.settings.HighLightLabel,
                           session_.run.ProjectLoaded.load() == 1);
}

std::array<int32_t, 5> PortView::Expanded() const {
    std::array<int32_t, 5> expanded{};
    for (size_t p = 0; p < expanded.size(); ++p) expanded[p] = session_.device.Ports[p].Expanded;
    return expanded;
}

}  // namespace varnolux
