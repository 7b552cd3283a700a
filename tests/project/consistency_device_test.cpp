#include <gtest/gtest.h>

#include "consistency_fixture.h"
#include "project/checks/consistency_checks.h"
#include "project/device/signature.h"
#include "seams/main_ids.h"

namespace varnolux::testing {
namespace {

using DeviceChecks = ConsistencyFixture;

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// A device record as the programmer's data file holds it: a length-prefixed
// name, two more bytes, then the identifier low byte first.
std::string Record(const std::string& name, uint16_t id) {
    std::string r;
    r += static_cast<char>(name.size());
    r += name;
    r += '\x02';
    r += '\x00';
    r += static_cast<char>(id & 0xFF);
    r += static_cast<char>(id >> 8);
    r += std::string(6, '\x11');
    return r;
}

TEST_F(DeviceChecks, MatchingProjectShowsNothing) {
    CheckProject(session, seams);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_FALSE(view.closeRequested);
}

TEST_F(DeviceChecks, DeviceNamesOfDifferentLengthAskTwice) {
    session.device.ListingDeviceName = "18F2525   ";
    os.PutFile(kSettings, "[Device Signature]\r\n18F2525=5540\r\n");
    AnswerNo(5);
    CheckProject(session, seams);
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_TRUE(StartsWith(prompts.shown[0].text, "Device err - BAS=18F25K22  LST=18F2525\r\n"));
    EXPECT_EQ(prompts.shown[1].text, prompts.shown[0].text);
}

TEST_F(DeviceChecks, DeviceNamesOfEqualLengthAskOnce) {
    session.device.ListingDeviceName = "18F26K22";
    os.PutFile(kSettings, "[Device Signature]\r\n18F26K22=5540\r\n");
    AnswerNo(5);
    CheckProject(session, seams);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(StartsWith(prompts.shown[0].text, "Device err - BAS=18F25K22  LST=18F26K22"));
}

TEST_F(DeviceChecks, CancelEndsTheChecks) {
    session.device.ListingDeviceName = "18F2525";
    session.identity.RomCheckResult = 0;
    prompts.Script(PromptAnswer::Cancel);
    CheckProject(session, seams);
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(view.closeRequested);
    EXPECT_EQ(view.ControlText(ids::kTagLabel), "");
}

TEST_F(DeviceChecks, PhysicalDeviceDiffersFromTheSignature) {
    session.identity.DeviceIdWord = 0x5C60;
    AnswerNo(5);
    CheckProject(session, seams);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(StartsWith(prompts.shown[0].text,
                           "Physical device and DEVICE in source is different  Derived= 21824"
                           "  Physical= 23648\r\n"));
}

TEST_F(DeviceChecks, SignatureFallsBackToTheDeviceDataFile) {
    os.PutFile(kSettings, "");
    session.settings.PicKitDat = "C:\\PK2\\PK2DeviceFile.dat";
    os.PutFile(session.settings.PicKitDat, std::string("\x00\x01junk", 6) +
                                               Record("PIC18F2525", 0x1CC0) +
                                               Record("PIC18F25K22", 0x5540));
    CheckProject(session, seams);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(ExpectedSignature(os, kSettings, session.settings.PicKitDat, "18F2525"), 0x1CC0);
}

TEST_F(DeviceChecks, UnknownSignatureGivesZeroAndTheDeviceIdPrompt) {
    const std::string dat = "C:\\PK2\\PK2DeviceFile.dat";
    struct Case {
        const char* what;
        std::string setting;
        bool fileExists;
    } cases[] = {
        {"no setting", "", true},
        {"missing file", "C:\\PK2\\missing.dat", false},
        {"device not in the file", dat, true},
    };
    for (const auto& c : cases) {
        prompts.shown.clear();
        os.PutFile(kSettings, "[Device Signature]\r\n18F4550=1200\r\n");
        os.PutFile(dat, Record("PIC18F2525", 0x1CC0));
        session.settings.PicKitDat = c.setting;
        prompts.Script(PromptAnswer::No);
        CheckProject(session, seams);
        ASSERT_EQ(prompts.shown.size(), 1u) << c.what;
        EXPECT_TRUE(StartsWith(prompts.shown[0].text,
                               "Physical device and DEVICE in source is different  Derived= 0  "
                               "Physical= 21824"))
            << c.what;
    }
}

TEST(DeviceSignature, NameThatStartsALongerNameIsNotTaken) {
    const std::string data = Record("PIC16F84A", 0x0560) + Record("PIC16F84", 0x0540);
    EXPECT_EQ(SignatureFromPicKitDat(data, "16F84"), 0x0540);
    EXPECT_EQ(SignatureFromPicKitDat(data, "16F84A"), 0x0560);
    EXPECT_EQ(SignatureFromPicKitDat(data, "16F8"), 0);
}

TEST(DeviceSignature, NameAtTheEndOfTheDataReadsNothingBeyondIt) {
    EXPECT_EQ(SignatureFromPicKitDat("xxPIC18F25K22", "18F25K22"), 0);
    EXPECT_EQ(SignatureFromPicKitDat(std::string("PIC18F25K22\x02\x00\x40", 14), "18F25K22"), 0);
    EXPECT_EQ(SignatureFromPicKitDat(std::string("PIC18F25K22\x02\x00\x40\x55", 15), "18F25K22"),
              0x5540);
    EXPECT_EQ(SignatureFromPicKitDat("", "18F25K22"), 0);
    EXPECT_EQ(SignatureFromPicKitDat(Record("PIC18F25K22", 0x5540), ""), 0);
}

TEST(DeviceSignature, OnlyTheFirst250000BytesAreSearched) {
    const std::string padding(kPicKitDatLimit - 10, '\0');
    EXPECT_EQ(SignatureFromPicKitDat(padding + Record("PIC18F25K22", 0x5540), "18F25K22"), 0);
    const std::string earlier(kPicKitDatLimit - 20, '\0');
    EXPECT_EQ(SignatureFromPicKitDat(earlier + Record("PIC18F25K22", 0x5540), "18F25K22"), 0x5540);
}

TEST(DeviceSignature, SettingIsHexadecimalDigitsWithoutPrefix) {
    MemoryHostOs os;
    os.PutFile(kSettings, "[Device Signature]\r\n18f25k22 = 5540 \r\n18F4550=zz\r\n");
    EXPECT_EQ(SignatureFromSettings(os, kSettings, "18F25K22"), 0x5540);
    EXPECT_EQ(SignatureFromSettings(os, kSettings, "18F4550"), 0);
    EXPECT_EQ(SignatureFromSettings(os, kSettings, "18F2525"), 0);
}

TEST_F(DeviceChecks, RomDifferenceShowsTheExpectedWords) {
    session.identity.RomCheckResult = 0;
    AnswerNo(5);
    CheckProject(session, seams);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(StartsWith(prompts.shown[0].text,
                           "ROM content and source appear to be inconsistent\r\n"
                           "Expected  EF12  @ 7FF8\r\n"));
}

// A listing cut short gave no ROM reference: there was nothing to compare, so
// no mismatch with a blank expected value is reported, and the status says why.
TEST_F(DeviceChecks, WithoutRomReferenceTheRomCheckIsSkippedAndSaidSo) {
    session.project.romReference = RomReference{};
    session.identity.RomCheckResult = 0;
    view.SetStatusText(1, " Ver client 1.0   app 1.0");
    CheckProject(session, seams);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(view.StatusText(1),
              " Ver client 1.0   app 1.0   ROM check skipped: no ROM reference in the listing");
}

TEST(ExpectedRomText, OneOrTwoWords) {
    EXPECT_EQ(ExpectedRomText(RomReference{0x01F8, 0x0012, -1, 1}), "0012  @ 01F8");
    EXPECT_EQ(ExpectedRomText(RomReference{0x01F8, 0xEF12, 0xF000, 2}), "EF12 F000  @ 1F8");
    EXPECT_EQ(ExpectedRomText(RomReference{0x01F8, 0xEF12, 0xF000, 0}), "");
}

TEST_F(DeviceChecks, Core14ComparesTheDeviceOnlyWithAHexTagAndHasNoRomCheck) {
    session.device.Core = 14;
    session.identity.DeviceIdWord = 0x1400;
    session.identity.RomCheckResult = 0;
    CheckProject(session, seams);
    EXPECT_TRUE(prompts.shown.empty());

    // A tag that names the object file's local clock time keeps the time checks quiet.
    StampHexTag(session.identity, 0x07, 0x12, 0x26, 0x11, 0x00, 22);
    session.settings.ProgTimeSec = 1;
    AnswerNo(5);
    CheckProject(session, seams);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(
        StartsWith(prompts.shown[0].text, "Physical device and DEVICE in source is different\r\n"));
}

}  // namespace
}  // namespace varnolux::testing
