#include "link_fixture.h"

namespace varnolux {
namespace {

class PacketHandling : public LinkFixture {};

TEST_F(PacketHandling, WrongCrcIsAnsweredNakAndChangesNothing) {
    auto p = DataPacket(0x0040, {0x55});
    p[31] ^= 0xFF;
    Send(p);
    EXPECT_EQ(port.WrittenText(), "e");
    EXPECT_EQ(session.image.RamImage[0x40].Received, 0);
    EXPECT_EQ(session.run.PacketCount.load(), 1);
}

TEST_F(PacketHandling, WrongCrcIsStoredWithIgnoreCrc) {
    session.settings.IgnoreCRC = 1;
    auto p = DataPacket(0x0040, {0x55});
    p[31] ^= 0xFF;
    Send(p);
    EXPECT_EQ(port.WrittenText(), "f");
    EXPECT_EQ(session.image.RamImage[0x40].Value, 0x55);
    EXPECT_EQ(session.image.RamImage[0x40].Received, 1);
}

TEST_F(PacketHandling, OverlongDataIsCountedButNotAnswered) {
    for (uint8_t type : {MT_DATA, MT_EEPROM}) {
        Send(Packet({type, 27, 0x00, 0x10, 0xAA}));
        EXPECT_EQ(port.WrittenText(), "") << int(type);
    }
    EXPECT_EQ(session.run.PacketCount.load(), 2);
    EXPECT_EQ(session.image.RamImage[0x10].Received, 0);
    EXPECT_EQ(session.image.EepromImage[0x10].Received, 0);
}

TEST_F(PacketHandling, DataPacketSetsOnlyItsCells) {
    auto p = DataPacket(0x0123, {0x11, 0x22, 0x33});
    for (size_t i = 8; i < 31; ++i) p[i] = 0x99;  // bytes past the count are ignored
    p[31] = Crc8(p.data(), 31);
    Send(p);
    EXPECT_EQ(port.WrittenText(), "f");
    EXPECT_EQ(session.image.RamImage[0x123].Value, 0x11);
    EXPECT_EQ(session.image.RamImage[0x124].Value, 0x22);
    EXPECT_EQ(session.image.RamImage[0x125].Value, 0x33);
    EXPECT_EQ(session.image.RamImage[0x122].Received, 0);
    EXPECT_EQ(session.image.RamImage[0x126].Received, 0);
    EXPECT_EQ(session.image.RamImage[0x126].Value, 0);
}

TEST_F(PacketHandling, HostAndUnknownTypesAreIgnoredEntirely) {
    for (uint8_t type : {MT_ROMCHECK, MT_MODIFY, MT_RESET, uint8_t{0}, uint8_t{99}})
        Send(Packet({type, 1, 0, 0, 0}));
    EXPECT_EQ(port.WrittenText(), "");
    EXPECT_EQ(session.run.PacketCount.load(), 0);
}

TEST_F(PacketHandling, RamBeyondTheImageIsDropped) {
    Send(DataPacket(19999, {1, 2, 3, 4}));
    EXPECT_EQ(port.WrittenText(), "f");
    EXPECT_EQ(session.image.RamImage[19999].Value, 1);
    EXPECT_EQ(session.image.RamImage[20000].Value, 2);
    EXPECT_EQ(session.image.RamImage.size(), 20001u);
    Send(Packet({MT_NullBlock, 0, 0xFF, 0xF0, 200}));
    EXPECT_EQ(port.WrittenText(), "f");
}

TEST_F(PacketHandling, NullBlockZeroesItsCells) {
    Send(DataPacket(0x200, {7, 7, 7, 7}));
    Send(Packet({MT_NullBlock, 0, 0x02, 0x01, 2}));
    EXPECT_EQ(session.image.RamImage[0x200].Value, 7);
    EXPECT_EQ(session.image.RamImage[0x201].Value, 0);
    EXPECT_EQ(session.image.RamImage[0x202].Value, 0);
    EXPECT_EQ(session.image.RamImage[0x203].Value, 7);
}

TEST_F(PacketHandling, EepromAndFFBlockSetTheEepromImage) {
    Send(Packet({MT_EEPROM, 2, 0x00, 0x05, 0xA1, 0xA2}));
    EXPECT_EQ(session.image.EepromImage[5].Value, 0xA1);
    EXPECT_EQ(session.image.EepromImage[6].Value, 0xA2);
    EXPECT_EQ(session.run.EepromAvailable.load(), 1);
    Send(Packet({MT_FFBlock, 0, 0x00, 0x06, 3}));
    EXPECT_EQ(session.image.EepromImage[5].Value, 0xA1);
    EXPECT_EQ(session.image.EepromImage[6].Value, 0xFF);
    EXPECT_EQ(session.image.EepromImage[8].Value, 0xFF);
    EXPECT_EQ(session.image.EepromImage[9].Received, 0);
    Send(DataPacket(0x10, {1}));
    EXPECT_EQ(session.run.EepromAvailable.load(), 0);
}

TEST_F(PacketHandling, EepromBeyondTheDeviceIsReportedOncePerPacket) {
    Send(Packet({MT_EEPROM, 4, 0x00, 0xFE, 1, 2, 3, 4}));
    EXPECT_EQ(port.WrittenText(), "f");
    EXPECT_EQ(session.image.EepromImage[0xFE].Value, 1);
    EXPECT_EQ(session.image.EepromImage[0xFF].Value, 2);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "HandlePacket illegal EEPROM address  256  255");
    EXPECT_EQ(prompts.shown[0].caption, "");
    Send(Packet({MT_FFBlock, 0, 0x01, 0x00, 5}));
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[1].text.rfind(
                  "There is a EEPROM SIZE discrepancy between device spec. and reported", 0),
              0u);
}

TEST_F(PacketHandling, PortPacketFillsThePortTable) {
    Send(Packet({MT_PORT, 1, 2, 3, 4, 5, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5}));
    EXPECT_EQ(port.WrittenText(), "f");
    EXPECT_EQ(session.device.Ports[0].ValueImage, 1);
    EXPECT_EQ(session.device.Ports[4].ValueImage, 5);
    EXPECT_EQ(session.device.Ports[0].DirectionImage, 0xF1);
    EXPECT_EQ(session.device.Ports[4].DirectionImage, 0xF5);
    EXPECT_EQ(session.run.PortsReceived.load(), 1);
}

TEST_F(PacketHandling, RejectedEndPacketIsNeitherCountedNorHandled) {
    auto p = EndPacket(4);
    p[31] ^= 1;
    Send(p);
    EXPECT_EQ(port.WrittenText(), "e");
    EXPECT_EQ(session.run.PacketCount.load(), 0);
    EXPECT_EQ(session.image.DumpId, -1);
    EXPECT_EQ(session.run.NewDumpPending.load(), 0);
}

TEST_F(PacketHandling, ShortPacketIsReportedAndPaddedWithBlanks) {
    Send(std::vector<uint8_t>{kStx, MT_DATA, 1, 0x00});
    // The missing bytes read as 0x20: address 0x0020, CRC wrong.
    EXPECT_EQ(port.WrittenText(), "e");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "LinkThreadMain Read packet size wrong 0");
}

}  // namespace
}  // namespace varnolux
