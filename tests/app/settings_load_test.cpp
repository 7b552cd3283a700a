#include <gtest/gtest.h>

#include "app/settings_io.h"
#include "seams/memory/memory_host_os.h"

namespace varnolux {
namespace {

const std::string kIni = "C:\\Varnolux\\Varnolux.ini";

TEST(LoadSettings, NoFileGivesEveryDefault) {
    MemoryHostOs os;
    Settings s;
    s.FontSize = 3;  // whatever was there before is replaced
    s.Port = 7;
    LoadSettings(s, os, kIni);
    for (int c = 0; c < 7; ++c) EXPECT_EQ(ColumnWidth(s, c), kBuiltInColumnWidths[c]);
    EXPECT_EQ(s.PropFont, "Tahome");
    EXPECT_EQ(s.FixedFont, "Consolas");
    EXPECT_EQ(s.FontSize, 8);
    EXPECT_EQ(s.AutoExclude, 1);
    EXPECT_EQ(s.ViewComments, 1);
    EXPECT_EQ(s.HighLightLabel, 1);
    EXPECT_EQ(s.UpdatesAfter, 1);
    EXPECT_EQ(s.UpdatesBefore, 0);
    EXPECT_EQ(s.Port, 1);
    EXPECT_EQ(s.Baud, 0);
    EXPECT_EQ(s.MaxTimeDiff, 60);
    EXPECT_EQ(s.Snapsize, 50);
    EXPECT_EQ(s.SourceLines, 60);
    EXPECT_EQ(s.SourceHighlight, 40);
    EXPECT_EQ(s.Left, 0);
    EXPECT_EQ(s.Bottom, 0);
    EXPECT_EQ(s.PicKitDat, "");
    EXPECT_EQ(s.Proton, "C:\\Program Files\\ProtonIDE\\ProtonIDE.exe");
    EXPECT_EQ(s.UserTool2Path, "C:\\Windows\\System32\\Calc.exe");
}

TEST(LoadSettings, ReadsStoredValuesWithBlanksHexAndJunk) {
    MemoryHostOs os;
    os.PutFile(kIni,
               "[Window Placement]\r\nLeft= 12 \r\nRight=&H200\r\nTop=-4\r\nBottom=300px\r\n"
               "Column1=0\r\nColumn6=99\r\n"
               "[Preferences]\r\nFontSize= 12 \r\nMaxTimeDiff=abc\r\nViewComments=0\r\n"
               "PropFont=A font name much longer than thirty characters\r\n"
               "AlwaysOnTopPO=1\r\n"
               "[Watch Placement]\r\nWatchVisible=1\r\n"
               "[Plot]\r\nVisible=1\r\n"
               "[Comms]\r\nPort=3\r\nBaud=38400\r\n"
               "[Debug]\r\nUDTdisplay=1\r\n"
               "[Locations]\r\nPicKitDat=C:\\PK2\\PK2DeviceFile.dat\r\n");
    Settings s;
    LoadSettings(s, os, kIni);
    EXPECT_EQ(s.Left, 12);
    EXPECT_EQ(s.Right, 512);
    EXPECT_EQ(s.Top, -4);
    EXPECT_EQ(s.Bottom, 300);
    EXPECT_EQ(ColumnWidth(s, 1), 164);
    EXPECT_EQ(ColumnWidth(s, 6), 99);
    EXPECT_EQ(s.FontSize, 12);
    EXPECT_EQ(s.MaxTimeDiff, 0);
    EXPECT_EQ(s.ViewComments, 0);
    EXPECT_EQ(s.PropFont, "A font name much longer than t");
    EXPECT_EQ(s.AlwaysOnTopPO, 1);
    EXPECT_EQ(s.WatchVisible, 1);
    EXPECT_EQ(s.PlotVisible, 1);
    EXPECT_EQ(s.Port, 3);
    EXPECT_EQ(s.Baud, 38400);
    EXPECT_EQ(s.UDTdisplay, 1);
    EXPECT_EQ(s.PicKitDat, "C:\\PK2\\PK2DeviceFile.dat");
}

TEST(LoadSettings, UnsupportedBaudMeansAutomaticDetection) {
    MemoryHostOs os;
    for (const char* baud : {"4800", "12345", "-9600"}) {
        os.PutFile(kIni, std::string("[Comms]\r\nBaud=") + baud + "\r\n");
        Settings s;
        LoadSettings(s, os, kIni);
        EXPECT_EQ(s.Baud, 0) << baud;
    }
}

}  // namespace
}  // namespace varnolux
