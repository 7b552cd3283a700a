#include "views/win32/win32_views.h"

#include "views/watch/watch_ids.h"

namespace varnolux {

namespace {

// After a dump, in the main window's order; the Plot window last.
const ViewKind kRefreshOrder[] = {ViewKind::Watch,  ViewKind::Source, ViewKind::Port,
                                  ViewKind::Eeprom, ViewKind::Sfr,    ViewKind::Plot};
// The close sequence's order.
const ViewKind kCloseOrder[] = {ViewKind::Port,   ViewKind::Watch,    ViewKind::Source,
                                ViewKind::Eeprom, ViewKind::Pinout,   ViewKind::Sfr,
                                ViewKind::Plot,   ViewKind::StopRules};

}  // namespace

void Win32Views::Add(ViewKind kind, std::unique_ptr<FrameWindow> window) {
    windows_[kind] = std::move(window);
}

HWND Win32Views::Open(ViewKind kind) const {
    const auto found = windows_.find(kind);
    return found == windows_.end() ? nullptr : found->second->Handle();
}

void Win32Views::Show(ViewKind kind) {
    const auto found = windows_.find(kind);
    if (found == windows_.end()) return;
    FrameWindow& window = *found->second;
    if (HWND open = window.Handle()) {
        // A minimised window comes back at its size when its View command repeats.
        ShowWindow(open, IsIconic(open) ? SW_RESTORE : SW_SHOW);
        SetFocus(open);
        return;
    }
    window.Create(owner_);
    if (window.Handle() && (kind == ViewKind::Watch || session_.run.CommsEstablished.load() == 1))
        window.Fill();
}

void Win32Views::RefreshAfterDump() {
    for (ViewKind kind : kRefreshOrder)
        if (Open(kind)) windows_[kind]->Fill();
}

void Win32Views::WatchChanged() {
    if (Open(ViewKind::Watch)) windows_[ViewKind::Watch]->Fill();
    if (recorder_) recorder_->NoteWatchChange();
    if (Open(ViewKind::Plot)) windows_[ViewKind::Plot]->Fill();
}

HWND Win32Views::WatchControl(int id) const {
    HWND watch = Open(ViewKind::Watch);
    return watch ? GetDlgItem(watch, id) : nullptr;
}

void Win32Views::SetWatchDumpIdLabel(const std::string& text) {
    // A synchronous message: safe from the link thread, which holds no lock here.
    // Views frozen by a stop rule keep the DumpID they froze on.
    if (session_.run.ViewsFrozen.load() == 1) return;
    if (HWND label = WatchControl(ids::kWatchDumpIdLabel)) SetWindowTextA(label, text.c_str());
}

void Win32Views::SetWatchContinuous(bool checked) {
    if (HWND box = WatchControl(ids::kWatchContinuous))
        SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32Views::FocusWatchContinue() {
    if (HWND button = WatchControl(ids::kWatchContinueButton)) SetFocus(button);
}

void Win32Views::RepaintWatchContinue() {
    if (HWND button = WatchControl(ids::kWatchContinueButton))
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void Win32Views::ReplayRestarted() {
    if (recorder_) recorder_->ClearRecord();
    if (Open(ViewKind::Plot)) windows_[ViewKind::Plot]->Fill();
}

void Win32Views::CloseAll() {
    for (ViewKind kind : kCloseOrder)
        if (Open(kind)) windows_[kind]->CloseByProgram();
}

}  // namespace varnolux
