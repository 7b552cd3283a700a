// The TCP socket on Windows: Winsock, with the receive's wait on two events,
// the socket's own (data or close) and the one Wake sets. The connect waits
// on the same two, the socket's event then meaning the connect's end, so that
// it has a deadline and ends at Wake too.
#include "link/ports/system_socket.h"

// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
// clang-format on

namespace varnolux {

namespace {

std::string WinsockText(int error) {
    switch (error) {
        case WSAECONNREFUSED:
            return "Connection refused";
        case WSAECONNRESET:
            return "Connection reset by peer";
        case WSAETIMEDOUT:
            return "Connection timed out";
        case WSAHOST_NOT_FOUND:
        case WSANO_DATA:
            return "Host not found";
        case WSAENETUNREACH:
        case WSAEHOSTUNREACH:
            return "No route to host";
        default:
            break;
    }
    char text[256] = {};
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                       static_cast<DWORD>(error), 0, text, sizeof text, nullptr);
    std::string words(text, length);
    while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == '.'))
        words.pop_back();
    return words.empty() ? "error " + std::to_string(error) : words;
}

}  // namespace

struct SystemSocket::Handles {
    SOCKET socket = INVALID_SOCKET;
    WSAEVENT received = WSA_INVALID_EVENT;  // data or the close came
    HANDLE woken = nullptr;                 // manual reset: stays set once Wake set it
    bool started = false;
};

SystemSocket::SystemSocket() : handles_(std::make_unique<Handles>()) {
    WSADATA data{};
    handles_->started = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    handles_->received = WSACreateEvent();
    handles_->woken = CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

SystemSocket::~SystemSocket() {
    Close();
    if (handles_->received != WSA_INVALID_EVENT) WSACloseEvent(handles_->received);
    if (handles_->woken) CloseHandle(handles_->woken);
    if (handles_->started) WSACleanup();
}

namespace {

// Connects `s` to `a` by `deadline` (GetTickCount64's milliseconds), waiting
// on `connected` (made the socket's FD_CONNECT event here) and on `woken`:
// 0 once connected, else the error (WSAETIMEDOUT when the host never
// answered, WSAEINTR after Wake).
int ConnectBy(SOCKET s, const addrinfo& a, WSAEVENT connected, HANDLE woken, ULONGLONG deadline) {
    WSAResetEvent(connected);
    if (WSAEventSelect(s, connected, FD_CONNECT) != 0) return WSAGetLastError();
    if (connect(s, a.ai_addr, static_cast<int>(a.ai_addrlen)) == 0) return 0;
    const int started = WSAGetLastError();
    if (started != WSAEWOULDBLOCK) return started;
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return WSAETIMEDOUT;
    const HANDLE events[2] = {woken, connected};
    const DWORD which =
        WaitForMultipleObjects(2, events, FALSE, static_cast<DWORD>(deadline - now));
    if (which == WAIT_TIMEOUT) return WSAETIMEDOUT;
    if (which == WAIT_OBJECT_0) return WSAEINTR;
    WSANETWORKEVENTS happened{};
    if (WSAEnumNetworkEvents(s, connected, &happened) != 0) return WSAGetLastError();
    if (!(happened.lNetworkEvents & FD_CONNECT)) return WSAETIMEDOUT;
    return happened.iErrorCode[FD_CONNECT_BIT];
}

}  // namespace

bool SystemSocket::Connect(const std::string& host, int port) {
    Close();
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    addrinfo* found = nullptr;
    const int looked = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
    if (looked != 0) return Fail(static_cast<uint32_t>(looked), WinsockText(looked));
    const ULONGLONG deadline = GetTickCount64() + kConnectAnswerMs;
    int error = 0;
    for (addrinfo* a = found; a && handles_->socket == INVALID_SOCKET && error != WSAEINTR;
         a = a->ai_next) {
        const SOCKET s = socket(a->ai_family, a->ai_socktype, a->ai_protocol);
        if (s == INVALID_SOCKET) {
            error = WSAGetLastError();
            continue;
        }
        error = ConnectBy(s, *a, handles_->received, handles_->woken, deadline);
        if (error == 0)
            handles_->socket = s;
        else
            closesocket(s);
    }
    freeaddrinfo(found);
    if (handles_->socket == INVALID_SOCKET)
        return Fail(static_cast<uint32_t>(error),
                    error == WSAETIMEDOUT ? NoAnswerText() : WinsockText(error));
    const BOOL on = TRUE;
    setsockopt(handles_->socket, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on),
               sizeof on);
    // The socket stays non-blocking; Send waits when the system's buffer is full.
    WSAResetEvent(handles_->received);
    WSAEventSelect(handles_->socket, handles_->received, FD_READ | FD_CLOSE);
    return true;
}

bool SystemSocket::Send(const uint8_t* data, size_t size) {
    while (size > 0) {
        if (handles_->socket == INVALID_SOCKET) return Fail(WSAENOTCONN, WinsockText(WSAENOTCONN));
        const int sent =
            send(handles_->socket, reinterpret_cast<const char*>(data), static_cast<int>(size), 0);
        if (sent == SOCKET_ERROR) {
            const int error = WSAGetLastError();
            if (error != WSAEWOULDBLOCK)
                return Fail(static_cast<uint32_t>(error), WinsockText(error));
            fd_set writable;
            FD_ZERO(&writable);
            FD_SET(handles_->socket, &writable);
            timeval wait{0, 100000};
            select(0, nullptr, &writable, nullptr, &wait);
            continue;
        }
        data += sent;
        size -= static_cast<size_t>(sent);
    }
    return true;
}

ReceiveEnd SystemSocket::Receive(uint8_t* buffer, size_t size, int timeoutMs, size_t& count) {
    count = 0;
    const DWORD wait = timeoutMs < 0 ? INFINITE : static_cast<DWORD>(timeoutMs);
    for (;;) {
        if (WaitForSingleObject(handles_->woken, 0) == WAIT_OBJECT_0) return ReceiveEnd::Woken;
        if (handles_->socket == INVALID_SOCKET)
            return WaitForSingleObject(handles_->woken, wait) == WAIT_OBJECT_0
                       ? ReceiveEnd::Woken
                       : ReceiveEnd::TimedOut;
        // Reset before the read: data that comes after it sets the event again.
        WSAResetEvent(handles_->received);
        const int got =
            recv(handles_->socket, reinterpret_cast<char*>(buffer), static_cast<int>(size), 0);
        if (got > 0) {
            count = static_cast<size_t>(got);
            return ReceiveEnd::Data;
        }
        const int error = got == 0 ? 0 : WSAGetLastError();
        if (error != WSAEWOULDBLOCK) {
            Fail(static_cast<uint32_t>(error), error == 0 ? std::string() : WinsockText(error));
            return ReceiveEnd::Closed;
        }
        const HANDLE events[2] = {handles_->woken, handles_->received};
        const DWORD which = WaitForMultipleObjects(2, events, FALSE, wait);
        if (which == WAIT_TIMEOUT) return ReceiveEnd::TimedOut;
        if (which == WAIT_OBJECT_0) return ReceiveEnd::Woken;
    }
}

void SystemSocket::Close() {
    if (handles_->socket != INVALID_SOCKET) closesocket(handles_->socket);
    handles_->socket = INVALID_SOCKET;
}

void SystemSocket::Wake() {
    SetEvent(handles_->woken);
}

}  // namespace varnolux
