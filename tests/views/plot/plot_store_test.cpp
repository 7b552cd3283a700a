// The Plot window's series: traces that start when a variable is watched, keep
// their values while unwatched, lose the oldest dumps beyond the depth, and
// come from the records as the values they stand for.
#include <gtest/gtest.h>

#include <cmath>

#include "support/make_record.h"
#include "vars/value_decode.h"
#include "views/plot/plot_cursor.h"
#include "views/plot/plot_feed.h"
#include "views/plot/plot_record.h"
#include "views/plot/plot_store.h"

namespace varnolux {
namespace {

PlotSample Sample(const std::string& label, uint32_t raw, int32_t type = VT_BYTE) {
    return PlotSample{label, type, DT_DECIMAL, raw};
}

const PlotTrace& TraceOf(const PlotStore& store, const std::string& label) {
    for (const PlotTrace& t : store.Traces())
        if (t.label == label) return t;
    static const PlotTrace none;
    ADD_FAILURE() << "no trace " << label;
    return none;
}

// The trace's values over the held dumps; -99 where it was not watched.
std::vector<double> Values(const PlotStore& store, const std::string& label) {
    const PlotTrace& t = TraceOf(store, label);
    std::vector<double> out;
    for (size_t i = 0; i < store.Size(); ++i) {
        const double v = t.values.at(store.Begin() + i);
        out.push_back(std::isnan(v) ? -99 : v);
    }
    return out;
}

TEST(PlotStore, AVariableWatchedLaterStartsThereAndAnUnwatchedOneKeepsItsValues) {
    PlotStore store;
    store.Append(3, 10.0, {Sample("a", 1)});
    store.Append(4, 10.5, {Sample("a", 2), Sample("b", 7)});
    store.Append(5, 11.25, {Sample("b", 8)});
    EXPECT_EQ((std::vector<double>{1, 2, -99}), Values(store, "a"));
    EXPECT_EQ((std::vector<double>{-99, 7, 8}), Values(store, "b"));
    EXPECT_FALSE(TraceOf(store, "a").watched);
    EXPECT_EQ(5, store.DumpId(2));
    EXPECT_EQ(3, store.Number(2));
    EXPECT_DOUBLE_EQ(1.25, store.Seconds(2));

    store.Append(6, 12.0, {Sample("a", 9), Sample("b", 8)});  // re-ticked: the trace goes on
    EXPECT_EQ((std::vector<double>{1, 2, -99, 9}), Values(store, "a"));
    store.NoteWatched({Sample("b", 0)});
    store.DropUnwatched();
    ASSERT_EQ(1u, store.Traces().size());
    EXPECT_EQ("b", store.Traces()[0].label);
}

TEST(PlotStore, TheDepthDropsTheOldestDumpsFirst) {
    PlotStore store(10);
    for (uint32_t d = 1; d <= 57; ++d)
        store.Append(static_cast<int32_t>(d % 256), d, {Sample("v", d)});
    ASSERT_EQ(10u, store.Size());
    EXPECT_EQ((std::vector<double>{48, 49, 50, 51, 52, 53, 54, 55, 56, 57}), Values(store, "v"));
    EXPECT_EQ(48, store.Number(0));
    EXPECT_EQ(48, store.DumpId(0));
    EXPECT_DOUBLE_EQ(56, store.Seconds(9));  // still from the first dump's time
    store.SetDepth(3);
    EXPECT_EQ((std::vector<double>{55, 56, 57}), Values(store, "v"));
}

TEST(PlotStore, ClearStartsAgainFromDumpOne) {
    PlotStore store;
    store.Append(1, 5.0, {Sample("v", 1)});
    store.Append(2, 6.0, {Sample("v", 2)});
    store.Clear();
    EXPECT_TRUE(store.Empty());
    EXPECT_TRUE(store.Traces().empty());
    store.Append(1, 100.0, {Sample("v", 3)});
    EXPECT_EQ(1, store.Number(0));
    EXPECT_DOUBLE_EQ(0, store.Seconds(0));
    EXPECT_EQ((std::vector<double>{3}), Values(store, "v"));
}

TEST(PlotRecord, WatchedVariablesAndTheElementsOfAWatchedArrayInTableOrder) {
    VarTable records = {MakeRecord("plain", VT_BYTE, 0x20),
                        MakeRecord("arr", VT_SWORD, 0x30, 2, RT_ARRAY),
                        MakeRecord("arr#0", VT_SWORD, 0x30, 1, RT_SUBSCRIPT),
                        MakeRecord("arr#1", VT_SWORD, 0x32, 1, RT_SUBSCRIPT),
                        MakeRecord("other", VT_FLOAT, 0x40),
                        MakeRecord("odd", 42, 0x50)};
    records[1].VarInWatchList = 1;
    records[3].VarInWatchList = 1;  // also an element of the watched array: once
    records[4].VarInWatchList = 1;
    records[5].VarInWatchList = 1;  // a type nothing can plot
    records[3].VarValue = 0xFFFE;
    records[4].VarValue = FloatBits(-1.5f);
    records[3].VarDisplayType = DT_HEX;

    const std::vector<PlotSample> samples = WatchedSamples(records);
    ASSERT_EQ(3u, samples.size());
    EXPECT_EQ("arr#0", samples[0].label);
    EXPECT_EQ("arr#1", samples[1].label);
    EXPECT_EQ(DT_HEX, samples[1].radix);
    EXPECT_EQ("other", samples[2].label);

    Session session;
    session.records = records;
    PlotFeed feed;
    const PlotStore& store = feed.Store();
    session.image.DumpId = 9;
    feed.KeepDump(session, 1000000);
    EXPECT_TRUE(store.Empty()) << "taken into the store by the window's thread only";
    feed.TakeWaiting();
    EXPECT_EQ(9, store.DumpId(0));
    EXPECT_EQ((std::vector<double>{-2}), Values(store, "arr#1"));
    EXPECT_EQ((std::vector<double>{-1.5}), Values(store, "other"));
}

}  // namespace
}  // namespace varnolux

namespace varnolux {
namespace {

// The dump a stop rule fired at is found by the link clock's time both were given.
TEST(PlotStore, TheDumpOfAFiringIsFoundByItsTime) {
    PlotStore store(3);
    const int64_t times[] = {1000000, 1250001, 2600000, 3000017};
    for (int64_t us : times) store.Append(5, static_cast<double>(us) / 1e6, {});
    const struct {
        int64_t us;
        std::optional<size_t> dump;
    } cases[] = {
        {1000000, std::nullopt},  // dropped beyond the depth of 3
        {1250001, 0},
        {2600000, 1},
        {3000017, 2},
        {3000018, std::nullopt},
        {2000000, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DumpAtTime(store, static_cast<double>(c.us) / 1e6), c.dump) << c.us;
}

}  // namespace
}  // namespace varnolux
