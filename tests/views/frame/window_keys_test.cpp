// Placement, column widths and TopMost flag of the Source, EEPROM and SFR
// windows in the settings file.
#include "views/frame/window_keys.h"

#include <gtest/gtest.h>

#include "seams/ini_file.h"
#include "seams/memory/memory_host_os.h"
#include "seams/memory/memory_prompts.h"
#include "views/frame/window_place.h"

namespace varnolux {
namespace {

constexpr const char* kIni = "C:\\Varnolux\\Varnolux.ini";
const Rect kWork{0, 0, 1280, 994};

class FormSettingsTest : public ::testing::Test {
  protected:
    std::string Value(const std::string& section, const std::string& key) {
        return IniRead(os, kIni, section, key, "<missing>");
    }
    FormCloseState Closed(std::vector<int32_t> widths) {
        FormCloseState state;
        state.placementAvailable = true;
        state.normal = Rect{40, 50, 720, 503};
        state.topmost = true;
        state.columnWidths = std::move(widths);
        return state;
    }
    // Saved while the placement cannot be read; the messages shown before are forgotten.
    void SaveUnplaced(ViewKind kind, std::vector<int32_t> widths) {
        prompts.shown.clear();
        FormCloseState state = Closed(std::move(widths));
        state.placementAvailable = false;
        SaveFormSettings(WindowKeysOf(kind), state, run, os, kIni, prompts);
    }

    MemoryHostOs os;
    MemoryPrompts prompts;
    RunState run;
};

TEST_F(FormSettingsTest, AWindowNeverPlacedOpensWhereItIsCreated) {
    EXPECT_EQ(
        PlaceFormWindow(ReadStoredRect(os, kIni, "Source Placement"), {93, 160, 773, 613}, kWork),
        (Rect{93, 160, 773, 613}));
}

TEST_F(FormSettingsTest, AStoredRectangleIsFittedIntoTheWorkArea) {
    os.PutFile(kIni, "[EEPROM Placement]\r\nLeft=-100\r\nRight=532\r\nTop=700\r\nBottom=1157\r\n");
    const Rect stored = ReadStoredRect(os, kIni, "EEPROM Placement");
    EXPECT_EQ(stored, (Rect{-100, 700, 532, 1157}));
    EXPECT_EQ(PlaceFormWindow(stored, {94, 160, 726, 617}, kWork), (Rect{0, 537, 632, 994}));
}

TEST_F(FormSettingsTest, ZeroOrEmptyWidthsGiveTheBuiltInOnes) {
    os.PutFile(kIni, "[Source Placement]\r\nColumn0=0\r\nColumn1= 312 \r\n");
    EXPECT_EQ(ReadColumnWidth(os, kIni, "Source Placement", "Column0", "0", 75), 75);
    EXPECT_EQ(ReadColumnWidth(os, kIni, "Source Placement", "Column1", "0", 450), 312);
    EXPECT_EQ(ReadColumnWidth(os, kIni, "EEPROM Placement", "Column1", "", 351), 351);
    EXPECT_EQ(ReadColumnWidth(os, kIni, "SFR Placement", "DisCol0", "50", 0), 50);
}

TEST_F(FormSettingsTest, TheSourceWindowWritesItsKeysOnClose) {
    SaveFormSettings(WindowKeysOf(ViewKind::Source), Closed({80, 500}), run, os, kIni, prompts);
    EXPECT_EQ(Value("Source Placement", "Column0"), "80");
    EXPECT_EQ(Value("Source Placement", "Column1"), "500");
    EXPECT_EQ(Value("Preferences", "AlwaysOnTopS"), "1");
    EXPECT_EQ(Value("Source Placement", "Left"), "40");
    EXPECT_EQ(Value("Source Placement", "Right"), "720");
    EXPECT_EQ(Value("Source Placement", "Top"), "50");
    EXPECT_EQ(Value("Source Placement", "Bottom"), "503");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(FormSettingsTest, NothingIsWrittenWithoutSaveOnExit) {
    os.PutFile(kIni, "[Preferences]\r\nAlwaysOnTopE=0\r\n");
    run.SaveOnExit = 0;
    SaveFormSettings(WindowKeysOf(ViewKind::Eeprom), Closed({59, 351, 116}), run, os, kIni,
                     prompts);
    EXPECT_EQ(*os.ReadFile(kIni), "[Preferences]\r\nAlwaysOnTopE=0\r\n");
}

TEST_F(FormSettingsTest, AnUnreadablePlacementSkipsTheRectangle) {
    SaveUnplaced(ViewKind::Source, {80, 500});
    EXPECT_EQ(Value("Source Placement", "Column0"), "80");
    EXPECT_EQ(Value("Source Placement", "Left"), "<missing>");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Get Source form size failed");
    EXPECT_EQ(prompts.shown[0].caption, "Varnolux");

    SaveUnplaced(ViewKind::Sfr, {50, 50, 50, 50, 60, 70});
    EXPECT_EQ(Value("SFR Placement", "SelCol1"), "70");
    EXPECT_EQ(Value("Preferences", "AlwaysOnTopSF"), "1");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Get SFR form size failed");
    EXPECT_EQ(prompts.shown[0].caption, "") << "the SFR box has no caption";

    SaveUnplaced(ViewKind::Eeprom, {59, 351, 116});
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(Value("EEPROM Placement", "Top"), "<missing>");
}

TEST_F(FormSettingsTest, EachWindowWritesItsKeysInItsOwnOrder) {
    struct Case {
        ViewKind kind;
        std::vector<const char*> order;  // keys as they stand in a new file
    };
    const Case cases[] = {
        {ViewKind::Source, {"Column0", "Column1", "Left", "Bottom", "AlwaysOnTopS"}},
        {ViewKind::Port, {"Left", "Bottom", "Column0", "Header2", "Extra", "AlwaysOnTopPO"}},
        {ViewKind::Plot, {"Left", "Bottom", "AlwaysOnTop", "Extra"}},
        {ViewKind::StopRules, {"Left", "Bottom", "AlwaysOnTop", "Column0", "Column4"}},
    };
    for (const Case& c : cases) {
        os = MemoryHostOs();
        FormCloseState state = Closed(std::vector<int32_t>(8, 60));
        state.extras = {{"Extra", "x"}};
        ASSERT_EQ(WriteWindowKeys(WindowKeysOf(c.kind), state, os, kIni), SettingsWrite::Written);
        const std::string text = *os.ReadFile(kIni);
        for (size_t i = 1; i < c.order.size(); ++i)
            EXPECT_LT(text.find(c.order[i - 1]), text.find(c.order[i])) << c.order[i];
    }
}

}  // namespace
}  // namespace varnolux
