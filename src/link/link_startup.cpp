#include "link/link_startup.h"

#include "link/serial_link.h"

namespace varnolux {

bool LinkLoadSteps::ConfirmComPort() {
    if (confirmPort_ && !varnolux::ConfirmComPort(session_, seams_, port_)) startup_.closed = true;
    return !startup_.closed;
}

void LinkLoadSteps::OpenLink() {
    startup_.opened = varnolux::OpenLink(session_, seams_, port_, clock_);
    startup_.closed = !startup_.opened;
}

void LinkLoadSteps::StartLinkThread() {
    if (startup_.opened && !startup_.thread)
        startup_.thread =
            varnolux::StartLinkThread(session_, seams_, port_, listener_, clock_, keeper_);
}

}  // namespace varnolux
