// The Watch list's rows: values and history under their DumpIDs, the highlight
// of a changed value, the label order and the cell colours.
#include <gtest/gtest.h>

#include "seams/memory/memory_report_list.h"
#include "support/make_record.h"
#include "vars/record_update.h"
#include "vars/value_format.h"
#include "views/watch/watch_rows.h"

namespace varnolux {
namespace {

// A watched record that has been through dumps with the given values, the last
// one current, each dump named by its DumpID.
MyVarRecord Watched(const std::string& label, int32_t type,
                    const std::vector<std::pair<uint32_t, int32_t>>& dumps) {
    MyVarRecord r = MakeRecord(label, type, 0x20);
    r.VarInWatchList = 1;
    int32_t previousId = 0;
    for (const auto& [value, id] : dumps) {
        StoreNewValue(r, value, previousId);
        previousId = id;
    }
    return r;
}

std::vector<std::string> Column(const MemoryReportList& list, int column) {
    std::vector<std::string> cells;
    for (int row = 0; row < list.RowCount(); ++row) cells.push_back(list.CellText(row, column));
    return cells;
}

TEST(WatchRows, DepthThreeShowsTheValuesOfTheEarlierDumpsUnderTheirDumpIds) {
    // Dumps 5, 6 and 7 gave 10, 11 and 12; dump 12 gives the current 13.
    VarTable records = {Watched("speed", VT_WORD, {{9, 4}, {10, 5}, {11, 6}, {12, 7}, {13, 12}})};
    const WatchFill fill = TakeWatchFill(records, 3);
    ASSERT_EQ(fill.rows.size(), 1u);
    EXPECT_EQ(fill.rows[0].value, "13");
    EXPECT_EQ(fill.rows[0].history[0], "12");
    EXPECT_EQ(fill.rows[0].history[1], "11");
    EXPECT_EQ(fill.rows[0].history[2], "10");
    EXPECT_EQ(fill.rows[0].history[3], "") << "beyond the depth";
    EXPECT_EQ(fill.headers[0], "DumpID 7");
    EXPECT_EQ(fill.headers[1], "DumpID 6");
    EXPECT_EQ(fill.headers[2], "DumpID 5");
    EXPECT_EQ(fill.headers[3], "");
}

TEST(WatchRows, HistoryEntriesWithDumpIdZeroStayEmpty) {
    // Two dumps only: entry 0 holds the first value, the older entries are empty.
    VarTable records = {Watched("state", VT_BYTE, {{1, 3}, {2, 4}})};
    const WatchFill fill = TakeWatchFill(records, 3);
    EXPECT_EQ(fill.rows[0].history[0], "1");
    EXPECT_EQ(fill.rows[0].history[1], "");
    EXPECT_EQ(fill.headers[0], "DumpID 3");
    EXPECT_EQ(fill.headers[1], "") << "no column filled, header left as it is";
}

TEST(WatchRows, OnlyWatchedRecordsInTableOrderWithTheirOwnRadixAndType) {
    VarTable records = {Watched("trim", VT_SBYTE, {{0xFD, 1}}), MakeRecord("idle", VT_BYTE, 1),
                        Watched("tick", VT_WORD, {{0x1234, 1}})};
    records[2].VarDisplayType = DT_HEX;
    const WatchFill fill = TakeWatchFill(records, 0);
    ASSERT_EQ(fill.rows.size(), 2u);
    EXPECT_EQ(fill.rows[0].label, "trim");
    EXPECT_EQ(fill.rows[0].value, "-3");
    EXPECT_EQ(fill.rows[1].label, "tick");
    EXPECT_EQ(fill.rows[1].value, "$1234");
}

TEST(WatchRows, AVariableNoDumpHasSetShowsNoValue) {
    MyVarRecord never = MakeRecord("fault", VT_BIT, 0x30);
    never.VarInWatchList = 1;  // restored from the settings before any dump
    VarTable records = {never};
    const WatchFill fill = TakeWatchFill(records, 7);
    ASSERT_EQ(fill.rows.size(), 1u);
    EXPECT_EQ(fill.rows[0].value, "");
}

TEST(WatchRows, AnUnknownTypeIsReportedNotShown) {
    MyVarRecord odd = MakeRecord("odd", 42, 0x30);
    odd.VarInWatchList = 1;
    odd.VarValueInit = 1;
    VarTable records = {odd};
    const WatchFill fill = TakeWatchFill(records, 0);
    ASSERT_EQ(fill.messages.size(), 1u);
    EXPECT_EQ(fill.messages[0], FormatValueFailureText(odd));
    EXPECT_EQ(fill.rows[0].value, "");
}

TEST(WatchRows, AValueUnchangedSinceTheLastFillLosesItsHighlight) {
    VarTable records = {Watched("tick", VT_WORD, {{5, 1}, {7, 2}})};
    ASSERT_EQ(records[0].VarIsHighLight, 1) << "5 to 7 is a change";
    TakeWatchFill(records, 0);
    EXPECT_EQ(records[0].VarIsHighLight, 1) << "first shown: still yellow";
    EXPECT_EQ(records[0].VarExistingDisp, "7");
    TakeWatchFill(records, 0);
    EXPECT_EQ(records[0].VarIsHighLight, 0) << "7 again: no longer a change";
}

TEST(WatchRows, AChangedValueKeepsItsHighlightAtTheFillAfterTheDump) {
    VarTable records = {Watched("tick", VT_WORD, {{5, 1}, {7, 2}})};
    TakeWatchFill(records, 0);
    StoreNewValue(records[0], 8, 2);
    TakeWatchFill(records, 0);
    EXPECT_EQ(records[0].VarIsHighLight, 1);
    EXPECT_EQ(records[0].VarExistingDisp, "8");
}

TEST(WatchRows, ArrayElementsSortByIndexAscendingAndDescending) {
    WatchFill fill;
    for (const char* label : {"ARR#2", "ARR#10", "ARR#1", "AB", "Z"}) {
        WatchRow row;
        row.label = label;
        row.value = std::string("v") + label;
        fill.rows.push_back(row);
    }
    MemoryReportList list(kWatchColumns);
    WriteWatchRows(list, fill, false);
    EXPECT_EQ(Column(list, kWatchColLabel),
              (std::vector<std::string>{"AB", "ARR#1", "ARR#2", "ARR#10", "Z"}));
    EXPECT_EQ(list.CellText(3, kWatchColValue), "vARR#10") << "cells travel with their rows";
    SortWatchRows(list, true);
    EXPECT_EQ(Column(list, kWatchColLabel),
              (std::vector<std::string>{"Z", "ARR#10", "ARR#2", "ARR#1", "AB"}));
}

TEST(WatchRows, CompareLabels) {
    EXPECT_LT(CompareWatchLabels("buf#9", "buf#10"), 0);
    EXPECT_GT(CompareWatchLabels("buf#10", "buf#9"), 0);
    EXPECT_EQ(CompareWatchLabels("buf#3", "buf#3"), 0);
    EXPECT_LT(CompareWatchLabels("alpha", "beta"), 0);
    EXPECT_LT(CompareWatchLabels("arr#5", "buf#1"), 0) << "different names compare as texts";
}

TEST(WatchRows, AFillReplacesEveryRowAndWritesHistoryCells) {
    MemoryReportList list(kWatchColumns);
    WatchFill first;
    first.rows.resize(3);
    first.rows[0].label = "c";
    first.rows[1].label = "b";
    first.rows[2].label = "a";
    WriteWatchRows(list, first, false);
    WatchFill second;
    second.rows.resize(1);
    second.rows[0].label = "tick";
    second.rows[0].value = "9";
    second.rows[0].history[1] = "7";
    WriteWatchRows(list, second, false);
    ASSERT_EQ(list.RowCount(), 1);
    EXPECT_EQ(list.CellText(0, kWatchColFirstHistory + 1), "7");
    EXPECT_EQ(list.CellText(0, kWatchColFirstHistory), "");
    EXPECT_TRUE(list.DrawingOn());
}

TEST(WatchRows, CellColoursBandTheRowsAndMarkTheChangedValue) {
    Session s;
    s.run.ProjectLoaded = 1;
    s.records = {Watched("tick", VT_WORD, {{5, 1}, {7, 2}}), Watched("state", VT_BYTE, {{1, 1}})};
    // Row 0 grey, row 1 white; tick changed: yellow on its Label cell.
    EXPECT_EQ(WatchCellColours(s, "tick", 0, kWatchColLabel).background, kHighlightYellow);
    EXPECT_EQ(WatchCellColours(s, "tick", 0, kWatchColValue).background, kStripeGrey);
    EXPECT_EQ(WatchCellColours(s, "state", 1, kWatchColLabel).background, kStripeWhite);
    EXPECT_EQ(WatchCellColours(s, "state", 1, kWatchColValue).text, kTextBlack);
    // "HighLightLabel" 0: the Value cell carries the yellow.
    s.settings.HighLightLabel = 0;
    EXPECT_EQ(WatchCellColours(s, "tick", 0, kWatchColLabel).background, kStripeGrey);
    EXPECT_EQ(WatchCellColours(s, "tick", 0, kWatchColValue).background, kHighlightYellow);
    EXPECT_EQ(WatchCellColours(s, "tick", 2, kWatchColFirstHistory).background, kStripeGrey);
    // Before a project is loaded the list draws itself.
    s.run.ProjectLoaded = 0;
    EXPECT_TRUE(WatchCellColours(s, "tick", 0, kWatchColValue).useDefault);
}

}  // namespace
}  // namespace varnolux
