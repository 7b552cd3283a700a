#pragma once
// A session with one loaded project and the in-memory seams the tool commands act through.
#include "app/session.h"
#include "ui/memory_host_os.h"
#include "ui/memory_launcher.h"
#include "ui/memory_main_window_view.h"
#include "ui/memory_prompts.h"
#include "ui/seams.h"

namespace varnolux {

struct ToolFixture {
    ToolFixture() {
        session.project.programFolder = "C:\\Proj\\";
        session.project.mainSourceName = "MAIN.bas";
        session.project.sourceFiles = {"MAIN.bas", "inc.bas"};
        session.device.SourceDeviceName = "18F26K42";
    }

    // Puts a program file where the settings say it is.
    void Install(const std::string& path) { os.PutFile(path, "MZ"); }

    Session session;
    MemoryHostOs os;
    MemoryPrompts prompts;
    MemoryMainWindowView view;
    MemoryLauncher launcher;
    Seams seams{os, prompts, view, launcher};
};

}  // namespace varnolux
