#pragma once
// The main window's status bar: five parts, the last reaching the window's
// edge. Part 0 tells the link's state and what a stop rule did; a text wider
// than the part (a rule's firing with its condition) widens it while it shows,
// into the room the last part's text leaves free, and the parts between move
// right with their widths kept. Sizes are pixels of a screen at 100 %.
#include <array>

namespace varnolux {

constexpr int kStatusParts = 5;
using StatusPartEdges = std::array<int, kStatusParts>;

// The right edges as the window is created; -1: the last part reaches the edge.
constexpr StatusPartEdges kStatusPartEdges = {135, 277, 384, 486, -1};

constexpr int kStatusTextRoom = 12;  // a part's borders and margins around its text
constexpr int kStatusGripRoom = 24;  // what the last part keeps at least: the size grip

// The right edges for part 0's and the last part's texts, `firstText` and
// `lastText` wide, in a bar `barWidth` wide, part 0 now ending at `firstNow`.
// Part 0 never gets narrower than it was created; an empty text (0 wide, as a
// blinking text is half the time) keeps its width.
StatusPartEdges StatusPartEdgesFor(int firstText, int lastText, int barWidth, int firstNow);

}  // namespace varnolux
