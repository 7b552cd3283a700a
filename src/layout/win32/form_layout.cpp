#include "layout/win32/form_layout.h"

#include <commctrl.h>

#include <algorithm>

#include "seams/win32/dpi_scale.h"

namespace varnolux {

namespace {

constexpr const char* kFocusProperty = "KEYBOARDFOCUS";
constexpr const char* kFontProperty = "FONT";
constexpr const char* kOldProcProperty = "OLDWNDPROC";

ClientSize ClientOf(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return ClientSize{r.right - r.left, r.bottom - r.top};
}

ControlBox PlaceInParent(HWND control, HWND parent) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return ControlBox{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

BOOL CALLBACK ForwardToChild(HWND child, LPARAM message) {
    SendMessageA(child, static_cast<UINT>(message), 0, 0);
    return TRUE;
}

BOOL CALLBACK ResizeStatusBar(HWND child, LPARAM) {
    char name[32];
    if (GetClassNameA(child, name, sizeof name) && lstrcmpiA(name, STATUSCLASSNAMEA) == 0)
        SendMessageA(child, WM_SIZE, 0, 0);
    return TRUE;
}

}  // namespace

const LayoutMessages& RegisterLayoutMessages() {
    static const LayoutMessages messages{RegisterWindowMessageA("ADM_ALIGNCONTROLS"),
                                         RegisterWindowMessageA("ADM_LAYOUT"),
                                         RegisterWindowMessageA("ADM_REALIGNPARTS")};
    return messages;
}

void FormLayout::Attach(HWND form) {
    // Grown before anything is anchored, so the anchors keep the grown places.
    form_ = nullptr;
    entries_.clear();
    ScaleCreatedForm(form);
    form_ = form;
    createdClient_ = ClientOf(form);
    entries_.clear();
}

void FormLayout::Anchor(HWND control, uint32_t anchors) {
    if (!form_ || !control) return;
    entries_.push_back(Entry{control, PlaceInParent(control, form_), anchors});
}

void FormLayout::Release(HWND control) {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [control](const Entry& e) { return e.control == control; }),
                   entries_.end());
}

void FormLayout::TakeCreatedPlaces() {
    createdClient_ = ClientOf(form_);
    for (Entry& e : entries_) e.created = PlaceInParent(e.control, form_);
}

void FormLayout::Align() {
    if (!form_ || IsIconic(form_)) return;
    ClientSize client = ClientOf(form_);
    HDWP batch = BeginDeferWindowPos(static_cast<int>(entries_.size()));
    for (const Entry& e : entries_) {
        ControlBox box = AnchorControl(e.created, e.anchors, createdClient_, client);
        // A control that keeps its size is only moved: a combo box's height is
        // that of its dropped list, which the closed box does not show.
        UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS;
        if (box.width == e.created.width && box.height == e.created.height) flags |= SWP_NOSIZE;
        if (batch)
            batch = DeferWindowPos(batch, e.control, nullptr, box.x, box.y, box.width, box.height,
                                   flags);
    }
    if (batch) EndDeferWindowPos(batch);
    EnumChildWindows(form_, ResizeStatusBar, 0);
    // Moved controls are painted anew: under Wine a control only moved, not
    // sized, otherwise stays a blank box until something else repaints it.
    RedrawWindow(form_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void FormLayout::RememberFocus() {
    HWND focus = GetFocus();
    if (focus && IsChild(form_, focus)) SetPropA(form_, kFocusProperty, focus);
}

bool FormLayout::RestoreFocus() {
    HWND focus = static_cast<HWND>(GetPropA(form_, kFocusProperty));
    if (!focus || !IsWindow(focus) || !IsChild(form_, focus)) return false;
    SetFocus(focus);
    return true;
}

bool FormLayout::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (!form_) return false;
    const LayoutMessages& adm = RegisterLayoutMessages();
    *result = 0;
    switch (message) {
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED) Align();
            return false;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) RememberFocus();
            return false;
        case WM_SETFOCUS:
            return RestoreFocus();
        case WM_GETFONT:
            *result = reinterpret_cast<LRESULT>(GetPropA(form_, kFontProperty));
            return true;
        case WM_SETFONT:
            SetPropA(form_, kFontProperty, reinterpret_cast<HANDLE>(wParam));
            if (LOWORD(lParam)) InvalidateRect(form_, nullptr, TRUE);
            return true;
        case WM_SYSCOLORCHANGE:
            EnumChildWindows(form_, ForwardToChild, WM_SYSCOLORCHANGE);
            return false;
        case WM_DESTROY:
            RemovePropA(form_, kFocusProperty);
            RemovePropA(form_, kFontProperty);
            return false;
        default:
            break;
    }
    if (message == adm.alignControls) {
        Align();
        return true;
    }
    if (message == adm.layout) {
        TakeCreatedPlaces();
        return true;
    }
    if (message == adm.realignParts) {
        EnumChildWindows(form_, ResizeStatusBar, 0);
        return true;
    }
    return false;
}

void SubclassControl(HWND control, WNDPROC procedure) {
    LONG_PTR previous =
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    SetPropA(control, kOldProcProperty, reinterpret_cast<HANDLE>(previous));
}

LRESULT CallPreviousProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(control, kOldProcProperty));
    if (!previous) return DefWindowProcA(control, message, wParam, lParam);
    return CallWindowProcA(previous, control, message, wParam, lParam);
}

void RemoveSubclass(HWND control) {
    HANDLE previous = GetPropA(control, kOldProcProperty);
    if (!previous) return;
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropA(control, kOldProcProperty);
}

}  // namespace varnolux
