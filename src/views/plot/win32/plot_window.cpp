#include "views/plot/win32/plot_window.h"

#include <windowsx.h>

#include "views/frame/win32/child_controls.h"
#include "views/plot/plot_cursor.h"
#include "views/plot/plot_ids.h"
#include "views/plot/plot_settings.h"
#include "views/win32/window_frames.h"

namespace varnolux {

namespace {

constexpr double kWheelZoom = 0.8;  // one notch in; out is its inverse
constexpr double kPanShare = 0.1;   // of the visible span per key or shifted notch

struct MenuItem {
    int id;  // 0: separator
    const char* text;
};

const MenuItem kFileMenu[] = {{ids::kCmdPlotSavePicture, "Save picture..."},
                              {ids::kCmdPlotSaveData, "Save data..."}};
const MenuItem kViewMenu[] = {{ids::kCmdPlotFitAll, "Fit all\tHome"},
                              {ids::kCmdPlotPause, "Pause\tSpace"},
                              {0, nullptr},
                              {ids::kCmdPlotSharedScale, "Shared scale"},
                              {ids::kCmdPlotTimeAxis, "Time axis"}};

template <size_t N>
HMENU Popup(const MenuItem (&items)[N]) {
    HMENU menu = CreatePopupMenu();
    for (const MenuItem& item : items)
        AppendMenuA(menu, item.id ? MF_STRING : MF_SEPARATOR, static_cast<UINT_PTR>(item.id),
                    item.text);
    return menu;
}

}  // namespace

PlotWindow::PlotWindow(Session& session, HostOs& os, Prompts& prompts, PlotFeed& feed)
    : PlacedWindow(WindowFrameOf(ViewKind::Plot), session, os, prompts, topMost_),
      session_(session),
      os_(os),
      prompts_(prompts),
      feed_(feed),
      store_(feed.Store()) {}

HMENU PlotWindow::MenuBar() {
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Popup(kFileMenu)), "File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Popup(kViewMenu)), "View");
    return bar;
}

void PlotWindow::MarkDump(std::optional<double> seconds, const std::string& label) {
    mark_ = seconds;
    markLabel_ = label;
    // The marked dump may still wait in the feed.
    Fill();
}

void PlotWindow::NoteWatchChange() {
    feed_.NoteWatchChange(session_);
}

void PlotWindow::ClearRecord() {
    feed_.Clear();
    cursor_.reset();
    FitAll(view_, store_);
}

void PlotWindow::ReadKeys() {
    const PlotSettings settings = ReadPlotSettings(os_, session_.project.settingsPath);
    view_.sharedScale = settings.sharedScale;
    view_.axis = settings.timeAxis ? PlotXAxis::Seconds : PlotXAxis::DumpNumber;
    topMost_ = settings.topMost ? 1 : 0;
}

void PlotWindow::OnCreate(HWND window) {
    // Placed at every size change.
    static const ChildControl kStatus[] = {
        {ids::kPlotStatus, "STATIC", "", SS_LEFTNOWORDWRAP, 0, {0, 0, 0, 0}, 0}};
    CreateChildControls(window, kStatus, nullptr);
    status_ = GetDlgItem(window, ids::kPlotStatus);
    // Every dump kept while the window was closed, all of them in view.
    feed_.NoteWatchChange(session_);
    FitAll(view_, store_);
    UpdateMenu();
}

void PlotWindow::Fill() {
    HWND window = Handle();
    if (!window) return;
    feed_.TakeWaiting();
    ShowCursorText();
    InvalidateRect(window, nullptr, FALSE);
}

void PlotWindow::ShowCursorText() {
    std::string text = std::to_string(store_.Size()) + " dumps";
    if (view_.paused) text += "   paused";
    if (cursor_ && *cursor_ < store_.Size()) text += "   |   " + CursorText(store_, *cursor_);
    SetWindowTextA(status_, (" " + text).c_str());
}

void PlotWindow::UpdateMenu() {
    HMENU menu = GetMenu(Handle());
    auto check = [menu](int id, bool on) {
        CheckMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    };
    check(ids::kCmdPlotPause, view_.paused);
    check(ids::kCmdPlotSharedScale, view_.sharedScale);
    check(ids::kCmdPlotTimeAxis, view_.axis == PlotXAxis::Seconds);
}

