#pragma once
// The Watch window's class, controls, menus and commands. The commands of menu 2803
// that repeat the main window's use the numbers of ui/main_ids.h.

namespace varnolux::ids {

constexpr const char* kWatchClass = "WatchForm_Class";

// Resources
constexpr int kMenuWatch = 2803;
constexpr int kMenuWatchPopup = 2804;

// Controls
constexpr int kWatchContinueButton = 111;
constexpr int kWatchContinuous = 112;
constexpr int kWatchDepthEdit = 116;
constexpr int kWatchDepthUpDown = 117;
constexpr int kWatchList = 2801;
constexpr int kWatchDumpIdLabel = 2802;
constexpr int kWatchHistoryLabel = 2805;

// System menu
constexpr int kWatchSysTopMost = 152;

// Popup 2804
constexpr int kWatchColumnDec = 28050;
constexpr int kWatchColumnHex = 28051;
constexpr int kWatchColumnBinary = 28052;
constexpr int kWatchItemDec = 28053;
constexpr int kWatchItemHex = 28054;
constexpr int kWatchItemBinary = 28055;

}  // namespace varnolux::ids
