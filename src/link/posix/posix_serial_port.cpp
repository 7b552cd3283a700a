#include "link/posix/posix_serial_port.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>

namespace varnolux {

namespace {

speed_t SpeedOf(int baud) {
    switch (baud) {
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        default:
            return B115200;
    }
}

int64_t NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

bool IsSerialName(const std::string& name) {
    for (const char* prefix : {"ttyS", "ttyUSB", "ttyACM", "ttyAMA", "rfcomm"})
        if (name.rfind(prefix, 0) == 0) return true;
    return false;
}

}  // namespace

PosixSerialPort::PosixSerialPort(std::string devicePath) : configuredPath_(std::move(devicePath)) {
    if (pipe(wakePipe_) == 0) {
        fcntl(wakePipe_[0], F_SETFL, O_NONBLOCK);
        fcntl(wakePipe_[1], F_SETFL, O_NONBLOCK);
    }
}

PosixSerialPort::~PosixSerialPort() {
    if (fd_ >= 0) close(fd_);
    for (int fd : wakePipe_)
        if (fd >= 0) close(fd);
}

bool PosixSerialPort::Fail() {
    lastError_ = static_cast<uint32_t>(errno);
    return false;
}

std::string PosixSerialPort::PortName(int portNumber) const {
    return configuredPath_.empty() ? "/dev/ttyS" + std::to_string(portNumber - 1) : configuredPath_;
}

bool PosixSerialPort::IsSerialDevice() const {
    return fd_ < 0 || isatty(fd_) == 1;
}

bool PosixSerialPort::Open(int portNumber) {
    path_ = PortName(portNumber);
    if (fd_ >= 0) close(fd_);
    fd_ = open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0) return Fail();
    ioctl(fd_, TIOCEXCL);  // not shared, as the Win32 port
    return true;
}

bool PosixSerialPort::ReadLineSettings() {
    termios t{};
    if (fd_ < 0) {
        errno = EBADF;
        return Fail();
    }
    return tcgetattr(fd_, &t) == 0 ? true : Fail();
}

void PosixSerialPort::Configure(int baud, const SerialTimeouts& timeouts) {
    timeouts_ = timeouts;
    termios t{};
    if (fd_ < 0 || tcgetattr(fd_, &t) != 0) return;
    cfmakeraw(&t);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | PARMRK | IGNBRK | BRKINT);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    cfsetispeed(&t, SpeedOf(baud));
    cfsetospeed(&t, SpeedOf(baud));
    tcsetattr(fd_, TCSANOW, &t);
    int lines = TIOCM_DTR | TIOCM_RTS;  // held inactive
    ioctl(fd_, TIOCMBIC, &lines);
}

void PosixSerialPort::PurgeReceive() {
    if (fd_ >= 0) tcflush(fd_, TCIFLUSH);
}

void PosixSerialPort::ClearErrors() {
    // termios latches no line errors; a break condition is ended here.
    if (fd_ >= 0) ioctl(fd_, TIOCCBRK);
}

bool PosixSerialPort::ArmCharEvent() {
    if (fd_ >= 0) return true;
    errno = EBADF;
    return Fail();
}

bool PosixSerialPort::WaitCharEvent() {
    pollfd fds[2] = {{fd_, POLLIN, 0}, {wakePipe_[0], POLLIN, 0}};
    for (;;) {
        const int n = poll(fds, 2, -1);
        if (n > 0) return (fds[0].revents & POLLNVAL) == 0 ? true : (errno = EBADF, Fail());
        if (n < 0 && errno != EINTR) return Fail();
    }
}

bool PosixSerialPort::Read(uint8_t* buffer, int want, int& count) {
    count = 0;
    if (fd_ < 0) {
        errno = EBADF;
        return Fail();
    }
    const int64_t total =
        static_cast<int64_t>(timeouts_.readTotalMultiplier) * want + timeouts_.readTotalConstant;
    const int64_t deadline = NowMs() + total;
    while (count < want) {
        int64_t wait = deadline - NowMs();
        if (count > 0 && timeouts_.readInterval > 0)
            wait = std::min<int64_t>(wait, timeouts_.readInterval);
        if (wait <= 0) break;
        pollfd p{fd_, POLLIN, 0};
        const int n = poll(&p, 1, static_cast<int>(wait));
        if (n < 0) {
            if (errno == EINTR) continue;
            return Fail();
        }
        if (n == 0) break;
        if (p.revents & (POLLERR | POLLNVAL)) {
            errno = EIO;
            return Fail();
        }
        const ssize_t got = read(fd_, buffer + count, static_cast<size_t>(want - count));
        if (got < 0) {
            if (errno == EAGAIN || errno == EINTR) continue;
            return Fail();
        }
        if (got == 0) {
            // A hung-up line reads as end of file: nothing arrives within the time-out.
            usleep(static_cast<useconds_t>(std::max<int64_t>(0, deadline - NowMs())) * 1000);
            break;
        }
        count += static_cast<int>(got);
    }
    return true;
}

bool PosixSerialPort::WriteByte(uint8_t byte) {
    if (fd_ < 0) {
        errno = EBADF;
        return Fail();
    }
    for (;;) {
        const ssize_t n = write(fd_, &byte, 1);
        if (n == 1) return true;
        if (n < 0 && errno != EAGAIN && errno != EINTR) return Fail();
        pollfd p{fd_, POLLOUT, 0};
        poll(&p, 1, 100);
    }
}

std::vector<std::string> PosixSerialPort::ListPorts() const {
    std::vector<std::string> ports;
    if (DIR* dir = opendir("/dev")) {
        while (dirent* e = readdir(dir))
            if (IsSerialName(e->d_name)) ports.push_back(std::string("/dev/") + e->d_name);
        closedir(dir);
    }
    std::sort(ports.begin(), ports.end());
    return ports;
}

void PosixSerialPort::Wake() {
    const char b = 1;
    if (wakePipe_[1] >= 0 && write(wakePipe_[1], &b, 1) < 0)
        lastError_ = static_cast<uint32_t>(errno);
}

}  // namespace varnolux
