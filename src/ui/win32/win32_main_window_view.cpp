#include "ui/win32/win32_main_window_view.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/main_ids.h"

namespace varnolux {

std::string WindowTextOf(HWND window) {
    if (!window) return {};
    LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT got = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

HWND Win32MainWindowView::Control(int id) const {
    return main_ ? GetDlgItem(main_, id) : nullptr;
}

void Win32MainWindowView::SetStatusText(int part, const std::string& text) {
    if (part < 0 || part > 3) return;
    SendMessageA(Control(ids::kStatusBar), SB_SETTEXTA, static_cast<WPARAM>(part),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

std::string Win32MainWindowView::StatusText(int part) const {
    HWND bar = Control(ids::kStatusBar);
    if (!bar || part < 0 || part > 3) return {};
    LRESULT length = LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, static_cast<WPARAM>(part), 0));
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

void Win32MainWindowView::SetTitle(const std::string& title) {
    if (main_) SendMessageA(main_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()));
}

std::string Win32MainWindowView::Title() const {
    return WindowTextOf(main_);
}

void Win32MainWindowView::SetControlText(int id, const std::string& text) {
    HWND control = Control(id);
    if (control) SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string Win32MainWindowView::ControlText(int id) const {
    return WindowTextOf(Control(id));
}

void Win32MainWindowView::EnableControl(int id, bool enabled) {
    HWND control = Control(id);
    if (control) EnableWindow(control, enabled ? TRUE : FALSE);
}

bool Win32MainWindowView::IsChecked(int id) const {
    HWND control = Control(id);
    return control && SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32MainWindowView::SetChecked(int id, bool checked) {
    HWND control = Control(id);
    if (control) SendMessageA(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32MainWindowView::ClearComboEntries(int id) {
    HWND control = Control(id);
    if (control) SendMessageA(control, CB_RESETCONTENT, 0, 0);
}

void Win32MainWindowView::AddComboEntry(int id, const std::string& text) {
    HWND control = Control(id);
    if (control) SendMessageA(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::vector<std::string> Win32MainWindowView::ComboEntries(int id) const {
    std::vector<std::string> entries;
    HWND control = Control(id);
    if (!control) return entries;
    LRESULT count = SendMessageA(control, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = SendMessageA(control, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length == CB_ERR) break;
        std::string text(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(control, CB_GETLBTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(length));
        entries.push_back(text);
    }
    return entries;
}

void Win32MainWindowView::SetComboSelection(int id, int index) {
    HWND control = Control(id);
    if (control) SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int Win32MainWindowView::ComboSelection(int id) const {
    HWND control = Control(id);
    if (!control) return -1;
    LRESULT index = SendMessageA(control, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void Win32MainWindowView::FitComboDropDownWidth(int id) {
    HWND control = Control(id);
    if (!control) return;
    HDC dc = GetDC(control);
    if (!dc) return;
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    LONG widest = 0;
    for (const std::string& entry : ComboEntries(id)) {
        SIZE size{};
        if (GetTextExtentPoint32A(dc, entry.c_str(), static_cast<int>(entry.size()), &size))
            widest = std::max(widest, size.cx);
    }
    if (previous) SelectObject(dc, previous);
    ReleaseDC(control, dc);
    SendMessageA(control, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(widest + 10), 0);
}

void Win32MainWindowView::RepaintControl(int id) {
    InvalidateRect(Control(id), nullptr, FALSE);
}

void Win32MainWindowView::RequestClose() {
    // On the window's own thread this runs the close sequence at once; from the
    // link thread it is delivered without waiting, so the close sequence can
    // stop that thread instead of waiting on it.
    if (main_) SendNotifyMessageA(main_, WM_CLOSE, 0, 0);
}

}  // namespace varnolux
