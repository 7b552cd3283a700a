// The EEPROM window's rows: fixed at creation from the EEPROM size and
// "BytesPerLine", refreshed only where a row's bytes changed.
#include "views/eeprom/eeprom_rows.h"

#include <gtest/gtest.h>

#include "seams/memory/memory_report_list.h"

namespace varnolux {
namespace {

constexpr const char* kErasedHex = "FF  FF  FF  FF  FF  FF  FF  FF";

TEST(EepromRows, An256ByteEepromWith8PerLineHas32Rows) {
    MemoryReportList list(kEepromColumnCount);
    LayOutEepromRows(list, 256, 8);
    ASSERT_EQ(list.RowCount(), 32);
    EXPECT_EQ(list.CellText(0, 0), "0000");
    EXPECT_EQ(list.CellText(1, 0), "0008");
    EXPECT_EQ(list.CellText(2, 0), "0010");
    EXPECT_EQ(list.CellText(31, 0), "00F8");
    EXPECT_TRUE(list.DrawingOn());
}

TEST(EepromRows, BeforeAnyDumpOnlyTheAddressesShow) {
    MemoryReportList list(kEepromColumnCount);
    LayOutEepromRows(list, 256, 8);
    for (int r = 0; r < list.RowCount(); ++r) {
        EXPECT_FALSE(list.CellText(r, 0).empty());
        EXPECT_EQ(list.CellText(r, 1), "");
        EXPECT_EQ(list.CellText(r, 2), "");
    }
}

TEST(EepromRows, AnErasedEepromShowsFFAndDots) {
    MemoryReportList list(kEepromColumnCount);
    LayOutEepromRows(list, 256, 8);
    EXPECT_EQ(RefreshEepromRows(list, std::vector<uint8_t>(256, 0xFF), 8), 32);
    for (int r = 0; r < 32; ++r) {
        EXPECT_EQ(list.CellText(r, 1), kErasedHex);
        EXPECT_EQ(list.CellText(r, 2), "........");
    }
}

TEST(EepromRows, PrintableBytesShowAsThemselvesTheRestAsDots) {
    const EepromRowTexts t = EepromRowText({0x41, 0x20, 0x7E, 0x7F, 0x21, 0x00, 0x80, 0x30}, 0, 8);
    EXPECT_EQ(t.hex, "41  20  7E  7F  21  00  80  30");
    EXPECT_EQ(t.chars, "A.~.!..0");
}

TEST(EepromRows, OnlyRowsWhoseBytesChangedAreWritten) {
    MemoryReportList list(kEepromColumnCount);
    LayOutEepromRows(list, 256, 8);
    std::vector<uint8_t> eeprom(256, 0xFF);
    RefreshEepromRows(list, eeprom, 8);
    list.SetCellText(1, 2, "untouched");  // a row the next refresh must leave alone
    list.cellWrites = 0;

    eeprom[0x12] = 0x41;  // row 2
    EXPECT_EQ(RefreshEepromRows(list, eeprom, 8), 1);
    EXPECT_EQ(list.cellWrites, 2);
    EXPECT_EQ(list.CellText(2, 1), "FF  FF  41  FF  FF  FF  FF  FF");
    EXPECT_EQ(list.CellText(2, 2), "..A.....");
    EXPECT_EQ(list.CellText(1, 2), "untouched");

    EXPECT_EQ(RefreshEepromRows(list, eeprom, 8), 0) << "the same dump again";
    EXPECT_TRUE(list.DrawingOn());
}

TEST(EepromRows, ALineLengthThatDoesNotDivideTheSizeEndsWithAShortRow) {
    MemoryReportList list(kEepromColumnCount);
    LayOutEepromRows(list, 20, 8);
    ASSERT_EQ(list.RowCount(), 3) << "bytes 16 to 19 get a row of their own";
    std::vector<uint8_t> eeprom(20);
    for (size_t a = 0; a < eeprom.size(); ++a) eeprom[a] = static_cast<uint8_t>(0x41 + a);
    RefreshEepromRows(list, eeprom, 8);
    EXPECT_EQ(list.CellText(2, 0), "0010");
    EXPECT_EQ(list.CellText(2, 1), "51  52  53  54");
    EXPECT_EQ(list.CellText(2, 2), "QRST");
}

TEST(EepromRows, UnusableLineLengthsFallBackTo8) {
    EXPECT_EQ(UsableBytesPerLine(0), 8);
    EXPECT_EQ(UsableBytesPerLine(-4), 8);
    EXPECT_EQ(UsableBytesPerLine(65), 8);
    EXPECT_EQ(UsableBytesPerLine(64), 64);
    EXPECT_EQ(UsableBytesPerLine(16), 16);
    EXPECT_EQ(EepromRowCount(1024, 64), 16);
    EXPECT_EQ(EepromRowCount(0, 8), 0) << "a device without EEPROM";
}

TEST(EepromRows, TheSnapshotTakesTheDevicesBytesOnly) {
    DumpImage image;
    image.EepromImage.resize(257);
    image.EepromImage[0].Value = 0x12;
    image.EepromImage[255].Value = 0x34;
    image.EepromImage[256].Value = 0x56;
    const std::vector<uint8_t> values = EepromSnapshot(image, 256);
    ASSERT_EQ(values.size(), 256u);
    EXPECT_EQ(values[0], 0x12);
    EXPECT_EQ(values[255], 0x34);
    EXPECT_EQ(EepromSnapshot(image, 4096).size(), 257u) << "never beyond the image";
    EXPECT_TRUE(EepromSnapshot(image, -1).empty());
}

TEST(EepromColours, AddressColumnGreyDataWhite) {
    EXPECT_EQ(EepromCellBackground(0), (Rgb{232, 232, 232}));
    EXPECT_EQ(EepromCellBackground(1), (Rgb{255, 255, 255}));
    EXPECT_EQ(EepromCellBackground(2), (Rgb{255, 255, 255}));
}

}  // namespace
}  // namespace varnolux
