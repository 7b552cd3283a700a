#include <gtest/gtest.h>

#include "project/sources/scanner.h"
#include "scan_fixture.h"
#include "seams/main_ids.h"

namespace varnolux {
namespace {

using testing::ScanFixture;

class SourceScan : public ScanFixture {
  protected:
    void SetUp() override {
        session.project.sourceFiles = {"C:\\PROJ\\MAIN.BAS", "C:\\PROJ\\INC.BAS"};
        os.programFolder = "C:\\Varnolux\\";
        session.project.programFolder = "C:\\Varnolux\\";
    }
};

TEST_F(SourceScan, RecordsDumpPointsWithFileLineKindAndComment) {
    PutSource("C:\\PROJ\\main.bas",
              "Device = 18F25K22\n"
              "Dump 7 ' loop top\n"
              "x = 1 : dump 8\n"
              "DUMPW(9)\n"
              "dump 0\ndump 256\ndump x\n"
              "dump 3 ; first ; second\n");
    PutSource("C:\\PROJ\\inc.bas", "\n\ndumpw 150 ' in the include\n");

    EXPECT_EQ(ScanSources(session, seams), SourceScanEnd::Completed);

    const auto& e = session.dumpPoints.entries;
    EXPECT_EQ(e[7].file, 0);
    EXPECT_EQ(e[7].line, 2);
    EXPECT_EQ(e[7].kind, 0);
    EXPECT_EQ(e[7].comment, "loop top");
    EXPECT_EQ(e[8].line, 0) << "a dump after a label is not a dump point";
    EXPECT_EQ(e[9].kind, 1);
    EXPECT_EQ(e[9].line, 4);
    EXPECT_EQ(e[3].comment, "first ; second");
    EXPECT_EQ(e[150].file, 1);
    EXPECT_EQ(e[150].line, 3);
    EXPECT_EQ(e[0].line, 0);
    EXPECT_EQ(e[256].line, 0);
    EXPECT_EQ(session.dumpPoints.order, (std::vector<int32_t>{7, 9, 3, 150}));
    EXPECT_EQ(session.device.SourceDeviceName, "18F25K22");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(SourceScan, DumpPointCommentIsCutToFortyCharacters) {
    PutSource("C:\\PROJ\\main.bas", "dump 1 ' " + std::string(60, 'c') + "\n");
    session.project.sourceFiles.resize(1);
    ScanSources(session, seams);
    EXPECT_EQ(session.dumpPoints.entries[1].comment, std::string(40, 'c'));
}

TEST_F(SourceScan, MissingSourceIsReportedAndSkipped) {
    PutSource("C:\\PROJ\\inc.bas", "dump 4\n");
    ScanSources(session, seams);
    ASSERT_EQ(prompts.Texts().size(), 1u);
    EXPECT_EQ(prompts.Texts()[0], "ScanSources 8 source file missing C:\\PROJ\\MAIN.BAS");
    EXPECT_EQ(session.dumpPoints.entries[4].file, 1);
}

TEST_F(SourceScan, MovedProjectReadsTheSameNameInTheProjectFolder) {
    PutSource("C:\\Varnolux\\Main.bas", "dumpw 2\n");
    PutSource("C:\\Varnolux\\INC.bas", "dumpw 12\n");
    ScanSources(session, seams);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(session.dumpPoints.entries[2].line, 1);
    EXPECT_EQ(session.dumpPoints.entries[12].file, 1);
    const auto entries = view.ComboEntries(ids::kUntilChooser);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], " Dumpw 2" + std::string(13, ' ') + "\tMain.bas");
    EXPECT_EQ(entries[1], " Dumpw 12" + std::string(10, ' ') + "\tINC.bas");
}

TEST_F(SourceScan, DuplicateAnsweredOkReplacesTheEarlierPointAndListsItTwice) {
    PutSource("C:\\PROJ\\main.bas", "dump 5 ' first\n\ndumpw 5 ' second\n");
    session.project.sourceFiles.resize(1);
    prompts.Script(PromptAnswer::Ok);
    EXPECT_EQ(ScanSources(session, seams), SourceScanEnd::Completed);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "Duplicate DumpID 5 at line 3 main.bas\r\n\r\n\r\nDo you want to continue "
              "anyway?\r\n\r\nOK to continue\r\nCanel to Exit");
    EXPECT_EQ(prompts.shown[0].buttons, PromptButtons::OkCancel);
    EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(prompts.shown[0].defaultButton, 2) << "Enter answers Cancel";
    EXPECT_EQ(session.dumpPoints.entries[5].line, 3);
    EXPECT_EQ(session.dumpPoints.entries[5].kind, 1);
    EXPECT_EQ(session.dumpPoints.entries[5].comment, "second");
    EXPECT_EQ(session.dumpPoints.order, (std::vector<int32_t>{5, 5}));
    EXPECT_FALSE(view.closeRequested);
}

