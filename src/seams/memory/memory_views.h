#pragma once
// In-memory auxiliary windows for tests and the console front ends: open
// state per window and every call in order.
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "seams/views.h"

namespace varnolux {

class MemoryViews : public Views {
  public:
    void Show(ViewKind kind) override;
    bool IsOpen(ViewKind kind) const override { return open_.count(kind) != 0; }
    void RefreshAfterDump() override;
    void WatchChanged() override { calls.push_back("WatchChanged"); }
    void SetWatchDumpIdLabel(const std::string& text) override { watchDumpIdLabel = text; }
    void SetWatchContinuous(bool checked) override;
    void FocusWatchContinue() override { calls.push_back("FocusWatchContinue"); }
    void RepaintWatchContinue() override { calls.push_back("RepaintWatchContinue"); }
    void ReplayRestarted() override { calls.push_back("ReplayRestarted"); }
    void CloseAll() override;

    // Run inside RefreshAfterDump, as an open window's own refresh would.
    std::function<void()> onRefresh;
    // Told of every Show, for tests that log it among other calls.
    std::function<void(ViewKind)> onShow;

    std::vector<std::string> calls;  // "Show Watch", "RefreshAfterDump", ...
    std::string watchDumpIdLabel;
    bool watchContinuous = false;

  private:
    std::set<ViewKind> open_;
};

const char* ViewName(ViewKind kind);

}  // namespace varnolux
