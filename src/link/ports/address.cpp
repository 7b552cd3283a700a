#include "link/ports/address.h"

#include <cctype>

namespace varnolux {

namespace {

const char* const kForms =
    "a COM number (3), a device path (/dev/ttyUSB0), rfc2217://HOST:PORT or tcp://HOST:PORT";

std::string Trimmed(const std::string& text) {
    const size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) return std::string();
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

bool AllDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

PortAddressRead Refused(const std::string& message) {
    PortAddressRead read;
    read.message = message;
    return read;
}

PortAddressRead Accepted(const PortAddress& address) {
    PortAddressRead read;
    read.ok = true;
    read.address = address;
    return read;
}

// HOST:PORT after the scheme.
PortAddressRead ReadNetwork(const std::string& text, PortKind kind, const std::string& rest) {
    const std::string quoted = "\"" + text + "\"";
    PortAddress address;
    address.kind = kind;
    size_t colon = std::string::npos;
    if (!rest.empty() && rest[0] == '[') {
        const size_t close = rest.find(']');
        if (close == std::string::npos) return Refused(quoted + ": the host's [ has no ]");
        address.host = rest.substr(1, close - 1);
        if (close + 1 < rest.size() && rest[close + 1] == ':')
            colon = close + 1;
        else if (close + 1 < rest.size())
            return Refused(quoted + ": a colon and the TCP port follow the host's ]");
    } else {
        colon = rest.rfind(':');
        address.host = rest.substr(0, colon);
    }
    const std::string scheme = text.substr(0, text.find("://") + 3);
    if (address.host.empty()) return Refused(quoted + " names no host: " + scheme + "HOST:PORT");
    if (colon == std::string::npos)
        return Refused(quoted + " names no TCP port: " + scheme + rest + ":PORT");
    const std::string port = rest.substr(colon + 1);
    if (!AllDigits(port) || port.size() > 5 || std::stoi(port) < 1 || std::stoi(port) > 65535)
        return Refused(quoted + ": the TCP port must be a number from 1 to 65535");
    address.tcpPort = std::stoi(port);
    return Accepted(address);
}

}  // namespace

PortAddressRead ReadPortAddress(const std::string& typed) {
    const std::string text = Trimmed(typed);
    if (text.empty()) return Refused(std::string("no port given: name ") + kForms);
    const size_t scheme = text.find("://");
    if (scheme != std::string::npos) {
        const std::string name = Lower(text.substr(0, scheme));
        const std::string rest = text.substr(scheme + 3);
        if (name == "rfc2217") return ReadNetwork(text, PortKind::Rfc2217, rest);
        if (name == "tcp") return ReadNetwork(text, PortKind::RawTcp, rest);
        return Refused("\"" + text +
                       "\": a port over the network is rfc2217://HOST:PORT or tcp://HOST:PORT");
    }
    PortAddress address;
    const std::string digits = Lower(text).rfind("com", 0) == 0 ? text.substr(3) : text;
    if (AllDigits(digits)) {
        if (digits.size() > 6 || std::stoi(digits) < 1)
            return Refused("\"" + text + "\" is no port: COM ports count from 1");
        address.number = std::stoi(digits);
        return Accepted(address);
    }
    if (text[0] == '/' || text[0] == '\\') {
        address.kind = PortKind::DevicePath;
        address.path = text;
        return Accepted(address);
    }
    return Refused("\"" + text + "\" is no port: name " + kForms);
}

std::string PortAddressText(const PortAddress& address) {
    switch (address.kind) {
        case PortKind::Number:
            return "COM" + std::to_string(address.number);
        case PortKind::DevicePath:
            return address.path;
        default:
            break;
    }
    const bool bracketed = address.host.find(':') != std::string::npos;
    return std::string(address.kind == PortKind::Rfc2217 ? "rfc2217://" : "tcp://") +
           (bracketed ? "[" + address.host + "]" : address.host) + ":" +
           std::to_string(address.tcpPort);
}

}  // namespace varnolux
