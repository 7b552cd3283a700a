#include "link/replay/stepper.h"

#include <array>
#include <mutex>

#include "seams/main_ids.h"

namespace varnolux {

namespace {

// The run flags the link writes while it takes a dump.
constexpr std::atomic<int32_t> RunState::*kLinkFlags[] = {
    &RunState::CommsEstablished, &RunState::FirstDumpPending, &RunState::NewDumpPending,
    &RunState::TargetWaiting,    &RunState::AutoContinue,     &RunState::NoDumpYet,
    &RunState::ResetSent,        &RunState::EepromAvailable,  &RunState::PortsReceived,
    &RunState::SfrAvailable,     &RunState::SyncSeen,         &RunState::PacketCount,
};
constexpr int kLabels[] = {ids::kDumpPointLabel, ids::kTransitionLabel};

}  // namespace

// What the link changes in the session and the main window, as it was before the first dump.
struct ReplayStepper::StartState {
    VarTable records;
    DumpImage image;
    LinkStatus link;
    TargetIdentity identity;
    DeviceDescription device;
    int32_t fileTimesReported = 0;
    std::array<int32_t, std::size(kLinkFlags)> flags{};
    std::array<std::string, 4> status;
    std::array<std::string, std::size(kLabels)> labels;

    void Take(Session& s, const MainWindowView& view) {
        {
            std::lock_guard<std::mutex> lock(s.recordsLock);
            records = s.records;
            image = s.image;
        }
        link = s.link;
        identity = s.identity;
        device = s.device;
        fileTimesReported = s.project.fileTimesReported;
        for (size_t i = 0; i < flags.size(); ++i) flags[i] = (s.run.*kLinkFlags[i]).load();
        for (size_t i = 0; i < status.size(); ++i) status[i] = view.StatusText(static_cast<int>(i));
        for (size_t i = 0; i < labels.size(); ++i) labels[i] = view.ControlText(kLabels[i]);
    }
    void Put(Session& s, MainWindowView& view) const {
        {
            std::lock_guard<std::mutex> lock(s.recordsLock);
            s.records = records;
            s.image = image;
        }
        s.link = link;
        s.identity = identity;
        s.device = device;
        s.project.fileTimesReported = fileTimesReported;
        for (size_t i = 0; i < flags.size(); ++i) (s.run.*kLinkFlags[i]) = flags[i];
        for (size_t i = 0; i < status.size(); ++i)
            view.SetStatusText(static_cast<int>(i), status[i]);
        for (size_t i = 0; i < labels.size(); ++i) view.SetControlText(kLabels[i], labels[i]);
    }
};

// The first pass asks the user; every later pass takes the same answers in
// the same order without asking again.
class ReplayStepper::RememberedPrompts : public Prompts {
  public:
    explicit RememberedPrompts(Prompts& user) : user_(user) {}
    PromptAnswer Show(const PromptRequest& request) override {
        if (!again_) {
            answers_.push_back(user_.Show(request));
            return answers_.back();
        }
        return next_ < answers_.size() ? answers_[next_++] : PromptAnswer::Ok;
    }
    void AskNoMore() {
        again_ = true;
        next_ = 0;
    }

  private:
    Prompts& user_;
    std::vector<PromptAnswer> answers_;
    bool again_ = false;
    size_t next_ = 0;
};

ReplayStepper::ReplayStepper(Session& session, Seams& seams, const RecordingContents& contents,
                             DumpKeeper* keeper)
    : session_(session),
      seams_(seams),
      prompts_(std::make_unique<RememberedPrompts>(seams.prompts)),
      runSeams_{seams.os, *prompts_, seams.view, seams.launcher, seams.views},
      contents_(contents),
      keeper_(keeper) {}

ReplayStepper::~ReplayStepper() = default;

bool ReplayStepper::Open() {
    start_ = std::make_unique<StartState>();
    start_->Take(session_, seams_.view);
    // The first pass counts the dumps and asks what the live session asked.
    ReplayRun counting(session_, runSeams_, contents_);
    if (!counting.OpenLink()) return false;
    while (counting.NextDump()) times_.push_back(counting.Port().TimeUs());
    count_ = counting.Dumps();
    differences_ = counting.Port().Mismatches();
    Restart();
    return true;
}

void ReplayStepper::Restart() {
    start_->Put(session_, seams_.view);
    prompts_->AskNoMore();
    run_ = std::make_unique<ReplayRun>(session_, runSeams_, contents_, nullptr, keeper_);
    run_->OpenLink();
    current_ = 0;
    ++restarts_;
    seams_.views.ReplayRestarted();
}

int64_t ReplayStepper::DumpTimeUs(int n) const {
    return n >= 1 && n <= static_cast<int>(times_.size()) ? times_[static_cast<size_t>(n - 1)] : 0;
}

bool ReplayStepper::Go(int n) {
    if (n < 1 || n > count_ || !start_) return false;
    if (n < current_) Restart();
    // The shown dump is refreshed by the caller; the keeper has every dump turned.
    while (current_ < n && run_->NextDump()) ++current_;
    return current_ == n;
}

}  // namespace varnolux
