#include "vars/value_format.h"

#include <gtest/gtest.h>

#include <cstring>

namespace varnolux {
namespace {

MyVarRecord Record(int32_t type, int32_t radix, uint32_t value, uint32_t previous = 0) {
    MyVarRecord r;
    r.VarType = type;
    r.VarDisplayType = radix;
    r.VarValue = value;
    r.VarPrevious = previous;
    return r;
}

uint32_t Bits(float f) {
    uint32_t b;
    std::memcpy(&b, &f, sizeof b);
    return b;
}

ValueTexts Format(const MyVarRecord& r) {
    ValueTexts t;
    EXPECT_TRUE(FormatValue(r, t));
    return t;
}

TEST(FormatValue, NumberFormsByTypeAndRadix) {
    struct Case {
        int32_t type, radix;
        uint32_t raw;
        const char* previousText;  // previous text of the raw value (no character view)
    } cases[] = {
        {VT_BIT, DT_DECIMAL, 1, "1"},
        {VT_BIT, DT_HEX, 1, "1"},
        {VT_BIT, DT_BINARY, 0, "0"},
        {VT_BYTE, DT_DECIMAL, 255, "255"},
        {VT_BYTE, DT_HEX, 10, "$0A"},
        {VT_BYTE, DT_BINARY, 10, "%00001010"},
        {VT_SBYTE, DT_DECIMAL, 255, "-1"},
        {VT_SBYTE, DT_DECIMAL, 128, "-128"},
        {VT_SBYTE, DT_DECIMAL, 127, "127"},
        {VT_SBYTE, DT_HEX, 200, "-56"},
        {VT_SBYTE, DT_BINARY, 200, "-56"},
        {VT_WORD, DT_DECIMAL, 0x1234, "4660"},
        {VT_WORD, DT_HEX, 0x1234, "$1234"},
        {VT_WORD, DT_BINARY, 10, "$000A"},
        {VT_SWORD, DT_DECIMAL, 0xFFFF, "-1"},
        {VT_SWORD, DT_HEX, 0xFFFF, "-1"},
        {VT_SWORD, DT_BINARY, 0x8000, "-32768"},
        {VT_DWORD, DT_DECIMAL, 4294967295u, "4294967295"},
        {VT_DWORD, DT_HEX, 10, "$0000000A"},
        {VT_DWORD, DT_BINARY, 0xDEADBEEF, "$DEADBEEF"},
        {VT_SDWORD, DT_DECIMAL, 0xFFFFFFFEu, "-2"},
        {VT_SDWORD, DT_HEX, 0x80000000u, "-2147483648"},
        {VT_FLOAT, DT_HEX, Bits(-3.0f), "-3"},
    };
    for (const Case& c : cases) {
        const ValueTexts t = Format(Record(c.type, c.radix, 0, c.raw));
        EXPECT_EQ(t.previous, c.previousText) << "type " << c.type << " radix " << c.radix;
        EXPECT_EQ(FormatRawValue(c.type, c.radix, c.raw, false), c.previousText);
    }
}

TEST(FormatValue, ByteValueCarriesItsCharacterViewButPreviousDoesNot) {
    struct Case {
        uint32_t c;
        int32_t radix;
        const char* text;
    } cases[] = {
        {65, DT_DECIMAL, "\"A\"       65"},   {65, DT_HEX, "\"A\"     $41"},
        {5, DT_DECIMAL, "\"  \"          5"}, {5, DT_HEX, "\"  \"      $05"},
        {13, DT_DECIMAL, "\"  \"       13"},  {32, DT_HEX, "\"  \"      $20"},
        {120, DT_DECIMAL, "\"x\"     120"},   {120, DT_HEX, "\"x\"     $78"},
        {200, DT_DECIMAL, "\"  \"     200"},  {200, DT_HEX, "\"  \"      $C8"},
        {65, DT_BINARY, "%01000001"},
    };
    for (const Case& c : cases) {
        const ValueTexts t = Format(Record(VT_BYTE, c.radix, c.c, c.c));
        EXPECT_EQ(t.value, c.text) << c.c << " radix " << c.radix;
        EXPECT_LT(t.value.size(), 20u);
    }
    EXPECT_EQ(Format(Record(VT_BYTE, DT_DECIMAL, 65, 65)).previous, "65");
}

TEST(FormatValue, FloatsShowSevenSignificantDigits) {
    struct Case {
        float f;
        const char* text;
    } cases[] = {
        {1.0f, " 1"},
        {-3.0f, "-3"},
        {0.0f, " 0"},
        {-0.0f, " 0"},
        {0.5f, " .5"},
        {-0.05f, "-.05"},
        {12345678.0f, " 1.234568E+7"},
        {0.00000001f, " 1E-8"},
        {1234567.0f, " 1234567"},
        {100.0f, " 100"},
        {3.25f, " 3.25"},
        {0.1234567f, " .1234567"},
        {0.000123f, " .000123"},
        {1e20f, " 1E+20"},
        {-1.5e-12f, "-1.5E-12"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FloatText(Bits(c.f)), c.text) << c.f;
        EXPECT_EQ(Format(Record(VT_FLOAT, DT_DECIMAL, Bits(c.f))).value, c.text);
    }
}

TEST(FormatValue, UnsetRadixShowsQuestionMarks) {
    const ValueTexts t = Format(Record(VT_WORD, DT_NOCHANGE, 5, 4));
    EXPECT_EQ(t.value, "???");
    EXPECT_EQ(t.previous, "???");
}

TEST(FormatValue, UnknownTypeKeepsTextsAndNamesRadixAndType) {
    MyVarRecord r = Record(0, DT_HEX, 5);
    ValueTexts t{"old", "older"};
    EXPECT_FALSE(FormatValue(r, t));
    EXPECT_EQ(t.value, "old");
    EXPECT_EQ(t.previous, "older");
    EXPECT_EQ(FormatValueFailureText(r), "FormatValue 2  0 ");
    r.VarType = VT_PORT;
    r.VarDisplayType = DT_DECIMAL;
    EXPECT_FALSE(FormatValue(r, t));
    EXPECT_EQ(FormatValueFailureText(r), "FormatValue 1  9 ");
}

TEST(FormatAddress, DecimalOrHexWithBitNumber) {
    MyVarRecord r;
    r.VarType = VT_BIT;
    r.VarAddress = 0x12;
    r.VarLen = 3;
    r.AddDisplayType = DT_DECIMAL;
    EXPECT_EQ(FormatAddress(r), "0018.3");
    r.AddDisplayType = DT_HEX;
    EXPECT_EQ(FormatAddress(r), "$0012.3");
    r.VarType = VT_WORD;
    r.VarAddress = 12;
    for (int32_t radix : {DT_HEX, DT_BINARY, DT_NOCHANGE}) {
        r.AddDisplayType = radix;
        EXPECT_EQ(FormatAddress(r), "$000C");
    }
    r.AddDisplayType = DT_DECIMAL;
    EXPECT_EQ(FormatAddress(r), "0012");
    r.VarAddress = 20000;
    EXPECT_EQ(FormatAddress(r), "20000");
}

TEST(PlainDecimalText, SignedTypesSignedOthersPlain) {
    EXPECT_EQ(PlainDecimalText(Record(VT_BYTE, DT_HEX, 200)), "200");
    EXPECT_EQ(PlainDecimalText(Record(VT_SBYTE, DT_HEX, 200)), "-56");
    EXPECT_EQ(PlainDecimalText(Record(VT_SWORD, DT_HEX, 0xFFFE)), "-2");
    EXPECT_EQ(PlainDecimalText(Record(VT_SDWORD, DT_HEX, 0xFFFFFFFFu)), "-1");
    EXPECT_EQ(PlainDecimalText(Record(VT_DWORD, DT_HEX, 0xFFFFFFFFu)), "4294967295");
    EXPECT_EQ(PlainDecimalText(Record(VT_FLOAT, DT_HEX, Bits(2.5f))), " 2.5");
    EXPECT_EQ(PlainDecimalText(Record(0, DT_HEX, 7)), "");
}

}  // namespace
}  // namespace varnolux
