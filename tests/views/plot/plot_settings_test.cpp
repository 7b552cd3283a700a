// The Plot window's section of the settings file: read with its defaults and a
// floor on the depth, written at closing with the open state the next start uses.
#include <gtest/gtest.h>

#include "seams/ini_file.h"
#include "seams/memory/memory_host_os.h"
#include "views/plot/plot_settings.h"

namespace varnolux {
namespace {

constexpr const char* kIni = "C:\\proj\\Varnolux.ini";

TEST(PlotSettings, DefaultsAndStoredValues) {
    MemoryHostOs os;
    PlotSettings s = ReadPlotSettings(os, kIni);
    EXPECT_TRUE(s.sharedScale);
    EXPECT_FALSE(s.timeAxis);
    EXPECT_FALSE(s.topMost);
    EXPECT_EQ(100000, s.depth);
    EXPECT_EQ(0, s.stored.right);

    os.PutFile(kIni,
               "[Plot]\r\nLeft=10\r\nRight=500\r\nSharedScale=0\r\nTimeAxis=1\r\n"
               "AlwaysOnTop=1\r\nPlotDepth=3\r\n");
    s = ReadPlotSettings(os, kIni);
    EXPECT_FALSE(s.sharedScale);
    EXPECT_TRUE(s.timeAxis);
    EXPECT_TRUE(s.topMost);
    EXPECT_EQ(10, s.depth) << "a depth too small to plot is raised";
    EXPECT_EQ(500, s.stored.right);
}

TEST(PlotSettings, ClosingWritesTheSectionAndKeepsTheRestOfTheFile) {
    MemoryHostOs os;
    os.PutFile(kIni, "; mine\r\n[Comms]\r\nPort=3\r\n[Plot]\r\nPlotDepth=500\r\n");
    PlotCloseState state;
    state.placementAvailable = true;
    state.normal = Rect{1, 2, 300, 400};
    state.sharedScale = false;
    state.timeAxis = true;
    state.stillOpen = true;
    SavePlotSettings(os, kIni, state);
    const std::string text = *os.ReadFile(kIni);
    EXPECT_EQ(0u, text.find("; mine\r\n[Comms]\r\nPort=3\r\n[Plot]\r\nPlotDepth=500\r\n"));
    const PlotSettings back = ReadPlotSettings(os, kIni);
    EXPECT_EQ(300, back.stored.right);
    EXPECT_EQ(2, back.stored.top);
    EXPECT_FALSE(back.sharedScale);
    EXPECT_TRUE(back.timeAxis);
    EXPECT_EQ(500, back.depth);
    EXPECT_EQ("1", IniRead(os, kIni, "Plot", "Visible", ""));

    state.stillOpen = false;  // closed by the user
    state.placementAvailable = false;
    SavePlotSettings(os, kIni, state);
    EXPECT_EQ("0", IniRead(os, kIni, "Plot", "Visible", ""));
    EXPECT_EQ(300, ReadPlotSettings(os, kIni).stored.right) << "an unread placement is not written";
}

}  // namespace
}  // namespace varnolux
