#include "dap/dap_breakpoints.h"

#include <gtest/gtest.h>

#include "../support/make_record.h"

namespace varnolux::dap {
namespace {

// The demo's sources: Thermo.bas (0) with Dumpw 12 on line 73, Sensors.inc (1)
// with Dumpw 150 on line 19.
struct Demo {
    DumpPointTable points;
    VarTable records;
    Demo() {
        points.entries[12] = DumpPoint{0, 73, 1, "after the heater was switched"};
        points.entries[150] = DumpPoint{1, 19, 1, "sensor read"};
        records.push_back(MakeRecord("temperature", VT_SWORD, 0x10));
        records.push_back(MakeRecord("setPoint", VT_SWORD, 0x12));
        records.push_back(MakeRecord("heating", VT_BIT, 0x14));
    }
};

Json Request(const std::string& text) {
    Json j;
    std::string error;
    EXPECT_TRUE(ParseJson(text, j, error)) << error;
    return j;
}

TEST(DapBreakpoints, AClientPathNamesTheSourceByItsFileNameInAnyCase) {
    const std::vector<std::string> sources = {"/p/Thermo.bas", "/p/Sensors.inc"};
    EXPECT_EQ(SourceIndexOfPath(sources, "C:\\Work\\SENSORS.INC"), 1);
    EXPECT_EQ(SourceIndexOfPath(sources, "/elsewhere/thermo.bas"), 0);
    EXPECT_EQ(SourceIndexOfPath(sources, "/p/Other.bas"), -1);
}

TEST(DapBreakpoints, EachEntryBecomesAVerifiedRuleOrSaysWhyNot) {
    const Demo demo;
    struct Case {
        int32_t file;
        const char* request;
        bool verified;
        int32_t dumpId;
        const char* message;  // a part of it
    };
    const Case cases[] = {
        {0, R"({"line":73})", true, 12, ""},
        {1, R"({"line":19,"condition":"temperature > setPoint + 15 And heating = 0"})", true, 150,
         ""},
        {0, R"({"line":74})", false, -1, "no dump or dumpw on this line"},
        {1, R"({"line":73})", false, -1, "no dump or dumpw on this line"},
        {-1, R"({"line":73})", false, -1, "no dump or dumpw on this line"},
        {0, R"({"line":73,"condition":"nosuch > 3"})", false, 12, "condition"},
        {0, R"({"line":73,"condition":"temperature >"})", false, 12, "condition column"},
        {0, R"({"line":73,"hitCondition":"0"})", false, 12, "a number of matches, 1 or more"},
        {0, R"({"line":73,"hitCondition":"> 3"})", false, 12, "hit condition \"> 3\""},
        {0, R"({"line":73,"logMessage":"T={nosuch}"})", false, 12, "log message"},
    };
    for (const Case& c : cases) {
        const Breakpoint b =
            MakeBreakpoint(Request(c.request), c.file, demo.points, demo.records, 7);
        EXPECT_EQ(b.verified, c.verified) << c.request << ": " << b.message;
        EXPECT_NE(b.message.find(c.message), std::string::npos) << c.request << ": " << b.message;
        if (c.verified) {
            EXPECT_EQ(b.rule.dumpId, c.dumpId) << c.request;
        }
        const Json shown = BreakpointJson(b);
        EXPECT_EQ(shown["verified"].Bool(), c.verified);
        EXPECT_EQ(shown["message"].Str(), c.verified ? "" : b.message) << c.request;
    }
}

TEST(DapBreakpoints, HitConditionsAndLogMessagesBecomeTheRulesOwn) {
    const Demo demo;
    const Breakpoint hit = MakeBreakpoint(Request(R"({"line":73,"hitCondition":"== 3"})"), 0,
                                          demo.points, demo.records, 1);
    EXPECT_EQ(hit.rule.hitCount, 3);
    EXPECT_FALSE(hit.conditional);
    const Breakpoint log = MakeBreakpoint(Request(R"({"line":19,"logMessage":"T={temperature}"})"),
                                          1, demo.points, demo.records, 2);
    ASSERT_TRUE(log.verified) << log.message;
    EXPECT_EQ(log.rule.action, rules::RuleAction::Log);
    EXPECT_EQ(log.rule.logTemplate, "T={temperature}");
}

TEST(DapBreakpoints, ASourceSentAgainReplacesOnlyItsOwnBreakpoints) {
    const Demo demo;
    BreakpointTable table;
    auto make = [&](int32_t file, long line) {
        return MakeBreakpoint(Request("{\"line\":" + std::to_string(line) + "}"), file, demo.points,
                              demo.records, table.NextId());
    };
    table.Replace("/p/Thermo.bas", {make(0, 73), make(0, 74)});
    table.Replace("/p/Sensors.inc", {make(1, 19)});
    std::vector<const Breakpoint*> of;
    EXPECT_EQ(table.Rules(of).size(), 2u);  // the unverified line makes no rule
    table.Replace("/P/THERMO.BAS", {});
    const std::vector<rules::StopRule> left = table.Rules(of);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].dumpId, 150);
    EXPECT_EQ(of[0]->id, 3);
}

}  // namespace
}  // namespace varnolux::dap
