#include "views/source/source_view.h"

#include "project/sources/files.h"

namespace varnolux {

namespace {

constexpr Rgb kLineColumnGrey{240, 240, 240};

}  // namespace

SourceView BuildSourceView(const DumpPointTable& points, const ProjectFacts& project,
                           const Settings& settings, int32_t dumpId, const HostOs& os) {
    const bool known = dumpId >= 0 && dumpId < kDumpPointEntries;
    const DumpPoint point = known ? points.entries[static_cast<size_t>(dumpId)] : DumpPoint{};
    const bool listed =
        point.file >= 0 && static_cast<size_t>(point.file) < project.sourceFiles.size();
    const std::string name = listed ? project.sourceFiles[static_cast<size_t>(point.file)] : "";

    SourceView view;
    view.title = SourceWindowTitle(StoredFileName(os, project.programFolder, name), dumpId);
    const auto path = ResolveSourceFile(os, project.programFolder, name);
    const auto text = path ? os.ReadFile(*path) : std::nullopt;
    if (!text) {
        view.excerpt.rows.push_back(SourceRow{"", UnreadableSourceText(name)});
        return view;
    }
    view.excerpt =
        ExcerptAroundLine(*text, point.line, settings.SourceLines, settings.SourceHighlight);
    return view;
}

std::string UnreadableSourceText(const std::string& listedName) {
    return "The source file " + listedName + " could not be read";
}

void WriteSourceRows(ReportList& list, const SourceExcerpt& excerpt) {
    RedrawOff off(list);
    list.DeleteAllRows();
    for (size_t i = 0; i < excerpt.rows.size(); ++i) {
        const int row = static_cast<int>(i);
        list.InsertRow(row);
        list.SetCellText(row, 0, excerpt.rows[i].line);
        list.SetCellText(row, 1, excerpt.rows[i].text);
    }
}

Rgb SourceCellBackground(int row, int column, int highlightRow) {
    if (row == highlightRow) return kHighlightYellow;
    if (column == 0) return kLineColumnGrey;
    return row % 2 == 0 ? kStripeGrey : kStripeWhite;
}

}  // namespace varnolux
