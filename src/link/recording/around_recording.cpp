#include "link/recording/around_recording.h"

#include <algorithm>

namespace varnolux {

std::string NumberedPath(const std::string& path, int number) {
    const size_t slash = path.find_last_of("/\\");
    const size_t dot = path.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const size_t at = hasExtension ? dot : path.size();
    return path.substr(0, at) + "-" + std::to_string(number) + path.substr(at);
}

AroundRecording::AroundRecording(HostOs& os, std::string path, RecordingFacts facts, int keep)
    : os_(os),
      path_(std::move(path)),
      facts_(std::move(facts)),
      keep_(static_cast<size_t>(std::max(0, keep))) {}

void AroundRecording::Trigger(int pre, int post, std::vector<std::string> notes, int baud) {
    triggers_.push_back(Pending{std::max(0, pre), std::max(0, post), std::move(notes), baud});
}

bool AroundRecording::EndTransaction(const std::string& blocks) {
    bool ok = true;
    for (Open& o : open_) {
        ok = os_.AppendFile(o.path, blocks) && ok;
        --o.left;
    }
    open_.erase(
        std::remove_if(open_.begin(), open_.end(), [](const Open& o) { return o.left <= 0; }),
        open_.end());
    for (Pending& t : triggers_) {
        const std::string path = NumberedPath(path_, static_cast<int>(files_.size()) + 1);
        RecordingFacts facts = facts_;
        facts.start = RecordingStart::Link;
        if (t.baud > 0) facts.baud = t.baud;
        facts.notes = std::move(t.notes);
        std::string data = RecordingHeader(facts);
        const size_t before = std::min(kept_.size(), static_cast<size_t>(t.pre));
        for (size_t i = kept_.size() - before; i < kept_.size(); ++i) data += kept_[i];
        data += blocks;
        ok = os_.WriteFile(path, data) && ok;
        files_.push_back(path);
        if (t.post > 0) open_.push_back(Open{path, t.post});
    }
    triggers_.clear();
    kept_.push_back(blocks);
    while (kept_.size() > keep_) kept_.pop_front();
    return ok;
}

}  // namespace varnolux
