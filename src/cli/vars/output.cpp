#include "cli/vars/output.h"

#include <cstdio>

#include "text/text_encoding.h"
#include "text/text_util.h"
#include "vars/main_list.h"
#include "vars/value_format.h"

namespace varnolux::cli {

namespace {

std::string Padded(const std::string& text, size_t width) {
    return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

// Builds "{"a": 1, "b": "x"}" one member at a time.
class JsonObject {
  public:
    JsonObject& Number(const char* key, int64_t value) { return Raw(key, std::to_string(value)); }
    JsonObject& Text(const char* key, const std::string& value) {
        return Raw(key, JsonString(value));
    }
    JsonObject& Raw(const char* key, const std::string& json) {
        text_ += (text_.empty() ? "{" : ", ") + JsonString(key) + ": " + json;
        return *this;
    }
    std::string Done() const { return text_.empty() ? "{}" : text_ + "}"; }

  private:
    std::string text_;
};

std::string JsonArray(const std::vector<std::string>& items, const std::string& indent) {
    if (items.empty()) return "[]";
    std::string out = "[\n";
    for (size_t i = 0; i < items.size(); ++i) {
        out += indent + "  " + items[i] + (i + 1 < items.size() ? ",\n" : "\n");
    }
    return out + indent + "]";
}

std::string RecordJson(const MyVarRecord& r) {
    return JsonObject()
        .Text("VarLabel", TrimTrailingBlanks(r.VarLabel))
        .Number("VarRecordType", r.VarRecordType)
        .Number("VarType", r.VarType)
        .Text("VarTypeName", VarTypeName(r.VarType))
        .Number("VarAddress", r.VarAddress)
        .Number("VarLen", r.VarLen)
        .Number("VarDisplayType", r.VarDisplayType)
        .Number("AddDisplayType", r.AddDisplayType)
        .Number("VarIsExpanded", r.VarIsExpanded)
        .Number("VarFirstTime", r.VarFirstTime)
        .Number("VarInWatchList", r.VarInWatchList)
        .Text("VarComment", TrimTrailingBlanks(r.VarComment))
        .Done();
}

std::string DeviceJson(const DeviceDescription& d) {
    std::vector<std::string> ports;
    for (size_t p = 0; p < d.Ports.size(); ++p) {
        const PortRecord& port = d.Ports[p];
        std::vector<std::string> pins;
        for (const std::string& pin : port.PinNames) pins.push_back(JsonString(pin));
        std::string pinList = "[";
        for (size_t i = 0; i < pins.size(); ++i) pinList += (i ? ", " : "") + pins[i];
        ports.push_back(JsonObject()
                            .Text("port", std::string(1, static_cast<char>('A' + p)))
                            .Number("present", port.Present)
                            .Number("directionPresent", port.DirectionPresent)
                            .Number("implementedBits", port.ImplementedBits)
                            .Raw("pinNames", pinList + "]")
                            .Done());
    }
    return JsonObject()
        .Text("listingDeviceName", d.ListingDeviceName)
        .Text("sourceDeviceName", d.SourceDeviceName)
        .Number("core", d.Core)
        .Number("codeSize", d.CodeSize)
        .Number("eepromSize", d.EepromSize)
        .Raw("ports", JsonArray(ports, "    "))
        .Done();
}

}  // namespace

std::string VarsTable(const Session& session) {
    std::string out;
    for (const MyVarRecord& r : session.records) {
        const std::string label = TrimTrailingBlanks(r.VarLabel);
        const std::string line =
            Padded(r.VarRecordType == RT_SUBSCRIPT ? "  " + label : label, 22) +
            Padded(ListTypeText(r), 12) + Padded(FormatAddress(r), 8) +
            Padded(std::to_string(r.VarLen), 5) + (r.VarInWatchList ? "W " : "  ") +
            TrimTrailingBlanks(r.VarComment);
        out += Utf8Text(TrimTrailingBlanks(line)) + "\n";
    }
    return out;
}

std::string VarsJson(const Session& session, const std::vector<std::string>& messages) {
    std::vector<std::string> records;
    for (const MyVarRecord& r : session.records) records.push_back(RecordJson(r));

    std::vector<std::string> points;
    for (int32_t id : session.dumpPoints.order) {
        const DumpPoint& p = session.dumpPoints.entries[id];
        points.push_back(JsonObject()
                             .Number("DumpId", id)
                             .Number("file", p.file)
                             .Number("line", p.line)
                             .Text("kind", p.kind == 1 ? "dumpw" : "dump")
                             .Text("comment", p.comment)
                             .Done());
    }
    std::vector<std::string> files;
    for (const std::string& f : session.project.sourceFiles) files.push_back(JsonString(f));
    std::vector<std::string> texts;
    for (const std::string& m : messages) texts.push_back(JsonString(m));

    const RomReference& rom = session.project.romReference;
    const std::string romJson = JsonObject()
                                    .Number("address", rom.address)
                                    .Number("firstWord", rom.firstWord)
                                    .Number("secondWord", rom.secondWord)
                                    .Number("wordCount", rom.wordCount)
                                    .Done();
    std::string out = "{\n";
    out += "  \"records\": " + JsonArray(records, "  ") + ",\n";
    out += "  \"dumpPoints\": " + JsonArray(points, "  ") + ",\n";
    out += "  \"sourceFiles\": " + JsonArray(files, "  ") + ",\n";
    out += "  \"device\": " + DeviceJson(session.device) + ",\n";
    out += "  \"romReference\": " + romJson + ",\n";
    out += "  \"heapTotal\": " + std::to_string(session.project.heapTotal) + ",\n";
    out += "  \"messages\": " + JsonArray(texts, "  ") + "\n";
    return out + "}\n";
}

}  // namespace varnolux::cli
