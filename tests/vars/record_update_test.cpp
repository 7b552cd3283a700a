#include "vars/record_update.h"

#include <gtest/gtest.h>

#include "seams/memory/memory_prompts.h"
#include "support/make_record.h"
#include "vars/value_format.h"

namespace varnolux {
namespace {

MyVarRecord Record(const std::string& label, int32_t type, int32_t address,
                   int32_t recordType = RT_VARIABLE) {
    return MakeRecord(label, type, address, 1, recordType);
}

// Runs one transaction: the DumpIDs move on, the cells get the bytes, the update runs.
UpdateReport Dump(VarTable& records, DumpImage& image, int32_t dumpId,
                  std::initializer_list<std::pair<int32_t, uint8_t>> cells) {
    image.PreviousDumpId = image.DumpId;
    image.DumpId = dumpId;
    for (const auto& [cell, value] : cells) {
        image.RamImage[cell].Value = value;
        image.RamImage[cell].Received = 1;
    }
    return UpdateRecordsFromDump(records, image);
}

DumpImage Implemented() {
    DumpImage image;
    for (int32_t c = 0; c < kRamTop; ++c) image.RamImage[c].Implemented = 1;
    return image;
}

TEST(UpdateRecordsFromDump, FirstDumpSetsValueOnly) {
    VarTable records{Record("a", VT_BYTE, 0x10), Record("never", VT_BYTE, 0x11)};
    DumpImage image = Implemented();
    Dump(records, image, 3, {{0x10, 5}});
    EXPECT_EQ(records[0].VarValueInit, 1);
    EXPECT_EQ(records[0].VarValue, 5u);
    EXPECT_EQ(records[0].VarPreviousInit, 0);
    EXPECT_EQ(records[0].VarIsHighLight, 0);
    EXPECT_EQ(records[0].VarLast[0], 0u);
    EXPECT_EQ(records[0].DumpIDLast[0], 0);
    EXPECT_EQ(records[1].VarValueInit, 0);  // its cell was never received
}

TEST(UpdateRecordsFromDump, UnchangedValueAgesHistoryWithoutHighlight) {
    VarTable records{Record("a", VT_BYTE, 0x10)};
    DumpImage image = Implemented();
    Dump(records, image, 3, {{0x10, 5}});
    Dump(records, image, 4, {{0x10, 5}});
    EXPECT_EQ(records[0].VarLast[0], 5u);
    EXPECT_EQ(records[0].DumpIDLast[0], 3);
    EXPECT_EQ(records[0].VarIsHighLight, 0);
    EXPECT_EQ(records[0].VarPreviousInit, 0);
}

TEST(UpdateRecordsFromDump, ChangedValueKeepsPreviousAndHighlightsExceptArrays) {
    VarTable records{Record("arr", VT_BYTE, 0x10, RT_ARRAY),
                     Record("arr#0", VT_BYTE, 0x10, RT_SUBSCRIPT)};
    DumpImage image = Implemented();
    Dump(records, image, 1, {{0x10, 5}});
    Dump(records, image, 2, {{0x10, 7}});
    for (const MyVarRecord& r : records) {
        EXPECT_EQ(r.VarPrevious, 5u);
        EXPECT_EQ(r.VarValue, 7u);
        EXPECT_EQ(r.VarPreviousInit, 1);
    }
    EXPECT_EQ(records[0].VarIsHighLight, 0);
    EXPECT_EQ(records[1].VarIsHighLight, 1);
}

TEST(UpdateRecordsFromDump, TenDumpsKeepTheEightValuesBeforeTheLatest) {
    VarTable records{Record("w", VT_WORD, 0x20)};
    DumpImage image = Implemented();
    for (uint8_t v = 1; v <= 10; ++v) Dump(records, image, 100 + v, {{0x20, v}, {0x21, 0}});
    const MyVarRecord& r = records[0];
    EXPECT_EQ(r.VarValue, 10u);
    EXPECT_EQ(r.VarPrevious, 9u);
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(r.VarLast[k], uint32_t(9 - k));
        EXPECT_EQ(r.DumpIDLast[k], 109 - k);
    }
}

TEST(UpdateRecordsFromDump, HistoryCarriesThePreviousDumpIdEvenWhenAValueWasMissed) {
    VarTable records{Record("a", VT_BYTE, 0x10)};
    DumpImage image = Implemented();
    Dump(records, image, 1, {{0x10, 5}});
    image.RamImage[0x10].Received = 0;
    Dump(records, image, 2, {});  // not received: nothing stored
    EXPECT_EQ(records[0].DumpIDLast[0], 0);
    Dump(records, image, 3, {{0x10, 6}});
    EXPECT_EQ(records[0].VarLast[0], 5u);
    EXPECT_EQ(records[0].DumpIDLast[0], 2);
}

TEST(UpdateRecordsFromDump, AddressBeyondTheImageStopsTheUpdateAndIsReportedOnce) {
    VarTable records{Record("a", VT_BYTE, 0x10), Record("bad", VT_BYTE, kRamTop + 1),
                     Record("b", VT_BYTE, 0x11)};
    DumpImage image = Implemented();
    const UpdateReport report = Dump(records, image, 1, {{0x10, 1}, {0x11, 2}});
    EXPECT_TRUE(report.invalidAddress);
    EXPECT_EQ(records[0].VarValueInit, 1);
    EXPECT_EQ(records[2].VarValueInit, 0);

    MemoryPrompts prompts;
    ShownInternalErrors shown;
    ShowUpdateReport(report, prompts, shown);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "invalid address in MyVarRecord");
    EXPECT_NE(prompts.shown[0].caption, "Varnolux");
    EXPECT_TRUE(prompts.shown[0].foreground);
}

