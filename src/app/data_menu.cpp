#include "app/data_menu.h"

#include <QMenu>

#include "app/app_context.h"
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
#include "gasdata/iso_check.h"
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

bytes::ControllerDateTime Today(AppContext& app) {
    return tables::EncodeNow(app.tables.clock.LocalDateTime());
}

void PrintView(AppContext& app, const gasdata::DataView& view, const dataset::HdmHeader& header,
               QWidget* parent) {
    const auto organisation = widgets::AskPrintData(
        app.IniDir() / "title.ini", gasdata::KindOf(view.kind).printKind, header, parent);
    if (!organisation) {
        return;
    }
    report::Pages pages;
    {
        dialogue::BusyScope busy(app.op);
        pages = report::Layout(
            gasdata::IsChromatograph(view.kind)
                ? gasdata::ChrDataReport(view, header, *organisation, app.settings.report)
                : gasdata::WmtDataReport(view, header, *organisation));
    }
    if (!widgets::PreviewPages(pages, parent)) {
        app.op.ShowMessage(dialogue::MessageKind::Error, "Ошибка печати данных", "");
    }
}

void ExportView(AppContext& app, const gasdata::DataView& view, const dataset::HdmHeader& header) {
    gasdata::WorkbookExport how;
    how.programDir = app.workDir;
    how.today = Today(app);
    gasdata::ExportWorkbook(view, header, how, app.op);
}

// What a window that refreshes itself reads: nothing while another request is on the line.
template <typename Read>
auto WhenIdle(AppContext& app, Read read) -> decltype(read()) {
    if (app.window.RequestOnLine()) {
        return std::nullopt;
    }
    return read();
}

// The momentary window's lines, read silently; nothing when the read failed.
std::optional<screens::WmtMomentaryLines> ReadMomentary(AppContext& app) {
    const auto content =
        WhenIdle(app, [&app] { return gasdata::ReadWmtMomentary(app.tables, false); });
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

std::optional<messages::Period> ChoosePeriod(AppContext& app, gasdata::Step step,
                                             const gasdata::ArchiveBounds& bounds,
                                             const bytes::ControllerDateTime& now) {
    screens::TFormShortDate dialog(static_cast<messages::DataArchive>(step), bounds, now,
                                   app.settings.archive, app.op, app.window.DialogParent());
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Result();
}

void ReadArchive(AppContext& app, DataKind kind, int run) {
    gasdata::DataReadingContext ctx{
        app.tables, app.workFolder,
        [&app](gasdata::Step step, const gasdata::ArchiveBounds& bounds,
               const bytes::ControllerDateTime& now) {
            return ChoosePeriod(app, step, bounds, now);
        },
        [&app](const gasdata::DataSet& set) { ShowDataSet(app, set, true); }};
    gasdata::ReadDataArchive(ctx, kind, run);
    app.window.StartMessageTimer();
}

void ViewFile(AppContext& app, DataKind kind) {
    const auto set = gasdata::ChooseDataFile(kind, app.workDir, app.op);
    if (set) {
        ShowDataSet(app, *set, false);
    }
}

// "Чтение архива контроллера" with its run items, or a single command for the moisture meter.
void AddReading(AppContext& app, MenuBuilder& menus, QMenu* archive, DataKind kind,
                const QString& name) {
    const QString caption = QStringLiteral("Чтение архива контроллера");
    if (!gasdata::IsChromatograph(kind)) {
        menus.AddCommand(archive, name, caption, [&app, kind] { ReadArchive(app, kind, 0); });
        return;
    }
    QMenu* reading = archive->addMenu(caption);
    reading->menuAction()->setObjectName(name);
    for (int run = 1; run <= 2; ++run) {
        QAction* item = menus.AddCommand(reading, name + QString::number(run),
                                         QStringLiteral("Нитка %1").arg(run),
                                         [&app, kind, run] { ReadArchive(app, kind, run - 1); });
        item->setProperty("run", run);
    }
}

struct ArchiveItem {
    DataKind kind;
    const char* title;
    const char* reading;  // the item names of the reading and of the file view
    const char* viewing;
};

void AddArchives(AppContext& app, MenuBuilder& menus, QMenu* device,
                 std::initializer_list<ArchiveItem> items) {
    for (const ArchiveItem& a : items) {
        QMenu* archive = device->addMenu(QString::fromUtf8(a.title));
        AddReading(app, menus, archive, a.kind, QString::fromLatin1(a.reading));
        const DataKind kind = a.kind;
        menus.AddCommand(archive, QString::fromLatin1(a.viewing),
                         QStringLiteral("Просмотр/Печать из файла"),
                         [&app, kind] { ViewFile(app, kind); });
    }
}

// The device's link first: the message timer starts once the controller answered, before any
// message about the link.
bool DeviceLinked(AppContext& app, tables::Device device) {
    const tables::DeviceLink link = tables::ReadDeviceLink(app.tables, device);
    if (link == tables::DeviceLink::Unread) {
        return false;
    }
    app.window.StartMessageTimer();
    if (link == tables::DeviceLink::Absent) {
        tables::ShowNoDeviceLink(app.op, device);
        return false;
    }
    return true;
}

void ShowMoistureMomentary(AppContext& app) {
    if (!DeviceLinked(app, tables::Device::MoistureMeter)) {
        return;
    }
    screens::TFormMomWmt window([&app] { return ReadMomentary(app); }, app.window.DialogParent());
    window.exec();
}

// The chromatograph's momentary window of run 0 or 1; each refresh reads silently and nothing
// while another request is on the line.
void NChrom_MomDataClick(AppContext& app, int run) {
    if (!DeviceLinked(app, tables::Device::Chromatograph)) {
        return;
    }
    const gasdata::ChrMomentaryFrame frame = gasdata::ChrMomentaryFrameOf(
        archive::EnsureSerialNumber(app.tables), app.image.Name(run + 1), app.settings.report);
    const auto values = [&app, run] {
        return WhenIdle(app, [&app, run] {
            return gasdata::ReadChrMomentaryValues(app.tables, run, app.settings.report, false);
        });
    };
    const auto zones = [&app, run] {
        return WhenIdle(app, [&app, run] { return gasdata::ReadChrZones(app.tables, run, false); });
    };
    screens::TFormMom window(frame, {values, zones}, app.window.DialogParent());
    window.exec();
    app.window.StartMessageTimer();
}

void N_Dop_ParClick(AppContext& app) {
    const auto extra = gasdata::ReadExtraParameters(app.tables);
    app.window.StartMessageTimer();
    if (extra) {
        screens::TFormChrom_Dop_Par window(extra->serial, extra->softwareChecksum,
                                           app.window.DialogParent());
        window.exec();
    }
}

// Tables 23 and 24, read silently each time a chart opens: two short requests, and the chart
// shows the setpoints the controller holds now. Nothing when a read failed.
std::optional<gasdata::ColumnSetpoints> ReadSetpoints(AppContext& app,
                                                      const gasdata::DataView& view) {
    const auto setpoints =
        WhenIdle(app, [&app] { return gasdata::ReadWarningSetpoints(app.tables); });
    if (!setpoints) {
        return std::nullopt;
    }
    return gasdata::ShownSetpoints(view, *setpoints, app.settings.report);
}

// "Нитка 1" and "Нитка 2" of the momentary window, first in the chromatograph's data.
void AddChrMomentary(AppContext& app, MenuBuilder& menus, QMenu* chromatograph) {
    QMenu* momentary = chromatograph->addMenu(
        QStringLiteral("Мгновенные данные хроматографа, зоны параметров газа    "));
    momentary->menuAction()->setObjectName("NChrom_Mom");
    for (int run = 1; run <= 2; ++run) {
        QAction* item = menus.AddCommand(momentary, QStringLiteral("NChrom_Mom%1").arg(run),
                                         QStringLiteral("Нитка %1").arg(run),
                                         [&app, run] { NChrom_MomDataClick(app, run - 1); });
        item->setProperty("run", run);
    }
}

}  // namespace

