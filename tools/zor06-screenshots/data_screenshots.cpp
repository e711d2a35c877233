#include "zor06-screenshots/data_screenshots.h"

#include <QApplication>
#include <QCheckBox>
#include <QScrollBar>
#include <QTableView>

#include "app/TFormMain.h"
#include "gasdata/abnormal_signs.h"
#include "gasdata/data_reading.h"
#include "gasdata/data_view_model.h"
#include "gasdata/iso_check.h"
#include "gasdata/screens/DataForm.h"
#include "gasdata/screens/TFormChromError.h"
#include "tables/controller_date.h"

namespace zor06::app {
namespace {

using gasdata::DataKind;

// The records from `back` steps before the newest one to the newest.
std::optional<gasdata::DataSet> LastRecords(screens::TFormMain& w, DataKind kind, int back) {
    const auto& k = gasdata::KindOf(kind);
    const auto bounds = gasdata::GetArchiveBounds(w.Tables(), k.step);
    if (!bounds) {
        return std::nullopt;
    }
    bytes::ControllerDateTime end{};
    std::copy(bounds->bounds.newest.begin(), bounds->bounds.newest.end(), end.begin());
    bytes::ControllerDateTime start = end;
    for (int i = 0; i < back; ++i) {
        start = k.step == gasdata::Step::ThreeMinutes
                    ? tables::StepBack(start, tables::kStepHour)
                    : tables::StepBack(start, static_cast<int>(k.step));
    }
    gasdata::DataReadingContext ctx{w.Tables(), w.WorkFolder(), {}, {}};
    return gasdata::ReadDataPeriod(ctx, kind, 0, start, end).set;
}

}  // namespace

void CaptureDataScreens(screens::TFormMain& w, const SaveScreen& save) {
    const auto& config = w.Settings().report;
    if (const auto hourly = LastRecords(w, DataKind::ChrHour, 23)) {
        // As the data menu opens it: with the check of the chromatograph when the settings allow.
        gasdata::DataView data = gasdata::BuildDataView(*hourly, config);
        if (gasdata::IsoCheckApplies(hourly->kind, config)) {
            gasdata::AddIsoCheck(data, *hourly, config);
        }
        screens::DataForm view(std::move(data), {}, &w);
        save(view, QStringLiteral("chromatograph-hourly"));
        if (view.isoCheckBox() != nullptr) {
            view.isoCheckBox()->setChecked(true);
            // The check's columns stand after the values: shown scrolled to them.
            view.show();
            QScrollBar* across = view.valueGrid()->horizontalScrollBar();
            across->setValue(across->maximum());
            save(view, QStringLiteral("chromatograph-hourly-iso-check"));
        }
    }
    if (const auto minutes = LastRecords(w, DataKind::ChrMinute, 1)) {
        gasdata::DataView data = gasdata::BuildDataView(*minutes, config);
        const gasdata::RowSigns signs = data.rows.front().signs;
        screens::DataForm view(std::move(data), {}, &w);
        save(view, QStringLiteral("chromatograph-3-minute"));
        screens::TFormChromError error(gasdata::AbnormalSigns(signs), signs.caption, &w);
        save(error, QStringLiteral("abnormal-signs"));
    }
    if (const auto moisture = LastRecords(w, DataKind::WmtDay, 20)) {
        screens::DataForm view(gasdata::BuildDataView(*moisture, config), {}, &w);
        save(view, QStringLiteral("moisture-daily"));
    }
}

}  // namespace zor06::app
