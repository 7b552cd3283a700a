#pragma once
// What "log" and "test" share of a run of the link in a console: the
// platform's serial port, wrapped in a recording port when --record names a
// file, and their words on stderr about the port, the recording and the link
// thread.
#include <memory>
#include <string>

#include "cli/console/args.h"
#include "cli/console/link_prompts.h"
#include "link/line/link_clock.h"
#include "link/recording/port.h"
#include "link/thread/link_thread.h"
#include "seams/host_os.h"
#include "seams/serial_port.h"
#include "state/session.h"

namespace varnolux::cli {

class ConsoleLink {
  public:
    // The port of --port, else of the settings' Port (`session`'s settings are
    // read). Null, after a word on stderr, when that names no port or one the
    // platform cannot open (Windows: ports are numbers). `command` names the
    // command in messages.
    static std::unique_ptr<ConsoleLink> Make(const std::string& command, const LinkArgs& args,
                                             HostOs& os, const Session& session);

    // The port, the rate and where each was named, for the console's words.
    ConsoleRunFacts Facts(const Session& session) const;

    // The port the link talks through: the recording port when there is one.
    SerialPort& Port() { return recorder_ ? *recorder_ : *device_; }
    RecordingPort* Recorder() const { return recorder_.get(); }
    // The recording's clock when there is one, so the link's times are the recorded ones.
    LinkClock Clock() const { return recorder_ ? recorder_->Clock() : SystemLinkClock(); }

    // Begins the recording before the port is opened, so that it holds the
    // probe too; false, after a word on stderr, when the file cannot be
    // written. True without a recording.
    // `aroundKeep` >= 0 records only around the firings of stop rules, that
    // many dumps kept in memory before each.
    bool StartRecording(const Session& session, const std::string& portName, int aroundKeep = -1);
    // Stops the link thread; a word on stderr when it does not end.
    void Stop(LinkThread& thread) const;
    // Ends the recording; false, after a word on stderr, when it could not
    // be written. True without a recording.
    bool EndRecording();

  private:
    ConsoleLink(const std::string& command, const LinkArgs& args, HostOs& os,
                std::unique_ptr<SerialPort> device);
    void Say(const std::string& message) const;

    std::string command_;
    const LinkArgs& args_;
    HostOs& os_;
    std::unique_ptr<SerialPort> device_;
    std::unique_ptr<RecordingPort> recorder_;
};

}  // namespace varnolux::cli
