// The Source window's content for a dump: the dump point's file found as the
// listing names it, its name as the file system spells it in the title, and a
// row that says so when the file cannot be read.
#include "views/source/source_view.h"

#include <gtest/gtest.h>

#include "seams/memory/memory_host_os.h"
#include "seams/memory/memory_report_list.h"

namespace varnolux {
namespace {

class SourceViewTest : public ::testing::Test {
  protected:
    SourceViewTest() {
        os.programFolder = "C:\\Work\\";
        project.programFolder = "C:\\Work\\";
        // The listing records the paths of the machine that compiled the project.
        project.sourceFiles = {"C:\\USERS\\ME\\THERMO\\THERMO.BAS", "C:\\PDS\\PROTON18_4.PRP",
                               "C:\\USERS\\ME\\THERMO\\SENSORS.INC"};
        os.PutFile("C:\\Work\\Thermo.bas", Lines(83));
        os.PutFile("C:\\Work\\Sensors.inc", Lines(20));
        points.entries[5] = DumpPoint{0, 59, 1, "top of the control loop"};
        points.entries[150] = DumpPoint{2, 19, 1, "sensor read"};
    }
    static std::string Lines(int count) {
        std::string text;
        for (int i = 1; i <= count; ++i) text += "source line " + std::to_string(i) + "\r\n";
        return text;
    }
    SourceView Build(int32_t dumpId) {
        return BuildSourceView(points, project, settings, dumpId, os);
    }

    MemoryHostOs os;
    ProjectFacts project;
    Settings settings;
    DumpPointTable points;
};

TEST_F(SourceViewTest, ShowsTheDumpPointsFileUnderItsOwnSpelling) {
    const SourceView main = Build(5);
    EXPECT_EQ(main.title, "Varnolux  Thermo.bas  Dump 5");
    EXPECT_EQ(main.excerpt.rows.front().line, " 20");
    EXPECT_EQ(main.excerpt.rows.back().line, " 79");
    EXPECT_EQ(main.excerpt.rows[static_cast<size_t>(main.excerpt.highlightRow)].text,
              "source line 59");

    const SourceView include = Build(150);
    EXPECT_EQ(include.title, "Varnolux  Sensors.inc  Dump 150");
    EXPECT_EQ(include.excerpt.rows.size(), 20u);
    EXPECT_EQ(include.excerpt.highlightRow, 18);
}

TEST_F(SourceViewTest, FollowsTheSettingsForLinesAndHighlightRow) {
    settings.SourceLines = 10;
    settings.SourceHighlight = 3;
    const SourceView view = Build(5);
    ASSERT_EQ(view.excerpt.rows.size(), 10u);
    EXPECT_EQ(view.excerpt.rows.front().line, " 57");
    EXPECT_EQ(view.excerpt.highlightRow, 2);
}

TEST_F(SourceViewTest, AFileThatCannotBeReadGivesOneRowNamingIt) {
    points.entries[7] = DumpPoint{1, 3, 0, ""};  // the compiler's library, not in the folder
    const SourceView view = Build(7);
    EXPECT_EQ(view.title, "Varnolux  PROTON18_4.PRP  Dump 7");
    ASSERT_EQ(view.excerpt.rows.size(), 1u);
    EXPECT_EQ(view.excerpt.rows[0].line, "");
    EXPECT_EQ(view.excerpt.rows[0].text, UnreadableSourceText("C:\\PDS\\PROTON18_4.PRP"));
    EXPECT_NE(view.excerpt.rows[0].text.find("C:\\PDS\\PROTON18_4.PRP"), std::string::npos);
    EXPECT_EQ(view.excerpt.highlightRow, -1);
}

TEST_F(SourceViewTest, ADumpIdWithoutDumpPointMarksNothing) {
    const SourceView unknown = Build(99);
    EXPECT_EQ(unknown.title, "Varnolux  Thermo.bas  Dump 99");
    EXPECT_EQ(unknown.excerpt.highlightRow, -1);
    EXPECT_EQ(Build(-1).excerpt.highlightRow, -1);
    EXPECT_EQ(Build(4000).excerpt.highlightRow, -1);
    project.sourceFiles.clear();
    EXPECT_EQ(Build(5).excerpt.rows.size(), 1u) << "no source file list at all";
}

TEST_F(SourceViewTest, WritingReplacesTheRowsOfTheLastDump) {
    MemoryReportList list(kSourceColumnCount);
    WriteSourceRows(list, Build(5).excerpt);
    EXPECT_EQ(list.RowCount(), 60);
    WriteSourceRows(list, Build(150).excerpt);
    ASSERT_EQ(list.RowCount(), 20);
    EXPECT_EQ(list.CellText(18, 0), " 19");
    EXPECT_EQ(list.CellText(18, 1), "source line 19");
    EXPECT_TRUE(list.DrawingOn());
}

TEST(SourceColours, MarkedRowYellowLineColumnGreySourceBanded) {
    const Rgb yellow{255, 255, 0}, lineGrey{240, 240, 240}, band{232, 232, 232},
        white{255, 255, 255};
    EXPECT_EQ(SourceCellBackground(39, 0, 39), yellow);
    EXPECT_EQ(SourceCellBackground(39, 1, 39), yellow);
    EXPECT_EQ(SourceCellBackground(38, 0, 39), lineGrey);
    EXPECT_EQ(SourceCellBackground(38, 1, 39), band);
    EXPECT_EQ(SourceCellBackground(37, 1, 39), white);
    EXPECT_EQ(SourceCellBackground(0, 1, -1), band);
}

}  // namespace
}  // namespace varnolux
