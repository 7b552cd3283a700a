#include "views/frame/win32/child_controls.h"

#include <vector>

#include "seams/win32/dpi_scale.h"

namespace varnolux {

void CreateChildControls(HWND window, const ChildControl* controls, size_t count,
                         FormLayout* layout, ControlPlaces places) {
    auto place = [places](int32_t logical) {
        return places == ControlPlaces::ToScreen ? ToScreen(logical) : logical;
    };
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    std::vector<HWND> created;
    for (size_t i = 0; i < count; ++i) {
        const ChildControl& c = controls[i];
        HWND control = CreateWindowExA(
            c.exStyle, c.windowClass, c.text, WS_CHILD | WS_VISIBLE | c.style, place(c.created.x),
            place(c.created.y), place(c.created.width), place(c.created.height), window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), GetModuleHandleA(nullptr),
            nullptr);
        SendMessageA(control, WM_SETFONT, font, FALSE);
        created.push_back(control);
    }
    if (!layout) return;
    layout->Attach(window);
    for (size_t i = 0; i < count; ++i)
        if (controls[i].anchors) layout->Anchor(created[i], controls[i].anchors);
}

}  // namespace varnolux
