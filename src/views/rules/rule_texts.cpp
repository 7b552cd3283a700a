#include "views/rules/rule_texts.h"

namespace varnolux {

namespace {

constexpr const char* kMarkStart = "   [";

}  // namespace

std::string FiringStatusText(const rules::Firing& firing) {
    return " Rule " + std::to_string(firing.rule + 1) + " fired at DumpID " +
           std::to_string(firing.DumpId) + ": " + firing.summary;
}

std::string TitleWithHold(const std::string& title, HoldShown hold, size_t rule, int32_t dumpId) {
    std::string plain = title;
    const size_t mark = plain.rfind(kMarkStart);
    if (mark != std::string::npos && plain.back() == ']') plain.erase(mark);
    if (hold == HoldShown::None) return plain;
    return plain + kMarkStart + (hold == HoldShown::Held ? "held" : "frozen") + " by rule " +
           std::to_string(rule + 1) + " at DumpID " + std::to_string(dumpId) + "]";
}

std::string RuleLogPath(const std::string& programFolder, const std::string& baseName) {
    return programFolder + (baseName.empty() ? std::string("Varnolux") : baseName) + ".rules.log";
}

}  // namespace varnolux
