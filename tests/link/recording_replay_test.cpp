// Recording what crosses the port and playing it back through the same link
// engine: the replayed dumps are the live ones.
#include <gtest/gtest.h>

#include <algorithm>

#include "link/recording/facts.h"
#include "link/recording/port.h"
#include "link/replay/run.h"
#include "link/replay/stepper.h"
#include "link_fixture.h"
#include "seams/main_ids.h"
#include "support/make_record.h"

namespace varnolux {
namespace {

const char* const kFile = "C:\\Proj\\session.pcapng";

// A live link on a memory target, with the recording port between them.
class RecordingReplay : public LinkFixture {
  protected:
    RecordingReplay() {
        recorded.clock.sleepMs = link.clock.sleepMs;
        recorded.clock.nowNs = recorder.Clock().nowNs;
        recorded.listener = &counter;
    }
    struct Counter : TransactionListener {
        void TransactionDone() override { ++dumps; }
        int dumps = 0;
    } counter;
    // Sends the bytes and turns the live link until the target has nothing left.
    void Live(const std::vector<uint8_t>& bytes) {
        port.Feed(bytes);
        while (!port.input.empty()) {
            LinkTurn(recorded);
            wallUs += 250;  // each turn takes its time on the wire
        }
    }
    // c, one data packet, the end packet; then d on its own, as the target sends them.
    void LiveDump(uint8_t dumpId, uint8_t value, uint8_t wait = 0) {
        std::vector<uint8_t> bytes = {kSync};
        for (const auto& p :
             {DataPacket(0x20, {value, static_cast<uint8_t>(value + 1)}), EndPacket(dumpId, wait)})
            bytes.insert(bytes.end(), p.begin(), p.end());
        Live(bytes);
        wallUs += 1000;
        Live({kQuery});
        wallUs += 20000 * dumpId;  // the firmware runs to the next dump point
    }
    RecordingContents Recorded() {
        recorder.Stop();
        return ParseRecording(os.ReadFile(kFile).value_or(""));
    }

    // A second session of the same project, for the replay.
    struct Fresh : MemorySessionRig<GoOnPrompts> {
        explicit Fresh(const Session& live) {
            session.device = live.device;
            session.project = live.project;
            session.records = live.records;
            session.image.RamImage[0x20].Implemented = 1;
            session.image.EepromImage.resize(live.image.EepromImage.size());
        }
    };

