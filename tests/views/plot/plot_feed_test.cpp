// The Plot window's feed: every dump the link completes is one point, however
// many come before the window's refresh takes them and whether the window is
// open or not; "Save data..." writes every dump unless the user zoomed in.
#include <gtest/gtest.h>

#include <algorithm>

#include "link/link_fixture.h"
#include "support/make_record.h"
#include "views/plot/plot_cursor.h"
#include "views/plot/plot_feed.h"

namespace varnolux {
namespace {

class PlotFeedOnTheLink : public LinkFixture {
  protected:
    PlotFeedOnTheLink() {
        session.records = {MakeRecord("COUNTER", VT_BYTE, 0x20), MakeRecord("GAIN", VT_BYTE, 0x21)};
        session.records[0].VarInWatchList = 1;
        for (int a : {0x20, 0x21}) session.image.RamImage[static_cast<size_t>(a)].Implemented = 1;
        link.keeper = &feed;
    }
    // One dump at `dumpId` with COUNTER = `value`, 30 ms after the one before.
    void DumpWith(uint8_t dumpId, uint8_t value) {
        std::vector<uint8_t> bytes = {kSync};
        for (const auto& p : {DataPacket(0x20, {value, 0}), EndPacket(dumpId)})
            bytes.insert(bytes.end(), p.begin(), p.end());
        bytes.push_back(kQuery);
        Send(bytes);
        now += 30000000;
    }
    size_t CsvRows(const PlotViewState& view) {
        const std::string csv = PlotCsv(store, view.axis, SavedRange(view, store));
        return static_cast<size_t>(std::count(csv.begin(), csv.end(), '\n')) - 1;
    }

    PlotFeed feed;
    PlotStore& store = feed.Store();
};

TEST_F(PlotFeedOnTheLink, DumpsFasterThanTheRefreshAreOnePointEach) {
    const uint8_t ids[] = {7, 8, 12, 150, 5, 200};
    for (uint8_t i = 0; i < 6; ++i) DumpWith(ids[i], static_cast<uint8_t>(10 * i));
    feed.TakeWaiting();  // the first refresh after all six
    ASSERT_EQ(store.Size(), 6u);
    const PlotTrace& counter = store.Traces().at(0);
    EXPECT_EQ(counter.label, "COUNTER");
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(store.DumpId(i), ids[i]);
        EXPECT_EQ(counter.values[store.Begin() + i], 10.0 * static_cast<double>(i));
        EXPECT_NEAR(store.Seconds(i), 0.030 * static_cast<double>(i), 1e-9);
    }
}

TEST_F(PlotFeedOnTheLink, SaveDataWritesEveryDumpUnlessZoomedIn) {
    for (uint8_t i = 0; i < 6; ++i) DumpWith(5, i);
    feed.TakeWaiting();
    PlotViewState opened;
    FitAll(opened, store);
    PlotViewState paused = opened;
    SetPaused(paused, store, true);
    PlotViewState zoomed = opened;
    SelectView(zoomed, store, 2, 4);
    for (uint8_t i = 0; i < 4; ++i) DumpWith(12, i);  // the view takes them at its next refresh
    feed.TakeWaiting();
    EXPECT_EQ(CsvRows(opened), 10u);
    EXPECT_EQ(CsvRows(paused), 10u);
    EXPECT_EQ(CsvRows(zoomed), 3u) << "dumps 2 to 4";
}

TEST(PlotFeed, DumpsKeptWhileNothingTakesThemStayWithinTheDepth) {
    Session session;
    session.records = {MakeRecord("v", VT_BYTE, 0x20)};
    session.records[0].VarInWatchList = 1;
    PlotFeed feed(10);
    for (int d = 1; d <= 25; ++d) {
        session.image.DumpId = d;
        feed.KeepDump(session, d * 1000000);
    }
    feed.TakeWaiting();  // the window opens
    const PlotStore& store = feed.Store();
    ASSERT_EQ(store.Size(), 10u);
    EXPECT_EQ(store.DumpId(0), 16);
    EXPECT_EQ(store.Number(0), 16) << "the dumps dropped before still count";
    feed.SetDepth(12);
    for (int d = 26; d <= 30; ++d) {
        session.image.DumpId = d;
        feed.KeepDump(session, d * 1000000);
    }
    feed.TakeWaiting();
    EXPECT_EQ(store.Size(), 12u);
    EXPECT_EQ(store.DumpId(11), 30);
    feed.Clear();
    EXPECT_TRUE(store.Empty());
}

}  // namespace
}  // namespace varnolux
