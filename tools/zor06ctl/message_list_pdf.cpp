#include "zor06ctl/message_list_pdf.h"

#include <cstdio>

#include "messages/message_list_document.h"
#include "zor06ctl/pdf_output.h"
#include "zor06ctl/shared_options.h"

namespace zor06::ctl {

std::optional<std::string> ListOrganisation(const Session& s) {
    if (PdfFileOf(s.cl).empty()) {
        return std::string();
    }
    const auto workDir = WorkDirectory(s);
    if (!workDir) {
        return std::nullopt;
    }
    return OrganisationName(*workDir);
}

bool WriteMessageListPdf(const Session& s, const std::string& organisation,
                         const dataset::HdmHeader& header, const messages::MessageView& view) {
    const std::string pdf = PdfFileOf(s.cl);
    if (pdf.empty()) {
        return true;
    }
    std::string reason;
    if (!WriteDocumentPdf(
            messages::MessageListDocument(view.archive, header, view.rows, organisation), pdf,
            &reason)) {
        std::fprintf(stderr, "Ошибка печати данных: %s\n", reason.c_str());
        return false;
    }
    return true;
}

}  // namespace zor06::ctl
