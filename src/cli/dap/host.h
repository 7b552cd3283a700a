#pragma once
// The console's side of "varnolux-cli dap": the project loaded in the folder
// the client names, the link on the port it names, and every message of the
// load and the link kept for the client as output, not written to a terminal.
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "cli/console/args.h"
#include "cli/console/console_seams.h"
#include "cli/console/link.h"
#include "cli/console/link_prompts.h"
#include "dap/dap_adapter.h"
#include "dap/line_watch_port.h"
#include "link/thread/link_startup.h"
#include "state/session.h"

namespace varnolux::cli {

// The prompts of the link as "log" answers them, each text kept for the client.
class DapPrompts : public LinkPrompts {
  public:
    DapPrompts() : LinkPrompts(3) {}
    PromptAnswer Show(const PromptRequest& request) override;
    std::vector<std::string> Take();

  private:
    std::mutex mutex_;
    std::vector<std::string> texts_;
};

class CliDapHost : public dap::DapHost {
  public:
    CliDapHost(Session& session, ConsoleSeams& console, DapPrompts& prompts);
    ~CliDapHost() override;

    bool Launch(const dap::LaunchArgs& args, TransactionListener& listener, DumpKeeper& keeper,
                std::string& error) override;
    std::vector<std::string> SourcePaths() override;
    void RunLink() override;
    bool LinkLost() override;
    void Disconnect() override;
    std::vector<std::string> TakeMessages() override { return prompts_.Take(); }

  private:
    class Steps;
    Session& session_;
    ConsoleSeams& console_;
    DapPrompts& prompts_;
    LinkArgs linkArgs_;
    std::unique_ptr<ConsoleLink> link_;
    std::unique_ptr<dap::LineWatchPort> port_;
    LinkStartup startup_;
    std::unique_ptr<Steps> steps_;
    bool disconnected_ = false;
};

}  // namespace varnolux::cli
