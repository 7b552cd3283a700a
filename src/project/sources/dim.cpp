#include "project/sources/dim.h"

#include "text/text_util.h"

#include <algorithm>
#include <climits>

namespace varnolux {

namespace {

int32_t HeapElementSize(const std::string& type) {
    if (type == "byte" || type == "sbyte") return 1;
    if (type == "word" || type == "sword") return 2;
    if (type == "dword" || type == "sdword" || type == "float") return 4;
    return 0;
}

int32_t SignedTypeOf(const std::string& type) {
    if (type == "sbyte") return VT_SBYTE;
    if (type == "sword") return VT_SWORD;
    if (type == "sdword") return VT_SDWORD;
    return 0;
}

}  // namespace

LowerLabelIndex IndexLowerLabels(const VarTable& records) {
    LowerLabelIndex index;
    index.reserve(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        index.emplace(LowerCase(TrimTrailingBlanks(records[i].VarLabel)), i);
    }
    return index;
}

bool IsDimLine(const SourceLine& line) {
    return line.fields[0] == "dim" && line.fields[2] == "as";
}

void CountHeapBytes(const SourceLine& line, ProjectFacts& project) {
    if (line.fields[4] != "heap") return;
    const std::string& name = line.fields[1];
    int64_t count = 1;
    const size_t open = name.find('[');
    if (open != std::string::npos) {
        const size_t close = name.find(']', open);
        const std::string inside = name.substr(
            open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
        count = std::max<int64_t>(LeadingDecimal(inside), 1);
    }
    const int64_t total = project.heapTotal + count * HeapElementSize(line.fields[3]);
    project.heapTotal = static_cast<int32_t>(std::min<int64_t>(total, INT32_MAX));
}

void ApplyDimFacts(const SourceLine& line, VarTable& records, const LowerLabelIndex& index) {
    if (line.fields[4] == "system") return;
    const std::string& declared = line.fields[1];
    const auto found = index.find(declared.substr(0, declared.find('[')));
    if (found == index.end()) return;
    const size_t at = found->second;
    records[at].VarComment = line.comment.substr(0, kVarCommentWidth);

    const int32_t signedType = SignedTypeOf(line.fields[3]);
    if (signedType == 0) return;
    size_t last = at;
    if (records[at].VarRecordType == RT_ARRAY && records[at].VarLen > 0) {
        last = std::min(at + static_cast<size_t>(records[at].VarLen), records.size() - 1);
    }
    for (size_t i = at; i <= last; ++i) {
        records[i].VarType = signedType;
        records[i].VarDisplayType = DT_DECIMAL;
    }
}

}  // namespace varnolux
