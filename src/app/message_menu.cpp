#include "app/message_menu.h"

#include <QMenu>

#include "app/TFormMain.h"
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
using screens::TFormMain;

constexpr int kDiagnosticsPrintKind = 3;
constexpr int kInterventionsPrintKind = 4;

screens::MessageFormContext FormContext(TFormMain& w, Archive archive,
                                        const dataset::HdmHeader& header) {
    screens::MessageFormContext context;
    context.programDir = w.WorkDir();
    context.today = [&w] {
        const bytes::ControllerDateTime now = tables::EncodeNow(w.Tables().clock.LocalDateTime());
        bytes::ControllerDateTime today{};
        std::copy(now.begin(), now.end(), today.begin());
        return today;
    };
    const int kind =
        archive == Archive::Interventions ? kInterventionsPrintKind : kDiagnosticsPrintKind;
    context.printData = [&w, kind, header] {
        return widgets::AskPrintData(w.IniDir() / "title.ini", kind, header, &w);
    };
    return context;
}

}  // namespace

void ShowMessages(TFormMain& w, Archive archive, const dataset::HdmHeader& header,
                  std::span<const std::uint8_t> content, messages::ViewMode mode,
                  std::uint32_t startIndex) {
    const messages::DecodeOptions options = messages::DecodeOptionsOf(w.Image());
    auto context = FormContext(w, archive, header);
    if (archive == Archive::Interventions) {
        screens::TFormAud view(header, content, mode, startIndex, std::move(context), w.Operator(),
                               options, &w);
        view.exec();
    } else {
        screens::TFormAla view(header, content, mode, startIndex, std::move(context), w.Operator(),
                               options, &w);
        view.exec();
    }
}

namespace {

void ShowSavedFile(TFormMain& w, Archive archive) {
    const auto file = messages::ChooseMessageFile(archive, w.WorkDir(), w.Operator());
    if (file) {
        ShowMessages(w, archive, file->header, file->lines, messages::ViewMode::FromFile, 0);
    }
}

messages::ReadingContext Reading(TFormMain& w) {
    return {w.Tables(), w.WorkFolder(), [&w](const messages::MessageSet& set) {
                ShowMessages(w, set.archive, set.header, set.records, set.mode, set.startIndex);
            }};
}

void ReadByIndex(TFormMain& w, Archive archive) {
    messages::ReadingContext ctx = Reading(w);
    messages::ReadByIndexCommand(
        ctx, archive,
        [&w,
         archive](const messages::IndexBounds& bounds) -> std::optional<messages::IndexSelection> {
            screens::TFormIndex dialog(archive, bounds, w.Settings().archive, w.Operator(), &w);
            if (dialog.exec() != QDialog::Accepted) {
                return std::nullopt;
            }
            return dialog.Selection();
        });
}

void ReadByPeriod(TFormMain& w, Archive archive) {
    messages::ReadingContext ctx = Reading(w);
    messages::ReadByPeriodCommand(ctx, archive, [&w]() -> std::optional<messages::Period> {
        screens::TFormPeriod dialog(w.Settings().archive, w.Tables().clock.LocalDateTime(),
                                    w.Operator(), &w);
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return dialog.Result();
    });
}

void ShowCurrentState(TFormMain& w) {
    screens::CurrentStateHooks hooks;
    hooks.busy = [&w] { return w.RequestOnLine(); };
    hooks.messageTimer = [&w] { w.StartMessageTimer(); };
    hooks.restore = [&w] { return w.RestoreDestroyedTables(); };
    screens::NSitClick(w.Tables(), hooks, &w);
}

void AddArchiveMenu(TFormMain& w, QMenu* data, Archive archive) {
    const bool interventions = archive == Archive::Interventions;
    QMenu* menu = data->addMenu(QString::fromUtf8(messages::KindOf(archive).title.data(),
                                                  messages::KindOf(archive).title.size()));
    menu->menuAction()->setObjectName(interventions ? "NAud" : "NAla");
    w.AddCommand(menu, interventions ? "NAudInd" : "NAlaInd", QStringLiteral("Запрос по индексу"),
                 [&w, archive] { ReadByIndex(w, archive); });
    w.AddCommand(menu, interventions ? "NAudPer" : "NAlaPer", QStringLiteral("Запрос за период"),
                 [&w, archive] { ReadByPeriod(w, archive); });
    w.AddCommand(menu, interventions ? "NAudPrn" : "NAlaPrn",
                 QStringLiteral("Просмотр/Печать из файла"),
                 [&w, archive] { ShowSavedFile(w, archive); });
}

}  // namespace

void AddMessageMenus(TFormMain& w) {
    QMenu* data = w.AddTopMenu(QStringLiteral("Данные"), QStringLiteral("NData"));
    AddArchiveMenu(w, data, Archive::Interventions);
    AddArchiveMenu(w, data, Archive::Diagnostics);
    w.AddCommand(data, "NSit", QStringLiteral("Текущее состояние контроллера"),
                 [&w] { ShowCurrentState(w); });
    w.AddCommand(data, "NFun", QStringLiteral("Возможность исполнения контроллером его функций"),
                 [&w] { screens::NFunClick(w.Tables(), &w); });
}

}  // namespace zor06::app
