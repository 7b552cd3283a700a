#pragma once
// Form layout support for the program's windows: controls stay anchored when
// the form is resized, the keyboard focus returns to the control that had it
// when the form is activated again, and the form keeps its font for WM_GETFONT.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "layout/anchors.h"

namespace varnolux {

// The form layout messages, registered once per process.
struct LayoutMessages {
    UINT alignControls = 0;  // "ADM_ALIGNCONTROLS": place every anchored control now
    UINT layout = 0;         // "ADM_LAYOUT": take the controls' current places as created
    UINT realignParts = 0;   // "ADM_REALIGNPARTS": let status bars fit their parts again
};
const LayoutMessages& RegisterLayoutMessages();

class FormLayout {
  public:
    // Starts the layout of a form whose controls are placed for its present client area.
    void Attach(HWND form);
    // Anchors a control at its present place.
    void Anchor(HWND control, uint32_t anchors);
    // The control is anchored no more (it is about to go).
    void Release(HWND control);
    // Takes the controls' present places as those they keep from now on.
    void TakePlaces() { TakeCreatedPlaces(); }
    // Places every anchored control for the form's present client area.
    void Align();
    // Handles the messages of the layout support; true when the message is done
    // and *result holds its answer. Other messages are left to the form.
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  private:
    struct Entry {
        HWND control;
        ControlBox created;
        uint32_t anchors;
    };
    void TakeCreatedPlaces();
    void RememberFocus();
    bool RestoreFocus();

    HWND form_ = nullptr;
    ClientSize createdClient_;
    std::vector<Entry> entries_;
};

// Subclassing a control: the previous window procedure is kept in the
// control's "OLDWNDPROC" property.
void SubclassControl(HWND control, WNDPROC procedure);
LRESULT CallPreviousProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
void RemoveSubclass(HWND control);

}  // namespace varnolux
