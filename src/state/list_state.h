#pragma once
// State of the main variable list: sort order, the expander press and what the
// last right click hit, for the context menu and its commands.
#include <cstdint>
#include <string>

namespace varnolux {

struct ListState {
    int32_t SortColumn = 1;  // 1 Label, 2 Type, 3 Address
    int32_t SortDescending = 0;
    int32_t ExpanderPress = 0;

    // Set by a right click on a cell or on the header.
    int32_t ClickedRow = -1;
    int32_t ClickedColumn = -1;
    int32_t ClickedHeader = -1;  // -1 = the click was not on the header
    std::string ClickedLabel;
    bool CanContract = false;
    bool CanExpand = false;
    std::string ExpandExclusion;

    // Copies kept when the context menu is assembled, for the command picked.
    int32_t MenuRow = -1;
    int32_t MenuColumn = -1;
    int32_t MenuHeader = -1;
};

}  // namespace varnolux
