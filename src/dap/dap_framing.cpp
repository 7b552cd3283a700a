#include "dap/dap_framing.h"

#include <cstdlib>

#include "text/text_util.h"

namespace varnolux::dap {

namespace {

// The Content-Length of a header part; -1 when it has none that reads.
long ContentLength(const std::string& header) {
    size_t start = 0;
    while (start < header.size()) {
        size_t end = header.find("\r\n", start);
        if (end == std::string::npos) end = header.size();
        const std::string line = header.substr(start, end - start);
        const size_t colon = line.find(':');
        if (colon != std::string::npos && LowerCase(line.substr(0, colon)) == "content-length") {
            const std::string value = line.substr(colon + 1);
            char* stop = nullptr;
            const long n = std::strtol(value.c_str(), &stop, 10);
            while (*stop == ' ' || *stop == '\t') ++stop;
            return *stop == '\0' && n >= 0 && value.find_first_not_of(" \t") != std::string::npos
                       ? n
                       : -1;
        }
        start = end + 2;
    }
    return -1;
}

}  // namespace

bool FrameReader::Next(std::string& body, std::string& error) {
    error.clear();
    const size_t headerEnd = buffer_.find("\r\n\r\n");
    if (headerEnd == std::string::npos) return false;
    const long length = ContentLength(buffer_.substr(0, headerEnd));
    if (length < 0) {
        error = "a message header without a Content-Length";
        buffer_.erase(0, headerEnd + 4);
        return false;
    }
    const size_t start = headerEnd + 4;
    if (buffer_.size() - start < static_cast<size_t>(length)) return false;
    body = buffer_.substr(start, static_cast<size_t>(length));
    buffer_.erase(0, start + static_cast<size_t>(length));
    return true;
}

std::string Frame(const std::string& body) {
    return "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

}  // namespace varnolux::dap
