#pragma once
// What the main list needs of the Watch window. The window implements it; when
// it is not there, TableWatch stands in and counts the watched records.
#include "state/var_record.h"

namespace varnolux {

constexpr int kWatchRowsMax = 20;

class WatchHooks {
  public:
    virtual ~WatchHooks() = default;
    // Rows the Watch window's list holds.
    virtual int RowCount() const = 0;
    // All values again, after a refresh of the main list.
    virtual void RefreshAll() = 0;
    // The record's watch flags changed (for an array: its elements').
    virtual void RefreshRecord(int record) = 0;
    // Every row removed ("Clear all Watches").
    virtual void ClearRows() = 0;
};

// Stand-in while no Watch window exists: its rows would be the watched records.
class TableWatch : public WatchHooks {
  public:
    explicit TableWatch(const VarTable& records) : records_(records) {}
    int RowCount() const override;
    void RefreshAll() override {}
    void RefreshRecord(int) override {}
    void ClearRows() override {}

  private:
    const VarTable& records_;
};

}  // namespace varnolux
