#pragma once
// Classes, controls and commands of the Port and Pinout windows.

namespace varnolux::ids {

constexpr const char* kPortClass = "PortForm_Class";
constexpr const char* kPinoutClass = "PinoutForm_Class";

// Port window
constexpr int kPortList = 101;
constexpr int kPortStatusBar = 102;
constexpr int kPortHeader = 103;

// The system menu item that toggles TopMost, in the Port and the Pinout window.
constexpr int kSysTopMostPortPinout = 155;

}  // namespace varnolux::ids
