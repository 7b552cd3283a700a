#pragma once
// The main variable list: one row per shown variable or array, and one
// indented row per element under an expanded array. Rows find their records
// again by their label text.
#include <cstdint>
#include <string>

#include "vars/list_context.h"

namespace varnolux {

enum class FillMode { Full, ValuesOnly };

// The name of a VarType: "Bit", "Byte", "Word", "DWord", "SByte", "SWord",
// "SDWord", "Float"; "???" for any other code.
std::string VarTypeName(int32_t varType);
// Type column text: the type's name; arrays add "[" count "]".
std::string ListTypeText(const MyVarRecord& record);

// Variables of the target's dump support code, never listed.
bool IsDumpSupportLabel(const std::string& label);

// Rebuilds every row from the table: arrays collapsed, sorted by the current order.
void FillMainList(ListContext& ctx);
// Writes one row's cells; a changed value is written, an unchanged one ends its highlight.
void FillRow(ListContext& ctx, int record, int row, FillMode mode);
// Numbers the rows and sorts them by ListState::SortColumn and SortDescending.
void SortRows(ListContext& ctx);
// Header click on a column: only Label, Type and Address sort; the direction flips.
void SortList(ListContext& ctx, int column);

// New values into every row; the other windows refresh after the lock is released.
void RefreshListValues(ListContext& ctx);
// Timer 1 after a completed dump: values, then the automatic exclusion of the
// variables still without a value once after the load.
void RefreshAfterDump(ListContext& ctx);

// Expands or collapses the array of the row (also from an element row), or
// flips a simple variable's Watch box.
void ToggleRow(ListContext& ctx, int row);
// Expands one collapsed array that has a value, in place.
void ExpandArray(ListContext& ctx, int record);

// The user changed a row's Watch box.
void WatchCheckChanged(ListContext& ctx, int row, bool checked);
// Unchecks every box and empties the Watch window.
void ClearAllWatches(ListContext& ctx);

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};
constexpr Rgb kStripeGrey{232, 232, 232};
constexpr Rgb kStripeWhite{255, 255, 255};
constexpr Rgb kHighlightYellow{255, 255, 0};
constexpr Rgb kTextBlack{0, 0, 0};

struct CellColours {
    bool useDefault = true;  // before the project is loaded
    Rgb text;
    Rgb background;
};
// Colours of one cell: stripes by row number, the changed value in yellow on
// the Label or Value cell after "HighLightLabel".
CellColours DrawListCell(const ListContext& ctx, int row, int column);
// The column whose background shows a changed value: the label's or the value's.
int HighlightColumn(const Settings& settings);

}  // namespace varnolux
