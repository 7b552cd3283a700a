// "varnolux-cli log": the load sequence and the link against a serial device,
// printing every completed dump.
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "cli/console/args.h"
#include "cli/console/commands.h"
#include "cli/console/console_seams.h"
#include "cli/console/dump_snapshot.h"
#include "cli/console/link.h"
#include "cli/console/link_prompts.h"
#include "cli/console/log_output.h"
#include "cli/console/port.h"
#include "cli/console/text.h"
#include "cli/log/counting_port.h"
#include "cli/log/open_notice_port.h"
#include "cli/log/rate_watch.h"
#include "cli/log/rules.h"
#include "link/line/serial_link.h"
#include "link/recording/port.h"
#include "link/thread/link_startup.h"
#include "project/load/sequence.h"
#include "seams/main_ids.h"
#include "seams/memory/memory_main_window_view.h"
#include "state/session.h"

namespace varnolux::cli {

namespace {

constexpr int kBadArguments = 1;
constexpr int kNotLinked = 2;
constexpr int kTimedOut = 3;

volatile sig_atomic_t g_interrupted = 0;
void OnInterrupt(int) {
    g_interrupted = 1;
}

struct LogArgs : LinkArgs {
    LogFormat format = LogFormat::Text;
    long count = 0;
    int radix = 0;
    int holdAt = -1;
    long releaseMs = 1000;
    long timeoutS = 0;
    LogRuleArgs rules;
};

CliCommand LogCommand(LogArgs& a) {
    return CliCommand{
        "log",
        kBadArguments,
        PrintLogUsage,
        {&a.base},
        "one project name only",
        std::string(),
        LinkOptions(a,
                    {FormatOption(a.format), NumberOption("--count", a.count), RadixOption(a.radix),
                     NumberOption("--hold", a.holdAt), NumberOption("--release-ms", a.releaseMs),
                     NumberOption("--timeout", a.timeoutS), TextOption("--until", a.rules.until),
                     NumberOption("--at", a.rules.at), TextOption("--trigger", a.rules.trigger),
                     NumberOption("--pre", a.rules.pre), NumberOption("--post", a.rules.post)})};
}

using Clock = std::chrono::steady_clock;

// Prints each completed dump, on the link thread, until `count` are printed.
class DumpPrinter : public TransactionListener {
  public:
    DumpPrinter(Session& session, const MainWindowView& view, const LogArgs& a,
                RecordingPort* recorder, LogRules& rules)
        : session_(session), view_(view), a_(a), recorder_(recorder), rules_(rules) {}
    void TransactionDone() override {
        if (a_.count > 0 && dumps.load() >= a_.count) return;  // the rest are not asked for
        if (untilReached.load()) return;
        const std::string record = LogRecord(a_.format, TakeDump(session_, view_));
        WriteText(stdout, record);
        std::fflush(stdout);
        std::vector<std::string> said;
        if (rules_.TakeDump(said)) untilReached = true;
        for (const std::string& line : said) WriteText(stderr, "varnolux-cli log: " + line + "\n");
        lastDumpAt = Clock::now().time_since_epoch().count();
        // The recording ends with the last dump logged, so its replay prints what was printed.
        if (++dumps == a_.count && recorder_) recorder_->Stop();
    }

    std::atomic<long> dumps{0};
    std::atomic<bool> untilReached{false};
    std::atomic<int64_t> lastDumpAt{Clock::now().time_since_epoch().count()};

