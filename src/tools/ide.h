#pragma once
// The Proton IDE opened at the current dump point's source line.
#include <cstdint>
#include <string>

#include "seams/host_os.h"
#include "seams/seams.h"
#include "state/session.h"

namespace varnolux {

// "Proton IDE": writes the IDE's project file for the current dump point and
// starts the IDE, or brings its running window to the top.
void ShowIde(Session& session, Seams& seams);

// The same; with exitAfter ("Exit to Proton") the main window is then closed
// through its normal close sequence.
void ShowIde(Session& session, Seams& seams, bool exitAfter);

// Where the IDE is to open: a source file name as in the source file list, and
// its 1-based line.
struct IdePosition {
    std::string sourceName;
    int32_t line = 1;
};

// The current dump point's file and line; the main source at line 1 when
// there is no current dump point yet.
IdePosition CurrentIdePosition(Session& session);

// The IDE project file's name: the source name up to its last "." + ".mci".
std::string IdeProjectFileName(const std::string& sourceName);

// The full path the IDE opens for a name of the source file list. The listing
// names its files with the folder they were compiled in: that path when the
// file is there, otherwise the file of that name in the project folder.
std::string IdeSourcePath(const HostOs& os, const std::string& projectFolder,
                          const std::string& listedName);

// The IDE project file's contents, every line ended by CR LF.
std::string IdeProjectText(const std::string& sourcePath, int32_t line);

}  // namespace varnolux
