#pragma once
// The system's TCP socket: Winsock on Windows (link/ports/win32/), POSIX sockets on
// Linux (link/ports/posix/). Small writes go out at once (no Nagle delay): the
// dump protocol answers byte by byte.
#include <memory>
#include <string>

#include "seams/net_socket.h"

namespace varnolux {

// How long a connect waits for the host to answer. Without a bound, a host
// that drops the connect (a firewall, a server whose backlog is full, an
// address where nothing is) would hold the link for the system's own
// time-out, minutes.
constexpr int kConnectAnswerMs = 5000;

// The words of a connect that found no answer within kConnectAnswerMs.
std::string NoAnswerText();

class SystemSocket : public NetSocket {
  public:
    SystemSocket();
    ~SystemSocket() override;
    SystemSocket(const SystemSocket&) = delete;
    SystemSocket& operator=(const SystemSocket&) = delete;

    // Tries each address of `host` until one connects, within kConnectAnswerMs
    // for all of them; a Wake ends the wait.
    bool Connect(const std::string& host, int port) override;
    bool Send(const uint8_t* data, size_t size) override;
    ReceiveEnd Receive(uint8_t* buffer, size_t size, int timeoutMs, size_t& count) override;
    void Close() override;
    void Wake() override;
    uint32_t LastError() const override { return lastError_; }
    std::string LastErrorText() const override { return lastErrorText_; }

  private:
    struct Handles;
    // Keeps the failure's code and words; false.
    bool Fail(uint32_t error, const std::string& text);

    std::unique_ptr<Handles> handles_;
    uint32_t lastError_ = 0;
    std::string lastErrorText_;
};

}  // namespace varnolux
