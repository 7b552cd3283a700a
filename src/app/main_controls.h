#pragma once
// The child controls of the main window: what each one is, where it is created
// in the 530 x 414 window, and how it follows when the window is resized.
#include <vector>

#include "layout/anchors.h"

namespace varnolux {

enum class ControlKind {
    VariableList,   // report-style list view with a client edge
    FirstRadio,     // auto radio button that starts a group
    Radio,          // auto radio button
    SortedChooser,  // sorted drop-down list with a vertical scroll bar
    Chooser,        // drop-down list
    OwnerDrawn,     // owner-drawn push button
    DigitsEdit,     // edit field that takes digits only
    CheckBox,       // auto check box
    Label,          // static text
    CentredLabel,   // static text centred vertically
    SunkenLabel,    // sunken static text
    SunkenCentredLabel,
};

struct MainControl {
    int id;
    ControlKind kind;
    const char* text;
    ControlBox created;  // client pixels as created
    uint32_t anchors;
};

// Every child control except the status bar, which places itself.
const std::vector<MainControl>& MainControls();

}  // namespace varnolux
