#include "link/ports/configured_port.h"

#include <gtest/gtest.h>

#include "support/memory_session_rig.h"

namespace varnolux {
namespace {

class ConfiguredPortTest : public ::testing::Test, protected MemorySessionRig<> {
  protected:
    bool Use(const std::string& port) {
        session.project.settingsPath = "C:\\Varnolux\\Varnolux.ini";
        os.PutFile(session.project.settingsPath, "[Comms]\r\nPort=" + port + "\r\n");
        return UseConfiguredPort(session, seams, chosen);
    }
    AddressedPort chosen;
};

TEST_F(ConfiguredPortTest, ANetworkAddressInTheSettingsIsThePortTheLinkOpens) {
    ASSERT_TRUE(Use("rfc2217://192.168.1.20:4000"));
    EXPECT_EQ(chosen.PortName(session.settings.Port), "rfc2217://192.168.1.20:4000");
    EXPECT_TRUE(chosen.SetsRate());
    ASSERT_TRUE(Use("tcp://192.168.1.20:4001"));
    EXPECT_FALSE(chosen.SetsRate());  // raw TCP runs at the server's rate
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(ConfiguredPortTest, ACOMNameIsItsNumber) {
    ASSERT_TRUE(Use("COM7"));
    EXPECT_EQ(session.settings.Port, 7);
}

TEST_F(ConfiguredPortTest, ATextThatNamesNoPortIsToldOnceAndEndsTheProgram) {
    EXPECT_FALSE(Use("rfc2217://rack-pi"));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "[Comms] Port= of Varnolux.ini names no port: \"rfc2217://rack-pi\" names no TCP "
              "port: rfc2217://rack-pi:PORT");
    EXPECT_TRUE(view.closeRequested);
}

}  // namespace
}  // namespace varnolux
