#include "project/listing/text.h"

#include "text/text_util.h"

namespace varnolux {

std::vector<std::string> ListingLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find('\n', begin);
        const size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos) end = text.size();
        if (end > begin && text[end - 1] == '\r') --end;
        lines.emplace_back(text, begin, end - begin);
        begin = next;
    }
    return lines;
}

std::string CommentText(const std::string& line) {
    const size_t first = line.find(';');
    if (first == std::string::npos) return std::string();
    const size_t second = line.find(';', first + 1);
    const size_t end = second == std::string::npos ? line.size() : second;
    return line.substr(first + 1, end - first - 1);
}

std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    size_t begin = 0;
    for (;;) {
        const size_t end = text.find(separator, begin);
        if (end == std::string::npos) {
            pieces.emplace_back(text, begin);
            return pieces;
        }
        pieces.emplace_back(text, begin, end - begin);
        begin = end + 1;
    }
}

std::vector<std::string> BlankWords(const std::string& line, size_t limit) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size() && words.size() < limit) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        const size_t begin = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (i > begin) words.emplace_back(line, begin, i - begin);
    }
    return words;
}

const std::string& Word(const std::vector<std::string>& words, size_t n) {
    static const std::string empty;
    return (n >= 1 && n <= words.size()) ? words[n - 1] : empty;
}

bool LeadingHex(const std::string& text, uint32_t& value) {
    uint64_t v = 0;
    size_t i = 0;
    for (; i < text.size(); ++i) {
        const int d = HexDigit(text[i]);
        if (d < 0) break;
        v = v * 16 + uint64_t(d);
        if (v > 0xFFFFFFFFull) return false;
    }
    if (i == 0) return false;
    value = uint32_t(v);
    return true;
}

bool LeadingDecimalNumber(const std::string& text, int32_t& value) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    const size_t first = i;
    int64_t v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > 0x80000000ll) return false;
    }
    if (i == first) return false;
    if (negative) v = -v;
    if (v > 0x7FFFFFFFll) return false;
    value = int32_t(v);
    return true;
}

}  // namespace varnolux
