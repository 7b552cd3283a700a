#pragma once
// A socket for tests: bytes to be received come from a queue (or from a peer
// that answers what was sent), sent bytes are kept. A refused connection, a
// failed send and a peer that closes can be scripted.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "seams/net_socket.h"

namespace varnolux {

class MemorySocket : public NetSocket {
  public:
    bool Connect(const std::string& host, int port) override;
    bool Send(const uint8_t* data, size_t size) override;
    ReceiveEnd Receive(uint8_t* buffer, size_t size, int timeoutMs, size_t& count) override;
    void Close() override { connected = false; }
    void Wake() override { woken = true; }
    uint32_t LastError() const override { return errorCode; }
    std::string LastErrorText() const override { return errorText; }

    void Feed(const std::vector<uint8_t>& bytes) {
        input.insert(input.end(), bytes.begin(), bytes.end());
    }

    std::deque<uint8_t> input;
    std::vector<uint8_t> sent;
    // Called after each send; a peer queues its answer into `input`.
    std::function<void(const uint8_t* data, size_t size)> onSend;
    // Called before a receive finds the queue empty; a peer that talks unasked queues bytes here.
    std::function<void()> onIdle;
    size_t chunk = 4096;  // most bytes one receive hands over
    std::string connectedTo;
    bool connected = false;
    bool refuse = false;      // Connect fails
    bool peerClosed = false;  // an empty queue then ends the connection
    bool woken = false;
    int receives = 0;
    uint32_t errorCode = 111;
    std::string errorText = "Connection refused";
};

}  // namespace varnolux
