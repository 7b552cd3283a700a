#pragma once
// The prompts of a headless run of the link (log, test): each prompt takes the
// answer that lets the run go on (No to the recompile prompt, Retry to the
// others), and the boxes of the link's start are told on stderr in the
// console's own words: what happened, which option or setting named the port
// and rate, and what the run does next. Automatic detection is given up after
// `rounds` rounds, told once; a port that cannot be used ends the run.
#include <string>
#include <vector>

#include "cli/console/console_seams.h"

namespace varnolux::cli {

// What the console knows of its run for its words.
struct ConsoleRunFacts {
    std::string command = "log";
    std::string portName;            // "COM9", "/dev/ttyUSB0"
    std::string portSource;          // "--port 9", or "Port= in [Comms] of FILE"
    std::string rateSource;          // "--baud 115200", or "Baud= in [Comms] of FILE"
    int baud = 0;                    // the rate in force
    std::vector<std::string> ports;  // the ports the system lists
    bool reconnect = false;
};

class LinkPrompts : public ConsolePrompts {
  public:
    explicit LinkPrompts(int rounds) : rounds_(rounds) {}
    PromptAnswer Show(const PromptRequest& request) override;

    // True once detection was given up: the run ends as one without a dump.
    bool DetectionGaveUp() const { return gaveUp_; }
    // True once the words said why the run ends.
    bool EndTold() const { return endTold_; }

    ConsoleRunFacts facts;

  private:
    // The words for a box of the link's start; empty for other boxes.
    std::string Words(const PromptRequest& request, PromptAnswer answer) const;

    int rounds_;
    int failedRounds_ = 0;
    bool gaveUp_ = false;
    bool endTold_ = false;
};

}  // namespace varnolux::cli
