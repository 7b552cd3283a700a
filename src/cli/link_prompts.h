#pragma once
// The prompts of a headless run of the link (log, test): messages to stderr,
// and each prompt takes the answer that lets the run go on: No to the
// recompile prompt, Retry to the others. Automatic detection is given up after
// `rounds` rounds, and a port that cannot be used ends the run.
#include <string>

#include "cli/console_seams.h"

namespace varnolux::cli {

class LinkPrompts : public ConsolePrompts {
  public:
    explicit LinkPrompts(int rounds) : rounds_(rounds) {}
    PromptAnswer Show(const PromptRequest& request) override {
        ConsolePrompts::Show(request);
        switch (request.buttons) {
            case PromptButtons::YesNoCancel:
            case PromptButtons::YesNo:
                return PromptAnswer::No;
            case PromptButtons::AbortRetryIgnore:
                return PromptAnswer::Retry;
            case PromptButtons::RetryCancel:
                if (request.text.find("GetCommState FAILED") != std::string::npos)
                    return PromptAnswer::Cancel;
                if (request.text.rfind("Auto baud rate detect failed", 0) == 0 &&
                    ++failedRounds_ >= rounds_)
                    return PromptAnswer::Cancel;
                return PromptAnswer::Retry;
            default:
                return PromptAnswer::Ok;
        }
    }

  private:
    int rounds_;
    int failedRounds_ = 0;
};

}  // namespace varnolux::cli
