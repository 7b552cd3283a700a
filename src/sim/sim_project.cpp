#include "sim/sim_project.h"

#include <unistd.h>

#include <cstdio>

#include "app/settings_io.h"
#include "project/device/signature.h"
#include "project/load/sequence.h"
#include "seams/memory/memory_launcher.h"
#include "seams/memory/memory_main_window_view.h"
#include "seams/memory/memory_prompts.h"
#include "seams/memory/memory_views.h"
#include "seams/posix/posix_host_os.h"

namespace varnolux::sim {

namespace {

class FolderHostOs : public PosixHostOs {
  public:
    std::string ProgramFolder() const override {
        char buf[4096];
        return getcwd(buf, sizeof buf) ? std::string(buf) + "/" : std::string("./");
    }
};

// Messages to stderr; every prompt takes the answer that goes on.
class StderrPrompts : public Prompts {
  public:
    PromptAnswer Show(const PromptRequest& r) override {
        std::fprintf(stderr, "varnolux-sim: %s\n", r.text.c_str());
        return RunOnAnswer(r.buttons);
    }
};

}  // namespace

bool LoadSimProject(Session& session, const std::string& base) {
    FolderHostOs os;
    StderrPrompts prompts;
    MemoryMainWindowView view;
    MemoryLauncher launcher;
    MemoryViews views;
    Seams seams{os, prompts, view, launcher, views};
    session.project.settingsPath = os.ProgramFolder() + "Varnolux.ini";
    LoadSettings(session.settings, os, session.project.settingsPath);
    session.project.commandLineProject = base;
    LoadSteps steps;  // no window, no link: the scan alone
    return LoadAtStartup(session, seams, steps) == LoadEnd::Loaded && !view.closeRequested;
}

uint16_t SimDeviceId(const Session& session) {
    FolderHostOs os;
    const uint16_t sig =
        ExpectedSignature(os, session.project.settingsPath, session.settings.PicKitDat,
                          session.device.ListingDeviceName);
    return session.device.Core == 16 ? static_cast<uint16_t>((sig & 0xFFE0) | 0x03) : sig;
}

SimHexTag SimBuildStamp(const Session& session) {
    FolderHostOs os;
    const LocalTime t = os.ToLocalTime(session.project.objectTime);
    return HexTagAt(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

}  // namespace varnolux::sim
