#pragma once
// The child controls of a window, created from a table in the default GUI font.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "layout/anchors.h"
#include "layout/win32/form_layout.h"

namespace varnolux {

struct ChildControl {
    int id;
    const char* windowClass;
    const char* text;
    DWORD style;  // beside WS_CHILD | WS_VISIBLE
    DWORD exStyle;
    ControlBox created;  // client pixels at 100 %
    uint32_t anchors;    // with a layout; 0: not anchored
};

// How the table's places are taken: as given (a form attached to a layout
// grows with the screen as a whole), or each grown to the screen's.
enum class ControlPlaces { AsGiven, ToScreen };

// Creates the controls; with a `layout`, attaches it to the window and
// anchors each control that has anchors.
void CreateChildControls(HWND window, const ChildControl* controls, size_t count,
                         FormLayout* layout, ControlPlaces places);

template <size_t N>
void CreateChildControls(HWND window, const ChildControl (&controls)[N], FormLayout* layout,
                         ControlPlaces places = ControlPlaces::AsGiven) {
    CreateChildControls(window, controls, N, layout, places);
}

}  // namespace varnolux
