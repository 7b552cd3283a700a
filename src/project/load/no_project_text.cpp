#include "project/load/no_project_text.h"

#include "text/text_util.h"

namespace varnolux {

namespace {

constexpr char kSampleFolder[] = "demo";

bool HoldsMainSource(const HostOs& os, const std::string& folder) {
    for (const DirEntry& entry : os.ListDirectory(folder)) {
        const std::string lower = LowerCase(entry.name);
        if (!entry.isDirectory && lower.size() > 4 &&
            lower.compare(lower.size() - 4, 4, ".bas") == 0)
            return true;
    }
    return false;
}

}  // namespace

std::string NoProjectText(const HostOs& os, const std::string& folder, int exitCode) {
    std::string text = "A complete set of project files not found - Exiting " +
                       std::to_string(exitCode) + "\r\n\r\nLooked in " + folder +
                       "\r\nA project there needs NAME.bas with NAME.lst and NAME.hex from one "
                       "compile.";
    // The folder ends in its separator, which names the sample's folder the same way.
    const std::string separator =
        folder.empty() ? std::string("\\") : folder.substr(folder.size() - 1);
    const std::string sample = folder + kSampleFolder + separator;
    if (HoldsMainSource(os, sample)) {
        text += "\r\nThe sample project is in " + std::string(kSampleFolder) + separator;
        if (os.FileExists(sample + "Try the demo.cmd"))
            text += "; \"Try the demo.cmd\" there replays a recorded session of it.";
        else
            text += ".";
    }
    return text;
}

}  // namespace varnolux
