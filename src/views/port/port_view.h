#pragma once
// What the Port window keeps beside its controls and the steps of its
// commands, on any ReportList: OpenPortWindow's start, RefreshPorts,
// TogglePortRow and the colours of each cell.
#include <vector>

#include "state/session.h"
#include "views/port/port_placement.h"
#include "views/port/port_rows.h"

namespace varnolux {

class PortView {
  public:
    explicit PortView(Session& session) : session_(session) {}

    // The window is created: the ports' expanded flags from the placement,
    // each previous value := its value image.
    void Open(const PortPlacement& placement);
    // RefreshPorts. After a dump the changed marks compare with the refresh
    // before; an expand or collapse keeps the marks the last dump gave.
    void Refresh(ReportList& list, bool afterDump);
    // TogglePortRow and the refresh that follows; false when the row is none
    // of the window's.
    bool Toggle(ReportList& list, int row);
    CellColours Colours(int row, int column) const;
    // PortAExpanded .. PortEExpanded as they are now.
    std::array<int32_t, 5> Expanded() const;

  private:
    Session& session_;
    PortValues taken_{};
    std::vector<PortRow> rows_;
};

}  // namespace varnolux
