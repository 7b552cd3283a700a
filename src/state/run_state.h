#pragma once
// Flags shared between the user-interface thread and the link thread. Each is
// written by one side and read by the other, so each is a single atomic.
#include <atomic>
#include <cstdint>

namespace varnolux {

struct RunState {
    std::atomic<int32_t> SaveOnExit{1};
    std::atomic<int32_t> SettingsWriteReported{0};  // a failed settings write was told
    std::atomic<int32_t> ProjectChosen{0};
    std::atomic<int32_t> ProjectLoaded{0};
    std::atomic<int32_t> CommsEstablished{0};
    std::atomic<int32_t> FirstDumpPending{1};
    std::atomic<int32_t> NewDumpPending{0};
    std::atomic<int32_t> TargetWaiting{0};
    std::atomic<int32_t> AutoContinue{0};
    std::atomic<int32_t> RepeatDumpId{-1};
    std::atomic<int32_t> UntilDumpId{-1};
    std::atomic<int32_t> NoDumpYet{1};
    std::atomic<int32_t> BlinkPhase{0};
    std::atomic<int32_t> StatusBlink{0};
    std::atomic<int32_t> RunningDrawn{0};
    std::atomic<int32_t> ResetRequested{0};
    std::atomic<int32_t> ResetSent{0};
    std::atomic<int32_t> EepromAvailable{0};
    std::atomic<int32_t> PortsReceived{0};
    std::atomic<int32_t> SfrAvailable{1};
    std::atomic<int32_t> HiddenItemsExist{0};
    std::atomic<int32_t> ExcludeBlank{0};
    std::atomic<int32_t> LinkStopRequest{0};
    // 1: the port went away and is not back yet; 2: it has not been there since the start.
    std::atomic<int32_t> LinkLost{0};
    std::atomic<int32_t> SyncSeen{0};
    std::atomic<int32_t> RomCheckPending{0};
    std::atomic<int32_t> ModifyPending{0};
    std::atomic<int32_t> PacketCount{0};
    // A stop rule's hold of the dump just ended: the "d" that follows holds a
    // dumpw point; at a plain dump point the views stay on the dump until Continue.
    std::atomic<int32_t> RuleHold{0};
    std::atomic<int32_t> ViewsFrozen{0};
    // The frozen dump is on the views: until then the link holds back the
    // next dump's values (a little while at most), so the views show the
    // very dump the rule fired at even when dumps come faster than they refresh.
    std::atomic<int32_t> FrozenShown{1};
    // A recording is replayed (or was, until its replay was closed) instead
    // of a live link: Continue steps it on, and has nothing to step to at its
    // last dump or once the replay is closed (ReplayAtEnd).
    std::atomic<int32_t> Replaying{0};
    std::atomic<int32_t> ReplayAtEnd{0};
};

}  // namespace varnolux
