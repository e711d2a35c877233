#include "app/protocol_menu.h"

#include <QFileDialog>
#include <QMenu>

#include "app/TFormMain.h"
#include "config/config_file.h"
#include "config/protocol_command.h"
#include "config/screens/TFormConf_Protocol.h"
#include "text/text_format.h"

namespace zor06::app {
namespace {

namespace fs = std::filesystem;
using screens::TFormMain;

constexpr int kQuestionKind = 3;
constexpr int kReadTablesWait = 3;

fs::path ConfigDir(const TFormMain& w) {
    return w.WorkDir() / "CONFIG";
}

// The file dialogs are the toolkit's own (not the desktop's), so that they behave alike
// everywhere and tests can answer them.
fs::path AskFile(TFormMain& w, QFileDialog::AcceptMode mode, const QString& title,
                 const fs::path& proposed) {
    QFileDialog dialog(&w, title, QString::fromStdString(ConfigDir(w).string()),
                       QStringLiteral("*.prc"));
    dialog.setObjectName(QStringLiteral("ProtocolFileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(mode);
    if (!proposed.empty()) {
        dialog.selectFile(QString::fromStdString(proposed.filename().string()));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front().toStdString();
}

void ShowProtocol(TFormMain& w, const config::ProtocolRecord& record, const fs::path& path) {
    screens::TFormConf_Protocol screen(record, path.filename().string(), w.Operator(), &w);
    screen.exec();
}

void CreateProtocol(TFormMain& w) {
    bool read = false;
    {
        w.ShowWait(kReadTablesWait);
        const link::BusyScope busy(w.Operator());
        read = tables::ReadAllTables(w.Tables());
        w.HideWait();
    }
    if (!read) {
        config::ReportTablesUnread(w.Operator());
        return;
    }
    SavePresentProtocol(w);
}

void OpenProtocol(TFormMain& w) {
    const fs::path path = AskFile(w, QFileDialog::AcceptOpen,
                                  QStringLiteral("Выберите файл с протоколом конфигурации"), {});
    if (path.empty()) {
        return;
    }
    if (const auto record = config::ReadProtocolFile(path, w.Operator())) {
        ShowProtocol(w, *record, path);
    }
}

}  // namespace

void SavePresentProtocol(TFormMain& w) {
    const config::ProtocolRecord record =
        config::BuildPresentProtocol(w.Tables(), w.Tables().clock.LocalDateTime());
    const fs::path proposed = config::ProposedProtocolPath(record, w.WorkDir());
    for (;;) {
        const fs::path chosen =
            AskFile(w, QFileDialog::AcceptSave,
                    QStringLiteral("Выбор файла для записи протокола конфигурации"), proposed);
        if (chosen.empty()) {
            return;
        }
        const config::SaveTarget target = config::ResolveSaveName(chosen, proposed, ".prc");
        if (target.askOverwrite &&
            !w.Operator().ShowMessage(
                kQuestionKind,
                text::Printf("Файл %s уже есть.", target.path.filename().string().c_str()),
                "Вы хотите заменить существующий файл?")) {
            continue;
        }
        if (config::WriteProtocolFile(target.path, record, w.Operator())) {
            ShowProtocol(w, record, target.path);
        }
        return;
    }
}

void AddProtocolCommands(TFormMain& w, QMenu* fileMenu) {
    auto* menu = new QMenu(QStringLiteral("Протокол кофигурации"), fileMenu);
    menu->menuAction()->setObjectName(QStringLiteral("NProt_Conf"));
    w.AddCommand(menu, QStringLiteral("NProt_Conf_Create"), QStringLiteral("Создание протокола"),
                 [&w] { CreateProtocol(w); });
    w.AddCommand(menu, QStringLiteral("NProt_Conf_View"),
                 QStringLiteral("Просмотр/Печать протокола"), [&w] { OpenProtocol(w); });
    const QList<QAction*> existing = fileMenu->actions();
    fileMenu->insertMenu(existing.isEmpty() ? nullptr : existing.front(), menu);
}

}  // namespace zor06::app
