#pragma once
// Bytes of the dump protocol between the target firmware and the host.
#include <cstdint>

namespace varnolux {

// Message types, one numbering for target packets and host requests.
constexpr uint8_t MT_DATA = 7;
constexpr uint8_t MT_NullBlock = 8;
constexpr uint8_t MT_ENDDATA = 9;
constexpr uint8_t MT_ROMCHECK = 10;
constexpr uint8_t MT_PORT = 11;
constexpr uint8_t MT_MODIFY = 12;
constexpr uint8_t MT_RESET = 13;
constexpr uint8_t MT_EEPROM = 14;
constexpr uint8_t MT_FFBlock = 15;

// Single characters.
constexpr uint8_t kStx = 0x02;
constexpr uint8_t kSync = 'c';
constexpr uint8_t kQuery = 'd';
constexpr uint8_t kSyncAck = 'h';
constexpr uint8_t kWaitAck = 'b';
constexpr uint8_t kWaitNak = 'a';
constexpr uint8_t kAck = 'f';
constexpr uint8_t kNak = 'e';

constexpr int kTargetPacketSize = 32;
constexpr int kHostPacketSize = 11;
constexpr int kMaxPacketData = 26;  // data bytes of MT_DATA and MT_EEPROM
constexpr uint8_t kHostProtocolMajor = 1;

}  // namespace varnolux
