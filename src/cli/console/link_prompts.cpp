#include "cli/console/link_prompts.h"

#include "link/line/serial_link.h"
#include "seams/memory/memory_prompts.h"

namespace varnolux::cli {

namespace {

constexpr int kNotLinked = 2;
constexpr int kNoDump = 3;

std::string Listed(const std::vector<std::string>& items, const std::string& none) {
    if (items.empty()) return none;
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
    return text;
}

std::string Ending(int status) {
    return "; ending with status " + std::to_string(status);
}

// The first line of a box's text that is not blank.
std::string FirstLine(const std::string& text) {
    const size_t begin = text.find_first_not_of("\r\n");
    if (begin == std::string::npos) return std::string();
    return text.substr(begin, text.find_first_of("\r\n", begin) - begin);
}

}  // namespace

PromptAnswer LinkPrompts::Show(const PromptRequest& request) {
    PromptAnswer answer = RunOnAnswer(request.buttons);
    switch (request.topic) {
        case PromptTopic::LineSettings:
            answer = PromptAnswer::Cancel;
            break;
        case PromptTopic::DetectionFailed:
            if (++failedRounds_ >= rounds_) {
                gaveUp_ = true;
                answer = PromptAnswer::Cancel;
            }
            break;
        default:
            break;
    }
    // Other boxes, and every box of a run that gave no facts, as the box says them.
    if (request.topic == PromptTopic::General || facts.portName.empty()) {
        ConsolePrompts::Show(request);
        return answer;
    }
    shown.push_back(request.text);
    const std::string words = Words(request, answer);
    if (words.empty()) return answer;
    Say("varnolux-cli " + facts.command + ": " + words);
    endTold_ = endTold_ || answer == PromptAnswer::Cancel ||
               (request.topic == PromptTopic::PortMissing && !facts.reconnect);
    return answer;
}

std::string LinkPrompts::Words(const PromptRequest& request, PromptAnswer answer) const {
    const ConsoleRunFacts& f = facts;
    const std::string port = f.portName;
    switch (request.topic) {
        case PromptTopic::PortUnlisted:
            return port + " is not among the ports the system lists (" + Listed(f.ports, "none") +
                   "); trying it anyway, as " + f.portSource + " names it";
        case PromptTopic::PortMissing: {
            // A port that tells its failure in its own words (a network port) keeps them.
            const std::string first = FirstLine(request.text);
            const std::string what =
                first == port + " cannot be opened." ? port + " cannot be opened" : first;
            const std::string next = f.reconnect
                                         ? "; waiting for it to appear (--reconnect)"
                                         : Ending(kNotLinked) + " (--reconnect waits for it)";
            return what + " (named by " + f.portSource + "); the system lists " +
                   Listed(f.ports, "no serial ports") + next;
        }
        case PromptTopic::LineSettings: {
            const bool serial = request.text.find("is not a serial device") == std::string::npos;
            return port +
                   (serial ? " has no line settings (GetCommState failed)"
                           : " is not a serial device") +
                   Ending(kNotLinked);
        }
        case PromptTopic::DetectionFailed: {
            if (answer != PromptAnswer::Cancel) return std::string();
            std::string rates;
            for (int r : kDetectionOrder) rates += (rates.empty() ? "" : ", ") + std::to_string(r);
            return "no target answered on " + port + " (" + f.portSource + ") at any rate (" +
                   rates + ") in " + std::to_string(failedRounds_) +
                   (failedRounds_ == 1 ? " round" : " rounds") +
                   " of detection: no board, a board not running firmware with dump support, "
                   "or the wrong port" +
                   Ending(kNoDump);
        }
        case PromptTopic::NoAnswer:
            return "no target answered on " + port + " (" + f.portSource + ") at " +
                   std::to_string(f.baud) + " (" + f.rateSource +
                   "): no board answering looks the same as a board at another rate (--baud 0 "
                   "finds it); going on and waiting for the target";
        default:
            return std::string();
    }
}

}  // namespace varnolux::cli
