// The editor's variables pane at a stop: from the dump just ended (2000
// records of every type) to the framed "variables" response, through the
// stop's view, the Variables scope's list and its JSON text. Goal: under 20 ms.
#include "dap/dap_variables.h"
#include "bench_fixture.h"
#include "bench_report.h"
#include "dap/dap_framing.h"
#include "dap/stop_view.h"

namespace varnolux {
namespace {

constexpr int kRecords = 2000;
constexpr double kGoalNs = 20e6;

void VariablesAtAStop(benchmark::State& state) {
    Session session;
    session.records = EveryTypeRecords(kRecords, "v");
    for (size_t i = 0; i < session.records.size(); ++i) {
        session.records[i].VarValue = static_cast<uint32_t>(i * 7919);
        session.records[i].VarValueInit = 1;
    }
    size_t bytes = 0;
    for (auto _ : state) {
        const dap::StopView view = dap::TakeStopView(session);
        dap::Json body = dap::Json::Object();
        body.Set("variables", dap::Variables(view, dap::kVariablesScope, false));
        dap::Json response = dap::Json::Object();
        response.Set("type", "response").Set("command", "variables").Set("body", std::move(body));
        const std::string framed = dap::Frame(response.Dump());
        bytes = framed.size();
        benchmark::DoNotOptimize(framed.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

BENCHMARK(VariablesAtAStop)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varnolux

int main(int argc, char** argv) {
    return varnolux::RunBenchmarks(argc, argv, [](const std::string& name, double ns) {
        return varnolux::BenchText(
            "%s: %.2f ms to the variables response (goal: under 20 ms, %.1f %%)\n", name.c_str(),
            ns / 1e6, 100.0 * ns / varnolux::kGoalNs);
    });
}
