#include "app/passport_menu.h"

#include <QMenu>

#include "app/TFormMain.h"
#include "gasdata/passport_reading.h"
#include "gasdata/passport_templates.h"
#include "gasdata/screens/TFormExcRep_Date.h"
#include "gasdata/screens/TFormXls_Report.h"
#include "settings/list_sort.h"
#include "settings/screens/TFormObject.h"
#include "settings/screens/TFormObjects_List.h"
#include "settings/settings_store.h"

namespace zor06::app {
namespace {

using gasdata::PassportMode;
using screens::TFormMain;

screens::PassportObjectHooks ObjectHooks(TFormMain& w, QWidget* parent) {
    screens::PassportObjectHooks hooks;
    hooks.newObject = [&w, parent](settings::ObjectList& list) {
        settings::ObjectEntry entry;
        if (!screens::TFormObject::Run(entry, 0, w.Operator(), parent)) {
            return false;
        }
        list.entries.push_back(entry);
        list.current = static_cast<std::uint8_t>(list.entries.size() - 1);
        settings::SortList(list);
        settings::SaveObjects(w.Settings(), w.IniDir(), w.Operator());
        return true;
    };
    hooks.editList = [&w, parent] {
        screens::TFormObjects_List dialog(w.Settings(), w.IniDir(), w.Operator(), parent);
        return dialog.exec() == QDialog::Accepted;
    };
    return hooks;
}

void MakePassport(TFormMain& w, PassportMode mode, int run) {
    gasdata::PassportContext ctx{
        w.Tables(),
        w.WorkDir(),
        [&w](PassportMode m,
             const gasdata::ArchiveBounds& bounds) -> std::optional<gasdata::PassportChoice> {
            screens::TFormExcRep_Date dialog(m, bounds, w.Settings().objects, ObjectHooks(w, &w),
                                             w.Operator(), &w);
            if (dialog.exec() != QDialog::Accepted) {
                return std::nullopt;
            }
            return dialog.Result();
        },
        [&w](const std::function<void()>& build) {
            screens::TFormXls_Report builder(build, &w);
            builder.exec();
        },
        std::nullopt,
        gasdata::TemplateSources()};
    gasdata::MakePassport(ctx, mode, run);
    w.StartMessageTimer();
}

void AddRuns(TFormMain& w, QMenu* reports, const QString& caption, const QString& name,
             PassportMode mode) {
    QMenu* runs = reports->addMenu(caption);
    runs->menuAction()->setObjectName(name);
    for (int run = 1; run <= 2; ++run) {
        QAction* item =
            w.AddCommand(runs, name + QString::number(run), QStringLiteral("Нитка %1").arg(run),
                         [&w, mode, run] { MakePassport(w, mode, run - 1); });
        item->setProperty("run", run);
    }
}

}  // namespace

void AddPassportMenus(TFormMain& w) {
    QMenu* reports = w.AddTopMenu(QStringLiteral("Отчеты"), QStringLiteral("Nexcreport"));
    AddRuns(w, reports, QStringLiteral("Паспорт ЗОР показателей за сутки   "),
            QStringLiteral("NExcDay"), PassportMode::Day);
    AddRuns(w, reports, QStringLiteral("Паспорт ЗОР показателей за месяц"),
            QStringLiteral("NExcMon"), PassportMode::Month);
}

}  // namespace zor06::app
