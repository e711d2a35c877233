#include "zor06ctl/data_output.h"

#include <cstdio>
#include <string>

#include "gasdata/data_file.h"
#include "gasdata/data_report.h"
#include "gasdata/data_view_model.h"
#include "gasdata/data_workbook.h"
#include "platform/file_io.h"
#include "settings/ini_file.h"
#include "settings/report_config.h"
#include "settings/work_dir.h"
#include "zor06ctl/data_rows.h"
#include "zor06ctl/pdf_output.h"

namespace zor06::ctl {
namespace {

constexpr int kErrorKind = 1;

// A name without extension gets `extension`, as the save dialogs give it.
std::filesystem::path WithExtension(std::filesystem::path path, std::string_view extension) {
    if (!path.has_extension()) {
        path += extension;
    }
    return path;
}

bool SaveDataFile(Session& s, const gasdata::DataSet& set) {
    const auto path = WithExtension(s.cl.out, gasdata::KindOf(set.kind).extension);
    std::string reason;
    if (!platform::WriteFileAtomically(path, gasdata::EncodeDataFile(set), &reason)) {
        s.op.ShowMessage(kErrorKind, "Ошибка открытия файла", path.string() + ": " + reason);
        return false;
    }
    return true;
}

bool WriteWorkbook(const gasdata::DataView& view, const std::string& file) {
    const auto path = WithExtension(file, ".xlsx");
    std::string reason;
    if (!gasdata::WriteDataWorkbook(view, path, &reason)) {
        std::fprintf(stderr, "Ошибка работы с файлом!\n%s: %s\n", path.string().c_str(),
                     reason.c_str());
        return false;
    }
    return true;
}

// The printout under the organisation name the print dialog would propose.
bool WriteReport(const gasdata::DataView& view, const gasdata::DataSet& set,
                 const DataSettings& settings, const std::string& file) {
    const std::string organisation = OrganisationName(settings.workDir);
    const report::Document document =
        gasdata::IsChromatograph(set.kind)
            ? gasdata::ChrDataReport(view, set.header, organisation, settings.report)
            : gasdata::WmtDataReport(view, set.header, organisation);
    std::string reason;
    if (!WriteDocumentPdf(document, file, &reason)) {
        std::fprintf(stderr, "Ошибка печати данных: %s\n", reason.c_str());
        return false;
    }
    return true;
}

}  // namespace

std::optional<DataSettings> LoadDataSettings(Session& s) {
    const auto workDir = WorkDirectory(s);
    if (!workDir) {
        return std::nullopt;
    }
    const auto path = settings::IniDir(*workDir) / settings::kReportConfigFile;
    std::string error;
    const auto ini = settings::LoadIniFile(path, &error);
    if (!ini) {
        s.op.ShowMessage(kErrorKind, "Не удалось прочитать файл настроек " + path.string(), error);
        return std::nullopt;
    }
    return DataSettings{*workDir, settings::ReadReportConfig(*ini)};
}

int PutDataSet(Session& s, const gasdata::DataSet& set, const DataSettings& settings) {
    const gasdata::DataView view = gasdata::BuildDataView(set, settings.report);
    std::fputs(DataRowsText(view, RowFormatOf(s.cl)).c_str(), stdout);
    std::fflush(stdout);
    const bool ok = (s.cl.out.empty() || SaveDataFile(s, set)) &&
                    (s.cl.xlsx.empty() || WriteWorkbook(view, s.cl.xlsx)) &&
                    (s.cl.pdf.empty() || WriteReport(view, set, settings, s.cl.pdf));
    return ok ? kExitOk : kExitFailed;
}

}  // namespace zor06::ctl