TEST(UpdateRecordsFromDump, UnknownTypeIsShownOncePerRecordAndNeverTakesAValue) {
    VarTable records{Record("odd", 0, 0x10), Record("b", VT_BYTE, 0x11), Record("odd2", 9, 0x12)};
    DumpImage image = Implemented();
    MemoryPrompts prompts;
    ShownInternalErrors shown;
    for (int32_t id = 1; id <= 5; ++id) {
        const UpdateReport report = Dump(records, image, id, {{0x10, 1}, {0x11, 2}, {0x12, 3}});
        ASSERT_EQ(report.internalErrors.size(), 2u);
        EXPECT_EQ(report.internalErrors[0].record, 0u);
        EXPECT_EQ(report.internalErrors[1].record, 2u);
        EXPECT_FALSE(report.invalidAddress);
        ShowUpdateReport(report, prompts, shown);
    }
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{
                                   "UpdateRecordsFromDump 1 odd" + std::string(47, ' ') + " ",
                                   "UpdateRecordsFromDump 1 odd2" + std::string(46, ' ') + " "}));
    EXPECT_EQ(records[0].VarValueInit, 0);
    EXPECT_EQ(records[1].VarValueInit, 1);
}

TEST(UpdateRecordsFromDump, SWordArrayElementsTakeTheirOwnWordsAndShowSigned) {
    VarTable records{
        Record("t", VT_SWORD, 0x40, RT_ARRAY), Record("t#0", VT_SWORD, 0x40, RT_SUBSCRIPT),
        Record("t#1", VT_SWORD, 0x42, RT_SUBSCRIPT), Record("t#2", VT_SWORD, 0x44, RT_SUBSCRIPT)};
    records[0].VarLen = 3;
    DumpImage image = Implemented();
    Dump(records, image, 1,
         {{0x40, 0xFF}, {0x41, 0xFF}, {0x42, 0xFE}, {0x43, 0xFF}, {0x44, 0x00}, {0x45, 0x80}});
    const char* expected[] = {"-1", "-1", "-2", "-32768"};
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i].VarValueInit, 1);
        for (int32_t radix : {DT_DECIMAL, DT_HEX, DT_BINARY}) {
            records[i].VarDisplayType = radix;
            ValueTexts texts;
            ASSERT_TRUE(FormatValue(records[i], texts));
            EXPECT_EQ(texts.value, expected[i]) << records[i].VarLabel << " radix " << radix;
        }
    }
}

TEST(FindRecordByLabel, FirstExactCaseSensitiveMatch) {
    VarTable records{Record("Count", VT_BYTE, 1), Record("count", VT_BYTE, 2),
                     Record("count", VT_BYTE, 3)};
    EXPECT_EQ(FindRecordByLabel(records, "count"), 1);
    EXPECT_EQ(FindRecordByLabel(records, "Count"), 0);
    EXPECT_EQ(FindRecordByLabel(records, "COUNT"), kNoRecord);
    EXPECT_EQ(FindRecordByLabel(records, ""), kNoRecord);
}

}  // namespace
}  // namespace varnolux
