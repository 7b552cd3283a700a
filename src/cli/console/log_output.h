#pragma once
// What "varnolux-cli log" prints for each completed transaction, as text, CSV
// or one JSON object per line whose keys are a stable contract for scripts.
// Beside the display texts the main window shows, CSV and JSON carry the data
// behind them: raw values as numbers, the elapsed time in seconds and the
// status-bar parts without their padding blanks.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace varnolux::cli {

enum class LogFormat { Text, Csv, Jsonl };

struct LoggedValue {
    std::string VarLabel;
    std::string value;
    std::string previous;
    bool hasPrevious = false;  // VarPreviousInit is 1
    int32_t VarType = 0;
    uint32_t VarValue = 0;  // the raw values behind the two texts
    uint32_t VarPrevious = 0;
};

struct LoggedDump {
    int DumpId = -1;
    int PreviousDumpId = -1;
    std::string elapsed;
    double elapsedSeconds = -1;  // the same as a number; negative while there is none
    int PacketCount = 0;
    std::array<std::string, 4> status;
    std::string dumpPointLabel;
    std::string transitionLabel;
    std::vector<LoggedValue> values;  // records with a value, in table order
};

// A raw value as a JSON number: the integer of its type (signed types signed),
// a float as the float; "null" for a value that has no number (NaN, infinity,
// an unknown type).
std::string RawNumber(int32_t varType, uint32_t raw);

// The header line of the format (CSV only), empty otherwise.
std::string LogHeader(LogFormat format);
std::string LogRecord(LogFormat format, const LoggedDump& dump);

}  // namespace varnolux::cli
