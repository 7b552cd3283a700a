#include "text/text_encoding.h"

#include <cstdio>

namespace varnolux {

namespace {

// The length of the UTF-8 sequence at `i` and its code point; 0 when the bytes
// there are no well-formed sequence (overlong forms and surrogates included).
size_t Utf8Sequence(const std::string& s, size_t i, char32_t& cp) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b = byte(i);
    size_t n;
    char32_t min;
    if (b < 0x80) {
        cp = b;
        return 1;
    } else if ((b & 0xE0) == 0xC0) {
        n = 2, cp = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        n = 3, cp = b & 0x0F, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        n = 4, cp = b & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

bool IsValidUtf8(const std::string& s) {
    char32_t cp;
    for (size_t i = 0; i < s.size();) {
        const size_t n = Utf8Sequence(s, i, cp);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsControl(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp < 0xA0);
}

std::string Escaped(const char* format, unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

std::u32string DecodeText(const std::string& text) {
    std::u32string out;
    if (!IsValidUtf8(text)) {
        for (unsigned char c : text) out += static_cast<char32_t>(c);
        return out;
    }
    char32_t cp;
    for (size_t i = 0; i < text.size(); i += Utf8Sequence(text, i, cp)) {
        Utf8Sequence(text, i, cp);
        out += cp;
    }
    return out;
}

std::string Utf8Text(const std::string& text) {
    std::string out;
    for (char32_t cp : DecodeText(text)) AppendUtf8(out, cp);
    return out;
}

std::u16string Utf16Text(const std::string& text) {
    std::u16string out;
    for (char32_t cp : DecodeText(text)) {
        if (cp < 0x10000) {
            out += static_cast<char16_t>(cp);
        } else {  // a surrogate pair
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
    }
    return out;
}

std::string VisibleText(const std::string& text) {
    std::string out;
    for (char32_t cp : DecodeText(text)) {
        if (IsControl(cp) && cp != '\t' && cp != '\n')
            out += Escaped("\\x%02X", static_cast<unsigned>(cp));
        else
            AppendUtf8(out, cp);
    }
    return out;
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (char32_t cp : DecodeText(text)) {
        if (cp == '"' || cp == '\\') {
            out += '\\';
            out += static_cast<char>(cp);
        } else if (cp >= 0x10000) {  // a surrogate pair
            const char32_t v = cp - 0x10000;
            out += Escaped("\\u%04x", static_cast<unsigned>(0xD800 + (v >> 10)));
            out += Escaped("\\u%04x", static_cast<unsigned>(0xDC00 + (v & 0x3FF)));
        } else if (IsControl(cp) || cp >= 0x80) {
            out += Escaped("\\u%04x", static_cast<unsigned>(cp));
        } else {
            out += static_cast<char>(cp);
        }
    }
    return out + "\"";
}

std::string CsvField(const std::string& text) {
    const std::u32string points = DecodeText(text);
    bool quote = false;
    for (char32_t cp : points) quote = quote || cp == ',' || cp == '"' || IsControl(cp);
    const std::string utf8 = Utf8Text(text);
    if (!quote) return utf8;
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

}  // namespace varnolux
