#include "sim/core/sim_truth.h"

#include <algorithm>
#include <cstdio>

#include "vars/record_update.h"
#include "vars/value_format.h"

namespace varnolux::sim {

std::string JsonEscape(const std::string& text) {
    std::string out;
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u >= 0x80) {  // the program's texts are Latin-1
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out;
}

std::string TruthJson(const Session& loaded, const TargetMemory& memory, int32_t dumpId) {
    DumpImage image;
    for (size_t a = 0; a < image.RamImage.size() && a < memory.ram.size(); ++a) {
        image.RamImage[a].Implemented = loaded.image.RamImage[a].Implemented;
        image.RamImage[a].Received = 1;
        image.RamImage[a].Value = memory.ram[a];
    }
    image.DumpId = dumpId;
    VarTable records = loaded.records;
    for (MyVarRecord& r : records) {
        r.VarValueInit = 0;
        r.VarPreviousInit = 0;
        r.VarDisplayType = DT_DECIMAL;
    }
    UpdateRecordsFromDump(records, image);
    std::string json = "{\"DumpId\":" + std::to_string(dumpId) + ",\"values\":[";
    bool first = true;
    for (const MyVarRecord& r : records) {
        if (r.VarValueInit != 1) continue;
        ValueTexts texts;
        if (!FormatValue(r, texts)) continue;
        json += std::string(first ? "" : ",") + "{\"VarLabel\":\"" + JsonEscape(r.VarLabel) +
                "\",\"value\":\"" + JsonEscape(texts.value) + "\"}";
        first = false;
    }
    const size_t eepromSize = static_cast<size_t>(std::max(loaded.device.EepromSize, 0));
    return json + "],\"eeprom\":\"" + HexBytes(memory.eeprom, eepromSize) + "\"}\n";
}

std::string HexBytes(const std::vector<uint8_t>& bytes, size_t size) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (size_t i = 0; i < size && i < bytes.size(); ++i) {
        hex += kDigits[bytes[i] >> 4];
        hex += kDigits[bytes[i] & 0x0F];
    }
    return hex;
}

}  // namespace varnolux::sim
