#include "project/listing/files.h"

#include "project/listing/text.h"
#include "seams/ini_file.h"
#include "text/text_util.h"

namespace varnolux {

size_t ReadSourceFileList(const std::vector<std::string>& lines, std::vector<std::string>& files,
                          std::vector<std::string>& messages) {
    size_t ignored = 0;
    size_t i = 0;
    for (; i < lines.size(); ++i) {
        const std::string comment = CommentText(lines[i]);
        if (comment == "[Variable Listing]") break;
        if (comment.compare(0, 4, "FILE") != 0) continue;
        // "FILE F1 = C:\PROJ\MAIN.BAS": the name starts two characters after "=".
        const size_t equals = comment.find('=');
        if (equals == std::string::npos) continue;
        const std::string name =
            TrimTrailingBlanks(equals + 2 <= comment.size() ? comment.substr(equals + 2) : "");
        if (name.empty()) continue;
        if (files.size() < kMaxSourceFiles) {
            files.push_back(name);
        } else {
            ++ignored;
        }
    }
    if (ignored > 0) {
        messages.push_back("ReadListing 9 more than " + std::to_string(kMaxSourceFiles) +
                           " source files; " + std::to_string(ignored) + " not read");
    }
    return i;
}

}  // namespace varnolux
