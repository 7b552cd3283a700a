#pragma once
// The prompts of a headless run of the link (log, test): messages to stderr,
// and each prompt takes the answer that lets the run go on: No to the
// recompile prompt, Retry to the others. Automatic detection is given up after
// `rounds` rounds, and a port that cannot be used ends the run.
#include <string>

#include "cli/console_seams.h"
#include "seams/memory/memory_prompts.h"

namespace varnolux::cli {

class LinkPrompts : public ConsolePrompts {
  public:
    explicit LinkPrompts(int rounds) : rounds_(rounds) {}
    PromptAnswer Show(const PromptRequest& request) override {
        ConsolePrompts::Show(request);
        if (request.buttons == PromptButtons::RetryCancel && GivesUp(request.text))
            return PromptAnswer::Cancel;
        return RunOnAnswer(request.buttons);
    }

  private:
    // A port that cannot be used, or the last round of detection that failed.
    bool GivesUp(const std::string& text) {
        if (text.find("GetCommState FAILED") != std::string::npos) return true;
        return text.rfind("Auto baud rate detect failed", 0) == 0 && ++failedRounds_ >= rounds_;
    }

    int rounds_;
    int failedRounds_ = 0;
};

}  // namespace varnolux::cli
