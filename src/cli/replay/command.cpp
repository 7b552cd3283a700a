// "varnolux-cli replay": a session recording played through the link engine,
// printing every dump as "log" printed it live, or the differences between two.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "cli/console/args.h"
#include "cli/console/commands.h"
#include "cli/console/console_seams.h"
#include "cli/console/dump_snapshot.h"
#include "cli/console/link_prompts.h"
#include "cli/console/log_output.h"
#include "cli/console/text.h"
#include "link/recording/facts.h"
#include "link/replay/answers.h"
#include "link/replay/run.h"
#include "state/session.h"

namespace varnolux::cli {

namespace {

constexpr int kBadArguments = 1;
constexpr int kNoReplay = 2;

struct ReplayArgs {
    std::string file;
    std::string project;  // the project's folder; empty: beside the recording, else here
    std::string ini;
    LogFormat format = LogFormat::Text;
    long from = 1;
    long to = 0;  // 0: to the end
    long diffA = 0, diffB = 0;
    int radix = 0;
};

int Fail(const std::string& message, int status = kBadArguments) {
    WriteText(stderr, "varnolux-cli replay: " + message + "\n");
    return status;
}

// Dump numbers of --from, --to and --diff: counted from 1, so 0 is refused
// with a word of its own.
CliOption DumpOption(const std::string& name, std::vector<long*> fields) {
    const int count = static_cast<int>(fields.size());
    return CliOption{name, count,
                     [name, fields](const std::vector<std::string>& v, std::string& message) {
                         for (const std::string& value : v)
                             if (!IsDigits(value)) return false;
                         std::string given = name;
                         for (const std::string& value : v) given += " " + value;
                         for (const std::string& value : v)
                             if (std::atol(value.c_str()) == 0)
                                 return (message = given + ": dumps are numbered from 1"), false;
                         for (size_t i = 0; i < v.size(); ++i) *fields[i] = std::atol(v[i].c_str());
                         return true;
                     }};
}

CliCommand ReplayCommand(ReplayArgs& a) {
    return CliCommand{
        "replay",
        kBadArguments,
        PrintReplayUsage,
        {&a.file},
        "one recording only",
        "name the recording: varnolux-cli replay FILE",
        {FormatOption(a.format), DumpOption("--from", {&a.from}), DumpOption("--to", {&a.to}),
         DumpOption("--diff", {&a.diffA, &a.diffB}), TextOption("--project", a.project),
         TextOption("--ini", a.ini), RadixOption(a.radix)}};
}

// Prints the dumps in the range, or keeps the two of a diff.
class ReplayPrinter : public TransactionListener {
  public:
    ReplayPrinter(Session& session, const MainWindowView& view, const ReplayArgs& a)
        : session_(session), view_(view), a_(a) {}
    void TransactionDone() override {
        ++dumps;
        if (a_.diffA > 0) {
            if (dumps == a_.diffA) first = TakeDump(session_, view_);
            if (dumps == a_.diffB) second = TakeDump(session_, view_);
            return;
        }
        if (dumps < a_.from || (a_.to > 0 && dumps > a_.to)) return;
        const std::string record = LogRecord(a_.format, TakeDump(session_, view_));
        WriteText(stdout, record);
    }
    long dumps = 0;
    LoggedDump first, second;

