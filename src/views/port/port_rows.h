#pragma once
// The Port window's rows: ports A to E as the last dump left them, one row per
// present port and, while it is expanded, one row per bit with the pin's name,
// direction and level; what changed since the previous refresh is marked.
#include <array>
#include <string>
#include <vector>

#include "seams/report_list.h"
#include "state/device.h"
#include "vars/main_list.h"

namespace varnolux {

constexpr int kShownPorts = 5;  // A .. E
// Five visible columns (name, direction, binary, hexadecimal, decimal) and the
// bit rows' changed mark, kept in a sixth column of width 0.
constexpr int kPortColumns = 6;
constexpr int kPortChangedColumn = 5;

// Row images of the list (the shared row bitmap).
constexpr int kImagePortCollapsed = 2;
constexpr int kImagePortExpanded = 4;
constexpr int kImageBit = 7;
constexpr int kImageLastBit = 9;

struct PortRow {
    std::array<std::string, kPortColumns> cells;
    int image = 0;
    int port = 0;                // 0 = A
    int bit = -1;                // -1 on a port row
    bool portChanged = false;    // port rows: the value differs from the previous
    bool portCollapsed = false;  // port rows
};

// Each port's value image as the last refresh after a dump took it.
using PortValues = std::array<uint8_t, kShownPorts>;

// The window opens: each port's previous value and the values taken become the
// value images, so nothing is marked changed.
void StartPortMarks(std::array<PortRecord, kPortCount>& ports, PortValues& taken);
// A refresh after a dump: the previous values become those the last dump
// brought and the value images are taken. An expand or collapse does not call
// this, so the marks still show what the last dump changed.
void TakePortDump(std::array<PortRecord, kPortCount>& ports, PortValues& taken);

// RefreshPorts' rows from the port records, each present port's changed flag
// set. A bit the device does not have never counts as changed.
std::vector<PortRow> BuildPortRows(std::array<PortRecord, kPortCount>& ports);

// Makes the list show the rows: rows are added or taken away at the end and
// every cell and image is written, so the list keeps its scroll position.
void WritePortRows(const std::vector<PortRow>& rows, ReportList& list);

// The cell's colours once the project is loaded (before, the list draws as it
// likes): yellow behind a highlighted cell that changed, white elsewhere,
// black text. Highlighted are column 0 when "HighLightLabel" is 1, else columns
// 2 to 4; a port row counts as changed only while it is collapsed.
CellColours PortCellColours(const PortRow& row, int column, int32_t highLightLabel,
                            bool projectLoaded);

// A double click on a row, or a click on its image: a port row inverts its
// port's expanded flag, a bit row collapses its port. False when the row is
// neither (then nothing changed).
bool TogglePortRow(const ReportList& list, int row, std::array<PortRecord, kPortCount>& ports);

// A click at this horizontal position of the list lies on the row image.
constexpr int kRowImageClickWidth = 17;

// The list's five column widths for the header's three section widths: the
// name and direction columns follow their sections, the Value section is
// shared out half, a quarter and a quarter.
std::array<int, 5> ColumnWidthsFromHeader(const std::array<int, 3>& sections);

}  // namespace varnolux
