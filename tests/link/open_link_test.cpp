#include "link/line/serial_link.h"
#include "link_fixture.h"
#include "seams/ini_file.h"
#include "seams/main_ids.h"

namespace varnolux {
namespace {

class OpenLinkTest : public LinkFixture {
  protected:
    // A target that talks only at `rate`: each read at that rate finds `byte`,
    // at any other rate it finds line noise.
    void TargetAt(int rate, uint8_t byte = kQuery) {
        port.onIdle = [this, rate, byte](int baud) {
            ++reads;
            port.input.push_back(baud == rate ? byte : uint8_t{0xF3});
        };
    }
    bool Open() { return OpenLink(session, seams, port, link.clock) == LinkOpen::Opened; }
    int reads = 0;
};

TEST_F(OpenLinkTest, ConfiguredRateFindsTheTargetAtOnce) {
    session.settings.Baud = 9600;
    TargetAt(9600);
    EXPECT_TRUE(Open());
    EXPECT_EQ(view.StatusText(2), " COM1  9600");
    EXPECT_EQ(view.StatusText(0), " Waiting for comms");
    EXPECT_EQ(view.ControlText(ids::kTransitionLabel), " 0");
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(port.configuredRates, std::vector<int>{9600});
    EXPECT_EQ(port.timeouts.readInterval, 100u);
    EXPECT_EQ(port.timeouts.readTotalMultiplier, 20u);
    EXPECT_EQ(port.timeouts.readTotalConstant, 20u);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(OpenLinkTest, AutomaticDetectionFindsNineteenTwoHundredOnTheFourthRate) {
    session.settings.Baud = 0;
    TargetAt(19200, kSync);
    EXPECT_TRUE(Open());
    EXPECT_EQ(port.configuredRates, (std::vector<int>{115200, 9600, 57600, 19200}));
    EXPECT_EQ(reads, 31);  // 30 failed tries before it
    EXPECT_EQ(view.StatusText(2), " COM1  19200 A");
    EXPECT_EQ(view.StatusText(0), " Auto detecting   ");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(OpenLinkTest, AllRatesFailedAsksAndStartsAgainAt115200) {
    session.settings.Baud = 12345;
    TargetAt(0);
    prompts.Script(PromptAnswer::Retry);
    prompts.Script(PromptAnswer::Cancel);
    EXPECT_FALSE(Open());
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0].text.rfind("Auto baud rate detect failed\r\n\r\nRecommend you", 0),
              0u);
    EXPECT_EQ(port.configuredRates.size(), 10u);
    EXPECT_EQ(port.configuredRates[5], 115200);
    EXPECT_TRUE(view.closeRequested);
}

TEST_F(OpenLinkTest, WrongByteAtTheConfiguredRateFailsLikeSilence) {
    session.settings.Baud = 115200;
    TargetAt(115200, 'x');
    EXPECT_TRUE(Open());  // Retry: the link thread starts anyway
    EXPECT_EQ(reads, 10);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "Either no data or client/host baud rates different\r\n\r\n"
              "Tried: COM1 at 115200 baud\r\n"
              "No board answering on COM1 gives the same message.\r\n\r\n\r\n"
              "Recommend you reseat any connectors, check connections\r\n"
              "and check comms config in Varnolux.ini and in your source.\r\n\r\n"
              "Retry to continue anyway\r\nCancel to Exit");
    EXPECT_EQ(prompts.shown[0].buttons, PromptButtons::RetryCancel);
    EXPECT_EQ(prompts.shown[0].topic, PromptTopic::NoAnswer);
    EXPECT_EQ(view.ControlText(ids::kTransitionLabel), "");
}

TEST_F(OpenLinkTest, HighPortNumbersOpenTheConfiguredPort) {
    session.settings.Port = 12;
    session.settings.Baud = 9600;
    TargetAt(9600);
    EXPECT_TRUE(Open());
    EXPECT_EQ(port.openedPort, 12);
    EXPECT_EQ(view.StatusText(2), " COM12  9600");
}

// A port that cannot be opened is no firmware fault: one message names it,
// the ports that exist and the setting, and nothing asks to recompile.
TEST_F(OpenLinkTest, APortThatCannotBeOpenedIsToldOnceWithThePortsThatExist) {
    session.settings.Port = 3;
    session.settings.Baud = 9600;
    port.failOpen = 1;
    port.ports = {"COM1", "COM4"};
    EXPECT_EQ(OpenLink(session, seams, port, link.clock), LinkOpen::PortMissing);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "COM3 cannot be opened.\r\n\r\nThe following ports appear to exist:\r\n\tCOM1"
              "\r\n\tCOM4\r\n\r\nThe port is set by [Comms] Port= in Varnolux.ini.\r\n\r\n"
              "Varnolux waits for COM3 and starts the link when it appears.");
    EXPECT_EQ(view.StatusText(0), " COM3 not there yet") << "never there, so not lost";
    EXPECT_FALSE(view.closeRequested);
    EXPECT_TRUE(port.configuredRates.empty()) << "no probe on a port that is not open";

