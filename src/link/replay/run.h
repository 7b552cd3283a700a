#pragma once
// A recording played through the link engine on the calling thread: the same
// probe, packet handling and end of transaction as the live link, fed by a
// ReplayPort, so every dump comes out as it did live. The host's requests and
// releases of holds are taken from the recording (FollowRecordedTurn), so the
// engine answers as the live link did.
#include "link/line/link_context.h"
#include "link/replay/port.h"
#include "project/load/sequence.h"

namespace varnolux {

class ReplayRun : private TransactionListener {
  public:
    // `contents` outlives the run; `listener` hears of each completed dump,
    // `keeper` keeps it at the recorded time.
    ReplayRun(Session& session, Seams& seams, const RecordingContents& contents,
              TransactionListener* listener = nullptr, DumpKeeper* keeper = nullptr);

    // The load's link step. A recording that began before the port was opened
    // replays the rate probe; one begun on a running link shows its port and
    // rate. False when a prompt closed the main window.
    bool OpenLink();
    // Turns the engine until the next transaction is complete; false when the
    // recording ended first.
    bool NextDump();
    // Completed transactions so far.
    int Dumps() const { return dumps_; }
    ReplayPort& Port() { return port_; }

  private:
    void TransactionDone() override;

    const RecordingContents& contents_;
    ReplayPort port_;
    LinkContext link_;
    TransactionListener* listener_;
    int dumps_ = 0;
};

// The load steps of a replay: no port to confirm, the link opened from the
// recording, no link thread (the front end turns the run itself).
class ReplayLoadSteps : public LoadSteps {
  public:
    explicit ReplayLoadSteps(ReplayRun& run) : run_(run) {}
    void OpenLink() override { opened = run_.OpenLink(); }
    std::string PortName(int32_t portNumber) const override {
        return run_.Port().PortName(portNumber);
    }
    bool opened = false;

  private:
    ReplayRun& run_;
};

}  // namespace varnolux
