#include "cli/console/text.h"

namespace varnolux::cli {

void WriteText(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

}  // namespace varnolux::cli
