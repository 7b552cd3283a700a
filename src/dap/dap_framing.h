#pragma once
// The Debug Adapter Protocol's base protocol: each message is a header part
// ("Content-Length: N", CR LF, a blank line) and N bytes of JSON.
#include <cstddef>
#include <string>

namespace varnolux::dap {

// Collects the bytes read from the client and hands out whole message bodies.
class FrameReader {
  public:
    void Feed(const char* bytes, size_t count) { buffer_.append(bytes, count); }
    // The next whole body; false when more bytes are needed or a header is bad
    // (then `error` says why, and the header part is dropped so reading goes on).
    bool Next(std::string& body, std::string& error);

  private:
    std::string buffer_;
};

// A body with its header part.
std::string Frame(const std::string& body);

}  // namespace varnolux::dap
