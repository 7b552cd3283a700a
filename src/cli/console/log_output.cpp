#include "cli/console/log_output.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "state/var_record.h"
#include "text/text_encoding.h"
#include "text/text_util.h"

namespace varnolux::cli {

namespace {

std::string TextRecord(const LoggedDump& d) {
    std::string out = "DumpID " + std::to_string(d.DumpId);
    // The transition label carries the elapsed text; without one it stands alone.
    if (!d.transitionLabel.empty())
        out += "  (" + VisibleText(d.transitionLabel) + " )";
    else if (!d.elapsed.empty())
        out += "  " + VisibleText(d.elapsed);
    out += "  packets " + std::to_string(d.PacketCount) + "\n";
    for (const LoggedValue& v : d.values) {
        out += "  " + VisibleText(v.VarLabel) + " = " + VisibleText(v.value);
        if (v.hasPrevious) out += "   (was " + VisibleText(v.previous) + ")";
        out += "\n";
    }
    return out;
}

std::string SecondsNumber(double seconds) {
    if (seconds < 0) return "null";
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", seconds);
    return text;
}

// A number for CSV: the JSON number, or an empty field for none.
std::string CsvNumber(const std::string& json) {
    return json == "null" ? std::string() : json;
}

// Records end in a line feed, as every line the console writes: its standard
// output is a text stream, which on Windows writes it as CR LF.
std::string CsvRecord(const LoggedDump& d) {
    std::string out;
    for (const LoggedValue& v : d.values)
        out += std::to_string(d.DumpId) + "," + std::to_string(d.PreviousDumpId) + "," +
               CsvField(d.elapsed) + "," + CsvField(v.VarLabel) + "," + CsvField(v.value) + "," +
               (v.hasPrevious ? CsvField(v.previous) : std::string()) + "," +
               CsvNumber(RawNumber(v.VarType, v.VarValue)) + "," +
               (v.hasPrevious ? CsvNumber(RawNumber(v.VarType, v.VarPrevious)) : std::string()) +
               "," + CsvNumber(SecondsNumber(d.elapsedSeconds)) + "\n";
    return out;
}

std::string JsonRecord(const LoggedDump& d) {
    std::string out = "{\"DumpId\":" + std::to_string(d.DumpId) +
                      ",\"PreviousDumpId\":" + std::to_string(d.PreviousDumpId) +
                      ",\"elapsed\":" + JsonString(d.elapsed) +
                      ",\"elapsedSeconds\":" + SecondsNumber(d.elapsedSeconds) +
                      ",\"PacketCount\":" + std::to_string(d.PacketCount) + ",\"status\":[";
    for (size_t i = 0; i < d.status.size(); ++i) out += (i ? "," : "") + JsonString(d.status[i]);
    out += "],\"statusParts\":{";
    static const char* const kParts[] = {"link", "load", "port", "device"};
    for (size_t i = 0; i < d.status.size(); ++i)
        out += std::string(i ? "," : "") + "\"" + kParts[i] +
               "\":" + JsonString(TrimBlanks(d.status[i]));
    out += "},\"labels\":{\"dumpPoint\":" + JsonString(d.dumpPointLabel) +
           ",\"transition\":" + JsonString(d.transitionLabel) + "},\"values\":[";
    for (size_t i = 0; i < d.values.size(); ++i) {
        const LoggedValue& v = d.values[i];
        out += std::string(i ? "," : "") + "{\"VarLabel\":" + JsonString(v.VarLabel) +
               ",\"value\":" + JsonString(v.value);
        if (v.hasPrevious) out += ",\"previous\":" + JsonString(v.previous);
        out += ",\"raw\":" + RawNumber(v.VarType, v.VarValue);
        if (v.hasPrevious) out += ",\"previousRaw\":" + RawNumber(v.VarType, v.VarPrevious);
        out += "}";
    }
    return out + "]}\n";
}

}  // namespace

std::string RawNumber(int32_t varType, uint32_t raw) {
    switch (varType) {
        case VT_BIT:
            return std::to_string(raw & 1u);
        case VT_BYTE:
            return std::to_string(raw & 0xFFu);
        case VT_SBYTE:
            return std::to_string(static_cast<int8_t>(raw & 0xFFu));
        case VT_WORD:
            return std::to_string(raw & 0xFFFFu);
        case VT_SWORD:
            return std::to_string(static_cast<int16_t>(raw & 0xFFFFu));
        case VT_DWORD:
            return std::to_string(raw);
        case VT_SDWORD:
            return std::to_string(static_cast<int32_t>(raw));
        case VT_FLOAT: {
            float f;
            std::memcpy(&f, &raw, sizeof f);
            if (!std::isfinite(f)) return "null";
            // The shortest text that reads back as the same float.
            char text[32];
            for (int digits = 6; digits <= 9; ++digits) {
                std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(f));
                if (std::strtof(text, nullptr) == f) break;
            }
            return text;
        }
        default:
            return "null";
    }
}

std::string LogHeader(LogFormat format) {
    return format == LogFormat::Csv
               ? "DumpId,PreviousDumpId,elapsed,VarLabel,value,previous,raw,previousRaw,"
                 "elapsedSeconds\n"
               : std::string();
}

std::string LogRecord(LogFormat format, const LoggedDump& dump) {
    switch (format) {
        case LogFormat::Csv:
            return CsvRecord(dump);
        case LogFormat::Jsonl:
            return JsonRecord(dump);
        default:
            return TextRecord(dump);
    }
}

}  // namespace varnolux::cli
