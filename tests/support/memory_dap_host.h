#pragma once
// The adapter's host without a project folder or a link: launching puts a
// small project into the session (source "main.bas", dump at line 10 as
// DumpID 3, dumpw at line 20 as DumpID 7) and keeps the listener, so a test
// plays dumps by setting values and calling Dump().
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "dap/dap_adapter.h"
#include "support/make_record.h"

namespace varnolux {

class MemoryDapHost : public dap::DapHost {
  public:
    explicit MemoryDapHost(Session& session) : session_(session) {}

    bool Launch(const dap::LaunchArgs& args, TransactionListener& listener, DumpKeeper& keeper,
                std::string& error) override {
        if (args.project == "missing") {
            error = "cannot open the project folder missing";
            return false;
        }
        listener_ = &listener;
        keeper_ = &keeper;
        session_.records = {MakeRecord("TEMP", VT_BYTE, 0x20), MakeRecord("HEATER", VT_BIT, 0x21),
                            MakeRecord("counter", VT_WORD, 0x22),
                            MakeRecord("gain", VT_FLOAT, 0x24)};
        session_.dumpPoints.entries[3] = DumpPoint{0, 10, 0, "loop"};
        session_.dumpPoints.entries[7] = DumpPoint{0, 20, 1, "idle"};
        session_.dumpPoints.order = {3, 7};
        session_.device.Core = 16;
        messages_.push_back("loaded");
        return true;
    }
    std::vector<std::string> SourcePaths() override { return {"/project/main.bas"}; }
    void RunLink() override { running = true; }
    bool LinkLost() override { return lost; }
    void Disconnect() override { running = false; }
    std::vector<std::string> TakeMessages() override {
        std::vector<std::string> taken = std::move(messages_);
        messages_.clear();
        return taken;
    }

    // A dump at `dumpId` ends, with the values the records hold now, as the
    // link thread ends one.
    void Dump(int32_t dumpId, bool waits, int64_t timeUs) {
        if (!listener_) return;
        session_.image.DumpId = dumpId;
        session_.run.TargetWaiting = waits ? 1 : 0;
        {
            std::lock_guard<std::mutex> lock(session_.recordsLock);
            keeper_->KeepDump(session_, timeUs);
        }
        listener_->TransactionDone();
    }

    bool running = false;
    bool lost = false;

  private:
    Session& session_;
    TransactionListener* listener_ = nullptr;
    DumpKeeper* keeper_ = nullptr;
    std::vector<std::string> messages_;
};

}  // namespace varnolux
