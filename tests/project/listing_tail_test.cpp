#include <gtest/gtest.h>

#include "listing_test_support.h"

namespace varnolux::testing {
namespace {

class ListingTailTest : public ListingTest {
  protected:
    // Variable section with the comments, then the given tail lines as they
    // are and, unless told otherwise, the end of the program.
    bool ReadWithTail(const std::vector<std::string>& comments,
                      const std::vector<std::string>& tail, bool programEnd = true) {
        std::vector<std::string> texts{";[Variable Listing]"};
        for (const std::string& c : comments) texts.push_back(";" + c);
        texts.push_back(";[End Listing]");
        std::string text = Listing(texts);
        for (const std::string& line : tail) text += line + "\r\n";
        return Read(programEnd ? text + EndOfProgram() : text);
    }
    static std::string Src(const std::string& text) { return SourceLine(100, text); }
    static std::string Var(const std::string& value, const std::string& pairs) {
        char columns[40];
        std::snprintf(columns, sizeof columns, "%-22s%05d ", value.c_str(), 101);
        return columns + std::string("variable ") + pairs;
    }
    const std::string kList = Src("        LIST  P = 18F25K22, F = INHX32");
    const std::string kBlock = Src("; STANDARD VARIABLES");
};

TEST_F(ListingTailTest, VariableBlockMovesRecordsAndTheLastAssignmentWins) {
    ASSERT_TRUE(ReadWithTail(
        {"_a,0020,DT_BYTE,1", "_arr,0030,DT_BYTE,2", "_b,0040,DT_BYTE,1", "_c,0041,DT_BYTE,1",
         "_d,0042,DT_BYTE,1", "_e,0043,DT_BYTE,1"},
        {kList, kBlock, Var("0034", "_a=0X34"), Var("0036", "_a=54"),
         Var("0030", "_arr=0X31,_b=0X50,_c=81,_d=0x52,_e=0X53"), Var("0000", "_unknown=5"),
         Src("#define LED PORTB.1"), Var("0060", "_e=0X60")}));
    EXPECT_EQ(Find("_a")->VarAddress, 54);
    EXPECT_EQ(Find("_arr")->VarAddress, 0x31);
    EXPECT_EQ(Find("_arr#0")->VarAddress, 0x30);  // elements keep their addresses
    EXPECT_EQ(Find("_b")->VarAddress, 0x50);
    EXPECT_EQ(Find("_c")->VarAddress, 81);
    EXPECT_EQ(Find("_d")->VarAddress, 0x52);
    EXPECT_EQ(Find("_e")->VarAddress, 0x53);  // after the block's end: not a correction
    EXPECT_EQ(session.device.Ports[1].PinNames[1], "LED");  // the line ending the block counts
    EXPECT_TRUE(prompts.Texts().empty());
}

TEST_F(ListingTailTest, ExactNameIsPreferredOverOtherCase) {
    ASSERT_TRUE(ReadWithTail({"_MODE,0070,DT_BYTE,1", "_mode,0072,DT_BYTE,1"},
                             {kList, kBlock, Var("0071", "_mode=0X71,_MODE=0X73")}));
    EXPECT_EQ(session.records[0].VarAddress, 0x73);
    EXPECT_EQ(session.records[1].VarAddress, 0x71);
}

TEST_F(ListingTailTest, BadVariableEntriesAreReportedOnceAndSkipped) {
    ASSERT_TRUE(ReadWithTail({"_a,0020,DT_BYTE,1", "_b,0021,DT_BYTE,1"},
                             {kList, kBlock, Var("0000", "_a=,_a,_a=0XZZ,_a=99999,_b=0X22"),
                              Src("#define LED PORTB.1")}));
    EXPECT_EQ(Find("_a")->VarAddress, 0x20);
    EXPECT_EQ(Find("_b")->VarAddress, 0x22);
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{"ReadListing 10 4 variable block entries without a valid "
                                       "address, the first: _a="});
}

TEST_F(ListingTailTest, RomReferenceIsTheLastInstructionBeforeTheEndLabel) {
    ASSERT_TRUE(ReadWithTail(
        {},
        {kList, CodeLine(0xA4, "EF52 F000", 200, "        goto main"),
         CodeLine(0xA8, "0012     ", 201, "        return"), Src("; comment"), "",
         "\fMPASM 5.51     MAIN.ASM   PAGE  3", "LOC    OBJECT CODE     LINE SOURCE TEXT",
         "  VALUE", CodeLine(0xAA, "", 202, "__EOF")},
        false));
    const RomReference& rom = session.project.romReference;
    EXPECT_EQ(rom.address, 0xA8);
    EXPECT_EQ(rom.firstWord, 0x0012);
    EXPECT_EQ(rom.secondWord, -1);
    EXPECT_EQ(rom.wordCount, 1);
}

TEST_F(ListingTailTest, RomReferenceSkipsAddressesAtOrAboveTheEndAndNearTheTop) {
    os.PutFile("C:\\PDS\\PPI\\P18F1.PPI", "[INFOSTART]\r\nCORE=16\r\nMAXCODE=200\r\n");
    ASSERT_TRUE(ReadWithTail(
        {},
        {Src("        LIST  P = 18F1"), CodeLine(0xA0, "EF52 F000", 200, "        goto main"),
         CodeLine(0xB8, "0012     ", 201, "        return"),  // above 200 - 17
         CodeLine(0xC0, "0012     ", 202, "        return"),  // at the end label
         CodeLine(0xC0, "", 203, "__EOF")},
        false));
    EXPECT_EQ(session.project.romReference.address, 0xA0);
    EXPECT_EQ(session.project.romReference.wordCount, 2);
}

TEST_F(ListingTailTest, NoRomReferenceForFourteenBitCoreOrBeforeTheDirective) {
    os.PutFile("C:\\PDS\\PPI\\P16F1.PPI", "[INFOSTART]\r\nCORE=14\r\nMAXCODE=8192\r\n");
    ASSERT_TRUE(ReadWithTail(
        {},
        {Src("        LIST  P = 16F1"), CodeLine(0xA0, "0012     ", 200, "        return"),
         CodeLine(0xA2, "", 201, "__EOF")},
        false));
    EXPECT_EQ(session.device.Core, 14);
    EXPECT_EQ(session.device.CodeSize, 8192);
    EXPECT_EQ(session.project.romReference.wordCount, 0);

    ASSERT_TRUE(ReadWithTail({},
                             {CodeLine(0xA0, "0012     ", 200, "        return"),
                              CodeLine(0xA2, "", 201, "__EOF"), kList},
                             false));
    EXPECT_EQ(session.device.Core, 16);
    EXPECT_EQ(session.project.romReference.wordCount, 0);
}

TEST_F(ListingTailTest, MissingOrUnreadableDeviceFileGivesCoreZeroAndSaysWhy) {
    ASSERT_TRUE(ReadWithTail({}, {Src("        LIST  P = 18F99")}));
    EXPECT_EQ(session.device.ListingDeviceName, "18F99");
    EXPECT_EQ(session.device.Core, 0);
    EXPECT_EQ(session.device.CodeSize, 0);
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{"ReadListing 14 device file C:\\PDS\\PPI\\P18F99.PPI not "
                                       "found - the device's core and code size are not known; "
                                       "[Locations] PPI= in Varnolux.ini names the folder of "
                                       "the device files"});

