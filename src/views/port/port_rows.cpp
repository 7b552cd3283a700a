#include "views/port/port_rows.h"

#include <cstdio>

namespace varnolux {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kYellow{255, 255, 0};

bool Bit(uint8_t byte, int b) {
    return ((byte >> b) & 1) != 0;
}

// A bit reads as input when the port has no direction register or its TRIS bit is 1.
bool IsInput(const PortRecord& port, int b) {
    return port.DirectionPresent == 0 || Bit(port.DirectionImage, b);
}

std::string Binary(uint8_t v) {
    std::string text = "%";
    for (int b = 7; b >= 0; --b) text += Bit(v, b) ? '1' : '0';
    return text;
}

std::string Hex(uint8_t v) {
    char text[4];
    std::snprintf(text, sizeof text, "$%02X", v);
    return text;
}

std::string Directions(const PortRecord& port) {
    std::string text = "%";
    for (int b = 7; b >= 0; --b) {
        if (!Bit(port.ImplementedBits, b))
            text += 'x';
        else
            text += IsInput(port, b) ? '1' : '0';
    }
    return text;
}

std::string WithoutLeadingBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

PortRow BitRow(const PortRecord& port, int p, int b) {
    PortRow row;
    row.port = p;
    row.bit = b;
    row.image = b == 7 ? kImageLastBit : kImageBit;
    const bool exists = Bit(port.ImplementedBits, b);
    row.cells[0] = "   " + std::to_string(b) + "   " + WithoutLeadingBlanks(port.PinNames[b]);
    row.cells[1] = !exists ? " x " : IsInput(port, b) ? "In" : "Out";
    row.cells[2] = !exists ? "x" : Bit(port.ValueImage, b) ? "1" : "0";
    const bool changed = exists && Bit(port.ValueImage, b) != Bit(port.PreviousValue, b);
    row.cells[kPortChangedColumn] = changed ? "1" : "0";
    return row;
}

// "PortA" .. "PortE": the port's index; -1 for any other text.
int PortOfText(const std::string& text) {
    if (text.size() != 5 || text.compare(0, 4, "Port") != 0) return -1;
    const int p = text[4] - 'A';
    return p >= 0 && p < kShownPorts ? p : -1;
}

}  // namespace

void StartPortMarks(std::array<PortRecord, kPortCount>& ports, PortValues& taken) {
    for (size_t p = 0; p < taken.size(); ++p) {
        ports[p].PreviousValue = ports[p].ValueImage;
        taken[p] = ports[p].ValueImage;
    }
}

void TakePortDump(std::array<PortRecord, kPortCount>& ports, PortValues& taken) {
    for (size_t p = 0; p < taken.size(); ++p) {
        ports[p].PreviousValue = taken[p];
        taken[p] = ports[p].ValueImage;
    }
}

std::vector<PortRow> BuildPortRows(std::array<PortRecord, kPortCount>& ports) {
    std::vector<PortRow> rows;
    for (int p = 0; p < kShownPorts; ++p) {
        PortRecord& port = ports[static_cast<size_t>(p)];
        if (port.Present != 1) continue;
        const uint8_t shownBits = port.ImplementedBits;
        port.Changed = ((port.ValueImage ^ port.PreviousValue) & shownBits) != 0 ? 1 : 0;
        const bool expanded = port.Expanded != 0;

        PortRow head;
        head.port = p;
        head.image = expanded ? kImagePortExpanded : kImagePortCollapsed;
        head.portChanged = port.Changed == 1;
        head.portCollapsed = !expanded;
        head.cells[0] = std::string("Port") + static_cast<char>('A' + p);
        if (!expanded) head.cells[1] = Directions(port);
        const uint8_t v = static_cast<uint8_t>(port.ValueImage & shownBits);
        head.cells[2] = Binary(v);
        head.cells[3] = Hex(v);
        head.cells[4] = std::to_string(v);
        rows.push_back(head);

        if (expanded)
            for (int b = 0; b < 8; ++b) rows.push_back(BitRow(port, p, b));
    }
    return rows;
}

void WritePortRows(const std::vector<PortRow>& rows, ReportList& list) {
    RedrawOff off(list);
    const int wanted = static_cast<int>(rows.size());
    while (list.RowCount() > wanted) list.DeleteRow(list.RowCount() - 1);
    while (list.RowCount() < wanted) list.InsertRow(list.RowCount());
    for (int r = 0; r < wanted; ++r) {
        const PortRow& row = rows[static_cast<size_t>(r)];
        for (int c = 0; c < kPortColumns; ++c)
            list.SetCellText(r, c, row.cells[static_cast<size_t>(c)]);
        list.SetRowImage(r, row.image);
    }
}

CellColours PortCellColours(const PortRow& row, int column, int32_t highLightLabel,
                            bool projectLoaded) {
    CellColours colours;
    if (!projectLoaded) return colours;
    colours.useDefault = false;
    colours.text = kBlack;
    colours.background = kWhite;
    const bool highlighted = highLightLabel == 1 ? column == 0 : column >= 2 && column <= 4;
    if (!highlighted) return colours;
    const bool changed =
        row.bit < 0 ? row.portChanged && row.portCollapsed : row.cells[kPortChangedColumn] == "1";
    if (changed) colours.background = kYellow;
    return colours;
}

bool TogglePortRow(const ReportList& list, int row, std::array<PortRecord, kPortCount>& ports) {
    if (row < 0 || row >= list.RowCount()) return false;
    const std::string text = list.CellText(row, 0);
    const int port = PortOfText(text);
    if (port >= 0) {
        int32_t& expanded = ports[static_cast<size_t>(port)].Expanded;
        expanded = expanded != 0 ? 0 : 1;
        return true;
    }
    // A bit row: "   b   name", its port row b + 1 rows above.
    const size_t digit = text.find_first_not_of(' ');
    if (digit == std::string::npos || text[digit] < '0' || text[digit] > '7') return false;
    const int above = row - (text[digit] - '0' + 1);
    const int owner = above >= 0 ? PortOfText(list.CellText(above, 0)) : -1;
    if (owner < 0) return false;
    ports[static_cast<size_t>(owner)].Expanded = 0;
    return true;
}

std::array<int, 5> ColumnWidthsFromHeader(const std::array<int, 3>& sections) {
    return {sections[0], sections[1], sections[2] / 2, sections[2] / 4, sections[2] / 4};
}

}  // namespace varnolux
