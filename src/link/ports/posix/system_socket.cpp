// The TCP socket on Linux: a blocking socket, receive waits with poll on it
// and on a pipe that Wake writes to. The connect is made non-blocking, so that
// its wait has a deadline and ends at Wake too.
#include "link/ports/system_socket.h"

#include <errno.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <string.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace varnolux {

struct SystemSocket::Handles {
    int fd = -1;
    int wakePipe[2] = {-1, -1};
};

SystemSocket::SystemSocket() : handles_(std::make_unique<Handles>()) {
    if (pipe(handles_->wakePipe) == 0) {
        fcntl(handles_->wakePipe[0], F_SETFL, O_NONBLOCK);
        fcntl(handles_->wakePipe[1], F_SETFL, O_NONBLOCK);
    }
}

SystemSocket::~SystemSocket() {
    Close();
    for (int fd : handles_->wakePipe)
        if (fd >= 0) close(fd);
}

namespace {

int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Connects the non-blocking `fd` to `a` by `deadline`: 0 once connected, else
// the error (ETIMEDOUT when the host never answered, EINTR after Wake).
int ConnectBy(int fd, int wakeFd, const addrinfo& a, int64_t deadline) {
    if (connect(fd, a.ai_addr, a.ai_addrlen) == 0) return 0;
    if (errno != EINPROGRESS) return errno;
    pollfd fds[2] = {{wakeFd, POLLIN, 0}, {fd, POLLOUT, 0}};
    for (;;) {
        const int64_t left = deadline - NowMs();
        if (left <= 0) return ETIMEDOUT;
        const int n = poll(fds, 2, static_cast<int>(left));
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (fds[0].revents != 0) return EINTR;
        if (fds[1].revents != 0) break;
    }
    int error = 0;
    socklen_t length = sizeof error;
    if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0) return errno;
    return error;
}

}  // namespace

bool SystemSocket::Connect(const std::string& host, int port) {
    Close();
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int looked = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
    if (looked != 0) return Fail(static_cast<uint32_t>(looked), gai_strerror(looked));
    const int64_t deadline = NowMs() + kConnectAnswerMs;
    int error = 0;
    for (addrinfo* a = found; a && handles_->fd < 0 && error != EINTR; a = a->ai_next) {
        const int fd =
            socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
        if (fd < 0) {
            error = errno;
            continue;
        }
        error = ConnectBy(fd, handles_->wakePipe[0], *a, deadline);
        if (error == 0) {
            // Blocking from here on: receive waits in poll, send until all is gone.
            fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
            handles_->fd = fd;
        } else {
            close(fd);
        }
    }
    freeaddrinfo(found);
    if (handles_->fd >= 0) {
        const int on = 1;
        setsockopt(handles_->fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        return true;
    }
    return Fail(static_cast<uint32_t>(error),
                error == ETIMEDOUT ? NoAnswerText() : strerror(error));
}

bool SystemSocket::Send(const uint8_t* data, size_t size) {
    while (size > 0) {
        if (handles_->fd < 0) return Fail(ENOTCONN, strerror(ENOTCONN));
        const ssize_t sent = send(handles_->fd, data, size, MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR) continue;
            return Fail(static_cast<uint32_t>(errno), strerror(errno));
        }
        data += sent;
        size -= static_cast<size_t>(sent);
    }
    return true;
}

ReceiveEnd SystemSocket::Receive(uint8_t* buffer, size_t size, int timeoutMs, size_t& count) {
    count = 0;
    pollfd fds[2] = {{handles_->wakePipe[0], POLLIN, 0}, {handles_->fd, POLLIN, 0}};
    const nfds_t watched = handles_->fd >= 0 ? 2 : 1;
    for (;;) {
        const int n = poll(fds, watched, timeoutMs < 0 ? -1 : timeoutMs);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            Fail(static_cast<uint32_t>(errno), strerror(errno));
            return ReceiveEnd::Closed;
        }
        if (n == 0) return ReceiveEnd::TimedOut;
        if (fds[0].revents != 0) return ReceiveEnd::Woken;
        const ssize_t got = recv(handles_->fd, buffer, size, 0);
        if (got > 0) {
            count = static_cast<size_t>(got);
            return ReceiveEnd::Data;
        }
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (got == 0)
            Fail(0, std::string());
        else
            Fail(static_cast<uint32_t>(errno), strerror(errno));
        return ReceiveEnd::Closed;
    }
}

void SystemSocket::Close() {
    if (handles_->fd >= 0) close(handles_->fd);
    handles_->fd = -1;
}

void SystemSocket::Wake() {
    const char b = 1;
    if (handles_->wakePipe[1] >= 0 && write(handles_->wakePipe[1], &b, 1) < 0)
        lastError_ = static_cast<uint32_t>(errno);
}

}  // namespace varnolux
