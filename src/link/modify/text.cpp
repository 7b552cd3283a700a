#include "link/modify/text.h"

#include <cmath>
#include <cstdlib>

#include "state/var_record.h"

namespace varnolux {

namespace {

// Values beyond every type's range all read as this, so they never fit.
constexpr int64_t kTooBig = INT64_MAX / 2;

int DigitValue(char c, int base) {
    int d = -1;
    if (c >= '0' && c <= '9') d = c - '0';
    if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    return d < base ? d : -1;
}

// Reads digits of `base` from `pos` on until the first one that does not fit.
bool ReadDigits(const std::string& text, size_t pos, int base, int64_t& value) {
    value = 0;
    bool any = false;
    for (; pos < text.size(); ++pos) {
        const int d = DigitValue(text[pos], base);
        if (d < 0) break;
        any = true;
        // Checked before the step so that no number of digits can overflow.
        value = value > (kTooBig - d) / base ? kTooBig : value * base + d;
    }
    return any;
}

bool ReadDecimal(const std::string& text, size_t pos, int64_t& value) {
    const bool negative = pos < text.size() && text[pos] == '-';
    if (negative || (pos < text.size() && text[pos] == '+')) ++pos;
    if (!ReadDigits(text, pos, 10, value)) return false;
    if (negative) value = -value;
    return true;
}

// Length of the decimal floating-point number at `pos`, 0 when there is none.
size_t FloatLength(const std::string& text, size_t pos) {
    size_t end = pos;
    auto digits = [&](size_t& at) {
        const size_t start = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
        return at - start;
    };
    if (end < text.size() && (text[end] == '-' || text[end] == '+')) ++end;
    size_t mantissa = digits(end);
    if (end < text.size() && text[end] == '.') {
        ++end;
        mantissa += digits(end);
    }
    if (mantissa == 0) return 0;
    if (end < text.size() && (text[end] == 'E' || text[end] == 'e')) {
        size_t exp = end + 1;
        if (exp < text.size() && (text[exp] == '-' || text[exp] == '+')) ++exp;
        if (digits(exp) > 0) end = exp;
    }
    return end - pos;
}

}  // namespace

ModifyReading ReadModifyText(const std::string& text) {
    ModifyReading reading;
    size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;

    const size_t length = FloatLength(text, pos);
    if (length > 0) {
        const float f = std::strtof(text.substr(pos, length).c_str(), nullptr);
        reading.isFloat = std::isfinite(f);
        reading.floatValue = f;
    }
    reading.isNumber = ReadDecimal(text, pos, reading.value);
    if (pos >= text.size()) return reading;

    switch (text[pos]) {
        case '%':
            reading.isNumber = ReadDigits(text, pos + 1, 2, reading.value);
            break;
        case '$':
            reading.isNumber = ReadDigits(text, pos + 1, 16, reading.value);
            break;
        case '"':
            reading.isNumber = pos + 1 < text.size();
            reading.value = reading.isNumber ? static_cast<unsigned char>(text[pos + 1]) : 0;
            break;
        default:
            break;
    }
    return reading;
}

bool ModifyValueFits(int32_t varType, const ModifyReading& reading) {
    if (varType == VT_FLOAT) return reading.isFloat;
    if (!reading.isNumber) return false;
    const int64_t v = reading.value;
    switch (varType) {
        case VT_BIT:
            return v == 0 || v == 1;
        case VT_BYTE:
            return v >= 0 && v <= 255;
        case VT_SBYTE:
            return v >= -128 && v <= 127;
        case VT_WORD:
            return v >= 0 && v <= 65535;
        case VT_SWORD:
            return v >= -32768 && v <= 32767;
        case VT_DWORD:
            return v >= 0 && v <= 4294967295LL;
        case VT_SDWORD:
            return v >= -2147483648LL && v <= 2147483647LL;
        default:
            return false;
    }
}

}  // namespace varnolux