TEST_F(SourceScan, DuplicateAnsweredCancelOpensTheIdeThereAndEnds) {
    PutSource("C:\\PROJ\\main.bas", "dump 5\n");
    PutSource("C:\\PROJ\\inc.bas", "dump 6\ndump 5\ndump 9\n");
    os.PutFile(session.settings.Proton, "");
    prompts.Script(PromptAnswer::Cancel);
    EXPECT_EQ(ScanSources(session, seams), SourceScanEnd::ProgramClosed);
    EXPECT_TRUE(view.closeRequested);
    EXPECT_EQ(session.image.DumpId, 5);
    EXPECT_EQ(session.dumpPoints.entries[5].file, 1);
    EXPECT_EQ(session.dumpPoints.entries[5].line, 2);
    EXPECT_EQ(session.project.sourceFiles[0], "C:\\PROJ\\INC.BAS");
    EXPECT_EQ(session.dumpPoints.entries[9].line, 0) << "the scan stops at the duplicate";
    EXPECT_FALSE(launcher.started.empty()) << "the IDE is started";
}

TEST_F(SourceScan, DimLinesGiveCommentsAndSignedTypes) {
    AddRecord("COUNT", VT_WORD);
    AddRecord("t", VT_WORD);
    AddArray("temps", VT_WORD, 3);
    AddRecord("after", VT_WORD);
    AddRecord("sysvar", VT_BYTE);
    PutSource("C:\\PROJ\\main.bas",
              "Dim Count As Word ' loops done\n"
              "Dim t As SWord\n"
              "Dim temps[3] As SWord ' readings\n"
              "Dim sysvar As Byte System ' not mine\n"
              "Dim unknown As SDword ' nobody\n"
              "dump 1\n");
    session.project.sourceFiles.resize(1);
    ScanSources(session, seams);
    const auto& r = session.records;
    EXPECT_EQ(r[0].VarComment, "loops done");
    EXPECT_EQ(r[0].VarType, VT_WORD);
    EXPECT_EQ(r[1].VarType, VT_SWORD);
    EXPECT_EQ(r[1].VarDisplayType, DT_DECIMAL);
    for (int i = 2; i <= 5; ++i) EXPECT_EQ(r[i].VarType, VT_SWORD) << r[i].VarLabel;
    EXPECT_EQ(r[2].VarComment, "readings");
    EXPECT_EQ(r[3].VarComment, "") << "elements keep no comment";
    EXPECT_EQ(r[6].VarType, VT_WORD) << "the record after the array keeps its type";
    EXPECT_EQ(r[7].VarComment, "");
}

TEST_F(SourceScan, DimCommentIsCutToFiftyCharacters) {
    AddRecord("v", VT_BYTE);
    PutSource("C:\\PROJ\\main.bas", "dim v as byte ' " + std::string(70, 'k') + "\ndump 1\n");
    session.project.sourceFiles.resize(1);
    ScanSources(session, seams);
    EXPECT_EQ(session.records[0].VarComment, std::string(50, 'k'));
}

TEST_F(SourceScan, SignedArrayAtTheTableEndStaysInsideTheTable) {
    AddRecord("arr", VT_BYTE, RT_ARRAY, 40);
    AddRecord("arr#0", VT_BYTE, RT_SUBSCRIPT);
    PutSource("C:\\PROJ\\main.bas", "dim arr[40] as sbyte\ndump 1\n");
    session.project.sourceFiles.resize(1);
    ScanSources(session, seams);
    ASSERT_EQ(session.records.size(), 2u);
    EXPECT_EQ(session.records[1].VarType, VT_SBYTE);
}

struct HeapCase {
    const char* source;
    int32_t total;
    const char* message;
};

