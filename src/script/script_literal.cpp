#include "script/script_literal.h"

#include <cstdint>
#include <cstdlib>

namespace varnolux::script {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || IsDigit(c) || c == '#';
}

bool Fail(size_t at, const std::string& message, ParseError& error) {
    error = ParseError{at + 1, message};
    return false;
}

// %1010 or $FF: at most 32 bits.
bool ReadBased(const std::string& t, size_t& pos, Value& value, ParseError& error) {
    const size_t at = pos;
    const int base = t[pos] == '%' ? 2 : 16;
    size_t end = pos + 1;
    uint64_t v = 0;
    for (; end < t.size(); ++end) {
        const char d = t[end];
        int digit = IsDigit(d)               ? d - '0'
                    : (d >= 'A' && d <= 'F') ? d - 'A' + 10
                    : (d >= 'a' && d <= 'f') ? d - 'a' + 10
                                             : 99;
        if (digit >= base) break;
        v = v * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (v > 0xFFFFFFFFull) return Fail(at, "the number is too big", error);
    }
    if (end == pos + 1)
        return Fail(at, std::string(base == 2 ? "binary" : "hexadecimal") + " digits are missing",
                    error);
    value.i = static_cast<int64_t>(v);
    pos = end;
    return true;
}

// 12, 1.5, .5, 2e3: a float with a point or an exponent, else an integer.
bool ReadDecimal(const std::string& t, size_t& pos, Value& value, ParseError& error) {
    const size_t at = pos;
    size_t end = pos;
    while (end < t.size() && IsDigit(t[end])) ++end;
    bool isFloat = false;
    if (end < t.size() && t[end] == '.') {
        isFloat = true;
        ++end;
        while (end < t.size() && IsDigit(t[end])) ++end;
    }
    if (end < t.size() && (t[end] == 'e' || t[end] == 'E')) {
        size_t e = end + 1;
        if (e < t.size() && (t[e] == '+' || t[e] == '-')) ++e;
        if (e < t.size() && IsDigit(t[e])) {
            isFloat = true;
            end = e;
            while (end < t.size() && IsDigit(t[end])) ++end;
        }
    }
    const std::string text = t.substr(pos, end - pos);
    if (text == ".") return Fail(at, "unexpected \".\"", error);
    if (end < t.size() && IsNameChar(t[end]))
        return Fail(end, "unexpected \"" + t.substr(end, 1) + "\" after a number", error);
    pos = end;
    if (isFloat) {
        value.kind = ValueKind::Float;
        value.f = std::strtod(text.c_str(), nullptr);
        return true;
    }
    if (text.size() > 12) return Fail(at, "the number is too big", error);
    value.i = std::strtoll(text.c_str(), nullptr, 10);
    return true;
}

}  // namespace

bool ReadLiteral(const std::string& t, size_t& pos, Value& value, ParseError& error) {
    const char c = t[pos];
    if (c == '"') {
        if (pos + 2 >= t.size() || t[pos + 2] != '"')
            return Fail(pos, "a character is written \"A\"", error);
        value.i = static_cast<unsigned char>(t[pos + 1]);
        pos += 3;
        return true;
    }
    if (c == '%' || c == '$') return ReadBased(t, pos, value, error);
    return ReadDecimal(t, pos, value, error);
}

}  // namespace varnolux::script
