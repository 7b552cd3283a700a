#pragma once
// The link's steps of the load sequence on a given serial port: confirming the
// COM port, opening the link with its probe, and starting the link thread.
#include <memory>
#include <utility>

#include "link/thread/link_thread.h"
#include "project/load/sequence.h"

namespace varnolux {

struct LinkStartup {
    std::unique_ptr<LinkThread> thread;  // running once the load has started it
    bool opened = false;                 // OpenLink went through (target found or not)
    bool portMissing = false;            // the port could not be opened: the thread waits for it
    bool closed = false;                 // a prompt of the link closed the main window
};

// ConfirmComPort, OpenLink and StartLinkThread on `port`. The front end keeps
// `port` and `startup` for the life of the link and stops the thread with
// startup.thread->Stop() in its close sequence. `confirmPort` false skips the
// check of the port list (a device named directly). `keeper`, when given, is
// handed every dump by the link thread. `reconnect` makes the thread wait for
// a lost port and start again; a port missing at start is then waited for too.
class LinkLoadSteps : public LoadSteps {
  public:
    LinkLoadSteps(Session& session, Seams& seams, SerialPort& port, LinkStartup& startup,
                  TransactionListener* listener = nullptr, bool confirmPort = true,
                  LinkClock clock = SystemLinkClock(), DumpKeeper* keeper = nullptr,
                  bool reconnect = true)
        : session_(session),
          seams_(seams),
          port_(port),
          startup_(startup),
          listener_(listener),
          confirmPort_(confirmPort),
          clock_(std::move(clock)),
          keeper_(keeper),
          reconnect_(reconnect) {}

    bool ConfirmComPort() override;
    void OpenLink() override;
    void StartLinkThread() override;
    std::string PortName(int32_t portNumber) const override { return port_.PortName(portNumber); }

  protected:
    Session& session_;
    Seams& seams_;

  private:
    SerialPort& port_;
    LinkStartup& startup_;
    TransactionListener* listener_;
    bool confirmPort_;
    LinkClock clock_;  // the probe's and the link thread's
    DumpKeeper* keeper_;
    bool reconnect_;
};

}  // namespace varnolux
