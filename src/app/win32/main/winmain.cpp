// Process entry of Varnolux.exe.
#include <windows.h>

#include <commctrl.h>

#include <cwchar>
#include <memory>

#include "app/command_line.h"
#include "app/settings_io.h"
#include "app/win32/main_load.h"
#include "app/win32/main_replay.h"
#include "app/win32/main_rules.h"
#include "app/win32/main_window.h"
#include "app/win32/message_loop.h"
#include "app/win32/replay_start.h"
#include "app/win32/session_recording.h"
#include "app/win32/window_classes.h"
#include "layout/win32/form_layout.h"
#include "link/recording/facts.h"
#include "seams/main_ids.h"
#include "seams/seams.h"
#include "seams/win32/wide_text.h"
#include "seams/win32/win32_host_os.h"
#include "seams/win32/win32_main_window_view.h"
#include "seams/win32/win32_prompts.h"
#include "state/session.h"
#include "tools/win32/win32_launcher.h"
#include "views/about/win32/about_window.h"
#include "views/diagnostics/win32/diagnostics_window.h"
#include "views/eeprom/win32/eeprom_window.h"
#include "views/pinout/win32/pinout_window.h"
#include "views/plot/win32/plot_window.h"
#include "views/port/win32/port_window.h"
#include "views/rules/win32/rules_window.h"
#include "views/sfr/win32/sfr_window.h"
#include "views/source/win32/source_window.h"
#include "views/watch/win32/watch_window.h"
#include "views/win32/win32_views.h"

using namespace varnolux;

namespace {

// The command line after the program's own name, in UTF-8: a project named
// outside the code page arrives whole.
std::string ArgumentsText() {
    const wchar_t* line = GetCommandLineW();
    bool quoted = false;
    while (*line && (quoted || (*line != L' ' && *line != L'\t'))) {
        if (*line == L'"') quoted = !quoted;
        ++line;
    }
    return TextFromWide(line, std::wcslen(line));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, "Varnolux_Mutex");
    if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return -1;
    }

    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    RegisterLayoutMessages();
    if (!RegisterWindowClasses(instance)) {
        CloseHandle(mutex);
        return 0;
    }

    ShellBrushes brushes{CreateSolidBrush(RGB(0, 0, 255)), CreateSolidBrush(RGB(255, 255, 0)),
                         CreateSolidBrush(GetSysColor(COLOR_BTNFACE))};

    auto session = std::make_unique<Session>();
    const StartArguments start = ParseStartArguments(ArgumentsText());
    // A recording named on the command line is found from the folder we were started in.
    const std::string replayPath = start.replay.empty() ? "" : FullPathOf(start.replay);
    session->project.commandLineProject = start.project;
    Win32HostOs os;
    Win32Prompts prompts;
    RecordingContents replayed;
    // The project's folder: the program's, or for a replay the one that holds
    // the recorded project.
    std::string folder = os.ProgramFolder();
    if (!replayPath.empty()) {
        if (!ReadRecordingToReplay(replayPath, os.ProgramFolder(), os, prompts, replayed, folder)) {
            CloseHandle(mutex);
            return 0;
        }
        session->project.commandLineProject = replayed.facts.baseName;
        session->project.programFolder = folder;
    }
    // The project's files are named relative to the current folder: work in the
    // project's folder, however we were started.
    SetCurrentDirectoryW(WideFromText(folder).c_str());
    os.AnchorRelativePaths();
    Win32MainWindowView view;
    Win32Launcher launcher;
    Win32Views views(*session);
    views.Add(ViewKind::Source, std::make_unique<SourceWindow>(*session, os, prompts, views));
    views.Add(ViewKind::Eeprom, std::make_unique<EepromWindow>(*session, os, prompts, views));
    views.Add(ViewKind::Sfr, std::make_unique<SfrWindow>(*session, os, prompts, views));
    // Every dump's watched values, kept for the Plot window whether it is open or not.
    PlotFeed plotFeed;
    auto plot = std::make_unique<PlotWindow>(*session, os, prompts, plotFeed);
    PlotWindow& plotWindow = *plot;
    views.SetRecorder(plot.get());
    views.Add(ViewKind::Plot, std::move(plot));
    Seams seams{os, prompts, view, launcher, views};
    views.Add(ViewKind::Port, std::make_unique<PortWindow>(*session, seams, instance));
    views.Add(ViewKind::Pinout, std::make_unique<PinoutWindow>(*session, seams, instance));

    MainWindow main(*session, seams, view, brushes);
    HWND window = main.Create(instance);
    if (!window) {
        CloseHandle(mutex);
        return 0;
    }
    launcher.SetMainWindow(window);
    views.SetOwner(window);
    views.Add(ViewKind::Watch,
              std::make_unique<WatchWindow>(
                  *session, seams, main.ListAndRun().List(),
                  ContinueBrushes{brushes.blue, brushes.yellow, brushes.buttonFace}));
    views.Add(ViewKind::About, std::make_unique<AboutWindow>());
    views.Add(ViewKind::RecordDiagnostics, std::make_unique<DiagnosticsWindow>(*session));

    // The stop rules, judged on the link and kept with their window's desk.
    rules::StopRules stopRules;
    RuleDesk ruleDesk(stopRules);
    auto rulesWindow = std::make_unique<RulesWindow>(*session, os, prompts, view, ruleDesk);
    MainRules mainRules(*session, seams, ruleDesk, *rulesWindow, plotWindow);
    views.Add(ViewKind::StopRules, std::move(rulesWindow));
    main.SetRules(&mainRules);
    MainLoad load(*session, seams, main, plotFeed, stopRules,
                  [&mainRules] { mainRules.ArmForProject(); });
    if (!replayPath.empty()) load.ReplayFrom(replayed);
    // Open recording: this run ends and the program starts again on the recording.
    std::wstring replayNext;
    SessionRecording recording(*session, seams, load.Recorder(), stopRules, !replayPath.empty(),
                               [&](const std::wstring& file) {
                                   replayNext = file;
                                   ApplyExitChoice(session->run, ExitChoice::Exit);
                                   PostMessageA(window, WM_CLOSE, 0, 0);
                               });
    recording.SetOwner(window);
    main.SetFileCommands(&recording);
    main.WatchLinkThread([&load] { return load.LinkRunning(); });
    main.OnProjectChosen([&load](const std::string& entry) { load.ProjectChosen(entry); });
    if (!main.Initialise([&load](Session&, Seams&) { return load.AtStartup(); })) {
        if (IsWindow(window)) SendMessageA(window, WM_CLOSE, 0, 0);
        CloseHandle(mutex);
        return 0;
    }

    ShowWindow(window, showCommand);
    UpdateWindow(window);
    std::unique_ptr<MainReplay> replay;
    if (ReplayStepper* stepper = load.Replay()) {
        const std::string difference = ListingDifference(replayed.facts, *session, os);
        if (!difference.empty()) prompts.Inform(difference);
        replay = std::make_unique<MainReplay>(*session, seams, main, *stepper, &load.ReplayRules(),
                                              replayPath);
        main.SetReplay(replay.get());
        replay->Start(instance);
    }
    int exitCode = RunMessageLoop(
        window, LoadAcceleratorsA(instance, MAKEINTRESOURCEA(ids::kMainAccelerators)));
    CloseHandle(mutex);
    if (!replayNext.empty()) StartReplayProcess(replayNext);
    // The process ends here, also when a link thread that did not stop in time
    // still uses the session: nothing is torn down beneath it.
    ExitProcess(static_cast<UINT>(exitCode));
}
