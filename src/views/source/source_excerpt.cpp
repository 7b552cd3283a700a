#include "views/source/source_excerpt.h"

#include <algorithm>

#include "project/sources/lines.h"

namespace varnolux {

namespace {

constexpr size_t kTitleLimit = 60;

// a / b rounded to the nearest whole number, halves to the even one (a, b > 0).
int32_t RoundHalfEven(int32_t a, int32_t b) {
    int32_t q = a / b;
    const int32_t twice = 2 * (a % b);
    if (twice > b || (twice == b && q % 2 == 1)) ++q;
    return q;
}

}  // namespace

SourceExcerpt ExcerptAroundLine(const std::string& text, int32_t dumpLine, int32_t sourceLines,
                                int32_t sourceHighlight) {
    const int32_t count = std::max(sourceLines, 1);
    const int32_t highlight = std::clamp(sourceHighlight, 1, count);
    const int32_t first = std::max(dumpLine - highlight, 0);  // 0-based index of row 0

    SourceExcerpt excerpt;
    const std::vector<std::string> lines =
        SourceTextLineRange(text, static_cast<size_t>(first), static_cast<size_t>(count));
    excerpt.rows.reserve(lines.size());
    for (size_t i = 0; i < lines.size(); ++i)
        excerpt.rows.push_back(
            SourceRow{LeadingBlankDecimal(first + static_cast<int64_t>(i) + 1), lines[i]});
    const int32_t row = dumpLine - 1 - first;
    if (dumpLine >= 1 && row < static_cast<int32_t>(excerpt.rows.size()))
        excerpt.highlightRow = row;
    return excerpt;
}

std::optional<int32_t> SourceScrollTop(int32_t highlightRow, int32_t rowCount,
                                       int32_t rowsThatFit) {
    const int32_t visible = std::max(rowsThatFit, 0) + 1;
    if (highlightRow < 0 || visible >= rowCount) return std::nullopt;
    return std::max(highlightRow - RoundHalfEven(7 * visible, 10), 0);
}

std::string SourceWindowTitle(const std::string& fileName, int32_t dumpId) {
    std::string title = "Varnolux  " + fileName + "  Dump" + LeadingBlankDecimal(dumpId);
    if (title.size() > kTitleLimit) title.resize(kTitleLimit);
    return title;
}

}  // namespace varnolux
