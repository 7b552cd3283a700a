#pragma once
// The replay bar's decisions: which dump a button or the slider goes to, the
// label that says where the replay stands, the status bar's texts of a
// replay, and Play's pace at the chosen speed.
#include <cstdint>
#include <string>
#include <vector>

namespace varnolux {

enum class ReplayButton { First, Previous, Next, Last };

// The dump `button` shows when dump `current` of `count` is shown (0: none
// yet); 0 when the button goes nowhere from there.
int DumpOfButton(ReplayButton button, int current, int count);

// The slider runs from 1 to `count`; a position outside goes to the nearest end.
int DumpOfSliderPosition(int position, int count);

// "Dump n of N"; before the first step "Dump 0 of N".
std::string ReplayLabel(int current, int count);

// The status bar in a replay: part 0 says where it stands (" Replay 12/300"),
// the last part, a recording's, which file it plays (" session.pcapng" of a path).
std::string ReplayPositionStatus(int current, int count);
std::string ReplayFileStatus(const std::string& path);
// Part 0 once the replay is closed; the views keep the last dump shown.
constexpr const char* kReplayClosedStatus = " Replay closed";

// Play's speeds: the recorded times between dumps divided by 1, 2, 5 or 10,
// or no wait at all.
enum class ReplaySpeed { Times1, Times2, Times5, Times10, Fastest };
// The speed chooser's entries, in the order of ReplaySpeed: "1x" .. "Fastest".
const std::vector<std::string>& ReplaySpeedNames();
// The wait before Play shows the dump recorded at `toUs` after the one at `fromUs`.
int PlayDelayMs(int64_t fromUs, int64_t toUs, ReplaySpeed speed);

}  // namespace varnolux
