// --port on Linux: a file of the name given (a terminal linked into the
// project folder as "COM1") is opened as it is; other texts are port addresses.
#include <gtest/gtest.h>

#include "cli/console/port.h"
#include "seams/memory/memory_host_os.h"

namespace varnolux::cli {
namespace {

TEST(ConsolePort, AFileOfTheNameIsADevicePathElseTheTextIsAnAddress) {
    MemoryHostOs os;
    os.PutFile("COM1", "");
    const struct {
        const char* text;
        PortKind kind;
        const char* path;
        int32_t number;
    } cases[] = {
        {"COM1", PortKind::DevicePath, "COM1", 1},
        {"COM3", PortKind::Number, "", 3},
        {"3", PortKind::Number, "", 3},
        {"rfc2217://127.0.0.1:4000", PortKind::Rfc2217, "", 1},
    };
    for (const auto& c : cases) {
        const PortAddressRead read = ReadConsolePort(c.text, os);
        ASSERT_TRUE(read.ok) << c.text << ": " << read.message;
        EXPECT_EQ(read.address.kind, c.kind) << c.text;
        EXPECT_EQ(read.address.path, c.path) << c.text;
        if (c.kind == PortKind::Number) {
            EXPECT_EQ(read.address.number, c.number) << c.text;
        }
    }
    EXPECT_FALSE(ReadConsolePort("COMX", os).ok);
}

}  // namespace
}  // namespace varnolux::cli
