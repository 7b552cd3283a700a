#pragma once
// The in-memory record of Varnolux.ini. Field names are the key names.
//
// Some keys and defaults are spelled the program's own way on purpose
// ("IntialSortCol", "IntialSortDir", the face name "Tahome"): users' settings
// files and scripts rely on them exactly as they are, so do not "correct" them.
#include <array>
#include <cstdint>
#include <string>

namespace varnolux {

struct Settings {
    // Window Placement (main window)
    int32_t Left = 0, Right = 0, Top = 0, Bottom = 0;
    std::array<int32_t, 7> Column{};  // Column0 .. Column6, 0 = built-in width

    // Preferences
    int32_t UpdatesBefore = 0;
    int32_t UpdatesAfter = 1;
    int32_t AutoExclude = 1;
    int32_t ViewComments = 1;
    int32_t IgnoreCRC = 0;
    int32_t ProgTimeSec = 0;
    int32_t FontSize = 8;
    int32_t FontSizeW = 8;
    int32_t FontSizeS = 8;
    int32_t FontSizeE = 8;
    int32_t FontSizePO = 8;
    int32_t FontSizeSF = 8;
    int32_t Snapsize = 50;
    int32_t MaxTimeDiff = 60;
    std::string FixedFont = "Consolas";
    std::string PropFont = "Tahome";
    int32_t HighLightLabel = 1;
    int32_t SourceLines = 60;
    int32_t SourceHighlight = 40;
    int32_t DefaultAddressRadix = 0;
    int32_t DefaultDataRadix = 0;
    int32_t DisplayFullPath = 0;
    int32_t AlwaysOnTop = 0;
    int32_t AlwaysOnTopW = 0;
    int32_t AlwaysOnTopS = 0;
    int32_t AlwaysOnTopE = 0;
    int32_t AlwaysOnTopPO = 0;
    int32_t AlwaysOnTopSF = 0;
    int32_t IntialSortCol = 1;
    int32_t IntialSortDir = 0;

    // Watch Placement (the one key the main window reads and writes)
    int32_t WatchVisible = 0;

    // Plot: the window's open state at the end of the last run (the rest of the
    // section is the Plot window's own)
    int32_t PlotVisible = 0;

    // Comms
    int32_t Port = 1;
    int32_t Baud = 0;
    int32_t TimeOut = 0;
    int32_t DontAsk = 0;

    // Debug
    int32_t UDTdisplay = 0;

    // Locations
    std::string PPI = "C:\\Program Files\\ProtonIDE\\PDS\\Includes\\PPI";
    std::string PDF = "C:\\Users\\Quelby\\Documents\\PIC PDFs";
    std::string PDFReader = "C:\\Program Files (x86)\\Adobe\\Reader 9.0\\Reader\\AcroRd32.exe";
    std::string Errata = "E:\\Errata";
    std::string Pinout = "E:\\Pinout";
    std::string Logic = "C:\\Program Files\\Saleae LLC\\Logic.exe";
    std::string BitCalc = "C:\\Program Files\\BitCalc.exe";
    std::string Xplorer = "C:\\Program Files\\zabkat\\xplorer2_lite\\xplorer2_lite.exe";
    std::string Proton = "C:\\Program Files\\ProtonIDE\\ProtonIDE.exe";
    std::string PicKitDat;
    std::string UserTool1Name = "Notepad";
    std::string UserTool2Name = "Calculator";
    std::string UserTool1Path = "C:\\Windows\\System32\\Notepad.exe";
    std::string UserTool2Path = "C:\\Windows\\System32\\Calc.exe";
    std::string UserTool1Par;
    std::string UserTool2Par;
};

}  // namespace varnolux
