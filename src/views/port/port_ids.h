#pragma once
// Controls and commands of the Port and Pinout windows.

namespace varnolux::ids {

// Port window
constexpr int kPortList = 101;
constexpr int kPortStatusBar = 102;
constexpr int kPortHeader = 103;

// The system menu item that toggles TopMost, in the Port and the Pinout window.
constexpr int kSysTopMostPortPinout = 155;

}  // namespace varnolux::ids