  private:
    Session& session_;
    const MainWindowView& view_;
    const LogArgs& a_;
    RecordingPort* recorder_;
    LogRules& rules_;
};

// The last number in a text (" COM1  19200 A" gives 19200), 0 without one.
long LastNumber(const std::string& text) {
    const size_t end = text.find_last_of("0123456789");
    if (end == std::string::npos) return 0;
    const size_t begin = text.find_last_not_of("0123456789", end);
    return std::atol(text.substr(begin == std::string::npos ? 0 : begin + 1).c_str());
}

// The link's load steps with the radix in place before the first dump can be
// printed, and a word on stderr about where the run waits for the target.
class LogLoadSteps : public LinkLoadSteps {
  public:
    LogLoadSteps(Session& session, Seams& seams, SerialPort& port, LinkStartup& startup,
                 DumpPrinter& printer, const LogArgs& a, ConsoleLink& link, LogRules& rules,
                 OpenNoticePort& notice)
        : LinkLoadSteps(session, seams, port, startup, &printer, a.device.empty(), link.Clock(),
                        rules.Judge(), a.reconnect),
          a_(a),
          link_(link),
          notice_(notice),
          rules_(rules) {}
    void OpenLink() override {
        if (!link_.StartRecording(session_, PortName(session_.settings.Port),
                                  rules_.AroundKeep())) {
            seams_.view.RequestClose();
            return;
        }
        const int32_t baud = session_.settings.Baud;
        const std::string name = PortName(session_.settings.Port);
        // Said by the link's open; a port that cannot be opened is told by the link's
        // own message instead.
        notice_.Arm(name, baud, a_.timeoutS == 0);
        LinkLoadSteps::OpenLink();
        notice_.Disarm();
        const bool detect = link_.Port().SetsRate() && !IsSupportedRate(baud);
        // The probe leaves " 0" in the transition label when it heard the target.
        if (detect && seams_.view.ControlText(ids::kTransitionLabel) == " 0")
            std::fprintf(stderr, "varnolux-cli log: the target talks at %ld\n",
                         LastNumber(seams_.view.StatusText(2)));
    }
    void StartLinkThread() override {
        SetValueRadix(session_, a_.radix != 0 ? a_.radix : session_.settings.DefaultDataRadix);
        if (!rules_.Arm(session_, refusal)) {
            seams_.view.RequestClose();
            return;
        }
        LinkLoadSteps::StartLinkThread();
    }

    std::string refusal;  // why the rules could not be armed

  private:
    const LogArgs& a_;
    ConsoleLink& link_;
    OpenNoticePort& notice_;
    LogRules& rules_;
};

// Says on stderr when the port goes and when it is back; true when the run
// ends because the port was lost without --reconnect.
class LostPortWatch {
  public:
    LostPortWatch(const RunState& run, const std::string& portName, bool reconnect)
        : run_(run), portName_(portName), reconnect_(reconnect) {}
    bool Ends() {
        const bool lost = run_.LinkLost.load() != 0;
        if (lost == lost_) return false;
        lost_ = lost;
        if (lost && !reconnect_) {
            WriteText(stderr,
                      "varnolux-cli log: " + portName_ + " lost (--reconnect waits for it)\n");
            return true;
        }
        // A port not there from the start was told by the link's start already.
        if (run_.LinkLost.load() == 2) return false;
        WriteText(stderr,
                  "varnolux-cli log: " + portName_ +
                      (lost ? " lost: waiting for it to come back (--reconnect)" : " is back") +
                      "\n");
        return false;
    }

