#pragma once
// One record per simple variable, array and array element, in listing order.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace varnolux {

enum RecordType : int32_t { RT_VARIABLE = 1, RT_ARRAY = 2, RT_SUBSCRIPT = 3, RT_PORT = 4 };

enum ValueType : int32_t {
    VT_BIT = 1,
    VT_BYTE = 2,
    VT_WORD = 3,
    VT_DWORD = 4,
    VT_SBYTE = 5,
    VT_SWORD = 6,
    VT_SDWORD = 7,
    VT_FLOAT = 8,
    VT_PORT = 9
};

enum DisplayType : int32_t { DT_NOCHANGE = 0, DT_DECIMAL = 1, DT_HEX = 2, DT_BINARY = 3 };

constexpr size_t kVarLabelWidth = 50;
constexpr size_t kVarCommentWidth = 50;
constexpr size_t kVarExistingDispWidth = 20;
constexpr size_t kMaxRecords = 2000;

struct MyVarRecord {
    std::string VarLabel;  // kept without trailing blanks, at most 50 characters
    int32_t VarRecordType = RT_VARIABLE;
    int32_t VarType = 0;
    int32_t VarAddress = 0;
    int32_t VarLen = 1;
    int32_t VarDisplayType = DT_DECIMAL;
    int32_t AddDisplayType = DT_HEX;
    uint32_t VarValue = 0;
    uint32_t VarPrevious = 0;
    std::array<uint32_t, 8> VarLast{};
    std::array<int32_t, 8> DumpIDLast{};
    int32_t VarIsExpanded = 0;
    int32_t VarIsHighLight = 0;
    int32_t VarIsHidden = 0;
    int32_t VarValueInit = 0;
    int32_t VarPreviousInit = 0;
    int32_t VarFirstTime = 0;
    int32_t VarInWatchList = 0;
    std::string VarComment;       // without trailing blanks, at most 50 characters
    std::string VarExistingDisp;  // owned by the Watch window
};

// The record table, in creation order; never more than kMaxRecords entries.
using VarTable = std::vector<MyVarRecord>;

}  // namespace varnolux
