#include "link/modify/apply.h"
#include "link/modify/confirm.h"
#include "link/modify/request.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "link/modify/text.h"
#include "seams/memory/memory_report_list.h"
#include "support/make_record.h"
#include "vars/list_context.h"
#include "vars/main_list.h"
#include "vars/main_list_modify.h"

namespace varnolux {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class ModifyTest : public ::testing::Test {
  protected:
    ModifyTest() : ctx(session, list) {
        session.run.ProjectLoaded = 1;
        session.device.Core = 16;
    }

    int Add(const std::string& label, int32_t type, int32_t address, int32_t len = 1,
            int32_t recordType = RT_VARIABLE) {
        session.records.push_back(MakeRecord(label, type, address, len, recordType));
        return static_cast<int>(session.records.size()) - 1;
    }

    // Opens the window on the variable's Value cell and confirms `text`.
    ConfirmOutcome Confirm(const std::string& label, const std::string& text) {
        FillMainList(ctx);
        int row = 0;
        while (row < list.RowCount() && list.CellText(row, kColLabel) != label) ++row;
        const ModifyStart start = OpenModifyForCell(ctx, row, kColValue);
        EXPECT_TRUE(start.open) << label;
        return ConfirmModify(session, list, text);
    }

    HostPayload Payload() { return BuildModifyPayload(session.modify); }

    // Confirms `text` with no request pending; the request carries `payload`.
    void ExpectSent(const std::string& label, const std::string& text, const HostPayload& payload) {
        session.run.ModifyPending = 0;
        ASSERT_TRUE(Confirm(label, text).accepted) << text;
        EXPECT_THAT(Payload(), ElementsAreArray(payload)) << text;
    }

