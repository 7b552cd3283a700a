#include "link/thread/host_requests.h"

#include "link/line/protocol.h"
#include "link/modify/request.h"
#include "link/packets/host_packet.h"

namespace varnolux {

bool SendPendingRequest(LinkContext& link, bool updatesAllowed) {
    RunState& run = link.session.run;
    if (run.RomCheckPending.load() != 0) {
        SendHostPacket(link, MT_ROMCHECK, RomCheckPayload(link.session.project.romReference));
        run.RomCheckPending = 0;
        return true;
    }
    if (!updatesAllowed) return false;
    if (run.ModifyPending.load() != 0) {
        WriteHostPacket(link, BuildModifyRequest(link.session));
        run.ModifyPending = 0;
        return true;
    }
    if (run.ResetRequested.load() != 0) {
        SendHostPacket(link, MT_RESET, ResetPayload());
        run.ResetSent = 1;
        run.ResetRequested = 0;
        return true;
    }
    return false;
}

}  // namespace varnolux
