#include "vars/value_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace varnolux {
namespace {

const char kUnknownRadix[] = "???";

std::string Decimal(uint32_t raw) {
    return std::to_string(raw);
}

// The quoted character and blanks that precede a byte's number in the value text.
std::string CharacterView(uint32_t c, bool hex) {
    const std::string twoBlanks = "\"  \"";
    if (c <= 9) return twoBlanks + std::string(hex ? 6 : 10, ' ');
    if (c <= 32) return twoBlanks + std::string(hex ? 6 : 7, ' ');
    if (c <= 99) return "\"" + std::string(1, char(c)) + "\"" + std::string(hex ? 5 : 7, ' ');
    if (c <= 127) return "\"" + std::string(1, char(c)) + "\"" + std::string(5, ' ');
    return twoBlanks + std::string(hex ? 6 : 5, ' ');
}

bool KnownType(int32_t type) {
    return type >= VT_BIT && type <= VT_FLOAT;
}

}  // namespace

std::string SignedByteText(uint32_t raw) {
    const uint32_t b = raw & 0xFFu;
    if (b < 128) return Decimal(b);
    return "-" + Decimal(256 - b);
}

std::string SignedWordText(uint32_t raw) {
    return std::to_string(int16_t(uint16_t(raw & 0xFFFFu)));
}

std::string SignedDWordText(uint32_t raw) {
    return std::to_string(int32_t(raw));
}

std::string HexText(uint32_t raw, int digits) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%0*X", digits, unsigned(raw));
    return buf;
}

std::string BinaryByteText(uint32_t raw) {
    std::string out = "%";
    for (int bit = 7; bit >= 0; --bit) out += ((raw >> bit) & 1u) ? '1' : '0';
    return out;
}

// At most seven significant digits; plain form while it needs no more than seven
// integer digits or seven places, else mantissa and exponent ("1.234568E+7").
std::string FloatText(uint32_t ieeeBits) {
    float f;
    std::memcpy(&f, &ieeeBits, sizeof f);
    if (std::isnan(f)) return " NaN";
    if (std::isinf(f)) return f > 0 ? " Inf" : "-Inf";
    if (f == 0.0f) return " 0";

    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6e", double(std::fabs(f)));
    // buf reads d.dddddde[+-]xx
    std::string digits;
    digits += buf[0];
    digits.append(buf + 2, 6);
    const int exponent = std::atoi(std::strchr(buf, 'e') + 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    const int count = int(digits.size());
    const int power = exponent - (count - 1);  // value = digits * 10^power
    std::string body;
    if (power >= 0 && exponent + 1 <= 7) {
        body = digits + std::string(size_t(power), '0');
    } else if (power < 0 && -power <= 7) {
        const int intDigits = exponent + 1;
        if (intDigits > 0) {
            body = digits.substr(0, size_t(intDigits)) + "." + digits.substr(size_t(intDigits));
        } else {
            body = "." + std::string(size_t(-intDigits), '0') + digits;
        }
    } else {
        body = digits.substr(0, 1);
        if (count > 1) body += "." + digits.substr(1);
        body += exponent < 0 ? "E-" : "E+";
        body += std::to_string(std::abs(exponent));
    }
    return (f < 0 ? "-" : " ") + body;
}

std::string FormatRawValue(int32_t varType, int32_t radix, uint32_t raw, bool characterView) {
    if (radix < DT_DECIMAL || radix > DT_BINARY) return kUnknownRadix;
    switch (varType) {
        case VT_BIT:
            return Decimal(raw);
        case VT_BYTE:
            if (radix == DT_BINARY) return BinaryByteText(raw);
            {
                const bool hex = radix == DT_HEX;
                const std::string number = hex ? HexText(raw, 2) : Decimal(raw);
                return characterView ? CharacterView(raw & 0xFFu, hex) + number : number;
            }
        case VT_SBYTE:
            return SignedByteText(raw);
        case VT_WORD:
            return radix == DT_DECIMAL ? Decimal(raw) : HexText(raw, 4);
        case VT_SWORD:
            return SignedWordText(raw);
        case VT_DWORD:
            return radix == DT_DECIMAL ? Decimal(raw) : HexText(raw, 8);
        case VT_SDWORD:
            return SignedDWordText(raw);
        case VT_FLOAT:
            return FloatText(raw);
        default:
            return std::string();
    }
}

bool FormatValue(const MyVarRecord& record, ValueTexts& texts) {
    const int32_t radix = record.VarDisplayType;
    if (radix < DT_DECIMAL || radix > DT_BINARY) {
        texts.value = kUnknownRadix;
        texts.previous = kUnknownRadix;
        return true;
    }
    if (!KnownType(record.VarType)) return false;
    texts.value = FormatRawValue(record.VarType, radix, record.VarValue, true);
    texts.previous = FormatRawValue(record.VarType, radix, record.VarPrevious, false);
    return true;
}

std::string FormatValueFailureText(const MyVarRecord& record) {
    const int32_t type = record.VarType;
    const std::string typeText = type >= 0 ? " " + std::to_string(type) : std::to_string(type);
    return "FormatValue " + std::to_string(record.VarDisplayType) + " " + typeText + " ";
}

std::string FormatAddress(const MyVarRecord& record) {
    char buf[32];
    if (record.AddDisplayType == DT_DECIMAL) {
        std::snprintf(buf, sizeof buf, "%04d", int(record.VarAddress));
    } else {
        std::snprintf(buf, sizeof buf, "$%04X", unsigned(record.VarAddress));
    }
    std::string out = buf;
    if (record.VarType == VT_BIT) out += "." + std::to_string(record.VarLen);
    return out;
}

std::string PlainDecimalText(const MyVarRecord& record) {
    return FormatRawValue(record.VarType, DT_DECIMAL, record.VarValue, false);
}

}  // namespace varnolux