    Session session;
    MemoryReportList list;
    ListContext ctx;
};

TEST_F(ModifyTest, ByteValueForms) {
    struct Case {
        std::string text;
        uint8_t sent;
    };
    for (const Case& c : {Case{"%1010", 10}, Case{"$FF", 255}, Case{"$ff", 255}, Case{"\"A", 65},
                          Case{"200", 200}, Case{"12abc", 12}}) {
        session.run.ModifyPending = 0;
        session.records.clear();
        Add("b", VT_BYTE, 0x20);
        const ConfirmOutcome out = Confirm("b", c.text);
        EXPECT_TRUE(out.accepted) << c.text;
        EXPECT_EQ(Payload()[3], c.sent) << c.text;
        EXPECT_EQ(session.run.ModifyPending.load(), 1);
    }
}

TEST_F(ModifyTest, OutOfRangeOrNoNumberIsInvalid) {
    struct Case {
        int32_t type;
        std::string text;
    };
    for (const Case& c :
         {Case{VT_BYTE, "256"}, Case{VT_BYTE, "-1"}, Case{VT_SBYTE, "128"}, Case{VT_SBYTE, "$FF"},
          Case{VT_BIT, "2"}, Case{VT_WORD, "65536"}, Case{VT_SWORD, "-32769"},
          Case{VT_DWORD, "4294967296"}, Case{VT_SDWORD, "2147483648"}, Case{VT_BYTE, ""},
          Case{VT_BYTE, "abc"}, Case{VT_BYTE, "$"}, Case{VT_BYTE, "\""}, Case{VT_FLOAT, "x"},
          Case{VT_FLOAT, "1E99"}, Case{VT_BYTE, "99999999999999999999999"},
          // Numbers too long for 64 bits must not wrap into the range.
          Case{VT_BYTE, "18446744073709551621"}, Case{VT_BYTE, "-18446744073709551615"},
          Case{VT_BIT, "-18446744073709551615"}, Case{VT_SBYTE, "$F0000000000000000"},
          Case{VT_DWORD, "$10000000000000001"}, Case{VT_BYTE, "%1" + std::string(64, '0') + "1"}}) {
        session.records.clear();
        Add("v", c.type, 0x20);
        const ConfirmOutcome out = Confirm("v", c.text);
        EXPECT_FALSE(out.accepted) << c.type << " " << c.text;
        EXPECT_EQ(out.editText, "Invalid value");
        EXPECT_EQ(session.run.ModifyPending.load(), 0);
    }
}

TEST_F(ModifyTest, MinusOneForASignedByte) {
    Add("s", VT_SBYTE, 0x20);
    ExpectSent("s", "-1", {1, 0x00, 0x20, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(list.CellText(0, kColValue), "-1");
}

TEST_F(ModifyTest, BitThreeSetAndCleared) {
    Add("flag", VT_BIT, 0x21, 3);
    ExpectSent("flag", "1", {0, 0x00, 0x21, 0x08, 0xFF, 0x00, 0x00});
    ExpectSent("flag", "0", {0, 0x00, 0x21, 0x00, 0xF7, 0x00, 0x00});
}

TEST_F(ModifyTest, FloatOneInMicrochipLayout) {
    Add("f", VT_FLOAT, 0x30);
    ExpectSent("f", "1.0", {4, 0x00, 0x30, 0x7F, 0x00, 0x00, 0x00});
    EXPECT_EQ(list.CellText(0, kColValue), " 1");
    ExpectSent("f", "-3", {4, 0x00, 0x30, 0x80, 0xC0, 0x00, 0x00});
}

TEST_F(ModifyTest, WordRequestBytes) {
    Add("w", VT_WORD, 0x0123);
    ASSERT_TRUE(Confirm("w", "4660").accepted);
    EXPECT_THAT(BuildModifyRequest(session),
                ElementsAre(0x02, 0x0B, 0x0C, 0x02, 0x01, 0x23, 0x34, 0x12, 0x00, 0x00, 0xAA));
    EXPECT_EQ(list.CellText(0, kColValue), " 4660");
    EXPECT_NE(list.ItemData(0) & (1u << 14), 0u);
}

TEST_F(ModifyTest, PendingValueLandsOnTheVariablesRowAfterASort) {
    Add("a", VT_BYTE, 0x10);
    Add("b", VT_WORD, 0x11);
    FillMainList(ctx);
    ASSERT_TRUE(OpenModifyForCell(ctx, 1, kColValue).open);  // b
    SortList(ctx, kColLabel);                                // now b is row 0
    ASSERT_TRUE(ConfirmModify(session, list, "7").accepted);
    EXPECT_EQ(list.CellText(0, kColLabel), "b");
    EXPECT_EQ(list.CellText(0, kColValue), " 7");
    EXPECT_EQ(list.CellText(1, kColValue), "");
}

TEST_F(ModifyTest, OpeningWhilePendingShowsTheMessage) {
    Add("a", VT_BYTE, 0x10);
    FillMainList(ctx);
    session.run.ModifyPending = 1;
    EXPECT_FALSE(OpenModifyForCell(ctx, 0, kColValue).open);
    EXPECT_THAT(ctx.messages,
                ElementsAre("OpenModifyWindow There is a modify operation pending - please wait "));
}

TEST_F(ModifyTest, NoWindowForArraysOtherColumnsOrCore14) {
    Add("arr", VT_BYTE, 0x10, 2, RT_ARRAY);
    Add("arr#0", VT_BYTE, 0x10, 1, RT_SUBSCRIPT);
    Add("arr#1", VT_BYTE, 0x11, 1, RT_SUBSCRIPT);
    Add("v", VT_BYTE, 0x12);
    FillMainList(ctx);
    EXPECT_FALSE(OpenModifyForCell(ctx, 0, kColValue).open);
    EXPECT_FALSE(OpenModifyForCell(ctx, 1, kColLabel).open);
    session.device.Core = 14;
    EXPECT_FALSE(OpenModifyForCell(ctx, 1, kColValue).open);
    EXPECT_TRUE(ctx.messages.empty());
}

TEST_F(ModifyTest, StartTextIsThePlainDecimalValue) {
    const int s = Add("s", VT_SWORD, 0x10);
    session.records[s].VarValue = 0xFFFE;
    session.records[s].VarValueInit = 1;
    const int f = Add("f", VT_FLOAT, 0x20);
    session.records[f].VarValue = 0x3FC00000;  // 1.5
    session.records[f].VarValueInit = 1;
    FillMainList(ctx);
    EXPECT_EQ(OpenModifyForCell(ctx, 1, kColValue).text, "-2");
    EXPECT_EQ(OpenModifyForCell(ctx, 0, kColValue).text, "1.5");
}

TEST_F(ModifyTest, WindowPlacementAtTheCell) {
    const CellRect cell{100, 200, 180, 217};
    const WindowOrigin top = PlaceModifyWindow(cell, 3, 0, 12, 169, 68);
    EXPECT_EQ(top.x, 140 - 169);
    EXPECT_EQ(top.y, 200);
    const WindowOrigin low = PlaceModifyWindow(cell, 10, 0, 12, 169, 68);
    EXPECT_EQ(low.y, 217 - 68);
}

TEST_F(ModifyTest, TargetAppliesTheRequestToItsRam) {
    uint8_t ram[0x200] = {};
    ram[0x21] = 0xFF;
    PendingModify m;
    m.VarType = VT_BIT;
    m.VarAddress = 0x21;
    m.BitNumber = 3;
    m.ModifyValue = 0;
    ASSERT_TRUE(ApplyModifyToRam(BuildModifyPayload(m), ram, sizeof ram));
    EXPECT_EQ(ram[0x21], 0xF7);
    m.VarType = VT_DWORD;
    m.VarAddress = 0x100;
    m.ModifyValue = 0x12345678;
    ASSERT_TRUE(ApplyModifyToRam(BuildModifyPayload(m), ram, sizeof ram));
    EXPECT_EQ(ram[0x100], 0x78);
    EXPECT_EQ(ram[0x103], 0x12);
    m.VarAddress = 0x1FE;
    EXPECT_FALSE(ApplyModifyToRam(BuildModifyPayload(m), ram, sizeof ram));
}

// A replay makes the recorded request pending again from its bytes alone.
TEST(ModifyOfPayload, ARequestReadBackIsSentAgainByteForByte) {
    const struct {
        int32_t type;
        int64_t value;
        float floatValue;
        int32_t bit;
    } cases[] = {{VT_BYTE, 255, 0, 0},     {VT_SBYTE, -1, 0, 0},  {VT_WORD, 4660, 0, 0},
                 {VT_SWORD, -32768, 0, 0}, {VT_SDWORD, -2, 0, 0}, {VT_FLOAT, 0, -1.5f, 0},
                 {VT_BIT, 1, 0, 3},        {VT_BIT, 0, 0, 7}};
    for (const auto& c : cases) {
        PendingModify m;
        m.VarType = c.type;
        m.VarAddress = 0x1A2;
        m.ModifyValue = c.value;
        m.ModifyFloat = c.floatValue;
        m.BitNumber = c.bit;
        const HostPayload sent = BuildModifyPayload(m);
        EXPECT_EQ(BuildModifyPayload(ModifyOfPayload(sent)), sent) << c.type << " " << c.value;
    }
}

}  // namespace
}  // namespace varnolux
