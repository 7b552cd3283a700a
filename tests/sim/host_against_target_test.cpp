// The host's link against the simulated firmware, byte by byte in memory.
#include <gtest/gtest.h>

#include "app/main_ids.h"
#include "link/finish_transaction.h"
#include "link/link_thread.h"
#include "sim/core/sim_truth.h"
#include "sim/core/target_engine.h"
#include "ui/memory_host_os.h"
#include "ui/memory_launcher.h"
#include "ui/memory_main_window_view.h"
#include "ui/memory_prompts.h"
#include "ui/memory_serial_port.h"
#include "vars/value_format.h"

namespace varnolux::sim {
namespace {

MyVarRecord Record(const std::string& label, int32_t type, int32_t address, int32_t len = 1,
                   int32_t recordType = RT_VARIABLE) {
    MyVarRecord r;
    r.VarLabel = label;
    r.VarType = type;
    r.VarAddress = address;
    r.VarLen = len;
    r.VarRecordType = recordType;
    return r;
}

// A PIC18 project: one of each type, a five-byte array, two dump points.
void LoadProject(Session& s) {
    s.device.Core = 16;
    s.device.SourceDeviceName = "18F25K22";
    s.device.ListingDeviceName = "18F25K22";
    s.device.EepromSize = 255;
    s.image.EepromImage.resize(256);
    for (int a = 0; a < 0x600; ++a) s.image.RamImage[static_cast<size_t>(a)].Implemented = 1;
    s.records = {Record("flags", VT_BIT, 0x20, 3),
                 Record("count", VT_BYTE, 0x21),
                 Record("offset", VT_SBYTE, 0x22),
                 Record("ticks", VT_WORD, 0x23),
                 Record("delta", VT_SWORD, 0x25),
                 Record("total", VT_DWORD, 0x27),
                 Record("balance", VT_SDWORD, 0x2B),
                 Record("temp", VT_FLOAT, 0x2F),
                 Record("text", VT_BYTE, 0x100, 5, RT_ARRAY)};
    for (int i = 0; i < 5; ++i)
        s.records.push_back(
            Record("text[" + std::to_string(i) + "]", VT_BYTE, 0x100 + i, 1, RT_SUBSCRIPT));
    s.dumpPoints.entries[3] = DumpPoint{0, 10, 0, "loop top"};
    s.dumpPoints.entries[5] = DumpPoint{0, 20, 1, "after read"};
    s.dumpPoints.order = {3, 5};
    s.project.romReference = RomReference{0x7FF0, 0xEF12, -1, 1};
    s.run.RomCheckPending = 1;
    s.settings.UpdatesBefore = 1;
    s.settings.UpdatesAfter = 1;
}

// Answers "No" to the recompile prompt so a run goes on.
class GoOnPrompts : public MemoryPrompts {
  public:
    PromptAnswer Show(const PromptRequest& r) override {
        const PromptAnswer a = MemoryPrompts::Show(r);
        return r.buttons == PromptButtons::YesNoCancel ? PromptAnswer::No : a;
    }
};

class HostAgainstTarget : public ::testing::Test {
  protected:
    void Start(SimOptions options) {
        LoadProject(session);
        LoadProject(targetProject);
        engine = std::make_unique<TargetEngine>(ProgramFromSession(targetProject, 0x5C63), options);
        engine->log = [this](const std::string& line) { events.push_back(line); };
        port.onWrite = [this](uint8_t b) {
            engine->Receive(b, simNow);
            Collect();
        };
        port.onIdle = [this](int) {
            simNow += 40;  // a read that found nothing took its time-out
            engine->Tick(simNow);
            Collect();
        };
        view.SetControlText(ids::kUntilCount, "00");
    }
    void Collect() {
        for (uint8_t b : engine->TakeOutput()) port.input.push_back(b);
    }
    // Runs the host's loop until the target completed `dumps` dumps.
    void RunDumps(int64_t dumps) {
        for (int turns = 0; engine->CompletedDumps() < dumps && turns < 5000000; ++turns)
            LinkTurn(link);
        ASSERT_EQ(engine->CompletedDumps(), dumps);
    }
    // The host's values in the truth file's form.
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
        return json + "]}\n";
    }

    Session session;
    Session targetProject;
    MemoryHostOs os;
    GoOnPrompts prompts;
    MemoryMainWindowView view;
    MemoryLauncher launcher;
    Seams seams{os, prompts, view, launcher};
    MemorySerialPort port;
    LinkContext link{session, seams, port};
    std::unique_ptr<TargetEngine> engine;
    std::vector<std::string> events;
    int64_t simNow = 0;
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
    EXPECT_EQ(session.device.Ports[1].ValueImage, static_cast<uint8_t>(300));
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
