#include "views/replay/win32/replay_bar.h"

#include <commctrl.h>

#include "seams/win32/dpi_scale.h"
#include "seams/win32/wide_text.h"
#include "seams/win32/window_object.h"
#include "views/frame/win32/child_controls.h"
#include "views/replay/replay_bar_ids.h"
#include "views/replay/replay_bar_model.h"

namespace varnolux {

namespace {

const ChildControl kControls[] = {
    {ids::kReplayFirst, "BUTTON", "First", WS_TABSTOP | BS_PUSHBUTTON, 0, ControlBox{8, 8, 60, 24},
     0},
    {ids::kReplayPrevious, "BUTTON", "Previous", WS_TABSTOP | BS_PUSHBUTTON, 0,
     ControlBox{72, 8, 60, 24}, 0},
    {ids::kReplayNext, "BUTTON", "Next", WS_TABSTOP | BS_DEFPUSHBUTTON, 0,
     ControlBox{136, 8, 60, 24}, 0},
    {ids::kReplayLast, "BUTTON", "Last", WS_TABSTOP | BS_PUSHBUTTON, 0, ControlBox{200, 8, 60, 24},
     0},
    {ids::kReplayLabel, "STATIC", "", SS_CENTERIMAGE, 0, ControlBox{270, 8, 140, 24}, 0},
    {ids::kReplaySlider, TRACKBAR_CLASSA, "", WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS, 0,
     ControlBox{4, 38, 410, 28}, 0},
};

struct ButtonOf {
    int id;
    ReplayButton button;
};
constexpr ButtonOf kButtons[] = {{ids::kReplayFirst, ReplayButton::First},
                                 {ids::kReplayPrevious, ReplayButton::Previous},
                                 {ids::kReplayNext, ReplayButton::Next},
                                 {ids::kReplayLast, ReplayButton::Last}};

}  // namespace

ReplayBar::ReplayBar(ReplayStepper& stepper, std::function<void()> stepped)
    : stepper_(stepper), stepped_(std::move(stepped)) {}

HWND ReplayBar::Create(HWND owner, HINSTANCE instance, const std::string& title) {
    RECT below{};
    GetWindowRect(owner, &below);
    RECT frame{0, 0, ToScreen(418), ToScreen(72)};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_TOOLWINDOW);
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, ids::kReplayBarClass, "", style, below.left,
                                  below.bottom, frame.right - frame.left, frame.bottom - frame.top,
                                  owner, nullptr, instance, this);
    if (!window) return nullptr;
    // The file's name may be outside the code page: the title is set in UTF-16.
    DefWindowProcW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(WideFromText(title).c_str()));
    ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
}

LRESULT CALLBACK REPLAYBAR_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ReplayBar* self = WindowObject<ReplayBar>(window, message, lParam);
    return self ? self->OnMessage(window, message, wParam, lParam)
                : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT ReplayBar::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            hwnd_ = window;
            CreateControls(window);
            ShowPosition();
            return 0;
        case WM_COMMAND:
            for (const ButtonOf& b : kButtons)
                if (LOWORD(wParam) == b.id)
                    Go(DumpOfButton(b.button, stepper_.Current(), stepper_.Count()));
            return 0;
        case WM_HSCROLL:
            // A drag turns the replay once, where it ends.
            if (LOWORD(wParam) != TB_THUMBTRACK) {
                HWND slider = GetDlgItem(window, ids::kReplaySlider);
                const int position = static_cast<int>(SendMessageA(slider, TBM_GETPOS, 0, 0));
                const int dump = DumpOfSliderPosition(position, stepper_.Count());
                if (dump != stepper_.Current()) Go(dump);
            }
            return 0;
        case WM_CLOSE:
            // The replay ends with the program.
            SendMessageA(GetWindow(window, GW_OWNER), WM_CLOSE, 0, 0);
            return 0;
        case WM_DESTROY:
            hwnd_ = nullptr;
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

void ReplayBar::CreateControls(HWND window) {
    CreateChildControls(window, kControls, nullptr, ControlPlaces::ToScreen);
    HWND slider = GetDlgItem(window, ids::kReplaySlider);
    const int count = stepper_.Count();
    SendMessageA(slider, TBM_SETRANGE, FALSE, MAKELPARAM(1, count > 1 ? count : 1));
    SendMessageA(slider, TBM_SETTICFREQ, count > 50 ? count / 50 : 1, 0);
    EnableWindow(slider, count > 1);
}

void ReplayBar::Go(int dump) {
    if (dump == 0) return;
    stepper_.Go(dump);
    ShowPosition();
    if (stepped_) stepped_();
}

void ReplayBar::ShowPosition() {
    HWND window = hwnd_.load();
    const int current = stepper_.Current(), count = stepper_.Count();
    SetDlgItemTextA(window, ids::kReplayLabel, ReplayLabel(current, count).c_str());
    SendDlgItemMessageA(window, ids::kReplaySlider, TBM_SETPOS, TRUE, current > 0 ? current : 1);
    for (const ButtonOf& b : kButtons)
        EnableWindow(GetDlgItem(window, b.id), DumpOfButton(b.button, current, count) != 0);
}

}  // namespace varnolux
