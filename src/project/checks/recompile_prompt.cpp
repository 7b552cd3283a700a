#include "project/checks/recompile_prompt.h"

#include <mutex>

#include "tools/ide.h"

namespace varnolux {

std::string RecompileMessage(const std::string& text) {
    return text + "\r\n\r\nRecommend you recompile and reburn\r\n\r\n\r\nDo you want to recompile?";
}

RecompileAnswer RecompilePrompt(Session& session, Seams& seams, const std::string& text) {
    PromptRequest request;
    request.text = RecompileMessage(text) +
                   "\r\n\r\nYes to recompile\r\nNo to continue anyway\r\nCancel to Exit";
    request.buttons = PromptButtons::YesNoCancel;
    request.icon = PromptIcon::Exclamation;
    request.modality = PromptModality::Application;
    request.topmost = true;
    const PromptAnswer answer = seams.prompts.Show(request);
    if (answer == PromptAnswer::No) return RecompileAnswer::Continue;
    if (answer != PromptAnswer::Yes) {
        seams.view.RequestClose();
        return RecompileAnswer::Exit;
    }
    // Point the IDE at the top of the main source: scratch dump point 0. The
    // prompt may come from the link thread while the windows read these tables.
    {
        std::lock_guard<std::mutex> lock(session.recordsLock);
        session.image.DumpId = 0;
        DumpPoint& scratch = session.dumpPoints.entries[0];
        scratch.file = 0;
        scratch.line = 1;
        std::vector<std::string>& files = session.project.sourceFiles;
        if (files.empty()) files.emplace_back();
        files[0] = session.project.mainSourceName;
    }
    ShowIde(session, seams);
    seams.view.RequestClose();
    return RecompileAnswer::Recompile;
}

}  // namespace varnolux
