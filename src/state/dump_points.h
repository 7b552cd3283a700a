#pragma once
// The dump point table, indexed directly by DumpID 0..256 (1..255 used; entry 0
// is a scratch position for the recompile prompt), and the dump order list.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace varnolux {

constexpr int kDumpPointEntries = 257;

struct DumpPoint {
    int32_t file = 0;     // index into the source file list
    int32_t line = 0;     // 1-based; 0 = DumpID not used
    int32_t kind = 0;     // 0 = dump, 1 = dumpw
    std::string comment;  // without trailing blanks, at most 40 characters
};

struct DumpPointTable {
    std::array<DumpPoint, kDumpPointEntries> entries;
    std::vector<int32_t> order;  // DumpIDs in the order found, at most 257
};

}  // namespace varnolux
