#include "app/win32/main_rules.h"

#include "views/rules/rule_settings.h"

namespace varnolux {

void MainRules::ArmForProject() {
    const std::string& path = session_.project.settingsPath;
    if (!read_) {
        const StopRuleSettings settings = ReadStopRuleSettings(seams_.os, path);
        desk_.Book().Load(settings.rules);
        desk_.SetLogToFile(settings.logToFile);
        read_ = true;
    }
    desk_.SetLogPath(RuleLogPath(session_.project.programFolder, session_.project.baseName));
    std::string fault;
    bool armed = true;
    {
        std::lock_guard<std::mutex> lock(session_.recordsLock);
        armed = desk_.Book().ArmEntered(session_.records, session_.dumpPoints, fault);
    }
    window_.ShowFault(armed ? std::string() : "Not armed: " + fault);
    if (!armed) seams_.view.SetStatusText(0, " Stop rules not armed: " + fault);
    window_.ProjectLoaded();
}

void MainRules::OnTick() {
    const RuleTick tick = desk_.Tick(session_.run, seams_.os);
    if (!tick.status.empty()) seams_.view.SetStatusText(0, tick.status);
    if (tick.titleChanged) {
        seams_.view.SetTitle(TitleWithHold(seams_.view.Title(), tick.hold, tick.rule, tick.dumpId));
        // The Plot keeps the mark of the last hold after it is let go.
        if (tick.hold != HoldShown::None)
            plot_.MarkDump(static_cast<double>(tick.timeUs) / 1e6,
                           "rule " + std::to_string(tick.rule + 1));
    }
    window_.AddLogLines(tick.newLines);
    // The hits follow the dumps while the window is open.
    const int32_t packets = session_.run.PacketCount.load();
    if (packets != packets_ && window_.Handle()) {
        packets_ = packets;
        window_.Fill();
    }
}

void MainRules::OnClose() {
    if (session_.run.SaveOnExit.load() != 1 || !read_) return;
    StopRuleSettings settings;
    settings.rules = desk_.Book().Entered();
    settings.logToFile = desk_.LogToFile();
    ReportSettingsWrite(WriteStopRuleSettings(seams_.os, session_.project.settingsPath, settings),
                        session_.run.SettingsWriteReported, seams_.prompts,
                        session_.project.settingsPath);
}

}  // namespace varnolux
