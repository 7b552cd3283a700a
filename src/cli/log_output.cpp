#include "cli/log_output.h"

#include "cli/vars_output.h"

namespace varnolux::cli {

namespace {

std::string CsvField(const std::string& text) {
    const std::string utf8 = Utf8FromLatin1(text);
    if (utf8.find_first_of(",\"\r\n") == std::string::npos) return utf8;
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string TextRecord(const LoggedDump& d) {
    std::string out = "DumpID " + std::to_string(d.DumpId);
    // The transition label carries the elapsed text; without one it stands alone.
    if (!d.transitionLabel.empty())
        out += "  (" + Utf8FromLatin1(d.transitionLabel) + " )";
    else if (!d.elapsed.empty())
        out += "  " + Utf8FromLatin1(d.elapsed);
    out += "  packets " + std::to_string(d.PacketCount) + "\n";
    for (const LoggedValue& v : d.values) {
        out += "  " + Utf8FromLatin1(v.VarLabel) + " = " + Utf8FromLatin1(v.value);
        if (v.hasPrevious) out += "   (was " + Utf8FromLatin1(v.previous) + ")";
        out += "\n";
    }
    return out;
}

std::string CsvRecord(const LoggedDump& d) {
    std::string out;
    for (const LoggedValue& v : d.values)
        out += std::to_string(d.DumpId) + "," + std::to_string(d.PreviousDumpId) + "," +
               CsvField(d.elapsed) + "," + CsvField(v.VarLabel) + "," + CsvField(v.value) + "," +
               (v.hasPrevious ? CsvField(v.previous) : std::string()) + "\n";
    return out;
}

std::string JsonRecord(const LoggedDump& d) {
    std::string out = "{\"DumpId\":" + std::to_string(d.DumpId) +
                      ",\"PreviousDumpId\":" + std::to_string(d.PreviousDumpId) +
                      ",\"elapsed\":" + JsonString(d.elapsed) +
                      ",\"PacketCount\":" + std::to_string(d.PacketCount) + ",\"status\":[";
    for (size_t i = 0; i < d.status.size(); ++i) out += (i ? "," : "") + JsonString(d.status[i]);
    out += "],\"labels\":{\"dumpPoint\":" + JsonString(d.dumpPointLabel) +
           ",\"transition\":" + JsonString(d.transitionLabel) + "},\"values\":[";
    for (size_t i = 0; i < d.values.size(); ++i) {
        const LoggedValue& v = d.values[i];
        out += std::string(i ? "," : "") + "{\"VarLabel\":" + JsonString(v.VarLabel) +
               ",\"value\":" + JsonString(v.value);
        if (v.hasPrevious) out += ",\"previous\":" + JsonString(v.previous);
        out += "}";
    }
    return out + "]}\n";
}

}  // namespace

std::string LogHeader(LogFormat format) {
    return format == LogFormat::Csv ? "DumpId,PreviousDumpId,elapsed,VarLabel,value,previous\n"
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