  private:
    const RunState& run_;
    std::string portName_;
    bool reconnect_;
    bool lost_ = false;
};

// Options that only make sense together; a message for the first that is alone.
std::string LoneRuleOption(const LogArgs& a) {
    if (a.rules.at >= 0 && a.rules.until.empty() && a.rules.trigger.empty())
        return "--at needs --until or --trigger";
    if (!a.rules.trigger.empty() && a.record.empty()) return "--trigger needs --record FILE";
    return std::string();
}

}  // namespace

void PrintLogUsage() {
    std::printf(
        "usage: varnolux-cli log [BASE] [options]\n"
        "\n"
        "Runs the program's load sequence in the current folder (the project folder\n"
        "with its Varnolux.ini), opens the serial link with the program's rate\n"
        "detection and prints every completed dump: DumpID, elapsed time and each\n"
        "variable's value text as the main list shows it. The target runs on at\n"
        "every dump point (\"Continuous\"), unless --hold names one.\n"
        "\n"
        "%s"
        "  --baud N           9600, 19200, 38400, 57600 or 115200; anything else detects\n"
        "  --format F         text (default), csv or jsonl\n"
        "  --count N          stop after N dumps; 0, as no --count, logs until the\n"
        "                     run is interrupted\n"
        "  --radix R          dec, hex or bin for every value (default: the settings')\n"
        "  --ini FILE         settings file (default: ./Varnolux.ini)\n"
        "  --hold ID          hold the target at dump point ID (a dumpw) ...\n"
        "  --release-ms N     ... and let it go on after N ms (default 1000)\n"
        "  --detect-rounds N  rounds of rate detection before giving up (default 3)\n"
        "  --timeout S        end when no dump completed for S seconds; without it the\n"
        "                     run says on stderr where it waits for the target\n"
        "  --record FILE      also record the serial traffic into FILE (pcapng, which\n"
        "                     Wireshark reads); \"varnolux-cli replay FILE\" prints\n"
        "                     the same dumps again\n"
        "  --until EXPR       end at the first dump where EXPR holds (exit 0), such as\n"
        "                     \"temp > 23 And heater = 1\"; a dumpw point holds the\n"
        "                     target there\n"
        "  --at ID            ... only at dump point ID (--until and --trigger)\n"
        "  --trigger EXPR     with --record FILE: keep only the traffic around each\n"
        "                     dump where EXPR holds, in FILE-1, FILE-2 ...\n"
        "  --pre N, --post M  ... the N dumps before it (default 50) and the M after\n"
        "                     it (default 10)\n"
        "\n"
        "Expressions: variables by name in any case, + - * / %%, = <> < <= > >=, And\n"
        "Or Xor Not (also == != && || !), changed(NAME) and prev(NAME).\n"
        "  --reconnect        when the port goes away (or is not there at start), try\n"
        "                     it once a second and go on when it is back; without it\n"
        "                     a lost port ends the run with status 3\n"
        "\n"
        "jsonl: one object per dump with the keys DumpId, PreviousDumpId, elapsed (the\n"
        "text), elapsedSeconds (a number, null for the first dump), PacketCount, status\n"
        "(the four status-bar texts as shown), statusParts (link, load, port, device:\n"
        "the same without their padding blanks), labels (dumpPoint, transition) and\n"
        "values: VarLabel, value (the list's text), raw (the value as a number: signed\n"
        "types signed, floats as floats, null for none), and previous and previousRaw\n"
        "once there is a previous value. Control characters are escaped.\n"
        "csv: RFC 4180 fields, one record per value, with the columns DumpId,\n"
        "PreviousDumpId, elapsed, VarLabel, value, previous, raw, previousRaw,\n"
        "elapsedSeconds. Every line of every format ends in CR LF on Windows, LF on Linux.\n"
        "\n"
        "Messages go to stderr: what happened and what the run does next. It goes on\n"
        "where it can (trying a port the system does not list, waiting at a rate that\n"
        "hears nothing) and gives up detection after --detect-rounds rounds.\n"
        "\n"
        "exit status: 0 the count was reached, --until held or the run was interrupted;\n"
        "1 bad arguments; 2 the project or the link could not be opened, the port among\n"
        "them (or the program would have ended); 3 no dump: no target answered the rate\n"
        "detection, no dump within the time-out, or the port was lost without\n"
        "--reconnect.\n",
        PortOptionHelp());
}

int RunLog(const std::vector<std::string>& args) {
    LogArgs a;
    int status = 0;
    if (!TakeCliArgs(LogCommand(a), args, status)) return status;
    if (const std::string lone = LoneRuleOption(a); !lone.empty()) {
        WriteText(stderr, "varnolux-cli log: " + lone + "\n");
        return kBadArguments;
    }

    LinkPrompts prompts(a.detectRounds);
    ConsoleSeams console(prompts);
    MemoryMainWindowView& view = console.view;
    Session session;
    LoadConsoleSettings(session, console.os, a.ini, a.baud, a.port);
    session.project.commandLineProject = a.base;

    const std::unique_ptr<ConsoleLink> link = ConsoleLink::Make("log", a, console.os, session);
    if (!link) return kBadArguments;
    prompts.facts = link->Facts(session);
    OpenNoticePort notice(link->Port());
    CountingPort port(notice);
    if (a.holdAt >= 0)
        session.run.RepeatDumpId = a.holdAt;
    else
        view.SetChecked(ids::kContinuous, true);

    LogRules rules(a.rules, session.run, link->Recorder());
    DumpPrinter printer(session, view, a, link->Recorder(), rules);
    std::atomic<long>& dumps = printer.dumps;
    LinkStartup startup;
    LogLoadSteps steps(session, console.seams, port, startup, printer, a, *link, rules, notice);
    const std::string header = LogHeader(a.format);
    WriteText(stdout, header);
    std::fflush(stdout);
    const LoadEnd end = LoadAtStartup(session, console.seams, steps);
    if (!steps.refusal.empty()) {
        WriteText(stderr, "varnolux-cli log: " + steps.refusal + "\n");
        return kBadArguments;
    }
    if (end != LoadEnd::Loaded || !startup.thread) {
        if (startup.thread) startup.thread->Stop();
        if (prompts.EndTold()) return prompts.DetectionGaveUp() ? kTimedOut : kNotLinked;
        std::string why = end == LoadEnd::Loaded ? "the link could not be opened"
                                                 : "the project could not be loaded";
        if (end == LoadEnd::WaitingForChoice) {
            why = "several projects here (";
            for (const std::string& entry : view.ComboEntries(ids::kProjectChooser)) why += entry;
            why += " ); name one: varnolux-cli log BASE";
        }
        WriteText(stderr, "varnolux-cli log: " + why + "\n");
        return kNotLinked;
    }

    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);

