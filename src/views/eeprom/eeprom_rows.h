#pragma once
// The EEPROM window's rows: one per "BytesPerLine" bytes of the target's EEPROM
// as the last dump left it, with the start address, the bytes in hexadecimal
// and the same bytes as characters.
#include <cstdint>
#include <string>
#include <vector>

#include "seams/report_list.h"
#include "state/dump_image.h"
#include "vars/main_list.h"
#include "views/frame/form_column.h"

namespace varnolux {

constexpr int kEepromColumnCount = 3;
constexpr FormColumn kEepromColumns[kEepromColumnCount] = {
    {"Address", 61}, {"        EEPROM data HEX       ", 380}, {"ASCII", 150}};
// Widths used where a stored width is empty or 0.
constexpr int32_t kEepromBuiltInWidths[kEepromColumnCount] = {59, 351, 116};

// "BytesPerLine" of "EEPROM Placement", read only.
constexpr const char* kBytesPerLineKey = "BytesPerLine";
constexpr int32_t kDefaultBytesPerLine = 8;
constexpr int32_t kMaxBytesPerLine = 64;

// The stored "BytesPerLine", or 8 for one of 0, below 0 or above 64.
int32_t UsableBytesPerLine(int32_t stored);

// Rows that cover every EEPROM byte; the last one may be short.
int32_t EepromRowCount(int32_t eepromSize, int32_t bytesPerLine);

// A row's start address: four upper-case hexadecimal digits ("00F8").
std::string EepromAddressText(int32_t address);

struct EepromRowTexts {
    std::string hex;    // "41  20  7E", two blanks between the bytes
    std::string chars;  // "A.~": 0x21 .. 0x7E as themselves, every other byte "."
};

// The texts of the bytes from `start`, at most `bytesPerLine` of them and only
// those that `values` holds.
EepromRowTexts EepromRowText(const std::vector<uint8_t>& values, int32_t start,
                             int32_t bytesPerLine);

// The values of the EEPROM's `eepromSize` bytes in the dump image (taken under
// the records lock).
std::vector<uint8_t> EepromSnapshot(const DumpImage& image, int32_t eepromSize);

// Fixes the rows at creation: one per line of bytes with its address, data empty.
void LayOutEepromRows(ReportList& list, int32_t eepromSize, int32_t bytesPerLine);

// Writes the hexadecimal and character cells of each row whose hexadecimal
// text changed; the rows that did not change are not touched. Returns the
// number of rows written.
int RefreshEepromRows(ReportList& list, const std::vector<uint8_t>& values, int32_t bytesPerLine);

// The address column on light grey, the data on white; text is always black.
Rgb EepromCellBackground(int column);

}  // namespace varnolux
