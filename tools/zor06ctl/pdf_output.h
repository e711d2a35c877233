// Printed documents as PDF files. The tool paints with Qt only for this, on the offscreen platform
// unless QT_QPA_PLATFORM says otherwise.
#pragma once

#include <filesystem>
#include <string>

#include "config/protocol_record.h"
#include "report/document.h"

namespace zor06::ctl {

// False with `reason` when the file could not be made or the tool was built without Qt.
bool WriteProtocolPdf(const config::ProtocolRecord& record, const std::filesystem::path& path,
                      std::string* reason);

// Any laid-out document as a PDF file, with the same failures.
bool WriteDocumentPdf(const report::Document& document, const std::filesystem::path& path,
                      std::string* reason);

// The organisation name a printout carries, as the print-data dialog proposes it: INI/title.ini of
// the work directory; empty without that file.
std::string OrganisationName(const std::filesystem::path& workDir);

}  // namespace zor06::ctl
