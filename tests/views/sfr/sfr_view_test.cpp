// The SFR window's model: the registers to choose from, the chosen ones'
// values from the port packet or the RAM image, and the one line that says
// why a value is missing.
#include "views/sfr/sfr_view.h"

#include <gtest/gtest.h>

namespace varnolux {
namespace {

struct SfrTest : ::testing::Test {
    DeviceDescription device;
    DumpImage image;
    SfrTest() {
        device.Registers = {{"PORTA", 0xF80}, {"TRISC", 0xF94}, {"ADCON0", 0xFC2}, {"WREG", 0xFE8}};
        device.Ports[0].ValueImage = 0xA5;  // the port packet
        device.Ports[2].DirectionImage = 0x0F;
        image.RamImage[0xF80] = RamCell{0x11, 1, 1};  // the packet's PORTA wins
        image.RamImage[0xFE8] = RamCell{200, 1, 1};
    }
    SfrSources Sources(bool ports, bool dump) { return SfrSources{device, image, ports, dump}; }
};

TEST_F(SfrTest, TheChoicesAreEveryRegisterWithItsAddress) {
    const SfrPicture p = SfrView(Sources(true, true), {});
    ASSERT_EQ(p.choices.size(), 4u);
    EXPECT_EQ(p.choices[0].name, "PORTA");
    EXPECT_EQ(p.choices[0].address, "$0F80");
    EXPECT_EQ(p.choices[3].address, "$0FE8");
    EXPECT_TRUE(p.rows.empty());
    EXPECT_EQ(p.note, "Choose registers in the list on the right to see their values.");
}

TEST_F(SfrTest, ChosenRegistersShowTheDumpsValuesInThreeRadixes) {
    const struct {
        size_t index;
        const char *hex, *dec, *bin;
    } cases[] = {{0, "$A5", "165", "%10100101"},   // PORTA from the port packet
                 {1, "$0F", "15", "%00001111"},    // TRISC from the port packet
                 {3, "$C8", "200", "%11001000"}};  // WREG from the RAM image
    for (const auto& c : cases) {
        const SfrPicture p = SfrView(Sources(true, true), {c.index});
        ASSERT_EQ(p.rows.size(), 1u);
        EXPECT_EQ(p.rows[0].name, device.Registers[c.index].name);
        EXPECT_EQ(p.rows[0].hex, c.hex);
        EXPECT_EQ(p.rows[0].dec, c.dec);
        EXPECT_EQ(p.rows[0].bin, c.bin);
        EXPECT_EQ(p.note, "");
    }
}

TEST_F(SfrTest, OneLineSaysWhyAValueIsMissing) {
    const struct {
        bool ports, dump;
        std::vector<size_t> chosen;
        const char* note;
    } cases[] = {
        {true,
         true,
         {2, 3},
         "No dump carried ADCON0 ($0FC2): the firmware sent no RAM at that "
         "address."},
        {false, false, {1}, "No dump has come yet: the values show from the first dump on."},
        {false, true, {0}, ""},  // without the port packet, PORTA from the RAM image
    };
    for (const auto& c : cases) {
        const SfrPicture p = SfrView(Sources(c.ports, c.dump), c.chosen);
        EXPECT_EQ(p.note, c.note);
        EXPECT_EQ(p.rows.size(), c.chosen.size());
    }
    EXPECT_EQ(SfrValue(device.Registers[0], Sources(false, true)), uint8_t{0x11});
    EXPECT_EQ(SfrView(Sources(true, true), {2}).rows[0].hex, "") << "no value, no text";

    device.Registers.clear();
    const SfrPicture none = SfrView(Sources(true, true), {0});
    EXPECT_TRUE(none.choices.empty());
    EXPECT_TRUE(none.rows.empty());
    EXPECT_EQ(none.note,
              "The listing declares no special function registers (no \"equ\" lines "
              "of the device), so there is nothing to show.");
}

}  // namespace
}  // namespace varnolux
