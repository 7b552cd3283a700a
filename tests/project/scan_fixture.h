#pragma once
// A session with in-memory seams for the source, device and load tests.
#include <gtest/gtest.h>

#include <string>

#include "state/session.h"
#include "support/memory_session_rig.h"

namespace varnolux::testing {

class ScanFixture : public ::testing::Test, protected MemorySessionRig<> {
  protected:
    ScanFixture() { os.programFolder = ""; }

    MyVarRecord& AddRecord(const std::string& label, int32_t type, int32_t recordType = RT_VARIABLE,
                           int32_t len = 1) {
        MyVarRecord r;
        r.VarLabel = label;
        r.VarType = type;
        r.VarRecordType = recordType;
        r.VarLen = len;
        session.records.push_back(r);
        return session.records.back();
    }

    // An array record followed by its elements.
    void AddArray(const std::string& label, int32_t type, int32_t count) {
        AddRecord(label, type, RT_ARRAY, count);
        for (int32_t j = 0; j < count; ++j) {
            AddRecord(label + "#" + std::to_string(j), type, RT_SUBSCRIPT);
        }
    }

    // Files end in CR LF, as the compiler's tools write them.
    void PutSource(const std::string& path, const std::string& lfText) {
        std::string crlf;
        for (char c : lfText) {
            if (c == '\n') crlf += '\r';
            crlf += c;
        }
        os.PutFile(path, crlf);
    }
};

}  // namespace varnolux::testing
