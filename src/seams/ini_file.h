#pragma once
// INI files read and written the way the Win32 private-profile functions do it,
// in one portable implementation used on every platform: section and key names
// compare case-insensitively, values are trimmed (and unquoted) on reading and
// cut to 150 characters, and a write changes only the line of its key, keeping
// every other byte of the file (comments, blank lines, line ends) as it was.
// Sections the program alone writes may be read whole (ReadWhole).
// CR LF, LF and a lone CR all end a line. Other readers (the Win32 profile
// functions among them) take a lone CR as part of the line, so a write ends the
// lines next to its key with CR LF where they ended with a lone CR.
#include <cstdint>
#include <string>
#include <vector>

#include "seams/host_os.h"

namespace varnolux {

constexpr size_t kIniValueLimit = 150;  // a read returns at most this many characters

// The text of one INI file, parsed once; lookups and edits work on its lines.
class IniDocument {
  public:
    explicit IniDocument(std::string text = std::string());

    // The stored value of the key (trimmed, unquoted, cut to kIniValueLimit);
    // false when the section or the key does not exist.
    bool Find(const std::string& section, const std::string& key, std::string& value) const;
    std::string Read(const std::string& section, const std::string& key,
                     const std::string& defaultValue) const;
    // The same without the cut: the whole stored value, or the default.
    std::string ReadWhole(const std::string& section, const std::string& key,
                          const std::string& defaultValue) const;
    // Sets the key to the value (trimmed; cut at a line break so that a value
    // can never add lines). An existing key keeps its line position, a new key
    // goes after the last line of its section, a new section at the end, each
    // with the file's own line end. A name that could not be read back (a line
    // break, "]" in the section, "=" in the key or a key starting with "[") is
    // not written.
    void Write(const std::string& section, const std::string& key, const std::string& value);
    static bool Writable(const std::string& section, const std::string& key);

    const std::string& Text() const { return text_; }

  private:
    struct Line {
        size_t begin = 0;  // offset of the line's first character
        size_t end = 0;    // offset just past its content (before the line end)
        size_t next = 0;   // offset of the following line
    };
    void Parse();
    // The stored value, trimmed and unquoted but not cut.
    bool FindWhole(const std::string& section, const std::string& key, std::string& value) const;
    std::string LineText(const Line& line) const;
    // Index of the section header line, or npos.
    size_t FindSection(const std::string& section) const;
    // Index of the key line inside the section starting after header index, or npos.
    size_t FindKey(size_t header, const std::string& key) const;
    std::string LineEnd() const;
    // A line that ends with a lone CR gets CR LF.
    void EndWithCrLf(size_t index);

    std::string text_;
    std::vector<Line> lines_;
};

// The value of the key, or the default when the file, section or key is missing.
std::string IniRead(const HostOs& os, const std::string& file, const std::string& section,
                    const std::string& key, const std::string& defaultValue);

// The numeric reading rule: blanks skipped, an optional sign, then decimal
// digits or "&H" and hexadecimal digits; anything else or an empty text gives 0.
int32_t IniNumber(const std::string& text);
// IniNumber of IniRead with a numeric default.
int32_t IniReadNumber(const HostOs& os, const std::string& file, const std::string& section,
                      const std::string& key, int32_t defaultValue);

}  // namespace varnolux
