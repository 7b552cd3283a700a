#include <windows.h>

#include <commctrl.h>

#include "app/main_ids.h"
#include "app/win32/main_window.h"

namespace varnolux {

namespace {

struct ControlSpec {
    int id;
    const char* windowClass;
    const char* text;
    int x, y, width, height;
    DWORD style;
    DWORD exStyle;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// The child controls as created in the 530 x 414 window.
const ControlSpec kControls[] = {
    {ids::kVarList, WC_LISTVIEWA, "", 0, 0, 518, 208,
     kChild | WS_TABSTOP | LVS_REPORT | LVS_SHAREIMAGELISTS, WS_EX_CLIENTEDGE},
    {ids::kRadioDec, "BUTTON", "Dec", 263, 307, 58, 23,
     kChild | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 0},
    {ids::kRadioHex, "BUTTON", "Hex", 326, 307, 57, 23, kChild | BS_AUTORADIOBUTTON, 0},
    {ids::kRadioBin, "BUTTON", "Bin", 388, 307, 56, 23, kChild | BS_AUTORADIOBUTTON, 0},
    {ids::kProjectChooser, "COMBOBOX", "", 0, 306, 247, 129,
     kChild | WS_TABSTOP | WS_GROUP | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL, 0},
    {ids::kContinueButton, "BUTTON", "", 449, 305, 69, 24, kChild | WS_TABSTOP | BS_OWNERDRAW, 0},
    {ids::kUntilChooser, "COMBOBOX", "", 153, 274, 140, 129, kChild | WS_TABSTOP | CBS_DROPDOWNLIST,
     0},
    {ids::kRepeatChooser, "COMBOBOX", "", 0, 274, 140, 129, kChild | WS_TABSTOP | CBS_DROPDOWNLIST,
     0},
    {ids::kUntilCount, "EDIT", "00", 306, 274, 25, 24, kChild | WS_TABSTOP | ES_NUMBER,
     WS_EX_CLIENTEDGE},
    {ids::kUntilCountLabel, "STATIC", "Untill count", 336, 278, 72, 18, kChild, 0},
    {ids::kContinuous, "BUTTON", "Continuous", 418, 278, 92, 18,
     kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0},
    {ids::kTagLabel, "STATIC", "", 349, 244, 169, 24, kChild | SS_SUNKEN | SS_CENTERIMAGE, 0},
    {ids::kDumpPointLabel, "STATIC", "", 2, 214, 344, 24, kChild | SS_SUNKEN | SS_CENTERIMAGE, 0},
    {ids::kTransitionLabel, "STATIC", "", 349, 214, 169, 24, kChild | SS_SUNKEN, 0},
    {ids::kUnusedLabel, "STATIC", "", 2, 244, 344, 24, kChild | SS_CENTERIMAGE, 0},
};

// Right edges of the status bar's four parts.
const int kStatusParts[] = {135, 277, 384, 486};

constexpr COLORREF kRowImageMask = RGB(192, 192, 192);

}  // namespace

void MainWindow::OnCreate() {
    CreateControls();
    layout_.Attach(hwnd_);
    AnchorControls();
    SetTimer(hwnd_, ids::kTimerRefresh, 100, nullptr);
    SetTimer(hwnd_, ids::kTimerBlink, 400, nullptr);
}

void MainWindow::CreateControls() {
    auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (const ControlSpec& c : kControls) {
        HWND control = CreateWindowExA(
            c.exStyle, c.windowClass, c.text, c.style, c.x, c.y, c.width, c.height, hwnd_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance_, nullptr);
        SendMessageA(control, WM_SETFONT, font, FALSE);
    }

    HWND list = Control(ids::kVarList);
    HIMAGELIST rows = ImageList_LoadImageA(instance_, MAKEINTRESOURCEA(ids::kBitmapRowImages), 16,
                                           0, kRowImageMask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (rows) ListView_SetImageList(list, rows, LVSIL_SMALL);

    HWND status = CreateWindowExA(
        0, STATUSCLASSNAMEA, "", kChild | SBARS_SIZEGRIP, 0, 0, 0, 0, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::kStatusBar)), instance_, nullptr);
    SendMessageA(status, WM_SETFONT, font, FALSE);
    SendMessageA(status, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(kStatusParts));
}

void MainWindow::AnchorControls() {
    // The list fills the window; the labels, the run-control row and the
    // choosers stay at the bottom, above the status bar, which places itself.
    layout_.Anchor(Control(ids::kVarList), kAnchorAll);
    for (const ControlSpec& c : kControls)
        if (c.id != ids::kVarList) layout_.Anchor(Control(c.id), kAnchorLeft | kAnchorBottom);
}

}  // namespace varnolux
