#include "project/device/file_problem.h"

namespace varnolux {

FileProblem ProblemOfFile(const HostOs& os, const std::string& path) {
    return os.ReadFile(path) ? FileProblem::None : MissingOrUnreadable(os, path);
}

FileProblem MissingOrUnreadable(const HostOs& os, const std::string& path) {
    return os.FileExists(path) ? FileProblem::Unreadable : FileProblem::Missing;
}

std::string FileProblemText(const std::string& what, const std::string& path, FileProblem problem) {
    switch (problem) {
        case FileProblem::Missing:
            return what + " " + path + " not found";
        case FileProblem::Unreadable:
            return what + " " + path + " cannot be read (no permission, or locked)";
        default:
            return std::string();
    }
}

}  // namespace varnolux
