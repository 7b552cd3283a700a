#include "link/ports/address.h"

#include <gtest/gtest.h>

namespace varnolux {
namespace {

struct GoodCase {
    const char* text;
    PortKind kind;
    int number;
    const char* pathOrHost;
    int tcpPort;
    const char* written;  // PortAddressText
};

TEST(PortAddressTest, EveryFormOfAPortReadsAsTheUserMeantIt) {
    const GoodCase cases[] = {
        {"3", PortKind::Number, 3, "", 0, "COM3"},
        {" 12 ", PortKind::Number, 12, "", 0, "COM12"},
        {"COM7", PortKind::Number, 7, "", 0, "COM7"},
        {"com10", PortKind::Number, 10, "", 0, "COM10"},
        {"/dev/ttyUSB0", PortKind::DevicePath, 1, "/dev/ttyUSB0", 0, "/dev/ttyUSB0"},
        {"\\\\.\\COM12", PortKind::DevicePath, 1, "\\\\.\\COM12", 0, "\\\\.\\COM12"},
        {"rfc2217://127.0.0.1:4000", PortKind::Rfc2217, 1, "127.0.0.1", 4000,
         "rfc2217://127.0.0.1:4000"},
        {"RFC2217://rack-pi.local:2001", PortKind::Rfc2217, 1, "rack-pi.local", 2001,
         "rfc2217://rack-pi.local:2001"},
        {"tcp://10.0.0.5:65535", PortKind::RawTcp, 1, "10.0.0.5", 65535, "tcp://10.0.0.5:65535"},
        {"rfc2217://[::1]:4000", PortKind::Rfc2217, 1, "::1", 4000, "rfc2217://[::1]:4000"},
    };
    for (const GoodCase& c : cases) {
        SCOPED_TRACE(c.text);
        const PortAddressRead read = ReadPortAddress(c.text);
        ASSERT_TRUE(read.ok) << read.message;
        EXPECT_EQ(read.address.kind, c.kind);
        if (c.kind == PortKind::Number) {
            EXPECT_EQ(read.address.number, c.number);
        }
        if (c.kind == PortKind::DevicePath) {
            EXPECT_EQ(read.address.path, c.pathOrHost);
        }
        if (read.address.IsNetwork()) {
            EXPECT_EQ(read.address.host, c.pathOrHost);
            EXPECT_EQ(read.address.tcpPort, c.tcpPort);
        }
        EXPECT_EQ(PortAddressText(read.address), c.written);
    }
}

TEST(PortAddressTest, ABadFormSaysWhatIsWrongAndWhatWouldDo) {
    const std::pair<const char*, const char*> cases[] = {
        {"",
         "no port given: name a COM number (3), a device path (/dev/ttyUSB0), "
         "rfc2217://HOST:PORT or tcp://HOST:PORT"},
        {"0", "\"0\" is no port: COM ports count from 1"},
        {"ttyUSB0",
         "\"ttyUSB0\" is no port: name a COM number (3), a device path "
         "(/dev/ttyUSB0), rfc2217://HOST:PORT or tcp://HOST:PORT"},
        {"telnet://pi:23",
         "\"telnet://pi:23\": a port over the network is rfc2217://HOST:PORT or tcp://HOST:PORT"},
        {"rfc2217://pi", "\"rfc2217://pi\" names no TCP port: rfc2217://pi:PORT"},
        {"tcp://:4000", "\"tcp://:4000\" names no host: tcp://HOST:PORT"},
        {"tcp://pi:0", "\"tcp://pi:0\": the TCP port must be a number from 1 to 65535"},
        {"tcp://pi:65536", "\"tcp://pi:65536\": the TCP port must be a number from 1 to 65535"},
        {"rfc2217://pi:4000/x",
         "\"rfc2217://pi:4000/x\": the TCP port must be a number from 1 to 65535"},
        {"rfc2217://[::1:4000", "\"rfc2217://[::1:4000\": the host's [ has no ]"},
    };
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(text);
        const PortAddressRead read = ReadPortAddress(text);
        EXPECT_FALSE(read.ok);
        EXPECT_EQ(read.message, message);
    }
}

}  // namespace
}  // namespace varnolux
