// The settings file: any text parses; writing a key and reading it back gives
// the value written (trimmed, cut at a line break, at most 150 characters, or
// whole through ReadWhole), and every other key of the file reads as before.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_check.h"
#include "seams/ini_file.h"
#include "text/text_util.h"

namespace {

using varnolux::IniDocument;
using varnolux::TrimBlanks;

// Splits the input at NUL bytes: file text, then section, key and value.
std::vector<std::string> Pieces(const uint8_t* data, size_t size) {
    std::vector<std::string> pieces(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0 && pieces.size() < 4) {
            pieces.emplace_back();
        } else {
            pieces.back() += static_cast<char>(data[i]);
        }
    }
    pieces.resize(4);
    return pieces;
}

std::string Lower(std::string s) {
    for (char& c : s) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return s;
}

// Every (section, key) the text could hold, found by splitting at any line
// break: a superset of what the document itself sees.
std::set<std::pair<std::string, std::string>> Names(const std::string& text) {
    std::set<std::pair<std::string, std::string>> names;
    std::string section;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string line = TrimBlanks(text.substr(start, end - start));
        if (!line.empty() && line[0] == '[') {
            const size_t close = line.find(']');
            section = TrimBlanks(line.substr(1, close == std::string::npos ? close : close - 1));
        } else if (line.find('=') != std::string::npos) {
            names.emplace(section, TrimBlanks(line.substr(0, line.find('='))));
        }
        start = end + 1;
    }
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;
    const std::vector<std::string> p = Pieces(data, size);
    const std::string& text = p[0];
    const std::string& section = p[1];
    const std::string& key = p[2];
    const std::string& value = p[3];

    const IniDocument before(text);
    IniDocument after(text);
    after.Write(section, key, value);
    // The written text is read as a file of its own, as the next run reads it.
    const IniDocument reread(after.Text());

    if (IniDocument::Writable(section, key)) {
        const std::string written = TrimBlanks(value.substr(0, value.find_first_of("\r\n")));
        std::string read;
        FUZZ_CHECK(reread.Find(section, key, read));
        FUZZ_CHECK(read == written.substr(0, varnolux::kIniValueLimit));
        FUZZ_CHECK(reread.ReadWhole(section, key, "") == written);
    } else {
        FUZZ_CHECK(after.Text() == text);
    }

    const std::string writtenSection = Lower(TrimBlanks(section));
    const std::string writtenKey = Lower(TrimBlanks(key));
    // The keys of the file before and after the write: one lost, changed or
    // appearing anywhere but at the written key is a fault.
    std::set<std::pair<std::string, std::string>> names = Names(text);
    for (const auto& name : Names(after.Text())) names.insert(name);
    for (const auto& [s, k] : names) {
        if (Lower(s) == writtenSection && Lower(k) == writtenKey) continue;
        std::string old, now;
        const bool had = before.Find(s, k, old);
        const bool has = reread.Find(s, k, now);
        FUZZ_CHECK(had == has);
        FUZZ_CHECK(old == now);
    }
    return 0;
}
