#pragma once
// The replay bar's class and control numbers; the bar itself is control
// kReplayBar of the main window.
namespace varnolux::ids {

constexpr const char* kReplayBarClass = "ReplayBar_Class";
constexpr int kReplayBar = 3000;
constexpr int kReplayFirst = 3001;
constexpr int kReplayPrevious = 3002;
constexpr int kReplayNext = 3003;
constexpr int kReplayLast = 3004;
constexpr int kReplaySlider = 3005;
constexpr int kReplayLabel = 3006;
constexpr int kReplayPlay = 3007;
constexpr int kReplaySpeed = 3008;
constexpr int kReplayClose = 3009;
constexpr int kReplayAnswers = 3010;

}  // namespace varnolux::ids
