#pragma once
// The object behind one of the program's windows: the window is created with
// the object as its creation parameter, and its window procedure finds it in
// the window's user data from WM_NCCREATE on.
#include <windows.h>

namespace varnolux {

// The window's object; at WM_NCCREATE it is taken from the creation parameter
// and kept in GWLP_USERDATA. nullptr before that.
template <class Object>
Object* WindowObject(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<Object*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace varnolux
