#include "zor06ctl/pdf_output.h"

#include <cstdlib>
#include <memory>

#include "config/protocol_content.h"
#include "config/protocol_document.h"
#include "dataset/print_data.h"
#include "report/layout.h"
#include "settings/work_dir.h"

#ifdef ZOR06_CTL_PDF
#include <QGuiApplication>

#include "report/render/page_renderer.h"
#endif

namespace zor06::ctl {

#ifdef ZOR06_CTL_PDF
namespace {

void EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "zor06ctl";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

bool WriteDocumentPdf(const report::Document& document, const std::filesystem::path& path,
                      std::string* reason) {
    EnsureGuiApplication();
    return report::WritePdf(report::Layout(document), path, reason);
}
#else
bool WriteDocumentPdf(const report::Document&, const std::filesystem::path&, std::string* reason) {
    *reason = "zor06ctl was built without Qt and cannot write PDF";
    return false;
}
#endif

bool WriteProtocolPdf(const config::ProtocolRecord& record, const std::filesystem::path& path,
                      std::string* reason) {
    return WriteDocumentPdf(config::ProtocolDocument(config::BuildProtocolContent(record)), path,
                            reason);
}

std::string OrganisationName(const std::filesystem::path& workDir) {
    return dataset::ReadOrganisationName(settings::IniDir(workDir) / "title.ini");
}

}  // namespace zor06::ctl