void ShowDataSet(AppContext& app, const gasdata::DataSet& set, bool fromController) {
    gasdata::DataView view = gasdata::BuildDataView(set, app.settings.report);
    gasdata::AddIsoCheck(view, set, app.settings.report);
    screens::DataFormContext context;
    context.save = [&app, &set](const gasdata::DataView&, QWidget*) {
        gasdata::SaveDataSet(set, app.workDir, Today(app), app.op);
    };
    context.print = [&app, &set](const gasdata::DataView& v, QWidget* parent) {
        PrintView(app, v, set.header, parent);
    };
    context.saveCsv = [&app, &set](const gasdata::DataView& v, QWidget*) {
        gasdata::SaveDataCsv(v, set, app.workDir, Today(app), app.op);
    };
    if (gasdata::IsChromatograph(set.kind)) {
        context.exportWorkbook = [&app, &set](const gasdata::DataView& v, QWidget*) {
            ExportView(app, v, set.header);
        };
    }
    context.chartFile = [&app, &set] {
        return files::ChooseSaveTarget(gasdata::ChartPictureChoice(set, app.workDir, Today(app)),
                                       gasdata::kPngExtension, app.op);
    };
    if (fromController && gasdata::IsChromatograph(set.kind)) {
        context.setpoints = [&app](const gasdata::DataView& v) { return ReadSetpoints(app, v); };
    }
    screens::DataForm form(std::move(view), context, app.window.DialogParent());
    form.exec();
}

void AddDataMenus(AppContext& app, MenuBuilder& menus) {
    QMenu* data = menus.AddTopMenu(QStringLiteral("Данные"), QStringLiteral("NData"));
    QMenu* chromatograph = data->addMenu(QStringLiteral("Данные  хроматографа"));
    chromatograph->menuAction()->setObjectName("NChrom_Data");
    AddChrMomentary(app, menus, chromatograph);
    AddArchives(app, menus, chromatograph,
                {{DataKind::ChrMinute, "Мгновенные данные хроматографа из архива 3-мин. данных",
                  "NChrom_Rdmin", "NChrom_Viewmin"},
                 {DataKind::ChrHour, "Часовые  данные", "NChrom_RdHour", "NChrom_ViewHour"},
                 {DataKind::ChrDay, "Суточные  данные", "NChrom_RdDay", "NChrom_ViewDay"}});
    QMenu* moisture = data->addMenu(QStringLiteral("Данные влагомера"));
    moisture->menuAction()->setObjectName("NWmt_Data");
    menus.AddCommand(moisture, "NWmt_MomData", QStringLiteral("Мгновенные данные влагомера"),
                     [&app] { ShowMoistureMomentary(app); });
    AddArchives(app, menus, moisture,
                {{DataKind::WmtMinute, "Мгновенные данные влагомера из архива 3-мин. данных    ",
                  "NWmt_Readmin", "NWmt_Viewmin"},
                 {DataKind::WmtHour, "Часовые  данные", "NWmt_ReadHour", "NWmt_ViewHour"},
                 {DataKind::WmtDay, "Суточные  данные", "NWmt_ReadDay", "NWmt_ViewDay"}});
    menus.AddCommand(data, "N_Dop_Par", QStringLiteral("Дополнительные параметры контроллера"),
                     [&app] { N_Dop_ParClick(app); });
}

}  // namespace zor06::app
