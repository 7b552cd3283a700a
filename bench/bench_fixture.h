#pragma once
// Set-up the benchmarks share: record tables as a listing gives them, and the
// project scan on files in memory.
#include <string>

#include "project/load/sequence.h"
#include "state/session.h"
#include "support/make_record.h"
#include "support/memory_session_rig.h"

namespace varnolux {

// `count` variables named `prefix`0, `prefix`1, ... of every type in turn, four
// bytes apart from 0x20; a bit variable is bit (i % 8) of its byte.
inline VarTable EveryTypeRecords(size_t count, const std::string& prefix) {
    static const int32_t kTypes[] = {VT_BIT,   VT_BYTE,  VT_WORD,   VT_DWORD,
                                     VT_SBYTE, VT_SWORD, VT_SDWORD, VT_FLOAT};
    VarTable records;
    for (size_t i = 0; i < count; ++i) {
        const int32_t type = kTypes[i % 8];
        records.push_back(MakeRecord(prefix + std::to_string(i), type,
                                     0x20 + 4 * static_cast<int32_t>(i),
                                     type == VT_BIT ? static_cast<int32_t>(i % 8) : 1));
    }
    return records;
}

// RunProjectScan of the listing `listingName` with the device files in PPI, on
// the files of `os`, every other seam in memory.
inline void ScanInMemory(Session& session, HostOs& os, const std::string& listingName) {
    session.settings.PPI = "PPI";
    session.project.listingName = listingName;
    session.project.settingsPath = "Varnolux.ini";
    MemorySeamsAround<> around(os);
    RunProjectScan(session, around.seams);
}

}  // namespace varnolux
