#pragma once
// A serial port served over the network, as ser2net serves one: RFC 2217
// (Telnet with COM-PORT-OPTION, so the rate is set on the server) or raw TCP
// (the bytes as they are, at the server's rate). The link's time-outs and its
// wait for a character work on the connection as on a serial line.
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "link/ports/address.h"
#include "link/ports/telnet.h"
#include "seams/net_socket.h"
#include "seams/serial_port.h"

namespace varnolux {

class NetworkPort : public SerialPort {
  public:
    NetworkPort(std::unique_ptr<NetSocket> socket, const PortAddress& address);

    // Connects; with RFC 2217 it waits (at most a second) for the server to
    // agree to COM-PORT-OPTION. A server that refuses it keeps its own rate:
    // SetsRate is false until the next open.
    bool Open(int portNumber) override;
    bool ReadLineSettings() override;
    // RFC 2217: sets the server's line and waits (at most a second) for it to
    // report the rate. Raw TCP: only the time-outs.
    void Configure(int baud, const SerialTimeouts& timeouts) override;
    void PurgeReceive() override;
    void ClearErrors() override {}
    bool ArmCharEvent() override { return true; }
    // Blocks on the connection until data comes, it drops, or Wake. Once it
    // dropped, it waits for Wake alone.
    bool WaitCharEvent() override;
    bool Read(uint8_t* buffer, int want, int& count) override;
    bool WriteByte(uint8_t byte) override;
    uint32_t LastError() const override { return lastError_; }
    // The address is the one port there is.
    std::vector<std::string> ListPorts() const override { return {PortAddressText(address_)}; }
    std::string PortName(int) const override { return PortAddressText(address_); }
    // RFC 2217 with a server that did not refuse COM-PORT-OPTION; asked from
    // any thread.
    bool SetsRate() const override;
    bool RateRefused() const override;
    std::string FailureText() const override { return failure_; }
    void Wake() override { socket_->Wake(); }

    // The rate the server reported last (RFC 2217), 0 before any.
    uint32_t ServerRate() const { return telnet_.ServerRate(); }

  private:
    // Receives once (up to `timeoutMs`) and sorts what came into data and
    // Telnet; Closed once the connection dropped.
    ReceiveEnd ReceiveOnce(int timeoutMs);
    // Receives until `done` says so or `timeoutMs` has passed.
    template <typename Done>
    void ReceiveUntil(Done done, int timeoutMs);
    bool SendAll(const std::vector<uint8_t>& bytes);
    // Ends the connection after it dropped or failed; false, for the caller to return.
    bool Drop(const std::string& how);
    int Buffered() const { return static_cast<int>(data_.size() - dataStart_); }

    std::unique_ptr<NetSocket> socket_;
    PortAddress address_;
    TelnetSession telnet_;
    SerialTimeouts timeouts_;
    bool connected_ = false;
    // The connection dropped during a call that could not say so (Configure,
    // PurgeReceive): the next read or wait fails.
    bool dropUntold_ = false;
    std::atomic<bool> comPortRefused_{false};
    std::vector<uint8_t> data_;  // data received and not read yet, from dataStart_
    size_t dataStart_ = 0;
    std::vector<uint8_t> reply_;  // Telnet answers still to send
    std::vector<uint8_t> out_;
    uint8_t received_[1024] = {};
    uint32_t lastError_ = 0;
    std::string failure_;
};

}  // namespace varnolux
