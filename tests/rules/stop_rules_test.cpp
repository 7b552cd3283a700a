// Stop rules over a run of dumps: where they look, when they fire, what they
// ask of the link, and how they refuse what cannot be armed.
#include <gtest/gtest.h>

#include "link/link_fixture.h"
#include "rules/rule_judge.h"
#include "rules/stop_rules.h"
#include "seams/main_ids.h"
#include "support/make_record.h"

namespace varnolux::rules {
namespace {

VarTable Records() {
    return {MakeRecord("temp", VT_BYTE, 0x10), MakeRecord("heater", VT_BIT, 0x11),
            MakeRecord("State", VT_BYTE, 0x12)};
}

// A dump at `id` with temp, heater and State, each previous value the one before.
struct Arrival {
    int32_t id;
    uint32_t temp, heater, state;
};

StopRule Rule(int32_t at, const char* condition, RuleAction action = RuleAction::Hold,
              long hitCount = 0) {
    return StopRule{true, at, condition, hitCount, action, "", 50, 10};
}

DumpPointTable Points() {
    DumpPointTable points;
    for (int id : {3, 4}) points.entries[static_cast<size_t>(id)].line = 10 * id;
    points.entries[3].kind = 1;
    points.entries[3].comment = "heater loop";
    return points;
}

// The dumps each rule fires at, as "rule@dump" in order, over the arrivals.
std::string Firings(std::vector<StopRule> rules, const std::vector<Arrival>& arrivals,
                    std::vector<bool>* holds = nullptr) {
    const VarTable records = Records();
    StopRules armed;
    size_t bad = 0;
    RuleError error;
    EXPECT_TRUE(armed.Arm(std::move(rules), records, Points(), bad, error)) << error.message;
    script::DumpValues dump;
    dump.records.resize(3);
    std::string fired;
    int64_t t = 0;
    for (size_t n = 0; n < arrivals.size(); ++n) {
        const Arrival& a = arrivals[n];
        dump.DumpId = a.id;
        const uint32_t values[] = {a.temp, a.heater, a.state};
        for (size_t i = 0; i < 3; ++i) {
            script::RecordValues& v = dump.records[i];
            v = {values[i], v.value, true, n > 0};
        }
        const Verdict verdict = armed.Judge(records, dump, t += 250000, a.id == 3);
        if (holds) holds->push_back(verdict.hold);
        for (const Firing& f : verdict.firings)
            fired += std::to_string(f.rule) + "@" + std::to_string(n) + " ";
    }
    return fired;
}

const std::vector<Arrival> kRun = {
    {3, 20, 1, 0}, {4, 21, 1, 0}, {3, 22, 1, 1}, {3, 24, 1, 1}, {4, 25, 0, 2}, {3, 23, 0, 2},
};

TEST(StopRules, FireWhereAndWhenTheirConditionAndHitCountSay) {
    const struct {
        const char* what;
        std::vector<StopRule> rules;
        const char* fired;
    } cases[] = {
        {"every arrival at one point", {Rule(3, "")}, "0@0 0@2 0@3 0@5 "},
        {"any point", {Rule(kAnyDumpPoint, "temp > 23")}, "0@3 0@4 "},
        {"one point only", {Rule(4, "temp > 23")}, "0@4 "},
        {"BASIC spelling", {Rule(3, "TEMP > 21 and Heater = 1")}, "0@2 0@3 "},
        {"C spelling, same dumps", {Rule(3, "temp > 21 && heater == 1")}, "0@2 0@3 "},
        {"a change", {Rule(kAnyDumpPoint, "changed(state)")}, "0@2 0@4 "},
        {"the 2nd match only", {Rule(3, "", RuleAction::Hold, 2)}, "0@2 "},
        {"a hit count never reached", {Rule(4, "", RuleAction::Hold, 3)}, ""},
        {"two rules at one dump",
         {Rule(3, "temp > 23"), Rule(kAnyDumpPoint, "heater = 1")},
         "1@0 1@1 1@2 0@3 1@3 "},
    };
    for (const auto& c : cases) EXPECT_EQ(Firings(c.rules, kRun), c.fired) << c.what;

    std::vector<StopRule> disabled = {Rule(3, "")};
    disabled[0].enabled = false;
    EXPECT_EQ(Firings(disabled, kRun), "");
}

TEST(StopRules, HoldWinsAndEveryLogLineIsWritten) {
    StopRule log = Rule(3, "", RuleAction::Log);
    log.logTemplate = "T={temp} H={HEATER} {{ok}}";
    StopRule log2 = Rule(kAnyDumpPoint, "temp >= 24", RuleAction::Log);
    log2.logTemplate = "hot {temp * 2}";
    std::vector<bool> holds;
    EXPECT_EQ(Firings({log, Rule(3, "temp = 24"), log2}, kRun, &holds),
              "0@0 0@2 0@3 1@3 2@3 2@4 0@5 ");
    EXPECT_EQ(holds, (std::vector<bool>{false, false, false, true, false, false}));

    const VarTable records = Records();
    StopRules armed;
    size_t bad;
    RuleError error;
    ASSERT_TRUE(armed.Arm({log}, records, Points(), bad, error));
    script::DumpValues dump{3, {{24, 0, true, false}, {1, 0, true, false}, {0, 0, true, false}}};
    armed.Judge(records, dump, 1000000, true);
    armed.Judge(records, dump, 3500000, true);
    const std::vector<Firing> firings = armed.TakeFirings();
    ASSERT_EQ(firings.size(), 2u);
    EXPECT_EQ(firings[1].line, "DumpID 3  2.500 s  T=24 H=1 {ok}");
    EXPECT_TRUE(armed.TakeFirings().empty());
    EXPECT_EQ(armed.States()[0].hits, 2);
}

TEST(StopRules, ARunTimeErrorKeepsTheRuleFromFiringAndIsToldOnce) {
    const VarTable records = Records();
    StopRules armed;
    size_t bad;
    RuleError error;
    ASSERT_TRUE(
        armed.Arm({Rule(3, "temp / State > 1"), Rule(3, "")}, records, Points(), bad, error));
    script::DumpValues dump{3, {{24, 0, true, false}, {1, 0, true, false}, {0, 0, true, false}}};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(armed.Judge(records, dump, i, true).firings.size(), 1u);
    EXPECT_EQ(armed.TakeNotices(),
              (std::vector<std::string>{"rule 1 (hold when temp / State > 1 at DumpID 3): "
                                        "division by zero at DumpID 3"}));
    EXPECT_TRUE(armed.TakeNotices().empty());
    EXPECT_EQ(armed.States()[0].error, "division by zero at DumpID 3");
}

TEST(StopRules, NothingIsArmedWhenOneRuleIsWrong) {
    const VarTable records = Records();
    StopRules armed;
    size_t bad = 0;
    RuleError error;
    ASSERT_TRUE(armed.Arm({Rule(3, "temp > 1")}, records, Points(), bad, error));
    StopRule badLog = Rule(3, "", RuleAction::Log);
    badLog.logTemplate = "T={tmep}";
    const struct {
        StopRule rule;
        RuleField field;
        size_t column;
        const char* message;
    } cases[] = {
        {Rule(3, "temp > 1 And heatr = 1"), RuleField::Condition, 14,
         "unknown variable \"heatr\" (did you mean heater?)"},
        {Rule(3, "temp >"), RuleField::Condition, 7, "a value is missing"},
        {Rule(3, "temp + 1"), RuleField::Condition, 1,
         "the condition needs a comparison, such as TEMP > 23"},
        {Rule(3, "temp = 300"), RuleField::Condition, 8, "300 is outside temp's range 0 to 255"},
        {Rule(5, ""), RuleField::DumpPoint, 0, "the program has no dump point 5"},
        {badLog, RuleField::LogTemplate, 4, "unknown variable \"tmep\" (did you mean temp?)"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(armed.Arm({Rule(4, ""), c.rule}, records, Points(), bad, error)) << c.message;
        EXPECT_EQ(bad, 1u);
        EXPECT_EQ(error.field, c.field) << c.message;
        EXPECT_EQ(error.column, c.column) << c.message;
        EXPECT_EQ(error.message, c.message);
    }
    ASSERT_EQ(armed.Rules().size(), 1u);
    EXPECT_EQ(armed.Rules()[0].condition, "temp > 1");
    EXPECT_EQ(DumpPointName(3, Points()), "3 Dumpw heater loop");
    EXPECT_EQ(DumpPointName(kAnyDumpPoint, Points()), "any");
}

// The judge on the link: the "d" after a fired hold rule holds a dumpw point
// whatever Continuous, Repeat and Untill say; at a plain dump the views freeze.
class JudgedLink : public LinkFixture {
  protected:
    JudgedLink() : judge(rules, session.run, nullptr, true) {
        session.records = Records();
        link.keeper = &judge;
        size_t bad;
        RuleError error;
        EXPECT_TRUE(
            rules.Arm({Rule(kAnyDumpPoint, "temp >= 30")}, session.records, Points(), bad, error));
    }
    char DumpWith(uint8_t id, uint8_t temp, uint8_t wait) {
        std::vector<uint8_t> bytes = {kSync};
        for (const auto& p : {DataPacket(0x10, {temp, 1, 0}), EndPacket(id, wait)})
            bytes.insert(bytes.end(), p.begin(), p.end());
        bytes.push_back(kQuery);
        Send(bytes);
        return LastAnswer();
    }
    StopRules rules;
    RuleJudge judge;
};

TEST_F(JudgedLink, AFiredHoldHoldsADumpwAndFreezesAPlainDump) {
    view.SetChecked(varnolux::ids::kContinuous, true);
    session.run.RepeatDumpId = 6;
    EXPECT_EQ(DumpWith(3, 29, 1), 'b');
    EXPECT_EQ(DumpWith(3, 30, 1), 'a');
    EXPECT_EQ(session.run.ViewsFrozen.load(), 0);
    session.run.TargetWaiting = 0;  // Continue
    EXPECT_EQ(DumpWith(4, 31, 0), 'b');
    EXPECT_EQ(session.run.ViewsFrozen.load(), 1);
    // The next dump's values wait for the views to show the frozen one, a while at most.
    sleptMs = 0;
    EXPECT_EQ(DumpWith(4, 20, 0), 'b');
    EXPECT_EQ(sleptMs, 500);
    sleptMs = 0;
    EXPECT_EQ(DumpWith(4, 21, 0), 'b');
    EXPECT_EQ(sleptMs, 0);
    EXPECT_EQ(DumpWith(6, 20, 1), 'a');  // Repeat as before
    const std::vector<Firing> firings = rules.TakeFirings();
    ASSERT_EQ(firings.size(), 2u);
    EXPECT_TRUE(firings[0].waits);
    EXPECT_FALSE(firings[1].waits);
}

}  // namespace
}  // namespace varnolux::rules
