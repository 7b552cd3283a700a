#pragma once
// Message boxes and prompts shown to the user. The Win32 front end shows real
// message boxes; tests script the answers and record every text shown.
#include <string>

namespace varnolux {

enum class PromptButtons { Ok, OkCancel, YesNoCancel, YesNo, RetryCancel, AbortRetryIgnore };
enum class PromptIcon { None, Information, Question, Exclamation, Error };
enum class PromptModality { Application, Task, System };
enum class PromptAnswer { Ok, Cancel, Yes, No, Retry, Abort, Ignore, Closed };
// What a box of the link's start is about, so that a front end without boxes
// (the console) can say it in its own words; General for every other box.
enum class PromptTopic {
    General,
    PortUnlisted,     // the port is not among those the system lists
    PortMissing,      // the port cannot be opened
    LineSettings,     // the port opened but has no line settings
    DetectionFailed,  // a round of rate detection heard no target
    NoAnswer,         // no target heard at the rate in force
};

struct PromptRequest {
    std::string text;
    std::string caption = "Varnolux";
    PromptButtons buttons = PromptButtons::Ok;
    PromptIcon icon = PromptIcon::Information;
    PromptModality modality = PromptModality::Task;
    bool topmost = true;
    bool foreground = false;  // brought to the foreground when shown
    int defaultButton = 1;    // the button Enter presses, counted from 1 (left)
    PromptTopic topic = PromptTopic::General;
};

class Prompts {
  public:
    virtual ~Prompts() = default;
    virtual PromptAnswer Show(const PromptRequest& request) = 0;

    // The common case: an information box captioned "Varnolux" with an OK button.
    void Inform(const std::string& text) {
        PromptRequest r;
        r.text = text;
        Show(r);
    }
};

}  // namespace varnolux
