#include "link/ports/system_serial_port.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace varnolux {
namespace {

using Clock = std::chrono::steady_clock;

long MsSince(Clock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

class PosixPort : public ::testing::Test {
  protected:
    void SetUp() override {
        char name[256] = {};
        ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
        port = std::make_unique<SystemSerialPort>(name);
        ASSERT_TRUE(port->Open(1));
        ASSERT_TRUE(port->ReadLineSettings());
        port->Configure(115200, SerialTimeouts());
    }
    void TearDown() override {
        port.reset();
        close(master);
        close(slave);
    }
    void TargetSends(const std::string& bytes) {
        ASSERT_EQ(write(master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    int master = -1, slave = -1;
    std::unique_ptr<SystemSerialPort> port;
};

TEST_F(PosixPort, SingleReadReturnsWithinItsTimeOut) {
    uint8_t b = 0;
    int count = 7;
    const auto start = Clock::now();
    EXPECT_TRUE(port->Read(&b, 1, count));
    EXPECT_EQ(count, 0);
    EXPECT_GE(MsSince(start), 35);
    EXPECT_LT(MsSince(start), 400);
    TargetSends("c");
    EXPECT_TRUE(port->Read(&b, 1, count));
    EXPECT_EQ(count, 1);
    EXPECT_EQ(b, 'c');
}

TEST_F(PosixPort, BlockReadEndsAtAGapAfterTheFirstBytes) {
    TargetSends("0123456789");
    uint8_t buf[31] = {};
    int count = 0;
    const auto start = Clock::now();
    EXPECT_TRUE(port->Read(buf, 31, count));
    EXPECT_EQ(count, 10);
    EXPECT_LT(MsSince(start), 600);  // the 100 ms gap, not the 640 ms total
    EXPECT_EQ(std::string(buf, buf + 10), "0123456789");
}

TEST_F(PosixPort, WrittenBytesReachTheTarget) {
    EXPECT_TRUE(port->WriteByte('h'));
    char b = 0;
    EXPECT_EQ(read(master, &b, 1), 1);
    EXPECT_EQ(b, 'h');
}

TEST_F(PosixPort, WakeEndsABlockedWait) {
    std::thread waker([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        port->Wake();
    });
    EXPECT_TRUE(port->ArmCharEvent());
    EXPECT_TRUE(port->WaitCharEvent());
    waker.join();
}

TEST(PosixPortOpen, MissingDeviceFailsWithItsErrorCode) {
    SystemSerialPort port("/nonexistent/ttyX");
    EXPECT_FALSE(port.Open(1));
    EXPECT_NE(port.LastError(), 0u);
    EXPECT_FALSE(port.ReadLineSettings());
}

}  // namespace
}  // namespace varnolux
