#pragma once
// The one writer of the settings file. Every change reads the file, edits it in
// memory and writes it whole through HostOs::WriteFile, which puts a complete
// file in place in one step: a crash leaves the old file or the new one. A
// write that fails is told to the user once a run, and leaves the file as it was.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "seams/host_os.h"
#include "seams/ini_file.h"
#include "seams/prompts.h"

namespace varnolux {

enum class SettingsWrite {
    Unchanged,  // the edit changed nothing, nothing was written
    Written,
    Failed  // read-only file or folder, full disk, or a file that cannot be read
};

SettingsWrite EditSettingsFile(HostOs& os, const std::string& path,
                               const std::function<void(IniDocument&)>& edit);

// Writes one key of the settings file.
SettingsWrite IniWrite(HostOs& os, const std::string& file, const std::string& section,
                       const std::string& key, const std::string& value);

// What the user is told when the settings file could not be written.
std::string SettingsWriteFailedText(const std::string& path);

// Shows SettingsWriteFailedText for a failed write, unless `reported` says it
// was already shown in this run; sets it when shown.
void ReportSettingsWrite(SettingsWrite result, std::atomic<int32_t>& reported, Prompts& prompts,
                         const std::string& path);

}  // namespace varnolux
