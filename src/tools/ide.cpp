#include "tools/ide.h"

#include "tools/activate.h"
#include "tools/command_line.h"

namespace varnolux {

namespace {
const char kIdeClass[] = "TApplication";
const char kIdeTitle[] = "Proton IDE";

std::string NamePart(const std::string& path) {
    const size_t separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}
}  // namespace

IdePosition CurrentIdePosition(Session& session) {
    std::lock_guard<std::mutex> lock(session.recordsLock);
    const int32_t dumpId = session.image.DumpId;
    const std::vector<std::string>& files = session.project.sourceFiles;
    if (dumpId >= 0 && dumpId < kDumpPointEntries) {
        const DumpPoint& point = session.dumpPoints.entries[dumpId];
        if (point.line > 0 && point.file >= 0 && point.file < static_cast<int32_t>(files.size()))
            return IdePosition{files[point.file], point.line};
    }
    // No dump has arrived yet (or its entry is unknown): the main source at its top.
    if (!files.empty()) return IdePosition{files.front(), 1};
    return IdePosition{session.project.mainSourceName, 1};
}

std::string IdeProjectFileName(const std::string& sourceName) {
    const size_t nameStart = sourceName.find_last_of("\\/");
    const size_t dot = sourceName.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (nameStart == std::string::npos || dot > nameStart);
    return (hasExtension ? sourceName.substr(0, dot) : sourceName) + ".mci";
}

std::string IdeSourcePath(const HostOs& os, const std::string& projectFolder,
                          const std::string& listedName) {
    const std::string name = NamePart(listedName);
    if (name != listedName && os.FileExists(listedName)) return listedName;
    return projectFolder + name;
}

std::string IdeProjectText(const std::string& sourcePath, int32_t line) {
    const int32_t topLine = line > 10 ? line - 10 : 1;
    const std::string lines[] = {
        "[Project]",
        "Filename=" + sourcePath,
        "[Environment]",
        "CaretX=1",
        "CaretY=" + std::to_string(line),
        "Topline=" + std::to_string(topLine),
        "[Version]",
        "Enable=1",
        "Rollover=255",
        "Major=0",
        "Minor=0",
        "Release=0",
        "Build=1",
        "[Results]",
        "Visible=0",
        "Height=117",
        "View=2",
        "[Status]",
        "Message=Ready",
        "Image=0",
    };
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
}

void ShowIde(Session& session, Seams& seams) {
    ShowIde(session, seams, false);
}

void ShowIde(Session& session, Seams& seams, bool exitAfter) {
    const std::string& ide = session.settings.Proton;
    if (!ProgramPresent(seams, ide, "Proton IDE")) return;

    const IdePosition at = CurrentIdePosition(session);
    std::string commandLine = QuotedArgument(ide);
    if (!at.sourceName.empty()) {
        const std::string sourcePath =
            IdeSourcePath(seams.os, session.project.programFolder, at.sourceName);
        // The IDE reads the caret position from this file, also when it is
        // running; it is written in the working folder under the source's name.
        const std::string projectFile = IdeProjectFileName(NamePart(at.sourceName));
        // The names come from the listing: a name that is no plain file name
        // (a device, a folder, a line break that would add lines) is not
        // written and not handed to the IDE.
        if (!IsPlainFileName(projectFile) || HasUnusablePathCharacter(sourcePath)) {
            seams.prompts.Inform("Unable to write " + projectFile);
            return;
        }
        if (!seams.os.WriteFile(projectFile, IdeProjectText(sourcePath, at.line)))
            seams.prompts.Inform("Unable to write " + projectFile);
        commandLine += " " + QuotedArgument(sourcePath);
    }
    ActivateOrLaunch(seams.launcher, kIdeClass, kIdeTitle, ide, commandLine);
    if (exitAfter) seams.view.RequestClose();
}

}  // namespace varnolux
