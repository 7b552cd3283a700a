#include <gtest/gtest.h>

#include "app/settings_io.h"
#include "seams/ini_file.h"
#include "seams/memory/memory_host_os.h"
#include "seams/memory/memory_prompts.h"

namespace varnolux {
namespace {

const std::string kIni = "C:\\Varnolux\\Varnolux.ini";

MainWindowSnapshot Snapshot() {
    MainWindowSnapshot snap;
    snap.placementAvailable = true;
    snap.normal.left = 10;
    snap.normal.top = 20;
    snap.normal.right = 650;
    snap.normal.bottom = 620;
    snap.topmost = true;
    snap.watchWindowOpen = true;
    snap.columnWidths = {30, 160, 81, 64, 76, 71, 72};
    return snap;
}

VarTable Records(int count, int watched) {
    VarTable t;
    for (int i = 0; i < count; ++i) {
        MyVarRecord r;
        r.VarLabel = "Var" + std::to_string(i);
        r.VarInWatchList = i < watched ? 1 : 0;
        t.push_back(r);
    }
    return t;
}

TEST(SaveSettings, NewFileHoldsTheKeysInTheirOrder) {
    MemoryHostOs os;
    Settings s;
    s.DefaultDataRadix = 2;
    VarTable records = Records(4, 0);
    records[1].VarInWatchList = 1;
    records[1].VarLabel = "Count  ";
    SaveSettings(s, Snapshot(), records, os, kIni);
    EXPECT_EQ(*os.ReadFile(kIni),
              "[Window Placement]\r\nLeft=10\r\nRight=650\r\nTop=20\r\nBottom=620\r\n"
              "Column0=30\r\nColumn1=160\r\nColumn2=81\r\nColumn3=64\r\nColumn4=76\r\n"
              "Column5=71\r\nColumn6=72\r\n"
              "[Preferences]\r\nAlwaysOnTop=1\r\nAutoExclude=1\r\nViewComments=1\r\n"
              "HighLightLabel=1\r\nDefaultAddressRadix=0\r\nDefaultDataRadix=2\r\n"
              "[Watch Placement]\r\nWatchVisible=1\r\n"
              "[Watched Items]\r\nWatch00=Count\r\nWatch01=\r\n");
}

TEST(SaveSettings, ChangesOnlyItsKeysAndKeepsTheRestByteForByte) {
    MemoryHostOs os;
    const std::string before =
        "; hand-edited\r\n[Comms]\r\nPort = 4\r\nBaud=9600\r\n\r\n"
        "[Window Placement]\r\nLeft=1\r\nRight=2\r\nTop=3\r\nBottom=4\r\n"
        "Column0=0\r\nColumn1=0\r\nColumn2=0\r\nColumn3=0\r\nColumn4=0\r\nColumn5=0\r\n"
        "Column6=0\r\n\r\n"
        "[Preferences]\r\nFontSize=10 ; bigger\r\nAlwaysOnTop=0\r\nAutoExclude=1\r\n"
        "ViewComments=1\r\nHighLightLabel=1\r\nDefaultAddressRadix=0\r\nDefaultDataRadix=0\r\n"
        "\r\n[Watch Placement]\r\nLeft=5\r\nWatchVisible=0\r\n\r\n"
        "[Watched Items]\r\nWatch00=Old\r\nWatch01=\r\n";
    os.PutFile(kIni, before);
    MainWindowSnapshot snap = Snapshot();
    snap.topmost = false;
    snap.watchWindowOpen = false;
    snap.columnWidths = {0, 0, 0, 0, 0, 0, 0};
    snap.normal.left = 1;
    snap.normal.right = 2;
    snap.normal.top = 3;
    snap.normal.bottom = 4;
    SaveSettings(Settings{}, snap, Records(3, 0), os, kIni);
    std::string expected = before;
    expected.replace(expected.find("Watch00=Old"), 11, "Watch00=");
    EXPECT_EQ(*os.ReadFile(kIni), expected);
}

TEST(SaveSettings, PlacementOnlyWhenAvailableAndColumn6OnlyWithComments) {
    MemoryHostOs os;
    Settings s;
    s.ViewComments = 0;
    MainWindowSnapshot snap = Snapshot();
    snap.placementAvailable = false;
    SaveSettings(s, snap, Records(1, 0), os, kIni);
    const std::string text = *os.ReadFile(kIni);
    EXPECT_EQ(text.find("Left="), std::string::npos);
    EXPECT_EQ(text.find("Bottom="), std::string::npos);
    EXPECT_NE(text.find("Column5=71"), std::string::npos);
    EXPECT_EQ(text.find("Column6"), std::string::npos);
    EXPECT_NE(text.find("ViewComments=0"), std::string::npos);
}

TEST(SaveSettings, ThreeWatchedNamesEndWithAnEmptyKey) {
    MemoryHostOs os;
    os.PutFile(kIni, "[Watched Items]\r\nWatch03=a\r\nWatch04=b\r\nWatch05=\r\n");
    VarTable records = Records(10, 0);
    records[2].VarInWatchList = records[5].VarInWatchList = records[9].VarInWatchList = 1;
    SaveSettings(Settings{}, Snapshot(), records, os, kIni);
    const IniDocument doc(*os.ReadFile(kIni));
    EXPECT_EQ(doc.Read("Watched Items", "Watch00", "?"), "Var2");
    EXPECT_EQ(doc.Read("Watched Items", "Watch01", "?"), "Var5");
    EXPECT_EQ(doc.Read("Watched Items", "Watch02", "?"), "Var9");
    EXPECT_EQ(doc.Read("Watched Items", "Watch03", "?"), "");
    EXPECT_EQ(doc.Read("Watched Items", "Watch04", "?"), "b");
}

TEST(SaveSettings, TwentyWatchedNamesHaveNoEmptyKeyAfterThem) {
    MemoryHostOs os;
    SaveSettings(Settings{}, Snapshot(), Records(25, 20), os, kIni);
    const IniDocument doc(*os.ReadFile(kIni));
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(doc.Read("Watched Items",
                           "Watch" + std::string(i < 10 ? "0" : "") + std::to_string(i), "?"),
                  "Var" + std::to_string(i));
    }
    EXPECT_EQ(doc.Read("Watched Items", "Watch20", "?"), "?");
}

TEST(SaveSettings, NoVariableTableKeepsTheSavedWatchList) {
    MemoryHostOs os;
    os.PutFile(kIni, "[Watched Items]\r\nWatch00=Temp\r\nWatch01=Count\r\nWatch02=\r\n");
    SaveSettings(Settings{}, Snapshot(), VarTable{}, os, kIni);
    const IniDocument doc(*os.ReadFile(kIni));
    EXPECT_EQ(doc.Read("Watched Items", "Watch00", "?"), "Temp");
    EXPECT_EQ(doc.Read("Watched Items", "Watch01", "?"), "Count");
    EXPECT_EQ(doc.Read("Window Placement", "Left", "?"), "10");
}

TEST(SaveSettings, ReadOnlyFileStaysAsItWas) {
    MemoryHostOs os;
    os.PutFile(kIni, "[Window Placement]\r\nLeft=1\r\n");
    os.SetReadOnly(kIni, true);
    SaveSettings(Settings{}, Snapshot(), Records(2, 1), os, kIni);
    EXPECT_EQ(*os.ReadFile(kIni), "[Window Placement]\r\nLeft=1\r\n");
}

TEST(SaveSettings, WhatIsSavedLoadsBack) {
    MemoryHostOs os;
    Settings s;
    s.AutoExclude = 0;
    s.HighLightLabel = 0;
    s.DefaultAddressRadix = 1;
    SaveSettings(s, Snapshot(), Records(1, 0), os, kIni);
    Settings back;
    LoadSettings(back, os, kIni);
    EXPECT_EQ(StoredMainRect(back), Snapshot().normal);
    EXPECT_EQ(back.AlwaysOnTop, 1);
    EXPECT_EQ(back.AutoExclude, 0);
    EXPECT_EQ(back.HighLightLabel, 0);
    EXPECT_EQ(back.DefaultAddressRadix, 1);
    EXPECT_EQ(back.WatchVisible, 1);
    EXPECT_EQ(back.Column, Snapshot().columnWidths);
}

class SaveOnExit : public ::testing::Test {
  protected:
    SaveOnExit() {
        session.project.settingsPath = kIni;
        session.records = Records(3, 1);
        os.PutFile(kIni, before);
    }
    const std::string before = "[Window Placement]\r\nLeft=1\r\n; keep me\r\n";
    Session session;
    MemoryHostOs os;
    MemoryPrompts prompts;
};

TEST_F(SaveOnExit, ExitWithoutSavingLeavesTheFileByteForByte) {
    session.run.ProjectChosen = 1;
    ApplyExitChoice(session.run, ExitChoice::ExitWithoutSaving);
    EXPECT_FALSE(SaveSettingsOnClose(session, Snapshot(), os, prompts));
    EXPECT_EQ(*os.ReadFile(kIni), before);
}

TEST_F(SaveOnExit, ExitSavesOnlyOnceAProjectWasChosen) {
    ApplyExitChoice(session.run, ExitChoice::Exit);
    EXPECT_FALSE(SaveSettingsOnClose(session, Snapshot(), os, prompts));
    EXPECT_EQ(*os.ReadFile(kIni), before);

    session.run.ProjectChosen = 1;
    ApplyExitChoice(session.run, ExitChoice::Exit);
    EXPECT_TRUE(SaveSettingsOnClose(session, Snapshot(), os, prompts));
    EXPECT_NE(os.ReadFile(kIni)->find("Watch00=Var0"), std::string::npos);
}

TEST_F(SaveOnExit, CloseBoxKeepsTheEarlierChoice) {
    ApplyExitChoice(session.run, ExitChoice::CloseBox);
    EXPECT_TRUE(SaveSettingsOnClose(session, Snapshot(), os, prompts));  // set at start-up
    ApplyExitChoice(session.run, ExitChoice::ExitWithoutSaving);
    ApplyExitChoice(session.run, ExitChoice::CloseBox);
    EXPECT_EQ(session.run.SaveOnExit.load(), 0);
}

}  // namespace
}  // namespace varnolux
