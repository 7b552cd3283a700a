// A session against the simulated firmware, recorded and replayed: the host's
// requests go out again in the turns where they went out live, so the replay
// answers every byte as the live link did and shows each dump as it came.
#include <gtest/gtest.h>

#include "link/recording/facts.h"
#include "link/recording/port.h"
#include "link/replay/run.h"
#include "target_rig.h"

namespace varnolux::sim {
namespace {

const char* const kFile = "C:\\Proj\\session.pcapng";
constexpr size_t kCount = 1;  // "count", a byte at 0x21

// The user wrote 200 into "count".
void WriteCount(Session& s) {
    s.modify.VarType = VT_BYTE;
    s.modify.VarAddress = 0x21;
    s.modify.ModifyValue = 200;
    s.run.ModifyPending = 1;
}

// "count" and the transition label of every dump, as a keeper takes them.
struct Shown : DumpKeeper {
    explicit Shown(const MainWindowView& v) : view(v) {}
    void KeepDump(const Session& s, int64_t) override {
        counts.push_back(s.records[kCount].VarValue);
        transitions.push_back(view.ControlText(ids::kTransitionLabel));
    }
    const MainWindowView& view;
    std::vector<uint32_t> counts;
    std::vector<std::string> transitions;
};

// The host's link recorded from its first byte on, through a recording port
// to the simulated firmware; the user lets every dump point run on.
class LiveSession : public TargetRig {
  public:
    explicit LiveSession(int32_t updatesBefore) {
        LoadSimProject(session, 2);
        LoadSimProject(targetProject, 2);
        session.settings.UpdatesBefore = updatesBefore;
        StartTarget(SimOptions());
        view.SetChecked(ids::kContinuous, true);
        recorded.clock.nowNs = recorder.Clock().nowNs;  // as Varnolux.exe's link runs
        recorded.keeper = &shown;
        recorder.Start(kFile, FactsOfSession(session, os, "COM1", 115200, RecordingStart::Link));
    }
    void RunTo(int64_t dumps) {
        for (int turns = 0; engine->CompletedDumps() < dumps && turns < 1000000; ++turns)
            LinkTurn(recorded);
    }
    RecordingContents Recording() {
        recorder.Stop();
        return ParseRecording(os.ReadFile(kFile).value_or(""));
    }

    Shown shown{view};
    RecordingPort recorder{port, os, [this] { return simNow * 1000; }};
    LinkContext recorded{session, seams, recorder};
};

TEST(ReplayAgainstTarget, TheHostsRequestsAreSentAgainWhereTheyWentOutLive) {
    const struct {
        const char* what;
        int32_t updatesBefore;
        void (*ask)(Session&);
        bool shownAtThirdDump;  // the target sends the written value with the next dump
    } cases[] = {
        {"ROM check", 1, [](Session& s) { s.run.RomCheckPending = 1; }, false},
        {"modify in answer to c", 1, WriteCount, true},
        // Written while the target stands at its dump point: its program
        // changes the value again before the next dump.
        {"modify in answer to d", 0, WriteCount, false},
        {"reset", 0, [](Session& s) { s.run.ResetRequested = 1; }, false},
    };
    for (const auto& c : cases) {
        LiveSession live(c.updatesBefore);
        live.RunTo(2);
        c.ask(live.session);
        live.RunTo(5);
        const RecordingContents recording = live.Recording();
        // A reset in answer to a "d": that dump is never let go, one more is taken.
        ASSERT_GE(live.shown.counts.size(), 5u) << c.what;
        EXPECT_EQ(live.shown.counts[2] == 200, c.shownAtThirdDump) << c.what;

        MemoryLinkRig fresh;
        LoadSimProject(fresh.session, 2);
        fresh.session.settings = live.session.settings;
        Shown replayed(fresh.view);
        ReplayRun run(fresh.session, fresh.seams, recording, nullptr, &replayed);
        while (run.NextDump()) {
        }
        EXPECT_EQ(run.Port().Mismatches(), 0) << c.what;
        EXPECT_EQ(replayed.counts, live.shown.counts) << c.what;
        EXPECT_EQ(replayed.transitions, live.shown.transitions) << c.what;
    }
}

}  // namespace
}  // namespace varnolux::sim
