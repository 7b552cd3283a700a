#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "seams/posix/posix_host_os.h"

namespace varnolux::testing {
namespace {

using ReadListingTest = ListingTest;

struct Expected {
    const char* label;
    int32_t recordType, type, address, len, expanded;
};

void ExpectRecords(const VarTable& records, const std::vector<Expected>& expected) {
    ASSERT_EQ(records.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const MyVarRecord& r = records[i];
        const Expected& e = expected[i];
        SCOPED_TRACE(e.label);
        EXPECT_EQ(r.VarLabel, e.label);
        EXPECT_EQ(r.VarRecordType, e.recordType);
        EXPECT_EQ(r.VarType, e.type);
        EXPECT_EQ(r.VarAddress, e.address);
        EXPECT_EQ(r.VarLen, e.len);
        EXPECT_EQ(r.VarIsExpanded, e.expanded);
        EXPECT_EQ(r.VarDisplayType, DT_DECIMAL);
        EXPECT_EQ(r.AddDisplayType, DT_DECIMAL);
        EXPECT_EQ(r.VarValueInit, 0);
        EXPECT_EQ(r.VarFirstTime, r.VarType == VT_BIT ? 1 : 0);
    }
}

const std::vector<Expected> kMainRecords = {
    {"_time", RT_VARIABLE, VT_WORD, 0x31, 1, 1},
    {"IR_in", RT_VARIABLE, VT_BIT, 0x07, 3, 1},
    {"_cmdBin", RT_ARRAY, VT_BYTE, 0x34, 2, 1},
    {"_cmdBin#0", RT_SUBSCRIPT, VT_BYTE, 52, 1, 0},
    {"_cmdBin#1", RT_SUBSCRIPT, VT_BYTE, 53, 1, 0},
    {"_counter", RT_VARIABLE, VT_BYTE, 0x38, 1, 1},  // moved by the variable block
    {"_samples", RT_ARRAY, VT_WORD, 0x40, 3, 1},
    {"_samples#0", RT_SUBSCRIPT, VT_WORD, 0x40, 1, 0},
    {"_samples#1", RT_SUBSCRIPT, VT_WORD, 0x42, 1, 0},
    {"_samples#2", RT_SUBSCRIPT, VT_WORD, 0x44, 1, 0},
    {"_total", RT_VARIABLE, VT_DWORD, 0x50, 1, 1},
    {"_ratio", RT_VARIABLE, VT_FLOAT, 0x54, 1, 1},
    {"_msg", RT_ARRAY, VT_BYTE, 0x60, 4, 1},
    {"_msg#0", RT_SUBSCRIPT, VT_BYTE, 0x60, 1, 0},
    {"_msg#1", RT_SUBSCRIPT, VT_BYTE, 0x61, 1, 0},
    {"_msg#2", RT_SUBSCRIPT, VT_BYTE, 0x62, 1, 0},
    {"_msg#3", RT_SUBSCRIPT, VT_BYTE, 0x63, 1, 0},
    {"_MODE", RT_VARIABLE, VT_BYTE, 0x71, 1, 1},  // upper-cased in the listing only
};

void ExpectMainListing(const Session& session) {
    EXPECT_EQ(session.project.sourceFiles,
              (std::vector<std::string>{"C:\\USERS\\ME\\PROJ\\MAIN.BAS",
                                        "C:\\PROGRA~2\\PROTON~1\\PDS\\INCLUDES\\PPI\\18F25K22.PRP",
                                        "C:\\Users\\Me\\Proj\\My Includes\\IR Decoder.inc"}));
    ExpectRecords(session.records, kMainRecords);

    EXPECT_EQ(session.device.ListingDeviceName, "18F25K22");
    EXPECT_EQ(session.device.Core, 16);
    EXPECT_EQ(session.device.CodeSize, 32768);

    const RomReference& rom = session.project.romReference;
    EXPECT_EQ(rom.address, 0xAA);
    EXPECT_EQ(rom.firstWord, 0xEF52);
    EXPECT_EQ(rom.secondWord, 0xF000);
    EXPECT_EQ(rom.wordCount, 2);

    const auto& ports = session.device.Ports;
    EXPECT_EQ(ports[2].PinNames[3], "IR_in");
    EXPECT_EQ(ports[1].PinNames[0], "Leds.0");
    EXPECT_EQ(ports[1].PinNames[3], "Leds.3");
    EXPECT_EQ(ports[1].PinNames[4], "LCD_Data0");
    EXPECT_EQ(ports[1].PinNames[7], "LCD_Data3");
    EXPECT_EQ(ports[0].PinNames[2], "LCD_RS");
    EXPECT_EQ(ports[0].PinNames[3], "LCD_EN");
    EXPECT_EQ(ports[0].PinNames[0], "");

    for (const RamCell& c : session.image.RamImage) ASSERT_EQ(c.Received, 0);
    EXPECT_EQ(session.image.RamImage.size(), size_t(kRamTop + 1));
}

TEST_F(ReadListingTest, ReadsTheAssemblerListingOfAProject) {
    EXPECT_TRUE(Read(ReadFixture("main.lst")));
    EXPECT_TRUE(prompts.Texts().empty()) << prompts.Texts().front();
    ExpectMainListing(session);
}

TEST_F(ReadListingTest, LfLineEndsReadTheSame) {
    std::string text = ReadFixture("main.lst");
    std::string lf;
    for (char c : text) {
        if (c != '\r') lf += c;
    }
    EXPECT_TRUE(Read(lf));
    EXPECT_TRUE(prompts.Texts().empty());
    ExpectMainListing(session);
}

TEST_F(ReadListingTest, ListingIsFoundInAnotherCase) {
    session.project.listingName = "main.LST";
    EXPECT_TRUE(Read(ReadFixture("main.lst")));
    EXPECT_EQ(session.records.size(), kMainRecords.size());
}

TEST_F(ReadListingTest, EmptyNameOrMissingFileEndsTheStageWithEmptyTables) {
    ASSERT_TRUE(Read(ReadFixture("main.lst")));
    session.project.listingName = "";
    EXPECT_FALSE(ReadListing(session, seams));
    EXPECT_EQ(prompts.Texts().back(), "ReadListing 1 ");
    EXPECT_TRUE(session.records.empty());
    EXPECT_TRUE(session.project.sourceFiles.empty());

    session.project.listingName = "OTHER.lst";
    EXPECT_FALSE(ReadListing(session, seams));
    EXPECT_EQ(prompts.Texts().back(), "ReadListing 2 listing OTHER.lst not found");
    EXPECT_EQ(prompts.shown.back().caption, "Varnolux");
    EXPECT_TRUE(session.device.ListingDeviceName.empty());

    // There but not readable (no permission): said so, not taken for missing.
    session.project.listingName = "MAIN.lst";
    os.SetUnreadable("MAIN.lst", true);
    EXPECT_FALSE(ReadListing(session, seams));
    EXPECT_EQ(prompts.Texts().back(),
              "ReadListing 2 listing MAIN.lst cannot be read (no permission, or locked)");
    EXPECT_TRUE(session.records.empty());
}

TEST_F(ReadListingTest, ListingWithoutVariableSectionGivesAnEmptyTable) {
    EXPECT_TRUE(Read(Listing({";FILE F1 = C:\\P\\A.BAS", "        LIST  P = 18F25K22"})));
    EXPECT_TRUE(session.records.empty());
    EXPECT_EQ(session.project.sourceFiles.size(), 1u);
    EXPECT_EQ(prompts.Texts(),
              (std::vector<std::string>{"ReadListing 11 no [Variable Listing] in MAIN.lst",
                                        "ReadListing 7 LstDevice fail "}));
}

TEST_F(ReadListingTest, ListingWithoutProcessorDirectiveCapturesNoRomReference) {
    const std::string text =
        Listing({";[Variable Listing]", ";_a,0020,DT_BYTE,1", ";[End Listing]"}) +
        CodeLine(0xA8, "0012     ", 4, "        return") + "\r\n" + CodeLine(0xAA, "", 5, "__EOF") +
        "\r\n";
    EXPECT_TRUE(Read(text));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"ReadListing 7 LstDevice fail "});
    EXPECT_EQ(session.device.Core, 0);
    EXPECT_EQ(session.project.romReference.wordCount, 0);
    EXPECT_EQ(session.records.size(), 1u);
}

