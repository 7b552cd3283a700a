#include "cli/console/log_output.h"

#include <gtest/gtest.h>

#include <cstring>

#include "state/var_record.h"

namespace varnolux::cli {
namespace {

uint32_t Bits(float f) {
    uint32_t b;
    std::memcpy(&b, &f, sizeof b);
    return b;
}

TEST(LogOutput, RawNumbersAreTheValuesOfTheirTypes) {
    const struct {
        int32_t type;
        uint32_t raw;
        const char* json;
    } cases[] = {
        {VT_BIT, 1, "1"},
        {VT_BYTE, 0xFFFFFF46, "70"},  // only the type's bytes count
        {VT_SBYTE, 0xFB, "-5"},
        {VT_WORD, 0xFFFF, "65535"},
        {VT_SWORD, 0xFFFE, "-2"},
        {VT_DWORD, 0xFFFFFFFF, "4294967295"},
        {VT_SDWORD, 0xFFFFFC18, "-1000"},
        {VT_FLOAT, Bits(21.5f), "21.5"},
        {VT_FLOAT, Bits(0.1f), "0.1"},
        {VT_FLOAT, Bits(-1.0e-7f), "-1e-07"},
        {VT_FLOAT, 0x7FC00000, "null"},  // NaN has no JSON number
        {0, 5, "null"},
    };
    for (const auto& c : cases) EXPECT_EQ(RawNumber(c.type, c.raw), c.json) << c.type;
}

LoggedDump OneDump() {
    LoggedDump d;
    d.DumpId = 5;
    d.PreviousDumpId = 1;
    d.elapsed = ".020 secs";
    d.elapsedSeconds = 0.0204;
    d.PacketCount = 9;
    d.status = {" Comms established", " Ver client 1.0   app 1.0", " COM1  115200", " 18F25K22  3"};
    d.dumpPointLabel = " DumpID 5 : top of the control loop";
    d.values.push_back(
        LoggedValue{"state", "\"F\"       70", "\"\\\"       92", true, VT_BYTE, 70, 92});
    d.values.push_back(LoggedValue{"trim", "-3", "", false, VT_SBYTE, 0xFD, 0});
    return d;
}

TEST(LogOutput, JsonCarriesTheNumbersBesideTheTexts) {
    const std::string line = LogRecord(LogFormat::Jsonl, OneDump());
    for (const char* part :
         {"\"elapsed\":\".020 secs\",\"elapsedSeconds\":0.020,",
          "\"status\":[\" Comms established\",",
          "\"statusParts\":{\"link\":\"Comms established\",\"load\":\"Ver client 1.0   "
          "app 1.0\",\"port\":\"COM1  115200\",\"device\":\"18F25K22  3\"}",
          "{\"VarLabel\":\"state\",\"value\":\"\\\"F\\\"       70\",\"previous\":"
          "\"\\\"\\\\\\\"       92\",\"raw\":70,\"previousRaw\":92}",
          "{\"VarLabel\":\"trim\",\"value\":\"-3\",\"raw\":-3}"})
        EXPECT_NE(line.find(part), std::string::npos) << part << "\n" << line;
    EXPECT_EQ(line.back(), '\n');
}

TEST(LogOutput, CsvHasOneQuotedRecordPerValueWithItsNumbers) {
    EXPECT_EQ(LogHeader(LogFormat::Csv),
              "DumpId,PreviousDumpId,elapsed,VarLabel,value,previous,raw,previousRaw,"
              "elapsedSeconds\n");
    EXPECT_EQ(LogRecord(LogFormat::Csv, OneDump()),
              "5,1,.020 secs,state,\"\"\"F\"\"       70\",\"\"\"\\\"\"       92\",70,92,0.020\n"
              "5,1,.020 secs,trim,-3,,-3,,0.020\n");
}

TEST(LogOutput, FirstDumpHasNoElapsedNumber) {
    LoggedDump d = OneDump();
    d.elapsed.clear();
    d.elapsedSeconds = -1;
    EXPECT_NE(LogRecord(LogFormat::Jsonl, d).find("\"elapsedSeconds\":null,"), std::string::npos);
    EXPECT_NE(LogRecord(LogFormat::Csv, d).find(",-3,,-3,,\n"), std::string::npos);
}

}  // namespace
}  // namespace varnolux::cli
