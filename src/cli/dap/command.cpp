// "varnolux-cli dap": the Debug Adapter Protocol on stdin and stdout, for
// editors that debug through it (VS Code, and Neovim, Emacs or Theia through
// their DAP clients). The client's launch or attach request names the project
// and the port; the load and the link are those of "log" and "test".
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>

#include "cli/console/args.h"
#include "cli/console/binary_stdio.h"
#include "cli/console/commands.h"
#include "cli/dap/host.h"
#include "dap/dap_adapter.h"
#include "dap/dap_framing.h"

namespace varnolux::cli {

namespace {

// The client's messages, read on a thread of their own so the adapter goes on
// reporting the link while no request comes.
class ClientReader {
  public:
    void Start() {
        std::thread([this] { Read(); }).detach();
    }
    // The next message body within `wait`; false when none came (`closed`
    // once the client's end is closed and every message was taken).
    bool Next(std::string& body, std::chrono::milliseconds wait, bool& closed) {
        std::unique_lock<std::mutex> lock(mutex_);
        ready_.wait_for(lock, wait, [this] { return !bodies_.empty() || closed_; });
        closed = closed_ && bodies_.empty();
        if (bodies_.empty()) return false;
        body = std::move(bodies_.front());
        bodies_.pop_front();
        return true;
    }

  private:
    void Read() {
        dap::FrameReader frames;
        for (int c; (c = std::getc(stdin)) != EOF;) {
            const char byte = static_cast<char>(c);
            frames.Feed(&byte, 1);
            std::string body, error;
            while (frames.Next(body, error)) {
                std::lock_guard<std::mutex> lock(mutex_);
                bodies_.push_back(std::move(body));
                ready_.notify_one();
            }
            if (!error.empty()) std::fprintf(stderr, "varnolux-cli dap: %s\n", error.c_str());
        }
        std::lock_guard<std::mutex> lock(mutex_);
        closed_ = true;
        ready_.notify_one();
    }

    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<std::string> bodies_;
    bool closed_ = false;
};

void SendToClient(const dap::Json& message) {
    const std::string framed = dap::Frame(message.Dump());
    std::fwrite(framed.data(), 1, framed.size(), stdout);
    std::fflush(stdout);
}

}  // namespace

void PrintDapUsage() {
    std::printf(
        "usage: varnolux-cli dap\n"
        "\n"
        "Speaks the Debug Adapter Protocol on stdin and stdout, for an editor's\n"
        "debugger (the Varnolux extension of VS Code starts it). The client's launch\n"
        "or attach request names the project and the link:\n"
        "\n"
        "  project      the project's folder (default: the current folder)\n"
        "  base         the project's name when the folder holds several\n"
        "  port         a port number, or a device path such as /dev/ttyUSB0\n"
        "  baud         9600 ... 115200; 0 detects the rate\n"
        "  stopOnEntry  hold the target at the first dumpw point\n"
        "\n"
        "Breakpoints go on dump and dumpw lines; conditions, hit counts and log\n"
        "messages become stop rules. Messages of the load and the link arrive as the\n"
        "debug console's output.\n"
        "\n"
        "exit status: 0 the client disconnected; 1 bad arguments.\n");
}

int RunDap(const std::vector<std::string>& args) {
    int status = 0;
    const CliCommand command{"dap", 1, PrintDapUsage, {}, "no names", "", {}};
    if (!TakeCliArgs(command, args, status)) return status;
    UseBinaryStdio();

    DapPrompts prompts;
    ConsoleSeams console(prompts);
    Session session;
    CliDapHost host(session, console, prompts);
    dap::DapAdapter adapter(session, host, SendToClient);
    ClientReader reader;
    reader.Start();
    while (!adapter.Ended()) {
        std::string body;
        bool closed = false;
        if (reader.Next(body, std::chrono::milliseconds(20), closed)) {
            dap::Json message;
            std::string error;
            if (dap::ParseJson(body, message, error))
                adapter.Handle(message);
            else
                std::fprintf(stderr, "varnolux-cli dap: a message that is no JSON (%s)\n",
                             error.c_str());
        }
        if (closed) break;
        adapter.Poll();
    }
    host.Disconnect();
    return 0;
}

}  // namespace varnolux::cli
