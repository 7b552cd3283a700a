#include "cli/console/link.h"

#include <cstdio>

#include "cli/console/port.h"
#include "cli/console/text.h"
#include "link/recording/facts.h"
#include "seams/ini_file.h"

namespace varnolux::cli {

std::unique_ptr<ConsoleLink> ConsoleLink::Make(const std::string& command, const LinkArgs& args,
                                               HostOs& os, const Session& session) {
    const bool given = !args.device.empty() || args.port > 0;
    const std::string text = !args.device.empty() ? args.device
                             : args.port > 0
                                 ? std::to_string(args.port)
                                 : IniRead(os, session.project.settingsPath, "Comms", "Port",
                                           std::to_string(session.settings.Port));
    const PortAddressRead read = ReadConsolePort(text, os);
    if (!read.ok) {
        WriteText(stderr, "varnolux-cli " + command + ": " +
                              (given ? "--port " : "Port= in [Comms] of the settings: ") +
                              read.message + "\n");
        return nullptr;
    }
    std::unique_ptr<SerialPort> device = MakeConsolePort(read.address);
    if (!device) {
        std::fprintf(stderr, "varnolux-cli %s: --port takes a port number here (3 for COM3)\n",
                     command.c_str());
        return nullptr;
    }
    return std::unique_ptr<ConsoleLink>(new ConsoleLink(command, args, os, std::move(device)));
}

ConsoleRunFacts ConsoleLink::Facts(const Session& session) const {
    const std::string file = session.project.settingsPath;
    ConsoleRunFacts f;
    f.command = command_;
    f.portName = device_->PortName(session.settings.Port);
    f.portSource = !args_.device.empty() ? "--port " + args_.device
                   : args_.port > 0      ? "--port " + std::to_string(args_.port)
                                         : "Port= in [Comms] of " + file;
    f.rateSource =
        args_.baud >= 0 ? "--baud " + std::to_string(args_.baud) : "Baud= in [Comms] of " + file;
    f.baud = session.settings.Baud;
    f.ports = device_->ListPorts();
    f.reconnect = args_.reconnect;
    return f;
}

ConsoleLink::ConsoleLink(const std::string& command, const LinkArgs& args, HostOs& os,
                         std::unique_ptr<SerialPort> device)
    : command_(command), args_(args), os_(os), device_(std::move(device)) {
    if (!args_.record.empty()) recorder_ = std::make_unique<RecordingPort>(*device_, os_);
}

void ConsoleLink::Say(const std::string& message) const {
    WriteText(stderr, "varnolux-cli " + command_ + ": " + message + "\n");
}

bool ConsoleLink::StartRecording(const Session& session, const std::string& portName,
                                 int aroundKeep) {
    if (!recorder_) return true;
    const RecordingFacts facts =
        FactsOfSession(session, os_, portName, session.settings.Baud, RecordingStart::Open);
    if (aroundKeep >= 0 ? recorder_->StartAround(args_.record, facts, aroundKeep)
                        : recorder_->Start(args_.record, facts))
        return true;
    Say("cannot write the recording " + args_.record);
    return false;
}

void ConsoleLink::Stop(LinkThread& thread) const {
    if (!thread.Stop()) Say("the link thread did not end");
}

bool ConsoleLink::EndRecording() {
    if (!recorder_ || (recorder_->Stop() && !recorder_->WriteFailed())) return true;
    Say("writing the recording " + args_.record + " failed");
    return false;
}

}  // namespace varnolux::cli
