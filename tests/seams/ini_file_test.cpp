#include "seams/ini_file.h"
#include "seams/settings_file.h"

#include <gtest/gtest.h>

#include "seams/memory/memory_host_os.h"

namespace varnolux {
namespace {

const std::string kIni = "C:\\Varnolux\\Varnolux.ini";

TEST(IniNumber, ReadsLeadingNumberInEveryForm) {
    const std::pair<const char*, int32_t> cases[] = {
        {"12", 12},
        {" 12 ", 12},
        {"\t-7", -7},
        {"+5", 5},
        {"&H1F", 31},
        {"&hff", 255},
        {"-&H10", -16},
        {"&H5540", 0x5540},
        {"&HFFFFFFFF", -1},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"&H", 0},
        {"&Hxyz", 0},
        {"- 3", 0},
        {"0x10", 0},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(IniNumber(text), expected) << text;
}

TEST(IniRead, MissingFileSectionOrKeyGivesDefault) {
    MemoryHostOs os;
    EXPECT_EQ(IniRead(os, kIni, "Comms", "Port", "1"), "1");
    os.PutFile(kIni, "[Comms]\r\nBaud=9600\r\n");
    EXPECT_EQ(IniRead(os, kIni, "Comms", "Port", "1"), "1");
    EXPECT_EQ(IniRead(os, kIni, "Debug", "Baud", "x"), "x");
    EXPECT_EQ(IniReadNumber(os, kIni, "Comms", "Port", 1), 1);
}

TEST(IniRead, NamesCaseInsensitiveValuesTrimmedAndUnquoted) {
    MemoryHostOs os;
    os.PutFile(kIni,
               "; comment\r\n"
               "Orphan=1\r\n"
               "  [ preferences ]  \r\n"
               "  fontsize =  12  \r\n"
               "PropFont=\"Arial Narrow\"\r\n"
               "Empty=\r\n"
               "no equals sign here\r\n"
               "FontSize=99\r\n"
               "[Comms]\n"
               "Port=3");
    EXPECT_EQ(IniRead(os, kIni, "Preferences", "FontSize", "8"), "12");
    EXPECT_EQ(IniRead(os, kIni, "PREFERENCES", "PropFont", ""), "Arial Narrow");
    EXPECT_EQ(IniRead(os, kIni, "Preferences", "Empty", "5"), "");
    EXPECT_EQ(IniReadNumber(os, kIni, "Preferences", "Empty", 5), 0);
    EXPECT_EQ(IniRead(os, kIni, "Preferences", "Orphan", "none"), "none");
    EXPECT_EQ(IniRead(os, kIni, "comms", "port", ""), "3");
}

TEST(IniFile, ByteOrderMarkIsNotPartOfTheFirstSection) {
    MemoryHostOs os;
    os.PutFile(kIni, "\xEF\xBB\xBF[Comms]\r\nPort=4\r\n");
    EXPECT_EQ(IniRead(os, kIni, "Comms", "Port", "1"), "4");
    IniWrite(os, kIni, "Comms", "DontAsk", "1");
    EXPECT_EQ(*os.ReadFile(kIni), "\xEF\xBB\xBF[Comms]\r\nPort=4\r\nDontAsk=1\r\n");
}

TEST(IniRead, LongValueIsCutTo150CharactersUnlessReadWhole) {
    MemoryHostOs os;
    os.PutFile(kIni, "[Locations]\r\nPDF=" + std::string(5000, 'x') + "\r\n");
    EXPECT_EQ(IniRead(os, kIni, "Locations", "PDF", ""), std::string(150, 'x'));
    EXPECT_EQ(IniDocument(*os.ReadFile(kIni)).ReadWhole("Locations", "PDF", ""),
              std::string(5000, 'x'));
}

TEST(IniRead, BinaryContentGivesDefaultsWithoutCrash) {
    MemoryHostOs os;
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 37) & 0xFF);
    os.PutFile(kIni, junk);
    EXPECT_EQ(IniRead(os, kIni, "Comms", "Port", "1"), "1");
}

TEST(IniWrite, ChangesOnlyItsValueAndKeepsEveryOtherByte) {
    MemoryHostOs os;
    const std::string before =
        "; my settings\r\n[Window Placement]\r\nleft = 10 \r\nTop=5\r\n\r\n[Comms]\r\nPort=2\r\n";
    os.PutFile(kIni, before);
    IniWrite(os, kIni, "WINDOW PLACEMENT", "Left", "  42 ");
    EXPECT_EQ(
        *os.ReadFile(kIni),
        "; my settings\r\n[Window Placement]\r\nleft=42\r\nTop=5\r\n\r\n[Comms]\r\nPort=2\r\n");
}

TEST(IniWrite, NewKeyJoinsItsSectionAndNewSectionGoesLast) {
    MemoryHostOs os;
    os.PutFile(kIni, "[A]\r\nx=1\r\n\r\n[B]\r\ny=2");
    IniWrite(os, kIni, "A", "z", "3");
    EXPECT_EQ(*os.ReadFile(kIni), "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2");
    IniWrite(os, kIni, "B", "w", "4");
    EXPECT_EQ(*os.ReadFile(kIni), "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\nw=4");
    IniWrite(os, kIni, "C", "v", "");
    EXPECT_EQ(*os.ReadFile(kIni), "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\nw=4\r\n[C]\r\nv=\r\n");
    EXPECT_EQ(IniRead(os, kIni, "C", "v", "default"), "");
}

