#include "vars/value_decode.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "support/make_record.h"

namespace varnolux {
namespace {

// An image whose cells from..to are implemented.
DumpImage ImageWithBank(int32_t from, int32_t to) {
    DumpImage image;
    for (int32_t c = from; c <= to; ++c) image.RamImage[c].Implemented = 1;
    return image;
}

void Put(DumpImage& image, int32_t cell, uint8_t value, bool received = true) {
    image.RamImage[cell].Value = value;
    image.RamImage[cell].Received = received ? 1 : 0;
}

MyVarRecord Record(int32_t type, int32_t address, int32_t len = 1) {
    return MakeRecord("", type, address, len);
}

float AsFloat(uint32_t bits) {
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

TEST(DecodeRawValue, WordIsLittleEndian) {
    DumpImage image = ImageWithBank(0, 19999);
    Put(image, 0x3E, 0x34);
    Put(image, 0x3F, 0x12);
    for (int32_t type : {VT_WORD, VT_SWORD}) {
        const DecodedValue v = DecodeRawValue(Record(type, 0x3E), image);
        EXPECT_TRUE(v.taken);
        EXPECT_EQ(v.raw, 0x1234u);
    }
}

TEST(DecodeRawValue, DWordIsLeastSignificantFirstAndNeedsItsLastCell) {
    DumpImage image = ImageWithBank(0, 19999);
    Put(image, 0x100, 0x78);
    Put(image, 0x101, 0x56);
    Put(image, 0x102, 0x34);
    Put(image, 0x103, 0x12, false);
    EXPECT_FALSE(DecodeRawValue(Record(VT_DWORD, 0x100), image).taken);
    image.RamImage[0x103].Received = 1;
    const DecodedValue v = DecodeRawValue(Record(VT_SDWORD, 0x100), image);
    EXPECT_TRUE(v.taken);
    EXPECT_EQ(v.raw, 0x12345678u);
}

TEST(DecodeRawValue, OnlyTheLastCellDecidesWhetherTheValueIsTaken) {
    DumpImage image = ImageWithBank(0, 19999);
    Put(image, 0x20, 0x01, false);
    Put(image, 0x21, 0x02);
    EXPECT_TRUE(DecodeRawValue(Record(VT_WORD, 0x20), image).taken);
}

TEST(DecodeRawValue, WordAcrossABankGapTakesItsHighByteFromTheNextBank) {
    // Bank 0 ends at 0x7F, bank 1 starts at 0xA0.
    DumpImage image = ImageWithBank(0x20, 0x7F);
    for (int32_t c = 0xA0; c <= 0xEF; ++c) image.RamImage[c].Implemented = 1;
    Put(image, 0x7F, 0xCD);
    Put(image, 0x80, 0x99);  // received junk in the gap is not read
    Put(image, 0xA0, 0xAB, false);
    DecodedValue v = DecodeRawValue(Record(VT_WORD, 0x7F), image);
    EXPECT_EQ(v.raw, 0xABCDu);
    EXPECT_FALSE(v.taken);  // the cell after the gap decides
    image.RamImage[0xA0].Received = 1;
    v = DecodeRawValue(Record(VT_WORD, 0x7F), image);
    EXPECT_TRUE(v.taken);
    EXPECT_EQ(v.raw, 0xABCDu);
}

TEST(DecodeRawValue, BitTakesItsBitNumber) {
    DumpImage image = ImageWithBank(0, 19999);
    Put(image, 0x12, 0x08);
    EXPECT_EQ(DecodeRawValue(Record(VT_BIT, 0x12, 3), image).raw, 1u);
    EXPECT_EQ(DecodeRawValue(Record(VT_BIT, 0x12, 2), image).raw, 0u);
    EXPECT_EQ(DecodeRawValue(Record(VT_BIT, 0x12, 40), image).raw, 0u);
}

TEST(DecodeRawValue, MicrochipFloatsBecomeIeeeSingles) {
    struct Case {
        uint8_t b[4];
        float expected;
    } cases[] = {
        {{0x7F, 0x00, 0x00, 0x00}, 1.0f}, {{0x80, 0xC0, 0x00, 0x00}, -3.0f},
        {{0x00, 0x00, 0x00, 0x00}, 0.0f}, {{0x84, 0x48, 0x00, 0x00}, 50.0f},
        {{0x7E, 0x00, 0x00, 0x00}, 0.5f},
    };
    DumpImage image = ImageWithBank(0, 19999);
    for (const Case& c : cases) {
        for (int k = 0; k < 4; ++k) Put(image, 0x40 + k, c.b[k]);
        const DecodedValue v = DecodeRawValue(Record(VT_FLOAT, 0x40), image);
        EXPECT_TRUE(v.taken);
        EXPECT_EQ(AsFloat(v.raw), c.expected);
    }
}

TEST(DecodeRawValue, UnknownTypesAndAddressesOutsideTheImageAreNotTaken) {
    DumpImage image = ImageWithBank(0, 19999);
    Put(image, 5, 1);
    EXPECT_FALSE(DecodeRawValue(Record(0, 5), image).taken);
    EXPECT_FALSE(DecodeRawValue(Record(VT_PORT, 5), image).taken);
    EXPECT_FALSE(DecodeRawValue(Record(VT_BYTE, -1), image).taken);
    EXPECT_FALSE(DecodeRawValue(Record(VT_BYTE, kRamTop + 1), image).taken);
}

TEST(DecodeRawValue, ValueRunningOffTheImageReadsZerosAndIsNotTaken) {
    DumpImage image = ImageWithBank(0, 19999);
    Put(image, 19999, 0x11);
    Put(image, kRamTop, 0x22);
    const DecodedValue v = DecodeRawValue(Record(VT_DWORD, 19999), image);
    EXPECT_EQ(v.raw, 0x11u);
    EXPECT_FALSE(v.taken);
}

TEST(NextImplementedCell, SkipsUnimplementedCellsAndReadsZeroAtTheEnd) {
    DumpImage image = ImageWithBank(0x20, 0x7F);
    Put(image, 0x20, 0x55);
    ImplementedCell c = NextImplementedCell(image, 0);
    EXPECT_EQ(c.cell, 0x20);
    EXPECT_EQ(c.value, 0x55);
    c = NextImplementedCell(image, 0x80);
    EXPECT_EQ(c.cell, kRamTop);
    EXPECT_EQ(c.value, 0);
}

TEST(NumericValue, SignedTypesExtendTheirSignAndFloatsTakeTheirBits) {
    const struct {
        int32_t type;
        uint32_t raw;
        double want;
    } cases[] = {
        {VT_BYTE, 0xFF, 255},
        {VT_SBYTE, 0xFF, -1},
        {VT_SBYTE, 0x7F, 127},
        {VT_SWORD, 0x8000, -32768},
        {VT_WORD, 0x8000, 32768},
        {VT_SDWORD, 0xFFFFFFFE, -2},
        {VT_DWORD, 0xFFFFFFFE, 4294967294.0},
        {VT_BIT, 1, 1},
        {VT_FLOAT, FloatBits(-2.5f), -2.5},
        {VT_FLOAT, FloatBits(0.1f), double(0.1f)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.want, NumericValue(c.type, c.raw)) << c.type << " " << c.raw;
    EXPECT_TRUE(std::isnan(NumericValue(0, 5)));
}

}  // namespace
}  // namespace varnolux