    prompts.shown.clear();
    os.SetUnreadable("C:\\PDS\\PPI\\P18F25K22.PPI", true);
    ASSERT_TRUE(ReadWithTail({}, {kList}));
    EXPECT_EQ(session.device.Core, 0);
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{"ReadListing 14 device file C:\\PDS\\PPI\\P18F25K22.PPI "
                                       "cannot be read (no permission, or locked) - the device's "
                                       "core and code size are not known"});
}

// A listing cut short (here after its variable block, as a truncated copy is)
// names itself and what it lacks, and leaves no ROM reference to check.
TEST_F(ListingTailTest, ListingWithoutItsEndSaysSo) {
    ASSERT_TRUE(
        ReadWithTail({"_a,0020,DT_BYTE,1"}, {kList, kBlock, Var("0020", "_a=0X20")}, false));
    EXPECT_EQ(session.records.size(), 1u);
    EXPECT_EQ(session.project.romReference.wordCount, 0);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{
                                   "ReadListing 12 MAIN.lst ends before its end label __EOF: the "
                                   "listing is incomplete, recompile to write it again; the ROM "
                                   "check is skipped"});

    prompts.shown.clear();
    ASSERT_TRUE(
        ReadWithTail({}, {kList, Src("        END"), CodeLine(0xAA, "", 202, "__EOF")}, false));
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{"ReadListing 13 MAIN.lst has no program word before its end "
                                       "label __EOF: the ROM check is skipped"});
}

