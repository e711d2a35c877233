#include "zor06ctl/data_output.h"

#include <cstdio>
#include <string>
#include <vector>

#include "gasdata/data_file.h"
#include "gasdata/data_report.h"
#include "gasdata/data_view_model.h"
#include "gasdata/data_workbook.h"
#include "gasdata/iso_check.h"
#include "platform/file_io.h"
#include "settings/ini_file.h"
#include "settings/report_config.h"
#include "settings/settings_store.h"
#include "settings/work_dir.h"
#include "zor06ctl/data_rows.h"
#include "zor06ctl/output_files.h"
#include "zor06ctl/pdf_output.h"
#include "zor06ctl/shared_options.h"

namespace zor06::ctl {
namespace {

bool SaveDataFile(Session& s, const gasdata::DataSet& set, const std::filesystem::path& path) {
    std::string reason;
    if (!platform::WriteFileAtomically(path, gasdata::EncodeDataFile(set), &reason)) {
        s.op.ShowMessage(dialogue::MessageKind::Error, "Ошибка открытия файла",
                         path.string() + ": " + reason);
        return false;
    }
    return true;
}

bool WriteWorkbook(const gasdata::DataView& view, const std::filesystem::path& path) {
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
                 const DataSettings& settings, const std::filesystem::path& file) {
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

DataOutputs DataOutputsOf(const CommandLine& cl, gasdata::DataKind kind) {
    const auto named = [](const std::string& file, std::string_view extension) {
        return file.empty() ? std::filesystem::path() : WithExtension(file, extension);
    };
    return {named(SaveFileOf(cl), gasdata::KindOf(kind).extension), named(XlsxFileOf(cl), ".xlsx"),
            PdfFileOf(cl)};
}

bool MayWriteDataOutputs(const CommandLine& cl, gasdata::DataKind kind) {
    const DataOutputs outputs = DataOutputsOf(cl, kind);
    return MayWriteFiles(cl, {outputs.save, outputs.xlsx, outputs.pdf});
}

std::optional<DataSettings> LoadDataSettings(Session& s) {
    const auto workDir = WorkDirectory(s);
    if (!workDir) {
        return std::nullopt;
    }
    const auto path = settings::IniDir(*workDir) / settings::kReportConfigFile;
    std::string error;
    const auto ini = settings::LoadIniFile(path, &error);
    if (!ini) {
        s.op.ShowMessage(dialogue::MessageKind::Error,
                         "Не удалось прочитать файл настроек " + path.string(), error);
        return std::nullopt;
    }
    std::vector<settings::ReplacedValue> replaced;
    DataSettings loaded{*workDir, settings::ReadReportConfig(*ini, &replaced)};
    if (const auto problem = settings::ReplacedValuesProblem(path, replaced)) {
        s.op.ShowMessage(dialogue::MessageKind::Error, problem->text, problem->reason);
    }
    return loaded;
}

std::string IsoCheckRefusal(const CommandLine& cl, gasdata::DataKind kind) {
    if (!cl.Given(kIsoCheckOption.name) ||
        (gasdata::IsChromatograph(kind) && !gasdata::IsThreeMinute(kind))) {
        return "";
    }
    return "--iso-check takes hourly or daily chromatograph data";
}

int PutDataSet(Session& s, const gasdata::DataSet& set, const DataSettings& settings) {
    gasdata::DataView view = gasdata::BuildDataView(set, settings.report);
    if (s.cl.Given(kIsoCheckOption.name)) {
        if (gasdata::IsoCheckApplies(set.kind, settings.report)) {
            gasdata::AddIsoCheck(view, set, settings.report);
        } else {
            std::fprintf(stderr,
                         "--iso-check: calc_formula=%d computes these values after the "
                         "composition already; no check columns\n",
                         settings.report.calcFormula);
        }
    }
    std::fputs(DataRowsText(view, RowFormatOf(s.cl)).c_str(), stdout);
    std::fflush(stdout);
    const DataOutputs outputs = DataOutputsOf(s.cl, set.kind);
    const bool ok = (outputs.save.empty() || SaveDataFile(s, set, outputs.save)) &&
                    (outputs.xlsx.empty() || WriteWorkbook(view, outputs.xlsx)) &&
                    (outputs.pdf.empty() ||
                     WriteReport(gasdata::WithoutIsoCheck(view), set, settings, outputs.pdf));
    return ok ? kExitOk : kExitFailed;
}

}  // namespace zor06::ctl
