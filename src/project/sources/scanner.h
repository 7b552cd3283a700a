#pragma once
// The source stage of the load: reads every source file of the listing's file
// list and picks out dump points, the device name, heap declarations, option
// warnings and per-variable comments and signed types.
#include <string>
#include <vector>

#include "seams/seams.h"
#include "state/session.h"

namespace varnolux {

enum class SourceScanEnd {
    Completed,
    ProgramClosed,  // a duplicate DumpID was answered Cancel: the IDE is open there
};

// Fills the dump point table and order list, the source device name, record
// comments and signed types and the heap total; shows the heap check and adds
// the dumpw points to the two dump-point choosers.
SourceScanEnd ScanSources(Session& session, Seams& seams);

// Scans the text of source file `file` (an index into the source file list)
// as ScanSources scans each file, without the heap check and the choosers.
SourceScanEnd ScanSourceText(Session& session, Seams& seams, int32_t file, const std::string& text);

// The heap check's message, empty when the heap size fits.
std::string HeapCheckText(const ProjectFacts& project);

// One chooser entry per dumpw point in dump order, the file's stored name
// appended whenever the file changes; each at most 59 characters.
std::vector<std::string> DumpChooserTexts(const DumpPointTable& points,
                                          const std::vector<std::string>& storedNames);

}  // namespace varnolux
