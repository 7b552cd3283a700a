// The stop rules at one dump, as the link thread judges it: the snapshot of
// 2000 records and ten rules with conditions (one of them a log point, one
// with a hit count) evaluated on it, as a share of the dump's wire time at
// 115200 baud (2000 RAM bytes in 26-byte data packets of 32 bytes, each
// answered with one byte, plus "c", "h", the end packet, "f", "d" and "b";
// ten bits per byte). Goal: under 0.1 %.
#include <string>
#include <vector>

#include "bench_fixture.h"
#include "bench_report.h"
#include "rules/rule_judge.h"
#include "rules/stop_rules.h"

namespace varnolux {
namespace {

constexpr int kRecords = 2000;
constexpr double kDumpBytes = (kRecords + 25) / 26 * 33.0 + 1 + 1 + 33 + 1 + 1;
constexpr double kWireNs = WireNsAt115200(kDumpBytes);

std::vector<rules::StopRule> TenRules() {
    std::vector<rules::StopRule> all;
    for (int i = 0; i < 10; ++i) {
        rules::StopRule r;
        const std::string a = "v" + std::to_string(i * 200 + 2);
        const std::string b = "v" + std::to_string(i * 120 + 3);
        r.condition = "(" + a + " + 3) * 2 > " + b + " And Not changed(" + b + ") Or " + a + " = 7";
        r.hitCount = i == 3 ? 1000000 : 0;
        r.action = i == 5 ? rules::RuleAction::Log : rules::RuleAction::Hold;
        r.logTemplate = a + "={" + a + "} " + b + "={" + b + "}";
        all.push_back(r);
    }
    return all;
}

void JudgeOneDump(benchmark::State& state) {
    Session session;
    session.records = EveryTypeRecords(kRecords, "v");
    for (size_t i = 0; i < session.records.size(); ++i) {
        MyVarRecord& r = session.records[i];
        r.VarValue = static_cast<uint32_t>(i * 7);
        r.VarPrevious = static_cast<uint32_t>(i * 5);
        r.VarValueInit = r.VarPreviousInit = 1;
    }
    rules::StopRules armed;
    size_t bad = 0;
    rules::RuleError error;
    if (!armed.Arm(TenRules(), session.records, session.dumpPoints, bad, error))
        state.SkipWithError(error.message.c_str());
    RunState run;
    rules::RuleJudge judge(armed, run);
    int64_t t = 0;
    for (auto _ : state) {
        judge.KeepDump(session, t += 1000);
        benchmark::DoNotOptimize(run.RuleHold.load());
        if (t % 64000 == 0) armed.TakeFirings();
    }
}

BENCHMARK(JudgeOneDump);

}  // namespace
}  // namespace varnolux

int main(int argc, char** argv) {
    return varnolux::RunAgainstWireTime(argc, argv, varnolux::kWireNs, 4, "0.1");
}
