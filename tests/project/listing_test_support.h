#pragma once
// Listings in the assembler's shape for the listing tests: columns for value or
// address and object words, a 5-digit line number, CR LF line ends.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "project/listing/files.h"
#include "project/listing/reader.h"
#include "state/session.h"
#include "support/memory_session_rig.h"

namespace varnolux::testing {

// "                      00012 text": a source line without value or address.
inline std::string SourceLine(int number, const std::string& text) {
    char prefix[40];
    std::snprintf(prefix, sizeof prefix, "%-22s%05d ", "", number);
    return prefix + text;
}

// "0000A8 6E36           00039 text": an instruction line with its object words.
inline std::string CodeLine(int address, const std::string& words, int number,
                            const std::string& text) {
    char columns[64];
    char addressWords[40];
    std::snprintf(addressWords, sizeof addressWords, "%06X %s", address, words.c_str());
    std::snprintf(columns, sizeof columns, "%-22s%05d ", addressWords, number);
    return columns + text;
}

// The last instruction and the end label that close every complete listing,
// with CR LF line ends.
inline std::string EndOfProgram() {
    return CodeLine(0x1CA, "EFE5 F000", 900, "        GOTO PROTON_END") + "\r\n" +
           CodeLine(0x1CE, "", 901, "__EOF") + "\r\n";
}

// Source lines numbered from 1, joined with CR LF.
inline std::string Listing(const std::vector<std::string>& texts) {
    std::string out;
    int number = 1;
    for (const std::string& t : texts) out += SourceLine(number++, t) + "\r\n";
    return out;
}

inline std::string ReadFixture(const std::string& relative) {
    std::ifstream in(std::string(VARNOLUX_SOURCE_DIR) + "/tests/fixtures/listing/" + relative,
                     std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class ListingTest : public ::testing::Test, protected MemorySessionRig<> {
  protected:
    ListingTest() {
        session.project.listingName = "MAIN.lst";
        session.settings.PPI = "C:\\PDS\\PPI";
        os.programFolder = "";
        os.PutFile("C:\\PDS\\PPI\\P18F25K22.PPI", ReadFixture("PPI/P18F25K22.PPI"));
    }

    bool Read(const std::string& text) {
        os.PutFile("MAIN.lst", text);
        return ReadListing(session, seams);
    }

    const MyVarRecord* Find(const std::string& label) const {
        for (const MyVarRecord& r : session.records) {
            if (r.VarLabel == label) return &r;
        }
        return nullptr;
    }
};

}  // namespace varnolux::testing
