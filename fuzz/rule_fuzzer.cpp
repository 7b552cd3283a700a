// A stop rule as a user, a settings file or an editor's breakpoint writes it:
// whatever the condition and log line say, checking and arming never crash,
// an error's column lies within the text, an armed rule judges dumps without
// crashing, and the same text in another letter case arms alike.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "rules/stop_rules.h"
#include "text/text_util.h"

namespace {

using namespace varnolux;

VarTable Records() {
    VarTable t;
    const struct {
        const char* label;
        int32_t type;
        int32_t recordType;
    } kRecords[] = {{"tick", VT_WORD, RT_VARIABLE},    {"Trim", VT_SBYTE, RT_VARIABLE},
                    {"gain", VT_FLOAT, RT_VARIABLE},   {"heating", VT_BIT, RT_VARIABLE},
                    {"drift", VT_SDWORD, RT_VARIABLE}, {"buf", VT_BYTE, RT_ARRAY},
                    {"buf#1", VT_BYTE, RT_SUBSCRIPT}};
    for (const auto& k : kRecords) {
        MyVarRecord r;
        r.VarLabel = k.label;
        r.VarType = k.type;
        r.VarRecordType = k.recordType;
        t.push_back(r);
    }
    return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const VarTable records = Records();
    static DumpPointTable points = [] {
        DumpPointTable p;
        p.entries[5].line = 1;
        return p;
    }();
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t cut = input.find('\n');
    rules::StopRule rule;
    rule.dumpId = size % 2 ? 5 : rules::kAnyDumpPoint;
    rule.condition = input.substr(0, cut);
    if (cut != std::string::npos) {
        rule.action = rules::RuleAction::Log;
        rule.logTemplate = input.substr(cut + 1);
    }
    rules::StopRules armed;
    size_t bad = 0;
    rules::RuleError error;
    const bool ok = armed.Arm({rule}, records, points, bad, error);
    if (!ok) {
        const std::string& text =
            error.field == rules::RuleField::LogTemplate ? rule.logTemplate : rule.condition;
        FUZZ_CHECK(error.column <= text.size() + 1);
        FUZZ_CHECK(!error.message.empty());
    } else {
        script::DumpValues dump;
        dump.DumpId = 5;
        for (size_t i = 0; i < records.size(); ++i)
            dump.records.push_back({static_cast<uint32_t>(i * 0x9E3779B9u), 0, true, i % 2 == 0});
        armed.Judge(records, dump, 1, true);
        armed.Judge(records, dump, 2, false);
    }
    // Names and words are taken in any case: the upper-case text arms alike.
    rules::StopRule upper = rule;
    upper.condition = UpperCase(rule.condition);
    upper.logTemplate = UpperCase(rule.logTemplate);
    rules::StopRules again;
    const bool quoted = rule.condition.find('"') != std::string::npos ||
                        rule.logTemplate.find('"') != std::string::npos;
    if (!quoted) FUZZ_CHECK(again.Arm({upper}, records, points, bad, error) == ok);
    return 0;
}
