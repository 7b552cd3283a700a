#include "dap/dap_variables.h"

#include "vars/main_list.h"
#include "vars/value_format.h"
#include "views/eeprom/eeprom_rows.h"

namespace varnolux::dap {

namespace {

constexpr int32_t kEepromBytesPerRow = 8;
constexpr const char* kPortLetters = "ABCDE";
constexpr int kShownPortCount = 5;  // the protocol sends A .. E

Json Scope(const char* name, long reference, size_t count) {
    Json s = Json::Object();
    s.Set("name", name).Set("variablesReference", reference).Set("namedVariables", count);
    s.Set("expensive", false);
    return s;
}

Json Variable(const std::string& name, const std::string& value, const std::string& type,
              long reference = 0) {
    Json v = Json::Object();
    v.Set("name", name).Set("value", value).Set("type", type);
    v.Set("variablesReference", reference);
    return v;
}

bool Listed(const MyVarRecord& r) {
    return r.VarRecordType != RT_SUBSCRIPT && !IsDumpSupportLabel(r.VarLabel);
}

size_t ListedCount(const VarTable& records) {
    size_t n = 0;
    for (const MyVarRecord& r : records) n += Listed(r) ? 1 : 0;
    return n;
}

size_t PresentPorts(const StopView& view) {
    if (!view.portsReceived) return 0;
    size_t n = 0;
    for (int p = 0; p < kShownPortCount; ++p) n += view.ports[p].Present != 0 ? 1 : 0;
    return n;
}

Json RecordVariable(const VarTable& records, size_t i, bool hex) {
    const MyVarRecord& r = records[i];
    if (r.VarRecordType != RT_ARRAY) {
        Json v = Variable(r.VarLabel, RecordValueText(r, hex), ListTypeText(r));
        v.Set("evaluateName", r.VarLabel);
        return v;
    }
    Json v =
        Variable(r.VarLabel, ListTypeText(r), ListTypeText(r), kArrayBase + static_cast<long>(i));
    v.Set("indexedVariables", r.VarLen);
    return v;
}

Json TopVariables(const StopView& view, bool hex) {
    Json list = Json::Array();
    for (size_t i = 0; i < view.records.size(); ++i)
        if (Listed(view.records[i])) list.Push(RecordVariable(view.records, i, hex));
    return list;
}

Json ArrayElements(const StopView& view, size_t array, bool hex) {
    Json list = Json::Array();
    for (size_t i = array + 1;
         i < view.records.size() && view.records[i].VarRecordType == RT_SUBSCRIPT; ++i)
        list.Push(RecordVariable(view.records, i, hex));
    return list;
}

std::string PortValueText(uint8_t value, bool hex) {
    return hex ? HexText(value, 2) : BinaryByteText(value);
}

Json PortVariables(const StopView& view, bool hex) {
    Json list = Json::Array();
    if (!view.portsReceived) return list;
    for (int p = 0; p < kShownPortCount; ++p) {
        const PortRecord& port = view.ports[p];
        if (port.Present == 0) continue;
        list.Push(Variable(std::string("PORT") + kPortLetters[p],
                           PortValueText(port.ValueImage, hex), "Port", kPortBase + p));
    }
    return list;
}

Json PortBits(const StopView& view, int p) {
    Json list = Json::Array();
    const PortRecord& port = view.ports[p];
    for (int bit = 7; bit >= 0; --bit) {
        if ((port.ImplementedBits >> bit & 1) == 0) continue;
        const std::string pin = port.PinNames[bit].empty()
                                    ? std::string("R") + kPortLetters[p] + std::to_string(bit)
                                    : port.PinNames[bit];
        const bool input = (port.DirectionImage >> bit & 1) != 0;
        list.Push(
            Variable(pin, std::to_string(port.ValueImage >> bit & 1), input ? "input" : "output"));
    }
    return list;
}

Json EepromRows(const StopView& view) {
    Json list = Json::Array();
    const int32_t size = static_cast<int32_t>(view.eeprom.size());
    for (int32_t start = 0; start < size; start += kEepromBytesPerRow)
        list.Push(Variable(EepromAddressText(start),
                           EepromRowText(view.eeprom, start, kEepromBytesPerRow).hex, "EEPROM"));
    return list;
}

}  // namespace

Json Scopes(const StopView& view) {
    Json scopes = Json::Array();
    scopes.Push(Scope("Variables", kVariablesScope, ListedCount(view.records)));
    scopes.Push(Scope("Ports", kPortsScope, PresentPorts(view)));
    const size_t rows = (view.eeprom.size() + kEepromBytesPerRow - 1) / kEepromBytesPerRow;
    scopes.Push(Scope("EEPROM", kEepromScope, rows));
    return scopes;
}

Json Variables(const StopView& view, long reference, bool hex) {
    if (reference == kVariablesScope) return TopVariables(view, hex);
    if (reference == kPortsScope) return PortVariables(view, hex);
    if (reference == kEepromScope) return EepromRows(view);
    if (reference >= kPortBase && reference < kPortBase + kShownPortCount && view.portsReceived &&
        view.ports[reference - kPortBase].Present != 0)
        return PortBits(view, static_cast<int>(reference - kPortBase));
    const long array = reference - kArrayBase;
    if (array >= 0 && static_cast<size_t>(array) < view.records.size() &&
        view.records[array].VarRecordType == RT_ARRAY)
        return ArrayElements(view, static_cast<size_t>(array), hex);
    return Json::Array();
}

std::string RecordValueText(const MyVarRecord& record, bool hex) {
    if (record.VarValueInit == 0) return "no value yet";
    // The list shows signed types in signed decimal whatever its radix; asked
    // for hexadecimal, the editor gets their bytes.
    if (hex && record.VarType == VT_SBYTE) return HexText(record.VarValue & 0xFFu, 2);
    if (hex && record.VarType == VT_SWORD) return HexText(record.VarValue & 0xFFFFu, 4);
    if (hex && record.VarType == VT_SDWORD) return HexText(record.VarValue, 8);
    MyVarRecord shown = record;
    if (hex) shown.VarDisplayType = DT_HEX;
    ValueTexts texts;
    if (!FormatValue(shown, texts)) return FormatValueFailureText(record);
    return texts.value;
}

int32_t RecordOfVariable(const VarTable& records, long reference, const std::string& name) {
    size_t first = 0, end = records.size();
    if (reference >= kArrayBase) {
        first = static_cast<size_t>(reference - kArrayBase) + 1;
    } else if (reference != kVariablesScope) {
        return -1;
    }
    for (size_t i = first; i < end; ++i) {
        const MyVarRecord& r = records[i];
        if (reference >= kArrayBase && r.VarRecordType != RT_SUBSCRIPT) break;
        if (reference == kVariablesScope && !Listed(r)) continue;
        if (r.VarLabel == name) return static_cast<int32_t>(i);
    }
    return -1;
}

}  // namespace varnolux::dap
