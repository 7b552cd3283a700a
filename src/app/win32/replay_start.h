#pragma once
// The start of a replay in Varnolux.exe: the recording named on the command
// line read and checked against the project folder, and the program started
// again on a recording chosen with File -> "Open recording...".
#include <string>

#include "link/recording_file.h"
#include "ui/host_os.h"
#include "ui/prompts.h"

namespace varnolux {

// `path` as a full path, resolved against the current folder.
std::string FullPathOf(const std::string& path);

// Reads the recording at `path` (a full path); false after one message that
// says why it cannot be replayed with the projects of `folder`.
bool ReadRecordingToReplay(const std::string& path, const std::string& folder, const HostOs& os,
                           Prompts& prompts, RecordingContents& contents);

// Starts this program again with "--replay" and the recording; false when it could not.
bool StartReplayProcess(const std::wstring& recording);

}  // namespace varnolux
