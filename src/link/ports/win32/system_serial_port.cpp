// The serial port on Windows: CreateFileA on "\\.\COMn", synchronous ReadFile
// and WriteFile, the ports from the registry. The wait for a character reads
// what has come (see WaitCharEvent) and keeps it for the next reads.
#include "link/ports/system_serial_port.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <string>

namespace {
// The wait reads in slices of this length, so that it sees a wake that its
// cancelled read missed; an empty slice that ended much sooner means the line
// returns at once (gone), and the wait returns empty rather than spin.
constexpr DWORD kWaitSliceMs = 200;
constexpr ULONGLONG kEarlySliceEndMs = kWaitSliceMs / 4;
}  // namespace

namespace varnolux {

struct SystemSerialPort::Line {
    // Lets the thread that waits for characters be woken by cancelling its read.
    void RegisterWaiter();
    // Sets the wait's or the line's time-outs unless they are set already.
    bool UseTimeouts(bool forWait);
    // Reads up to `room` characters that have come already; the count read.
    int ReadWaiting(uint8_t* buffer, int room);

    HANDLE handle = INVALID_HANDLE_VALUE;
    std::atomic<HANDLE> waiter{nullptr};  // the thread that waits for characters
    std::atomic<bool> woken{false};
    DCB dcb{};
    COMMTIMEOUTS lineTimeouts{};  // as configured, for every read but the wait
    bool waitTimeoutsSet = false;
    bool charEventArmed = false;
    // What the wait read and no Read has taken yet: a packet usually arrives
    // whole, and the reads of its rest then cost no system call.
    uint8_t ahead[64] = {};
    int aheadStart = 0;
    int aheadCount = 0;
};

SystemSerialPort::SystemSerialPort(std::string devicePath)
    : devicePath_(std::move(devicePath)), line_(std::make_unique<Line>()) {}

SystemSerialPort::~SystemSerialPort() {
    if (line_->handle != INVALID_HANDLE_VALUE) CloseHandle(line_->handle);
    if (HANDLE waiter = line_->waiter.load()) CloseHandle(waiter);
}

bool SystemSerialPort::Fail(uint32_t error) {
    lastError_ = error;
    return false;
}

std::string SystemSerialPort::PortName(int portNumber) const {
    return devicePath_.empty() ? "COM" + std::to_string(portNumber) : devicePath_;
}

// What CreateFileA opens as "\\.\COMn" is the port's device.
bool SystemSerialPort::IsSerialDevice() const {
    return true;
}

bool SystemSerialPort::Open(int portNumber) {
    // "\\.\COMn" reaches every port number, 10 and above included.
    const std::string name =
        devicePath_.empty() ? "\\\\.\\COM" + std::to_string(portNumber) : devicePath_;
    // Opened again after the port went away: the old handle goes first.
    if (line_->handle != INVALID_HANDLE_VALUE) CloseHandle(line_->handle);
    line_->handle = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    return line_->handle != INVALID_HANDLE_VALUE || Fail(GetLastError());
}

bool SystemSerialPort::ReadLineSettings() {
    line_->dcb = DCB{};
    line_->dcb.DCBlength = sizeof(DCB);
    return GetCommState(line_->handle, &line_->dcb) || Fail(GetLastError());
}

void SystemSerialPort::Configure(int baud, const SerialTimeouts& t) {
    line_->dcb.DCBlength = sizeof(DCB);
    line_->dcb.BaudRate = static_cast<DWORD>(baud);
    line_->dcb.ByteSize = 8;
    line_->dcb.Parity = NOPARITY;
    line_->dcb.StopBits = ONESTOPBIT;
    line_->dcb.fBinary = TRUE;
    line_->dcb.fParity = FALSE;
    line_->dcb.fOutxCtsFlow = FALSE;
    line_->dcb.fOutxDsrFlow = FALSE;
    line_->dcb.fDtrControl = DTR_CONTROL_DISABLE;
    line_->dcb.fDsrSensitivity = FALSE;
    line_->dcb.fTXContinueOnXoff = FALSE;
    line_->dcb.fOutX = FALSE;
    line_->dcb.fInX = FALSE;
    line_->dcb.fErrorChar = FALSE;
    line_->dcb.fNull = FALSE;
    line_->dcb.fRtsControl = RTS_CONTROL_DISABLE;
    line_->dcb.fAbortOnError = FALSE;
    line_->dcb.XonLim = 0;
    line_->dcb.XoffLim = 0;
    line_->dcb.XonChar = 0;
    line_->dcb.XoffChar = 0;
    line_->dcb.ErrorChar = 0;
    line_->dcb.EofChar = 0;
    line_->dcb.EvtChar = 0;
    SetCommState(line_->handle, &line_->dcb);
    COMMTIMEOUTS timeouts{};
    GetCommTimeouts(line_->handle, &timeouts);
    timeouts.ReadIntervalTimeout = t.readInterval;
    timeouts.ReadTotalTimeoutMultiplier = t.readTotalMultiplier;
    timeouts.ReadTotalTimeoutConstant = t.readTotalConstant;
    timeouts.WriteTotalTimeoutMultiplier = t.writeTotalMultiplier;
    timeouts.WriteTotalTimeoutConstant = t.writeTotalConstant;
    SetCommTimeouts(line_->handle, &timeouts);
    line_->lineTimeouts = timeouts;
    line_->waitTimeoutsSet = false;
}

bool SystemSerialPort::Line::UseTimeouts(bool forWait) {
    if (waitTimeoutsSet == forWait) return true;
    COMMTIMEOUTS wait = lineTimeouts;
    wait.ReadIntervalTimeout = MAXDWORD;
    wait.ReadTotalTimeoutMultiplier = MAXDWORD;
    wait.ReadTotalTimeoutConstant = kWaitSliceMs;
    if (!SetCommTimeouts(handle, forWait ? &wait : &lineTimeouts)) return false;
    waitTimeoutsSet = forWait;
    return true;
}

// Only what the driver holds already: a read of more than that would wait
// (under Wine the wait's time-outs return early only when nothing came at all).
int SystemSerialPort::Line::ReadWaiting(uint8_t* buffer, int room) {
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(handle, &errors, &status) || status.cbInQue == 0) return 0;
    DWORD got = 0;
    const DWORD want = std::min(static_cast<DWORD>(room), status.cbInQue);
    if (!ReadFile(handle, buffer, want, &got, nullptr)) return 0;
    return static_cast<int>(got);
}