TEST_F(ReadListingTest, JunkNeverCrashesAndLosesNothingElse) {
    std::string junk;
    uint32_t x = 12345;
    for (int i = 0; i < 10 * 1024 * 1024; ++i) {
        x = x * 1103515245u + 12345u;
        junk += char(x >> 24);
    }
    EXPECT_TRUE(Read(junk));
    EXPECT_TRUE(session.records.empty());
    EXPECT_FALSE(prompts.Texts().empty());
    EXPECT_LE(prompts.Texts().size(), 3u);

    prompts.shown.clear();
    std::string longLine(100000, 'x');
    const std::string text =
        Listing({";[Variable Listing]", ";" + longLine,
                 ";_a," + std::string(100000, '0') + "20,DT_BYTE,1", ";_b,0021,DT_BYTE,1",
                 ";[End Listing]", longLine, "        LIST  P = 18F25K22"}) +
        EndOfProgram();
    EXPECT_TRUE(Read(text));
    ASSERT_EQ(session.records.size(), 2u);  // the long name has no type: left out
    EXPECT_EQ(session.records[0].VarAddress, 0x20);
    EXPECT_EQ(session.records[1].VarLabel, "_b");
    ASSERT_EQ(prompts.Texts().size(), 1u);
    EXPECT_EQ(prompts.Texts()[0].rfind("ReadListing 6 1 ", 0), 0u);
}

TEST(ReadListingOnLinux, WindowsPathsFindListingAndDeviceFileInAnyCase) {
    // The fixture folder written the Windows way, upper-cased where Windows would not care.
    std::string folder = "C:" + std::string(VARNOLUX_SOURCE_DIR) + "/TESTS/Fixtures/LISTING";
    for (char& c : folder) {
        if (c == '/') c = '\\';
    }
    MemorySessionRig<MemoryPrompts, PosixHostOs> rig;
    rig.session.project.listingName = folder + "\\Main.LST";
    rig.session.settings.PPI = folder + "\\ppi";
    ASSERT_TRUE(ReadListing(rig.session, rig.seams));
    EXPECT_TRUE(rig.prompts.Texts().empty());
    ExpectMainListing(rig.session);
}

}  // namespace
}  // namespace varnolux::testing
