#include "cli/link_prompts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnolux::cli {
namespace {

// A headless link run goes on where it can: No to the recompile prompt, Retry
// to the others, until the port cannot be used or detection failed `rounds`
// times.
TEST(LinkPrompts, GoOnUntilThePortOrTheRoundsGiveOut) {
    struct Step {
        PromptButtons buttons;
        std::string text;
        PromptAnswer answer;
    };
    const std::string failed = "Auto baud rate detect failed on COM1";
    const std::vector<Step> steps = {
        {PromptButtons::Ok, "Loaded", PromptAnswer::Ok},
        {PromptButtons::YesNo, "Recompile?", PromptAnswer::No},
        {PromptButtons::YesNoCancel, "Recompile?", PromptAnswer::No},
        {PromptButtons::AbortRetryIgnore, "Read error", PromptAnswer::Retry},
        {PromptButtons::RetryCancel, failed, PromptAnswer::Retry},
        {PromptButtons::RetryCancel, "Timed out", PromptAnswer::Retry},
        {PromptButtons::RetryCancel, failed, PromptAnswer::Cancel},
        {PromptButtons::RetryCancel, "COM1 GetCommState FAILED", PromptAnswer::Cancel},
    };
    LinkPrompts prompts(2);
    for (const Step& s : steps) {
        PromptRequest request;
        request.buttons = s.buttons;
        request.text = s.text;
        EXPECT_EQ(prompts.Show(request), s.answer) << s.text;
    }
    EXPECT_EQ(prompts.shown.size(), steps.size());
}

}  // namespace
}  // namespace varnolux::cli
