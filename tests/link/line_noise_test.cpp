#include <random>

#include "link_fixture.h"

namespace varnolux {
namespace {

class LineNoise : public LinkFixture {};

// Random bytes, with packet starts sprinkled in, at every count and address:
// nothing is written outside the images, and a clean dump afterwards is taken.
TEST_F(LineNoise, RandomBytesLeaveTheLinkWorking) {
    session.settings.IgnoreCRC = 1;  // let the noise reach the stores
    std::mt19937 random(11);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> type(MT_DATA, MT_FFBlock);
    std::vector<uint8_t> noise;
    for (int i = 0; i < 20000; ++i) {
        noise.push_back(kStx);
        noise.push_back(static_cast<uint8_t>(type(random)));
        const int length = byte(random) % 40;
        for (int k = 0; k < length; ++k) noise.push_back(static_cast<uint8_t>(byte(random)));
    }
    Send(noise);
    EXPECT_GT(session.run.PacketCount.load(), 5000);
    EXPECT_EQ(session.image.RamImage.size(), static_cast<size_t>(kRamTop + 1));
    EXPECT_EQ(session.image.EepromImage.size(), 256u);
    session.settings.IgnoreCRC = 0;
    Send(DataPacket(0x40, {0xAB}));
    EXPECT_EQ(port.WrittenText(), "f");
    EXPECT_EQ(session.image.RamImage[0x40].Value, 0xAB);
    Send(EndPacket(77));
    EXPECT_EQ(session.image.DumpId, 77);
}

}  // namespace
}  // namespace varnolux
