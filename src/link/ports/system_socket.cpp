// What both systems' sockets share: keeping the last failure for the caller,
// and the words of a connect that found no answer.
#include "link/ports/system_socket.h"

namespace varnolux {

std::string NoAnswerText() {
    return "no answer within " + std::to_string(kConnectAnswerMs / 1000) + " seconds";
}

bool SystemSocket::Fail(uint32_t error, const std::string& text) {
    lastError_ = error;
    lastErrorText_ = text;
    return false;
}

}  // namespace varnolux
