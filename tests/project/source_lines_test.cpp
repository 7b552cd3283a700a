#include <gtest/gtest.h>

#include "project/sources/lines.h"

namespace varnolux {
namespace {

struct LineCase {
    const char* raw;
    const char* word1;
    const char* word2;
    const char* comment;
};

TEST(SourceLine, SplitsCommentAndNormalisesWords) {
    const LineCase cases[] = {
        {"Dump 7 ' comment", "dump", "7", "comment"},
        {"DUMP(7)", "dump", "7", ""},
        {"\tdump  \t 5", "dump", "5", ""},
        {"x = 1 : dump 7", "x", "=", ""},
        {"dump 7 ; first ; second", "dump", "7", "first ; second"},
        {"dump 3 ' a ; b", "dump", "3", "a ; b"},
        {"Print \"it's\" : Dump 2", "print", "\"it", "s\" : Dump 2"},
        {"", "", "", ""},
        {"   ' only a comment  ", "", "", "only a comment"},
    };
    for (const auto& c : cases) {
        const SourceLine line = PrepareSourceLine(c.raw);
        EXPECT_EQ(line.fields[0], c.word1) << c.raw;
        EXPECT_EQ(line.fields[1], c.word2) << c.raw;
        EXPECT_EQ(line.comment, c.comment) << c.raw;
        EXPECT_EQ(FirstSourceWord(c.raw), line.fields[0]) << c.raw;
    }
    for (const char* raw : {"(dump 5)", "\tDIM\tx as byte", "Dump(3)", ";x", "  'dump 2"}) {
        EXPECT_EQ(FirstSourceWord(raw), PrepareSourceLine(raw).fields[0]) << raw;
    }
}

TEST(SourceLine, ParenthesesLeaveEmptyFieldsWhereBlanksDouble) {
    const SourceLine line = PrepareSourceLine("Dim t(2) As SWord");
    EXPECT_EQ(line.code, "Dim t 2  As SWord");
    EXPECT_EQ(line.fields[1], "t");
    EXPECT_EQ(line.fields[2], "2");
    EXPECT_EQ(line.fields[3], "");
    EXPECT_EQ(line.fields[4], "as");
}

TEST(SourceLine, CommentFarAlongALongLineStillSplits) {
    const std::string raw = "dump 9" + std::string(100000, ' ') + "; far away";
    const SourceLine line = PrepareSourceLine(raw);
    EXPECT_EQ(line.fields[0], "dump");
    EXPECT_EQ(line.fields[1], "9");
    EXPECT_EQ(line.comment, "far away");
}

TEST(SourceText, SplitsCrLfAndLfLines) {
    EXPECT_EQ(SourceTextLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SourceTextLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(SourceTextLines("").empty());
}

TEST(SourceText, ARangeNumbersTheLinesAsTheWholeFileDoes) {
    const std::string text = "l1\r\nl2\nl3\r\n\r\nl5";
    EXPECT_EQ(SourceTextLineRange(text, 1, 3), (std::vector<std::string>{"l2", "l3", ""}));
    EXPECT_EQ(SourceTextLineRange(text, 3, 10), (std::vector<std::string>{"", "l5"}));
    EXPECT_TRUE(SourceTextLineRange(text, 5, 2).empty());
    EXPECT_TRUE(SourceTextLineRange(text, 0, 0).empty());
}

TEST(SourceNumbers, ReadLikeTheCompilerReadsThem) {
    EXPECT_EQ(LeadingDecimal("150"), 150);
    EXPECT_EQ(LeadingDecimal("7x"), 7);
    EXPECT_EQ(LeadingDecimal("x"), 0);
    EXPECT_EQ(LeadingDecimal("-3"), -3);
    EXPECT_EQ(LeadingDecimal("99999999999999999999"), 2147483647);
    EXPECT_EQ(LeadingBlankDecimal(24), " 24");
    EXPECT_EQ(LeadingBlankDecimal(-1), "-1");
}

}  // namespace
}  // namespace varnolux