TEST_F(SourceScan, HeapTotalsAndTheirMessages) {
    const HeapCase cases[] = {
        {"Dim buf[10] As Word Heap\nDim b As Byte Heap\nDim f[0] as Float heap\n", 25,
         "Heap variables are declared but their size in not defined\rsuggest you add "
         "\"$Define D_HeapSize 25\""},
        {"$define D_HeapSize 10\n$define D_HeapSize 100\nDim d[3] As DWord Heap\n", 12,
         "It would appear that the D_HeapSize you defined (10) is too small, try 12"},
        {"$Define D_HeapSize 24\nDim s[12] As SWord Heap\nDim x As String Heap\n", 24, nullptr},
        {"Dim plain[8] As Byte\n", 0, nullptr},
    };
    for (const auto& c : cases) {
        Session fresh;
        MemoryPrompts quiet;
        MemoryMainWindowView window;
        Seams s{os, quiet, window, launcher, views};
        fresh.project.programFolder = session.project.programFolder;
        fresh.project.sourceFiles = {"C:\\PROJ\\MAIN.BAS"};
        PutSource("C:\\PROJ\\main.bas", std::string(c.source) + "dump 1\n");
        ScanSources(fresh, s);
        EXPECT_EQ(fresh.project.heapTotal, c.total) << c.source;
        if (c.message) {
            ASSERT_EQ(quiet.shown.size(), 1u) << c.source;
            EXPECT_EQ(quiet.shown[0].text, c.message);
            EXPECT_NE(quiet.shown[0].caption, "Varnolux");
        } else {
            EXPECT_TRUE(quiet.shown.empty()) << c.source;
        }
    }
}

TEST_F(SourceScan, OptionWarningsAndTheLastDeviceLine) {
    PutSource("C:\\PROJ\\main.bas",
              "Device 16F1829\n"
              "Device = 18f25k22\n"
              "Declare Optimiser_Level = 0\n"
              "Declare Optimiser_Level = 3\n"
              "Declare Dead_Code_Remove = Off\n"
              "Declare Dead_Code_Remove = On\n"
              "dump 1\n");
    session.project.sourceFiles.resize(1);
    ScanSources(session, seams);
    EXPECT_EQ(prompts.Texts(),
              (std::vector<std::string>{"Sure you want to use the optimiser?",
                                        "Sure you want to use dead code removal?"}));
    EXPECT_EQ(session.device.SourceDeviceName, "18F25K22");
}

TEST_F(SourceScan, ChooserTextsForDumpwPointsInDumpOrder) {
    PutSource("C:\\PROJ\\main.bas", "dumpw 5\ndump 6\ndumpw 12\n");
    PutSource("C:\\PROJ\\inc.bas", "dumpw 150\n");
    ScanSources(session, seams);
    const std::vector<std::string> expected = {
        " Dumpw 5" + std::string(13, ' ') + "\tmain.bas",
        " Dumpw 12",
        " Dumpw 150" + std::string(8, ' ') + "inc.bas",
    };
    EXPECT_EQ(view.ComboEntries(ids::kUntilChooser), expected);
    EXPECT_EQ(view.ComboEntries(ids::kRepeatChooser), expected);
}

TEST_F(SourceScan, BinaryJunkAndLongLinesAreReadWithoutHarm) {
    std::string junk;
    uint32_t seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1103515245u + 12345u;
        junk += static_cast<char>(seed >> 24);
    }
    junk += "\r\n" + std::string(100000, 'x') + "\n\ndumpw 44 ' after the junk\n";
    os.PutFile("C:\\PROJ\\main.bas", junk);
    session.project.sourceFiles.resize(1);
    EXPECT_EQ(ScanSources(session, seams), SourceScanEnd::Completed);
    EXPECT_EQ(session.dumpPoints.entries[44].comment, "after the junk");
}

TEST_F(SourceScan, DumpOrderListFullIsReportedOnce) {
    std::string text;
    for (int i = 0; i < 300; ++i) text += "dump " + std::to_string(i % 200 + 1) + "\n";
    PutSource("C:\\PROJ\\main.bas", text);
    session.project.sourceFiles.resize(1);
    EXPECT_EQ(ScanSources(session, seams), SourceScanEnd::Completed);
    EXPECT_EQ(session.dumpPoints.order.size(), 257u);
    size_t fullMessages = 0;
    for (const auto& t : prompts.Texts())
        fullMessages += t.find("more than 257") != std::string::npos;
    EXPECT_EQ(fullMessages, 1u);
    EXPECT_EQ(session.dumpPoints.entries[100].line, 300)
        << "later statements still enter the table";
}

TEST(DumpChooser, TextIsCutToFiftyNineCharacters) {
    DumpPointTable points;
    points.entries[200] = DumpPoint{0, 1, 1, ""};
    points.order = {200};
    const auto texts = DumpChooserTexts(points, {std::string(80, 'n') + ".bas"});
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].size(), 59u);
}

}  // namespace
}  // namespace varnolux
