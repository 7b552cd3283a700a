#include "app/replay_folder.h"

#include <gtest/gtest.h>

#include "seams/memory/memory_host_os.h"

namespace varnolux {
namespace {

// The program's folder first; the recording's when only it holds the
// project, as the release's demo folder below the program.
TEST(ReplayProjectFolder, TheProgramsFolderFirstThenTheRecordings) {
    const std::string program = "C:\\Varnolux 1.1\\";
    const std::string demo = "C:\\Varnolux 1.1\\d\xC3\xA9mo\\";
    struct Case {
        std::vector<std::string> listings;
        std::string recording, folder;
    } cases[] = {
        {{program + "Thermo.lst"}, demo + "Thermo.pcapng", program},
        {{program + "Thermo.lst", demo + "Thermo.lst"}, demo + "Thermo.pcapng", program},
        {{demo + "Thermo.lst"}, demo + "Thermo.pcapng", demo},
        {{demo + "Other.lst"}, demo + "Thermo.pcapng", program},
        {{}, "Thermo.pcapng", program},
    };
    for (const Case& c : cases) {
        MemoryHostOs os;
        for (const std::string& listing : c.listings) os.PutFile(listing, "");
        EXPECT_EQ(ReplayProjectFolder(os, program, c.recording, "Thermo"), c.folder) << c.recording;
    }
}

}  // namespace
}  // namespace varnolux
