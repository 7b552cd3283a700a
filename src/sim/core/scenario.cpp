#include "sim/core/scenario.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>

namespace varnolux::sim {

namespace {

bool ReadInteger(const std::string& text, int64_t& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    value = std::strtoll(text.c_str(), &end, hex ? 16 : 10);
    return errno == 0 && end != nullptr && *end == '\0';
}

std::vector<uint8_t> LittleEndian(int64_t value, int bytes) {
    std::vector<uint8_t> out;
    for (int k = 0; k < bytes; ++k) out.push_back(static_cast<uint8_t>(value >> (8 * k)));
    return out;
}

struct IntegerType {
    const char* name;
    int bytes;
    int64_t low, high;
};

constexpr IntegerType kIntegerTypes[] = {
    {"byte", 1, 0, 255},           {"sbyte", 1, -128, 127},
    {"word", 2, 0, 65535},         {"sword", 2, -32768, 32767},
    {"dword", 4, 0, 4294967295LL}, {"sdword", 4, -2147483648LL, 2147483647LL},
};

bool ReadLine(const std::string& line, PlacedValue& placed) {
    std::istringstream in(line);
    std::string where, type, value;
    if (!(in >> where >> type)) return false;
    std::getline(in >> std::ws, value);
    while (!value.empty() && (value.back() == '\r' || value.back() == ' ')) value.pop_back();

    const size_t dot = where.find('.');
    int64_t address = 0;
    if (!ReadInteger(where.substr(0, dot), address) || address < 0 || address > kRamTop)
        return false;
    placed.address = static_cast<int32_t>(address);
    if (type == "bit") {
        int64_t bit = 0, v = 0;
        if (dot == std::string::npos || !ReadInteger(where.substr(dot + 1), bit) || bit < 0 ||
            bit > 7 || !ReadInteger(value, v) || (v != 0 && v != 1))
            return false;
        placed.bit = static_cast<int32_t>(bit);
        placed.bytes = {static_cast<uint8_t>(v)};
        return true;
    }
    if (dot != std::string::npos) return false;
    if (type == "text") {
        placed.bytes.assign(value.begin(), value.end());
        return !placed.bytes.empty();
    }
    if (type == "float") {
        char* end = nullptr;
        const float f = std::strtof(value.c_str(), &end);
        if (value.empty() || *end != '\0') return false;
        const auto bytes = MicrochipFloatBytes(f);
        placed.bytes.assign(bytes.begin(), bytes.end());
        return true;
    }
    for (const IntegerType& t : kIntegerTypes) {
        if (type != t.name) continue;
        int64_t v = 0;
        if (!ReadInteger(value, v) || v < t.low || v > t.high) return false;
        placed.bytes = LittleEndian(v, t.bytes);
        return true;
    }
    return false;
}

}  // namespace

bool ParseScenario(const std::string& text, std::vector<PlacedValue>& values, std::string& error) {
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') continue;
        PlacedValue placed;
        if (!ReadLine(line.substr(first), placed)) {
            error = "scenario line " + std::to_string(number) + " not understood: " + line;
            return false;
        }
        values.push_back(placed);
    }
    return true;
}

void ApplyScenario(const std::vector<PlacedValue>& values, TargetMemory& memory) {
    for (const PlacedValue& v : values) {
        if (v.bit >= 0) {
            uint8_t& cell = memory.ram[static_cast<size_t>(v.address)];
            const uint8_t mask = static_cast<uint8_t>(1u << v.bit);
            cell = static_cast<uint8_t>(v.bytes[0] ? (cell | mask) : (cell & ~mask));
            continue;
        }
        for (size_t k = 0; k < v.bytes.size(); ++k) {
            const size_t a = static_cast<size_t>(v.address) + k;
            if (a < memory.ram.size()) memory.ram[a] = v.bytes[k];
        }
    }
}

}  // namespace varnolux::sim
