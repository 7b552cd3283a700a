#include "views/eeprom/win32/eeprom_window.h"

#include <algorithm>
#include <mutex>

#include "seams/ini_file.h"
#include "seams/win32/dpi_scale.h"
#include "vars/win32/win32_report_list.h"
#include "views/eeprom/eeprom_ids.h"
#include "views/eeprom/eeprom_rows.h"
#include "views/frame/win32/form_frame.h"

namespace varnolux {

namespace {

constexpr DWORD kEepromStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
const Rect kCreated{94, 160, 94 + 632, 160 + 457};

// A column without a stored width: the built-in width, widened where the list's
// own font needs more for the header text.
int DefaultColumnWidth(HWND list, int column) {
    const int header = static_cast<int>(SendMessageA(
        list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(kEepromHeaders[column])));
    return std::max(ToScreen(kEepromBuiltInWidths[column]), header + ToScreen(16));
}

}  // namespace

void EepromWindow::Create(HWND owner) {
    if (Handle()) return;
    owner_ = owner;
    HWND window = CreateWindowExA(WS_EX_WINDOWEDGE, ids::kEepromFormClass, "", kEepromStyle,
                                  kCreated.left, kCreated.top, kCreated.right - kCreated.left,
                                  kCreated.bottom - kCreated.top, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), this);
    if (window) Initialise();
}

void EepromWindow::OnCreate(HWND window) {
    list_ = CreateReportList(window, ids::kEepromList, 3, 6, 619, 415, WS_TABSTOP | WS_VSCROLL,
                             WS_EX_CLIENTEDGE);
    SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT,
                 LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    for (int c = 0; c < kEepromColumnCount; ++c)
        AddListColumn(list_, c, kEepromHeaders[c], kEepromCreatedWidths[c]);
    layout_.Attach(window);
    layout_.Anchor(list_, kAnchorAll);
}

void EepromWindow::Initialise() {
    HWND window = Handle();
    const std::string& ini = session_.project.settingsPath;
    const FormSettingsKeys& keys = EepromFormKeys();
    const Settings& settings = session_.settings;
    PlaceForm(
        window,
        PlaceFormWindow(ReadStoredRect(os_, ini, keys.section), ScaledSize(kCreated, ScreenDpi()),
                        DesktopWorkArea(), ProgramWindowRects(window)),
        settings.AlwaysOnTopE == 1);
    bytesPerLine_ = UsableBytesPerLine(
        IniReadNumber(os_, ini, keys.section, "BytesPerLine", kDefaultBytesPerLine));
    AddTopMostItem(window, ids::kSysEepromTopMost, settings.AlwaysOnTopE);
    font_ = CreateFixedFont(settings.FixedFont, settings.FontSizeE);
    if (font_) SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    SetWindowTextA(window, "Varnolux   EEPROM");
    for (int c = 0; c < kEepromColumnCount; ++c) {
        const int32_t stored = ReadColumnWidth(os_, ini, keys.section, keys.columnKeys[c], "", 0);
        SendMessageA(list_, LVM_SETCOLUMNWIDTH, c,
                     stored == 0 ? DefaultColumnWidth(list_, c) : ToScreen(stored));
    }
    Win32ReportList list(list_, kEepromColumnCount, 0);
    LayOutEepromRows(list, session_.device.EepromSize, bytesPerLine_);
}

void EepromWindow::Fill() {
    if (!Handle()) return;
    std::vector<uint8_t> values;
    {
        std::lock_guard<std::mutex> lock(session_.recordsLock);
        values = EepromSnapshot(session_.image, session_.device.EepromSize);
    }
    Win32ReportList list(list_, kEepromColumnCount, 0);
    RefreshEepromRows(list, values, bytesPerLine_);
}

void EepromWindow::OnClose() {
    HWND window = Handle();
    SaveFormSettings(EepromFormKeys(), ReadCloseState(window, {{list_, kEepromColumnCount}}),
                     session_.run.SaveOnExit.load(), os_, session_.project.settingsPath, prompts_);
    DestroyWindow(window);
}

void EepromWindow::OnDestroy() {
    hwnd_ = nullptr;
    list_ = nullptr;
    if (font_) DeleteObject(font_);
    font_ = nullptr;
}

LRESULT EepromWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (layout_.Handle(message, wParam, lParam, &result)) return result;
    switch (message) {
        case WM_NCCREATE:
            hwnd_ = window;
            break;
        case WM_CREATE:
            OnCreate(window);
            return 0;
        case WM_NOTIFY: {
            auto& header = *reinterpret_cast<NMHDR*>(lParam);
            if (header.idFrom != static_cast<UINT_PTR>(ids::kEepromList) ||
                header.code != NM_CUSTOMDRAW)
                break;
            return DrawCellsOn(reinterpret_cast<NMLVCUSTOMDRAW&>(header),
                               [](int, int column) { return EepromCellBackground(column); });
        }
        case WM_SYSCOMMAND:
            OnTopMostItem(window, wParam, ids::kSysEepromTopMost, session_.settings.AlwaysOnTopE);
            break;
        case WM_EXITSIZEMOVE:
            DockAfterMove(window, DockReference(owner_, views_.Window(ViewKind::Watch)),
                          session_.settings.Snapsize);
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK EEPROM_FORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    EepromWindow* self = FormOf<EepromWindow>(window, message, lParam);
    return self ? self->OnMessage(window, message, wParam, lParam)
                : DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace varnolux
