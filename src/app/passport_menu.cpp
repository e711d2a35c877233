#include "app/passport_menu.h"

#include <QMenu>

#include "app/app_context.h"
#include "gasdata/passport_reading.h"
#include "gasdata/passport_templates.h"
#include "gasdata/screens/TFormExcRep_Date.h"
#include "gasdata/screens/TFormXls_Report.h"
#include "settings/list_sort.h"
#include "settings/screens/TFormObject.h"
#include "settings/screens/TFormObjects_List.h"
#include "settings/settings_store.h"
#include "widgets/RunModal.h"

namespace zor06::app {
namespace {

using gasdata::PassportMode;

screens::PassportObjectHooks ObjectHooks(AppContext& app, QWidget* parent) {
    screens::PassportObjectHooks hooks;
    hooks.newObject = [&app, parent](settings::ObjectList& list) {
        settings::ObjectEntry entry;
        if (!widgets::RunModal<screens::TFormObject>(entry, 0, app.op, parent)) {
            return false;
        }
        list.entries.push_back(entry);
        list.current = static_cast<std::uint8_t>(list.entries.size() - 1);
        settings::SortList(list);
        settings::SaveObjects(app.settings, app.IniDir(), app.op);
        return true;
    };
    hooks.editList = [&app, parent] {
        screens::TFormObjects_List dialog(app.settings, app.IniDir(), app.op, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    return hooks;
}

void MakePassport(AppContext& app, PassportMode mode, int run) {
    gasdata::PassportContext ctx{
        app.tables,
        app.workDir,
        [&app](PassportMode m,
               const gasdata::ArchiveBounds& bounds) -> std::optional<gasdata::PassportChoice> {
            screens::TFormExcRep_Date dialog(m, bounds, app.settings.objects,
                                             ObjectHooks(app, app.window.DialogParent()), app.op,
                                             app.window.DialogParent());
            if (dialog.exec() != QDialog::Accepted) {
                return std::nullopt;
            }
            return dialog.Result();
        },
        [&app](const std::function<void()>& build) {
            screens::TFormXls_Report builder(build, app.window.DialogParent());
            builder.exec();
        },
        std::nullopt,
        gasdata::TemplateSources()};
    gasdata::MakePassport(ctx, mode, run);
    app.window.StartMessageTimer();
}

void AddRuns(AppContext& app, MenuBuilder& menus, QMenu* reports, const QString& caption,
             const QString& name, PassportMode mode) {
    QMenu* runs = reports->addMenu(caption);
    runs->menuAction()->setObjectName(name);
    for (int run = 1; run <= 2; ++run) {
        QAction* item =
            menus.AddCommand(runs, name + QString::number(run), QStringLiteral("Нитка %1").arg(run),
                             [&app, mode, run] { MakePassport(app, mode, run - 1); });
        item->setProperty("run", run);
    }
}

}  // namespace

void AddPassportMenus(AppContext& app, MenuBuilder& menus) {
    QMenu* reports = menus.AddTopMenu(QStringLiteral("Отчеты"), QStringLiteral("Nexcreport"));
    AddRuns(app, menus, reports, QStringLiteral("Паспорт ЗОР показателей за сутки   "),
            QStringLiteral("NExcDay"), PassportMode::Day);
    AddRuns(app, menus, reports, QStringLiteral("Паспорт ЗОР показателей за месяц"),
            QStringLiteral("NExcMon"), PassportMode::Month);
}

}  // namespace zor06::app
