// varnolux-sim: the target firmware's side of the dump protocol on a
// pseudo-terminal, driven by a project's listing, sources and device file.
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "sim/core/sim_truth.h"
#include "sim/core/target_engine.h"
#include "sim/pty_line.h"
#include "sim/sim_project.h"
#include "state/version.h"

namespace {

volatile sig_atomic_t g_stop = 0;
void OnSignal(int) {
    g_stop = 1;
}

struct Args {
    std::string project = ".";
    std::string base;
    std::string link;
    std::string logPath;
    std::string truthPath;
    int baud = 115200;
    bool pace = false;
    bool silent = false;
    bool hexTag = true;
    int deviceId = -1;
    varnolux::sim::SimOptions options;
};

void Usage() {
    std::printf(
        "usage: varnolux-sim [options]\n"
        "\n"
        "Plays the target firmware of a project on a pseudo-terminal: at every dump\n"
        "point it sends \"c\", takes \"h\" or a host request (ROM check, modify, reset),\n"
        "sends its RAM, EEPROM and ports as packets, the end packet, then \"d\" until \"b\".\n"
        "Prints the terminal's path on the first line of stdout.\n"
        "\n"
        "  --project DIR      project folder with its Varnolux.ini (default: current)\n"
        "  --base NAME        project base name when the folder holds several\n"
        "  --link PATH        also make PATH a symbolic link to the terminal\n"
        "  --baud N           the target's rate (default 115200); a host at another\n"
        "                     rate receives garbage and is not heard\n"
        "  --pace             send no faster than the wire time of the rate\n"
        "  --run-ms N         time the program runs between dump points (default 20)\n"
        "  --dumps N          stop after N completed dumps (stays on the line, silent)\n"
        "  --crc-errors R     share of packets sent with a wrong CRC (0..1)\n"
        "  --overlong N       every N-th dump adds an over-long data packet\n"
        "  --unknown N        every N-th dump adds a packet of an unknown type\n"
        "  --no-sync          never send \"c\"\n"
        "  --major N          protocol major version in the end packet (default 1)\n"
        "  --silence-after N  fall silent after N dumps ...\n"
        "  --silence-ms N     ... for N milliseconds, then go on\n"
        "  --silent           never send anything\n"
        "  --rom-mismatch     hold other ROM words than the listing says\n"
        "  --no-hextag        carry no build stamp (default: the object file's time)\n"
        "  --device-id HEX    device ID word (default: the expected one, revision 3)\n"
        "  --seed N           seed of the fault injection\n"
        "  --log FILE         every byte received and every event, one per line\n"
        "  --truth FILE       the variables' values as the target holds them, written\n"
        "                     after the last dump and at exit (JSON)\n"
        "  --scenario FILE    values held at fixed addresses whatever the program does,\n"
        "                     one a line: ADDRESS[.BIT] TYPE VALUE (bit, byte, sbyte,\n"
        "                     word, sword, dword, sdword, float, text)\n"
        "  --garbage N        every N-th dump is preceded by a burst of line noise\n"
        "  --pull-after N     after N dumps send half a packet and end: the line is\n"
        "                     pulled in the middle of a transaction\n"
        "\n"
        "It ends when the process that started it ends (SIGTERM from the kernel). One\n"
        "whose parent had already ended when it started, as in a shell's\n"
        "\"(varnolux-sim ... &)\", finds itself a child of init (PID 1) and ends at\n"
        "once with exit status 4. Where orphans go to a subreaper instead of init,\n"
        "that case cannot be told apart: it then runs until SIGINT or SIGTERM.\n"
        "\n"
        "exit status: 0 after SIGINT or SIGTERM; 1 bad arguments; 2 project not loaded;\n"
        "3 no pseudo-terminal; 4 its parent had already ended.\n");
}

bool Parse(int argc, char** argv, Args& a) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        std::string v;
        if (arg == "--help" || arg == "-h") {
            Usage();
            std::exit(0);
        } else if (arg == "--version") {
            std::printf("varnolux-sim %s\n", varnolux::kVersionText);
            std::exit(0);
        } else if (arg == "--pace") {
            a.pace = true;
        } else if (arg == "--no-sync") {
            a.options.neverSync = true;
        } else if (arg == "--silent") {
            a.silent = true;
        } else if (arg == "--no-hextag") {
            a.hexTag = false;
        } else if (arg == "--rom-mismatch") {
            a.options.romMismatch = true;
        } else if (!value(v)) {
            std::fprintf(stderr, "varnolux-sim: unknown option or missing value \"%s\"\n",
                         arg.c_str());
            return false;
        } else if (arg == "--project") {
            a.project = v;
        } else if (arg == "--base") {
            a.base = v;
        } else if (arg == "--link") {
            a.link = v;
        } else if (arg == "--log") {
            a.logPath = v;
        } else if (arg == "--truth") {
            a.truthPath = v;
        } else if (arg == "--scenario") {
            std::ifstream in(v);
            std::stringstream text;
            text << in.rdbuf();
            std::string error;
            if (!in.is_open() ||
                !varnolux::sim::ParseScenario(text.str(), a.options.scenario, error)) {
                std::fprintf(stderr, "varnolux-sim: %s\n",
                             in.is_open() ? error.c_str() : ("no scenario file " + v).c_str());
                return false;
            }
        } else if (arg == "--pull-after") {
            a.options.pullAfter = std::atoll(v.c_str());
        } else if (arg == "--garbage") {
            a.options.garbageEvery = std::atoi(v.c_str());
        } else if (arg == "--baud") {
            a.baud = std::atoi(v.c_str());
        } else if (arg == "--run-ms") {
            a.options.runMs = std::atoi(v.c_str());
        } else if (arg == "--dumps") {
            a.options.maxDumps = std::atoll(v.c_str());
        } else if (arg == "--crc-errors") {
            a.options.crcErrorRate = std::atof(v.c_str());
        } else if (arg == "--overlong") {
            a.options.overlongEvery = std::atoi(v.c_str());
        } else if (arg == "--unknown") {
            a.options.unknownEvery = std::atoi(v.c_str());
        } else if (arg == "--major") {
            a.options.protocolMajor = static_cast<uint8_t>(std::atoi(v.c_str()));
        } else if (arg == "--silence-after") {
            a.options.silenceAfter = std::atoi(v.c_str());
        } else if (arg == "--silence-ms") {
            a.options.silenceMs = std::atoi(v.c_str());
        } else if (arg == "--device-id") {
            a.deviceId = static_cast<int>(std::strtol(v.c_str(), nullptr, 16));
        } else if (arg == "--seed") {
            a.options.seed = static_cast<uint32_t>(std::strtoul(v.c_str(), nullptr, 10));
        } else {
            std::fprintf(stderr, "varnolux-sim: unknown option \"%s\"\n", arg.c_str());
            return false;
        }
    }
    return true;
}