    int exitStatus = 0;
    Clock::time_point waitingSince{};
    const Clock::time_point linked = Clock::now();
    RateWatch rateWatch;
    LostPortWatch lostPort(session.run, steps.PortName(session.settings.Port), a.reconnect);
    while (!g_interrupted && !printer.untilReached.load() &&
           (a.count == 0 || dumps.load() < a.count)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const Clock::time_point now = Clock::now();
        const int64_t ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(now - linked).count();
        if (port.SetsRate() && IsSupportedRate(session.settings.Baud) &&
            rateWatch.Due(ms, port.BytesRead(), session.run.PacketCount.load()))
            WriteText(stderr, "varnolux-cli log: bytes arrive on " +
                                  steps.PortName(session.settings.Port) +
                                  " but no dump starts: the target may talk at another rate than " +
                                  std::to_string(session.settings.Baud) + " (--baud 0 finds it)\n");
        if (session.run.TargetWaiting.load() == 1) {
            if (waitingSince == Clock::time_point{}) waitingSince = now;
            if (now - waitingSince >= std::chrono::milliseconds(a.releaseMs)) {
                session.run.TargetWaiting = 0;  // the Continue button
                waitingSince = Clock::time_point{};
            }
        } else {
            waitingSince = Clock::time_point{};
        }
        if (lostPort.Ends()) {
            exitStatus = kTimedOut;
            break;
        }
        const Clock::time_point last{Clock::duration(printer.lastDumpAt.load())};
        if (a.timeoutS > 0 && now - last > std::chrono::seconds(a.timeoutS)) {
            std::fprintf(stderr, "varnolux-cli log: no dump for %ld seconds\n", a.timeoutS);
            exitStatus = kTimedOut;
            break;
        }
    }
    link->Stop(*startup.thread);
    std::fprintf(stderr, "varnolux-cli log: %ld dumps, %d packets\n", dumps.load(),
                 session.run.PacketCount.load());
    if (!a.rules.trigger.empty()) {
        const std::vector<std::string> files = link->Recorder()->AroundFiles();
        std::string list;
        for (const std::string& f : files) list += " " + f;
        WriteText(stderr, "varnolux-cli log: " + std::to_string(files.size()) +
                              " recordings around --trigger" + (files.empty() ? "" : ":") + list +
                              "\n");
    }
    if (!link->EndRecording() && exitStatus == 0) exitStatus = kNotLinked;
    return exitStatus;
}

}  // namespace varnolux::cli
