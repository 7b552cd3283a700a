#include "cli/console/args.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnolux::cli {
namespace {

// A command with two names, a flag, link options and a two-value option that
// refuses 0 with a word of its own.
struct Fixture : LinkArgs {
    std::string script;
    bool flag = false;
    long count = 0;
    LogFormat format = LogFormat::Text;
    int radix = 0;
    long first = 0, second = 0;
    int usages = 0;

    CliCommand Command() {
        CliOption pair{"--pair", 2,
                       [this](const std::vector<std::string>& v, std::string& message) {
                           if (!IsDigits(v[0]) || !IsDigits(v[1])) return false;
                           if (v[0] == "0") return (message = "from 1"), false;
                           first = std::stol(v[0]);
                           second = std::stol(v[1]);
                           return true;
                       }};
        return CliCommand{
            "cmd",
            7,
            [this] { ++usages; },
            {&script, &base},
            "two names only",
            "name a script",
            LinkOptions(*this, {FlagOption("--flag", flag), NumberOption("--count", count),
                                FormatOption(format), RadixOption(radix), pair})};
    }
};

struct Case {
    std::vector<std::string> args;
    bool run;
    int status;
    std::string message;
};

TEST(CliArgs, EndsOrRunsWithTheCommandsMessages) {
    const std::vector<Case> cases = {
        {{"s"}, true, 0, ""},
        {{"s", "--ini", "--help"}, true, 0, ""},  // a value, not the help
        {{"s", "--help", "--bogus"}, false, 0, ""},
        {{"-h"}, false, 0, ""},
        {{}, false, 7, "name a script"},
        {{"--flag"}, false, 7, "name a script"},
        {{"s", "b", "c"}, false, 7, "two names only"},
        {{"s", "--count"}, false, 7, "missing value or unknown option \"--count\""},
        {{"s", "--bogus"}, false, 7, "missing value or unknown option \"--bogus\""},
        {{"s", "--bogus", "x"}, false, 7, "bad option \"--bogus x\""},
        {{"s", "--count", "-1"}, false, 7, "bad option \"--count -1\""},
        {{"s", "--format", "xml"}, false, 7, "bad option \"--format xml\""},
        {{"s", "--radix", "oct"}, false, 7, "bad option \"--radix oct\""},
        {{"s", "--baud", "9k"}, false, 7, "bad option \"--baud 9k\""},
        {{"s", "--detect-rounds", "x"}, false, 7, "bad option \"--detect-rounds x\""},
        {{"s", "--pair", "1"}, false, 7, "bad option \"--pair 1\""},
        {{"s", "--pair", "1", "x"}, false, 7, "bad option \"--pair 1\""},
        {{"s", "--pair", "0", "2"}, false, 7, "from 1"},
    };
    for (const Case& c : cases) {
        Fixture f;
        const CliArgsRead read = ReadCliArgs(f.Command(), c.args);
        const std::string given = ::testing::PrintToString(c.args);
        EXPECT_EQ(read.run, c.run) << given;
        EXPECT_EQ(read.status, c.status) << given;
        EXPECT_EQ(read.message, c.message) << given;
        EXPECT_EQ(f.usages, c.run || c.status != 0 ? 0 : 1) << given;
    }
}

TEST(CliArgs, StoresEveryValue) {
    Fixture f;
    const std::vector<std::string> args = {
        "--port", "/dev/ttyUSB1", "s",   "--baud", "9600", "--ini",   "x.ini", "--detect-rounds",
        "0",      "--record",     "r",   "--flag", "b",    "--count", "12",    "--format",
        "jsonl",  "--radix",      "hex", "--pair", "3",    "4"};
    ASSERT_TRUE(ReadCliArgs(f.Command(), args).run);
    EXPECT_EQ(f.script, "s");
    EXPECT_EQ(f.base, "b");
    EXPECT_EQ(f.device, "/dev/ttyUSB1");
    EXPECT_EQ(f.port, 0);
    EXPECT_EQ(f.baud, 9600);
    EXPECT_EQ(f.ini, "x.ini");
    EXPECT_EQ(f.detectRounds, 1);  // at least one round
    EXPECT_EQ(f.record, "r");
    EXPECT_TRUE(f.flag);
    EXPECT_EQ(f.count, 12);
    EXPECT_EQ(f.format, LogFormat::Jsonl);
    EXPECT_EQ(f.radix, 2);
    EXPECT_EQ(f.first, 3);
    EXPECT_EQ(f.second, 4);

    Fixture numbered;
    ASSERT_TRUE(ReadCliArgs(numbered.Command(), {"s", "--port", "3"}).run);
    EXPECT_EQ(numbered.port, 3);
    EXPECT_EQ(numbered.device, "");
}

}  // namespace
}  // namespace varnolux::cli
