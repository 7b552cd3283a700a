#include "app/win32/session_recording.h"

#include <commdlg.h>

#include <vector>

#include "app/around_choice.h"
#include "app/recording_texts.h"
#include "link/recording/facts.h"
#include "seams/main_ids.h"
#include "seams/win32/wide_text.h"

namespace varnolux {

namespace {

constexpr wchar_t kFilter[] = L"Session recordings (*.pcapng)\0*.pcapng\0All files (*.*)\0*.*\0";

// The file the user chose in the standard dialog; empty when cancelled.
std::wstring AskFileName(HWND owner, bool save, const std::wstring& suggested) {
    std::vector<wchar_t> name(32768, L'\0');
    suggested.copy(name.data(), name.size() - 1);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = kFilter;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrDefExt = L"pcapng";
    ofn.lpstrTitle = save ? L"Record session" : L"Open recording";
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    return chosen ? std::wstring(name.data()) : std::wstring();
}

}  // namespace

SessionRecording::SessionRecording(Session& session, Seams& seams, RecordingPort& recorder,
                                   const rules::StopRules& rules, bool replaying,
                                   std::function<void(const std::wstring&)> openReplay)
    : session_(session),
      seams_(seams),
      recorder_(recorder),
      rules_(rules),
      replaying_(replaying),
      openReplay_(std::move(openReplay)) {}

bool SessionRecording::OnCommand(int id) {
    if (id == ids::kCmdRecordSession) {
        if (recorder_.Recording())
            Stop();
        else
            Start();
        return true;
    }
    if (id == ids::kCmdOpenRecording) {
        OpenRecording();
        return true;
    }
    return false;
}

void SessionRecording::OnInitMenu(HMENU menu) {
    // A recording is made of a running link: a project loaded and no replay.
    const bool linked = !replaying_ && session_.run.ProjectChosen == 1;
    EnableMenuItem(menu, ids::kCmdRecordSession, MF_BYCOMMAND | (linked ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu, ids::kCmdRecordSession,
                  MF_BYCOMMAND | (recorder_.Recording() ? MF_CHECKED : MF_UNCHECKED));
}

void SessionRecording::OnTick() {
    if (shown_ && around_ && recorder_.Recording()) {
        const size_t files = recorder_.AroundFiles().size();
        if (files != aroundFiles_) {
            aroundFiles_ = files;
            seams_.view.SetStatusText(ids::kStatusRecordingPart,
                                      AroundStatusText(recorder_.Path(), files));
        }
    }
    // A write that failed ended the recording: the status bar says so.
    if (!shown_ || recorder_.Recording()) return;
    shown_ = false;
    seams_.view.SetStatusText(ids::kStatusRecordingPart, "");
    if (recorder_.WriteFailed())
        seams_.prompts.Inform("Writing the recording " + recorder_.Path() +
                              " failed; the recording has ended");
}

void SessionRecording::Start() {
    if (replaying_ || session_.run.ProjectChosen != 1) return;
    SYSTEMTIME t{};
    GetLocalTime(&t);
    const LocalTime now{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
    const std::wstring chosen = AskFileName(
        main_, true, WideFromText(DefaultRecordingName(session_.project.baseName, now)));
    if (chosen.empty()) return;
    const std::vector<rules::StopRule> armed = rules_.Rules();
    const int keep = AroundKeep(armed);
    around_ = false;
    if (keep >= 0) {
        PromptRequest question;
        question.text = AroundQuestion(armed);
        question.buttons = PromptButtons::YesNoCancel;
        question.icon = PromptIcon::Question;
        const PromptAnswer answer = seams_.prompts.Show(question);
        if (answer != PromptAnswer::Yes && answer != PromptAnswer::No) return;
        around_ = answer == PromptAnswer::Yes;
    }
    const std::string path = TextFromWide(chosen.data(), chosen.size());
    const int32_t baud = recorder_.Baud() > 0 ? recorder_.Baud() : session_.settings.Baud;
    const RecordingFacts facts =
        FactsOfSession(session_, seams_.os, recorder_.PortName(session_.settings.Port), baud,
                       RecordingStart::Link);
    const bool started =
        around_ ? recorder_.StartAround(path, facts, keep) : recorder_.Start(path, facts);
    if (!started) {
        seams_.prompts.Inform("The recording " + path + " cannot be written");
        return;
    }
    shown_ = true;
    aroundFiles_ = 0;
    seams_.view.SetStatusText(ids::kStatusRecordingPart,
                              around_ ? AroundStatusText(path, 0) : RecordingStatusText(path));
}

void SessionRecording::Stop() {
    if (!recorder_.Recording()) return;
    const bool written = recorder_.Stop();
    shown_ = false;
    seams_.view.SetStatusText(ids::kStatusRecordingPart, "");
    if (!written) seams_.prompts.Inform("Writing the recording " + recorder_.Path() + " failed");
}

void SessionRecording::OpenRecording() {
    const std::wstring chosen = AskFileName(main_, false, L"");
    if (chosen.empty()) return;
    Stop();
    openReplay_(chosen);
}

}  // namespace varnolux
