#include "app/win32/main_load.h"

#include "app/main_initialisation.h"
#include "ui/main_ids.h"

namespace varnolux {

MainLoad::MainLoad(Session& session, Seams& seams, MainWindow& main)
    : LinkLoadSteps(session, seams, port, startup), main_(main) {}

void MainLoad::ShowMainWindow() {
    ShowWindow(main_.Handle(), SW_SHOW);
    UpdateWindow(main_.Handle());
}

void MainLoad::FocusProjectChooser() {
    SetFocus(GetDlgItem(main_.Handle(), ids::kProjectChooser));
}

void MainLoad::EnableCommands() {
    for (int id : kProjectControls) seams_.view.EnableControl(id, true);
}

bool MainLoad::AtStartup() {
    return LoadAtStartup(session_, seams_, *this) != LoadEnd::ProgramClosed;
}

void MainLoad::ProjectChosen(const std::string& entryText) {
    LoadChosenProject(session_, seams_, *this, entryText);
}

bool MainLoad::LinkRunning() {
    if (!startup.thread || !startup.thread->Running()) return false;
    port.Wake();
    return true;
}

}  // namespace varnolux
