#include "seams/memory/memory_socket.h"

namespace varnolux {

bool MemorySocket::Connect(const std::string& host, int port) {
    connectedTo = host + ":" + std::to_string(port);
    connected = !refuse;
    return connected;
}

bool MemorySocket::Send(const uint8_t* data, size_t size) {
    if (!connected) return false;
    sent.insert(sent.end(), data, data + size);
    if (onSend) onSend(data, size);
    return true;
}

ReceiveEnd MemorySocket::Receive(uint8_t* buffer, size_t size, int, size_t& count) {
    ++receives;
    count = 0;
    if (woken) return ReceiveEnd::Woken;
    if (!connected) return ReceiveEnd::TimedOut;
    if (input.empty() && onIdle) onIdle();
    if (input.empty() && peerClosed) {
        // A peer that ends the connection leaves no error, as the system's close does.
        errorCode = 0;
        errorText.clear();
        return ReceiveEnd::Closed;
    }
    if (input.empty()) return ReceiveEnd::TimedOut;
    while (count < size && count < chunk && !input.empty()) {
        buffer[count++] = input.front();
        input.pop_front();
    }
    return ReceiveEnd::Data;
}

}  // namespace varnolux
