#pragma once
// The start of a replay in Varnolux.exe: the recording named on the command
// line read and checked against the project folder, and the program started
// again on a recording chosen with File -> "Open recording...".
#include <string>

#include "link/recording/file.h"
#include "seams/host_os.h"
#include "seams/prompts.h"

namespace varnolux {

// `path` as a full path, resolved against the current folder.
std::string FullPathOf(const std::string& path);

// Reads the recording at `path` (a full path) and sets `folder` to the one its
// project is taken from (the program's folder or the recording's); false
// after one message that says why it cannot be replayed.
bool ReadRecordingToReplay(const std::string& path, const std::string& programFolder,
                           const HostOs& os, Prompts& prompts, RecordingContents& contents,
                           std::string& folder);

// Starts this program again with "--replay" and the recording; false when it could not.
bool StartReplayProcess(const std::wstring& recording);

}  // namespace varnolux
