#pragma once
// The frame of a window that keeps its place in the settings file: it opens at
// its stored place (or, never placed, at a free place of its own), carries the
// TopMost item in its system menu, docks or snaps after the user moved it, has
// its lists' font from the settings, and hands what it knows at closing to
// the window, which saves its keys.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>

#include "seams/host_os.h"
#include "seams/prompts.h"
#include "state/session.h"
#include "views/frame/win32/frame_window.h"
#include "views/frame/window_keys.h"
#include "views/win32/win32_views.h"

namespace varnolux {

enum class Opening {
    // Created at its rectangle at 100 %, then shown at its stored place; never
    // placed, at that rectangle grown with the screen, off the other windows.
    Stored,
    // Created where it opens: its stored place; never placed, a window of its
    // created size beside the main window, off the other windows.
    BesideOwner,
};

enum class AfterMove {
    Stay,
    DockBesideMain,  // the Source, EEPROM and SFR windows
    SnapToWorkArea,  // top and right edge, as the main window's
};

// The font of a window's lists: a face and a size in points from the settings.
struct ListFont {
    std::string Settings::*face = nullptr;  // nullptr: the lists keep theirs
    int32_t Settings::*points = nullptr;
    bool fixedPitch = false;
};

struct Placing {
    ViewKind kind;  // its keys in the settings file
    Opening opening = Opening::Stored;
    int topMostItem = 0;  // its system-menu item
    AfterMove afterMove = AfterMove::Stay;
    ListFont font;
};

// A window's frame: how it is created and, when it keeps its place, placed.
struct WindowFrame {
    FrameTraits traits;
    Placing placing;
};

class PlacedWindow : public FrameWindow {
  protected:
    // `alwaysOnTop` is the setting the TopMost item toggles; `views` finds the
    // Watch window, which a docking window docks to while the main window is
    // minimised.
    PlacedWindow(const WindowFrame& frame, Session& session, HostOs& os, Prompts& prompts,
                 int32_t& alwaysOnTop, const Win32Views* views = nullptr);

    // Before creation: the window's own keys.
    virtual void ReadKeys() {}
    // After creation, before the window is shown; false destroys it again.
    virtual bool Initialise(HWND /*window*/) { return true; }
    // At WM_CLOSE, before the window goes: `frame` holds its placement and
    // topmost state; the window saves its keys by its own rule.
    virtual void SaveOnClose(FormCloseState frame, bool byProgram) = 0;

    const WindowKeys& Keys() const { return WindowKeysOf(placing_.kind); }
    // A stored column width of the window's section, read as ReadColumnWidth does.
    int32_t StoredColumnWidth(int column, const std::string& defaultText, int32_t whenZero) const;
    bool SavesOnExit() const { return session_.run.SaveOnExit.load() == 1; }
    // SaveFormSettings for this window's keys under SaveOnExit.
    void SaveFormKeys(const FormCloseState& state) const;
    // The lists' font while the window is open; nullptr when it has none.
    HFONT Font() const { return font_.get(); }

  private:
    struct FontDeleter {
        void operator()(HFONT font) const { DeleteObject(font); }
    };

    Rect BeforeCreate() final;
    bool Opened(HWND window) final;
    bool OnSystemCommand(WPARAM command) final;
    void OnMoved() final;
    void OnClose(bool byProgram) final;
    HFONT CreateListFont() const;

    Placing placing_;
    Session& session_;
    HostOs& os_;
    Prompts& prompts_;
    int32_t& alwaysOnTop_;
    const Win32Views* views_;
    Rect opening_;
    std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter> font_;
};

}  // namespace varnolux
