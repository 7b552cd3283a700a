// Project files written by other programs and other people: names that point
// elsewhere and fields far longer than their tables never make the load write
// outside the project's folder or past a field's width.
#include <gtest/gtest.h>

#include "project/load/sequence.h"
#include "scan_fixture.h"
#include "seams/main_ids.h"
#include "support/recording_host_os.h"

namespace varnolux {
namespace {

using testing::ScanFixture;

const std::string kLong(5000, 'x');

std::string Line(const std::string& text) {
    return "                      00001 " + text + "\r\n";
}

class HostileProject : public ScanFixture {
  protected:
    HostileProject() {
        host.programFolder = "";
        session.settings.PPI = "PPI";
        session.settings.UDTdisplay = 1;  // the trace file is written too
        session.project.settingsPath = "Varnolux.ini";
        host.PutFile("PPI\\P18F25K22.PPI", "[INFOSTART]\r\nCORE=16\r\nMAXCODE=32768\r\n");
    }

    void PutProject(const std::string& listing, const std::string& source) {
        host.PutFile("main.bas", source);
        host.PutFile("main.lst", listing);
        host.PutFile("main.hex", ":00000001FF\r\n");
    }

    RecordingHostOs host;
    Seams hostSeams{host, prompts, view, launcher, views};
    LoadSteps steps;
};

TEST_F(HostileProject, SourceNamesPointingElsewhereAreReadButNeverWritten) {
    const std::string listing =
        Line(";FILE F1 = ..\\..\\outside\\main.bas") + Line(";FILE F2 = C:\\Windows\\win.ini") +
        Line(";FILE F3 = /etc/passwd") + Line(";FILE F4 = \\\\server\\share\\inc.bas") +
        Line(";[Variable Listing]") + Line(";count,0020,DT_BYTE,1") + Line(";[End Listing]") +
        Line("        LIST  P = 18F25K22, F = INHX32");
    PutProject(listing, "Device = 18F25K22\r\ndump 1\r\n");
    session.project.commandLineProject = "..\\..\\outside\\main";
    ASSERT_EQ(LoadAtStartup(session, hostSeams, steps), LoadEnd::Loaded);
    EXPECT_EQ(session.project.baseName, "main") << "a command line path is no project name";
    EXPECT_EQ(host.written, std::vector<std::string>{"main.txt"});
}

TEST_F(HostileProject, OverlongFieldsAreCutToTheirWidths) {
    const std::string listing =
        Line(";FILE F1 = main.bas") + Line(";[Variable Listing]") +
        Line(";" + kLong + ",0020,DT_BYTE,1") + Line(";buf" + kLong + ",0030,DT_BYTE,3") +
        Line(";count,0021,DT_BYTE,1") + Line(";w," + kLong + ",DT_WORD,2") +
        Line(";big,0040,DT_BYTE," + kLong) + Line(";[End Listing]") +
        Line("        LIST  P = 18F25K22, F = INHX32") + Line("; STANDARD VARIABLES") +
        "0050                  00060 variable " + kLong + "=0X0050,count=0X" + kLong + "\r\n" +
        Line("#define " + kLong + " PORTB.3") + Line("#define Leds" + kLong + " PORTC");
    const std::string source =
        "Device = 18F25K22\r\n"
        "Dim count As Byte ' " +
        kLong +
        "\r\n"
        "dumpw 7 ' " +
        kLong +
        "\r\n"
        "dump " +
        kLong + "\r\n";
    PutProject(listing, source);
    host.PutFile("Varnolux.ini", "[Watched Items]\r\nWatch00=" + kLong + "\r\n");
    ASSERT_EQ(LoadAtStartup(session, hostSeams, steps), LoadEnd::Loaded);

    ASSERT_GE(session.records.size(), 5u);
    EXPECT_EQ(session.records[0].VarLabel, std::string(50, 'x'));
    EXPECT_EQ(session.records[1].VarLabel, ("buf" + kLong).substr(0, 50));
    EXPECT_EQ(session.records[2].VarLabel, session.records[1].VarLabel) << "element 0, cut alike";
    for (const MyVarRecord& r : session.records) {
        EXPECT_LE(r.VarLabel.size(), kVarLabelWidth);
        EXPECT_LE(r.VarComment.size(), kVarCommentWidth);
        EXPECT_GE(r.VarAddress, 0);
        EXPECT_LE(r.VarAddress, kRamTop);
    }
    const MyVarRecord& count = session.records[5];
    EXPECT_EQ(count.VarLabel, "count");
    EXPECT_EQ(count.VarComment, std::string(50, 'x'));
    EXPECT_EQ(count.VarAddress, 0x21) << "an address too long for 32 bits moves nothing";
    EXPECT_EQ(session.dumpPoints.entries[7].comment, std::string(40, 'x'));
    EXPECT_EQ(session.device.Ports[1].PinNames[3], std::string(20, 'x'));
    EXPECT_EQ(session.device.Ports[2].PinNames[0], ("Leds" + kLong).substr(0, 20));
    for (const std::string& entry : view.ComboEntries(ids::kUntilChooser))
        EXPECT_LE(entry.size(), 59u);
    EXPECT_EQ(host.written, std::vector<std::string>{"main.txt"});
}

}  // namespace
}  // namespace varnolux
