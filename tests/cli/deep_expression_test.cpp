// Deeply nested expressions at every place a user or an editor types one:
// 64 levels are taken, the 65th is refused with its column, and ten thousand
// "(" are refused rather than exhausting the stack.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "cli/log/rules.h"
#include "dap/dap_adapter.h"
#include "script/script_steps.h"
#include "seams/memory/memory_host_os.h"
#include "support/memory_dap_host.h"
#include "views/rules/rule_book.h"
#include "views/rules/rule_entry.h"
#include "views/rules/rule_settings.h"

namespace varnolux {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

std::string Nested(int levels) {
    return std::string(static_cast<size_t>(levels), '(') + "1 == 1" +
           std::string(static_cast<size_t>(levels), ')');
}

// A launched adapter on the small project of MemoryDapHost; the answers it sends.
struct Editor {
    Session session;
    MemoryDapHost host{session};
    std::vector<dap::Json> sent;
    dap::DapAdapter adapter{session, host, [this](const dap::Json& m) { sent.push_back(m); }};
    Editor() { Request("launch", dap::Json::Object()); }
    const dap::Json& Request(const std::string& command, dap::Json arguments) {
        dap::Json r = dap::Json::Object();
        r.Set("seq", 1).Set("type", "request").Set("command", command);
        adapter.Handle(r.Set("arguments", std::move(arguments)));
        for (const dap::Json& m : sent)
            if (m["type"].Str() == "response" && m["command"].Str() == command) answer = m;
        sent.clear();
        return answer;
    }
    // The breakpoint's message on the dump line, empty when it is verified.
    std::string Breakpoint(const char* field, const std::string& text) {
        dap::Json b = dap::Json::Object();
        b.Set("line", 10).Set(field, text);
        dap::Json a = dap::Json::Object();
        a.Set("source", dap::Json::Object().Set("path", "/project/main.bas"));
        a.Set("breakpoints", dap::Json::Array().Push(std::move(b)));
        return Request("setBreakpoints", std::move(a))["body"]["breakpoints"]
            .Items()[0]["message"]
            .Str();
    }
    dap::Json answer;
};

// What each entry point says of the expression: empty when it takes it.
std::string StopRulesWindow(const std::string& text, bool log) {
    RuleFields fields;
    (log ? fields.logTemplate : fields.condition) = log ? "{" + text + "}" : text;
    fields.action = log ? rules::RuleAction::Log : rules::RuleAction::Hold;
    rules::StopRule rule;
    rules::RuleError error;
    Editor e;
    return RuleOfFields(fields, DumpChoices(e.session.dumpPoints), e.session.records,
                        e.session.dumpPoints, rule, error)
               ? ""
               : FaultText(error);
}

std::string SettingsFile(const std::string& text) {
    MemoryHostOs os;
    os.PutFile("C:\\p\\Varnolux.ini",
               "[Stop Rules]\r\nCount=1\r\nRule1=1,-1,hold,0,0,0\r\nCondition1=" + text + "\r\n");
    rules::StopRules armed;
    RuleBook book(armed);
    book.Load(ReadStopRuleSettings(os, "C:\\p\\Varnolux.ini").rules);
    Editor e;
    std::string fault;
    return book.ArmEntered(e.session.records, e.session.dumpPoints, fault) ? "" : fault;
}

std::string ConsoleOption(const std::string& text, bool trigger) {
    cli::LogRuleArgs args;
    (trigger ? args.trigger : args.until) = text;
    Editor e;
    cli::LogRules rules(args, e.session.run, nullptr);
    std::string message;
    return rules.Arm(e.session, message) ? "" : message;
}

std::string StepScript(const std::string& step) {
    Editor e;
    const script::ScriptContext context{e.session.records, e.session.dumpPoints, 16};
    std::vector<script::Step> steps;
    script::ScriptError error;
    if (script::ParseScript(step, context, steps, error)) return "";
    return "column " + std::to_string(error.column) + ": " + error.message;
}

std::string Evaluate(const std::string& text) {
    Editor e;
    const dap::Json& answer =
        e.Request("evaluate", dap::Json::Object().Set("expression", text).Set("context", "repl"));
    return answer["success"].Bool() ? "" : answer["message"].Str();
}

TEST(DeepExpression, EveryEntryPointTakes64LevelsAndRefusesDeeperWithTheColumn) {
    const struct {
        const char* place;
        std::function<std::string(const std::string&)> refusal;
        int column65;  // where the 65th level opens in what the user typed
    } places[] = {
        {"Stop rules window, condition", [](auto& t) { return StopRulesWindow(t, false); }, 65},
        {"Stop rules window, log line", [](auto& t) { return StopRulesWindow(t, true); }, 66},
        {"[Stop Rules] of the settings", SettingsFile, 65},
        {"--until", [](auto& t) { return ConsoleOption(t, false); }, 65},
        {"--trigger", [](auto& t) { return ConsoleOption(t, true); }, 65},
        {"wait until", [](auto& t) { return StepScript("wait until " + t); }, 76},
        {"expect", [](auto& t) { return StepScript("expect " + t); }, 72},
        {"breakpoint condition", [](auto& t) { return Editor().Breakpoint("condition", t); }, 65},
        {"log message", [](auto& t) { return Editor().Breakpoint("logMessage", "{" + t + "}"); },
         66},
        {"evaluate", Evaluate, 65},
    };
    for (const auto& p : places) {
        SCOPED_TRACE(p.place);
        EXPECT_THAT(p.refusal(Nested(64)), IsEmpty());
        const std::string refused = p.refusal(Nested(65));
        EXPECT_THAT(refused, HasSubstr("column " + std::to_string(p.column65)));
        EXPECT_THAT(refused, HasSubstr("nested deeper than 64 levels"));
        EXPECT_THAT(p.refusal(std::string(10000, '(')), Not(IsEmpty()));
    }
}

}  // namespace
}  // namespace varnolux
