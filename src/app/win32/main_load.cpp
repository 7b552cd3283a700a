#include "app/win32/main_load.h"

#include "app/main_initialisation.h"
#include "ui/main_ids.h"

namespace varnolux {

MainLoad::MainLoad(Session& session, Seams& seams, MainWindow& main)
    : session_(session), seams_(seams), main_(main) {}

LoadHooks MainLoad::Hooks() {
    LoadHooks hooks;
    AddLinkSteps(hooks, session_, seams_, port_, startup_);
    HWND window = main_.Handle();
    hooks.ShowMainWindow = [window] {
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
    };
    hooks.FocusProjectChooser = [window] { SetFocus(GetDlgItem(window, ids::kProjectChooser)); };
    hooks.EnableCommands = [this] {
        for (int id : kProjectControls) seams_.view.EnableControl(id, true);
    };
    main_.ListAndRun().FillLoadHooks(hooks);
    return hooks;
}

bool MainLoad::AtStartup() {
    return LoadAtStartup(session_, seams_, Hooks()) != LoadEnd::ProgramClosed;
}

void MainLoad::ProjectChosen(const std::string& entryText) {
    LoadChosenProject(session_, seams_, Hooks(), entryText);
}

bool MainLoad::LinkRunning() {
    if (!startup_.thread || !startup_.thread->Running()) return false;
    port_.Wake();
    return true;
}

}  // namespace varnolux