    prompts.shown.clear();
    port.failOpen = 1;
    port.ports.clear();
    EXPECT_EQ(OpenLink(session, seams, port, link.clock, false), LinkOpen::PortMissing);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "COM3 cannot be opened.\r\n\r\nNo serial ports appear to exist.\r\n\r\n"
              "The port is set by [Comms] Port= in Varnolux.ini.");
}

TEST_F(OpenLinkTest, LineSettingFailureAsksToRetryOrExit) {
    session.settings.Port = 3;
    session.settings.Baud = 9600;
    TargetAt(9600);
    port.failLineSettings = 1;
    prompts.Script(PromptAnswer::Cancel);
    EXPECT_FALSE(Open());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "\r\n\r\nGetCommState FAILED - check that COM3 exists\r\n\r\n\r\n"
              "Retry (surprisingly) to retry\r\nCancel to Exit");
    EXPECT_EQ(prompts.shown[0].defaultButton, 2);  // Enter answers Cancel
    EXPECT_TRUE(view.closeRequested);
}

// Every message and status text names the device actually opened: a device
// path where the port is one, and a file that is no serial line says so.
TEST_F(OpenLinkTest, MessagesAndStatusNameTheDevicePath) {
    session.settings.Baud = 0;
    port.devicePath = "/dev/pts/7";
    TargetAt(19200, kSync);
    EXPECT_TRUE(Open());
    EXPECT_EQ(view.StatusText(2), " /dev/pts/7  19200 A");

    port.failOpen = 1;
    port.devicePath = "/dev/ttyNOPE";
    EXPECT_FALSE(Open());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text.rfind("/dev/ttyNOPE cannot be opened.", 0), 0u);
}

TEST_F(OpenLinkTest, AFileThatIsNoSerialLineIsNamedAsSuch) {
    session.settings.Baud = 9600;
    port.devicePath = "README.md";
    port.notSerial = true;
    port.failLineSettings = 1;
    prompts.Script(PromptAnswer::Cancel);
    EXPECT_FALSE(Open());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "\r\n\r\nGetCommState FAILED - README.md is not a serial device\r\n\r\n\r\n"
              "Retry (surprisingly) to retry\r\nCancel to Exit");
    EXPECT_EQ(view.StatusText(2), " README.md  9600");
}

TEST_F(OpenLinkTest, FailedProbeReadAsksAboutRecompilingAndGoesOn) {
    session.settings.Baud = 9600;
    TargetAt(9600);
    port.failRead = 1;
    EXPECT_TRUE(Open());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text.rfind("Read single character failed\r\n\r\nRecommend you", 0),
              0u);
    EXPECT_EQ(reads, 1);  // the next try found the target
    EXPECT_EQ(view.StatusText(2), " COM1  9600");
}

