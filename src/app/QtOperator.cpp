#include "app/QtOperator.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "tables/screens/TFormMessage.h"

namespace zor06::screens {
namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

bool QtOperator::ShowMessage(dialogue::MessageKind kind, std::string_view text1,
                             std::string_view text2) {
    if (messageWindow) {
        return messageWindow(kind, ToQString(text1), ToQString(text2));
    }
    // A question must be answerable even while an operation keeps the hourglass.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool answer = TFormMessage::Ask(kind, ToQString(text1), ToQString(text2), parent_);
    QApplication::restoreOverrideCursor();
    return answer;
}

void QtOperator::MessageBox(std::string_view text, std::string_view caption) {
    if (messageBox) {
        messageBox(ToQString(text), ToQString(caption));
        return;
    }
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox::information(parent_, ToQString(caption), ToQString(text));
    QApplication::restoreOverrideCursor();
}

void QtOperator::SetStatusText(dialogue::Panel panel, std::string_view text) {
    if (onStatus) {
        onStatus(panel, ToQString(text));
    }
}

void QtOperator::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void QtOperator::ProcessEvents() {
    QCoreApplication::processEvents();
}

void QtOperator::SetProgress(int position, int maximum) {
    if (onProgress) {
        onProgress(position, maximum);
    }
}

void QtOperator::ShowWait(dialogue::WaitMode mode) {
    if (onWait) {
        onWait(mode);
    }
}

std::optional<std::filesystem::path> QtOperator::ChooseFile(const dialogue::FileChoice& choice,
                                                            dialogue::FileDialog dialog) {
    if (onChooseFile) {
        return onChooseFile(choice, dialog);
    }
    return std::nullopt;
}

void QtOperator::HideWait() {
    if (onWait) {
        onWait(std::nullopt);
    }
}

}  // namespace zor06::screens
