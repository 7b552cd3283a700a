#include "seams/memory/memory_prompts.h"

namespace varnolux {

PromptAnswer ContinuingAnswer(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::Ok:
        case PromptButtons::OkCancel:
            return PromptAnswer::Ok;
        case PromptButtons::YesNoCancel:
        case PromptButtons::YesNo:
            return PromptAnswer::Yes;
        case PromptButtons::RetryCancel:
            return PromptAnswer::Retry;
        case PromptButtons::AbortRetryIgnore:
            return PromptAnswer::Ignore;
    }
    return PromptAnswer::Ok;
}

PromptAnswer MemoryPrompts::Show(const PromptRequest& request) {
    shown.push_back(request);
    if (script_.empty()) return ContinuingAnswer(request.buttons);
    PromptAnswer a = script_.front();
    script_.pop_front();
    return a;
}

std::vector<std::string> MemoryPrompts::Texts() const {
    std::vector<std::string> out;
    for (const auto& r : shown) out.push_back(r.text);
    return out;
}

}  // namespace varnolux
