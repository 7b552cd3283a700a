// The host's link against the simulated firmware, byte by byte in memory.
#include <gtest/gtest.h>

#include "link/packets/finish_transaction.h"
#include "sim/core/sim_truth.h"
#include "target_rig.h"
#include "vars/value_format.h"

namespace varnolux::sim {
namespace {

// The shared project with an EEPROM and a ROM check asked for.
void LoadProject(Session& s) {
    LoadSimProject(s, 5);
    s.device.EepromSize = 255;
    s.image.EepromImage.resize(256);
    s.run.RomCheckPending = 1;
    s.settings.UpdatesAfter = 1;
}

class HostAgainstTarget : public ::testing::Test, protected TargetRig {
  protected:
    void Start(SimOptions options) {
        LoadProject(session);
        LoadProject(targetProject);
        StartTarget(options);
        engine->log = [this](const std::string& line) { events.push_back(line); };
    }
    // The host's values and EEPROM image in the truth file's form.
    std::string HostValues() {
        DumpImage empty;
        std::string json = "{\"DumpId\":" + std::to_string(session.image.DumpId) + ",\"values\":[";
        bool first = true;
        for (MyVarRecord r : session.records) {
            if (r.VarValueInit != 1) continue;
            r.VarDisplayType = DT_DECIMAL;
            ValueTexts t;
            if (!FormatValue(r, t)) continue;
            json += std::string(first ? "" : ",") + "{\"VarLabel\":\"" + JsonEscape(r.VarLabel) +
                    "\",\"value\":\"" + JsonEscape(t.value) + "\"}";
            first = false;
        }
        std::vector<uint8_t> eeprom;
        for (const EepromCell& cell : session.image.EepromImage) eeprom.push_back(cell.Value);
        return json + "],\"eeprom\":\"" +
               HexBytes(eeprom, static_cast<size_t>(session.device.EepromSize)) + "\"}\n";
    }

    std::vector<std::string> events;
};

TEST_F(HostAgainstTarget, ManyDumpsWithCrcErrorsEndWithTheTargetsValues) {
    SimOptions o;
    o.crcErrorRate = 0.05;
    o.overlongEvery = 7;
    o.unknownEvery = 11;
    o.seed = 7;
    Start(o);
    view.SetChecked(ids::kContinuous, true);  // run through the dumpw points
    RunDumps(300);
    EXPECT_EQ(HostValues(), TruthJson(targetProject, engine->Memory(), engine->LastDumpId()));
    EXPECT_EQ(session.image.DumpId, 5);
    EXPECT_EQ(session.image.PreviousDumpId, 3);
    for (size_t p = 0; p < 5; ++p) {
        EXPECT_EQ(session.device.Ports[p].ValueImage, engine->Memory().ports[p]) << p;
        EXPECT_EQ(session.device.Ports[p].DirectionImage, engine->Memory().tris[p]) << p;
    }
    EXPECT_EQ(session.device.Ports[1].ValueImage, (300 % 256) ^ (300 % 256 / 2))
        << "port B counts in Gray code";
    EXPECT_EQ(session.image.EepromImage[0].Value, static_cast<uint8_t>(300));
    EXPECT_EQ(session.image.EepromImage[200].Value, 0xFF);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events[1], "request MT_ROMCHECK crc ok");
    EXPECT_EQ(session.identity.RomCheckResult, 1);
    EXPECT_EQ(session.identity.DeviceIdWord, 0x5C60);
    EXPECT_EQ(view.StatusText(0), " Comms established");
    EXPECT_EQ(view.ControlText(ids::kDumpPointLabel), " DumpID 5 : after read");
}

TEST_F(HostAgainstTarget, DumpwHoldsTheTargetUntilContinue) {
    Start(SimOptions());
    RunDumps(1);  // dump point 3 runs on
    for (int i = 0; i < 2000; ++i) LinkTurn(link);
    EXPECT_EQ(engine->CompletedDumps(), 1);  // held at dump point 5
    EXPECT_EQ(session.run.TargetWaiting.load(), 1);
    EXPECT_EQ(session.image.DumpId, 5);
    session.run.TargetWaiting = 0;  // Continue
    RunDumps(2);
}

TEST_F(HostAgainstTarget, RomMismatchIsReportedByTheTarget) {
    SimOptions o;
    o.romMismatch = true;
    Start(o);
    view.SetChecked(ids::kContinuous, true);
    RunDumps(1);
    EXPECT_EQ(session.identity.RomCheckResult, 0);
}

TEST_F(HostAgainstTarget, ModifyIsAppliedToTheTargetsRam) {
    Start(SimOptions());
    view.SetChecked(ids::kContinuous, true);
    RunDumps(2);
    session.modify.VarType = VT_WORD;
    session.modify.VarAddress = 0x23;
    session.modify.ModifyValue = 4660;
    session.run.ModifyPending = 1;
    uint16_t seen = 0;
    engine->log = [&](const std::string& line) {
        if (line == "request MT_MODIFY crc ok")
            seen =
                static_cast<uint16_t>(engine->Memory().ram[0x23] | engine->Memory().ram[0x24] << 8);
    };
    RunDumps(3);
    EXPECT_EQ(seen, 4660);
    EXPECT_EQ(session.run.ModifyPending.load(), 0);
}

TEST_F(HostAgainstTarget, ResetRestartsTheTargetAndClearsTheTransition) {
    Start(SimOptions());
    view.SetChecked(ids::kContinuous, true);
    RunDumps(3);
    session.run.ResetRequested = 1;
    bool restarted = false;
    engine->log = [&](const std::string& line) { restarted |= line == "restart"; };
    RunDumps(4);
    EXPECT_TRUE(restarted);
    EXPECT_EQ(session.image.DumpId, 3);  // the program starts again at its first dump point
    EXPECT_EQ(view.ControlText(ids::kTransitionLabel), "");
}

TEST_F(HostAgainstTarget, TargetWithoutSyncIsLetRunOn) {
    SimOptions o;
    o.neverSync = true;
    Start(o);
    session.run.RomCheckPending = 0;
    RunDumps(4);  // dumpw points included: a target without "c" always gets "b"
    EXPECT_EQ(session.run.SyncSeen.load(), 0);
    EXPECT_EQ(HostValues(), TruthJson(targetProject, engine->Memory(), engine->LastDumpId()));
}

TEST_F(HostAgainstTarget, ProtocolMajorTwoIsShownAndTheDumpsStillTaken) {
    SimOptions o;
    o.protocolMajor = 2;
    Start(o);
    view.SetChecked(ids::kContinuous, true);
    RunDumps(2);
    EXPECT_EQ(view.StatusText(0), " Host/client version mismatch");
    EXPECT_EQ(HostValues(), TruthJson(targetProject, engine->Memory(), engine->LastDumpId()));
}

}  // namespace
}  // namespace varnolux::sim

