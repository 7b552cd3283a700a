#include "link/replay/run.h"

#include "link/line/link_text.h"
#include "link/line/serial_link.h"
#include "link/replay/answers.h"
#include "link/thread/link_thread.h"

namespace varnolux {

ReplayRun::ReplayRun(Session& session, Seams& seams, const RecordingContents& contents,
                     TransactionListener* listener, DumpKeeper* keeper)
    : contents_(contents),
      port_(contents.chunks, contents.facts.portName),
      link_(session, seams, port_),
      listener_(listener) {
    link_.clock = port_.Clock();
    link_.listener = this;
    link_.keeper = keeper;
}

bool ReplayRun::OpenLink() {
    Session& s = link_.session;
    if (contents_.facts.start == RecordingStart::Open) {
        s.settings.Baud = contents_.facts.baud;
        return varnolux::OpenLink(s, link_.seams, port_, link_.clock) == LinkOpen::Opened;
    }
    port_.Configure(contents_.facts.baud, SerialTimeouts());
    link_.seams.view.SetStatusText(
        2, " " + contents_.facts.portName + " " + SignPadded(contents_.facts.baud));
    return true;
}

bool ReplayRun::NextDump() {
    const int before = dumps_;
    while (dumps_ == before && !port_.Exhausted()) {
        if (const std::optional<RecordedTurn> turn = port_.NextTurn())
            FollowRecordedTurn(link_.session, *turn);
        LinkTurn(link_);
    }
    return dumps_ != before;
}

void ReplayRun::TransactionDone() {
    ++dumps_;
    if (listener_) listener_->TransactionDone();
}

}  // namespace varnolux
