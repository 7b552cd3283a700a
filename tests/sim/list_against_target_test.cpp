// The main list fed by the host's link from the simulated firmware, in memory:
// what the user reads in the list is what the target holds, and a value typed
// into the Modify window reaches the target.
#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "link/modify/confirm.h"
#include "seams/memory/memory_report_list.h"
#include "sim/core/sim_truth.h"
#include "target_rig.h"
#include "vars/main_list.h"
#include "vars/main_list_modify.h"
#include "vars/value_format.h"

namespace varnolux::sim {
namespace {

// The shared project without an EEPROM, refreshing only the values before a change.
void LoadProject(Session& s) {
    LoadSimProject(s, 4);
    s.settings.UpdatesAfter = 0;
}

// label -> value text of the truth document.
std::map<std::string, std::string> ParseTruth(const std::string& json) {
    static const std::regex entry(
        R"re("VarLabel":"((?:[^"\\]|\\.)*)","value":"((?:[^"\\]|\\.)*)")re");
    auto unescape = [](const std::string& s) {
        std::string out;
        for (size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '\\' && i + 1 < s.size()) ++i;
            out += s[i];
        }
        return out;
    };
    std::map<std::string, std::string> values;
    for (auto it = std::sregex_iterator(json.begin(), json.end(), entry);
         it != std::sregex_iterator(); ++it)
        values[unescape((*it)[1])] = unescape((*it)[2]);
    return values;
}

class ListAgainstTarget : public ::testing::Test, protected TargetRig {
  protected:
    void SetUp() override {
        LoadProject(session);
        LoadProject(targetProject);
        StartTarget(SimOptions());
        view.SetChecked(ids::kContinuous, true);
        session.run.ProjectLoaded = 1;
        FillMainList(ctx);
    }

    // The link runs until the target completed `dumps`; then timer 1's refresh.
    void RunDumpsAndRefresh(int64_t dumps) {
        RunDumps(dumps);
        if (HasFatalFailure()) return;
        int32_t pending = 1;
        if (session.run.NewDumpPending.compare_exchange_strong(pending, 0)) RefreshAfterDump(ctx);
    }

    int RowOf(const std::string& label) {
        for (int row = 0; row < list.RowCount(); ++row)
            if (RowLabel(list, row) == label) return row;
        return -1;
    }

    MemoryReportList list;
    ListContext ctx{session, list};
};

TEST_F(ListAgainstTarget, EveryVisibleValueIsTheTargetsAfterEachDump) {
    RunDumpsAndRefresh(1);
    ToggleRow(ctx, RowOf("text"));  // the elements show too
    int highlighted = 0;
    for (int64_t d = 2; d <= 12; ++d) {
        RunDumpsAndRefresh(d);
        const auto truth =
            ParseTruth(TruthJson(targetProject, engine->Memory(), engine->LastDumpId()));
        ASSERT_EQ(list.RowCount(), 13);  // eight variables, the array and its four elements
        for (int row = 0; row < list.RowCount(); ++row) {
            const std::string label = RowLabel(list, row);
            if (label == "text") continue;  // an expanded array's row shows no value
            ASSERT_TRUE(truth.count(label)) << label;
            EXPECT_EQ(list.CellText(row, kColValue), truth.at(label)) << label << " dump " << d;
            const MyVarRecord& r = session.records[FindRecordByLabel(session.records, label)];
            if (r.VarIsHighLight == 1) {
                ++highlighted;
                EXPECT_EQ(DrawListCell(ctx, row, kColLabel).background, kHighlightYellow);
                ValueTexts texts;
                ASSERT_TRUE(FormatValue(r, texts));
                EXPECT_EQ(list.CellText(row, kColPrevious), texts.previous) << label;
            }
        }
    }
    EXPECT_GT(highlighted, 0);
    EXPECT_TRUE(ctx.messages.empty());
}

TEST_F(ListAgainstTarget, TypedValueReachesTheTargetAndShowsInTheNextDump) {
    RunDumpsAndRefresh(2);
    const int row = RowOf("ticks");
    ASSERT_TRUE(OpenModifyForCell(ctx, row, kColValue).open);
    ASSERT_TRUE(ConfirmModify(session, list, "4660").accepted);
    EXPECT_EQ(list.CellText(row, kColValue), " 4660");
    port.written.clear();
    RunDumpsAndRefresh(3);
    const std::vector<uint8_t> request = {0x02, 0x0B, 0x0C, 0x02, 0x00,
                                          0x23, 0x34, 0x12, 0x00, 0x00};
    const auto at =
        std::search(port.written.begin(), port.written.end(), request.begin(), request.end());
    ASSERT_NE(at, port.written.end());
    EXPECT_EQ(session.run.ModifyPending.load(), 0);
    EXPECT_EQ(list.CellText(RowOf("ticks"), kColValue), "4660");
}

}  // namespace
}  // namespace varnolux::sim
