#include "cli/dap/host.h"

#include <chrono>
#include <filesystem>
#include <system_error>
#include <thread>

#include "project/load/sequence.h"
#include "project/sources/files.h"
#include "script/script_target.h"

namespace varnolux::cli {

PromptAnswer DapPrompts::Show(const PromptRequest& request) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        texts_.push_back(request.text);
    }
    return LinkPrompts::Show(request);
}

std::vector<std::string> DapPrompts::Take() {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::string> texts = std::move(texts_);
    texts_.clear();
    return texts;
}

// The link's load steps with the link thread held back until the editor has
// set its breakpoints.
class CliDapHost::Steps : public LinkLoadSteps {
  public:
    using LinkLoadSteps::LinkLoadSteps;
    void StartLinkThread() override {}
    void Run() { LinkLoadSteps::StartLinkThread(); }
};

CliDapHost::CliDapHost(Session& session, ConsoleSeams& console, DapPrompts& prompts)
    : session_(session), console_(console), prompts_(prompts) {}

CliDapHost::~CliDapHost() {
    Disconnect();
}

bool CliDapHost::Launch(const dap::LaunchArgs& args, TransactionListener& listener,
                        DumpKeeper& keeper, std::string& error) {
    if (!args.project.empty()) {
        std::error_code ec;
        std::filesystem::current_path(args.project, ec);
        if (ec) {
            error = "cannot open the project folder " + args.project;
            return false;
        }
    }
    linkArgs_.base = args.base;
    if (IsDigits(args.port))
        linkArgs_.port = std::stoi(args.port);
    else
        linkArgs_.device = args.port;
    linkArgs_.baud = args.baud;
    LoadConsoleSettings(session_, console_.os, "", linkArgs_.baud, linkArgs_.port);
    session_.project.commandLineProject = args.base;
    link_ = ConsoleLink::Make("dap", linkArgs_, console_.os, session_);
    if (!link_) {
        error = "the port \"" + args.port +
                "\" cannot be used here: a number (3 for COM3), a device path, "
                "rfc2217://HOST:PORT or tcp://HOST:PORT";
        return false;
    }
    port_ = std::make_unique<dap::LineWatchPort>(link_->Port());
    // A lost line ends the session with "terminated" rather than waiting for the port.
    steps_ = std::make_unique<Steps>(session_, console_.seams, *port_, startup_, &listener,
                                     linkArgs_.device.empty(), link_->Clock(), &keeper, false);
    const LoadEnd end = LoadAtStartup(session_, console_.seams, *steps_);
    if (end == LoadEnd::WaitingForChoice) {
        error = "several projects here: name one with \"base\"";
        return false;
    }
    if (end != LoadEnd::Loaded) {
        error = "the project could not be loaded";
        return false;
    }
    if (!startup_.opened) {
        error = "the link could not be opened";
        return false;
    }
    return true;
}

std::vector<std::string> CliDapHost::SourcePaths() {
    std::vector<std::string> paths;
    const std::string& folder = session_.project.programFolder;
    for (const std::string& listed : session_.project.sourceFiles) {
        // The name as the project folder stores it, so the editor finds its own file.
        const std::filesystem::path stored = folder + StoredFileName(console_.os, folder, listed);
        std::error_code ec;
        if (std::filesystem::exists(stored, ec)) {
            paths.push_back(std::filesystem::absolute(stored, ec).lexically_normal().string());
            continue;
        }
        const auto path = ResolveSourceFile(console_.os, folder, listed);
        paths.push_back(path ? *path : listed);
    }
    return paths;
}

void CliDapHost::RunLink() {
    if (steps_) steps_->Run();
}

bool CliDapHost::LinkLost() {
    return port_ && port_->Lost();
}

void CliDapHost::Disconnect() {
    if (disconnected_) return;
    disconnected_ = true;
    if (!startup_.thread) return;
    // The target held at a dumpw point asks again and again; the next answer
    // lets it run on before the link ends.
    session_.run.RepeatDumpId = script::kRunEverywhere;
    session_.run.RuleHold = 0;
    session_.run.TargetWaiting = 0;
    for (int i = 0; i < 100 && port_->Held() && !LinkLost(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    link_->Stop(*startup_.thread);
    link_->EndRecording();
}

}  // namespace varnolux::cli
