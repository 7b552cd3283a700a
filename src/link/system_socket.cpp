// What both systems' sockets share: keeping the last failure for the caller.
#include "link/system_socket.h"

namespace varnolux {

bool SystemSocket::Fail(uint32_t error, const std::string& text) {
    lastError_ = error;
    lastErrorText_ = text;
    return false;
}

}  // namespace varnolux
