#include "vars/main_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "list_fixture.h"
#include "vars/list_commands.h"

namespace varnolux {
namespace {

using ::testing::ElementsAre;

class MainListTest : public ::testing::Test, public ListFixture {
  protected:
    // `count` watched byte variables w0, w1, ... from 0x10 on.
    void WatchedBytes(int count) {
        for (int i = 0; i < count; ++i)
            session.records[Var("w" + std::to_string(i), VT_BYTE, 0x10 + i)].VarInWatchList = 1;
    }
};

TEST_F(MainListTest, FirstFillSortsLabelsCaseInsensitivelyAndSkipsDumpSupport) {
    Var("zeta", VT_BYTE, 0x20, "last one");
    Var("D_WaitFlag", VT_BIT, 0x21);
    Var("Alpha", VT_WORD, 0x22);
    Array("buf", VT_BYTE, 0x30, 3);
    Var("beta", VT_SBYTE, 0x24);
    Var("D_CRC8_feedback_bit", VT_BIT, 0x25);
    FillMainList(ctx);
    EXPECT_THAT(Labels(), ElementsAre("Alpha", "beta", "buf", "zeta"));
    EXPECT_THAT(Images(), ElementsAre(0, 0, 2, 0));
    EXPECT_EQ(list.CellText(2, kColType), "Byte[3]");
    EXPECT_EQ(list.CellText(2, kColAddress), "$0030");
    EXPECT_EQ(list.CellText(2, kColValue), "");
    EXPECT_EQ(list.CellText(3, kColComment), "last one");
    EXPECT_EQ(list.CellText(0, kColType), "Word");
    EXPECT_TRUE(list.DrawingOn());
    // Hidden from the list whatever the filters say.
    UnhideAll(ctx);
    EXPECT_EQ(RowOf("D_WaitFlag"), -1);
}

TEST_F(MainListTest, HeaderClicksFlipDirectionAndOnlyLabelTypeAddressSort) {
    Var("b", VT_WORD, 0x10);
    Var("a", VT_BYTE, 0x11);
    Var("c", VT_FLOAT, 0x12);
    FillMainList(ctx);
    SortList(ctx, kColType);  // descending by type text
    EXPECT_THAT(Labels(), ElementsAre("b", "c", "a"));
    SortList(ctx, kColLabel);  // the direction flips: ascending
    EXPECT_THAT(Labels(), ElementsAre("a", "b", "c"));
    SortList(ctx, kColValue);
    SortList(ctx, kColComment);
    EXPECT_THAT(Labels(), ElementsAre("a", "b", "c"));
    EXPECT_EQ(session.list.SortColumn, kColLabel);
    EXPECT_EQ(session.list.SortDescending, 0);
}

TEST_F(MainListTest, CheckBoxesTravelWithTheirRowsWhenSorting) {
    Var("b", VT_BYTE, 0x10);
    const int a = Var("a", VT_WORD, 0x11);
    session.records[a].VarInWatchList = 1;
    FillMainList(ctx);
    SortList(ctx, kColType);
    ASSERT_EQ(list.CellText(0, kColLabel), "a");
    EXPECT_TRUE(list.IsChecked(0));
    EXPECT_FALSE(list.IsChecked(1));
}

TEST_F(MainListTest, ChangedValueIsHighlightedOnceAndShowsPrevious) {
    const int v = Var("count", VT_BYTE, 0x10);
    Var("other", VT_BYTE, 0x11);
    FillMainList(ctx);
    const int row = RowOf("count");
    Deliver(v, 5);
    RefreshListValues(ctx);
    Deliver(v, 7);
    RefreshListValues(ctx);
    EXPECT_EQ(list.CellText(row, kColValue), "\"  \"          7");
    EXPECT_EQ(list.CellText(row, kColPrevious), "5");
    EXPECT_EQ(DrawListCell(ctx, row, kColLabel).background, kHighlightYellow);
    EXPECT_EQ(DrawListCell(ctx, row, kColValue).background, row % 2 ? kStripeWhite : kStripeGrey);
    Deliver(v, 7);
    RefreshListValues(ctx);
    EXPECT_NE(DrawListCell(ctx, row, kColLabel).background, kHighlightYellow);
}

TEST_F(MainListTest, HighlightOnValueCellWhenHighLightLabelIsZero) {
    session.settings.HighLightLabel = 0;
    const int v = Var("count", VT_BYTE, 0x10);
    FillMainList(ctx);
    Deliver(v, 5);
    Deliver(v, 7);
    RefreshListValues(ctx);
    EXPECT_EQ(DrawListCell(ctx, 0, kColValue).background, kHighlightYellow);
    EXPECT_EQ(DrawListCell(ctx, 0, kColLabel).background, kStripeGrey);
}

// A new value repaints the highlight's own cell, not the row: the label's
// when it carries the highlight, none more when the value's new text does;
// the highlight going out repaints that cell again.
TEST_F(MainListTest, HighlightChangesRepaintTheHighlightCellOnly) {
    using Cell = std::pair<int, int>;
    const struct {
        int32_t highLightLabel;
        std::vector<Cell> onChange, onSame;
    } cases[] = {{1, {{1, kColLabel}}, {{1, kColLabel}}}, {0, {}, {{1, kColValue}}}};
    for (const auto& c : cases) {
        session.settings.HighLightLabel = c.highLightLabel;
        const int v = Var("v" + std::to_string(c.highLightLabel), VT_BYTE, 0x10);
        Var("a", VT_BYTE, 0x11);
        FillMainList(ctx);
        Deliver(v, 5);
        RefreshListValues(ctx);
        list.redrawnCells.clear();
        Deliver(v, 6);
        RefreshListValues(ctx);
        EXPECT_EQ(list.redrawnCells, c.onChange) << c.highLightLabel;
        list.redrawnCells.clear();
        Deliver(v, 6);
        RefreshListValues(ctx);
        EXPECT_EQ(list.redrawnCells, c.onSame) << c.highLightLabel;
        EXPECT_EQ(list.rowRedraws, 0) << c.highLightLabel;
        session.records.clear();
    }
}

TEST_F(MainListTest, StripesAndDefaultColoursBeforeLoad) {
    Var("a", VT_BYTE, 0x10);
    Var("b", VT_BYTE, 0x11);
    FillMainList(ctx);
    EXPECT_EQ(DrawListCell(ctx, 0, kColType).background, kStripeGrey);
    EXPECT_EQ(DrawListCell(ctx, 1, kColType).background, kStripeWhite);
    EXPECT_EQ(DrawListCell(ctx, 1, kColType).text, kTextBlack);
    session.run.ProjectLoaded = 0;
    EXPECT_TRUE(DrawListCell(ctx, 0, kColType).useDefault);
}

TEST_F(MainListTest, RefreshWritesOnlyChangedCells) {
    for (int i = 0; i < 10; ++i) Var("v" + std::to_string(i), VT_WORD, 0x10 + 2 * i);
    FillMainList(ctx);
    DeliverAll(1);
    RefreshListValues(ctx);
    const int before = list.cellWrites;
    RefreshListValues(ctx);
    EXPECT_EQ(list.cellWrites, before);
    Deliver(3, 9);
    RefreshListValues(ctx);
    EXPECT_EQ(list.cellWrites, before + 2);  // value and previous of one row
    EXPECT_TRUE(list.DrawingOn());
}

TEST_F(MainListTest, ExpandingAndCollapsingAnArrayOfThree) {
    const int arr = Array("arr", VT_BYTE, 0x30, 3);
    Var("zz", VT_BYTE, 0x40);
    FillMainList(ctx);
    Deliver(arr, 4);
    RefreshListValues(ctx);
    ToggleRow(ctx, 0);
    EXPECT_THAT(Labels(), ElementsAre("arr", "  arr#0", "  arr#1", "  arr#2", "zz"));
    EXPECT_THAT(Images(), ElementsAre(4, 7, 7, 9, 0));
    EXPECT_EQ(list.CellText(0, kColAddress), " ");
    EXPECT_EQ(list.CellText(0, kColValue), " ");
    EXPECT_EQ(list.CellText(0, kColPrevious), " ");
    EXPECT_EQ(list.CellText(2, kColAddress), "$0031");
    EXPECT_EQ(list.CellText(3, kColValue), "\"  \"          6");
    ToggleRow(ctx, 0);
    EXPECT_THAT(Labels(), ElementsAre("arr", "zz"));
    EXPECT_THAT(Images(), ElementsAre(2, 0));
    EXPECT_EQ(list.CellText(0, kColAddress), "$0030");
    EXPECT_EQ(session.records[arr + 1].VarIsExpanded, 0);
}

TEST_F(MainListTest, ElementExpanderCollapsesItsArrayAndShowsTheArrayRow) {
    Var("a", VT_BYTE, 0x10);
    Array("arr", VT_BYTE, 0x30, 3);
    FillMainList(ctx);
    ToggleRow(ctx, 1);
    list.EnsureVisible(4);
    ToggleRow(ctx, 4);  // arr#2
    EXPECT_THAT(Labels(), ElementsAre("a", "arr"));
    EXPECT_EQ(list.lastEnsuredVisible, 1);
}

TEST_F(MainListTest, ElementExpanderFindsItsArrayAboveHiddenElements) {
    const int arr = Array("arr", VT_BYTE, 0x30, 4);
    FillMainList(ctx);
    session.records[arr + 1].VarIsHidden = 1;
    session.records[arr + 2].VarIsHidden = 1;
    ToggleRow(ctx, 0);
    EXPECT_THAT(Labels(), ElementsAre("arr", "  arr#2", "  arr#3"));
    ToggleRow(ctx, 2);  // arr#3 sits right below arr#2, not four rows down
    EXPECT_THAT(Labels(), ElementsAre("arr"));
    EXPECT_TRUE(ctx.messages.empty());
}

TEST_F(MainListTest, TogglingASimpleVariableFlipsItsWatch) {
    const int v = Var("v", VT_BYTE, 0x10);
    FillMainList(ctx);
    Deliver(v, 1);
    ToggleRow(ctx, 0);
    EXPECT_TRUE(list.IsChecked(0));
    EXPECT_EQ(session.records[v].VarInWatchList, 1);
    ToggleRow(ctx, 0);
    EXPECT_FALSE(list.IsChecked(0));
    EXPECT_EQ(session.records[v].VarInWatchList, 0);
}

TEST_F(MainListTest, BoxOfAVariableWithoutValueUnchecksItself) {
    const int v = Var("v", VT_BYTE, 0x10);
    FillMainList(ctx);
    list.SetChecked(0, true);
    WatchCheckChanged(ctx, 0, true);
    EXPECT_FALSE(list.IsChecked(0));
    EXPECT_EQ(session.records[v].VarInWatchList, 0);
}

TEST_F(MainListTest, UncheckingARestoredWatchWithoutValueStopsWatchingIt) {
    const int v = Var("v", VT_BYTE, 0x10);
    session.records[v].VarInWatchList = 1;
    FillMainList(ctx);
    list.SetChecked(0, false);
    WatchCheckChanged(ctx, 0, false);
    EXPECT_EQ(session.records[v].VarInWatchList, 0);
}

TEST_F(MainListTest, ArrayOfThirtyWithFiveWatchedGetsFifteenElements) {
    WatchedBytes(5);
    const int arr = Array("big", VT_BYTE, 0x100, 30);
    FillMainList(ctx);
    Deliver(arr, 0);
    ToggleRow(ctx, RowOf("big"));  // expand
    const int row = RowOf("big");
    list.SetChecked(row, true);
    WatchCheckChanged(ctx, row, true);
    for (int j = 0; j < 30; ++j) {
        EXPECT_EQ(session.records[arr + 1 + j].VarInWatchList, j < 15 ? 1 : 0) << j;
        EXPECT_EQ(list.IsChecked(row + 1 + j), j < 15) << j;
    }
    EXPECT_EQ(session.records[arr].VarInWatchList, 0);
}

TEST_F(MainListTest, BoxOfAVariableUnchecksWhenTwentyAreWatched) {
    WatchedBytes(20);
    const int extra = Var("extra", VT_BYTE, 0x40);
    FillMainList(ctx);
    Deliver(extra, 3);
    const int row = RowOf("extra");
    list.SetChecked(row, true);
    WatchCheckChanged(ctx, row, true);
    EXPECT_FALSE(list.IsChecked(row));
    EXPECT_EQ(session.records[extra].VarInWatchList, 0);
}

TEST_F(MainListTest, ArrayBoxUnchecksWhenNoElementCanBeWatched) {
    WatchedBytes(20);
    const int arr = Array("arr", VT_BYTE, 0x100, 3);
    FillMainList(ctx);
    Deliver(arr, 0);
    const int row = RowOf("arr");
    list.SetChecked(row, true);
    WatchCheckChanged(ctx, row, true);
    EXPECT_FALSE(list.IsChecked(row));
    EXPECT_EQ(session.records[arr + 1].VarInWatchList, 0);
}

TEST_F(MainListTest, LastShownElementGetsTheCornerWhenLaterOnesAreHidden) {
    const int arr = Array("arr", VT_BYTE, 0x30, 3);
    FillMainList(ctx);
    Deliver(arr, 1);
    session.records[arr + 3].VarIsHidden = 1;  // arr#2
    ExpandArray(ctx, arr);
    EXPECT_THAT(Labels(), ElementsAre("arr", "  arr#0", "  arr#1"));
    EXPECT_THAT(Images(), ElementsAre(4, 7, 9));
}

TEST_F(MainListTest, ExpandArrayNeedsAValue) {
    const int arr = Array("arr", VT_BYTE, 0x30, 2);
    FillMainList(ctx);
    ExpandArray(ctx, arr);
    EXPECT_THAT(Labels(), ElementsAre("arr"));
}

TEST_F(MainListTest, AutomaticExclusionAfterTheFirstDump) {
    const int a = Var("a", VT_BYTE, 0x10);
    Var("blank", VT_BYTE, 0x11);
    FillMainList(ctx);
    Deliver(a, 1);
    RefreshAfterDump(ctx);
    EXPECT_THAT(Labels(), ElementsAre("a"));
    EXPECT_EQ(session.run.ExcludeBlank.load(), 1);
    EXPECT_EQ(session.run.FirstDumpPending.load(), 0);
}

// A dump changes cells, not rows: besides the cells whose texts changed
// (which repaint themselves), only the column that shows the highlight is
// repainted, never the whole list.
TEST_F(MainListTest, ADumpRepaintsTheHighlightColumnNotTheWholeList) {
    const int a = Var("a", VT_BYTE, 0x10);
    FillMainList(ctx);
    const struct {
        int32_t highLightLabel;
        int column;
    } cases[] = {{1, kColLabel}, {0, kColValue}};
    for (const auto& c : cases) {
        session.settings.HighLightLabel = c.highLightLabel;
        list.redrawnColumns.clear();
        const int before = list.fullRedraws;
        Deliver(a, static_cast<uint32_t>(7 + c.highLightLabel));
        RefreshAfterDump(ctx);
        EXPECT_THAT(list.redrawnColumns, ElementsAre(c.column)) << c.highLightLabel;
        EXPECT_EQ(list.fullRedraws, before) << c.highLightLabel;
        EXPECT_THAT(list.CellText(0, kColValue),
                    ::testing::EndsWith(" " + std::to_string(7 + c.highLightLabel)));
    }
}

}  // namespace
}  // namespace varnolux
