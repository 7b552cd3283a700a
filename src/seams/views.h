#pragma once
// What the rest of the program knows of the auxiliary windows. The Win32
// implementation owns the windows; MemoryViews records the calls for tests and
// stands in for them in the console front ends. Call it without holding the
// records lock: a window that refreshes takes the lock itself.
#include <optional>
#include <string>

namespace varnolux {

enum class ViewKind {
    Watch,
    Source,
    Port,
    Eeprom,
    Sfr,
    Pinout,
    About,
    RecordDiagnostics,
    Plot,
    StopRules
};

class Views {
  public:
    virtual ~Views() = default;
    // A View command: an open window is shown and given the focus; otherwise
    // it is created and filled at once when comms are established (the Watch
    // window is filled in any case).
    virtual void Show(ViewKind kind) = 0;
    virtual bool IsOpen(ViewKind kind) const = 0;
    // After the main list took a new dump: Watch, Source, Port, EEPROM and
    // Plot, in that order, each one that is open. The Plot window draws the
    // dumps its keeper took at the end of each transaction since.
    virtual void RefreshAfterDump() = 0;
    // The watched set or a value radix changed: the Watch window fills again
    // and the Plot window shows the watched traces.
    virtual void WatchChanged() = 0;
    // The Watch window's DumpID label; safe to call from the link thread.
    virtual void SetWatchDumpIdLabel(const std::string& text) = 0;
    // The Watch window's mirrors of the main window's run control.
    virtual void SetWatchContinuous(bool checked) = 0;
    virtual void FocusWatchContinue() = 0;
    virtual void RepaintWatchContinue() = 0;
    // A replay went back to the start of its recording: the Plot window
    // forgets every recorded dump. The values and histories in the records
    // are already those before the first dump; the next refresh shows them.
    virtual void ReplayRestarted() = 0;
    // The close sequence: Port, Watch, Source, EEPROM, Pinout, SFR, Plot and
    // Stop rules windows, in that order, each saving its own placement.
    virtual void CloseAll() = 0;
};

// The window a command of the main window's or the Watch window's menus opens.
std::optional<ViewKind> ViewOfCommand(int commandId);

}  // namespace varnolux
