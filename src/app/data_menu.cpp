#include "app/data_menu.h"

#include <QMenu>

#include "app/TFormMain.h"
#include "archive/reading_support.h"
#include "config/distribution_editors.h"
#include "config/limits_editor.h"
#include "gasdata/chart_picture.h"
#include "gasdata/chart_setpoints.h"
#include "gasdata/data_csv.h"
#include "gasdata/data_file.h"
#include "gasdata/data_reading.h"
#include "gasdata/data_report.h"
#include "gasdata/data_view_model.h"
#include "gasdata/momentary_reading.h"
#include "gasdata/screens/DataForm.h"
#include "gasdata/screens/TFormChrom_Dop_Par.h"
#include "gasdata/screens/TFormMom.h"
#include "gasdata/screens/TFormMomWmt.h"
#include "gasdata/workbook_export.h"
#include "messages/screens/TFormShortDate.h"
#include "report/layout.h"
#include "tables/controller_date.h"
#include "tables/device_link.h"
#include "widgets/TFormQues_Prn.h"
#include "widgets/report_dialogs.h"

namespace zor06::app {
namespace {

using gasdata::DataKind;
using screens::TFormMain;

bytes::ControllerDateTime Today(TFormMain& w) {
    return tables::EncodeNow(w.Tables().clock.LocalDateTime());
}

void PrintView(TFormMain& w, const gasdata::DataView& view, const dataset::HdmHeader& header,
               QWidget* parent) {
    const auto organisation = widgets::AskPrintData(
        w.IniDir() / "title.ini", gasdata::KindOf(view.kind).printKind, header, parent);
    if (!organisation) {
        return;
    }
    report::Pages pages;
    {
        dialogue::BusyScope busy(w.Operator());
        pages = report::Layout(
            gasdata::IsChromatograph(view.kind)
                ? gasdata::ChrDataReport(view, header, *organisation, w.Settings().report)
                : gasdata::WmtDataReport(view, header, *organisation));
    }
    if (!widgets::PreviewPages(pages, parent)) {
        w.Operator().ShowMessage(dialogue::MessageKind::Error, "Ошибка печати данных", "");
    }
}

void ExportView(TFormMain& w, const gasdata::DataView& view, const dataset::HdmHeader& header) {
    gasdata::WorkbookExport how;
    how.programDir = w.WorkDir();
    how.today = Today(w);
    gasdata::ExportWorkbook(view, header, how, w.Operator());
}

// What a window that refreshes itself reads: nothing while another request is on the line.
template <typename Read>
auto WhenIdle(TFormMain& w, Read read) -> decltype(read()) {
    if (w.RequestOnLine()) {
        return std::nullopt;
    }
    return read();
}

// The momentary window's lines, read silently; nothing when the read failed.
std::optional<screens::WmtMomentaryLines> ReadMomentary(TFormMain& w) {
    const auto content = WhenIdle(w, [&w] { return gasdata::ReadWmtMomentary(w.Tables(), false); });
    if (!content) {
        return std::nullopt;
    }
    screens::WmtMomentaryLines lines;
    lines.time = content->dateTime;
    for (const auto& v : content->values) {
        lines.values.emplace_back(v.label, v.text);
    }
    return lines;
}

std::optional<messages::Period> ChoosePeriod(TFormMain& w, gasdata::Step step,
                                             const gasdata::ArchiveBounds& bounds,
                                             const bytes::ControllerDateTime& now) {
    screens::TFormShortDate dialog(static_cast<messages::DataArchive>(step), bounds, now,
                                   w.Settings().archive, w.Operator(), &w);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Result();
}

void ReadArchive(TFormMain& w, DataKind kind, int run) {
    gasdata::DataReadingContext ctx{
        w.Tables(), w.WorkFolder(),
        [&w](gasdata::Step step, const gasdata::ArchiveBounds& bounds,
             const bytes::ControllerDateTime& now) { return ChoosePeriod(w, step, bounds, now); },
        [&w](const gasdata::DataSet& set) { ShowDataSet(w, set, true); }};
    gasdata::ReadDataArchive(ctx, kind, run);
    w.StartMessageTimer();
}

void ViewFile(TFormMain& w, DataKind kind) {
    const auto set = gasdata::ChooseDataFile(kind, w.WorkDir(), w.Operator());
    if (set) {
        ShowDataSet(w, *set, false);
    }
}

// "Чтение архива контроллера" with its run items, or a single command for the moisture meter.
void AddReading(TFormMain& w, QMenu* archive, DataKind kind, const QString& name) {
    const QString caption = QStringLiteral("Чтение архива контроллера");
    if (!gasdata::IsChromatograph(kind)) {
        w.AddCommand(archive, name, caption, [&w, kind] { ReadArchive(w, kind, 0); });
        return;
    }
    QMenu* reading = archive->addMenu(caption);
    reading->menuAction()->setObjectName(name);
    for (int run = 1; run <= 2; ++run) {
        QAction* item =
            w.AddCommand(reading, name + QString::number(run), QStringLiteral("Нитка %1").arg(run),
                         [&w, kind, run] { ReadArchive(w, kind, run - 1); });
        item->setProperty("run", run);
    }
}

struct ArchiveItem {
    DataKind kind;
    const char* title;
    const char* reading;  // the item names of the reading and of the file view
    const char* viewing;
};

void AddArchives(TFormMain& w, QMenu* device, std::initializer_list<ArchiveItem> items) {
    for (const ArchiveItem& a : items) {
        QMenu* archive = device->addMenu(QString::fromUtf8(a.title));
        AddReading(w, archive, a.kind, QString::fromLatin1(a.reading));
        const DataKind kind = a.kind;
        w.AddCommand(archive, QString::fromLatin1(a.viewing),
                     QStringLiteral("Просмотр/Печать из файла"), [&w, kind] { ViewFile(w, kind); });
    }
}

// The device's link first: the message timer starts once the controller answered, before any
// message about the link.
bool DeviceLinked(TFormMain& w, tables::Device device) {
    const tables::DeviceLink link = tables::ReadDeviceLink(w.Tables(), device);
    if (link == tables::DeviceLink::Unread) {
        return false;
    }
    w.StartMessageTimer();
    if (link == tables::DeviceLink::Absent) {
        tables::ShowNoDeviceLink(w.Operator(), device);
        return false;
    }
    return true;
}

void ShowMoistureMomentary(TFormMain& w) {
    if (!DeviceLinked(w, tables::Device::MoistureMeter)) {
        return;
    }
    screens::TFormMomWmt window([&w] { return ReadMomentary(w); }, &w);
    window.exec();
}

// The chromatograph's momentary window of run 0 or 1; each refresh reads silently and nothing
// while another request is on the line.
void NChrom_MomDataClick(TFormMain& w, int run) {
    if (!DeviceLinked(w, tables::Device::Chromatograph)) {
        return;
    }
    const gasdata::ChrMomentaryFrame frame = gasdata::ChrMomentaryFrameOf(
        archive::EnsureSerialNumber(w.Tables()), w.Image().Name(run + 1), w.Settings().report);
    const auto values = [&w, run] {
        return WhenIdle(w, [&w, run] {
            return gasdata::ReadChrMomentaryValues(w.Tables(), run, w.Settings().report, false);
        });
    };
    const auto zones = [&w, run] {
        return WhenIdle(w, [&w, run] { return gasdata::ReadChrZones(w.Tables(), run, false); });
    };
    screens::TFormMom window(frame, {values, zones}, &w);
    window.exec();
    w.StartMessageTimer();
}

void N_Dop_ParClick(TFormMain& w) {
    const auto extra = gasdata::ReadExtraParameters(w.Tables());
    w.StartMessageTimer();
    if (extra) {
        screens::TFormChrom_Dop_Par window(extra->serial, extra->softwareChecksum, &w);
        window.exec();
    }
}

// Tables 23 and 24, read silently each time a chart opens: two short requests, and the chart
// shows the setpoints the controller holds now. Nothing when a read failed.
std::optional<gasdata::ColumnSetpoints> ReadSetpoints(TFormMain& w, const gasdata::DataView& view) {
    const auto setpoints = WhenIdle(w, [&w] { return gasdata::ReadWarningSetpoints(w.Tables()); });
    if (!setpoints) {
        return std::nullopt;
    }
    return gasdata::ShownSetpoints(view, *setpoints, w.Settings().report);
}

// "Нитка 1" and "Нитка 2" of the momentary window, first in the chromatograph's data.
void AddChrMomentary(TFormMain& w, QMenu* chromatograph) {
    QMenu* momentary = chromatograph->addMenu(
        QStringLiteral("Мгновенные данные хроматографа, зоны параметров газа    "));
    momentary->menuAction()->setObjectName("NChrom_Mom");
    for (int run = 1; run <= 2; ++run) {
        QAction* item = w.AddCommand(momentary, QStringLiteral("NChrom_Mom%1").arg(run),
                                     QStringLiteral("Нитка %1").arg(run),
                                     [&w, run] { NChrom_MomDataClick(w, run - 1); });
        item->setProperty("run", run);
    }
}

}  // namespace

void ShowDataSet(TFormMain& w, const gasdata::DataSet& set, bool fromController) {
    gasdata::DataView view = gasdata::BuildDataView(set, w.Settings().report);
    screens::DataFormContext context;
    context.save = [&w, &set](const gasdata::DataView&, QWidget*) {
        gasdata::SaveDataSet(set, w.WorkDir(), Today(w), w.Operator());
    };
    context.print = [&w, &set](const gasdata::DataView& v, QWidget* parent) {
        PrintView(w, v, set.header, parent);
    };
    context.saveCsv = [&w, &set](const gasdata::DataView& v, QWidget*) {
        gasdata::SaveDataCsv(v, set, w.WorkDir(), Today(w), w.Operator());
    };
    if (gasdata::IsChromatograph(set.kind)) {
        context.exportWorkbook = [&w, &set](const gasdata::DataView& v, QWidget*) {
            ExportView(w, v, set.header);
        };
    }
    context.chartFile = [&w, &set] {
        return files::ChooseSaveTarget(gasdata::ChartPictureChoice(set, w.WorkDir(), Today(w)),
                                       gasdata::kPngExtension, w.Operator());
    };
    if (fromController && gasdata::IsChromatograph(set.kind)) {
        context.setpoints = [&w](const gasdata::DataView& v) { return ReadSetpoints(w, v); };
    }
    screens::DataForm form(std::move(view), context, &w);
    form.exec();
}

void AddDataMenus(TFormMain& w) {
    QMenu* data = w.AddTopMenu(QStringLiteral("Данные"), QStringLiteral("NData"));
    QMenu* chromatograph = data->addMenu(QStringLiteral("Данные  хроматографа"));
    chromatograph->menuAction()->setObjectName("NChrom_Data");
    AddChrMomentary(w, chromatograph);
    AddArchives(w, chromatograph,
                {{DataKind::ChrMinute, "Мгновенные данные хроматографа из архива 3-мин. данных",
                  "NChrom_Rdmin", "NChrom_Viewmin"},
                 {DataKind::ChrHour, "Часовые  данные", "NChrom_RdHour", "NChrom_ViewHour"},
                 {DataKind::ChrDay, "Суточные  данные", "NChrom_RdDay", "NChrom_ViewDay"}});
    QMenu* moisture = data->addMenu(QStringLiteral("Данные влагомера"));
    moisture->menuAction()->setObjectName("NWmt_Data");
    w.AddCommand(moisture, "NWmt_MomData", QStringLiteral("Мгновенные данные влагомера"),
                 [&w] { ShowMoistureMomentary(w); });
    AddArchives(w, moisture,
                {{DataKind::WmtMinute, "Мгновенные данные влагомера из архива 3-мин. данных    ",
                  "NWmt_Readmin", "NWmt_Viewmin"},
                 {DataKind::WmtHour, "Часовые  данные", "NWmt_ReadHour", "NWmt_ViewHour"},
                 {DataKind::WmtDay, "Суточные  данные", "NWmt_ReadDay", "NWmt_ViewDay"}});
    w.AddCommand(data, "N_Dop_Par", QStringLiteral("Дополнительные параметры контроллера"),
                 [&w] { N_Dop_ParClick(w); });
}

}  // namespace zor06::app
