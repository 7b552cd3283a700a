#include "project/load/no_project_text.h"

#include <gtest/gtest.h>

#include "seams/memory/memory_host_os.h"

namespace varnolux {
namespace {

constexpr char kNeeds[] =
    "\r\nA project there needs NAME.bas with NAME.lst and NAME.hex from one compile.";

// Where it looked and what is needed, always; the sample's folder only when a
// project's source is in it, and its replay only when that is there too.
TEST(NoProjectText, SaysWhereItLookedAndWhereTheSampleIs) {
    struct Case {
        const char* folder;
        std::vector<const char*> files;
        int code;
        std::string tail;
    } cases[] = {
        {"C:\\Tools\\", {}, 1, ""},
        {"C:\\Tools\\", {"C:\\Tools\\demo\\README.txt"}, 2, ""},
        {"C:\\V 1.1\\", {"C:\\V 1.1\\demo\\Thermo.bas"}, 1, "\r\nThe sample project is in demo\\."},
        {"C:\\V 1.1\\",
         {"C:\\V 1.1\\demo\\Thermo.bas", "C:\\V 1.1\\demo\\Try the demo.cmd"},
         1,
         "\r\nThe sample project is in demo\\; \"Try the demo.cmd\" there replays a recorded "
         "session of it."},
        {"/home/me/v/", {"/home/me/v/demo/Thermo.bas"}, 1, "\r\nThe sample project is in demo/."},
    };
    for (const Case& c : cases) {
        MemoryHostOs os;
        for (const char* f : c.files) os.PutFile(f, "");
        EXPECT_EQ(NoProjectText(os, c.folder, c.code),
                  "A complete set of project files not found - Exiting " + std::to_string(c.code) +
                      "\r\n\r\nLooked in " + c.folder + kNeeds + c.tail);
    }
}

}  // namespace
}  // namespace varnolux
