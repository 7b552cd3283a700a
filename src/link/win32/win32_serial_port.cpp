#include "link/win32/win32_serial_port.h"

#include <algorithm>
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

Win32SerialPort::~Win32SerialPort() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    if (HANDLE waiter = waiter_.load()) CloseHandle(waiter);
}

bool Win32SerialPort::Check(BOOL ok) {
    if (ok) return true;
    lastError_ = GetLastError();
    return false;
}

bool Win32SerialPort::Open(int portNumber) {
    // "\\.\COMn" reaches every port number, 10 and above included.
    const std::string name = "\\\\.\\COM" + std::to_string(portNumber);
    handle_ = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                          nullptr);
    return Check(handle_ != INVALID_HANDLE_VALUE);
}

bool Win32SerialPort::ReadLineSettings() {
    dcb_ = DCB{};
    dcb_.DCBlength = sizeof(DCB);
    return Check(GetCommState(handle_, &dcb_));
}

void Win32SerialPort::Configure(int baud, const SerialTimeouts& t) {
    dcb_.DCBlength = sizeof(DCB);
    dcb_.BaudRate = static_cast<DWORD>(baud);
    dcb_.ByteSize = 8;
    dcb_.Parity = NOPARITY;
    dcb_.StopBits = ONESTOPBIT;
    dcb_.fBinary = TRUE;
    dcb_.fParity = FALSE;
    dcb_.fOutxCtsFlow = FALSE;
    dcb_.fOutxDsrFlow = FALSE;
    dcb_.fDtrControl = DTR_CONTROL_DISABLE;
    dcb_.fDsrSensitivity = FALSE;
    dcb_.fTXContinueOnXoff = FALSE;
    dcb_.fOutX = FALSE;
    dcb_.fInX = FALSE;
    dcb_.fErrorChar = FALSE;
    dcb_.fNull = FALSE;
    dcb_.fRtsControl = RTS_CONTROL_DISABLE;
    dcb_.fAbortOnError = FALSE;
    dcb_.XonLim = 0;
    dcb_.XoffLim = 0;
    dcb_.XonChar = 0;
    dcb_.XoffChar = 0;
    dcb_.ErrorChar = 0;
    dcb_.EofChar = 0;
    dcb_.EvtChar = 0;
    SetCommState(handle_, &dcb_);
    COMMTIMEOUTS timeouts{};
    GetCommTimeouts(handle_, &timeouts);
    timeouts.ReadIntervalTimeout = t.readInterval;
    timeouts.ReadTotalTimeoutMultiplier = t.readTotalMultiplier;
    timeouts.ReadTotalTimeoutConstant = t.readTotalConstant;
    timeouts.WriteTotalTimeoutMultiplier = t.writeTotalMultiplier;
    timeouts.WriteTotalTimeoutConstant = t.writeTotalConstant;
    SetCommTimeouts(handle_, &timeouts);
    lineTimeouts_ = timeouts;
    waitTimeoutsSet_ = false;
}

bool Win32SerialPort::UseTimeouts(bool forWait) {
    if (waitTimeoutsSet_ == forWait) return true;
    COMMTIMEOUTS wait = lineTimeouts_;
    wait.ReadIntervalTimeout = MAXDWORD;
    wait.ReadTotalTimeoutMultiplier = MAXDWORD;
    wait.ReadTotalTimeoutConstant = kWaitSliceMs;
    if (!Check(SetCommTimeouts(handle_, forWait ? &wait : &lineTimeouts_))) return false;
    waitTimeoutsSet_ = forWait;
    return true;
}

void Win32SerialPort::PurgeReceive() {
    PurgeComm(handle_, PURGE_RXCLEAR);
    aheadCount_ = 0;
}

void Win32SerialPort::ClearErrors() {
    DWORD errors = 0;
    COMSTAT status{};
    ClearCommError(handle_, &errors, &status);
    ClearCommBreak(handle_);
}

bool Win32SerialPort::ArmCharEvent() {
    if (!charEventArmed_) charEventArmed_ = Check(SetCommMask(handle_, EV_RXCHAR));
    return charEventArmed_;
}

void Win32SerialPort::RegisterWaiter() {
    if (waiter_.load()) return;
    HANDLE self = nullptr;
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &self,
                    THREAD_TERMINATE, FALSE, 0);
    waiter_ = self;
}

// Waits by reading the first character, with time-outs that return as soon
// as it has come, and takes what followed it. WaitCommEvent would do, but under Wine every
// WaitCommEvent that has to wait leaves about a hundred bytes behind: several
// kilobytes a dump, megabytes over a long session. The wait's time-outs stay
// set until a read needs the line's, so a packet that arrives whole costs one
// read and no change of time-outs.
bool Win32SerialPort::WaitCharEvent() {
    RegisterWaiter();
    if (aheadCount_ > 0 || woken_.load()) return true;
    if (!UseTimeouts(true)) return false;
    bool ok = true;
    while (!woken_.load()) {
        const ULONGLONG began = GetTickCount64();
        DWORD got = 0;
        const BOOL read = ReadFile(handle_, ahead_, 1, &got, nullptr);
        // A read cancelled by Wake has simply ended.
        if (!read) {
            ok = woken_.load() || Check(read);
            break;
        }
        if (got == 1) {
            aheadStart_ = 0;
            aheadCount_ = 1 + ReadWaiting(ahead_ + 1, sizeof ahead_ - 1);
            break;
        }
        if (GetTickCount64() - began < kEarlySliceEndMs) break;
    }
    return ok;
}

// Only what the driver holds already: a read of more than that would wait
// (under Wine the wait's time-outs return early only when nothing came at all).
int Win32SerialPort::ReadWaiting(uint8_t* buffer, int room) {
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(handle_, &errors, &status) || status.cbInQue == 0) return 0;
    DWORD got = 0;
    const DWORD want = std::min(static_cast<DWORD>(room), status.cbInQue);
    if (!ReadFile(handle_, buffer, want, &got, nullptr)) return 0;
    return static_cast<int>(got);
}

void Win32SerialPort::Wake() {
    woken_ = true;
    if (HANDLE waiter = waiter_.load()) CancelSynchronousIo(waiter);
}

bool Win32SerialPort::Read(uint8_t* buffer, int want, int& count) {
    count = 0;
    if (want <= 0) return true;
    const int taken = std::min(want, aheadCount_);
    std::memcpy(buffer, ahead_ + aheadStart_, static_cast<size_t>(taken));
    aheadStart_ += taken;
    aheadCount_ -= taken;
    count = taken;
    if (taken == want) return true;
    if (!UseTimeouts(false)) return false;
    DWORD got = 0;
    const BOOL ok =
        ReadFile(handle_, buffer + taken, static_cast<DWORD>(want - taken), &got, nullptr);
    count += static_cast<int>(got);
    // A read cancelled by Wake has read what it got.
    return woken_.load() || Check(ok);
}

bool Win32SerialPort::WriteByte(uint8_t byte) {
    DWORD written = 0;
    return Check(WriteFile(handle_, &byte, 1, &written, nullptr));
}

std::vector<std::string> Win32SerialPort::ListPorts() const {
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
