#include "project/load/sequence.h"

#include "text/text_util.h"

#include <algorithm>
#include <vector>

#include "project/device/file_problem.h"
#include "project/device/reader.h"
#include "project/listing/reader.h"
#include "project/load/main_title.h"
#include "project/load/no_project_text.h"
#include "project/load/watched_items.h"
#include "project/sources/lines.h"
#include "project/sources/scanner.h"
#include "seams/main_ids.h"

namespace varnolux {

namespace {

constexpr size_t kMaxProjectNames = 1000;

bool IsStandardRate(int32_t rate) {
    return rate == 9600 || rate == 19200 || rate == 38400 || rate == 57600 || rate == 115200;
}

void EndProgram(Seams& seams, const std::string& text) {
    seams.prompts.Inform(text);
    seams.view.RequestClose();
}

// The .bas names of the program folder, in the order the host lists them.
std::vector<std::string> MainSourceNames(Seams& seams, const std::string& folder) {
    std::vector<std::string> names;
    for (const DirEntry& entry : seams.os.ListDirectory(folder)) {
        const std::string lower = LowerCase(entry.name);
        if (entry.isDirectory || lower.size() < 4 || lower.compare(lower.size() - 4, 4, ".bas")) {
            continue;
        }
        if (names.size() == kMaxProjectNames) {
            seams.prompts.Inform("LoadAtStartup more than " + std::to_string(kMaxProjectNames) +
                                 " .bas files in " + folder + "; only the first " +
                                 std::to_string(kMaxProjectNames) + " are offered");
            break;
        }
        names.push_back(entry.name);
    }
    return names;
}

std::string BaseOf(const std::string& name) {
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

void SetProjectFiles(Session& session, Seams& seams, const std::string& base) {
    ProjectFacts& p = session.project;
    p.baseName = base;
    p.mainSourceName = base + ".bas";
    p.listingName = base + ".lst";
    p.objectName = base + ".hex";
    p.sourceTime = seams.os.LastWriteTime(p.mainSourceName).value_or(0);
    p.listingTime = seams.os.LastWriteTime(p.listingName).value_or(0);
    p.objectTime = seams.os.LastWriteTime(p.objectName).value_or(0);
}

// Says what is wrong with a file the load reads or compares, and what follows.
void ReportFile(Seams& seams, const std::string& routine, const std::string& kind,
                const std::string& name, const std::string& consequence) {
    const FileProblem problem = ProblemOfFile(seams.os, name);
    if (problem != FileProblem::None)
        seams.prompts.Inform(routine + " " + FileProblemText(kind, name, problem) + " - " +
                             consequence);
}

// The object file is not read, only its time is compared: say so when it is
// not there to give one. The listing and the sources speak for themselves.
void ReportObjectFile(const Session& session, Seams& seams) {
    ReportFile(seams, "LoadProject", "object file", session.project.objectName,
               "the build times cannot be checked against it");
}

// A settings file that is not there or cannot be read leaves every setting at
// its built-in value: the port, the rate, the PPI folder, the watch list.
void ReportSettingsFile(const Session& session, Seams& seams) {
    ReportFile(seams, "LoadAtStartup", "settings file", session.project.settingsPath,
               "the built-in settings are used");
}

void SelectChooserEntry(Seams& seams, const std::string& entry) {
    std::vector<std::string> entries = seams.view.ComboEntries(ids::kProjectChooser);
    size_t index = 0;
    while (index < entries.size() && entries[index] != entry) ++index;
    if (index == entries.size()) seams.view.AddComboEntry(ids::kProjectChooser, entry);
    seams.view.SetComboSelection(ids::kProjectChooser, static_cast<int>(index));
    seams.view.EnableControl(ids::kProjectChooser, false);
}

// The records take the settings' radixes before the list is first filled: the
// link's probe that follows can keep the window up for seconds (and its prompts
// for longer), and the rows must already show addresses and values as asked.
void TakeDefaultRadixes(Session& session) {
    const int32_t address = session.settings.DefaultAddressRadix;
    const int32_t data = session.settings.DefaultDataRadix;
    std::lock_guard<std::mutex> lock(session.recordsLock);
    for (MyVarRecord& r : session.records) {
        if (address != DT_NOCHANGE) r.AddDisplayType = address;
        if (data != DT_NOCHANGE) r.VarDisplayType = data;
    }
}

// Everything after the choice: the scan, the main list, the title, the link.
LoadEnd LoadProject(Session& session, Seams& seams, LoadSteps& steps, const std::string& title,
                    bool showWindow) {
    session.run.ProjectChosen = 1;
    if (showWindow) steps.ShowMainWindow();
    ReportObjectFile(session, seams);
    if (RunProjectScan(session, seams) == LoadEnd::ProgramClosed) {
        return LoadEnd::ProgramClosed;
    }
    steps.EnableCommands();
    TakeDefaultRadixes(session);
    steps.FillMainList();
    seams.view.SetTitle(LoadedTitle(session.settings, session.project.programFolder, title));
    session.run.ProjectLoaded = 1;
    steps.OpenLink();
    steps.StartLinkThread();
    return LoadEnd::Loaded;
}

void ApplyRadixes(const Session& session, LoadSteps& steps) {
    steps.SetAllRadix(session.settings.DefaultAddressRadix, session.settings.DefaultDataRadix);
}

void ShowListAndWindows(const Session& session, Seams& seams, LoadSteps& steps) {
    steps.ApplyColumnWidths();
    if (session.settings.WatchVisible == 1) seams.views.Show(ViewKind::Watch);
    if (session.settings.PlotVisible == 1) seams.views.Show(ViewKind::Plot);
    ApplyRadixes(session, steps);
}

}  // namespace

std::string TraceFileName(const std::string& listingName) {
    const size_t dot = listingName.rfind('.');
    return (dot == std::string::npos ? listingName : listingName.substr(0, dot)) + ".txt";
}

LoadEnd LoadAtStartup(Session& session, Seams& seams, LoadSteps& steps) {
    for (int part : {0, 2, 3}) seams.view.SetStatusText(part, "");
    ProjectFacts& project = session.project;
    if (project.programFolder.empty()) project.programFolder = seams.os.ProgramFolder();
    if (project.settingsPath.empty()) project.settingsPath = project.programFolder + "Varnolux.ini";
    ReportSettingsFile(session, seams);
    if (!steps.ConfirmComPort()) return LoadEnd::ProgramClosed;
    Settings& settings = session.settings;
    if (!IsStandardRate(settings.Baud)) settings.Baud = 0;
    seams.view.SetStatusText(
        2,
        " " + steps.PortName(settings.Port) +
            (settings.Baud == 0 ? std::string(" Auto") : " " + LeadingBlankDecimal(settings.Baud)));

    const std::vector<std::string> names = MainSourceNames(seams, project.programFolder);
    if (names.empty()) {
        EndProgram(seams, NoProjectText(seams.os, project.programFolder, 1));
        return LoadEnd::ProgramClosed;
    }
    const std::string wanted = LowerCase(project.commandLineProject);
    int count = 0;
    std::string chosen;
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string base = BaseOf(names[i]);
        const bool named = !wanted.empty() && LowerCase(base) == wanted;
        if (i > 0 && named) {
            chosen = base;
            count = 1;
            break;
        }
        if (seams.os.FileExists(base + ".lst") && seams.os.FileExists(base + ".hex")) {
            seams.view.AddComboEntry(ids::kProjectChooser, " " + base);
            chosen = base;
            ++count;
        }
        if (i == 0 && named) {
            chosen = base;
            count = 1;
            break;
        }
    }
    if (count == 0) {
        EndProgram(seams, NoProjectText(seams.os, project.programFolder, 2));
        return LoadEnd::ProgramClosed;
    }
    LoadEnd end = LoadEnd::WaitingForChoice;
    if (count == 1) {
        SetProjectFiles(session, seams, chosen);
        SelectChooserEntry(seams, " " + chosen);
        end = LoadProject(session, seams, steps, chosen, true);
        if (end == LoadEnd::ProgramClosed) return end;
    } else {
        seams.view.SetStatusText(0, " Waiting for file selection");
        steps.FocusProjectChooser();
    }
    ShowListAndWindows(session, seams, steps);
    return end;
}

LoadEnd LoadChosenProject(Session& session, Seams& seams, LoadSteps& steps,
                          const std::string& entryText) {
    if (session.run.ProjectChosen != 0) return LoadEnd::Loaded;
    const std::string base =
        entryText.substr(std::min(entryText.find_first_not_of(' '), entryText.size()));
    SetProjectFiles(session, seams, base);
    SelectChooserEntry(seams, entryText);
    LoadEnd end;
    if (seams.os.FileExists(session.project.listingName)) {
        const size_t last = base.find_last_not_of(' ');
        end = LoadProject(session, seams, steps,
                          base.substr(0, last == std::string::npos ? 0 : last + 1), false);
    } else {
        EndProgram(seams, "LoadChosenProject " + session.project.listingName +
                              " not found in current directory");
        end = LoadEnd::ProgramClosed;
    }
    ApplyRadixes(session, steps);
    return end;
}

LoadEnd RunProjectScan(Session& session, Seams& seams) {
    ProjectFacts& project = session.project;
    project.heapTotal = 0;
    project.heapSizeSeen = 0;
    project.heapSize = 0;

    seams.view.SetStatusText(1, " Scanning list file");
    if (!ReadListing(session, seams)) return LoadEnd::Loaded;

    {
        std::lock_guard<std::mutex> lock(session.recordsLock);
        RestoreWatchedItems(session.records, seams.os, project.settingsPath);
    }

    // " Scanning sorce files" and " Untill" are the program's fixed texts, blanks
    // and spelling included: users' scripts read them, so they stay as they are.
    seams.view.SetStatusText(1, " Scanning sorce files");
    for (const auto& [id, first] :
         {std::pair{ids::kUntilChooser, " Untill"}, std::pair{ids::kRepeatChooser, " Repeat"}}) {
        seams.view.AddComboEntry(id, first);
        seams.view.SetComboSelection(id, 0);
    }
    if (ScanSources(session, seams) == SourceScanEnd::ProgramClosed) return LoadEnd::ProgramClosed;

    ReadDevice(session, seams);

    if (session.dumpPoints.order.empty()) {
        EndProgram(seams, "No dump points found - Exiting");
        return LoadEnd::ProgramClosed;
    }

    seams.view.SetStatusText(1, " Done scanning files");
    seams.view.SetStatusText(3, " " + session.device.SourceDeviceName);
    if (session.settings.UDTdisplay == 1) {
        seams.views.Show(ViewKind::RecordDiagnostics);
        seams.os.WriteFile(TraceFileName(project.listingName), std::string());
    }
    // Without a ROM reference (a listing cut short) there is nothing to compare.
    session.run.RomCheckPending =
        session.device.Core != 14 && session.project.romReference.wordCount != 0 ? 1 : 0;
    return LoadEnd::Loaded;
}

}  // namespace varnolux
