#include "app/win32/main_load.h"

#include "app/main_initialisation.h"
#include "link/ports/configured_port.h"
#include "seams/main_ids.h"
#include "views/plot/plot_settings.h"

namespace varnolux {

MainLoad::MainLoad(Session& session, Seams& seams, MainWindow& main, PlotFeed& plot,
                   rules::StopRules& rules, std::function<void()> armRules)
    : MainLinkParts(seams.os, session.run, plot, rules),
      LinkLoadSteps(session, seams, recorder, startup, nullptr, true, recorder.Clock(), &keepers),
      main_(main),
      plot_(plot),
      armRules_(std::move(armRules)) {}

void MainLoad::ReplayFrom(const RecordingContents& contents) {
    replayed_ = &contents;
}

void MainLoad::ShowMainWindow() {
    ShowWindow(main_.Handle(), SW_SHOW);
    UpdateWindow(main_.Handle());
}

void MainLoad::FocusProjectChooser() {
    SetFocus(GetDlgItem(main_.Handle(), ids::kProjectChooser));
}

void MainLoad::EnableCommands() {
    for (int id : kProjectControls) seams_.view.EnableControl(id, true);
    // A replay shows the recording's own project only.
    if (replayed_) seams_.view.EnableControl(ids::kProjectChooser, false);
}

bool MainLoad::ConfirmComPort() {
    if (replayed_) return true;
    if (!UseConfiguredPort(session_, seams_, port)) return false;
    return LinkLoadSteps::ConfirmComPort();
}

void MainLoad::OpenLink() {
    // The project's settings are read: the Plot's depth holds before the first dump.
    plot_.SetDepth(
        static_cast<size_t>(ReadPlotSettings(seams_.os, session_.project.settingsPath).depth));
    if (!replayed_) return LinkLoadSteps::OpenLink();
    if (stepper_) return;
    // The replay's engine judges the dumps as the live link does.
    if (armRules_) armRules_();
    stepper_ = std::make_unique<ReplayStepper>(session_, seams_, *replayed_, &replayKeepers);
    if (!stepper_->Open()) stepper_.reset();
}

void MainLoad::StartLinkThread() {
    if (replayed_) return;
    if (armRules_) armRules_();
    LinkLoadSteps::StartLinkThread();
}

std::string MainLoad::PortName(int32_t portNumber) const {
    return replayed_ ? replayed_->facts.portName : LinkLoadSteps::PortName(portNumber);
}

bool MainLoad::AtStartup() {
    return LoadAtStartup(session_, seams_, *this) != LoadEnd::ProgramClosed;
}

void MainLoad::ProjectChosen(const std::string& entryText) {
    if (replayed_) return;
    LoadChosenProject(session_, seams_, *this, entryText);
}

bool MainLoad::LinkRunning() {
    if (!startup.thread || !startup.thread->Running()) return false;
    port.Wake();
    return true;
}

}  // namespace varnolux
