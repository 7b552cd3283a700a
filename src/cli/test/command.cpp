// "varnolux-cli test": a step script run against the target through the load
// sequence and the link of "log", with a line per step and a JUnit report.
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/console/args.h"
#include "cli/console/commands.h"
#include "cli/console/console_seams.h"
#include "cli/console/link.h"
#include "cli/console/link_prompts.h"
#include "cli/console/port.h"
#include "cli/console/text.h"
#include "link/thread/link_startup.h"
#include "project/load/sequence.h"
#include "script/junit_report.h"
#include "script/script_run.h"
#include "script/script_steps.h"
#include "script/script_target.h"
#include "state/session.h"

namespace varnolux::cli {

namespace {

struct TestArgs : LinkArgs {
    std::string script;
    std::string junit;
    bool failFast = false;
};

CliCommand TestCommand(TestArgs& a) {
    return CliCommand{
        "test",
        script::kNotRun,
        PrintTestUsage,
        {&a.script, &a.base},
        "a script and one project name only",
        "name a script: varnolux-cli test SCRIPT",
        LinkOptions(a, {TextOption("--junit", a.junit), FlagOption("--fail-fast", a.failFast)})};
}

// The link's load steps with the script checked against the loaded project
// before the port is opened: a script in error sends nothing (and records
// nothing).
class TestLoadSteps : public LinkLoadSteps {
  public:
    TestLoadSteps(Session& session, Seams& seams, ConsoleLink& link, LinkStartup& startup,
                  script::ScriptTarget& target, const TestArgs& a, const std::string& text,
                  std::vector<script::Step>& steps)
        : LinkLoadSteps(session, seams, link.Port(), startup, &target, a.device.empty(),
                        link.Clock(), nullptr, a.reconnect),
          a_(a),
          text_(text),
          steps_(steps),
          link_(link) {}

    void OpenLink() override {
        checked = true;
        const script::ScriptContext context{session_.records, session_.dumpPoints,
                                            session_.device.Core};
        script::ScriptError e;
        valid = script::ParseScript(text_, context, steps_, e);
        if (!valid) {
            WriteText(stderr, a_.script + ":" + std::to_string(e.line) + ":" +
                                  std::to_string(e.column) + ": " + e.message + "\n");
            return;
        }
        valid = link_.StartRecording(session_, PortName(session_.settings.Port));
        if (valid) LinkLoadSteps::OpenLink();
    }
    void StartLinkThread() override {
        if (valid) LinkLoadSteps::StartLinkThread();
    }

    bool checked = false;
    bool valid = false;

