#pragma once
// A recording of the traffic around the moments a stop rule fires: the last
// transactions are kept in memory only; a trigger writes the ones before the
// firing dump, its own and the ones after it into a file of their own,
// numbered from the recording's name ("run.pcapng" gives "run-1.pcapng",
// "run-2.pcapng" ...). Each file replays as a recording begun on a running link.
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "link/recording/file.h"
#include "seams/host_os.h"

namespace varnolux {

// "run.pcapng" and 2 give "run-2.pcapng".
std::string NumberedPath(const std::string& path, int number);

class AroundRecording {
  public:
    AroundRecording(HostOs& os, std::string path, RecordingFacts facts, int keep);

    // The transaction in progress fired a rule: it goes out with up to `pre`
    // before it and the `post` after it; `notes` become the file's comments.
    void Trigger(int pre, int post, std::vector<std::string> notes, int baud);
    // One whole transaction's blocks; false when a file could not be written.
    bool EndTransaction(const std::string& blocks);
    std::vector<std::string> Files() const { return files_; }

  private:
    struct Open {
        std::string path;
        int left = 0;  // transactions still to come after the firing one
    };
    struct Pending {
        int pre = 0;
        int post = 0;
        std::vector<std::string> notes;
        int baud = 0;
    };

    HostOs& os_;
    std::string path_;
    RecordingFacts facts_;
    size_t keep_;
    std::deque<std::string> kept_;
    std::vector<Pending> triggers_;
    std::vector<Open> open_;
    std::vector<std::string> files_;
};

}  // namespace varnolux
