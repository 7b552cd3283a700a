#include "link/packets/finish_transaction.h"
#include "link/packets/trace_file.h"
#include "link_fixture.h"
#include "seams/main_ids.h"

namespace varnolux {
namespace {

class EndOfTransaction : public LinkFixture {
  protected:
    // An end packet with identity bytes: core-16 HexTag, device word, ROM result.
    static std::vector<uint8_t> IdentityPacket(uint8_t dumpId, uint16_t deviceWord, uint8_t rom,
                                               uint8_t day = 0x17) {
        std::vector<uint8_t> f(30, 0);
        f[0] = MT_ENDDATA;
        f[1] = dumpId;
        f[2] = 1;                                       // major
        f[3] = 0;                                       // minor
        f[9] = 0x12;                                    // month (offset 10)
        f[10] = day;                                    // day
        f[11] = 0x09;                                   // hour
        f[12] = 0x26;                                   // year
        f[13] = 0x32;                                   // version 1
        f[14] = 0x45;                                   // minute
        f[15] = 0x21;                                   // app version
        f[16] = 0x07;                                   // version 2
        f[19] = 0x59;                                   // seconds (offset 20)
        f[23] = static_cast<uint8_t>(deviceWord);       // offset 24
        f[24] = static_cast<uint8_t>(deviceWord >> 8);  // offset 25
        f[25] = 0x0A;                                   // offset 26
        f[26] = 0x01;                                   // offset 27
        f[27] = rom;                                    // offset 28
        return Packet(f);
    }
};

TEST_F(EndOfTransaction, CoreSixteenIdentityAndStatusTexts) {
    session.settings.ProgTimeSec = 1;
    Send(IdentityPacket(4, 0x5C63, 1));
    const TargetIdentity& id = session.identity;
    EXPECT_EQ(id.DeviceIdWord, 0x5C60);
    EXPECT_EQ(id.DeviceRevision, 3);
    EXPECT_EQ(id.HexTagDay, 0x17);
    EXPECT_EQ(id.HexTagMonth, 0x12);
    EXPECT_EQ(id.HexTagYear, 0x26);
    // 0x59 reads as 59; the consistency checks then take one off for their text.
    EXPECT_EQ(id.HexTagSecond, 58);
    EXPECT_EQ(id.HexTagValid, 1);
    EXPECT_EQ(id.RomCheckResult, 1);
    EXPECT_EQ(view.StatusText(3), " 18F25K22  3");
    EXPECT_EQ(view.StatusText(1), " Ver client 1.0   app 2.1");
    EXPECT_EQ(view.StatusText(0), " Comms established");
    EXPECT_EQ(session.run.NoDumpYet.load(), 0);
    EXPECT_EQ(session.run.CommsEstablished.load(), 1);
    EXPECT_EQ(session.run.NewDumpPending.load(), 1);
}

TEST_F(EndOfTransaction, SecondsByteIsReadAsDecimalOnlyWithProgTimeSec) {
    auto p = IdentityPacket(4, 0x5C63, 1);
    TargetPacket packet;
    std::copy(p.begin(), p.end(), packet.begin());
    TakeTargetIdentity(session, packet);
    EXPECT_EQ(session.identity.HexTagSecond, 0);
    session.settings.ProgTimeSec = 1;
    TakeTargetIdentity(session, packet);
    EXPECT_EQ(session.identity.HexTagSecond, 59);
}

TEST_F(EndOfTransaction, K42PartsTakeTheRevisionBytes) {
    session.device.SourceDeviceName = "18F26K42";
    Send(IdentityPacket(4, 0x6C63, 1));
    EXPECT_EQ(session.identity.DeviceIdWord, 0x6C63);
    EXPECT_EQ(session.identity.DeviceRevision, 0x0B);
    EXPECT_EQ(view.StatusText(3), " 18F26K42 0B");
}

TEST_F(EndOfTransaction, CoreFourteenLayout) {
    session.device.Core = 14;
    session.device.SourceDeviceName = "16F1937";
    std::vector<uint8_t> f(30, 0);
    f[0] = MT_ENDDATA;
    f[1] = 2;
    f[2] = 1;
    f[9] = 0x05;   // offset 10: day
    f[10] = 0x11;  // offset 11: month
    f[17] = 0x23;  // offset 18: device id high
    f[18] = 0x45;  // offset 19: device id low
    Send(Packet(f));
    EXPECT_EQ(session.identity.HexTagDay, 0x05);
    EXPECT_EQ(session.identity.HexTagMonth, 0x11);
    EXPECT_EQ(session.identity.DeviceIdWord, 0x2340);
    EXPECT_EQ(view.StatusText(3), " 16F1937  ?");
}

TEST_F(EndOfTransaction, IdentityIsTakenFromTheFirstEndPacketOnly) {
    Send(IdentityPacket(4, 0x5C63, 1));
    Send(IdentityPacket(5, 0x1111, 0, 0x22));
    EXPECT_EQ(session.identity.DeviceIdWord, 0x5C60);
    EXPECT_EQ(session.identity.RomCheckResult, 1);
    EXPECT_EQ(session.identity.HexTagDay, 0x17);
    EXPECT_EQ(session.image.DumpId, 5);
    EXPECT_EQ(session.image.PreviousDumpId, 4);
}

TEST_F(EndOfTransaction, NoHexTagShowsUnknownAppVersion) {
    Send(IdentityPacket(4, 0x5C63, 1, 0xFF));
    EXPECT_EQ(session.identity.HexTagValid, 0);
    EXPECT_EQ(view.StatusText(1), " Ver client 1.0  App ?.?");
}

TEST_F(EndOfTransaction, VersionMismatchStaysVisibleAndTheDumpIsStillTaken) {
    session.records.push_back(MyVarRecord{});
    session.records[0].VarLabel = "COUNTER";
    session.records[0].VarType = VT_BYTE;
    session.records[0].VarAddress = 0x30;
    session.image.RamImage[0x30].Implemented = 1;
    Send(DataPacket(0x30, {42}));
    Send(EndPacket(9, 0, 2));
    EXPECT_EQ(session.image.DumpId, 9);
    EXPECT_EQ(view.StatusText(0), " Host/client version mismatch");
    EXPECT_EQ(view.StatusText(1), " Ver client 2.0  App ?.?");
    EXPECT_EQ(session.records[0].VarValueInit, 1);
    EXPECT_EQ(session.records[0].VarValue, 42u);
    EXPECT_EQ(session.run.NewDumpPending.load(), 1);
}

TEST_F(EndOfTransaction, LabelsFollowTheDumpPoints) {
    session.dumpPoints.entries[5].comment = "after init";
    Send(EndPacket(5));
    EXPECT_EQ(view.ControlText(ids::kDumpPointLabel), " DumpID 5 : after init");
    EXPECT_EQ(view.ControlText(ids::kTransitionLabel), "");
    Send(EndPacket(5));
    EXPECT_EQ(view.ControlText(ids::kTransitionLabel), "");
    session.link.elapsedText = "2.000 secs";
    Send(EndPacket(12));
    EXPECT_EQ(view.ControlText(ids::kTransitionLabel), " 5 to 12   2.000 secs");
    Send(EndPacket(200));
    EXPECT_EQ(views.watchDumpIdLabel, " DumpID  200");
}

class TraceFileLines : public LinkFixture {};

TEST_F(TraceFileLines, EveryCountedPacketAppendsItsRecord) {
    session.settings.UDTdisplay = 1;
    Send(DataPacket(0x0123, {0x11, 0xAB}));
    Send(Packet({MT_NullBlock, 0, 0x01, 0x00, 0x1A}));
    Send(Packet({MT_EEPROM, 1, 0x00, 0x00, 0x33}));
    Send(Packet({MT_FFBlock, 0, 0x00, 0x10, 0x05}));
    Send(Packet({MT_PORT}));
    auto bad = EndPacket(3);
    bad[31] ^= 1;
    Send(bad);  // not counted, not traced
    Send(EndPacket(3));
    const std::string expected =
        "      0123 0124 \r\nData   11   AB       1\r\n\r\n\r\n"
        "Null Block     start at 0100 for 1A bytes     packet num  2\r\n\r\n\r\n"
        "EEPROM    PacketNum 3\r\n\r\n\r\n"
        "FF Block     start at 0010 for 05 bytes      PacketNum 4\r\n\r\n\r\n"
        "Port     packet num 5\r\n\r\n\r\n"
        "********** End transaction **********  6\r\n\r\n\r\n\r\n";
    EXPECT_EQ(os.ReadFile("C:\\Proj\\DEMO.txt").value_or("<none>"), expected);
}

TEST_F(TraceFileLines, NothingIsWrittenWhenTheTraceIsOff) {
    Send(DataPacket(0x0123, {0x11}));
    EXPECT_FALSE(os.FileExists("C:\\Proj\\DEMO.txt"));
}

}  // namespace
}  // namespace varnolux
