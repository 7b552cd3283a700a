// What the Watch window's commands change: the watched set, radixes, the main
// list's rows and boxes, and the main window's "Continuous".
#include <gtest/gtest.h>

#include <algorithm>

#include "seams/main_ids.h"
#include "seams/memory/memory_report_list.h"
#include "support/make_record.h"
#include "support/memory_session_rig.h"
#include "vars/list_operation.h"
#include "vars/main_list.h"
#include "vars/record_update.h"
#include "views/watch/watch_commands.h"
#include "views/watch/watch_rows.h"

namespace varnolux {
namespace {

class WatchCommands : public ::testing::Test {
  protected:
    WatchCommands() {
        Session& s = rig.session;
        s.run.ProjectLoaded = 1;
        s.records = {MakeRecord("state", VT_BYTE, 0x20), MakeRecord("tick", VT_WORD, 0x21),
                     MakeRecord("setPoint", VT_SWORD, 0x23)};
        for (MyVarRecord& r : s.records) {
            StoreNewValue(r, 200, 0);
            r.VarInWatchList = 1;
        }
        runner.Run([](ListContext& c) { FillMainList(c); });
        rig.views.calls.clear();
    }
    int Row(const std::string& label) { return RowOfLabel(list, label); }
    std::vector<std::string> Watched() {
        std::vector<std::string> labels;
        for (const WatchRow& row : TakeWatchFill(rig.session.records, 0).rows)
            labels.push_back(row.label);
        return labels;
    }
    int WatchFills() {
        return static_cast<int>(
            std::count(rig.views.calls.begin(), rig.views.calls.end(), "WatchChanged"));
    }

    MemorySessionRig<> rig;
    MemoryReportList list;
    ReportListRunner runner{rig.session, list, rig.prompts, rig.views};
};

TEST_F(WatchCommands, DoubleClickRemovesTheWatchAndClearsTheMainListsBox) {
    runner.Run([](ListContext& c) { RemoveWatch(c, "tick"); });
    EXPECT_EQ(Watched(), (std::vector<std::string>{"state", "setPoint"}));
    EXPECT_FALSE(list.IsChecked(Row("tick")));
    EXPECT_TRUE(list.IsChecked(Row("state")));
    EXPECT_EQ(WatchFills(), 1);
}

TEST_F(WatchCommands, RemovingAnElementClearsItsIndentedRow) {
    Session& s = rig.session;
    s.records.push_back(MakeRecord("buf", VT_BYTE, 0x30, 2, RT_ARRAY));
    s.records.push_back(MakeRecord("buf#0", VT_BYTE, 0x30, 1, RT_SUBSCRIPT));
    s.records.push_back(MakeRecord("buf#1", VT_BYTE, 0x31, 1, RT_SUBSCRIPT));
    for (size_t i = 3; i < s.records.size(); ++i) StoreNewValue(s.records[i], 65, 0);
    s.records[5].VarInWatchList = 1;
    runner.Run([](ListContext& c) {
        FillMainList(c);
        ToggleRow(c, RowOfLabel(c.list, "buf"));
    });
    const int row = Row("buf#1");
    ASSERT_GE(row, 0);
    ASSERT_TRUE(list.IsChecked(row));
    runner.Run([](ListContext& c) { RemoveWatch(c, "buf#1"); });
    EXPECT_FALSE(list.IsChecked(row));
    EXPECT_EQ(s.records[5].VarInWatchList, 0);
}

TEST_F(WatchCommands, ALabelWithoutVariableIsReportedAndChangesNothing) {
    runner.Run([](ListContext& c) { RemoveWatch(c, "gone"); });
    runner.Run([](ListContext& c) { WatchItemRadix(c, "gone", DT_HEX); });
    EXPECT_EQ(rig.prompts.Texts(),
              (std::vector<std::string>{"No variable named gone", "No variable named gone"}));
    EXPECT_EQ(rig.prompts.shown[0].caption, "Varnolux");
    EXPECT_EQ(Watched().size(), 3u);
    EXPECT_EQ(WatchFills(), 0);
}

TEST_F(WatchCommands, ColumnRadixChangesEveryValueAndTheDefault) {
    runner.Run([](ListContext& c) { WatchColumnRadix(c, DT_HEX); });
    for (const MyVarRecord& r : rig.session.records) EXPECT_EQ(r.VarDisplayType, DT_HEX);
    EXPECT_EQ(rig.session.settings.DefaultDataRadix, DT_HEX);
    EXPECT_EQ(list.CellText(Row("tick"), kColValue), "$00C8") << "the main list follows";
    EXPECT_EQ(WatchFills(), 1);
}

TEST_F(WatchCommands, ItemRadixChangesTheValueRadixOfThatVariableOnly) {
    const std::string address = list.CellText(Row("state"), kColAddress);
    runner.Run([](ListContext& c) { WatchItemRadix(c, "state", DT_BINARY); });
    EXPECT_EQ(rig.session.records[0].VarDisplayType, DT_BINARY);
    EXPECT_EQ(rig.session.records[0].AddDisplayType, DT_HEX) << "the address keeps its radix";
    EXPECT_EQ(rig.session.records[1].VarDisplayType, DT_DECIMAL);
    EXPECT_EQ(rig.session.settings.DefaultDataRadix, 0);
    EXPECT_EQ(list.CellText(Row("state"), kColValue), "%11001000") << "the main list follows";
    EXPECT_EQ(list.CellText(Row("state"), kColAddress), address);
    EXPECT_EQ(TakeWatchFill(rig.session.records, 0).rows[0].value, "%11001000");
    EXPECT_EQ(WatchFills(), 1);
}

TEST_F(WatchCommands, OpeningAppliesTheDefaultDataRadixUnlessItIsZero) {
    rig.session.records[1].VarDisplayType = DT_HEX;  // a row radix chosen in the main list
    runner.Run([](ListContext& c) { ApplyWatchDefaultRadix(c); });
    EXPECT_EQ(rig.session.records[1].VarDisplayType, DT_HEX);
    rig.session.settings.DefaultDataRadix = DT_DECIMAL;
    runner.Run([](ListContext& c) { ApplyWatchDefaultRadix(c); });
    EXPECT_EQ(rig.session.records[1].VarDisplayType, DT_DECIMAL);
    EXPECT_EQ(list.CellText(Row("tick"), kColValue), "200");
    EXPECT_EQ(WatchFills(), 0) << "the window fills itself once it is open";
}

TEST_F(WatchCommands, ContinuousMirrorSetsBothBoxesOppositeToTheMainWindows) {
    MainWindowView& view = rig.view;
    EXPECT_TRUE(WatchContinuousClicked(view));
    EXPECT_TRUE(view.IsChecked(ids::kContinuous));
    EXPECT_FALSE(WatchContinuousClicked(view));
    EXPECT_FALSE(view.IsChecked(ids::kContinuous));
}

}  // namespace
}  // namespace varnolux
