#include "views/frame/win32/placed_window.h"

#include "layout/topmost.h"
#include "layout/window_snap.h"
#include "seams/win32/dpi_scale.h"
#include "views/frame/dock_snap.h"
#include "views/frame/win32/point_font.h"
#include "views/frame/win32/window_rects.h"
#include "views/frame/window_place.h"

namespace varnolux {

namespace {

// A separator and the TopMost item after the setting, and the window put on
// top or among the others to match.
void AddTopMostItem(HWND window, int id, int32_t alwaysOnTop) {
    SetTopmost(window, alwaysOnTop == 1);
    HMENU system = GetSystemMenu(window, FALSE);
    AppendMenuA(system, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(system, MF_STRING, static_cast<UINT_PTR>(id), TopMostItemText(alwaysOnTop).c_str());
}

// When the command is the item `id`: toggles the window's topmost state, the
// item's text and the setting; false for other commands.
bool OnTopMostItem(HWND window, WPARAM command, int id, int32_t& alwaysOnTop) {
    // The item's own ID is compared in full: the system keeps the low four bits
    // for its own commands only, and some items have some of them set.
    if (LOWORD(command) != id) return false;
    HMENU system = GetSystemMenu(window, FALSE);
    char text[64] = "";
    GetMenuStringA(system, static_cast<UINT>(id), text, sizeof text, MF_BYCOMMAND);
    const auto change = ToggleTopMost(alwaysOnTop, text);
    if (!change) return true;
    SetTopmost(window, change->topmost);
    ModifyMenuA(system, static_cast<UINT>(id), MF_BYCOMMAND | MF_STRING, static_cast<UINT_PTR>(id),
                change->itemText.c_str());
    return true;
}

}  // namespace

PlacedWindow::PlacedWindow(const WindowFrame& frame, Session& session, HostOs& os, Prompts& prompts,
                           int32_t& alwaysOnTop, const Win32Views* views)
    : FrameWindow(frame.traits),
      placing_(frame.placing),
      session_(session),
      os_(os),
      prompts_(prompts),
      alwaysOnTop_(alwaysOnTop),
      views_(views) {}

int32_t PlacedWindow::StoredColumnWidth(int column, const std::string& defaultText,
                                        int32_t whenZero) const {
    const WindowKeys& keys = Keys();
    return ReadColumnWidth(os_, session_.project.settingsPath, keys.section,
                           keys.columnKeys[static_cast<size_t>(column)], defaultText, whenZero);
}

void PlacedWindow::SaveFormKeys(const FormCloseState& state) const {
    SaveFormSettings(Keys(), state, session_.run, os_, session_.project.settingsPath, prompts_);
}

Rect PlacedWindow::BeforeCreate() {
    ReadKeys();
    font_.reset(CreateListFont());
    const Rect stored = ReadStoredRect(os_, session_.project.settingsPath, Keys().section);
    const Rect work = DesktopWorkArea();
    const Rect& created = Traits().created;
    // The window itself does not exist yet: every shown window is another's.
    const std::vector<Rect> taken = ProgramWindowRects(nullptr);
    if (placing_.opening == Opening::Stored) {
        opening_ = PlaceFormWindow(stored, ScaledSize(created, ScreenDpi()), work, taken);
        return created;
    }
    opening_ = PlaceBesideOwner(stored, WindowRectOf(Owner()), created.right - created.left,
                                created.bottom - created.top, work, taken);
    return opening_;
}

bool PlacedWindow::Opened(HWND window) {
    AddTopMostItem(window, placing_.topMostItem, alwaysOnTop_);
    if (!Initialise(window)) return false;
    PlaceAtNormalRect(window, opening_, SW_SHOW);
    return true;
}

bool PlacedWindow::OnSystemCommand(WPARAM command) {
    return OnTopMostItem(Handle(), command, placing_.topMostItem, alwaysOnTop_);
}

void PlacedWindow::OnMoved() {
    HWND window = Handle();
    const int32_t snapSize = session_.settings.Snapsize;
    switch (placing_.afterMove) {
        case AfterMove::DockBesideMain: {
            // The main window, or the Watch window while the main window is minimised.
            HWND main = Owner();
            HWND reference = main && IsIconic(main) ? views_->Window(ViewKind::Watch) : main;
            if (!reference || !IsWindowVisible(reference) || IsIconic(reference) ||
                IsIconic(window))
                return;
            const Rect now = WindowRectOf(window);
            const Rect docked = DockBeside(now, WindowRectOf(reference), snapSize);
            if (!(docked == now)) MoveTo(window, docked);
            return;
        }
        case AfterMove::SnapToWorkArea:
            MoveTo(window,
                   SnapToWorkAreaTopRight(WindowRectOf(window), DesktopWorkArea(), snapSize));
            return;
        case AfterMove::Stay:
            return;
    }
}

void PlacedWindow::OnClose(bool byProgram) {
    HWND window = Handle();
    FormCloseState frame;
    frame.placementAvailable = NormalRect(window, &frame.normal);
    frame.topmost = IsTopmost(window);
    SaveOnClose(frame, byProgram);
    DestroyWindow(window);
}

HFONT PlacedWindow::CreateListFont() const {
    const ListFont& font = placing_.font;
    if (!font.face) return nullptr;
    const Settings& settings = session_.settings;
    return font.fixedPitch ? CreateFixedFont(settings.*font.face, settings.*font.points)
                           : CreatePointFont(settings.*font.face, settings.*font.points);
}

}  // namespace varnolux
