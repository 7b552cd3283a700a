#include "dap/dap_adapter.h"

#include <mutex>

#include "dap/dap_variables.h"

namespace varnolux::dap {

DapAdapter::DapAdapter(Session& session, DapHost& host, Send send)
    : session_(session),
      host_(host),
      send_(std::move(send)),
      script_(std::make_unique<script::ScriptTarget>(session)),
      target_(std::make_unique<DapTarget>(session, rules_, *script_)),
      judge_(std::make_unique<rules::RuleJudge>(rules_, session.run)) {}

DapAdapter::~DapAdapter() = default;

void DapAdapter::Respond(const Json& request, bool success, Json body, const std::string& message) {
    Json r = Json::Object();
    r.Set("seq", ++seq_).Set("type", "response").Set("request_seq", request["seq"].Int());
    r.Set("success", success).Set("command", request["command"].Str());
    if (!success) {
        r.Set("message", message);
        Json error = Json::Object();
        error.Set("id", 1).Set("format", message).Set("showUser", true);
        body.Set("error", std::move(error));
    }
    r.Set("body", std::move(body));
    send_(r);
}

void DapAdapter::Event(const std::string& name, Json body) {
    Json e = Json::Object();
    e.Set("seq", ++seq_).Set("type", "event").Set("event", name).Set("body", std::move(body));
    send_(e);
}

void DapAdapter::Output(const std::string& text, const std::string& category) {
    Json body = Json::Object();
    body.Set("category", category).Set("output", text + "\n");
    Event("output", std::move(body));
}

void DapAdapter::Terminate(const std::string& message) {
    if (ended_) return;
    Output(message, "important");
    host_.Disconnect();
    Event("terminated");
    ended_ = true;
}

void DapAdapter::Handle(const Json& m) {
    if (m["type"].Str() != "request") return;
    const std::string c = m["command"].Str();
    if (c == "initialize") return Initialize(m);
    if (c == "launch" || c == "attach") return Launch(m);
    if (c == "disconnect" || c == "terminate") return Disconnect(m);
    if (!launched_ && c != "threads")
        return Respond(m, false, Json::Object(), "no project yet: launch or attach first");
    if (c == "setBreakpoints") return SetBreakpoints(m);
    if (c == "setExceptionBreakpoints") return Respond(m, true);
    if (c == "configurationDone") return ConfigurationDone(m);
    if (c == "threads") return Threads(m);
    if (c == "stackTrace") return StackTrace(m);
    if (c == "scopes") return ScopesRequest(m);
    if (c == "variables") return VariablesRequest(m);
    if (c == "setVariable") return SetVariable(m);
    if (c == "evaluate") return Evaluate(m);
    if (c == "continue") return Continue(m);
    if (c == "pause") return Pause(m);
    if (c == "restart") return Restart(m);
    Respond(m, false, Json::Object(), "\"" + c + "\" is not supported by the Varnolux adapter");
}

void DapAdapter::Initialize(const Json& r) {
    Json caps = Json::Object();
    caps.Set("supportsConfigurationDoneRequest", true);
    caps.Set("supportsConditionalBreakpoints", true);
    caps.Set("supportsHitConditionalBreakpoints", true);
    caps.Set("supportsLogPoints", true);
    caps.Set("supportsSetVariable", true);
    caps.Set("supportsEvaluateForHovers", true);
    caps.Set("supportsTerminateRequest", true);
    caps.Set("supportsRestartRequest", true);
    caps.Set("supportsValueFormattingOptions", true);
    Respond(r, true, std::move(caps));
}

void DapAdapter::Launch(const Json& r) {
    if (launched_) return Respond(r, false, Json::Object(), "the project is already loaded");
    const Json& a = r["arguments"];
    LaunchArgs args;
    args.project = a["project"].Str();
    args.base = a["base"].Str();
    args.port = a["port"].IsNumber() ? std::to_string(a["port"].Int()) : a["port"].Str();
    args.baud = a["baud"].IsNumber() ? static_cast<int>(a["baud"].Int()) : -1;
    args.stopOnEntry = a["stopOnEntry"].Bool();
    std::string error;
    const bool ok = host_.Launch(args, *target_, *judge_, error);
    for (const std::string& text : host_.TakeMessages()) Output(text);
    if (!ok) {
        Respond(r, false, Json::Object(), error);
        return Terminate(error);
    }
    launched_ = true;
    stopOnEntry_ = args.stopOnEntry;
    sources_ = host_.SourcePaths();
    Respond(r, true);
    Event("initialized");
}

void DapAdapter::SetBreakpoints(const Json& r) {
    const Json& a = r["arguments"];
    const std::string path = a["source"]["path"].Str(a["source"]["name"].Str());
    const int32_t file = SourceIndexOfPath(sources_, path);
    std::vector<Breakpoint> set;
    Json list = Json::Array();
    {
        std::lock_guard<std::mutex> lock(session_.recordsLock);
        for (const Json& b : a["breakpoints"].Items())
            set.push_back(MakeBreakpoint(b, file, session_.dumpPoints, session_.records,
                                         breakpoints_.NextId()));
    }
    for (Breakpoint& b : set) {
        if (file < 0 && !b.verified) b.message = "not a source of this project: " + path;
        list.Push(BreakpointJson(b));
    }
    breakpoints_.Replace(path, std::move(set));
    std::string error;
    if (!Armed(error)) return Respond(r, false, Json::Object(), error);
    Json body = Json::Object();
    body.Set("breakpoints", std::move(list));
    Respond(r, true, std::move(body));
}

bool DapAdapter::Armed(std::string& error) {
    std::vector<const Breakpoint*> of;
    std::vector<rules::StopRule> rules = breakpoints_.Rules(of);
    std::vector<bool> conditional;
    ruleBreakpoint_.clear();
    for (const Breakpoint* b : of) {
        ruleBreakpoint_.push_back(b->id);
        conditional.push_back(b->conditional);
    }
    size_t bad = 0;
    rules::RuleError e;
    bool ok = false;
    {
        std::lock_guard<std::mutex> lock(session_.recordsLock);
        ok = rules_.Arm(std::move(rules), session_.records, session_.dumpPoints, bad, e);
    }
    if (!ok) error = "breakpoint " + std::to_string(bad + 1) + ": " + e.message;
    target_->SetConditional(std::move(conditional));
    return ok;
}

void DapAdapter::ConfigurationDone(const Json& r) {
    Respond(r, true);
    if (running_) return;
    running_ = true;
    if (stopOnEntry_) target_->HoldNext(StopReason::Entry);
    host_.RunLink();
}

void DapAdapter::Threads(const Json& r) {
    Json thread = Json::Object();
    thread.Set("id", 1).Set("name", "target");
    Json body = Json::Object();
    body.Set("threads", Json::Array().Push(std::move(thread)));
    Respond(r, true, std::move(body));
}

void DapAdapter::ShowStop(StopNote note) {
    stopped_ = true;
    stop_ = std::move(note);
    Json body = Json::Object();
    body.Set("reason", ReasonName(stop_.reason)).Set("threadId", 1);
    body.Set("allThreadsStopped", true);
    body.Set("description", StopDescription(stop_, session_.dumpPoints));
    Json ids = Json::Array();
    for (size_t rule : stop_.firedRules)
        if (rule < ruleBreakpoint_.size()) ids.Push(ruleBreakpoint_[rule]);
    if (ids.Size() > 0) body.Set("hitBreakpointIds", std::move(ids));
    Event("stopped", std::move(body));
}

void DapAdapter::Poll() {
    if (ended_) return;
    for (const std::string& text : host_.TakeMessages()) Output(text);
    if (!launched_) return;
    LinkNews news = target_->Take();
    for (const std::string& line : news.logLines) Output(line);
    for (StopNote& note : news.stops) ShowStop(std::move(note));
    int32_t record = -1;
    script::DumpValues dump;
    if (script_->Confirmation(record, dump) && record >= 0 &&
        static_cast<size_t>(record) < dump.records.size()) {
        std::string shown;
        {
            std::lock_guard<std::mutex> lock(session_.recordsLock);
            MyVarRecord r = session_.records[static_cast<size_t>(record)];
            r.VarValue = dump.records[static_cast<size_t>(record)].value;
            r.VarValueInit = 1;
            shown = r.VarLabel + ": DumpID " + std::to_string(dump.DumpId) + " shows " +
                    RecordValueText(r, false);
        }
        Output(shown);
    }
    if (running_ && host_.LinkLost())
        Terminate("the link to the target is lost: no bytes arrive on the line (pulled or closed)");
}

void DapAdapter::Continue(const Json& r) {
    stopped_ = false;
    target_->Release();
    Json body = Json::Object();
    body.Set("allThreadsContinued", true);
    Respond(r, true, std::move(body));
    LinkNews news = target_->Take();
    for (const std::string& line : news.logLines) Output(line);
    for (StopNote& note : news.stops) ShowStop(std::move(note));
}

void DapAdapter::Pause(const Json& r) {
    target_->HoldNext(StopReason::Pause);
    Respond(r, true);
}

void DapAdapter::Restart(const Json& r) {
    if (session_.device.Core == 14)
        return Respond(r, false, Json::Object(),
                       "an enhanced mid-range (core 14) target cannot be reset");
    session_.run.ResetRequested = 1;
    stopped_ = false;
    target_->Release();
    Respond(r, true);
}

void DapAdapter::Disconnect(const Json& r) {
    std::string none;
    breakpoints_ = BreakpointTable();
    if (launched_) Armed(none);
    target_->Release();
    host_.Disconnect();
    Respond(r, true);
    if (r["command"].Str() == "terminate") Event("terminated");
    ended_ = r["command"].Str() == "disconnect" || ended_;
}

}  // namespace varnolux::dap
