#include "link/link_startup.h"

#include "link/serial_link.h"

namespace varnolux {

void AddLinkSteps(LoadHooks& hooks, Session& session, Seams& seams, SerialPort& port,
                  LinkStartup& startup, LinkHooks linkHooks, bool confirmPort) {
    hooks.ConfirmComPort = [&session, &seams, &port, &startup, confirmPort] {
        if (confirmPort && !ConfirmComPort(session, seams, port)) startup.closed = true;
        return !startup.closed;
    };
    hooks.OpenLink = [&session, &seams, &port, &startup] {
        startup.opened = OpenLink(session, seams, port, SystemLinkClock());
        startup.closed = !startup.opened;
    };
    hooks.StartLinkThread = [&session, &seams, &port, &startup, linkHooks] {
        if (startup.opened && !startup.thread)
            startup.thread = StartLinkThread(session, seams, port, linkHooks);
    };
}

}  // namespace varnolux
