#include "views/diagnostics/record_diagnostics.h"

#include "link/line/link_text.h"
#include "text/text_util.h"

namespace varnolux {

namespace {

constexpr const char* kUnknown = "???";

struct Named {
    int32_t value;
    const char* name;
};

constexpr Named kRecordTypes[] = {{RT_VARIABLE, "RT_VARIABLE"},
                                  {RT_ARRAY, "RT_ARRAY"},
                                  {RT_SUBSCRIPT, "RT_SUBSCRIPT"},
                                  {RT_PORT, "RT_PORT"}};
constexpr Named kValueTypes[] = {
    {VT_BIT, "VT_BIT "},      {VT_BYTE, "VT_BYTE"},   {VT_WORD, "VT_WORD"},
    {VT_DWORD, "VT_DWORD"},   {VT_SBYTE, "VT_SBYTE"}, {VT_SWORD, "VT_SWORD"},
    {VT_SDWORD, "VT_SDWORD"}, {VT_FLOAT, "VT_FLOAT"}, {VT_PORT, "VT_PORT"}};
constexpr Named kDisplayTypes[] = {{DT_NOCHANGE, "DT_NOCHANGE"},
                                   {DT_DECIMAL, "DT_DECIMAL"},
                                   {DT_HEX, "DT_HEX"},
                                   {DT_BINARY, "DT_BINARY"}};

// The value's name in the table, "???" for any other value.
template <size_t N>
std::string NameOf(int32_t value, const Named (&names)[N]) {
    for (const Named& n : names)
        if (n.value == value) return n.name;
    return kUnknown;
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
                                      NameOf(r.VarRecordType, kRecordTypes),
                                      NameOf(r.VarType, kValueTypes),
                                      SignPadded(r.VarAddress),
                                      SignPadded(r.VarLen),
                                      NameOf(r.VarDisplayType, kDisplayTypes),
                                      NameOf(r.AddDisplayType, kDisplayTypes),
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
