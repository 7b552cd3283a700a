#include <gtest/gtest.h>

#include "listing_test_support.h"

namespace varnolux::testing {
namespace {

class ListingVariablesTest : public ListingTest {
  protected:
    // A listing whose variable section holds the given comment texts.
    bool ReadSection(const std::vector<std::string>& comments, bool endLine = true) {
        std::vector<std::string> texts{";[Variable Listing]"};
        for (const std::string& c : comments) texts.push_back(";" + c);
        if (endLine) texts.push_back(";[End Listing]");
        texts.push_back("        LIST  P = 18F25K22, F = INHX32");
        return Read(Listing(texts) + EndOfProgram());
    }
    std::vector<std::string> Labels() const {
        std::vector<std::string> out;
        for (const MyVarRecord& r : session.records) out.push_back(r.VarLabel);
        return out;
    }
};

TEST_F(ListingVariablesTest, ArrayRulesByTypeAndSize) {
    struct Case {
        const char* comment;
        int32_t recordType, type, address, len;
        std::vector<int32_t> elementAddresses;
    } cases[] = {
        {"buf,1A,DT_BYTE,4", RT_ARRAY, VT_BYTE, 26, 4, {26, 27, 28, 29}},
        {"b,1A,DT_BYTE,1", RT_VARIABLE, VT_BYTE, 26, 1, {}},
        {"w,20,DT_WORD,2", RT_VARIABLE, VT_WORD, 32, 1, {}},
        {"w,20,DT_WORD,6", RT_ARRAY, VT_WORD, 32, 3, {32, 34, 36}},
        {"d,20,DT_DWORD,4", RT_VARIABLE, VT_DWORD, 32, 1, {}},
        {"d,20,DT_DWORD,8", RT_ARRAY, VT_DWORD, 32, 2, {32, 36}},
        {"f,20,DT_MCHP_FLOAT,4", RT_VARIABLE, VT_FLOAT, 32, 1, {}},
        {"f,20,DT_MCHP_FLOAT,12", RT_ARRAY, VT_FLOAT, 32, 3, {32, 36, 40}},
        {"s,40,DT_STRING,1", RT_ARRAY, VT_BYTE, 64, 1, {64}},
        {"flag,30.5,DT_BIT,1", RT_VARIABLE, VT_BIT, 48, 5, {}},
        {"IR_in,0007.3,DT_BIT", RT_VARIABLE, VT_BIT, 7, 3, {}},
        {"  padded  ,0031,DT_WORD,2", RT_VARIABLE, VT_WORD, 0x31, 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.comment);
        prompts.shown.clear();
        ASSERT_TRUE(ReadSection({c.comment}));
        EXPECT_TRUE(prompts.Texts().empty());
        ASSERT_EQ(session.records.size(), 1 + c.elementAddresses.size());
        const MyVarRecord& r = session.records[0];
        EXPECT_EQ(r.VarRecordType, c.recordType);
        EXPECT_EQ(r.VarType, c.type);
        EXPECT_EQ(r.VarAddress, c.address);
        EXPECT_EQ(r.VarLen, c.len);
        for (size_t j = 0; j < c.elementAddresses.size(); ++j) {
            const MyVarRecord& e = session.records[1 + j];
            EXPECT_EQ(e.VarLabel, r.VarLabel + "#" + std::to_string(j));
            EXPECT_EQ(e.VarRecordType, RT_SUBSCRIPT);
            EXPECT_EQ(e.VarType, c.type);
            EXPECT_EQ(e.VarAddress, c.elementAddresses[j]);
            EXPECT_EQ(e.VarLen, 1);
            EXPECT_EQ(e.VarIsExpanded, 0);
        }
    }
    EXPECT_EQ(session.records[0].VarLabel, "padded");
}

TEST_F(ListingVariablesTest, LongNamesAreCutToFiftyCharacters) {
    const std::string name(60, 'n');
    ASSERT_TRUE(ReadSection({name + ",20,DT_BYTE,1"}));
    EXPECT_EQ(session.records[0].VarLabel, std::string(50, 'n'));
}

TEST_F(ListingVariablesTest, UnknownTypeKeepsItsRecordWithTypeZero) {
    ASSERT_TRUE(
        ReadSection({"a,20,DT_BYTE,1", "q,22,DT_QUAD,8", "b,30,dt_byte,1", "c,31,DT_BYTE,1"}));
    EXPECT_EQ(Labels(), (std::vector<std::string>{"a", "q", "b", "c"}));
    EXPECT_EQ(session.records[1].VarType, 0);
    EXPECT_EQ(session.records[1].VarRecordType, 0);
    EXPECT_EQ(session.records[1].VarLen, 0);
    EXPECT_EQ(session.records[1].VarAddress, 0x22);
    EXPECT_EQ(session.records[1].VarIsExpanded, 1);
    EXPECT_EQ(session.records[1].VarDisplayType, DT_NOCHANGE);
    EXPECT_EQ(session.records[1].AddDisplayType, DT_NOCHANGE);
    EXPECT_EQ(session.records[0].VarDisplayType, DT_DECIMAL);
    EXPECT_EQ(session.records[2].VarType, 0);  // keywords are exact-case
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"ReadListing 3 q ", "ReadListing 3 b "}));
}

