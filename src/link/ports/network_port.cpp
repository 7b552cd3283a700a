#include "link/ports/network_port.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace varnolux {

namespace {

// How long the server has to agree to COM-PORT-OPTION and to report a rate set.
constexpr int kServerAnswerMs = 1000;
constexpr int kPurgeRounds = 8;

int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

NetworkPort::NetworkPort(std::unique_ptr<NetSocket> socket, const PortAddress& address)
    : socket_(std::move(socket)), address_(address), telnet_(address.kind == PortKind::Rfc2217) {}

bool NetworkPort::SetsRate() const {
    return address_.kind == PortKind::Rfc2217 && !comPortRefused_.load();
}

bool NetworkPort::RateRefused() const {
    return address_.kind == PortKind::Rfc2217 && comPortRefused_.load();
}

bool NetworkPort::Drop(const std::string& how) {
    lastError_ = socket_->LastError();
    const std::string why = socket_->LastErrorText();
    failure_ = how + (why.empty() ? std::string() : ": " + why);
    socket_->Close();
    if (connected_) dropUntold_ = true;
    connected_ = false;
    return false;
}

bool NetworkPort::Open(int) {
    const std::string name = PortAddressText(address_);
    // Each connection starts afresh: its own negotiation, no data of the one before.
    telnet_ = TelnetSession(address_.kind == PortKind::Rfc2217);
    data_.clear();
    dataStart_ = 0;
    connected_ = false;
    dropUntold_ = false;
    if (!socket_->Connect(address_.host, address_.tcpPort))
        return Drop("Cannot connect to " + name + " (host " + address_.host + ", TCP port " +
                    std::to_string(address_.tcpPort) + ")");
    connected_ = true;
    failure_.clear();
    if (address_.kind != PortKind::Rfc2217) return true;
    if (SendAll(telnet_.Opening()))
        ReceiveUntil([this] { return !telnet_.ComPortPending(); }, kServerAnswerMs);
    dropUntold_ = false;  // a drop within the opening is told by the false
    if (!connected_) return false;
    // A server that refuses COM-PORT-OPTION, or never answers it, keeps its own rate.
    comPortRefused_ = !telnet_.ComPortAgreed();
    return true;
}

bool NetworkPort::ReadLineSettings() {
    if (connected_) return true;
    lastError_ = socket_->LastError();
    return false;
}

void NetworkPort::Configure(int baud, const SerialTimeouts& timeouts) {
    timeouts_ = timeouts;
    if (!connected_ || address_.kind != PortKind::Rfc2217 || !telnet_.ComPortAgreed()) return;
    const int answers = telnet_.RateAnswers();
    if (!SendAll(LineCommands(static_cast<uint32_t>(baud)))) return;
    ReceiveUntil([this, answers] { return telnet_.RateAnswers() > answers; }, kServerAnswerMs);
}

void NetworkPort::PurgeReceive() {
    // What came at the rate before is dropped, with what waits in the system; a
    // few rounds at most, as a target that talks without a pause never lets it end.
    for (int round = 0; round < kPurgeRounds && connected_; ++round)
        if (ReceiveOnce(0) != ReceiveEnd::Data) break;
    data_.clear();
    dataStart_ = 0;
}

bool NetworkPort::SendAll(const std::vector<uint8_t>& bytes) {
    if (bytes.empty() || socket_->Send(bytes.data(), bytes.size())) return true;
    return Drop("The connection to " + PortAddressText(address_) + " failed");
}

ReceiveEnd NetworkPort::ReceiveOnce(int timeoutMs) {
    size_t got = 0;
    const ReceiveEnd end = socket_->Receive(received_, sizeof received_, timeoutMs, got);
    if (end == ReceiveEnd::Closed) {
        Drop("The connection to " + PortAddressText(address_) + " was closed");
        return end;
    }
    if (end != ReceiveEnd::Data) return end;
    if (dataStart_ == data_.size()) {
        data_.clear();
        dataStart_ = 0;
    }
    if (address_.kind == PortKind::RawTcp) {
        data_.insert(data_.end(), received_, received_ + got);
        return end;
    }
    telnet_.Take(received_, got, data_, reply_);
    if (!reply_.empty()) {
        std::vector<uint8_t> answer;
        answer.swap(reply_);
        if (!SendAll(answer)) return ReceiveEnd::Closed;
    }
    return end;
}

template <typename Done>
void NetworkPort::ReceiveUntil(Done done, int timeoutMs) {
    const int64_t deadline = NowMs() + timeoutMs;
    while (connected_ && !done()) {
        const int64_t left = deadline - NowMs();
        if (left <= 0 || ReceiveOnce(static_cast<int>(left)) != ReceiveEnd::Data) return;
    }
}

bool NetworkPort::WaitCharEvent() {
    while (Buffered() == 0) {
        // The drop is told once; after it the wait lasts until Wake.
        if (dropUntold_) {
            dropUntold_ = false;
            return false;
        }
        if (ReceiveOnce(-1) == ReceiveEnd::Woken) return true;
    }
    return true;
}

bool NetworkPort::Read(uint8_t* buffer, int want, int& count) {
    count = 0;
    const int64_t deadline = NowMs() + static_cast<int64_t>(timeouts_.readTotalMultiplier) * want +
                             timeouts_.readTotalConstant;
    for (;;) {
        const int taken = std::min(want - count, Buffered());
        if (taken > 0)
            std::memcpy(buffer + count, data_.data() + dataStart_, static_cast<size_t>(taken));
        dataStart_ += static_cast<size_t>(taken);
        count += taken;
        if (count == want) return true;
        // The read that finds the connection gone, here or in a call that could
        // not tell (the wait for a rate's answer), fails; later ones find
        // nothing, as on a hung-up line.
        if (dropUntold_) {
            dropUntold_ = false;
            return false;
        }
        int64_t wait = deadline - NowMs();
        if (count > 0 && timeouts_.readInterval > 0)
            wait = std::min<int64_t>(wait, timeouts_.readInterval);
        if (wait <= 0) return true;
        const ReceiveEnd end = ReceiveOnce(static_cast<int>(wait));
        if (end != ReceiveEnd::Data && end != ReceiveEnd::Closed) return true;
    }
}

bool NetworkPort::WriteByte(uint8_t byte) {
    if (!connected_) return false;
    out_.clear();
    if (address_.kind == PortKind::Rfc2217)
        AppendTelnetData(out_, byte);
    else
        out_.push_back(byte);
    if (SendAll(out_)) return true;
    dropUntold_ = false;  // told by the false
    return false;
}

}  // namespace varnolux
