#pragma once
// A session with one loaded project and the in-memory seams the tool commands act through.
#include "state/session.h"
#include "support/memory_session_rig.h"

namespace varnolux {

struct ToolFixture : MemorySessionRig<> {
    ToolFixture() {
        session.project.programFolder = "C:\\Proj\\";
        session.project.mainSourceName = "MAIN.bas";
        session.project.sourceFiles = {"MAIN.bas", "inc.bas"};
        session.device.SourceDeviceName = "18F26K42";
    }

    // Puts a program file where the settings say it is.
    void Install(const std::string& path) { os.PutFile(path, "MZ"); }
};

}  // namespace varnolux