namespace varnolux::sim {
namespace {

// The identity the host takes from the simulator's end packet.
TargetIdentity IdentityFromEndPacket(int32_t core, const SimHexTag& tag) {
    TargetProgram program;
    program.core = core;
    program.deviceId = 0x5C63;
    program.hexTag = tag;
    const SimPacket p = EndPacket(program, EndFacts{});
    Session host;
    host.device.Core = core;
    host.device.SourceDeviceName = "18F25K22";
    host.settings.ProgTimeSec = 1;
    TargetPacket packet;
    std::copy(p.begin(), p.end(), packet.begin());
    TakeTargetIdentity(host, packet);
    return host.identity;
}

TEST(SimEndPacket, BuildStampReadsBackForBothCores) {
    const SimHexTag tag = HexTagAt(2026, 12, 7, 8, 45, 30);
    for (int32_t core : {16, 14}) {
        const TargetIdentity id = IdentityFromEndPacket(core, tag);
        EXPECT_EQ(id.HexTagValid, 1) << core;
        EXPECT_EQ(id.HexTagDay, 0x07) << core;
        EXPECT_EQ(id.HexTagMonth, 0x12) << core;
        EXPECT_EQ(id.HexTagYear, 0x26) << core;
        EXPECT_EQ(id.HexTagHour, 0x08) << core;
        EXPECT_EQ(id.HexTagMinute, 0x45) << core;
        EXPECT_EQ(id.HexTagSecond, 30) << core;
        EXPECT_EQ(id.HexTagVersion1, 0x32) << core;
        EXPECT_EQ(id.HexTagVersion2, 0x07) << core;
        EXPECT_EQ(id.AppVersion, 0x10) << core;
    }
    EXPECT_EQ(IdentityFromEndPacket(16, tag).DeviceIdWord, 0x5C60);
    EXPECT_EQ(IdentityFromEndPacket(16, SimHexTag{}).HexTagValid, 0);
}

}  // namespace
}  // namespace varnolux::sim
