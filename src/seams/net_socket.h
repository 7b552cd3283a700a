#pragma once
// A TCP connection to a serial port server: what the network port needs of the
// system's sockets. Backends: Winsock (link/ports/win32/), POSIX sockets
// (link/ports/posix/), memory (scripted bytes, for tests).
#include <cstddef>
#include <cstdint>
#include <string>

namespace varnolux {

// How a wait for received bytes ended.
enum class ReceiveEnd { Data, TimedOut, Woken, Closed };

class NetSocket {
  public:
    virtual ~NetSocket() = default;
    // Connects to `host` (a name or an address) at `port`; false when it cannot.
    virtual bool Connect(const std::string& host, int port) = 0;
    // Sends every byte; false when the connection is gone.
    virtual bool Send(const uint8_t* data, size_t size) = 0;
    // Waits up to `timeoutMs` (negative: without limit) for bytes and reads up
    // to `size` of them into `buffer`; `count` tells how many (Data only).
    // Without a connection it waits for Wake or the time-out alone. Closed:
    // the peer ended the connection or it failed.
    virtual ReceiveEnd Receive(uint8_t* buffer, size_t size, int timeoutMs, size_t& count) = 0;
    // Ends the connection; the socket can connect again.
    virtual void Close() = 0;
    // Lets a Receive return Woken, now and from then on; callable from another thread.
    virtual void Wake() = 0;
    // The system's code and words for the last failure ("Connection refused").
    virtual uint32_t LastError() const = 0;
    virtual std::string LastErrorText() const = 0;
};

}  // namespace varnolux
