#include <cstring>

#include "probe.h"

namespace uiprobe {

namespace {

struct ChildSearch {
    int id;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<ChildSearch*>(lp);
    if (search->className) {
        char name[256] = {};
        GetClassNameA(hwnd, name, sizeof name);
        if (lstrcmpiA(name, search->className) != 0) return TRUE;
    } else if (GetDlgCtrlID(hwnd) != search->id) {
        return TRUE;
    }
    search->found = hwnd;
    return FALSE;
}

bool TimeLeft(DWORD start, double seconds) {
    return GetTickCount() - start < static_cast<DWORD>(seconds * 1000);
}

}  // namespace

HWND FindTop(const std::string& className, const std::string& title) {
    return FindWindowA(className.c_str(), title.empty() ? nullptr : title.c_str());
}

HWND WaitForWindow(const std::string& className, double seconds, bool visible) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND hwnd = FindTop(className);
        if (hwnd && (!visible || IsWindowVisible(hwnd))) return hwnd;
        if (!TimeLeft(start, seconds)) return nullptr;
        Sleep(100);
    }
}

bool WaitForNoWindow(const std::string& className, double seconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (!FindTop(className)) return true;
        if (!TimeLeft(start, seconds)) return false;
        Sleep(100);
    }
}

HWND FindChild(HWND parent, int id) {
    ChildSearch search{id, nullptr, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindChildOfClass(HWND parent, const std::string& className) {
    ChildSearch search{0, className.c_str(), nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool Send(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &answer)) return false;
    if (result) *result = static_cast<LRESULT>(answer);
    return true;
}

std::string WindowText(HWND hwnd) {
    LRESULT length = 0;
    if (!Send(hwnd, WM_GETTEXTLENGTH, 0, 0, &length)) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = 0;
    if (!Send(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), &copied))
        return std::string();
    text.resize(static_cast<size_t>(copied));
    return text;
}

}  // namespace uiprobe
