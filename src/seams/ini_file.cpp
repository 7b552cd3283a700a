#include "seams/ini_file.h"

#include "text/text_util.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace varnolux {

namespace {

constexpr size_t npos = std::string::npos;

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

// The section name of a header line ("[Name]"), or false when the line is none.
bool HeaderName(const std::string& line, std::string& name) {
    const std::string t = TrimBlanks(line);
    if (t.empty() || t[0] != '[') return false;
    const size_t close = t.find(']');
    name = TrimBlanks(t.substr(1, close == npos ? npos : close - 1));
    return true;
}

std::string Unquote(const std::string& v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        return v.substr(1, v.size() - 2);
    }
    return v;
}

}  // namespace

IniDocument::IniDocument(std::string text) : text_(std::move(text)) {
    Parse();
}

void IniDocument::Parse() {
    lines_.clear();
    // A byte-order mark, as some editors save it, is not part of the first line.
    size_t pos = text_.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (pos < text_.size()) {
        // CR LF, LF and a lone CR each end a line.
        const size_t brk = text_.find_first_of("\r\n", pos);
        Line line;
        line.begin = pos;
        line.end = brk == npos ? text_.size() : brk;
        line.next = line.end;
        if (brk != npos) {
            line.next = brk + 1;
            if (text_[brk] == '\r' && line.next < text_.size() && text_[line.next] == '\n') {
                ++line.next;
            }
        }
        lines_.push_back(line);
        pos = line.next;
    }
}

std::string IniDocument::LineText(const Line& line) const {
    return text_.substr(line.begin, line.end - line.begin);
}

size_t IniDocument::FindSection(const std::string& section) const {
    const std::string wanted = TrimBlanks(section);
    std::string name;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (HeaderName(LineText(lines_[i]), name) && SameName(name, wanted)) return i;
    }
    return npos;
}

size_t IniDocument::FindKey(size_t header, const std::string& key) const {
    const std::string wanted = TrimBlanks(key);
    std::string name;
    for (size_t i = header + 1; i < lines_.size(); ++i) {
        const std::string text = LineText(lines_[i]);
        if (HeaderName(text, name)) break;
        const size_t eq = text.find('=');
        if (eq != npos && SameName(TrimBlanks(text.substr(0, eq)), wanted)) return i;
    }
    return npos;
}

bool IniDocument::FindWhole(const std::string& section, const std::string& key,
                            std::string& value) const {
    const size_t header = FindSection(section);
    if (header == npos) return false;
    const size_t line = FindKey(header, key);
    if (line == npos) return false;
    const std::string text = LineText(lines_[line]);
    value = Unquote(TrimBlanks(text.substr(text.find('=') + 1)));
    return true;
}

bool IniDocument::Find(const std::string& section, const std::string& key,
                       std::string& value) const {
    if (!FindWhole(section, key, value)) return false;
    value.resize(std::min(value.size(), kIniValueLimit));
    return true;
}

std::string IniDocument::Read(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const {
    std::string value;
    if (Find(section, key, value)) return value;
    return defaultValue.substr(0, kIniValueLimit);
}

std::string IniDocument::ReadWhole(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const {
    std::string value;
    return FindWhole(section, key, value) ? value : defaultValue;
}

std::string IniDocument::LineEnd() const {
    // The file's own line end: that of its first line that has one. A lone CR
    // ends a line for this reader only; written lines end with CR LF instead.
    for (const Line& line : lines_) {
        if (line.next > line.end) {
            const std::string eol = text_.substr(line.end, line.next - line.end);
            return eol == "\r" ? "\r\n" : eol;
        }
    }
    return "\r\n";
}

void IniDocument::EndWithCrLf(size_t index) {
    // The line keeps its index: a lone CR already ended it.
    const Line& line = lines_[index];
    if (line.next != line.end + 1 || text_[line.end] != '\r') return;
    text_.insert(line.next, "\n");
    Parse();
}

bool IniDocument::Writable(const std::string& section, const std::string& key) {
    const std::string s = TrimBlanks(section);
    const std::string k = TrimBlanks(key);
    if (s.find_first_of("]\r\n") != npos) return false;
    return k.find_first_of("=\r\n") == npos && (k.empty() || k[0] != '[');
}

void IniDocument::Write(const std::string& section, const std::string& key,
                        const std::string& value) {
    if (!Writable(section, key)) return;
    std::string clean = TrimBlanks(value.substr(0, value.find_first_of("\r\n")));
    // A value in quotes would lose them when read; one more pair keeps them.
    if (Unquote(clean) != clean) clean = '"' + clean + '"';
    const std::string eol = LineEnd();
    const size_t header = FindSection(section);
    if (header == npos) {
        if (!lines_.empty()) EndWithCrLf(lines_.size() - 1);
        std::string add;
        if (!lines_.empty() && lines_.back().next == lines_.back().end) add += eol;
        add += "[" + TrimBlanks(section) + "]" + eol + TrimBlanks(key) + "=" + clean + eol;
        text_ += add;
        Parse();
        return;
    }
    const size_t found = FindKey(header, key);
    if (found != npos) {
        EndWithCrLf(found - 1);
        EndWithCrLf(found);
        const Line& line = lines_[found];
        const std::string text = LineText(line);
        const std::string replacement = TrimBlanks(text.substr(0, text.find('='))) + "=" + clean;
        text_.replace(line.begin, line.end - line.begin, replacement);
        Parse();
        return;
    }
    // A new key goes after the section's last non-blank line, before the blank
    // lines that usually separate it from the next section.
    size_t last = header;
    std::string name;
    for (size_t i = header + 1; i < lines_.size(); ++i) {
        const std::string text = LineText(lines_[i]);
        if (HeaderName(text, name)) break;
        if (!TrimBlanks(text).empty()) last = i;
    }
    EndWithCrLf(last);
    const Line& after = lines_[last];
    const std::string entry = TrimBlanks(key) + "=" + clean;
    if (after.next == after.end) {
        text_.insert(after.next, eol + entry);
    } else {
        text_.insert(after.next, entry + eol);
    }
    Parse();
}

std::string IniRead(const HostOs& os, const std::string& file, const std::string& section,
                    const std::string& key, const std::string& defaultValue) {
    const auto text = os.ReadFile(file);
    if (!text) return defaultValue.substr(0, kIniValueLimit);
    return IniDocument(*text).Read(section, key, defaultValue);
}

int32_t IniNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t value = 0;
    if (i + 1 < text.size() && text[i] == '&' && (text[i + 1] == 'H' || text[i + 1] == 'h')) {
        uint32_t hex = 0;
        for (i += 2; i < text.size() && HexDigit(text[i]) >= 0; ++i) {
            hex = (hex << 4) | static_cast<uint32_t>(HexDigit(text[i]));
        }
        value = static_cast<int32_t>(hex);
    } else {
        constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            if (value < kLimit) value = value * 10 + (text[i] - '0');
        }
        if (value > kLimit) value = kLimit;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

int32_t IniReadNumber(const HostOs& os, const std::string& file, const std::string& section,
                      const std::string& key, int32_t defaultValue) {
    return IniNumber(IniRead(os, file, section, key, std::to_string(defaultValue)));
}

}  // namespace varnolux
