#include "tools/documents.h"

#include "text/text_util.h"

#include "tools/activate.h"
#include "tools/command_line.h"

namespace varnolux {

namespace {
const char kMarker[] = "(pdfpath)";
const size_t kMarkerLength = sizeof kMarker - 1;
const char kReportingRoutine[] = "OpenDataSheet";

}  // namespace

std::optional<std::string> LinkedDocumentName(const std::string& linkFileText) {
    std::string text = linkFileText;
    // An editor's UTF-8 byte order mark is not part of the first line.
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string lower = LowerCase(line);
        if (lower.compare(0, kMarkerLength, kMarker) == 0)
            return TrimBlanks(lower.substr(kMarkerLength));
        start = end + 1;
    }
    return std::nullopt;
}

void OpenPdf(Session& session, Seams& seams, const std::string& documentPath) {
    if (!seams.os.FileExists(documentPath)) {
        ShowBareMessage(seams.prompts, "File not found " + documentPath);
        return;
    }
    const std::string& reader = session.settings.PDFReader;
    // Both quoted: the default folders hold blanks, and a document name from the
    // link file must not add arguments.
    if (!seams.launcher.StartProgram(reader,
                                     QuotedArgument(reader) + " " + QuotedArgument(documentPath)))
        ShowBareMessage(seams.prompts, "Unable to load " + documentPath);
}

void OpenDataSheet(Session& session, Seams& seams) {
    const std::string& folder = session.settings.PDF;
    const std::string linkPath = folder + "\\" + session.device.SourceDeviceName + ".link";
    const std::optional<std::string> text =
        seams.os.FileExists(linkPath) ? seams.os.ReadFile(linkPath) : std::nullopt;
    if (!text) {
        seams.prompts.Inform(std::string(kReportingRoutine) + " Link to DataSheet not found\r" +
                             linkPath);
        return;
    }
    const std::optional<std::string> name = LinkedDocumentName(*text);
    if (!name) {
        seams.prompts.Inform(std::string(kReportingRoutine) + " Failed TO pharse link file");
        return;
    }
    OpenPdf(session, seams, folder + "\\" + *name);
}

void OpenErrata(Session& session, Seams& seams) {
    OpenPdf(session, seams,
            session.settings.Errata + "\\" + session.device.SourceDeviceName + " errata.pdf");
}

}  // namespace varnolux
