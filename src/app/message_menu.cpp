#include "app/message_menu.h"

#include <QMenu>

#include "app/app_context.h"
#include "messages/archive_commands.h"
#include "messages/message_file.h"
#include "messages/screens/TFormAla.h"
#include "messages/screens/TFormAud.h"
#include "messages/screens/TFormIndex.h"
#include "messages/screens/TFormPeriod.h"
#include "messages/screens/status_windows.h"
#include "tables/controller_date.h"
#include "widgets/TFormQues_Prn.h"

namespace zor06::app {
namespace {

using messages::Archive;

constexpr int kDiagnosticsPrintKind = 3;
constexpr int kInterventionsPrintKind = 4;

screens::MessageFormContext FormContext(AppContext& app, Archive archive,
                                        const dataset::HdmHeader& header) {
    screens::MessageFormContext context;
    context.programDir = app.workDir;
    context.today = [&app] {
        const bytes::ControllerDateTime now = tables::EncodeNow(app.tables.clock.LocalDateTime());
        bytes::ControllerDateTime today{};
        std::copy(now.begin(), now.end(), today.begin());
        return today;
    };
    const int kind =
        archive == Archive::Interventions ? kInterventionsPrintKind : kDiagnosticsPrintKind;
    context.printData = [&app, kind, header] {
        return widgets::AskPrintData(app.IniDir() / "title.ini", kind, header,
                                     app.window.DialogParent());
    };
    return context;
}

}  // namespace

void ShowMessages(AppContext& app, Archive archive, const dataset::HdmHeader& header,
                  std::span<const std::uint8_t> content, messages::ViewMode mode,
                  std::uint32_t startIndex) {
    const messages::DecodeOptions options = messages::DecodeOptionsOf(app.image);
    auto context = FormContext(app, archive, header);
    if (archive == Archive::Interventions) {
        screens::TFormAud view(header, content, mode, startIndex, std::move(context), app.op,
                               options, app.window.DialogParent());
        view.exec();
    } else {
        screens::TFormAla view(header, content, mode, startIndex, std::move(context), app.op,
                               options, app.window.DialogParent());
        view.exec();
    }
}

namespace {

void ShowSavedFile(AppContext& app, Archive archive) {
    const auto file = messages::ChooseMessageFile(archive, app.workDir, app.op);
    if (file) {
        ShowMessages(app, archive, file->header, file->lines, messages::ViewMode::FromFile, 0);
    }
}

messages::ReadingContext Reading(AppContext& app) {
    return {app.tables, app.workFolder, [&app](const messages::MessageSet& set) {
                ShowMessages(app, set.archive, set.header, set.records, set.mode, set.startIndex);
            }};
}

void ReadByIndex(AppContext& app, Archive archive) {
    messages::ReadingContext ctx = Reading(app);
    messages::ReadByIndexCommand(
        ctx, archive,
        [&app,
         archive](const messages::IndexBounds& bounds) -> std::optional<messages::IndexSelection> {
            screens::TFormIndex dialog(archive, bounds, app.settings.archive, app.op,
                                       app.window.DialogParent());
            if (dialog.exec() != QDialog::Accepted) {
                return std::nullopt;
            }
            return dialog.Selection();
        });
}

void ReadByPeriod(AppContext& app, Archive archive) {
    messages::ReadingContext ctx = Reading(app);
    messages::ReadByPeriodCommand(ctx, archive, [&app]() -> std::optional<messages::Period> {
        screens::TFormPeriod dialog(app.settings.archive, app.tables.clock.LocalDateTime(), app.op,
                                    app.window.DialogParent());
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return dialog.Result();
    });
}

void ShowCurrentState(AppContext& app) {
    screens::CurrentStateHooks hooks;
    hooks.busy = [&app] { return app.window.RequestOnLine(); };
    hooks.messageTimer = [&app] { app.window.StartMessageTimer(); };
    hooks.restore = [&app] { return app.window.RestoreDestroyedTables(); };
    screens::NSitClick(app.tables, hooks, app.window.DialogParent());
}

void AddArchiveMenu(AppContext& app, MenuBuilder& menus, QMenu* data, Archive archive) {
    const bool interventions = archive == Archive::Interventions;
    QMenu* menu = data->addMenu(QString::fromUtf8(messages::KindOf(archive).title.data(),
                                                  messages::KindOf(archive).title.size()));
    menu->menuAction()->setObjectName(interventions ? "NAud" : "NAla");
    menus.AddCommand(menu, interventions ? "NAudInd" : "NAlaInd",
                     QStringLiteral("Запрос по индексу"),
                     [&app, archive] { ReadByIndex(app, archive); });
    menus.AddCommand(menu, interventions ? "NAudPer" : "NAlaPer",
                     QStringLiteral("Запрос за период"),
                     [&app, archive] { ReadByPeriod(app, archive); });
    menus.AddCommand(menu, interventions ? "NAudPrn" : "NAlaPrn",
                     QStringLiteral("Просмотр/Печать из файла"),
                     [&app, archive] { ShowSavedFile(app, archive); });
}

}  // namespace

void AddMessageMenus(AppContext& app, MenuBuilder& menus) {
    QMenu* data = menus.AddTopMenu(QStringLiteral("Данные"), QStringLiteral("NData"));
    AddArchiveMenu(app, menus, data, Archive::Interventions);
    AddArchiveMenu(app, menus, data, Archive::Diagnostics);
    menus.AddCommand(data, "NSit", QStringLiteral("Текущее состояние контроллера"),
                     [&app] { ShowCurrentState(app); });
    menus.AddCommand(data, "NFun",
                     QStringLiteral("Возможность исполнения контроллером его функций"),
                     [&app] { screens::NFunClick(app.tables, app.window.DialogParent()); });
}

}  // namespace zor06::app
