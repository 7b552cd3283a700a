#include "link/line/serial_link.h"
#include "seams/ini_file.h"
#include "seams/settings_file.h"

namespace varnolux {

namespace {
const char* const kCrLf = "\r\n";
}

bool ConfirmComPort(Session& session, Seams& seams, const SerialPort& port) {
    const std::vector<std::string> ports = port.ListPorts();
    const std::string& ini = session.project.settingsPath;
    const int32_t portNumber = session.settings.Port;
    // The settings file's text, as typed ("03" does not match COM3), unless the
    // port in force came from elsewhere (a command line).
    std::string portText = IniRead(seams.os, ini, "Comms", "Port", std::to_string(portNumber));
    if (IniNumber(portText) != portNumber) portText = std::to_string(portNumber);
    const int32_t dontAsk =
        IniReadNumber(seams.os, ini, "Comms", "DontAsk", session.settings.DontAsk);
    if (dontAsk == 1) return true;

    // A backend whose ports are COM devices matches by number; another (a
    // Linux device path) matches its listed name as a whole.
    const std::string name = port.PortName(portNumber);
    const bool comPort = name == "COM" + std::to_string(portNumber);
    std::string list = "\r\r";
    for (const std::string& data : ports) {
        const size_t com = data.find("COM");
        if (comPort ? com != std::string::npos && data.substr(com + 3) == portText : data == name)
            return true;
        list += "\t" + data + "\r";
    }
    PromptRequest box;
    box.buttons = PromptButtons::AbortRetryIgnore;
    box.icon = PromptIcon::Exclamation;
    box.topic = PromptTopic::PortUnlisted;
    box.text = "Are you sure you want to use " + (comPort ? "COM" + portText : name) + "?" + kCrLf +
               kCrLf + "Press Abort to exit" + kCrLf + "Press Retry try anyway" + kCrLf +
               "Press Ignore to try anyway and don't ask again" + kCrLf + kCrLf +
               "The following ports appear to exist" + list;
    switch (seams.prompts.Show(box)) {
        case PromptAnswer::Abort:
            seams.view.RequestClose();
            return false;
        case PromptAnswer::Ignore:
            session.settings.DontAsk = 1;
            ReportSettingsWrite(IniWrite(seams.os, ini, "Comms", "DontAsk", "1"),
                                session.run.SettingsWriteReported, seams.prompts, ini);
            break;
        default:
            break;
    }
    return true;
}

}  // namespace varnolux
