// A recorded session replayed with stop rules armed: Play goes at the chosen
// speed and pauses where a hold rule fires, each recorded dump is judged once
// however often the replay passes it, and Continue's face follows the replay.
#include <gtest/gtest.h>

#include "link/link_fixture.h"
#include "link/recording/facts.h"
#include "link/recording/port.h"
#include "rules/rule_judge.h"
#include "support/make_record.h"
#include "views/frame/continue_face.h"
#include "views/replay/replay_deck.h"

namespace varnolux {
namespace {

const char* const kFile = "C:\\Proj\\session.pcapng";

class ReplayDeckTest : public LinkFixture {
  protected:
    ReplayDeckTest() {
        session.records = {MakeRecord("count", VT_BYTE, 0x20)};
        session.image.RamImage[0x20].Implemented = 1;
        recorded.clock.sleepMs = link.clock.sleepMs;
        recorded.clock.nowNs = recorder.Clock().nowNs;
        EXPECT_TRUE(recorder.Start(
            kFile, FactsOfSession(session, os, "COM1", 57600, RecordingStart::Link)));
        // count is 10, 20, .. 60 at DumpID 4, 200 ms apart.
        for (uint8_t i = 1; i <= 6; ++i) {
            std::vector<uint8_t> bytes = {kSync};
            for (const auto& p : {DataPacket(0x20, {static_cast<uint8_t>(10 * i)}), EndPacket(4)})
                bytes.insert(bytes.end(), p.begin(), p.end());
            bytes.push_back(kQuery);
            port.Feed(bytes);
            while (!port.input.empty()) LinkTurn(recorded);
            wallUs += 200000;
        }
        recorder.Stop();
        contents = ParseRecording(os.ReadFile(kFile).value_or(""));
        replay.session.device = session.device;
        replay.session.project = session.project;
        replay.session.records = session.records;
        replay.session.image.RamImage[0x20].Implemented = 1;
        replay.session.image.EepromImage.resize(session.image.EepromImage.size());
    }

    void Arm(std::vector<rules::StopRule> list) {
        size_t bad = 0;
        rules::RuleError error;
        ASSERT_TRUE(armed.Arm(std::move(list), replay.session.records, replay.session.dumpPoints,
                              bad, error))
            << error.message;
    }
    // The firings since the last call in order: the rule's number, and a log
    // line's text after a colon.
    std::string Fired() {
        std::string text;
        for (const rules::Firing& f : armed.TakeFirings()) {
            text += std::to_string(f.rule + 1);
            if (f.action == rules::RuleAction::Log)
                text += ":" + f.line.substr(f.line.rfind(' ') + 1);
            text += " ";
        }
        return text;
    }
    int ShownCount() const { return static_cast<int>(replay.session.records[0].VarValue); }

    int64_t wallUs = 1765000000000000;
    RecordingPort recorder{port, os, [this] { return wallUs; }};
    LinkContext recorded{session, seams, recorder};
    RecordingContents contents;
    MemoryLinkRig replay;
    rules::StopRules armed;
    rules::RuleJudge judge{armed, replay.session.run, nullptr, true};
    ReplayRuleGate gate{judge, armed, replay.session.run};
};

TEST_F(ReplayDeckTest, PlayPausesWhereAHoldFiresAndEachDumpIsJudgedOnce) {
    const std::vector<rules::StopRule> list = {
        {true, rules::kAnyDumpPoint, "count = 30", 0, rules::RuleAction::Hold, "", 50, 10},
        {true, rules::kAnyDumpPoint, "count > 40", 0, rules::RuleAction::Log, "C={count}", 50, 10}};
    Arm(list);
    ReplayStepper stepper(replay.session, replay.seams, contents, &gate);
    ASSERT_TRUE(stepper.Open());
    ReplayDeck deck(stepper, &gate, replay.session.run);
    ASSERT_EQ(deck.Count(), 6);

    ASSERT_TRUE(deck.Play());
    while (deck.Playing()) deck.PlayStep();
    EXPECT_EQ(deck.Current(), 3) << "Play pauses at the dump the hold fired at";
    EXPECT_EQ(ShownCount(), 30);
    EXPECT_EQ(replay.session.run.ViewsFrozen.load(), 1) << "a plain dump point freezes the views";
    EXPECT_EQ(Fired(), "1 ");

    ASSERT_TRUE(deck.Play());
    while (deck.Playing()) deck.PlayStep();
    EXPECT_EQ(deck.Current(), 6) << "Play goes on to the last dump";
    EXPECT_EQ(replay.session.run.ViewsFrozen.load(), 0) << "the step let the frozen views go";
    EXPECT_EQ(Fired(), "2:C=50 2:C=60 ");
    EXPECT_FALSE(deck.Play()) << "nothing to play after the last dump";

    // Back to the start: the dumps passed again are not judged again, but the
    // hold still stops Play where it fired.
    ASSERT_TRUE(deck.Go(1));
    ASSERT_TRUE(deck.Play());
    while (deck.Playing()) deck.PlayStep();
    EXPECT_EQ(deck.Current(), 3);
    EXPECT_TRUE(deck.Go(6));
    EXPECT_EQ(Fired(), "");
    EXPECT_EQ(armed.States()[1].hits, 2);

    // Rules armed anew (edited in their window) judge the dumps turned from then on.
    Arm(list);
    ASSERT_TRUE(deck.Go(4));
    EXPECT_EQ(Fired(), "1 ");
}

TEST_F(ReplayDeckTest, PlayWaitsTheRecordedTimeScaledAndContinueShowsTheReplay) {
    ReplayStepper stepper(replay.session, replay.seams, contents, &gate);
    ASSERT_TRUE(stepper.Open());
    ReplayDeck deck(stepper, &gate, replay.session.run);
    RunState& run = replay.session.run;
    EXPECT_EQ(ContinueButtonFace(run, false), ContinueFace::ReplayStep);
    EXPECT_EQ(deck.NextDelayMs(), 0) << "the first dump shows at once";
    ASSERT_TRUE(deck.Step());
    const struct {
        ReplaySpeed speed;
        int ms;
    } speeds[] = {{ReplaySpeed::Times1, 200},
                  {ReplaySpeed::Times2, 100},
                  {ReplaySpeed::Times10, 20},
                  {ReplaySpeed::Fastest, 0}};
    for (const auto& s : speeds) {
        deck.SetSpeed(s.speed);
        EXPECT_EQ(deck.NextDelayMs(), s.ms) << static_cast<int>(s.speed);
    }
    ASSERT_TRUE(deck.Go(6));
    EXPECT_EQ(ContinueButtonFace(run, false), ContinueFace::ReplayEnd);
    EXPECT_FALSE(deck.Step());
    ASSERT_TRUE(deck.Go(2));
    deck.Close();
    EXPECT_EQ(ContinueButtonFace(run, false), ContinueFace::ReplayEnd)
        << "a closed replay has nothing to go on to";
}

}  // namespace
}  // namespace varnolux
