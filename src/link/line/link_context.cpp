#include "link/line/link_context.h"

#include "link/line/link_text.h"
#include "link/line/serial_link.h"

namespace varnolux {

void StartRunTimer(LinkContext& link) {
    const int64_t now = link.clock.nowNs();
    link.timerStart = now == 0 ? 1 : now;
}

void ReportLinkFailure(LinkContext& link, const std::string& message) {
    // After the first failure of a turn the others follow from it (a pulled
    // line fails the read and then the answer): one message is enough.
    const bool consequence = link.turnFailed;
    link.turnFailed = true;
    // While the program closes, a call cut short by the stop is no fault to show.
    if (link.session.run.LinkStopRequest.load() != 0 || link.reconnect) return;
    if (!link.reportedFailures.insert(message).second || consequence) return;
    // A port that names itself and the cause (a dropped connection) says so in its words.
    const std::string failure = link.port.FailureText();
    link.seams.prompts.Inform(failure.empty()
                                  ? "LinkThreadMain" + message +
                                        SignPadded(static_cast<int64_t>(link.port.LastError()))
                                  : failure);
}

void LinkCallSucceeded(LinkContext& link, const std::string& message) {
    if (!link.reportedFailures.empty()) link.reportedFailures.erase(message);
}

bool CheckLinkCall(LinkContext& link, bool ok, const std::string& message) {
    if (ok)
        LinkCallSucceeded(link, message);
    else
        ReportLinkFailure(link, message);
    return ok;
}

void WriteAnswer(LinkContext& link, uint8_t byte, const std::string& message) {
    CheckLinkCall(link, WriteByte(link.port, byte), message);
}

}  // namespace varnolux
