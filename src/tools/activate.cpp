#include "tools/activate.h"

namespace varnolux {

bool ProgramPresent(Seams& seams, const std::string& path, const std::string& name) {
    if (seams.os.FileExists(path)) return true;
    seams.prompts.Inform(name + " not found - check ini file and restart");
    return false;
}

void ActivateOrLaunch(Launcher& launcher, const std::string& windowClass, const std::string& title,
                      const std::string& program, const std::string& commandLine) {
    if (launcher.RestoreWindow(windowClass, title)) return;
    launcher.StartProgram(program, commandLine);
}

void ShowBareMessage(Prompts& prompts, const std::string& text) {
    PromptRequest r;
    r.text = text;
    r.caption.clear();
    r.icon = PromptIcon::None;
    r.modality = PromptModality::Task;
    r.topmost = false;
    r.foreground = true;
    prompts.Show(r);
}

}  // namespace varnolux
