#include "link/line/port_recovery.h"

#include "link/line/link_text.h"
#include "link/line/protocol.h"
#include "link/line/serial_link.h"
#include "seams/main_ids.h"

namespace varnolux {

namespace {

constexpr int kEmptyWakesOfALostLine = 20;
constexpr int kProbeReads = 10;
constexpr int kProbePauseMs = 100;
constexpr int kStopCheckMs = 100;

bool Stopping(const LinkContext& link) {
    return link.session.run.LinkStopRequest.load() != 0;
}

// A pause of `ms` that ends early when the stop is requested.
void PauseUnlessStopped(LinkContext& link, int ms) {
    for (int waited = 0; waited < ms && !Stopping(link); waited += kStopCheckMs)
        link.clock.sleepMs(kStopCheckMs);
}

enum class Heard { Target, Nothing, Lost };

// Up to 10 reads of 100 ms for a "c" or "d" at the rate just set.
Heard Listen(LinkContext& link) {
    for (int attempt = 0; attempt < kProbeReads && !Stopping(link); ++attempt) {
        link.clock.sleepMs(kProbePauseMs);
        uint8_t byte = 0;
        int count = 0;
        if (!ReadByte(link.port, byte, count)) return Heard::Lost;
        if (count == 1 && (byte == kSync || byte == kQuery)) return Heard::Target;
    }
    return Heard::Nothing;
}

// One round over the rates: the one in force, or every detection rate (not
// on a port whose server keeps its own rate).
Heard FindTarget(LinkContext& link, const std::string& label) {
    const int baud = link.session.settings.Baud;
    const bool detect = link.port.SetsRate() && !IsSupportedRate(baud);
    for (size_t i = 0; i < (detect ? kDetectionOrder.size() : 1); ++i) {
        const int rate = detect ? kDetectionOrder[i] : baud;
        link.seams.view.SetStatusText(2, label + " " + RateText(link.port, rate));
        link.port.Configure(rate, SerialTimeouts());
        link.port.PurgeReceive();
        link.port.ClearErrors();
        const Heard heard = Listen(link);
        if (heard == Heard::Target && detect)
            link.seams.view.SetStatusText(2, label + " " + SignPadded(rate) + " A");
        if (heard != Heard::Nothing) return heard;
    }
    return Heard::Nothing;
}

void StartAfresh(LinkContext& link) {
    RunState& run = link.session.run;
    run.TargetWaiting = 0;
    run.CommsEstablished = 0;
    run.LinkLost = 0;
    link.portSeen = true;
    link.reportedFailures.clear();
    link.turnFailed = false;
    link.emptyWakes = 0;
    link.seams.view.SetControlText(ids::kTransitionLabel, " 0");
}

}  // namespace

std::string PortLostText(const std::string& portName) {
    return portName + " lost, waiting";
}

std::string PortAbsentText(const std::string& portName) {
    return portName + " not there yet";
}

std::string PortMissingText(const std::string& portName, const std::vector<std::string>& ports) {
    std::string text = portName + " cannot be opened." + "\r\n\r\n";
    if (ports.empty()) {
        text += "No serial ports appear to exist.";
    } else {
        text += "The following ports appear to exist:";
        for (const std::string& port : ports) text += "\r\n\t" + port;
    }
    return text + "\r\n\r\nThe port is set by [Comms] Port= in Varnolux.ini.";
}

std::string PortAwaitedText(const std::string& portName) {
    return "\r\n\r\nVarnolux waits for " + portName + " and starts the link when it appears.";
}

bool LineLost(const LinkContext& link) {
    return link.turnFailed || link.emptyWakes >= kEmptyWakesOfALostLine;
}

bool WaitForPort(LinkContext& link) {
    const int number = link.session.settings.Port;
    const std::string name = link.port.PortName(number);
    link.session.run.LinkLost = link.portSeen ? 1 : 2;
    link.seams.view.SetStatusText(
        0, " " + (link.portSeen ? PortLostText(name) : PortAbsentText(name)));
    while (!Stopping(link)) {
        if (link.port.Open(number) && link.port.ReadLineSettings()) {
            const Heard heard = FindTarget(link, " " + name);
            if (heard == Heard::Target) {
                StartAfresh(link);
                link.seams.view.SetStatusText(0, " Waiting for comms");
                return true;
            }
        }
        PauseUnlessStopped(link, kPortRetryMs);
    }
    return false;
}

}  // namespace varnolux
