// The link parameters dialog of one link kind: edits a copy of the kind's record and its global
// settings, and stores them on "Принять" once every field has passed its check.
#pragma once

#include <QDialog>

#include "dialogue/operator.h"
#include "link/link_kind.h"
#include "settings/settings_types.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zor06::screens {

class TFormConnParam : public QDialog {
    Q_OBJECT
public:
    TFormConnParam(settings::LinkSettings& settings, link::LinkKind kind, dialogue::Operator& op,
                   QWidget* parent = nullptr);

    QComboBox* portBox() const { return port_; }
    QComboBox* rateBox() const { return rate_; }
    QLineEdit* firstByteEdit() const { return firstByte_; }
    QLineEdit* nextBytesEdit() const { return nextBytes_; }
    QLineEdit* preamblesEdit() const { return preambles_; }
    QComboBox* attemptsBox() const { return attempts_; }
    QCheckBox* closePortCheck() const { return closePort_; }
    QLineEdit* portWaitEdit() const { return portWait_; }
    QLineEdit* commandEdit() const { return command_; }
    QLineEdit* connectWaitEdit() const { return connectWait_; }
    QLineEdit* connectAttemptsEdit() const { return connectAttempts_; }
    QPushButton* acceptButton() const { return accept_; }
    QPushButton* exitButton() const { return exit_; }

private slots:
    void BitBtn1Click();  // "Принять"
    void CheckBox1Click();

private:
    void BuildControls();
    void ShowSettings();
    bool Check();
    void Store();

    settings::LinkSettings& settings_;
    link::LinkKind kind_;
    dialogue::Operator& op_;

    QComboBox* port_ = nullptr;
    QComboBox* rate_ = nullptr;
    QLineEdit* firstByte_ = nullptr;
    QLineEdit* nextBytes_ = nullptr;
    QLineEdit* preambles_ = nullptr;
    QComboBox* attempts_ = nullptr;
    QCheckBox* closePort_ = nullptr;
    QLineEdit* portWait_ = nullptr;
    QLabel* portWaitLabel_ = nullptr;
    QLineEdit* command_ = nullptr;
    QLineEdit* connectWait_ = nullptr;
    QLineEdit* connectAttempts_ = nullptr;
    QPushButton* accept_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