void SystemSerialPort::PurgeReceive() {
    PurgeComm(line_->handle, PURGE_RXCLEAR);
    line_->aheadCount = 0;
}

void SystemSerialPort::ClearErrors() {
    DWORD errors = 0;
    COMSTAT status{};
    ClearCommError(line_->handle, &errors, &status);
    ClearCommBreak(line_->handle);
}

bool SystemSerialPort::ArmCharEvent() {
    if (line_->charEventArmed) return true;
    line_->charEventArmed = SetCommMask(line_->handle, EV_RXCHAR) != 0;
    return line_->charEventArmed || Fail(GetLastError());
}

void SystemSerialPort::Line::RegisterWaiter() {
    if (waiter.load()) return;
    HANDLE self = nullptr;
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &self,
                    THREAD_TERMINATE, FALSE, 0);
    waiter = self;
}

// Waits by reading the first character, with time-outs that return as soon
// as it has come, and takes what followed it. WaitCommEvent would do, but
// under Wine every WaitCommEvent that has to wait leaves about a hundred bytes
// behind: several kilobytes a dump, megabytes over a long session. The wait's
// time-outs stay set until a read needs the line's, so a packet that arrives
// whole costs two reads and no change of time-outs.
bool SystemSerialPort::WaitCharEvent() {
    line_->RegisterWaiter();
    if (line_->aheadCount > 0 || line_->woken.load()) return true;
    if (!line_->UseTimeouts(true)) return Fail(GetLastError());
    bool ok = true;
    while (!line_->woken.load()) {
        const ULONGLONG began = GetTickCount64();
        DWORD got = 0;
        const BOOL read = ReadFile(line_->handle, line_->ahead, 1, &got, nullptr);
        // A read cancelled by Wake has simply ended.
        if (!read) {
            ok = line_->woken.load() || Fail(GetLastError());
            break;
        }
        if (got == 1) {
            line_->aheadStart = 0;
            line_->aheadCount = 1 + line_->ReadWaiting(line_->ahead + 1, sizeof line_->ahead - 1);
            break;
        }
        if (GetTickCount64() - began < kEarlySliceEndMs) break;
    }
    return ok;
}

void SystemSerialPort::Wake() {
    line_->woken = true;
    if (HANDLE waiter = line_->waiter.load()) CancelSynchronousIo(waiter);
}

bool SystemSerialPort::Read(uint8_t* buffer, int want, int& count) {
    count = 0;
    if (want <= 0) return true;
    Line& line = *line_;
    const int taken = std::min(want, line.aheadCount);
    std::memcpy(buffer, line.ahead + line.aheadStart, static_cast<size_t>(taken));
    line.aheadStart += taken;
    line.aheadCount -= taken;
    count = taken;
    if (taken == want) return true;
    if (!line.UseTimeouts(false)) return Fail(GetLastError());
    DWORD got = 0;
    const BOOL ok =
        ReadFile(line.handle, buffer + taken, static_cast<DWORD>(want - taken), &got, nullptr);
    count += static_cast<int>(got);
    // A read cancelled by Wake has read what it got.
    return line.woken.load() || ok || Fail(GetLastError());
}

bool SystemSerialPort::WriteByte(uint8_t byte) {
    DWORD written = 0;
    return WriteFile(line_->handle, &byte, 1, &written, nullptr) || Fail(GetLastError());
}

std::vector<std::string> SystemSerialPort::ListPorts() const {
    std::vector<std::string> ports;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return ports;
    DWORD values = 0, longestName = 0, longestData = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values,
                     &longestName, &longestData, nullptr, nullptr);
    std::vector<char> name(longestName + 1);
    std::vector<BYTE> data(longestData + 1);
    for (DWORD index = 0; index < values; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD dataLength = static_cast<DWORD>(data.size() - 1);
        DWORD type = 0;
        if (RegEnumValueA(key, index, name.data(), &nameLength, nullptr, &type, data.data(),
                          &dataLength) != ERROR_SUCCESS ||
            type != REG_SZ)
            continue;
        data[dataLength] = 0;
        ports.emplace_back(reinterpret_cast<const char*>(data.data()));
    }
    RegCloseKey(key);
    return ports;
}

}  // namespace varnolux
