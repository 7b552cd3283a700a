#pragma once
// The device's datasheet and errata sheet, opened in the PDF reader.
#include <optional>
#include <string>

#include "seams/seams.h"
#include "state/session.h"

namespace varnolux {

// Finds the datasheet through "<PDF folder>\<device>.link" and opens it.
void OpenDataSheet(Session& session, Seams& seams);
// Opens "<Errata folder>\<device> errata.pdf".
void OpenErrata(Session& session, Seams& seams);

// The document named by a link file: the first line that starts with
// "(pdfpath)" in any case, lower-cased, without the marker and surrounding blanks.
std::optional<std::string> LinkedDocumentName(const std::string& linkFileText);

// Starts the PDF reader on the document, or tells why it cannot.
void OpenPdf(Session& session, Seams& seams, const std::string& documentPath);

}  // namespace varnolux
