#include "views/win32/window_frames.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "views/about/about_box.h"
#include "views/about/win32/about_window.h"
#include "views/diagnostics/win32/diagnostics_window.h"
#include "views/eeprom/eeprom_ids.h"
#include "views/pinout/pinout.h"
#include "views/plot/plot_ids.h"
#include "views/port/port_ids.h"
#include "views/rules/rules_ids.h"
#include "views/sfr/sfr_ids.h"
#include "views/source/source_ids.h"
#include "views/watch/watch_ids.h"
#include "views/watch/watch_placement.h"

namespace varnolux {

namespace {

// A popup window with caption, sizing border and minimise box.
constexpr DWORD kPopupStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
constexpr DWORD kPinoutStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

struct FrameOfView {
    ViewKind kind;
    WindowFrame frame;
};

// A window of `width` x `height` at (left, top).
Rect At(int32_t left, int32_t top, int32_t width, int32_t height) {
    return Rect{left, top, left + width, top + height};
}

// The window whose client area is `client` large.
Rect AroundClient(ClientSize client, DWORD style) {
    RECT r{0, 0, client.width, client.height};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    return At(0, 0, r.right - r.left, r.bottom - r.top);
}

// A window that keeps its place.
FrameOfView Placed(ViewKind kind, FrameTraits traits, Opening opening, int topMostItem,
                   AfterMove afterMove, ListFont font = {}) {
    return FrameOfView{kind, {std::move(traits), {kind, opening, topMostItem, afterMove, font}}};
}

// The Source, EEPROM and SFR windows: not owned, lists in the fixed-pitch
// font, docking beside the main window.
FrameOfView Docking(ViewKind kind, const char* className, std::string title, Rect created,
                    int topMostItem, int32_t Settings::*points, DWORD style = kPopupStyle,
                    DWORD exStyle = WS_EX_WINDOWEDGE) {
    return Placed(kind, {className, std::move(title), style, exStyle, created, false},
                  Opening::Stored, topMostItem, AfterMove::DockBesideMain,
                  ListFont{&Settings::FixedFont, points, true});
}

// A window that keeps no place.
FrameOfView Unplaced(ViewKind kind, FrameTraits traits) {
    return FrameOfView{kind, {std::move(traits), {kind, Opening::Stored, 0, AfterMove::Stay, {}}}};
}

std::vector<FrameOfView> MakeTable() {
    const std::string name = kProgramName;
    return {
        Placed(ViewKind::Watch,
               {ids::kWatchClass, name + "   Watch", kPopupStyle | WS_CLIPCHILDREN,
                WS_EX_WINDOWEDGE, kWatchCreatedRect, true},
               Opening::Stored, ids::kWatchSysTopMost, AfterMove::SnapToWorkArea,
               ListFont{&Settings::PropFont, &Settings::FontSizeW, false}),
        Docking(ViewKind::Source, ids::kSourceFormClass, name + "  ", At(93, 160, 680, 453),
                ids::kSysSourceTopMost, &Settings::FontSizeS),
        Placed(ViewKind::Port,
               {ids::kPortClass, name + "   Port",
                WS_OVERLAPPED | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                    WS_MINIMIZEBOX,
                0, At(0, 0, 520, 560), true},
               Opening::BesideOwner, ids::kSysTopMostPortPinout, AfterMove::Stay,
               ListFont{&Settings::PropFont, &Settings::FontSizePO, false}),
        Docking(ViewKind::Eeprom, ids::kEepromFormClass, name + "   EEPROM", At(94, 160, 632, 457),
                ids::kSysEepromTopMost, &Settings::FontSizeE),
        // Its size is the picture's from the first paint on.
        Placed(ViewKind::Pinout,
               {ids::kPinoutClass, name + "   Pinout", kPinoutStyle, 0,
                AroundClient(kPinoutDefaultClient, kPinoutStyle), true},
               Opening::BesideOwner, ids::kSysTopMostPortPinout, AfterMove::Stay),
        Docking(ViewKind::Sfr, ids::kSfrFormClass, name + "   SFR", At(94, 160, 676, 460),
                ids::kSysSfrTopMost, &Settings::FontSizeSF, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0),
        Placed(ViewKind::Plot,
               {ids::kPlotFormClass, name + "   Plot", kPopupStyle | WS_MAXIMIZEBOX,
                WS_EX_WINDOWEDGE, At(120, 120, 760, 460), false},
               Opening::Stored, ids::kSysPlotTopMost, AfterMove::Stay),
        Placed(ViewKind::StopRules,
               {ids::kRulesFormClass, name + "   Stop rules", kPopupStyle | WS_CLIPCHILDREN,
                WS_EX_WINDOWEDGE, At(140, 140, 630, 510), false},
               Opening::Stored, ids::kSysRulesTopMost, AfterMove::Stay),
        Unplaced(ViewKind::About,
                 {kAboutClass, AboutTitle(), WS_POPUP | WS_CAPTION | WS_SYSMENU,
                  WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE, At(213, 160, 484, 195), true}),
        Unplaced(ViewKind::RecordDiagnostics,
                 {kDiagnosticsClass, "", WS_VISIBLE | WS_OVERLAPPEDWINDOW, WS_EX_WINDOWEDGE,
                  At(94, 160, 976, 595), false}),
    };
}

}  // namespace

const WindowFrame& WindowFrameOf(ViewKind kind) {
    static const std::vector<FrameOfView> table = MakeTable();
    return std::find_if(table.begin(), table.end(),
                        [kind](const FrameOfView& row) { return row.kind == kind; })
        ->frame;
}

}  // namespace varnolux
