#include "project/sources/scanner.h"

#include "text/text_util.h"

#include "project/sources/dim.h"
#include "project/sources/files.h"
#include "project/sources/lines.h"
#include "seams/main_ids.h"
#include "tools/ide.h"

namespace varnolux {

namespace {

constexpr const char* kRoutine = "ScanSources";
constexpr size_t kDumpCommentWidth = 40;
constexpr size_t kChooserTextWidth = 59;

void Warn(Seams& seams, const std::string& text) {
    PromptRequest r;
    r.text = text;
    r.caption = "Warning";
    r.icon = PromptIcon::Exclamation;
    seams.prompts.Show(r);
}

bool IsKeyword(const std::string& word) {
    return word == "dim" || word == "dump" || word == "dumpw" || word == "device" ||
           word == "declare" || word == "$define";
}

struct ScanState {
    Session& session;
    Seams& seams;
    LowerLabelIndex labels;
    bool orderFullReported = false;
};

void ApplyKeyword(ScanState& s, const SourceLine& line) {
    const auto& f = line.fields;
    ProjectFacts& project = s.session.project;
    if (f[0] == "$define") {
        if (f[1] == "d_heapsize" && project.heapSizeSeen == 0) {
            project.heapSizeSeen = 1;
            project.heapSize = static_cast<int32_t>(LeadingDecimal(f[2]));
        }
    } else if (f[0] == "declare") {
        if (f[1] == "optimiser_level" && f[3] != "0") {
            Warn(s.seams, "Sure you want to use the optimiser?");
        } else if (f[1] == "dead_code_remove" && f[3] != "off" && f[3] != "false") {
            Warn(s.seams, "Sure you want to use dead code removal?");
        }
    } else if (f[0] == "device") {
        s.session.device.SourceDeviceName = UpperCase(f[2]);
    } else if (IsDimLine(line)) {
        CountHeapBytes(line, project);
        ApplyDimFacts(line, s.session.records, s.labels);
    }
}

// Asks whether to go on after a DumpID found a second time; false when the
// user chose to end (the IDE is then opened at the duplicate).
bool ConfirmDuplicate(ScanState& s, int32_t id, int32_t file, int32_t line) {
    Session& session = s.session;
    const std::string& listed = session.project.sourceFiles[file];
    PromptRequest r;
    r.text = "Duplicate DumpID" + LeadingBlankDecimal(id) + " at line" + LeadingBlankDecimal(line) +
             " " + StoredFileName(s.seams.os, session.project.programFolder, listed) +
             "\r\n\r\n\r\nDo you want to continue anyway?\r\n\r\nOK to continue\r\nCanel to Exit";
    r.buttons = PromptButtons::OkCancel;
    r.icon = PromptIcon::Exclamation;
    r.defaultButton = 2;  // Enter ends the program rather than accepting the duplicate
    if (s.seams.prompts.Show(r) == PromptAnswer::Ok) return true;

    {
        std::lock_guard<std::mutex> lock(session.recordsLock);
        session.image.DumpId = id;
    }
    session.dumpPoints.entries[id].file = file;
    session.dumpPoints.entries[id].line = line;
    session.project.sourceFiles[0] = listed;
    ShowIde(session, s.seams);
    s.seams.view.RequestClose();
    return false;
}

bool ApplyDumpPoint(ScanState& s, const SourceLine& line, int32_t file, int32_t lineNumber) {
    const int32_t kind = line.fields[0] == "dumpw" ? 1 : 0;
    const int64_t id = LeadingDecimal(line.fields[1]);
    if (id <= 0 || id >= 256) return true;
    DumpPointTable& points = s.session.dumpPoints;
    DumpPoint& entry = points.entries[id];
    if (entry.line != 0 && !ConfirmDuplicate(s, static_cast<int32_t>(id), file, lineNumber)) {
        return false;
    }
    entry.file = file;
    entry.line = lineNumber;
    entry.kind = kind;
    entry.comment = line.comment.substr(0, kDumpCommentWidth);
    if (points.order.size() < static_cast<size_t>(kDumpPointEntries)) {
        points.order.push_back(static_cast<int32_t>(id));
    } else if (!s.orderFullReported) {
        s.orderFullReported = true;
        s.seams.prompts.Inform(std::string(kRoutine) +
                               " more than 257 dump statements; the later ones are not listed");
    }
    return true;
}

bool ScanText(ScanState& s, int32_t file, const std::string& text) {
    const std::vector<std::string> lines = SourceTextLines(text);
    for (size_t j = 0; j < lines.size(); ++j) {
        if (!IsKeyword(FirstSourceWord(lines[j]))) continue;
        const SourceLine line = PrepareSourceLine(lines[j]);
        const std::string& word = line.fields[0];
        if (word == "dump" || word == "dumpw") {
            if (!ApplyDumpPoint(s, line, file, static_cast<int32_t>(j + 1))) return false;
        } else {
            ApplyKeyword(s, line);
        }
    }
    return true;
}

bool ScanFile(ScanState& s, int32_t file) {
    const std::string& listed = s.session.project.sourceFiles[file];
    const auto path = ResolveSourceFile(s.seams.os, s.session.project.programFolder, listed);
    const auto text = path ? s.seams.os.ReadFile(*path) : std::nullopt;
    if (!text) {
        s.seams.prompts.Inform(
            std::string(kRoutine) +
            (path ? " 8 source file cannot be read (no permission, or locked) " + *path
                  : " 8 source file missing " + listed));
        return true;
    }
    return ScanText(s, file, *text);
}

void FillChoosers(Session& session, Seams& seams) {
    std::vector<std::string> storedNames;
    for (const std::string& listed : session.project.sourceFiles) {
        storedNames.push_back(FileNamePart(listed));
    }
    std::vector<bool> looked(storedNames.size(), false);
    for (int32_t id : session.dumpPoints.order) {
        const DumpPoint& p = session.dumpPoints.entries[id];
        if (p.kind != 1 || p.file < 0 || static_cast<size_t>(p.file) >= storedNames.size() ||
            looked[p.file]) {
            continue;
        }
        looked[p.file] = true;
        storedNames[p.file] = StoredFileName(seams.os, session.project.programFolder,
                                             session.project.sourceFiles[p.file]);
    }
    for (const std::string& text : DumpChooserTexts(session.dumpPoints, storedNames)) {
        seams.view.AddComboEntry(ids::kUntilChooser, text);
        seams.view.AddComboEntry(ids::kRepeatChooser, text);
    }
    seams.view.FitComboDropDownWidth(ids::kUntilChooser);
    seams.view.FitComboDropDownWidth(ids::kRepeatChooser);
}

}  // namespace

std::string HeapCheckText(const ProjectFacts& project) {
    if (project.heapSizeSeen == 0 && project.heapTotal > 0) {
        return "Heap variables are declared but their size in not defined\rsuggest you add "
               "\"$Define D_HeapSize" +
               LeadingBlankDecimal(project.heapTotal) + "\"";
    }
    if (project.heapSize < project.heapTotal) {
        return "It would appear that the D_HeapSize you defined (" +
               std::to_string(project.heapSize) + ") is too small, try" +
               LeadingBlankDecimal(project.heapTotal);
    }
    return std::string();
}

std::vector<std::string> DumpChooserTexts(const DumpPointTable& points,
                                          const std::vector<std::string>& storedNames) {
    std::vector<std::string> texts;
    int32_t previousFile = -1;
    for (int32_t id : points.order) {
        const DumpPoint& p = points.entries[id];
        if (p.kind != 1) continue;
        std::string text = " Dumpw" + LeadingBlankDecimal(id);
        if (p.file != previousFile && p.file >= 0 &&
            static_cast<size_t>(p.file) < storedNames.size()) {
            if (id > 100) {
                text += std::string(8, ' ');
            } else if (id > 10) {
                text += std::string(10, ' ') + "\t";
            } else {
                text += std::string(13, ' ') + "\t";
            }
            text += storedNames[p.file];
        }
        previousFile = p.file;
        texts.push_back(text.substr(0, kChooserTextWidth));
    }
    return texts;
}

SourceScanEnd ScanSourceText(Session& session, Seams& seams, int32_t file,
                             const std::string& text) {
    ScanState s{session, seams, IndexLowerLabels(session.records)};
    return ScanText(s, file, text) ? SourceScanEnd::Completed : SourceScanEnd::ProgramClosed;
}

SourceScanEnd ScanSources(Session& session, Seams& seams) {
    ScanState s{session, seams, IndexLowerLabels(session.records)};
    const auto fileCount = static_cast<int32_t>(session.project.sourceFiles.size());
    for (int32_t k = 0; k < fileCount; ++k) {
        if (!ScanFile(s, k)) return SourceScanEnd::ProgramClosed;
    }
    const std::string heap = HeapCheckText(session.project);
    if (!heap.empty()) Warn(seams, heap);
    FillChoosers(session, seams);
    return SourceScanEnd::Completed;
}

}  // namespace varnolux
