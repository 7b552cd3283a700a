#pragma once
// The Plot window's class, control, menu and system-menu numbers.

namespace varnolux::ids {

constexpr const char* kPlotFormClass = "PlotForm_Class";
constexpr int kPlotStatus = 2901;  // the cursor's line below the plot
constexpr int kSysPlotTopMost = 156;

constexpr int kCmdPlotSavePicture = 28071;
constexpr int kCmdPlotSaveData = 28072;
constexpr int kCmdPlotFitAll = 28073;
constexpr int kCmdPlotPause = 28074;
constexpr int kCmdPlotSharedScale = 28075;
constexpr int kCmdPlotTimeAxis = 28076;

}  // namespace varnolux::ids
