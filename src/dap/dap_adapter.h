#pragma once
// The Debug Adapter Protocol's requests on the Varnolux core: one adapter per
// session, on the front end's thread. The program around it loads the
// project and runs the link (DapHost); the adapter answers the client, keeps
// the breakpoints as stop rules, and turns what the link thread reports into
// events.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dap/dap_breakpoints.h"
#include "dap/dap_json.h"
#include "dap/dap_target.h"
#include "rules/rule_judge.h"
#include "rules/stop_rules.h"
#include "script/script_target.h"
#include "state/session.h"

namespace varnolux::dap {

// The launch or attach arguments.
struct LaunchArgs {
    std::string project;  // the project's folder; empty: the current one
    std::string base;     // the project's name; empty: the only one in the folder
    std::string port;     // a device path or a port number; empty: the settings'
    int baud = -1;        // 0 detects; -1: the settings'
    bool stopOnEntry = false;
};

// What the adapter asks of the program around it.
class DapHost {
  public:
    virtual ~DapHost() = default;
    // Loads the project and opens the link, without running it yet; false
    // with `error` when either fails. The link thread, once it runs, tells
    // `listener` and `keeper` of every dump.
    virtual bool Launch(const LaunchArgs& args, TransactionListener& listener, DumpKeeper& keeper,
                        std::string& error) = 0;
    // The source files' paths, by the listing's index.
    virtual std::vector<std::string> SourcePaths() = 0;
    // Starts the link thread (the editor has set its breakpoints).
    virtual void RunLink() = 0;
    // The line is gone (the target's end of it was pulled or closed).
    virtual bool LinkLost() = 0;
    // Releases the target, stops the link and closes the port.
    virtual void Disconnect() = 0;
    // Texts of the load's and the link's messages since the last call.
    virtual std::vector<std::string> TakeMessages() = 0;
};

class DapAdapter {
  public:
    using Send = std::function<void(const Json& message)>;
    DapAdapter(Session& session, DapHost& host, Send send);
    ~DapAdapter();

    // One message from the client.
    void Handle(const Json& message);
    // What the link and the host have to say: output, stops, a lost link.
    void Poll();
    // The session is over (disconnected, or terminated and told so).
    bool Ended() const { return ended_; }

    // The stop shown, if any (for tests and the benchmark).
    const StopNote* CurrentStop() const { return stopped_ ? &stop_ : nullptr; }

  private:
    void Respond(const Json& request, bool success, Json body = Json::Object(),
                 const std::string& message = std::string());
    void Event(const std::string& name, Json body = Json::Object());
    void Output(const std::string& text, const std::string& category = "console");
    void Terminate(const std::string& message);
    void ShowStop(StopNote note);

    void Initialize(const Json& r);
    void Launch(const Json& r);
    void SetBreakpoints(const Json& r);
    void ConfigurationDone(const Json& r);
    void Threads(const Json& r);
    void StackTrace(const Json& r);
    void ScopesRequest(const Json& r);
    void VariablesRequest(const Json& r);
    void SetVariable(const Json& r);
    void Evaluate(const Json& r);
    void Continue(const Json& r);
    void Pause(const Json& r);
    void Restart(const Json& r);
    void Disconnect(const Json& r);
    bool Armed(std::string& error);

    Session& session_;
    DapHost& host_;
    Send send_;
    long seq_ = 0;
    bool launched_ = false;
    bool running_ = false;
    bool ended_ = false;
    bool stopOnEntry_ = false;
    std::vector<std::string> sources_;
    BreakpointTable breakpoints_;
    std::vector<long> ruleBreakpoint_;  // the breakpoint of each armed rule
    rules::StopRules rules_;
    std::unique_ptr<script::ScriptTarget> script_;
    std::unique_ptr<DapTarget> target_;
    std::unique_ptr<rules::RuleJudge> judge_;
    bool stopped_ = false;
    StopNote stop_;
    std::string pendingSet_;  // the variable a setVariable waits to see confirmed
};

}  // namespace varnolux::dap
