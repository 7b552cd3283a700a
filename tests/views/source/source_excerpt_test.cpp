// The lines the Source window shows around a dump point, the row it marks, where
// it scrolls and its title.
#include "views/source/source_excerpt.h"

#include <gtest/gtest.h>

namespace varnolux {
namespace {

// A file of `count` lines "line 1", "line 2", ... with CR LF ends.
std::string FileOfLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + "\r\n";
    return text;
}

struct ExcerptCase {
    const char* what;
    int fileLines;
    int dumpLine;
    int firstShown;  // line number on row 0
    int lastShown;
    int highlightRow;
};

TEST(SourceExcerpt, ShowsTheLinesAroundTheDumpPointWithItsRowMarked) {
    const ExcerptCase cases[] = {
        {"line 100 of 500 stands on row 40", 500, 100, 61, 120, 39},
        {"line 10 stands on its own row", 500, 10, 1, 60, 9},
        {"line 40 is the last on its own row", 500, 40, 1, 60, 39},
        {"line 41 starts the window at line 2", 500, 41, 2, 61, 39},
        {"a 25-line file shows all of it", 25, 12, 1, 25, 11},
        {"no row past the last line", 500, 490, 451, 500, 39},
        {"the dump point on the last line", 500, 500, 461, 500, 39},
        {"a short file with the line below row 40", 50, 45, 6, 50, 39},
    };
    for (const ExcerptCase& c : cases) {
        const SourceExcerpt e = ExcerptAroundLine(FileOfLines(c.fileLines), c.dumpLine, 60, 40);
        ASSERT_FALSE(e.rows.empty()) << c.what;
        EXPECT_EQ(e.rows.front().line, " " + std::to_string(c.firstShown)) << c.what;
        EXPECT_EQ(e.rows.back().line, " " + std::to_string(c.lastShown)) << c.what;
        EXPECT_EQ(static_cast<int>(e.rows.size()), c.lastShown - c.firstShown + 1) << c.what;
        EXPECT_EQ(e.highlightRow, c.highlightRow) << c.what;
        EXPECT_EQ(e.rows[static_cast<size_t>(e.highlightRow)].text,
                  "line " + std::to_string(c.dumpLine))
            << c.what;
    }
}

TEST(SourceExcerpt, KeepsTheLineTextsAsTheyStand) {
    const SourceExcerpt e = ExcerptAroundLine("Main:\n\tDumpw 5   ' top\n\nEnd", 2, 60, 40);
    ASSERT_EQ(e.rows.size(), 4u);
    EXPECT_EQ(e.rows[1].text, "\tDumpw 5   ' top");
    EXPECT_EQ(e.rows[2].text, "");
    EXPECT_EQ(e.rows[3].line, " 4");
}

TEST(SourceExcerpt, OddSettingsStillShowTheDumpPointsLine) {
    const std::string file = FileOfLines(500);
    const SourceExcerpt beyond = ExcerptAroundLine(file, 100, 60, 90);  // highlight past the rows
    EXPECT_EQ(beyond.rows.size(), 60u);
    EXPECT_EQ(beyond.highlightRow, 59);
    EXPECT_EQ(beyond.rows[59].text, "line 100");
    const SourceExcerpt none = ExcerptAroundLine(file, 100, 0, 0);
    ASSERT_EQ(none.rows.size(), 1u);
    EXPECT_EQ(none.rows[0].text, "line 100");
    EXPECT_EQ(none.highlightRow, 0);
}

TEST(SourceExcerpt, ALineTheFileDoesNotHoldIsNotMarked) {
    EXPECT_EQ(ExcerptAroundLine(FileOfLines(20), 0, 60, 40).highlightRow, -1)
        << "a DumpID that no dump point carries";
    const SourceExcerpt past = ExcerptAroundLine(FileOfLines(20), 30, 60, 40);
    EXPECT_EQ(past.highlightRow, -1) << "the file became shorter than the dump point's line";
    EXPECT_EQ(past.rows.size(), 20u);
    EXPECT_TRUE(ExcerptAroundLine("", 5, 60, 40).rows.empty());
}

TEST(SourceScroll, PutsTheMarkedRowAtSevenTenthsOfTheVisibleRows) {
    // 25 whole rows fit: v = 26, 7 * 26 / 10 = 18.2 -> 18.
    EXPECT_EQ(SourceScrollTop(39, 60, 25), 21);
    // v = 15: 10.5 rounds to the even 10; v = 25: 17.5 rounds to the even 18.
    EXPECT_EQ(SourceScrollTop(39, 60, 14), 29);
    EXPECT_EQ(SourceScrollTop(39, 60, 24), 21);
    EXPECT_EQ(SourceScrollTop(9, 60, 25), 0) << "never above the first row";
}

TEST(SourceScroll, DoesNotScrollWhenEveryRowFitsOrNothingIsMarked) {
    EXPECT_FALSE(SourceScrollTop(11, 25, 30));
    EXPECT_FALSE(SourceScrollTop(11, 25, 24)) << "v = 25 rows is not fewer than 25";
    EXPECT_TRUE(SourceScrollTop(11, 25, 23));
    EXPECT_FALSE(SourceScrollTop(-1, 60, 25));
}

TEST(SourceTitle, NamesTheFileAndTheDumpCutTo60Characters) {
    EXPECT_EQ(SourceWindowTitle("Thermo.bas", 5), "Varnolux  Thermo.bas  Dump 5");
    EXPECT_EQ(SourceWindowTitle("Sensors.inc", 150), "Varnolux  Sensors.inc  Dump 150");
    const std::string title = SourceWindowTitle(std::string(70, 'n') + ".bas", 12);
    EXPECT_EQ(title.size(), 60u);
    EXPECT_EQ(title.substr(0, 12), "Varnolux  nn");
}

}  // namespace
}  // namespace varnolux