    int64_t wallUs = 1765000000000000;
    RecordingPort recorder{port, os, [this] { return wallUs; }};
    LinkContext recorded{session, seams, recorder};
};

TEST_F(RecordingReplay, EveryByteIsKeptWithItsDirectionAndTime) {
    ASSERT_TRUE(recorder.Start(
        kFile, FactsOfSession(session, os, "/dev/pts/7", 115200, RecordingStart::Link)));
    LiveDump(1, 10);
    const RecordingContents c = Recorded();
    ASSERT_EQ(c.problem, RecordingProblem::None);
    std::string inbound, outbound;
    for (const RecordedChunk& chunk : c.chunks)
        (chunk.direction == ChunkDirection::Inbound ? inbound : outbound)
            .append(chunk.bytes.begin(), chunk.bytes.end());
    EXPECT_EQ(outbound, port.WrittenText());
    EXPECT_EQ(outbound, "hffb");
    EXPECT_EQ(inbound.size(), 1u + 32 + 32 + 1);
    EXPECT_EQ(inbound.front(), 'c');
    EXPECT_EQ(inbound.back(), 'd');
    for (size_t i = 1; i < c.chunks.size(); ++i)
        EXPECT_LE(c.chunks[i - 1].timeUs, c.chunks[i].timeUs);
    EXPECT_EQ(c.chunks.back().timeUs, wallUs - 20000 - 250);  // the answer to d, in its turn
}

TEST_F(RecordingReplay, TheFileGrowsAtTheEndOfEachTransactionOnly) {
    ASSERT_TRUE(recorder.Start(
        kFile, FactsOfSession(session, os, "/dev/pts/7", 115200, RecordingStart::Link)));
    const size_t header = os.ReadFile(kFile)->size();
    Live({kSync});
    const auto end = EndPacket(3);
    Live(std::vector<uint8_t>(end.begin(), end.end()));
    EXPECT_EQ(os.ReadFile(kFile)->size(), header) << "written before the transaction ended";
    Live({kQuery});
    const size_t afterFirst = os.ReadFile(kFile)->size();
    EXPECT_GT(afterFirst, header);
    EXPECT_EQ(ParseRecording(*os.ReadFile(kFile)).chunks.back().bytes,
              std::vector<uint8_t>{kWaitAck});
    Live({kSync});
    EXPECT_EQ(os.ReadFile(kFile)->size(), afterFirst);
    EXPECT_TRUE(recorder.Stop());
    EXPECT_GT(os.ReadFile(kFile)->size(), afterFirst) << "Stop writes the rest";
}

TEST_F(RecordingReplay, NothingIsKeptWhileNotRecordingAndAFailedWriteEndsTheRecording) {
    LiveDump(1, 10);
    EXPECT_FALSE(os.FileExists(kFile));
    ASSERT_TRUE(recorder.Start(
        kFile, FactsOfSession(session, os, "/dev/pts/7", 115200, RecordingStart::Link)));
    os.SetReadOnly(kFile, true);
    LiveDump(2, 11);
    EXPECT_TRUE(recorder.WriteFailed());
    EXPECT_FALSE(recorder.Recording());
    EXPECT_FALSE(recorder.Stop());
    EXPECT_EQ(counter.dumps, 2) << "the link went on";
}

TEST_F(RecordingReplay, TheReplayedDumpsAreTheLiveOnes) {
    ASSERT_TRUE(recorder.Start(
        kFile, FactsOfSession(session, os, "/dev/pts/7", 115200, RecordingStart::Link)));
    struct Live {
        int32_t DumpId, PreviousDumpId;
        std::string elapsed, transition;
        uint8_t ram20;
    };
    std::vector<Live> live;
    const uint8_t ids[] = {4, 9, 4, 200};
    for (uint8_t i = 0; i < 4; ++i) {
        LiveDump(ids[i], static_cast<uint8_t>(30 + i));
        live.push_back({session.image.DumpId, session.image.PreviousDumpId,
                        session.link.elapsedText, view.ControlText(ids::kTransitionLabel),
                        session.image.RamImage[0x20].Value});
    }
    const RecordingContents c = Recorded();

    Fresh fresh(session);
    ReplayRun run(fresh.session, fresh.seams, c);
    ASSERT_TRUE(run.OpenLink());
    EXPECT_EQ(fresh.view.StatusText(2), " /dev/pts/7  115200");
    for (const Live& want : live) {
        ASSERT_TRUE(run.NextDump());
        EXPECT_EQ(fresh.session.image.DumpId, want.DumpId);
        EXPECT_EQ(fresh.session.image.PreviousDumpId, want.PreviousDumpId);
        EXPECT_EQ(fresh.session.link.elapsedText, want.elapsed);
        EXPECT_EQ(fresh.view.ControlText(ids::kTransitionLabel), want.transition);
        EXPECT_EQ(fresh.session.image.RamImage[0x20].Value, want.ram20);
    }
    EXPECT_FALSE(run.NextDump());
    EXPECT_EQ(run.Dumps(), 4);
    EXPECT_EQ(run.Port().Mismatches(), 0);
    EXPECT_EQ(live[2].elapsed, ".180 secs") << "run time between the answer b and the next c";
}

// The DumpID and time of every dump a keeper is handed.
struct TimesKept : DumpKeeper {
    void KeepDump(const Session& s, int64_t timeUs) override {
        kept.emplace_back(s.image.DumpId, timeUs);
    }
    std::vector<std::pair<int32_t, int64_t>> kept;
};

TEST_F(RecordingReplay, EachReplayedDumpIsKeptAtItsRecordedTime) {
    TimesKept live, replayed;
    recorded.keeper = &live;
    ASSERT_TRUE(recorder.Start(
        kFile, FactsOfSession(session, os, "/dev/pts/7", 115200, RecordingStart::Link)));
    for (uint8_t id : {4, 9, 4, 200}) LiveDump(id, 30);
    const RecordingContents c = Recorded();

    Fresh fresh(session);
    ReplayRun run(fresh.session, fresh.seams, c, nullptr, &replayed);
    while (run.NextDump()) {
    }
    ASSERT_EQ(live.kept.size(), 4u);
    EXPECT_EQ(replayed.kept, live.kept);
    EXPECT_GE(live.kept.front().second, c.chunks.front().timeUs);
    EXPECT_LT(live.kept.back().second, c.chunks.back().timeUs) << "the end packet, before the d";
}

TEST_F(RecordingReplay, ARecordingBegunWhileTheTargetIsHeldIsAnsweredAsLive) {
    LiveDump(5, 30, 1);  // a dumpw: held
    ASSERT_TRUE(recorder.Start(
        kFile, FactsOfSession(session, os, "/dev/pts/7", 115200, RecordingStart::Link)));
    Live({kQuery, kQuery});
    session.run.TargetWaiting = 0;  // Continue
    Live({kQuery});
    LiveDump(9, 31);
    ASSERT_EQ(port.WrittenText().substr(port.WrittenText().size() - 8), "aaabhffb");
    const RecordingContents c = Recorded();
    // Begun between a "d" and its answer, as when the link waited for the
    // window's thread while the user started the recording.
    RecordingContents midTurn = c;
    midTurn.chunks.insert(midTurn.chunks.begin(),
                          {c.chunks.front().timeUs, ChunkDirection::Outbound, {kWaitNak}});

    for (const RecordingContents* recording :
         {&c, static_cast<const RecordingContents*>(&midTurn)}) {
        Fresh fresh(session);
        ReplayRun run(fresh.session, fresh.seams, *recording);
        ASSERT_TRUE(run.NextDump());
        EXPECT_EQ(fresh.session.image.DumpId, 9);
        EXPECT_FALSE(run.NextDump());
        EXPECT_EQ(run.Port().Mismatches(), 0);
    }
}

TEST_F(RecordingReplay, TheReplayBarShowsEachDumpAsItWasShownLive) {
    session.records = {MakeRecord("count", VT_BYTE, 0x20)};
    session.image.RamImage[0x20].Implemented = 1;
    ASSERT_TRUE(
        recorder.Start(kFile, FactsOfSession(session, os, "COM1", 57600, RecordingStart::Link)));
    struct Shown {
        MyVarRecord record;
        std::string elapsed, transition;
    };
    std::vector<Shown> live;
    const uint8_t ids[] = {4, 9, 4, 12, 4};
    for (uint8_t i = 0; i < 5; ++i) {
        LiveDump(ids[i], static_cast<uint8_t>(30 + 7 * i));
        live.push_back({session.records[0], session.link.elapsedText,
                        view.ControlText(ids::kTransitionLabel)});
    }
    const RecordingContents c = Recorded();

    Fresh fresh(session);
    fresh.session.records = {MakeRecord("count", VT_BYTE, 0x20)};
    struct : DumpKeeper {
        void KeepDump(const Session&, int64_t) override { ++dumps; }
        int dumps = 0;
    } kept;
    ReplayStepper bar(fresh.session, fresh.seams, c, &kept);
    ASSERT_TRUE(bar.Open());
    EXPECT_EQ(bar.Count(), 5);
    EXPECT_EQ(bar.Current(), 0);
    EXPECT_EQ(fresh.session.records[0].VarValueInit, 0) << "nothing shown before the first step";
    const size_t askedOnce = fresh.prompts.shown.size();

    const struct {
        bool (ReplayStepper::*step)();
        int shown;
        int restarts;
        int kept;  // dumps turned, the shown one and those on the way, which the keeper takes
    } steps[] = {
        {&ReplayStepper::Next, 1, 1, 1},     {&ReplayStepper::Next, 2, 1, 1},
        {&ReplayStepper::Next, 3, 1, 1},     {&ReplayStepper::Previous, 2, 2, 2},
        {&ReplayStepper::Last, 5, 2, 3},     {&ReplayStepper::First, 1, 3, 1},
        {&ReplayStepper::Previous, 1, 3, 0},  // no dump before the first
    };
    for (const auto& s : steps) {
        const int keptBefore = kept.dumps;
        (bar.*s.step)();
        EXPECT_EQ(kept.dumps - keptBefore, s.kept) << s.shown;
        const Shown& want = live[static_cast<size_t>(s.shown - 1)];
        const MyVarRecord& got = fresh.session.records[0];
        EXPECT_EQ(bar.Current(), s.shown);
        EXPECT_EQ(bar.Restarts(), s.restarts) << s.shown;
        EXPECT_EQ(got.VarValue, want.record.VarValue) << s.shown;
        EXPECT_EQ(got.VarPrevious, want.record.VarPrevious) << s.shown;
        EXPECT_EQ(got.VarPreviousInit, want.record.VarPreviousInit) << s.shown;
        EXPECT_EQ(got.VarLast, want.record.VarLast) << s.shown;
        EXPECT_EQ(got.DumpIDLast, want.record.DumpIDLast) << s.shown;
        EXPECT_EQ(fresh.session.link.elapsedText, want.elapsed) << s.shown;
        EXPECT_EQ(fresh.view.ControlText(ids::kTransitionLabel), want.transition) << s.shown;
    }
    EXPECT_FALSE(bar.Go(6));
    EXPECT_FALSE(bar.Go(0));
    EXPECT_EQ(std::count(fresh.views.calls.begin(), fresh.views.calls.end(), "ReplayRestarted"), 3);
    EXPECT_EQ(fresh.prompts.shown.size(), askedOnce) << "a restart asks nothing again";
}

TEST_F(RecordingReplay, ACrcErrorIsAnsweredAndCountedAgainInTheReplay) {
    ASSERT_TRUE(recorder.Start(
        kFile, FactsOfSession(session, os, "/dev/pts/7", 115200, RecordingStart::Link)));
    auto bad = DataPacket(0x20, {1, 2});
    bad[31] ^= 0xFF;
    std::vector<uint8_t> bytes = {kSync};
    bytes.insert(bytes.end(), bad.begin(), bad.end());
    const auto end = EndPacket(5);
    bytes.insert(bytes.end(), end.begin(), end.end());
    Live(bytes);
    Live({kQuery});
    const std::string liveAnswers = port.WrittenText();
    ASSERT_NE(liveAnswers.find('e'), std::string::npos);
    const RecordingContents c = Recorded();

    Fresh fresh(session);
    ReplayRun run(fresh.session, fresh.seams, c);
    ASSERT_TRUE(run.NextDump());
    EXPECT_EQ(run.Port().Mismatches(), 0) << "the replay answered e where the live link did";
    EXPECT_EQ(fresh.session.run.PacketCount.load(), session.run.PacketCount.load());
}

TEST_F(RecordingReplay, AnswersOtherThanTheRecordedOnesAreCounted) {
    const std::vector<RecordedChunk> chunks = {
        {10, ChunkDirection::Inbound, {kSync}},
        {20, ChunkDirection::Outbound, {'x'}},  // the live link answered otherwise
        {30, ChunkDirection::Inbound, {kQuery}},
        {40, ChunkDirection::Outbound, {kWaitAck}},
        {50, ChunkDirection::Outbound, {kWaitAck}},  // written live, not by the replay
        {60, ChunkDirection::Inbound, {kSync}},
    };
    ReplayPort replay(chunks, "COM1");
    uint8_t b = 0;
    int count = 0;
    ASSERT_TRUE(replay.Read(&b, 1, count));
    EXPECT_EQ(count, 1);
    EXPECT_EQ(replay.TimeUs(), 10);
    replay.WriteByte(kSyncAck);
    EXPECT_EQ(replay.Mismatches(), 1);
    replay.Read(&b, 1, count);
    replay.WriteByte(kWaitAck);
    EXPECT_EQ(replay.Mismatches(), 1);
    EXPECT_FALSE(replay.Exhausted());
    EXPECT_TRUE(replay.WaitCharEvent());
    EXPECT_EQ(replay.Mismatches(), 2);
    replay.Read(&b, 1, count);
    EXPECT_EQ(b, kSync);
    EXPECT_EQ(replay.TimeUs(), 60);
    EXPECT_TRUE(replay.Exhausted());
    replay.Read(&b, 1, count);
    EXPECT_EQ(count, 0) << "past the end nothing comes within the time-outs";
    EXPECT_FALSE(replay.WaitCharEvent());
}

TEST(ReplayPortReads, AChunkLongerThanTheReadIsHandedOutInParts) {
    const std::vector<RecordedChunk> chunks = {{7, ChunkDirection::Inbound, {1, 2, 3, 4, 5}}};
    ReplayPort replay(chunks, "COM1");
    uint8_t buffer[31] = {};
    int count = 0;
    replay.Read(buffer, 3, count);
    EXPECT_EQ(count, 3);
    EXPECT_FALSE(replay.Exhausted());
    replay.Read(buffer, 31, count);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(buffer[0], 4);
    EXPECT_TRUE(replay.Exhausted());
}

}  // namespace
}  // namespace varnolux