// A byte sent at the wrong rate arrives as something else: never a protocol character.
uint8_t Garbled(uint8_t b) {
    return static_cast<uint8_t>((b ^ 0xA5) | 0x80);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace varnolux;
    // Follow the parent from the first moment: a parent that ends while the
    // project loads is noticed, and one that ended before main() ran has left
    // this process to init (or to a subreaper), which is not whom it was started by.
    const pid_t parent = getppid();
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (parent == 1 || getppid() != parent) {
        std::fprintf(stderr, "varnolux-sim: the process that started it has already ended\n");
        return 4;
    }
    Args args;
    if (!Parse(argc, argv, args)) return 1;
    if (chdir(args.project.c_str()) != 0) {
        std::fprintf(stderr, "varnolux-sim: no project folder %s\n", args.project.c_str());
        return 2;
    }
    Session session;
    if (!sim::LoadSimProject(session, args.base)) {
        std::fprintf(stderr, "varnolux-sim: the project could not be loaded\n");
        return 2;
    }
    const uint16_t deviceId =
        args.deviceId >= 0 ? static_cast<uint16_t>(args.deviceId) : sim::SimDeviceId(session);
    sim::TargetProgram program = sim::ProgramFromSession(session, deviceId);
    if (args.hexTag) program.hexTag = sim::SimBuildStamp(session);
    sim::TargetEngine engine(std::move(program), args.options);

    std::ofstream log;
    if (!args.logPath.empty()) log.open(args.logPath, std::ios::trunc);
    engine.log = [&log](const std::string& line) {
        if (log.is_open()) log << line << '\n' << std::flush;
    };
    auto writeTruth = [&] {
        if (args.truthPath.empty()) return;
        // Written aside and renamed, so a reader never sees half of it.
        const std::string part = args.truthPath + ".part";
        std::ofstream(part, std::ios::trunc)
            << sim::TruthJson(session, engine.Memory(), engine.LastDumpId());
        std::rename(part.c_str(), args.truthPath.c_str());
    };

    sim::PtyLine line;
    std::string error;
    if (!line.Open(args.link, error)) {
        std::fprintf(stderr, "varnolux-sim: %s\n", error.c_str());
        return 3;
    }
    std::printf("%s\n", line.SlavePath().c_str());
    std::fflush(stdout);

    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    const auto start = std::chrono::steady_clock::now();
    auto nowMs = [&] {
        return static_cast<int64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::steady_clock::now() - start)
                                        .count());
    };
    int hostRate = -1;
    auto watchHostRate = [&] {
        const int rate = line.HostRate();
        if (rate != hostRate && log.is_open()) log << "host rate " << rate << '\n';
        hostRate = rate;
        return rate;
    };
    auto send = [&](std::vector<uint8_t> bytes) {
        if (bytes.empty() || args.silent) return;
        if (watchHostRate() != args.baud)
            for (uint8_t& b : bytes) b = Garbled(b);
        line.Send(bytes);
        if (args.pace)  // ten bits per byte on the wire
            std::this_thread::sleep_for(std::chrono::microseconds(
                static_cast<int64_t>(bytes.size()) * 10000000 / std::max(args.baud, 1)));
    };

    bool truthWritten = false;
    while (!g_stop && !engine.LinePulled()) {
        engine.Tick(nowMs());
        send(engine.TakeOutput());
        if (engine.Finished() && !truthWritten) {
            writeTruth();
            truthWritten = true;
        }
        const int64_t wait =
            std::min<int64_t>(std::max<int64_t>(engine.NextDeadline() - nowMs(), 0), 50);
        const std::vector<uint8_t> received = line.Receive(static_cast<int>(wait));
        const bool heard = watchHostRate() == args.baud;  // also notes a change of rate
        for (uint8_t b : received) {
            if (log.is_open()) {
                char text[16];
                std::snprintf(text, sizeof text, "rx %02X%s", b, heard ? "" : " garbled");
                log << text << '\n';
            }
            if (!heard) continue;
            engine.Receive(b, nowMs());
            send(engine.TakeOutput());
            if (engine.LinePulled()) break;
        }
        if (log.is_open()) log.flush();
    }
    // The last half packet is still read from a pulled line before it is gone.
    if (engine.LinePulled()) std::this_thread::sleep_for(std::chrono::seconds(1));
    writeTruth();
    return 0;
}
