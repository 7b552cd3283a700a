#include "views/replay/win32/replay_bar.h"

#include <commctrl.h>

#include "link/replay/answers.h"
#include "seams/main_ids.h"
#include "seams/win32/window_object.h"
#include "views/frame/win32/child_controls.h"
#include "views/replay/replay_bar_ids.h"
#include "views/replay/replay_bar_model.h"

namespace varnolux {

namespace {

constexpr int kBarWidth = 518, kBarHeight = 60;
constexpr UINT_PTR kPlayTimer = 1;
constexpr uint32_t kTopLeft = kAnchorLeft | kAnchorTop;
constexpr uint32_t kTopRight = kAnchorRight | kAnchorTop;

// The buttons and the label on the first row, Close at its right end; the
// slider stretches over the second, the answers' count at its right.
const ChildControl kControls[] = {
    {ids::kReplayFirst, "BUTTON", "First", WS_TABSTOP | BS_PUSHBUTTON, 0, {4, 4, 44, 24}, kTopLeft},
    {ids::kReplayPrevious,
     "BUTTON",
     "Previous",
     WS_TABSTOP | BS_PUSHBUTTON,
     0,
     {52, 4, 58, 24},
     kTopLeft},
    {ids::kReplayNext, "BUTTON", "Next", WS_TABSTOP | BS_PUSHBUTTON, 0, {114, 4, 44, 24}, kTopLeft},
    {ids::kReplayLast, "BUTTON", "Last", WS_TABSTOP | BS_PUSHBUTTON, 0, {162, 4, 44, 24}, kTopLeft},
    {ids::kReplayPlay, "BUTTON", "Play", WS_TABSTOP | BS_PUSHBUTTON, 0, {214, 4, 52, 24}, kTopLeft},
    {ids::kReplaySpeed,
     "COMBOBOX",
     "",
     WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
     0,
     {270, 5, 64, 120},
     kTopLeft},
    {ids::kReplayLabel, "STATIC", "", SS_CENTERIMAGE, 0, {342, 4, 110, 24}, kTopLeft},
    {ids::kReplayClose,
     "BUTTON",
     "Close",
     WS_TABSTOP | BS_PUSHBUTTON,
     0,
     {458, 4, 56, 24},
     kTopRight},
    {ids::kReplaySlider,
     TRACKBAR_CLASSA,
     "",
     WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS,
     0,
     {0, 32, 300, 26},
     kTopLeft | kAnchorRight},
    {ids::kReplayAnswers,
     "STATIC",
     "",
     SS_RIGHT | SS_CENTERIMAGE,
     0,
     {304, 32, 210, 24},
     kTopRight},
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

ReplayBar::ReplayBar(ReplayDeck& deck, ReplayBarOwner& owner) : deck_(deck), owner_(owner) {}

HWND ReplayBar::Create(HWND parent, HINSTANCE instance) {
    return CreateWindowExA(WS_EX_CONTROLPARENT, ids::kReplayBarClass, "",
                           WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, kBarWidth, kBarHeight,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::kReplayBar)),
                           instance, this);
}

void ReplayBar::Destroy() {
    deck_.Pause();
    if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK REPLAYBAR_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ReplayBar* self = WindowObject<ReplayBar>(window, message, lParam);
    return self ? self->OnMessage(window, message, wParam, lParam)
                : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT ReplayBar::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (layout_.Handle(message, wParam, lParam, &result)) return result;
    switch (message) {
        case WM_CREATE:
            hwnd_ = window;
            CreateControls(window);
            ShowPosition();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_HSCROLL:
            // A drag turns the replay once, where it ends.
            if (LOWORD(wParam) != TB_THUMBTRACK) {
                HWND slider = GetDlgItem(window, ids::kReplaySlider);
                const int position = static_cast<int>(SendMessageA(slider, TBM_GETPOS, 0, 0));
                Go(DumpOfSliderPosition(position, deck_.Count()));
            }
            return 0;
        case WM_TIMER:
            if (wParam == kPlayTimer) OnPlayTimer();
            return 0;
        case WM_DESTROY:
            KillTimer(window, kPlayTimer);
            hwnd_ = nullptr;
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

void ReplayBar::OnCommand(int id, int notification) {
    for (const ButtonOf& b : kButtons)
        if (id == b.id) Go(DumpOfButton(b.button, deck_.Current(), deck_.Count()));
    switch (id) {
        case ids::kReplayPlay:
            TogglePlay();
            return;
        case ids::kReplaySpeed:
            if (notification == CBN_SELCHANGE) {
                const auto chosen = SendDlgItemMessageA(hwnd_, id, CB_GETCURSEL, 0, 0);
                if (chosen >= 0) deck_.SetSpeed(static_cast<ReplaySpeed>(chosen));
            }
            return;
        case ids::kReplayClose:
            // The main window closes the replay, as its File menu does.
            PostMessageA(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(ids::kCmdCloseReplay, 0), 0);
            return;
        default:
            return;
    }
}

void ReplayBar::CreateControls(HWND window) {
    CreateChildControls(window, kControls, &layout_);
    HWND slider = GetDlgItem(window, ids::kReplaySlider);
    const int count = deck_.Count();
    SendMessageA(slider, TBM_SETRANGE, FALSE, MAKELPARAM(1, count > 1 ? count : 1));
    SendMessageA(slider, TBM_SETTICFREQ, count > 50 ? count / 50 : 1, 0);
    EnableWindow(slider, count > 1);
    for (const std::string& name : ReplaySpeedNames())
        SendDlgItemMessageA(window, ids::kReplaySpeed, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(name.c_str()));
    SendDlgItemMessageA(window, ids::kReplaySpeed, CB_SETCURSEL, static_cast<WPARAM>(deck_.Speed()),
                        0);
    const std::string answers = AnswerDifferenceText(deck_.AnswerDifferences());
    SetDlgItemTextA(window, ids::kReplayAnswers, answers.c_str());
    if (answers.empty()) {
        // Nothing to say beside the slider: it takes the whole row.
        ShowWindow(GetDlgItem(window, ids::kReplayAnswers), SW_HIDE);
        RECT bar{}, row{};
        GetClientRect(window, &bar);
        GetWindowRect(slider, &row);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&row), 2);
        SetWindowPos(slider, nullptr, 0, 0, bar.right - row.left, row.bottom - row.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        layout_.TakePlaces();
    }
}

void ReplayBar::Step() {
    Go(deck_.Current() + 1);
}

void ReplayBar::Go(int dump) {
    // A step of the user's own stops Play.
    deck_.Pause();
    if (hwnd_) KillTimer(hwnd_, kPlayTimer);
    if (deck_.Go(dump)) owner_.Stepped();
    ShowPosition();
}

void ReplayBar::TogglePlay() {
    if (deck_.Playing()) {
        deck_.Pause();
        KillTimer(hwnd_, kPlayTimer);
    } else if (deck_.Play()) {
        SetTimer(hwnd_, kPlayTimer, static_cast<UINT>(deck_.NextDelayMs()), nullptr);
    }
    ShowPosition();
}

void ReplayBar::OnPlayTimer() {
    KillTimer(hwnd_, kPlayTimer);
    const int before = deck_.Current();
    deck_.PlayStep();
    if (deck_.Current() != before) owner_.Stepped();
    if (deck_.Playing() && hwnd_)
        SetTimer(hwnd_, kPlayTimer, static_cast<UINT>(deck_.NextDelayMs()), nullptr);
    ShowPosition();
}

void ReplayBar::ShowPosition() {
    if (!hwnd_) return;
    const int current = deck_.Current(), count = deck_.Count();
    SetDlgItemTextA(hwnd_, ids::kReplayLabel, ReplayLabel(current, count).c_str());
    SendDlgItemMessageA(hwnd_, ids::kReplaySlider, TBM_SETPOS, TRUE, current > 0 ? current : 1);
    for (const ButtonOf& b : kButtons)
        EnableWindow(GetDlgItem(hwnd_, b.id), DumpOfButton(b.button, current, count) != 0);
    SetDlgItemTextA(hwnd_, ids::kReplayPlay, deck_.Playing() ? "Pause" : "Play");
    EnableWindow(GetDlgItem(hwnd_, ids::kReplayPlay), deck_.Playing() || current < count);
}

}  // namespace varnolux
