#include "app/win32/main_window.h"

#include <windowsx.h>

#include "app/win32/window_classes.h"
#include "project/load/main_title.h"
#include "seams/main_ids.h"
#include "seams/win32/dpi_scale.h"
#include "seams/win32/status_fit.h"
#include "seams/win32/window_object.h"
#include "views/frame/win32/point_font.h"
#include "views/frame/win32/window_rects.h"

namespace varnolux {

namespace {

constexpr DWORD kMainStyle =
    WS_POPUP | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;

}  // namespace

MainWindow::MainWindow(Session& session, Seams& seams, Win32MainWindowView& view,
                       const ShellBrushes& brushes)
    : session_(session),
      seams_(seams),
      view_(view),
      brushes_(brushes),
      listAndRun_(session, seams,
                  ContinueBrushes{brushes.blue, brushes.yellow, brushes.buttonFace}) {}

HWND MainWindow::Create(HINSTANCE instance) {
    instance_ = instance;
    HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(ids::kMenuMain));
    if (!menu) return nullptr;
    HWND window = CreateWindowExA(WS_EX_WINDOWEDGE, kMainClass, StartupTitle().c_str(), kMainStyle,
                                  93, 160, 530, 414, nullptr, menu, instance, this);
    if (!window) DestroyMenu(menu);
    return window;
}

bool MainWindow::Initialise(const LoadSequence& load) {
    return RunMainInitialisation(session_, seams_, *this, load) && IsWindow(hwnd_);
}

LRESULT CALLBACK VARNOLUXMAIN_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MainWindow* self = WindowObject<MainWindow>(window, message, lParam);
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCCREATE) {
        self->hwnd_ = window;
        self->view_.Attach(window);
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (layout_.Handle(message, wParam, lParam, &result)) return result;
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_INITMENUPOPUP:
            OnInitMenuPopup();
            return 0;
        case WM_INITMENU:
            listAndRun_.OnInitMenu(reinterpret_cast<HMENU>(wParam));
            return 0;
        case WM_NOTIFY:
            if (listAndRun_.OnNotify(*reinterpret_cast<const NMHDR*>(lParam), &result))
                return result;
            break;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_DRAWITEM:
            if (wParam != static_cast<WPARAM>(ids::kContinueButton)) break;
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_SYSCOMMAND:
            OnSysCommand(wParam);
            break;
        case WM_SIZE:
            // The status bar has followed the layout; part 0 keeps its text shown.
            FitStatusParts(Control(ids::kStatusBar));
            break;
        case WM_EXITSIZEMOVE:
            OnExitSizeMove();
            return 0;
        case WM_GETMINMAXINFO:
            OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_CONTEXTMENU:
            OnContextMenu(lParam);
            return 0;
        case WM_CLOSE:
            // A close asked for while the close sequence waits for the link
            // thread is the same close.
            if (closing_) return 0;
            closing_ = true;
            OnClose();
            break;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

int32_t MainWindow::Dpi() const {
    return ScreenDpi();
}

Rect MainWindow::WorkArea() const {
    return DesktopWorkArea();
}

void MainWindow::PlaceHidden(const Rect& normal) {
    PlaceAtNormalRect(hwnd_, normal, SW_HIDE);
}

void MainWindow::SetTopmost(bool topmost) {
    varnolux::SetTopmost(hwnd_, topmost);
}

void MainWindow::SetListFont(const std::string& face, int32_t points) {
    HFONT font = CreatePointFont(face, points);
    if (!font) return;
    SendMessageA(Control(ids::kVarList), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (listFont_) DeleteObject(listFont_);
    listFont_ = font;
}

void MainWindow::AddTopMostItem(const std::string& text) {
    HMENU system = GetSystemMenu(hwnd_, FALSE);
    AppendMenuA(system, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(system, MF_STRING, ids::kSysTopMost, text.c_str());
}

}  // namespace varnolux
