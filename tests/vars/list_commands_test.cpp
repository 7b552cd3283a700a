#include "vars/list_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "list_fixture.h"
#include "seams/memory/memory_host_os.h"
#include "vars/main_list.h"

namespace varnolux {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace listcmd;

class ListCommandsTest : public ::testing::Test, public ListFixture {
  protected:
    std::vector<std::string> MenuTexts(int row, int column) {
        RightClickCell(ctx, row, column);
        std::vector<std::string> texts;
        for (int id : AssembleContextMenu(ctx)) texts.push_back(ContextMenuItemText(id));
        return texts;
    }
    std::vector<std::string> HeaderMenuTexts(int column) {
        RightClickHeader(ctx, column);
        std::vector<std::string> texts;
        for (int id : AssembleContextMenu(ctx)) texts.push_back(ContextMenuItemText(id));
        return texts;
    }
    void Run(int id) { ASSERT_TRUE(RunListCommand(ctx, id, os)); }
    MemoryHostOs os;
};

TEST_F(ListCommandsTest, ContextMenuOfAFloatValueCellOffersOnlyTheClipboard) {
    Var("f", VT_FLOAT, 0x10);
    FillMainList(ctx);
    EXPECT_THAT(MenuTexts(0, kColValue), ElementsAre("Label to clipboard"));
}

TEST_F(ListCommandsTest, ContextMenuOfAByteLabel) {
    Var("b", VT_BYTE, 0x10);
    FillMainList(ctx);
    EXPECT_THAT(MenuTexts(0, kColLabel),
                ElementsAre("This row as binary", "This row as decimal", "This row as hex",
                            "Hide selected item", "Label to clipboard"));
    EXPECT_THAT(MenuTexts(0, kColValue), ElementsAre("This item as binary", "This item as hex",
                                                     "This item as decimal", "Label to clipboard"));
}

TEST_F(ListCommandsTest, ContextMenuOfArraysOffersExpandOrContract) {
    const int arr = Array("arr", VT_WORD, 0x30, 2, 2);
    FillMainList(ctx);
    EXPECT_THAT(MenuTexts(0, kColType),
                ElementsAre("This row as decimal", "This row as hex", "Hide selected item",
                            "Label to clipboard", "expand all arrays", "expand all but this"));
    ToggleRow(ctx, 0);
    (void)arr;
    EXPECT_THAT(MenuTexts(1, kColAddress),
                ElementsAre("This row as decimal", "This row as hex", "Hide selected item",
                            "Label to clipboard", "contract all arrays", "contract all but this"));
}

TEST_F(ListCommandsTest, HeaderMenus) {
    Var("b", VT_BYTE, 0x10);
    FillMainList(ctx);
    EXPECT_THAT(HeaderMenuTexts(kColType), IsEmpty());
    EXPECT_THAT(HeaderMenuTexts(kColWatch), ElementsAre("Clear all Watches"));
    EXPECT_THAT(HeaderMenuTexts(kColAddress),
                ElementsAre("This column as decimal", "This column as hex"));
    EXPECT_THAT(
        HeaderMenuTexts(kColValue),
        ElementsAre("This column as binary", "This column as decimal", "This column as hex"));
    // Without a fresh right click the menu offers nothing.
    EXPECT_THAT(AssembleContextMenu(ctx), IsEmpty());
}

TEST_F(ListCommandsTest, HexThenBinButtons) {
    const int b = Var("b", VT_BYTE, 0x10);
    const int w = Var("w", VT_WORD, 0x12);
    FillMainList(ctx);
    Deliver(b, 10);
    Deliver(w, 10);
    RadixButton(ctx, DT_HEX);
    EXPECT_EQ(list.CellText(0, kColAddress), "$0010");
    EXPECT_EQ(list.CellText(0, kColValue), "\"  \"      $0A");
    EXPECT_EQ(list.CellText(1, kColValue), "$000A");
    RadixButton(ctx, DT_DECIMAL);
    EXPECT_EQ(list.CellText(0, kColAddress), "0016");
    RadixButton(ctx, DT_HEX);
    RadixButton(ctx, DT_BINARY);
    EXPECT_EQ(list.CellText(0, kColValue), "%00001010");
    EXPECT_EQ(list.CellText(0, kColAddress), "$0010");
    EXPECT_EQ(list.CellText(1, kColValue), "$000A");
    EXPECT_EQ(session.settings.DefaultDataRadix, DT_BINARY);
    EXPECT_EQ(session.settings.DefaultAddressRadix, DT_HEX);
}

TEST_F(ListCommandsTest, RadixButtonsDoNothingBeforeLoad) {
    const int b = Var("b", VT_BYTE, 0x10);
    FillMainList(ctx);
    session.run.ProjectLoaded = 0;
    RadixButton(ctx, DT_DECIMAL);
    EXPECT_EQ(session.records[b].AddDisplayType, DT_HEX);
    EXPECT_EQ(list.CellText(0, kColAddress), "$0010");
}

TEST_F(ListCommandsTest, RowAsHexOnAWordChangesItsAddressToo) {
    const int w = Var("w", VT_WORD, 0x12);
    session.records[w].AddDisplayType = DT_DECIMAL;
    FillMainList(ctx);
    Deliver(w, 4660);
    RefreshListValues(ctx);
    EXPECT_EQ(list.CellText(0, kColAddress), "0018");
    RightClickCell(ctx, 0, kColLabel);
    AssembleContextMenu(ctx);
    Run(kRowHex);
    EXPECT_EQ(list.CellText(0, kColAddress), "$0012");
    EXPECT_EQ(list.CellText(0, kColValue), "$1234");
}

TEST_F(ListCommandsTest, ItemRadixChangesOnlyTheValue) {
    const int w = Var("w", VT_WORD, 0x12);
    FillMainList(ctx);
    Deliver(w, 255);
    RightClickCell(ctx, 0, kColValue);
    AssembleContextMenu(ctx);
    Run(kItemHex);
    EXPECT_EQ(session.records[w].VarDisplayType, DT_HEX);
    EXPECT_EQ(session.records[w].AddDisplayType, DT_HEX);
    Run(kItemDecimal);
    EXPECT_EQ(list.CellText(0, kColValue), "255");
    EXPECT_EQ(list.CellText(0, kColAddress), "$0012");
}

TEST_F(ListCommandsTest, RowRadixOnExpandedArrayWritesEachElementOnItsOwnRow) {
    const int arr = Array("arr", VT_WORD, 0x30, 3, 2);
    FillMainList(ctx);
    Deliver(arr, 10);                          // elements 10, 11, 12
    session.records[arr + 2].VarIsHidden = 1;  // arr#1
    ToggleRow(ctx, 0);
    ASSERT_THAT(Labels(), ElementsAre("arr", "  arr#0", "  arr#2"));
    RightClickCell(ctx, 0, kColLabel);
    AssembleContextMenu(ctx);
    Run(kRowHex);
    EXPECT_EQ(list.CellText(1, kColValue), "$000A");
    EXPECT_EQ(list.CellText(2, kColValue), "$000C");
    EXPECT_EQ(list.CellText(2, kColAddress), "$0034");
    EXPECT_EQ(list.CellText(0, kColAddress), " ");
    EXPECT_EQ(session.records[arr + 2].VarDisplayType, DT_HEX);
}

TEST_F(ListCommandsTest, RowRadixOnCollapsedArraySetsElementsAndBlanksValue) {
    const int arr = Array("arr", VT_WORD, 0x30, 2, 2);
    FillMainList(ctx);
    Deliver(arr, 1);
    RightClickCell(ctx, 0, kColLabel);
    AssembleContextMenu(ctx);
    Run(kRowDecimal);
    EXPECT_EQ(list.CellText(0, kColAddress), "0048");
    EXPECT_EQ(list.CellText(0, kColValue), " ");
    EXPECT_EQ(session.records[arr + 2].AddDisplayType, DT_DECIMAL);
    EXPECT_THAT(Labels(), ElementsAre("arr"));
}

TEST_F(ListCommandsTest, HidingAnExpandedArrayOfFour) {
    Var("a", VT_BYTE, 0x10);
    const int arr = Array("arr", VT_BYTE, 0x30, 4);
    const int after = Var("b", VT_BYTE, 0x40);
    FillMainList(ctx);
    ToggleRow(ctx, RowOf("arr"));
    ASSERT_EQ(list.RowCount(), 7);
    list.SetSelected(RowOf("arr"), true);
    Run(kHideSelected);
    EXPECT_THAT(Labels(), ElementsAre("a", "b"));
    for (int i = arr; i <= arr + 4; ++i) EXPECT_EQ(session.records[i].VarIsHidden, 1);
    EXPECT_EQ(session.records[after].VarIsHidden, 0);
    EXPECT_EQ(session.records[0].VarIsHidden, 0);
    EXPECT_EQ(session.run.HiddenItemsExist.load(), 1);
    Run(kUnhideAll);
    EXPECT_THAT(Labels(), ElementsAre("a", "arr", "b"));
    EXPECT_EQ(session.run.HiddenItemsExist.load(), 0);
}

TEST_F(ListCommandsTest, HidingSeveralSelectedRows) {
    Var("a", VT_BYTE, 0x10);
    Var("b", VT_BYTE, 0x11);
    Var("c", VT_BYTE, 0x12);
    FillMainList(ctx);
    list.SetSelected(0, true);
    list.SetSelected(2, true);
    Run(kHideSelectedItem);
    EXPECT_THAT(Labels(), ElementsAre("b"));
}

TEST_F(ListCommandsTest, ExpandAllButThisThenExpandAll) {
    const int a = Array("A", VT_BYTE, 0x30, 2);
    const int b = Array("B", VT_BYTE, 0x40, 2);
    const int blank = Array("C", VT_BYTE, 0x50, 2);
    FillMainList(ctx);
    Deliver(a, 1);
    Deliver(b, 1);
    RightClickCell(ctx, RowOf("A"), kColLabel);
    AssembleContextMenu(ctx);
    Run(kExpandAllButThis);
    EXPECT_FALSE(IsArrayExpanded(session.records, a));
    EXPECT_TRUE(IsArrayExpanded(session.records, b));
    Run(kExpandAll);
    EXPECT_TRUE(IsArrayExpanded(session.records, a));
    EXPECT_FALSE(IsArrayExpanded(session.records, blank));  // no value: stays collapsed
    EXPECT_THAT(Labels(), ElementsAre("A", "  A#0", "  A#1", "B", "  B#0", "  B#1", "C"));
    EXPECT_TRUE(ctx.messages.empty());
}

TEST_F(ListCommandsTest, ContractAllButThisFromAnElementRow) {
    const int a = Array("A", VT_BYTE, 0x30, 2);
    const int b = Array("B", VT_BYTE, 0x40, 3);
    FillMainList(ctx);
    Deliver(a, 1);
    Deliver(b, 1);
    Run(kExpandAll);
    RightClickCell(ctx, RowOf("  B#2"), kColLabel);
    AssembleContextMenu(ctx);
    Run(kContractAllButThis);
    EXPECT_THAT(Labels(), ElementsAre("A", "B", "  B#0", "  B#1", "  B#2"));
    Run(kContractAll);
    EXPECT_THAT(Labels(), ElementsAre("A", "B"));
}

TEST_F(ListCommandsTest, AutoExcludeBeforeAnyDumpAndIncludeOnlyAfterIt) {
    Var("a", VT_BYTE, 0x10);
    Array("arr", VT_BYTE, 0x30, 2);
    FillMainList(ctx);
    Run(kAutoExclude);
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(session.settings.AutoExclude, 1);
    EXPECT_EQ(session.run.FirstDumpPending.load(), 0);
    Run(kIncludeBlank);
    EXPECT_EQ(list.RowCount(), 0);
    session.run.CommsEstablished = 1;
    Run(kIncludeBlank);
    EXPECT_THAT(Labels(), ElementsAre("a", "arr"));
    EXPECT_EQ(session.run.ExcludeBlank.load(), 0);
    EXPECT_EQ(session.run.FirstDumpPending.load(), 1);
    Run(kManualExclude);
    EXPECT_EQ(session.settings.AutoExclude, 0);
}

TEST_F(ListCommandsTest, LabelToClipboardOnAnElementRow) {
    const int buf = Array("buf", VT_BYTE, 0x30, 5);
    FillMainList(ctx);
    ToggleRow(ctx, 0);
    (void)buf;
    RightClickCell(ctx, RowOf("  buf#3"), kColLabel);
    AssembleContextMenu(ctx);
    Run(kLabelToClipboard);
    EXPECT_EQ(os.clipboard, "buf#3");
}

TEST_F(ListCommandsTest, ClearAllWatchesUnchecksEveryRow) {
    const int a = Var("a", VT_BYTE, 0x10);
    const int arr = Array("arr", VT_BYTE, 0x30, 2);
    session.records[a].VarInWatchList = 1;
    session.records[arr + 1].VarInWatchList = 1;
    FillMainList(ctx);
    ToggleRow(ctx, RowOf("arr"));
    Run(kClearAllWatches);
    for (int row = 0; row < list.RowCount(); ++row) EXPECT_FALSE(list.IsChecked(row));
    for (const MyVarRecord& r : session.records) EXPECT_EQ(r.VarInWatchList, 0);
}

TEST_F(ListCommandsTest, HighlightMenuMovesTheHighlightAndClearsIt) {
    const int v = Var("v", VT_BYTE, 0x10);
    FillMainList(ctx);
    Deliver(v, 1);
    Deliver(v, 2);
    Run(kHighlightValue);
    EXPECT_EQ(session.settings.HighLightLabel, 0);
    EXPECT_EQ(session.records[v].VarIsHighLight, 0);
    Run(kHighlightLabel);
    EXPECT_EQ(session.settings.HighLightLabel, 1);
}

TEST_F(ListCommandsTest, UnknownCommandIsNotHandled) {
    EXPECT_FALSE(RunListCommand(ctx, 28047, os));
}

}  // namespace
}  // namespace varnolux
