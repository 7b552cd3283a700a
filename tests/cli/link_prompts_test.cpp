#include "cli/link_prompts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnolux::cli {
namespace {

struct Step {
    PromptTopic topic;
    PromptButtons buttons;
    std::string text;
    PromptAnswer answer;
    std::string said;  // the line the console writes; empty: none
};

ConsoleRunFacts GivenFacts() {
    ConsoleRunFacts f;
    f.portName = "COM9";
    f.portSource = "--port 9";
    f.rateSource = "--baud 115200";
    f.baud = 115200;
    f.ports = {"COM1", "COM2"};
    return f;
}

// Runs the steps on one run's prompts: each answer, and what the console said.
void Play(LinkPrompts& prompts, const std::vector<Step>& steps) {
    for (const Step& s : steps) {
        PromptRequest request;
        request.topic = s.topic;
        request.buttons = s.buttons;
        request.text = s.text;
        const size_t before = prompts.said.size();
        EXPECT_EQ(prompts.Show(request), s.answer) << s.text;
        if (s.said.empty()) {
            EXPECT_EQ(prompts.said.size(), before) << s.text;
            continue;
        }
        ASSERT_EQ(prompts.said.size(), before + 1) << s.text;
        EXPECT_EQ(prompts.said.back(), s.said);
        for (const char* dialog : {"Press", "Retry", "Cancel", "Varnolux.ini."})
            EXPECT_EQ(s.said.find(dialog), std::string::npos) << dialog;
    }
}

// A headless link run goes on where it can, says in console words what
// happened and what it does next, naming the options that chose the port and
// rate, and tells a failed detection once, when it gives up.
TEST(LinkPrompts, SayWhatHappenedAndWhatTheRunDoesNext) {
    const std::string detectFailed =
        "Auto baud rate detect failed\r\n\r\nRetry to continue anyway\r\nCancel to Exit";
    LinkPrompts prompts(2);
    prompts.facts = GivenFacts();
    Play(
        prompts,
        {{PromptTopic::General, PromptButtons::Ok, "Loaded", PromptAnswer::Ok, "[Varnolux] Loaded"},
         {PromptTopic::General, PromptButtons::YesNo, "Recompile?", PromptAnswer::No,
          "[Varnolux] Recompile?"},
         {PromptTopic::PortUnlisted, PromptButtons::AbortRetryIgnore,
          "Are you sure you want to use COM9?\r\n\r\nPress Abort to exit", PromptAnswer::Retry,
          "varnolux-cli log: COM9 is not among the ports the system lists (COM1, COM2); trying "
          "it anyway, as --port 9 names it"},
         {PromptTopic::NoAnswer, PromptButtons::RetryCancel,
          "Either no data or client/host baud rates different", PromptAnswer::Retry,
          "varnolux-cli log: no target answered on COM9 (--port 9) at 115200 (--baud 115200): "
          "no board answering looks the same as a board at another rate (--baud 0 finds it); "
          "going on and waiting for the target"},
         {PromptTopic::DetectionFailed, PromptButtons::RetryCancel, detectFailed,
          PromptAnswer::Retry, ""},
         {PromptTopic::DetectionFailed, PromptButtons::RetryCancel, detectFailed,
          PromptAnswer::Cancel,
          "varnolux-cli log: no target answered on COM9 (--port 9) at any rate (115200, 9600, "
          "57600, 19200, 38400) in 2 rounds of detection: no board, a board not running "
          "firmware with dump support, or the wrong port; ending with status 3"}});
    EXPECT_TRUE(prompts.DetectionGaveUp());
    EXPECT_TRUE(prompts.EndTold());
    EXPECT_EQ(prompts.shown.size(), 6u);
}

// A port that cannot be used ends the run with the link's status, naming the
// setting that chose it when no option did; --reconnect waits instead.
TEST(LinkPrompts, APortThatCannotBeUsedNamesWhatChoseIt) {
    const std::string missing =
        "COM9 cannot be opened.\r\n\r\nThe following ports appear to exist:\r\n\tCOM1\r\n\r\n"
        "The port is set by [Comms] Port= in Varnolux.ini.";
    struct Case {
        bool reconnect;
        PromptTopic topic;
        std::string text;
        PromptAnswer answer;
        std::string said;
        bool endTold;
    };
    const std::vector<Case> cases = {
        {false, PromptTopic::PortMissing, missing, PromptAnswer::Ok,
         "varnolux-cli test: COM9 cannot be opened (named by Port= in [Comms] of /p/Varnolux.ini); "
         "the system lists no serial ports; ending with status 2 (--reconnect waits for it)",
         true},
        {true, PromptTopic::PortMissing, missing, PromptAnswer::Ok,
         "varnolux-cli test: COM9 cannot be opened (named by Port= in [Comms] of /p/Varnolux.ini); "
         "the system lists no serial ports; waiting for it to appear (--reconnect)",
         false},
        {false, PromptTopic::PortMissing, "tcp://127.0.0.1:4000: connection refused",
         PromptAnswer::Ok,
         "varnolux-cli test: tcp://127.0.0.1:4000: connection refused (named by Port= in [Comms] "
         "of /p/Varnolux.ini); the system lists no serial ports; ending with status 2 "
         "(--reconnect waits for it)",
         true},
        {false, PromptTopic::LineSettings, "GetCommState FAILED - COM9 is not a serial device",
         PromptAnswer::Cancel,
         "varnolux-cli test: COM9 is not a serial device; ending with status 2", true},
    };
    for (const Case& c : cases) {
        LinkPrompts prompts(3);
        prompts.facts.command = "test";
        prompts.facts.portName = "COM9";
        prompts.facts.portSource = "Port= in [Comms] of /p/Varnolux.ini";
        prompts.facts.reconnect = c.reconnect;
        const PromptButtons buttons =
            c.topic == PromptTopic::PortMissing ? PromptButtons::Ok : PromptButtons::RetryCancel;
        Play(prompts, {{c.topic, buttons, c.text, c.answer, c.said}});
        EXPECT_EQ(prompts.EndTold(), c.endTold) << c.said;
        EXPECT_FALSE(prompts.DetectionGaveUp());
    }
}

}  // namespace
}  // namespace varnolux::cli