// The device's registers are the "equ" lines before the variable block, in
// address order; a label's "equ $" and anything after the block are not.
TEST_F(ListingTailTest, RegistersAreTheEquLinesBeforeTheVariableBlock) {
    ASSERT_TRUE(ReadWithTail(
        {}, {kList, "  00000F82            00101 PORTC equ 0X0F82", Src("PORTA equ 0X0F80"),
             Src("WREG equ 4072"), Src("HIGH equ 0X99999"),
             Src("F1_000046 equ $ ; in [MAIN.BAS] x = 1"), kBlock, Src("LATE equ 0X0F8D")}));
    std::vector<std::pair<std::string, int32_t>> registers;
    for (const SpecialRegister& r : session.device.Registers)
        registers.emplace_back(r.name, r.address);
    EXPECT_EQ(registers, (std::vector<std::pair<std::string, int32_t>>{
                             {"PORTA", 0xF80}, {"PORTC", 0xF82}, {"WREG", 4072}}));
}

TEST_F(ListingTailTest, PinDefinesNameBitsOrWholePorts) {
    ASSERT_TRUE(ReadWithTail({}, {kList, Src("#define IR_in PORTC,3"), Src("#define Led PORTA.0"),
                                  Src("#define Keys PORTD"), Src("#define Far PORTF.1"),
                                  Src("#define Bad PORTB.9"), Src("#define LCD#RS PORTE.0"),
                                  Src("#define AVeryLongPinNameOfMoreThanTwenty PORTE.2")}));
    const auto& ports = session.device.Ports;
    EXPECT_EQ(ports[2].PinNames[3], "IR_in");
    EXPECT_EQ(ports[0].PinNames[0], "Led");
    for (int b = 0; b < 8; ++b) EXPECT_EQ(ports[3].PinNames[b], "Keys." + std::to_string(b));
    EXPECT_EQ(ports[5].PinNames[1], "");
    for (int b = 0; b < 8; ++b) EXPECT_EQ(ports[1].PinNames[b], "");
    EXPECT_EQ(ports[4].PinNames[0], "");
    EXPECT_EQ(ports[4].PinNames[2], "AVeryLongPinNameOfMo");
}

TEST_F(ListingTailTest, LcdPinsReplaceDefinedNamesOnlyWhereDefined) {
    ASSERT_TRUE(ReadWithTail(
        {}, {kList, Src("#define Leds PORTB"), Src("#define Flag PORTA.0"),
             Src("#define __LCD_DATA_PORT PORTB"), Src("#define __LCD_DTPIN 5"),
             Src("#define __LCD_RSPORT PORTC"), Src("#define __LCD_RSPIN 1"),
             Src("#define __LCD_ENPORT PORTG"), Src("#define __LCD_ENPIN 2"),
             Src("#define __LCD_DATA3_PORT PORTD"), Src("#define __LCD_DATA3_PIN 0")}));
    const auto& ports = session.device.Ports;
    EXPECT_EQ(ports[1].PinNames[4], "Leds.4");
    EXPECT_EQ(ports[1].PinNames[5], "LCD_Data0");
    EXPECT_EQ(ports[1].PinNames[6], "LCD_Data1");
    EXPECT_EQ(ports[1].PinNames[7], "LCD_Data2");
    EXPECT_EQ(ports[3].PinNames[0], "LCD_Data3");
    EXPECT_EQ(ports[2].PinNames[1], "LCD_RS");
    EXPECT_EQ(ports[0].PinNames[0], "Flag");  // EN is on port G: not written anywhere
    EXPECT_EQ(ports[0].PinNames[2], "");
}

TEST_F(ListingTailTest, LcdPinWithoutPortWritesNothing) {
    ASSERT_TRUE(
        ReadWithTail({}, {kList, Src("#define Flag PORTA.0"), Src("#define __LCD_RSPIN 0")}));
    EXPECT_EQ(session.device.Ports[0].PinNames[0], "Flag");
}

}  // namespace
}  // namespace varnolux::testing
