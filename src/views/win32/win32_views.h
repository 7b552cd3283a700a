#pragma once
// The auxiliary windows of Varnolux.exe behind the Views seam. Each window
// adds itself once at start-up; a window not added is never shown.
#include <windows.h>

#include <map>
#include <memory>

#include "seams/views.h"
#include "state/session.h"
#include "views/frame/win32/frame_window.h"

namespace varnolux {

// A window whose record of the dumps is kept also while it is closed (the Plot
// window). Called on the UI thread without the records lock.
class DumpRecorder {
  public:
    virtual ~DumpRecorder() = default;
    // The watched set or a radix changed.
    virtual void NoteWatchChange() = 0;
    // Forget every recorded dump.
    virtual void ClearRecord() = 0;
};

class Win32Views : public Views {
  public:
    explicit Win32Views(Session& session) : session_(session) {}

    // The main window, owner of every auxiliary window.
    void SetOwner(HWND owner) { owner_ = owner; }
    void Add(ViewKind kind, std::unique_ptr<FrameWindow> window);
    // The window whose record of the dumps is kept while it is closed; it is added as well.
    void SetRecorder(DumpRecorder* recorder) { recorder_ = recorder; }

    void Show(ViewKind kind) override;
    bool IsOpen(ViewKind kind) const override { return Open(kind) != nullptr; }
    void RefreshAfterDump() override;
    void WatchChanged() override;
    void SetWatchDumpIdLabel(const std::string& text) override;
    void SetWatchContinuous(bool checked) override;
    void FocusWatchContinue() override;
    void RepaintWatchContinue() override;
    // Tells every added window, open or not.
    void ReplayRestarted() override;
    void CloseAll() override;

    // The open window of `kind`; nullptr while it is closed (or not added).
    HWND Window(ViewKind kind) const { return Open(kind); }

  private:
    // The window of `kind` when it is added and open.
    HWND Open(ViewKind kind) const;
    // A control of the open Watch window; nullptr while it is closed.
    HWND WatchControl(int id) const;

    Session& session_;
    HWND owner_ = nullptr;
    DumpRecorder* recorder_ = nullptr;
    std::map<ViewKind, std::unique_ptr<FrameWindow>> windows_;
};

}  // namespace varnolux