void PlotWindow::OnCommand(int id) {
    switch (id) {
        case ids::kCmdPlotSavePicture:
            SavePicture();
            return;
        case ids::kCmdPlotSaveData:
            SaveData();
            return;
        case ids::kCmdPlotFitAll:
            FitAll(view_, store_);
            break;
        case ids::kCmdPlotPause:
            SetPaused(view_, store_, !view_.paused);
            break;
        case ids::kCmdPlotSharedScale:
            view_.sharedScale = !view_.sharedScale;
            break;
        case ids::kCmdPlotTimeAxis:
            view_.axis =
                view_.axis == PlotXAxis::Seconds ? PlotXAxis::DumpNumber : PlotXAxis::Seconds;
            view_.paused = false;
            FitAll(view_, store_);
            break;
        default:
            return;
    }
    UpdateMenu();
    Fill();
}

void PlotWindow::OnSize() {
    RECT client;
    GetClientRect(Handle(), &client);
    MoveWindow(status_, 0, client.bottom - kStatusHeight, client.right, kStatusHeight, TRUE);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void PlotWindow::OnMouse(UINT message, WPARAM wParam, int x, int /*y*/) {
    const double at = AxisAtPixel(picture_, x);
    switch (message) {
        case WM_LBUTTONDOWN:
            dragging_ = true;
            dragFrom_ = dragTo_ = x;
            SetCapture(Handle());
            break;
        case WM_LBUTTONUP:
            if (!dragging_) break;
            dragging_ = false;
            ReleaseCapture();
            if (std::abs(x - dragFrom_) > 3)
                SelectView(view_, store_, AxisAtPixel(picture_, dragFrom_), at);
            break;
        case WM_MOUSEMOVE:
            if (dragging_ && (wParam & MK_LBUTTON)) dragTo_ = x;
            cursor_ = NearestDump(store_, view_.axis, at);
            break;
        default:
            return;
    }
    Fill();
}

void PlotWindow::OnWheel(WPARAM wParam, int screenX, int screenY) {
    POINT p{screenX, screenY};
    ScreenToClient(Handle(), &p);
    const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
    if (notches == 0) return;
    const PlotRange r = VisibleRange(view_, store_);
    if (GET_KEYSTATE_WPARAM(wParam) & MK_SHIFT)
        PanView(view_, store_, -notches * kPanShare * r.Span());
    else
        ZoomView(view_, store_, AxisAtPixel(picture_, p.x),
                 notches > 0 ? kWheelZoom : 1 / kWheelZoom);
    Fill();
}

void PlotWindow::OnKey(WPARAM key) {
    const double span = VisibleRange(view_, store_).Span();
    switch (key) {
        case VK_LEFT:
            PanView(view_, store_, -kPanShare * span);
            break;
        case VK_RIGHT:
            PanView(view_, store_, kPanShare * span);
            break;
        case VK_HOME:
            OnCommand(ids::kCmdPlotFitAll);
            return;
        case VK_SPACE:
            OnCommand(ids::kCmdPlotPause);
            return;
        case VK_ADD:
        case VK_OEM_PLUS:
            ZoomView(view_, store_,
                     (VisibleRange(view_, store_).lo + VisibleRange(view_, store_).hi) / 2,
                     kWheelZoom);
            break;
        case VK_SUBTRACT:
        case VK_OEM_MINUS:
            ZoomView(view_, store_,
                     (VisibleRange(view_, store_).lo + VisibleRange(view_, store_).hi) / 2,
                     1 / kWheelZoom);
            break;
        default:
            return;
    }
    Fill();
}

void PlotWindow::SaveOnClose(FormCloseState frame, bool byProgram) {
    if (SavesOnExit()) {
        PlotCloseState state;
        state.placementAvailable = frame.placementAvailable;
        state.normal = frame.normal;
        state.topMost = frame.topmost;
        state.sharedScale = view_.sharedScale;
        state.timeAxis = view_.axis == PlotXAxis::Seconds;
        state.stillOpen = byProgram;
        ReportSettingsWrite(SavePlotSettings(os_, session_.project.settingsPath, state),
                            session_.run.SettingsWriteReported, prompts_,
                            session_.project.settingsPath);
    }
    // The traces of variables no longer watched go with the window.
    store_.DropUnwatched();
}

void PlotWindow::OnDestroy() {
    status_ = nullptr;
    cursor_.reset();
    dragging_ = false;
}

bool PlotWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    *result = 0;
    switch (message) {
        case WM_SIZE:
            OnSize();
            return true;
        case WM_ERASEBKGND:
            *result = 1;  // the paint covers every pixel from its bitmap
            return true;
        case WM_PAINT:
            Paint();
            return true;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return true;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_MOUSEMOVE:
            OnMouse(message, wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return true;
        case WM_MOUSEWHEEL:
            OnWheel(wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return true;
        case WM_KEYDOWN:
            OnKey(wParam);
            return true;
        default:
            return false;
    }
}

LRESULT CALLBACK PLOTFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FrameWindow::Forward(window, message, wParam, lParam);
}

}  // namespace varnolux
