#pragma once
// Prompts for tests and headless front ends: answers come from a script (or a
// default), every request is recorded in order.
#include <deque>
#include <vector>

#include "seams/prompts.h"

namespace varnolux {

class MemoryPrompts : public Prompts {
  public:
    PromptAnswer Show(const PromptRequest& request) override;

    // Answers handed out in order; when the script is empty the default answer
    // for the box's buttons is used (OK, Yes, Retry, Ignore: the one that goes on).
    void Script(PromptAnswer answer) { script_.push_back(answer); }
    std::vector<PromptRequest> shown;
    std::vector<std::string> Texts() const;

  private:
    std::deque<PromptAnswer> script_;
};

// The answer that lets a headless load go on: OK, Yes, Retry or Ignore.
PromptAnswer ContinuingAnswer(PromptButtons buttons);
// The answer that lets a headless run of the link go on: No to a Yes/No box
// (the recompile prompt), Retry to Retry/Cancel and Abort/Retry/Ignore, OK
// to the rest.
PromptAnswer RunOnAnswer(PromptButtons buttons);

}  // namespace varnolux
