// The front end's side of the rules at each timer tick: log lines kept and
// written to the project's file with the setting, the status text of a
// firing, and the title's mark following the hold, the freeze and Continue.
#include "views/rules/rule_desk.h"

#include <gtest/gtest.h>

#include "seams/memory/memory_host_os.h"
#include "views/rules/rule_fixture.h"

namespace varnolux {
namespace {

constexpr const char* kLog = "C:\\demo\\thermo.rules.log";

struct DeskTest : ::testing::Test {
    ThermostatProject project;
    rules::StopRules armed;
    RuleDesk desk{armed};
    RunState run;
    MemoryHostOs os;

    void Arm(std::vector<rules::StopRule> list) {
        std::string fault;
        desk.Book().Load(std::move(list));
        ASSERT_TRUE(desk.Book().ArmEntered(project.records, project.points, fault)) << fault;
    }
    // One dump of the thermostat at `dumpId` with TEMP and HEATER.
    void Dump(int32_t dumpId, uint32_t temp, uint32_t heater, int64_t timeUs) {
        script::DumpValues dump;
        dump.DumpId = dumpId;
        dump.records = {{temp, temp, true, true},
                        {heater, heater, true, true},
                        {20, 20, true, true},
                        {0, 0, true, true}};
        armed.Judge(project.records, dump, timeUs, true);
    }
};

rules::StopRule Rule(rules::RuleAction action, const char* condition, const char* text = "") {
    rules::StopRule r;
    r.dumpId = 3;
    r.action = action;
    r.condition = condition;
    r.logTemplate = text;
    return r;
}

// A refused edit's fault shows until another rule is chosen or an edit
// arms; why the rules are not armed stays until they are.
TEST_F(DeskTest, ARefusedEditsFaultGoesWhenAnotherRuleIsChosen) {
    desk.SetEditFault("column 1: unknown variable \"temperatur\"");
    EXPECT_EQ(desk.Fault(), "column 1: unknown variable \"temperatur\"");
    desk.RuleChosen();
    EXPECT_EQ(desk.Fault(), "");

    desk.SetFault("Not armed: rule 2: unknown variable \"tmp\"");
    desk.SetEditFault("choose a dump point");
    EXPECT_EQ(desk.Fault(), "choose a dump point");
    desk.RuleChosen();
    EXPECT_EQ(desk.Fault(), "Not armed: rule 2: unknown variable \"tmp\"");
    desk.SetEditFault("choose a dump point");
    desk.SetFault(std::string());  // an edit armed the rules
    EXPECT_EQ(desk.Fault(), "");
}

TEST_F(DeskTest, LogLinesAreKeptAndGoToTheFileOnlyWithTheSetting) {
    Arm({Rule(rules::RuleAction::Log, "", "T={TEMP} H={HEATER}")});
    desk.SetLogPath(kLog);
    Dump(3, 21, 1, 1000000);
    RuleTick tick = desk.Tick(run, os);
    ASSERT_EQ(tick.newLines.size(), 1u);
    EXPECT_NE(tick.newLines[0].find("T=21 H=1"), std::string::npos) << tick.newLines[0];
    EXPECT_FALSE(os.ReadFile(kLog)) << "no file without the setting";
    desk.SetLogToFile(true);
    Dump(3, 22, 0, 2000000);
    Dump(3, 23, 0, 3000000);
    tick = desk.Tick(run, os);
    EXPECT_EQ(tick.newLines.size(), 2u);
    EXPECT_EQ(desk.LogLines().size(), 3u);
    const auto file = os.ReadFile(kLog);
    ASSERT_TRUE(file);
    EXPECT_NE(file->find("T=22 H=0\r\n"), std::string::npos) << *file;
    EXPECT_NE(file->find("T=23 H=0\r\n"), std::string::npos) << *file;
    EXPECT_EQ(file->find("T=21"), std::string::npos) << *file;
    EXPECT_TRUE(tick.status.empty()) << "a log point does not stop anything";
    EXPECT_EQ(tick.hold, HoldShown::None);
}

TEST_F(DeskTest, AHoldAtADumpwPointIsShownUntilTheTargetRunsAgain) {
    Arm({Rule(rules::RuleAction::Log, "", "T={TEMP}"), Rule(rules::RuleAction::Hold, "TEMP > 23")});
    Dump(3, 23, 1, 1000000);
    EXPECT_EQ(desk.Tick(run, os).hold, HoldShown::None);
    Dump(3, 24, 1, 2000000);
    RuleTick tick = desk.Tick(run, os);
    EXPECT_EQ(tick.status.rfind(" Rule 2 fired at DumpID 3: ", 0), 0u) << tick.status;
    EXPECT_TRUE(tick.titleChanged);
    EXPECT_EQ(tick.hold, HoldShown::Held);
    EXPECT_EQ(tick.rule, 1u);
    EXPECT_EQ(tick.dumpId, 3);
    EXPECT_EQ(tick.timeUs, 2000000) << "the firing dump's time, for the Plot's mark";
    run.TargetWaiting = 1;
    tick = desk.Tick(run, os);
    EXPECT_EQ(tick.hold, HoldShown::Held);
    EXPECT_FALSE(tick.titleChanged);
    run.TargetWaiting = 0;  // Continue
    tick = desk.Tick(run, os);
    EXPECT_EQ(tick.hold, HoldShown::None);
    EXPECT_TRUE(tick.titleChanged);
}

TEST_F(DeskTest, AReplaysHoldAtADumpwPointIsShownUntilTheReplayStepsOn) {
    Arm({Rule(rules::RuleAction::Hold, "TEMP > 23")});
    run.Replaying = 1;
    run.PacketCount = 40;
    Dump(3, 24, 1, 2000000);
    EXPECT_EQ(desk.Tick(run, os).hold, HoldShown::Held);
    EXPECT_EQ(desk.Tick(run, os).hold, HoldShown::Held) << "the recorded target never waited";
    run.PacketCount = 44;  // the next dump
    EXPECT_EQ(desk.Tick(run, os).hold, HoldShown::None);
}

TEST_F(DeskTest, AHoldWhereTheTargetCannotWaitShowsFrozenUntilContinue) {
    Arm({Rule(rules::RuleAction::Hold, "HEATER = 0")});
    Dump(3, 20, 0, 1000000);
    run.ViewsFrozen = 1;  // the judge froze the views
    RuleTick tick = desk.Tick(run, os);
    EXPECT_EQ(tick.hold, HoldShown::Frozen);
    Dump(3, 20, 1, 2000000);  // the link goes on
    EXPECT_EQ(desk.Tick(run, os).hold, HoldShown::Frozen);
    run.ViewsFrozen = 0;  // Continue
    tick = desk.Tick(run, os);
    EXPECT_EQ(tick.hold, HoldShown::None);
    EXPECT_TRUE(tick.titleChanged);
}

}  // namespace
}  // namespace varnolux