  private:
    Session& session_;
    const MainWindowView& view_;
    const ReplayArgs& a_;
};

bool ReadWholeFile(const std::string& path, std::string& data) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// The folder the project is taken from: the one named, else the recording's
// own when the listing is there, else the current one.
std::filesystem::path ProjectFolder(const ReplayArgs& a, const std::string& base,
                                    const WorkingFolderHostOs& os) {
    if (!a.project.empty()) return a.project;
    std::filesystem::path beside = std::filesystem::absolute(a.file).parent_path();
    if (os.FileExists((beside / (base + ".lst")).string())) return beside;
    return std::filesystem::current_path();
}

void PrintDiff(const LoggedDump& a, const LoggedDump& b, long ia, long ib) {
    std::printf("VarLabel\tdump %ld (DumpID %d)\tdump %ld (DumpID %d)\n", ia, a.DumpId, ib,
                b.DumpId);
    std::map<std::string, std::string> inB;
    for (const LoggedValue& v : b.values) inB[v.VarLabel] = v.value;
    for (const LoggedValue& v : a.values) {
        const auto other = inB.find(v.VarLabel);
        const std::string bValue = other == inB.end() ? std::string() : other->second;
        if (bValue != v.value)
            WriteText(stdout, v.VarLabel + "\t" + v.value + "\t" + bValue + "\n");
    }
}

}  // namespace

void PrintReplayUsage() {
    std::printf(
        "usage: varnolux-cli replay FILE [options]\n"
        "\n"
        "Plays a session recording (made with \"varnolux-cli log --record FILE\" or the\n"
        "program's File -> Record session...) through the link as it ran live, with\n"
        "the project the recording names, and prints every dump as \"log\" printed it.\n"
        "Dumps are numbered from 1 in the order of the recording.\n"
        "\n"
        "  --format F         text (default), csv or jsonl, as for log\n"
        "  --from N           the first dump printed (default 1)\n"
        "  --to N             the last dump printed (default: the last of the file)\n"
        "  --diff A B         print instead the variables whose values differ between\n"
        "                     dump A and dump B: VarLabel, the value in A, the value\n"
        "                     in B, separated by tabs, after a header line\n"
        "  --radix R          dec, hex or bin for every value (default: the settings')\n"
        "  --project DIR      the project's folder (default: the recording's folder when\n"
        "                     the project's listing is there, else the current folder)\n"
        "  --ini FILE         settings file (default: Varnolux.ini of the project folder)\n"
        "\n"
        "A listing whose size or time differ from the recorded one is used with a\n"
        "warning. A file cut inside a block (a crash while recording) is replayed up\n"
        "to that block and the cut is reported on stderr.\n"
        "\n"
        "exit status: 0 replayed; 1 bad arguments; 2 no recording, the project not\n"
        "found or not loaded, or a dump of --diff not in the recording.\n");
}

int RunReplay(const std::vector<std::string>& args) {
    ReplayArgs a;
    int status = 0;
    if (!TakeCliArgs(ReplayCommand(a), args, status)) return status;

    std::string bytes;
    if (!ReadWholeFile(a.file, bytes)) return Fail("cannot read " + a.file, kNoReplay);
    const RecordingContents contents = ParseRecording(bytes);
    if (contents.problem == RecordingProblem::Empty)
        return Fail(a.file + " is empty: it holds no recording", kNoReplay);
    if (contents.problem == RecordingProblem::NotRecording)
        return Fail(a.file + " is not a Varnolux session recording", kNoReplay);

    LinkPrompts prompts(100);  // rounds of detection: the recorded ones end it first
    ConsoleSeams console(prompts);
    const WorkingFolderHostOs& os = console.os;
    const std::string base = contents.facts.baseName;
    const std::filesystem::path folder = ProjectFolder(a, base, os);
    std::error_code error;
    std::filesystem::current_path(folder, error);
    if (error || !os.FileExists(base + ".lst"))
        return Fail(a.file + " is a recording of the project \"" + base + "\", whose listing " +
                        base + ".lst is not in " + folder.string() +
                        " (name the project's folder with --project DIR)",
                    kNoReplay);

    Session session;
    LoadConsoleSettings(session, os, a.ini);
    session.project.commandLineProject = base;

    ReplayPrinter printer(session, console.view, a);
    ReplayRun run(session, console.seams, contents, &printer);
    ReplayLoadSteps steps(run);
    if (a.diffA == 0) {
        const std::string header = LogHeader(a.format);
        WriteText(stdout, header);
    }
    const LoadEnd end = LoadAtStartup(session, console.seams, steps);
    if (end != LoadEnd::Loaded || !steps.opened)
        return Fail("the project " + base + " could not be loaded", kNoReplay);
    const std::string difference = ListingDifference(contents.facts, session, os);
    if (!difference.empty()) WriteText(stderr, "varnolux-cli replay: " + difference + "\n");
    SetValueRadix(session, a.radix != 0 ? a.radix : session.settings.DefaultDataRadix);

    // The dumps after the last one asked for are not played.
    const long last = a.diffA > 0 ? std::max(a.diffA, a.diffB) : a.to;
    while (run.NextDump())
        if (last > 0 && printer.dumps >= last) break;
    if (a.diffA == 0) std::fflush(stdout);
    if (contents.cut)
        std::fprintf(stderr,
                     "varnolux-cli replay: %s is cut at byte %zu (the recording ended in the "
                     "middle of a block); the dumps before it are replayed\n",
                     a.file.c_str(), contents.cutOffset);
    if (a.diffA > 0) {
        if (printer.dumps < std::max(a.diffA, a.diffB))
            return Fail("the recording holds " + std::to_string(printer.dumps) + " dumps",
                        kNoReplay);
        PrintDiff(printer.first, printer.second, a.diffA, a.diffB);
        return 0;
    }
    std::string answers = AnswerDifferenceText(run.Port().Mismatches());
    if (!answers.empty()) answers = ", " + answers;
    std::fprintf(stderr, "varnolux-cli replay: %ld dumps, %d packets%s\n", printer.dumps,
                 session.run.PacketCount.load(), answers.c_str());
    return 0;
}

}  // namespace varnolux::cli
