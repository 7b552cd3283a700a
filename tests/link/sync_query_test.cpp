#include "link/packets/host_packet.h"
#include "link_fixture.h"
#include "seams/main_ids.h"

namespace varnolux {
namespace {

class SyncQuery : public LinkFixture {
  protected:
    SyncQuery() {
        view.AddComboEntry(ids::kUntilChooser, " Untill");
        view.AddComboEntry(ids::kUntilChooser, " Dumpw 5");
        view.SetComboSelection(ids::kUntilChooser, 1);
    }
};

TEST_F(SyncQuery, RomCheckAnswersTheFirstSyncThenH) {
    session.run.RomCheckPending = 1;
    session.project.romReference = RomReference{0x7FFE, 0x1234, -1, 1};
    Send("c");
    const HostPacket expected =
        BuildHostPacket(MT_ROMCHECK, RomCheckPayload(session.project.romReference));
    EXPECT_EQ(port.written, std::vector<uint8_t>(expected.begin(), expected.end()));
    EXPECT_EQ(session.run.RomCheckPending.load(), 0);
    Send("c");
    EXPECT_EQ(port.WrittenText(), "h");
}

TEST_F(SyncQuery, ModifyGoesAtTheQueryWithUpdatesAfter) {
    session.settings.UpdatesBefore = 0;
    session.settings.UpdatesAfter = 1;
    session.run.ModifyPending = 1;
    session.modify.VarType = VT_WORD;
    session.modify.VarAddress = 0x0123;
    session.modify.ModifyValue = 4660;
    Send("c");
    EXPECT_EQ(port.WrittenText(), "h");
    EXPECT_EQ(session.run.ModifyPending.load(), 1);
    Send("d");
    const HostPacket expected = {0x02, 0x0B, 0x0C, 0x02, 0x01, 0x23, 0x34, 0x12, 0x00, 0x00, 0xAA};
    EXPECT_EQ(port.written, std::vector<uint8_t>(expected.begin(), expected.end()));
    EXPECT_EQ(session.run.ModifyPending.load(), 0);
}

TEST_F(SyncQuery, ResetWithUpdatesBeforeAndEmptyTransitionAfterIt) {
    session.settings.UpdatesBefore = 1;
    Dump(3);
    session.run.ResetRequested = 1;
    Send("c");
    EXPECT_EQ(port.written.size(), 11u);
    EXPECT_EQ(port.written[2], MT_RESET);
    EXPECT_EQ(session.run.ResetSent.load(), 1);
    EXPECT_EQ(session.run.ResetRequested.load(), 0);
    Dump(7);
    EXPECT_EQ(view.ControlText(ids::kTransitionLabel), "");
    EXPECT_EQ(session.run.ResetSent.load(), 0);
}

TEST_F(SyncQuery, TargetWithoutSyncAlwaysRunsOn) {
    session.run.TargetWaiting = 1;
    session.run.RepeatDumpId = 5;
    session.image.DumpId = 5;
    Send("d");
    EXPECT_EQ(port.WrittenText(), "b");
    EXPECT_EQ(session.run.AutoContinue.load(), 0);
}

TEST_F(SyncQuery, WaitRequestHoldsUntilContinue) {
    Dump(5, 1);
    EXPECT_EQ(LastAnswer(), 'a');
    Send("d");
    EXPECT_EQ(port.WrittenText(), "a");
    session.run.TargetWaiting = 0;  // the Continue button
    Send("d");
    EXPECT_EQ(port.WrittenText(), "b");
}

TEST_F(SyncQuery, ContinuousRunsThroughAWaitRequest) {
    view.SetChecked(ids::kContinuous, true);
    Dump(5, 1);
    EXPECT_EQ(LastAnswer(), 'b');
    EXPECT_EQ(session.run.AutoContinue.load(), 1);
}

TEST_F(SyncQuery, UntilCountsArrivalsDown) {
    session.run.UntilDumpId = 5;
    view.SetControlText(ids::kUntilCount, "03");
    Dump(5, 1);
    EXPECT_EQ(LastAnswer(), 'b');
    EXPECT_EQ(view.ControlText(ids::kUntilCount), "02");
    Dump(6, 1);  // another dump point runs on and does not count
    EXPECT_EQ(LastAnswer(), 'b');
    EXPECT_EQ(view.ControlText(ids::kUntilCount), "02");
    Dump(5, 1);
    EXPECT_EQ(LastAnswer(), 'b');
    EXPECT_EQ(view.ControlText(ids::kUntilCount), "01");
    Dump(5, 1);
    EXPECT_EQ(LastAnswer(), 'a');
    EXPECT_EQ(view.ControlText(ids::kUntilCount), "00");
    EXPECT_EQ(session.run.UntilDumpId.load(), -1);
    EXPECT_EQ(view.ComboSelection(ids::kUntilChooser), 0);
}

TEST_F(SyncQuery, RepeatOverridesContinuous) {
    view.SetChecked(ids::kContinuous, true);
    session.run.RepeatDumpId = 5;
    for (int i = 0; i < 3; ++i) {
        Dump(5, 1);
        EXPECT_EQ(LastAnswer(), 'a');
        Dump(6, 1);
        EXPECT_EQ(LastAnswer(), 'b');
    }
}

TEST_F(SyncQuery, ElapsedTimeRunsFromRunOnToTheNextSync) {
    Dump(1);
    now += 1250000000;
    Dump(2);
    EXPECT_EQ(session.link.elapsedText, "1.250 secs");
    EXPECT_EQ(view.ControlText(ids::kTransitionLabel), " 1 to 2   1.250 secs");
    now += 400000000;
    Dump(3);
    EXPECT_EQ(view.ControlText(ids::kTransitionLabel), " 2 to 3   .400 secs");
}

}  // namespace
}  // namespace varnolux
