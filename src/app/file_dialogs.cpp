#include "app/file_dialogs.h"

#include <QFileDialog>

#include "app/TFormMain.h"

namespace zor06::app {

std::optional<std::filesystem::path> ChooseFileInDialog(screens::TFormMain& window,
                                                        const dialogue::FileChoice& choice,
                                                        bool save) {
    QFileDialog dialog(&window, QString::fromStdString(choice.title),
                       QString::fromStdString(choice.dir.string()),
                       QString::fromStdString(choice.pattern));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (!choice.proposed.empty()) {
            dialog.selectFile(QString::fromStdString(choice.proposed.filename().string()));
        }
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

}  // namespace zor06::app
