// The serial port on Linux: a termios device in raw 8N1, with the link's read
// time-outs built with poll, and a pipe that wakes a blocked wait for stop.
#include "link/ports/system_serial_port.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace varnolux {

namespace {

// The termios speed of a supported rate; 115200 for any other.
speed_t SpeedOf(int baud) {
    constexpr std::pair<int, speed_t> kSpeeds[] = {
        {9600, B9600}, {19200, B19200}, {38400, B38400}, {57600, B57600}};
    for (const auto& [rate, speed] : kSpeeds)
        if (rate == baud) return speed;
    return B115200;
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

struct SystemSerialPort::Line {
    int fd = -1;
    int wakePipe[2] = {-1, -1};
    SerialTimeouts timeouts;
};

SystemSerialPort::SystemSerialPort(std::string devicePath)
    : devicePath_(std::move(devicePath)), line_(std::make_unique<Line>()) {
    if (pipe(line_->wakePipe) == 0) {
        fcntl(line_->wakePipe[0], F_SETFL, O_NONBLOCK);
        fcntl(line_->wakePipe[1], F_SETFL, O_NONBLOCK);
    }
}

SystemSerialPort::~SystemSerialPort() {
    if (line_->fd >= 0) close(line_->fd);
    for (int fd : line_->wakePipe)
        if (fd >= 0) close(fd);
}

bool SystemSerialPort::Fail(uint32_t error) {
    lastError_ = error;
    return false;
}

std::string SystemSerialPort::PortName(int portNumber) const {
    return devicePath_.empty() ? "/dev/ttyS" + std::to_string(portNumber - 1) : devicePath_;
}

bool SystemSerialPort::IsSerialDevice() const {
    return line_->fd < 0 || isatty(line_->fd) == 1;
}

bool SystemSerialPort::Open(int portNumber) {
    if (line_->fd >= 0) close(line_->fd);
    line_->fd = open(PortName(portNumber).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (line_->fd < 0) return Fail(errno);
    ioctl(line_->fd, TIOCEXCL);  // not shared, as the Win32 port
    return true;
}

bool SystemSerialPort::ReadLineSettings() {
    termios t{};
    if (line_->fd < 0) return Fail(EBADF);
    return tcgetattr(line_->fd, &t) == 0 || Fail(errno);
}

void SystemSerialPort::Configure(int baud, const SerialTimeouts& timeouts) {
    line_->timeouts = timeouts;
    termios t{};
    if (line_->fd < 0 || tcgetattr(line_->fd, &t) != 0) return;
    cfmakeraw(&t);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | PARMRK | IGNBRK | BRKINT);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    cfsetispeed(&t, SpeedOf(baud));
    cfsetospeed(&t, SpeedOf(baud));
    tcsetattr(line_->fd, TCSANOW, &t);
    int lines = TIOCM_DTR | TIOCM_RTS;  // held inactive
    ioctl(line_->fd, TIOCMBIC, &lines);
}

void SystemSerialPort::PurgeReceive() {
    if (line_->fd >= 0) tcflush(line_->fd, TCIFLUSH);
}

void SystemSerialPort::ClearErrors() {
    // termios latches no line errors; a break condition is ended here.
    if (line_->fd >= 0) ioctl(line_->fd, TIOCCBRK);
}

bool SystemSerialPort::ArmCharEvent() {
    return line_->fd >= 0 || Fail(EBADF);
}

bool SystemSerialPort::WaitCharEvent() {
    pollfd fds[2] = {{line_->fd, POLLIN, 0}, {line_->wakePipe[0], POLLIN, 0}};
    for (;;) {
        const int n = poll(fds, 2, -1);
        if (n > 0) return (fds[0].revents & POLLNVAL) == 0 ? true : Fail(EBADF);
        if (n < 0 && errno != EINTR) return Fail(errno);
    }
}

bool SystemSerialPort::Read(uint8_t* buffer, int want, int& count) {
    count = 0;
    if (line_->fd < 0) return Fail(EBADF);
    const int64_t total = static_cast<int64_t>(line_->timeouts.readTotalMultiplier) * want +
                          line_->timeouts.readTotalConstant;
    const int64_t deadline = NowMs() + total;
    while (count < want) {
        int64_t wait = deadline - NowMs();
        if (count > 0 && line_->timeouts.readInterval > 0)
            wait = std::min<int64_t>(wait, line_->timeouts.readInterval);
        if (wait <= 0) break;
        pollfd p{line_->fd, POLLIN, 0};
        const int n = poll(&p, 1, static_cast<int>(wait));
        if (n < 0) {
            if (errno == EINTR) continue;
            return Fail(errno);
        }
        if (n == 0) break;
        if (p.revents & (POLLERR | POLLNVAL)) return Fail(EIO);
        const ssize_t got = read(line_->fd, buffer + count, static_cast<size_t>(want - count));
        if (got < 0) {
            if (errno == EAGAIN || errno == EINTR) continue;
            return Fail(errno);
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

bool SystemSerialPort::WriteByte(uint8_t byte) {
    if (line_->fd < 0) return Fail(EBADF);
    for (;;) {
        const ssize_t n = write(line_->fd, &byte, 1);
        if (n == 1) return true;
        if (n < 0 && errno != EAGAIN && errno != EINTR) return Fail(errno);
        pollfd p{line_->fd, POLLOUT, 0};
        poll(&p, 1, 100);
    }
}

std::vector<std::string> SystemSerialPort::ListPorts() const {
    std::vector<std::string> ports;
    if (DIR* dir = opendir("/dev")) {
        while (dirent* e = readdir(dir))
            if (IsSerialName(e->d_name)) ports.push_back(std::string("/dev/") + e->d_name);
        closedir(dir);
    }
    std::sort(ports.begin(), ports.end());
    return ports;
}

void SystemSerialPort::Wake() {
    const char b = 1;
    if (line_->wakePipe[1] >= 0 && write(line_->wakePipe[1], &b, 1) < 0)
        lastError_ = static_cast<uint32_t>(errno);
}

}  // namespace varnolux
