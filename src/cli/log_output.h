#pragma once
// What "varnolux-cli log" prints for each completed transaction, as text, CSV
// or one JSON object per line whose keys are a stable contract for scripts.
#include <array>
#include <string>
#include <vector>

namespace varnolux::cli {

enum class LogFormat { Text, Csv, Jsonl };

struct LoggedValue {
    std::string VarLabel;
    std::string value;
    std::string previous;
    bool hasPrevious = false;  // VarPreviousInit is 1
};

struct LoggedDump {
    int DumpId = -1;
    int PreviousDumpId = -1;
    std::string elapsed;
    int PacketCount = 0;
    std::array<std::string, 4> status;
    std::string dumpPointLabel;
    std::string transitionLabel;
    std::vector<LoggedValue> values;  // records with a value, in table order
};

// The header line of the format (CSV only), empty otherwise.
std::string LogHeader(LogFormat format);
std::string LogRecord(LogFormat format, const LoggedDump& dump);

}  // namespace varnolux::cli
