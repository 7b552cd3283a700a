#pragma once
// The Source window's content for the current dump, built from the dump point
// table and the dump point's source file, and written to its list.
#include <cstdint>
#include <string>

#include "seams/host_os.h"
#include "seams/report_list.h"
#include "state/dump_points.h"
#include "state/project_facts.h"
#include "state/settings.h"
#include "vars/main_list.h"
#include "views/frame/form_column.h"
#include "views/source/source_excerpt.h"

namespace varnolux {

// Columns "Line" and "Source"; their widths as created are used where a stored width is 0.
constexpr int kSourceColumnCount = 2;
constexpr FormColumn kSourceColumns[kSourceColumnCount] = {{"Line", 75}, {"Source", 450}};

struct SourceView {
    std::string title;
    SourceExcerpt excerpt;
};

// The lines around the dump point of `dumpId` in its source file ("SourceLines"
// and "SourceHighlight"), titled with the file's name as the file system spells
// it. A file that cannot be read gives one row that names it; a DumpID that no
// dump point of the sources carries shows the top of the first file, unmarked.
SourceView BuildSourceView(const DumpPointTable& points, const ProjectFacts& project,
                           const Settings& settings, int32_t dumpId, const HostOs& os);

// The text of the row shown for a source file that could not be read.
std::string UnreadableSourceText(const std::string& listedName);

// Replaces every row of the list by the excerpt's rows.
void WriteSourceRows(ReportList& list, const SourceExcerpt& excerpt);

// Background of a cell: the dump point's row yellow, the "Line" column light
// grey, the "Source" column banded grey and white; text is always black.
Rgb SourceCellBackground(int row, int column, int highlightRow);

}  // namespace varnolux
