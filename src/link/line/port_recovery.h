#pragma once
// A port that went away (a pulled adapter, a power-cycled target, a closed
// connection) or was not there at start: the link thread waits for it, trying
// to open it once a second, and starts the link again as at start-up when it
// is back. Only SerialPort calls are used, so every kind of port recovers alike.
#include <string>
#include <vector>

#include "link/line/link_context.h"

namespace varnolux {

// Pause between two tries to open a port that is gone.
constexpr int kPortRetryMs = 1000;

// The status bar's word while the port is gone ("COM3 lost, waiting"), short
// enough for its part of the status bar.
std::string PortLostText(const std::string& portName);
// The same for a port that has not been there since the start ("COM7 not there yet").
std::string PortAbsentText(const std::string& portName);

// Said once when the port named in the settings cannot be opened at start-up.
std::string PortMissingText(const std::string& portName, const std::vector<std::string>& ports);
// Added to it when the link waits for the port.
std::string PortAwaitedText(const std::string& portName);

// The last turn showed the line is gone: a serial call failed, or the
// character event keeps waking without a character (a closed line under Wine).
bool LineLost(const LinkContext& link);

// Says once on the status bar that the port is lost and tries it once a
// second until it opens and a target answers at one of the detection rates
// (or the rate in force); false when the stop ended the wait. No message box
// is shown. When it is back the link counts as newly started: the failures
// shown before may be shown again, and a target held before counts as running.
bool WaitForPort(LinkContext& link);

}  // namespace varnolux
