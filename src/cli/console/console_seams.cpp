#include "cli/console/console_seams.h"

#include <cstdio>
#include <filesystem>

#include "app/settings_io.h"
#include "cli/console/text.h"
#include "seams/memory/memory_prompts.h"
#include "text/text_encoding.h"

namespace varnolux::cli {

std::string WorkingFolderHostOs::ProgramFolder() const {
    std::error_code error;
    std::string folder = std::filesystem::current_path(error).string();
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    if (folder.empty() || folder.back() != separator) folder += separator;
    return folder;
}

PromptAnswer ConsolePrompts::Show(const PromptRequest& request) {
    shown.push_back(request.text);
    // Line breaks are CR LF or a lone CR in the program's texts.
    std::string text;
    for (size_t i = 0; i < request.text.size(); ++i) {
        const char c = request.text[i];
        if (c != '\r') {
            text += c;
        } else if (i + 1 == request.text.size() || request.text[i + 1] != '\n') {
            text += '\n';
        }
    }
    Say("[" + request.caption + "] " + VisibleText(text));
    return ContinuingAnswer(request.buttons);
}

void ConsolePrompts::Say(const std::string& line) {
    said.push_back(line);
    WriteText(stderr, line + "\n");
}

void LoadConsoleSettings(Session& session, const HostOs& os, const std::string& ini, int baud,
                         int port) {
    session.project.settingsPath = ini.empty() ? os.ProgramFolder() + "Varnolux.ini" : ini;
    LoadSettings(session.settings, os, session.project.settingsPath);
    if (baud >= 0) session.settings.Baud = baud;
    if (port > 0) session.settings.Port = port;
}

}  // namespace varnolux::cli
