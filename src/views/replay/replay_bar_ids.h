#pragma once
// The replay bar's class and control numbers.

namespace varnolux::ids {

constexpr const char* kReplayBarClass = "ReplayBar_Class";
constexpr int kReplayFirst = 3001;
constexpr int kReplayPrevious = 3002;
constexpr int kReplayNext = 3003;
constexpr int kReplayLast = 3004;
constexpr int kReplaySlider = 3005;
constexpr int kReplayLabel = 3006;

}  // namespace varnolux::ids
