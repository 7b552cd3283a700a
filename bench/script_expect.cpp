// varnolux-cli test at one dump: the snapshot of 2000 records and 1000
// expectations evaluated on it, as a share of the dump's wire time at 115200
// baud: 2000 RAM bytes in 26-byte data packets of 32 bytes, each answered
// with one byte, plus "c", "h", the end packet, "f", "d" and "b"; ten bits
// per byte. Goal: under 1 %.
#include <string>
#include <vector>

#include "bench_report.h"
#include "script/script_expr.h"
#include "script/script_target.h"
#include "state/session.h"

namespace varnolux {
namespace {

constexpr int kRecords = 2000;
constexpr int kExpectations = 1000;
constexpr double kDumpBytes = (kRecords + 25) / 26 * 33.0 + 1 + 1 + 33 + 1 + 1;
constexpr double kWireNs = WireNsAt115200(kDumpBytes);

void FillSession(Session& s) {
    static const int32_t kTypes[] = {VT_BYTE, VT_SBYTE, VT_WORD, VT_SWORD, VT_FLOAT};
    for (int i = 0; i < kRecords; ++i) {
        MyVarRecord r;
        r.VarLabel = "v" + std::to_string(i);
        r.VarType = kTypes[i % 5];
        r.VarAddress = i;
        r.VarValue = static_cast<uint32_t>(i * 7);
        r.VarPrevious = static_cast<uint32_t>(i * 5);
        r.VarValueInit = 1;
        r.VarPreviousInit = 1;
        s.records.push_back(r);
    }
}

std::vector<script::Expression> Expectations(const VarTable& records) {
    std::vector<script::Expression> all;
    for (int i = 0; i < kExpectations; ++i) {
        const std::string a = "v" + std::to_string((i * 2) % kRecords);
        const std::string b = "v" + std::to_string((i * 2 + 1) % kRecords);
        const std::string text =
            "(" + a + " + 3) * 2 > prev(" + b + ") - 1 && " + b + " != 123 || changed(" + a + ")";
        script::Expression e;
        script::ParseError error;
        if (script::ParseExpression(text, records, e, error)) all.push_back(std::move(e));
    }
    return all;
}

void SnapshotAndExpect(benchmark::State& state) {
    Session session;
    FillSession(session);
    const std::vector<script::Expression> expectations = Expectations(session.records);
    if (expectations.size() != kExpectations) state.SkipWithError("expectations did not parse");
    for (auto _ : state) {
        const script::DumpValues dump = script::TakeDumpValues(session);
        int held = 0;
        for (const script::Expression& e : expectations)
            held += script::Evaluate(e, session.records, dump).value.b ? 1 : 0;
        benchmark::DoNotOptimize(held);
    }
}

BENCHMARK(SnapshotAndExpect);

}  // namespace
}  // namespace varnolux

int main(int argc, char** argv) {
    return varnolux::RunAgainstWireTime(argc, argv, varnolux::kWireNs, 4, "1");
}
