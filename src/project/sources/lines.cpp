#include "project/sources/lines.h"

#include "text/text_util.h"

#include <cctype>
#include <climits>
#include <cstdint>
#include <cstring>

namespace varnolux {

namespace {

std::string CollapseBlanks(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    bool pendingBlank = false;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            pendingBlank = !out.empty();
            continue;
        }
        if (pendingBlank) out += ' ';
        pendingBlank = false;
        out += c;
    }
    return out;
}

}  // namespace

SourceLine PrepareSourceLine(const std::string& raw) {
    SourceLine line;
    size_t marker = 0;
    while (marker < raw.size() && raw[marker] != '\'' && raw[marker] != ';') ++marker;
    if (marker == raw.size()) marker = std::string::npos;
    std::string code = marker == std::string::npos ? raw : raw.substr(0, marker);
    if (marker != std::string::npos) line.comment = TrimBlanks(raw.substr(marker + 1));

    code = CollapseBlanks(code);
    for (char& c : code) {
        if (c == '(' || c == ')') c = ' ';
    }
    line.code = code;

    size_t start = 0;
    for (int f = 0; f < kSourceWords && start <= code.size(); ++f) {
        size_t end = code.find(' ', start);
        if (end == std::string::npos) end = code.size();
        line.fields[f] = LowerCase(code.substr(start, end - start));
        start = end + 1;
    }
    return line;
}

std::string FirstSourceWord(const std::string& raw) {
    size_t start = raw.find_first_not_of(" \t");
    if (start == std::string::npos) return std::string();
    std::string word;
    for (size_t i = start; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == ' ' || c == '\t' || c == '(' || c == ')' || c == '\'' || c == ';') break;
        word += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return word;
}

std::vector<std::string> SourceTextLines(const std::string& text) {
    return SourceTextLineRange(text, 0, SIZE_MAX);
}

std::vector<std::string> SourceTextLineRange(const std::string& text, size_t first, size_t count) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t index = 0; start < text.size() && lines.size() < count; ++index) {
        const void* newline = std::memchr(text.data() + start, '\n', text.size() - start);
        const size_t end =
            newline ? static_cast<size_t>(static_cast<const char*>(newline) - text.data())
                    : text.size();
        if (index >= first) {
            size_t stop = end;
            if (stop > start && text[stop - 1] == '\r') --stop;
            lines.emplace_back(text, start, stop - start);
        }
        start = end + 1;
    }
    return lines;
}

int64_t LeadingDecimal(const std::string& text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT32_MAX) value = INT32_MAX;
    }
    return negative ? -value : value;
}

std::string LeadingBlankDecimal(int64_t value) {
    return (value < 0 ? std::string() : std::string(" ")) + std::to_string(value);
}

}  // namespace varnolux
