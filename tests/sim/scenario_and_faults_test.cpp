// The simulator's independent truth (values placed by address from a scenario)
// and its line faults (noise between units, the line pulled in a packet).
#include <gtest/gtest.h>

#include "sim/core/scenario.h"
#include "target_rig.h"
#include "vars/value_format.h"

namespace varnolux::sim {
namespace {

TEST(Scenario, ReadsEveryTypeIntoItsBytes) {
    std::vector<PlacedValue> values;
    std::string error;
    ASSERT_TRUE(
        ParseScenario("# comment\n"
                      "0x20.3 bit 1\r\n"
                      "\n"
                      "33 sbyte -2\n"
                      "0x22 word 4660\n"
                      "0x24 sdword -2\n"
                      "0x28 float 1.0\n"
                      "0x30 text Hi there\n",
                      values, error))
        << error;
    ASSERT_EQ(values.size(), 6u);
    EXPECT_EQ(values[0].address, 0x20);
    EXPECT_EQ(values[0].bit, 3);
    EXPECT_EQ(values[1].address, 33);
    EXPECT_EQ(values[1].bytes, std::vector<uint8_t>{0xFE});
    EXPECT_EQ(values[2].bytes, (std::vector<uint8_t>{0x34, 0x12}));
    EXPECT_EQ(values[3].bytes, (std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(values[4].bytes, (std::vector<uint8_t>{0x7F, 0x00, 0x00, 0x00}));
    EXPECT_EQ(std::string(values[5].bytes.begin(), values[5].bytes.end()), "Hi there");

    TargetMemory memory;
    memory.ram[0x20] = 0x01;
    ApplyScenario(values, memory);
    EXPECT_EQ(memory.ram[0x20], 0x09);
    EXPECT_EQ(memory.ram[0x23], 0x12);
}

TEST(Scenario, ALineThatCannotBeReadIsNamed) {
    for (const char* line : {"0x20 byte 256", "0x20 sbyte 128", "0x20 word x", "0x20 bit 1",
                             "0x20.8 bit 1", "20001 byte 1", "0x20 quad 1", "0x20 float 1.5x",
                             "0x20 text", "0x20.1 byte 3", "zz byte 1"}) {
        std::vector<PlacedValue> values;
        std::string error;
        EXPECT_FALSE(ParseScenario(std::string("0x10 byte 1\n") + line, values, error)) << line;
        EXPECT_EQ(error, std::string("scenario line 2 not understood: ") + line);
    }
}

class SimFaults : public ::testing::Test, protected TargetRig {
  protected:
    void Start(SimOptions options) {
        LoadSimProject(session, 3);
        LoadSimProject(targetProject, 3);
        StartTarget(options);
        view.SetChecked(ids::kContinuous, true);
    }
    // The link's own messages (the first dump's consistency prompts aside).
    std::vector<std::string> LinkMessages() {
        std::vector<std::string> texts;
        for (const std::string& t : prompts.Texts())
            if (t.rfind("LinkThreadMain", 0) == 0) texts.push_back(t);
        return texts;
    }
    std::string Shown(const std::string& label) {
        for (const MyVarRecord& r : session.records) {
            ValueTexts t;
            if (r.VarLabel == label && FormatValue(r, t)) return t.value;
        }
        return "none";
    }
};

// What the host shows is what the scenario placed, not what the program wrote.
TEST_F(SimFaults, ScenarioValuesAreWhatTheHostShows) {
    SimOptions o;
    std::string error;
    ASSERT_TRUE(
        ParseScenario("0x21 byte 42\n0x25 sword -1234\n0x27 dword 4000000000\n"
                      "0x2F float 2.5\n0x20.3 bit 1\n0x101 byte 66\n",
                      o.scenario, error));
    Start(o);
    RunDumps(5);
    EXPECT_EQ(Shown("count"), "\"*\"       42");
    EXPECT_EQ(Shown("delta"), "-1234");
    EXPECT_EQ(Shown("total"), "4000000000");
    EXPECT_EQ(Shown("temp"), " 2.5");
    EXPECT_EQ(Shown("flags"), "1");
    EXPECT_EQ(Shown("text#1"), "\"B\"       66");
}

// Noise between units is ignored by the host: every dump still arrives.
TEST_F(SimFaults, NoiseBetweenUnitsCostsNoDump) {
    SimOptions o;
    o.garbageEvery = 1;
    Start(o);
    std::vector<std::string> events;
    engine->log = [&](const std::string& line) { events.push_back(line); };
    RunDumps(20);
    EXPECT_EQ(std::count_if(events.begin(), events.end(),
                            [](const std::string& e) { return e.rfind("garbage ", 0) == 0; }),
              20);
    EXPECT_TRUE(LinkMessages().empty());
}

// The line pulled half-way through a packet: one message, and the target
// sends nothing more.
TEST_F(SimFaults, PulledLineEndsInHalfAPacketAndOneMessage) {
    SimOptions o;
    o.pullAfter = 3;
    Start(o);
    RunDumps(3);
    for (int i = 0; i < 200 && !engine->LinePulled(); ++i) LinkTurn(link);
    ASSERT_TRUE(engine->LinePulled());
    port.failWrite = 1000;  // nothing reaches a pulled line
    for (int i = 0; i < 20; ++i) LinkTurn(link);
    EXPECT_EQ(LinkMessages(), std::vector<std::string>{"LinkThreadMain Read packet size wrong 0"});
}

}  // namespace
}  // namespace varnolux::sim