TEST_F(ListingVariablesTest, ManyUnknownTypesAreSummedUpAfterTen) {
    std::vector<std::string> comments;
    for (int i = 0; i < 25; ++i) comments.push_back("v" + std::to_string(i) + ",20,DT_X,1");
    ASSERT_TRUE(ReadSection(comments));
    EXPECT_EQ(session.records.size(), 25u);
    ASSERT_EQ(prompts.Texts().size(), 11u);
    EXPECT_EQ(prompts.Texts()[10], "ReadListing 3 15 more variables with unknown types");
}

TEST_F(ListingVariablesTest, ListingEndingInsideTheSectionKeepsWhatWasRead) {
    ASSERT_TRUE(ReadSection({"a,20,DT_BYTE,1", "b,21,DT_BYTE,1"}, false));
    EXPECT_EQ(Labels(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"ReadListing 5 end of data ",
                                                         "ReadListing 7 LstDevice fail "}));
}

TEST_F(ListingVariablesTest, MalformedLinesAreLeftOutAndCountedOnce) {
    ASSERT_TRUE(ReadSection(
        {"a,20,DT_BYTE,1", "noaddress,,DT_BYTE,1", "nothex,zz,DT_BYTE,1", "notype,20",
         "nobit,0007,DT_BIT", "bit9,0007.9,DT_BIT", "nosize,20,DT_WORD", "badsize,20,DT_WORD,x",
         "emptystring,20,DT_STRING,0", "only a name", ",20,DT_BYTE,1", "b,21,DT_BYTE,1"}));
    EXPECT_EQ(Labels(), (std::vector<std::string>{"a", "b"}));
    ASSERT_EQ(prompts.Texts().size(), 1u);
    EXPECT_EQ(prompts.Texts()[0],
              "ReadListing 6 9 variable lines with empty or malformed fields not read, the first: "
              "noaddress,,DT_BYTE,1");
}

TEST_F(ListingVariablesTest, VariablesBeyondTheRamImageAreLeftOut) {
    ASSERT_TRUE(ReadSection({"a,4E20,DT_BYTE,1", "big,4E21,DT_BYTE,1", "arr,4E1F,DT_WORD,4",
                             "huge,FFFFFFFFF,DT_BYTE,1", "b,21,DT_BYTE,1"}));
    EXPECT_EQ(Labels(), (std::vector<std::string>{"a", "b"}));
    ASSERT_EQ(prompts.Texts().size(), 2u);
    EXPECT_EQ(prompts.Texts()[0].rfind("ReadListing 6 1 ", 0), 0u);  // 36 bits: not an address
    EXPECT_EQ(prompts.Texts()[1],
              "ReadListing 8 2 variables beyond RAM address 20000 not read, the first: "
              "big,4E21,DT_BYTE,1");
}

TEST_F(ListingVariablesTest, TableHoldsAtMostTwoThousandRecordsAndNeverSplitsAnArray) {
    std::vector<std::string> comments;
    for (int i = 0; i < 1995; ++i) comments.push_back("v" + std::to_string(i) + ",20,DT_BYTE,1");
    comments.push_back("arr,30,DT_BYTE,10");  // 11 records: does not fit
    comments.push_back("w,40,DT_WORD,4");     // 3 records: fits
    comments.push_back("x,50,DT_BYTE,1");
    comments.push_back("y,51,DT_BYTE,1");
    comments.push_back("z,52,DT_BYTE,1");  // one too many
    ASSERT_TRUE(ReadSection(comments));
    ASSERT_EQ(session.records.size(), kMaxRecords);
    EXPECT_EQ(session.records[1995].VarLabel, "w");
    EXPECT_EQ(session.records[1997].VarLabel, "w#1");
    EXPECT_EQ(session.records[1998].VarLabel, "x");
    EXPECT_EQ(session.records[1999].VarLabel, "y");
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{"ReadListing 4 more than 2000 variable records; 2 "
                                       "variables not read, the first: arr,30,DT_BYTE,10"});

    prompts.shown.clear();
    ASSERT_TRUE(ReadSection({"big,20,DT_BYTE,100000", "a,21,DT_BYTE,1"}));
    EXPECT_EQ(Labels(), std::vector<std::string>{"a"});
    EXPECT_EQ(prompts.Texts().size(), 1u);
}

TEST_F(ListingVariablesTest, FileLinesCountOnlyBeforeTheSection) {
    std::vector<std::string> texts;
    for (int i = 0; i < 105; ++i)
        texts.push_back(";FILE F" + std::to_string(i + 1) + " = F" + std::to_string(i) + ".BAS");
    texts.push_back(";[Variable Listing]");
    texts.push_back(";FILE F200 = LATE.BAS");
    texts.push_back(";[End Listing]");
    texts.push_back("        LIST  P = 18F25K22");
    ASSERT_TRUE(Read(Listing(texts) + EndOfProgram()));
    ASSERT_EQ(session.project.sourceFiles.size(), kMaxSourceFiles);
    EXPECT_EQ(session.project.sourceFiles[0], "F0.BAS");
    EXPECT_EQ(session.project.sourceFiles[100], "F100.BAS");
    EXPECT_TRUE(session.records.empty());
    // The late FILE line is a malformed variable line.
    ASSERT_EQ(prompts.Texts().size(), 2u);
    EXPECT_EQ(prompts.Texts()[0], "ReadListing 9 more than 101 source files; 4 not read");
    EXPECT_EQ(prompts.Texts()[1].rfind("ReadListing 6 1 ", 0), 0u);
}

}  // namespace
}  // namespace varnolux::testing
