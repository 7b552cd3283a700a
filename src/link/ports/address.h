#pragma once
// Where the target's serial line is: a COM port number, a device path, or a
// serial port served over the network (RFC 2217 or raw TCP, as ser2net does).
// The text is what [Comms] Port= and --port take.
#include <cstdint>
#include <string>

namespace varnolux {

enum class PortKind { Number, DevicePath, Rfc2217, RawTcp };

struct PortAddress {
    PortKind kind = PortKind::Number;
    int32_t number = 1;  // Number: 3 is COM3
    std::string path;    // DevicePath: /dev/ttyUSB0, \\.\COM12
    std::string host;    // Rfc2217, RawTcp: a name or an address (IPv6 without brackets)
    int tcpPort = 0;
    bool IsNetwork() const { return kind == PortKind::Rfc2217 || kind == PortKind::RawTcp; }
};

// The reading of a port's text: the address, or why the text names no port.
struct PortAddressRead {
    bool ok = false;
    PortAddress address;
    std::string message;
};

// "3", "COM3", "/dev/ttyUSB0", "\\.\COM12", "rfc2217://HOST:PORT",
// "tcp://HOST:PORT" (blanks around it are ignored; HOST may be [IPv6]).
PortAddressRead ReadPortAddress(const std::string& text);

// A network address as it is written ("rfc2217://127.0.0.1:4000"); the path
// of a device path; "COMn" for a number.
std::string PortAddressText(const PortAddress& address);

}  // namespace varnolux