TEST(IniWrite, KeepsUnixLineEndsAndCreatesMissingFile) {
    MemoryHostOs os;
    os.PutFile(kIni, "[A]\nx=1\n");
    IniWrite(os, kIni, "A", "y", "2");
    EXPECT_EQ(*os.ReadFile(kIni), "[A]\nx=1\ny=2\n");

    const std::string fresh = "C:\\Varnolux\\new.ini";
    IniWrite(os, fresh, "Comms", "DontAsk", "1");
    EXPECT_EQ(*os.ReadFile(fresh), "[Comms]\r\nDontAsk=1\r\n");
}

TEST(IniWrite, ValueWithLineBreakCannotAddKeys) {
    MemoryHostOs os;
    os.PutFile(kIni, "[A]\r\nx=1\r\n");
    IniWrite(os, kIni, "A", "x", "2\r\n[Comms]\r\nPort=9");
    EXPECT_EQ(*os.ReadFile(kIni), "[A]\r\nx=2\r\n");
}

TEST(IniWrite, ReadOnlyFileStaysAsItWas) {
    MemoryHostOs os;
    os.PutFile(kIni, "[A]\r\nx=1\r\n");
    os.SetReadOnly(kIni, true);
    IniWrite(os, kIni, "A", "x", "2");
    EXPECT_EQ(*os.ReadFile(kIni), "[A]\r\nx=1\r\n");
}

TEST(IniWrite, WritesTheFirstOfDuplicateKeysWhichIsTheOneRead) {
    MemoryHostOs os;
    os.PutFile(kIni, "[A]\r\nx=1\r\nx=2\r\n");
    EXPECT_EQ(IniRead(os, kIni, "A", "x", ""), "1");
    IniWrite(os, kIni, "A", "x", "7");
    EXPECT_EQ(*os.ReadFile(kIni), "[A]\r\nx=7\r\nx=2\r\n");
}

TEST(IniFile, LoneCarriageReturnEndsALine) {
    struct Case {
        std::string before;
        std::string after;
    };
    // Writing Baud=9600 next to a line that ends in a bare CR: that line gets
    // CR LF, so readers that take a lone CR as text see two keys as well.
    const Case cases[] = {
        {"[Comms]\r\nPort=1\r", "[Comms]\r\nPort=1\r\nBaud=9600\r\n"},
        {"[Comms]\rPort=1\r", "[Comms]\rPort=1\r\nBaud=9600\r\n"},
        {"[Comms]\r", "[Comms]\r\nBaud=9600\r\n"},
        {"[Comms]\nPort=1\r", "[Comms]\nPort=1\r\nBaud=9600\n"},
        {"[W]\r\nNote=kept\rLeft=100\r\n", "[W]\r\nNote=kept\r\nLeft=320\r\n"},
        {"[W]\r\nNote=kept\r", "[W]\r\nNote=kept\r\nLeft=320\r\n"},
        {"[W]\r\nLeft=1\rNote=kept\r\n", "[W]\r\nLeft=320\r\nNote=kept\r\n"},
        {"Note=kept\r", "Note=kept\r\n[W]\r\nLeft=320\r\n"},
    };
    for (const Case& c : cases) {
        MemoryHostOs os;
        os.PutFile(kIni, c.before);
        const bool comms = c.before.find("Comms") != std::string::npos;
        IniWrite(os, kIni, comms ? "Comms" : "W", comms ? "Baud" : "Left", comms ? "9600" : "320");
        EXPECT_EQ(*os.ReadFile(kIni), c.after) << c.before;
        if (c.before.find("Port") != std::string::npos) {
            EXPECT_EQ(IniRead(os, kIni, "Comms", "Port", "x"), "1") << c.before;
        }
        if (c.before.find("[W]\r\nNote") != std::string::npos) {
            EXPECT_EQ(IniRead(os, kIni, "W", "Note", "x"), "kept") << c.before;
        }
    }
}

TEST(IniFile, CrOnlyFileReadsAsItsLines) {
    MemoryHostOs os;
    os.PutFile(kIni, "[Comms]\rPort=3\rBaud=19200\r[Debug]\rUDTdisplay=1\r");
    EXPECT_EQ(IniRead(os, kIni, "Comms", "Port", ""), "3");
    EXPECT_EQ(IniRead(os, kIni, "Comms", "Baud", ""), "19200");
    EXPECT_EQ(IniRead(os, kIni, "Debug", "UDTdisplay", ""), "1");
    IniWrite(os, kIni, "Comms", "Port", "4");
    IniWrite(os, kIni, "Watched Items", "Watch00", "tick");
    EXPECT_EQ(*os.ReadFile(kIni),
              "[Comms]\r\nPort=4\r\nBaud=19200\r[Debug]\rUDTdisplay=1\r\n"
              "[Watched Items]\r\nWatch00=tick\r\n");
    EXPECT_EQ(IniRead(os, kIni, "Debug", "UDTdisplay", ""), "1");
}

TEST(IniWrite, NamesThatCouldNotBeReadBackAreNotWritten) {
    MemoryHostOs os;
    const std::string before = "[A]\r\nx=1\r\n";
    os.PutFile(kIni, before);
    IniWrite(os, kIni, "A", "k=v", "2");
    IniWrite(os, kIni, "A", "[B]", "2");
    IniWrite(os, kIni, "A", "k\ny", "2");
    IniWrite(os, kIni, "A]x", "k", "2");
    IniWrite(os, kIni, "A\r\n[C", "k", "2");
    EXPECT_EQ(*os.ReadFile(kIni), before);
}

TEST(IniWrite, QuotedValueReadsBackWithItsQuotes) {
    MemoryHostOs os;
    for (const std::string value : {"\"Arial\"", "'x'", "\"\"", "\"a\" and \"b\""}) {
        IniWrite(os, kIni, "Preferences", "PropFont", value);
        EXPECT_EQ(IniRead(os, kIni, "Preferences", "PropFont", ""), value);
    }
}

}  // namespace
}  // namespace varnolux
