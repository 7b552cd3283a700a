// The main list fed by the host's link from the simulated firmware, in memory:
// what the user reads in the list is what the target holds, and a value typed
// into the Modify window reaches the target.
#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "app/main_ids.h"
#include "link/link_thread.h"
#include "link/modify.h"
#include "sim/core/sim_truth.h"
#include "sim/core/target_engine.h"
#include "ui/memory_host_os.h"
#include "ui/memory_launcher.h"
#include "ui/memory_main_window_view.h"
#include "ui/memory_prompts.h"
#include "ui/memory_report_list.h"
#include "ui/memory_serial_port.h"
#include "vars/main_list.h"
#include "vars/main_list_modify.h"
#include "vars/value_format.h"

namespace varnolux::sim {
namespace {

MyVarRecord Record(const std::string& label, int32_t type, int32_t address, int32_t len = 1,
                   int32_t recordType = RT_VARIABLE) {
    MyVarRecord r;
    r.VarLabel = label;
    r.VarType = type;
    r.VarAddress = address;
    r.VarLen = len;
    r.VarRecordType = recordType;
    r.VarIsExpanded = recordType == RT_SUBSCRIPT ? 0 : 1;
    return r;
}

void LoadProject(Session& s) {
    s.device.Core = 16;
    s.device.SourceDeviceName = "18F25K22";
    s.device.ListingDeviceName = "18F25K22";
    for (int a = 0; a < 0x600; ++a) s.image.RamImage[static_cast<size_t>(a)].Implemented = 1;
    s.records = {Record("flags", VT_BIT, 0x20, 3),
                 Record("count", VT_BYTE, 0x21),
                 Record("offset", VT_SBYTE, 0x22),
                 Record("ticks", VT_WORD, 0x23),
                 Record("delta", VT_SWORD, 0x25),
                 Record("total", VT_DWORD, 0x27),
                 Record("balance", VT_SDWORD, 0x2B),
                 Record("temp", VT_FLOAT, 0x2F),
                 Record("text", VT_BYTE, 0x100, 4, RT_ARRAY)};
    for (int i = 0; i < 4; ++i)
        s.records.push_back(
            Record("text#" + std::to_string(i), VT_BYTE, 0x100 + i, 1, RT_SUBSCRIPT));
    s.dumpPoints.entries[3] = DumpPoint{0, 10, 0, "loop top"};
    s.dumpPoints.entries[5] = DumpPoint{0, 20, 1, "after read"};
    s.dumpPoints.order = {3, 5};
    s.project.romReference = RomReference{0x7FF0, 0xEF12, -1, 1};
    s.settings.UpdatesBefore = 1;
    s.settings.UpdatesAfter = 0;
}

class GoOnPrompts : public MemoryPrompts {
  public:
    PromptAnswer Show(const PromptRequest& r) override {
        const PromptAnswer a = MemoryPrompts::Show(r);
        return r.buttons == PromptButtons::YesNoCancel ? PromptAnswer::No : a;
    }
};

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

class ListAgainstTarget : public ::testing::Test {
  protected:
    void SetUp() override {
        LoadProject(session);
        LoadProject(targetProject);
        engine =
            std::make_unique<TargetEngine>(ProgramFromSession(targetProject, 0x5C63), SimOptions());
        port.onWrite = [this](uint8_t b) {
            engine->Receive(b, simNow);
            for (uint8_t out : engine->TakeOutput()) port.input.push_back(out);
        };
        port.onIdle = [this](int) {
            simNow += 40;
            engine->Tick(simNow);
            for (uint8_t out : engine->TakeOutput()) port.input.push_back(out);
        };
        view.SetControlText(ids::kUntilCount, "00");
        view.SetChecked(ids::kContinuous, true);
        session.run.ProjectLoaded = 1;
        FillMainList(ctx);
    }

    // The link runs until the target completed `dumps`; then timer 1's refresh.
    void RunDumps(int64_t dumps) {
        for (int turns = 0; engine->CompletedDumps() < dumps && turns < 5000000; ++turns)
            LinkTurn(link);
        ASSERT_EQ(engine->CompletedDumps(), dumps);
        int32_t pending = 1;
        if (session.run.NewDumpPending.compare_exchange_strong(pending, 0)) RefreshAfterDump(ctx);
    }

    int RowOf(const std::string& label) {
        for (int row = 0; row < list.RowCount(); ++row)
            if (RowLabel(list, row) == label) return row;
        return -1;
    }

    Session session;
    Session targetProject;
    MemoryHostOs os;
    GoOnPrompts prompts;
    MemoryMainWindowView view;
    MemoryLauncher launcher;
    Seams seams{os, prompts, view, launcher};
    MemorySerialPort port;
    LinkContext link{session, seams, port};
    std::unique_ptr<TargetEngine> engine;
    int64_t simNow = 0;
    MemoryReportList list;
    TableWatch watch{session.records};
    ListContext ctx{session, list, watch};
};

TEST_F(ListAgainstTarget, EveryVisibleValueIsTheTargetsAfterEachDump) {
    RunDumps(1);
    ToggleRow(ctx, RowOf("text"));  // the elements show too
    int highlighted = 0;
    for (int64_t d = 2; d <= 12; ++d) {
        RunDumps(d);
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
    RunDumps(2);
    const int row = RowOf("ticks");
    ASSERT_TRUE(OpenModifyForCell(ctx, row, kColValue).open);
    ASSERT_TRUE(ConfirmModify(session, list, "4660").accepted);
    EXPECT_EQ(list.CellText(row, kColValue), " 4660");
    port.written.clear();
    RunDumps(3);
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
