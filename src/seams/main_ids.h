#pragma once
// Control, command and resource numbers of the main window.

namespace varnolux::ids {

// Resources
constexpr int kIconMain = 100;
constexpr int kMenuMain = 103;
constexpr int kMainAccelerators = 106;  // the program's keyboard shortcuts
constexpr int kBitmapRowImages = 105;
constexpr int kMenuListContext = 108;

// Controls
constexpr int kVarList = 101;
constexpr int kStatusBar = 102;
constexpr int kRadioDec = 104;
constexpr int kRadioHex = 105;
constexpr int kRadioBin = 106;
constexpr int kProjectChooser = 107;
constexpr int kContinueButton = 109;
constexpr int kUntilCount = 110;
constexpr int kUntilChooser = 113;
constexpr int kTagLabel = 114;
constexpr int kDumpPointLabel = 115;
constexpr int kTransitionLabel = 118;
constexpr int kRepeatChooser = 119;
constexpr int kContinuous = 120;
constexpr int kUnusedLabel = 121;
constexpr int kUntilCountLabel = 122;

// System menu
constexpr int kSysTopMost = 150;

// The status bar's last part: the recording's file while a session is recorded.
constexpr int kStatusRecordingPart = 4;

// Main menu commands
constexpr int kCmdExit = 28003;
constexpr int kCmdExitNoSave = 28040;
constexpr int kCmdRecordSession = 28080;
constexpr int kCmdOpenRecording = 28081;
constexpr int kCmdCloseReplay = 28082;
constexpr int kCmdAutoExclude = 28038;
constexpr int kCmdManualExclude = 28039;
constexpr int kCmdExcludeBlank = 28008;
constexpr int kCmdIncludeBlank = 28009;
constexpr int kCmdHideSelected = 28030;
constexpr int kCmdUnhideAll = 28031;
constexpr int kCmdViewPort = 28022;
constexpr int kCmdViewSource = 28023;
constexpr int kCmdViewWatch = 28024;
constexpr int kCmdViewEeprom = 28046;
constexpr int kCmdViewSfr = 28062;
constexpr int kCmdDataSheet = 28044;
constexpr int kCmdErrata = 28045;
constexpr int kCmdViewPinout = 28058;
constexpr int kCmdViewPlot = 28070;       // also in the Watch window's View menu
constexpr int kCmdViewStopRules = 28090;  // also Ctrl+B and in the Watch window
constexpr int kCmdViewComments = 28047;
constexpr int kCmdXplorer = 28026;
constexpr int kCmdExitToProton = 28061;
constexpr int kCmdBitCalc = 28028;
constexpr int kCmdLogic = 28029;
constexpr int kCmdProtonIde = 28027;
constexpr int kCmdUserTool1 = 28036;
constexpr int kCmdUserTool2 = 28037;
constexpr int kCmdHighlightLabel = 28034;
constexpr int kCmdHighlightValue = 28035;
constexpr int kCmdReset = 28042;
constexpr int kCmdAbout = 28043;
constexpr int kCmdHelp = 28048;

// The Watch window's menu gives these three their own numbers.
constexpr int kCmdWatchViewPort = 28059;
constexpr int kCmdWatchViewSource = 28060;
constexpr int kCmdWatchAbout = 28004;

// Timers
constexpr int kTimerRefresh = 1;  // 100 ms
constexpr int kTimerBlink = 2;    // 400 ms

}  // namespace varnolux::ids
