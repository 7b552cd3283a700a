#include <gtest/gtest.h>

#include "project/device/reader.h"
#include "scan_fixture.h"

namespace varnolux {
namespace {

using testing::ScanFixture;

class DeviceRead : public ScanFixture {
  protected:
    void SetUp() override {
        session.settings.PPI = "C:\\PDS\\PPI";
        session.device.SourceDeviceName = "16F1829";
    }
    void PutDevice(const std::string& text) { PutSource("C:\\PDS\\PPI\\P16F1829.PPI", text); }

    std::vector<int32_t> ImplementedCells() {
        std::vector<int32_t> cells;
        for (int32_t a = 0; a <= kRamTop; ++a) {
            if (session.image.RamImage[a].Implemented) cells.push_back(a);
        }
        return cells;
    }
};

TEST_F(DeviceRead, CoreFourteenMarksExactlyItsBanks) {
    PutDevice(
        "[INFOSTART]\nCORE=14\nEEPROM=256\nRAM_BANKS=2\n"
        "BANK0_START=0X020\nBANK0_END=0X07F\nBANK1_START=0X0A0\nBANK1_END=0X0EF\n");
    ReadDevice(session, seams);
    const auto cells = ImplementedCells();
    ASSERT_EQ(cells.size(), 96u + 80u);
    EXPECT_EQ(cells.front(), 32);
    EXPECT_EQ(cells[95], 127);
    EXPECT_EQ(cells[96], 160);
    EXPECT_EQ(cells.back(), 239);
    EXPECT_EQ(session.device.Core, 14);
    EXPECT_EQ(session.device.EepromSize, 256);
    EXPECT_EQ(session.image.EepromImage.size(), 257u);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(DeviceRead, OtherCoresMarkAllCellsButTheTopOne) {
    PutDevice("[INFOSTART]\nCORE=16\n");
    ReadDevice(session, seams);
    const auto cells = ImplementedCells();
    EXPECT_EQ(cells.size(), 20000u);
    EXPECT_EQ(cells.back(), 19999);
}

TEST_F(DeviceRead, MissingFileGivesDefaultsAndSaysWhy) {
    session.device.Ports[1].ImplementedBits = 0xFF;
    session.device.Ports[1].Present = 1;
    ReadDevice(session, seams);
    EXPECT_EQ(session.device.Core, 0);
    EXPECT_EQ(session.device.EepromSize, 0);
    EXPECT_EQ(session.image.EepromImage.size(), 1u);
    EXPECT_EQ(ImplementedCells().size(), 20000u);
    EXPECT_EQ(session.device.Ports[1].Present, 0);
    EXPECT_EQ(session.device.Ports[1].ImplementedBits, 0);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{
                                   "ReadDevice device file C:\\PDS\\PPI\\P16F1829.PPI not found - "
                                   "no core, EEPROM, RAM banks or ports are known; [Locations] "
                                   "PPI= in Varnolux.ini names the folder of the device files"});

    // Unreadable is told apart from missing; the listing stage has spoken of
    // the listing device's own file, which is not named twice.
    prompts.shown.clear();
    PutDevice("[INFOSTART]\nCORE=14\n");
    os.SetUnreadable("C:\\PDS\\PPI\\P16F1829.PPI", true);
    ReadDevice(session, seams);
    EXPECT_EQ(session.device.Core, 0);
    ASSERT_EQ(prompts.Texts().size(), 1u);
    EXPECT_NE(prompts.Texts()[0].find("P16F1829.PPI cannot be read"), std::string::npos);
    session.device.ListingDeviceName = "16F1829";
    ReadDevice(session, seams);
    EXPECT_EQ(prompts.Texts().size(), 1u);
}

TEST_F(DeviceRead, FileWithoutSectionsGivesDefaults) {
    PutDevice("just some text\nCORE=14\n\x01\x02\xff binary\n");
    ReadDevice(session, seams);
    EXPECT_EQ(session.device.Core, 0);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(DeviceRead, PortBitsExistWhenAnyOfTheirKeysExists) {
    PutDevice(
        "[INFOSTART]\nCORE=14\nPorts=2\n"
        "[BITSTART]\nRA0=1\nLATA1=1\nTRISA5=1\n"
        "RB4=1\nLATB4=1\n"
        "RC7=1\nLATC7=1\nTRISC7=1\n"
        "RD0=1\nTRISD0=1\n");
    ReadDevice(session, seams);
    const auto& p = session.device.Ports;
    EXPECT_EQ(p[0].ImplementedBits, 0x23);
    EXPECT_EQ(p[0].Present, 1);
    EXPECT_EQ(p[0].DirectionPresent, 1);
    EXPECT_EQ(p[1].ImplementedBits, 0x10);
    EXPECT_EQ(p[1].DirectionPresent, 0);
    EXPECT_EQ(p[2].ImplementedBits, 0x80);
    EXPECT_EQ(p[2].DirectionPresent, 1);
    EXPECT_EQ(p[3].Present, 0) << "Ports = 2 examines A, B and C only";
}

TEST_F(DeviceRead, LimitsBeyondTheTablesAreReportedOnceAndCut) {
    PutDevice(
        "[INFOSTART]\nCORE=14\nPorts=9\nRAM_BANKS=3\n"
        "BANK0_START=0X020\nBANK0_END=0X07F\n"
        "BANK1_START=0X4E00\nBANK1_END=0X5000\n"
        "BANK2_START=0X4F00\nBANK2_END=0X6000\n"
        "[BITSTART]\nRG0=1\n");
    ReadDevice(session, seams);
    EXPECT_EQ(session.device.Ports[6].ImplementedBits, 1);
    const auto cells = ImplementedCells();
    EXPECT_EQ(cells.back(), 19999);
    EXPECT_EQ(session.image.RamImage[kRamTop].Implemented, 0);
    EXPECT_EQ(prompts.Texts(),
              (std::vector<std::string>{
                  "ReadDevice BANK1 reaches beyond the RAM image; cells above 19999 are not marked",
                  "ReadDevice Ports = 9 is beyond the port table; ports A to G are read"}));
}

TEST_F(DeviceRead, HugeCountsDoNotRunAway) {
    PutDevice("[INFOSTART]\nCORE=14\nRAM_BANKS=2000000000\nEEPROM=2000000000\n");
    ReadDevice(session, seams);
    EXPECT_EQ(session.device.EepromSize, 65536);
    EXPECT_EQ(session.image.EepromImage.size(), 65537u);
    EXPECT_EQ(prompts.shown.size(), 2u);
}

TEST(DeviceFile, PathIsThePpiFolderAndTheDeviceName) {
    Settings s;
    s.PPI = "PPI";
    EXPECT_EQ(DeviceFilePath(s, "18F25K22"), "PPI\\P18F25K22.PPI");
}

}  // namespace
}  // namespace varnolux
