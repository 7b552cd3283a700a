#include "script/script_names.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "text/text_util.h"

namespace varnolux::script {

namespace {

// Edits (insert, delete, change one character, swap two neighbours) from `a` to `b`.
size_t EditDistance(const std::string& a, const std::string& b) {
    const size_t w = b.size() + 1;
    std::vector<size_t> d((a.size() + 1) * w);
    for (size_t i = 0; i <= a.size(); ++i) d[i * w] = i;
    for (size_t j = 0; j <= b.size(); ++j) d[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        for (size_t j = 1; j <= b.size(); ++j) {
            size_t best = std::min({d[(i - 1) * w + j] + 1, d[i * w + j - 1] + 1,
                                    d[(i - 1) * w + j - 1] + (a[i - 1] != b[j - 1])});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                best = std::min(best, d[(i - 2) * w + j - 2] + 1);
            d[i * w + j] = best;
        }
    }
    return d[a.size() * w + b.size()];
}

}  // namespace

int32_t FindRecord(const VarTable& records, const std::string& name) {
    const std::string lower = LowerCase(name);
    int32_t found = -1;
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].VarLabel == name) return static_cast<int32_t>(i);
        if (found < 0 && LowerCase(records[i].VarLabel) == lower) found = static_cast<int32_t>(i);
    }
    return found;
}

std::string UnknownVariable(const VarTable& records, const std::string& name) {
    const std::string lower = LowerCase(name);
    // A slip: at most a third of the name's letters, and never more than 3.
    const size_t allowed = std::min<size_t>(3, std::max<size_t>(1, lower.size() / 3));
    std::vector<std::pair<size_t, std::string>> near;
    for (const MyVarRecord& r : records) {
        if (r.VarRecordType == RT_ARRAY) continue;
        const size_t d = EditDistance(lower, LowerCase(r.VarLabel));
        if (d <= allowed) near.emplace_back(d, r.VarLabel);
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    near.erase(std::unique(near.begin(), near.end()), near.end());
    std::string text = "unknown variable \"" + name + "\"";
    if (near.empty()) return text;
    const size_t shown = std::min<size_t>(3, near.size());
    text += " (did you mean ";
    for (size_t i = 0; i < shown; ++i) {
        if (i > 0) text += i + 1 == shown ? " or " : ", ";
        text += near[i].second;
    }
    return text + "?)";
}

ValueRange TypeRange(int32_t varType) {
    switch (varType) {
        case VT_BIT:
            return {true, 0, 1};
        case VT_BYTE:
            return {true, 0, 255};
        case VT_WORD:
            return {true, 0, 65535};
        case VT_DWORD:
            return {true, 0, 4294967295LL};
        case VT_SBYTE:
            return {true, -128, 127};
        case VT_SWORD:
            return {true, -32768, 32767};
        case VT_SDWORD:
            return {true, -2147483648LL, 2147483647LL};
        default:
            return {};
    }
}

std::string OutOfRange(const MyVarRecord& record, int64_t value) {
    const ValueRange range = TypeRange(record.VarType);
    return std::to_string(value) + " is outside " + record.VarLabel + "'s range " +
           std::to_string(range.low) + " to " + std::to_string(range.high);
}

}  // namespace varnolux::script
