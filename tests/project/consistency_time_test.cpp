#include <gtest/gtest.h>

#include "consistency_fixture.h"
#include "project/checks/consistency_checks.h"
#include "project/checks/file_time_checks.h"
#include "project/checks/hex_tag.h"
#include "seams/main_ids.h"

namespace varnolux::testing {
namespace {

using TimeChecks = ConsistencyFixture;

std::string LastLine(const std::string& text) {
    const std::string body = text.substr(0, text.find("\r\n\r\nRecommend you recompile"));
    const size_t nl = body.rfind('\n');
    return nl == std::string::npos ? body : body.substr(nl + 1);
}

TEST_F(TimeChecks, HexTagTextIsShownWithItsSecondsDecreased) {
    StampHexTag(session.identity, 0x07, 0x12, 0x26, 0x11, 0x00, 22);
    session.settings.ProgTimeSec = 1;
    CheckProject(session, seams);
    EXPECT_EQ(view.ControlText(ids::kTagLabel), " 07/12/26   11:00:21   3.7.5.1");
    EXPECT_EQ(session.identity.HexTagSecond, 21);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(TimeChecks, WithoutHexTagTheFieldShowsQuestionMarks) {
    CheckProject(session, seams);
    EXPECT_EQ(view.ControlText(ids::kTagLabel),
              std::string("??") + "/" + "??" + "/" + "??  ??:??:??  ?.?.?.?");
    EXPECT_EQ(session.identity.HexTagSecond, 0);
}

TEST_F(TimeChecks, TagWithoutSecondsShowsZeroSecondsNotMinusOne) {
    StampHexTag(session.identity, 0x07, 0x12, 0x26, 0x11, 0x01, 0);
    AnswerNo(3);
    CheckProject(session, seams);
    EXPECT_EQ(view.ControlText(ids::kTagLabel), " 07/12/26   11:01:00   3.7.5.1");
}

TEST_F(TimeChecks, HexTagAtTheObjectFilesClockTimeIsOneUnitLater) {
    // The object file was written half a second into 11:00:59 local time; the tag
    // (no seconds: taken as 59) read as a calendar time would be older than it.
    session.project.objectTime = Utc(2026, 12, 7, 10, 0, 59) + kSecond / 2;
    session.project.listingTime = Utc(2026, 12, 7, 10, 0, 58);
    StampHexTag(session.identity, 0x07, 0x12, 0x26, 0x11, 0x00, 0);
    EXPECT_EQ(TagTime(session.identity, 0, 0, session.project.objectTime, os),
              session.project.objectTime + 1);
    CheckProject(session, seams);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(TimeChecks, ClockTimeComparisonDoesNotDependOnTheDateFormat) {
    const FileTime object = session.project.objectTime;  // 11:00:21 local
    TargetIdentity id;
    StampHexTag(id, 0x07, 0x12, 0x26, 0x11, 0x00);
    for (const char* pattern : {"dd.MM.yyyy", "d/M/yy", "yyyy-MM-dd"}) {
        os.shortDatePattern = pattern;
        EXPECT_EQ(TagTime(id, 22, 1, object, os), object + 1) << pattern;
    }
    // With the ten-character date the clock stands at characters 13-14, 16-17, 19-20.
    os.shortDatePattern = "dd.MM.yyyy";
    const std::string text = os.DateTimeText(object);
    EXPECT_EQ(text.substr(12, 2) + text.substr(15, 2) + text.substr(18, 2), "110021");
}

TEST_F(TimeChecks, TagIsReadAsLocalTime) {
    TargetIdentity id;
    StampHexTag(id, 0x31, 0x12, 0x26, 0x00, 0x30);
    // 31.12.2026 00:30:59 local (UTC + 1) is 30.12.2026 23:30:59 UTC.
    EXPECT_EQ(TagTime(id, 0, 0, 0, os), Utc(2026, 12, 30, 23, 30, 59));
    os.utcOffsetMinutes = -300;
    EXPECT_EQ(TagTime(id, 0, 0, 0, os), Utc(2026, 12, 31, 5, 30, 59));
}

TEST(TagSeconds, FiftyNineWithoutSecondsElseOneLess) {
    EXPECT_EQ(TagSeconds(30, 0), 59);
    EXPECT_EQ(TagSeconds(0, 0), 59);
    EXPECT_EQ(TagSeconds(30, 1), 29);
    EXPECT_EQ(TagSeconds(1, 1), 0);
    EXPECT_EQ(TagSeconds(0, 1), 59);
    EXPECT_EQ(TagSeconds(61, 1), 60);
    EXPECT_EQ(TagSeconds(62, 1), 59);
}

TEST_F(TimeChecks, SourceSavedAfterTheListingIsReasonOne) {
    // Saved in the order listing, source, object.
    session.project.listingTime = Utc(2026, 12, 7, 10, 0, 0);
    session.project.sourceTime = Utc(2026, 12, 7, 10, 0, 10);
    session.project.objectTime = Utc(2026, 12, 7, 10, 0, 20);
    AnswerNo(3);
    CheckProject(session, seams);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text.substr(0, prompts.shown[0].text.find("\r\n\r\nRecommend")),
              "There is a date time inconsistency between the\r\n"
              " supplied source, object and HexTag\r\n\r\n"
              "Cronological file order should be Bas, Lst, Hex, HexTag\r\n"
              "Bas\t07.12.2026  11:00:10\r\n"
              "Lst\t07.12.2026  11:00:00\r\n"
              "Hex\t07.12.2026  11:00:20\r\n"
              "\r\n\r\n"
              "The Bas file is newer than at least one other file");
}

TEST_F(TimeChecks, OrderReasonsAndTheHexTagLine) {
    StampHexTag(session.identity, 0x07, 0x12, 0x26, 0x11, 0x00,
                0);  // 11:00:59 local = 10:00:59 UTC
    session.project.objectTime = Utc(2026, 12, 7, 10, 1, 30);
    session.project.listingTime = Utc(2026, 12, 7, 10, 1, 0);
    AnswerNo(3);
    CheckProject(session, seams);
    ASSERT_EQ(prompts.shown.size(), 1u);
    const std::string& text = prompts.shown[0].text;
    // The listing is newer than the tag too: reason 2 comes before reason 3.
    EXPECT_NE(text.find("Hex\t07.12.2026  11:01:30\r\nHexTag\t07.12.2026  11:00:59\r\n\r\n"
                        "The Lst file is newer than at least one other file"),
              std::string::npos);

    ProjectTimes t;
    t.source = 1;
    t.listing = 2;
    t.object = 4;
    t.tag = 3;
    EXPECT_EQ(OrderReason(t), 3);
    EXPECT_EQ(LastLine(OrderMessage(t, 3, os)), "the Hex file is newer than HexTag date/time");
    t.tag = 4;
    EXPECT_EQ(OrderReason(t), 0);  // equal times are in order
    t.listing = 1;
    EXPECT_EQ(OrderReason(t), 0);
}

TEST_F(TimeChecks, SourceTwoMinutesOlderThanTheListingIsCodeOne) {
    session.project.sourceTime = Utc(2026, 12, 7, 9, 58, 20);
    AnswerNo(3);
    CheckProject(session, seams);
    ASSERT_EQ(prompts.shown.size(), 1u);
    const std::string& text = prompts.shown[0].text;
    EXPECT_EQ(text.substr(0, text.find("\r\n\r\nRecommend")),
              "There is an usually large time difference between the\r\n"
              " supplied source, object and HexTag\r\n\r\n"
              "Bas\t07.12.2026  10:58:20\r\n"
              "Lst\t07.12.2026  11:00:20\r\n"
              "Hex\t07.12.2026  11:00:21\r\n"
              "\r\n\r\n"
              "Difference between Bas and Lst is greater than 60 seconds");
}

TEST(SpacingCode, LowestApplicableCodeWins) {
    ProjectTimes t;
    t.source = 0;
    t.listing = 100 * kSecond;
    t.object = 200 * kSecond;
    t.tag = 300 * kSecond;
    EXPECT_EQ(SpacingCode(t, 60), 1);
    EXPECT_EQ(SpacingCode(t, 100), 0);
    t.source = 90 * kSecond;
    EXPECT_EQ(SpacingCode(t, 60), 2);
    t.source = 185 * kSecond;
    t.listing = 190 * kSecond;
    EXPECT_EQ(SpacingCode(t, 60), 3);
    EXPECT_EQ(SpacingCode(t, 0), 1);  // all three apply
}

TEST_F(TimeChecks, SpacingMessageWithHexTagAndItsPairs) {
    ProjectTimes t;
    t.hexTag = true;
    t.source = Utc(2026, 12, 7, 10, 0, 0);
    t.listing = t.source;
    t.object = t.source;
    t.tag = Utc(2026, 12, 7, 10, 5, 0);
    const std::string m = SpacingMessage(t, 3, 60, os);
    EXPECT_NE(m.find("Hex\t07.12.2026  11:00:00\r\nHexTag\t07.12.2026  11:05:00\r\n\r\n\r\n"),
              std::string::npos);
    EXPECT_EQ(LastLine(m), "Difference between Hex and HexTag is greater than 60 seconds");
    EXPECT_EQ(LastLine(SpacingMessage(t, 2, -5, os)),
              "Difference between Lst and Hex is greater than-5 seconds");
}

TEST_F(TimeChecks, OrderFindingSkipsTheSpacingCheck) {
    session.project.sourceTime = Utc(2026, 12, 7, 10, 30, 0);
    session.project.objectTime = Utc(2026, 12, 7, 11, 0, 0);
    AnswerNo(3);
    CheckProject(session, seams);
    EXPECT_EQ(prompts.shown.size(), 1u);
}

TEST_F(TimeChecks, SourceEditedWhileRunningIsReportedOnce) {
    os.PutFile("MAIN.bas", "", session.project.sourceTime);
    os.PutFile("MAIN.lst", "", session.project.listingTime);
    os.PutFile("MAIN.hex", "", session.project.objectTime);
    RecheckFileTimes(session, seams);
    EXPECT_TRUE(prompts.shown.empty());

    const FileTime edited = Utc(2026, 12, 7, 10, 30, 0);
    os.PutFile("MAIN.bas", "changed", edited);
    AnswerNo(3);
    RecheckFileTimes(session, seams);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text.substr(0, 46),
              "Date/Time stamps of project files have changed");
    EXPECT_EQ(session.project.sourceTime, edited);

    os.PutFile("MAIN.hex", "rebuilt", Utc(2026, 12, 7, 10, 31, 0));
    RecheckFileTimes(session, seams);
    RecheckFileTimes(session, seams);
    EXPECT_EQ(prompts.shown.size(), 1u);
}

}  // namespace
}  // namespace varnolux::testing
