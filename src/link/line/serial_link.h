#pragma once
// The serial port at start-up: the check that the configured port exists, and
// opening it with the probe that finds the target's rate.
#include <array>
#include <cstdint>
#include <string>

#include "link/line/link_clock.h"
#include "seams/seams.h"
#include "seams/serial_port.h"
#include "state/session.h"

namespace varnolux {

// Automatic detection tries the rates in this order.
constexpr std::array<int, 5> kDetectionOrder = {115200, 9600, 57600, 19200, 38400};
bool IsSupportedRate(int rate);

// The rate part of status part 2 for a port at `rate`: the rate; for a port
// whose server keeps its own rate, that, and that Baud= is not applied.
std::string RateText(const SerialPort& port, int rate);

// Compares the configured port with the ports the system lists and asks when
// it is not among them (Abort closes the main window, Ignore stores DontAsk=1).
// False when the main window was closed.
bool ConfirmComPort(Session& session, Seams& seams, const SerialPort& port);

enum class LinkOpen {
    Opened,       // the port is open, target found or not
    PortMissing,  // the port cannot be opened, or went while it was: said once, the link
                  // thread waits for it
    Closed        // a prompt closed the main window: nothing is started
};

// Opens and configures the port and probes for the target, trying every rate
// when Baud is not a supported rate. A port that cannot be opened is no
// fault of the target: one message names it, the ports that exist and the
// setting that chooses it, and with `waitsForPort` that the link waits for it.
// A network port whose connection the server closes while the rate is sought
// is told the same way, in its own words.
LinkOpen OpenLink(Session& session, Seams& seams, SerialPort& port, const LinkClock& clock,
                  bool waitsForPort = true);

// The connection-advice prompt; true for Retry, false after closing the main window.
bool ConnectionAdvicePrompt(Seams& seams, const std::string& message, PromptTopic topic);

// The byte-level primitives on the one port. Each returns the platform's
// success flag; the caller takes port.LastError() for its message.
// One byte within the read time-outs; `count` is 0 or 1.
bool ReadByte(SerialPort& port, uint8_t& byte, int& count);
// Up to 31 bytes (the rest of a target packet); `count` tells how many came.
bool ReadBlock31(SerialPort& port, uint8_t* block, int& count);
bool WriteByte(SerialPort& port, uint8_t byte);

}  // namespace varnolux
