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

PromptAnswer ContinuingAnswer(PromptButtons buttons);

}  // namespace varnolux
