#pragma once
// The forms made of report lists that dock beside the main window (the Source,
// EEPROM and SFR windows): their lists created from a table, in the form's
// font, emptied at opening with the column widths from the settings, the
// cells of the first list drawn in the colours the window gives, and the
// widths saved with the window's keys at closing.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <vector>

#include "layout/anchors.h"
#include "vars/main_list.h"
#include "views/frame/form_column.h"
#include "views/frame/win32/placed_window.h"

namespace varnolux {

// A list as created: a report list view with a client edge.
struct FormList {
    int id;
    ControlBox created;
    DWORD style;          // beside WS_CHILD | WS_VISIBLE | LVS_REPORT
    DWORD extendedStyle;  // LVS_EX_ styles; 0: none
    uint32_t anchors;
    const FormColumn* columns;
    int columnCount;
};

// How the stored column widths read at opening: the text read for a missing
// key, and whether a stored 0 gives the column's created width (else 0).
struct StoredWidths {
    const char* missing;
    bool zeroGivesCreated;
};

class ListForm : public PlacedWindow {
  public:
    // Its lists' drawing off and on again; their content stays.
    void Fill() override;

  protected:
    ListForm(const WindowFrame& frame, std::vector<FormList> lists, StoredWidths widths,
             Session& session, HostOs& os, Prompts& prompts, int32_t& alwaysOnTop,
             const Win32Views& views);

    // The open window's list; nullptr while it is closed.
    HWND List(size_t index) const { return index < handles_.size() ? handles_[index] : nullptr; }

    // The width in screen pixels the column `index` of a list opens with, by
    // default its stored width; `key` counts the columns of all lists, in the
    // order of the window's column keys.
    virtual int OpeningWidth(HWND list, const FormColumn& column, int index, int key) const;
    // After the lists are ready, before the window shows.
    virtual void ListsReady() {}
    // The colours of a cell of the first list; by default as the list draws it.
    virtual CellColours Colours(int /*row*/, int /*column*/) const { return CellColours{}; }
    // A list's notification (a selection changed); true when handled.
    virtual bool OnListNotify(const NMHDR& /*header*/) { return false; }

  private:
    void OnCreate(HWND window) final;
    bool Initialise(HWND window) final;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) final;
    void SaveOnClose(FormCloseState frame, bool byProgram) final;
    void OnDestroy() final { handles_.clear(); }

    std::vector<FormList> lists_;
    StoredWidths widths_;
    std::vector<HWND> handles_;
};

}  // namespace varnolux
