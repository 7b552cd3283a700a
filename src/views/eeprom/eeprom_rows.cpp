#include "views/eeprom/eeprom_rows.h"

#include <algorithm>
#include <cstdio>

namespace varnolux {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

int32_t UsableBytesPerLine(int32_t stored) {
    return stored >= 1 && stored <= kMaxBytesPerLine ? stored : kDefaultBytesPerLine;
}

int32_t EepromRowCount(int32_t eepromSize, int32_t bytesPerLine) {
    if (eepromSize <= 0 || bytesPerLine <= 0) return 0;
    return (eepromSize + bytesPerLine - 1) / bytesPerLine;
}

std::string EepromAddressText(int32_t address) {
    char text[16];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(address));
    return text;
}

EepromRowTexts EepromRowText(const std::vector<uint8_t>& values, int32_t start,
                             int32_t bytesPerLine) {
    EepromRowTexts texts;
    const int64_t end = std::min<int64_t>(static_cast<int64_t>(start) + bytesPerLine,
                                          static_cast<int64_t>(values.size()));
    for (int64_t a = std::max<int32_t>(start, 0); a < end; ++a) {
        const uint8_t v = values[static_cast<size_t>(a)];
        if (!texts.hex.empty()) texts.hex += "  ";
        texts.hex += kHexDigits[v >> 4];
        texts.hex += kHexDigits[v & 0x0F];
        texts.chars += v >= 0x21 && v <= 0x7E ? static_cast<char>(v) : '.';
    }
    return texts;
}

std::vector<uint8_t> EepromSnapshot(const DumpImage& image, int32_t eepromSize) {
    const size_t n =
        std::min(static_cast<size_t>(std::max(eepromSize, 0)), image.EepromImage.size());
    std::vector<uint8_t> values(n);
    for (size_t a = 0; a < n; ++a) values[a] = image.EepromImage[a].Value;
    return values;
}

void LayOutEepromRows(ReportList& list, int32_t eepromSize, int32_t bytesPerLine) {
    RedrawOff off(list);
    list.DeleteAllRows();
    const int32_t rows = EepromRowCount(eepromSize, bytesPerLine);
    for (int32_t r = 0; r < rows; ++r) {
        list.InsertRow(r);
        list.SetCellText(r, 0, EepromAddressText(r * bytesPerLine));
    }
}

int RefreshEepromRows(ReportList& list, const std::vector<uint8_t>& values, int32_t bytesPerLine) {
    RedrawOff off(list);
    int written = 0;
    const int rows = list.RowCount();
    for (int r = 0; r < rows; ++r) {
        const EepromRowTexts texts = EepromRowText(values, r * bytesPerLine, bytesPerLine);
        if (list.CellText(r, 1) == texts.hex) continue;
        list.SetCellText(r, 1, texts.hex);
        list.SetCellText(r, 2, texts.chars);
        ++written;
    }
    return written;
}

Rgb EepromCellBackground(int column) {
    return column == 0 ? kStripeGrey : kStripeWhite;
}

}  // namespace varnolux
