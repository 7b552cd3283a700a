#include "sim/pty_line.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <termios.h>
#include <unistd.h>

namespace varnolux::sim {

namespace {

int RateOf(speed_t speed) {
    switch (speed) {
        case B9600:
            return 9600;
        case B19200:
            return 19200;
        case B38400:
            return 38400;
        case B57600:
            return 57600;
        case B115200:
            return 115200;
        default:
            return 0;
    }
}

}  // namespace

PtyLine::~PtyLine() {
    // The link goes only while it is still ours: a simulator started later on
    // the same path has made it point at its own terminal, and a host opening
    // the path must find that one, not none.
    if (!linkPath_.empty()) {
        char target[4096];
        const ssize_t n = readlink(linkPath_.c_str(), target, sizeof target);
        if (n > 0 && std::string(target, static_cast<size_t>(n)) == slavePath_)
            unlink(linkPath_.c_str());
    }
    if (slave_ >= 0) close(slave_);
    if (master_ >= 0) close(master_);
}

bool PtyLine::Open(const std::string& linkPath, std::string& error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error = std::string("pseudo-terminal: ") + strerror(errno);
        return false;
    }
    slavePath_ = ptsname(master_);
    slave_ = open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave_ < 0) {
        error = slavePath_ + ": " + strerror(errno);
        return false;
    }
    termios t{};
    tcgetattr(slave_, &t);
    cfmakeraw(&t);
    // No host rate yet: a rate no host uses, so nothing matches before the host sets one.
    cfsetispeed(&t, B50);
    cfsetospeed(&t, B50);
    tcsetattr(slave_, TCSANOW, &t);
    fcntl(master_, F_SETFL, O_NONBLOCK);
    if (!linkPath.empty()) {
        // Made beside the path and renamed over it: the path never names an
        // older simulator's terminal once this one is ready, nor nothing.
        const std::string fresh = linkPath + ".new" + std::to_string(getpid());
        unlink(fresh.c_str());
        if (symlink(slavePath_.c_str(), fresh.c_str()) != 0 ||
            rename(fresh.c_str(), linkPath.c_str()) != 0) {
            error = linkPath + ": " + strerror(errno);
            unlink(fresh.c_str());
            return false;
        }
        linkPath_ = linkPath;
    }
    return true;
}

int PtyLine::HostRate() const {
    termios t{};
    if (tcgetattr(slave_, &t) != 0) return 0;
    return RateOf(cfgetospeed(&t));
}

std::vector<uint8_t> PtyLine::Receive(int timeoutMs) {
    std::vector<uint8_t> bytes;
    pollfd p{master_, POLLIN, 0};
    if (poll(&p, 1, timeoutMs) <= 0 || !(p.revents & POLLIN)) return bytes;
    uint8_t buf[512];
    const ssize_t n = read(master_, buf, sizeof buf);
    if (n > 0) bytes.assign(buf, buf + n);
    return bytes;
}

void PtyLine::Send(const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) return;
        pollfd p{master_, POLLOUT, 0};
        if (poll(&p, 1, 200) == 0) return;  // nobody reads: the bytes are lost on the line
    }
}

}  // namespace varnolux::sim
