#include "app/win32/main_load.h"

#include "app/main_ids.h"
#include "app/main_initialisation.h"
#include "vars/list_commands.h"
#include "vars/main_list.h"

namespace varnolux {

MainLoad::MainLoad(Session& session, Seams& seams, MainWindow& main)
    : session_(session), seams_(seams), main_(main) {}

LoadHooks MainLoad::Hooks() {
    LoadHooks hooks;
    AddLinkSteps(hooks, session_, seams_, port_, startup_);
    HWND window = main_.Handle();
    MainListView& list = main_.ListAndRun().List();
    hooks.ShowMainWindow = [window] {
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
    };
    hooks.FocusProjectChooser = [window] { SetFocus(GetDlgItem(window, ids::kProjectChooser)); };
    hooks.EnableCommands = [this] {
        for (int id : kProjectControls) seams_.view.EnableControl(id, true);
    };
    hooks.FillMainList = [&list] { list.Run([](ListContext& c) { FillMainList(c); }); };
    hooks.ApplyColumnWidths = [this, &list] { list.ApplyColumnWidths(session_.settings); };
    hooks.SetAllRadix = [&list](int32_t addressRadix, int32_t dataRadix) {
        list.Run([=](ListContext& c) { SetAllRadix(c, addressRadix, dataRadix); });
    };
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
