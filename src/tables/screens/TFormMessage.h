// The message window: caption, three lines and either an acknowledge button or "Да" / "Нет",
// chosen by the message kind.
#pragma once

#include <QDialog>

#include "dialogue/message_kind.h"

class QDialogButtonBox;
class QLabel;
class QPushButton;

namespace zor06::screens {

class TFormMessage : public QDialog {
    Q_OBJECT
public:
    TFormMessage(dialogue::MessageKind kind, const QString& text1, const QString& text2,
                 QWidget* parent = nullptr);

    // Shows the window modally; true when the operator answered "Да".
    static bool Ask(dialogue::MessageKind kind, const QString& text1, const QString& text2,
                    QWidget* parent);

    // The starting size the window takes for its texts.
    static QSize SizeFor(const QString& caption, const QStringList& lines);

    QLabel* line(int i) const { return lines_[i]; }
    // The buttons the kind shows; null for the others.
    QPushButton* yesButton() const { return yes_; }
    QPushButton* noButton() const { return no_; }
    QPushButton* okButton() const { return ok_; }

protected:
    // Keeps the gaps around and between "Нет" and "Да" equal at any width.
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* AddButton(const QString& caption);

    QLabel* lines_[3] = {};
    QDialogButtonBox* buttons_ = nullptr;
    QPushButton* yes_ = nullptr;
    QPushButton* no_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace zor06::screens
