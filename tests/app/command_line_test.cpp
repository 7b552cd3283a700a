#include "app/command_line.h"

#include <gtest/gtest.h>

namespace varnolux {
namespace {

TEST(StartArguments, TakeTheProjectBaseNameFromTheFirstArgument) {
    const struct {
        const char* line;
        const char* first;
    } cases[] = {
        {"", ""},
        {"   ", ""},
        {"WEATHER", "WEATHER"},
        {"  WEATHER  extra", "WEATHER"},
        {"\tWEATHER\tx", "WEATHER"},
        {"\"My Project\" other", "My Project"},
        {"\"My Project", "My Project"},
        {"half\" quoted\" rest", "half quoted"},
        {"\"\"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseStartArguments(c.line).project, c.first) << c.line;
}

TEST(StartArguments, TellAProjectFromARecordingToReplay) {
    const struct {
        const char* line;
        const char* project;
        const char* replay;
    } cases[] = {
        {"", "", ""},
        {"WEATHER", "WEATHER", ""},
        {"--replay run.pcapng", "", "run.pcapng"},
        {"  --replay\t\"C:\\My Runs\\run 1.pcapng\"  ", "", "C:\\My Runs\\run 1.pcapng"},
        {"--replay \"\"", "", ""},
        {"--replay", "--replay", ""},  // no file: taken as a project name, which is not found
    };
    for (const auto& c : cases) {
        const StartArguments start = ParseStartArguments(c.line);
        EXPECT_EQ(start.project, c.project) << c.line;
        EXPECT_EQ(start.replay, c.replay) << c.line;
    }
}

}  // namespace
}  // namespace varnolux
