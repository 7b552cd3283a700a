#include "app/main_initialisation.h"

#include "app/settings_io.h"
#include "layout/topmost.h"
#include "project/main_title.h"

namespace varnolux {

void ResetMainWindowState(RunState& run) {
    run.SaveOnExit = 1;
    run.ProjectChosen = 0;
    run.ProjectLoaded = 0;
    run.CommsEstablished = 0;
    run.FirstDumpPending = 1;
    run.NewDumpPending = 0;
    run.TargetWaiting = 0;
    run.AutoContinue = 0;
    run.RepeatDumpId = -1;
    run.UntilDumpId = -1;
    run.NoDumpYet = 1;
    run.BlinkPhase = 0;
    run.StatusBlink = 0;
    run.RunningDrawn = 0;
    run.ResetRequested = 0;
    run.EepromAvailable = 0;
    run.SfrAvailable = 1;
    run.HiddenItemsExist = 0;
    run.ExcludeBlank = 0;
    run.LinkStopRequest = 0;
}

bool RunMainInitialisation(Session& session, Seams& seams, MainWindowShell& shell,
                           const LoadSequence& load) {
    ResetMainWindowState(session.run);
    for (int id : kProjectControls) seams.view.EnableControl(id, false);

    // A replay may have chosen the folder of its project already.
    if (session.project.programFolder.empty())
        session.project.programFolder = seams.os.ProgramFolder();
    session.project.settingsPath = session.project.programFolder + "Varnolux.ini";
    LoadSettings(session.settings, seams.os, session.project.settingsPath);
    shell.PlaceHidden(
        PlaceMainWindow(StoredMainRect(session.settings), shell.WorkArea(), shell.Dpi()));
    shell.SetTopmost(session.settings.AlwaysOnTop != 0);

    shell.SetListFont(session.settings.PropFont, session.settings.FontSize);
    shell.AddTopMostItem(TopMostItemText(session.settings.AlwaysOnTop));
    seams.view.SetTitle(StartupTitle());
    for (int part : {0, 2, 3}) seams.view.SetStatusText(part, "");

    return !load || load(session, seams);
}

}  // namespace varnolux
