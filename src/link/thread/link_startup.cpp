#include "link/thread/link_startup.h"

#include "link/line/serial_link.h"

namespace varnolux {

bool LinkLoadSteps::ConfirmComPort() {
    if (confirmPort_ && !varnolux::ConfirmComPort(session_, seams_, port_)) startup_.closed = true;
    return !startup_.closed;
}

void LinkLoadSteps::OpenLink() {
    const LinkOpen open = varnolux::OpenLink(session_, seams_, port_, clock_, reconnect_);
    startup_.portMissing = open == LinkOpen::PortMissing;
    // A missing port is waited for only by a link that reconnects.
    startup_.opened = open == LinkOpen::Opened || (startup_.portMissing && reconnect_);
    startup_.closed = open == LinkOpen::Closed;
}

void LinkLoadSteps::StartLinkThread() {
    if (startup_.opened && !startup_.thread)
        startup_.thread = varnolux::StartLinkThread(session_, seams_, port_, listener_, clock_,
                                                    keeper_, {reconnect_, startup_.portMissing});
}

}  // namespace varnolux
