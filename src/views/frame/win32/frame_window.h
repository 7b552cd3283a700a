#pragma once
// The frame every auxiliary window is built on, and all Win32Views knows of
// it: the window object behind the window procedure, its handle while it is
// open, its creation, its layout and the close and destroy sequence. A
// window's own class adds its controls, its fill, its messages and what it
// does at opening and closing.
#include <windows.h>

#include <atomic>
#include <string>
#include <utility>

#include "layout/win32/form_layout.h"
#include "layout/window_placement.h"

namespace varnolux {

// How a window is created.
struct FrameTraits {
    const char* className;
    std::string title;
    DWORD style = 0;
    DWORD exStyle = 0;
    Rect created;        // its rectangle as created, at 100 %
    bool owned = false;  // owned by the main window (else a window of its own)
};

class FrameWindow {
  public:
    virtual ~FrameWindow() = default;
    FrameWindow(const FrameWindow&) = delete;
    FrameWindow& operator=(const FrameWindow&) = delete;

    // The open window; nullptr while it is closed. Read from the link thread
    // too (the Watch window's DumpID label).
    HWND Handle() const { return hwnd_.load(); }
    // Creates the window unless it is open; `owner` is the main window.
    void Create(HWND owner);
    // Fills it from a snapshot of the state, taken under the records lock and
    // written to the controls after the lock is released.
    virtual void Fill() = 0;
    // The close sequence closes the open window: one that remembers its open
    // state opens again at the next start.
    void CloseByProgram();

    // The window procedure of every frame: the object kept from WM_NCCREATE
    // on gets the window's messages.
    static LRESULT Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    explicit FrameWindow(FrameTraits traits) : traits_(std::move(traits)) {}

    const FrameTraits& Traits() const { return traits_; }
    HWND Owner() const { return owner_; }
    FormLayout& Layout() { return layout_; }

    // Steps of Create: before the window is created, with its rectangle.
    virtual Rect BeforeCreate() { return traits_.created; }
    // Its menu bar; nullptr: none.
    virtual HMENU MenuBar() { return nullptr; }
    // WM_CREATE: its controls.
    virtual void OnCreate(HWND /*window*/) {}
    // After the window is created; false destroys it again.
    virtual bool Opened(HWND /*window*/) { return true; }

    // The window's own messages; true when one is done, its answer in *result.
    virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                           LRESULT* /*result*/) {
        return false;
    }
    // WM_SYSCOMMAND: true when the command was the window's own.
    virtual bool OnSystemCommand(WPARAM /*command*/) { return false; }
    // WM_EXITSIZEMOVE: after the user moved or sized the window.
    virtual void OnMoved() {}
    // WM_CLOSE, `byProgram` when the close sequence closes it: destroys it.
    virtual void OnClose(bool byProgram);
    // WM_DESTROY, before the window counts as closed.
    virtual void OnDestroy() {}

  private:
    LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    FrameTraits traits_;
    std::atomic<HWND> hwnd_{nullptr};
    HWND owner_ = nullptr;
    FormLayout layout_;
};

}  // namespace varnolux
