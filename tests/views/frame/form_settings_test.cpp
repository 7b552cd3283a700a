// Placement, column widths and TopMost flag of the Source, EEPROM and SFR
// windows in the settings file.
#include "views/frame/form_settings.h"

#include <gtest/gtest.h>

#include "seams/ini_file.h"
#include "seams/memory/memory_host_os.h"
#include "seams/memory/memory_prompts.h"
#include "views/eeprom/eeprom_rows.h"
#include "views/sfr/sfr_form.h"
#include "views/source/source_view.h"

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

    MemoryHostOs os;
    MemoryPrompts prompts;
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
    SaveFormSettings(SourceFormKeys(), Closed({80, 500}), 1, os, kIni, prompts);
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
    SaveFormSettings(EepromFormKeys(), Closed({59, 351, 116}), 0, os, kIni, prompts);
    EXPECT_EQ(*os.ReadFile(kIni), "[Preferences]\r\nAlwaysOnTopE=0\r\n");
}

TEST_F(FormSettingsTest, AnUnreadablePlacementSkipsTheRectangle) {
    FormCloseState state = Closed({80, 500});
    state.placementAvailable = false;
    SaveFormSettings(SourceFormKeys(), state, 1, os, kIni, prompts);
    EXPECT_EQ(Value("Source Placement", "Column0"), "80");
    EXPECT_EQ(Value("Source Placement", "Left"), "<missing>");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Get Source form size failed");
    EXPECT_EQ(prompts.shown[0].caption, "Varnolux");

    prompts.shown.clear();
    FormCloseState sfr = Closed({50, 50, 50, 50, 60, 70});
    sfr.placementAvailable = false;
    SaveFormSettings(SfrFormKeys(), sfr, 1, os, kIni, prompts);
    EXPECT_EQ(Value("SFR Placement", "SelCol1"), "70");
    EXPECT_EQ(Value("Preferences", "AlwaysOnTopSF"), "1");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Get SFR form size failed");
    EXPECT_EQ(prompts.shown[0].caption, "") << "the SFR box has no caption";

    prompts.shown.clear();
    FormCloseState eeprom = Closed({59, 351, 116});
    eeprom.placementAvailable = false;
    SaveFormSettings(EepromFormKeys(), eeprom, 1, os, kIni, prompts);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(Value("EEPROM Placement", "Top"), "<missing>");
}

}  // namespace
}  // namespace varnolux
