#include "seams/memory/memory_prompts.h"

namespace varnolux {

namespace {

// The answers of the two headless ways of going on, for each kind of box.
struct HeadlessAnswers {
    PromptButtons buttons;
    PromptAnswer continuing;
    PromptAnswer runOn;
};

constexpr HeadlessAnswers kHeadlessAnswers[] = {
    {PromptButtons::Ok, PromptAnswer::Ok, PromptAnswer::Ok},
    {PromptButtons::OkCancel, PromptAnswer::Ok, PromptAnswer::Ok},
    {PromptButtons::YesNoCancel, PromptAnswer::Yes, PromptAnswer::No},
    {PromptButtons::YesNo, PromptAnswer::Yes, PromptAnswer::No},
    {PromptButtons::RetryCancel, PromptAnswer::Retry, PromptAnswer::Retry},
    {PromptButtons::AbortRetryIgnore, PromptAnswer::Ignore, PromptAnswer::Retry},
};

const HeadlessAnswers& AnswersFor(PromptButtons buttons) {
    for (const HeadlessAnswers& answers : kHeadlessAnswers)
        if (answers.buttons == buttons) return answers;
    return kHeadlessAnswers[0];
}

}  // namespace

PromptAnswer ContinuingAnswer(PromptButtons buttons) {
    return AnswersFor(buttons).continuing;
}

PromptAnswer RunOnAnswer(PromptButtons buttons) {
    return AnswersFor(buttons).runOn;
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
