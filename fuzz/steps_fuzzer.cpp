// A target test script (.vxt) as people write and share them, against the
// demo thermostat's variables and dump points: whatever the text, checking it
// never crashes; a refusal names a line of the script and a column within it;
// every step taken is what its own line says again when checked alone, its
// numbers within their bounds, and its expression evaluates without crashing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "script/script_steps.h"
#include "support/make_record.h"

namespace {

using namespace varnolux;
using namespace varnolux::script;

struct Project {
    VarTable records;
    DumpPointTable points;
    Project() {
        records = {MakeRecord("tick", VT_WORD, 0x20),
                   MakeRecord("trim", VT_SBYTE, 0x22),
                   MakeRecord("uptime", VT_DWORD, 0x23),
                   MakeRecord("drift", VT_SDWORD, 0x27),
                   MakeRecord("gain", VT_FLOAT, 0x2B),
                   MakeRecord("heating", VT_BIT, 0x2F, 3),
                   MakeRecord("setPoint", VT_WORD, 0x30),
                   MakeRecord("pins", VT_PORT, 0x40),
                   MakeRecord("cmdBuf", VT_BYTE, 0x50, 1, RT_ARRAY),
                   MakeRecord("cmdBuf#0", VT_BYTE, 0x50, 1, RT_SUBSCRIPT)};
        for (int32_t id : {1, 5, 12, 20, 150}) {
            points.entries[static_cast<size_t>(id)] = DumpPoint{0, id + 10, id == 5 ? 1 : 0, ""};
            points.order.push_back(id);
        }
    }
};

// The script's lines as the parser counts them (a last line without its end counts).
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Project project;
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (int32_t core : {16, 14}) {
        const ScriptContext context{project.records, project.points, core};
        std::vector<Step> steps;
        ScriptError error;
        const std::vector<std::string> lines = Lines(text);
        if (!ParseScript(text, context, steps, error)) {
            FUZZ_CHECK(!error.message.empty());
            FUZZ_CHECK(error.line >= 1 &&
                       static_cast<size_t>(error.line) <= std::max<size_t>(lines.size(), 1));
            const size_t length =
                lines.empty() ? 0 : lines[static_cast<size_t>(error.line) - 1].size();
            FUZZ_CHECK(error.column >= 1 && error.column <= length + 1);
            continue;
        }
        FUZZ_CHECK(!steps.empty());
        int last = 0;
        script::DumpValues dump;
        dump.DumpId = 5;
        for (size_t i = 0; i < project.records.size(); ++i)
            dump.records.push_back({static_cast<uint32_t>(i * 0x9E3779B9u), 7, true, i % 2 == 0});
        for (const Step& s : steps) {
            FUZZ_CHECK(s.line > last && static_cast<size_t>(s.line) <= lines.size());
            last = s.line;
            FUZZ_CHECK(!s.text.empty() &&
                       lines[static_cast<size_t>(s.line) - 1].find(s.text) != std::string::npos);
            FUZZ_CHECK(s.timeoutS > 0 && s.timeoutS <= 86400 && s.count >= 1);
            if (s.kind == StepKind::Wait && !s.until)
                FUZZ_CHECK(s.dumpId >= 1 && s.dumpId <= 255 &&
                           project.points.entries[static_cast<size_t>(s.dumpId)].line != 0);
            if (s.kind == StepKind::Set) {
                FUZZ_CHECK(core == 16 && s.record >= 0 &&
                           static_cast<size_t>(s.record) < project.records.size());
                FUZZ_CHECK(project.records[static_cast<size_t>(s.record)].VarRecordType !=
                           RT_ARRAY);
            }
            if (s.kind == StepKind::Reset) FUZZ_CHECK(core == 16);
            if (s.kind == StepKind::Expect || s.until) {
                FUZZ_CHECK(s.expr.Kind() == ValueKind::Bool);
                Evaluate(s.expr, project.records, dump);
            }
            // The step's own text, checked alone as a line of its own, is the
            // same step (the line's end given, so that a last CR stays its own).
            std::vector<Step> again;
            FUZZ_CHECK(ParseScript(s.text + "\r\n", context, again, error) && again.size() == 1);
            const Step& a = again[0];
            FUZZ_CHECK(a.kind == s.kind && a.dumpId == s.dumpId && a.count == s.count &&
                       a.timeoutS == s.timeoutS && a.until == s.until && a.record == s.record &&
                       a.valueText == s.valueText && a.expr.Names() == s.expr.Names());
        }
    }
    return 0;
}