TEST_F(OpenLinkTest, CancelAtTheRecompilePromptEndsTheProbe) {
    session.settings.Baud = 9600;
    TargetAt(9600);
    port.failRead = 1;
    prompts.Script(PromptAnswer::Cancel);
    EXPECT_FALSE(Open());
    EXPECT_TRUE(view.closeRequested);
    EXPECT_EQ(reads, 0);
}

class ConfirmComPortTest : public LinkFixture {
  protected:
    ConfirmComPortTest() {
        session.project.settingsPath = "C:\\Varnolux\\Varnolux.ini";
        port.ports = {"COM1", "COM3"};
    }
    // The settings file and the settings read from it, as at start-up.
    void Ini(const std::string& comms) {
        os.PutFile(session.project.settingsPath, "[Comms]\r\n" + comms);
        session.settings.Port = IniReadNumber(os, session.project.settingsPath, "Comms", "Port", 1);
    }
    // Confirms the port, answering a question with Retry (try anyway).
    void ConfirmTryingAnyway() {
        prompts.Script(PromptAnswer::Retry);
        ConfirmComPort(session, seams, port);
    }
    // One question was asked, and it names `name`.
    void ExpectAskedAbout(const std::string& name) {
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].text.rfind("Are you sure you want to use " + name + "?", 0), 0u);
    }
};

TEST_F(ConfirmComPortTest, ListedPortIsAcceptedSilently) {
    Ini("Port=3\r\n");
    ConfirmComPort(session, seams, port);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(ConfirmComPortTest, PortTextMustMatchExactly) {
    Ini("Port=03\r\n");
    ConfirmTryingAnyway();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "Are you sure you want to use COM03?\r\n\r\nPress Abort to exit\r\n"
              "Press Retry try anyway\r\nPress Ignore to try anyway and don't ask again\r\n\r\n"
              "The following ports appear to exist\r\r\tCOM1\r\tCOM3\r");
    EXPECT_FALSE(view.closeRequested);
}

TEST_F(ConfirmComPortTest, AbortClosesAndIgnoreStoresDontAsk) {
    Ini("Port=7\r\n");
    prompts.Script(PromptAnswer::Abort);
    ConfirmComPort(session, seams, port);
    EXPECT_TRUE(view.closeRequested);
    prompts.Script(PromptAnswer::Ignore);
    ConfirmComPort(session, seams, port);
    EXPECT_NE(os.ReadFile(session.project.settingsPath)->find("DontAsk=1"), std::string::npos);
    ConfirmComPort(session, seams, port);
    EXPECT_EQ(prompts.shown.size(), 2u);
}

// A port given on a command line (the settings say 1, the run uses 7): the
// question names the port that is then opened.
TEST_F(ConfirmComPortTest, APortFromTheCommandLineIsTheOneAskedAbout) {
    Ini("Port=1\r\n");
    session.settings.Port = 7;  // --port 7
    ConfirmTryingAnyway();
    ExpectAskedAbout("COM7");
}

TEST_F(ConfirmComPortTest, ADevicePathMatchesItsListedName) {
    Ini("Port=1\r\n");
    port.devicePath = "/dev/ttyUSB0";
    port.ports = {"/dev/ttyS0", "/dev/ttyUSB0"};
    ConfirmComPort(session, seams, port);
    EXPECT_TRUE(prompts.shown.empty());
    port.ports = {"/dev/ttyS0"};
    ConfirmTryingAnyway();
    ExpectAskedAbout("/dev/ttyUSB0");
}

TEST_F(ConfirmComPortTest, DontAskSkipsEvenWithoutAnyPorts) {
    Ini("Port=9\r\nDontAsk=1\r\n");
    port.ports.clear();
    ConfirmComPort(session, seams, port);
    EXPECT_TRUE(prompts.shown.empty());
}

}  // namespace
}  // namespace varnolux
