#include "app/win32/replay_start.h"

#include <windows.h>

#include <vector>

#include "app/recording_texts.h"
#include "app/replay_folder.h"
#include "seams/win32/wide_text.h"

namespace varnolux {

std::string FullPathOf(const std::string& path) {
    const std::wstring wide = WideFromText(path);
    std::vector<wchar_t> full(32768, L'\0');
    const DWORD length =
        GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size()) return path;
    return TextFromWide(full.data(), length);
}

bool ReadRecordingToReplay(const std::string& path, const std::string& programFolder,
                           const HostOs& os, Prompts& prompts, RecordingContents& contents,
                           std::string& folder) {
    const std::optional<std::string> bytes = os.ReadFile(path);
    if (!bytes) {
        prompts.Inform("The recording " + path + " cannot be read");
        return false;
    }
    contents = ParseRecording(*bytes);
    folder = ReplayProjectFolder(os, programFolder, path, contents.facts.baseName);
    const bool listingFound = contents.problem == RecordingProblem::None &&
                              os.FileExists(folder + contents.facts.baseName + ".lst");
    const std::string refusal = ReplayRefusal(path, contents, listingFound, folder);
    if (refusal.empty()) return true;
    prompts.Inform(refusal);
    return false;
}

bool StartReplayProcess(const std::wstring& recording) {
    std::vector<wchar_t> program(32768, L'\0');
    const DWORD length =
        GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
    if (length == 0 || length >= program.size()) return false;
    std::wstring line =
        L"\"" + std::wstring(program.data(), length) + L"\" --replay \"" + recording + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.data(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace varnolux
