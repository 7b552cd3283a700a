#include "link/packets/crc8.h"
#include "link/packets/host_packet.h"
#include "link_fixture.h"

namespace varnolux {
namespace {

TEST(Crc8, KnownValues) {
    uint8_t crc = 0;
    Crc8Update(crc, 0x02);
    EXPECT_EQ(crc, 0xBC);
    // The 1-Wire check value of "123456789".
    const std::string check = "123456789";
    EXPECT_EQ(Crc8(reinterpret_cast<const uint8_t*>(check.data()), check.size()), 0xA1);
}

TEST(Crc8, APacketsCrcIsTheBytewiseUpdateOfEveryByte) {
    // Every pair of bytes: the whole-packet CRC must agree with the update the
    // target firmware runs bit by bit.
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b) {
            const uint8_t bytes[] = {static_cast<uint8_t>(a), static_cast<uint8_t>(b)};
            uint8_t crc = 0;
            Crc8Update(crc, bytes[0]);
            Crc8Update(crc, bytes[1]);
            ASSERT_EQ(Crc8(bytes, 2), crc) << a << " " << b;
        }
}

TEST(HostPacket, ResetRequestBytes) {
    const HostPacket p = BuildHostPacket(MT_RESET, ResetPayload());
    const HostPacket expected = {0x02, 0x0B, 0x0D, 0x00, 0xCC, 0x55, 0x00, 0x00, 0x00, 0x00, 0xF4};
    EXPECT_EQ(p, expected);
}

TEST(HostPacket, RomCheckPayloadForOneAndTwoWords) {
    RomReference one{0x7FFE, 0x1234, -1, 1};
    EXPECT_EQ(RomCheckPayload(one), (HostPayload{2, 0x7F, 0xFE, 0x12, 0x34, 0, 0}));
    RomReference two{0x0100, 0xABCD, 0xEF01, 2};
    EXPECT_EQ(RomCheckPayload(two), (HostPayload{4, 0x01, 0x00, 0xAB, 0xCD, 0xEF, 0x01}));
    RomReference none{0x0100, 0xABCD, -1, 0};
    EXPECT_EQ(RomCheckPayload(none)[0], 0);
}

class HostPacketWrite : public LinkFixture {};

TEST_F(HostPacketWrite, FailedByteIsReportedOnceAndTheRestStillWritten) {
    port.failWrite = 2;
    SendHostPacket(link, MT_RESET, ResetPayload());
    EXPECT_EQ(port.written.size(), 9u);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "LinkThreadMain write Modify byte failed 5");
}

}  // namespace
}  // namespace varnolux
