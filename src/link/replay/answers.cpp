#include "link/replay/answers.h"

#include "link/line/protocol.h"
#include "link/modify/request.h"
#include "link/packets/host_packet.h"

namespace varnolux {

void FollowRecordedTurn(Session& session, const RecordedTurn& turn) {
    if (turn.byte != kSync && turn.byte != kQuery) return;
    const std::vector<uint8_t>& a = turn.answer;
    const bool request =
        a.size() >= static_cast<size_t>(kHostPacketSize) && a[0] == kStx && a[1] == kHostPacketSize;
    const uint8_t type = request ? a[2] : 0;
    RunState& run = session.run;
    if (type == MT_MODIFY) {
        HostPayload payload{};
        for (size_t i = 0; i < payload.size(); ++i) payload[i] = a[3 + i];
        session.modify = ModifyOfPayload(payload);
    }
    run.RomCheckPending = type == MT_ROMCHECK ? 1 : 0;
    run.ModifyPending = type == MT_MODIFY ? 1 : 0;
    run.ResetRequested = type == MT_RESET ? 1 : 0;
    if (turn.byte != kQuery || a.size() != 1) return;
    // A hold as the user kept it: "a" while the target was held (after a "c",
    // also one before the recording began), "b" once Continue let it go.
    if (a[0] == kWaitNak) {
        run.SyncSeen = 1;
        run.TargetWaiting = 1;
    } else if (a[0] == kWaitAck) {
        run.TargetWaiting = 0;
    }
}

std::string AnswerDifferenceText(int differ) {
    if (differ <= 0) return std::string();
    return std::to_string(differ) + " answers differ from the recorded ones";
}

}  // namespace varnolux
