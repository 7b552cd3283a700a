// The requests that look at a stop: its frame, scopes, variables and
// expressions, and the one that writes a variable.
#include <mutex>

#include "dap/dap_adapter.h"
#include "dap/dap_variables.h"
#include "script/script_expr.h"
#include "text/text_util.h"
#include "vars/main_list.h"

namespace varnolux::dap {

namespace {

constexpr const char* kNotStopped = "the target is running: the values are shown at a stop";

script::DumpValues ValuesOf(const StopView& view) {
    script::DumpValues d;
    d.DumpId = view.DumpId;
    d.records.reserve(view.records.size());
    for (const MyVarRecord& r : view.records)
        d.records.push_back(script::RecordValues{r.VarValue, r.VarPrevious, r.VarValueInit == 1,
                                                 r.VarPreviousInit == 1});
    return d;
}

// A bare variable name, in any case: its value as the variables pane shows it.
int32_t RecordNamed(const VarTable& records, const std::string& text) {
    const std::string name = LowerCase(text);
    for (size_t i = 0; i < records.size(); ++i)
        if (records[i].VarRecordType != RT_ARRAY && LowerCase(records[i].VarLabel) == name)
            return static_cast<int32_t>(i);
    return -1;
}

}  // namespace

void DapAdapter::StackTrace(const Json& r) {
    Json frames = Json::Array();
    if (stopped_) {
        const int32_t id = stop_.view.DumpId;
        const DumpPoint& p =
            session_.dumpPoints.entries[id >= 0 && id < kDumpPointEntries ? id : 0];
        std::string name = std::string(p.kind == 1 ? "Dumpw " : "Dump ") + std::to_string(id);
        if (!p.comment.empty()) name += "  " + p.comment;
        Json frame = Json::Object();
        frame.Set("id", 1).Set("name", name).Set("line", p.line).Set("column", 1);
        if (p.file >= 0 && static_cast<size_t>(p.file) < sources_.size()) {
            const std::string& path = sources_[static_cast<size_t>(p.file)];
            Json source = Json::Object();
            const size_t cut = path.find_last_of("/\\");
            source.Set("name", cut == std::string::npos ? path : path.substr(cut + 1));
            source.Set("path", path);
            frame.Set("source", std::move(source));
        }
        frames.Push(std::move(frame));
    }
    Json body = Json::Object();
    body.Set("totalFrames", frames.Size());
    body.Set("stackFrames", std::move(frames));
    Respond(r, true, std::move(body));
}

void DapAdapter::ScopesRequest(const Json& r) {
    if (!stopped_) return Respond(r, false, Json::Object(), kNotStopped);
    Json body = Json::Object();
    body.Set("scopes", Scopes(stop_.view));
    Respond(r, true, std::move(body));
}

void DapAdapter::VariablesRequest(const Json& r) {
    if (!stopped_) return Respond(r, false, Json::Object(), kNotStopped);
    const Json& a = r["arguments"];
    Json body = Json::Object();
    body.Set("variables",
             Variables(stop_.view, a["variablesReference"].Int(), a["format"]["hex"].Bool()));
    Respond(r, true, std::move(body));
}

void DapAdapter::SetVariable(const Json& r) {
    if (!stopped_) return Respond(r, false, Json::Object(), kNotStopped);
    const Json& a = r["arguments"];
    const std::string name = a["name"].Str();
    const std::string value = a["value"].Str();
    if (session_.device.Core == 14)
        return Respond(r, false, Json::Object(), "variables of a core 14 target cannot be written");
    const int32_t record =
        RecordOfVariable(stop_.view.records, a["variablesReference"].Int(), name);
    if (record < 0) return Respond(r, false, Json::Object(), "no variable " + name + " here");
    if (session_.run.ModifyPending.load() != 0)
        return Respond(r, false, Json::Object(),
                       "the last value written is still on its way to the target");
    if (!script_->Modify(record, value)) return Respond(r, false, Json::Object(), "Invalid value");
    Json body = Json::Object();
    body.Set("value", value);
    Respond(r, true, std::move(body));
    Output(name + " = " + value + ": sent to the target, the next dump shows it");
}

void DapAdapter::Evaluate(const Json& r) {
    const Json& a = r["arguments"];
    const std::string text = a["expression"].Str();
    const bool hex = a["format"]["hex"].Bool();
    StopView latest;
    if (!stopped_) latest = TakeStopView(session_);
    const StopView& view = stopped_ ? stop_.view : latest;
    Json body = Json::Object();
    body.Set("variablesReference", 0);
    const int32_t record = RecordNamed(view.records, text);
    if (record >= 0) {
        const MyVarRecord& rec = view.records[static_cast<size_t>(record)];
        body.Set("result", RecordValueText(rec, hex)).Set("type", ListTypeText(rec));
        return Respond(r, true, std::move(body));
    }
    script::Expression e;
    script::ParseError pe;
    if (!script::ParseExpression(text, view.records, e, pe))
        return Respond(r, false, Json::Object(),
                       "column " + std::to_string(pe.column) + ": " + pe.message);
    const script::EvalResult v = script::Evaluate(e, view.records, ValuesOf(view));
    if (!v.ok) return Respond(r, false, Json::Object(), v.error);
    body.Set("result", script::ValueText(v.value));
    Respond(r, true, std::move(body));
}

}  // namespace varnolux::dap
