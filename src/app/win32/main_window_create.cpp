#include <windows.h>

#include <commctrl.h>

#include "app/main_controls.h"
#include "app/win32/main_window.h"
#include "seams/main_ids.h"
#include "seams/status_parts.h"
#include "seams/win32/wide_text.h"

namespace varnolux {

namespace {

struct Win32Kind {
    const char* windowClass;
    DWORD style;
    DWORD exStyle;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

Win32Kind KindOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::VariableList:
            return {WC_LISTVIEWA,
                    kChild | WS_TABSTOP | LVS_REPORT | LVS_SHAREIMAGELISTS | LVS_OWNERDATA,
                    WS_EX_CLIENTEDGE};
        case ControlKind::FirstRadio:
            return {"BUTTON", kChild | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 0};
        case ControlKind::Radio:
            return {"BUTTON", kChild | BS_AUTORADIOBUTTON, 0};
        case ControlKind::SortedChooser:
            return {"COMBOBOX",
                    kChild | WS_TABSTOP | WS_GROUP | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL, 0};
        case ControlKind::Chooser:
            return {"COMBOBOX", kChild | WS_TABSTOP | CBS_DROPDOWNLIST, 0};
        case ControlKind::OwnerDrawn:
            return {"BUTTON", kChild | WS_TABSTOP | BS_OWNERDRAW, 0};
        case ControlKind::DigitsEdit:
            return {"EDIT", kChild | WS_TABSTOP | ES_NUMBER, WS_EX_CLIENTEDGE};
        case ControlKind::CheckBox:
            return {"BUTTON", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
        case ControlKind::Label:
            return {"STATIC", kChild, 0};
        case ControlKind::CentredLabel:
            return {"STATIC", kChild | SS_CENTERIMAGE, 0};
        case ControlKind::SunkenLabel:
            return {"STATIC", kChild | SS_SUNKEN, 0};
        case ControlKind::SunkenCentredLabel:
            return {"STATIC", kChild | SS_SUNKEN | SS_CENTERIMAGE, 0};
    }
    return {"STATIC", kChild, 0};
}

HMENU AsMenu(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

constexpr COLORREF kRowImageMask = RGB(192, 192, 192);

}  // namespace

void MainWindow::OnCreate() {
    CreateControls();
    layout_.Attach(hwnd_);
    AnchorControls();
    listAndRun_.Attach(hwnd_);
    SetTimer(hwnd_, ids::kTimerRefresh, 100, nullptr);
    SetTimer(hwnd_, ids::kTimerBlink, 400, nullptr);
}

void MainWindow::CreateControls() {
    auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (const MainControl& c : MainControls()) {
        Win32Kind kind = KindOf(c.kind);
        // The choosers hold project and file names, which may be outside the
        // code page: they are Unicode windows.
        const bool chooser = c.kind == ControlKind::Chooser || c.kind == ControlKind::SortedChooser;
        HWND control =
            chooser ? CreateWindowExW(kind.exStyle, WideFromText(kind.windowClass).c_str(),
                                      WideFromText(c.text).c_str(), kind.style, c.created.x,
                                      c.created.y, c.created.width, c.created.height, hwnd_,
                                      AsMenu(c.id), instance_, nullptr)
                    : CreateWindowExA(kind.exStyle, kind.windowClass, c.text, kind.style,
                                      c.created.x, c.created.y, c.created.width, c.created.height,
                                      hwnd_, AsMenu(c.id), instance_, nullptr);
        SendMessageA(control, WM_SETFONT, font, FALSE);
    }

    HIMAGELIST rows = ImageList_LoadImageA(instance_, MAKEINTRESOURCEA(ids::kBitmapRowImages), 16,
                                           0, kRowImageMask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (rows) ListView_SetImageList(Control(ids::kVarList), rows, LVSIL_SMALL);

    HWND status = CreateWindowExA(0, STATUSCLASSNAMEA, "", kChild | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                  hwnd_, AsMenu(ids::kStatusBar), instance_, nullptr);
    SendMessageA(status, WM_SETFONT, font, FALSE);
    SendMessageA(status, SB_SETPARTS, kStatusParts,
                 reinterpret_cast<LPARAM>(kStatusPartEdges.data()));
}

void MainWindow::AnchorControls() {
    for (const MainControl& c : MainControls()) layout_.Anchor(Control(c.id), c.anchors);
}

}  // namespace varnolux
