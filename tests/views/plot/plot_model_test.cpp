// The Plot window's drawing model: reduction that keeps every extreme, round
// ticks that cover the data, the cursor's nearest dump and its texts, values
// at their heights, zoom, pan, fit and pause, and the CSV of the visible range.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "vars/value_decode.h"
#include "views/plot/plot_cursor.h"
#include "views/plot/plot_layout.h"
#include "views/plot/plot_reduce.h"

namespace varnolux {
namespace {

PlotSample Sample(const std::string& label, uint32_t raw, int32_t type = VT_BYTE,
                  int32_t radix = DT_DECIMAL) {
    return PlotSample{label, type, radix, raw};
}

// `count` dumps of one byte trace that is 10 everywhere but `spike` at dump `at`.
PlotStore Flat(size_t count, size_t at, uint32_t spike) {
    PlotStore store(count);
    for (size_t i = 0; i < count; ++i)
        store.Append(1, static_cast<double>(i) / 10, {Sample("v", i == at ? spike : 10)});
    return store;
}

TEST(ReduceTrace, ASingleSpikeAmongAHundredThousandDumpsSurvivesEveryZoom) {
    const size_t kDumps = 100000, kAt = 61234;
    for (uint32_t spike : {255u, 0u}) {
        const PlotStore store = Flat(kDumps, kAt, spike);
        const PlotTrace& trace = store.Traces()[0];
        for (const PlotRange range : {PlotRange{1, 100000}, PlotRange{60000, 65000},
                                      PlotRange{61200, 61300}, PlotRange{61230, 61240}}) {
            for (int width : {37, 640, 1000}) {
                const std::vector<PlotColumn> columns =
                    ReduceTrace(store, trace, PlotXAxis::DumpNumber, range, width);
                // At most one column per pixel, plus one beyond each edge.
                EXPECT_LE(columns.size(), static_cast<size_t>(width) + 2);
                const bool seen =
                    std::any_of(columns.begin(), columns.end(), [&](const PlotColumn& c) {
                        return c.x >= 0 && c.x < width && (c.low == spike || c.high == spike);
                    });
                EXPECT_TRUE(seen) << spike << " in " << range.lo << ".." << range.hi << " at "
                                  << width;
            }
        }
    }
}

TEST(ReduceTrace, ColumnsKeepFirstLowHighLastAndBreakAtUnwatchedDumps) {
    PlotStore store;
    const uint32_t values[] = {5, 9, 1, 4, 7, 7};
    for (size_t i = 0; i < 6; ++i) store.Append(1, 0, {Sample("v", values[i])});
    store.Append(1, 0, {});  // unwatched for one dump
    store.Append(1, 0, {Sample("v", 3)});
    // Dumps 1..8 over 2 pixels: 1..4 in column 0, 5..8 in column 1.
    const std::vector<PlotColumn> c =
        ReduceTrace(store, store.Traces()[0], PlotXAxis::DumpNumber, {1, 9}, 2);
    ASSERT_EQ(3u, c.size());
    EXPECT_EQ(0, c[0].x);
    EXPECT_EQ((std::vector<double>{5, 1, 9, 4}),
              (std::vector<double>{c[0].first, c[0].low, c[0].high, c[0].last}));
    EXPECT_EQ(1, c[1].x);
    EXPECT_TRUE(c[1].joined);
    EXPECT_EQ(7, c[1].last);
    EXPECT_EQ(1, c[2].x);  // after the gap: a new, unjoined column
    EXPECT_FALSE(c[2].joined);
    EXPECT_EQ(3, c[2].first);
}

TEST(NiceScale, TicksAreRoundStepsThatCoverTheRange) {
    const struct {
        double lo, hi;
        double step;
    } cases[] = {{0, 255, 50},      {-3.2, 7.9, 2},         {0.013, 0.0471, 0.01},
                 {1000, 1003, 0.5}, {-40000, 32767, 20000}, {12, 12, 0.5}};
    for (const auto& c : cases) {
        const NiceScale s = MakeNiceScale(c.lo, c.hi, 6);
        EXPECT_DOUBLE_EQ(c.step, s.step) << c.lo << ".." << c.hi;
        ASSERT_GE(s.ticks.size(), 2u);
        EXPECT_LE(s.ticks.front(), c.lo);
        EXPECT_GE(s.ticks.back(), c.hi);
        for (double t : s.ticks) EXPECT_NEAR(0, std::remainder(t, s.step), 1e-9 * s.step) << t;
    }
    EXPECT_EQ("0.005", TickText(0.005, 0.005));
    EXPECT_EQ("-20000", TickText(-20000, 20000));
    EXPECT_EQ("0.0", TickText(-1e-17, 0.1));  // no "-0.0"
    EXPECT_EQ((std::vector<double>{20, 40, 60}), TicksInside({13, 61}, 4));
    EXPECT_EQ((std::vector<double>{1, 2}), TicksInside({1, 2}, 6, 1)) << "whole dumps only";
}

// The axis name ("dump") is written right-aligned left of the frame, just
// below it: no tick label reaches into it, labels away from it stay centred.
TEST(TickLabels, StayClearOfTheAxisName) {
    const PlotRect area{64, 22, 500, 300};
    const int nameRight = area.left - 4, nameTop = area.bottom + 3;
    const struct { int tick, width, left; } xs[] = {{64, 20, 66}, {70, 30, 66}, {200, 20, 190}};
    for (const auto& x : xs) {
        EXPECT_EQ(XTickLabelLeft(area, x.tick, x.width), x.left) << x.tick;
        EXPECT_GT(XTickLabelLeft(area, x.tick, x.width), nameRight);
    }
    const struct { int tick, height, top; } ys[] = {{300, 13, 289}, {295, 13, 289}, {100, 13, 94}};
    for (const auto& y : ys) {
        EXPECT_EQ(YTickLabelTop(area, y.tick, y.height), y.top) << y.tick;
        EXPECT_LT(YTickLabelTop(area, y.tick, y.height) + y.height, nameTop);
    }
}

TEST(NearestDump, PicksTheClosestDumpOnEitherAxis) {
    PlotStore store;
    const double times[] = {0, 0.1, 0.5, 2.0};
    for (double t : times) store.Append(7, 100 + t, {Sample("v", 1)});
    EXPECT_EQ(0u, *NearestDump(store, PlotXAxis::DumpNumber, -50));
    EXPECT_EQ(1u, *NearestDump(store, PlotXAxis::DumpNumber, 2.4));
    EXPECT_EQ(2u, *NearestDump(store, PlotXAxis::DumpNumber, 2.6));
    EXPECT_EQ(3u, *NearestDump(store, PlotXAxis::DumpNumber, 99));
    EXPECT_EQ(2u, *NearestDump(store, PlotXAxis::Seconds, 1.2));
    EXPECT_EQ(3u, *NearestDump(store, PlotXAxis::Seconds, 1.3));
    EXPECT_FALSE(NearestDump(PlotStore(), PlotXAxis::Seconds, 1).has_value());
}

TEST(CursorText, ShowsTheDumpAndEachWatchedValueInItsRadix) {
    PlotStore store;
    store.Append(4, 0,
                 {Sample("count", 200, VT_BYTE, DT_HEX), Sample("t", FloatBits(-1.5f), VT_FLOAT)});
    // The radix is the variable's latest, also for earlier dumps.
    store.Append(9, 1.5,
                 {Sample("count", 201, VT_BYTE, DT_BINARY), Sample("temp", 0xFF, VT_SBYTE)});
    EXPECT_EQ("DumpID 4   dump 1   0.000 s   count %11001000   temp -", CursorText(store, 0));
    EXPECT_EQ("DumpID 9   dump 2   1.500 s   count %11001001   temp -1", CursorText(store, 1));
}

TEST(LayOutPlot, SignedAndFloatValuesLandAtTheirHeightsAndBitsInTheirOwnBand) {
    PlotStore store;
    store.Append(1, 0,
                 {Sample("s", 0x9C, VT_SBYTE), Sample("f", FloatBits(2.5f), VT_FLOAT),
                  Sample("flag", 1, VT_BIT)});
    store.Append(2, 1,
                 {Sample("s", 100, VT_SBYTE), Sample("f", FloatBits(-2.5f), VT_FLOAT),
                  Sample("flag", 0, VT_BIT)});
    PlotViewState view;
    const PlotPicture p = LayOutPlot(store, view, 600, 400);
    ASSERT_EQ(3u, p.traces.size());
    // Shared scale -100 .. 100 with the zero tick between them.
    const auto zero = std::find_if(p.yTicks.begin(), p.yTicks.end(),
                                   [](const PlotTick& t) { return t.text == "0"; });
    ASSERT_NE(zero, p.yTicks.end());
    const PlotTraceLayout &s = p.traces[0], &f = p.traces[1], &flag = p.traces[2];
    ASSERT_EQ(2u, s.lines.size());
    EXPECT_EQ(s.band.bottom, s.lines[0].yFirst);  // -100, the bottom of the scale
    EXPECT_EQ(s.band.top, s.lines[1].yFirst);     // 100, its top
    EXPECT_LT(f.lines[0].yFirst, zero->pos);      // 2.5 above zero
    EXPECT_GT(f.lines[1].yFirst, zero->pos);      // -2.5 below
    EXPECT_NEAR(zero->pos, (f.lines[0].yFirst + f.lines[1].yFirst) / 2.0, 1);
    EXPECT_TRUE(flag.step);
    EXPECT_GE(flag.band.top, s.band.bottom);
    EXPECT_EQ(flag.band.top, flag.lines[0].yFirst);
    EXPECT_EQ(flag.band.bottom, flag.lines[1].yFirst);
    EXPECT_EQ(p.area.left, s.lines[0].x);

    view.sharedScale = false;  // each its own: f spreads over the band, -3 .. 3
    const PlotPicture own = LayOutPlot(store, view, 600, 400);
    const PlotRect& band = own.traces[1].band;
    EXPECT_NEAR(band.bottom - 5.5 / 6 * band.Height(), own.traces[1].lines[0].yFirst, 1);
    EXPECT_NEAR(band.bottom - 0.5 / 6 * band.Height(), own.traces[1].lines[1].yFirst, 1);
    EXPECT_EQ("f [-3 .. 3]", own.traces[1].legend);
    EXPECT_TRUE(own.yTicks.empty());
}

TEST(PlotView, ZoomPanFitAndPauseMoveTheVisibleRange) {
    PlotStore store;
    auto add = [&store](int n) {
        for (int i = 0; i < n; ++i) store.Append(1, store.Size(), {Sample("v", 1)});
    };
    add(100);
    PlotViewState view;
    EXPECT_EQ(100, VisibleRange(view, store).hi);
    ZoomView(view, store, 100, 0.5);  // about the newest dump: follows it
    EXPECT_EQ(PlotFollow::Latest, view.follow);
    add(10);
    PlotRange r = VisibleRange(view, store);
    EXPECT_DOUBLE_EQ(110, r.hi);
    EXPECT_DOUBLE_EQ(110 - 49.5, r.lo);
    PanView(view, store, -20);
    EXPECT_EQ(PlotFollow::Fixed, view.follow);
    add(10);
    EXPECT_DOUBLE_EQ(90, VisibleRange(view, store).hi);
    SelectView(view, store, 50, 50.2);  // never narrower than one dump
    EXPECT_DOUBLE_EQ(1, VisibleRange(view, store).Span());
    FitAll(view, store);
    SetPaused(view, store, true);
    add(30);
    EXPECT_DOUBLE_EQ(120, VisibleRange(view, store).hi);  // paused: no scrolling
    EXPECT_EQ(150u, store.Size());                        // but still recording
    SetPaused(view, store, false);
    EXPECT_DOUBLE_EQ(150, VisibleRange(view, store).hi);
}

TEST(PlotCsv, TheVisibleDumpsWithTheirNumbersAsPlainValues) {
    PlotStore store;
    store.Append(3, 10, {Sample("a", 0xFE, VT_SBYTE), Sample("b", 70000, VT_DWORD)});
    store.Append(5, 10.25, {Sample("a", 2, VT_SBYTE), Sample("f", FloatBits(0.1f), VT_FLOAT)});
    store.Append(3, 11,
                 {Sample("a", 3, VT_SBYTE), Sample("b", 1, VT_DWORD),
                  Sample("f", FloatBits(-3.0f), VT_FLOAT)});
    EXPECT_EQ(
        "DumpID,Seconds,a,b,f\r\n"
        "5,0.250,2,,0.100000001\r\n"
        "3,1.000,3,1,-3\r\n",
        PlotCsv(store, PlotXAxis::DumpNumber, {2, 3}));
    EXPECT_EQ("DumpID,Seconds,a,b,f\r\n3,0.000,-2,70000,\r\n",
              PlotCsv(store, PlotXAxis::Seconds, {0, 0.2}));
}

}  // namespace
}  // namespace varnolux
