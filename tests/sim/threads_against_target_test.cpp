// The link thread against the simulated firmware on a thread of its own while
// this thread plays the UI's timer 1: each completed dump refreshes the main
// list and a second window that reads the records itself. Run under
// ThreadSanitizer (make tsan) it shows that the two threads share no data
// outside the records lock and the atomic flags on the road of a dump.
#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <thread>

#include "app/main_timers.h"
#include "seams/memory/memory_report_list.h"
#include "target_rig.h"
#include "vars/list_operation.h"
#include "vars/main_list.h"
#include "vars/value_format.h"

namespace varnolux::sim {
namespace {

class ThreadsAgainstTarget : public ::testing::Test, protected TargetRig {};

TEST_F(ThreadsAgainstTarget, DumpsAndRefreshesOverlapWithoutLosingAValue) {
    LoadSimProject(session, 4);
    LoadSimProject(targetProject, 4);
    StartTarget(SimOptions());
    view.SetChecked(ids::kContinuous, true);
    session.run.ProjectLoaded = 1;
    session.run.ProjectChosen = 1;

    MemoryReportList list;
    ReportListRunner runner(session, list, prompts, views);
    runner.Run([](ListContext& c) { FillMainList(c); });
    // The second window: a snapshot under the lock, then its own work.
    int32_t lastSeenDumpId = -1;
    views.onRefresh = [&] {
        std::lock_guard<std::mutex> lock(session.recordsLock);
        lastSeenDumpId = session.image.DumpId;
    };

    auto thread = StartLinkThread(session, seams, port);
    int refreshes = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (refreshes < 40 && std::chrono::steady_clock::now() < deadline) {
        if (TakeNewDump(session.run, true)) {
            RefreshAfterNewDump(session, runner, seams);
            ++refreshes;
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    ASSERT_TRUE(thread->Stop());
    EXPECT_EQ(refreshes, 40);
    EXPECT_TRUE(lastSeenDumpId == 3 || lastSeenDumpId == 5) << lastSeenDumpId;
    // After the last refresh the list shows every value the records hold.
    runner.Run([](ListContext& c) { RefreshListValues(c); });
    const int row = RowOfLabel(list, "ticks");
    ASSERT_GE(row, 0);
    ValueTexts texts;
    ASSERT_TRUE(FormatValue(session.records[FindRecordByLabel(session.records, "ticks")], texts));
    EXPECT_EQ(list.CellText(row, kColValue), texts.value);
}

}  // namespace
}  // namespace varnolux::sim
