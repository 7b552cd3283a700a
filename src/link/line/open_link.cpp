#include "link/line/link_callouts.h"
#include "link/line/link_text.h"
#include "link/line/port_recovery.h"
#include "link/line/protocol.h"
#include "link/line/serial_link.h"
#include "seams/main_ids.h"

namespace varnolux {

namespace {

const char* const kCrLf = "\r\n";

enum class Probe { Found, Nothing, Lost, Closed };

// Up to 10 tries of 100 ms for a "c" or "d" at the rate in force.
Probe ProbeTarget(Session& session, Seams& seams, SerialPort& port, const LinkClock& clock) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        clock.sleepMs(100);
        uint8_t byte = 0;
        int count = 0;
        if (!ReadByte(port, byte, count)) {
            // A port that names its failure (a connection the server closed) is gone.
            if (!port.FailureText().empty()) return Probe::Lost;
            if (!LinkRecompilePrompt(session, seams, "Read single character failed"))
                return Probe::Closed;
            continue;
        }
        if (count == 1 && (byte == kSync || byte == kQuery)) return Probe::Found;
    }
    return Probe::Nothing;
}

bool LineSettingsReadable(Seams& seams, SerialPort& port, const std::string& name) {
    if (port.ReadLineSettings()) return true;
    PromptRequest box;
    box.buttons = PromptButtons::RetryCancel;
    box.icon = PromptIcon::Exclamation;
    box.defaultButton = 2;  // Cancel
    box.topic = PromptTopic::LineSettings;
    // A device that opened but has no line settings is no serial line at all.
    const std::string why =
        port.IsSerialDevice() ? "check that " + name + " exists" : name + " is not a serial device";
    box.text = std::string(kCrLf) + kCrLf + "GetCommState FAILED - " + why + kCrLf + kCrLf + kCrLf +
               "Retry (surprisingly) to retry" + kCrLf + "Cancel to Exit";
    if (seams.prompts.Show(box) == PromptAnswer::Retry) return true;
    seams.view.RequestClose();
    return false;
}

// Says once that the port cannot be opened or went while it was opened, by
// the port's own words when it has them (a network port: the address and
// why), else with the ports that exist; with `waitsForPort`, that the link
// waits for it.
LinkOpen PortGone(Seams& seams, SerialPort& port, const std::string& name, bool waitsForPort) {
    PromptRequest box;
    const std::string failure = port.FailureText();
    box.text = failure.empty() ? PortMissingText(name, port.ListPorts()) : failure;
    if (waitsForPort) box.text += PortAwaitedText(name);
    box.icon = PromptIcon::Exclamation;
    box.topic = PromptTopic::PortMissing;
    seams.prompts.Show(box);
    if (waitsForPort) seams.view.SetStatusText(0, " " + PortAbsentText(name));
    return LinkOpen::PortMissing;
}

}  // namespace

std::string RateText(const SerialPort& port, int rate) {
    if (port.SetsRate()) return SignPadded(rate);
    if (port.RateRefused())
        return " Baud=" + std::to_string(rate) + " not applied: the server does not take the rate";
    return " server's rate" + (IsSupportedRate(rate)
                                   ? ", Baud=" + std::to_string(rate) + " not applied"
                                   : std::string());
}

bool IsSupportedRate(int rate) {
    for (int r : kDetectionOrder)
        if (r == rate) return true;
    return false;
}

bool ConnectionAdvicePrompt(Seams& seams, const std::string& message, PromptTopic topic) {
    PromptRequest box;
    box.buttons = PromptButtons::RetryCancel;
    box.icon = PromptIcon::Exclamation;
    box.topic = topic;
    box.text = message + kCrLf + kCrLf + "Recommend you reseat any connectors, check connections" +
               kCrLf + "and check comms config in Varnolux.ini and in your source." + kCrLf +
               kCrLf + "Retry to continue anyway" + kCrLf + "Cancel to Exit";
    if (seams.prompts.Show(box) == PromptAnswer::Retry) return true;
    seams.view.RequestClose();
    return false;
}

LinkOpen OpenLink(Session& session, Seams& seams, SerialPort& port, const LinkClock& clock,
                  bool waitsForPort) {
    const int portNumber = session.settings.Port;
    const std::string name = port.PortName(portNumber);
    const std::string label = " " + name;
    int rate = session.settings.Baud;
    // A port whose rate is its server's is neither set nor detected.
    bool autoDetect = port.SetsRate() && !IsSupportedRate(rate);
    auto showRate = [&] {
        seams.view.SetStatusText(2, label + " " + RateText(port, rate));
        seams.view.SetStatusText(0, " Waiting for comms");
    };
    if (autoDetect) {
        rate = 0;
        seams.view.SetStatusText(0, " Auto detecting   ");
    } else {
        showRate();
    }
    // Every port number is opened as given (ports 10 and above included).
    if (!port.Open(portNumber)) return PortGone(seams, port, name, waitsForPort);
    if (!LineSettingsReadable(seams, port, name)) return LinkOpen::Closed;
    // The server turned the rate down once connected: its own rate holds, said once.
    if (port.RateRefused()) {
        autoDetect = false;
        rate = session.settings.Baud;
        showRate();
    }

    size_t attempt = 0;
    for (;;) {
        if (autoDetect) {
            if (attempt == kDetectionOrder.size()) {
                if (!ConnectionAdvicePrompt(seams, "Auto baud rate detect failed",
                                            PromptTopic::DetectionFailed))
                    return LinkOpen::Closed;
                attempt = 0;
            }
            rate = kDetectionOrder[attempt++];
            seams.view.SetStatusText(2, label + SignPadded(rate));
        }
        port.Configure(rate, SerialTimeouts());
        port.PurgeReceive();
        port.ClearErrors();
        const Probe probe = ProbeTarget(session, seams, port, clock);
        if (probe == Probe::Closed) return LinkOpen::Closed;
        if (probe == Probe::Lost) return PortGone(seams, port, name, waitsForPort);
        if (probe == Probe::Found) {
            seams.view.SetControlText(ids::kTransitionLabel, " 0");
            if (autoDetect) seams.view.SetStatusText(2, label + " " + SignPadded(rate) + " A");
            return LinkOpen::Opened;
        }
        // The system's words, then on lines of their own what was tried and
        // that a missing board looks the same.
        if (!autoDetect)
            return ConnectionAdvicePrompt(
                       seams,
                       std::string("Either no data or client/host baud rates different") + kCrLf +
                           kCrLf + "Tried: " + name + " at " + std::to_string(rate) + " baud" +
                           kCrLf + "No board answering on " + name + " gives the same message." +
                           kCrLf,
                       PromptTopic::NoAnswer)
                       ? LinkOpen::Opened
                       : LinkOpen::Closed;
    }
}

}  // namespace varnolux
