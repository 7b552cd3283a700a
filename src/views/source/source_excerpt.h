#pragma once
// What the Source window shows for one dump: the lines of the dump point's
// source file around its line, the row that holds that line, where the list is
// scrolled, and the window's title.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnolux {

struct SourceRow {
    std::string line;  // "Line" column: the line number with its leading blank
    std::string text;  // "Source" column
};

struct SourceExcerpt {
    std::vector<SourceRow> rows;
    int32_t highlightRow = -1;  // the row of the dump point's line; -1 when not shown
};

// `sourceLines` lines of the text with the 1-based `dumpLine` on the 1-based row
// `sourceHighlight`, or, near the top of the file, on its own line number's row.
// No row lies past the file's last line. A `sourceLines` below 1 counts as 1 and
// a `sourceHighlight` outside 1 .. `sourceLines` as the nearest end, so the dump
// point's line is always among the rows (unless the file is shorter than that).
SourceExcerpt ExcerptAroundLine(const std::string& text, int32_t dumpLine, int32_t sourceLines,
                                int32_t sourceHighlight);

// The row to bring to the top of the list so that the highlight row stands at
// about seven tenths of its visible height; nothing when every row fits (the
// list shows `rowsThatFit` whole rows) or there is no highlight row.
std::optional<int32_t> SourceScrollTop(int32_t highlightRow, int32_t rowCount, int32_t rowsThatFit);

// "Varnolux  <file>  Dump <id>", cut to 60 characters.
std::string SourceWindowTitle(const std::string& fileName, int32_t dumpId);

}  // namespace varnolux
