#include "seams/win32/win32_main_window_view.h"

#include <commctrl.h>

#include <algorithm>

#include "seams/main_ids.h"
#include "seams/win32/status_fit.h"
#include "seams/win32/wide_text.h"

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
    if (part < 0 || part > ids::kStatusRecordingPart) return;
    SendMessageA(Control(ids::kStatusBar), SB_SETTEXTA, static_cast<WPARAM>(part),
                 reinterpret_cast<LPARAM>(text.c_str()));
    // Part 0 widens for a long text into the room the last part leaves.
    if (part == 0 || part == ids::kStatusRecordingPart) FitStatusParts(Control(ids::kStatusBar));
}

std::string Win32MainWindowView::StatusText(int part) const {
    HWND bar = Control(ids::kStatusBar);
    if (!bar || part < 0 || part > ids::kStatusRecordingPart) return {};
    LRESULT length = LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, static_cast<WPARAM>(part), 0));
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

// The title may hold the program's folder and the project's name: it is set
// in UTF-16 by the default procedure itself, which keeps the characters the
// code page lacks even for a window of an ANSI class.
void Win32MainWindowView::SetTitle(const std::string& title) {
    if (main_)
        DefWindowProcW(main_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(WideFromText(title).c_str()));
}

std::string Win32MainWindowView::Title() const {
    if (!main_) return {};
    wchar_t text[1024];
    const int length = InternalGetWindowText(main_, text, 1024);
    return TextFromWide(text, static_cast<size_t>(length > 0 ? length : 0));
}

namespace {
// A static label that shows the text already; its text is the window's own,
// read without a message. Texts are compared as WM_SETTEXT would convert them.
bool LabelShows(HWND control, const std::string& text) {
    char name[16];
    if (!GetClassNameA(control, name, sizeof name) || lstrcmpiA(name, "Static") != 0) return false;
    const std::wstring wanted = WideFromCodePage(text);
    if (wanted.empty() != text.empty()) return false;
    std::wstring shown(wanted.size() + 2, L'\0');
    const int got = InternalGetWindowText(control, &shown[0], static_cast<int>(shown.size()));
    shown.resize(static_cast<size_t>(got > 0 ? got : 0));
    return shown == wanted;
}
}  // namespace

// A label that shows the text already is left alone: from the link thread
// every set is a message across threads, and most dumps repeat their texts.
void Win32MainWindowView::SetControlText(int id, const std::string& text) {
    HWND control = Control(id);
    if (control && !LabelShows(control, text))
        SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
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

// The choosers are Unicode windows (they hold file names): their texts go
// through the wide messages.
void Win32MainWindowView::AddComboEntry(int id, const std::string& text) {
    HWND control = Control(id);
    if (control)
        SendMessageW(control, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(WideFromText(text).c_str()));
}

std::vector<std::string> Win32MainWindowView::ComboEntries(int id) const {
    std::vector<std::string> entries;
    HWND control = Control(id);
    if (!control) return entries;
    LRESULT count = SendMessageW(control, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = SendMessageW(control, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length == CB_ERR) break;
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(control, CB_GETLBTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(length));
        entries.push_back(TextFromWide(text));
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
        const std::wstring wide = WideFromText(entry);
        SIZE size{};
        if (GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size))
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
