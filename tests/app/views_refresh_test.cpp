// The main list and the other windows after a dump and after a change of the
// watched set: every other window is told only once the records lock is free,
// so a window that draws at once and takes the lock itself cannot freeze the UI.
#include <gtest/gtest.h>

#include <functional>
#include <mutex>

#include "app/main_timers.h"
#include "seams/main_ids.h"
#include "seams/memory/memory_host_os.h"
#include "seams/memory/memory_launcher.h"
#include "seams/memory/memory_main_window_view.h"
#include "seams/memory/memory_prompts.h"
#include "seams/memory/memory_report_list.h"
#include "seams/memory/memory_views.h"
#include "support/make_record.h"
#include "vars/list_commands.h"
#include "vars/main_list.h"
#include "vars/value_format.h"

namespace varnolux {
namespace {

// Windows that note whether the records lock was free whenever they were told.
struct LockCheckingViews : MemoryViews {
    explicit LockCheckingViews(std::mutex& lock) : lock_(lock) {}
    void WatchChanged() override {
        Check();
        MemoryViews::WatchChanged();
    }
    void RefreshAfterDump() override {
        Check();
        MemoryViews::RefreshAfterDump();
    }
    void Check() {
        if (!lock_.try_lock()) {
            lockHeldWhenTold = true;
            return;
        }
        lock_.unlock();
    }
    bool lockHeldWhenTold = false;

  private:
    std::mutex& lock_;
};

class ViewsRefresh : public ::testing::Test {
  protected:
    ViewsRefresh() {
        session.run.ProjectLoaded = 1;
        session.records = {MakeRecord("count", VT_BYTE, 0x20), MakeRecord("speed", VT_WORD, 0x21)};
        for (MyVarRecord& r : session.records) StoreNewValue(r, 1, 0);
        runner.Run([](ListContext& c) { FillMainList(c); });
        // A second window that refreshes at once, reading the records under the lock.
        views.onRefresh = [this] {
            ASSERT_TRUE(session.recordsLock.try_lock()) << "the lock is still held";
            seenByView = session.records[1].VarValue;
            session.recordsLock.unlock();
        };
    }

    Session session;
    MemoryHostOs os;
    MemoryPrompts prompts;
    MemoryMainWindowView view;
    MemoryLauncher launcher;
    LockCheckingViews views{session.recordsLock};
    Seams seams{os, prompts, view, launcher, views};
    MemoryReportList list;
    ReportListRunner runner{session, list, prompts, views};
    uint32_t seenByView = 0;
};

TEST_F(ViewsRefresh, WindowsRefreshAfterTheListWithTheLockReleased) {
    StoreNewValue(session.records[1], 4660, 0);
    RefreshAfterNewDump(session, runner, seams);
    EXPECT_EQ(list.CellText(1, kColValue), "4660");
    EXPECT_EQ(seenByView, 4660u);
    EXPECT_EQ(views.calls, std::vector<std::string>{"RefreshAfterDump"});
    EXPECT_FALSE(views.lockHeldWhenTold);
}

TEST_F(ViewsRefresh, WatchWindowFillsAfterTheWatchedSetOrAValueRadixChangedAndOnlyThen) {
    struct Case {
        const char* what;
        std::function<void(ListContext&)> op;
        bool fills;
    };
    const Case cases[] = {
        {"box checked", [](ListContext& c) { WatchCheckChanged(c, 0, true); }, true},
        {"box cleared", [](ListContext& c) { WatchCheckChanged(c, 0, false); }, true},
        {"all watches cleared", [](ListContext& c) { ClearAllWatches(c); }, true},
        {"sorted", [](ListContext& c) { SortList(c, kColLabel); }, false},
        {"values refreshed", [](ListContext& c) { RefreshListValues(c); }, false},
        {"Hex button", [](ListContext& c) { RadixButton(c, DT_HEX); }, true},
        {"row radix",
         [](ListContext& c) {
             c.session.list.MenuRow = 1;
             RowRadix(c, DT_BINARY);
         },
         true},
        {"address item radix",
         [](ListContext& c) {
             c.session.list.MenuRow = 1;
             c.session.list.MenuColumn = kColAddress;
             ItemRadix(c, DT_DECIMAL);
         },
         false},
    };
    for (const Case& c : cases) {
        views.calls.clear();
        runner.Run([&](ListContext& ctx) { c.op(ctx); });
        EXPECT_FALSE(views.lockHeldWhenTold) << c.what;
        EXPECT_EQ(views.calls == std::vector<std::string>{"WatchChanged"}, c.fills) << c.what;
    }
}

TEST_F(ViewsRefresh, FullWatchWindowRefusesTheTwentyFirstVariable) {
    session.records.clear();
    for (int i = 0; i < 21; ++i)
        session.records.push_back(MakeRecord("v" + std::to_string(i), VT_BYTE, i));
    for (MyVarRecord& r : session.records) StoreNewValue(r, 1, 0);
    runner.Run([](ListContext& c) {
        FillMainList(c);
        for (int row = 0; row < 21; ++row) WatchCheckChanged(c, row, true);
    });
    EXPECT_EQ(WatchedRowCount(session.records), kWatchRowsMax);
    EXPECT_FALSE(list.IsChecked(20));
}

}  // namespace
}  // namespace varnolux
