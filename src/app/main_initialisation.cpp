#include "app/main_initialisation.h"

#include "app/settings_io.h"
#include "layout/topmost.h"
#include "project/load/main_title.h"

namespace varnolux {

namespace {

// The flags the main initialisation owns, in the order it sets them; those of
// the link (ResetSent, PortsReceived, SyncSeen, RomCheckPending, ModifyPending,
// PacketCount) stay as they are.
constexpr std::atomic<int32_t> RunState::*kMainWindowFlags[] = {
    &RunState::SaveOnExit,       &RunState::ProjectChosen,    &RunState::ProjectLoaded,
    &RunState::CommsEstablished, &RunState::FirstDumpPending, &RunState::NewDumpPending,
    &RunState::TargetWaiting,    &RunState::AutoContinue,     &RunState::RepeatDumpId,
    &RunState::UntilDumpId,      &RunState::NoDumpYet,        &RunState::BlinkPhase,
    &RunState::StatusBlink,      &RunState::RunningDrawn,     &RunState::ResetRequested,
    &RunState::EepromAvailable,  &RunState::SfrAvailable,     &RunState::HiddenItemsExist,
    &RunState::ExcludeBlank,     &RunState::LinkStopRequest,
};

}  // namespace

void ResetMainWindowState(RunState& run) {
    const RunState start;
    for (std::atomic<int32_t> RunState::*flag : kMainWindowFlags) run.*flag = (start.*flag).load();
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