  private:
    const TestArgs& a_;
    const std::string& text_;
    std::vector<script::Step>& steps_;
    ConsoleLink& link_;
};

}  // namespace

void PrintTestUsage() {
    std::printf(
        "usage: varnolux-cli test SCRIPT [BASE] [options]\n"
        "\n"
        "Runs a step script against the target: the load sequence and the link of\n"
        "\"varnolux-cli log\" in the current folder (the project folder), then one step\n"
        "a line, printing a line per step. \"#\" starts a comment.\n"
        "\n"
        "  wait ID [count N] [timeout S]  run on until dump point ID arrived N times\n"
        "                                 (default 1, 10 s); held there if a dumpw\n"
        "  expect EXPR                    on the values of the dump the last wait\n"
        "                                 ended at (before any wait: the latest dump)\n"
        "  set NAME = VALUE               write a variable as the Modify window does;\n"
        "                                 sent at the target's next \"c\" or \"d\"\n"
        "  continue                       release the held target (it runs on to the\n"
        "                                 next dumpw point)\n"
        "  reset                          reset the target (not a core 14 one)\n"
        "\n"
        "Between waits the target is held at every dumpw point it reaches.\n"
        "Expressions: names as listed (NAME#i for an element, bits by name), numbers\n"
        "as the Modify window reads them (12, -3, 1.5, %%1010, $FF, \"A\"),\n"
        "+ - * / %%, == != < <= > >=, && || !, ( ), changed(NAME), prev(NAME).\n"
        "\n"
        "%s"
        "  --baud N           9600 ... 115200; anything else detects\n"
        "  --junit FILE       write a JUnit XML report (one test case per expect)\n"
        "  --fail-fast        stop at the first failed expectation\n"
        "  --ini FILE         settings file (default: ./Varnolux.ini)\n"
        "  --detect-rounds N  rounds of rate detection before giving up (default 3)\n"
        "  --record FILE      also record the serial traffic into FILE, as log does\n"
        "\n"
        "exit status: 0 every expectation held; 1 one failed; 2 bad arguments, the\n"
        "project or link could not be opened or the script is invalid (reported as\n"
        "SCRIPT:LINE:COLUMN before anything is sent); 3 a time-out, a lost link or no\n"
        "target answering the rate detection.\n",
        PortOptionHelp());
}

int RunTest(const std::vector<std::string>& args) {
    TestArgs a;
    int status = 0;
    if (!TakeCliArgs(TestCommand(a), args, status)) return status;
    std::ifstream in(a.script, std::ios::binary);
    if (!in) {
        WriteText(stderr, "varnolux-cli test: cannot read " + a.script + "\n");
        return script::kNotRun;
    }
    std::stringstream text;
    text << in.rdbuf();

    LinkPrompts prompts(a.detectRounds);
    ConsoleSeams console(prompts);
    Session session;
    LoadConsoleSettings(session, console.os, a.ini, a.baud, a.port);
    session.project.commandLineProject = a.base;

    const std::unique_ptr<ConsoleLink> link = ConsoleLink::Make("test", a, console.os, session);
    if (!link) return script::kNotRun;
    prompts.facts = link->Facts(session);
    script::ScriptTarget target(session);
    std::vector<script::Step> steps;
    const std::string scriptText = text.str();
    LinkStartup startup;
    TestLoadSteps load(session, console.seams, *link, startup, target, a, scriptText, steps);
    const LoadEnd end = LoadAtStartup(session, console.seams, load);
    if (end != LoadEnd::Loaded || !startup.thread) {
        if (startup.thread) startup.thread->Stop();
        if (load.checked && !load.valid) return script::kNotRun;
        if (prompts.EndTold())
            return prompts.DetectionGaveUp() ? script::kTimedOut : script::kNotRun;
        std::fprintf(stderr, "varnolux-cli test: %s\n",
                     end == LoadEnd::Loaded ? "the link could not be opened"
                                            : "the project could not be loaded");
        return script::kNotRun;
    }

    script::RunOptions options;
    options.failFast = a.failFast;
    LinkThread& thread = *startup.thread;
    options.linkAlive = [&thread] { return thread.Running(); };
    options.print = [](const std::string& line) {
        WriteText(stdout, line + "\n");
        std::fflush(stdout);
    };
    const script::ScriptRunResult run = script::RunScript(steps, session, target, options);
    link->Stop(thread);
    int exitStatus = run.status;
    if (!link->EndRecording() && exitStatus == 0) exitStatus = script::kNotRun;

    int passed = 0, failed = 0;
    for (const script::ScriptCase& c : run.cases) {
        if (!c.isExpect) continue;
        passed += c.result == script::CaseResult::Passed;
        failed += c.result == script::CaseResult::Failed;
    }
    WriteText(stdout, a.script + ": " + std::to_string(passed) + " passed, " +
                          std::to_string(failed) + " failed, " + std::to_string(target.Dumps()) +
                          " dumps\n");
    if (!a.junit.empty()) {
        std::ofstream out(a.junit, std::ios::trunc);
        out << script::JunitXml(a.script, run);
        if (!out) WriteText(stderr, "varnolux-cli test: cannot write " + a.junit + "\n");
    }
    return exitStatus;
}

}  // namespace varnolux::cli
