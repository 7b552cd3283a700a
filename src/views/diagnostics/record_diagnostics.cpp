#include "views/diagnostics/record_diagnostics.h"

#include "link/link_text.h"
#include "text/text_util.h"

namespace varnolux {

namespace {

constexpr const char* kUnknown = "???";

std::string RecordTypeName(int32_t type) {
    switch (type) {
        case RT_VARIABLE:
            return "RT_VARIABLE";
        case RT_ARRAY:
            return "RT_ARRAY";
        case RT_SUBSCRIPT:
            return "RT_SUBSCRIPT";
        case RT_PORT:
            return "RT_PORT";
        default:
            return kUnknown;
    }
}

std::string ValueTypeName(int32_t type) {
    switch (type) {
        case VT_BIT:
            return "VT_BIT ";
        case VT_BYTE:
            return "VT_BYTE";
        case VT_WORD:
            return "VT_WORD";
        case VT_DWORD:
            return "VT_DWORD";
        case VT_SBYTE:
            return "VT_SBYTE";
        case VT_SWORD:
            return "VT_SWORD";
        case VT_SDWORD:
            return "VT_SDWORD";
        case VT_FLOAT:
            return "VT_FLOAT";
        case VT_PORT:
            return "VT_PORT";
        default:
            return kUnknown;
    }
}

std::string DisplayTypeName(int32_t type) {
    switch (type) {
        case DT_NOCHANGE:
            return "DT_NOCHANGE";
        case DT_DECIMAL:
            return "DT_DECIMAL";
        case DT_HEX:
            return "DT_HEX";
        case DT_BINARY:
            return "DT_BINARY";
        default:
            return kUnknown;
    }
}

// A flag by its two names, "???" for any other value.
std::string FlagName(int32_t flag, const char* zero, const char* one) {
    if (flag == 0) return zero;
    if (flag == 1) return one;
    return kUnknown;
}

// A stored 32-bit value read as unsigned, with the leading blank of a number.
std::string Unsigned(uint32_t value) {
    return SignPadded(value);
}

}  // namespace

const std::vector<std::string>& DiagnosticsHeaders() {
    static const std::vector<std::string> headers = [] {
        std::vector<std::string> h = {
            "Index",      "VarLabel        ", "VarRecordType      ", "VarType       ",
            "VarAddress", "VarLen",           "VarDisplayType     ", "AddDisplayType",
            "VarValue",   "VarPrevious"};
        for (int j = 0; j < 8; ++j) {
            h.push_back("VarLast(" + std::to_string(j) + ")");
            h.push_back("DumpIDLast(" + std::to_string(j) + ")");
        }
        for (const char* name : {"VarIsExpanded", "VarIsHighLight", "VarIsHidden", "VarValueInit",
                                 "VarPreviousInit", "VarFirstTime", "VarInWatchList", "VarComment",
                                 "VarExistingDisp", "Varlabel", "Index"})
            h.push_back(name);
        return h;
    }();
    return headers;
}

bool IsDiagnosticsLabelColumn(int column) {
    const std::vector<std::string>& h = DiagnosticsHeaders();
    return column == 1 || column == static_cast<int>(h.size()) - 2;
}

std::vector<std::string> DiagnosticsCells(int index, const MyVarRecord& r) {
    const std::string label = TrimTrailingBlanks(r.VarLabel);
    std::vector<std::string> cells = {std::to_string(index),
                                      label,
                                      RecordTypeName(r.VarRecordType),
                                      ValueTypeName(r.VarType),
                                      SignPadded(r.VarAddress),
                                      SignPadded(r.VarLen),
                                      DisplayTypeName(r.VarDisplayType),
                                      DisplayTypeName(r.AddDisplayType),
                                      Unsigned(r.VarValue),
                                      Unsigned(r.VarPrevious)};
    for (size_t j = 0; j < r.VarLast.size(); ++j) {
        cells.push_back(Unsigned(r.VarLast[j]));
        cells.push_back(Unsigned(static_cast<uint32_t>(r.DumpIDLast[j])));
    }
    cells.push_back(FlagName(r.VarIsExpanded, "Not", "Expanded"));
    cells.push_back(FlagName(r.VarIsHighLight, "Not", "High"));
    cells.push_back(FlagName(r.VarIsHidden, "Not", "Hidden"));
    cells.push_back(FlagName(r.VarValueInit, "Not", "Init"));
    cells.push_back(FlagName(r.VarPreviousInit, "Not", "Init"));
    cells.push_back(FlagName(r.VarFirstTime, "Yes", "Never"));
    cells.push_back(FlagName(r.VarInWatchList, "Not", "In"));
    cells.push_back(r.VarComment);
    cells.push_back(r.VarExistingDisp);
    cells.push_back(label);
    cells.push_back(std::to_string(index));
    return cells;
}

std::vector<std::vector<std::string>> DiagnosticsRows(const VarTable& records) {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(records.size());
    for (size_t i = 0; i < records.size(); ++i)
        rows.push_back(DiagnosticsCells(static_cast<int>(i), records[i]));
    return rows;
}

}  // namespace varnolux
